// The main window's structural edits of a project, as plain functions on the model:
// span count, deleting a span, filling a column from the general data, a span's length.
// The document wraps each in an undo step.
#pragma once

#include "core/modelo/proyecto.h"

namespace trabelux {

// Span-grid columns.
enum ColumnaVano : int {
    kColVano = 0,
    kColLong,
    kColBase,
    kColAltura,
    kColInercia,
    kColPesoPropio,
    kColMuerta,
    kColViva,
    kColUltima,
    kNumColumnasVano
};

// Sets the span count to `n` (1..kMaxVanos). Rows are only ever appended, never removed:
// span rows until the grid holds n (length `longitudTipica`, the global section and
// inertia), interior supports until there are n - 1 (all "Apoyado - 1"), and, with a slab
// file in use, empty slab-assignment rows until there are n. Rows beyond n are kept with
// what they hold, so lowering and raising the count again gives back the same beam.
void CambiaNumVanos(Proyecto& p, int n, double longitudTipica);

// Deletes span row `fila` (0-based) with its slab-assignment row and its concentrated
// loads (the loads of later spans follow their span). The span count drops by one only
// when the row is one of the beam's spans, not a row kept beyond the count. The last
// remaining row is never deleted: returns false and changes nothing.
bool EliminaVano(Proyecto& p, int fila);

// Whether the cells of `columna` are the program's, not typed: the span number, the last
// column, the self weight while computed (PesoPropioCalculado), both loads while a slab
// file is in use (its transfer writes them) and the live load with "Usa carga total".
bool ColumnaCalculada(const Proyecto& p, int columna);

// Whether a click on the heading of `columna` offers to fill it from the general data.
bool ColumnaReemplazable(int columna);

// Fills every row of `columna` with the matching global value of the general data
// ("Long", "Base", "Altura", "Inercia", "C. Muerta", "C. Viva"). A blank global load
// empties the cells. Returns false, changing nothing, for the other columns.
bool ReemplazaColumna(Proyecto& p, int columna);

// The span-length panel: a length above 0 becomes the row's "Long"; anything else is
// ignored (returns false).
bool AplicaLongitud(Proyecto& p, int fila, double longitud);

}  // namespace trabelux
