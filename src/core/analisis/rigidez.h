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
// The same for the concentrated loads alone: a load case adds its own uniform part,
// {w L / 2, w L^2 / 12, w L / 2, -w L^2 / 12}.
void FuerzasEmpotramientoPuntuales(const EntradaCalculo& e, int vano, double fuerzas[4]);

// The stiffness of a beam with its free block inverted: many load cases are then solved
// with one product each. 14 KB: keep it on the caller's stack.
struct RigidezFactorizada {
    int grados = 0, libres = 0;
    int ecuacion[kMaxGrados] = {};  // degree of freedom -> equation (free ones first)
    // Rows: every equation; columns: the free ones. After InvierteRigidez the free block
    // is its inverse and the restrained rows still hold the stiffness coupling them.
    double K[kMaxGrados][kMaxGrados];
};

// The loads of one case: fixed-end forces per span (downwards loads) and node loads by
// degree of freedom (upwards / counterclockwise).
struct CargasCaso {
    double fuerzasEmpotr[kMaxVanos][4] = {};
    double cargaNudo[kMaxGrados] = {};
};
// The loads of the input itself: every span's uniform and concentrated loads, and the
// node loads.
void CargasDeEntrada(const EntradaCalculo& e, CargasCaso& c);

// The pieces of ResuelveViga, in the order it calls them: the restraint and stiffness
// checks and the equation numbers; the load vector with its range checks; the inversion
// (the instability message on a zero pivot); the displacements, reactions and end forces.
Estado NumeraRigidez(const EntradaCalculo& e, RigidezFactorizada& f);
Estado VectorCargas(const EntradaCalculo& e, const RigidezFactorizada& f, const CargasCaso& c,
                    double vectorCargas[kMaxGrados]);
Estado InvierteRigidez(const EntradaCalculo& e, RigidezFactorizada& f);
Estado ResuelveVector(const EntradaCalculo& e, const RigidezFactorizada& f, const CargasCaso& c,
                      const double vectorCargas[kMaxGrados], SolucionViga& s);
// NumeraRigidez and InvierteRigidez: once for every load case of the beam.
Estado FactorizaRigidez(const EntradaCalculo& e, RigidezFactorizada& f);

// Solves the beam. Fails with the instability message when the supports leave a
// mechanism (a zero pivot in single precision, or fewer than two restraints), or with the
// out-of-range message naming the value and its span or node when a stiffness, load,
// displacement, reaction or end force cannot be held in single precision.
Estado ResuelveViga(const EntradaCalculo& e, SolucionViga& s);

}  // namespace trabelux
