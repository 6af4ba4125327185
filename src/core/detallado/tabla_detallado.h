// The detailing table: one row per support and per span (Apoyo 1, Vano 1, ..., Apoyo
// N+1) with the section to draw, its shape and the proposed or typed bars. Plain data,
// edited by the user through the detailing window and read by the report.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trabelux {

// One row. A cell the user may leave blank is optional: empty is not zero, and the bar
// proposals fill only empty cells. Bar cells hold an index into kBarras.
struct FilaDetallado {
    bool dib = true;                   // "Dib": the row is drawn as a section
    std::string ubic;                  // "Ubic": "Apoyo 2", "Vano 1"
    std::string sec;                   // "Sec": section label "3-3"
    std::string tipo;                  // "Tipo": shape code, "Rect" when blank
    std::optional<int> barraInferior;  // "Refuerzo inferior": bottom bars
    std::optional<int> cantInferior;
    std::optional<int> barraPercha;  // "Percha": continuous top hanger bars
    std::optional<int> cantPercha;
    std::optional<int> barraAdicional;  // "Refuerzo adicional": extra top bars at supports
    std::optional<int> cantAdicional;
    std::optional<int> barraEstribo;     // "Estribos": stirrup bar, 0 or 1
    std::optional<double> separEstribo;  // stirrup spacing, m
};

struct TablaDetallado {
    // 2N + 1 rows for N spans; odd rows (1-based) are supports, even rows spans.
    std::vector<FilaDetallado> filas;
    // True while the rows hold the bars proposed for the current results (the window's
    // "BarrasCargadas"): a new analysis empties the table, the next opening reloads it.
    bool barrasCargadas = false;
};

// Columns of the detailing grid, by index.
enum ColumnaDetallado : int {
    kColDib = 0,
    kColUbic,
    kColSec,
    kColTipo,
    kColBarraInferior,
    kColCantInferior,
    kColBarraPercha,
    kColCantPercha,
    kColBarraAdicional,
    kColCantAdicional,
    kColBarraEstribo,
    kColSeparEstribo,
    kNumColumnasDetallado
};

// Caption of a column ("Dib", "Ubic", "Sec", "Tipo", "Barras", "Cant", "Separ") and of
// the group above it ("Refuerzo inferior", "Percha", "Refuerzo adicional", "Estribos",
// empty for the first four columns).
const char* TituloColumna(int columna);
const char* GrupoColumna(int columna);

// Whether the row is a span row (its "Ubic" begins with "Vano"); the grid paints those.
bool EsFilaVano(const FilaDetallado& fila);

// Text of a cell as the grid shows it: the check as "1"/"0", bar names ("ø 1/2\""),
// counts with "##", the spacing with three decimals, blank for an empty cell.
std::string TextoCelda(const FilaDetallado& fila, int columna);

// Writes what the user typed into a cell. Blank text empties an optional cell. A bar
// cell takes a bar name or an index 0..4; a count is rounded to a whole number; numbers
// read by LeeNumero. Returns false, leaving the row as it was, for a column outside the
// grid or a bar that is not in the list.
bool EscribeCelda(FilaDetallado& fila, int columna, const std::string& texto);

// Section shapes of the "Tipo" column, by option of the shape chooser:
// 0 "Rect", 1 "Tee", 2 "STI", 3 "STD", 4 "TI", 5 "STII", 6 "STID".
inline constexpr int kNumOpcionesTipo = 7;
// Code of an option; none outside 0..6.
std::optional<std::string> CodigoTipo(int opcion);
// Option of a code (exact match); none for a code not in the list.
std::optional<int> OpcionDeTipo(const std::string& codigo);

}  // namespace trabelux
