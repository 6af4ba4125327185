// The drawings of the detailing window: the beam elevation with its supports and the bars
// of the table (Muestra), and the section of the current row with its bars. Both
// paint only the geometry the core computes for the report too.
#pragma once

#include <QWidget>

#include "core/detallado/despiece.h"
#include "core/detallado/tabla_detallado.h"
#include "core/dibujo/geometria_refuerzo.h"
#include "core/dibujo/geometria_viga.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

class DibujoRefuerzo : public QWidget {
    Q_OBJECT
  public:
    explicit DibujoRefuerzo(QWidget* padre = nullptr);

    // The beam as designed with the bars of `tabla`; recomputes and repaints.
    void Muestra(const Proyecto& p, const TablaDetallado& tabla, const Despiece& despiece);

    // The geometry painted, in drawing units; Escala() pixels per unit.
    const GeometriaRefuerzo& Geometria() const { return geometria_; }
    const std::vector<ApoyoDibujo>& Apoyos() const { return apoyos_; }
    double Escala() const { return escala_; }

    QSize sizeHint() const override { return {640, 220}; }
    QSize minimumSizeHint() const override { return {200, 120}; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void Calcula();

    Proyecto proyecto_;
    TablaDetallado tabla_;
    Despiece despiece_;
    GeometriaRefuerzo geometria_;
    std::vector<ApoyoDibujo> apoyos_;
    double escala_ = 1;
    double ejeY_ = 0;
    double altoTexto_ = 0;  // a line of text, drawing units
};

class VistaSeccion : public QWidget {
    Q_OBJECT
  public:
    explicit VistaSeccion(QWidget* padre = nullptr);

    // The section of row `fila` (0-based) of `tabla` with the width and depth of its span
    // (a support takes the span on its left, support 1 the first); nothing is drawn for a
    // row out of range or one excluded from drawing. `adicionalesAbajo`: the row's
    // additional bars lie at the bottom face (a sagging support).
    void Muestra(const Proyecto& p, const TablaDetallado& tabla, int fila,
                 bool adicionalesAbajo = false);

    QSize sizeHint() const override { return {240, 220}; }
    QSize minimumSizeHint() const override { return {120, 120}; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    Proyecto proyecto_;
    TablaDetallado tabla_;
    int fila_ = -1;
    bool adicionalesAbajo_ = false;
};

}  // namespace trabelux
