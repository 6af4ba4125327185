// The derived values of a project brought up to date: the one entry point called after
// every change of the project and after a project is read.
#pragma once

#include <string>

#include "core/modelo/proyecto.h"

namespace trabelux {

// Brings every span row of `p` up to date: the slab transfer first when a slab file is in
// use (TransfiereLosas), then the rows (RecalculaFilas). Returns the slab transfer's text
// ("Error en Archivo de Losas", "Error en Bordes") or an empty string; on such an error
// the dead and live loads keep their values.
std::string ActualizaDerivados(Proyecto& p);

}  // namespace trabelux
