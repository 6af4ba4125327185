#include "comun/controles.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace trabelux {

QPushButton* Boton(const char* nombre, const QString& texto) {
    return Nombrado<QPushButton>(nombre, texto);
}

QHBoxLayout* FilaBotones(std::initializer_list<QPushButton*> botones) {
    auto* fila = new QHBoxLayout;
    fila->addStretch();
    for (QPushButton* b : botones) fila->addWidget(b);
    return fila;
}

}  // namespace trabelux
