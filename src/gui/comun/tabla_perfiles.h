// The steel-shapes table the program ships next to its executable (Aisc-dat.Dat), read
// once when first needed.
#pragma once

#include "archivos/perfiles.h"

namespace trabelux {

// The table, or nullptr when the file is missing or cannot be read.
const TablaPerfiles* TablaPerfilesDelPrograma();

// For a steel project, the chosen shape's section from the table (nothing otherwise).
void ResuelvePerfilDelProyecto(Proyecto& p);

}  // namespace trabelux
