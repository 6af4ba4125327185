// Shear design of the spans: two-legged vertical stirrups of bar ø3/8 or ø1/2 and their
// spacing, from the factored shear at a distance d from each support.
#pragma once

#include <string>

#include "core/analisis/entrada.h"
#include "core/analisis/resultados.h"
#include "core/base/estado.h"
#include "core/diseno/material_diseno.h"

namespace trabelux {

inline constexpr float kFyMaximoCortante = 4200.0f;  // kg/cm2

enum BarraEstribo : int { kEstriboTresOctavos = 0, kEstriboMedia = 1 };

// Stirrups for one end of a span.
struct EstriboExtremo {
    bool suficiente = true;  // false: the section cannot carry the shear
    int barra = kEstriboTresOctavos;
    double separacion = 0;   // cm
    float areaPorMetro = 0;  // cm2/m provided by the bar and spacing
    double vs = 0;           // kg carried by the stirrups; 0 when none are needed
};

// Stirrups for the factored shear vu (kg) of a b x d section (cm); f'c > 0 and fy > 0.
EstriboExtremo DisenaEstriboExtremo(double vu, float b, float d, const MaterialDiseno& m);

// Text of the "Estribos" column: "ø3/8 a 0.125" (UTF-8, spacing in metres).
std::string TextoEstribo(int barra, double separacionCm);

// Adds one row of "REFUERZO TRANSVERSAL" per span to r.refuerzoTransversal, governed by
// the end whose stirrups carry more. Fails with the message that stops the run.
Estado DisenaEstribos(const EntradaCalculo& e, Resultados& r);

}  // namespace trabelux
