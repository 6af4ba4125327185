// The frame driven as a user would, by the names of its windows and controls: span grid
// gestures, span count and interior supports, the menus, runs and the windows they open.
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>
#include <functional>

#include "apoyo_pruebas.h"
#include "core/calculo/calcula.h"
#include "core/modelo/operaciones_vanos.h"
#include "core/reporte/composicion.h"
#include "core/reporte/superficie_grabadora.h"
#include "gui/comun/traducciones.h"
#include "gui/dialogos/datos_generales/dialogo_datos_generales.h"
#include "gui/documento/informe_documento.h"
#include "gui/editor/dialogo_apoyos.h"
#include "gui/editor/dialogo_numero_vanos.h"
#include "gui/editor/dibujo_viga.h"
#include "gui/editor/editor_vanos.h"
#include "gui/editor/modelo_vanos.h"
#include "gui/informe/ventana_informe.h"
#include "gui/refuerzo/ventana_refuerzo.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using namespace trabelux::pruebas;

class MarcoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Marco> marco;
    Documento* doc = nullptr;
    EditorVanos* principal = nullptr;
    Sesion* sesion = nullptr;
    QTemporaryDir dir;

    QString Ruta(const char* nombre) const { return dir.filePath(QLatin1String(nombre)); }
    QAbstractItemModel* Rejilla() { return Busca<QTableView>(principal, "DBGrid1")->model(); }
    QString Celda(int fila, int col) { return Rejilla()->index(fila, col).data().toString(); }
    QString NumVanosMostrado() { return Busca<QLabel>(principal, "Label10")->text(); }
    bool HayResultados() { return Busca<QAction>(marco.get(), "Menu12")->isEnabled(); }

    // The span-count dialog, as a click on the span-count label opens it (or as it stays
    // open after a refusal).
    void CambiaNumero(const QString& numero, const QString& longitud = "1.00", bool ok = true,
                      bool abre = true) {
        if (abre) QTest::mouseClick(Busca<QLabel>(principal, "Label10"), Qt::LeftButton);
        auto* dialogo = Busca<DialogoNumeroVanos>(principal, "NumVanos");
        QVERIFY(dialogo->isVisible());
        Busca<QLineEdit>(dialogo, "Text1")->setText(numero);
        Busca<QLineEdit>(dialogo, "Text2")->setText(longitud);
        Pulsa(dialogo, ok ? "Command1" : "Command2");
    }

    void ClicEnCabecera(int columna) {
        auto* cabecera = Busca<QTableView>(principal, "DBGrid1")->horizontalHeader();
        const int x =
            cabecera->sectionViewportPosition(columna) + cabecera->sectionSize(columna) / 2;
        QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {},
                          QPoint(x, cabecera->height() / 2));
    }

  private slots:
    void initTestCase() {
        pruebas::InstalaManejador();
        QVERIFY(dir.isValid());
    }

    void init() {
        Mensajes::IniciaGuion();
        marco = MarcoVisible();
        doc = marco->Doc();
        principal = marco->Editor();
        sesion = marco->SesionActiva();
    }

    void cleanup() {
        marco.reset();
        Mensajes::TerminaGuion();
    }

    // Closing the frame with unsaved edits asks first. Destroying it: the undo stack
    // clears itself as the document goes, and no signal of a half-destroyed document may
    // reach anyone.
    void cerrarConCambiosNoAvisaDesdeUnDocumentoAMedioDestruir() {
        doc->Modifica("Nombre", [](Proyecto& p) { p.nombreViga = "V2"; });
        Mensajes::AgregaRespuesta(Respuesta::Cancelar);
        QVERIFY(!marco->close());
        QCOMPARE(Textos(),
                 QStringList{"El proyecto tiene cambios sin guardar. Quiere guardarlos?"});
        int avisos = 0;
        connect(doc, &Documento::cambiado, this, [&avisos] { ++avisos; });
        marco.reset();
        QCOMPARE(avisos, 0);
    }

    // Steel or another material leaves only "&Analisis &Solo".
    void materialDecideAnalisisYDiseno() {
        auto* diseno = Busca<QAction>(marco.get(), "menu10");
        QVERIFY(diseno->isEnabled());
        doc->Modifica("acero", [](Proyecto& p) { p.datos.material = Material::kAcero; });
        QVERIFY(!diseno->isEnabled());
        QVERIFY(Busca<QAction>(marco.get(), "menu11")->isEnabled());
        doc->Modifica("hormigon", [](Proyecto& p) { p.datos.material = Material::kHormigon; });
        QVERIFY(diseno->isEnabled());
    }

    // A click on a heading fills the column from the general data after an OK; Cancel, or
    // a column without a global value, changes nothing.
    void clicEnCabeceraLlenaLaColumna() {
        doc->Modifica("globales", [](Proyecto& p) {
            CambiaNumVanos(p, 2, 3);
            p.datos.base = "30";
        });
        Mensajes::AgregaRespuesta(Respuesta::Cancelar);
        ClicEnCabecera(kColBase);
        QCOMPARE(Celda(1, kColBase), QString("20.0"));
        QCOMPARE(Mensajes::Mostrados().at(0).tipo, TipoMensaje::OkCancelar);
        Mensajes::AgregaRespuesta(Respuesta::Ok);
        ClicEnCabecera(kColBase);
        QCOMPARE(Celda(0, kColBase), QString("30.0"));
        QCOMPARE(Celda(1, kColBase), QString("30.0"));
        ClicEnCabecera(kColVano);
        QCOMPARE(Mensajes::Mostrados().size(), size_t(2));
    }

    // A typed cell, a chosen end support and the interior-support dialog redraw the beam.
    void edicionesRedibujanLaViga() {
        auto* vd = Busca<DibujoViga>(principal, "VD");
        QVERIFY(Rejilla()->setData(Rejilla()->index(0, kColLong), "6"));
        bool hay = false;
        for (const auto& t : vd->Geometria().textos)
            hay = hay || (t.clase == ClaseTexto::Longitud && t.texto == "6.00");
        QVERIFY(hay);
        Elige(Busca<QComboBox>(principal, "Combo2"), 1);
        QCOMPARE(int(vd->Geometria().apoyos.back().simbolo), int(SimboloApoyo::Empotramiento));

        CambiaNumero("3", "4.5");
        Pulsa(principal, "SSCommand1");
        auto* cond = Busca<DialogoApoyos>(principal, "CondApoy");
        QVERIFY(cond->isVisible());
        auto* apoyos = Busca<QTableView>(cond, "SSDBGrid1")->model();
        apoyos->setData(apoyos->index(0, 1), 0);  // "No apoyado - 0"
        Pulsa(cond, "Command1");
        QVERIFY(!cond->isVisible());
        QCOMPARE(int(vd->Geometria().apoyos[1].simbolo), int(SimboloApoyo::Libre));
        QCOMPARE(int(vd->Geometria().apoyos[2].simbolo), int(SimboloApoyo::Triangulo));
    }

    // Delete on whole rows chosen by their headers asks, naming the spans, and deletes
    // them on Yes; on a chosen cell it empties the cell where it can be typed into; after
    // a click in empty grid space it does nothing.
    void suprimirBorraVanosSoloConFilasEnteras() {
        doc->Modifica("vanos", [](Proyecto& p) {
            CambiaNumVanos(p, 4, 5.0);
            for (Vano& v : p.vanos) v.cargaViva = 1.2;
        });
        auto* tabla = Busca<QTableView>(principal, "DBGrid1");
        QVERIFY(Activa(marco.get()));
        const struct {
            int fila, columna;
            QString queda;
        } celdas[] = {{1, kColViva, ""}, {2, kColVano, "3"}};
        for (const auto& c : celdas) {
            ClicEnCelda(tabla, Rejilla()->index(c.fila, c.columna));
            QTest::keyClick(tabla, Qt::Key_Delete);
            QCOMPARE(Celda(c.fila, c.columna), c.queda);
        }
        QTest::mouseClick(tabla->viewport(), Qt::LeftButton, {},
                          QPoint(5, tabla->viewport()->height() - 3));
        QTest::keyClick(tabla, Qt::Key_Delete);
        QCOMPARE(Rejilla()->rowCount(), 4);
        QVERIFY(Mensajes::Mostrados().empty());
        QHeaderView* filas = tabla->verticalHeader();
        for (Respuesta r : {Respuesta::No, Respuesta::Si}) {
            for (int f : {1, 2})
                QTest::mouseClick(
                    filas->viewport(), Qt::LeftButton, f == 1 ? Qt::NoModifier : Qt::ShiftModifier,
                    QPoint(filas->width() / 2, filas->sectionViewportPosition(f) + 4));
            Mensajes::AgregaRespuesta(r);
            QTest::keyClick(tabla, Qt::Key_Delete);
            QCOMPARE(Textos().back(), QString("Quiere eliminar los vanos 2 y 3?"));
        }
        QCOMPARE(Rejilla()->rowCount(), 2);
        QCOMPARE(Mensajes::Mostrados().size(), size_t(2));
    }

    void nombreDeLaVigaVaAlEncabezado() {
        auto* nombre = Busca<QLineEdit>(principal, "Text7");
        nombre->selectAll();
        QTest::keyClicks(nombre, "VA-3");
        QCOMPARE(doc->ProyectoActual().encabezado, std::string("VA-3"));
        // Typing the name is one undo step.
        doc->Pila()->undo();
        QCOMPARE(nombre->text(), QString("V1"));
    }

    // Cancel in the span-count dialog changes nothing; raising the count drops the results.
    void cancelNoCambiaNada() {
        CambiaNumero("2");
        doc->FijaResultados(Calcula(doc->ProyectoActual()));
        QVERIFY(HayResultados());
        const int pasos = doc->Pila()->count();
        CambiaNumero("6", "3", /*ok=*/false);
        QCOMPARE(NumVanosMostrado(), QString("2"));
        QCOMPARE(doc->Pila()->count(), pasos);
        QVERIFY(!Busca<DialogoNumeroVanos>(principal, "NumVanos")->isVisible());
        QVERIFY(HayResultados());
        CambiaNumero("3");
        QVERIFY(doc->UltimosResultados() == nullptr);
        QVERIFY(!HayResultados());
    }

    // Refused in the words of the grid; the dialog stays open for a correction.
    void numeroOLongitudNoValidosSeRechazan_data() {
        Columnas<QString, QString, QString>("numero", "longitud", "mensaje");
        const char* rango = "El numero de vanos debe estar entre 1 y 20";
        Fila("21", "21", "1", rango);
        Fila("fraccion", "2.5", "1", rango);
        Fila("longitud negativa", "3", "-2", "No se admiten valores negativos");
        Fila("longitud texto", "3", "abc", "El texto \"abc\" no es un numero");
    }
    void numeroOLongitudNoValidosSeRechazan() {
        QFETCH(QString, numero);
        QFETCH(QString, longitud);
        QFETCH(QString, mensaje);
        CambiaNumero(numero, longitud);
        QCOMPARE(Textos(), QStringList{mensaje});
        QCOMPARE(NumVanosMostrado(), QString("1"));
        QVERIFY(!doc->Modificado());
        CambiaNumero("20", "1,5", /*ok=*/true, /*abre=*/false);
        QCOMPARE(NumVanosMostrado(), QString("20"));
        QCOMPARE(Celda(19, kColLong), QString("1.500"));
    }

    // The file commands through their dialogs; the file's bytes are the core's business.
    void abrirYSalvarIdaYVuelta() {
        doc->Modifica("datos", [](Proyecto& p) {
            p.nombreViga = "VP-7";
            p.apoyoIzquierdo = CondicionExtremo::kEmpotrado;
        });
        Mensajes::AgregaRuta(dir.filePath("ida"));  // the extension is added
        Dispara(marco.get(), "menu03");
        QVERIFY(QFile::exists(Ruta("ida.vcw")));
        QVERIFY(!doc->Modificado());
        QVERIFY(marco->windowTitle().contains("ida.vcw"));
        Mensajes::AgregaRespuesta(Respuesta::Ok);
        Dispara(marco.get(), "Menu01");
        QCOMPARE(Busca<QLineEdit>(principal, "Text7")->text(), QString("V1"));
        Mensajes::AgregaRuta(Ruta("ida.vcw"));
        Dispara(marco.get(), "Menu02");
        QCOMPARE(Busca<QLineEdit>(principal, "Text7")->text(), QString("VP-7"));
        QCOMPARE(Busca<QComboBox>(principal, "Combo1")->currentText(), QString("Empotrado"));
        QCOMPARE(doc->Ruta(), Ruta("ida.vcw"));
        // Ctrl+S writes over that file without a dialog and clears the title's mark; a
        // project without a file asks for the name.
        QVERIFY(Activa(marco.get()));
        Busca<QLineEdit>(principal, "Text7")->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), "-B");
        QVERIFY(marco->isWindowModified());
        Mensajes::BorraMostrados();
        QTest::keySequence(marco.get(), QKeySequence::Save);
        QVERIFY(Mensajes::Mostrados().empty());
        QVERIFY(LeeArchivo(Ruta("ida.vcw")).startsWith("VP-7-B,"));
        QVERIFY(!marco->isWindowModified());
        Mensajes::AgregaRespuesta(Respuesta::Ok);
        Dispara(marco.get(), "Menu01");
        QTest::keySequence(marco.get(), QKeySequence::Save);
        QCOMPARE(Mensajes::Mostrados().back().tipo, TipoMensaje::Guardar);
    }

    // Outside the scripted mode each kind of message is a box with its own icon.
    void cadaMensajeConSuIcono() {
        Mensajes::TerminaGuion();
        const QString mensaje = QStringLiteral("No se pudo leer el archivo:\nx.vcw");
        const struct {
            void (*muestra)(QWidget*, const QString&, const QString&);
            QMessageBox::Icon icono;
        } casos[] = {{&Mensajes::Informa, QMessageBox::Information},
                     {&Mensajes::Advierte, QMessageBox::Warning},
                     {&Mensajes::Error, QMessageBox::Critical}};
        for (const auto& caso : casos) {
            int visto = -1;
            QString texto;
            QTimer::singleShot(0, this, [&visto, &texto] {
                auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!caja) return;
                visto = caja->icon();
                texto = caja->text();
                caja->accept();
            });
            caso.muestra(principal, mensaje, {});
            QCOMPARE(visto, int(caso.icono));
            QCOMPARE(texto, mensaje);
        }
    }

    // A steel beam takes its section from the shapes table as it opens; without the table
    // it still opens, and says so in the command line's words.
    void aceroAbreConElPerfilOAvisaSinLaTabla() {
        QVERIFY(sesion->AbreArchivo(TRABELUX_EXAMPLES "/acero.vcw"));
        const Proyecto& p = doc->ProyectoActual();
        QVERIFY(p.perfil.has_value());
        QVERIFY(Mensajes::Mostrados().empty());
        QVERIFY(qAbs(p.vanos[0].base - p.perfil->bf * 100) < 1e-6);
        QCOMPARE(marco->DialogoDeDatosGenerales()->PanelAbierto(),
                 DialogoDatosGenerales::Panel::Ninguno);
        sesion->FijaRutaPerfiles("/no/existe/Aisc-dat.Dat");
        QVERIFY(sesion->AbreArchivo(TRABELUX_EXAMPLES "/acero.vcw"));
        QVERIFY(!doc->ProyectoActual().perfil.has_value());
        QCOMPARE(Mensajes::Mostrados().at(0).tipo, TipoMensaje::Advertencia);
        QVERIFY(Mensajes::Mostrados()[0].texto.startsWith(
            "No se pudo leer la tabla de perfiles:\n/no/existe/Aisc-dat.Dat\n"));
    }

    // While a run goes on: the notice, the progress window, the menus off. Then the
    // results window over the span editor, with the commands that edit the project off
    // (the results would no longer describe it) and the unsaved-changes mark in the title;
    // "Regresar" fills the frame again; the results are kept for the beam as analysed, on
    // the page the user left; F5 runs again; a run that stops warns and drops them.
    void analisisDesdeElMenuMuestraLosResultados() {
        QVERIFY(sesion->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "V9"; });
        const double luz = doc->ProyectoActual().vanos[0].longitud;
        const QString titulo = "Trabelux - tres-vanos.vcw*";
        const char* menus[] = {"menu0", "menu5", "Menu1", "menu2"};
        const char* edicion[] = {"menu3", "Menu04", "menu5Accion", "menuDeshacer"};
        bool visto = false;
        QTimer::singleShot(0, this, [&] {
            visto = true;
            QVERIFY(Busca<QLabel>(principal, "Label4")->isVisible());
            QVERIFY(Busca<QWidget>(marco.get(), "Progre")->isVisible());
            for (const char* m : menus)
                QVERIFY(!Busca<QMenu>(marco.get(), m)->menuAction()->isEnabled());
        });
        Dispara(marco.get(), "menu11");
        QVERIFY(visto);
        QVERIFY(doc->UltimosResultados()->etapa == EtapaCalculo::kAnalizado);
        auto* ventana = Busca<QMdiSubWindow>(marco.get(), "VentanaResultad");
        QVERIFY(ventana->isVisible());
        QCOMPARE(marco->windowHandle()->title(), titulo);
        for (const char* nombre : edicion)
            QVERIFY2(!Busca<QAction>(marco.get(), nombre)->isEnabled(), nombre);
        Pulsa(marco.get(), "BotonRegresa");
        QVERIFY(!ventana->isVisible());
        QVERIFY(Mensajes::Mostrados().empty());
        QVERIFY(!Busca<QLabel>(principal, "Label4")->isVisible());
        QVERIFY(!Busca<QWidget>(marco.get(), "Progre")->isVisible());
        for (const char* m : menus)
            QVERIFY(Busca<QMenu>(marco.get(), m)->menuAction()->isEnabled());
        for (const char* nombre : edicion)
            QVERIFY2(Busca<QAction>(marco.get(), nombre)->isEnabled(), nombre);
        auto* pestanas = Busca<QTabWidget>(marco.get(), "SSTab1");
        pestanas->setCurrentIndex(2);
        Dispara(marco.get(), "Menu12");
        QVERIFY(ventana->isVisible());
        QCOMPARE(pestanas->currentIndex(), 2);
        QCOMPARE(doc->ProyectoCalculado()->vanos[0].longitud, luz);
        Pulsa(marco.get(), "BotonRegresa");
        QVERIFY(QTest::qWaitForWindowActive(marco.get()));
        QTest::keyClick(Busca<QWidget>(principal, "DBGrid1"), Qt::Key_F5);
        QVERIFY(ventana->isVisible());
        const QString ultimo = Busca<QLabel>(marco.get(), "UltimoCalculo")->text();
        QVERIFY2(ultimo.startsWith(QString::fromUtf8("Último cálculo terminado a las ")),
                 qPrintable(ultimo));
        Pulsa(marco.get(), "BotonRegresa");
        QCOMPARE(marco->windowHandle()->title(), titulo);
        auto* area = Busca<QMdiArea>(marco.get(), "AreaMDI");
        auto* sub = Busca<QMdiSubWindow>(marco.get(), "VentanaPolidur1");
        QVERIFY(sub->isMaximized());
        QCOMPARE(sub->geometry(), area->viewport()->rect());
        marco->resize(800, 600);
        QTRY_COMPARE(sub->geometry(), area->viewport()->rect());
        Mensajes::BorraMostrados();
        doc->Modifica("inestable", [](Proyecto& p) {
            p.apoyoIzquierdo = p.apoyoDerecho = CondicionExtremo::kNoApoyado;
            p.apoyosInteriores.assign(p.apoyosInteriores.size(), 0);
        });
        Dispara(marco.get(), "menu10");
        QCOMPARE(Textos(),
                 QStringList{"La viga es inestable.\nVerifique las condiciones de apoyo"});
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::Advertencia);
        QVERIFY(!ventana->isVisible());
        QVERIFY(!doc->Calculado());
        QVERIFY(!HayResultados());
        QVERIFY(Busca<QMenu>(marco.get(), "menu0")->menuAction()->isEnabled());
    }

    // Results belong to the project they were computed from. After a run, "Empotrado" at
    // the right end: the results window, "&Resultados", "&Refuerzo", the bars and the
    // report (preview and PDF alike) treat them as absent, the report printing the input
    // and one line about it, and the status bar says so; the undo brings them all back.
    // "&Nuevo" and "&Abrir" leave no last run in the status bar.
    void resultadosSoloDelProyectoCalculado() {
        QVERIFY(sesion->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
        Dispara(marco.get(), "menu10");
        auto* ultimo = Busca<QLabel>(marco.get(), "UltimoCalculo");
        const QString antes = ultimo->text();
        Dispara(marco.get(), "menu4");  // the report follows the project while it is open
        for (bool desactualizados : {false, true, false}) {
            if (desactualizados)
                Elige(Busca<QComboBox>(principal, "Combo2"),
                      static_cast<int>(CondicionExtremo::kEmpotrado));
            else if (ultimo->text() != antes)
                Dispara(marco.get(), "menuDeshacer");
            QCOMPARE(HayResultados(), !desactualizados);
            QCOMPARE(Busca<QAction>(marco.get(), "Menu13")->isEnabled(), !desactualizados);
            QCOMPARE(ultimo->text(),
                     desactualizados ? "Resultados desactualizados: calcule de nuevo" : antes);
            SuperficieGrabadora g;  // the report as the preview composes it
            EmpiezaInforme(g, doc->ConfiguracionReporte());
            marco->VentanaDeInforme()->ComposicionActual()(g);
            QStringList textos;
            for (const auto& l : g.Llamadas()) textos << QString::fromStdString(l.texto);
            QCOMPARE(textos.contains(kAvisoResultadosDesactualizados), desactualizados);
            QCOMPARE(textos.contains("Reacciones de apoyo"), !desactualizados);
            QCOMPARE(Busca<QComboBox>(marco->VentanaDeInforme(), "ListaDiagramas")->isEnabled(),
                     !desactualizados);
        }
        Pulsa(marco->VentanaDeInforme(), "Cierra");
        // The bars' window closes when the results it details go stale.
        Dispara(marco.get(), "Menu13");
        doc->Modifica("otra luz", [](Proyecto& p) { p.vanos[0].longitud += 0.5; });
        QVERIFY(!Busca<VentanaRefuerzo>(marco.get(), "VigRefu")->isVisible());
        Mensajes::AgregaRespuesta(Respuesta::Ok);
        Mensajes::AgregaRespuesta(Respuesta::No);
        Dispara(marco.get(), "Menu01");
        QCOMPARE(ultimo->text(), QString("Sin calcular"));
        Dispara(marco.get(), "menu11");
        QVERIFY(sesion->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
        QCOMPARE(ultimo->text(), QString("Sin calcular"));
    }

    // The run's options are inputs of its results: a live-load arrangement or a deflection
    // setting changed after the run leaves them stale until it is undone. The stock bar
    // length is not: the bars are cut from the project as it stands.
    void opcionesDelCalculoDesactualizanLosResultados() {
        QVERIFY(sesion->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
        Dispara(marco.get(), "menu10");
        QVERIFY(doc->Calculado());
        const std::function<void(DatosGenerales&)> cambios[] = {
            [](DatosGenerales& d) { d.alternancia = AlternanciaCargaViva::kCasosNorma; },
            [](DatosGenerales& d) { d.duracion = DuracionCarga::kTresMeses; },
            [](DatosGenerales& d) { d.vivaSostenida = "25"; },
            [](DatosGenerales& d) { d.limite = LimiteDeflexion::kTecho180; },
        };
        for (const auto& cambio : cambios) {
            doc->Modifica("opcion", [&](Proyecto& p) { cambio(p.datos); });
            QVERIFY(doc->ResultadosDesactualizados());
            doc->Pila()->undo();
            QVERIFY(doc->Calculado());
        }
        doc->Modifica("largo", [](Proyecto& p) { p.datos.largoComercial = "6"; });
        QVERIFY(doc->Calculado());
    }

    // Undo and redo act on the project wherever the focus is, except inside a cell being
    // typed; the span-length panel takes a decimal comma and hands the keyboard back to
    // the grid.
    void deshacerYRehacerDesdeCualquierParte() {
        QVERIFY(QTest::qWaitForWindowActive(marco.get()));
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "V2"; });
        const struct {
            const char *foco, *tecla, *nombre;
        } pasos[] = {{"Combo1", "Ctrl+Z", "V1"},
                     {"Combo2", "Ctrl+Y", "V2"},
                     {"DBGrid1", "Ctrl+Z", "V1"},
                     {"SSCommand1", "Ctrl+Shift+Z", "V2"}};
        for (const auto& paso : pasos) {
            auto* w = Busca<QWidget>(principal, paso.foco);
            w->setFocus();
            QTest::keySequence(w, QKeySequence(paso.tecla));
            QCOMPARE(doc->ProyectoActual().nombreViga, std::string(paso.nombre));
        }
        auto* tabla = Busca<QTableView>(principal, "DBGrid1");
        tabla->setFocus();
        tabla->edit(tabla->model()->index(0, kColBase));
        QVERIFY(QApplication::focusWidget() != tabla);
        QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+Z"));
        QCOMPARE(doc->ProyectoActual().nombreViga, std::string("V2"));
        ClicEnCelda(tabla, tabla->model()->index(0, kColBase), /*doble=*/true);
        QVERIFY(Busca<QFrame>(principal, "SSPanel1")->isVisible());
        QVERIFY(!Busca<QWidget>(principal, "Frame1")->isVisible());
        Busca<QLineEdit>(principal, "Text12")->setText("1,5");
        Pulsa(principal, "Command4");
        QVERIFY(Busca<QWidget>(principal, "Frame1")->isVisible());
        QCOMPARE(Celda(0, kColLong), QString("1.500"));
        QCOMPARE(QApplication::focusWidget(), tabla);
    }

    // Qt's own buttons and file dialogs speak Spanish. Last: the translation stays
    // installed for the rest of the process.
    void dialogosDeQtEnCastellano() {
        QVERIFY(CargaTraduccionesQt());
        QMessageBox caja(QMessageBox::Question, "T", "?", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(caja.button(QMessageBox::Yes)->text(), QString::fromUtf8("&Sí"));
        QFileDialog dialogo(marco.get());
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        const QString texto = Busca<QLabel>(&dialogo, "lookInLabel")->text();
        QVERIFY2(!texto.contains("Look in"), qPrintable(texto));
    }
};

QTEST_MAIN(MarcoTest)
#include "marco_test.moc"
