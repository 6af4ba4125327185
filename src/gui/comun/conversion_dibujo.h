// Conversions between the core's plain drawing types and Qt's, for the widgets that
// paint the core's geometry.
#pragma once

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "core/dibujo/tipos.h"

namespace trabelux {

inline QPointF ToQt(Punto p) { return {p.x, p.y}; }
inline QLineF ToQt(const Segmento& s) { return {ToQt(s.p1), ToQt(s.p2)}; }
inline QRectF ToQt(const Rectangulo& r) { return {r.x, r.y, r.ancho, r.alto}; }
inline QSizeF ToQt(Tamano t) { return {t.ancho, t.alto}; }
inline QColor ToQt(Color c) { return QColor(c.r, c.g, c.b); }
inline QString ToQt(const std::string& texto) { return QString::fromStdString(texto); }
inline QPolygonF ToQt(const Poligonal& p) {
    QPolygonF q;
    q.reserve(static_cast<qsizetype>(p.size()));
    for (Punto x : p) q << ToQt(x);
    return q;
}

inline Punto DeQt(QPointF p) { return {p.x(), p.y()}; }
inline Tamano DeQt(QSizeF t) { return {t.width(), t.height()}; }
inline Rectangulo DeQt(const QRectF& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace trabelux
