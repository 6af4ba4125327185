// The general data read as numbers, once, by whoever calculates with them: the run, the
// derived values, the span operations, the bar proposal and the report. The texts stay
// the master copy: the file writes them and the dialog shows them.
#pragma once

#include <optional>

#include "core/modelo/proyecto.h"

namespace trabelux {

struct DatosNumericos {
    Material material = Material::kHormigon;
    double fc = 0;        // F'c, kg/cm2
    double fy = 0;        // Fy, kg/cm2
    double moduloE = 0;   // "Modulo E" as typed, t/m2 (the run only compares it with 1.0)
    double recub = 0;     // cover, cm
    double longitud = 0;  // global span length, m
    double base = 0;      // global width, cm
    double altura = 0;    // global depth, cm
    OpcionInercia opcionInercia = OpcionInercia::kBh3;
    double inercia = 0;                 // global inertia, m4 (with "Otra")
    std::optional<double> cargaMuerta;  // global dead load, t/m; none when the text is blank
    std::optional<double> cargaViva;    // global live load, t/m; none when blank
    bool usaCargaTotal = false;
    double factorMuerta = 0;
    double factorViva = 0;
    bool calculaPesoPropio = true;
    double pesoUnitario = 0;  // t/m3
    // The arrangement the run applies: none whenever the total load is used (there is no
    // live load to arrange), whatever the stored choice.
    AlternanciaCargaViva alternancia = AlternanciaCargaViva::kNinguna;
    double xi = 2.0;                 // time-dependent factor of the sustained-load duration
    double fraccionSostenida = 0.0;  // sustained share of the live load, 0..1
    LimiteDeflexion limite = LimiteDeflexion::kDanables480;
    double largoComercial = 9.0;  // stock bar length, m
};

// Every number by LeeNumero's rule (blanks removed, the longest numeric prefix, "E" or
// "D" exponent, an empty text reads 0); a blank global load is none.
DatosNumericos LeeDatosNumericos(const DatosGenerales& d);

}  // namespace trabelux
