#include "principal/tlux_mdi.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "documento/documento.h"
#include "principal/polidur1.h"
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
    auto* sub = area_->addSubWindow(principal_, Qt::SubWindow | Qt::FramelessWindowHint);
    sub->setObjectName(QStringLiteral("VentanaPolidur1"));
    sub->showMaximized();
    principal_->CreaMenus(menuBar());
    connect(principal_, &Polidur1::terminar, this, &QWidget::close);
    connect(doc_, &Documento::cambiado, this, &TluxMDI::ActualizaTitulo);
    ActualizaTitulo();
    resize(1100, 720);
}

QMdiSubWindow* TluxMDI::AgregaVentana(QWidget* ventana) {
    QMdiSubWindow* sub = area_->addSubWindow(ventana);
    sub->show();
    return sub;
}

void TluxMDI::ActualizaTitulo() {
    QString titulo = QString::fromLatin1(kNombrePrograma);
    if (!doc_->Ruta().isEmpty()) titulo += QStringLiteral(" - ") + QFileInfo(doc_->Ruta()).fileName();
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
