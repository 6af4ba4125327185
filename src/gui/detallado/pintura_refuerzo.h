// Painting of the core's reinforcement drawings with QPainter: the picture of a section
// shape for the chooser's buttons.
#pragma once

#include <QIcon>
#include <QSize>
#include <string>

namespace trabelux {

// The outline of shape `codigo` ("Rect", "Tee", ...) drawn into an icon of `tamano`.
QIcon IconoForma(const std::string& codigo, QSize tamano);

}  // namespace trabelux
