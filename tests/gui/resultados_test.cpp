// Tests of the results window: the six tables, the geometry of the three drawings, the
// probe, copying, redrawing, and pictures of the tabs for a three-span example.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "apoyo_pruebas.h"
#include "resultados/geometria_diagramas.h"
#include "resultados/resultad.h"
#include "resultados/vista_tabla_resultados.h"
#include "texto/numeros.h"

using namespace trabelux;

namespace {

// A span of a test beam: length, uniform load and point loads (distance, load).
struct VanoPrueba {
    double longitud;
    double carga;
    std::vector<std::pair<double, double>> puntuales;
};

// Results of a beam whose node moments (sagging positive) are given: statics of each span
// gives end forces, stations with the two extra stations per point load, reactions at the
// supported nodes, and the largest moments; rows of the reinforcement tables are added.
Resultados ResultadosDeMomentos(const std::vector<VanoPrueba>& vanos,
                                const std::vector<double>& mNudo, const std::vector<bool>& apoyado,
                                bool izqEmpotrado) {
    Resultados r;
    r.analisisCompleto = r.calculado = true;
    r.numVanos = static_cast<int>(vanos.size());
    for (size_t i = 0; i < vanos.size(); ++i) {
        const VanoPrueba& v = vanos[i];
        const double l = v.longitud;
        double vi = (mNudo[i + 1] - mNudo[i]) / l + v.carga * l / 2;
        for (auto [a, p] : v.puntuales) vi += p * (l - a) / l;
        auto corte = [&](double x) {
            double c = vi - v.carga * x;
            for (auto [a, p] : v.puntuales)
                if (x > a) c -= p;
            return c;
        };
        auto momento = [&](double x) {
            double m = mNudo[i] + vi * x - v.carga * x * x / 2;
            for (auto [a, p] : v.puntuales)
                if (x > a) m -= p * (x - a);
            return m;
        };
        r.fuerzasExtremo.push_back({vi, -mNudo[i], -corte(l), mNudo[i + 1]});
        EstacionesVano e;
        size_t c = 0;
        for (int k = 0; k <= 100;) {
            const double x = k * l / 100;
            if (c < v.puntuales.size() && x > v.puntuales[c].first) {
                for (double xa : {v.puntuales[c].first, v.puntuales[c].first + 1e-6}) {
                    e.x.push_back(float(xa));
                    e.cortante.push_back(float(corte(xa)));
                    e.momento.push_back(float(momento(xa)));
                }
                ++c;
                continue;
            }
            e.x.push_back(float(x));
            e.cortante.push_back(float(corte(x)));
            e.momento.push_back(float(momento(x)));
            ++k;
        }
        float mmax = 0, pos = 0;
        for (size_t k = 0; k < e.x.size(); ++k) {
            if (e.momento[k] >= 0 && e.momento[k] > mmax) mmax = e.momento[k], pos = e.x[k];
            r.maxCortante = std::max(r.maxCortante, std::fabs(e.cortante[k]));
            r.maxMomento = std::max(r.maxMomento, std::fabs(e.momento[k]));
        }
        r.momMaxVano.push_back(mmax);
        r.posMomMax.push_back(pos);
        r.diagramas.push_back(e);
    }
    const size_t n = vanos.size();
    r.reacciones.assign(2 * (n + 1), 0.f);
    for (size_t j = 0; j <= n; ++j) {
        if (!apoyado[j]) continue;
        double f = 0;
        if (j > 0) f += r.fuerzasExtremo[j - 1].cortanteJ;
        if (j < n) f += r.fuerzasExtremo[j].cortanteI;
        r.reacciones[2 * j] = float(f);
    }
    if (izqEmpotrado) r.reacciones[1] = float(r.fuerzasExtremo[0].momentoI);
    for (size_t j = 0; j <= n; ++j)
        r.refuerzoApoyos.push_back(
            {int(j + 1), float(std::fabs(mNudo[j])), float(std::fabs(mNudo[j]) * 0.9), 0.f});
    for (size_t i = 0; i < n; ++i) {
        r.refuerzoVanos.push_back({int(i + 1), r.momMaxVano[i], 0.f, r.momMaxVano[i] * 0.9f});
        r.refuerzoTransversal.push_back(
            {int(i + 1), float(std::fabs(r.fuerzasExtremo[i].cortanteI) * 0.85),
             float(std::fabs(r.fuerzasExtremo[i].cortanteJ) * 0.85), 2.84f, "ø3/8 a 0.175"});
    }
    return r;
}

// The example of the pictures: fixed left end, a 6 m span with an 8 t load, a 1.5 m
// cantilever with a 2 t load near its tip; 3 t/m everywhere. The two unknown node moments
// come from the three-moment equations.
const std::vector<VanoPrueba> kVanosEjemplo = {
    {5.0, 3.0, {}}, {6.0, 3.0, {{2.5, 8.0}}}, {1.5, 3.0, {{1.2, 2.0}}}};

Resultados ResultadosEjemplo() {
    const auto& v = kVanosEjemplo;
    const double l1 = v[0].longitud, l2 = v[1].longitud, w = 3.0;
    const double a = 2.5, b = l2 - a, p = 8.0;
    const double m3 = -(w * 1.5 * 1.5 / 2 + 2.0 * 1.2);
    const double t1 = w * l1 * l1 * l1 / 4;  // either end of span 1
    const double t2izq = w * l2 * l2 * l2 / 4 + p * a * b * (l2 + b) / l2;
    const double t2der = w * l2 * l2 * l2 / 4 + p * a * b * (l2 + a) / l2;
    // 2 M1 L1 + M2 L1 = -t1;  M1 L1 + 2 M2 (L1 + L2) + M3 L2 = -t1 - t2izq
    const double a11 = 2 * l1, a12 = l1, b1 = -t1;
    const double a21 = l1, a22 = 2 * (l1 + l2), b2 = -t1 - t2izq - m3 * l2;
    const double det = a11 * a22 - a12 * a21;
    const double m1 = (b1 * a22 - a12 * b2) / det;
    const double m2 = (a11 * b2 - a21 * b1) / det;
    Q_UNUSED(t2der);
    return ResultadosDeMomentos(v, {m1, m2, m3, 0.0}, {true, true, true, false}, true);
}

Proyecto ProyectoDe(const std::vector<VanoPrueba>& vanos, int izq, int der,
                    std::vector<int> interiores) {
    Proyecto p = ProyectoNuevo();
    p.numVanos = static_cast<int>(vanos.size());
    p.vanos.clear();
    for (const auto& v : vanos) {
        Vano x;
        x.longitud = v.longitud;
        x.cargaUltima = v.carga;
        p.vanos.push_back(x);
    }
    p.apoyoIzquierdo = izq;
    p.apoyoDerecho = der;
    p.apoyosInteriores = std::move(interiores);
    return p;
}

Proyecto ProyectoEjemplo() { return ProyectoDe(kVanosEjemplo, kEmpotrado, kNoApoyado, {1, 1}); }

// Simply supported spans (all node moments zero) under a uniform load.
Resultados ResultadosSimples(int n, double l = 4.0, double w = 2.0) {
    std::vector<VanoPrueba> v(static_cast<size_t>(n), VanoPrueba{l, w, {}});
    return ResultadosDeMomentos(v, std::vector<double>(size_t(n) + 1, 0.0),
                                std::vector<bool>(size_t(n) + 1, true), false);
}

int CuentaColor(const QImage& img, bool rojo) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            const int fuerte = rojo ? c.red() : c.blue();
            const int otros = rojo ? std::max(c.green(), c.blue()) : std::max(c.red(), c.green());
            if (fuerte > 180 && otros < 90) ++n;
        }
    return n;
}

}  // namespace

class PruebaResultados : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    // --- Layout, scales, supports ---------------------------------------------------

    void baseline_data() {
        QTest::addColumn<int>("vanos");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("x2");
        QTest::addColumn<double>("y");
        QTest::newRow("one span: middle third")
            << 1 << int(Superficie::kCortantes) << 3000.0 << 6000.0 << 2000.0;
        QTest::newRow("no analysis yet: middle third")
            << 0 << int(Superficie::kMomentos) << 3000.0 << 6000.0 << 2000.0;
        QTest::newRow("two spans: 10 to 90 %")
            << 2 << int(Superficie::kCortantes) << 900.0 << 8100.0 << 2000.0;
        QTest::newRow("twenty spans")
            << 20 << int(Superficie::kMomentos) << 900.0 << 8100.0 << 2000.0;
        QTest::newRow("reactions axis at height / 2.5")
            << 3 << int(Superficie::kReacciones) << 900.0 << 8100.0 << 1600.0;
    }
    void baseline() {
        QFETCH(int, vanos);
        QFETCH(int, tipo);
        QFETCH(double, x1);
        QFETCH(double, x2);
        QFETCH(double, y);
        const LineaBase l = LineasDibuja(QSizeF(9000, 4000), vanos, static_cast<Superficie>(tipo));
        QCOMPARE(l.x1, x1);
        QCOMPARE(l.x2, x2);
        QCOMPARE(l.y, y);
    }

    void scales() {
        const LineaBase l{900, 8100, 2000};
        QCOMPARE(EscalaHorizontal(l, {4.0, 5.0}), 800.0);
        QCOMPARE(EscalaHorizontal(l, {}), 1.0);  // no beam: no division by zero
        QCOMPARE(EscalaHorizontal(l, {0.0, 0.0}), 1.0);
        QCOMPARE(EscalaVertical(4000, 9.0), 200.0);  // largest ordinate at 90 % of half height
        QCOMPARE(EscalaVertical(4000, 0.0), 0.0);    // all zero: no curve
        QCOMPARE(EscalaVertical(4000, std::nan("")), 0.0);
    }

    void supports_data() {
        QTest::addColumn<int>("izq");
        QTest::addColumn<int>("der");
        QTest::addColumn<QList<int>>("interiores");
        QTest::addColumn<int>("triangulos");
        QTest::addColumn<QList<double>>("bloquesX");  // left edges of the end blocks
        QTest::addColumn<QList<double>>("circulosX");
        // Three spans of 2, 3 and 4 m on 900..8100: nodes at 900, 2500, 4900, 8100.
        QTest::newRow("pinned both ends, both interiors supported")
            << int(kApoyado) << int(kApoyado) << QList<int>{1, 1} << 2 << QList<double>{}
            << QList<double>{2500, 4900};
        QTest::newRow("fixed left end: block at x1 - 50")
            << int(kEmpotrado) << int(kApoyado) << QList<int>{1, 1} << 1 << QList<double>{850}
            << QList<double>{2500, 4900};
        QTest::newRow("fixed right end: block at x2 + 10")
            << int(kApoyado) << int(kEmpotrado) << QList<int>{1, 1} << 1 << QList<double>{8110}
            << QList<double>{2500, 4900};
        QTest::newRow("free ends show nothing")
            << int(kNoApoyado) << int(kNoApoyado) << QList<int>{1, 1} << 0 << QList<double>{}
            << QList<double>{2500, 4900};
        QTest::newRow("'No apoyado - 0' has no circle")
            << int(kApoyado) << int(kApoyado) << QList<int>{0, 1} << 2 << QList<double>{}
            << QList<double>{4900};
    }
    void supports() {
        QFETCH(int, izq);
        QFETCH(int, der);
        QFETCH(QList<int>, interiores);
        QFETCH(int, triangulos);
        QFETCH(QList<double>, bloquesX);
        QFETCH(QList<double>, circulosX);
        const Proyecto p = ProyectoDe({{2, 1, {}}, {3, 1, {}}, {4, 1, {}}}, izq, der,
                                      std::vector<int>(interiores.begin(), interiores.end()));
        const VigaDibujo viga = VigaDeProyecto(p, 3);
        const LineaBase l{900, 8100, 2000};
        const SimbolosApoyo s = ApoyosDibuja(l, viga, EscalaHorizontal(l, viga.longitudes));
        QCOMPARE(int(s.triangulos.size()), triangulos);
        for (const auto& t : s.triangulos) {  // apex under the axis, 100 wide at y + 110
            QCOMPARE(t[0].y(), 2010.0);
            QCOMPARE(t[2].x() - t[1].x(), 100.0);
            QCOMPARE(t[1].y(), 2110.0);
        }
        QCOMPARE(int(s.bloques.size()), bloquesX.size());
        for (int i = 0; i < bloquesX.size(); ++i) {
            QCOMPARE(s.bloques[size_t(i)].left(), bloquesX[i]);
            QCOMPARE(s.bloques[size_t(i)].top(), 2000.0 - kAltoBloque / 2);
            QCOMPARE(s.bloques[size_t(i)].size(), QSizeF(kAnchoBloque, kAltoBloque));
        }
        QCOMPARE(int(s.circulos.size()), circulosX.size());
        for (int i = 0; i < circulosX.size(); ++i)
            QCOMPARE(s.circulos[size_t(i)], QPointF(circulosX[i], 2000));
    }

    // --- Curves ------------------------------------------------------------------------

    void curveStepsAtPointLoadsAndNeverRunsBackwards() {
        // One 10 m span on 0..1000: stations 0, 5, 5 (load), 5.000001, 10, then 9 (behind).
        EstacionesVano e;
        e.x = {0, 5, 5, 5.000001f, 10, 9};
        e.cortante = {4, 3, 3, -2, -3, -3};
        e.momento = e.cortante;
        const LineaBase l{0, 1000, 500};
        const QPolygonF c = PuntosCurva(l, 100, 10, {e}, 1, Magnitud::kCortante);
        QCOMPARE(c.size(), 8);
        QCOMPARE(c.front(), QPointF(0, 500));  // starts on the axis
        QCOMPARE(c[1], QPointF(0, 540));       // positive below the axis
        QCOMPARE(c[2].x(), c[3].x());          // the regular station and the load's coincide
        QVERIFY(std::fabs(c[4].x() - c[3].x()) < 0.01);  // a vertical step at the load
        QCOMPARE(c[4].y(), 480.0);                       // negative above the axis
        QCOMPARE(c[6].x(), c[5].x());                    // drawn at its predecessor's x
        QCOMPARE(c.back(), QPointF(1000, 500));          // closed on the axis end
    }

    void nextSpanStartsAtItsNode() {
        const Resultados r = ResultadosSimples(2, 4.0, 2.0);
        const LineaBase l{900, 8100, 2000};
        const auto xs = AbscisasDibujo(l, 900, r.diagramas, 2);
        QCOMPARE(int(xs.size()), 2);
        QVERIFY(std::fabs(xs[1].front() - 4500) < 0.5);
        QVERIFY(std::fabs(xs[1].back() - 8100) < 0.5);
    }

    void zeroResultsDrawNoCurveAndNoProbe() {
        Resultados r = ResultadosSimples(2, 4.0, 0.0);  // unloaded: every value is zero
        QCOMPARE(MaximoAbsoluto(r.diagramas, 2, Magnitud::kMomento, r.maxMomento), 0.0);
        const double escV = EscalaVertical(4000, 0.0);
        const LineaBase l{900, 8100, 2000};
        QVERIFY(PuntosCurva(l, 900, escV, r.diagramas, 2, Magnitud::kCortante).isEmpty());
        QVERIFY(ValoresCurva(l, 900, escV, r, 2, Magnitud::kMomento).empty());
        QVERIFY(!Sonda(l, 900, escV,
                       VigaDeProyecto(ProyectoDe({{4, 0, {}}, {4, 0, {}}}, 0, 0, {1}), 2),
                       r.diagramas, Magnitud::kCortante, QPointF(1000, 2000)));
    }

    void staleMaximumNeverLetsTheCurveOverflow() {
        Resultados r = ResultadosSimples(1, 4.0, 2.0);  // shears +-4, moment 4
        QCOMPARE(MaximoAbsoluto(r.diagramas, 1, Magnitud::kCortante, 0.0), 4.0);
        QCOMPARE(MaximoAbsoluto(r.diagramas, 1, Magnitud::kCortante, 10.0), 10.0);
    }

    // --- Reactions picture -------------------------------------------------------------

    void reactionArrows() {
        // Node 1: 10 t up; node 2: 1 t up (under 15 %); node 3: free; node 4: -4 t with a moment.
        const std::vector<float> reac = {10, 0, 1, 0, 0, 0, -4, 2.5f};
        const LineaBase l{900, 8100, 1600};
        const std::vector<double> nudos = {900, 3000, 5000, 8100};
        const DibujoReacciones d = ReaccionesDibuja(l, 4000, nudos, reac);
        QCOMPARE(int(d.flechas.size()), 3);  // a zero reaction draws no arrow
        const double completa = 4000 / 2.5;
        auto largo = [](const FlechaReaccion& f) { return f.hasta.y() - f.desde.y(); };
        QCOMPARE(d.flechas[0].desde, QPointF(900, 1800));
        QCOMPARE(largo(d.flechas[0]), completa);
        QCOMPARE(largo(d.flechas[1]), 0.15 * completa);  // shortest arrow is 15 %
        QCOMPARE(largo(d.flechas[2]), 0.4 * completa);
        QCOMPARE(d.flechas[0].punta[0], QPointF(900, 1800));  // upward: head at the beam side
        QCOMPARE(d.flechas[2].punta[0], d.flechas[2].hasta);  // downward: head away
        QVERIFY(d.flechas[2].punta[1].y() < d.flechas[2].hasta.y());
        QCOMPARE(int(d.arcos.size()), 1);
        QCOMPARE(d.arcos[0].centro, QPointF(8100, 1600));
        QCOMPARE(d.arcos[0].radio, 400.0);
        QVERIFY(d.arcos[0].punta[1].x() > 8100);  // counterclockwise: head on the right
        QVERIFY(d.arcos[0].punta[1].y() > 1600);  // under the node

        // Values: under each arrow's tail, beside the arc's head.
        const auto v = ValoresReacciones(d);
        QCOMPARE(int(v.size()), 4);
        QCOMPARE(v[2].ancla, d.flechas[2].hasta);
        QCOMPARE(v[2].valor, -4.0);
        QVERIFY(v[2].abajo);
        QCOMPARE(v[3].valor, 2.5);
        QCOMPARE(v[3].lado, +1);

        const DibujoReacciones cw = ReaccionesDibuja(l, 4000, nudos, {0, 0, 0, 0, 0, 0, 0, -1});
        QVERIFY(cw.arcos[0].punta[1].x() < 8100);  // clockwise: head on the left
        QVERIFY(cw.flechas.empty());
    }

    void reactionsWithoutAnyPositiveOneStillScale() {
        // Largest by size sets the scale: nothing divides by zero, no arrow leaves the surface.
        const LineaBase l{900, 8100, 1600};
        const DibujoReacciones d = ReaccionesDibuja(l, 4000, {900, 8100}, {-2, 0, -8, 0});
        QCOMPARE(int(d.flechas.size()), 2);
        QCOMPARE(d.flechas[1].hasta.y() - d.flechas[1].desde.y(), 4000 / 2.5);
        QVERIFY(ReaccionesDibuja(l, 4000, {900, 8100}, {0, 0, 0, 0}).flechas.empty());
    }

    // --- Probe -------------------------------------------------------------------------

    void probe_data() {
        QTest::addColumn<QPointF>("punto");
        QTest::addColumn<bool>("hay");
        QTest::addColumn<double>("valor");
        // One 10 m span on 0..1000 (escH 100, escV 10, axis at 500): V = 4 - x, a 3 t load at 5.
        QTest::newRow("left of the beam") << QPointF(-1, 510) << false << 0.0;
        QTest::newRow("right of the last node") << QPointF(1001, 505) << false << 0.0;
        QTest::newRow("below the band") << QPointF(150, 560) << false << 0.0;
        QTest::newRow("above the axis on a positive band") << QPointF(150, 499) << false << 0.0;
        QTest::newRow("inside the band, next station to the right")
            << QPointF(150, 520) << true << 2.0;
        QTest::newRow("bounds included") << QPointF(200, 500) << true << 2.0;
        QTest::newRow("at the start") << QPointF(0, 540) << true << 4.0;
        // Right of the load: station 5.000001 holds -4, but the taller side (-1) gives the band.
        QTest::newRow("step: taller side gives the band")
            << QPointF(500.00005, 495) << true << -4.0;
        QTest::newRow("step: outside the taller band") << QPointF(500.00005, 480) << false << 0.0;
    }
    void probe() {
        QFETCH(QPointF, punto);
        QFETCH(bool, hay);
        QFETCH(double, valor);
        EstacionesVano e;
        for (int k = 0; k <= 10; ++k) {
            const float x = float(k);
            if (k == 5) {
                e.x.push_back(5);
                e.cortante.push_back(-1);
                e.x.push_back(5.000001f);
                e.cortante.push_back(-4);
            }
            if (k >= 5 && k != 5) {
                e.x.push_back(x);
                e.cortante.push_back(4 - x - 3);
            } else if (k < 5) {
                e.x.push_back(x);
                e.cortante.push_back(4 - x);
            }
        }
        e.momento = e.cortante;
        VigaDibujo viga;
        viga.numVanos = 1;
        viga.longitudes = {10};
        const auto v = Sonda({0, 1000, 500}, 100, 10, viga, {e}, Magnitud::kCortante, punto);
        QCOMPARE(v.has_value(), hay);
        if (hay) QCOMPARE(*v, valor);
    }

    void probeCaptions() {
        QCOMPARE(TextoSonda(Magnitud::kCortante, 12.3456), QString(" V = 12.346 To "));
        QCOMPARE(TextoSonda(Magnitud::kMomento, -3), QString(" M = -3.000 To-m "));
    }

    // --- Values written on the curves --------------------------------------------------

    void valuesOnTheMomentCurve() {
        const Resultados r = ResultadosEjemplo();
        const LineaBase l{900, 8100, 2000};
        const double escH = EscalaHorizontal(l, {5, 6, 1.5});
        const double escV = EscalaVertical(4000, r.maxMomento);
        const auto v = ValoresCurva(l, escH, escV, r, 3, Magnitud::kMomento);
        // Ends of spans 1 and 2 and their largest moments; the moment over each support is
        // written once, centred; the cantilever's tip reads 0.00 and is left out.
        QCOMPARE(int(v.size()), 5);
        QCOMPARE(v[0].valor, double(r.diagramas[0].momento.front()));
        QCOMPARE(v[0].lado, +1);
        QCOMPARE(v[1].lado, 0);
        QCOMPARE(v[3].lado, 0);
        QCOMPARE(v[3].valor, double(r.diagramas[1].momento.back()));
        QCOMPARE(v[2].valor, double(r.momMaxVano[0]));
        QCOMPARE(v[4].valor, double(r.momMaxVano[1]));
        QVERIFY(std::fabs(v[2].ancla.x() - (900 + escH * r.posMomMax[0])) < 1);
        // Shears jump at a support: both sides are written, left and right of the node.
        const auto c =
            ValoresCurva(l, escH, EscalaVertical(4000, r.maxCortante), r, 3, Magnitud::kCortante);
        QCOMPARE(int(c.size()), 5);
        QCOMPARE(c[1].lado, -1);
        QCOMPARE(c[2].lado, +1);
        QCOMPARE(c[1].valor, double(r.diagramas[0].cortante.back()));
        QVERIFY(v[2].ancla.y() > 2000);  // sagging hangs below
    }

    void labelsAvoidCurveAxisAndEachOther() {
        const Resultados r = ResultadosEjemplo();
        for (QSizeF sup : {QSizeF(9500, 3000), QSizeF(4000, 1600)}) {
            const LineaBase l = LineasDibuja(sup, 3, Superficie::kMomentos);
            const double escH = EscalaHorizontal(l, {5, 6, 1.5});
            const double escV = EscalaVertical(sup.height(), r.maxMomento);
            for (Magnitud m : {Magnitud::kCortante, Magnitud::kMomento}) {
                const QPolygonF curva = PuntosCurva(l, escH, escV, r.diagramas, 3, m);
                const auto v = ValoresCurva(l, escH, escV, r, 3, m);
                const std::vector<QSizeF> t(v.size(), QSizeF(450, 170));
                const QRectF lim(QPointF(0, 0), sup);
                const auto cajas = ColocaEtiquetas(v, t, {curva}, l, lim);
                QCOMPARE(cajas.size(), v.size());
                for (size_t i = 0; i < cajas.size(); ++i) {
                    QVERIFY(lim.contains(cajas[i]));
                    for (size_t j = i + 1; j < cajas.size(); ++j)
                        QVERIFY(!cajas[i].intersects(cajas[j]));
                    if (sup.width() >
                        9000)  // on a full-size surface every value finds a clear place
                        for (int k = 0; k + 1 < curva.size(); ++k)
                            QVERIFY(!SegmentoTocaRectangulo(curva[k], curva[k + 1], cajas[i]));
                }
            }
        }
    }

    void segmentAgainstRectangle_data() {
        QTest::addColumn<QPointF>("a");
        QTest::addColumn<QPointF>("b");
        QTest::addColumn<bool>("toca");
        // Rectangle 10..20 x 10..20.
        QTest::newRow("crosses") << QPointF(0, 15) << QPointF(30, 15) << true;
        QTest::newRow("inside") << QPointF(12, 12) << QPointF(13, 13) << true;
        QTest::newRow("misses above") << QPointF(0, 5) << QPointF(30, 5) << false;
        QTest::newRow("diagonal past the corner") << QPointF(0, 15) << QPointF(15, 0) << false;
        QTest::newRow("diagonal through it") << QPointF(0, 25) << QPointF(25, 0) << true;
        QTest::newRow("touches an edge") << QPointF(20, 0) << QPointF(20, 30) << true;
        QTest::newRow("vertical, left of it") << QPointF(5, 0) << QPointF(5, 30) << false;
    }
    void segmentAgainstRectangle() {
        QFETCH(QPointF, a);
        QFETCH(QPointF, b);
        QFETCH(bool, toca);
        QCOMPARE(SegmentoTocaRectangulo(a, b, QRectF(10, 10, 10, 10)), toca);
    }

    // --- Tables --------------------------------------------------------------------------

    void tablesHaveOneRowPerNodeAndSpan_data() {
        QTest::addColumn<int>("vanos");
        QTest::newRow("1 span") << 1;
        QTest::newRow("3 spans") << 3;
        QTest::newRow("20 spans") << 20;
    }
    void tablesHaveOneRowPerNodeAndSpan() {
        QFETCH(int, vanos);
        Resultad w;
        w.Muestra(ProyectoDe(std::vector<VanoPrueba>(size_t(vanos), {4, 2, {}}), 0, 0, {}),
                  ResultadosSimples(vanos));
        QCOMPARE(w.Modelo(TablaResultados::kReacciones)->rowCount(), vanos + 1);
        QCOMPARE(w.Modelo(TablaResultados::kCortantes)->rowCount(), vanos);
        QCOMPARE(w.Modelo(TablaResultados::kMomentos)->rowCount(), vanos);
        QCOMPARE(w.Pestanas()->currentIndex(), 0);
    }

    void tableTextsAndFormats() {
        Resultad w;
        Resultados r = ResultadosEjemplo();
        w.Muestra(ProyectoEjemplo(), r);
        auto* reac = w.Modelo(TablaResultados::kReacciones);
        QCOMPARE(reac->Texto(0, 0), QString("1"));
        QCOMPARE(reac->Texto(3, 1), QString("0.000"));  // the free cantilever tip
        QCOMPARE(reac->Texto(3, 2), QString("0.000"));
        QCOMPARE(reac->Texto(1, 2), QString("0.000"));  // no moment at an interior support
        QCOMPARE(reac->Texto(0, 2),
                 QString::fromStdString(Formatea(float(r.fuerzasExtremo[0].momentoI), "0.000")));
        auto* mom = w.Modelo(TablaResultados::kMomentos);
        QCOMPARE(mom->headerData(3, Qt::Horizontal).toString(), QString("Momento Max Vano"));
        QCOMPARE(mom->Texto(1, 3), QString::fromStdString(Formatea(r.momMaxVano[1], "0.000")));
        auto* tr = w.Modelo(TablaResultados::kRefuerzoTransversal);
        QCOMPARE(tr->Texto(0, 3), QString("2.84"));
        QCOMPARE(tr->Texto(0, 4), QString("ø3/8 a 0.175"));
        QCOMPARE(tr->flags(tr->index(0, 0)) & Qt::ItemIsEditable, Qt::ItemFlags());

        // Single precision, as the run stores them: 1.0005 shows as 1.000, not 1.001.
        ModeloTablaResultados m({{"A", "0.000"}, {"B", "0.00"}, {"C", ""}});
        m.Llena({{1.0005, -0.004, QString("x")}, {2.0}});
        QCOMPARE(m.Texto(0, 0), QString("1.000"));
        QCOMPARE(m.Texto(0, 1), QString("0.00"));  // never "-0.00"
        QCOMPARE(m.Texto(1, 2), QString());        // short row
    }

    void tableDefinitions() {
        const struct {
            TablaResultados t;
            const char* marco;
            const char* leyenda;
            QStringList columnas;
        } casos[] = {
            {TablaResultados::kReacciones,
             "REACCIONES",
             "Reacciones en To y Momentos en To-m",
             {"Apoyo", "Reaccion", "Momento"}},
            {TablaResultados::kCortantes,
             "Cortantes en los extremos de los vanos",
             "Cortantes en To",
             {"Vano", "Cortante Izq", "Cortante Der"}},
            {TablaResultados::kMomentos,
             "Momentos en los extremos y centros de los vanos",
             "Momentos en To-m",
             {"Vano", "Momento Izq", "Momento Der", "Momento Max Vano"}},
            {TablaResultados::kRefuerzoApoyos,
             "REFUERZO EN APOYOS",
             "Momentos en To-m y areas en cm2",
             {"Apoyo", "Momento", "Area Ref Superior", "Area Ref Inferior"}},
            {TablaResultados::kRefuerzoVanos,
             "REFUERZO EN VANOS",
             "Momentos en To-m y areas en cm2",
             {"Vano", "Momento", "Area Ref Superior", "Area Ref Inferior"}},
            {TablaResultados::kRefuerzoTransversal,
             "REFUERZO TRANSVERSAL",
             "Cortantes en To y areas en cm2/m",
             {"Vano", "Cortante I", "Cortante J", "Area/m", "Estribos"}},
        };
        for (const auto& c : casos) {
            const DefinicionTabla d = DefineTabla(c.t);
            QCOMPARE(d.marco, QString(c.marco));
            QCOMPARE(d.leyenda, QString(c.leyenda));
            QStringList titulos;
            for (const auto& col : d.columnas) titulos << col.titulo;
            QCOMPARE(titulos, c.columnas);
        }
    }

    void modelsPassTheTester() {
        Resultad w;
        for (int t = 0; t < 6; ++t) {
            QAbstractItemModelTester prueba(w.Modelo(static_cast<TablaResultados>(t)),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
            w.Muestra(ProyectoEjemplo(), ResultadosEjemplo());
            w.Muestra(ProyectoDe({{4, 2, {}}}, 0, 0, {}), ResultadosSimples(1));
            w.VaciaRefuerzo();
        }
    }

    void newDesignLeavesNoStaleReinforcementRows() {
        Resultad w;
        w.Muestra(ProyectoEjemplo(), ResultadosEjemplo());
        QCOMPARE(w.Modelo(TablaResultados::kRefuerzoApoyos)->rowCount(), 4);
        QCOMPARE(w.Modelo(TablaResultados::kRefuerzoTransversal)->rowCount(), 3);
        w.Muestra(ProyectoDe({{4, 2, {}}, {4, 2, {}}}, 0, 0, {1}), ResultadosSimples(2));
        QCOMPARE(w.Modelo(TablaResultados::kRefuerzoApoyos)->rowCount(), 3);
        QCOMPARE(w.Modelo(TablaResultados::kRefuerzoVanos)->rowCount(), 2);
        QCOMPARE(w.Modelo(TablaResultados::kRefuerzoTransversal)->rowCount(), 2);
        Resultados solo = ResultadosSimples(2);  // analysis only: no design rows
        solo.soloAnalisis = true;
        solo.refuerzoApoyos.clear();
        solo.refuerzoVanos.clear();
        solo.refuerzoTransversal.clear();
        w.Muestra(ProyectoDe({{4, 2, {}}, {4, 2, {}}}, 0, 0, {1}), solo);
        for (auto t : {TablaResultados::kRefuerzoApoyos, TablaResultados::kRefuerzoVanos,
                       TablaResultados::kRefuerzoTransversal})
            QCOMPARE(w.Modelo(t)->rowCount(), 0);
        QCOMPARE(w.Modelo(TablaResultados::kReacciones)->rowCount(), 3);
    }

    void incompleteAnalysisShowsNoAnalysisRows() {
        Resultad w;
        Resultados r = ResultadosSimples(3);
        r.analisisCompleto = false;
        w.Muestra(ProyectoDe(std::vector<VanoPrueba>(3, {4, 2, {}}), 0, 0, {}), r);
        QCOMPARE(w.Modelo(TablaResultados::kReacciones)->rowCount(), 0);
        QCOMPARE(w.Modelo(TablaResultados::kMomentos)->rowCount(), 0);
    }

    void copyAsTabSeparatedText() {
        ModeloTablaResultados m({{"A", "0"}, {"B", "0.00"}, {"C", ""}});
        m.Llena({{1.0, 2.5, QString("a")}, {2.0, -1.0, QString("b")}});
        QCOMPARE(TextoTabulado(m, {m.index(0, 0), m.index(0, 1), m.index(1, 0), m.index(1, 1)}),
                 QString("1\t2.50\n2\t-1.00\n"));
        QCOMPARE(TextoTabulado(m, {m.index(1, 2), m.index(0, 0)}), QString("1\t\t\n\t\tb\n"));
        QCOMPARE(TextoTabulado(m, {}), QString());

        VistaTablaResultados v;
        v.setModel(&m);
        v.selectAll();
        QApplication::clipboard()->clear();
        QTest::keyClick(&v, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("1\t2.50\ta\n2\t-1.00\tb\n"));
    }

    void captionsWrapInsteadOfBeingCut_data() {
        QTest::addColumn<QSize>("tamano");
        QTest::addColumn<bool>("unaLinea");  // wide enough for every caption on one line
        QTest::newRow("800x600") << QSize(800, 600) << false;
        QTest::newRow("1280x800") << QSize(1280, 800) << true;
    }
    void captionsWrapInsteadOfBeingCut() {
        QFETCH(QSize, tamano);
        QFETCH(bool, unaLinea);
        Resultad w;
        w.resize(tamano);
        w.Muestra(ProyectoEjemplo(), ResultadosEjemplo());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Pestanas()->setCurrentIndex(Resultad::kPaginaRefuerzo);
        QApplication::processEvents();
        for (auto nombre : {"SSDBGrid3", "SSDBGrid4", "SSDBGrid5"}) {
            auto* vista = w.findChild<VistaTablaResultados*>(nombre);
            QVERIFY2(vista, nombre);
            QHeaderView* h = vista->horizontalHeader();
            const QFontMetrics fm = h->fontMetrics();
            const int margen = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
            const int relleno = h->sizeHint().height() - fm.height();  // padding of one line
            for (int c = 0; c < h->count(); ++c) {
                const QString titulo = vista->model()->headerData(c, Qt::Horizontal).toString();
                const int ancho = h->sectionSize(c) - margen;
                // Every word fits across its column ...
                for (const QString& palabra : titulo.split(' '))
                    QVERIFY2(fm.horizontalAdvance(palabra) <= ancho, qPrintable(titulo));
                // ... and every line of the wrapped caption fits down the caption row.
                const QRect r = fm.boundingRect(QRect(0, 0, ancho, 10000),
                                                Qt::AlignCenter | Qt::TextWordWrap, titulo);
                QVERIFY2(r.height() + relleno <= h->height(), qPrintable(titulo));
            }
            // A wide window keeps the caption row one line high.
            if (unaLinea) QCOMPARE(h->height(), h->sizeHint().height());
        }
    }

    // --- The window ----------------------------------------------------------------------

    void tabsAndNames() {
        Resultad w;
        QCOMPARE(w.objectName(), QString("Resultad"));
        QCOMPARE(w.windowTitle(), QString("Resultados"));
        QStringList tabs;
        for (int i = 0; i < w.Pestanas()->count(); ++i) tabs << w.Pestanas()->tabText(i);
        QCOMPARE(tabs, QStringList({"Reacciones", "Cortantes", "Momentos", "Refuerzo"}));
        QStringList textos;
        for (auto* l : w.findChildren<QLabel*>()) textos << l->text();
        QVERIFY(textos.contains("C  O  R  T  A  N  T  E"));
        QVERIFY(textos.contains("M  O  M  E  N  T  O"));
        for (auto nombre : {"SSDBGrid3", "SSDBGrid4", "SSDBGrid5", "Label9", "Label10"})
            QVERIFY2(w.findChild<QWidget*>(nombre), nombre);
    }

    void switchingToReinforcementAndBackRedraws() {
        Resultad w;
        w.Muestra(ProyectoEjemplo(), ResultadosEjemplo());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Pestanas()->setCurrentIndex(Resultad::kPaginaCortantes);
        QTRY_VERIFY(w.SuperficieDe(Superficie::kCortantes)->Dibujos() > 0);
        w.Pestanas()->setCurrentIndex(Resultad::kPaginaRefuerzo);
        QApplication::processEvents();
        const int antes = w.SuperficieDe(Superficie::kCortantes)->Dibujos();
        w.Pestanas()->setCurrentIndex(Resultad::kPaginaCortantes);
        QTRY_VERIFY(w.SuperficieDe(Superficie::kCortantes)->Dibujos() > antes);
    }

    void probeLabelShowsAndHides() {
        Resultad w;
        w.Muestra(ProyectoEjemplo(), ResultadosEjemplo());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Pestanas()->setCurrentIndex(Resultad::kPaginaCortantes);
        auto* sup = w.SuperficieDe(Superficie::kCortantes);
        auto* etiqueta = w.findChild<QLabel*>("Label9");
        const auto g = sup->CalculaGeometria();
        const double k = SuperficieDiagrama::kUnidadesPorPixel;
        // Just right of the first node, a little below the axis: inside the positive band.
        const QPoint dentro(qRound(g.linea.x1 / k) + 2, qRound(g.linea.y / k) + 2);
        QTest::mouseClick(sup, Qt::LeftButton, {}, dentro);
        QVERIFY(etiqueta->isVisible());
        QVERIFY(etiqueta->text().startsWith(" V = "));
        QVERIFY(etiqueta->text().endsWith(" To "));

        QTest::mouseClick(sup, Qt::LeftButton, {},
                          QPoint(2, qRound(g.linea.y / k) + 2));  // left of the beam
        QVERIFY(!etiqueta->isVisible());

        QTest::mouseClick(sup, Qt::LeftButton, {}, dentro);
        QVERIFY(etiqueta->isVisible());
        w.Pestanas()->setCurrentIndex(Resultad::kPaginaMomentos);  // changing tab hides it
        QVERIFY(etiqueta->isHidden());

        auto* supM = w.SuperficieDe(Superficie::kMomentos);
        auto* etiquetaM = w.findChild<QLabel*>("Label10");
        QCOMPARE(etiquetaM, supM->EtiquetaSonda());
        QApplication::processEvents();
        const auto gm = supM->CalculaGeometria();
        const QPoint arriba(qRound(gm.linea.x1 / k) + 2,
                            qRound(gm.linea.y / k) - 3);  // hogging: above
        QTest::mouseClick(supM, Qt::LeftButton, {}, arriba);
        QVERIFY(etiquetaM->isVisible());
        QVERIFY(etiquetaM->text().endsWith(" To-m "));
        // A press on the tab strip hides the probe.
        QTest::mouseClick(w.Pestanas()->tabBar(), Qt::LeftButton, {},
                          w.Pestanas()->tabBar()->tabRect(Resultad::kPaginaMomentos).center());
        QVERIFY(etiquetaM->isHidden());
        QTest::mouseClick(supM, Qt::LeftButton, {}, arriba);
        QVERIFY(etiquetaM->isVisible());

        QSignalSpy regresa(&w, &Resultad::Regresa);
        QTest::mouseClick(w.findChild<QPushButton*>("BotonRegresa"), Qt::LeftButton);
        QCOMPARE(regresa.count(), 1);
        QVERIFY(etiquetaM->isHidden());
    }

    void withoutCurvesTheBeamIsStillDrawn() {
        // No analysis yet, then a run whose shears and moments are all zero.
        const Resultados sinCalculo;
        const Resultados ceros = ResultadosSimples(2, 4.0, 0.0);
        for (const Resultados* r : {&sinCalculo, &ceros}) {
            Resultad w;
            w.resize(800, 600);
            w.Muestra(ProyectoDe({{4, 0, {}}, {4, 0, {}}}, kApoyado, kApoyado, {1}), *r);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.Pestanas()->setCurrentIndex(Resultad::kPaginaCortantes);
            QApplication::processEvents();
            const QImage img = w.SuperficieDe(Superficie::kCortantes)->grab().toImage();
            QCOMPARE(CuentaColor(img, true), 0);  // no curve
            const auto g = w.SuperficieDe(Superficie::kCortantes)->CalculaGeometria();
            const double k = SuperficieDiagrama::kUnidadesPorPixel;
            const QPoint medio(qRound((3 * g.linea.x1 + g.linea.x2) / 4 / k),
                               qRound(g.linea.y / k));
            QVERIFY(img.pixelColor(medio).lightness() < 100);  // the beam axis
        }
    }

    void hoverReadoutFollowsTheMouse() {
        Resultad w;
        w.Muestra(ProyectoEjemplo(), ResultadosEjemplo());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Pestanas()->setCurrentIndex(Resultad::kPaginaCortantes);
        QApplication::processEvents();
        auto* sup = w.SuperficieDe(Superficie::kCortantes);
        const auto g = sup->CalculaGeometria();
        const double k = SuperficieDiagrama::kUnidadesPorPixel;
        const QPoint dentro(qRound(g.linea.x1 / k) + 2, qRound(g.linea.y / k) + 2);
        QTest::mouseMove(sup, dentro);
        QTRY_VERIFY(sup->EtiquetaLectura()->isVisible());
        sup->Sondea(dentro);  // the readout gives what a press gives
        QCOMPARE(sup->EtiquetaLectura()->text(), sup->EtiquetaSonda()->text());
        QTest::mouseMove(sup, QPoint(2, 2));  // off the beam
        QTRY_VERIFY(sup->EtiquetaLectura()->isHidden());
    }

    // Renders the four tabs of the example; the pictures go to $TRABELUX_CAPTURAS if set.
    void picturesOfTheTabs_data() {
        QTest::addColumn<QSize>("tamano");
        QTest::newRow("1000x700") << QSize(1000, 700);
        QTest::newRow("small") << QSize(560, 420);
    }
    void picturesOfTheTabs() {
        QFETCH(QSize, tamano);
        Resultad w;
        w.resize(tamano);
        w.Muestra(ProyectoEjemplo(), ResultadosEjemplo());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QString carpeta = qEnvironmentVariable("TRABELUX_CAPTURAS");
        const char* nombres[] = {"reacciones", "cortantes", "momentos", "refuerzo"};
        for (int i = 0; i < 4; ++i) {
            w.Pestanas()->setCurrentIndex(i);
            QApplication::processEvents();
            const QImage img = w.grab().toImage();
            if (i == 1) QVERIFY(CuentaColor(img, true) > 200);  // the shear curve is drawn
            if (i == 2 || i == 0) QVERIFY(CuentaColor(img, false) > 100);  // moment curve, arrows
            if (!carpeta.isEmpty()) {
                const QString sufijo = tamano.width() == 1000 ? "" : "-pequena";
                QVERIFY(img.save(QDir(carpeta).filePath(
                    QString("resultados-%1%2.png").arg(nombres[i], sufijo))));
            }
        }
    }
};

QTEST_MAIN(PruebaResultados)
#include "resultados_test.moc"
