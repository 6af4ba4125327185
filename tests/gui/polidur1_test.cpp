// The main window driven as a user would, by the names of its windows and controls:
// span grid gestures, span count and interior supports, file commands, analysis runs.
#include "principal/polidur1.h"

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
#include <QToolBar>
#include <QWindow>
#include <QtTest>

#include "analisis/calcula.h"
#include "apoyo_pruebas.h"
#include "comun/mensajes.h"
#include "comun/traducciones.h"
#include "dialogos/cond_apoy.h"
#include "dialogos/datgen.h"
#include "dialogos/num_vanos.h"
#include "documento/documento.h"
#include "modelo/operaciones.h"
#include "principal/dibujo_viga.h"
#include "principal/modelo_vanos.h"
#include "principal/tlux_mdi.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using pruebas::Busca;
using pruebas::Textos;

class Polidur1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TluxMDI> marco;
    Documento* doc = nullptr;
    Polidur1* principal = nullptr;
    QTemporaryDir dir;

    QString Ruta(const char* nombre) const { return dir.filePath(QLatin1String(nombre)); }

    // The span-count dialog, as a click on the span-count label opens it.
    void CambiaNumero(const QString& numero, const QString& longitud = "1.00", bool ok = true) {
        QTest::mouseClick(Busca<QLabel>(principal, "Label10"), Qt::LeftButton);
        auto* dialogo = Busca<NumVanos>(principal, "NumVanos");
        QVERIFY(dialogo->isVisible());
        QCOMPARE(Busca<QLineEdit>(dialogo, "Text1")->text(),
                 QString::number(doc->ProyectoActual().numVanos));
        Busca<QLineEdit>(dialogo, "Text1")->setText(numero);
        Busca<QLineEdit>(dialogo, "Text2")->setText(longitud);
        QTest::mouseClick(Busca<QPushButton>(dialogo, ok ? "Command1" : "Command2"),
                          Qt::LeftButton);
    }

    void ClicEnCabecera(int columna) {
        auto* cabecera = Busca<QTableView>(principal, "DBGrid1")->horizontalHeader();
        const int x =
            cabecera->sectionViewportPosition(columna) + cabecera->sectionSize(columna) / 2;
        QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {},
                          QPoint(x, cabecera->height() / 2));
    }

    QPoint CentroCelda(int fila, int columna) {
        auto* tabla = Busca<QTableView>(principal, "DBGrid1");
        return tabla->visualRect(tabla->model()->index(fila, columna)).center();
    }

    Resultados ResultadosCalculados() {
        Resultados r;
        r.estado = EstadoCalculo::kDisenado;
        r.numVanos = doc->ProyectoActual().numVanos;
        return r;
    }

  private slots:
    void initTestCase() {
        pruebas::InstalaManejador();
        QVERIFY(dir.isValid());
    }

    void init() {
        Mensajes::IniciaGuion();
        marco = std::make_unique<TluxMDI>();
        marco->resize(1100, 700);
        marco->show();
        QVERIFY(QTest::qWaitForWindowExposed(marco.get()));
        doc = marco->Doc();
        principal = marco->Principal();
    }

    void cleanup() {
        marco.reset();
        Mensajes::TerminaGuion();
    }

    // Destroying the frame with unsaved edits: the undo stack clears itself as the
    // document goes, and no signal of a half-destroyed document may reach anyone.
    void cerrarConCambiosNoAvisaDesdeUnDocumentoAMedioDestruir() {
        doc->Modifica("Nombre", [](Proyecto& p) { p.nombreViga = "V2"; });
        QVERIFY(doc->Modificado());
        int avisos = 0;
        connect(doc, &Documento::cambiado, this, [&avisos] { ++avisos; });
        marco.reset();
        QCOMPARE(avisos, 0);
    }

    // "&Datos generales" opens the window registered for it; a steel or other material
    // leaves only "&Analisis &Solo".
    void materialDecideAnalisisYDiseno() {
        auto* diseno = Busca<QAction>(marco.get(), "menu10");
        principal->RegistraVentana(VentanaExterna::DatosGenerales, [&] {
            doc->Modifica("acero", [](Proyecto& p) { p.datos.material = kAcero; });
        });
        QVERIFY(diseno->isEnabled());
        Busca<QAction>(marco.get(), "menu3")->trigger();
        QVERIFY(!diseno->isEnabled());
        QVERIFY(Busca<QAction>(marco.get(), "menu11")->isEnabled());
        doc->Modifica("otro", [](Proyecto& p) { p.datos.material = kOtro; });
        QVERIFY(!diseno->isEnabled());
        doc->Modifica("hormigon", [](Proyecto& p) { p.datos.material = kHormigon; });
        QVERIFY(diseno->isEnabled());
    }

    // Delete on a row removes its span, except the last one left.
    void suprimirBorraUnVanoSalvoElUltimo() {
        auto* tabla = Busca<QTableView>(principal, "DBGrid1");
        tabla->setFocus();
        tabla->setCurrentIndex(tabla->model()->index(0, kColLong));
        QTest::keyClick(tabla, Qt::Key_Delete);
        QCOMPARE(tabla->model()->rowCount(), 1);
        QVERIFY(Mensajes::Mostrados().empty());
        QVERIFY(!doc->Modificado());
        CambiaNumero("3", "5");
        tabla->setFocus();
        tabla->setCurrentIndex(tabla->model()->index(1, kColBase));
        QTest::keyClick(tabla, Qt::Key_Delete);
        QCOMPARE(tabla->model()->rowCount(), 2);
        QCOMPARE(Busca<QLabel>(principal, "Label10")->text(), QString("2"));
    }

    void cabeceras_data() {
        pruebas::Columnas<int, bool>("columna", "pregunta");
        for (int c = 0; c < kNumColumnasVano; ++c)
            pruebas::Fila(qPrintable(QString::number(c)), c, ColumnaReemplazable(c));
    }

    void cabeceras() {
        QFETCH(int, columna);
        QFETCH(bool, pregunta);
        doc->Modifica("globales", [](Proyecto& p) {
            CambiaNumVanos(p, 2, 3);
            p.datos.longitud = "2.5";
            p.datos.base = "30";
            p.datos.altura = "55";
            p.datos.opcionInercia = kInerciaOtra;
            p.datos.inercia = "0.01";
            p.datos.cargaMuerta = "1.1";
            p.datos.cargaViva = "0.4";
        });
        auto* modelo = Busca<QTableView>(principal, "DBGrid1")->model();
        const QString antes = modelo->index(1, columna).data().toString();

        // Cancel changes nothing.
        Mensajes::AgregaRespuesta(Respuesta::Cancelar);
        ClicEnCabecera(columna);
        QCOMPARE(modelo->index(1, columna).data().toString(), antes);
        if (!pregunta) {
            QVERIFY(Mensajes::Mostrados().empty());
            return;
        }
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::OkCancelar);

        Mensajes::AgregaRespuesta(Respuesta::Ok);
        ClicEnCabecera(columna);
        const QString esperado[] = {"", "2.500", "30.0",  "55.0", "0.010000",
                                    "", "1.100", "0.400", ""};
        for (int fila = 0; fila < 2; ++fila)
            QCOMPARE(modelo->index(fila, columna).data().toString(), esperado[columna]);
    }

    void editarUnaCeldaRedibujaLaViga() {
        auto* modelo = Busca<QTableView>(principal, "DBGrid1")->model();
        auto* vd = Busca<DibujoViga>(principal, "VD");
        QVERIFY(vd->Geometria().bandas.size() == 1);  // self weight loads the span
        QVERIFY(modelo->setData(modelo->index(0, kColLong), "6"));
        bool hay = false;
        for (const auto& t : vd->Geometria().textos)
            hay = hay || (t.clase == ClaseTexto::Longitud && t.texto == "6.00");
        QVERIFY(hay);
        Busca<QComboBox>(principal, "Combo2")->setCurrentIndex(1);
        emit Busca<QComboBox>(principal, "Combo2")->activated(1);
        QCOMPARE(int(vd->Geometria().apoyos.back().simbolo), int(SimboloApoyo::Empotramiento));
        QCOMPARE(doc->ProyectoActual().apoyoDerecho, int(kEmpotrado));
    }

    void nombreDeLaVigaVaAlEncabezado() {
        auto* nombre = Busca<QLineEdit>(principal, "Text7");
        nombre->selectAll();
        QTest::keyClicks(nombre, "VA-3");
        QCOMPARE(doc->ProyectoActual().nombreViga, std::string("VA-3"));
        QCOMPARE(doc->ProyectoActual().encabezado, std::string("VA-3"));
        // Typing the name is one undo step.
        doc->Pila()->undo();
        QCOMPARE(doc->ProyectoActual().nombreViga, std::string("V1"));
        QCOMPARE(nombre->text(), QString("V1"));
    }

    void panelDeLongitud_data() {
        pruebas::Columnas<QString, QString, QString>("tecleado", "boton", "resultado");
        pruebas::Fila("coma decimal", "1,5", "Command4", "1.500");
        pruebas::Fila("positiva", "4.75", "Command4", "4.750");
        pruebas::Fila("cancelada", "4.75", "Command6", "1.000");
    }

    void panelDeLongitud() {
        QFETCH(QString, tecleado);
        QFETCH(QString, boton);
        QFETCH(QString, resultado);
        auto* tabla = Busca<QTableView>(principal, "DBGrid1");
        auto* panel = Busca<QFrame>(principal, "SSPanel1");
        auto* apoyos = Busca<QWidget>(principal, "Frame1");
        QVERIFY(!panel->isVisible());
        // A double click is a press, release and a second press that arrives as a double click.
        QTest::mouseClick(tabla->viewport(), Qt::LeftButton, {}, CentroCelda(0, kColBase));
        QTest::mouseDClick(tabla->viewport(), Qt::LeftButton, {}, CentroCelda(0, kColBase));
        QVERIFY(panel->isVisible());
        QVERIFY(!apoyos->isVisible());
        auto* texto = Busca<QLineEdit>(principal, "Text12");
        QCOMPARE(texto->text(), QString("1.000"));
        QCOMPARE(texto->selectedText(), QString("1.000"));
        texto->setText(tecleado);
        QTest::mouseClick(Busca<QPushButton>(principal, qPrintable(boton)), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QVERIFY(apoyos->isVisible());
        QCOMPARE(tabla->model()->index(0, kColLong).data().toString(), resultado);
    }

    void unoATresVanosAgregaApoyosApoyados() {
        CambiaNumero("3", "4.5");
        QCOMPARE(Busca<QLabel>(principal, "Label10")->text(), QString("3"));
        auto* tabla = Busca<QTableView>(principal, "DBGrid1");
        QCOMPARE(tabla->model()->rowCount(), 3);
        QCOMPARE(tabla->model()->index(2, kColLong).data().toString(), QString("4.500"));
        QVERIFY(!Busca<NumVanos>(principal, "NumVanos")->isVisible());

        QTest::mouseClick(Busca<QPushButton>(principal, "SSCommand1"), Qt::LeftButton);
        auto* cond = Busca<CondApoy>(principal, "CondApoy");
        QVERIFY(cond->isVisible());
        auto* rejilla = Busca<QTableView>(cond, "SSDBGrid1");
        QCOMPARE(rejilla->model()->rowCount(), 2);
        // Choosing "No apoyado - 0" frees the node in the drawing.
        rejilla->model()->setData(rejilla->model()->index(0, 1), 0);
        QTest::mouseClick(Busca<QPushButton>(cond, "Command1"), Qt::LeftButton);
        QVERIFY(!cond->isVisible());
        auto* vd = Busca<DibujoViga>(principal, "VD");
        QCOMPARE(int(vd->Geometria().apoyos[1].simbolo), int(SimboloApoyo::Libre));
        QCOMPARE(int(vd->Geometria().apoyos[2].simbolo), int(SimboloApoyo::Triangulo));
    }

    void cancelNoCambiaNada() {
        CambiaNumero("2");
        doc->FijaResultados(ResultadosCalculados());
        QVERIFY(Busca<QAction>(marco.get(), "Menu12")->isEnabled());
        const int pasos = doc->Pila()->count();
        CambiaNumero("6", "3", /*ok=*/false);
        QCOMPARE(Busca<QLabel>(principal, "Label10")->text(), QString("2"));
        QCOMPARE(Busca<QTableView>(principal, "DBGrid1")->model()->rowCount(), 2);
        QCOMPARE(doc->ProyectoActual().apoyosInteriores.size(), size_t(1));
        QCOMPARE(doc->Pila()->count(), pasos);
        QVERIFY(doc->Calculado());
        QVERIFY(!Busca<NumVanos>(principal, "NumVanos")->isVisible());
        // Raising the count for real drops the results.
        CambiaNumero("3");
        QVERIFY(doc->UltimosResultados() == nullptr);
        QVERIFY(!Busca<QAction>(marco.get(), "Menu12")->isEnabled());
    }

    void numeroFueraDeRangoSeRechaza_data() {
        pruebas::Columnas<QString>("numero");
        pruebas::Fila("21", "21");
        pruebas::Fila("0", "0");
        pruebas::Fila("texto", "muchos");
        pruebas::Fila("fraccion", "2.5");
    }

    void numeroFueraDeRangoSeRechaza() {
        QFETCH(QString, numero);
        CambiaNumero(numero);
        QCOMPARE(Textos(), QStringList{"El numero de vanos debe estar entre 1 y 20"});
        QCOMPARE(Busca<QLabel>(principal, "Label10")->text(), QString("1"));
        QCOMPARE(doc->ProyectoActual().vanos.size(), size_t(1));
        QVERIFY(!doc->Modificado());
        // The dialog stays open for a correction.
        auto* dialogo = Busca<NumVanos>(principal, "NumVanos");
        QVERIFY(dialogo->isVisible());
        Busca<QLineEdit>(dialogo, "Text1")->setText("20");
        QTest::mouseClick(Busca<QPushButton>(dialogo, "Command1"), Qt::LeftButton);
        QCOMPARE(Busca<QLabel>(principal, "Label10")->text(), QString("20"));
    }

    // The typical length of the span-count dialog is refused when negative or not a
    // number, as the grid refuses it; the dialog stays open.
    void longitudTipicaInvalidaSeRechaza_data() {
        pruebas::Columnas<QString, QString>("longitud", "mensaje");
        pruebas::Fila("negativa", "-2", "No se admiten valores negativos");
        pruebas::Fila("texto", "abc", "El texto \"abc\" no es un numero");
    }
    void longitudTipicaInvalidaSeRechaza() {
        QFETCH(QString, longitud);
        QFETCH(QString, mensaje);
        CambiaNumero("3", longitud);
        QCOMPARE(Textos(), QStringList{mensaje});
        QVERIFY(Busca<NumVanos>(principal, "NumVanos")->isVisible());
        QCOMPARE(doc->ProyectoActual().numVanos, 1);
    }

    // Numbers typed with a decimal comma keep their decimals; text that is not a number
    // is refused with a message and the cell keeps its value.
    void numerosTecleadosConComa_data() {
        pruebas::Columnas<QString, QString, int>("tecleado", "celda", "mensajes");
        pruebas::Fila("coma", "1,5", "1.500", 0);
        pruebas::Fila("punto", "2.25", "2.250", 0);
        pruebas::Fila("texto", "abc", "", 1);
    }
    void numerosTecleadosConComa() {
        QFETCH(QString, tecleado);
        QFETCH(QString, celda);
        QFETCH(int, mensajes);
        auto* modelo = Busca<QTableView>(principal, "DBGrid1")->model();
        modelo->setData(modelo->index(0, kColMuerta), tecleado);
        QCOMPARE(modelo->index(0, kColMuerta).data().toString(), celda);
        QCOMPARE(int(Mensajes::Mostrados().size()), mensajes);
        if (mensajes) QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::Advertencia);
        CambiaNumero("2", tecleado);
        QCOMPARE(doc->ProyectoActual().numVanos, mensajes ? 1 : 2);
        if (!mensajes) QCOMPARE(modelo->index(1, kColLong).data().toString(), celda);
    }

    // The file commands through their dialogs; the file's bytes are the core's business.
    void abrirYSalvarIdaYVuelta() {
        CambiaNumero("3", "4");
        doc->Modifica("datos", [](Proyecto& p) {
            p.nombreViga = "VP-7";
            p.apoyoIzquierdo = kEmpotrado;
        });
        const QString primera = Ruta("ida.vcw");
        Mensajes::AgregaRuta(dir.filePath("ida"));  // the extension is added
        Busca<QAction>(marco.get(), "menu03")->trigger();
        QVERIFY(QFile::exists(primera));
        QVERIFY(!doc->Modificado());
        QCOMPARE(Mensajes::Mostrados().back().tipo, TipoMensaje::Guardar);
        QVERIFY(marco->windowTitle().contains("ida.vcw"));

        Mensajes::AgregaRespuesta(Respuesta::Ok);
        Busca<QAction>(marco.get(), "Menu01")->trigger();
        QCOMPARE(Busca<QLineEdit>(principal, "Text7")->text(), QString("V1"));
        QCOMPARE(doc->Ruta(), QString());

        Mensajes::AgregaRuta(primera);
        Busca<QAction>(marco.get(), "Menu02")->trigger();
        QCOMPARE(Busca<QLineEdit>(principal, "Text7")->text(), QString("VP-7"));
        QCOMPARE(Busca<QLabel>(principal, "Label10")->text(), QString("3"));
        QCOMPARE(Busca<QComboBox>(principal, "Combo1")->currentText(), QString("Empotrado"));
        QCOMPARE(doc->Ruta(), primera);
    }

    void completarLaExtensionNoReemplazaSinPreguntar() {
        QFile existente(Ruta("obra.vcw"));
        QVERIFY(existente.open(QIODevice::WriteOnly));
        existente.write("otro proyecto");
        existente.close();
        const QString pregunta = "El archivo obra.vcw ya existe.\nQuiere reemplazarlo?";

        // "No": the other project stays as it was and the save did not happen.
        Mensajes::AgregaRuta(dir.filePath("obra"));
        Mensajes::AgregaRespuesta(Respuesta::No);
        QVERIFY(!principal->Salvar());
        QCOMPARE(Textos().back(), pregunta);
        QVERIFY(existente.open(QIODevice::ReadOnly));
        QCOMPARE(existente.readAll(), QByteArray("otro proyecto"));
        existente.close();
        QCOMPARE(doc->Ruta(), QString());

        // "Si": replaced.
        Mensajes::AgregaRuta(dir.filePath("obra"));
        Mensajes::AgregaRespuesta(Respuesta::Si);
        QVERIFY(principal->Salvar());
        QCOMPARE(doc->Ruta(), Ruta("obra.vcw"));
        QVERIFY(existente.open(QIODevice::ReadOnly));
        QVERIFY(existente.readAll().startsWith("V1,"));

        // A name typed with its extension was confirmed by the dialog itself.
        Mensajes::BorraMostrados();
        Mensajes::AgregaRuta(Ruta("obra.vcw"));
        QVERIFY(principal->Salvar());
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
    }

    void unArchivoIlegibleNoCambiaNada() {
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "ANTES"; });
        doc->MarcaGuardado(QString());
        QFile malo(Ruta("malo.vcw"));
        QVERIFY(malo.open(QIODevice::WriteOnly));
        malo.write("V1,  x\r\n");
        malo.close();
        for (const QString& ruta : {Ruta("malo.vcw"), Ruta("no-existe.vcw")}) {
            Mensajes::BorraMostrados();
            Mensajes::AgregaRuta(ruta);
            Busca<QAction>(marco.get(), "Menu02")->trigger();
            QCOMPARE(Mensajes::Mostrados().size(), size_t(2));  // the dialog, then the message
            QCOMPARE(Mensajes::Mostrados()[1].tipo, TipoMensaje::Error);
            QVERIFY2(Mensajes::Mostrados()[1].texto.startsWith("No se pudo leer el archivo:\n" +
                                                               ruta + "\n"),
                     qPrintable(Mensajes::Mostrados()[1].texto));
            QCOMPARE(Busca<QLineEdit>(principal, "Text7")->text(), QString("ANTES"));
        }
        // A cancelled dialog ends the command quietly.
        Mensajes::BorraMostrados();
        Busca<QAction>(marco.get(), "Menu02")->trigger();
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
    }

    void unaFallaAlSalvarLoDice() {
        QFile estorbo(Ruta("archivo"));
        QVERIFY(estorbo.open(QIODevice::WriteOnly));
        estorbo.close();
        const QString ruta = Ruta("archivo") + "/dentro.vcw";  // its folder is a file
        QVERIFY(!principal->GuardaEn(ruta));
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::Error);
        QVERIFY(Mensajes::Mostrados()[0].texto.startsWith("No se pudo guardar el archivo:\n" +
                                                          ruta + "\n"));
        QCOMPARE(doc->Ruta(), QString());
    }

    void exportarElInformeEscribeUnPdfOLoDice() {
        const QString pdf = Ruta("informe.pdf");
        Mensajes::AgregaRuta(dir.filePath("informe"));  // the extension is added
        Busca<QAction>(marco.get(), "menu03b")->trigger();
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("%PDF"));
        f.close();
        // A file that cannot be written says so (its folder is the PDF just written).
        Mensajes::BorraMostrados();
        QVERIFY(!principal->ExportaInformePdfEn(pdf + "/otro.pdf"));
        QVERIFY(Mensajes::Mostrados().back().texto.startsWith("No se pudo guardar el archivo:"));
        QCOMPARE(Mensajes::Mostrados().back().tipo, TipoMensaje::Error);
    }

    // Outside the scripted mode each kind of message is a box with its own icon and its
    // text as given.
    void cadaMensajeConSuIcono_data() {
        pruebas::Columnas<int, int>("tipo", "icono");
        pruebas::Fila("informacion", int(TipoMensaje::Informacion), int(QMessageBox::Information));
        pruebas::Fila("advertencia", int(TipoMensaje::Advertencia), int(QMessageBox::Warning));
        pruebas::Fila("error", int(TipoMensaje::Error), int(QMessageBox::Critical));
    }
    void cadaMensajeConSuIcono() {
        QFETCH(int, tipo);
        QFETCH(int, icono);
        Mensajes::TerminaGuion();
        int visto = -1;
        QString texto;
        QTimer::singleShot(0, this, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caja) return;
            visto = caja->icon();
            texto = caja->text();
            caja->accept();
        });
        const QString mensaje = QStringLiteral("No se pudo leer el archivo:\nx.vcw");
        switch (static_cast<TipoMensaje>(tipo)) {
            case TipoMensaje::Advertencia:
                Mensajes::Advierte(principal, mensaje);
                break;
            case TipoMensaje::Error:
                Mensajes::Error(principal, mensaje);
                break;
            default:
                Mensajes::Informa(principal, mensaje);
        }
        QCOMPARE(visto, icono);
        QCOMPARE(texto, mensaje);
    }

    void cambiosSinGuardar() {
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "SIN GUARDAR"; });
        QVERIFY(doc->Modificado());
        const QString pregunta = "El proyecto tiene cambios sin guardar. Quiere guardarlos?";

        // "&Nuevo": asked to start, then about the changes; Cancel keeps everything.
        Mensajes::AgregaRespuesta(Respuesta::Ok);
        Mensajes::AgregaRespuesta(Respuesta::Cancelar);
        Busca<QAction>(marco.get(), "Menu01")->trigger();
        QCOMPARE(Textos(), (QStringList{"Quiere comenzar un nuevo problema?", pregunta}));
        QCOMPARE(doc->ProyectoActual().nombreViga, std::string("SIN GUARDAR"));

        // Closing the frame asks too.
        Mensajes::BorraMostrados();
        Mensajes::AgregaRespuesta(Respuesta::Cancelar);
        QVERIFY(!marco->close());
        QCOMPARE(Textos(), QStringList{pregunta});

        // "&Abrir" with Yes saves first.
        Mensajes::BorraMostrados();
        Mensajes::AgregaRespuesta(Respuesta::Si);
        Mensajes::AgregaRuta(Ruta("guardado.vcw"));
        Busca<QAction>(marco.get(), "Menu02")->trigger();
        QVERIFY(QFile::exists(Ruta("guardado.vcw")));
        QVERIFY(!doc->Modificado());

        // "&Nuevo" answered Cancel at its own question changes nothing and asks no more.
        Mensajes::BorraMostrados();
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "OTRO"; });
        Busca<QAction>(marco.get(), "Menu01")->trigger();
        QCOMPARE(Textos(), QStringList{"Quiere comenzar un nuevo problema?"});
        QCOMPARE(doc->ProyectoActual().nombreViga, std::string("OTRO"));

        // No: the changes go.
        Mensajes::BorraMostrados();
        Mensajes::AgregaRespuesta(Respuesta::Ok);
        Mensajes::AgregaRespuesta(Respuesta::No);
        Busca<QAction>(marco.get(), "Menu01")->trigger();
        QCOMPARE(doc->ProyectoActual().nombreViga, std::string("V1"));
        QVERIFY(!doc->Modificado());
        QVERIFY(marco->close());
    }

    void archivoDeLosasSobrescribeLasCargas() {
        QFile losas(Ruta("piso.Los"));
        QVERIFY(losas.open(QIODevice::WriteOnly));
        losas.write("Piso tipo\r\n 1 0 0 4200 .12 0 .5 .2\r\n 1 AAAA 4 4 1 0 0 0 0\r\n");
        losas.close();
        CambiaNumero("2", "4");
        auto* modelo = Busca<QTableView>(principal, "DBGrid1")->model();
        QVERIFY(modelo->setData(modelo->index(0, kColMuerta), "2.5"));
        QVERIFY(modelo->setData(modelo->index(1, kColViva), "0.7"));

        Mensajes::AgregaRuta(Ruta("piso.Los"));
        Busca<QAction>(marco.get(), "Menu04")->trigger();
        QVERIFY2(doc->ProyectoActual().losas.has_value(), qPrintable(Textos().join("|")));
        QCOMPARE(Busca<QLabel>(principal, "Label17")->text(), Ruta("piso.Los"));
        // No slab assigned yet: every span's dead and live loads come from the slabs.
        for (int fila = 0; fila < 2; ++fila) {
            QCOMPARE(modelo->index(fila, kColMuerta).data().toString(), QString("0.000"));
            QCOMPARE(modelo->index(fila, kColViva).data().toString(), QString("0.000"));
        }
        // The square slab on the left of span 1: 1 x 4 / 3 dead, 0.2 x 4 / 3 live.
        doc->Modifica("asignacion", [](Proyecto& p) { p.asignacion[0].primera = 1; });
        QTest::mouseClick(Busca<QPushButton>(principal, "Command3"), Qt::LeftButton);
        QCOMPARE(modelo->index(0, kColMuerta).data().toString(), QString("1.333"));
        QCOMPARE(modelo->index(0, kColViva).data().toString(), QString("0.267"));
        // Both loads are computed while the slab file is in use: locked, grey, and saying
        // where they come from, so nothing typed there is thrown away unseen.
        for (int col : {kColMuerta, kColViva}) {
            const QModelIndex celda = modelo->index(1, col);
            QVERIFY(!(modelo->flags(celda) & Qt::ItemIsEditable));
            QVERIFY(!modelo->setData(celda, "9"));
            QCOMPARE(celda.data(Qt::BackgroundRole).value<QColor>(), QColor(QRgb(kGrisCalculado)));
            QVERIFY(celda.data(Qt::ToolTipRole).toString().contains("archivo de losas"));
        }
    }

    // The slab file dialog starts in the project's folder.
    void archivoDeLosasEmpiezaEnLaCarpetaDelProyecto() {
        QVERIFY(principal->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
        Busca<QAction>(marco.get(), "Menu04")->trigger();
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
        QCOMPARE(QDir(Mensajes::Mostrados()[0].inicial).absolutePath(),
                 QDir(TRABELUX_EXAMPLES).absolutePath());
    }

    // A steel beam takes its section from the shapes table as it opens; without the table
    // it still opens, and says so in the command line's words.
    void aceroAbreConElPerfilOAvisaSinLaTabla() {
        QVERIFY(principal->AbreArchivo(TRABELUX_EXAMPLES "/acero.vcw"));
        const Proyecto& p = doc->ProyectoActual();
        QVERIFY(p.perfil.has_value());
        QVERIFY(Mensajes::Mostrados().empty());
        // The spans take the shape's section and weight; reading opened no panel.
        QVERIFY(qAbs(p.vanos[0].base - p.perfil->bf * 100) < 1e-6);
        QVERIFY(qAbs(*p.vanos[0].pesoPropio - 7.85 * p.perfil->area) < 1e-9);
        QCOMPARE(principal->VentanaDatgen()->PanelAbierto(), Datgen::Panel::Ninguno);
        principal->FijaRutaPerfiles("/no/existe/Aisc-dat.Dat");
        QVERIFY(principal->AbreArchivo(TRABELUX_EXAMPLES "/acero.vcw"));
        QVERIFY(!doc->ProyectoActual().perfil.has_value());
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::Advertencia);
        QVERIFY(Mensajes::Mostrados()[0].texto.startsWith(
            "No se pudo leer la tabla de perfiles:\n/no/existe/Aisc-dat.Dat\n"));
    }

    void analisisDesdeElMenuLlenaLosResultados() {
        CambiaNumero("2", "5");
        doc->Modifica("carga", [](Proyecto& p) {
            p.vanos[0].longitud = 5;
            p.vanos[0].cargaMuerta = 1;
            p.vanos[1].cargaMuerta = 1;
        });
        bool visto = false;
        // While the run goes on: the notice, the progress window, the menus off.
        QTimer::singleShot(0, this, [&] {
            visto = true;
            QVERIFY(Busca<QLabel>(principal, "Label4")->isVisible());
            QVERIFY(!Busca<QLineEdit>(principal, "Text7")->isVisible());
            QVERIFY(Busca<QWidget>(principal, "Progre")->isVisible());
            for (const char* m : {"menu0", "menu5", "Menu1", "menu2"})
                QVERIFY(!Busca<QMenu>(marco.get(), m)->menuAction()->isEnabled());
        });
        Busca<QAction>(marco.get(), "menu11")->trigger();
        QVERIFY(visto);
        const Resultados* r = doc->UltimosResultados();
        QVERIFY(r);
        QVERIFY2(r->estado == EstadoCalculo::kAnalizado, r->mensaje.c_str());
        QCOMPARE(r->numVanos, 2);
        QCOMPARE(r->reacciones.size(), size_t(6));
        // Symmetric two-span beam: the middle support takes 1.25 wL.
        const double w = doc->ProyectoActual().vanos[0].cargaUltima;
        QVERIFY2(
            qAbs(r->ReaccionNudo(2) - 1.25 * w * 5) < 1e-3 * w * 5,
            qPrintable(QString("%1 %2 %3").arg(r->ReaccionNudo(1)).arg(r->ReaccionNudo(2)).arg(w)));
        // The results window opens over the main window and goes back with its button.
        auto* ventana = marco->findChild<QMdiSubWindow*>("VentanaResultad");
        QVERIFY(ventana && ventana->isVisible());
        QTest::mouseClick(marco->findChild<QPushButton*>("BotonRegresa"), Qt::LeftButton);
        QVERIFY(!ventana->isVisible());
        QVERIFY(Mensajes::Mostrados().empty());
        QVERIFY(Busca<QAction>(marco.get(), "Menu12")->isEnabled());
        QVERIFY(!Busca<QLabel>(principal, "Label4")->isVisible());
        QVERIFY(Busca<QLineEdit>(principal, "Text7")->isVisible());
        QVERIFY(!Busca<QWidget>(principal, "Progre")->isVisible());
        for (const char* m : {"menu0", "menu5", "Menu1", "menu2"})
            QVERIFY(Busca<QMenu>(marco.get(), m)->menuAction()->isEnabled());
        // Showing the results again keeps the page the user was on, and an edit after the
        // run does not reach them: they describe the beam as it was analysed.
        auto* pestanas = marco->findChild<QTabWidget*>("SSTab1");
        pestanas->setCurrentIndex(2);
        doc->Modifica("otra luz", [](Proyecto& p) { p.vanos[0].longitud = 9; });
        Busca<QAction>(marco.get(), "Menu12")->trigger();
        QVERIFY(ventana->isVisible());
        QCOMPARE(pestanas->currentIndex(), 2);
        QVERIFY(doc->ProyectoCalculado());
        QCOMPARE(doc->ProyectoCalculado()->vanos[0].longitud, 5.0);
        // A new run drops the old results and their window until it succeeds.
        doc->Modifica("inestable",
                      [](Proyecto& p) { p.apoyoIzquierdo = p.apoyoDerecho = kNoApoyado; });
        Busca<QAction>(marco.get(), "menu11")->trigger();
        QVERIFY(!ventana->isVisible());
    }

    void refuerzoDobleSePreguntaConSiNo() {
        doc->Modifica("seccion corta", [](Proyecto& p) {
            p.vanos[0].longitud = 8;
            p.vanos[0].cargaMuerta = 4;
        });
        // No: the run stops and nothing more is said.
        Mensajes::AgregaRespuesta(Respuesta::No);
        Busca<QAction>(marco.get(), "menu10")->trigger();
        QCOMPARE(Textos(), QStringList{QString::fromUtf8(kPreguntaRefuerzoDoble)});
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::SiNo);
        QVERIFY(!doc->Calculado());
        QVERIFY(!Busca<QAction>(marco.get(), "Menu12")->isEnabled());
        // Yes: the flexural design takes compression steel and the stirrups then find the
        // section too small; that stop is said in an OK box and the rows made stay.
        Mensajes::BorraMostrados();
        Mensajes::AgregaRespuesta(Respuesta::Si);
        Busca<QAction>(marco.get(), "menu10")->trigger();
        QCOMPARE(Textos(), (QStringList{QString::fromUtf8(kPreguntaRefuerzoDoble),
                                        "La seccion es insuficiente por cortante en el vano 1"}));
        QCOMPARE(Mensajes::Mostrados()[1].tipo, TipoMensaje::Advertencia);
        QVERIFY(!doc->Calculado());
        QCOMPARE(doc->UltimosResultados()->refuerzoVanos.size(), size_t(1));
        QVERIFY(doc->UltimosResultados()->refuerzoVanos[0].areaSuperior > 0);
    }

    void unModuloMenorQueUnoQuedaEnUno() {
        doc->Modifica("modulo", [](Proyecto& p) {
            p.datos.material = kOtro;
            p.datos.moduloE = "0.25";
        });
        Busca<QAction>(marco.get(), "menu11")->trigger();
        QVERIFY(doc->Calculado());
        QCOMPARE(doc->ProyectoActual().datos.moduloE, std::string("1.0"));
    }

    void vigaInestableMuestraSuMensaje() {
        doc->Modifica("inestable", [](Proyecto& p) {
            p.apoyoIzquierdo = kNoApoyado;
            p.apoyoDerecho = kNoApoyado;
        });
        Busca<QAction>(marco.get(), "menu10")->trigger();
        QCOMPARE(Textos(),
                 QStringList{"La viga es inestable.\nVerifique las condiciones de apoyo"});
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::Advertencia);
        QVERIFY(!doc->Calculado());
        QVERIFY(!Busca<QAction>(marco.get(), "Menu12")->isEnabled());
        QVERIFY(Busca<QMenu>(marco.get(), "menu0")->menuAction()->isEnabled());
    }

    // A live load read from a file past the range: the run stops with the value named and
    // no reactions or shears are ever shown.
    void valorFueraDeRangoMuestraSuMensaje() {
        doc->Modifica("viva", [](Proyecto& p) { p.vanos[0].cargaViva = 1e300; });
        Busca<QAction>(marco.get(), "menu11")->trigger();
        QCOMPARE(Textos(), QStringList{"El valor 1E+300 de la carga viva del vano 1 está fuera "
                                       "del rango que el programa puede calcular."});
        QVERIFY(!doc->Calculado());
        QVERIFY(!doc->UltimosResultados()->AnalisisCompleto());
        QVERIFY(!Busca<QAction>(marco.get(), "Menu12")->isEnabled());
    }

    // After the results window and "Regresar" the main window fills the frame again, and
    // the unsaved-changes mark stays in the title throughout.
    void regresarLlenaElMarcoYConservaLaMarca() {
        QVERIFY(principal->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "V9"; });
        auto* area = Busca<QMdiArea>(marco.get(), "AreaMDI");
        auto* sub = Busca<QMdiSubWindow>(marco.get(), "VentanaPolidur1");
        const QString titulo = "Trabelux - tres-vanos.vcw*";
        for (int vez = 0; vez < 2; ++vez) {
            Busca<QAction>(marco.get(), "menu10")->trigger();
            QVERIFY(Busca<QMdiSubWindow>(marco.get(), "VentanaResultad")->isVisible());
            QCOMPARE(marco->windowHandle()->title(), titulo);
            QTest::mouseClick(Busca<QPushButton>(marco.get(), "BotonRegresa"), Qt::LeftButton);
            QCOMPARE(marco->windowHandle()->title(), titulo);
            QVERIFY(sub->isMaximized());
            QCOMPARE(sub->geometry(), area->viewport()->rect());
        }
        marco->resize(800, 600);
        QTRY_COMPARE(sub->geometry(), area->viewport()->rect());
    }

    // Undo and redo act on the project wherever the focus is, except inside a cell being
    // typed; the span-length panel hands the keyboard back to the grid.
    void deshacerYRehacerDesdeCualquierParte() {
        QVERIFY(QTest::qWaitForWindowActive(marco.get()));
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "V2"; });
        const struct {
            const char* foco;
            QKeySequence tecla;
            const char* nombre;
        } pasos[] = {{"Combo1", QKeySequence("Ctrl+Z"), "V1"},
                     {"Combo2", QKeySequence("Ctrl+Y"), "V2"},
                     {"DBGrid1", QKeySequence("Ctrl+Z"), "V1"},
                     {"SSCommand1", QKeySequence("Ctrl+Shift+Z"), "V2"}};
        for (const auto& paso : pasos) {
            auto* w = Busca<QWidget>(principal, paso.foco);
            w->setFocus();
            QTest::keySequence(w, paso.tecla);
            QCOMPARE(doc->ProyectoActual().nombreViga, std::string(paso.nombre));
        }
        auto* tabla = Busca<QTableView>(principal, "DBGrid1");
        tabla->setFocus();
        tabla->edit(tabla->model()->index(0, kColBase));
        QVERIFY(QApplication::focusWidget() != tabla);
        QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+Z"));
        QCOMPARE(doc->ProyectoActual().nombreViga, std::string("V2"));
        QTest::mouseClick(tabla->viewport(), Qt::LeftButton, {}, CentroCelda(0, kColLong));
        QTest::mouseDClick(tabla->viewport(), Qt::LeftButton, {}, CentroCelda(0, kColLong));
        QVERIFY(Busca<QFrame>(principal, "SSPanel1")->isVisible());
        QTest::mouseClick(Busca<QPushButton>(principal, "Command4"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), tabla);
    }

    // While the results window is up the commands that edit the project are off (the
    // results would no longer describe it); F5 runs, the status bar tells the last run.
    void conResultadosALaVistaNoSeEditaElProyecto() {
        QVERIFY(principal->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "V9"; });
        QVERIFY(QTest::qWaitForWindowActive(marco.get()));
        QTest::keyClick(Busca<QWidget>(principal, "DBGrid1"), Qt::Key_F5);
        QVERIFY(Busca<QMdiSubWindow>(marco.get(), "VentanaResultad")->isVisible());
        QVERIFY(Busca<QLabel>(marco.get(), "UltimoCalculo")
                    ->text()
                    .startsWith(QString::fromUtf8("Último cálculo terminado a las ")));
        const char* edicion[] = {"menu3", "Menu04", "menu5Accion", "menuDeshacer"};
        for (const char* nombre : edicion)
            QVERIFY2(!Busca<QAction>(marco.get(), nombre)->isEnabled(), nombre);
        QTest::mouseClick(Busca<QPushButton>(marco.get(), "BotonRegresa"), Qt::LeftButton);
        for (const char* nombre : edicion)
            QVERIFY2(Busca<QAction>(marco.get(), nombre)->isEnabled(), nombre);
        QStringList barra;
        for (QAction* a : Busca<QToolBar>(marco.get(), "BarraComandos")->actions())
            if (!a->isSeparator()) barra << a->iconText();
        QCOMPARE(barra, (QStringList{"Nuevo", "Abrir", "Salvar", "Calcular", "Resultados",
                                     "Deshacer", "Rehacer"}));
    }

    // Qt's own buttons and file dialogs speak Spanish. Last: the translation stays
    // installed for the rest of the process.
    void dialogosDeQtEnCastellano() {
        QVERIFY(CargaTraduccionesQt());
        QMessageBox caja(QMessageBox::Question, "T", "?",
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(caja.button(QMessageBox::Yes)->text(), QString::fromUtf8("&Sí"));
        QCOMPARE(caja.button(QMessageBox::Cancel)->text(), QString("Cancelar"));
        QFileDialog dialogo(marco.get());
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        for (const char* nombre : {"lookInLabel", "fileNameLabel"}) {
            const QString texto = Busca<QLabel>(&dialogo, nombre)->text();
            QVERIFY2(!texto.contains("Look in") && !texto.contains("File name"), qPrintable(texto));
        }
    }
};

QTEST_MAIN(Polidur1Test)
#include "polidur1_test.moc"
