// The general-data dialog driven by its control names: the modulus following F'c, typed
// numbers checked on leaving a field and on OK, the material's effects, the panels (one at
// a time), the steel-shape panel over the shipped shapes table, and the menu that opens it.
#include "gui/dialogos/datos_generales/dialogo_datos_generales.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <limits>

#include "apoyo_pruebas.h"
#include "core/archivos/tabla_perfiles.h"
#include "core/modelo/rango.h"
#include "core/texto/numeros.h"
#include "gui/dialogos/datos_generales/modelo_perfil.h"
#include "gui/documento/documento.h"
#include "gui/editor/editor_vanos.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using namespace trabelux::pruebas;

namespace {

// Replaces a field's text by typing, as the user does.
void Escribe(QLineEdit* campo, const QString& texto) {
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Backspace);
    QTest::keyClicks(campo, texto);
}

}  // namespace

class DialogoDatosGeneralesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Documento> doc;
    std::unique_ptr<DialogoDatosGenerales> dlg;

    QLineEdit* Campo(const char* nombre) { return Busca<QLineEdit>(dlg.get(), nombre); }
    QComboBox* Lista(const char* nombre) { return Busca<QComboBox>(dlg.get(), nombre); }
    QPushButton* Boton(const char* nombre) { return Busca<QPushButton>(dlg.get(), nombre); }
    bool Visible(const char* panel) { return Busca<QFrame>(dlg.get(), panel)->isVisible(); }
    const DatosGenerales& Datos() { return doc->ProyectoActual().datos; }

    void AbrePanelPerfil(const char* familia = nullptr) {
        Elige(Lista("Combo3"), static_cast<int>(Material::kAcero));
        QVERIFY(Visible("SSPanel2"));
        if (familia) Elige(Lista("Combo5"), IndiceFamilia(familia));
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
        dlg = std::make_unique<DialogoDatosGenerales>(doc.get());
        dlg->Prepara();
        dlg->show();
    }

    void cleanup() {
        dlg.reset();
        doc.reset();
        Mensajes::TerminaGuion();
    }

    void moduloSigueAFc_data() {
        Columnas<QString, QString>("fc", "modulo");
        Fila("250", "250", "2.39E+06");
        Fila("negativo", "-50", "0.00E+00");
        Fila("con blancos", "2 10", "2.19E+06");
    }
    void moduloSigueAFc() {
        QFETCH(QString, fc);
        Escribe(Campo("Text2"), fc);
        QTEST(Campo("Text10")->text(), "modulo");
        QTEST(QString::fromStdString(Datos().moduloE), "modulo");
        QCOMPARE(QString::fromStdString(Datos().fc), fc);
        // 15100 sqrt(f'c) kg/cm2 is ten times as many t/m2, and the field says so.
        QCOMPARE(Busca<QLabel>(dlg.get(), "UnidadText10")->text(), QString("To/m2"));
        QVERIFY(Campo("Text10")->toolTip().endsWith("To/m2"));
    }

    // Typed numbers take "." or "," and are kept normalised; text that is no number, or a
    // value out of range, is refused with a message, the field keeps its previous value
    // (the modulus with F'c) and the dialog stays open even after the message box's own
    // event loop. OK checks as it takes the focus from the field, as leaving it does.
    void numeroTecleadoSeVerifica_data() {
        Columnas<QString, QString, QString, QString>("campo", "tecleado", "guardado", "mensaje");
        Fila("coma", "Text2", "2,5", "2.5", "");
        Fila("texto", "Text2", "1,5x", "180", "El texto \"1,5x\" no es un numero");
        Fila("fuera de rango", "Text6", "1E400", "40.0",
             QString::fromStdString(
                 MensajeFueraDeRango(std::numeric_limits<double>::infinity(), "de la altura")));
    }
    void numeroTecleadoSeVerifica() {
        QFETCH(QString, campo);
        QFETCH(QString, tecleado);
        QFETCH(QString, mensaje);
        QVERIFY(Activa(dlg.get()));
        QLineEdit* c = Campo(qPrintable(campo));
        c->setFocus(Qt::TabFocusReason);
        Escribe(c, tecleado);
        QTest::mouseClick(Boton("Command1"), Qt::LeftButton);
        QTEST(c->text(), "guardado");
        QCOMPARE(dlg->isVisible(), !mensaje.isEmpty());
        const std::string& dato = campo == "Text2" ? Datos().fc : Datos().altura;
        QTEST(QString::fromStdString(dato), "guardado");
        if (campo == "Text2")
            QCOMPARE(Campo("Text10")->text(), QString(mensaje.isEmpty() ? "2.39E+05" : "2.03E+06"));
        QCOMPARE(Textos(), mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
        if (mensaje.isEmpty()) return;
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::Advertencia);
        QCOMPARE(QApplication::focusWidget(), c);
    }

    // The whole dialog is one undo step at "OK"; "Cancelar" and Esc put every field back
    // as it was when it opened, a value being typed and an open panel included, and leave
    // no step. Entering a field selects its text.
    void okEsUnPasoYCancelarNoDejaNada() {
        for (const char* cierre : {"Cancelar", "Escape", "OK"}) {
            const bool ok = QLatin1String(cierre) == "OK";
            dlg->Prepara();
            dlg->show();
            QVERIFY(Activa(dlg.get()));
            Escribe(Campo("Text5"), "25");
            Escribe(Campo("Text2"), "250");  // the modulus follows
            if (!ok) {
                Elige(Lista("Combo4"),
                      static_cast<int>(OpcionInercia::kOtra));  // opens the inertia panel
                Escribe(Campo("Text11"), "5x");                 // not checked yet
            }
            if (QLatin1String(cierre) == "Escape")
                QTest::keyClick(Campo("Text11"), Qt::Key_Escape);
            else
                Pulsa(dlg.get(), ok ? "Command1" : "Cancelar");
            QVERIFY(!dlg->isVisible());
            QVERIFY(Mensajes::Mostrados().empty());
            QCOMPARE(doc->Pila()->count(), ok ? 1 : 0);
            QCOMPARE(Campo("Text5")->text(), QString(ok ? "25" : "20.0"));
            QCOMPARE(Campo("Text10")->text(), QString(ok ? "2.39E+06" : "2.03E+06"));
            QCOMPARE(static_cast<int>(Datos().opcionInercia), int(OpcionInercia::kBh3));
        }
        doc->Pila()->undo();
        QCOMPARE(Campo("Text5")->text(), QString("20.0"));
        QCOMPARE(Campo("Text10")->text(), QString("2.03E+06"));
        dlg->show();
        QVERIFY(Activa(dlg.get()));
        for (const char* n : {"Text2", "Text9"}) {
            Campo(n)->deselect();
            Campo(n)->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(Campo(n)->selectedText(), Campo(n)->text());
        }
    }

    void materialCambiaCamposYValores() {
        Elige(Lista("Combo3"), static_cast<int>(Material::kOtro));
        for (const char* n : {"Text2", "Text3", "Text4"}) QVERIFY(!Campo(n)->isEnabled());
        QVERIFY(!Lista("Combo4")->isEnabled());
        for (const char* n : {"Text10", "Text13", "Text14", "Text15"})
            QCOMPARE(Campo(n)->text(), QString("1.0"));
        // "Otra" while the list is disabled opens nothing.
        QVERIFY(!Visible("SSPanel1"));
        Elige(Lista("Combo3"), static_cast<int>(Material::kHormigon));
        for (const char* n : {"Text2", "Text3", "Text4"}) QVERIFY(Campo(n)->isEnabled());
        QCOMPARE(Campo("Text10")->text(), QString("2.03E+06"));
        QCOMPARE(Campo("Text13")->text(), QString("1.4"));
    }

    // Steel opens the shape panel, except while a project is being read; closing the
    // window then cancels it all.
    void aceroAbreElPanelDePerfilSalvoEnCarga() {
        bool enCarga = true;
        dlg->FijaEnCarga([&enCarga] { return enCarga; });
        Elige(Lista("Combo3"), static_cast<int>(Material::kAcero));
        QCOMPARE(Campo("Text15")->text(), QString("7.85"));
        QCOMPARE(dlg->PanelAbierto(), DialogoDatosGenerales::Panel::Ninguno);
        QVERIFY(Boton("Command1")->isEnabled());
        enCarga = false;
        AbrePanelPerfil();
        QVERIFY(!Boton("Command1")->isEnabled());
        QVERIFY(!Lista("Combo6")->isEnabled());  // family "Ninguno"
        dlg->reject();
        QCOMPARE(static_cast<int>(Datos().material), int(Material::kHormigon));
    }

    // A family lists its designations and the grid shows the one chosen; back to
    // "Ninguno" the grid empties. OK writes the section on every span as one undo step.
    void perfilElegidoEscribeLaSeccion() {
        const auto probador = Probador(dlg->ModeloDePerfil());
        doc->Modifica("vanos", [](Proyecto& p) {
            p.vanos.resize(3, p.vanos[0]);
            p.numVanos = 2;
        });
        AbrePanelPerfil("W");
        CatalogoPerfiles catalogo;
        const ListaFamilia w = PerfilesDeFamilia(*catalogo.Tabla(), IndiceFamilia("W"));
        QCOMPARE(Lista("Combo6")->count(), int(w.perfiles.size()));
        auto* rejilla = Busca<QTableView>(dlg.get(), "SSDBGrid1")->model();
        Elige(Lista("Combo5"), 0);
        QVERIFY(!Lista("Combo6")->isEnabled());
        QCOMPARE(rejilla->index(0, 0).data().toString(), QString());
        Elige(Lista("Combo5"), IndiceFamilia("W"));
        Elige(Lista("Combo6"), 2);
        QVERIFY(!rejilla->index(0, 0).data().toString().isEmpty());
        const auto m = PropiedadesMetricas(w.perfiles[2]);
        const QString ix = dlg->ModeloDePerfil()->Texto(5);
        QTest::mouseClick(Boton("Command7"), Qt::LeftButton);
        QVERIFY(!Visible("SSPanel2"));
        QVERIFY(Boton("Command1")->isEnabled());
        QCOMPARE(Campo("Text5")->text(), QString::fromStdString(Formatea(m[2] * 100, "0.0")));
        QCOMPARE(Campo("Text11")->text(), ix);
        const Proyecto& p = doc->ProyectoActual();
        for (int i = 0; i < 2; ++i) QVERIFY(qAbs(p.vanos[i].altura - m[1] * 100) < 1e-6);
        Pulsa(dlg.get(), "Command1");
        doc->Pila()->undo();
        QCOMPARE(Datos().familiaPerfil, 0);
        QCOMPARE(Campo("Text5")->text(), QString("20.0"));
    }

    void cancelDelPerfilVuelveALaEleccionAnterior() {
        AbrePanelPerfil("W");
        Elige(Lista("Combo6"), 3);
        QTest::mouseClick(Boton("Command7"), Qt::LeftButton);
        const std::string base = Datos().base;
        AbrePanelPerfil("S");
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
        AbrePanelPerfil("W");
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
        QVERIFY(Textos()[0].startsWith(
            "No se pudo leer la tabla de perfiles:\n/no/existe/Aisc-dat.Dat"));
        QVERIFY(!Lista("Combo6")->isEnabled());
        QTest::mouseClick(Boton("Command7"), Qt::LeftButton);
        QVERIFY(!Visible("SSPanel2"));
        QVERIFY(!doc->ProyectoActual().perfil);
        // Once the table is there again it is found.
        dlg->Perfiles().FijaRuta(CatalogoPerfiles::RutaPrograma());
        AbrePanelPerfil("W");
        QVERIFY(Lista("Combo6")->count() > 0);
    }

    // The order of the checks is the core's; here the panel resets the failing field and
    // stays, and gives way to another panel only once its checks pass.
    void controlDeCargaYUnPanelALaVez() {
        QTest::mouseClick(Boton("Command9"), Qt::LeftButton);
        QVERIFY(Visible("SSPanel3"));
        QVERIFY(!Boton("Command1")->isEnabled());
        Escribe(Campo("Text13"), "0.9");
        Escribe(Campo("Text14"), "0.5");
        Elige(Lista("Combo4"), static_cast<int>(OpcionInercia::kOtra));
        QCOMPARE(Textos(), QStringList{"El factor de carga muerta no puede ser menor de 1.0"});
        QCOMPARE(Campo("Text13")->text(), QString("1.0"));
        QCOMPARE(Campo("Text14")->text(), QString("0.5"));
        QVERIFY(Visible("SSPanel3") && !Visible("SSPanel1"));
        Escribe(Campo("Text14"), "1.7");
        Elige(Lista("Combo4"), static_cast<int>(OpcionInercia::kOtra));
        QVERIFY(Visible("SSPanel1") && !Visible("SSPanel3"));
        QTest::mouseClick(Boton("Command9"), Qt::LeftButton);
        QVERIFY(Visible("SSPanel3") && !Visible("SSPanel1"));
        QTest::mouseClick(Boton("Command10"), Qt::LeftButton);
        QVERIFY(!Visible("SSPanel3"));
        QVERIFY(Boton("Command1")->isEnabled());
    }

    // One total load: factors 1.0 and the live-load field emptied and disabled; self
    // weight off disables the unit weight and takes it off the spans.
    void opcionesDeCargaYPesoPropio() {
        QTest::mouseClick(Boton("Command9"), Qt::LeftButton);
        Escribe(Campo("Text8"), "0.8");
        Pulsa(dlg.get(), "Option1_1");
        QVERIFY(Datos().usaCargaTotal);
        QCOMPARE(Campo("Text14")->text(), QString("1.0"));
        QCOMPARE(Campo("Text8")->text(), QString());
        QVERIFY(!Campo("Text8")->isEnabled());
        Pulsa(dlg.get(), "Option1_0");
        QCOMPARE(Campo("Text14")->text(), QString("1.7"));
        QVERIFY(Campo("Text8")->isEnabled());
        Pulsa(dlg.get(), "Check1");
        QVERIFY(!Campo("Text15")->isEnabled());
        QVERIFY(!doc->ProyectoActual().vanos[0].pesoPropio);
        Pulsa(dlg.get(), "Check1");
        QVERIFY(doc->ProyectoActual().vanos[0].pesoPropio);

        // The live-load arrangement: chosen with the live and dead loads; with the total
        // load the list is disabled, says why and keeps the choice.
        Elige(Lista("ComboAlternancia"), 1);
        QCOMPARE(Datos().alternancia, AlternanciaCargaViva::kCasosNorma);
        Pulsa(dlg.get(), "Option1_1");
        QVERIFY(!Lista("ComboAlternancia")->isEnabled());
        QCOMPARE(Lista("ComboAlternancia")->toolTip(),
                 QString("Con \"Usa carga ultima total\" no hay carga viva que alternar."));
        QCOMPARE(Lista("ComboAlternancia")->currentIndex(), 1);
        Pulsa(dlg.get(), "Option1_0");
        QVERIFY(Lista("ComboAlternancia")->isEnabled());
        Elige(Lista("ComboAlternancia"), 0);
        QCOMPARE(Datos().alternancia, AlternanciaCargaViva::kNinguna);
    }

    // The deflections panel: for concrete only; its lists and its field reach the project,
    // a share over 100 % is refused and the panel stays open.
    void panelDeDeflexiones() {
        QVERIFY(Activa(dlg.get()));
        Pulsa(dlg.get(), "BotonDeflexiones");
        QVERIFY(Visible("PanelDeflexiones"));
        QVERIFY(!Boton("Command1")->isEnabled());
        Elige(Lista("ComboDuracion"), 1);
        Elige(Lista("ComboLimiteDeflexion"), 3);
        QCOMPARE(Datos().duracion, DuracionCarga::kSeisMeses);
        QCOMPARE(Datos().limite, LimiteDeflexion::kTecho180);
        QLineEdit* c = Campo("TextoVivaSostenida");
        c->setFocus(Qt::TabFocusReason);
        Escribe(c, "150");
        Pulsa(dlg.get(), "BotonOkDeflexiones");
        QCOMPARE(Textos(), QStringList{"La carga viva sostenida debe estar entre 0 y 100 %"});
        QVERIFY(Visible("PanelDeflexiones"));
        QCOMPARE(Datos().vivaSostenida, std::string("0"));
        QCoreApplication::processEvents();  // the refusal's click is over
        c->setFocus(Qt::TabFocusReason);
        Escribe(c, "25");
        Pulsa(dlg.get(), "BotonOkDeflexiones");
        QVERIFY(!Visible("PanelDeflexiones"));
        QCOMPARE(Datos().vivaSostenida, std::string("25"));
        Elige(Lista("Combo3"), static_cast<int>(Material::kAcero));
        QVERIFY(!Boton("BotonDeflexiones")->isVisibleTo(dlg.get()));
    }

    // How the inertia panel normalises is the core's; Cancel gives the text back, OK
    // keeps what was typed.
    void panelDeInercia() {
        doc->Modifica("inercia", [](Proyecto& p) { p.datos.inercia = "0.0025"; });
        Elige(Lista("Combo4"), static_cast<int>(OpcionInercia::kOtra));
        QVERIFY(!Boton("Command1")->isEnabled());
        QCOMPARE(Campo("Text11")->text(), QString("0.002500"));
        QTest::mouseClick(Boton("Command6"), Qt::LeftButton);
        QVERIFY(!Visible("SSPanel1"));
        QCOMPARE(Campo("Text11")->text(), QString("0.0025"));
        Elige(Lista("Combo4"), static_cast<int>(OpcionInercia::kOtra));
        Escribe(Campo("Text11"), "0.5");
        QTest::mouseClick(Boton("Command4"), Qt::LeftButton);
        QVERIFY(Boton("Command1")->isEnabled());
        QCOMPARE(Datos().inercia, std::string("0.5"));
    }

    // The dialog inside the program: the menu opens it and its fields reach the project;
    // a span row keeps its own width until the column takes the global value.
    void menuAbreElDialogoYActualizaAlCerrar() {
        auto marco = MarcoVisible();
        DialogoDatosGenerales* enMarco = marco->DialogoDeDatosGenerales();
        bool visto = false;
        QTimer::singleShot(0, enMarco, [&] {
            visto = enMarco->isVisible();
            Escribe(Busca<QLineEdit>(enMarco, "Text5"), "30");
            Pulsa(enMarco, "Command1");
        });
        Dispara(marco.get(), "menu3");
        QVERIFY(visto);
        QVERIFY(!enMarco->isVisible());
        QCOMPARE(marco->Doc()->ProyectoActual().datos.base, std::string("30"));
        QCOMPARE(marco->Doc()->ProyectoActual().vanos[0].base, 20.0);
    }
};

QTEST_MAIN(DialogoDatosGeneralesTest)
#include "dialogo_datos_generales_test.moc"
