// The expected values of a verification example (data/verificacion/*.esperado): plain
// "clave = valor" lines, the format LEEME.md of that folder documents.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/base/resultado.h"

namespace trabelux {

// One value to check: a number within an absolute tolerance (a relative one, "± 0.1%", is
// resolved on reading), or a text that must match exactly.
struct ValorEsperado {
    std::string clave;             // names a result, e.g. "reaccion.1" (see ValorDeResultados)
    std::string escrito;           // the value as typed, for the listings
    std::optional<double> numero;  // nothing for a text
    double tolerancia = 0;
    int linea = 0;  // 1-based line of the file
};

struct ArchivoEsperado {
    std::string descripcion;
    std::string fuente;
    std::string proyecto;  // the project file; empty: the .vcw of the same name
    std::string opciones;  // options of the run, as for "calc" (e.g. "--double=yes")
    std::vector<ValorEsperado> valores;
};

// Reads the text of an .esperado file. A line that is not "clave = valor", an empty key or
// a tolerance that is not a number is refused with its line number.
Resultado<ArchivoEsperado> LeeEsperado(const std::string& texto);

}  // namespace trabelux
