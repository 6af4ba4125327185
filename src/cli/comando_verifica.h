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

// Every example of `carpeta` (its .esperado files in name order) read, run and checked.
// Nothing, with `error` set, when the folder holds no example.
std::optional<std::vector<EjemploVerificado>> VerificaCarpeta(const std::string& carpeta,
                                                              std::string& error);

// Exit status: 0 every value agrees, 1 one does not (or an example could not be run),
// 2 no examples or the manual could not be written.
int ComandoVerifica(const OpcionesVerifica& opciones);

}  // namespace trabelux::cli
