// The about box and the help: the version the build set, the help collection as shipped
// (contents, keyword index, links, full-text search), the help commands without a
// collection, and F1 in a dialog.
#include "gui/ayuda/ayuda.h"

#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include "apoyo_pruebas.h"
#include "core/verificacion/ejemplo_verificado.h"
#include "gui/acerca/acerca_de.h"
#include "gui/ayuda/paginas_ayuda.h"
#include "gui/ayuda/ventana_ayuda.h"
#include "gui/comun/mensajes.h"
#include "gui/dialogos/datos_generales/dialogo_datos_generales.h"
#include "gui/documento/documento.h"
#include "gui/editor/editor_vanos.h"
#include "gui/marco/marco.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using pruebas::Busca;
using pruebas::Textos;

namespace {

const QString kVersion = QStringLiteral(TRABELUX_VERSION_CMAKE);

// The file names of every page in the contents tree under `padre`.
void PaginasDelContenido(QHelpContentModel* m, const QModelIndex& padre, QSet<QString>& r) {
    for (int i = 0; i < m->rowCount(padre); ++i) {
        const QModelIndex hijo = m->index(i, 0, padre);
        r << m->contentItemAt(hijo)->url().fileName();
        PaginasDelContenido(m, hijo, r);
    }
}

}  // namespace

class AyudaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Ayuda> ayuda;

  private slots:
    void initTestCase() {
        pruebas::InstalaManejador();
        // The help copies its collection into the cache: a test's own, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        ayuda = std::make_unique<Ayuda>();
        QVERIFY2(ayuda->Prepara(), qPrintable(ayuda->Coleccion()));
    }
    void init() { Mensajes::IniciaGuion(); }
    void cleanup() { Mensajes::TerminaGuion(); }

    void AcercaDeYVersionDeLosProgramas() {
        AcercaDe acerca;
        QCOMPARE(Busca<QLabel>(&acerca, "lblVersion")->text(), "Versión " + kVersion);
        const QString aviso = Busca<QLabel>(&acerca, "lblDisclaimer")->text();
        QVERIFY(!aviso.isEmpty());
        // Both programs answer --version with the same title, version and notice.
        for (const char* programa : {TRABELUX_PROGRAMA, TRABELUX_CLI}) {
            QProcess p;
            p.start(QString::fromUtf8(programa), {QStringLiteral("--version")});
            QVERIFY(p.waitForFinished(20000));
            QCOMPARE(p.exitCode(), 0);
            const QStringList lineas =
                QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(lineas, QStringList({"Trabelux " + kVersion, aviso}));
        }
    }

    void SinColeccionAmbosComandosDicenQueFalta() {
        Marco marco;
        auto* ayudaMarco = marco.findChild<Ayuda*>();
        QVERIFY(ayudaMarco);
        ayudaMarco->FijaColeccion(QStringLiteral("/no/existe/trabelux.qhc"));
        for (const char* menu : {"menu21", "menu22"}) pruebas::Dispara(marco.menuBar(), menu);
        QCOMPARE(Textos(), QStringList(2, QStringLiteral("Archivo Help no encontrado.")));
        QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::Error);
        // A collection that is there but is no collection: it says so, in Spanish.
        QTemporaryDir dir;
        for (const char* nombre : {"trabelux.qhc", "trabelux.qch"})
            pruebas::EscribeArchivo(dir.filePath(QLatin1String(nombre)),
                                    "no es una coleccion de ayuda");
        ayudaMarco->FijaColeccion(dir.filePath(QStringLiteral("trabelux.qhc")));
        Mensajes::BorraMostrados();
        Busca<QAction>(marco.menuBar(), "menu21")->trigger();
        QCOMPARE(Mensajes::Mostrados().size(), size_t{1});
        QCOMPARE(Textos().first(),
                 "No se pudo abrir la ayuda:\n" + dir.filePath(QStringLiteral("trabelux.qhc")));
        QVERIFY(!ayudaMarco->Ventana());
    }

    void ContenidoTieneCadaVentanaYCadaVentanaTienePagina() {
        QHelpContentModel* contenido = ayuda->Motor()->contentModel();
        contenido->createContents(QString());
        QTRY_VERIFY_WITH_TIMEOUT(!contenido->isCreatingContents() && contenido->rowCount() > 0,
                                 20000);
        QSet<QString> paginas;
        PaginasDelContenido(contenido, {}, paginas);
        for (const PaginaVentana& p : PaginasDeVentanas())
            QVERIFY2(paginas.contains(QLatin1String(p.pagina)), p.ventana);
        // Every window and dialog the program creates has its page.
        Marco marco;
        for (QWidget* w : marco.findChildren<QWidget*>() + QWidgetList{&marco})
            if ((w->isWindow() || qobject_cast<QMdiSubWindow*>(w->parentWidget())) &&
                !qobject_cast<QMenu*>(w) && !w->objectName().isEmpty())
                QVERIFY2(!PaginaDeVentana(w->objectName()).isEmpty(), qPrintable(w->objectName()));
    }

    void CadaPalabraClaveYCadaEnlaceLlevanAUnaPagina() {
        QHelpEngine* motor = ayuda->Motor();
        QHelpIndexModel* indice = motor->indexModel();
        indice->createIndex(QString());
        QTRY_VERIFY_WITH_TIMEOUT(!indice->isCreatingIndex() && indice->rowCount() > 0, 20000);
        for (int i = 0; i < indice->rowCount(); ++i) {
            const QString clave = indice->data(indice->index(i, 0)).toString();
            const QList<QHelpLink> enlaces = motor->documentsForKeyword(clave);
            QVERIFY2(!enlaces.isEmpty(), qPrintable(clave));
            for (const QHelpLink& e : enlaces)
                QVERIFY2(!motor->fileData(e.url).isEmpty(), qPrintable(clave));
        }
        const QList<QUrl> html =
            motor->files(QStringLiteral("trabelux.manual"), QString(), QStringLiteral("html"));
        QVERIFY(html.size() >= 20);
        static const QRegularExpression referencia(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
        for (const QUrl& pagina : html) {
            const QString texto = QString::fromUtf8(motor->fileData(pagina));
            for (const auto& m : referencia.globalMatch(texto)) {
                const QUrl destino = pagina.resolved(QUrl(m.captured(1)));
                // A verification example's link names a project the program ships.
                if (destino.scheme() == QLatin1String(kEsquemaEjemplo)) {
                    QVERIFY2(QFileInfo::exists(Ayuda::RutaEjemplo(destino.path())),
                             qPrintable(m.captured(1)));
                    continue;
                }
                const QByteArray destinoTexto =
                    motor->fileData(destino.adjusted(QUrl::RemoveFragment));
                QVERIFY2(!destinoTexto.isEmpty(),
                         qPrintable(pagina.fileName() + " -> " + m.captured(1)));
                // A link into a section lands on it, not at the top of the page.
                if (destino.hasFragment())
                    QVERIFY2(destinoTexto.contains("id=\"" + destino.fragment().toUtf8() + '"'),
                             qPrintable(pagina.fileName() + " -> " + m.captured(1)));
            }
        }
    }

    void BusquedaDeEstribosEncuentraLaPaginaDeCortante() {
        QHelpSearchEngine* buscador = ayuda->Motor()->searchEngine();
        QSignalSpy indexado(buscador, &QHelpSearchEngine::indexingFinished);
        buscador->reindexDocumentation();
        QVERIFY(indexado.wait(60000));
        QSignalSpy buscado(buscador, &QHelpSearchEngine::searchingFinished);
        buscador->search(QStringLiteral("estribos"));
        QVERIFY(buscado.wait(20000));
        QStringList encontradas;
        for (const QHelpSearchResult& r : buscador->searchResults(0, buscador->searchResultCount()))
            encontradas << r.url().fileName();
        QVERIFY2(encontradas.contains(QStringLiteral("diseno-cortante.html")),
                 qPrintable(encontradas.join(' ')));
    }

    void ComandosYTeclaF1AbrenSuPagina() {
        Marco marco;
        marco.show();
        auto* ayudaMarco = marco.findChild<Ayuda*>();
        Busca<QAction>(marco.menuBar(), "menu21")->trigger();
        VentanaAyuda* ventana = ayudaMarco->Ventana();
        QVERIFY(ventana && ventana->isVisible());
        QCOMPARE(ventana->PestanaActual(), VentanaAyuda::Pestana::Contenido);
        QCOMPARE(ventana->PaginaActual().fileName(), QStringLiteral("index.html"));
        Busca<QAction>(marco.menuBar(), "menu22")->trigger();
        QCOMPARE(ventana->PestanaActual(), VentanaAyuda::Pestana::Indice);
        QVERIFY(Busca<QLineEdit>(ventana, "PalabraClave")->text().isEmpty());

        DialogoDatosGenerales* datgen = marco.DialogoDeDatosGenerales();
        datgen->show();
        QTest::keyClick(Busca<QLineEdit>(datgen, "Text2"), Qt::Key_F1);
        QCOMPARE(ayudaMarco->Ventana()->PaginaActual().fileName(),
                 QStringLiteral("datos-generales.html"));
        QVERIFY(Mensajes::Mostrados().empty());
    }

    // Help > "Ejemplos de verificación" opens the chapter, which lists every example of the
    // folder the program ships; each example's page opens it as a project from its link,
    // reached with the keyboard, and stays on the page.
    void EjemplosDeVerificacionSeAbrenComoProyecto() {
        Marco marco;
        marco.show();
        auto* ayudaMarco = marco.findChild<Ayuda*>();
        Busca<QAction>(marco.menuBar(), "menu24")->trigger();
        VentanaAyuda* ventana = ayudaMarco->Ventana();
        QVERIFY(ventana && ventana->isVisible());
        QCOMPARE(ventana->PaginaActual().fileName(), QStringLiteral("verificacion.html"));
        auto* navegador = Busca<NavegadorAyuda>(ventana, "NavegadorAyuda");
        const QString capitulo = navegador->toHtml();
        const QDir carpeta(QFileInfo(Ayuda::RutaEjemplo(QStringLiteral("x.vcw"))).path());
        const QStringList ejemplos = carpeta.entryList({QStringLiteral("*.esperado")});
        QVERIFY(ejemplos.size() >= 8);
        for (const QString& e : ejemplos) {
            const QString nombre = QFileInfo(e).completeBaseName();
            QVERIFY2(capitulo.contains(nombre + ".html"), qPrintable(nombre));
            ventana->MuestraPagina(UrlPaginaAyuda(nombre + ".html"));
            QVERIFY(navegador->toPlainText().contains(QStringLiteral("Abrir este ejemplo")));
            // The links in order: the manual, the chapter, the example's project.
            navegador->setFocus();
            for (int i = 0; i < 3; ++i) QTest::keyClick(navegador, Qt::Key_Tab);
            QTest::keyClick(navegador, Qt::Key_Return);
            QCOMPARE(QFileInfo(marco.Doc()->Ruta()).fileName(), nombre + ".vcw");
            QCOMPARE(ventana->PaginaActual().fileName(), nombre + ".html");
        }
        QVERIFY(Mensajes::Mostrados().empty());

        // Unsaved changes are asked about first: cancelling keeps the project as it was.
        marco.Doc()->Modifica(QStringLiteral("Viga"), [](Proyecto& p) { p.nombreViga = "V9"; });
        Mensajes::IniciaGuion({Respuesta::Cancelar});
        navegador->setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(navegador, Qt::Key_Tab);
        QTest::keyClick(navegador, Qt::Key_Return);
        QCOMPARE(Mensajes::Mostrados().size(), size_t{1});
        QCOMPARE(marco.Doc()->ProyectoActual().nombreViga, std::string("V9"));
        QVERIFY(marco.Doc()->Modificado());
    }
};

QTEST_MAIN(AyudaTest)
#include "ayuda_test.moc"
