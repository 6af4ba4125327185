// The session's commands on a document, with no window at all: opening, saving and
// exporting with their refusals, unsaved changes, the slab file and the runs' questions.
#include "gui/sesion/sesion.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "apoyo_pruebas.h"
#include "core/calculo/calcula.h"
#include "core/modelo/operaciones_vanos.h"
#include "gui/editor/modelo_vanos.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using namespace trabelux::pruebas;

class SesionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Documento> doc;
    std::unique_ptr<Sesion> sesion;
    QTemporaryDir dir;

    QString Ruta(const char* nombre) const { return dir.filePath(QLatin1String(nombre)); }

  private slots:
    void initTestCase() {
        pruebas::InstalaManejador();
        QVERIFY(dir.isValid());
    }

    void init() {
        Mensajes::IniciaGuion();
        doc = std::make_unique<Documento>();
        sesion = std::make_unique<Sesion>(doc.get());
    }

    // Every command talked to the user through the message service only.
    void cleanup() {
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        sesion.reset();
        doc.reset();
        Mensajes::TerminaGuion();
    }

    void completarLaExtensionNoReemplazaSinPreguntar() {
        EscribeArchivo(Ruta("obra.vcw"), "otro proyecto");
        // "No": the other project stays as it was and the save did not happen.
        Mensajes::AgregaRuta(dir.filePath("obra"));
        Mensajes::AgregaRespuesta(Respuesta::No);
        QVERIFY(!sesion->GuardaComo());
        QCOMPARE(Textos().back(), QString("El archivo obra.vcw ya existe.\nQuiere reemplazarlo?"));
        QCOMPARE(LeeArchivo(Ruta("obra.vcw")), QByteArray("otro proyecto"));
        QCOMPARE(doc->Ruta(), QString());
        Mensajes::AgregaRuta(dir.filePath("obra"));
        Mensajes::AgregaRespuesta(Respuesta::Si);
        QVERIFY(sesion->GuardaComo());
        QVERIFY(LeeArchivo(Ruta("obra.vcw")).startsWith("V1,"));
        // A name typed with its extension was confirmed by the dialog itself.
        Mensajes::BorraMostrados();
        Mensajes::AgregaRuta(Ruta("obra.vcw"));
        QVERIFY(sesion->GuardaComo());
        QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
    }

    // A file that cannot be read leaves the project as it was, and says why.
    void unArchivoIlegibleNoCambiaNada() {
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "ANTES"; });
        doc->MarcaGuardado(QString());
        EscribeArchivo(Ruta("malo.vcw"), "V1,  x\r\n");
        for (const QString& ruta : {Ruta("malo.vcw"), Ruta("no-existe.vcw")}) {
            Mensajes::BorraMostrados();
            Mensajes::AgregaRuta(ruta);
            sesion->Abre();
            const MensajeMostrado& m = Mensajes::Mostrados().back();
            QCOMPARE(m.tipo, TipoMensaje::Error);
            QVERIFY2(m.texto.startsWith("No se pudo leer el archivo:\n" + ruta + "\n"),
                     qPrintable(m.texto));
            QCOMPARE(doc->ProyectoActual().nombreViga, std::string("ANTES"));
        }
    }

    // A save or a PDF export that cannot be written says so; the project keeps no path.
    void unaFallaAlEscribirLoDice() {
        EscribeArchivo(Ruta("archivo"), "");
        const QString ruta = Ruta("archivo") + "/dentro.vcw";  // its folder is a file
        QVERIFY(!sesion->GuardaEn(ruta));
        QCOMPARE(Mensajes::Mostrados().back().tipo, TipoMensaje::Error);
        QVERIFY(Mensajes::Mostrados().back().texto.startsWith("No se pudo guardar el archivo:\n" +
                                                              ruta + "\n"));
        QCOMPARE(doc->Ruta(), QString());
        QVERIFY(!sesion->ExportaInformePdfEn(ruta));
        QCOMPARE(Mensajes::Mostrados().back().tipo, TipoMensaje::Error);

        Mensajes::AgregaRuta(dir.filePath("informe"));  // the extension is added
        QVERIFY(sesion->ExportaInformePdf());
        QVERIFY(LeeArchivo(Ruta("informe.pdf")).startsWith("%PDF"));
    }

    void cambiosSinGuardar() {
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "SIN GUARDAR"; });
        const QString pregunta = "El proyecto tiene cambios sin guardar. Quiere guardarlos?";
        // "&Nuevo": asked to start, then about the changes; Cancel keeps everything.
        Mensajes::AgregaRespuesta(Respuesta::Ok);
        Mensajes::AgregaRespuesta(Respuesta::Cancelar);
        sesion->Nuevo();
        QCOMPARE(Textos(), (QStringList{"Quiere comenzar un nuevo problema?", pregunta}));
        QCOMPARE(doc->ProyectoActual().nombreViga, std::string("SIN GUARDAR"));
        // "&Abrir" with Yes saves first.
        Mensajes::AgregaRespuesta(Respuesta::Si);
        Mensajes::AgregaRuta(Ruta("guardado.vcw"));
        sesion->Abre();
        QVERIFY(QFile::exists(Ruta("guardado.vcw")));
        QVERIFY(!doc->Modificado());
        // No: the changes go.
        doc->Modifica("nombre", [](Proyecto& p) { p.nombreViga = "OTRO"; });
        Mensajes::AgregaRespuesta(Respuesta::Ok);
        Mensajes::AgregaRespuesta(Respuesta::No);
        sesion->Nuevo();
        QCOMPARE(doc->ProyectoActual().nombreViga, std::string("V1"));
    }

    // While a slab file is in use the loads it gives are locked and grey, saying where they
    // come from, so nothing typed there is thrown away unseen; its dialog starts in the
    // project's folder.
    void archivoDeLosasBloqueaLasCargas() {
        QVERIFY(sesion->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
        EscribeArchivo(Ruta("piso.Los"),
                       "Piso tipo\r\n 1 0 0 4200 .12 0 .5 .2\r\n 1 AAAA 4 4 1 0 0 0 0\r\n");
        ModeloVanos rejilla(doc.get());
        QVERIFY(rejilla.setData(rejilla.index(0, kColMuerta), "2.5"));
        Mensajes::AgregaRuta(Ruta("piso.Los"));
        sesion->EligeArchivoLosas();
        QCOMPARE(QDir(Mensajes::Mostrados()[0].inicial).absolutePath(),
                 QDir(TRABELUX_EXAMPLES).absolutePath());
        QVERIFY2(doc->ProyectoActual().losas.has_value(), qPrintable(Textos().join("|")));
        QCOMPARE(rejilla.index(0, kColMuerta).data().toString(), QString("0.000"));
        for (int col : {kColMuerta, kColViva}) {
            const QModelIndex celda = rejilla.index(1, col);
            QVERIFY(!(rejilla.flags(celda) & Qt::ItemIsEditable));
            QVERIFY(!rejilla.setData(celda, "9"));
            QCOMPARE(celda.data(Qt::BackgroundRole).value<QColor>(), QColor(QRgb(kGrisCalculado)));
            QVERIFY(celda.data(Qt::ToolTipRole).toString().contains("archivo de losas"));
        }
    }

    void refuerzoDobleSePreguntaConSiNo() {
        doc->Modifica("seccion corta", [](Proyecto& p) {
            p.vanos[0].longitud = 8;
            p.vanos[0].cargaMuerta = 4;
        });
        Mensajes::AgregaRespuesta(Respuesta::No);
        sesion->Calcula(false);
        QCOMPARE(Textos(), QStringList{QString::fromUtf8(kPreguntaRefuerzoDoble)});
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::SiNo);
        QVERIFY(!doc->Calculado());
        // Yes: the stirrups then find the section too small; the rows made stay.
        Mensajes::BorraMostrados();
        Mensajes::AgregaRespuesta(Respuesta::Si);
        sesion->Calcula(false);
        QCOMPARE(Textos().at(1), QString("La seccion es insuficiente por cortante en el vano 1"));
        QCOMPARE(Mensajes::Mostrados()[1].tipo, TipoMensaje::Advertencia);
        QCOMPARE(doc->UltimosResultados()->refuerzoVanos.size(), size_t(1));
    }

    void unModuloMenorQueUnoQuedaEnUno() {
        doc->Modifica("modulo", [](Proyecto& p) {
            p.datos.material = Material::kOtro;
            p.datos.moduloE = "0.25";
        });
        sesion->Calcula(true);
        QVERIFY(doc->Calculado());
        QCOMPARE(doc->ProyectoActual().datos.moduloE, std::string("1.0"));
    }
};

QTEST_MAIN(SesionTest)
#include "sesion_test.moc"
