// "trabelux-cli report": composes the calculation report of a project and writes it to a
// PDF, or prints the recorded composition as text.
#pragma once

#include <string>

#include "cli/argumentos.h"
#include "core/reporte/configuracion.h"

namespace trabelux::cli {

struct OpcionesInforme {
    std::string proyecto;
    std::string salida;  // the PDF; not needed with `texto`
    bool soloAnalisis = false;
    bool dobleRefuerzo = false;
    std::string opcionDoble;  // the --double option as given, empty when not given
    bool texto = false;
    std::string patron;         // "--pattern=": none, code, rigorous; empty: the project's
    bool sinDeflexion = false;  // "--no-deflection"
    ConfiguracionInforme configuracion;
};

// Reads "--paper=CODE", "--margins=T,L,B,R" (inches), "--header=...", "--footer=...",
// "--landscape", "--diagrams", "--reinforcement" into `o`. False for an option it does not
// know or a value it cannot read, with the reason in `error`.
bool LeeOpcionInforme(const std::string& argumento, OpcionesInforme& o, std::string& error);

// Exit status as "calc": 0 the run completed and the report was written, 1 the run
// stopped on a message (the report of what was computed is still written), 2 a file
// could not be read or written.
int ComandoInforme(const OpcionesInforme& opciones);

// "report" with its arguments (those after its name); usage errors exit with 2.
int EjecutaInforme(const Argumentos& argumentos);

}  // namespace trabelux::cli
