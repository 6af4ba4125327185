// The slab file (.Los): text in, slabs out.
#pragma once

#include <string>

#include "core/base/resultado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// LeeArchivoLosas: parses the bytes of a slab file (Latin-1 text, CR LF or LF lines). Line 1 is
// the description; then, separated by blanks, commas or line ends (a value may be quoted):
// the 8 header values, 9 values per slab and 4 per additional record (kept as text).
// A slab thickness of 0 is replaced by the header's default thickness; dead and live
// loads of 0 are kept as read (the transfer substitutes the defaults). Edge codes are
// not checked here. On error the message says what was wrong and where:
// "No se pudo leer el archivo de losas:\n<ruta>\nLinea N: <what>"; a slab count outside
// 1..99 names "Error en Archivo de Losas".
Resultado<ArchivoLosasDatos> LeeArchivoLosas(const std::string& bytes, const std::string& ruta);

}  // namespace trabelux
