// The beam as the analysis takes it: spans, supports, loads and material read from the
// project into fixed arrays, with the checks that refuse a beam before it is solved.
#pragma once

#include "core/base/resultado.h"
#include "core/modelo/datos_numericos.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

inline constexpr int kMaxGrados = 2 * kMaxNudos;  // two degrees of freedom per node

// Indices are 0-based: span i runs from node i to node i + 1; node j has degrees of
// freedom 2j (vertical, upwards) and 2j + 1 (rotation, counterclockwise).
// Lengths, sections and concentrated loads are single precision, as the span and load
// grids hold them; inertia, uniform and nodal loads are double.
struct EntradaCalculo {
    int numVanos = 0;
    float longVano[kMaxVanos] = {};      // m
    float baseVano[kMaxVanos] = {};      // cm
    float alturaVano[kMaxVanos] = {};    // cm
    double inerciaVano[kMaxVanos] = {};  // m4, a blank (0) inertia is taken as 1
    double cargaUltima[kMaxVanos] = {};  // t/m, downwards
    // Factored live part of cargaUltima, t/m (CargaVivaUltima): what a live-load
    // arrangement takes off a span it leaves unloaded; the rest is dead load.
    double cargaViva[kMaxVanos] = {};
    int numCargas[kMaxVanos] = {};
    float cargaConc[kMaxVanos][kMaxCargasPorVano] = {};  // t, downwards
    float distCarga[kMaxVanos][kMaxCargasPorVano] = {};  // m from the left end, within 0..L
    double cargaNudo[kMaxGrados] = {};  // force t (upwards) / moment t-m (counterclockwise)
    int restric[kMaxGrados] = {};       // 1 restrained, 0 free
    int numRestric = 0;
    double fc = 0;         // f'c, kg/cm2
    float moduloE = 1.0f;  // t/m2, from f'c whatever the material
    float fy = 0;          // kg/cm2
    float recub = 0;       // cm
};

// Reads spans 1..numVanos, supports, loads and the general data (`datos`, the project's
// read as numbers). Refuses a span count
// outside 1..20, a span grid shorter than the count, any value out of the range the
// program can calculate (VerificaRangos), a span of length 0 or less and more than 20
// loads in a span. Nodal-load rows of one node add up; load distances
// are kept within the span.
Resultado<EntradaCalculo> LeeEntrada(const Proyecto& p, const DatosNumericos& datos);

// Whether the general data's modulus reads below 1.0 (the run then uses 1.0 and the
// caller shows "1.0").
bool ModuloBajo(const DatosNumericos& datos);

// The modulus of elasticity the analysis takes from f'c (kg/cm2), whatever the material:
// 15100 sqrt(f'c) kg/cm2; 0 without a positive f'c.
double ModuloHormigon(double fc);

}  // namespace trabelux
