// Time budgets of the desktop program: one cell edit of a 20-span beam (recompute the row
// and repaint the grid and the beam) within a 60 Hz frame, and the main window ready well
// within a second, the largest report regenerated within 150 ms. Prints the medians
// measured.
#include <QComboBox>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QTableView>
#include <QtTest>
#include <algorithm>

#include "../comun/viga_mayor.h"
#include "analisis/calcula.h"
#include "apoyo_pruebas.h"
#include "documento/documento.h"
#include "modelo/operaciones.h"
#include "principal/dibujo_viga.h"
#include "principal/polidur1.h"
#include "principal/tlux_mdi.h"
#include "reporte/vig_prev.h"

using namespace trabelux;

namespace {

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

class RendimientoTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void editarUnaCeldaDeVeinteVanos() {
        TluxMDI marco;
        marco.resize(1280, 800);
        marco.show();
        QVERIFY(QTest::qWaitForWindowExposed(&marco));
        Documento* doc = marco.Doc();
        doc->Modifica("veinte", [](Proyecto& p) {
            CambiaNumVanos(p, kMaxVanos, 4);
            for (int i = 0; i < kMaxVanos; ++i) p.cargas.push_back({i + 1, 2, 1.5});
            p.cargasNudo = {{3, -2, 1}, {9, 0, -2}};
        });
        auto* tabla = marco.Principal()->findChild<QTableView*>("DBGrid1");
        auto* vd = marco.Principal()->findChild<DibujoViga*>("VD");
        QVERIFY(tabla && vd);
        std::vector<double> ms;
        QElapsedTimer reloj;
        for (int k = 0; k < 60; ++k) {
            const int fila = k % kMaxVanos;
            reloj.start();
            QVERIFY(tabla->model()->setData(tabla->model()->index(fila, kColAltura),
                                            QString::number(40 + k % 7)));
            tabla->viewport()->repaint();
            vd->repaint();
            ms.push_back(reloj.nsecsElapsed() / 1e6);
        }
        QCOMPARE(vd->Geometria().xNudos.size(), size_t(kMaxVanos + 1));
        const double mediana = Mediana(ms);
        qInfo("cell edit of a 20-span beam, recompute and repaint: median %.3f ms", mediana);
        QVERIFY2(mediana < 16.0, qPrintable(QString::number(mediana)));
    }

    void ventanaPrincipalLista() {
        std::vector<double> ms;
        QElapsedTimer reloj;
        for (int k = 0; k < 5; ++k) {
            reloj.start();
            TluxMDI marco;
            marco.show();
            QVERIFY(QTest::qWaitForWindowExposed(&marco));
            QCoreApplication::processEvents();
            ms.push_back(reloj.nsecsElapsed() / 1e6);
        }
        const double mediana = Mediana(ms);
        qInfo("frame and main window built and shown: median %.1f ms", mediana);
        QVERIFY2(mediana < 1000.0, qPrintable(QString::number(mediana)));
    }

    // A set-up change of the largest report (20 spans of 20 loads, diagrams and bar
    // sections) until the preview has painted the new pages.
    void regenerarElInformeMayor() {
        Documento doc;
        doc.Reemplaza(VigaMayor(), {});
        doc.FijaResultados(Calcula(doc.ProyectoActual()));
        QVERIFY(doc.Calculado());
        doc.ConfiguracionReporte().refuerzo = true;  // the bar drawing and its sections
        VigPrev v(&doc);
        v.resize(1280, 800);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        auto* diagramas = v.findChild<QComboBox*>("ListaDiagramas");
        auto* borde = v.findChild<QComboBox*>("ListaBorde");
        auto* vista = v.findChild<QGraphicsView*>();
        QVERIFY(diagramas && borde && vista);
        diagramas->activated(kDiagramasCortanteMomento);
        std::vector<double> ms;
        QElapsedTimer reloj;
        for (int k = 0; k < 15; ++k) {
            const int antes = v.Regeneraciones();
            reloj.start();
            borde->activated(k % 2 ? kBordeNinguno : kBordeAlrededor);
            vista->viewport()->repaint();
            ms.push_back(reloj.nsecsElapsed() / 1e6);
            QCOMPARE(v.Regeneraciones(), antes + 1);
        }
        const double mediana = Mediana(ms);
        qInfo("largest report regenerated after a set-up change (%d pages): median %.1f ms",
              v.NumPaginas(), mediana);
        QVERIFY2(mediana < 150.0, qPrintable(QString::number(mediana)));
    }
};

QTEST_MAIN(RendimientoTest)
#include "rendimiento_test.moc"
