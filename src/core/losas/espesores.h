// Slab thicknesses as the span rows use them: one slab's, and the average of a span's two.
#pragma once

#include "core/modelo/proyecto.h"

namespace trabelux {

// EspesorLosa: thickness of slab k (1-based, file order), m; a thickness of 0 takes the
// header's default. 0 for k = 0 (no slab) and for a slab the file does not hold.
double EspesorLosa(const ArchivoLosasDatos& losas, int k);

// EspesorPromedio: "Espesor Prom" of a span row with its first (left) and second (right) slab
// numbers, 0 meaning none: the mean of the two thicknesses, the one slab's thickness
// when only one is given, 0 when neither.
double EspesorPromedio(const ArchivoLosasDatos& losas, int primera, int segunda);

}  // namespace trabelux
