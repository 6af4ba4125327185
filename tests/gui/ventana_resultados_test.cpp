// Tests of the results window: the tables after each kind of run, the probe, copying,
// redrawing, and the curves on the tabs. The drawings' geometry is tested in the core.
#include "gui/resultados/ventana_resultados.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cmath>

#include "apoyo_pruebas.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/dibujo/geometria_diagramas.h"
#include "core/reporte/tablas_resultados.h"
#include "core/servicio/deflexiones.h"
#include "gui/resultados/vista_tabla_resultados.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using pruebas::TresVanos;

namespace {

// A run of `p`: analysis and design, or the analysis only.
Resultados Calculo(const Proyecto& p, bool soloAnalisis = false) {
    return Calcula(p, {soloAnalisis, {}, {}});
}

// n simply supported spans of length l.
Proyecto Simples(int n, double l = 4.0) {
    Proyecto p = ProyectoNuevo();
    p.numVanos = n;
    p.vanos.assign(size_t(n), p.vanos[0]);
    for (Vano& v : p.vanos) v.longitud = l;
    p.apoyoIzquierdo = p.apoyoDerecho = CondicionExtremo::kApoyado;
    p.apoyosInteriores.assign(size_t(n - 1), 1);
    return p;
}

// Results of n independent 4 m spans under w (V = 2w - wx, M = 2wx - wx^2/2 in each): the
// core's analysis of one simply supported span, copied n times.
Resultados ResultadosSimples(int n, double w) {
    Proyecto uno = Simples(1);
    uno.vanos[0].cargaUltima = w;
    const Resultados s = Calculo(uno, true);
    Resultados r = s;
    r.numVanos = n;
    r.fuerzasExtremo.assign(size_t(n), s.fuerzasExtremo[0]);
    r.momMaxVano.assign(size_t(n), s.momMaxVano[0]);
    r.posMomMax.assign(size_t(n), s.posMomMax[0]);
    r.diagramas.assign(size_t(n), s.diagramas[0]);
    r.reacciones.assign(2 * size_t(n + 1), 0.f);
    for (int j = 0; j <= n; ++j)
        r.reacciones[2 * size_t(j)] = (j == 0 || j == n ? 1 : 2) * s.reacciones[0];
    return r;
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

// The window shown at a size with a run, on page `pagina`.
void Muestra(VentanaResultados& w, const Proyecto& p, const Resultados& r, QSize tamano,
             VentanaResultados::Pagina pagina = VentanaResultados::Pagina::kReacciones) {
    w.resize(tamano);
    w.Muestra(p, r);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) qFatal("the results window was never exposed");
    w.MuestraPagina(pagina);
    QApplication::processEvents();
}

}  // namespace

class PruebaResultados : public QObject {
    Q_OBJECT
    const Proyecto tres = TresVanos();  // the three-span example
  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    // Single precision, as the run stores them: 1.0005 shows as 1.000, not 1.001; never
    // "-0.00"; a short row leaves its last cells empty.
    void tableTextsAndModels() {
        ModeloTablaResultados m({{"A", "0.000"}, {"B", "0.00"}, {"C", ""}});
        m.Llena({{1.0005, -0.004, QString("x")}, {2.0}});
        QCOMPARE((QStringList{m.Texto(0, 0), m.Texto(0, 1), m.Texto(1, 2)}),
                 (QStringList{"1.000", "0.00", ""}));
        QCOMPARE(m.flags(m.index(0, 0)) & Qt::ItemIsEditable, Qt::ItemFlags());
        VentanaResultados w;
        for (int t = 0; t < 6; ++t) {
            const auto probador = pruebas::Probador(w.Modelo(static_cast<TablaResultados>(t)));
            w.Muestra(tres, Calculo(tres));
            w.Muestra(Simples(1), ResultadosSimples(1, 2));
            w.VaciaRefuerzo();
        }
    }

    // A new run leaves no rows of the last one; after "Analisis Solo" the reinforcement
    // tab says that no design was run instead of showing empty tables; a run that did not
    // finish its analysis shows no analysis rows.
    void newRunLeavesNoStaleRows() {
        VentanaResultados w;
        w.Muestra(tres, Calculo(tres));
        auto* sinDiseno = w.findChild<QLabel*>("SinDiseno");
        QVERIFY(sinDiseno && !sinDiseno->isVisibleTo(&w));
        const Proyecto dos = Simples(2);
        const Resultados disenado = Calculo(dos);
        w.Muestra(dos, disenado);
        QCOMPARE(w.Modelo(TablaResultados::kRefuerzoTransversal)->rowCount(),
                 int(disenado.refuerzoTransversal.size()));
        w.Muestra(dos, Calculo(dos, true));
        QCOMPARE(w.Modelo(TablaResultados::kReacciones)->rowCount(), 3);
        for (auto t : {TablaResultados::kRefuerzoApoyos, TablaResultados::kRefuerzoVanos,
                       TablaResultados::kRefuerzoTransversal})
            QCOMPARE(w.Modelo(t)->rowCount(), 0);
        w.MuestraPagina(VentanaResultados::Pagina::kRefuerzo);
        QVERIFY(sinDiseno->isVisibleTo(&w));
        QCOMPARE(sinDiseno->text(),
                 QString("No se hizo el diseño: el último cálculo fue \"Analisis Solo\"."));
        QVERIFY(!w.findChild<QWidget*>("SSDBGrid3")->isVisibleTo(&w));
        w.Muestra(dos, disenado);
        w.MuestraPagina(VentanaResultados::Pagina::kRefuerzo);
        QVERIFY(!sinDiseno->isVisibleTo(&w));
        QVERIFY(w.findChild<QWidget*>("SSDBGrid3")->isVisibleTo(&w));
        Resultados incompleto = ResultadosSimples(2, 2);
        incompleto.etapa = EtapaCalculo::kSinCalcular;
        w.Muestra(dos, incompleto);
        QCOMPARE(w.Modelo(TablaResultados::kReacciones)->rowCount(), 0);
    }

    // The headings of the copied columns come first.
    void copyAsTabSeparatedText() {
        ModeloTablaResultados m({{"A", "0"}, {"B", "0.00"}, {"C", ""}});
        m.Llena({{1.0, 2.5, QString("a")}, {2.0, -1.0, QString("b")}});
        QCOMPARE(TextoTabulado(m, {m.index(1, 2), m.index(0, 0)}),
                 QString("A\tB\tC\n1\t\t\n\t\tb\n"));
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
        VentanaResultados w;
        Muestra(w, tres, Calculo(tres), tamano, VentanaResultados::Pagina::kRefuerzo);
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
            if (unaLinea) QCOMPARE(h->height(), h->sizeHint().height());
        }
    }

    // The curves are drawn on their tabs, and drawn again on coming back to a tab.
    void curvesAreDrawnAndRedrawn() {
        VentanaResultados w;
        Muestra(w, tres, Calculo(tres), QSize(1000, 700), VentanaResultados::Pagina::kCortantes);
        auto* cortantes = w.SuperficieDe(Superficie::kCortantes);
        QTRY_VERIFY(cortantes->Dibujos() > 0);
        QVERIFY(CuentaColor(w.grab().toImage(), true) > 200);
        w.MuestraPagina(VentanaResultados::Pagina::kRefuerzo);
        QApplication::processEvents();
        const int antes = cortantes->Dibujos();
        w.MuestraPagina(VentanaResultados::Pagina::kMomentos);
        QApplication::processEvents();
        QVERIFY(CuentaColor(w.grab().toImage(), false) > 100);
        w.MuestraPagina(VentanaResultados::Pagina::kCortantes);
        QTRY_VERIFY(cortantes->Dibujos() > antes);
    }

    // No analysis yet, or a run whose shears are all zero: no curve, but the beam.
    void withoutCurvesTheBeamIsStillDrawn() {
        const Resultados sinCalculo;
        const Resultados ceros = ResultadosSimples(2, 0.0);
        for (const Resultados* r : {&sinCalculo, &ceros}) {
            VentanaResultados w;
            Muestra(w, Simples(2), *r, QSize(800, 600), VentanaResultados::Pagina::kCortantes);
            const QImage img = w.SuperficieDe(Superficie::kCortantes)->grab().toImage();
            QCOMPARE(CuentaColor(img, true), 0);
            const auto g = w.SuperficieDe(Superficie::kCortantes)->CalculaGeometria();
            const double k = VistaDiagrama::kUnidadesPorPixel;
            const QPoint medio(qRound((3 * g.linea.x1 + g.linea.x2) / 4 / k),
                               qRound(g.linea.y / k));
            QVERIFY(img.pixelColor(medio).lightness() < 100);  // the beam axis
        }
    }

    // Two simply supported 4 m spans under 2 t/m: V = 4 - 2x, M = 4x - x^2 in each span.
    // The mouse over a station of span 2, or a press there, names span and abscissa in the
    // probe's one label; the mouse or a press off the beam, another tab, a press on the tab
    // strip or "Regresar" hide it.
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
        VentanaResultados w;
        Muestra(w, Simples(2), ResultadosSimples(2, 2), QSize(1000, 700),
                static_cast<VentanaResultados::Pagina>(superficie));
        auto* sup = w.SuperficieDe(static_cast<Superficie>(superficie));
        const auto g = sup->CalculaGeometria();
        const double k = VistaDiagrama::kUnidadesPorPixel;
        // The pixel at or just left of the station: the probe takes the station to its right.
        const QPoint punto(int(std::floor((g.linea.x1 + (4.0 + x) * g.escH) / k)),
                           qRound((g.linea.y + g.escV * valor / 2) / k));
        QLabel* sonda = sup->EtiquetaSonda();
        const auto visibles = [sup] {
            int n = 0;
            for (QLabel* l : sup->findChildren<QLabel*>()) n += l->isVisible();
            return n;
        };
        QTest::mouseMove(sup, punto);
        QTRY_VERIFY(sonda->isVisible());
        QCOMPARE(sonda->text(), texto);
        QTest::mouseClick(sup, Qt::LeftButton, {}, punto);
        QCOMPARE(sonda->text(), texto);
        QCOMPARE(visibles(), 1);
        QTest::mouseMove(sup, QPoint(2, 2));  // off the beam
        QTRY_VERIFY(sonda->isHidden());
        QTest::mouseClick(sup, Qt::LeftButton, {}, QPoint(2, punto.y()));
        QVERIFY(sonda->isHidden());
        QTest::mouseClick(sup, Qt::LeftButton, {}, punto);
        w.MuestraPagina(VentanaResultados::Pagina::kReacciones);
        QVERIFY(sonda->isHidden());
        w.Pestanas()->setCurrentIndex(superficie);
        QTest::mouseClick(sup, Qt::LeftButton, {}, punto);
        QTest::mouseClick(w.Pestanas()->tabBar(), Qt::LeftButton, {},
                          w.Pestanas()->tabBar()->tabRect(superficie).center());
        QVERIFY(sonda->isHidden());
        QTest::mouseClick(sup, Qt::LeftButton, {}, punto);
        QVERIFY(sonda->isVisible());
        QSignalSpy regresa(&w, &VentanaResultados::Regresa);
        QTest::mouseClick(w.findChild<QPushButton*>("BotonRegresa"), Qt::LeftButton);
        QCOMPARE(regresa.count(), 1);
        QVERIFY(sonda->isHidden());
    }

    // With the code's cases on the 5-6-5 m beam (D 2.0, L 1.2): the probe reads both
    // envelopes and their cases, and the extreme reactions have their table.
    void envelopesProbeAndTables() {
        Proyecto p = Simples(3, 5.0);
        p.vanos[1].longitud = 6.0;
        p.datos.fc = "210";
        p.datos.calculaPesoPropio = false;
        p.datos.alternancia = AlternanciaCargaViva::kCasosNorma;
        for (Vano& v : p.vanos) {
            v.base = 25, v.altura = 50, v.inercia = 25.0 * 50 * 50 * 50 / 12e8;
            v.cargaMuerta = 2.0, v.cargaViva = 1.2, v.cargaUltima = 1.4 * 2.0 + 1.7 * 1.2;
        }
        VentanaResultados w;
        Muestra(w, p, Calculo(p), QSize(1000, 700), VentanaResultados::Pagina::kMomentos);
        QCOMPARE(w.Modelo(TablaResultados::kReaccionesExtremas)->rowCount(), 4);
        QCOMPARE(w.Modelo(TablaResultados::kEnvolventesVano)->rowCount(), 3);
        QVERIFY(w.findChild<QWidget*>("TablaEnvolventesVano")->isVisibleTo(&w));
        auto* sup = w.SuperficieDe(Superficie::kMomentos);
        const auto g = sup->CalculaGeometria();
        const double k = VistaDiagrama::kUnidadesPorPixel;
        const QPoint punto(int(std::floor((g.linea.x1 + (5.0 + 3.0) * g.escH) / k)),
                           qRound((g.linea.y + g.escV * 4.0) / k));
        QTest::mouseMove(sup, punto);
        QTRY_VERIFY(sup->EtiquetaSonda()->isVisible());
        QCOMPARE(sup->EtiquetaSonda()->text(),
                 QString("Vano 2, x = 3.00 m: M máx = 9.32 (caso: vanos pares), M mín = 1.80 "
                         "(caso: vanos impares)"));
        p.datos.alternancia = AlternanciaCargaViva::kNinguna;
        w.Muestra(p, Calculo(p));
        QVERIFY(!w.findChild<QWidget*>("TablaEnvolventesVano")->isVisibleTo(&w));
        // A node without support sags: its row is marked and the note says what it means.
        p.apoyosInteriores = {0, 1};
        for (Vano& v : p.vanos) v.cargaUltima = 1.0;
        w.Muestra(p, Calculo(p));
        QCOMPARE(w.Modelo(TablaResultados::kRefuerzoApoyos)->Texto(0, 0), QString("2 (+)"));
        QVERIFY(!w.findChild<QLabel*>("NotaCaraTraccion")->isHidden());
    }

    // The deflections' tab: a span over its limit is red; with the total load the tab
    // says why there are none.
    void deflectionsTab() {
        Proyecto p = Simples(1, 6.0);
        p.datos.fc = "210";
        p.datos.fy = "4200";
        p.datos.recub = "6";
        p.datos.calculaPesoPropio = false;
        p.vanos[0].base = 25, p.vanos[0].altura = 50;
        p.vanos[0].inercia = 25.0 * 50 * 50 * 50 / 12e8;
        p.vanos[0].cargaMuerta = 1.5, p.vanos[0].cargaViva = 0.8;
        p.vanos[0].cargaUltima = 1.4 * 1.5 + 1.7 * 0.8;
        const Resultados r = Calculo(p);
        TablaDetallado t;
        CargaDetallado(t, p, r);
        VentanaResultados w;
        Muestra(w, p, r, QSize(1000, 700));
        const Deflexiones flechas = CalculaDeflexiones(p, LeeDatosNumericos(p.datos), r, t);
        w.LlenaDeflexiones(flechas);
        QCOMPARE(w.Pestanas()->tabText(int(VentanaResultados::Pagina::kDeflexiones)),
                 QString("Deflexiones"));
        w.MuestraPagina(VentanaResultados::Pagina::kDeflexiones);
        VistaTablaResultados* tabla = w.PaginaDeDeflexiones()->Tabla();
        QCOMPARE(tabla->model()->rowCount(), 1);
        const QModelIndex veredicto = tabla->model()->index(0, 7);
        QCOMPARE(veredicto.data().toString(), QString("No cumple"));
        QCOMPARE(veredicto.data(Qt::ForegroundRole).value<QColor>(), QColor(200, 0, 0));
        // Ctrl+C copies as the other grids do: the headings, then the cells as the report
        // prints them.
        tabla->selectAll();
        QApplication::clipboard()->clear();
        QTest::keyClick(tabla, Qt::Key_C, Qt::ControlModifier);
        const TablaTexto impresa = TablaDeflexiones(flechas);
        QStringList fila;
        for (const std::string& celda : impresa.filas[0]) fila << QString::fromStdString(celda);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString::fromUtf8("Vano\tIe/Ig\tΔD\tΔL\tLím. ΔL\tΔ diferida\tLím. Δ "
                                   "diferida\tVerifica\n") +
                     fila.join('\t') + '\n');
        // Ctrl+PgUp from inside the grid goes to the tab before it (the grid keeps Ctrl+Tab).
        QTest::keyClick(tabla, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(w.Pestanas()->currentIndex(), int(VentanaResultados::Pagina::kRefuerzo));
        w.MuestraPagina(VentanaResultados::Pagina::kDeflexiones);
        // The probe at mid-span reads the largest value, as the table rounds it.
        auto* vista = w.findChild<VistaDeflexiones*>("DibujoDeflexiones");
        const QString mitad = vista->LecturaEn(vista->width() / 2.0);
        QVERIFY2(mitad.startsWith(QString::fromUtf8("Vano 1, x = 3.00 m: Δ = ")),
                 qPrintable(mitad));
        QCOMPARE(mitad.section(' ', -2, -2), QString::number(flechas.vanos[0].deltaDL, 'f', 2));
        p.datos.usaCargaTotal = true;
        w.LlenaDeflexiones(CalculaDeflexiones(p, LeeDatosNumericos(p.datos), r, t));
        auto* motivo = w.findChild<QLabel*>("MotivoDeflexiones");
        QVERIFY(motivo->isVisibleTo(&w));
        QVERIFY(motivo->text().contains("Usa carga ultima total"));
    }
};

QTEST_MAIN(PruebaResultados)
#include "ventana_resultados_test.moc"
