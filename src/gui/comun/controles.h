// Small makers of the controls every window builds: a control with its object name (the
// handle the window tests and automation find it by), a push button, and a dialog's row
// of buttons at the right.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class QFrame;
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
// A button Enter never presses, not even with the focus on it: in a dialog whose Enter
// belongs to its default button, or to a field or grid being typed in.
QPushButton* BotonSinIntro(const char* nombre, const QString& texto);
// A panel that opens in place of other controls, raised so that it reads as one piece.
void EstiloPanel(QFrame* panel);

// The buttons in their order after a stretch, so they sit at the right of the row. Which
// one is the default stays for each dialog to say.
QHBoxLayout* FilaBotones(std::initializer_list<QPushButton*> botones);

}  // namespace trabelux
