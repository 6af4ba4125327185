// The slab-assignment dialog driven by its control names: the slab drop-down, the
// averages, the direction button, the "SI"/"NO" answer and its "OK"; then the slab file
// command in the program, the errors written on the main window, and a project with a
// slab file read and saved back unchanged.
#include <QAbstractItemModelTester>
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
#include "archivos/losas_los.h"
#include "comun/mensajes.h"
#include "dialogos/los_num.h"
#include "dialogos/los_num_modelos.h"
#include "documento/documento.h"
#include "modelo/operaciones.h"
#include "principal/polidur1.h"
#include "principal/tlux_mdi.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using pruebas::Busca;
using pruebas::Textos;

namespace {

// Four slabs: 1 AAAA 4 x 4 (thickness 0 = the header's 0.12), 2 EAAA 0.15, 3, 4.
const QString kBidireccional = QStringLiteral(TRABELUX_EXAMPLES "/losas-bidireccional.Los");

QByteArray Lee(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class LosNumTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Documento> doc;
    std::unique_ptr<LosNum> dlg;

    QAbstractItemModel* Rejilla() { return Busca<QTableView>(dlg.get(), "DBGrid1")->model(); }
    QRadioButton* Opcion(const char* n) { return Busca<QRadioButton>(dlg.get(), n); }
    void Ok() { QTest::mouseClick(Busca<QPushButton>(dlg.get(), "SSCommand2"), Qt::LeftButton); }
    const Proyecto& P() { return doc->ProyectoActual(); }

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void init() {
        Mensajes::IniciaGuion();
        doc = std::make_unique<Documento>();
        // Two spans 20 x 40 cm and the slab file in use.
        Resultado<ArchivoLosasDatos> losas =
            LeeLosas(Lee(kBidireccional).toStdString(), kBidireccional.toStdString());
        QVERIFY2(losas, losas.mensaje.c_str());
        const ArchivoLosasDatos datos = *losas.valor;
        doc->Modifica("losas", [&datos](Proyecto& p) {
            CambiaNumVanos(p, 2, 4.0);
            p.archivoLosas = kBidireccional.toStdString();
            p.losas = datos;
            p.asignacion.assign(2, AsignacionLosa{});
        });
        dlg = std::make_unique<LosNum>(doc.get());
        dlg->Prepara();
        dlg->show();
    }

    void cleanup() {
        dlg.reset();
        doc.reset();
        Mensajes::TerminaGuion();
    }

    void controlesYListaDeLosas() {
        QCOMPARE(Busca<QLineEdit>(dlg.get(), "Text1")->text(),
                 QString("Planta tipo: losas en dos direcciones"));
        QCOMPARE(Rejilla()->rowCount(), 2);
        QCOMPARE(Rejilla()->index(1, 0).data().toString(), QString("2"));

        ModeloListaLosas* lista = dlg->ListaLosas();
        QAbstractItemModelTester probador(lista,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
        // "0" (no slab) first, then the file's slabs.
        QCOMPARE(lista->rowCount(), 5);
        QCOMPARE(lista->index(0, 0).data().toString(), QString("0"));
        const QStringList fila2{"2", "EAAA", "4.000", "5.000", "0.150"};
        for (int c = 0; c < 5; ++c) QCOMPARE(lista->index(2, c).data().toString(), fila2[c]);
        // A thickness of 0 in the file is the header's default.
        QCOMPARE(lista->index(1, 4).data().toString(), QString("0.120"));
    }

    void promedioDeLaFila_data() {
        pruebas::Columnas<int, int, QString>("primera", "segunda", "promedio");
        pruebas::Fila("1 y 2", 1, 2, "0.135");
        pruebas::Fila("solo la 2 como primera", 2, 0, "0.150");
        pruebas::Fila("la misma dos veces", 1, 1, "0.120");
        pruebas::Fila("ninguna", 0, 0, "0.000");
    }
    void promedioDeLaFila() {
        QFETCH(int, primera);
        QFETCH(int, segunda);
        QFETCH(QString, promedio);
        QAbstractItemModelTester probador(Rejilla(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(Rejilla()->setData(Rejilla()->index(1, 1), primera));
        QVERIFY(Rejilla()->setData(Rejilla()->index(1, 2), segunda));
        QCOMPARE(Rejilla()->index(1, 3).data().toString(), promedio);
        Ok();
        QVERIFY(Mensajes::Mostrados().empty());
        QCOMPARE(P().asignacion[1].primera, primera);
        QCOMPARE(P().asignacion[1].segunda, segunda);
        QCOMPARE(QString::number(P().asignacion[1].espesorProm, 'f', 3), promedio);
    }

    void losaElegidaEnLaLista() {
        auto* rejilla = Busca<QTableView>(dlg.get(), "DBGrid1");
        const QModelIndex celda = Rejilla()->index(0, 2);
        rejilla->setCurrentIndex(celda);
        rejilla->edit(celda);
        auto* lista = rejilla->findChild<QComboBox*>();
        QVERIFY(lista);
        QCOMPARE(lista->count(), 5);
        QCOMPARE(lista->view()->objectName(), QString("SSDBDropDown1"));
        lista->setCurrentIndex(2);
        emit lista->activated(2);
        QCOMPARE(Rejilla()->index(0, 2).data().toString(), QString("2"));
        QCOMPARE(Rejilla()->index(0, 3).data().toString(), QString("0.150"));
    }

    void botonDeDireccion_data() {
        pruebas::Columnas<QString, QString>("antes", "despues");
        pruebas::Fila("X", "X", "Y");
        pruebas::Fila("Y", "Y", "X");
        pruebas::Fila("otro", "Z", "X");
    }
    void botonDeDireccion() {
        QFETCH(QString, antes);
        QFETCH(QString, despues);
        auto* texto = Busca<QLineEdit>(dlg.get(), "Text3");
        texto->setText(antes);
        QTest::mouseClick(Busca<QPushButton>(dlg.get(), "SSCommand1"), Qt::LeftButton);
        QCOMPARE(texto->text(), despues);
        Ok();
        QCOMPARE(QString::fromStdString(P().direccionViga), despues);
    }

    void noRestaLaLosaUnaSolaVez() {
        // 2.4 x 20 x 40 / 10000 = 0.192 t/m before the slab slice.
        QCOMPARE(*P().vanos[0].pesoPropio, 0.192);
        QVERIFY(Rejilla()->setData(Rejilla()->index(0, 1), 1));
        QTest::mouseClick(Opcion("Option1_1"), Qt::LeftButton);
        Ok();
        // 0.12 x 20 x 2.4 / 100 = 0.0576 t/m less.
        QVERIFY(qAbs(*P().vanos[0].pesoPropio - (0.192 - 0.0576)) < 1e-12);
        QCOMPARE(*P().vanos[1].pesoPropio, 0.192);
        QVERIFY(!P().incluyePesoLosa);
        // A second "OK" with the same choices takes nothing more.
        dlg->Prepara();
        QVERIFY(Opcion("Option1_1")->isChecked());
        Ok();
        QVERIFY(qAbs(*P().vanos[0].pesoPropio - (0.192 - 0.0576)) < 1e-12);
        // "SI" gives the whole section back.
        dlg->Prepara();
        QTest::mouseClick(Opcion("Option1_0"), Qt::LeftButton);
        Ok();
        QCOMPARE(*P().vanos[0].pesoPropio, 0.192);
    }

    void conOtroMaterialNoCambiaElPesoPropio_data() {
        pruebas::Columnas<int>("material");
        pruebas::Fila("acero", int(kAcero));
        pruebas::Fila("otro", int(kOtro));
    }
    void conOtroMaterialNoCambiaElPesoPropio() {
        QFETCH(int, material);
        doc->Modifica("material", [material](Proyecto& p) {
            p.datos.material = material;
            for (auto& v : p.vanos) v.pesoPropio = 0.3;
        });
        const auto antes = P().vanos;
        dlg->Prepara();
        QVERIFY(Rejilla()->setData(Rejilla()->index(0, 1), 2));
        QTest::mouseClick(Opcion("Option1_1"), Qt::LeftButton);
        Ok();
        QVERIFY(!P().incluyePesoLosa);
        for (size_t i = 0; i < antes.size(); ++i)
            QCOMPARE(P().vanos[i].pesoPropio, antes[i].pesoPropio);
    }

    void losaInexistenteSeRechaza_data() {
        pruebas::Columnas<int, QString>("losa", "mensaje");
        pruebas::Fila("fuera del archivo", 7,
                      "La losa 7 del vano 2 no esta en el archivo de losas, que tiene 4 losas");
        pruebas::Fila("negativa", -1,
                      "La losa -1 del vano 2 no es valida: los numeros de losa van de 0 a 99");
    }
    // A slab the file does not hold is refused as it is typed, with the message, and the
    // cell keeps its value; text that is not a whole number is refused too. (The range
    // rule itself is the core's.)
    void losaInexistenteSeRechaza() {
        QFETCH(int, losa);
        QFETCH(QString, mensaje);
        QVERIFY(!Rejilla()->setData(Rejilla()->index(1, 2), losa));
        QCOMPARE(Textos(), QStringList{mensaje});
        QCOMPARE(Rejilla()->index(1, 2).data().toInt(), 0);
        Mensajes::BorraMostrados();
        QVERIFY(!Rejilla()->setData(Rejilla()->index(1, 2), "1.5"));
        QVERIFY(!Rejilla()->setData(Rejilla()->index(1, 2), "abc"));
        QCOMPARE(Textos().size(), 2);
        Ok();
        QVERIFY(!dlg->isVisible());
        QCOMPARE(P().asignacion[1].segunda, 0);
    }

    void cerrarLaVentanaGuardaLoEditado() {
        QVERIFY(Rejilla()->setData(Rejilla()->index(0, 1), 3));
        dlg->reject();
        QVERIFY(!dlg->isVisible());
        QCOMPARE(P().asignacion[0].primera, 3);
    }
};

// The slab file in the program: the command and its button, the menu entry it enables,
// the errors written on the main window, and a project saved and read back.
class LosasEnElProgramaTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Escribe(const char* nombre, const QByteArray& texto) {
        const QString ruta = dir.filePath(QLatin1String(nombre));
        QFile f(ruta);
        if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", nombre);
        f.write(texto);
        return ruta;
    }

    // Whether the beam drawing shows red text in its top right corner, where the slab
    // errors are written and no load value reaches.
    static bool TextoRojoArriba(QWidget* dibujo) {
        const QImage img = dibujo->grab().toImage();
        for (int y = 0; y < 30 && y < img.height(); ++y)
            for (int x = img.width() * 2 / 3; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.red() > 120 && c.green() < 80 && c.blue() < 80) return true;
            }
        return false;
    }

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void comandoDeLosasYErroresEnLaVentana() {
        Mensajes::IniciaGuion();
        TluxMDI marco;
        marco.resize(1100, 720);
        marco.show();
        QVERIFY(QTest::qWaitForWindowExposed(&marco));
        Documento* doc = marco.Doc();
        auto* losasMenu = Busca<QAction>(&marco, "menu51");
        QVERIFY(!losasMenu->isEnabled());
        QWidget* dibujo = Busca<QWidget>(marco.Principal(), "VD");

        // An unknown edge code: the transfer stops and says so on the window.
        const QString malo =
            Escribe("malo.Los", "Malo\r\n 1 0 0 4200 .12 0 .5 .2\r\n 1 AXAA 4 4 1 0 0 0 0\r\n");
        Mensajes::AgregaRuta(malo);
        Busca<QAction>(&marco, "Menu04")->trigger();
        QCOMPARE(Mensajes::Mostrados().back().texto, QString("(*.Los)"));
        QCOMPARE(Busca<QLabel>(&marco, "Label17")->text(), malo);
        QVERIFY(losasMenu->isEnabled());
        QCOMPARE(doc->TextoLosas(), QString("Error en Bordes"));
        QVERIFY(TextoRojoArriba(dibujo));

        // The button beside the label is the same command; a good file clears the text.
        Mensajes::AgregaRuta(kBidireccional);
        QTest::mouseClick(Busca<QPushButton>(&marco, "SSCommand2"), Qt::LeftButton);
        QCOMPARE(Busca<QLabel>(&marco, "Label17")->text(), kBidireccional);
        QCOMPARE(doc->TextoLosas(), QString());
        QVERIFY(!TextoRojoArriba(dibujo));

        // Cancelled: nothing changes.
        Busca<QAction>(&marco, "Menu04")->trigger();
        QCOMPARE(Busca<QLabel>(&marco, "Label17")->text(), kBidireccional);
        Mensajes::TerminaGuion();
    }

    void proyectoConLosasSeLeeYSeGuardaIgual() {
        Mensajes::IniciaGuion();
        const QString primero = dir.filePath("con-losas.vcw");
        const QString segundo = dir.filePath("de-nuevo.vcw");
        QString muertaVano1;
        {
            TluxMDI marco;
            Polidur1* principal = marco.Principal();
            marco.Doc()->Modifica("vanos", [](Proyecto& p) { CambiaNumVanos(p, 2, 4.0); });
            Mensajes::AgregaRuta(kBidireccional);
            Busca<QAction>(&marco, "Menu04")->trigger();
            LosNum* dlg = principal->VentanaLosNum();
            QTimer::singleShot(0, dlg, [dlg] {
                auto* m = Busca<QTableView>(dlg, "DBGrid1")->model();
                m->setData(m->index(0, 1), 1);
                m->setData(m->index(0, 2), 2);
                m->setData(m->index(1, 2), 2);
                QTest::mouseClick(Busca<QPushButton>(dlg, "SSCommand1"), Qt::LeftButton);
                QTest::mouseClick(Busca<QRadioButton>(dlg, "Option1_1"), Qt::LeftButton);
                QTest::mouseClick(Busca<QPushButton>(dlg, "SSCommand2"), Qt::LeftButton);
            });
            Busca<QAction>(&marco, "menu51")->trigger();
            QVERIFY(!dlg->isVisible());
            QVERIFY(Mensajes::Mostrados().size() == 1);  // the file dialog only
            const Proyecto& p = marco.Doc()->ProyectoActual();
            QCOMPARE(p.direccionViga, std::string("Y"));
            QVERIFY(*p.vanos[0].cargaMuerta > 0);
            muertaVano1 = Busca<QTableView>(marco.Principal(), "DBGrid1")
                              ->model()
                              ->index(0, kColMuerta)
                              .data()
                              .toString();
            QVERIFY(principal->GuardaEn(primero));
        }
        TluxMDI marco;
        QVERIFY(marco.Principal()->AbreArchivo(primero));
        QVERIFY2(Mensajes::Mostrados().size() == 1, qPrintable(Textos().join("|")));
        // The slab-loaded spans show their loads, the slab command is available.
        auto* rejilla = Busca<QTableView>(marco.Principal(), "DBGrid1")->model();
        QCOMPARE(rejilla->index(0, kColMuerta).data().toString(), muertaVano1);
        QVERIFY(Busca<QAction>(&marco, "menu51")->isEnabled());
        QCOMPARE(Busca<QLabel>(&marco, "Label17")->text(), kBidireccional);
        LosNum* dlg = marco.Principal()->VentanaLosNum();
        dlg->Prepara();
        QCOMPARE(Busca<QLineEdit>(dlg, "Text3")->text(), QString("Y"));
        QVERIFY(Busca<QRadioButton>(dlg, "Option1_1")->isChecked());
        QCOMPARE(Busca<QTableView>(dlg, "DBGrid1")->model()->index(0, 3).data().toString(),
                 QString("0.135"));
        QVERIFY(marco.Principal()->GuardaEn(segundo));
        const QByteArray a = Lee(primero), b = Lee(segundo);
        QVERIFY(!a.isEmpty());
        QCOMPARE(b, a);
        Mensajes::TerminaGuion();
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int fallas = 0;
    {
        LosNumTest t;
        fallas |= QTest::qExec(&t, argc, argv);
    }
    {
        LosasEnElProgramaTest t;
        fallas |= QTest::qExec(&t, argc, argv);
    }
    return fallas;
}

#include "losnum_test.moc"
