// Transfer of the slab loads to the spans (dead and live load columns) and the average
// slab thickness of each span.
#pragma once

#include "core/base/estado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

inline constexpr const char* kErrorArchivoLosas = "Error en Archivo de Losas";
inline constexpr const char* kErrorBordes = "Error en Bordes";

// TransfiereLosas: rewrites "C. Muerta" and "C. Viva" of spans 1..numVanos from the slabs of
// p.losas and the assignment, and "Espesor Prom" of every assignment row.
// On failure nothing changes and the message is:
//  - kErrorArchivoLosas: no slabs read, a slab count outside 1..99, slabs not numbered
//    1..S in order, or a slab with Lx or Ly not greater than zero;
//  - kErrorBordes: a slab whose edge code fits none of the cases;
//  - a text beginning with kErrorArchivoLosas that names the span and the slab when the
//    assignment of one of spans 1..numVanos names a slab the file does not hold.
Estado TransfiereLosas(Proyecto& p);

}  // namespace trabelux
