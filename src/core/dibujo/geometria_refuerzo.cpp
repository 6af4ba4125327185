// Geometry of the reinforcement elevation; see geometria_refuerzo.h.
#include "core/dibujo/geometria_refuerzo.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/detallado/barras.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

using namespace cotas_refuerzo;

constexpr double kEntreFilas = 20;
// Span lengths under the supports: their text starts this far below the outline.
constexpr double kLongitudes = 150;

double Finito(double v) { return std::isfinite(v) ? v : 0.0; }

// Top of a text row.
double YFila(FilaTexto fila, double y, double h) {
    const int k = static_cast<int>(fila);
    if (k > 0) return y - kMedioCanto - kSeparacion - k * h - (k - 1) * kEntreFilas;
    return y + kMedioCanto + kLongitudes + h + kSeparacion + (-k - 1) * (h + kEntreFilas);
}

std::string SinBlancos(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

std::string TextoEstribos(const FilaDetallado& f) {
    const std::string estribos = EtiquetaEstribos(f);
    return estribos.empty() ? estribos : "Est. " + estribos;
}

const FilaDetallado* Fila(const TablaDetallado& t, int indice) {
    return indice >= 0 && static_cast<size_t>(indice) < t.filas.size() ? &t.filas[indice] : nullptr;
}

}  // namespace

std::string EtiquetaBarras(const std::optional<int>& barra, const std::optional<int>& cantidad) {
    if (!barra || !EsIndiceBarra(*barra) || !cantidad || *cantidad <= 0) return {};
    return std::to_string(*cantidad) + SinBlancos(NombreBarra(*barra));
}

std::string EtiquetaEstribos(const FilaDetallado& f) {
    if (!f.barraEstribo || !EsIndiceBarra(*f.barraEstribo) || !f.separEstribo ||
        !(*f.separEstribo > 0) || !std::isfinite(*f.separEstribo))
        return {};
    return SinBlancos(NombreBarra(*f.barraEstribo)) + " a " + Formatea(*f.separEstribo, "0.000");
}

double AlturaSobreEje(double h) { return kMedioCanto + kSeparacion + 3 * h + 2 * kEntreFilas; }

double AlturaBajoEje(double h) { return YFila(FilaTexto::kEstribos, 0, h) + h; }

GeometriaRefuerzo CalculaGeometriaRefuerzo(const Proyecto& p, const TablaDetallado& t, double x1,
                                           double x2, double y, const MideTexto& mide,
                                           double altoTexto, int primero, int ultimo) {
    GeometriaRefuerzo g;
    const double h = std::max(0.0, Finito(altoTexto));
    const MideTexto ancho =
        mide ? mide : [h](const std::string& s) { return AnchoAproximado(s, h); };
    const int n = std::clamp(std::min(p.numVanos, static_cast<int>(p.vanos.size())), 0, kMaxVanos);
    x1 = Finito(x1);
    x2 = std::max(x1, Finito(x2));
    y = Finito(y);
    // Spans a..b (1-based) of the piece drawn, nodes a..b+1.
    const int a = std::clamp(primero, 0, std::max(n - 1, 0)) + 1;
    const int b = ultimo < 0 ? n : std::clamp(ultimo + 1, a, std::max(n, a));
    const bool inicioViga = a == 1, finViga = b == n;

    std::vector<double> largo(static_cast<size_t>(n + 1));
    double total = 0;
    for (int i = a; i <= b && i <= n; ++i)
        total += largo[i] = std::max(0.0, Finito(p.vanos[i - 1].longitud));
    const double escala = total > 0 ? (x2 - x1) / total : 1.0;
    g.primerNudo = a;
    g.xNudos.push_back(x1);
    for (int i = a; i <= b && i <= n; ++i) g.xNudos.push_back(g.xNudos.back() + largo[i] * escala);
    const double fin = g.xNudos.back();
    g.contorno = RectanguloEntre({x1, y - kMedioCanto}, {fin, y + kMedioCanto});
    if (n == 0) return g;
    auto X = [&](int nudo) { return g.xNudos[static_cast<size_t>(nudo - a)]; };

    // Labels row by row; one that would touch the last kept one of its row is left out.
    std::map<FilaTexto, double> finFila;
    auto etiqueta = [&](FilaTexto fila, const std::string& texto, double x) {
        if (texto.empty()) return;
        const double w = Finito(ancho(texto));
        // Over the beam: an end label is pulled in rather than hang past the ends, and a
        // beam with no room for it (no length) goes without.
        if (fin - x1 < w) {
            ++g.omitidas;
            return;
        }
        x = std::clamp(x, x1 + w / 2, fin - w / 2);
        auto it = finFila.find(fila);
        if (it != finFila.end() && x - w / 2 < it->second + 0.3 * h) {
            ++g.omitidas;
            return;
        }
        finFila[fila] = x + w / 2;
        g.textos.push_back({fila, texto, {x, YFila(fila, y, h)}});
    };

    // Hangers: the whole beam, hooked down at its ends; labelled where they change (and
    // at the start of a piece).
    const double yPercha = y - kPercha;
    const double borde = std::min(40.0, (fin - x1) / 4);
    Poligonal percha{{x1 + (inicioViga ? borde : 0), yPercha},
                     {fin - (finViga ? borde : 0), yPercha}};
    if (inicioViga) percha.insert(percha.begin(), Punto{x1 + borde, yPercha + kGancho});
    if (finViga) percha.push_back({fin - borde, yPercha + kGancho});
    g.barras.push_back({ClaseBarra::kPercha, percha});
    std::string perchaAnterior;
    for (int i = a; i <= b; ++i) {
        const FilaDetallado* f = Fila(t, 2 * i - 1);
        if (!f) continue;
        const std::string texto = EtiquetaBarras(f->barraPercha, f->cantPercha);
        if (texto != perchaAnterior) etiqueta(FilaTexto::kPercha, texto, (X(i) + X(i + 1)) / 2);
        perchaAnterior = texto;
    }

    // Additional top bars over each support, a third of the adjacent spans each way (as far
    // as the piece reaches).
    const double yAdic = y - kAdicional;
    for (int j = a; j <= b + 1; ++j) {
        const FilaDetallado* f = Fila(t, 2 * (j - 1));
        if (!f) continue;
        const std::string texto = EtiquetaBarras(f->barraAdicional, f->cantAdicional);
        if (texto.empty()) continue;
        const double x = X(j);
        const double ia = j > a ? x - (x - X(j - 1)) / 3 : (j == 1 ? x + borde : x);
        const double ib = j <= b ? x + (X(j + 1) - x) / 3 : (j == n + 1 ? x - borde : x);
        Poligonal trazo{{ia, yAdic}, {ib, yAdic}};
        if (j == 1) trazo.insert(trazo.begin(), Punto{ia, yAdic + kGancho});
        if (j == n + 1) trazo.push_back({ib, yAdic + kGancho});
        g.barras.push_back({ClaseBarra::kAdicional, trazo});
        etiqueta(FilaTexto::kAdicional, texto, x);
    }

    // Bottom bars span by span, short of the interior supports, hooked up at the ends.
    const double yInf = y + kInferior;
    for (int i = a; i <= b; ++i) {
        const FilaDetallado* f = Fila(t, 2 * i - 1);
        if (!f) continue;
        const std::string texto = EtiquetaBarras(f->barraInferior, f->cantInferior);
        if (texto.empty()) continue;
        const double xa = X(i), xb = X(i + 1);
        const double hueco = std::min(60.0, (xb - xa) / 10);
        const double ia = i == 1 ? xa + borde : xa + hueco;
        const double ib = i == n ? xb - borde : xb - hueco;
        Poligonal trazo{{ia, yInf}, {ib, yInf}};
        if (i == 1) trazo.insert(trazo.begin(), Punto{ia, yInf - kGancho});
        if (i == n) trazo.push_back({ib, yInf - kGancho});
        g.barras.push_back({ClaseBarra::kInferior, trazo});
        etiqueta(FilaTexto::kInferior, texto, (xa + xb) / 2);
    }

    // Stirrup zones: end quarters from the support rows, the middle half from the span
    // row; one label for each run of zones with the same stirrups.
    struct Zona {
        double a, b;
        const FilaDetallado* fila;
    };
    std::vector<Zona> zonas;
    for (int i = a; i <= b; ++i) {
        const double za = X(i), zb = X(i + 1), c = (zb - za) / 4;
        zonas.push_back({za, za + c, Fila(t, 2 * i - 2)});
        zonas.push_back({za + c, zb - c, Fila(t, 2 * i - 1)});
        zonas.push_back({zb - c, zb, Fila(t, 2 * i)});
    }
    std::string texto;
    double inicioRun = x1, finRun = x1;
    auto cierra = [&]() { etiqueta(FilaTexto::kEstribos, texto, (inicioRun + finRun) / 2); };
    for (const Zona& z : zonas) {
        const std::string esta = z.fila ? TextoEstribos(*z.fila) : std::string();
        if (esta != texto) {
            cierra();
            texto = esta;
            inicioRun = z.a;
        }
        finRun = z.b;
        if (esta.empty()) continue;
        const double paso = std::max(kPasoMinimo, *z.fila->separEstribo * escala);
        int cuenta = 0;  // a bound for absurd frames; a page holds far fewer
        for (double x = z.a + paso / 2; x < z.b && cuenta < 1000; x += paso, ++cuenta)
            g.estribos.push_back({{x, y - kEstribo}, {x, y + kEstribo}});
    }
    cierra();

    // A cut where each drawn section lies: over its support, or at the middle of its span.
    for (int k = 2 * (a - 1); k < static_cast<int>(t.filas.size()) && k <= 2 * b; ++k) {
        const FilaDetallado& f = t.filas[static_cast<size_t>(k)];
        if (TextoCelda(f, kColDib) != "1" || f.sec.empty()) continue;
        const int j = k / 2 + 1;  // the support, or the span's left node
        double x = k % 2 == 0 ? X(j) : (X(j) + X(j + 1)) / 2;
        if (k == 2 * (a - 1)) x += borde;  // the end cuts just inside the piece
        if (k == 2 * b) x -= borde;
        g.cortes.push_back({{x, y - kMedioCanto - kSeparacion}, {x, y + kMedioCanto}});
        const std::string numero = f.sec.substr(0, f.sec.find('-'));
        etiqueta(FilaTexto::kCorte, numero, x);
    }
    return g;
}

}  // namespace trabelux
