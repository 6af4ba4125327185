// The run of the two "Calculo" commands: the continuous-beam analysis, then (unless
// only the analysis was asked for) the flexural design of spans and supports and the
// stirrups of every span.
#pragma once

#include <functional>
#include <string>

#include "core/analisis/resultados.h"
#include "core/base/mensajes_calculo.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

struct OpcionesCalculo {
    bool soloAnalisis = false;
    // Asked when a section needs compression steel; the text holds the question's three
    // lines joined by "\n". Answering false stops the run. Without it the answer is false.
    std::function<bool(const std::string& pregunta)> preguntaRefuerzoDoble;
    // Advance of the stations: called with (done, total), total = n x 101.
    std::function<void(int hecho, int total)> progreso;
};

// The design (flexure, stirrups, bars) is for concrete beams: for any other material a
// run is the analysis alone, as the desktop program offers only "Analisis Solo" for it.
bool AdmiteDiseno(const Proyecto& p);

// Runs the analysis (and, for a concrete beam, the design) of the first numVanos spans of
// `p`. The project is only read. A stop leaves its message in Resultados::parada with the rows
// produced so far; nothing the run stores is NaN or infinite.
Resultados Calcula(const Proyecto& p, const OpcionesCalculo& opciones = {});

}  // namespace trabelux
