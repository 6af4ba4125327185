// Tests of the report window: margins in inches, devices and papers, the header and styles
// panels, the page and zoom bar, the diagram choice, page ranges and printing to a PDF
// file and to a real CUPS queue.
#include "gui/informe/ventana_informe.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include "apoyo_pruebas.h"
#include "cola_cups.h"
#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/reporte/composicion.h"
#include "core/reporte/papel.h"
#include "core/reporte/superficie_grabadora.h"
#include "gui/documento/documento.h"
#include "gui/editor/editor_vanos.h"
#include "gui/informe/dispositivos.h"
#include "gui/informe/panel_estilos.h"
#include "gui/marco/marco.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using pruebas::Busca;
using pruebas::Calculado;
using pruebas::TresVanos;

namespace {

QString Ejecuta(const QString& programa, const QStringList& args) {
    QProcess p;
    p.start(programa, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PaginasPdf(const QString& ruta) {
    static const QRegularExpression re(QStringLiteral("Pages:\\s+(\\d+)"));
    return re.match(Ejecuta(QStringLiteral("pdfinfo"), {ruta})).captured(1).toInt();
}

void Pulsa(QAbstractButton* b) { b->click(); }

}  // namespace

class VentanaInformeTest : public QObject {
    Q_OBJECT
    pruebas::ColaCups cups_;
    QString sinCups_;

  private slots:
    void initTestCase() {
        pruebas::InstalaManejador();
        sinCups_ = cups_.Inicia(QCoreApplication::applicationDirPath() + "/cups-vig-prev");
        if (!sinCups_.isEmpty()) qWarning("no CUPS queue: %s", qPrintable(sinCups_));
    }
    void init() { Mensajes::IniciaGuion(); }
    void cleanup() { Mensajes::TerminaGuion(); }

    // Margins are typed in inches and kept in twips; one that leaves no body is refused
    // with a warning and the old one stays.
    void margenes_data() {
        pruebas::Columnas<int, QString, double, QString, bool, bool>(
            "lado", "texto", "twips", "mostrado", "regenera", "aviso");
        pruebas::Fila("0.75 in", 0, "0.75", 1080.0, "0.75\"", true, false);
        pruebas::Fila("not a number is 0", 2, "abc", 0.0, "0\"", true, false);
        pruebas::Fila("unchanged", 0, "1", 1440.0, "1\"", false, false);
        // Letter is 11 in high: a 10 in bottom margin under the 1 in top leaves no body.
        pruebas::Fila("no room for the body", 2, "10", 1440.0, "1\"", false, true);
        pruebas::Fila("left + right = width", 1, "7.5", 1440.0, "1\"", false, true);
    }
    void margenes() {
        QFETCH(int, lado);
        QFETCH(QString, texto);
        Documento doc;
        VentanaInforme v(&doc);
        auto* campo = Busca<QLineEdit>(&v, qPrintable(QStringLiteral("Margen%1").arg(lado)));
        const int antes = v.Regeneraciones();
        campo->setText(texto);
        QTest::keyClick(campo, Qt::Key_Return);
        QTEST(doc.ConfiguracionReporte().margenes[lado], "twips");
        QTEST(campo->text(), "mostrado");
        QTEST(v.Regeneraciones() > antes, "regenera");
        QTEST(!Mensajes::Mostrados().empty(), "aviso");
        // Each arrow of a margin's scroll bar moves it 0.1 in; the upper arrow adds.
        Busca<QScrollBar>(&v, "EscalaMargen1")->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(doc.ConfiguracionReporte().margenes[kMargenIzquierda], 1584.0);
    }

    // A device without the current paper (Legal) takes its first one and regenerates;
    // the private CUPS queue is a device with the papers its driver takes.
    void papeles() {
        Documento doc;
        VentanaInforme v(&doc);
        auto* lista = Busca<QComboBox>(&v, "ListaPapel");
        doc.ConfiguracionReporte().papel = 5;
        const int antes = v.Regeneraciones();
        v.FijaDispositivos({{QStringLiteral("Prueba"), false, {1, 9}, false}});
        QCOMPARE(lista->count(), 2);
        QCOMPARE(lista->itemText(1), QStringLiteral("A4 210 x 297 mm"));
        QCOMPARE(doc.ConfiguracionReporte().papel, 1);
        QVERIFY(v.Regeneraciones() > antes);
        lista->activated(1);
        QCOMPARE(doc.ConfiguracionReporte().papel, 9);
        // Names with a fraction show it as the character it is.
        v.FijaDispositivos({{QStringLiteral("Fracciones"), false, {22, 54}, false}});
        QCOMPARE(lista->itemText(0), QString::fromUtf8("Envelope #12 4 ¾ x 11"));
        QCOMPARE(lista->itemText(1), QString::fromUtf8("Letter Transverse 8 ½ x 11 in"));

        if (!sinCups_.isEmpty()) QSKIP(qPrintable(sinCups_));
        std::vector<DispositivoImpresion> sistema = DispositivosSistema();
        QCOMPARE(sistema.back().nombre, NombreDispositivoPdf());
        const auto cola = std::find_if(sistema.begin(), sistema.end(), [](const auto& d) {
            return d.nombre == pruebas::ColaCups::Cola();
        });
        QVERIFY(cola != sistema.end());
        QVERIFY(std::count(cola->codigos.begin(), cola->codigos.end(), 9) == 1);
        QVERIFY(cola->codigos.size() < sistema.back().codigos.size());
    }

    // The header panel stores header and footer in the project (undoable) and keeps
    // printing off while it is open; the styles panel presets the font and colour dialogs
    // with the row and keeps the choice.
    void encabezadoYEstilos() {
        Documento doc;
        Calculado(doc, TresVanos());
        VentanaInforme v(&doc);
        auto* encabezado = Busca<QPlainTextEdit>(&v, "Encabezado");
        const QString antes = encabezado->toPlainText();
        Pulsa(Busca<QPushButton>(&v, "BotonEncabezado"));
        QVERIFY(!Busca<QWidget>(&v, "MarcoImprime")->isEnabled());
        encabezado->setPlainText("Edificio K1 | Viga V1| Pag %d");
        Pulsa(Busca<QPushButton>(&v, "AceptaEncabezado"));
        QCOMPARE(doc.ProyectoActual().encabezado, std::string("Edificio K1 | Viga V1| Pag %d"));
        QVERIFY(Busca<QWidget>(&v, "MarcoImprime")->isEnabled());
        doc.Pila()->undo();
        v.Activa();
        QCOMPARE(encabezado->toPlainText(), antes);

        Pulsa(Busca<QPushButton>(&v, "BotonEstilos"));
        QVERIFY(!Busca<QPushButton>(&v, "Color5")->isEnabled());  // no diagrams chosen
        QVERIFY(Busca<QPushButton>(&v, "Color7")->isEnabled());   // after a design
        Mensajes::AgregaFuente(QFont(QStringLiteral("DejaVu Serif"), 14, -1, /*italic=*/true));
        Pulsa(Busca<QPushButton>(&v, "Tamano3"));
        QVERIFY(Mensajes::Mostrados().back().texto.startsWith("Arial,12"));
        const EstiloTexto& e = doc.ConfiguracionReporte().estilos[kEstiloSubtitulos];
        QCOMPARE(e.fuente, std::string("DejaVu Serif"));
        QVERIFY(e.tamano == 14.0 && e.cursiva && !e.negrita);
        Pulsa(Busca<QPushButton>(&v, "Color4"));  // cancelled: the colour stays
        QCOMPARE(doc.ConfiguracionReporte().estilos[kEstiloTexto].color, Color{});
        Mensajes::AgregaColor(QColor(200, 0, 0));
        Pulsa(Busca<QPushButton>(&v, "Color4"));
        QCOMPARE(doc.ConfiguracionReporte().estilos[kEstiloTexto].color, (Color{200, 0, 0}));
        // Long font names show whole in their cells, in the window as the program shows it.
        v.resize(1000, 700);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        for (const char* fuente : {"Liberation Sans Narrow", "DejaVu Sans Mono", "Arial"}) {
            Mensajes::AgregaFuente(QFont(QString::fromLatin1(fuente), 10));
            auto* boton = Busca<QPushButton>(&v, "Fuente0");
            Pulsa(boton);
            QApplication::processEvents();
            QCOMPARE(boton->text().replace('\n', ' '), QString::fromLatin1(fuente));
            const int ancho =
                boton->width() - 2 * boton->style()->pixelMetric(QStyle::PM_ButtonMargin);
            for (const QString& linea : boton->text().split('\n'))
                QVERIFY2(boton->fontMetrics().horizontalAdvance(linea) <= ancho, fuente);
        }
    }

    // The real font dialog opens on the row's font as the report resolves it ("Arial" is
    // another family on this system), with its size and bold; accepting it unchanged leaves
    // the style exactly as it was.
    void dialogoDeFuenteEmpiezaEnElEstiloDeLaFila() {
        Mensajes::TerminaGuion();
        Documento doc;
        VentanaInforme v(&doc);
        const EstiloTexto antes = doc.ConfiguracionReporte().estilos[kEstiloHeader];
        QFont vista;
        QTimer::singleShot(0, &v, [&vista] {
            if (auto* d = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
                vista = d->currentFont();
                d->accept();
            }
        });
        Busca<PanelEstilos>(&v, "PanelEstilos")->EligeFuente(kEstiloHeader);
        QCOMPARE(vista.family(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
        QVERIFY(vista.bold() && vista.pointSize() == 12);
        const EstiloTexto& e = doc.ConfiguracionReporte().estilos[kEstiloHeader];
        QCOMPARE(e.fuente, antes.fuente);
        QVERIFY(e.tamano == antes.tamano && e.negrita && !e.cursiva);
    }

    // Diagrams only after an analysis, on their own page; the reinforcement option only
    // after a design, opening the detailing window; the page and zoom bar.
    void diagramasYRefuerzo() {
        Documento doc;
        VentanaInforme v(&doc);
        v.resize(1000, 700);
        auto* diagramas = Busca<QComboBox>(&v, "ListaDiagramas");
        auto* refuerzo = Busca<QCheckBox>(&v, "ImprimeRefuerzo");
        QVERIFY(!diagramas->isEnabled() && !refuerzo->isEnabled());
        Proyecto p = TresVanos();
        doc.Reemplaza(p, {});
        doc.FijaResultados(Calcula(p, {true, {}, {}}));  // analysis only
        v.Activa();
        QVERIFY(diagramas->isEnabled() && !refuerzo->isEnabled());
        Calculado(doc, p);
        v.Activa();
        QVERIFY(refuerzo->isEnabled());
        const int sinDiagramas = v.NumPaginas();
        diagramas->activated(static_cast<int>(OpcionDiagramas::kCortanteMomento));
        SuperficieGrabadora g;  // the window's report recorded with fixed-width text
        EmpiezaInforme(g, v.Configuracion());
        v.ComposicionActual()(g);
        g.TerminaDocumento();
        QVERIFY(std::any_of(g.Llamadas().begin(), g.Llamadas().end(),
                            [](const auto& l) { return l.texto == "Diagrama de Cortante"; }));
        QVERIFY(v.NumPaginas() > sinDiagramas);
        int abiertas = 0;
        v.FijaAbreDetallado([&] { ++abiertas; });
        Pulsa(refuerzo);
        QCOMPARE(abiertas, 1);
        QVERIFY(doc.ConfiguracionReporte().refuerzo);
        const int antes = v.Regeneraciones();
        v.RegresaDeDetallado();
        QVERIFY(v.Regeneraciones() > antes);
        // Page and zoom buttons are enabled as far as there is somewhere to go.
        const int n = v.NumPaginas();
        QVERIFY(n >= 3);
        auto habilitados = [&](const QString& prefijo) {
            QString r;
            for (char b = '0'; b < '4'; ++b)
                r += Busca<QPushButton>(&v, qPrintable(prefijo + b))->isEnabled() ? '1' : '0';
            return r;
        };
        const struct {
            const char* boton;
            int pagina;
            const char* paginas;
        } pasos[] = {{nullptr, 1, "0011"}, {"Pagina2", 2, "1111"}, {"Pagina3", n, "1100"}};
        for (const auto& paso : pasos) {
            if (paso.boton) Pulsa(Busca<QPushButton>(&v, paso.boton));
            QCOMPARE(v.PaginaActual(), paso.pagina);
            QCOMPARE(habilitados("Pagina"), QString::fromLatin1(paso.paginas));
        }
        QCOMPARE(Busca<QLabel>(&v, "EtiquetaPagina")->text(),
                 QStringLiteral("Pag %1 de %1").arg(n));
        Pulsa(Busca<QPushButton>(&v, "Zoom0"));
        QCOMPARE(v.Zoom(), VentanaInforme::kZoomMinimo);
        QCOMPARE(habilitados("Zoom"), QStringLiteral("0011"));
        Pulsa(Busca<QPushButton>(&v, "Zoom3"));
        QCOMPARE(v.Zoom(), VentanaInforme::kZoomMaximo);
        QCOMPARE(habilitados("Zoom"), QStringLiteral("1100"));
    }

    // Ranges follow the page count after every regeneration; a reversed range, a file
    // that cannot be written and a cancelled file name print nothing.
    void rangos() {
        Documento doc;
        Calculado(doc, VigaMayor());
        VentanaInforme v(&doc);
        v.FijaDispositivos({DispositivosSistema().back()});  // the PDF file
        Busca<QRadioButton>(&v, "Horizontal")->click();
        Pulsa(Busca<QRadioButton>(&v, "RangoPaginas"));
        auto* desde = Busca<QSpinBox>(&v, "Desde");
        auto* hasta = Busca<QSpinBox>(&v, "Hasta");
        const int n = v.NumPaginas();
        QCOMPARE(hasta->maximum(), n);
        hasta->setValue(n);
        desde->setValue(n);
        QCOMPARE(hasta->minimum(), n);
        // Portrait holds the long tables in fewer pages: the range comes back inside.
        Busca<QRadioButton>(&v, "Vertical")->click();
        const int m = v.NumPaginas();
        QVERIFY(m < n);
        QCOMPARE(desde->value(), m);
        QCOMPARE(hasta->value(), m);

        QVERIFY(!v.ImprimePaginas(3, 2));
        QVERIFY(Mensajes::Mostrados().back().texto.contains("no se imprime nada"));
        QVERIFY(!v.ImprimePaginas(1, m + 1));
        QTemporaryDir dir;
        Mensajes::BorraMostrados();
        QVERIFY(!v.ImprimePaginas(1, 1));  // no file name given
        QCOMPARE(Mensajes::Mostrados().back().tipo, TipoMensaje::Guardar);
        Mensajes::AgregaRuta(dir.filePath("falta/informe.pdf"));
        QVERIFY(!v.ImprimePaginas(1, 1));
        QCOMPARE(Mensajes::Mostrados().back().tipo, TipoMensaje::Error);
        Mensajes::AgregaRuta(dir.filePath("informe"));
        QVERIFY(v.ImprimePaginas(2, 4));
        QCOMPARE(PaginasPdf(dir.filePath("informe.pdf")), 3);
        v.FijaDispositivos({{QStringLiteral("no-existe"), false, {1}, false}});
        QVERIFY(!v.ImprimePaginas(1, 1));
        QCOMPARE(Mensajes::Mostrados().back().texto,
                 QStringLiteral("No se pudo imprimir en \"no-existe\"."));
    }

    // A real job: pages 2..3 of the largest report through the cups-pdf queue.
    void imprimeEnCola() {
        if (!sinCups_.isEmpty()) QSKIP(qPrintable(sinCups_));
        Documento doc;
        Calculado(doc, VigaMayor());
        VentanaInforme v(&doc);
        auto* dispositivos = Busca<QComboBox>(&v, "ListaDispositivos");
        const int cola = dispositivos->findText(pruebas::ColaCups::Cola());
        QVERIFY(cola >= 0);
        dispositivos->activated(cola);
        Busca<QComboBox>(&v, "ListaDiagramas")
            ->activated(static_cast<int>(OpcionDiagramas::kCortanteMomento));
        QVERIFY(v.NumPaginas() > 3);
        Pulsa(Busca<QRadioButton>(&v, "RangoPaginas"));
        Busca<QSpinBox>(&v, "Desde")->setValue(2);
        Busca<QSpinBox>(&v, "Hasta")->setValue(3);
        Pulsa(Busca<QPushButton>(&v, "BotonImprime"));
        QVERIFY2(Mensajes::Mostrados().empty(), qPrintable(pruebas::Textos().join('\n')));
        const QString pdf = cups_.EsperaPdf();
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PaginasPdf(pdf), 2);
        // The empty footer numbers the pages at the right: "Pag 2" on report page 2.
        const QString texto = Ejecuta("pdftotext", {"-f", "1", "-l", "1", "-layout", pdf, "-"});
        QVERIFY2(
            texto.contains(QRegularExpression("Pag 2\\s*$", QRegularExpression::MultilineOption)),
            qPrintable(texto.right(300)));
        QFile::remove(pdf);
    }

    // One set-up for every output: after a run, the footer typed in the panel is the
    // exported PDF's as it is the preview's. What the project file cannot hold is replaced
    // as it is typed or pasted, with a note, and the file keeps what the screen showed.
    void pieEnCadaSalidaYEnElArchivo() {
        auto marco = pruebas::MarcoVisible();
        Sesion* sesion = marco->SesionActiva();
        QVERIFY(sesion->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
        pruebas::Dispara(marco.get(), "menu10");
        pruebas::Dispara(marco.get(), "menu4");
        VentanaInforme* v = marco->VentanaDeInforme();
        Pulsa(Busca<QPushButton>(v, "BotonEncabezado"));
        auto* pie = Busca<QPlainTextEdit>(v, "Pie");
        pie->selectAll();
        for (QChar c : QString::fromUtf8("estructural — año"))
            QTest::sendKeyEvent(QTest::Click, pie, Qt::Key_unknown, QString(c), {});
        QApplication::clipboard()->setText(QString::fromUtf8(" “V1”…"));
        pie->paste();
        const QString mostrado = QString::fromUtf8("estructural - año \"V1\"...");
        QCOMPARE(pie->toPlainText(), mostrado);
        QCOMPARE(marco->statusBar()->currentMessage(),
                 QString::fromUtf8("Reemplazado para el archivo del proyecto: «“» por «\"», «”» "
                                   "por «\"», «…» por «...»"));
        Pulsa(Busca<QPushButton>(v, "AceptaEncabezado"));
        QTemporaryDir dir;
        QVERIFY(sesion->ExportaInformePdfEn(dir.filePath("informe.pdf")));
        QVERIFY(Ejecuta("pdftotext", {dir.filePath("informe.pdf"), "-"}).contains(mostrado));
        QVERIFY(sesion->GuardaEn(dir.filePath("viga.vcw")));
        QVERIFY(sesion->AbreArchivo(dir.filePath("viga.vcw")));
        QCOMPARE(QString::fromStdString(marco->Doc()->ProyectoActual().piePagina), mostrado);
    }

    // "&Print preview" opens the window in the frame; its close button goes back.
    void desdeElMenu() {
        Marco marco;
        marco.show();
        QAction* accion = nullptr;
        for (QAction* a : marco.menuBar()->actions())
            if (a->text() == QStringLiteral("&Print preview")) accion = a;
        QVERIFY(accion && accion->isEnabled());
        accion->trigger();
        auto* sub = marco.findChild<QMdiSubWindow*>("VentanaVigPrev");
        QVERIFY(sub && sub->isVisible());
        Pulsa(Busca<QPushButton>(sub, "Cierra"));
        QVERIFY(!sub->isVisible());
        QVERIFY(marco.findChild<QMdiSubWindow*>("VentanaPolidur1")->isVisible());
    }
};

QTEST_MAIN(VentanaInformeTest)
#include "ventana_informe_test.moc"
