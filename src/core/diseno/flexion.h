// Flexural design of a rectangular section by the strength method: the bottom steel of
// every span, the top steel of every support, compression steel when the user accepts it.
#pragma once

#include <functional>
#include <string>

#include "core/analisis/entrada.h"
#include "core/analisis/resultados.h"
#include "core/base/estado.h"
#include "core/diseno/material_diseno.h"

namespace trabelux {

// Stress-block depth factor for f'c (kg/cm2), kept within 0.65 .. 0.85.
float Beta1(double fc);

// Largest steel ratio of single reinforcement, 0.75 of the balanced ratio.
double CuantiaMaxima(const MaterialDiseno& m);

// Largest factored moment (kg-cm) the b x d section (cm) carries with single
// reinforcement.
float MomentoLimiteSimple(float b, float d, const MaterialDiseno& m);

enum class EstadoFlexion {
    kSimple,          // tension steel only
    kDoble,           // compression steel accepted
    kDobleRechazado,  // compression steel needed and refused
    kInsuficiente,    // the compression steel would not yield, or no section
};

struct DisenoFlexion {
    EstadoFlexion estado = EstadoFlexion::kSimple;
    float as = 0;       // tension steel, cm2
    float asPrima = 0;  // compression steel, cm2
};

// Designs the section for the factored moment mu (kg-cm, positive) at depth d and width b
// (cm). `aceptaDoble` is asked before compression steel is adopted; without it the answer
// is no.
DisenoFlexion DisenaFlexion(float mu, float d, float b, const MaterialDiseno& m,
                            const std::function<bool()>& aceptaDoble);

// Adds the rows of "REFUERZO EN VANOS" (one per span, when some span sags) to
// r.refuerzoVanos. Fails with the message that stops the run.
Estado DisenaVanos(const EntradaCalculo& e, Resultados& r,
                   const std::function<bool()>& aceptaDoble);

// Adds the rows of "REFUERZO EN APOYOS" (one per node with a moment of at least
// 0.001 t-m) to r.refuerzoApoyos. Fails with the message that stops the run.
Estado DisenaApoyos(const EntradaCalculo& e, Resultados& r,
                    const std::function<bool()>& aceptaDoble);

}  // namespace trabelux
