// The drawings of the detailing window: the beam elevation with its supports and the bars
// of the table (`VD`, DibApoyos), and the section of the current row with its bars. Both
// paint only the geometry the core computes for the report too.
#pragma once

#include <QWidget>

#include "detallado/tabla.h"
#include "modelo/proyecto.h"

namespace trabelux {

class DibujoRefuerzo : public QWidget {
    Q_OBJECT
  public:
    explicit DibujoRefuerzo(QWidget* padre = nullptr);

    // DibApoyos: the beam as designed with the bars of `tabla`; repaints.
    void DibApoyos(const Proyecto& p, const TablaDetallado& tabla);

    QSize sizeHint() const override { return {640, 200}; }
    QSize minimumSizeHint() const override { return {200, 90}; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    Proyecto proyecto_;
    TablaDetallado tabla_;
};

class VistaSeccion : public QWidget {
    Q_OBJECT
  public:
    explicit VistaSeccion(QWidget* padre = nullptr);

    // The section of row `fila` (0-based) of `tabla`, its width and depth those of the
    // span the row belongs to; nothing for a row out of range.
    void Muestra(const Proyecto& p, const TablaDetallado& tabla, int fila);

    QSize sizeHint() const override { return {220, 200}; }
    QSize minimumSizeHint() const override { return {110, 90}; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    Proyecto proyecto_;
    TablaDetallado tabla_;
    int fila_ = -1;
};

}  // namespace trabelux
