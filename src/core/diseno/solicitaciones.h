// What the design takes from the analysis: the span and support moments and the end
// shears, from the all-loaded run or from the envelopes of a live-load arrangement.
#pragma once

#include <vector>

#include "core/analisis/entrada.h"
#include "core/analisis/resultados.h"

namespace trabelux {

// A design shear at d from a face: |v - w d| (t; w t/m taken off over d, cm / 100).
struct CortanteExtremo {
    double v = 0;
    double w = 0;
};

struct SolicitacionesDiseno {
    std::vector<float> positivoVano;  // t-m >= 0: largest sagging moment of each span
    // t-m >= 0: hogging at mid-span of a span that is not a cantilever (its top steel);
    // a cantilever's hogging is its support's.
    std::vector<float> negativoVano;
    std::vector<double> momentoNudo;  // sagging-positive moment at each node (signed)
    // The other sign's extreme at a node, when an arrangement reverses it (0 otherwise).
    std::vector<double> momentoNudoOpuesto;
    std::vector<CortanteExtremo> cortanteI, cortanteJ;
};

// From the all-loaded run: the station maximum of each span, the end moments, the end
// forces with the span's load (today's design values, to the bit).
SolicitacionesDiseno SolicitacionesTodosCargados(const EntradaCalculo& e, const Resultados& r);

// From r.envolventes: each span's exact largest sagging moment, the smallest (hogging)
// moment at each node (or the largest when it never hogs) with the other sign's extreme,
// and at each end the largest |V| at d over the arrangements.
SolicitacionesDiseno SolicitacionesEnvolvente(const EntradaCalculo& e, const Resultados& r);

// Whether span i (0-based) is an end cantilever: its outer end free.
bool EsVoladizo(const EntradaCalculo& e, int i);

}  // namespace trabelux
