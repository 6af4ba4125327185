#include "gui/comun/controles.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

namespace trabelux {

QPushButton* Boton(const char* nombre, const QString& texto) {
    return Nombrado<QPushButton>(nombre, texto);
}

QPushButton* BotonSinIntro(const char* nombre, const QString& texto) {
    QPushButton* b = Boton(nombre, texto);
    b->setAutoDefault(false);
    return b;
}

void EstiloPanel(QFrame* panel) {
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
}

QHBoxLayout* FilaBotones(std::initializer_list<QPushButton*> botones) {
    auto* fila = new QHBoxLayout;
    fila->addStretch();
    for (QPushButton* b : botones) fila->addWidget(b);
    return fila;
}

}  // namespace trabelux
