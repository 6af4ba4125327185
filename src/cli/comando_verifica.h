// "trabelux-cli verify": runs every verification example (data/verificacion) as "calc"
// runs a project and checks each expected value; with --pdf also writes the verification
// manual.
#pragma once

#include <optional>
#include <string>
#include <vector>

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

// Whether the command line is "verify" asking for the manual, which paints: the program
// then needs Qt Gui (fonts), which the listing alone does not.
bool VerificaConManual(int argc, char** argv);

// Every example of `carpeta` (its .esperado files in name order) read, run and checked.
// Nothing, with `error` set, when the folder holds no example.
std::optional<std::vector<EjemploVerificado>> VerificaCarpeta(const std::string& carpeta,
                                                              std::string& error);

// Writes the verification manual of `ejemplos` as a PDF and returns its page count; 0, with
// the reason on stderr, when it could not be written (the old file stays as it was). In
// comando_verifica_pdf.cpp, the only part of the command that paints.
int EscribeManualVerificacion(const std::vector<EjemploVerificado>& ejemplos,
                              const std::string& archivo);

// Exit status: 0 every value agrees, 1 one does not (or an example could not be run),
// 2 no examples or the manual could not be written.
int ComandoVerifica(const OpcionesVerifica& opciones);

}  // namespace trabelux::cli
