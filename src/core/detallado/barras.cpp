// Bar areas, names and the proposal of a size and count for a required area.
#include "core/detallado/barras.h"

#include <cmath>
#include <limits>

namespace trabelux {

namespace {

std::string SinBlancos(std::string_view s) {
    std::string r;
    for (char c : s)
        if (c != ' ' && c != '\t') r += c;
    return r;
}

}  // namespace

float AreaDeBarra(int indice) { return EsIndiceBarra(indice) ? kBarras[indice].area : 0.0f; }

std::string NombreBarra(int indice) { return EsIndiceBarra(indice) ? kBarras[indice].nombre : ""; }

std::optional<int> IndiceDeNombreBarra(std::string_view nombre) {
    const std::string buscado = SinBlancos(nombre);
    if (buscado.empty()) return std::nullopt;
    for (int i = 0; i < kNumBarras; ++i)
        if (SinBlancos(kBarras[i].nombre) == buscado) return i;
    return std::nullopt;
}

int EligeBarra(double area) {
    // The design's areas are single-precision values: compare them as such, or 7.62
    // stored as a float (7.6199999) would fall below the 3/4" threshold.
    const float r = static_cast<float>(area);
    if (r < 3.81f) return 0;
    if (r < 7.62f) return 1;
    if (r < 17.1f) return 2;
    return 3;
}

int CuentaBarras(double area, int indice) {
    const double a = AreaDeBarra(indice);
    if (!(area > 0) || a <= 0) return 0;
    const double cociente = area / a;
    // Far more bars than any beam holds; keeps the cast below defined.
    if (cociente >= 1e6) return 1000000;
    const double entero = std::floor(cociente);
    int n = static_cast<int>(entero);
    if (cociente - entero > 1e-6) ++n;
    return n < 1 ? 1 : n;
}

}  // namespace trabelux
