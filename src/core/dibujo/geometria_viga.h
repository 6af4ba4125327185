// Geometry of the beam elevation of the main window in pixels: axis, supports, numbers,
// lengths, load bands, concentrated-load arrows and node loads, for a given size. Pure:
// the drawing widget only paints what this returns, and tests inspect it.
#pragma once

#include <string>
#include <vector>

#include "core/dibujo/tipos.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// Vertical distances of the drawing, in drawing units (the unit scales with the height).
namespace cotas_viga {
inline constexpr double kAlto = 880;         // drawing units over the widget height
inline constexpr double kEje = 500;          // the axis, below the top
inline constexpr double kBandaArriba = 150;  // load band, above the axis
inline constexpr double kBandaAbajo = 30;
inline constexpr double kFlecha = 325;     // concentrated-load arrow, from above the axis
inline constexpr double kArcoAncho = 150;  // node-moment arc box
inline constexpr double kArcoArriba = 200;
inline constexpr double kArcoAbajo = 900;
}  // namespace cotas_viga

inline constexpr Color kAzulApoyo{0, 0, 192};
inline constexpr Color kRojoVano{192, 0, 0};
inline constexpr Color kGrisBanda{224, 224, 224};
inline constexpr Color kNegro{0, 0, 0};

enum class SimboloApoyo { Triangulo, Empotramiento, Libre };

struct ApoyoDibujo {
    int nudo = 0;  // 1-based
    SimboloApoyo simbolo = SimboloApoyo::Triangulo;
    Poligonal figura;  // triangle (3 points), wall rectangle (4) or empty
    Rectangulo marca;  // the filled mark of an unsupported interior node
};

enum class ClaseTexto { NumeroApoyo, NumeroVano, Longitud, ValorCarga, ValorNudo, MomentoNudo };

struct TextoDibujo {
    ClaseTexto clase;
    std::string texto;        // UTF-8
    Punto ancla;              // the text is centred horizontally on it (or starts there)
    bool encima = true;       // and sits above it (true) or hangs below it (false)
    bool aLaDerecha = false;  // starts at the anchor instead of being centred on it
    Color color;
};

struct FlechaDibujo {
    Punto desde, hasta;  // the head is at `hasta`
    Color color;
};

struct ArcoDibujo {
    Rectangulo caja;   // the ellipse the arc belongs to
    Poligonal curva;   // the open arc over the node, as a polyline
    Punto punta;       // the end the moment turns towards (arrow head)
    Punto antesPunta;  // a point just before it, giving the head's direction
    Color color;
};

struct GeometriaViga {
    double unidad = 1;  // pixels per drawing unit
    double ejeY = 0;
    double tamanoLetra = 11;     // pixel size of the texts
    std::vector<double> xNudos;  // nodes 1..n+1
    Segmento eje;
    std::vector<ApoyoDibujo> apoyos;
    std::vector<Rectangulo> bandas;
    std::vector<FlechaDibujo> flechas;
    std::vector<ArcoDibujo> arcos;
    std::vector<Segmento> lineasCota;  // dimension line and its ticks
    std::vector<TextoDibujo> textos;
};

// Support symbols of the first n spans on nodes at `xNudos` (n + 1 of them), axis at
// `ejeY`, symbols `s` units per drawing unit: a triangle for a pinned support, a wall
// outside a fixed end, nothing at a free end and a mark on an unsupported interior node.
std::vector<ApoyoDibujo> ApoyosViga(const Proyecto& p, const std::vector<double>& xNudos,
                                    double ejeY, double s);

// Pixel size of the texts of a drawing of `tamano` pixels: the painter sets its font to
// it, and the widths CalculaGeometriaViga asks for are measured at it.
double TamanoLetraViga(Tamano tamano);

// The elevation of the first numVanos spans of `p` in a widget of `tamano` pixels;
// `mide` gives the width of a text at TamanoLetraViga(tamano) (a rough width without it).
GeometriaViga CalculaGeometriaViga(const Proyecto& p, Tamano tamano, const MideTexto& mide = {});

}  // namespace trabelux
