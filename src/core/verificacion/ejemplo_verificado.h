// A verification example after its run: what the folder holds for it and what the program
// computed, as the command line lists it and the verification manual prints it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/modelo/proyecto.h"
#include "core/verificacion/comparacion.h"
#include "core/verificacion/esperado.h"

namespace trabelux {

// Scheme of the links in the verification help pages that open an example as a project
// ("trabelux-ejemplo:ejemplo-01.vcw"): the help generator writes them, the help window
// answers them.
inline constexpr const char* kEsquemaEjemplo = "trabelux-ejemplo";

struct EjemploVerificado {
    std::string nombre;  // "ejemplo-01": the name its three files share
    ArchivoEsperado esperado;
    std::string calculoManual;         // the text of its .md page, empty when there is none
    std::optional<Proyecto> proyecto;  // nothing when the project could not be read
    Resultados resultados;
    std::vector<Comprobacion> comprobaciones;
    std::string error;  // why the example could not be checked at all, empty otherwise

    int Fallos() const {
        int n = error.empty() ? 0 : 1;
        for (const Comprobacion& c : comprobaciones) n += c.cumple ? 0 : 1;
        return n;
    }
};

}  // namespace trabelux
