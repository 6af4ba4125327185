// Direct stiffness solution of the continuous beam: one element per span, two degrees
// of freedom per node, the free block inverted by Gauss-Jordan elimination.
#pragma once

#include <string>

#include "core/analisis/entrada.h"
#include "core/base/estado.h"

namespace trabelux {

// Forces on the ends of span i, upwards and counterclockwise positive:
// [0] shear at I, [1] moment at I, [2] shear at J, [3] moment at J.
struct SolucionViga {
    double fuerzasEmpotr[kMaxVanos][4] = {};   // fixed-end forces of the loads
    double fuerzasExtremo[kMaxVanos][4] = {};  // after the solution
    double desplaz[kMaxGrados] = {};           // m and rad, by degree of freedom
    float reacciones[kMaxGrados] = {};         // t and t-m; 0 at free degrees of freedom
};

// Fixed-end forces of a span of length L under the uniform load w and its
// concentrated loads (both downwards positive).
void FuerzasEmpotramiento(const EntradaCalculo& e, int vano, double fuerzas[4]);

// Solves the beam. Fails with the instability message when the supports leave a
// mechanism (a zero pivot in single precision, or fewer than two restraints), or with the
// out-of-range message naming the value and its span or node when a stiffness, load,
// displacement, reaction or end force cannot be held in single precision.
Estado ResuelveViga(const EntradaCalculo& e, SolucionViga& s);

}  // namespace trabelux
