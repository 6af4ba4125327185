// The readers a project is opened with (core/archivos/abre_proyecto.h), taken from disk:
// the project file, the slab file it names and the steel-shapes table.
#pragma once

#include <string>

#include "core/archivos/abre_proyecto.h"
#include "io/datos_programa.h"

namespace trabelux {

// `ruta` made absolute from the working folder, "." and ".." and a trailing "/" removed
// (as QFileInfo::absoluteFilePath gives it).
std::string RutaAbsoluta(const std::string& ruta);

// Reader of the slab file a project names. A relative path is taken from the project's
// folder; a path that no longer exists falls back to a file of the same name beside the
// project, so a project moved together with its slab file still finds it.
LectorArchivo LectorJuntoAlProyecto(const std::string& rutaProyecto);

// Reads and parses a shapes table; a missing or unreadable file says so:
// "No se pudo leer la tabla de perfiles:\n<ruta>\n<razon>".
Resultado<TablaPerfiles> LeeTablaPerfiles(const std::string& ruta);

// The readers of the project at `rutaProyecto`: its bytes from disk, its slab file beside
// it (LectorJuntoAlProyecto), the shapes table at `rutaPerfiles`.
LectoresProyecto LectoresDeDisco(const std::string& rutaProyecto,
                                 const std::string& rutaPerfiles = RutaTablaPerfiles());

}  // namespace trabelux
