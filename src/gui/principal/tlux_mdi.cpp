#include "principal/tlux_mdi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "ayuda/adjunta_ayuda.h"
#include "detallado/vig_refu.h"
#include "documento/documento.h"
#include "principal/menu_recientes.h"
#include "principal/polidur1.h"
#include "reporte/vig_prev.h"
#include "resultados/resultad.h"
#include "version.h"

namespace trabelux {

TluxMDI::TluxMDI(QWidget* padre) : QMainWindow(padre) {
    setObjectName(QStringLiteral("TluxMDI"));
    doc_ = new Documento(this);
    area_ = new QMdiArea;
    area_->setObjectName(QStringLiteral("AreaMDI"));
    setCentralWidget(area_);

    principal_ = new Polidur1(doc_);
    // The main window fills the frame for the whole run: no title bar of its own.
    subPrincipal_ = area_->addSubWindow(principal_, Qt::SubWindow | Qt::FramelessWindowHint);
    subPrincipal_->setObjectName(QStringLiteral("VentanaPolidur1"));
    subPrincipal_->setAttribute(Qt::WA_DeleteOnClose, false);
    subPrincipal_->showMaximized();

    // The results window is created once and shown over the main window after each run.
    resultados_ = new Resultad;
    subResultados_ = area_->addSubWindow(resultados_, Qt::SubWindow | Qt::FramelessWindowHint);
    subResultados_->setObjectName(QStringLiteral("VentanaResultad"));
    // Windows are created once and only hidden: closing one must not destroy it.
    subResultados_->setAttribute(Qt::WA_DeleteOnClose, false);
    subResultados_->hide();
    connect(resultados_, &Resultad::Regresa, this, &TluxMDI::RegresaAPrincipal);
    principal_->RegistraVentana(VentanaExterna::Resultados, [this] { MuestraResultados(); });
    // The detailing window, created once like the results; it shows and hides itself.
    refuerzo_ = new VigRefu(doc_);
    QMdiSubWindow* subRefuerzo =
        area_->addSubWindow(refuerzo_, Qt::SubWindow | Qt::FramelessWindowHint);
    subRefuerzo->setObjectName(QStringLiteral("VentanaVigRefu"));
    subRefuerzo->setAttribute(Qt::WA_DeleteOnClose, false);
    subRefuerzo->hide();
    principal_->RegistraVentana(VentanaExterna::Refuerzo, [this] { refuerzo_->Muestra(); });
    // Results that were dropped (a new run, a new or opened project) are not shown.
    connect(doc_, &Documento::cambiado, this, [this] {
        if (!doc_->UltimosResultados() && subResultados_->isVisible()) RegresaAPrincipal();
    });
    principal_->RegistraVentana(VentanaExterna::VistaPrevia, [this] { MuestraVistaPrevia(); });
    // A new project closes the report window.
    connect(principal_, &Polidur1::proyectoNuevo, this, &TluxMDI::OcultaVistaPrevia);
    principal_->CreaMenus(menuBar());
    AdjuntaAyuda(principal_, this);
    new MenuRecientes(principal_, menuBar()->findChild<QMenu*>(QStringLiteral("menu0")));
    auto* barra = addToolBar(QStringLiteral("Comandos"));
    barra->setObjectName(QStringLiteral("BarraComandos"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    principal_->CreaBarra(barra);
    // The status bar: what the program is doing on the left, the last run on the right.
    auto* ultimoCalculo = new QLabel(QStringLiteral("Sin calcular"));
    ultimoCalculo->setObjectName(QStringLiteral("UltimoCalculo"));
    statusBar()->addPermanentWidget(ultimoCalculo);
    statusBar()->showMessage(QStringLiteral("Listo"));
    connect(principal_, &Polidur1::estado, statusBar(),
            [this](const QString& t) { statusBar()->showMessage(t); });
    connect(principal_, &Polidur1::calculoTerminado, this, [this, ultimoCalculo](bool calculado) {
        const QString hora = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
        ultimoCalculo->setText((calculado ? QStringLiteral("Último cálculo terminado a las %1")
                                          : QStringLiteral("Último cálculo detenido a las %1"))
                                   .arg(hora));
        statusBar()->showMessage(calculado ? QStringLiteral("Listo")
                                           : QStringLiteral("El cálculo se detuvo"));
    });
    connect(principal_, &Polidur1::terminar, this, &QWidget::close);
    connect(doc_, &Documento::cambiado, this, &TluxMDI::ActualizaTitulo);
    ActualizaTitulo();
    resize(1100, 720);
}

// Teardown in a fixed order while this object is still whole: nothing of the document
// reaches the frame any more, the windows go while the document they show is alive, then
// the document goes.
TluxMDI::~TluxMDI() {
    disconnect(doc_, nullptr, this, nullptr);
    delete area_;
    delete doc_;
}

QMdiSubWindow* TluxMDI::AgregaVentana(QWidget* ventana) {
    QMdiSubWindow* sub = area_->addSubWindow(ventana);
    sub->show();
    return sub;
}

void TluxMDI::MuestraResultados() {
    const Resultados* r = doc_->UltimosResultados();
    if (!r) return;
    // Opening the window again shows the tables as they were; only new results refill it.
    if (generacionMostrada_ != doc_->GeneracionResultados()) {
        resultados_->Muestra(*doc_->ProyectoCalculado(), *r);
        generacionMostrada_ = doc_->GeneracionResultados();
    }
    subResultados_->showMaximized();
    area_->setActiveSubWindow(subResultados_);
    principal_->FijaResultadosVisibles(true);
    // A maximised sub-window writes its own caption into the frame's title, dropping the
    // unsaved-changes mark: the frame's own title is put back.
    ActualizaTitulo();
}

// Activating a maximised sub-window restores the one that was maximised before, so the
// main window is maximised again each time it comes back to the front.
void TluxMDI::RegresaAPrincipal() {
    subResultados_->hide();
    principal_->FijaResultadosVisibles(false);
    subPrincipal_->showMaximized();
    area_->setActiveSubWindow(subPrincipal_);
    ActualizaTitulo();
}

void TluxMDI::MuestraVistaPrevia() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    vistaEsperaRefuerzo_ = false;
    // Opened over the results: closing the report returns to the main window.
    if (subResultados_->isVisible()) RegresaAPrincipal();
    if (!vistaPrevia_) {
        // Created on first use: it asks the system for its printers.
        vistaPrevia_ = new VigPrev(doc_);
        subVistaPrevia_ =
            area_->addSubWindow(vistaPrevia_, Qt::SubWindow | Qt::FramelessWindowHint);
        subVistaPrevia_->setObjectName(QStringLiteral("VentanaVigPrev"));
        subVistaPrevia_->setAttribute(Qt::WA_DeleteOnClose, false);
        connect(vistaPrevia_, &VigPrev::Regresa, this, &TluxMDI::OcultaVistaPrevia);
        // Ticking the reinforcement option: the bars are chosen before printing, and the
        // detailing window's "OK" brings the report back.
        vistaPrevia_->FijaAbreDetallado([this] {
            vistaEsperaRefuerzo_ = true;
            subVistaPrevia_->hide();
            refuerzo_->Muestra();
        });
        connect(refuerzo_, &VigRefu::aceptada, this, [this] {
            if (!vistaEsperaRefuerzo_) return;
            vistaEsperaRefuerzo_ = false;
            subVistaPrevia_->showMaximized();
            area_->setActiveSubWindow(subVistaPrevia_);
            vistaPrevia_->RegresaDeDetallado();
        });
    } else {
        vistaPrevia_->Activa();
    }
    subVistaPrevia_->showMaximized();
    area_->setActiveSubWindow(subVistaPrevia_);
    ActualizaTitulo();  // the maximised window's caption must not replace the frame's
    QApplication::restoreOverrideCursor();
}

void TluxMDI::OcultaVistaPrevia() {
    if (!subVistaPrevia_ || !subVistaPrevia_->isVisible()) return;
    subVistaPrevia_->hide();
    subPrincipal_->showMaximized();
    area_->setActiveSubWindow(subPrincipal_);
    ActualizaTitulo();
}

void TluxMDI::ActualizaTitulo() {
    QString titulo = QString::fromLatin1(kNombrePrograma);
    if (!doc_->Ruta().isEmpty())
        titulo += QStringLiteral(" - ") + QFileInfo(doc_->Ruta()).fileName();
    setWindowTitle(titulo + QStringLiteral("[*]"));
    setWindowModified(doc_->Modificado());
}

void TluxMDI::closeEvent(QCloseEvent* e) {
    if (principal_->EnCalculo() || !principal_->PuedeDescartarCambios()) {
        e->ignore();
        return;
    }
    e->accept();
}

}  // namespace trabelux
