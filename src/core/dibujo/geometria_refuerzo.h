// Geometry of the reinforcement elevation: the beam as an outline between its nodes and
// the bars of the detailing table along it (bottom bars span by span, the continuous
// hangers, additional top bars over the supports, stirrup zones) with their labels, and a
// cut mark where each drawn section lies. Shared by the report and the detailing window.
//
// Detailing choices: bottom bars run each span, stopping short of the supports between
// spans and hooked up at the beam's ends; hangers run the whole beam, hooked down at its
// ends; additional top bars reach a third of each adjacent span into it; each span has
// three stirrup zones: its end quarters take the stirrups of the support rows, the middle
// half those of the span row. The vertical drawing is not to scale.
#pragma once

#include <string>
#include <vector>

#include "core/detallado/tabla_detallado.h"
#include "core/dibujo/tipos.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// Vertical sizes, drawing units (twips on paper).
namespace cotas_refuerzo {
inline constexpr double kMedioCanto = 250;  // the outline, above and below the axis
inline constexpr double kPercha = 180;      // hangers, above the axis
inline constexpr double kAdicional = 125;   // additional top bars, above the axis
inline constexpr double kInferior = 180;    // bottom bars, below the axis
inline constexpr double kEstribo = 215;     // stirrup ticks, either side of the axis
inline constexpr double kGancho = 90;       // hooks at the beam's ends
inline constexpr double kPasoMinimo = 60;   // closest stirrup ticks
inline constexpr double kSeparacion = 40;   // between the outline and the text rows
inline constexpr double kApoyo = 360;       // room under the outline for supports and lengths
}  // namespace cotas_refuerzo

enum class ClaseBarra { kInferior, kPercha, kAdicional };

struct BarraElevacion {
    ClaseBarra clase;
    Poligonal trazo;  // the bar with its hooks
};

// Rows of text above the beam (1 nearest) and below it (-1 nearest, under the supports).
enum class FilaTexto { kAdicional = 1, kPercha = 2, kCorte = 3, kInferior = -1, kEstribos = -2 };

struct TextoElevacion {
    FilaTexto fila;
    std::string texto;
    Punto ancla;  // the text is centred on x; y is the top of its line
};

struct GeometriaRefuerzo {
    int primerNudo = 1;          // the node at xNudos[0]
    std::vector<double> xNudos;  // the nodes drawn, from primerNudo on
    Rectangulo contorno;         // the beam
    std::vector<BarraElevacion> barras;
    std::vector<Segmento> estribos;  // one tick per drawn stirrup
    std::vector<Segmento> cortes;    // the cut of each drawn section
    std::vector<TextoElevacion> textos;
    int omitidas = 0;  // labels left out for want of room
};

// A bar group as the drawings label it: count and bar name without blanks ("2ø1/2\"");
// empty when the row has no such bars.
std::string EtiquetaBarras(const std::optional<int>& barra, const std::optional<int>& cantidad);
// The row's stirrups as the drawings label them ("ø3/8\" a 0.175"); empty without a bar
// or a spacing above zero.
std::string EtiquetaEstribos(const FilaDetallado& fila);

// The elevation of the project's spans `primero`..`ultimo` (0-based; -1: the last of the
// first numVanos) between x1 and x2, axis at y. `mide` measures a label and `altoTexto` is
// the height of its line: a label that would run into the previous one of its row is left
// out (the bar is still drawn) and counted in `omitidas`. Rows of the table beyond the
// beam are ignored and missing ones draw nothing. A piece of the beam shows the bars that
// cross it up to its ends, hooked only at the beam's own ends, and every label, cut and
// stirrup run of its spans and nodes.
GeometriaRefuerzo CalculaGeometriaRefuerzo(const Proyecto& p, const TablaDetallado& t, double x1,
                                           double x2, double y, const MideTexto& mide,
                                           double altoTexto, int primero = 0, int ultimo = -1);

// How far the elevation reaches above and below its axis with texts `altoTexto` high.
double AlturaSobreEje(double altoTexto);
double AlturaBajoEje(double altoTexto);

}  // namespace trabelux
