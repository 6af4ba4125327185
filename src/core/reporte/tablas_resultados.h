// The six result tables as text: frame, caption, column headings and formatted rows,
// exactly as the results window shows them. Shared by the command line and the report.
#pragma once

#include <string>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/servicio/deflexiones.h"

namespace trabelux {

struct TablaTexto {
    std::string marco;                  // frame title, e.g. "REACCIONES"
    std::string titulo;                 // caption band, e.g. "Cortantes en To"
    std::vector<std::string> columnas;  // headings
    std::vector<std::vector<std::string>> filas;
    std::string nota;  // under the table; only when it has something to say
};

// First cell of a reinforcement row: the support or span number, marked "(+)" at a
// support whose moment sags and "(-)" in a span whose moment hogs.
std::string NumeroFilaApoyo(const FilaRefuerzoApoyo& f);
std::string NumeroFilaVano(const FilaRefuerzoVano& f);
// The note under a reinforcement table with marked rows.
inline constexpr const char* kNotaCaraTraccion =
    "(+) momento positivo: traccion en la cara inferior; (-) momento negativo: traccion en la "
    "cara superior";

// Reactions, end shears and moments (empty rows when the analysis did not finish).
std::vector<TablaTexto> TablasAnalisis(const Resultados& r);
// With a live-load arrangement: "REACCIONES EXTREMAS" (largest and smallest reaction and
// moment per support, with the governing cases) and "ENVOLVENTES POR VANO" (largest
// sagging moment and where, the hogging at each end, the end shears); without one, the two
// tables without rows.
std::vector<TablaTexto> TablasEnvolventes(const Resultados& r);
// Support, span and transverse reinforcement, with the rows the design produced.
std::vector<TablaTexto> TablasRefuerzo(const Resultados& r);
// "DEFLEXIONES": per span Ie/Ig (under D + L), ΔD, ΔL, its limit, the long-term part and
// its limit ("-" for the rows of Table 24.2.2 that ask none) and the verdict, cm.
TablaTexto TablaDeflexiones(const Deflexiones& d);
inline constexpr const char* kCumple = "Cumple";
inline constexpr const char* kNoCumple = "No cumple";

}  // namespace trabelux
