// "trabelux-cli calc": reads a project, runs the analysis (and design) and prints the
// result tables as text or the JSON of the command line's contract.
#pragma once

#include <string>

namespace trabelux::cli {

struct OpcionesCalc {
    std::string proyecto;
    bool soloAnalisis = false;
    bool dobleRefuerzo = false;  // answer to the double-reinforcement question
    bool estaciones = false;
    bool json = false;
};

// Exit status: 0 the run completed, 1 it stopped on a message, 2 the file could not be read.
int ComandoCalc(const OpcionesCalc& opciones);

}  // namespace trabelux::cli
