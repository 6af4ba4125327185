// The detailing window; see vig_refu.h.
#include "gui/refuerzo/ventana_refuerzo.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/detallado/acciones_detallado.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "core/modelo/datos_numericos.h"
#include "core/modelo/reglas_datos_generales.h"
#include "core/texto/numeros.h"
#include "gui/comun/campo_texto.h"
#include "gui/comun/controles.h"
#include "gui/comun/mensajes.h"
#include "gui/documento/documento.h"
#include "gui/refuerzo/cabecera_grupos.h"
#include "gui/refuerzo/dibujo_refuerzo.h"
#include "gui/refuerzo/modelo_detallado.h"
#include "gui/refuerzo/rejilla_detallado.h"
#include "gui/refuerzo/selector_tipo.h"

namespace trabelux {

VentanaRefuerzo::VentanaRefuerzo(Documento* doc, QWidget* padre) : QWidget(padre), doc_(doc) {
    setObjectName(QStringLiteral("VigRefu"));
    setWindowTitle(QStringLiteral("Refuerzo"));

    modelo_ = new ModeloDetallado(doc_, this);
    rejilla_ = new RejillaDetallado;
    rejilla_->setModel(modelo_);
    selector_ = new SelectorTipo;
    selector_->hide();
    dibujo_ = new DibujoRefuerzo;
    seccion_ = new VistaSeccion;

    auto* actualiza = Boton("Command5", QStringLiteral("Actualiza"));
    auto* reinicia = Boton("Command6", QStringLiteral("Reinicia"));
    ok_ = Boton("Command1", QStringLiteral("OK"));

    auto* dibujos = new QHBoxLayout;
    dibujos->addWidget(dibujo_, 3);
    dibujos->addWidget(seccion_, 1);
    // The stock length beside the buttons that remake the bars: it decides where the long
    // bars are lapped, and the schedule follows it at once.
    largo_ = new CampoTexto("TextoLargoComercial");
    largo_->setAlignment(Qt::AlignRight);
    largo_->setMaximumWidth(70);
    largo_->setToolTip(QStringLiteral(
        "Largo de las barras en venta: una barra más larga se divide con empalmes clase B"));
    auto* etiquetaLargo =
        Nombrado<QLabel>("EtiquetaTextoLargoComercial", QStringLiteral("&Largo comercial"));
    etiquetaLargo->setBuddy(largo_);
    connect(largo_, &QLineEdit::editingFinished, this, &VentanaRefuerzo::AceptaLargoComercial);
    auto* botones = new QHBoxLayout;
    botones->addWidget(etiquetaLargo);
    botones->addWidget(largo_);
    botones->addWidget(new QLabel(QStringLiteral("m")));
    botones->addStretch(1);
    botones->addWidget(actualiza);
    botones->addWidget(reinicia);
    botones->addWidget(ok_);
    // The schedule of the bars on a tab beside the grid, with the quantities under it.
    rejillaPlanilla_ = new QTableWidget(0, static_cast<int>(std::size(kColumnasPlanilla)));
    rejillaPlanilla_->setObjectName(QStringLiteral("RejillaPlanilla"));
    QStringList cabeceras;
    for (const char* c : kColumnasPlanilla) cabeceras << QString::fromUtf8(c);
    rejillaPlanilla_->setHorizontalHeaderLabels(cabeceras);
    rejillaPlanilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rejillaPlanilla_->verticalHeader()->hide();
    cantidades_ = new QLabel;
    cantidades_->setObjectName(QStringLiteral("TextoCantidades"));
    cantidades_->setWordWrap(true);
    auto* planilla = new QWidget;
    planilla->setObjectName(QStringLiteral("PestanaPlanilla"));
    auto* columna = new QVBoxLayout(planilla);
    columna->addWidget(rejillaPlanilla_, 1);
    columna->addWidget(cantidades_);
    pestanas_ = new QTabWidget;
    pestanas_->setObjectName(QStringLiteral("PestanasRefuerzo"));
    pestanas_->addTab(rejilla_, QStringLiteral("Barras"));
    pestanas_->addTab(planilla, QStringLiteral("Planilla"));

    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(pestanas_, 1);
    raiz->addWidget(selector_);
    raiz->addLayout(dibujos, 1);
    raiz->addLayout(botones);

    connect(ok_, &QPushButton::clicked, this, &VentanaRefuerzo::Ok);
    connect(actualiza, &QPushButton::clicked, this, &VentanaRefuerzo::Actualiza);
    connect(reinicia, &QPushButton::clicked, this, &VentanaRefuerzo::Reinicia);
    connect(rejilla_, &RejillaDetallado::tipoPedido, this, &VentanaRefuerzo::AbreSelector);
    connect(selector_, &SelectorTipo::esteVano, this, &VentanaRefuerzo::OkEsteVano);
    connect(selector_, &SelectorTipo::todosLosVanos, this, &VentanaRefuerzo::OkTodosLosVanos);
    connect(selector_, &SelectorTipo::cancelado, this, &VentanaRefuerzo::CancelaSelector);
    connect(rejilla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &VentanaRefuerzo::ActualizaDibujos);
    connect(doc_, &Documento::cambiado, this, &VentanaRefuerzo::AlCambiarDocumento);

    // A window shortcut of an MDI window only answers while the focus is inside it, so the
    // frame's undo does not reach here: this window has its own, on the same stack.
    QAction* deshacer = doc_->Pila()->createUndoAction(this);
    deshacer->setShortcut(QKeySequence::Undo);
    deshacer->setShortcutContext(Qt::WindowShortcut);
    addAction(deshacer);
    QAction* rehacer = doc_->Pila()->createRedoAction(this);
    rehacer->setShortcut(QKeySequence::Redo);
    rehacer->setShortcutContext(Qt::WindowShortcut);
    addAction(rehacer);
    resize(1000, 650);
}

QMdiSubWindow* VentanaRefuerzo::SubVentana() const {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    return sub && sub->mdiArea() ? sub : nullptr;
}

void VentanaRefuerzo::Muestra() {
    if (!doc_->Disenado()) return;
    doc_->Detallado();
    Refresca();
    if (QMdiSubWindow* sub = SubVentana()) {
        sub->showMaximized();
        sub->mdiArea()->setActiveSubWindow(sub);
    } else {
        show();
        raise();
        activateWindow();
    }
    rejilla_->setFocus();
}

void VentanaRefuerzo::Oculta() {
    CierraSelector();
    if (QMdiSubWindow* sub = SubVentana())
        sub->hide();
    else
        hide();
    emit cerrada();
}

void VentanaRefuerzo::Ok() {
    if (!AceptaLargoComercial() || recienRechazado_) return;
    rejilla_->ConfirmaEdicion();
    emit aceptada();
    Oculta();
}

void VentanaRefuerzo::AlCambiarDocumento() {
    // Without a design there is nothing to detail: dropped results close the window.
    if (!doc_->Disenado() && isVisible()) Oculta();
    // A step undone past the loading leaves the table to be proposed again.
    if (doc_->Disenado() && isVisible()) doc_->Detallado();
    Refresca();
}

void VentanaRefuerzo::Refresca() {
    // What is being typed stays until it is checked.
    const QString largo = QString::fromStdString(doc_->ProyectoActual().datos.largoComercial);
    if (!largo_->isModified() && largo_->text() != largo) largo_->setText(largo);
    modelo_->Refresca();
    if (modelo_->rowCount() > 0) {
        if (!columnasAjustadas_) {
            rejilla_->AjustaColumnas();
            // The drawings take the room the rows do not need.
            pestanas_->setMaximumHeight(rejilla_->AltoContenido() +
                                        pestanas_->tabBar()->sizeHint().height() + 8);
            columnasAjustadas_ = true;
        }
        if (!rejilla_->currentIndex().isValid())
            rejilla_->setCurrentIndex(modelo_->index(0, kColUbic));
    } else {
        columnasAjustadas_ = false;
    }
    ActualizaDibujos();
}

void VentanaRefuerzo::ActualizaDibujos() {
    // Current results describe the project as it stands, stock length included (no run
    // reads it, so changing it keeps them).
    const Proyecto& proyecto = doc_->ProyectoActual();
    const TablaDetallado& t = doc_->DetalladoActual();
    // The bars with their lengths follow every edit of the table: never kept stale.
    Despiece d;
    if (const Resultados* r = doc_->UltimosResultados())
        d = CalculaDespiece(proyecto, *r, t, LeeDatosNumericos(proyecto.datos).largoComercial);
    const Planilla planilla = ComponePlanilla(d, proyecto);
    dibujo_->Muestra(proyecto, t, d);
    const int fila = rejilla_->currentIndex().row();
    seccion_->Muestra(proyecto, t, fila, AdicionalesAbajo(d, fila));
    MuestraPlanilla(planilla, CalculaCantidades(proyecto, planilla), d.avisos);
}

void VentanaRefuerzo::MuestraPlanilla(const Planilla& planilla, const Cantidades& cantidades,
                                      const std::vector<std::string>& avisos) {
    std::vector<std::vector<std::string>> filas;
    for (const auto& l : planilla.lineas) filas.push_back(CeldasLinea(l));
    if (!planilla.lineas.empty())
        for (auto& t : FilasTotales(planilla)) filas.push_back(std::move(t));
    rejillaPlanilla_->setRowCount(static_cast<int>(filas.size()));
    for (size_t i = 0; i < filas.size(); ++i)
        for (size_t k = 0; k < filas[i].size(); ++k) {
            auto* celda = new QTableWidgetItem(QString::fromStdString(filas[i][k]));
            // Numbers to the right, as in the report.
            if (k >= 5) celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            rejillaPlanilla_->setItem(static_cast<int>(i), static_cast<int>(k), celda);
        }
    rejillaPlanilla_->resizeColumnsToContents();
    if (planilla.lineas.empty()) {
        cantidades_->clear();
        return;
    }
    std::string texto =
        std::string("Volumen de hormigón: ") + Formatea(cantidades.volumen, "0.00") +
        " m³    Encofrado (fondo y costados): " + Formatea(cantidades.encofrado, "0.00") +
        " m²    Acero: " + Formatea(cantidades.acero, "0.0") +
        " kg    Cuantía de acero: " + Formatea(cantidades.cuantia, "0.0") + " kg/m³\n" +
        kNotaPlanilla;
    for (const std::string& aviso : avisos) texto += "\n" + aviso + ".";
    cantidades_->setText(QString::fromStdString(texto));
}

void VentanaRefuerzo::Actualiza() {
    rejilla_->ConfirmaEdicion();
    // Run twice as the grid's repainting was switched off for the first pass and on for
    // the second; rows excluded on the first pass get their cells emptied again.
    doc_->ModificaDetallado(QStringLiteral("Actualiza"),
                            [](TablaDetallado& t, const Proyecto& p, const Resultados& r) {
                                ActualizaDetallado(t, p, r);
                                ActualizaDetallado(t, p, r);
                            });
    rejilla_->setCurrentIndex(modelo_->index(0, kColUbic));
}

void VentanaRefuerzo::Reinicia() {
    rejilla_->ConfirmaEdicion();
    doc_->ModificaDetallado(QStringLiteral("Reinicia"),
                            [](TablaDetallado& t, const Proyecto& p, const Resultados& r) {
                                trabelux::ReiniciaDetallado(t, p, r);
                            });
}

void VentanaRefuerzo::AbreSelector(int fila) {
    const auto& filas = doc_->DetalladoActual().filas;
    if (selector_->isVisible() || fila < 0 || fila >= static_cast<int>(filas.size())) return;
    rejilla_->ConfirmaEdicion();
    filaSelector_ = fila;
    rejilla_->setCurrentIndex(modelo_->index(fila, kColTipo));
    rejilla_->setEnabled(false);
    ok_->setEnabled(false);
    selector_->Abre(filas[static_cast<size_t>(fila)].tipo);
}

void VentanaRefuerzo::CierraSelector() {
    if (!selector_->isVisible()) return;
    selector_->hide();
    rejilla_->setEnabled(true);
    ok_->setEnabled(true);
    rejilla_->setFocus();
    filaSelector_ = -1;
}

void VentanaRefuerzo::OkEsteVano() {
    const int fila = filaSelector_, opcion = selector_->Opcion();
    CierraSelector();
    doc_->ModificaDetallado(
        QStringLiteral("Tipo"),
        [fila, opcion](TablaDetallado& t, auto&, auto&) { EligeTipo(t, fila, opcion); });
}

void VentanaRefuerzo::OkTodosLosVanos() {
    const int opcion = selector_->Opcion();
    CierraSelector();
    doc_->ModificaDetallado(QStringLiteral("Tipo"), [opcion](TablaDetallado& t, auto&, auto&) {
        EligeTipoTodas(t, opcion);
    });
    rejilla_->setCurrentIndex(modelo_->index(0, kColTipo));
}

void VentanaRefuerzo::CancelaSelector() { CierraSelector(); }

bool VentanaRefuerzo::AceptaLargoComercial() {
    if (verificandoLargo_) return false;
    const std::string actual = doc_->ProyectoActual().datos.largoComercial;
    const std::string tecleado = largo_->text().toStdString();
    if (!largo_->isModified() || tecleado == actual) {
        largo_->setModified(false);
        return true;
    }
    const Resultado<std::string> r = VerificaLargoComercial(tecleado);
    if (!r) {
        verificandoLargo_ = true;
        Mensajes::Advierte(this, QString::fromStdString(r.mensaje));
        verificandoLargo_ = false;
        largo_->setText(QString::fromStdString(actual));
        recienRechazado_ = true;
        QTimer::singleShot(0, this, [this] { recienRechazado_ = false; });
        largo_->setFocus();
        largo_->selectAll();
        return false;
    }
    const std::string nuevo = *r.valor;
    largo_->setModified(false);
    largo_->setText(QString::fromStdString(nuevo));
    if (nuevo != actual)
        doc_->Modifica(QStringLiteral("Largo comercial"),
                       [&nuevo](Proyecto& p) { p.datos.largoComercial = nuevo; });
    return true;
}

}  // namespace trabelux
