#include "gui/refuerzo/pintura_refuerzo.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "gui/comun/conversion_dibujo.h"

namespace trabelux {

void PintaSeccion(QPainter& pintor, const GeometriaSeccion& g, double anchoContorno,
                  const QColor& relleno) {
    pintor.setPen(QPen(Qt::black, anchoContorno, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    pintor.setBrush(relleno);
    pintor.drawPolygon(ToQt(g.contorno));
    pintor.setPen(QPen(kColorBarras, std::max(1.0, anchoContorno * 0.6)));
    pintor.setBrush(Qt::NoBrush);
    if (!g.estribo.Vacio()) pintor.drawRect(ToQt(g.estribo));
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(kColorBarras);
    for (const auto* grupo : {&g.inferiores, &g.superiores})
        for (const BarraSeccion& b : *grupo) pintor.drawEllipse(ToQt(b.centro), b.radio, b.radio);
}

QIcon IconoForma(const std::string& codigo, QSize tamano) {
    // A web 30 x 50 cm with three bottom bars, two hangers and a stirrup, as an example.
    FilaDetallado ejemplo;
    ejemplo.tipo = codigo;
    ejemplo.barraInferior = 1;
    ejemplo.cantInferior = 3;
    ejemplo.barraPercha = 0;
    ejemplo.cantPercha = 2;
    ejemplo.barraEstribo = 0;
    ejemplo.separEstribo = 0.2;
    const double b = 30, h = 50, margen = 3;
    const Tamano e = ExtensionSeccion(codigo, b, h);
    const double escala = std::min((tamano.width() - 2 * margen) / std::max(1.0, e.ancho),
                                   (tamano.height() - 2 * margen) / std::max(1.0, e.alto));
    const Punto esquina{(tamano.width() - e.ancho * escala) / 2,
                        (tamano.height() - e.alto * escala) / 2};
    const GeometriaSeccion g = CalculaSeccion(ejemplo, b, h, 5, esquina, escala, 1.2);

    QPixmap mapa(tamano);
    mapa.fill(Qt::transparent);
    QPainter pintor(&mapa);
    pintor.setRenderHint(QPainter::Antialiasing);
    PintaSeccion(pintor, g, 1.5, QColor(225, 225, 225));
    return QIcon(mapa);
}

}  // namespace trabelux
