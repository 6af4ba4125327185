// Shear and moment at the stations of every span: 101 regular stations per span plus
// two at every concentrated load (just left of it and just right of it), in order of
// non-decreasing abscissa whatever the order the loads were typed in.
#pragma once

#include <functional>
#include <string>

#include "core/analisis/entrada.h"
#include "core/analisis/resultados.h"
#include "core/analisis/rigidez.h"
#include "core/base/estado.h"

namespace trabelux {

// Separation of the station placed just right of a concentrated load, m.
inline constexpr double kPasoCarga = 0.000001;

// Fills diagramas, momMaxVano, posMomMax, maxCortante and maxMomento of `r` from the end
// forces of `s`. `progreso`, when set, hears (101 x spans done, 101 x spans). Fails with
// the out-of-range message naming the span when a shear or moment cannot be held in
// single precision.
Estado CalculaEstaciones(const EntradaCalculo& e, const SolucionViga& s, Resultados& r,
                         const std::function<void(int, int)>& progreso);

}  // namespace trabelux
