// The point-load dialog driven by its control names: one frame at a time, loads added
// and deleted in the grids, and its "OK" keeping distances within the span, ordering
// both lists and counting them.
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "apoyo_pruebas.h"
#include "comun/mensajes.h"
#include "dialogos/carg_con.h"
#include "dialogos/carg_con_modelos.h"
#include "dialogos/carg_con_rejilla.h"
#include "documento/documento.h"
#include "modelo/cargas.h"
#include "principal/polidur1.h"
#include "principal/tlux_mdi.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using pruebas::Busca;

namespace {

// Keys as the user types them: each goes to whatever has the focus then (the first
// key into a grid opens the cell's editor).
void Teclea(const QString& texto) {
    for (QChar c : texto) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

// The rows of a grid as "a|b|c" texts, the adding row left out.
QStringList Filas(QAbstractItemModel* m) {
    QStringList r;
    for (int f = 0; f + 1 < m->rowCount(); ++f) {
        QStringList celdas;
        for (int c = 0; c < m->columnCount(); ++c) celdas << m->index(f, c).data().toString();
        r << celdas.join('|');
    }
    return r;
}

}  // namespace

class CargConTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Documento> doc;
    std::unique_ptr<CargCon> dlg;
    std::unique_ptr<QAbstractItemModelTester> probadorVanos, probadorNudos;

    QTableView* Rejilla(const char* nombre) { return Busca<QTableView>(dlg.get(), nombre); }

    // A beam of spans 6 m, 4 m and 5 m.
    void TresVanos() {
        doc->Modifica("vanos", [](Proyecto& p) {
            p.numVanos = 3;
            p.vanos.resize(3, p.vanos[0]);
            p.vanos[0].longitud = 6;
            p.vanos[1].longitud = 4;
            p.vanos[2].longitud = 5;
        });
    }

    void Ok() { QTest::mouseClick(Busca<QPushButton>(dlg.get(), "SSCommand1"), Qt::LeftButton); }

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void init() {
        Mensajes::IniciaGuion();
        doc = std::make_unique<Documento>();
        dlg = std::make_unique<CargCon>(doc.get());
        probadorVanos = std::make_unique<QAbstractItemModelTester>(
            dlg->ModeloVanos(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        probadorNudos = std::make_unique<QAbstractItemModelTester>(
            dlg->ModeloNudos(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        TresVanos();
        dlg->Prepara(CargCon::Vista::Vanos);
        dlg->show();
    }

    void cleanup() {
        probadorVanos.reset();
        probadorNudos.reset();
        dlg.reset();
        doc.reset();
        Mensajes::TerminaGuion();
    }

    // Clamping, ordering and the twenty-load limit are the core's rules; here the dialog
    // shows their outcome, warns once and stays open on a refusal.
    void variasDistanciasCorregidasAvisanUnaVez() {
        doc->Modifica("cargas", [](Proyecto& p) { p.cargas = {{1, 9, 1}, {1, -2, 1}, {3, 8, 1}}; });
        Ok();
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
        QCOMPARE(Filas(dlg->ModeloVanos()),
                 (QStringList{"1|0.000|1.000", "1|6.000|1.000", "3|5.000|1.000"}));
    }

    void cargasOrdenadasPorVanoYDistancia() {
        doc->Modifica("cargas", [](Proyecto& p) {
            p.cargas = {{2, 3.0, 1.5}, {1, 4.0, 2}, {1, 0.5, 3}};
        });
        QCOMPARE(Filas(dlg->ModeloVanos()),
                 (QStringList{"2|3.000|1.500", "1|4.000|2.000", "1|0.500|3.000"}));
        Ok();
        QCOMPARE(Filas(dlg->ModeloVanos()),
                 (QStringList{"1|0.500|3.000", "1|4.000|2.000", "2|3.000|1.500"}));
        QVERIFY(Mensajes::Mostrados().empty());
        QCOMPARE(NumCargas(doc->ProyectoActual(), 1), 2);
        // The ordering is one step that can be undone.
        doc->Pila()->undo();
        QCOMPARE(Filas(dlg->ModeloVanos()).first(), QString("2|3.000|1.500"));
    }

    void cargasEnNudosOrdenadas() {
        dlg->Prepara(CargCon::Vista::Nudos);
        doc->Modifica("nudos", [](Proyecto& p) {
            p.cargasNudo = {{10, 1, 0}, {2, 2, 0.5}, {0, 9, 9}, {1, 3, 0}};
        });
        Ok();
        QCOMPARE(Filas(dlg->ModeloNudos()), (QStringList{"0|9.000|9.000", "1|3.000|0.000",
                                                         "2|2.000|0.500", "10|1.000|0.000"}));
        // Node 0 stays in the grid but is not counted.
        QCOMPARE(NumCargNudos(doc->ProyectoActual()), 3);
    }

    void sinCargasNadaCambia() {
        const int pasos = doc->Pila()->count();
        Ok();
        QVERIFY(Mensajes::Mostrados().empty());
        QCOMPARE(dlg->ModeloVanos()->rowCount(), 1);
        for (int i = 1; i <= 3; ++i) QCOMPARE(NumCargas(doc->ProyectoActual(), i), 0);
        QCOMPARE(doc->Pila()->count(), pasos);
    }

    void masDeVeinteCargasEnUnVanoSeRechazan() {
        doc->Modifica("cargas", [](Proyecto& p) {
            for (int k = 0; k < 21; ++k) p.cargas.push_back({2, 0.1 * k, 1});
            p.cargas.push_back({1, 9, 1});
        });
        const std::vector<CargaConcentrada> antes = doc->ProyectoActual().cargas;
        Ok();
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
        QVERIFY(dlg->isVisible());
        // Nothing moved: the 9 m load on the 6 m span is still as typed.
        QCOMPARE(doc->ProyectoActual().cargas.size(), antes.size());
        QCOMPARE(doc->ProyectoActual().cargas.back().distancia, 9.0);
    }

    void filaNuevaSeAgregaTecleando() {
        QTableView* rejilla = Rejilla("SSDBGrid2");
        QApplication::setActiveWindow(dlg.get());
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        auto* m = dlg->ModeloVanos();
        QCOMPARE(m->headerData(0, Qt::Vertical).toString(), QString("*"));
        rejilla->setFocus();
        rejilla->setCurrentIndex(m->index(0, 1));
        Teclea("2.5");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Teclea("4");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // A new load starts on the first span; a further one on the span of the one above.
        // (Return commits once the event loop runs.)
        QTRY_COMPARE(Filas(m), QStringList{"1|2.500|4.000"});
        QCOMPARE(m->headerData(0, Qt::Vertical).toString(), QString("1"));
        QCOMPARE(m->headerData(1, Qt::Vertical).toString(), QString("*"));
        QVERIFY(m->setData(m->index(0, 0), 3));
        QVERIFY(m->setData(m->index(1, 2), "1"));
        QCOMPARE(Filas(m), (QStringList{"3|2.500|4.000", "3|0.000|1.000"}));
    }

    void numeroDeVanoONudoNoValidoSeRechaza() {
        auto* m = dlg->ModeloVanos();
        for (const char* malo : {"-1", "1.5"}) QVERIFY(!m->setData(m->index(0, 0), malo));
        QCOMPARE(m->rowCount(), 1);
        QVERIFY(doc->ProyectoActual().cargas.empty());
    }

    void filasSeBorranConSuprimir() {
        doc->Modifica("cargas", [](Proyecto& p) { p.cargas = {{1, 1, 1}, {1, 2, 2}, {2, 3, 3}}; });
        QTableView* rejilla = Rejilla("SSDBGrid2");
        QApplication::setActiveWindow(dlg.get());
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        rejilla->setFocus();
        rejilla->setCurrentIndex(rejilla->model()->index(1, 2));
        rejilla->selectionModel()->select(rejilla->model()->index(1, 2),
                                          QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(rejilla, Qt::Key_Delete);
        QCOMPARE(Filas(dlg->ModeloVanos()), (QStringList{"1|1.000|1.000", "2|3.000|3.000"}));
        // Two rows at once; the adding row cannot be deleted.
        dlg->ModeloVanos()->EliminaFilas({0, 1, 2});
        QCOMPARE(Filas(dlg->ModeloVanos()), QStringList());
        QCOMPARE(dlg->ModeloVanos()->rowCount(), 1);
        doc->Pila()->undo();
        QCOMPARE(Filas(dlg->ModeloVanos()).size(), 2);
    }

    void listasDeVanosYNudos() {
        doc->Modifica("cargas", [](Proyecto& p) { p.cargas = {{2, 1, 1}}; });
        doc->Modifica("nudos", [](Proyecto& p) { p.cargasNudo = {{3, 1, 0}}; });
        struct Caso {
            const char* rejilla;
            QStringList items;
            QString elegido;
        };
        const Caso casos[] = {{"SSDBGrid2", {"1", "2", "3"}, "2"},
                              {"SSDBGrid3", {"1", "2", "3", "4"}, "3"}};
        for (const Caso& c : casos) {
            QTableView* rejilla = Rejilla(c.rejilla);
            dlg->Prepara(QLatin1String(c.rejilla) == "SSDBGrid2" ? CargCon::Vista::Vanos
                                                                 : CargCon::Vista::Nudos);
            const QModelIndex celda = rejilla->model()->index(0, 0);
            rejilla->setCurrentIndex(celda);
            rejilla->edit(celda);
            auto* lista = rejilla->findChild<QComboBox*>();
            QVERIFY(lista);
            QStringList items;
            for (int k = 0; k < lista->count(); ++k) items << lista->itemText(k);
            QCOMPARE(items, c.items);
            QCOMPARE(lista->currentText(), c.elegido);
            // Picking a number commits it at once.
            lista->setCurrentIndex(0);
            emit lista->activated(0);
            QCOMPARE(rejilla->model()->index(0, 0).data().toString(), QString("1"));
            rejilla->setCurrentIndex(rejilla->model()->index(0, 1));
        }
    }
};

// The dialog inside the program: the load menu opens it with the right frame and the
// beam drawing shows the loads once it closes.
class CargConEnElProgramaTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void menuDeCargasAbreCadaMarco() {
        Mensajes::IniciaGuion();
        TluxMDI marco;
        marco.show();
        CargCon* dlg = marco.Principal()->VentanaCargCon();
        struct Caso {
            const char* menu;
            const char* titulo;
            const char* marcoVisible;
        };
        const Caso casos[] = {{"menu52", "Cargas concentradas en vanos", "FrameVanos"},
                              {"menu53", "Cargas en nudos", "FrameNudos"}};
        for (const Caso& c : casos) {
            auto* accion = Busca<QAction>(&marco, c.menu);
            QVERIFY(accion->isEnabled());
            QString titulo;
            bool soloSuMarco = false;
            QTimer::singleShot(0, dlg, [&] {
                titulo = dlg->windowTitle();
                soloSuMarco = Busca<QGroupBox>(dlg, c.marcoVisible)->isVisible() &&
                              dlg->findChildren<QGroupBox*>().size() == 2 &&
                              (Busca<QGroupBox>(dlg, "FrameVanos")->isVisible() !=
                               Busca<QGroupBox>(dlg, "FrameNudos")->isVisible());
                auto* m = QLatin1String(c.menu) == "menu52"
                              ? static_cast<QAbstractItemModel*>(dlg->ModeloVanos())
                              : static_cast<QAbstractItemModel*>(dlg->ModeloNudos());
                m->setData(m->index(0, 1), "0.75");
                QTest::mouseClick(Busca<QPushButton>(dlg, "SSCommand1"), Qt::LeftButton);
            });
            accion->trigger();
            QCOMPARE(titulo, QString(c.titulo));
            QVERIFY(soloSuMarco);
            QVERIFY(!dlg->isVisible());
        }
        const Proyecto& p = marco.Doc()->ProyectoActual();
        QCOMPARE(p.cargas.size(), size_t(1));
        QCOMPARE(p.cargas[0].distancia, 0.75);
        QCOMPARE(p.cargasNudo.size(), size_t(1));
        QCOMPARE(p.cargasNudo[0].fuerza, 0.75);
        Mensajes::TerminaGuion();
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int fallas = 0;
    {
        CargConTest t;
        fallas |= QTest::qExec(&t, argc, argv);
    }
    {
        CargConEnElProgramaTest t;
        fallas |= QTest::qExec(&t, argc, argv);
    }
    return fallas;
}

#include "cargcon_test.moc"
