// Geometry of the reinforcement elevation; see geometria_refuerzo.h.
#include "dibujo/geometria_refuerzo.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "detallado/barras.h"
#include "texto/numeros.h"

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
    if (!f.barraEstribo || !EsIndiceBarra(*f.barraEstribo) || !f.separEstribo ||
        !(*f.separEstribo > 0) || !std::isfinite(*f.separEstribo))
        return {};
    return "Est. " + SinBlancos(NombreBarra(*f.barraEstribo)) + " a " +
           Formatea(*f.separEstribo, "0.000");
}

const FilaDetallado* Fila(const TablaDetallado& t, int indice) {
    return indice >= 0 && static_cast<size_t>(indice) < t.filas.size() ? &t.filas[indice] : nullptr;
}

}  // namespace

std::string EtiquetaBarras(const std::optional<int>& barra, const std::optional<int>& cantidad) {
    if (!barra || !EsIndiceBarra(*barra) || !cantidad || *cantidad <= 0) return {};
    return std::to_string(*cantidad) + SinBlancos(NombreBarra(*barra));
}

double AlturaSobreEje(double h) { return kMedioCanto + kSeparacion + 3 * h + 2 * kEntreFilas; }

double AlturaBajoEje(double h) { return YFila(FilaTexto::kEstribos, 0, h) + h; }

GeometriaRefuerzo CalculaGeometriaRefuerzo(const Proyecto& p, const TablaDetallado& t, double x1,
                                           double x2, double y, const MideTexto& mide,
                                           double altoTexto) {
    GeometriaRefuerzo g;
    const double h = std::max(0.0, Finito(altoTexto));
    const MideTexto ancho =
        mide ? mide : [h](const std::string& s) { return AnchoAproximado(s, h); };
    const int n = std::clamp(std::min(p.numVanos, static_cast<int>(p.vanos.size())), 0, kMaxVanos);
    x1 = Finito(x1);
    x2 = std::max(x1, Finito(x2));
    y = Finito(y);

    std::vector<double> largo(n);
    double total = 0;
    for (int i = 0; i < n; ++i) total += largo[i] = std::max(0.0, Finito(p.vanos[i].longitud));
    const double escala = total > 0 ? (x2 - x1) / total : 1.0;
    g.xNudos.push_back(x1);
    for (int i = 0; i < n; ++i) g.xNudos.push_back(g.xNudos.back() + largo[i] * escala);
    const double fin = g.xNudos.back();
    g.contorno = RectanguloEntre({x1, y - kMedioCanto}, {fin, y + kMedioCanto});
    if (n == 0) return g;

    // Labels row by row; one that would touch the last kept one of its row is left out.
    std::map<FilaTexto, double> finFila;
    auto etiqueta = [&](FilaTexto fila, const std::string& texto, double x) {
        if (texto.empty()) return;
        const double w = Finito(ancho(texto));
        // Over the beam: an end label is pulled in rather than hang past the ends, and a
        // beam with no room for it (no length) goes without.
        if (fin - x1 < w) return;
        x = std::clamp(x, x1 + w / 2, fin - w / 2);
        auto it = finFila.find(fila);
        if (it != finFila.end() && x - w / 2 < it->second + 0.3 * h) return;
        finFila[fila] = x + w / 2;
        g.textos.push_back({fila, texto, {x, YFila(fila, y, h)}});
    };

    // Hangers: the whole beam, hooked down at the ends; labelled where they change.
    const double yPercha = y - kPercha;
    const double borde = std::min(40.0, (fin - x1) / 4);
    g.barras.push_back({ClaseBarra::kPercha,
                        {{x1 + borde, yPercha + kGancho},
                         {x1 + borde, yPercha},
                         {fin - borde, yPercha},
                         {fin - borde, yPercha + kGancho}}});
    std::string perchaAnterior;
    for (int i = 1; i <= n; ++i) {
        const FilaDetallado* f = Fila(t, 2 * i - 1);
        if (!f) continue;
        const std::string texto = EtiquetaBarras(f->barraPercha, f->cantPercha);
        if (texto != perchaAnterior)
            etiqueta(FilaTexto::kPercha, texto, (g.xNudos[i - 1] + g.xNudos[i]) / 2);
        perchaAnterior = texto;
    }

    // Additional top bars over each support, a third of the adjacent spans each way.
    const double yAdic = y - kAdicional;
    for (int j = 1; j <= n + 1; ++j) {
        const FilaDetallado* f = Fila(t, 2 * (j - 1));
        if (!f) continue;
        const std::string texto = EtiquetaBarras(f->barraAdicional, f->cantAdicional);
        if (texto.empty()) continue;
        const double x = g.xNudos[j - 1];
        const double a = j > 1 ? x - (x - g.xNudos[j - 2]) / 3 : x + borde;
        const double b = j <= n ? x + (g.xNudos[j] - x) / 3 : x - borde;
        Poligonal trazo{{a, yAdic}, {b, yAdic}};
        if (j == 1) trazo.insert(trazo.begin(), Punto{a, yAdic + kGancho});
        if (j == n + 1) trazo.push_back({b, yAdic + kGancho});
        g.barras.push_back({ClaseBarra::kAdicional, trazo});
        etiqueta(FilaTexto::kAdicional, texto, x);
    }

    // Bottom bars span by span, short of the interior supports, hooked up at the ends.
    const double yInf = y + kInferior;
    for (int i = 1; i <= n; ++i) {
        const FilaDetallado* f = Fila(t, 2 * i - 1);
        if (!f) continue;
        const std::string texto = EtiquetaBarras(f->barraInferior, f->cantInferior);
        if (texto.empty()) continue;
        const double a = g.xNudos[i - 1], b = g.xNudos[i];
        const double hueco = std::min(60.0, (b - a) / 10);
        const double ia = i == 1 ? a + borde : a + hueco;
        const double ib = i == n ? b - borde : b - hueco;
        Poligonal trazo{{ia, yInf}, {ib, yInf}};
        if (i == 1) trazo.insert(trazo.begin(), Punto{ia, yInf - kGancho});
        if (i == n) trazo.push_back({ib, yInf - kGancho});
        g.barras.push_back({ClaseBarra::kInferior, trazo});
        etiqueta(FilaTexto::kInferior, texto, (a + b) / 2);
    }

    // Stirrup zones: end quarters from the support rows, the middle half from the span
    // row; one label for each run of zones with the same stirrups.
    struct Zona {
        double a, b;
        const FilaDetallado* fila;
    };
    std::vector<Zona> zonas;
    for (int i = 1; i <= n; ++i) {
        const double a = g.xNudos[i - 1], b = g.xNudos[i], c = (b - a) / 4;
        zonas.push_back({a, a + c, Fila(t, 2 * i - 2)});
        zonas.push_back({a + c, b - c, Fila(t, 2 * i - 1)});
        zonas.push_back({b - c, b, Fila(t, 2 * i)});
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
    for (size_t k = 0; k < t.filas.size() && k < static_cast<size_t>(2 * n + 1); ++k) {
        const FilaDetallado& f = t.filas[k];
        if (TextoCelda(f, kColDib) != "1" || f.sec.empty()) continue;
        const size_t j = k / 2;
        double x = k % 2 == 0 ? g.xNudos[j] : (g.xNudos[j] + g.xNudos[j + 1]) / 2;
        if (k == 0) x += borde;  // the end cuts just inside the beam
        if (k == static_cast<size_t>(2 * n)) x -= borde;
        g.cortes.push_back({{x, y - kMedioCanto - kSeparacion}, {x, y + kMedioCanto}});
        const std::string numero = f.sec.substr(0, f.sec.find('-'));
        etiqueta(FilaTexto::kCorte, numero, x);
    }
    return g;
}

}  // namespace trabelux
