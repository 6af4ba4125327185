#include "gui/marco/ventana_progreso.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace trabelux {

namespace {

// A frameless notice floating over the window it belongs to.
void PreparaAviso(QWidget* w) {
    w->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
}

void ColocaArriba(QWidget* w, QWidget* sobre) {
    w->adjustSize();
    if (!sobre) return;
    const QPoint arriba = sobre->mapToGlobal(QPoint(0, 0));
    w->move(arriba.x() + (sobre->width() - w->width()) / 2, arriba.y());
}

}  // namespace

VentanaProgreso::VentanaProgreso(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("Progre"));
    PreparaAviso(this);
    auto* texto = new QLabel(QStringLiteral("Calculando..."));
    texto->setObjectName(QStringLiteral("Label1"));
    barra_ = new QProgressBar;
    barra_->setObjectName(QStringLiteral("ProgressBar1"));
    barra_->setTextVisible(false);
    barra_->setMinimumWidth(280);
    auto* capa = new QVBoxLayout(this);
    capa->addWidget(texto);
    capa->addWidget(barra_);
    setAutoFillBackground(true);
}

void VentanaProgreso::Muestra(QWidget* sobre) {
    barra_->setRange(0, 100);
    barra_->setValue(0);
    ColocaArriba(this, sobre);
    show();
}

void VentanaProgreso::Avance(int hecho, int total) {
    if (total > 0 && barra_->maximum() != total) barra_->setRange(0, total);
    barra_->setValue(hecho);
}

AvisoCargando::AvisoCargando(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("Recarga"));
    setWindowTitle(QStringLiteral("Trblux"));
    PreparaAviso(this);
    auto* texto = new QLabel(QStringLiteral("Cargando..."));
    texto->setObjectName(QStringLiteral("Label1"));
    texto->setMargin(12);
    auto* capa = new QVBoxLayout(this);
    capa->addWidget(texto);
    setAutoFillBackground(true);
}

void AvisoCargando::Muestra(QWidget* sobre) {
    ColocaArriba(this, sobre);
    show();
}

}  // namespace trabelux
