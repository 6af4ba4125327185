// Tests of the results window: the six tables, the probe, copying, redrawing, and pictures
// of the tabs for a three-span example. The drawings' geometry is tested in the core.
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
#include "dibujo/geometria_diagramas.h"
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
    r.estado = EstadoCalculo::kDisenado;
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
// cantilever with a 2 t load near its tip; 3 t/m everywhere. The node moments solve the
// three-moment equations (the cantilever's is -(3 x 1.5^2 / 2 + 2 x 1.2)).
const std::vector<VanoPrueba> kVanosEjemplo = {
    {5.0, 3.0, {}}, {6.0, 3.0, {{2.5, 8.0}}}, {1.5, 3.0, {{1.2, 2.0}}}};

Resultados ResultadosEjemplo() {
    return ResultadosDeMomentos(kVanosEjemplo, {-2.0658119658, -14.6183760684, -5.775, 0.0},
                                {true, true, true, false}, true);
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

    // --- Tables --------------------------------------------------------------------------

    void tablesHaveOneRowPerNodeAndSpan_data() {
        pruebas::Columnas<int>("vanos");
        pruebas::Fila("1 span", 1);
        pruebas::Fila("20 spans", 20);
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
        solo.estado = EstadoCalculo::kAnalizado;
        solo.refuerzoApoyos.clear();
        solo.refuerzoVanos.clear();
        solo.refuerzoTransversal.clear();
        // The reinforcement tab says that no design was run instead of showing empty tables.
        auto* sinDiseno = w.findChild<QLabel*>("SinDiseno");
        QVERIFY(sinDiseno && !sinDiseno->isVisibleTo(&w));
        w.Muestra(ProyectoDe({{4, 2, {}}, {4, 2, {}}}, 0, 0, {1}), solo);
        for (auto t : {TablaResultados::kRefuerzoApoyos, TablaResultados::kRefuerzoVanos,
                       TablaResultados::kRefuerzoTransversal})
            QCOMPARE(w.Modelo(t)->rowCount(), 0);
        QCOMPARE(w.Modelo(TablaResultados::kReacciones)->rowCount(), 3);
        w.Pestanas()->setCurrentIndex(Resultad::kPaginaRefuerzo);
        QVERIFY(sinDiseno->isVisibleTo(&w));
        QCOMPARE(sinDiseno->text(),
                 QString("No se hizo el diseño: el último cálculo fue \"Analisis Solo\"."));
        for (auto nombre : {"SSDBGrid3", "SSDBGrid4", "SSDBGrid5"})
            QVERIFY(!w.findChild<QWidget*>(nombre)->isVisibleTo(&w));
        w.Muestra(ProyectoDe({{4, 2, {}}, {4, 2, {}}}, 0, 0, {1}), ResultadosSimples(2));
        w.Pestanas()->setCurrentIndex(Resultad::kPaginaRefuerzo);
        QVERIFY(!sinDiseno->isVisibleTo(&w));
        QVERIFY(w.findChild<QWidget*>("SSDBGrid3")->isVisibleTo(&w));
    }

    void incompleteAnalysisShowsNoAnalysisRows() {
        Resultad w;
        Resultados r = ResultadosSimples(3);
        r.estado = EstadoCalculo::kSinCalcular;
        w.Muestra(ProyectoDe(std::vector<VanoPrueba>(3, {4, 2, {}}), 0, 0, {}), r);
        QCOMPARE(w.Modelo(TablaResultados::kReacciones)->rowCount(), 0);
        QCOMPARE(w.Modelo(TablaResultados::kMomentos)->rowCount(), 0);
    }

    void copyAsTabSeparatedText() {
        ModeloTablaResultados m({{"A", "0"}, {"B", "0.00"}, {"C", ""}});
        m.Llena({{1.0, 2.5, QString("a")}, {2.0, -1.0, QString("b")}});
        // The headings of the copied columns come first.
        QCOMPARE(TextoTabulado(m, {m.index(0, 0), m.index(0, 1), m.index(1, 0), m.index(1, 1)}),
                 QString("A\tB\n1\t2.50\n2\t-1.00\n"));
        QCOMPARE(TextoTabulado(m, {m.index(1, 2), m.index(0, 0)}),
                 QString("A\tB\tC\n1\t\t\n\t\tb\n"));
        QCOMPARE(TextoTabulado(m, {m.index(1, 1)}), QString("B\n-1.00\n"));
        QCOMPARE(TextoTabulado(m, {}), QString());

        VistaTablaResultados v;
        v.setModel(&m);
        v.selectAll();
        QApplication::clipboard()->clear();
        QTest::keyClick(&v, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("A\tB\tC\n1\t2.50\ta\n2\t-1.00\tb\n"));
    }

    void captionsWrapInsteadOfBeingCut_data() {
        pruebas::Columnas<QSize, bool>("tamano", "unaLinea");
        // "unaLinea": wide enough for every caption on one line
        pruebas::Fila("800x600", QSize(800, 600), false);
        pruebas::Fila("1280x800", QSize(1280, 800), true);
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
        QVERIFY(etiqueta->text().startsWith("Vano 1, x = "));
        QVERIFY(etiqueta->text().endsWith(" To"));

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
        QVERIFY(etiquetaM->text().endsWith(" To-m"));
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

    // Two simply supported 4 m spans under 2 t/m: V = 4 - 2x, M = 4x - x^2 in each span.
    // A press at a station of span 2 (and the mouse resting there) names span and abscissa.
    void probeNamesSpanAndAbscissa_data() {
        pruebas::Columnas<int, double, double, QString>("superficie", "x", "valor", "texto");
        pruebas::Fila("shear", int(Superficie::kCortantes), 1.0, 2.0,
                      "Vano 2, x = 1.00 m: V = 2.00 To");
        pruebas::Fila("moment", int(Superficie::kMomentos), 3.0, 3.0,
                      "Vano 2, x = 3.00 m: M = 3.00 To-m");
    }
    void probeNamesSpanAndAbscissa() {
        QFETCH(int, superficie);
        QFETCH(double, x);
        QFETCH(double, valor);
        QFETCH(QString, texto);
        Resultad w;
        w.resize(1000, 700);
        w.Muestra(ProyectoDe({{4, 2, {}}, {4, 2, {}}}, kApoyado, kApoyado, {1}),
                  ResultadosSimples(2));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Pestanas()->setCurrentIndex(superficie);
        QApplication::processEvents();
        auto* sup = w.SuperficieDe(static_cast<Superficie>(superficie));
        const auto g = sup->CalculaGeometria();
        const double k = SuperficieDiagrama::kUnidadesPorPixel;
        // The pixel at or just left of the station: the probe takes the station to its right.
        const QPoint punto(int(std::floor((g.linea.x1 + (4.0 + x) * g.escH) / k)),
                           qRound((g.linea.y + g.escV * valor / 2) / k));
        QTest::mouseClick(sup, Qt::LeftButton, {}, punto);
        QVERIFY(sup->EtiquetaSonda()->isVisible());
        QCOMPARE(sup->EtiquetaSonda()->text(), texto);
        QTest::mouseMove(sup, punto);
        QTRY_VERIFY(sup->EtiquetaLectura()->isVisible());
        QCOMPARE(sup->EtiquetaLectura()->text(), texto);
        QTest::mouseMove(sup, QPoint(2, 2));  // off the beam
        QTRY_VERIFY(sup->EtiquetaLectura()->isHidden());
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

    // Renders the four tabs of the example; the pictures go to $TRABELUX_CAPTURAS if set.
    void picturesOfTheTabs_data() {
        pruebas::Columnas<QSize>("tamano");
        pruebas::Fila("1000x700", QSize(1000, 700));
        pruebas::Fila("small", QSize(560, 420));
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
