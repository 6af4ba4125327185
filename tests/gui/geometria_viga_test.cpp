// Geometry of the beam elevation: supports after the end and interior conditions, the
// texts and their colours, load bands over runs of loaded spans, arrows and arcs at the
// distances of the drawing, scaled to the widget.
#include "principal/geometria_viga.h"

#include <QFontMetricsF>
#include <QtTest>
#include <cmath>

#include "apoyo_pruebas.h"
#include "documento/operaciones.h"

using namespace trabelux;
using namespace trabelux::cotas_viga;

namespace {

Proyecto Viga(std::vector<double> largos) {
    Proyecto p = ProyectoNuevo();
    CambiaNumVanos(p, static_cast<int>(largos.size()), 1);
    for (size_t i = 0; i < largos.size(); ++i) p.vanos[i].longitud = largos[i];
    return p;
}

std::vector<TextoDibujo> Textos(const GeometriaViga& g, ClaseTexto clase) {
    std::vector<TextoDibujo> r;
    for (const auto& t : g.textos)
        if (t.clase == clase) r.push_back(t);
    return r;
}

}  // namespace

class GeometriaVigaTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void nudosRepartenLaLongitudTotalEnElAncho() {
        Proyecto p = Viga({2, 6, 4});
        GeometriaViga g = CalculaGeometriaViga(p, QSizeF(1000, 300));
        QCOMPARE(g.xNudos.size(), size_t(4));
        const double total = g.xNudos[3] - g.xNudos[0];
        QVERIFY(qAbs((g.xNudos[1] - g.xNudos[0]) / total - 2.0 / 12) < 1e-9);
        QVERIFY(qAbs((g.xNudos[2] - g.xNudos[1]) / total - 6.0 / 12) < 1e-9);
        // Margins are even and the beam takes most of the width.
        QVERIFY(qAbs(g.xNudos[0] - (1000 - g.xNudos[3])) < 1e-9);
        QVERIFY(total > 800);
        QCOMPARE(g.eje.y1(), g.ejeY);
        QCOMPARE(g.eje.x1(), g.xNudos[0]);
        QCOMPARE(g.eje.x2(), g.xNudos[3]);
    }

    void soloCuentanLosVanosDeLaCuenta() {
        Proyecto p = Viga({2, 3, 4, 5});
        p.numVanos = 2;  // rows 3 and 4 stay in the grid but are not part of the beam
        GeometriaViga g = CalculaGeometriaViga(p, QSizeF(800, 300));
        QCOMPARE(g.xNudos.size(), size_t(3));
        QCOMPARE(g.apoyos.size(), size_t(3));
    }

    void vanosSinLongitudNoColapsanLaViga() {
        Proyecto p = Viga({0, 0});
        GeometriaViga g = CalculaGeometriaViga(p, QSizeF(800, 300));
        QVERIFY(g.xNudos[1] > g.xNudos[0]);
        QVERIFY(g.xNudos[2] > g.xNudos[1]);
    }

    void simbolosDeApoyos_data() {
        QTest::addColumn<int>("izquierdo");
        QTest::addColumn<int>("derecho");
        QTest::addColumn<int>("interior");
        QTest::addColumn<int>("simboloIzq");
        QTest::addColumn<int>("simboloDer");
        QTest::addColumn<int>("simboloInt");
        QTest::newRow("apoyados") << int(kApoyado) << int(kApoyado) << 1
                                  << int(SimboloApoyo::Triangulo) << int(SimboloApoyo::Triangulo)
                                  << int(SimboloApoyo::Triangulo);
        QTest::newRow("empotrada y volado")
            << int(kEmpotrado) << int(kNoApoyado) << 0 << int(SimboloApoyo::Empotramiento)
            << int(SimboloApoyo::Libre) << int(SimboloApoyo::Libre);
        QTest::newRow("volado y empotrada")
            << int(kNoApoyado) << int(kEmpotrado) << 1 << int(SimboloApoyo::Libre)
            << int(SimboloApoyo::Empotramiento) << int(SimboloApoyo::Triangulo);
    }

    void simbolosDeApoyos() {
        QFETCH(int, izquierdo);
        QFETCH(int, derecho);
        QFETCH(int, interior);
        QFETCH(int, simboloIzq);
        QFETCH(int, simboloDer);
        QFETCH(int, simboloInt);
        Proyecto p = Viga({4, 4});
        p.apoyoIzquierdo = izquierdo;
        p.apoyoDerecho = derecho;
        p.apoyosInteriores = {interior};
        GeometriaViga g = CalculaGeometriaViga(p, QSizeF(900, 300));
        QCOMPARE(g.apoyos.size(), size_t(3));
        QCOMPARE(int(g.apoyos[0].simbolo), simboloIzq);
        QCOMPARE(int(g.apoyos[1].simbolo), simboloInt);
        QCOMPARE(int(g.apoyos[2].simbolo), simboloDer);
        for (const ApoyoDibujo& a : g.apoyos) {
            const double x = g.xNudos[a.nudo - 1];
            switch (a.simbolo) {
                case SimboloApoyo::Triangulo:
                    QCOMPARE(a.figura.size(), 3);
                    QCOMPARE(a.figura[0], QPointF(x, g.ejeY));  // apex on the node
                    QVERIFY(a.figura[1].y() > g.ejeY);
                    break;
                case SimboloApoyo::Empotramiento: {
                    QCOMPARE(a.figura.size(), 4);
                    const QRectF r = a.figura.boundingRect();
                    // The wall stands outside the beam, across the axis.
                    if (a.nudo == 1)
                        QCOMPARE(r.right(), x);
                    else
                        QCOMPARE(r.left(), x);
                    QVERIFY(r.top() < g.ejeY && r.bottom() > g.ejeY);
                    break;
                }
                case SimboloApoyo::Libre:
                    QVERIFY(a.figura.isEmpty());
                    // Only an unsupported interior node gets the mark on the axis.
                    QCOMPARE(a.marca.isEmpty(), a.nudo == 1 || a.nudo == 3);
                    if (!a.marca.isEmpty()) QCOMPARE(a.marca.center(), QPointF(x, g.ejeY));
                    break;
            }
        }
    }

    void textosDeApoyosYVanos() {
        Proyecto p = Viga({3.456, 5});
        GeometriaViga g = CalculaGeometriaViga(p, QSizeF(900, 300));
        auto apoyos = Textos(g, ClaseTexto::NumeroApoyo);
        auto vanos = Textos(g, ClaseTexto::NumeroVano);
        auto largos = Textos(g, ClaseTexto::Longitud);
        QCOMPARE(apoyos.size(), size_t(3));
        QCOMPARE(vanos.size(), size_t(2));
        QCOMPARE(largos.size(), size_t(2));
        for (int j = 0; j < 3; ++j) {
            QCOMPARE(apoyos[j].texto, QString::number(j + 1));
            QCOMPARE(apoyos[j].color, QColor(0, 0, 192));
            QCOMPARE(apoyos[j].ancla.x(), g.xNudos[j]);
            QVERIFY(apoyos[j].ancla.y() > g.ejeY);
        }
        QCOMPARE(largos[0].texto, QString("3.46"));
        QCOMPARE(largos[1].texto, QString("5.00"));
        for (int i = 0; i < 2; ++i) {
            const double medio = (g.xNudos[i] + g.xNudos[i + 1]) / 2;
            QCOMPARE(vanos[i].color, QColor(192, 0, 0));
            QCOMPARE(vanos[i].ancla.x(), medio);
            QCOMPARE(largos[i].ancla.x(), medio);
            QCOMPARE(largos[i].color, QColor(Qt::black));
            // The span number on one side of the axis, its length on the other.
            QVERIFY(vanos[i].ancla.y() < g.ejeY);
            QVERIFY(largos[i].ancla.y() > g.ejeY);
        }
    }

    void bandasPorTramosDeVanosCargados() {
        Proyecto p = Viga({1, 1, 1, 1, 1});
        const double cargas[] = {2, 3, 0, 1, 1};
        for (int i = 0; i < 5; ++i) p.vanos[i].cargaUltima = cargas[i];
        GeometriaViga g = CalculaGeometriaViga(p, QSizeF(1000, 440));
        QCOMPARE(g.bandas.size(), size_t(2));
        QCOMPARE(g.bandas[0].left(), g.xNudos[0]);
        QCOMPARE(g.bandas[0].right(), g.xNudos[2]);
        QCOMPARE(g.bandas[1].left(), g.xNudos[3]);
        QCOMPARE(g.bandas[1].right(), g.xNudos[5]);
        // Between 150 and 30 drawing units above the axis.
        QVERIFY(qAbs(g.bandas[0].top() - (g.ejeY - kBandaArriba * g.unidad)) < 1e-9);
        QVERIFY(qAbs(g.bandas[0].bottom() - (g.ejeY - kBandaAbajo * g.unidad)) < 1e-9);
    }

    void flechaDeCargaConcentradaYSuValor() {
        Proyecto p = Viga({4, 6});
        p.cargas = {{2, 1.5, 3.25}, {1, 9, -1}, {7, 1, 1}};  // distance past the end; no span 7
        GeometriaViga g = CalculaGeometriaViga(p, QSizeF(1000, 440));
        QCOMPARE(g.flechas.size(), size_t(2));
        const double x = g.xNudos[1] + 1.5 / 6 * (g.xNudos[2] - g.xNudos[1]);
        const FlechaDibujo& f = g.flechas[0];
        QVERIFY(qAbs(f.desde.x() - x) < 1e-9);
        QVERIFY(qAbs(f.desde.y() - (g.ejeY - kFlecha * g.unidad)) < 1e-9);
        QCOMPARE(f.hasta, QPointF(f.desde.x(), g.ejeY));  // downwards onto the axis
        // A load beyond the span's length stands at its end; an upward load points up.
        QVERIFY(qAbs(g.flechas[1].desde.x() - g.xNudos[1]) < 1e-9);
        QVERIFY(g.flechas[1].hasta.y() < g.flechas[1].desde.y());
        auto valores = Textos(g, ClaseTexto::ValorCarga);
        QCOMPARE(valores.size(), size_t(2));
        QCOMPARE(valores[0].texto, QString("3.25"));
        QCOMPARE(valores[0].color, QColor(0, 0, 192));
        QVERIFY(qAbs(valores[0].ancla.y() - (g.ejeY - kValorCarga * g.unidad)) < 1e-9);
    }

    void cargasEnNudos() {
        Proyecto p = Viga({4, 4});
        p.cargasNudo = {{2, -3, 0}, {3, 0, 1.75}, {0, 5, 5}};  // node 0 does not count
        GeometriaViga g = CalculaGeometriaViga(p, QSizeF(1000, 440));
        QCOMPARE(g.flechas.size(), size_t(1));
        QCOMPARE(g.flechas[0].hasta, QPointF(g.xNudos[1], g.ejeY));
        QCOMPARE(g.flechas[0].color, QColor(192, 0, 0));
        QCOMPARE(g.arcos.size(), size_t(1));
        const ArcoDibujo& a = g.arcos[0];
        const double u = g.unidad;
        QVERIFY(qAbs(a.caja.width() - kArcoAncho * u) < 1e-9);
        QVERIFY(qAbs(a.caja.top() - (g.ejeY - kArcoArriba * u)) < 1e-9);
        QVERIFY(qAbs(a.caja.bottom() - (g.ejeY + kArcoAbajo * u)) < 1e-9);
        QVERIFY(qAbs(a.caja.center().x() - g.xNudos[2]) < 1e-9);
        // A counterclockwise moment turns towards the left end of the arc.
        QVERIFY(a.punta.x() < g.xNudos[2]);
        auto fuerza = Textos(g, ClaseTexto::ValorNudo);
        auto momento = Textos(g, ClaseTexto::MomentoNudo);
        QCOMPARE(fuerza.size(), size_t(1));
        QCOMPARE(fuerza[0].texto, QString("-3.00"));
        QCOMPARE(momento.size(), size_t(1));
        QCOMPARE(momento[0].texto, QString("1.75"));
        QCOMPARE(momento[0].color, QColor(192, 0, 0));
    }

    void textosDeUnaMismaFilaNoSeTraslapan_data() {
        QTest::addColumn<QSizeF>("tamano");
        QTest::newRow("ancha") << QSizeF(1240, 320);
        QTest::newRow("angosta") << QSizeF(420, 160);
    }

    void textosDeUnaMismaFilaNoSeTraslapan() {
        QFETCH(QSizeF, tamano);
        Proyecto p = Viga(std::vector<double>(kMaxVanos, 2.5));
        // Loads a few centimetres apart, and a node force next to them.
        p.cargas = {{2, 0.1, 12.5}, {2, 0.15, 4.5}, {2, 0.2, 2}, {5, 1, 1}};
        p.cargasNudo = {{2, -3.25, 0}};
        GeometriaViga g = CalculaGeometriaViga(p, tamano);
        QFont fuente;
        fuente.setPixelSize(qRound(g.tamanoLetra));
        QFontMetricsF medidas(fuente);
        for (ClaseTexto clase : {ClaseTexto::ValorCarga, ClaseTexto::Longitud}) {
            std::vector<std::pair<double, double>> tramos;
            for (const auto& t : g.textos) {
                const bool mismaFila =
                    clase == ClaseTexto::Longitud
                        ? t.clase == clase
                        : t.clase == ClaseTexto::ValorCarga || t.clase == ClaseTexto::ValorNudo;
                if (!mismaFila) continue;
                const double ancho = medidas.horizontalAdvance(t.texto);
                tramos.push_back({t.ancla.x() - ancho / 2, t.ancla.x() + ancho / 2});
            }
            std::sort(tramos.begin(), tramos.end());
            for (size_t k = 1; k < tramos.size(); ++k)
                QVERIFY2(tramos[k].first >= tramos[k - 1].second, qPrintable(QString::number(k)));
        }
        QCOMPARE(Textos(g, ClaseTexto::ValorCarga).size(), size_t(4));
        // Every length is shown where there is room for it.
        if (tamano.width() > 1000)
            QCOMPARE(Textos(g, ClaseTexto::Longitud).size(), size_t(kMaxVanos));
    }

    void todoCabeEnElWidgetAUnaAlturaCualquiera_data() {
        QTest::addColumn<QSizeF>("tamano");
        QTest::newRow("grande") << QSizeF(1240, 320);
        QTest::newRow("800x600") << QSizeF(760, 160);
        QTest::newRow("baja") << QSizeF(500, 120);
    }

    void todoCabeEnElWidgetAUnaAlturaCualquiera() {
        QFETCH(QSizeF, tamano);
        Proyecto p = Viga(std::vector<double>(20, 3.0));
        p.apoyoIzquierdo = kEmpotrado;
        p.cargas = {{1, 1, 2}, {20, 3.0, 1.0}};
        p.cargasNudo = {{21, -0.5, 0}};
        GeometriaViga g = CalculaGeometriaViga(p, tamano);
        const QRectF dentro(QPointF(0, 0), tamano);
        // The values at the right end are pulled in rather than cut by the edge.
        QFont fuente;
        fuente.setPixelSize(static_cast<int>(std::lround(g.tamanoLetra)));
        const QFontMetricsF medidas(fuente);
        for (const auto& t : g.textos) {
            if (t.clase != ClaseTexto::ValorCarga && t.clase != ClaseTexto::ValorNudo) continue;
            const double ancho = medidas.horizontalAdvance(t.texto);
            QVERIFY2(t.ancla.x() - ancho / 2 >= 0 && t.ancla.x() + ancho / 2 <= tamano.width(),
                     qPrintable(t.texto));
        }
        for (const auto& a : g.apoyos) QVERIFY(dentro.contains(a.figura.boundingRect()));
        for (const auto& l : g.lineasCota)
            QVERIFY(dentro.contains(l.p1()) && dentro.contains(l.p2()));
        for (const auto& t : g.textos) {
            // Room for a line of text above or below its anchor.
            const double arriba = t.encima ? t.ancla.y() - 1.3 * g.tamanoLetra : t.ancla.y();
            const double abajo = t.encima ? t.ancla.y() : t.ancla.y() + 1.3 * g.tamanoLetra;
            QVERIFY2(arriba >= -1 && abajo <= tamano.height() + 1, qPrintable(t.texto));
        }
        QVERIFY(g.tamanoLetra >= 9);
        // Neighbouring support symbols never overlap.
        for (size_t k = 1; k < g.apoyos.size(); ++k) {
            if (g.apoyos[k].figura.isEmpty() || g.apoyos[k - 1].figura.isEmpty()) continue;
            QVERIFY(g.apoyos[k - 1].figura.boundingRect().right() <
                    g.apoyos[k].figura.boundingRect().left());
        }
    }
};

QTEST_MAIN(GeometriaVigaTest)
#include "geometria_viga_test.moc"
