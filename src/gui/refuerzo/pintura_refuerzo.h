// Painting of the core's section geometry with QPainter, shared by the section preview
// and the pictures of the shape chooser's buttons.
#pragma once

#include <QColor>
#include <QIcon>
#include <QSize>
#include <string>

#include "core/dibujo/geometria_secciones.h"

class QPainter;

namespace trabelux {

// Colour of the bars in the window's drawings.
inline const QColor kColorBarras{0, 110, 60};

// The outline (filled with `relleno`), the stirrup and the bars of a section.
void PintaSeccion(QPainter& pintor, const GeometriaSeccion& g, double anchoContorno,
                  const QColor& relleno);

// The picture of shape `codigo` ("Rect", "Tee", ...) with a few bars, in an icon of
// `tamano`.
QIcon IconoForma(const std::string& codigo, QSize tamano);

}  // namespace trabelux
