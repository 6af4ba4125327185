// The report's page surface painted with QPainter: onto a paged device (QPdfWriter,
// QPrinter), one device page per report page, or onto one QPicture per page for a preview.
// Coordinates stay in twips: the painter is scaled to the device's resolution.
#pragma once

#include <QPainter>
#include <QPicture>
#include <vector>

#include "core/reporte/superficie_pagina.h"
#include "render/metricas_qt.h"

class QPagedPaintDevice;

namespace trabelux {

class SuperficieQt : public SuperficiePagina {
  public:
    // Paints on `dispositivo`, whose page layout the caller has set (full page, no
    // margins of its own). The device outlives the surface.
    explicit SuperficieQt(QPagedPaintDevice* dispositivo);
    // Records every page as a picture in twips.
    SuperficieQt();
    ~SuperficieQt() override;

    const std::vector<QPicture>& Imagenes() const { return imagenes_; }
    // False when the device could not be painted on (a file that cannot be written).
    bool Correcto() const { return correcto_; }

  protected:
    double MideTexto(const std::string& texto, const EstiloTexto& estilo) const override;
    double AltoLinea(const EstiloTexto& estilo) const override;
    void PintaPagina(int pagina) override;
    void PintaTexto(double x, double y, const std::string& texto,
                    const EstiloTexto& estilo) override;
    void PintaLineas(const Poligonal& puntos, const Trazo& trazo) override;
    void PintaPoligono(const Poligonal& puntos, const Trazo& trazo, Relleno relleno,
                       Color colorRelleno) override;
    void PintaRectangulo(const trabelux::Rectangulo& r, const Trazo& trazo, Relleno relleno,
                         Color colorRelleno) override;
    void PintaElipse(const trabelux::Rectangulo& caja, const Trazo& trazo, Relleno relleno,
                     Color colorRelleno) override;
    void PintaArco(double cx, double cy, double radio, double desde, double hasta,
                   const Trazo& trazo) override;
    void PintaFin() override;

  private:
    void Rellena(const QPainterPath& forma, Relleno relleno, Color color);
    void Pluma(const Trazo& trazo);

    QPagedPaintDevice* dispositivo_ = nullptr;
    std::vector<QPicture> imagenes_;
    QPainter pintor_;
    bool correcto_ = true;
    MetricasQt metricas_;
};

}  // namespace trabelux
