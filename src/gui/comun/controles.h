// Small makers of the controls every window builds: a control with its object name (the
// handle the window tests and automation find it by), a push button, and a dialog's row
// of buttons at the right.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class QHBoxLayout;
class QPushButton;

namespace trabelux {

template <class Control, class... Argumentos>
Control* Nombrado(const char* nombre, Argumentos&&... argumentos) {
    auto* c = new Control(std::forward<Argumentos>(argumentos)...);
    c->setObjectName(QLatin1String(nombre));
    return c;
}

QPushButton* Boton(const char* nombre, const QString& texto);

// The buttons in their order after a stretch, so they sit at the right of the row. Which
// one is the default stays for each dialog to say.
QHBoxLayout* FilaBotones(std::initializer_list<QPushButton*> botones);

}  // namespace trabelux
