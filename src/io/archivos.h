// Reading and saving files on disk: the core turns bytes into a project and back; these
// fetch and store the bytes.
#pragma once

#include <optional>
#include <string>

#include "core/base/resultado.h"

namespace trabelux {

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> LeeBytesArchivo(const std::string& ruta);

// Writes `bytes` to `ruta` atomically: the old file is replaced only when the whole new
// one was written. Returns the failure message (MensajeErrorGuardar), empty on success.
std::string GuardaArchivo(const std::string& ruta, const std::string& bytes);
// The same for bytes that may not have been produced: then nothing is written and the
// message gives their reason ("No se pudo componer el informe").
std::string GuardaArchivo(const std::string& ruta, const Resultado<std::string>& bytes);

// Message of a failed save: "No se pudo guardar el archivo:\n<ruta>\n<razon>".
std::string MensajeErrorGuardar(const std::string& ruta, const std::string& razon);

}  // namespace trabelux
