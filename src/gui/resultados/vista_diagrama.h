// One drawing surface of the results window (reactions, shear or moment): paints the beam,
// its supports and the curve or the reactions from the pure geometry, and answers the probe
// with the value of the station found under the mouse, as it moves or presses.
#pragma once

#include <QWidget>

#include "core/analisis/resultados.h"
#include "core/dibujo/geometria_diagramas.h"

class QLabel;
class QPainter;

namespace trabelux {

// What the three surfaces draw; owned by the results window.
struct DatosDiagramas {
    VigaDibujo viga;
    Resultados resultados;
};

class VistaDiagrama : public QWidget {
    Q_OBJECT
  public:
    // Surface units (twips) per pixel: a little larger than the screen's 15, so the
    // support symbols stay visible on today's wide windows.
    static constexpr double kUnidadesPorPixel = 10;

    VistaDiagrama(Superficie tipo, const DatosDiagramas* datos, QWidget* parent = nullptr);

    Superficie Tipo() const { return tipo_; }
    QSizeF TamanoUnidades() const;

    // The layout and scales of the current size and data.
    struct Geometria {
        LineaBase linea;
        double escH = 1;
        double escV = 0;  // 0: no curve
    };
    Geometria CalculaGeometria() const;

    // Runs the probe for the mouse at `pixel`; shows or hides the probe's one label.
    void Sondea(QPointF pixel);
    void OcultaSonda();
    QLabel* EtiquetaSonda() const { return sonda_; }

    // Paints so far; lets a test see that a redraw happened.
    int Dibujos() const { return dibujos_; }

    QSize sizeHint() const override { return {600, 260}; }
    QSize minimumSizeHint() const override { return {160, 90}; }

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

  private:
    std::optional<LecturaSonda> ValorEn(QPointF pixel) const;
    Magnitud MagnitudSuperficie() const;
    void EscribeValores(QPainter& p, const std::vector<ValorEscrito>& valores,
                        const std::vector<Poligonal>& obstaculos, const LineaBase& linea,
                        const QColor& color) const;

    Superficie tipo_;
    const DatosDiagramas* datos_;
    QLabel* sonda_;
    int dibujos_ = 0;
};

}  // namespace trabelux
