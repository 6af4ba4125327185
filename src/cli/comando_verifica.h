// "trabelux-cli verify": runs every verification example (data/verificacion) as "calc"
// runs a project and checks each expected value; with --pdf also writes the verification
// manual.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/argumentos.h"
#include "core/verificacion/ejemplo_verificado.h"

namespace trabelux::cli {

struct OpcionesVerifica {
    std::string carpeta;  // empty: the folder shipped with the program
    bool json = false;
    std::string pdf;  // the manual's file, empty for none
};

// The options after "verify"; nothing, with `error` set, for one it does not know.
std::optional<OpcionesVerifica> LeeOpcionesVerifica(const std::vector<std::string>& argumentos,
                                                    std::string& error);

// Every example of `carpeta` (its .esperado files in name order) read, run and checked.
// Nothing, with `error` set, when the folder holds no example.
std::optional<std::vector<EjemploVerificado>> VerificaCarpeta(const std::string& carpeta,
                                                              std::string& error);

// Writes the verification manual of the examples as a PDF and returns its page count; 0,
// with the reason on stderr, when it could not be written (the old file stays as it was).
// Only trabelux-pinta has one (pinta/comando_verifica_pdf.cpp): it paints.
using EscritorManual = int (*)(const std::vector<EjemploVerificado>& ejemplos,
                               const std::string& archivo);

int ComandoVerifica(const OpcionesVerifica& opciones, EscritorManual escribeManual);

// "trabelux-cli verify ...": the listing here; with --pdf the whole command passes to
// trabelux-pinta, which writes the manual too.
int EjecutaVerifica(const Argumentos& argumentos);

}  // namespace trabelux::cli
