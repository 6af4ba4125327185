// Opening a project the one way both programs do: its bytes, the slab file it names, the
// steel section from the shapes table, the derived values brought up to date once. The
// readers are given by the caller, so the core opens no file itself.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/archivos/tabla_perfiles.h"
#include "core/base/resultado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// Reads a file: its bytes, or nothing when it does not exist or cannot be read.
using LectorArchivo = std::function<std::optional<std::string>(const std::string& ruta)>;

// Reads the steel-shapes table: the table, or the message saying why it cannot be had.
using LectorPerfiles = std::function<Resultado<TablaPerfiles>()>;

struct LectoresProyecto {
    LectorArchivo leeProyecto;   // the project file
    LectorArchivo leeLosas;      // the slab file the project names, by its path as written
    LectorPerfiles leePerfiles;  // asked only by a steel beam with a chosen shape
};

struct ProyectoAbierto {
    Proyecto proyecto;  // with its derived values up to date
    // The notices of the opening, or empty; two are joined by a blank line. The slab file
    // not found ("El archivo de losas:\n<ruta>\nNo fue encontrado") or unreadable, and the
    // shapes table that could not be read ("No se pudo leer la tabla de perfiles:...").
    std::string aviso;
    // What the slab transfer said as the derived values were brought up to date: fine, or
    // failed with "Error en Archivo de Losas", "Error en Bordes".
    Estado losas;
};

// LeeProyecto: the project in the bytes of a project file (LeeProyectoVcw), its slab file
// read through `lectores.leeLosas` (without it, or when it cannot be had, the assignment
// is kept and no slab loads are transferred), a steel beam's section taken from the
// shapes table (without the table the beam has no section), and the derived values
// brought up to date once. `ruta` is used only in messages.
Resultado<ProyectoAbierto> LeeProyecto(const std::string& bytes, const std::string& ruta,
                                       const LectoresProyecto& lectores);

// AbreProyecto: LeeProyecto on the bytes `lectores.leeProyecto` gives for `ruta`;
// "No se pudo leer el archivo:\n<ruta>\nNo existe o no se puede abrir" when it gives none.
Resultado<ProyectoAbierto> AbreProyecto(const std::string& ruta, const LectoresProyecto& lectores);

}  // namespace trabelux
