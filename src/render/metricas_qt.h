// Text metrics of the report's styles as Qt's paged devices measure them: fonts sized in
// twips, without hinting, so the measures are the same on every device and resolution.
// Shared by the painting surface and the recording surface of "report --text".
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <optional>
#include <string>

#include "core/reporte/configuracion.h"

namespace trabelux {

class MetricasQt {
  public:
    // The font of a style, sized in twips (the painter's scale turns them into pixels).
    const QFont& Fuente(const EstiloTexto& estilo) const { return Medida(estilo).fuente; }
    double Ancho(const std::string& texto, const EstiloTexto& estilo) const;
    double Alto(const EstiloTexto& estilo) const { return Medida(estilo).metricas.height(); }
    double Ascenso(const EstiloTexto& estilo) const { return Medida(estilo).metricas.ascent(); }

  private:
    // The last style measured is kept: styles change far less often than texts are
    // measured.
    struct FuenteMedida {
        EstiloTexto estilo;
        QFont fuente;
        QFontMetricsF metricas{QFont()};
    };
    const FuenteMedida& Medida(const EstiloTexto& estilo) const;
    mutable std::optional<FuenteMedida> ultima_;
};

}  // namespace trabelux
