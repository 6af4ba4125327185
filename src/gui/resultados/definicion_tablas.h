// The six tables of the results window: their frames, captions, columns and formats, and
// the rows each one takes from a run.
#pragma once

#include <QString>
#include <vector>

#include "core/analisis/resultados.h"
#include "gui/resultados/modelo_tabla_resultados.h"

namespace trabelux {

enum class TablaResultados {
    kReacciones,
    kCortantes,
    kMomentos,
    kRefuerzoApoyos,
    kRefuerzoVanos,
    kRefuerzoTransversal,
    kReaccionesExtremas,  // with a live-load arrangement only
    kEnvolventesVano,     // idem
};

struct DefinicionTabla {
    QString nombre;   // objectName of the grid
    QString marco;    // frame title
    QString leyenda;  // caption band with the units
    std::vector<ColumnaResultados> columnas;
};

DefinicionTabla DefineTabla(TablaResultados t);

// Rows of one table for a run: reactions of nodes 1..n+1, end shears and moments of spans
// 1..n (none while the analysis is incomplete), and the reinforcement rows in run order.
std::vector<FilaResultados> FilasTabla(TablaResultados t, const Resultados& r);

}  // namespace trabelux
