// "trabelux-cli calc": reads a project, runs the analysis (and design) and prints the
// result tables as text or the JSON of the command line's contract.
#pragma once

#include <optional>
#include <string>

#include "analisis/resultados.h"
#include "modelo/proyecto.h"

namespace trabelux::cli {

struct OpcionesCalc {
    std::string proyecto;
    bool soloAnalisis = false;
    bool dobleRefuerzo = false;  // answer to the double-reinforcement question
    bool estaciones = false;
    bool json = false;
};

// Reads a project file as the desktop program opens it (shape resolved, derived values up
// to date); messages go to stderr. Nothing when the file cannot be read.
std::optional<Proyecto> CargaProyecto(const std::string& archivo);

// One run with the double-reinforcement question answered by `dobleRefuerzo`.
Resultados CalculaProyecto(const Proyecto& p, bool soloAnalisis, bool dobleRefuerzo);

// Exit status: 0 the run completed, 1 it stopped on a message, 2 the file could not be read.
int ComandoCalc(const OpcionesCalc& opciones);

}  // namespace trabelux::cli
