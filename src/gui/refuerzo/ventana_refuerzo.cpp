// The detailing window; see vig_refu.h.
#include "gui/refuerzo/ventana_refuerzo.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/detallado/acciones_detallado.h"
#include "gui/comun/controles.h"
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
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(actualiza);
    botones->addWidget(reinicia);
    botones->addWidget(ok_);
    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(rejilla_, 1);
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
    modelo_->Refresca();
    if (modelo_->rowCount() > 0) {
        if (!columnasAjustadas_) {
            rejilla_->AjustaColumnas();
            // The drawings take the room the rows do not need.
            rejilla_->setMaximumHeight(rejilla_->AltoContenido());
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
    const Proyecto* p = doc_->ProyectoCalculado();
    const TablaDetallado& t = doc_->DetalladoActual();
    dibujo_->Muestra(p ? *p : doc_->ProyectoActual(), t);
    seccion_->Muestra(p ? *p : doc_->ProyectoActual(), t, rejilla_->currentIndex().row());
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

}  // namespace trabelux
