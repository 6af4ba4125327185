// The report's pictures on the page surface: the loaded beam, the shear and moment
// diagrams, the reinforcement elevation and the cross-sections. They are drawn from the
// same geometry the windows paint, so screen and paper show the same drawings.
#pragma once

#include "analisis/resultados.h"
#include "detallado/tabla.h"
#include "modelo/proyecto.h"
#include "reporte/superficie.h"

namespace trabelux {

// Where the beam lies on the page: node 1 at x1, the last node at x2, the axis at y.
struct MarcoVigaPagina {
    double x1 = 0;
    double x2 = 0;
    double y = 0;
};

// Supports of the first numVanos spans between x1 and x2 (horizontal scale
// (x2 - x1) / total length, 1 when the beam has no length), each span's length "0.00"
// written at the span (in a smaller letter on a short span, left out when even that does
// not fit). `codigo`: 'V' the loads picture, supports on the axis and lengths from
// y + 170; 'R' the reinforcement picture, supports under the beam's outline
// (y + 250) and lengths from y + 400.
void DibApoy(SuperficiePagina& s, const Proyecto& p, const MarcoVigaPagina& marco, char codigo);

// The loads picture: the axis (line width 25, then 2), the supports (DibApoy 'V'), a
// hatched band over every span with a positive load, the concentrated loads as arrows
// and the node loads (force arrows, moment arcs) with their values "0.00". Arrows reach
// 400 twips above the axis; the values go left to right in two rows of text above them
// (a value with both rows taken there is left to the load tables), so the picture needs
// about 430 + 2 text lines above the axis.
void DibujaCargasInforme(SuperficiePagina& s, const Proyecto& p, const MarcoVigaPagina& marco);

// The shear ('C') or moment ('M') diagram of the whole beam around the axis at marco.y,
// `escala` twips per t (or t-m), in `color`: the polyline through the stations and the
// values "0.00" at the span ends (and, for moments, the largest span moment at its
// position), placed as the results window places them: away from the curve and the axis,
// inside the side margins. A zero scale draws a flat line and no values.
void DibujaDiagramaInforme(SuperficiePagina& s, char tipo, const Proyecto& p, const Resultados& r,
                           const MarcoVigaPagina& marco, double escala, Color color);

// The reinforcement elevation: the beam with its supports (DibApoy 'R') and the bars of
// the detailing table along it (bottom bars, hangers, additional top bars over the
// supports, stirrup zones) in `color`, labelled "2ø1/2\"", and a cut mark numbered after
// "Sec" where each drawn row ("Dib" = "1") lies. It reaches AlturaSobreEje(h) above the
// axis and AlturaBajoEje(h) below it, h the current text height (dibujo/geometria_refuerzo.h).
void DibujaRefuerzoInforme(SuperficiePagina& s, const Proyecto& p, const TablaDetallado& t,
                           const MarcoVigaPagina& marco, Color color);

// The cross-sections of the drawn rows (non-empty "Sec") from the current y: cells 3500
// twips wide, the outline 600 twips into its cell, lines 2500 twips apart, as many cells a
// line as fit (at least one), a new page when the next line does not fit. Each outline
// ("Rect", "Tee", "STI", "STD", "TI", "STII", "STID") is drawn to scale with the row's
// span b and h (a support row takes the span on its left, support 1 the first span), all
// at one scale of at most 40 twips per cm, with its stirrup, its bars as dots and the
// label "k-k" under it. The shapes are described in dibujo/geometria_secciones.h. y ends
// below the last line.
void DibujaSecciones(SuperficiePagina& s, const Proyecto& p, const TablaDetallado& t, Color color);

}  // namespace trabelux
