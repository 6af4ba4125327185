// Composition of the calculation report onto a page surface: the loads picture, the
// input data, the analysis and design results, the diagrams and the reinforcement.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/proyecto.h"
#include "core/reporte/configuracion.h"
#include "core/reporte/dibujos_informe.h"
#include "core/reporte/superficie_pagina.h"
#include "core/reporte/tablas_informe.h"

namespace trabelux {

// Composes the whole report of `p` on a surface whose document the caller has started
// (EmpiezaDocumento with the set-up's page and margins) and ends afterwards, so each
// device keeps its own paper handling. `p` is the project as it was analysed; `r` the
// results of the last run (null: no run yet); `detallado` the detailing table (null or
// without rows: no reinforcement drawing).
//
// In order: the title block, the loads picture, "Datos Generales", "Bases de diseño",
// "Convención de signos", the supports, spans, concentrated loads and node loads; then,
// after an analysis, the reactions and end forces; after a design, the three
// reinforcement tables; the diagrams when chosen; after a design, when chosen, the
// reinforcement elevation, the cross-sections and "Detalle del refuerzo". A run that
// stopped prints its message where what it did not produce would start (AvisoInforme),
// and nothing of that part.
//
// Page header and footer: the set-up's texts when not empty (the command line's
// options), otherwise the project's own texts (which the set-up window edits), otherwise
// the beam name followed by "|" and "||Pag %d".
void ComponeInforme(SuperficiePagina& s, const Proyecto& p, const Resultados* r,
                    const TablaDetallado* detallado, const ConfiguracionInforme& c);

// Starts the document on the set-up's paper (TamanoHoja) and margins (a negative or
// unreadable margin counts as 0).
void EmpiezaInforme(SuperficiePagina& s, const ConfiguracionInforme& c);

// The whole document: starts it with the paper of the set-up (TamanoHoja; a negative
// margin counts as 0), runs ComponeInforme and ends it. For surfaces without a paper of their
// own (the recording surface).
void ComponeDocumentoInforme(SuperficiePagina& s, const Proyecto& p, const Resultados* r,
                             const TablaDetallado* detallado, const ConfiguracionInforme& c);

// A title, its table and, when given, the note just under it; the title keeps with the
// table's header and first rows (the whole table and its note when it is short).
void Seccion(SuperficiePagina& s, const ConfiguracionInforme& c, const std::string& titulo,
             const TablaInforme& t, const char* nota = nullptr);
// A title over paragraphs, kept with their first lines.
void SeccionTexto(SuperficiePagina& s, const ConfiguracionInforme& c, const std::string& titulo,
                  const std::vector<std::string>& parrafos, double sangria = 0);

// A section title: indent 0, an empty line, the title in the "Sub-Titulos" style, then
// the "Texto" style.
void EscribeTituloSeccion(SuperficiePagina& s, const ConfiguracionInforme& c,
                          const std::string& titulo);
// Height of a section title: its empty line and the title, wrapped as it prints.
double AltoTitulo(const SuperficiePagina& s, const ConfiguracionInforme& c,
                  const std::string& titulo);

// What the report prints in place of a part it cannot print: a title (none when empty)
// and the text, one paragraph a line.
struct AvisoInforme {
    std::string titulo;
    std::string texto;
};
void EscribeAviso(SuperficiePagina& s, const ConfiguracionInforme& c, const AvisoInforme& a);
// The "Texto" style.
void UsaEstiloTexto(SuperficiePagina& s, const ConfiguracionInforme& c);
// A report table laid out for the surface's page: from an indent of 100, in the "Texto"
// style at 10 points (smaller where the page needs it). The report prints it after an
// empty line, its cells ruled.
TablaDispuesta DisponeTablaInforme(const SuperficiePagina& s, const ConfiguracionInforme& c,
                                   const TablaInforme& t);

// The header and footer texts the report prints (see ComponeInforme).
std::string EncabezadoInforme(const Proyecto& p, const ConfiguracionInforme& c);
std::string PieInforme(const Proyecto& p, const ConfiguracionInforme& c);

// Where the beam lies across the page with its axis at `y`: from 5% to 95% of the width
// between the margins, the middle third for a single span.
MarcoVigaPagina MarcoViga(const SuperficiePagina& s, int numVanos, double y);

// Twips per unit of a diagram whose largest ordinate is `maximo`: that ordinate becomes
// 1000 twips; 0 (a flat line) when there is nothing to draw.
double EscalaDiagrama(double maximo);

// The message the report prints where the results would start, when it prints none: the
// run's message under "Analisis detenido" after a run that stopped before its analysis
// finished; the set-up's notice (avisoResultados) when the caller's results no longer
// belong to the project. Nothing when there are results or there was no run.
std::optional<AvisoInforme> AvisoResultados(const Resultados* r, const ConfiguracionInforme& c);
// The message where the design would start, when it prints none: the run's message under
// "Diseño detenido" after a design that stopped; the line that the design applies to
// concrete beams only for a beam of another material. Nothing otherwise.
std::optional<AvisoInforme> AvisoDiseno(const Proyecto& p, const Resultados& r);

}  // namespace trabelux
