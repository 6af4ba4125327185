// Reading and saving the program's files on disk: the core turns bytes into a project
// and back; these helpers fetch and store the bytes.
#pragma once

#include <optional>
#include <string>

#include "core/archivos/perfiles.h"
#include "core/archivos/proyecto_vcw.h"

namespace trabelux {

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> LeeBytesArchivo(const std::string& ruta);

// Reader of the slab file a project names. A relative path is taken from the project's
// folder; a path that no longer exists falls back to a file of the same name beside the
// project, so a project moved together with its slab file still finds it.
LectorArchivo LectorJuntoAlProyecto(const std::string& rutaProyecto);

// Writes `bytes` to `ruta` atomically: the old file is replaced only when the whole new
// one was written. Returns the failure message (MensajeErrorGuardar), empty on success.
std::string GuardaArchivo(const std::string& ruta, const std::string& bytes);

// A data file of the program (shapes table, help collection, examples): beside the
// executable when run from the build folder, or in <prefix>/share/trabelux when installed.
// When neither exists, the path beside the executable, for the message that says so.
std::string RutaDatosPrograma(const std::string& nombre);

// The steel-shapes table shipped with the executables (Aisc-dat.Dat).
std::string RutaTablaPerfiles();

// Reads and parses a shapes table; a missing or unreadable file says so:
// "No se pudo leer la tabla de perfiles:\n<ruta>\n<razon>".
Resultado<TablaPerfiles> LeeTablaPerfiles(const std::string& ruta);

// Opens a project file the one way both programs do: reads and parses it, takes a steel
// beam's section from the shapes table at `rutaPerfiles` and brings the derived values up
// to date once. The error when the file is missing or malformed; the notices (slab file
// not found, shapes table unreadable) and the slab transfer's text for an opened project.
LecturaProyecto AbreProyecto(const std::string& ruta,
                             const std::string& rutaPerfiles = RutaTablaPerfiles());

}  // namespace trabelux
