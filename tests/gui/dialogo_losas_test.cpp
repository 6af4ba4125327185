// The slab-assignment dialog driven by its control names: the slab drop-down and the
// averages, the direction button, the "SI"/"NO" answer and its "OK"; then the slab file
// command in the program, the errors written on the main window, and a project with a
// slab file read and saved back unchanged.
#include "gui/dialogos/losas/dialogo_losas.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "apoyo_pruebas.h"
#include "core/archivos/archivo_losas.h"
#include "core/modelo/operaciones_vanos.h"
#include "gui/dialogos/losas/modelos_losas.h"
#include "gui/documento/documento.h"
#include "gui/editor/editor_vanos.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using namespace trabelux::pruebas;

namespace {

// Four slabs: 1 AAAA 4 x 4 (thickness 0 = the header's 0.12), 2 EAAA 0.15, 3, 4.
const QString kBidireccional = QStringLiteral(TRABELUX_EXAMPLES "/losas-bidireccional.Los");

// Whether the beam drawing shows red text in its top right corner, where the slab errors
// are written and no load value reaches.
bool TextoRojoArriba(QWidget* dibujo) {
    const QImage img = dibujo->grab().toImage();
    for (int y = 0; y < 30 && y < img.height(); ++y)
        for (int x = img.width() * 2 / 3; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 120 && c.green() < 80 && c.blue() < 80) return true;
        }
    return false;
}

}  // namespace

class DialogoLosasTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Documento> doc;
    std::unique_ptr<DialogoLosas> dlg;
    QTemporaryDir dir;

    QAbstractItemModel* Rejilla() { return Busca<QTableView>(dlg.get(), "DBGrid1")->model(); }
    QRadioButton* Opcion(const char* n) { return Busca<QRadioButton>(dlg.get(), n); }
    void Ok() { Pulsa(dlg.get(), "SSCommand2"); }
    const Proyecto& P() { return doc->ProyectoActual(); }

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void init() {
        Mensajes::IniciaGuion();
        doc = std::make_unique<Documento>();
        // Two spans 20 x 40 cm and the slab file in use.
        Resultado<ArchivoLosasDatos> losas =
            LeeArchivoLosas(LeeArchivo(kBidireccional).toStdString(), kBidireccional.toStdString());
        QVERIFY2(losas, losas.mensaje.c_str());
        doc->Modifica("losas", [&losas](Proyecto& p) {
            CambiaNumVanos(p, 2, 4.0);
            p.archivoLosas = kBidireccional.toStdString();
            p.losas = *losas.valor;
            p.asignacion.assign(2, AsignacionLosa{});
        });
        dlg = std::make_unique<DialogoLosas>(doc.get());
        dlg->Prepara();
        dlg->show();
    }

    void cleanup() {
        dlg.reset();
        doc.reset();
        Mensajes::TerminaGuion();
    }

    // The drop-down offers "0" (no slab) and the file's slabs; a pick fills the average.
    void losaElegidaEnLaLista() {
        const auto probador = Probador(dlg->ListaLosas());
        auto* lista = ListaDeCelda(Busca<QTableView>(dlg.get(), "DBGrid1"), Rejilla()->index(0, 2));
        QCOMPARE(lista->count(), 5);
        QCOMPARE(lista->itemText(0), QString("0"));
        Elige(lista, 2);
        QCOMPARE(Rejilla()->index(0, 2).data().toString(), QString("2"));
        QCOMPARE(Rejilla()->index(0, 3).data().toString(), QString("0.150"));
    }

    void promedioDeLaFila_data() {
        Columnas<int, int, QString>("primera", "segunda", "promedio");
        Fila("1 y 2", 1, 2, "0.135");
        Fila("la misma dos veces", 1, 1, "0.120");
        Fila("ninguna", 0, 0, "0.000");
    }
    void promedioDeLaFila() {
        QFETCH(int, primera);
        QFETCH(int, segunda);
        QFETCH(QString, promedio);
        const auto probador = Probador(Rejilla());
        QVERIFY(Rejilla()->setData(Rejilla()->index(1, 1), primera));
        QVERIFY(Rejilla()->setData(Rejilla()->index(1, 2), segunda));
        QCOMPARE(Rejilla()->index(1, 3).data().toString(), promedio);
        Ok();
        QVERIFY(Mensajes::Mostrados().empty());
        QCOMPARE(P().asignacion[1].segunda, segunda);
        QCOMPARE(QString::number(P().asignacion[1].espesorProm, 'f', 3), promedio);
    }

    // The direction button turns X into Y and anything else into X.
    void botonDeDireccion() {
        auto* texto = Busca<QLineEdit>(dlg.get(), "Text3");
        texto->setText("Z");
        for (const char* despues : {"X", "Y", "X"}) {
            Pulsa(dlg.get(), "SSCommand1");
            QCOMPARE(texto->text(), QString(despues));
        }
        Ok();
        QCOMPARE(P().direccionViga, std::string("X"));
    }

    // "NO" takes the slab's slice off the self weight once, however often OK is pressed;
    // "SI" gives the whole section back. A beam not of concrete keeps its self weight.
    void noRestaLaLosaUnaSolaVez() {
        // 2.4 x 20 x 40 / 10000 = 0.192 t/m before the slab slice.
        QCOMPARE(*P().vanos[0].pesoPropio, 0.192);
        QVERIFY(Rejilla()->setData(Rejilla()->index(0, 1), 1));
        QTest::mouseClick(Opcion("Option1_1"), Qt::LeftButton);
        for (int vez = 0; vez < 2; ++vez) {
            Ok();
            // 0.12 x 20 x 2.4 / 100 = 0.0576 t/m less.
            QVERIFY(qAbs(*P().vanos[0].pesoPropio - (0.192 - 0.0576)) < 1e-12);
            QCOMPARE(*P().vanos[1].pesoPropio, 0.192);
            dlg->Prepara();
            QVERIFY(Opcion("Option1_1")->isChecked());
        }
        QTest::mouseClick(Opcion("Option1_0"), Qt::LeftButton);
        Ok();
        QCOMPARE(*P().vanos[0].pesoPropio, 0.192);
        doc->Modifica("material", [](Proyecto& p) { p.datos.material = Material::kOtro; });
        const auto antes = P().vanos[0].pesoPropio;
        dlg->Prepara();
        QTest::mouseClick(Opcion("Option1_1"), Qt::LeftButton);
        Ok();
        QCOMPARE(P().vanos[0].pesoPropio, antes);
    }

    // A slab the file does not hold, or text that is not a whole number, is refused as it
    // is typed and the cell keeps its value (the range rule itself is the core's); closing
    // the window keeps what was accepted.
    void losaInexistenteSeRechaza() {
        QVERIFY(!Rejilla()->setData(Rejilla()->index(1, 2), 7));
        QCOMPARE(
            Textos(),
            QStringList{"La losa 7 del vano 2 no esta en el archivo de losas, que tiene 4 losas"});
        QVERIFY(!Rejilla()->setData(Rejilla()->index(1, 2), "1.5"));
        QVERIFY(!Rejilla()->setData(Rejilla()->index(1, 2), "abc"));
        QCOMPARE(Textos().size(), 3);
        QCOMPARE(Rejilla()->index(1, 2).data().toInt(), 0);
        QVERIFY(Rejilla()->setData(Rejilla()->index(0, 1), 3));
        dlg->reject();
        QVERIFY(!dlg->isVisible());
        QCOMPARE(P().asignacion[0].primera, 3);
        QCOMPARE(P().asignacion[1].segunda, 0);
    }

    // The slab file command and its button: a file with an unknown edge code is written
    // in red on the main window and enables the assignment; a good file clears it.
    void comandoDeLosasYErroresEnLaVentana() {
        auto marco = MarcoVisible(1100, 720);
        auto* asignacion = Busca<QAction>(marco.get(), "menu51");
        QVERIFY(!asignacion->isEnabled());
        QWidget* dibujo = Busca<QWidget>(marco->Editor(), "VD");
        const QString malo = dir.filePath("malo.Los");
        EscribeArchivo(malo, "Malo\r\n 1 0 0 4200 .12 0 .5 .2\r\n 1 AXAA 4 4 1 0 0 0 0\r\n");
        Mensajes::AgregaRuta(malo);
        Dispara(marco.get(), "Menu04");
        QCOMPARE(Busca<QLabel>(marco.get(), "Label17")->text(), malo);
        QVERIFY(asignacion->isEnabled());
        QCOMPARE(marco->Doc()->TextoLosas(), QString("Error en Bordes"));
        QVERIFY(TextoRojoArriba(dibujo));
        Mensajes::AgregaRuta(kBidireccional);
        Pulsa(marco.get(), "SSCommand2");
        QCOMPARE(Busca<QLabel>(marco.get(), "Label17")->text(), kBidireccional);
        QVERIFY(!TextoRojoArriba(dibujo));
        // Cancelled: nothing changes.
        Dispara(marco.get(), "Menu04");
        QCOMPARE(Busca<QLabel>(marco.get(), "Label17")->text(), kBidireccional);
    }

    // Assigned through the menu, saved, opened in a new frame: the dialog shows the same
    // choices and saving again writes the same bytes.
    void proyectoConLosasSeLeeYSeGuardaIgual() {
        const QString primero = dir.filePath("con-losas.vcw");
        const QString segundo = dir.filePath("de-nuevo.vcw");
        {
            Marco marco;
            marco.Doc()->Modifica("vanos", [](Proyecto& p) { CambiaNumVanos(p, 2, 4.0); });
            Mensajes::AgregaRuta(kBidireccional);
            Dispara(&marco, "Menu04");
            DialogoLosas* enMarco = marco.DialogoDeLosas();
            QTimer::singleShot(0, enMarco, [enMarco] {
                auto* m = Busca<QTableView>(enMarco, "DBGrid1")->model();
                m->setData(m->index(0, 1), 1);
                m->setData(m->index(0, 2), 2);
                Pulsa(enMarco, "SSCommand1");
                Pulsa(enMarco, "Option1_1");
                Pulsa(enMarco, "SSCommand2");
            });
            Dispara(&marco, "menu51");
            QVERIFY(!enMarco->isVisible());
            QVERIFY(*marco.Doc()->ProyectoActual().vanos[0].cargaMuerta > 0);
            QVERIFY(marco.SesionActiva()->GuardaEn(primero));
        }
        Marco marco;
        QVERIFY(marco.SesionActiva()->AbreArchivo(primero));
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));  // the slab file dialog only
        QVERIFY(Busca<QAction>(&marco, "menu51")->isEnabled());
        DialogoLosas* enMarco = marco.DialogoDeLosas();
        enMarco->Prepara();
        QCOMPARE(Busca<QLineEdit>(enMarco, "Text3")->text(), QString("Y"));
        QVERIFY(Busca<QRadioButton>(enMarco, "Option1_1")->isChecked());
        QCOMPARE(Busca<QTableView>(enMarco, "DBGrid1")->model()->index(0, 3).data().toString(),
                 QString("0.135"));
        QVERIFY(marco.SesionActiva()->GuardaEn(segundo));
        QVERIFY(!LeeArchivo(primero).isEmpty());
        QCOMPARE(LeeArchivo(segundo), LeeArchivo(primero));
    }
};

QTEST_MAIN(DialogoLosasTest)
#include "dialogo_losas_test.moc"
