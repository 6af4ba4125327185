// Checking a run's results against the expected values of a verification example.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "core/servicio/deflexiones.h"
#include "core/verificacion/esperado.h"

namespace trabelux {

// A number or a text of the results.
using ValorCalculado = std::variant<double, std::string>;

// The value a key of an .esperado file names in `r`, the same value the command line's
// JSON prints for it (LEEME.md lists the keys); nothing when the key names no value of
// this run (an unknown key, a span the beam lacks, a design row the run did not reach).
// Deflections and bars are not part of the results: the keys that name them read `calculos`,
// and name nothing where it lacks them.
struct CalculosDeBarras {
    const Deflexiones* flechas = nullptr;
    const Despiece* despiece = nullptr;  // the cut-off dimensions
    const Planilla* planilla = nullptr;  // the schedule, by mark
};
std::optional<ValorCalculado> ValorDeResultados(const Resultados& r, const std::string& clave,
                                                const CalculosDeBarras& calculos = {});

// What a key names, in words with its unit, for the manual and the help pages
// ("reaccion.2" -> "Reacción, nudo 2 (t)"); an unknown key as it is.
std::string DescribeClave(const std::string& clave);

// One checked value: what was expected, what the run gave and whether they agree.
struct Comprobacion {
    ValorEsperado esperado;
    std::string calculado;         // as printed: the number with 6 significant digits, the text,
                                   // or "no existe"
    bool existe = false;           // whether the run has the value at all
    std::optional<double> numero;  // the computed number
    std::optional<double> diferencia;  // computed - expected, for numbers
    bool cumple = false;
};

// Every expected value of `e` against the run `r`.
std::vector<Comprobacion> Compara(const ArchivoEsperado& e, const Resultados& r,
                                  const CalculosDeBarras& calculos = {});

// A number as the verification listings print it: up to 6 significant digits, no
// trailing zeros ("13.5", "-0.833333", "2.5e-07").
std::string NumeroVerificacion(double v);

}  // namespace trabelux
