// The project file (.vcw): text in, project out; project in, text out. The caller opens
// the file and saves through an atomic writer, so a failed save never damages the old one.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "modelo/proyecto.h"

namespace trabelux {

struct LecturaProyecto {
    std::optional<Proyecto> proyecto;  // the whole project, or nothing on any error
    // On error: "No se pudo leer el archivo:\n<ruta>\nLinea N: <what was wrong>".
    std::string error;
    // A notice for a project that was read (the missing slab file), or empty:
    // "El archivo de losas:\n<ruta>\nNo fue encontrado".
    std::string aviso;
};

// Reads a slab file named by a project: its bytes, or nothing when it does not exist.
using LectorArchivo = std::function<std::optional<std::string>(const std::string& ruta)>;

// LeeArchivo: turns the bytes of a project file (single-byte Latin-1 text, CRLF or LF
// lines) into a fresh project with its derived values brought up to date. `ruta` is used
// only in messages. `leeLosas` fetches the slab file the project names.
LecturaProyecto LeeArchivo(const std::string& bytes, const std::string& ruta,
                           const LectorArchivo& leeLosas);

// SalvaArchivo: the bytes of the project file for `p` (Latin-1, CRLF). The caller
// brings the derived values up to date first (ActualizaDerivados).
std::string SalvaArchivo(const Proyecto& p);

// Message of a failed save: "No se pudo guardar el archivo:\n<ruta>\n<razon>".
std::string MensajeErrorGuardar(const std::string& ruta, const std::string& razon);

}  // namespace trabelux
