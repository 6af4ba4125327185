// The general-data dialog driven by its control names: the modulus following F'c, the
// material's effects, the load-control checks in their order, the inertia panel, the
// steel-shape panel over the shipped shapes table, and the project it writes to.
#include "dialogos/datgen.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>
#include <limits>

#include "apoyo_pruebas.h"
#include "archivos/perfiles.h"
#include "comun/mensajes.h"
#include "dialogos/datgen_modelo_perfil.h"
#include "documento/documento.h"
#include "modelo/rango.h"
#include "principal/polidur1.h"
#include "principal/tlux_mdi.h"
#include "texto/numeros.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using pruebas::Busca;
using pruebas::Textos;

namespace {

// A choice made in a list as the user makes it (the list reports `activated`).
void Elige(QComboBox* lista, int i) {
    lista->setCurrentIndex(i);
    emit lista->activated(i);
}

// Replaces a field's text by typing, as the user does.
void Escribe(QLineEdit* campo, const QString& texto) {
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Backspace);
    QTest::keyClicks(campo, texto);
}

}  // namespace

class DatgenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Documento> doc;
    std::unique_ptr<Datgen> dlg;

    QLineEdit* Campo(const char* nombre) { return Busca<QLineEdit>(dlg.get(), nombre); }
    QComboBox* Lista(const char* nombre) { return Busca<QComboBox>(dlg.get(), nombre); }
    QPushButton* Boton(const char* nombre) { return Busca<QPushButton>(dlg.get(), nombre); }
    bool Visible(const char* panel) { return Busca<QFrame>(dlg.get(), panel)->isVisible(); }
    const DatosGenerales& Datos() { return doc->ProyectoActual().datos; }

    // The shapes of a family straight from the table, for comparison.
    static ListaFamilia Familia(int familia) {
        CatalogoPerfiles c;
        const TablaPerfiles* t = c.Tabla();
        return t ? PerfilesDeFamilia(*t, familia) : ListaFamilia{};
    }

    void AbrePanelPerfil() {
        Elige(Lista("Combo3"), kAcero);
        QVERIFY(Visible("SSPanel2"));
    }

  private slots:
    void initTestCase() {
        pruebas::InstalaManejador();
        QVERIFY2(QFile::exists(CatalogoPerfiles::RutaPrograma()),
                 "the shapes table is built by the target genera_perfiles_datos");
    }

    void init() {
        Mensajes::IniciaGuion();
        doc = std::make_unique<Documento>();
        dlg = std::make_unique<Datgen>(doc.get());
        dlg->Prepara();
        dlg->show();
    }

    void cleanup() {
        dlg.reset();
        doc.reset();
        Mensajes::TerminaGuion();
    }

    void moduloSigueAFc_data() {
        // Concrete only: with the other materials F'c cannot be typed.
        pruebas::Columnas<QString, QString>("fc", "modulo");
        pruebas::Fila("250", "250", "2.39E+06");
        pruebas::Fila("negativo", "-50", "0.00E+00");
        pruebas::Fila("vacio", "", "0.00E+00");
        pruebas::Fila("con blancos", "2 10", "2.19E+06");
    }
    void moduloSigueAFc() {
        QFETCH(QString, fc);
        QFETCH(QString, modulo);
        Escribe(Campo("Text2"), fc);
        QCOMPARE(Campo("Text10")->text(), modulo);
        QCOMPARE(QString::fromStdString(Datos().moduloE), modulo);
        QCOMPARE(QString::fromStdString(Datos().fc), fc);
    }

    // Typed numbers take "." or "," and are kept normalised; text that is no number, or a
    // value out of range, is refused with a message and the field's previous value stays
    // (the modulus with F'c). Checked on leaving the field and on OK.
    void numeroTecleadoSeVerifica_data() {
        const QString fueraDeRango = QString::fromStdString(
            MensajeFueraDeRango(std::numeric_limits<double>::infinity(), "de la altura"));
        pruebas::Columnas<bool, QString, QString, QString, QString, QString>(
            "conOk", "campo", "tecleado", "guardado", "modulo", "mensaje");
        for (bool conOk : {false, true}) {
            const char* como = conOk ? "ok" : "sale";
            pruebas::Fila(qPrintable(como + QString(" coma")), conOk, "Text9", "1,5", "1.5", "",
                          "");
            pruebas::Fila(qPrintable(como + QString(" coma en F'c")), conOk, "Text2", "2,5", "2.5",
                          "2.39E+05", "");
            pruebas::Fila(qPrintable(como + QString(" blancos")), conOk, "Text10", "2.1 E+06",
                          "2.1E+06", "2.1E+06", "");
            pruebas::Fila(qPrintable(como + QString(" texto")), conOk, "Text5", "abc", "20.0", "",
                          "El texto \"abc\" no es un numero");
            pruebas::Fila(qPrintable(como + QString(" texto en F'c")), conOk, "Text2", "1,5x",
                          "180", "2.03E+06", "El texto \"1,5x\" no es un numero");
            pruebas::Fila(qPrintable(como + QString(" fuera de rango")), conOk, "Text6", "1E400",
                          "40.0", "", fueraDeRango);
        }
    }
    void numeroTecleadoSeVerifica() {
        QFETCH(bool, conOk);
        QFETCH(QString, campo);
        QFETCH(QString, tecleado);
        QFETCH(QString, guardado);
        QFETCH(QString, modulo);
        QFETCH(QString, mensaje);
        QApplication::setActiveWindow(dlg.get());
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        QLineEdit* c = Campo(qPrintable(campo));
        c->setFocus(Qt::TabFocusReason);
        Escribe(c, tecleado);
        if (conOk)
            QTest::mouseClick(Boton("Command1"), Qt::LeftButton);
        else
            Campo(campo == "Text3" ? "Text4" : "Text3")->setFocus(Qt::TabFocusReason);
        QCOMPARE(c->text(), guardado);
        QCOMPARE(dlg->isVisible(), mensaje.isEmpty() ? !conOk : true);
        std::string DatosGenerales::*miembro = campo == "Text9"    ? &DatosGenerales::longitud
                                               : campo == "Text2"  ? &DatosGenerales::fc
                                               : campo == "Text10" ? &DatosGenerales::moduloE
                                               : campo == "Text5"  ? &DatosGenerales::base
                                                                   : &DatosGenerales::altura;
        QCOMPARE(QString::fromStdString(Datos().*miembro), guardado);
        if (!modulo.isEmpty()) QCOMPARE(QString::fromStdString(Datos().moduloE), modulo);
        QCOMPARE(Textos(), mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
        if (mensaje.isEmpty()) return;
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::Advertencia);
        QCOMPARE(QApplication::focusWidget(), c);
    }

    void teclearEsUnPasoQueSeDeshace() {
        Escribe(Campo("Text5"), "25");
        Escribe(Campo("Text6"), "50");
        QCOMPARE(doc->ProyectoActual().datos.base, std::string("25"));
        doc->Pila()->undo();
        QCOMPARE(Campo("Text6")->text(), QString("40.0"));
        QCOMPARE(Campo("Text5")->text(), QString("25"));
        doc->Pila()->undo();
        QCOMPARE(Campo("Text5")->text(), QString("20.0"));
    }

    void camposSeleccionanTodoAlEntrar() {
        QApplication::setActiveWindow(dlg.get());
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        for (const char* n : {"Text2", "Text3", "Text5", "Text9"}) {
            QLineEdit* c = Campo(n);
            c->deselect();
            c->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(c->selectedText(), c->text());
        }
    }

    void materialCambiaCamposYValores() {
        Elige(Lista("Combo3"), kOtro);
        for (const char* n : {"Text2", "Text3", "Text4"}) QVERIFY(!Campo(n)->isEnabled());
        QVERIFY(!Busca<QLabel>(dlg.get(), "EtiquetaText2")->isEnabled());
        QVERIFY(!Lista("Combo4")->isEnabled());
        QCOMPARE(Lista("Combo4")->currentText(), QString("Otra"));
        for (const char* n : {"Text10", "Text13", "Text14", "Text15"})
            QCOMPARE(Campo(n)->text(), QString("1.0"));
        // "Otra" while the list is disabled opens nothing but shows the inertia normalised.
        QVERIFY(!Visible("SSPanel1"));
        QCOMPARE(Campo("Text11")->text(), QString("1.000000"));

        Elige(Lista("Combo3"), kHormigon);
        for (const char* n : {"Text2", "Text3", "Text4"}) QVERIFY(Campo(n)->isEnabled());
        QVERIFY(Lista("Combo4")->isEnabled());
        QCOMPARE(Lista("Combo4")->currentText(), QString("bh3/12"));
        QCOMPARE(Campo("Text10")->text(), QString("2.03E+06"));
        QCOMPARE(Campo("Text13")->text(), QString("1.4"));
        QCOMPARE(Campo("Text14")->text(), QString("1.7"));
        QCOMPARE(Campo("Text15")->text(), QString("2.4"));
        QVERIFY(!Visible("SSPanel1"));
    }

    void aceroAbreElPanelDePerfilSalvoEnCarga() {
        bool enCarga = true;
        dlg->FijaEnCarga([&enCarga] { return enCarga; });
        Elige(Lista("Combo3"), kAcero);
        QCOMPARE(Datos().material, int(kAcero));
        QCOMPARE(Campo("Text10")->text(), QString("2.00E + 06"));
        QCOMPARE(Campo("Text15")->text(), QString("7.85"));
        QVERIFY(!Visible("SSPanel2"));
        QCOMPARE(dlg->PanelAbierto(), Datgen::Panel::Ninguno);
        QVERIFY(Boton("Command1")->isEnabled());

        enCarga = false;
        Elige(Lista("Combo3"), kAcero);
        QVERIFY(Visible("SSPanel2"));
        QVERIFY(!Boton("Command1")->isEnabled());
        // Family "Ninguno": no designations to choose.
        QCOMPARE(Lista("Combo5")->currentText(), QString("Ninguno"));
        QVERIFY(!Lista("Combo6")->isEnabled());
        // Closing the window is refused while a panel is open.
        dlg->reject();
        QVERIFY(dlg->isVisible());
    }

    void familiaListaSoloSusDesignaciones_data() {
        pruebas::Columnas<QString, QString>("familia", "ajena");
        pruebas::Fila("W sin WT", "W", "WT");
        pruebas::Fila("C sin MC", "C", "MC");
    }
    void familiaListaSoloSusDesignaciones() {
        QFETCH(QString, familia);
        QFETCH(QString, ajena);
        AbrePanelPerfil();
        const int indice = Lista("Combo5")->findText(familia);
        QVERIFY(indice > 0);
        Elige(Lista("Combo5"), indice);
        QComboBox* designaciones = Lista("Combo6");
        QVERIFY(designaciones->isEnabled());
        const ListaFamilia esperada = Familia(indice);
        QVERIFY(!esperada.perfiles.empty());
        QCOMPARE(designaciones->count(), int(esperada.perfiles.size()));
        for (int k = 0; k < designaciones->count(); ++k) {
            const QString d = designaciones->itemText(k);
            // File order, and nothing of another family.
            QCOMPARE(d, QString::fromStdString(esperada.perfiles[k].designacion));
            QVERIFY2(d.startsWith(familia), qPrintable(d));
            if (!ajena.isEmpty()) QVERIFY2(!d.startsWith(ajena), qPrintable(d));
            QVERIFY(d.mid(familia.size(), 1).at(0).isDigit());
        }
        QCOMPARE(designaciones->currentIndex(), 0);
    }

    void rejillaDePerfilEnMetros() {
        AbrePanelPerfil();
        Elige(Lista("Combo5"), IndiceFamilia("W"));
        const int k = Lista("Combo6")->findText("W44X335");
        QVERIFY(k >= 0);
        Elige(Lista("Combo6"), k);
        auto* m = Busca<QTableView>(dlg.get(), "SSDBGrid1")->model();
        // W44X335: A 98.5 in2, d 44 in, bf 15.9 in, Ix 31100 in4, Sx 1410 in3, rx 17.8 in.
        const QStringList textos{"0.063548", "1.118",    "0.404",   "0.045",
                                 "0.026",    "0.012945", "0.02311", "0.452"};
        for (int c = 0; c < 8; ++c) QCOMPARE(m->index(0, c).data().toString(), textos[c]);
        // Back to "Ninguno": the cells empty and the list is disabled.
        Elige(Lista("Combo5"), 0);
        QVERIFY(!Lista("Combo6")->isEnabled());
        QCOMPARE(Lista("Combo6")->count(), 0);
        for (int c = 0; c < 8; ++c) QCOMPARE(m->index(0, c).data().toString(), QString());
    }

    void okDelPerfilEscribeLaSeccion() {
        // Two spans shown plus a row kept beyond the count.
        doc->Modifica("vanos", [](Proyecto& p) {
            p.vanos.resize(3, p.vanos[0]);
            p.numVanos = 2;
        });
        AbrePanelPerfil();
        Elige(Lista("Combo5"), IndiceFamilia("W"));
        Elige(Lista("Combo6"), 2);
        const RegistroPerfil r = Familia(IndiceFamilia("W")).perfiles[2];
        const auto m = PropiedadesMetricas(r);
        const QString ix = dlg->ModeloDePerfil()->Texto(5);
        QTest::mouseClick(Boton("Command7"), Qt::LeftButton);
        QVERIFY(!Visible("SSPanel2"));
        QVERIFY(Boton("Command1")->isEnabled());
        QCOMPARE(Campo("Text5")->text(), QString::fromStdString(Formatea(m[2] * 100, "0.0")));
        QCOMPARE(Campo("Text6")->text(), QString::fromStdString(Formatea(m[1] * 100, "0.0")));
        QCOMPARE(Campo("Text11")->text(), ix);
        QCOMPARE(Datos().opcionInercia, int(kInerciaOtra));
        QCOMPARE(Datos().familiaPerfil, IndiceFamilia("W"));
        QCOMPARE(Datos().designacionPerfil, 2);
        const Proyecto& p = doc->ProyectoActual();
        for (int i = 0; i < 2; ++i) {
            QVERIFY(qAbs(p.vanos[i].base - m[2] * 100) < 1e-6);
            QVERIFY(qAbs(p.vanos[i].altura - m[1] * 100) < 1e-6);
            QVERIFY(qAbs(p.vanos[i].inercia - m[5]) < 1e-12);
        }
        // Self weight from the shape's area and the unit weight of steel.
        QVERIFY(qAbs(*p.vanos[0].pesoPropio - 7.85 * m[0]) < 1e-9);
        // One undo step takes the whole choice back.
        doc->Pila()->undo();
        QCOMPARE(Datos().familiaPerfil, 0);
        QCOMPARE(Campo("Text5")->text(), QString("20.0"));
    }

    void okConNingunoPoneInerciaUno() {
        AbrePanelPerfil();
        Elige(Lista("Combo5"), 0);
        QTest::mouseClick(Boton("Command7"), Qt::LeftButton);
        QCOMPARE(Campo("Text11")->text(), QString("1"));
        QCOMPARE(Datos().opcionInercia, int(kInerciaBh3));
        QCOMPARE(Lista("Combo4")->currentText(), QString("bh3/12"));
        QCOMPARE(Campo("Text5")->text(), QString("20.0"));
        QCOMPARE(Campo("Text6")->text(), QString("40.0"));
        QVERIFY(!Visible("SSPanel2"));
    }

    void cancelDelPerfilVuelveALaEleccionAnterior() {
        AbrePanelPerfil();
        Elige(Lista("Combo5"), IndiceFamilia("W"));
        Elige(Lista("Combo6"), 3);
        QTest::mouseClick(Boton("Command7"), Qt::LeftButton);
        const std::string base = Datos().base;

        AbrePanelPerfil();
        QCOMPARE(Lista("Combo5")->currentText(), QString("W"));
        QCOMPARE(Lista("Combo6")->currentIndex(), 3);
        Elige(Lista("Combo5"), IndiceFamilia("S"));
        QTest::mouseClick(Boton("Command8"), Qt::LeftButton);
        QVERIFY(!Visible("SSPanel2"));
        QCOMPARE(Datos().familiaPerfil, IndiceFamilia("W"));
        QCOMPARE(Datos().designacionPerfil, 3);
        QCOMPARE(Datos().base, base);
        AbrePanelPerfil();
        QCOMPARE(Lista("Combo5")->currentText(), QString("W"));
        QCOMPARE(Lista("Combo6")->currentIndex(), 3);
    }

    void tablaDePerfilesIlegibleLoDiceYSigueUsable() {
        dlg->Perfiles().FijaRuta(QStringLiteral("/no/existe/Aisc-dat.Dat"));
        AbrePanelPerfil();
        Elige(Lista("Combo5"), IndiceFamilia("W"));
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
        QVERIFY(Textos()[0].startsWith(
            "No se pudo leer la tabla de perfiles:\n/no/existe/Aisc-dat.Dat"));
        QVERIFY(!Lista("Combo6")->isEnabled());
        QTest::mouseClick(Boton("Command7"), Qt::LeftButton);
        QVERIFY(!Visible("SSPanel2"));
        QCOMPARE(Datos().designacionPerfil, -1);
        QVERIFY(!doc->ProyectoActual().perfil);
        // Once the table is there again it is found.
        dlg->Perfiles().FijaRuta(CatalogoPerfiles::RutaPrograma());
        AbrePanelPerfil();
        Elige(Lista("Combo5"), IndiceFamilia("W"));
        QVERIFY(Lista("Combo6")->count() > 0);
    }

    // The order of the checks is the core's; here the panel resets the field and stays.
    void controlDeCargaVerificaEnOrden_data() {
        pruebas::Columnas<QString, QString, QString, bool, QString, QString, bool>(
            "muerta", "viva", "unitario", "pesoPropio", "mensaje", "campo", "cierra");
        // "campo": the field reset to "1.0"
        pruebas::Fila("muerta 0.9 antes que viva", "0.9", "0.5", "0.5", true,
                      "El factor de carga muerta no puede ser menor de 1.0", "Text13", false);
        pruebas::Fila("unitario 0.5 sin peso propio", "1.4", "1.7", "0.5", false, "", "Text15",
                      true);
    }
    void controlDeCargaVerificaEnOrden() {
        QFETCH(QString, muerta);
        QFETCH(QString, viva);
        QFETCH(QString, unitario);
        QFETCH(bool, pesoPropio);
        QFETCH(QString, mensaje);
        QFETCH(QString, campo);
        QFETCH(bool, cierra);
        QTest::mouseClick(Boton("Command9"), Qt::LeftButton);
        QVERIFY(Visible("SSPanel3"));
        QVERIFY(!Boton("Command1")->isEnabled());
        Escribe(Campo("Text13"), muerta);
        Escribe(Campo("Text14"), viva);
        Escribe(Campo("Text15"), unitario);
        auto* check = Busca<QCheckBox>(dlg.get(), "Check1");
        if (check->isChecked() != pesoPropio) QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(Datos().calculaPesoPropio, pesoPropio);
        QTest::mouseClick(Boton("Command10"), Qt::LeftButton);
        QCOMPARE(Textos(), mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
        if (!campo.isEmpty()) QCOMPARE(Campo(qPrintable(campo))->text(), QString("1.0"));
        // Only the first failing check resets its field.
        if (campo == "Text13") QCOMPARE(Campo("Text14")->text(), viva);
        QCOMPARE(Visible("SSPanel3"), !cierra);
        QCOMPARE(Boton("Command1")->isEnabled(), cierra);
    }

    void opcionesDeCarga() {
        QTest::mouseClick(Boton("Command9"), Qt::LeftButton);
        auto* total = Busca<QRadioButton>(dlg.get(), "Option1_1");
        Escribe(Campo("Text8"), "0.8");
        QTest::mouseClick(total, Qt::LeftButton);
        QCOMPARE(Campo("Text13")->text(), QString("1.0"));
        QCOMPARE(Campo("Text14")->text(), QString("1.0"));
        QVERIFY(Datos().usaCargaTotal);
        // One total load: the live-load field is emptied and disabled with its label.
        QCOMPARE(Campo("Text8")->text(), QString());
        QVERIFY(!Campo("Text8")->isEnabled());
        QVERIFY(!Busca<QLabel>(dlg.get(), "EtiquetaText8")->isEnabled());
        QCOMPARE(Busca<QLabel>(dlg.get(), "EtiquetaText1")->text(), QString("C.U. total"));
        QTest::mouseClick(Busca<QRadioButton>(dlg.get(), "Option1_0"), Qt::LeftButton);
        QCOMPARE(Campo("Text13")->text(), QString("1.4"));
        QCOMPARE(Campo("Text14")->text(), QString("1.7"));
        QVERIFY(Campo("Text8")->isEnabled());
        QCOMPARE(Busca<QLabel>(dlg.get(), "EtiquetaText1")->text(), QString("C. muerta"));
        QTest::mouseClick(Boton("Command10"), Qt::LeftButton);

        Elige(Lista("Combo3"), kOtro);
        QTest::mouseClick(Boton("Command9"), Qt::LeftButton);
        QCOMPARE(total->text(), QString("Usa carga total"));
        QTest::mouseClick(total, Qt::LeftButton);
        QCOMPARE(Busca<QLabel>(dlg.get(), "EtiquetaText1")->text(), QString("C. total"));
    }

    void pesoPropioHabilitaElPesoUnitario() {
        QTest::mouseClick(Boton("Command9"), Qt::LeftButton);
        auto* check = Busca<QCheckBox>(dlg.get(), "Check1");
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!Campo("Text15")->isEnabled());
        QVERIFY(!Busca<QLabel>(dlg.get(), "EtiquetaText15")->isEnabled());
        QVERIFY(!Busca<QLabel>(dlg.get(), "UnidadText15")->isEnabled());
        // Without self weight the span rows carry none.
        QVERIFY(!doc->ProyectoActual().vanos[0].pesoPropio);
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(Campo("Text15")->isEnabled());
        QVERIFY(doc->ProyectoActual().vanos[0].pesoPropio);
    }

    // How the panel normalises the inertia is the core's; here Cancel gives the text back.
    void panelDeInercia_data() {
        pruebas::Columnas<QString, QString>("antes", "mostrada");
        pruebas::Fila("vacia", "", "1.000000");
        pruebas::Fila("valor", "0.0025", "0.002500");
    }
    void panelDeInercia() {
        QFETCH(QString, antes);
        QFETCH(QString, mostrada);
        const std::string t = antes.toStdString();
        doc->Modifica("inercia", [t](Proyecto& p) { p.datos.inercia = t; });
        Elige(Lista("Combo4"), kInerciaOtra);
        QVERIFY(Visible("SSPanel1"));
        QVERIFY(!Boton("Command1")->isEnabled());
        QCOMPARE(Campo("Text11")->text(), mostrada);
        // Cancel gives back the text as it was before the panel opened.
        QTest::mouseClick(Boton("Command6"), Qt::LeftButton);
        QVERIFY(!Visible("SSPanel1"));
        QCOMPARE(Campo("Text11")->text(), antes);
        QCOMPARE(Datos().opcionInercia, int(kInerciaOtra));
        // OK keeps what was typed.
        Elige(Lista("Combo4"), kInerciaOtra);
        Escribe(Campo("Text11"), "0.5");
        QTest::mouseClick(Boton("Command4"), Qt::LeftButton);
        QVERIFY(!Visible("SSPanel1"));
        QVERIFY(Boton("Command1")->isEnabled());
        QCOMPARE(Datos().inercia, std::string("0.5"));
    }

    void unPanelALaVez() {
        QTest::mouseClick(Boton("Command9"), Qt::LeftButton);
        Elige(Lista("Combo4"), kInerciaOtra);
        QVERIFY(Visible("SSPanel1"));
        QVERIFY(!Visible("SSPanel3"));
        QTest::mouseClick(Boton("Command9"), Qt::LeftButton);
        QVERIFY(Visible("SSPanel3"));
        QVERIFY(!Visible("SSPanel1"));
        // The load-control panel gives way only once its checks pass.
        Escribe(Campo("Text13"), "0.5");
        Elige(Lista("Combo4"), kInerciaOtra);
        QCOMPARE(Textos(), QStringList{"El factor de carga muerta no puede ser menor de 1.0"});
        QVERIFY(Visible("SSPanel3"));
        QVERIFY(!Visible("SSPanel1"));
        Elige(Lista("Combo4"), kInerciaOtra);
        QVERIFY(Visible("SSPanel1"));
        QVERIFY(!Visible("SSPanel3"));
    }

    void modeloDelPerfilEsUnModeloCorrecto() {
        ModeloPerfil m;
        QAbstractItemModelTester probador(&m,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
        const ListaFamilia w = Familia(IndiceFamilia("W"));
        QVERIFY(!w.perfiles.empty());
        m.Muestra(w.perfiles[0]);
        m.Muestra(std::nullopt);
        QCOMPARE(m.index(0, 0).data().toString(), QString());
    }
};

// The dialog inside the program: the menu opens it and its fields reach the project.
class DatgenEnElProgramaTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void menuAbreElDialogoYActualizaAlCerrar() {
        Mensajes::IniciaGuion();
        TluxMDI marco;
        marco.show();
        auto* menu = Busca<QAction>(&marco, "menu3");
        QVERIFY(menu->isEnabled());
        Datgen* dlg = marco.Principal()->VentanaDatgen();
        bool visto = false;
        QTimer::singleShot(0, dlg, [&] {
            visto = dlg->isVisible();
            Escribe(Busca<QLineEdit>(dlg, "Text5"), "30");
            QTest::mouseClick(Busca<QPushButton>(dlg, "Command1"), Qt::LeftButton);
        });
        menu->trigger();
        QVERIFY(visto);
        QVERIFY(!dlg->isVisible());
        const Vano& v = marco.Doc()->ProyectoActual().vanos[0];
        QCOMPARE(marco.Doc()->ProyectoActual().datos.base, std::string("30"));
        // The span row keeps its own width until the column takes the global value.
        QCOMPARE(v.base, 20.0);
        Mensajes::TerminaGuion();
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int fallas = 0;
    {
        DatgenTest t;
        fallas |= QTest::qExec(&t, argc, argv);
    }
    {
        DatgenEnElProgramaTest t;
        fallas |= QTest::qExec(&t, argc, argv);
    }
    return fallas;
}

#include "datgen_test.moc"
