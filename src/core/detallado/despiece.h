// The bars of the detailing table as physical pieces: where each starts and ends along the
// beam, its hooks and its cut length, by the rules of ACI 318-19 §9.7 and chapter 25. A
// function of the project, the run's results and the table, computed by whoever shows the
// pieces (drawing, schedule, report, command line), so an edit of the table shows at once.
//
// Axis x in metres from node 1. The model has no support widths: a support's face is its
// axis, which makes bars slightly longer than needed, never shorter. Bars that end at a
// beam end stop at their clear cover (recub − db/2) from the end face.
#pragma once

#include <string>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

enum class ClaseBarra { kInferior, kPercha, kAdicional, kEstribo };

// Shapes of the schedule: straight, a 90° hook at one end or both, a closed stirrup.
enum class Forma { kRecta, kUnGancho, kDosGanchos, kEstriboCerrado };

struct Pieza {
    ClaseBarra clase = ClaseBarra::kInferior;
    bool superior = false;  // lies at the top face (hangers, additional bars)
    int barra = 0;          // index into kBarras
    int cantidad = 0;
    double x0 = 0, x1 = 0;  // m, out-to-out straight extent (stirrups: the zone they fill)
    bool ganchoInicio = false, ganchoFin = false;  // 90° hooks: down for top bars, up for bottom
    double corte = 0;                              // cut length of one bar, cm, rounded up to 5 cm
    int fila = 0;                                  // detailing row it comes from, 0-based
    // Additional bars that run on over the next supports: the row of the last of them
    // (-1: the piece serves its own row only).
    int filaFin = -1;
    // Stirrups: spacing (m) and the closed stirrup's outer sides (cm).
    double separacion = 0;
    double anchoEstribo = 0, altoEstribo = 0;
    std::string marca;  // given by the schedule
};

Forma FormaDe(const Pieza& p);

// End of an additional bar, dimensioned from its support's axis in the drawing.
struct CotaCorte {
    int nudo = 0;       // 1-based
    double xApoyo = 0;  // m
    double xBarra = 0;  // m
};

struct Despiece {
    std::vector<Pieza> piezas;
    std::vector<CotaCorte> cortes;
    std::vector<std::string> avisos;  // what the detailing cannot settle by itself
};

// The moment curves the detailing follows, over every station of the beam in order: the
// largest and the smallest moment at each (t·m, sagging positive): the envelope when the
// run arranged the live load, else the all-loaded run's one curve for both.
struct CurvasDiseno {
    std::vector<double> x;  // m from node 1
    std::vector<double> mMax, mMin;
    std::vector<int> vano;  // 0-based span of the station
};
CurvasDiseno CalculaCurvasDiseno(const Resultados& r);

// Factored moment (t·m) that `area` cm2 of tension steel resists in a b × d section (cm):
// φMn = 0.9·A·fy·(d − A·fy/(1.7·f'c·b)), the inverse of the design's steel formula. Below
// the minimum steel 14·b·d/fy only three quarters of the area count (§9.6.1.3: 4/3 of the
// steel required is enough), so where this moment covers the demand the bars suffice.
double MomentoResistente(double area, double bCm, double dCm, double fc, double fy);

// Bars of every row of the table with their lengths. `largoComercial` is the stock bar
// length, m: longer pieces are split with class B laps. Empty for a run without design.
Despiece CalculaDespiece(const Proyecto& p, const Resultados& r, const TablaDetallado& t,
                         double largoComercial = 9.0);

// Whether the additional bars of row `fila` (0-based) lie at the bottom face: a support
// whose moment sags has its tension, and these bars, there.
bool AdicionalesAbajo(const Despiece& d, int fila);

}  // namespace trabelux
