// Many projects in one "calc": files, folders of projects and "-" (paths on stdin), each
// read, derived and run as a single calc would, spread over the cores, printed in input
// order.
#pragma once

#include <string>
#include <vector>

#include "cli/comando_calc.h"

namespace trabelux::cli {

// The projects `entradas` name, in order: a file as given, a folder's *.vcw files in name
// order, "-" the lines read from stdin (blank lines skipped). A folder that cannot be
// listed is kept as it is, for its run to say why.
std::vector<std::string> ProyectosDeEntradas(const std::vector<std::string>& entradas);

bool EsCarpeta(const std::string& ruta);

// "N" of --jobs: 1 to 256.
bool LeeTrabajos(const std::string& texto, int& trabajos);

// The summary's header and one project's line (CSV, RFC 4180 quoting): file, beam, spans,
// status, message, largest moment, shear and reaction, total top and bottom steel (cm2),
// steel weight (left empty until bar lengths exist).
extern const char* const kEncabezadoResumen;
std::string FilaResumen(const std::string& archivo, const CorridaCalc& c);

// Runs `o.entradas` on `o.trabajos` threads (0: one per core). With JSON each project's
// document as a single calc prints it, or with --json-lines one line each opening with its
// "file"; text tables under a line naming the file. Messages go to stderr after the file's
// name. Returns the worst exit status of the runs (2 also when the summary cannot be
// written).
int CalcEnLote(const OpcionesCalc& o);

}  // namespace trabelux::cli
