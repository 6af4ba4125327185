// The detailing window driven through its controls on the three-span example: rows and
// labels, "Dib" and "Actualiza", the shape chooser, the life of the table with the runs
// and the span edits, undo, the "&Refuerzo" command and the drawings' geometry.
#include "gui/refuerzo/ventana_refuerzo.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "apoyo_pruebas.h"
#include "core/archivos/proyecto_vcw.h"
#include "core/detallado/acciones_detallado.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "gui/comun/campo_texto.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/editor/editor_vanos.h"
#include "gui/informe/ventana_informe.h"
#include "gui/refuerzo/cabecera_grupos.h"
#include "gui/refuerzo/dibujo_refuerzo.h"
#include "gui/refuerzo/modelo_detallado.h"
#include "gui/refuerzo/rejilla_detallado.h"
#include "gui/refuerzo/selector_tipo.h"
#include "gui/sesion/sesion.h"
#include "ventanas_prueba.h"

using namespace trabelux;
using namespace trabelux::pruebas;

class VentanaRefuerzoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Marco> marco;
    Documento* doc = nullptr;
    VentanaRefuerzo* ventana = nullptr;
    RejillaDetallado* rejilla = nullptr;

    QAction* Accion(const char* nombre) { return Busca<QAction>(marco.get(), nombre); }
    QString Celda(int fila, int columna) {
        return rejilla->model()->index(fila, columna).data().toString();
    }
    // Runs the analysis and design and opens the window with "&Refuerzo".
    void CalculaYAbre() {
        Dispara(marco.get(), "menu10");
        QVERIFY2(doc->Disenado(), doc->UltimosResultados()->parada.Mensaje().c_str());
        QVERIFY(Accion("Menu13")->isEnabled());
        Dispara(marco.get(), "Menu13");
        QVERIFY(ventana->isVisible());
        // The offscreen platform gives activation back to no one when the progress window
        // closes; a desktop gives it back to the frame, where Ctrl+Z lives.
        marco->windowHandle()->requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), marco->windowHandle());
    }
    // A bar picked from the drop-down of a bar cell, as the keyboard does it.
    void EligeBarraSiguiente(int fila, int columna) {
        QTest::keyClick(ListaDeCelda(rejilla, rejilla->model()->index(fila, columna)),
                        Qt::Key_Down);
        // The closed editor goes now, so the next edit finds only its own.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QStringList Tipos() {
        QStringList r;
        for (int f = 0; f < rejilla->model()->rowCount(); ++f) r << Celda(f, kColTipo);
        return r;
    }

  private slots:
    void initTestCase() { pruebas::InstalaManejador(); }

    void init() {
        Mensajes::IniciaGuion();
        marco = MarcoVisible();
        doc = marco->Doc();
        ventana = marco->VentanaDeRefuerzo();
        rejilla = Busca<RejillaDetallado>(ventana, "DBGrid1");
        QVERIFY(marco->SesionActiva()->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
        QCOMPARE(doc->ProyectoActual().numVanos, 3);
    }

    void cleanup() {
        marco.reset();
        Mensajes::TerminaGuion();
    }

    // Seven rows for three spans, spans standing out in every column, "Dib" on; only bars,
    // counts and spacings typed; each group caption over exactly its two columns.
    void sieteFilasConSusGrupos() {
        QVERIFY(!Accion("Menu13")->isEnabled());
        CalculaYAbre();
        const QAbstractItemModel* m = rejilla->model();
        QCOMPARE(m->rowCount(), 7);
        for (int f = 0; f < 7; ++f) {
            QCOMPARE(m->index(f, kColDib).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
            for (int c = 0; c < kNumColumnasDetallado; ++c)
                QCOMPARE(m->index(f, c).data(Qt::BackgroundRole).isValid(), f % 2 == 1);
        }
        for (int c = 0; c < kNumColumnasDetallado; ++c)
            QCOMPARE(bool(m->flags(m->index(0, c)) & Qt::ItemIsEditable), c >= kColBarraInferior);
        auto* cabecera = rejilla->Cabecera();
        for (int c = kColBarraInferior; c < kNumColumnasDetallado; c += 2) {
            const QRect r = cabecera->RectGrupo(c);
            QCOMPARE(r, cabecera->RectGrupo(c + 1));
            QCOMPARE(r.width(), cabecera->sectionSize(c) + cabecera->sectionSize(c + 1));
            const QString g =
                m->headerData(c, Qt::Horizontal, ModeloDetallado::kRolGrupo).toString();
            QVERIFY2(cabecera->fontMetrics().horizontalAdvance(g) < r.width(), qPrintable(g));
        }
        QVERIFY(cabecera->RectGrupo(kColTipo).isEmpty());
        QVERIFY(Mensajes::Mostrados().empty());
    }

    // An analysis only, or a run that stopped, has no bars to detail.
    void soloAnalisisOCalculoDetenidoNoTienenRefuerzo() {
        Dispara(marco.get(), "menu11");
        QVERIFY(doc->Calculado());
        QVERIFY(!Accion("Menu13")->isEnabled());
        doc->Modifica("inestable", [](Proyecto& p) {
            p.apoyoIzquierdo = p.apoyoDerecho = CondicionExtremo::kNoApoyado;
            p.apoyosInteriores.assign(p.apoyosInteriores.size(), 0);
        });
        Dispara(marco.get(), "menu10");
        QVERIFY(!Accion("Menu13")->isEnabled());
        QVERIFY(doc->Detallado().filas.empty());
    }

    // Space toggles "Dib"; "Actualiza" numbers the sections of the rows drawn and takes the
    // label off the others, whose bars stay; ticked again, they get their label back and
    // the same bars (they used to lose them, and then get different ones).
    void dibYActualiza() {
        CalculaYAbre();
        const QString adicional = Celda(2, kColBarraAdicional),
                      cuenta = Celda(2, kColCantAdicional);
        QVERIFY(!adicional.isEmpty());
        auto conmuta = [&] {
            for (int f : {1, 2}) {
                rejilla->setCurrentIndex(rejilla->model()->index(f, kColDib));
                QTest::keyClick(rejilla, Qt::Key_Space);
            }
            Pulsa(ventana, "Command5");
        };
        conmuta();
        const QStringList sec = {"1-1", "", "", "2-2", "3-3", "4-4", "5-5"};
        for (int f = 0; f < 7; ++f) QCOMPARE(Celda(f, kColSec), sec[f]);
        QVERIFY(!Celda(1, kColBarraInferior).isEmpty());
        QCOMPARE(Celda(2, kColBarraAdicional), adicional);
        conmuta();
        QCOMPARE(Celda(2, kColSec), QStringLiteral("3-3"));
        QCOMPARE(Celda(2, kColBarraAdicional), adicional);
        QCOMPARE(Celda(2, kColCantAdicional), cuenta);
    }

    void selectorDeTipo_data() {
        const QString r = "Rect";
        pruebas::Columnas<int, QString, QStringList>("opcion", "boton", "tipos");
        pruebas::Fila("OK este vano", 6, "Command3", QStringList{r, r, r, "STID", r, r, r});
        pruebas::Fila("OK todos los vanos", 1, "Command4", QStringList(7, "Tee"));
        pruebas::Fila("Cancel", 6, "Command2", QStringList(7, r));
    }

    void selectorDeTipo() {
        QFETCH(int, opcion);
        QFETCH(QString, boton);
        QFETCH(QStringList, tipos);
        CalculaYAbre();
        auto* selector = Busca<SelectorTipo>(ventana, "Frame1");
        auto* ok = Busca<QPushButton>(ventana, "Command1");
        QVERIFY(!selector->isVisible());
        // A click in a bar cell does not open it; Enter on "Tipo" does.
        ClicEnCelda(rejilla, rejilla->model()->index(3, kColBarraPercha));
        QVERIFY(!selector->isVisible());
        rejilla->setCurrentIndex(rejilla->model()->index(3, kColTipo));
        QTest::keyClick(rejilla, Qt::Key_Return);
        QVERIFY(selector->isVisible());
        QVERIFY(!rejilla->isEnabled());
        QVERIFY(!ok->isEnabled());
        QVERIFY(selector->Boton(0)->isChecked());
        Pulsa(selector, qPrintable(QString("Opcion%1").arg(opcion)));
        Pulsa(selector, qPrintable(boton));
        QVERIFY(!selector->isVisible());
        QVERIFY(rejilla->isEnabled());
        QVERIFY(ok->isEnabled());
        QCOMPARE(Tipos(), tipos);
        // Opened again on a row, the chooser shows that row's shape.
        selector->FijaOpcion(2);
        ClicEnCelda(rejilla, rejilla->model()->index(3, kColTipo), /*doble=*/true);
        QVERIFY(selector->isVisible());
        QCOMPARE(selector->Opcion(), *OpcionDeTipo(tipos[3].toStdString()));
        Pulsa(selector, "Command2");
    }

    // Bar edits last, are undone one by one and never outlive the run they were made on;
    // the model stays consistent throughout.
    void edicionesDuranYSeDeshacen() {
        const auto probador = Probador(ventana->Modelo());
        CalculaYAbre();
        QVERIFY(!ventana->Modelo()->setData(ventana->Modelo()->index(0, kColBarraInferior),
                                            "ø 5/8\"", Qt::EditRole));
        const QString antes = Celda(1, kColBarraInferior);
        EligeBarraSiguiente(1, kColBarraInferior);
        const QString despues = Celda(1, kColBarraInferior);
        QVERIFY(despues != antes);
        // The project file holds no bars: editing them leaves nothing to save.
        QVERIFY(!doc->Modificado() && !marco->isWindowModified());
        QCOMPARE(QString::fromStdString(TextoCelda(doc->Detallado().filas[1], kColBarraInferior)),
                 despues);
        // "OK" hides the window and says so; showing it again keeps the edit.
        QSignalSpy aceptada(ventana, &VentanaRefuerzo::aceptada);
        Pulsa(ventana, "Command1");
        QCOMPARE(aceptada.count(), 1);
        QVERIFY(!ventana->isVisible());
        Dispara(marco.get(), "Menu13");
        QCOMPARE(Celda(1, kColBarraInferior), despues);
        // Ctrl+Z undoes the edit, and only it.
        QTest::keyClick(rejilla, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Celda(1, kColBarraInferior), antes);
        QCOMPARE(doc->ProyectoActual().numVanos, 3);
        // "Reinicia" proposes every cell afresh.
        EligeBarraSiguiente(1, kColBarraInferior);
        Pulsa(ventana, "Command6");
        QCOMPARE(Celda(1, kColBarraInferior), antes);
        // A new run rebuilds the table, and undoing an edit of the old one cannot bring
        // its bars back.
        EligeBarraSiguiente(2, kColBarraPercha);
        QVERIFY(Celda(2, kColBarraPercha) != QString::fromUtf8("ø 3/8\""));
        Dispara(marco.get(), "menu10");
        QVERIFY(doc->Disenado());
        QCOMPARE(QString::fromStdString(TextoCelda(doc->Detallado().filas[2], kColBarraPercha)),
                 QString::fromUtf8("ø 3/8\""));
        doc->Pila()->undo();
        QCOMPARE(QString::fromStdString(TextoCelda(doc->Detallado().filas[2], kColBarraPercha)),
                 QString::fromUtf8("ø 3/8\""));
    }

    // An edit of the beam and a project read in place of it both empty the table; undoing
    // the edit brings the results back, and the bars with them.
    void cambiosDeLaVigaVacianLaTabla() {
        for (bool abre : {false, true}) {
            CalculaYAbre();
            QCOMPARE(doc->DetalladoActual().filas.size(), size_t(7));
            EditorVanos* principal = marco->Editor();
            if (abre) {
                QVERIFY(marco->SesionActiva()->AbreArchivo(TRABELUX_EXAMPLES "/tres-vanos.vcw"));
            } else {
                // Delete on a whole span row of the main grid, confirmed.
                auto* vanos = Busca<QTableView>(principal, "DBGrid1");
                vanos->selectRow(1);
                Mensajes::AgregaRespuesta(Respuesta::Si);
                QTest::keyClick(vanos, Qt::Key_Delete);
                QCOMPARE(vanos->model()->rowCount(), 2);
            }
            QVERIFY(doc->DetalladoActual().filas.empty());
            QCOMPARE(rejilla->model()->rowCount(), 0);
            QVERIFY(!ventana->isVisible());
            QVERIFY(!Accion("Menu13")->isEnabled());
            if (!abre) {
                doc->Pila()->undo();
                QCOMPARE(doc->Detallado().filas.size(), size_t(7));
            }
        }
    }

    // The bars' "OK" goes back to the window they were opened from, maximised as
    // "Regresar" leaves it; a report window closed before stays closed.
    void okVuelveMaximizadaALaVentanaDeOrigen() {
        Dispara(marco.get(), "menu4");
        Pulsa(marco->VentanaDeInforme(), "Cierra");
        Dispara(marco.get(), "menu10");  // the results window comes to the front
        auto* area = Busca<QMdiArea>(marco.get(), "AreaMDI");
        for (const char* origen : {"VentanaResultad", "VentanaPolidur1"}) {
            auto* sub = Busca<QMdiSubWindow>(marco.get(), origen);
            QVERIFY(sub->isVisible());
            Dispara(marco.get(), "Menu13");
            Pulsa(ventana, "Command1");
            QCOMPARE(area->activeSubWindow(), sub);
            QVERIFY(sub->isMaximized());
            QCOMPARE(sub->geometry(), area->viewport()->rect());
            QVERIFY(!Busca<QMdiSubWindow>(marco.get(), "VentanaVigPrev")->isVisible());
            if (sub->widget()->objectName() == "Resultad") Pulsa(marco.get(), "BotonRegresa");
        }
    }

    void dibujosSiguenALaTabla() {
        CalculaYAbre();
        auto* dibujo = Busca<DibujoRefuerzo>(ventana, "VD");
        auto inferiores = [&] {
            int k = 0;
            for (const BarraElevacion& b : dibujo->Geometria().barras)
                k += b.clase == ClaseBarra::kInferior;
            return k;
        };
        QCOMPARE(inferiores(), 3);
        // A span without bottom bars loses them in the drawing at once.
        QVERIFY(ventana->Modelo()->setData(ventana->Modelo()->index(3, kColCantInferior), "",
                                           Qt::EditRole));
        QCOMPARE(inferiores(), 2);
        // A beam of no length still gives finite geometry, all nodes at the left end, and
        // paints.
        Proyecto cero = *doc->ProyectoCalculado();
        for (Vano& v : cero.vanos) v.longitud = 0;
        dibujo->Muestra(cero, doc->DetalladoActual(),
                        CalculaDespiece(*doc->ProyectoCalculado(), *doc->UltimosResultados(),
                                        doc->DetalladoActual()));
        const GeometriaRefuerzo& g = dibujo->Geometria();
        for (double x : g.xNudos) QCOMPARE(x, g.xNudos.front());
        for (const BarraElevacion& b : g.barras)
            for (Punto p : b.trazo) QVERIFY(std::isfinite(p.x) && std::isfinite(p.y));
        QVERIFY(std::isfinite(dibujo->Escala()) && dibujo->Escala() > 0);
        dibujo->grab();
    }

    // "Provisto/Requerido": the proposal provides what the design asks; one bar typed over
    // support 2 does not (red); a count whose group does not fit across the web is red,
    // with the reason.
    void provistoRequerido() {
        CalculaYAbre();
        auto* m = ventana->Modelo();
        const int col = ModeloDetallado::kColProvisto;
        QCOMPARE(m->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Provisto/Requerido"));
        QVERIFY(m->index(2, col).data().toDouble() >= 1);
        QVERIFY(!m->index(2, col).data(Qt::ForegroundRole).isValid());
        QVERIFY(m->setData(m->index(2, kColCantAdicional), "1", Qt::EditRole));
        QVERIFY(m->index(2, col).data().toDouble() < 1);
        QCOMPARE(m->index(2, col).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        QVERIFY(m->setData(m->index(3, kColCantInferior), "9", Qt::EditRole));
        QCOMPARE(m->index(3, kColCantInferior).data(Qt::ForegroundRole).value<QColor>(),
                 QColor(Qt::red));
        QCOMPARE(m->index(3, kColCantInferior).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("No caben en dos capas"));
    }

    // The schedule tab follows the table; the export writes the same schedule as CSV.
    void planillaYExportacion() {
        CalculaYAbre();
        auto* planilla = ventana->RejillaPlanilla();
        Despiece d = CalculaDespiece(*doc->ProyectoCalculado(), *doc->UltimosResultados(),
                                     doc->DetalladoActual());
        const Planilla p = ComponePlanilla(d, *doc->ProyectoCalculado());
        QVERIFY(!p.lineas.empty());
        QCOMPARE(planilla->rowCount(), static_cast<int>(p.lineas.size() + FilasTotales(p).size()));
        QCOMPARE(planilla->item(0, 0)->text(), QStringLiteral("I1"));
        QTemporaryDir dir;
        const QString ruta = dir.filePath("planilla.csv");
        QVERIFY(marco->SesionActiva()->ExportaPlanillaCsvEn(ruta));
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), QString::fromStdString(PlanillaCsv(p)));
        QVERIFY(Accion("menu03c"));
    }

    // "Largo comercial" from the keyboard: a length outside 3..18 m or no number is refused
    // with a message, the field keeping the focus and the project's value; an accepted one
    // is one undo step in the project file, keeps the results and re-cuts the schedule.
    void largoComercial() {
        CalculaYAbre();
        CampoTexto* campo = ventana->LargoComercial();
        QCOMPARE(campo->text(), QStringLiteral("9.00"));
        QTest::keyClick(rejilla, Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), campo);
        const int pasos = doc->Pila()->count();
        auto teclea = [&](const char* texto) {
            QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(campo, QString::fromUtf8(texto));
            QTest::keyClick(campo, Qt::Key_Return);
        };
        for (const char* malo : {"abc", "2.99", "18.5"}) {
            teclea(malo);
            QCOMPARE(Mensajes::Mostrados().size(), size_t(1));
            QCOMPARE(Mensajes::Mostrados()[0].tipo, TipoMensaje::Advertencia);
            Mensajes::TerminaGuion();
            Mensajes::IniciaGuion();
            QCOMPARE(campo->text(), QStringLiteral("9.00"));
            QCOMPARE(QApplication::focusWidget(), campo);
            QCOMPARE(doc->Pila()->count(), pasos);
        }
        const auto celdas = [&] {
            QStringList r;
            for (int f = 0; f < ventana->RejillaPlanilla()->rowCount(); ++f)
                for (int c = 0; c < ventana->RejillaPlanilla()->columnCount(); ++c)
                    r << ventana->RejillaPlanilla()->item(f, c)->text();
            return r;
        };
        const QStringList conNueve = celdas();
        teclea("3,5");
        QVERIFY(Mensajes::Mostrados().empty());
        QCOMPARE(campo->text(), QStringLiteral("3.5"));
        QCOMPARE(doc->ProyectoActual().datos.largoComercial, std::string("3.5"));
        QCOMPARE(doc->Pila()->count(), pasos + 1);
        QVERIFY(doc->Disenado() && doc->Modificado());
        QVERIFY(EscribeProyectoVcw(doc->ProyectoActual()).find("LARGO_BARRA 3.5") !=
                std::string::npos);
        Despiece d = CalculaDespiece(doc->ProyectoActual(), *doc->UltimosResultados(),
                                     doc->DetalladoActual(), 3.5);
        const Planilla p = ComponePlanilla(d, doc->ProyectoActual());
        QStringList esperadas;
        for (const auto& l : p.lineas)
            for (const auto& c : CeldasLinea(l)) esperadas << QString::fromStdString(c);
        for (const auto& t : FilasTotales(p))
            for (const auto& c : t) esperadas << QString::fromStdString(c);
        QCOMPARE(celdas(), esperadas);
        QVERIFY(celdas() != conNueve);
        doc->Pila()->undo();
        QCOMPARE(campo->text(), QStringLiteral("9.00"));
        QCOMPARE(celdas(), conNueve);
    }
};

QTEST_MAIN(VentanaRefuerzoTest)
#include "ventana_refuerzo_test.moc"
