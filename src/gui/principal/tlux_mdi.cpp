#include "gui/principal/tlux_mdi.h"

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

#include "core/version.h"
#include "gui/ayuda/adjunta_ayuda.h"
#include "gui/detallado/vig_refu.h"
#include "gui/documento/documento.h"
#include "gui/principal/menu_recientes.h"
#include "gui/principal/polidur1.h"
#include "gui/reporte/vig_prev.h"
#include "gui/resultados/resultad.h"

namespace trabelux {

TluxMDI::TluxMDI(QWidget* padre) : QMainWindow(padre) {
    setObjectName(QStringLiteral("TluxMDI"));
    doc_ = new Documento(this);
    area_ = new QMdiArea;
    area_->setObjectName(QStringLiteral("AreaMDI"));
    // The frame maximises every window it brings to the front (Enfrenta); left to itself
    // the area would maximise, and so show again, a window hidden earlier when it passes
    // the activation to it.
    area_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
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
    subRefuerzo_ = area_->addSubWindow(refuerzo_, Qt::SubWindow | Qt::FramelessWindowHint);
    subRefuerzo_->setObjectName(QStringLiteral("VentanaVigRefu"));
    subRefuerzo_->setAttribute(Qt::WA_DeleteOnClose, false);
    subRefuerzo_->hide();
    principal_->RegistraVentana(VentanaExterna::Refuerzo, [this] { MuestraRefuerzo(); });
    connect(refuerzo_, &VigRefu::cerrada, this, &TluxMDI::AlCerrarRefuerzo);
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
    ultimoCalculo_ = new QLabel;
    ultimoCalculo_->setObjectName(QStringLiteral("UltimoCalculo"));
    statusBar()->addPermanentWidget(ultimoCalculo_);
    statusBar()->showMessage(QStringLiteral("Listo"));
    connect(principal_, &Polidur1::estado, statusBar(),
            [this](const QString& t) { statusBar()->showMessage(t); });
    connect(principal_, &Polidur1::calculoTerminado, this, [this](bool calculado) {
        horaCalculo_ = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
        MuestraUltimoCalculo();
        statusBar()->showMessage(calculado ? QStringLiteral("Listo")
                                           : QStringLiteral("El cálculo se detuvo"));
    });
    connect(doc_, &Documento::cambiado, this, &TluxMDI::MuestraUltimoCalculo);
    MuestraUltimoCalculo();
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

void TluxMDI::MuestraUltimoCalculo() {
    const Resultados* r = doc_->UltimosResultados();
    const bool desactualizados = doc_->ResultadosDesactualizados();
    ultimoCalculo_->setText(
        desactualizados  ? QStringLiteral("Resultados desactualizados: calcule de nuevo")
        : !r             ? QStringLiteral("Sin calcular")
        : r->Calculado() ? QStringLiteral("Último cálculo terminado a las %1").arg(horaCalculo_)
                         : QStringLiteral("Último cálculo detenido a las %1").arg(horaCalculo_));
    // Stale results are a warning, in the colour of the program's warnings.
    ultimoCalculo_->setStyleSheet(desactualizados ? QStringLiteral("color: rgb(192,0,0);")
                                                  : QString());
}

// Maximising one sub-window restores the one maximised before: a window that comes back
// to the front is maximised again, or it would show in its normal size over the others.
void TluxMDI::Enfrenta(QMdiSubWindow* sub) {
    sub->showMaximized();
    area_->setActiveSubWindow(sub);
    // A maximised sub-window writes its own caption into the frame's title, dropping the
    // unsaved-changes mark: the frame's own title is put back.
    ActualizaTitulo();
}

void TluxMDI::MuestraRefuerzo() {
    QMdiSubWindow* activa = area_->activeSubWindow();
    if (activa != subRefuerzo_) regresoRefuerzo_ = activa;
    refuerzo_->Muestra();
}

// Back to the window the bars were opened from, if it is still up; the main window
// otherwise. A window closed meanwhile (the report's) stays closed.
void TluxMDI::AlCerrarRefuerzo() {
    vistaEsperaRefuerzo_ = false;
    QMdiSubWindow* destino = regresoRefuerzo_;
    regresoRefuerzo_ = nullptr;
    if (!destino || destino == subRefuerzo_ || destino->isHidden()) {
        RegresaAPrincipal();
        return;
    }
    Enfrenta(destino);
}

void TluxMDI::MuestraResultados() {
    const Resultados* r = doc_->UltimosResultados();
    if (!r) return;
    // Opening the window again shows the tables as they were; only new results refill it.
    if (generacionMostrada_ != doc_->GeneracionResultados()) {
        resultados_->Muestra(*doc_->ProyectoCalculado(), *r);
        generacionMostrada_ = doc_->GeneracionResultados();
    }
    principal_->FijaResultadosVisibles(true);
    Enfrenta(subResultados_);
}

void TluxMDI::RegresaAPrincipal() {
    subResultados_->hide();
    principal_->FijaResultadosVisibles(false);
    Enfrenta(subPrincipal_);
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
            regresoRefuerzo_ = subVistaPrevia_;
            refuerzo_->Muestra();
        });
        // The bars' "OK" brings the report back (a closing without it does not).
        connect(refuerzo_, &VigRefu::aceptada, this, [this] {
            if (!vistaEsperaRefuerzo_) return;
            vistaEsperaRefuerzo_ = false;
            subVistaPrevia_->show();
            vistaPrevia_->RegresaDeDetallado();
        });
    } else {
        vistaPrevia_->Activa();
    }
    Enfrenta(subVistaPrevia_);
    QApplication::restoreOverrideCursor();
}

void TluxMDI::OcultaVistaPrevia() {
    if (!subVistaPrevia_ || !subVistaPrevia_->isVisible()) return;
    subVistaPrevia_->hide();
    Enfrenta(subPrincipal_);
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
