// The recording surface measuring text with the fonts the PDF is written with, so that the
// command line's "report --text" records the PDF's own pages and positions.
#pragma once

#include "core/reporte/superficie_grabadora.h"
#include "render/metricas_qt.h"

namespace trabelux {

class GrabadoraQt : public SuperficieGrabadora {
  protected:
    double MideTexto(const std::string& texto, const EstiloTexto& estilo) const override {
        return metricas_.Ancho(texto, estilo);
    }
    double AltoLinea(const EstiloTexto& estilo) const override { return metricas_.Alto(estilo); }

  private:
    MetricasQt metricas_;
};

}  // namespace trabelux
