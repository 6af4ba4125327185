// Time budgets of the desktop program: one cell edit of a 20-span beam (recompute the row
// and repaint the grid and the beam) within a 60 Hz frame, and the main window ready well
// within a second. Prints the medians measured.
#include <QElapsedTimer>
#include <QTableView>
#include <QtTest>
#include <algorithm>

#include "apoyo_pruebas.h"
#include "documento/documento.h"
#include "documento/operaciones.h"
#include "principal/dibujo_viga.h"
#include "principal/polidur1.h"
#include "principal/tlux_mdi.h"

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
};

QTEST_MAIN(RendimientoTest)
#include "rendimiento_test.moc"
