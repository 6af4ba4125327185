// The results window's "Deflexiones" tab: the table of the deflections per span with the
// verdicts, the deflected shape under D + L with the largest value of each span, or why
// they were not computed.
#pragma once

#include <QWidget>
#include <vector>

#include "core/servicio/deflexiones.h"

class QLabel;
class QStackedWidget;

namespace trabelux {

class ModeloTablaResultados;
class VistaTablaResultados;

// The deflected shape, downward, over the beam's axis.
class VistaDeflexiones : public QWidget {
  public:
    explicit VistaDeflexiones(QWidget* parent = nullptr);
    // The stations (m from each span's left end) and Δ(D + L) at them, cm.
    void Muestra(const std::vector<std::vector<float>>& x, const Deflexiones& d);
    // The probe: "Vano 1, x = 3.00 m: Δ = 1.83 cm" at the station nearest the pointer.
    QLabel* EtiquetaSonda() const { return sonda_; }
    QString LecturaEn(double px) const;

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

  private:
    static constexpr double kMargen = 40;  // pixels each side of the beam
    QLabel* sonda_ = nullptr;
    std::vector<std::vector<float>> x_;
    Deflexiones d_;
};

class PaginaDeflexiones : public QWidget {
  public:
    explicit PaginaDeflexiones(QWidget* parent = nullptr);
    void Muestra(const std::vector<std::vector<float>>& estaciones, const Deflexiones& d);
    VistaTablaResultados* Tabla() const { return tabla_; }

  private:
    QStackedWidget* pila_ = nullptr;
    ModeloTablaResultados* modelo_ = nullptr;
    VistaTablaResultados* tabla_ = nullptr;
    QLabel* nota_ = nullptr;    // under the table: the cantilevers' ℓ
    QLabel* motivo_ = nullptr;  // why they were not computed
    VistaDeflexiones* vista_ = nullptr;
};

}  // namespace trabelux
