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

#include "apoyo_pruebas.h"
#include "comun/viga_mayor.h"
#include "core/modelo/operaciones_vanos.h"
#include "gui/documento/documento.h"
#include "gui/editor/dibujo_viga.h"
#include "gui/editor/editor_vanos.h"
#include "gui/informe/ventana_informe.h"
#include "gui/marco/marco.h"
#include "ventanas_prueba.h"

using namespace trabelux;

namespace {

// Times `paso(k)` for k = 0 .. veces - 1, prints the median in ms and checks it against the
// budget.
template <class Paso>
void MedianaDentro(int veces, double presupuesto, const QString& que, Paso paso) {
    std::vector<double> ms;
    QElapsedTimer reloj;
    for (int k = 0; k < veces; ++k) {
        reloj.start();
        paso(k);
        ms.push_back(reloj.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double mediana = ms[ms.size() / 2];
    qInfo("%s: median %.3f ms", qPrintable(que), mediana);
    QVERIFY2(mediana < presupuesto, qPrintable(QString::number(mediana)));
}

}  // namespace

class RendimientoTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void editarUnaCeldaDeVeinteVanos() {
        const auto marco = pruebas::MarcoVisible(1280, 800);
        Documento* doc = marco->Doc();
        doc->Modifica("veinte", [](Proyecto& p) {
            CambiaNumVanos(p, kMaxVanos, 4);
            for (int i = 0; i < kMaxVanos; ++i) p.cargas.push_back({i + 1, 2, 1.5});
            p.cargasNudo = {{3, -2, 1}, {9, 0, -2}};
        });
        auto* tabla = pruebas::Busca<QTableView>(marco->Editor(), "DBGrid1");
        auto* vd = pruebas::Busca<DibujoViga>(marco->Editor(), "VD");
        MedianaDentro(60, 16.0, "cell edit of a 20-span beam, recompute and repaint", [&](int k) {
            QVERIFY(tabla->model()->setData(tabla->model()->index(k % kMaxVanos, kColAltura),
                                            QString::number(40 + k % 7)));
            tabla->viewport()->repaint();
            vd->repaint();
        });
        QCOMPARE(vd->Geometria().xNudos.size(), size_t(kMaxVanos + 1));
    }

    void ventanaPrincipalLista() {
        MedianaDentro(5, 1000.0, "frame and main window built and shown", [](int) {
            const auto marco = pruebas::MarcoVisible();
            QCoreApplication::processEvents();
        });
    }

    // A set-up change of the largest report (20 spans of 20 loads, diagrams and bar
    // sections) until the preview has painted the new pages.
    void regenerarElInformeMayor() {
        Documento doc;
        pruebas::Calculado(doc, VigaMayor());
        doc.ConfiguracionReporte().refuerzo = true;  // the bar drawing and its sections
        VentanaInforme v(&doc);
        v.resize(1280, 800);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        pruebas::Busca<QComboBox>(&v, "ListaDiagramas")
            ->activated(static_cast<int>(OpcionDiagramas::kCortanteMomento));
        auto* borde = pruebas::Busca<QComboBox>(&v, "ListaBorde");
        auto* vista = v.findChild<QGraphicsView*>();
        QVERIFY(vista);
        const QString que = "largest report regenerated after a set-up change (%1 pages)";
        MedianaDentro(15, 150.0, que.arg(v.NumPaginas()), [&](int k) {
            const int antes = v.Regeneraciones();
            borde->activated(
                static_cast<int>(k % 2 ? BordePagina::kNinguno : BordePagina::kAlrededor));
            vista->viewport()->repaint();
            QCOMPARE(v.Regeneraciones(), antes + 1);
        });
    }
};

QTEST_MAIN(RendimientoTest)
#include "rendimiento_test.moc"
