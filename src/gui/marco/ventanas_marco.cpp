#include "gui/marco/ventanas_marco.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/servicio/deflexiones.h"
#include "gui/documento/documento.h"
#include "gui/editor/editor_vanos.h"
#include "gui/informe/ventana_informe.h"
#include "gui/refuerzo/ventana_refuerzo.h"
#include "gui/resultados/ventana_resultados.h"

namespace trabelux {

VentanasMarco::VentanasMarco(Documento* doc, QMainWindow* marco) : QObject(marco), doc_(doc) {
    area_ = new QMdiArea;
    area_->setObjectName(QStringLiteral("AreaMDI"));
    // Every window brought to the front is maximised here (Enfrenta); left to itself the
    // area would maximise, and so show again, a window hidden earlier when it passes the
    // activation to it.
    area_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    marco->setCentralWidget(area_);

    // The editor fills the frame for the whole run.
    editor_ = new EditorVanos(doc_);
    subEditor_ = Agrega(editor_, "VentanaPolidur1");
    subEditor_->showMaximized();
    // The results and the detailing windows are created once, shown over the editor
    // when asked for, and hidden, never closed, when left.
    resultados_ = new VentanaResultados;
    subResultados_ = Agrega(resultados_, "VentanaResultad");
    subResultados_->hide();
    connect(resultados_, &VentanaResultados::Regresa, this, &VentanasMarco::RegresaAEditor);
    refuerzo_ = new VentanaRefuerzo(doc_);
    subRefuerzo_ = Agrega(refuerzo_, "VentanaVigRefu");
    subRefuerzo_->hide();
    connect(refuerzo_, &VentanaRefuerzo::cerrada, this, &VentanasMarco::AlCerrarRefuerzo);
    // Results that were dropped (a new run, a new or opened project) are not shown.
    connect(doc_, &Documento::cambiado, this, [this] {
        if (!doc_->UltimosResultados() && subResultados_->isVisible()) RegresaAEditor();
    });
}

// No title bar of their own: each window fills the frame while it is up.
QMdiSubWindow* VentanasMarco::Agrega(QWidget* ventana, const char* nombre) {
    QMdiSubWindow* sub = area_->addSubWindow(ventana, Qt::SubWindow | Qt::FramelessWindowHint);
    sub->setObjectName(QLatin1String(nombre));
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    return sub;
}

// Maximising one sub-window restores the one maximised before: a window that comes back
// to the front is maximised again, or it would show in its normal size over the others.
void VentanasMarco::Enfrenta(QMdiSubWindow* sub) {
    sub->showMaximized();
    area_->setActiveSubWindow(sub);
    emit alFrente();
}

void VentanasMarco::MuestraResultados() {
    const Resultados* r = doc_->UltimosResultados();
    if (!r) return;
    // Opening the window again shows the tables as they were; only new results refill it.
    if (generacionMostrada_ != doc_->GeneracionResultados()) {
        resultados_->Muestra(*doc_->ProyectoCalculado(), *r);
        generacionMostrada_ = doc_->GeneracionResultados();
    }
    // The deflections follow the bars, which may have been edited since.
    const Proyecto& calculado = *doc_->ProyectoCalculado();
    resultados_->LlenaDeflexiones(
        CalculaDeflexiones(calculado, LeeDatosNumericos(calculado.datos), *r, doc_->Detallado()));
    resultadosVisibles_ = true;
    emit resultadosVisibles(true);
    Enfrenta(subResultados_);
}

void VentanasMarco::RegresaAEditor() {
    subResultados_->hide();
    resultadosVisibles_ = false;
    emit resultadosVisibles(false);
    Enfrenta(subEditor_);
}

void VentanasMarco::MuestraRefuerzo() {
    QMdiSubWindow* activa = area_->activeSubWindow();
    if (activa != subRefuerzo_) regresoRefuerzo_ = activa;
    refuerzo_->Muestra();
}

// Back to the window the bars were opened from, if it is still up; the editor otherwise.
// A window closed meanwhile (the report's) stays closed.
void VentanasMarco::AlCerrarRefuerzo() {
    informeEsperaRefuerzo_ = false;
    QMdiSubWindow* destino = regresoRefuerzo_;
    regresoRefuerzo_ = nullptr;
    if (!destino || destino == subRefuerzo_ || destino->isHidden()) {
        RegresaAEditor();
        return;
    }
    Enfrenta(destino);
}

void VentanasMarco::MuestraInforme() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    informeEsperaRefuerzo_ = false;
    // Opened over the results: closing the report returns to the editor.
    if (subResultados_->isVisible()) RegresaAEditor();
    if (!informe_)
        CreaInforme();
    else
        informe_->Activa();
    Enfrenta(subInforme_);
    QApplication::restoreOverrideCursor();
}

// Created on first use: it asks the system for its printers.
void VentanasMarco::CreaInforme() {
    informe_ = new VentanaInforme(doc_);
    subInforme_ = Agrega(informe_, "VentanaVigPrev");
    connect(informe_, &VentanaInforme::Regresa, this, &VentanasMarco::OcultaInforme);
    // Ticking the reinforcement option: the bars are chosen before printing, and the
    // detailing window's "OK" brings the report back.
    informe_->FijaAbreDetallado([this] {
        informeEsperaRefuerzo_ = true;
        subInforme_->hide();
        regresoRefuerzo_ = subInforme_;
        refuerzo_->Muestra();
    });
    // The bars' "OK" brings the report back (a closing without it does not).
    connect(refuerzo_, &VentanaRefuerzo::aceptada, this, [this] {
        if (!informeEsperaRefuerzo_) return;
        informeEsperaRefuerzo_ = false;
        subInforme_->show();
        informe_->RegresaDeDetallado();
    });
}

void VentanasMarco::OcultaInforme() {
    if (!subInforme_ || !subInforme_->isVisible()) return;
    subInforme_->hide();
    Enfrenta(subEditor_);
}

}  // namespace trabelux
