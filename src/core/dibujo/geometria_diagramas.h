// Geometry of the results drawings (reactions, shear, moment): baselines, scales, support
// symbols, curves through the stations, reaction arrows, moment arcs, the probe lookup and
// the placement of the values written on the curves. Pure functions; the widgets only paint.
//
// Every coordinate is in surface units: twips (1/1440 inch), x to the right, y downwards.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/dibujo/tipos.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

enum class Superficie { kReacciones, kCortantes, kMomentos };
enum class Magnitud { kCortante, kMomento };

// Designed sizes of the symbols, surface units.
inline constexpr double kAnchoBloque = 60;  // end block of a fixed end
inline constexpr double kAltoBloque = 300;
inline constexpr double kRadioCirculo = 45;      // supported interior node
inline constexpr double kRadioArco = 400;        // reaction moment
inline constexpr double kMinimoReaccion = 0.15;  // shortest arrow, fraction of the largest

// The beam as the drawings see it.
struct VigaDibujo {
    int numVanos = 0;
    std::vector<double> longitudes;  // m, one per span
    CondicionExtremo apoyoIzquierdo = CondicionExtremo::kApoyado;
    CondicionExtremo apoyoDerecho = CondicionExtremo::kApoyado;
    std::vector<int> interiores;  // nodes 2..n at [0..n-2]: 1 supported, 0 free
};

// The first `numVanos` spans of the project with their supports; missing rows read 0 m.
VigaDibujo VigaDeProyecto(const Proyecto& p, int numVanos);

// The beam axis on a surface: from (x1, y) at the first node to (x2, y) at the last.
struct LineaBase {
    double x1 = 0;
    double x2 = 0;
    double y = 0;
};

// Layout: one span takes the middle third of the width, more spans 10 % .. 90 %. The shear
// and moment axes lie at half height, the reactions axis at height / 2.5.
LineaBase LineaBaseDiagrama(Tamano superficie, int numVanos, Superficie tipo);

// Surface units per metre along the beam; 1 when the beam has no length.
double EscalaHorizontal(const LineaBase& linea, const std::vector<double>& longitudes);

// Surface units per tonne (or tonne-metre) so that `maximo` fills 90 % of half the height;
// 0 when there is nothing to draw (maximo zero, negative or not finite).
double EscalaVertical(double alto, double maximo);

// Largest absolute value of the stations of the drawn spans, together with the run's own
// figure (the larger of the two, so a stale or missing figure never lets a curve overflow).
double MaximoAbsoluto(const std::vector<EstacionesVano>& diagramas, int numVanos, Magnitud m,
                      double maximoCalculado);

// x of nodes 1..n+1 on the baseline.
std::vector<double> AbscisasNudos(const LineaBase& linea, double escH,
                                  const std::vector<double>& longitudes);

struct SimbolosApoyo {
    std::vector<Poligonal> triangulos;  // pinned ends: apex, left corner, right corner
    std::vector<Rectangulo> bloques;    // fixed ends
    std::vector<Punto> circulos;        // centres of supported interior nodes (kRadioCirculo)
};

// Support symbols of the beam on a baseline: a triangle under a pinned end, an end block
// at a fixed end (left edge at x1 - 50, or x2 + 10), nothing at a free end, a circle at
// every supported interior node.
SimbolosApoyo ApoyosDiagrama(const LineaBase& linea, const VigaDibujo& viga, double escH);

// x of every station of every drawn span as painted: a running abscissa that advances by
// the station spacing and never steps backwards; each span starts where the last ended.
std::vector<std::vector<double>> AbscisasDibujo(const LineaBase& linea, double escH,
                                                const std::vector<EstacionesVano>& diagramas,
                                                int numVanos);

// The curve as a polyline: (x1, y), one point per station (positive values below the
// axis), then (x2, y). Empty when escV is 0.
Poligonal PuntosCurva(const LineaBase& linea, double escH, double escV,
                      const std::vector<EstacionesVano>& diagramas, int numVanos, Magnitud m);

// A value written on a drawing, anchored at a point of it. `lado` tells where the text goes
// horizontally: -1 ends left of the anchor, 0 centred on it, +1 starts right of it.
struct ValorEscrito {
    Punto ancla;
    double valor = 0;
    int lado = 0;
    bool abajo = false;  // the text goes below the anchor (above when false)
};

struct FlechaReaccion {
    Punto desde, hasta;  // the shaft, from y0 = Y + 200 downwards
    Poligonal punta;     // tip, then the two corners of the head
    double valor = 0;    // the reaction, t
};

struct ArcoMomento {
    Punto centro;
    double radio = kRadioArco;
    double desde = 0, hasta = 0;  // radians, counterclockwise from +x as seen on screen
    Poligonal punta;              // wing, tip, wing: shows the sense of rotation
    double valor = 0;             // the reaction moment, t-m
};

struct DibujoReacciones {
    std::vector<FlechaReaccion> flechas;
    std::vector<ArcoMomento> arcos;
};

// Reaction arrows (upward reaction: head at the beam; downward: head away from it) scaled
// to the largest reaction, never shorter than 15 % of it, and an arc for every reaction
// moment, for the nodes at `nudosX` (node 1 first).
DibujoReacciones ReaccionesDiagrama(const LineaBase& linea, double alto,
                                    const std::vector<double>& nudosX, const Resultados& r);

// The arc as a polyline, for painting and for keeping text off it.
Poligonal PoligonalArco(const ArcoMomento& a);

// Where the reaction values go: under the tail of each arrow, and beside the head of each
// arc (right of a counterclockwise one, left of a clockwise one). `valor` holds the value
// to write; every value goes below its anchor.
std::vector<ValorEscrito> ValoresReacciones(const DibujoReacciones& d);

// What the probe found: the span (1-based), the station's abscissa from the span's left
// node (m) and its value.
struct LecturaSonda {
    int vano = 0;
    double x = 0;
    double valor = 0;
};

// The probe: the station found right of a press at `punto`, provided the press lies within
// that station's band between the axis and the curve; nothing left of the beam, right of
// it, outside the band or when no curve is drawn.
std::optional<LecturaSonda> SondaVano(const LineaBase& linea, double escH, double escV,
                                      const VigaDibujo& viga,
                                      const std::vector<EstacionesVano>& diagramas, Magnitud m,
                                      Punto punto);

// The probe's and the hover readout's caption: "Vano 2, x = 3.25 m: M = 13.67 To-m",
// "Vano 1, x = 0.00 m: V = 4.10 To".
std::string TextoSonda(Magnitud m, const LecturaSonda& lectura);

// Values worth writing on a curve: both end values of every span (skipped when they show
// as 0.00) and, for moments, the largest span moment at its position.
std::vector<ValorEscrito> ValoresCurva(const LineaBase& linea, double escH, double escV,
                                       const Resultados& r, int numVanos, Magnitud m);

// Places text boxes of the given sizes next to their anchors, below or above as each asks
// (on a curve: away from the axis), moving them outwards (then to the other side) until
// they touch neither the obstacles (polylines: the curve, arcs), the axis nor each other
// and stay within `limites`. Same order as the input: earlier texts keep the better
// places. `separacion` is the first gap between anchor and text. `forzadas`, when given,
// counts the texts that found no free place inside `limites` and were left where they
// touch another or stand outside.
std::vector<Rectangulo> ColocaEtiquetas(const std::vector<ValorEscrito>& valores,
                                        const std::vector<Tamano>& tamanos,
                                        const std::vector<Poligonal>& obstaculos,
                                        const LineaBase& linea, const Rectangulo& limites,
                                        double separacion = 40, int* forzadas = nullptr);

// Whether segment a-b touches rectangle r (edges included).
bool SegmentoTocaRectangulo(Punto a, Punto b, const Rectangulo& r);

}  // namespace trabelux
