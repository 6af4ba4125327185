#include "gui/editor/dibujo_viga.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "gui/comun/conversion_dibujo.h"
#include "gui/documento/documento.h"

namespace trabelux {

namespace {

void PintaFlecha(QPainter& pintor, QPointF desde, QPointF hasta, double largoPunta) {
    pintor.drawLine(desde, hasta);
    QPointF dir = hasta - desde;
    double largo = std::hypot(dir.x(), dir.y());
    if (largo <= 0) return;
    dir /= largo;
    QPointF normal(-dir.y(), dir.x());
    QPointF base = hasta - dir * largoPunta;
    QPolygonF punta({hasta, base + normal * largoPunta * 0.38, base - normal * largoPunta * 0.38});
    pintor.drawPolygon(punta);
}

}  // namespace

DibujoViga::DibujoViga(Documento* doc, QWidget* padre) : QWidget(padre), doc_(doc) {
    setObjectName(QStringLiteral("VD"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    connect(doc_, &Documento::cambiado, this, &DibujoViga::Redibuja);
    Redibuja();
}

void DibujoViga::Redibuja() {
    const Tamano tamano = DeQt(QSizeF(size()));
    QFont fuente;
    fuente.setPixelSize(static_cast<int>(std::lround(TamanoLetraViga(tamano))));
    const QFontMetricsF medidas(fuente);
    geometria_ = CalculaGeometriaViga(doc_->ProyectoActual(), tamano, [&](const std::string& t) {
        return medidas.horizontalAdvance(ToQt(t));
    });
    update();
}

void DibujoViga::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Redibuja();
}

void DibujoViga::paintEvent(QPaintEvent*) {
    const GeometriaViga& g = geometria_;
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    const double letra = g.tamanoLetra;

    // Load bands first, so the axis and the arrows lie over them.
    pintor.setPen(QPen(QColor(150, 150, 150), 1));
    pintor.setBrush(ToQt(kGrisBanda));
    for (const Rectangulo& r : g.bandas) pintor.drawRect(ToQt(r));

    // The axis.
    pintor.setPen(QPen(Qt::black, std::clamp(g.unidad * 10, 2.5, 5.0), Qt::SolidLine, Qt::FlatCap));
    pintor.drawLine(ToQt(g.eje));

    // Supports.
    QPen trazo(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (const ApoyoDibujo& a : g.apoyos) {
        pintor.setPen(trazo);
        switch (a.simbolo) {
            case SimboloApoyo::Triangulo:
                pintor.setBrush(Qt::NoBrush);
                pintor.drawPolygon(ToQt(a.figura));
                break;
            case SimboloApoyo::Empotramiento:
                pintor.setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
                pintor.drawPolygon(ToQt(a.figura));
                break;
            case SimboloApoyo::Libre:
                if (!a.marca.Vacio()) {
                    pintor.setBrush(Qt::black);
                    pintor.drawEllipse(ToQt(a.marca));
                }
                break;
        }
    }

    // Dimension line.
    pintor.setPen(QPen(QColor(60, 60, 60), 1));
    for (const Segmento& l : g.lineasCota) pintor.drawLine(ToQt(l));

    // Arrows and arcs.
    const double punta = std::max(6.0, letra * 0.7);
    for (const FlechaDibujo& f : g.flechas) {
        pintor.setPen(QPen(ToQt(f.color), 1.6));
        pintor.setBrush(ToQt(f.color));
        PintaFlecha(pintor, ToQt(f.desde), ToQt(f.hasta), punta);
    }
    for (const ArcoDibujo& a : g.arcos) {
        pintor.setPen(QPen(ToQt(a.color), 1.6));
        pintor.setBrush(Qt::NoBrush);
        pintor.drawPolyline(ToQt(a.curva));
        pintor.setBrush(ToQt(a.color));
        const QPointF dir = ToQt(a.punta) - ToQt(a.antesPunta);
        PintaFlecha(pintor, ToQt(a.punta) - dir * 0.01, ToQt(a.punta), punta);
    }

    // Texts.
    QFont fuente = font();
    fuente.setPixelSize(static_cast<int>(std::lround(letra)));
    pintor.setFont(fuente);
    QFontMetricsF medidas(fuente);
    for (const TextoDibujo& t : g.textos) {
        const QString texto = ToQt(t.texto);
        const double ancho = medidas.horizontalAdvance(texto);
        const double x = t.aLaDerecha ? t.ancla.x : t.ancla.x - ancho / 2;
        const double y = t.encima ? t.ancla.y - medidas.descent() : t.ancla.y + medidas.ascent();
        pintor.setPen(ToQt(t.color));
        pintor.drawText(QPointF(x, y), texto);
    }

    // The slab transfer's complaint, in the corner no load value reaches.
    if (!doc_->TextoLosas().isEmpty()) {
        pintor.setPen(ToQt(kRojoVano));
        const double ancho = medidas.horizontalAdvance(doc_->TextoLosas());
        pintor.drawText(QPointF(width() - ancho - 6, medidas.ascent() + 4), doc_->TextoLosas());
    }
}

}  // namespace trabelux
