// Classification of a slab's edge code into its load case (1..25), one-way or two-way.
#pragma once

#include <string>

namespace trabelux {

// Case of an edge code taken as written: 1..9 and 14..25 for four-letter codes of a
// two-way slab, 10..13 for the two-letter codes of a one-way slab; 0 for any other code.
int ClasificaBordes(const std::string& codigo);

// Whether the slab spans one way: one side longer than 1.66 times the other (a ratio of
// exactly 1.66 is still two-way).
bool EsUnidireccional(double lx, double ly);

// CasoLosa: the case of a slab. A one-way slab is classified by one pair of its edges:
// letters 3-4 (the edges of length Lx) when Lx > Ly, otherwise letters 1-2; a code of
// two letters is that pair already. A two-way slab is classified by its whole code.
// 0 when the code fits no case.
int CasoLosa(const std::string& bordes, double lx, double ly);

}  // namespace trabelux
