// Bars across the web: clear spacing, one layer or two, and the group's d.
#include "core/detallado/capas.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/detallado/barras.h"

namespace trabelux {

namespace {

// Spacings are sums and differences of a few centimetres: a layout that fits exactly must
// not be refused for the last bit of a subtraction.
constexpr double kTolerancia = 1e-9;

double MayorDiametro(const std::vector<int>& barras) {
    double mayor = 0;
    for (int b : barras) mayor = std::max(mayor, DiametroBarra(b));
    return mayor;
}

double SeparacionMinima(const std::vector<int>& barras) {
    return std::max(2.5, MayorDiametro(barras));
}

bool CabeEnCapa(const std::vector<int>& capa, double bCm, double recubCm) {
    return SeparacionLibre(capa, bCm, recubCm) >= SeparacionMinima(capa) - kTolerancia;
}

}  // namespace

double SeparacionLibre(const std::vector<int>& barras, double bCm, double recubCm) {
    const size_t n = barras.size();
    if (n < 2) return std::numeric_limits<double>::infinity();
    double suma = 0;
    for (int b : barras) suma += DiametroBarra(b);
    const double extremos = (DiametroBarra(barras.front()) + DiametroBarra(barras.back())) / 2;
    return (bCm - 2 * recubCm - suma + extremos) / static_cast<double>(n - 1);
}

int MaximoEnCapa(int barra, double bCm, double recubCm) {
    const double db = DiametroBarra(barra);
    const double cociente = (bCm - 2 * recubCm) / (db + std::max(2.5, db));
    int n = cociente > 0 ? 1 + static_cast<int>(std::floor(cociente)) : 1;
    // The formula and the spacing test may round apart right at the boundary; the test is
    // what DisponeGrupo applies, so it has the last word.
    while (CabeEnCapa(std::vector<int>(n + 1, barra), bCm, recubCm)) ++n;
    while (n > 1 && !CabeEnCapa(std::vector<int>(n, barra), bCm, recubCm)) --n;
    return n;
}

Disposicion DisponeGrupo(const std::vector<int>& barras, double bCm, double hCm, double recubCm) {
    Disposicion r;
    const int n = static_cast<int>(barras.size());
    r.separacionLibre = SeparacionLibre(barras, bCm, recubCm);
    r.separacionMinima = SeparacionMinima(barras);
    r.d = hCm - recubCm;
    if (n < 2 || r.separacionLibre >= r.separacionMinima - kTolerancia) {
        r.enCapa1 = n;
        r.separacionCapa1 = r.separacionLibre;
        return r;
    }

    std::vector<int> capa1 = {barras.front(), barras.back()};
    const bool esquinasCaben = CabeEnCapa(capa1, bCm, recubCm);
    int siguiente = 1;  // first bar that goes to the second layer
    while (siguiente < n - 1) {
        capa1.insert(capa1.end() - 1, barras[siguiente]);
        if (!CabeEnCapa(capa1, bCm, recubCm)) {
            capa1.erase(capa1.end() - 2);
            break;
        }
        ++siguiente;
    }
    r.enCapa1 = static_cast<int>(capa1.size());
    r.enCapa2 = n - r.enCapa1;
    r.capas = r.enCapa2 > 0 ? 2 : 1;  // two corner bars too wide for the web stay one layer
    r.separacionCapa1 = SeparacionLibre(capa1, bCm, recubCm);
    r.cabe = esquinasCaben && r.enCapa2 <= r.enCapa1;

    double areaTotal = 0, areaCapa2 = 0;
    for (int k = 0; k < n; ++k) {
        const double a = AreaDeBarra(barras[k]);
        areaTotal += a;
        if (k >= siguiente && k < n - 1) areaCapa2 += a;
    }
    const double entreCapas = MayorDiametro(barras) + r.separacionMinima;
    if (areaTotal > 0) r.d -= entreCapas * areaCapa2 / areaTotal;
    return r;
}

}  // namespace trabelux
