// "trabelux-cli dxf": the reinforcement drawing of a designed beam written to a DXF file
// for the drafting office. Needs no Qt Gui: the drawing is text made by the core.
#pragma once

#include <string>

#include "cli/argumentos.h"

namespace trabelux::cli {

struct OpcionesDxf {
    std::string proyecto;
    std::string salida;
    bool dobleRefuerzo = false;
};

// Reads "-o FILE" (consuming the next argument through `i`), "--double=yes|no" and the
// project's name into `o`. False with the reason in `error` for anything else.
bool LeeArgumentosDxf(const Argumentos& argumentos, OpcionesDxf& o, std::string& error);

// Exit status: 0 the drawing was written; 1 the beam has no design to draw (not of
// concrete, or the run stopped), no file written; 2 a file could not be read or written.
int ComandoDxf(const OpcionesDxf& opciones);

// "trabelux-cli dxf ...".
int EjecutaDxf(const Argumentos& argumentos);

}  // namespace trabelux::cli
