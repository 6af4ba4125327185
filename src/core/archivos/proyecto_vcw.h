// The project file (.vcw): text in, project out; project in, text out. The caller opens
// the file and saves through an atomic writer, so a failed save never damages the old one.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/archivos/perfiles.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

struct LecturaProyecto {
    std::optional<Proyecto> proyecto;  // the whole project, or nothing on any error
    // On error: "No se pudo leer el archivo:\n<ruta>\nLinea N: <what was wrong>".
    std::string error;
    // The notices of a project that was read, or empty; two are joined by a blank line.
    // The slab file not found ("El archivo de losas:\n<ruta>\nNo fue encontrado") and the
    // shapes table that could not be read ("No se pudo leer la tabla de perfiles:...").
    std::string aviso;
    // What the slab transfer said as the derived values were brought up to date
    // ("Error en Archivo de Losas", "Error en Bordes"), or empty.
    std::string textoLosas;
};

// Reads a slab file named by a project: its bytes, or nothing when it does not exist.
using LectorArchivo = std::function<std::optional<std::string>(const std::string& ruta)>;

// Reads the steel-shapes table: the table, or the message saying why it cannot be had.
using LectorPerfiles = std::function<Resultado<TablaPerfiles>()>;

// LeeArchivo: turns the bytes of a project file (single-byte Latin-1 text, CRLF or LF
// lines) into a fresh project with its derived values brought up to date once. `ruta` is
// used only in messages. `leeLosas` fetches the slab file the project names; `leePerfiles`
// the shapes table, asked for only by a steel beam with a chosen shape, whose section is
// then taken from it (without it, or when it cannot be read, the beam has no section).
LecturaProyecto LeeArchivo(const std::string& bytes, const std::string& ruta,
                           const LectorArchivo& leeLosas, const LectorPerfiles& leePerfiles = {});

// SalvaArchivo: the bytes of the project file for `p` (Latin-1, CRLF). The caller
// brings the derived values up to date first (ActualizaDerivados).
std::string SalvaArchivo(const Proyecto& p);

// Message of a failed save: "No se pudo guardar el archivo:\n<ruta>\n<razon>".
std::string MensajeErrorGuardar(const std::string& ruta, const std::string& razon);

}  // namespace trabelux
