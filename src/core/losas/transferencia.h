// Transfer of the slab loads to the spans (dead and live load columns) and the average
// slab thickness of each span.
#pragma once

#include <string>

#include "modelo/proyecto.h"

namespace trabelux {

inline constexpr const char* kErrorArchivoLosas = "Error en Archivo de Losas";
inline constexpr const char* kErrorBordes = "Error en Bordes";

// ReacLos: rewrites "C. Muerta" and "C. Viva" of spans 1..numVanos from the slabs of
// p.losas and the assignment, and the average thicknesses of the assignment rows.
// Returns kErrorArchivoLosas or kErrorBordes (and changes nothing), or "".
std::string ReacLos(Proyecto& p);

}  // namespace trabelux
