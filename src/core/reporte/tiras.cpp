#include "core/reporte/tiras.h"

#include <cmath>
#include <map>
#include <utility>

namespace trabelux {

namespace {

// `k` strips of the spans: each ends at the node whose distance along the beam is nearest
// its share of the whole, leaving at least one span to each strip.
std::vector<Tira> Reparte(const std::vector<double>& acumulado, int k) {
    const int n = static_cast<int>(acumulado.size()) - 1;
    const double total = acumulado.back();
    std::vector<Tira> tiras;
    int inicio = 0;
    for (int i = 1; i <= k; ++i) {
        int fin = n;  // the node that ends strip i
        if (i < k) {
            const double meta = total > 0 ? total * i / k : static_cast<double>(n) * i / k;
            auto lugar = [&](int nudo) { return total > 0 ? acumulado[nudo] : nudo; };
            fin = inicio + 1;
            while (fin + 1 <= n - (k - i) &&
                   std::fabs(lugar(fin + 1) - meta) <= std::fabs(lugar(fin) - meta))
                ++fin;
        }
        tiras.push_back({inicio, fin - 1});
        inicio = fin;
    }
    return tiras;
}

}  // namespace

std::vector<Tira> DivideEnTiras(const std::vector<double>& longitudes,
                                const std::function<bool(const Tira&)>& cabe) {
    const int n = static_cast<int>(longitudes.size());
    std::vector<double> acumulado{0};
    for (double l : longitudes) acumulado.push_back(acumulado.back() + (l > 0 ? l : 0));
    std::map<std::pair<int, int>, bool> sabidos;
    auto cabeTira = [&](const Tira& t) {
        auto [it, nuevo] = sabidos.try_emplace({t.primero, t.ultimo}, false);
        if (nuevo) it->second = cabe(t);
        return it->second;
    };
    for (int k = 1; k < n; ++k) {
        const std::vector<Tira> tiras = Reparte(acumulado, k);
        bool todas = true;
        for (const Tira& t : tiras) todas = todas && cabeTira(t);
        if (todas) return tiras;
    }
    return Reparte(acumulado, n);
}

}  // namespace trabelux
