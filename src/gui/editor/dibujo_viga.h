// The beam elevation of the span editor: paints the geometry of the current
// project, recomputed when the project changes or the widget is resized.
#pragma once

#include <QWidget>

#include "core/dibujo/geometria_viga.h"

namespace trabelux {

class Documento;

class DibujoViga : public QWidget {
    Q_OBJECT
  public:
    explicit DibujoViga(Documento* doc, QWidget* padre = nullptr);

    // Recomputes the geometry and schedules a repaint.
    void Redibuja();
    const GeometriaViga& Geometria() const { return geometria_; }

    QSize sizeHint() const override { return {640, 220}; }
    QSize minimumSizeHint() const override { return {240, 120}; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    Documento* doc_;
    GeometriaViga geometria_;
};

}  // namespace trabelux
