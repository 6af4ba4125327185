// The point-load dialog driven by its control names: one frame at a time, loads added
// and deleted in the grids, and its "OK" showing the loads kept within their span and
// ordered, or refusing them and staying open.
#include "gui/dialogos/cargas/dialogo_cargas.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "apoyo_pruebas.h"
#include "core/calculo/calcula.h"
#include "core/modelo/acepta_cargas.h"
#include "core/modelo/operaciones_vanos.h"
#include "gui/dialogos/cargas/modelos_cargas.h"
#include "gui/dialogos/cargas/rejilla_cargas.h"
#include "gui/documento/documento.h"
#include "gui/editor/dibujo_viga.h"
#include "gui/editor/editor_vanos.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using namespace trabelux::pruebas;

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

class DialogoCargasTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Documento> doc;
    std::unique_ptr<DialogoCargas> dlg;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> probadores;

    QTableView* Rejilla(const char* nombre) { return Busca<QTableView>(dlg.get(), nombre); }
    void Ok() { Pulsa(dlg.get(), "SSCommand1"); }

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void init() {
        Mensajes::IniciaGuion();
        doc = std::make_unique<Documento>();
        dlg = std::make_unique<DialogoCargas>(doc.get());
        probadores.push_back(Probador(dlg->ModeloVanos()));
        probadores.push_back(Probador(dlg->ModeloNudos()));
        // Spans of 6 m, 4 m and 5 m.
        doc->Modifica("vanos", [](Proyecto& p) {
            p.numVanos = 3;
            p.vanos.resize(3, p.vanos[0]);
            p.vanos[0].longitud = 6;
            p.vanos[1].longitud = 4;
            p.vanos[2].longitud = 5;
        });
        dlg->Prepara(DialogoCargas::Vista::Vanos);
        dlg->show();
    }

    void cleanup() {
        probadores.clear();
        dlg.reset();
        doc.reset();
        Mensajes::TerminaGuion();
    }

    // Clamping, ordering and the twenty-load limit are the core's rules; here the grid
    // shows their outcome, several corrections warn once, and the whole is one undo step.
    // Over twenty loads on a span nothing moves and the dialog stays open.
    void okMuestraLasCargasCorregidasYOrdenadas() {
        doc->Modifica("cargas", [](Proyecto& p) {
            p.cargas = {{2, 3.0, 1.5}, {1, 9, 2}, {1, -2, 3}};
        });
        Ok();
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
        QCOMPARE(Filas(dlg->ModeloVanos()),
                 (QStringList{"1|0.000|3.000", "1|6.000|2.000", "2|3.000|1.500"}));
        QCOMPARE(NumCargas(doc->ProyectoActual(), 1), 2);
        doc->Pila()->undo();
        QCOMPARE(Filas(dlg->ModeloVanos()).first(), QString("2|3.000|1.500"));
        doc->Modifica("cargas", [](Proyecto& p) {
            for (int k = 0; k < 21; ++k) p.cargas.push_back({3, 0.1 * k, 1});
        });
        dlg->show();
        Ok();
        QCOMPARE(Mensajes::Mostrados().size(), size_t(2));
        QVERIFY(dlg->isVisible());
        QCOMPARE(doc->ProyectoActual().cargas[1].distancia, 9.0);  // still as typed
    }

    // A new load starts on the first span; a further one on the span of the one above.
    // A span number that is not a whole positive number is refused.
    void filaNuevaSeAgregaTecleando() {
        auto* m = dlg->ModeloVanos();
        for (const char* malo : {"-1", "1.5"}) QVERIFY(!m->setData(m->index(0, 0), malo));
        QVERIFY(doc->ProyectoActual().cargas.empty());
        QVERIFY(Activa(dlg.get()));
        Rejilla("SSDBGrid2")->setFocus();
        Rejilla("SSDBGrid2")->setCurrentIndex(m->index(0, 1));
        Teclea("2.5");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Teclea("4");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // (Return commits once the event loop runs.)
        QTRY_COMPARE(Filas(m), QStringList{"1|2.500|4.000"});
        QCOMPARE(m->headerData(1, Qt::Vertical).toString(), QString("*"));
        QVERIFY(m->setData(m->index(0, 0), 3));
        QVERIFY(m->setData(m->index(1, 2), "1"));
        QCOMPARE(Filas(m), (QStringList{"3|2.500|4.000", "3|0.000|1.000"}));
    }

    // A span (node) the beam does not have, typed into the adding row's number cell, is
    // refused naming the beam's range, and no load appears, however often it is tried.
    void numeroFueraDeLaVigaSeRechaza() {
        doc->Modifica("cargas", [](Proyecto& p) { p.cargas = {{2, 1, 1}}; });
        const struct {
            const char* rejilla;
            DialogoCargas::Vista vista;
            const char* mensaje;
        } casos[] = {{"SSDBGrid2", DialogoCargas::Vista::Vanos, "El vano debe estar entre 1 y 3"},
                     {"SSDBGrid3", DialogoCargas::Vista::Nudos, "El nudo debe estar entre 1 y 4"}};
        for (const auto& c : casos) {
            QTableView* rejilla = Rejilla(c.rejilla);
            const int filas = rejilla->model()->rowCount();
            for (int vez = 0; vez < 2; ++vez) {
                Mensajes::BorraMostrados();
                dlg->Prepara(c.vista);
                dlg->show();
                QVERIFY(Activa(dlg.get()));
                ClicEnCelda(rejilla, rejilla->model()->index(filas - 1, 0));
                Teclea("9\t");
                Ok();
                QCOMPARE(Textos().value(0), QString(c.mensaje));
                QCOMPARE(rejilla->model()->rowCount(), filas);
            }
        }
    }

    // Delete removes the selected row; the adding row cannot be deleted.
    void filasSeBorranConSuprimir() {
        doc->Modifica("cargas", [](Proyecto& p) { p.cargas = {{1, 1, 1}, {1, 2, 2}, {2, 3, 3}}; });
        QTableView* rejilla = Rejilla("SSDBGrid2");
        QVERIFY(Activa(dlg.get()));
        rejilla->setFocus();
        rejilla->setCurrentIndex(rejilla->model()->index(1, 2));
        rejilla->selectionModel()->select(rejilla->model()->index(1, 2),
                                          QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(rejilla, Qt::Key_Delete);
        QCOMPARE(Filas(dlg->ModeloVanos()), (QStringList{"1|1.000|1.000", "2|3.000|3.000"}));
        dlg->ModeloVanos()->EliminaFilas({0, 1, 2});
        QCOMPARE(dlg->ModeloVanos()->rowCount(), 1);
        doc->Pila()->undo();
        QCOMPARE(Filas(dlg->ModeloVanos()).size(), 2);
    }

    // The number cells drop down the spans or the nodes, the current one chosen; a pick
    // commits at once.
    void listasDeVanosYNudos() {
        doc->Modifica("cargas", [](Proyecto& p) {
            p.cargas = {{2, 1, 1}};
            p.cargasNudo = {{3, 1, 0}};
        });
        const struct {
            const char* rejilla;
            DialogoCargas::Vista vista;
            int items;
            QString elegido;
        } casos[] = {{"SSDBGrid2", DialogoCargas::Vista::Vanos, 3, "2"},
                     {"SSDBGrid3", DialogoCargas::Vista::Nudos, 4, "3"}};
        for (const auto& c : casos) {
            QTableView* rejilla = Rejilla(c.rejilla);
            dlg->Prepara(c.vista);
            auto* lista = ListaDeCelda(rejilla, rejilla->model()->index(0, 0));
            QCOMPARE(lista->count(), c.items);
            QCOMPARE(lista->currentText(), c.elegido);
            Elige(lista, 0);
            QCOMPARE(rejilla->model()->index(0, 0).data().toString(), QString("1"));
            rejilla->setCurrentIndex(rejilla->model()->index(0, 1));
        }
    }

    // The headings give the sense the analysis takes each load in, and the elevation draws
    // its arrow in it: +1 t on a span pushes the supports down (positive reactions), +1 t
    // on a free interior node pulls them up.
    void sentidoDeLasCargas() {
        auto marco = MarcoVisible();
        Documento* d = marco->Doc();
        DialogoCargas* c = marco->DialogoDeCargas();
        for (bool enVano : {true, false}) {
            const QAbstractItemModel* m =
                enVano ? static_cast<QAbstractItemModel*>(c->ModeloVanos()) : c->ModeloNudos();
            QCOMPARE(m->headerData(enVano ? 2 : 1, Qt::Horizontal, Qt::ToolTipRole).toString(),
                     enVano ? "Pu (Ton): positiva hacia abajo" : "Pu (Ton): positiva hacia arriba");
            d->Modifica("carga", [enVano](Proyecto& p) {
                CambiaNumVanos(p, 2, 4.0);
                p.vanos[0].longitud = 4;
                p.apoyosInteriores.assign(1, 0);
                p.datos.calculaPesoPropio = false;
                p.cargas = enVano ? std::vector<CargaConcentrada>{{1, 4.0, 1.0}}
                                  : std::vector<CargaConcentrada>{};
                p.cargasNudo =
                    enVano ? std::vector<CargaNudo>{} : std::vector<CargaNudo>{{2, 1.0, 0.0}};
            });
            const FlechaDibujo& f =
                Busca<DibujoViga>(marco->Editor(), "VD")->Geometria().flechas.at(0);
            QCOMPARE(f.hasta.y > f.desde.y, enVano);
            QCOMPARE(Calcula(d->ProyectoActual()).reacciones.at(0) > 0, enVano);
        }
        QVERIFY(c->ModeloNudos()
                    ->headerData(2, Qt::Horizontal, Qt::ToolTipRole)
                    .toString()
                    .endsWith("antihorario"));
    }

    // The dialog inside the program: each load menu opens it with its own frame only.
    void menuDeCargasAbreCadaMarco() {
        auto marco = MarcoVisible();
        DialogoCargas* enMarco = marco->DialogoDeCargas();
        const struct {
            const char *menu, *marcoVisible;
        } casos[] = {{"menu52", "FrameVanos"}, {"menu53", "FrameNudos"}};
        for (const auto& c : casos) {
            bool soloSuMarco = false;
            QTimer::singleShot(0, enMarco, [&] {
                soloSuMarco = Busca<QGroupBox>(enMarco, c.marcoVisible)->isVisible() &&
                              (Busca<QGroupBox>(enMarco, "FrameVanos")->isVisible() !=
                               Busca<QGroupBox>(enMarco, "FrameNudos")->isVisible());
                auto* m = QLatin1String(c.menu) == "menu52"
                              ? static_cast<QAbstractItemModel*>(enMarco->ModeloVanos())
                              : static_cast<QAbstractItemModel*>(enMarco->ModeloNudos());
                m->setData(m->index(0, 1), "0.75");
                Pulsa(enMarco, "SSCommand1");
            });
            Dispara(marco.get(), c.menu);
            QVERIFY(soloSuMarco);
            QVERIFY(!enMarco->isVisible());
        }
        const Proyecto& p = marco->Doc()->ProyectoActual();
        QCOMPARE(p.cargas.at(0).distancia, 0.75);
        QCOMPARE(p.cargasNudo.at(0).fuerza, 0.75);
    }
};

QTEST_MAIN(DialogoCargasTest)
#include "dialogo_cargas_test.moc"
