// The envelopes of the live-load arrangements: every arrangement's end forces and
// reactions solved on one factorised stiffness, then the largest and smallest shear and
// moment at every station, reaction extremes and the values the design takes.
#pragma once

#include "core/analisis/entrada.h"
#include "core/analisis/resultados.h"
#include "core/analisis/rigidez.h"
#include "core/base/estado.h"

namespace trabelux {

// Fills r.envolventes from the input `e`, the all-loaded solution `todos` and the stations
// already in r.diagramas (their abscissae are the envelopes' too).
//
// kCasosNorma: the cases of CasosNorma, each with every span's dead load (cargaUltima -
// cargaViva), the live load where the case loads it, and every concentrated and node
// load (they are ultimate loads); "todos los vanos" is the all-loaded solution itself.
// kRigurosa: the dead case and one case per span with its live load alone; live effects
// superpose, so at every station the largest value is the dead one plus every span's live
// effect where it is positive (the worst of the 2^N arrangements), the smallest likewise.
//
// Fails with the out-of-range message when a case's value cannot be held in single
// precision; r.envolventes is then left empty.
Estado CalculaEnvolventes(const EntradaCalculo& e, const SolucionViga& todos,
                          MetodoEnvolvente metodo, Resultados& r);

}  // namespace trabelux
