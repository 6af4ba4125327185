#include "core/dxf/cota.h"

#include <cmath>

namespace trabelux {

bool AgregaCota(DibujoDxf& dibujo, const CotaDxf& cota, const std::string& capa) {
    Punto d = cota.hasta - cota.desde;
    double largo = std::hypot(d.x, d.y);
    double h = cota.alturaTexto;
    if (!(largo > 0) || !std::isfinite(largo) || !(h > 0) || !std::isfinite(h) ||
        !std::isfinite(cota.desplazamiento))
        return false;
    Punto u = d * (1 / largo);  // along the line
    Punto n{-u.y, u.x};         // to its left
    Punto a = cota.desde + n * cota.desplazamiento;
    Punto b = cota.hasta + n * cota.desplazamiento;

    // The text reads from left to right, or upwards on a vertical line.
    double angulo = std::atan2(u.y, u.x) * 180 / 3.14159265358979323846;
    Punto arriba = n;
    if (angulo > 90.000001 || angulo <= -89.999999) {
        angulo += angulo > 0 ? -180 : 180;
        arriba = n * -1;
    }
    RotuloDxf texto{(a + b) * 0.5 + arriba * (0.4 * h),
                    h,
                    angulo,
                    cota.texto,
                    HorizontalDxf::kCentro,
                    VerticalDxf::kBase};
    if (!dibujo.Agrega(capa, LineaDxf{a, b}) || !dibujo.Agrega(capa, texto)) return false;

    // Ticks at 45 degrees to the line, crossing it at the measured points.
    Punto tick = (u + n) * (0.5 * h / std::sqrt(2.0));
    for (Punto p : {a, b}) dibujo.Agrega(capa, LineaDxf{p - tick, p + tick});

    // Extension lines leave a small gap at the points and reach a little past the line.
    double hueco = 0.25 * h, exceso = 0.5 * h;
    double lado = cota.desplazamiento >= 0 ? 1 : -1;
    if (std::abs(cota.desplazamiento) > hueco)
        for (Punto p : {cota.desde, cota.hasta})
            dibujo.Agrega(capa, LineaDxf{p + n * (lado * hueco),
                                         p + n * (cota.desplazamiento + lado * exceso)});
    return true;
}

}  // namespace trabelux
