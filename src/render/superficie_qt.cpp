#include "render/superficie_qt.h"

#include <QPagedPaintDevice>
#include <QPainterPath>
#include <cmath>

namespace trabelux {

namespace {

constexpr double kTwipsPorPulgada = 1440;
// Spacing of the hatch lines of a hatched fill.
constexpr double kPasoRayado = 60;

QColor ColorQt(Color c) { return QColor(c.r, c.g, c.b); }

QPolygonF PoligonoQt(const Poligonal& puntos) {
    QPolygonF p;
    p.reserve(static_cast<int>(puntos.size()));
    for (const Punto& q : puntos) p.append(QPointF(q.x, q.y));
    return p;
}

}  // namespace

SuperficieQt::SuperficieQt(QPagedPaintDevice* dispositivo) : dispositivo_(dispositivo) {}

SuperficieQt::SuperficieQt() = default;

SuperficieQt::~SuperficieQt() {
    if (pintor_.isActive()) pintor_.end();
}

double SuperficieQt::MideTexto(const std::string& texto, const EstiloTexto& estilo) const {
    return metricas_.Ancho(texto, estilo);
}

double SuperficieQt::AltoLinea(const EstiloTexto& estilo) const { return metricas_.Alto(estilo); }

void SuperficieQt::PintaPagina(int pagina) {
    if (dispositivo_) {
        if (pagina == 1) {
            if (!pintor_.begin(dispositivo_)) {
                correcto_ = false;
                return;
            }
        } else if (pintor_.isActive() && !dispositivo_->newPage()) {
            correcto_ = false;
        }
    } else {
        if (pintor_.isActive()) pintor_.end();
        imagenes_.emplace_back();
        pintor_.begin(&imagenes_.back());
    }
    if (!pintor_.isActive()) return;
    pintor_.resetTransform();
    if (dispositivo_) {
        pintor_.scale(dispositivo_->logicalDpiX() / kTwipsPorPulgada,
                      dispositivo_->logicalDpiY() / kTwipsPorPulgada);
    }
    pintor_.setRenderHint(QPainter::Antialiasing);
    pintor_.setRenderHint(QPainter::TextAntialiasing);
}

void SuperficieQt::PintaFin() {
    if (pintor_.isActive()) pintor_.end();
}

void SuperficieQt::PintaTexto(double x, double y, const std::string& texto,
                              const EstiloTexto& estilo) {
    if (!pintor_.isActive()) return;
    pintor_.setFont(metricas_.Fuente(estilo));
    pintor_.setPen(ColorQt(estilo.color));
    pintor_.drawText(QPointF(x, y + metricas_.Ascenso(estilo)), QString::fromStdString(texto));
}

void SuperficieQt::Pluma(const Trazo& trazo) {
    QPen pluma(ColorQt(trazo.color), trazo.ancho);
    pluma.setCapStyle(Qt::FlatCap);
    pluma.setJoinStyle(Qt::MiterJoin);
    pintor_.setPen(pluma);
    pintor_.setBrush(Qt::NoBrush);
}

void SuperficieQt::Rellena(const QPainterPath& forma, Relleno relleno, Color color) {
    if (relleno == Relleno::kNinguno) return;
    if (relleno == Relleno::kSolido) {
        pintor_.fillPath(forma, ColorQt(color));
        return;
    }
    // Hatched: diagonal lines clipped to the shape, the same on every device.
    pintor_.save();
    pintor_.setClipPath(forma, Qt::IntersectClip);
    pintor_.setPen(QPen(ColorQt(color), 0));
    const QRectF caja = forma.boundingRect();
    for (double d = -caja.height(); d < caja.width(); d += kPasoRayado)
        pintor_.drawLine(QPointF(caja.left() + d, caja.bottom()),
                         QPointF(caja.left() + d + caja.height(), caja.top()));
    pintor_.restore();
}

void SuperficieQt::PintaLineas(const Poligonal& puntos, const Trazo& trazo) {
    if (!pintor_.isActive()) return;
    Pluma(trazo);
    pintor_.drawPolyline(PoligonoQt(puntos));
}

void SuperficieQt::PintaPoligono(const Poligonal& puntos, const Trazo& trazo, Relleno relleno,
                                 Color colorRelleno) {
    if (!pintor_.isActive()) return;
    QPainterPath forma;
    forma.addPolygon(PoligonoQt(puntos));
    forma.closeSubpath();
    Rellena(forma, relleno, colorRelleno);
    Pluma(trazo);
    pintor_.drawPath(forma);
}

void SuperficieQt::PintaRectangulo(const trabelux::Rectangulo& r, const Trazo& trazo,
                                   Relleno relleno, Color colorRelleno) {
    if (!pintor_.isActive()) return;
    QPainterPath forma;
    forma.addRect(QRectF(r.x, r.y, r.ancho, r.alto));
    Rellena(forma, relleno, colorRelleno);
    Pluma(trazo);
    pintor_.drawRect(QRectF(r.x, r.y, r.ancho, r.alto));
}

void SuperficieQt::PintaElipse(const trabelux::Rectangulo& caja, const Trazo& trazo,
                               Relleno relleno, Color colorRelleno) {
    if (!pintor_.isActive()) return;
    QPainterPath forma;
    forma.addEllipse(QRectF(caja.x, caja.y, caja.ancho, caja.alto));
    Rellena(forma, relleno, colorRelleno);
    Pluma(trazo);
    pintor_.drawPath(forma);
}

void SuperficieQt::PintaArco(double cx, double cy, double radio, double desde, double hasta,
                             const Trazo& trazo) {
    if (!pintor_.isActive()) return;
    Pluma(trazo);
    // Qt's angles are sixteenths of a degree, counterclockwise as seen.
    const double grados = 180.0 / M_PI * 16;
    pintor_.drawArc(QRectF(cx - radio, cy - radio, 2 * radio, 2 * radio),
                    static_cast<int>(std::lround(desde * grados)),
                    static_cast<int>(std::lround((hasta - desde) * grados)));
}

}  // namespace trabelux
