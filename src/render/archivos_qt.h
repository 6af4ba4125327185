// Until the desktop program reads and saves through io and opens projects with readers.
#pragma once

#include <optional>
#include <string>

#include "core/archivos/abre_proyecto.h"
#include "io/archivos.h"
#include "io/datos_programa.h"
#include "io/lectores_disco.h"

namespace trabelux {

struct LecturaProyecto {
    std::optional<Proyecto> proyecto;
    std::string error, aviso, textoLosas;
};

inline LecturaProyecto AbreProyecto(const std::string& ruta,
                                    const std::string& rutaPerfiles = RutaTablaPerfiles()) {
    Resultado<ProyectoAbierto> r = AbreProyecto(ruta, LectoresDeDisco(ruta, rutaPerfiles));
    if (!r) return {std::nullopt, r.mensaje, {}, {}};
    return {std::move(r.valor->proyecto), {}, r.valor->aviso, r.valor->textoLosas};
}

}  // namespace trabelux
