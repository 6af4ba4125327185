// Reading and saving files on disk: the core turns bytes into a project and back; these
// fetch and store the bytes. Reading and GuardaSalida need only the standard library
// (trabelux_io_base); GuardaArchivo is Qt's QSaveFile (trabelux_io).
#pragma once

#include <optional>
#include <string>

#include "core/base/resultado.h"

namespace trabelux {

// What was being done with a file when it failed.
enum class Acceso { kLectura, kEscritura };

// The reason of a failure as the user reads it, from the system's error code: "No hay
// permiso para escribir en ese lugar", "El disco es de solo lectura", "No queda espacio
// en el disco", "La carpeta no existe", "Es una carpeta", "El nombre es demasiado largo";
// reading, "El archivo no existe" and "No hay permiso para leer el archivo"; any other
// code "Error del sistema número N".
std::string RazonEnEspanol(int codigoSistema, Acceso acceso);

// The whole file, or the reason it cannot be read (RazonEnEspanol).
Resultado<std::string> LeeContenidoArchivo(const std::string& ruta);

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> LeeBytesArchivo(const std::string& ruta);

// Writes `bytes` to `ruta` atomically: the old file is replaced only when the whole new
// one was written. Fails with MensajeErrorGuardar.
Estado GuardaArchivo(const std::string& ruta, const std::string& bytes);
// The same for bytes that may not have been produced: then nothing is written and the
// message gives their reason ("No se pudo componer el informe").
Estado GuardaArchivo(const std::string& ruta, const Resultado<std::string>& bytes);

// The command line's own outputs (a batch's summary) saved with the standard library alone,
// with the promise GuardaArchivo keeps: a temporary file beside `ruta`, renamed over it only
// once all of it was written; a device, FIFO or folder is never replaced. Fails with
// MensajeErrorGuardar.
Estado GuardaSalida(const std::string& ruta, const std::string& bytes);

// Message of a failed save: "No se pudo guardar el archivo:\n<ruta>\n<razon>".
std::string MensajeErrorGuardar(const std::string& ruta, const std::string& razon);

}  // namespace trabelux
