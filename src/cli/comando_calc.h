// "trabelux-cli calc": reads a project, runs the analysis (and design) and prints the
// result tables as text or the JSON of the command line's contract.
#pragma once

#include <optional>
#include <string>

#include "core/analisis/resultados.h"
#include "core/modelo/proyecto.h"

namespace trabelux::cli {

struct OpcionesCalc {
    std::string proyecto;
    bool soloAnalisis = false;
    bool dobleRefuerzo = false;  // answer to the double-reinforcement question
    std::string opcionDoble;     // the --double option as given, empty when not given
    bool estaciones = false;
    bool json = false;
    std::string patron;         // "--pattern=": none, code, rigorous; empty: the project's
    bool sinDeflexion = false;  // "--no-deflection"
};

// Reads a project file as the desktop program opens it (shape resolved, derived values up
// to date); messages go to stderr. Nothing when the file cannot be read.
std::optional<Proyecto> CargaProyecto(const std::string& archivo);

// One run with the double-reinforcement question answered by `dobleRefuerzo`.
Resultados CalculaProyecto(const Proyecto& p, bool soloAnalisis, bool dobleRefuerzo);

// Whether the run of `p` is the analysis alone: asked for, or a beam that is not of
// concrete (the design is for concrete beams only). For such a beam the design options
// given (`opciones`, e.g. "--double=yes") are ignored with a note on stderr.
bool SoloAnalisis(const Proyecto& p, bool pedido, const std::string& opciones);

// Exit status: 0 the run completed, 1 it stopped on a message, 2 the file could not be read.
int ComandoCalc(const OpcionesCalc& opciones);

}  // namespace trabelux::cli
