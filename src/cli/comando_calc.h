// "trabelux-cli calc": reads projects, runs the analysis (and design) and prints the
// result tables as text or the JSON of the command line's contract; one project as it
// always did, many in one call (lote_calc.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/argumentos.h"
#include "core/analisis/resultados.h"
#include "core/modelo/proyecto.h"

namespace trabelux::cli {

struct OpcionesCalc {
    std::vector<std::string> entradas;  // project files, folders of them, "-" for stdin
    bool soloAnalisis = false;
    bool dobleRefuerzo = false;  // answer to the double-reinforcement question
    std::string opcionDoble;     // the --double option as given, empty when not given
    bool estaciones = false;
    bool json = false;
    std::string patron;         // "--pattern=": none, code, rigorous; empty: the project's
    bool sinDeflexion = false;  // "--no-deflection"
    bool jsonLineas = false;    // one JSON object per line, each with its "file"
    std::string resumen;        // the CSV summary to write, or empty
    int trabajos = 0;           // runs at once; 0 the number of cores
};

// Reads a project file as the desktop program opens it (shape resolved, derived values up
// to date) with the shapes table at `rutaPerfiles`; the notices of the opening and the
// reason it could not be read are added to `avisos`. Nothing when the file
// cannot be read.
std::optional<Proyecto> CargaProyecto(const std::string& archivo, std::vector<std::string>& avisos,
                                      const std::string& rutaPerfiles);
// The same with the program's shapes table, the notices on stderr.
std::optional<Proyecto> CargaProyecto(const std::string& archivo);

// One run with the double-reinforcement question answered by `dobleRefuerzo`.
Resultados CalculaProyecto(const Proyecto& p, bool soloAnalisis, bool dobleRefuerzo);

// Whether the run of `p` is the analysis alone: asked for, or a beam that is not of
// concrete (the design is for concrete beams only). For such a beam the design options
// given (`opciones`, e.g. "--double=yes") are ignored with a note added to `avisos`.
bool SoloAnalisis(const Proyecto& p, bool pedido, const std::string& opciones,
                  std::vector<std::string>& avisos);
// The same with the note on stderr.
bool SoloAnalisis(const Proyecto& p, bool pedido, const std::string& opciones);

// One project's calc as the command prints it: read, derived and run as a single `calc`.
struct CorridaCalc {
    std::optional<Proyecto> proyecto;      // nothing when the file could not be read
    std::optional<Resultados> resultados;  // with the project
    bool soloAnalisis = false;             // the effective choice (false for a steel beam)
    std::vector<std::string> avisos;       // messages for stderr before the output
    std::vector<std::string> parada;       // the stop of a run printed as text, for after it
    int estado = 2;                        // the exit status of a single calc
};
CorridaCalc CorreCalc(const std::string& archivo, const OpcionesCalc& opciones,
                      const std::string& rutaPerfiles);

// What a single calc prints on stdout for `c` (nothing for a file that could not be read):
// the JSON document, on one line with `archivo` first when `enLinea`, or the text tables.
std::string SalidaCalc(const CorridaCalc& c, const OpcionesCalc& opciones, bool enLinea = false,
                       const std::string& archivo = {});

// "calc" with its arguments. Exit status: 0 every run completed, 1 one stopped on a
// message, 2 usage, or a file that could not be read.
int EjecutaCalc(const Argumentos& argumentos);

}  // namespace trabelux::cli
