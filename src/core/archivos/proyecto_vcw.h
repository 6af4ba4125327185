// The project file (.vcw): text in, project out; project in, text out. The caller opens
// the file and saves through an atomic writer, so a failed save never damages the old one.
#pragma once

#include <string>

#include "core/base/resultado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// LeeProyectoVcw: the project in the bytes of a project file (single-byte Latin-1 text,
// CRLF or LF lines), as the file holds it: the slab file it names is not read, a steel
// shape is not resolved and the derived values are not brought up to date (LeeProyecto,
// in archivos/abre_proyecto.h, does all three). `ruta` is used only in messages. On error:
// "No se pudo leer el archivo:\n<ruta>\nLinea N: <what was wrong>".
Resultado<Proyecto> LeeProyectoVcw(const std::string& bytes, const std::string& ruta);

// EscribeProyectoVcw: the bytes of the project file for `p` (Latin-1, CRLF). The caller
// brings the derived values up to date first (ActualizaDerivados).
std::string EscribeProyectoVcw(const Proyecto& p);

}  // namespace trabelux
