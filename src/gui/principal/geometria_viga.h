// Geometry of the beam elevation in widget coordinates: axis, supports, numbers, lengths,
// load bands, concentrated-load arrows and node loads, for a given widget size. Pure:
// the drawing widget only paints what this returns, and tests inspect it.
#pragma once

#include <QColor>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "modelo/proyecto.h"

namespace trabelux {

// Vertical distances of the drawing, in drawing units (the unit scales with the height).
namespace cotas_viga {
inline constexpr double kAlto = 880;         // drawing units over the widget height
inline constexpr double kEje = 500;          // the axis, below the top
inline constexpr double kBandaArriba = 150;  // load band, above the axis
inline constexpr double kBandaAbajo = 30;
inline constexpr double kFlecha = 325;      // concentrated-load arrow, from above the axis
inline constexpr double kValorCarga = 450;  // load values, above the axis
inline constexpr double kArcoAncho = 150;   // node-moment arc box
inline constexpr double kArcoArriba = 200;
inline constexpr double kArcoAbajo = 900;
}  // namespace cotas_viga

inline const QColor kAzulApoyo{0, 0, 192};
inline const QColor kRojoVano{192, 0, 0};
inline const QColor kGrisBanda{224, 224, 224};

enum class SimboloApoyo { Triangulo, Empotramiento, Libre };

struct ApoyoDibujo {
    int nudo = 0;  // 1-based
    SimboloApoyo simbolo = SimboloApoyo::Triangulo;
    QPolygonF figura;  // triangle (3 points), wall rectangle (4) or empty
    QRectF marca;      // the filled mark of an unsupported interior node
};

enum class ClaseTexto { NumeroApoyo, NumeroVano, Longitud, ValorCarga, ValorNudo, MomentoNudo };

struct TextoDibujo {
    ClaseTexto clase;
    QString texto;
    QPointF ancla;            // the text is centred horizontally on it (or starts there)
    bool encima = true;       // and sits above it (true) or hangs below it (false)
    bool aLaDerecha = false;  // starts at the anchor instead of being centred on it
    QColor color;
};

struct FlechaDibujo {
    QPointF desde, hasta;  // the head is at `hasta`
    QColor color;
};

struct ArcoDibujo {
    QRectF caja;         // the ellipse the arc belongs to
    QPolygonF curva;     // the open arc over the node, as a polyline
    QPointF punta;       // the end the moment turns towards (arrow head)
    QPointF antesPunta;  // a point just before it, giving the head's direction
    QColor color;
};

struct GeometriaViga {
    double unidad = 1;  // pixels per drawing unit
    double ejeY = 0;
    double tamanoLetra = 11;     // pixel size of the texts
    std::vector<double> xNudos;  // nodes 1..n+1
    QLineF eje;
    std::vector<ApoyoDibujo> apoyos;
    std::vector<QRectF> bandas;
    std::vector<FlechaDibujo> flechas;
    std::vector<ArcoDibujo> arcos;
    std::vector<QLineF> lineasCota;  // dimension line and its ticks
    std::vector<TextoDibujo> textos;
};

// The elevation of the first numVanos spans of `p` in a widget of `tamano` pixels.
GeometriaViga CalculaGeometriaViga(const Proyecto& p, const QSizeF& tamano);

}  // namespace trabelux
