// The report's pictures on the page surface: the loaded beam, the shear and moment
// diagrams, the reinforcement elevation and the cross-sections. They are drawn from the
// same geometry the windows paint, so screen and paper show the same drawings.
//
// Nothing a picture must show is ever left out: a beam whose picture does not fit the
// body at a readable size (texts of at least kLetraMinima, every label placed clear of
// the others) is drawn in strips of whole spans (DivideEnTiras), each across the body
// with its own supports and node numbers, one under the other and on to the next pages.
#pragma once

#include "core/analisis/resultados.h"
#include "core/detallado/despiece.h"
#include "core/detallado/tabla_detallado.h"
#include "core/dibujo/geometria_diagramas.h"
#include "core/modelo/proyecto.h"
#include "core/reporte/configuracion.h"
#include "core/reporte/superficie_pagina.h"

namespace trabelux {

// Where the beam lies on the page: node 1 at x1, the last node at x2, the axis at y.
struct MarcoVigaPagina {
    double x1 = 0;
    double x2 = 0;
    double y = 0;
};

// The loads picture from the current y, in strips, y ending below it. Each strip: the axis
// (line width 25, then 2), the supports with the node numbers under them and each span's
// length "0.00" below those (in a smaller letter on a short span, never under
// kLetraMinima), a hatched band over every span with a positive load, the concentrated
// loads (downwards positive) as arrows and the node loads (force upwards positive, moment
// counterclockwise positive, as arrows and arcs) of its spans and nodes, their values
// "0.00" in rows above the arrows (two rows at most while the strip holds more than one
// span).
void DibujaCargasInforme(SuperficiePagina& s, const Proyecto& p);

// The shear or moment diagram of the whole beam under its title
// ("Diagrama de Cortante", "Diagrama de Momento"), from the current y, in strips, the
// title repeated with "(continuacion)" on every later page it reaches; y ends below it.
// `escala`: twips per t (or t-m), the same for every strip; the body's height may lower
// it so that a strip fits a page. Each strip: the axis with a tick and the number of
// every node under the diagram, the polyline through the stations in `color` (positive
// values below the axis) and the values "0.00" at the span ends (and, for moments, the
// largest span moment at its position), placed as the results window places them: away
// from the curve and the axis, clear of each other, inside the side margins. A zero scale
// draws a flat line and no values.
void DibujaDiagramaInforme(SuperficiePagina& s, const ConfiguracionInforme& c, Magnitud m,
                           const Proyecto& p, const Resultados& r, double escala, Color color);

// The same for the envelopes of a live-load arrangement ("Envolvente de Cortante",
// "Envolvente de Momento"): both curves, the all-loaded case as a thin line, and the
// envelopes' values (the smallest moment at the span ends and the exact largest sagging
// moment, the larger shear at each end). Nothing without envelopes.
void DibujaEnvolventeInforme(SuperficiePagina& s, const ConfiguracionInforme& c, Magnitud m,
                             const Proyecto& p, const Resultados& r, double escala, Color color);

// The reinforcement elevation from the current y, in strips, y ending below it: the beam
// with its supports, node numbers and span lengths, and the bars of the detailing table
// along it at their lengths (the pieces `d`: bottom bars, hangers, additional top bars,
// hooks, laps, stirrups) in `color`, labelled "S1: 4 ø3/4\" L=6.85", the cut-off points
// dimensioned from the support's axis, and a cut mark numbered after "Sec" where each drawn
// row ("Dib" = "1") lies (dibujo/geometria_refuerzo.h).
void DibujaRefuerzoInforme(SuperficiePagina& s, const Proyecto& p, const TablaDetallado& t,
                           const Despiece& d, Color color);

// The cross-sections of the drawn rows (non-empty "Sec") from the current y: cells 3500
// twips wide, the outline 600 twips into its cell, lines 2500 twips apart (less on a page
// whose body is not that tall), as many cells a line as fit (at least one), a new page
// when the next line does not fit. Each outline ("Rect", "Tee", "STI", "STD", "TI",
// "STII", "STID") is drawn to scale with the row's span b and h (a support row takes the
// span on its left, support 1 the first span), all at one scale of at most 40 twips per
// cm, with its stirrup, its bars as dots and the label "k-k" under it. The shapes are
// described in dibujo/geometria_secciones.h. y ends below the last line.
void DibujaSecciones(SuperficiePagina& s, const Proyecto& p, const TablaDetallado& t,
                     const Despiece& d, Color color);

}  // namespace trabelux
