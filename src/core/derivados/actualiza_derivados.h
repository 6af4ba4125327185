// The derived values of a project brought up to date: the one entry point called after
// every change of the project and after a project is read.
#pragma once

#include "core/base/estado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// Brings every span row of `p` up to date: the slab transfer first when a slab file is in
// use (TransfiereLosas), then the rows (RecalculaFilas). Fails with the slab transfer's message
// ("Error en Archivo de Losas", "Error en Bordes"), the dead and live loads keeping their
// values (the rows are brought up to date all the same).
Estado ActualizaDerivados(Proyecto& p);

}  // namespace trabelux
