// "trabelux-cli schedule": the bar schedule of a project's proposed bars as CSV.
#pragma once

#include <string>

#include "cli/argumentos.h"

namespace trabelux::cli {

struct OpcionesPlanilla {
    std::string proyecto;
    std::string salida;          // CSV file; stdout when empty
    bool soloAnalisis = false;   // never set: the schedule needs the design
    bool dobleRefuerzo = false;  // answer to the double-reinforcement question
    std::string opcionDoble;
    std::string patron;         // "--pattern=": none, code, rigorous; empty: the project's
    bool sinDeflexion = false;  // accepted as calc does; the schedule has no deflections
};

// Exit status as calc's: 0 written, 1 the run stopped (or has no design), 2 the project
// could not be read or the file not written.
int ComandoPlanilla(const OpcionesPlanilla& opciones);

// "trabelux-cli schedule ...".
int EjecutaPlanilla(const Argumentos& argumentos);

}  // namespace trabelux::cli
