#include "detallado/dibujo_refuerzo.h"

#include <QPainter>

namespace trabelux {

namespace {

void FondoBlanco(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::white);
    w->setPalette(pal);
}

}  // namespace

DibujoRefuerzo::DibujoRefuerzo(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("VD"));
    FondoBlanco(this);
}

void DibujoRefuerzo::DibApoyos(const Proyecto& p, const TablaDetallado& tabla) {
    proyecto_ = p;
    tabla_ = tabla;
    update();
}

void DibujoRefuerzo::paintEvent(QPaintEvent*) {}

VistaSeccion::VistaSeccion(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("VistaSeccion"));
    FondoBlanco(this);
}

void VistaSeccion::Muestra(const Proyecto& p, const TablaDetallado& tabla, int fila) {
    proyecto_ = p;
    tabla_ = tabla;
    fila_ = fila;
    update();
}

void VistaSeccion::paintEvent(QPaintEvent*) {}

}  // namespace trabelux
