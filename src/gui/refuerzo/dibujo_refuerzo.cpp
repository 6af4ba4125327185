#include "gui/refuerzo/dibujo_refuerzo.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/modelo/datos_numericos.h"
#include "core/texto/numeros.h"
#include "gui/comun/conversion_dibujo.h"
#include "gui/refuerzo/pintura_refuerzo.h"

namespace trabelux {

namespace {

constexpr double kMargenX = 34;  // pixels: room for the walls of fixed ends
constexpr double kMargenY = 6;
// Support symbols: small enough to leave the row of numbers under them free.
constexpr double kEscalaApoyos = 1.0;
// Support numbers and span lengths: this far under the outline, drawing units.
constexpr double kBajoContorno = 150;

void FondoBlanco(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::white);
    w->setPalette(pal);
}

double Finito(double v) { return std::isfinite(v) ? v : 0.0; }

int VanosDe(const Proyecto& p) {
    return std::clamp(std::min(p.numVanos, static_cast<int>(p.vanos.size())), 0, kMaxVanos);
}

}  // namespace

DibujoRefuerzo::DibujoRefuerzo(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("VD"));
    FondoBlanco(this);
}

void DibujoRefuerzo::Muestra(const Proyecto& p, const TablaDetallado& tabla,
                             const Despiece& despiece) {
    proyecto_ = p;
    tabla_ = tabla;
    despiece_ = despiece;
    Calcula();
    update();
}

void DibujoRefuerzo::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Calcula();
}

void DibujoRefuerzo::Calcula() {
    // The elevation is laid out in the units of paper; the scale makes its height, with
    // the texts at the widget's own size, fill the widget.
    const QFontMetricsF medidas(font());
    const double texto = medidas.height();
    const double fijo = AlturaSobreEjeConCotas(0) + AlturaBajoEje(0);
    const double porLinea = AlturaSobreEjeConCotas(1) + AlturaBajoEje(1) - fijo;
    escala_ = std::max(0.02, (height() - 2 * kMargenY - porLinea * texto) / fijo);
    altoTexto_ = texto / escala_;
    ejeY_ = kMargenY / escala_ + AlturaSobreEjeConCotas(altoTexto_);
    const double x1 = kMargenX / escala_;
    const double x2 = std::max(x1, (width() - kMargenX) / escala_);
    const double s = escala_;
    geometria_ = CalculaGeometriaRefuerzo(
        proyecto_, tabla_, despiece_, x1, x2, ejeY_,
        [&medidas, s](const std::string& t) {
            return medidas.horizontalAdvance(QString::fromStdString(t)) / s;
        },
        altoTexto_);
    apoyos_ = ApoyosViga(proyecto_, geometria_.xNudos, ejeY_ + cotas_refuerzo::kMedioCanto,
                         kEscalaApoyos);
}

void DibujoRefuerzo::paintEvent(QPaintEvent*) {
    const GeometriaRefuerzo& g = geometria_;
    if (g.xNudos.size() < 2) return;
    const double s = escala_;
    auto P = [s](Punto p) { return QPointF(p.x * s, p.y * s); };
    auto L = [&](const Segmento& l) { return QLineF(P(l.p1), P(l.p2)); };
    auto R = [s](const Rectangulo& r) { return QRectF(r.x * s, r.y * s, r.ancho * s, r.alto * s); };
    auto Poly = [&](const Poligonal& p) {
        QPolygonF q;
        for (Punto x : p) q << P(x);
        return q;
    };
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF medidas(font());
    // Texts centred on x with the top of their line at y.
    auto texto = [&](double x, double y, const QString& t, const QColor& color) {
        pintor.setPen(color);
        pintor.drawText(QPointF(x - medidas.horizontalAdvance(t) / 2, y + medidas.ascent()), t);
    };

    // The beam, its stirrups and the cuts of the drawn sections.
    pintor.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(R(g.contorno));
    pintor.setPen(QPen(QColor(120, 120, 120), 1));
    for (const Segmento& e : g.estribos) pintor.drawLine(L(e));
    pintor.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    for (const Segmento& c : g.cortes) pintor.drawLine(L(c));
    pintor.setPen(QPen(Qt::black, 1));
    for (const Segmento& c : g.cotas) pintor.drawLine(L(c));

    // Supports by their conditions.
    pintor.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const ApoyoDibujo& a : apoyos_) {
        switch (a.simbolo) {
            case SimboloApoyo::Triangulo:
                pintor.setBrush(Qt::NoBrush);
                pintor.drawPolygon(Poly(a.figura));
                break;
            case SimboloApoyo::Empotramiento: {
                // The wall holds the whole depth of the beam.
                Rectangulo r = Caja(a.figura);
                r.y = ejeY_ - cotas_refuerzo::kMedioCanto - 60;
                r.alto = 2 * (cotas_refuerzo::kMedioCanto + 60);
                pintor.setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
                pintor.drawRect(R(r));
                break;
            }
            case SimboloApoyo::Libre:
                if (!a.marca.Vacio()) {
                    pintor.setBrush(Qt::white);
                    pintor.drawEllipse(R(a.marca));
                }
                break;
        }
    }

    // The bars over everything of the beam.
    pintor.setPen(QPen(kColorBarras, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pintor.setBrush(Qt::NoBrush);
    for (const BarraElevacion& b : g.barras) pintor.drawPolyline(Poly(b.trazo));
    for (const TextoElevacion& t : g.textos)
        texto(t.ancla.x * s, t.ancla.y * s, QString::fromStdString(t.texto),
              t.fila == FilaTexto::kCorte ? QColor(Qt::black) : kColorBarras);

    // Support numbers in blue and span lengths in black under the beam; span numbers in
    // red on the beam, over the stirrups.
    const double yBajo = (ejeY_ + cotas_refuerzo::kMedioCanto + kBajoContorno) * s;
    const int n = static_cast<int>(g.xNudos.size()) - 1;
    for (int j = 0; j <= n; ++j)
        texto(g.xNudos[j] * s, yBajo, QString::number(j + 1), ToQt(kAzulApoyo));
    for (int i = 0; i < n && i < static_cast<int>(proyecto_.vanos.size()); ++i) {
        const double medio = (g.xNudos[i] + g.xNudos[i + 1]) / 2 * s;
        const double largo = std::max(0.0, Finito(proyecto_.vanos[i].longitud));
        texto(medio, yBajo, QString::fromStdString(Formatea(largo, "0.00")), Qt::black);
        const QString numero = QString::number(i + 1);
        QRectF caja(0, 0, medidas.horizontalAdvance(numero) + 6, medidas.height());
        caja.moveCenter(QPointF(medio, ejeY_ * s));
        pintor.fillRect(caja, Qt::white);
        texto(medio, caja.top(), numero, ToQt(kRojoVano));
    }
}

VistaSeccion::VistaSeccion(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("VistaSeccion"));
    FondoBlanco(this);
}

void VistaSeccion::Muestra(const Proyecto& p, const TablaDetallado& tabla, int fila,
                           bool adicionalesAbajo) {
    proyecto_ = p;
    tabla_ = tabla;
    fila_ = fila;
    adicionalesAbajo_ = adicionalesAbajo;
    update();
}

void VistaSeccion::paintEvent(QPaintEvent*) {
    const int n = VanosDe(proyecto_);
    if (fila_ < 0 || fila_ >= static_cast<int>(tabla_.filas.size()) || n == 0) return;
    const FilaDetallado& f = tabla_.filas[static_cast<size_t>(fila_)];
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF medidas(font());
    pintor.setPen(Qt::black);
    const QString titulo = QString::fromStdString(f.sec.empty() ? f.ubic : f.ubic + "   " + f.sec);
    pintor.drawText(QRectF(0, 4, width(), medidas.height()), Qt::AlignCenter, titulo);
    if (f.sec.empty()) return;  // excluded from drawing

    const int vano = std::clamp(fila_ % 2 == 1 ? fila_ / 2 : fila_ / 2 - 1, 0, n - 1);
    const double b = std::max(0.0, Finito(proyecto_.vanos[vano].base));
    const double h = std::max(0.0, Finito(proyecto_.vanos[vano].altura));
    const Tamano e = ExtensionSeccion(f.tipo, b, h);
    const double arriba = medidas.height() * 1.6, abajo = medidas.height() * 1.6, lado = 12;
    const double escala =
        std::max(0.0, std::min((width() - 2 * lado) / std::max(1.0, e.ancho),
                               (height() - arriba - abajo) / std::max(1.0, e.alto)));
    const Punto esquina{(width() - e.ancho * escala) / 2,
                        arriba + (height() - arriba - abajo - e.alto * escala) / 2};
    const GeometriaSeccion g = CalculaSeccion(f, b, h, LeeDatosNumericos(proyecto_.datos).recub,
                                              esquina, escala, 2.5, adicionalesAbajo_);
    PintaSeccion(pintor, g, 2, QColor(245, 245, 245));
    pintor.setPen(Qt::black);
    pintor.drawText(
        QRectF(0, height() - abajo + 4, width(), medidas.height()), Qt::AlignCenter,
        QStringLiteral("%1  b = %2 cm  h = %3 cm")
            .arg(QString::fromStdString(f.tipo), QString::fromStdString(Formatea(b, "0.0")),
                 QString::fromStdString(Formatea(h, "0.0"))));
}

}  // namespace trabelux
