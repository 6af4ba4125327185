// Operations of the detailing window on its table: loading the proposal, updating it
// after edits, starting afresh and choosing section shapes.
#pragma once

#include "core/analisis/resultados.h"
#include "core/detallado/propuesta_barras.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// Builds the rows for the project's spans (Apoyo 1, Vano 1, ..., Apoyo N+1), each drawn,
// labelled "k-k", shaped "Rect" and with two 3/8" hangers, proposes the bars, and lets
// support 1 take the bottom bar of span 1. Whatever the table held is replaced; it is
// then marked as loaded.
void CargaDetallado(TablaDetallado& tabla, const Proyecto& proyecto, const Resultados& resultados);

// What a new analysis does to the table: no rows, not loaded.
void VaciaDetallado(TablaDetallado& tabla);

// Opening the detailing window: loads the table unless it already holds the bars of the
// current results (so the user's edits survive a second opening).
void AbreDetallado(TablaDetallado& tabla, const Proyecto& proyecto, const Resultados& resultados);

// "Actualiza": proposes what is empty, then numbers the drawn rows "1-1", "2-2", ...
// and empties every cell but "Dib" and "Ubic" of the rows not drawn.
void ActualizaDetallado(TablaDetallado& tabla, const Proyecto& proyecto,
                        const Resultados& resultados);

// "Reinicia": discards every edit and loads the proposal afresh.
void ReiniciaDetallado(TablaDetallado& tabla, const Proyecto& proyecto,
                       const Resultados& resultados);

// "OK este vano": writes the code of shape option `opcion` (0..6) into "Tipo" of row
// `fila` (0-based). False, changing nothing, for an option or row out of range.
bool EligeTipo(TablaDetallado& tabla, int fila, int opcion);

// "OK todos los vanos": the same for every row.
bool EligeTipoTodas(TablaDetallado& tabla, int opcion);

}  // namespace trabelux
