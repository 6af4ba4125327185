// The bar proposal: turns the steel areas of a design run into bar sizes, counts and
// stirrups in the detailing table, filling only the cells that are empty.
#pragma once

#include "core/analisis/resultados.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// Tidies every row and proposes its bars: bottom bars of each span for the larger of
// the designed area and the minimum steel 14 (h - cover) b / Fy, the same bars at the
// supports beside it, additional top bars over the supports for the top area the two
// hangers do not cover (over an end support only when that end is "Empotrado"), and
// the stirrups of the design. Cells the user filled are kept, so a second run changes
// nothing. Supports, spans and stirrups are found in the design tables by their node
// or span number: one without a row needs no steel and has no stirrup text. The number
// of spans is that of the table (rows = 2N + 1); the cover and Fy are the general-data
// texts of `proyecto`.
void ProponeBarras(TablaDetallado& tabla, const Proyecto& proyecto, const Resultados& resultados);

}  // namespace trabelux
