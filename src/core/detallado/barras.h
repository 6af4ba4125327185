// The reinforcing bars the detailing offers (areas and names) and the choice of a bar
// size and count for a required steel area.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/detallado/barras_fisicas.h"

namespace trabelux {

// Area of bar `indice`, cm2; 0 for an index outside the list.
float AreaDeBarra(int indice);

// Name of bar `indice` as the grid shows it ("ø 3/8\"", UTF-8); empty outside the list.
std::string NombreBarra(int indice);

// Index of a bar name ("ø 1/2\""), ignoring blanks; none when it names no bar.
std::optional<int> IndiceDeNombreBarra(std::string_view nombre);

// Bar size proposed for a required area r (cm2): 3/8" below 3.81, 1/2" below 7.62,
// 3/4" below 17.1, 1" from there on. The 1-1/4" bar is never proposed. The thresholds
// are compared in single precision so that an area the design wrote as 7.62 gets 3/4".
int EligeBarra(double area);

// Smallest number of bars of `indice` whose area covers `area` (> 0); a quotient that
// is whole within a millionth of a bar is taken as it is, so 20.28 cm2 of 1" bars is
// 4 bars. 0 when the area is not positive or the index names no bar.
int CuentaBarras(double area, int indice);

}  // namespace trabelux
