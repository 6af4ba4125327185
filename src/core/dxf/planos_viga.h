// The reinforcement drawing of a designed beam for the drafting office, in centimetres at
// 1:1: the elevation at its true length and depth (outline, supports, axes, every bar of
// the reinforcement geometry with its mark, the stirrups, the span lengths between axes
// and the cut-off points of the top bars from the axes), the cross-sections at true size
// below it with their marks, and the bar schedule as a table. Texts are sized for plotting
// the elevation at 1:50 and the sections and schedule at 1:20, as a note on the drawing says.
#pragma once

#include <string>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/detallado/tabla_detallado.h"
#include "core/dxf/capas.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// Text heights in drawing units (cm): 2.5 mm on paper at each plotting scale.
inline constexpr double kEscalaAlzado = 50;
inline constexpr double kEscalaSecciones = 20;
inline constexpr double kAltoTextoAlzado = 0.25 * kEscalaAlzado;
inline constexpr double kAltoTextoSecciones = 0.25 * kEscalaSecciones;

// One row of the bar schedule: `cantidad` bars `barra` (index into kBarras), each
// `longitud` cm long (the cut length), together `peso` kg; `dimensiones` as the schedule
// writes them ("A=6.85 G=0.35", m).
struct FilaPlanilla {
    std::string marca;
    int barra = 0;
    int cantidad = 0;
    double longitud = 0;
    double peso = 0;
    std::string dimensiones;
};

// The schedule as a table of lines (layer PLANILLA) with its top-left corner at `esquina`,
// texts `altoTexto` high: a title, the column captions (Marca, Diámetro, Cantidad,
// Longitud (cm), Peso (kg)), a row per entry and the total mass. Returns the table's
// bottom-right corner.
Punto DibujaPlanilla(DibujoDxf& dibujo, const std::vector<FilaPlanilla>& filas, Punto esquina,
                     double altoTexto = kAltoTextoSecciones);

struct PlanoViga {
    DibujoDxf dibujo;
    // The schedule drawn: the beam's bar schedule, a row per mark (stirrups included), as
    // the detailing window, the report and the CSV give it.
    std::vector<FilaPlanilla> planilla;
};

// The drawing of the project's beam with the bars of detailing table `t` (as the detailing
// window or the report sees them after the design `r`), at the lengths the bar cutting gives. The
// bars are drawn where, and as long as, the reinforcement geometry places them; their depth in the
// beam is the cover from the face (additional top bars a bar's room below the hangers) and their
// hooks turn across the depth. A table with no rows draws the beam without bars.
PlanoViga DibujaPlanoViga(const Proyecto& p, const Resultados& r, const TablaDetallado& t);

}  // namespace trabelux
