// The slab file (.Los): text in, slabs out.
#pragma once

#include <string>

#include "modelo/proyecto.h"
#include "modelo/resultado.h"

namespace trabelux {

// LeeLosas: parses the bytes of a slab file (Latin-1 text). On error the message says
// what was wrong and where: "No se pudo leer el archivo de losas:\n<ruta>\n...".
Resultado<ArchivoLosasDatos> LeeLosas(const std::string& bytes, const std::string& ruta);

}  // namespace trabelux
