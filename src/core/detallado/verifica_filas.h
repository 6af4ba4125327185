// Whether the bars of a detailing row provide the steel its design asks ("Provisto/
// Requerido"), and whether its groups fit across the web (ACI 318-19 §25.2).
#pragma once

#include <optional>
#include <string>

#include "core/analisis/resultados.h"
#include "core/detallado/capas.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

struct VerificacionFila {
    // cm2. Required: the area the design table prints for the row and face, redone at the
    // depth of a group laid in two layers. Provided: support row, top = hangers +
    // additional bars, bottom = bottom bars; span row, bottom = bottom bars, top = hangers +
    // additional bars.
    double provistoSup = 0, requeridoSup = 0, provistoInf = 0, requeridoInf = 0;
    Disposicion sup, inf;         // how the top and bottom groups lie across the web
    std::optional<double> razon;  // least provided/required of the faces that require steel
};

// Whether the design puts the tension of node `nudo` (1-based) at the bottom: its governing
// row (the largest moment) is on the bottom face (a sagging node). Its additional bars then
// go to the bottom.
bool TraccionInferiorEnApoyo(const Resultados& r, int nudo);

// Row `fila` (0-based) of `t`; a row beyond the project's spans or a run without design
// gives no requirement.
VerificacionFila VerificaFila(const TablaDetallado& t, int fila, const Proyecto& p,
                              const Resultados& r);

// Why a group does not fit, for the grid's tooltip: "No caben en una capa: separación libre
// 0.71 cm < 2.54 cm; van en dos capas, d = 41.2 cm", "No caben en dos capas"; empty when it
// fits in one layer.
std::string TextoDisposicion(const Disposicion& d);

}  // namespace trabelux
