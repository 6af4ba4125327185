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
// Step towards the axis of a bar that overlaps the one before it in its row.
constexpr double kPasoTraslapo = 22;
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

double AlturaSobreEjeConCotas(double h) { return AlturaSobreEje(h) + h + kEntreFilas; }

std::string EtiquetaPieza(const Pieza& p) {
    return (p.marca.empty() ? std::string() : p.marca + ": ") + std::to_string(p.cantidad) + " " +
           SinBlancos(NombreBarra(p.barra)) + " L=" + Formatea(p.corte / 100, "0.00");
}

double AlturaBajoEje(double h) { return YFila(FilaTexto::kEstribos, 0, h) + h; }

GeometriaRefuerzo CalculaGeometriaRefuerzo(const Proyecto& p, const TablaDetallado& t,
                                           const Despiece& d, double x1, double x2, double y,
                                           const MideTexto& mide, double altoTexto, int primero,
                                           int ultimo, bool cotas) {
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
    // `xMax`: a label that would touch the previous one may move right up to there (a bar's
    // label anywhere over the bar). Returns false when the label found no room.
    auto cabe = [&](FilaTexto fila, const std::string& texto, double x, double xMax) {
        const double w = Finito(ancho(texto));
        if (fin - x1 < w) return false;
        x = std::clamp(x, x1 + w / 2, fin - w / 2);
        auto it = finFila.find(fila);
        return it == finFila.end() || x - w / 2 >= it->second + 0.3 * h ||
               it->second + 0.3 * h + w / 2 <= std::min(xMax, fin - w / 2);
    };
    auto etiqueta = [&](FilaTexto fila, const std::string& texto, double x,
                        double xMax = -HUGE_VAL) {
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
            const double movido = it->second + 0.3 * h + w / 2;
            if (movido > std::min(xMax, fin - w / 2)) {
                ++g.omitidas;
                return;
            }
            x = movido;
        }
        finFila[fila] = x + w / 2;
        if (fila == FilaTexto::kCotas) g.conCotas = true;
        g.textos.push_back({fila, texto, {x, YFila(fila, y, h)}});
    };

    // Metres along the beam (from node 1) to drawing units; pieces are clipped to the
    // spans drawn and keep their hooks only where they end inside them.
    std::vector<double> xm(static_cast<size_t>(n + 1), 0.0);
    for (int i = 1; i <= n; ++i)
        xm[static_cast<size_t>(i)] =
            xm[static_cast<size_t>(i - 1)] + std::max(0.0, Finito(p.vanos[i - 1].longitud));
    const double xa = xm[static_cast<size_t>(a - 1)], xb = xm[static_cast<size_t>(b)];
    auto D = [&](double x) { return x1 + (std::clamp(Finito(x), xa, xb) - xa) * escala; };
    auto dentro = [&](double x) { return x > xa + 1e-9 && x < xb - 1e-9; };

    // Each class on its row; a piece that overlaps the previous one of its row (a lap, or
    // two supports' bars) steps towards the axis so both show.
    struct Fila {
        double y, gancho;  // row, and the hook's direction (towards the axis)
        std::vector<double> fines;
    };
    Fila filas[3] = {
        {y + kInferior, -kGancho, {}}, {y - kPercha, kGancho, {}}, {y - kAdicional, kGancho, {}}};
    // Bottom bars of every class (a sagging support's additional bars too) on the bottom row.
    auto filaDe = [&](const Pieza& p) -> Fila& {
        return filas[!p.superior ? 0 : p.clase == ClaseBarra::kPercha ? 1 : 2];
    };
    auto filaTexto = [](const Pieza& p) {
        return !p.superior                      ? FilaTexto::kInferior
               : p.clase == ClaseBarra::kPercha ? FilaTexto::kPercha
                                                : FilaTexto::kAdicional;
    };
    struct Rotulo {
        double x, xMax;
        FilaTexto fila;
        std::string texto;
    };
    std::vector<Rotulo> rotulos;
    std::vector<const Pieza*> orden;
    for (const Pieza& pz : d.piezas)
        if (pz.clase != ClaseBarra::kEstribo && pz.x1 > xa && pz.x0 < xb) orden.push_back(&pz);
    std::stable_sort(orden.begin(), orden.end(),
                     [](const Pieza* u, const Pieza* v) { return u->x0 < v->x0; });
    for (const Pieza* pz : orden) {
        Fila& f = filaDe(*pz);
        size_t nivel = 0;
        while (nivel < f.fines.size() && f.fines[nivel] > pz->x0) ++nivel;
        if (nivel == f.fines.size()) f.fines.push_back(0);
        f.fines[nivel] = pz->x1;
        const double paso = std::min<double>(nivel, 2) * kPasoTraslapo;
        const double yb = !pz->superior ? f.y - paso : f.y + paso;
        const double ia = D(pz->x0), ib = D(pz->x1);
        Poligonal trazo{{ia, yb}, {ib, yb}};
        if (pz->ganchoInicio && dentro(pz->x0 + 1e-6))
            trazo.insert(trazo.begin(), Punto{ia, yb + f.gancho});
        if (pz->ganchoFin && dentro(pz->x1 - 1e-6)) trazo.push_back({ib, yb + f.gancho});
        g.barras.push_back({pz->clase, trazo});
        rotulos.push_back({(ia + ib) / 2, ib, filaTexto(*pz), EtiquetaPieza(*pz)});
    }
    // Labels left to right in each row, so a long bar's label does not push out the
    // labels of the shorter bars that start after it.
    std::stable_sort(rotulos.begin(), rotulos.end(),
                     [](const Rotulo& u, const Rotulo& v) { return u.x < v.x; });
    // A top bar's label with no room in its row (three bars over one short span) takes the
    // row of the cut-off dimensions.
    for (const Rotulo& r : rotulos) {
        const bool arriba =
            cotas && (r.fila == FilaTexto::kAdicional || r.fila == FilaTexto::kPercha);
        if (arriba && !cabe(r.fila, r.texto, r.x, r.xMax) &&
            cabe(FilaTexto::kCotas, r.texto, r.x, r.xMax))
            etiqueta(FilaTexto::kCotas, r.texto, r.x, r.xMax);
        else
            etiqueta(r.fila, r.texto, r.x, r.xMax);
    }

    // Cut-off points of the additional bars, dimensioned from their support's axis.
    const double yCota = YFila(FilaTexto::kCotas, y, h) + h + kEntreFilas / 4;
    for (const CotaCorte& c : cotas ? d.cortes : std::vector<CotaCorte>{}) {
        if (c.xApoyo < xa - 1e-9 || c.xApoyo > xb + 1e-9 || !dentro(c.xBarra)) continue;
        const double ia = D(c.xApoyo), ib = D(c.xBarra);
        g.cotas.push_back({{ia, yCota}, {ib, yCota}});
        g.cotas.push_back({{ib, yCota - kEntreFilas / 2}, {ib, yCota + kEntreFilas / 2}});
        g.conCotas = true;
        etiqueta(FilaTexto::kCotas, Formatea(std::fabs(c.xBarra - c.xApoyo), "0.00"),
                 (ia + ib) / 2);
    }

    // Stirrups: a tick where each lies (no closer than the drawing allows), one label
    // for each run of zones with the same stirrups, with their count ("59 ø3/8\" a 0.138";
    // the row under the beam is the stirrups', and the short label fits the smallest paper).
    std::string texto;
    int cuentaRun = 0;
    double inicioRun = x1, finRun = x1, ultimoTick = -1e300;
    auto cierra = [&]() {
        if (!texto.empty())
            etiqueta(FilaTexto::kEstribos, std::to_string(cuentaRun) + " " + texto,
                     (inicioRun + finRun) / 2);
    };
    for (const Pieza& pz : d.piezas) {
        if (pz.clase != ClaseBarra::kEstribo) continue;
        const double centro = (pz.x0 + pz.x1) / 2;
        if (centro < xa || centro > xb) continue;
        const std::string esta =
            SinBlancos(NombreBarra(pz.barra)) + " a " + Formatea(pz.separacion, "0.000");
        if (esta != texto) {
            cierra();
            texto = esta;
            cuentaRun = 0;
            inicioRun = D(pz.x0);
        }
        cuentaRun += pz.cantidad;
        finRun = D(pz.x1);
        for (int k = 0; k < pz.cantidad && k < 1000; ++k) {
            const double x = D(pz.x0 + k * pz.separacion);
            if (x - ultimoTick < kPasoMinimo) continue;
            ultimoTick = x;
            g.estribos.push_back({{x, y - kEstribo}, {x, y + kEstribo}});
        }
    }
    cierra();

    const double borde = std::min(40.0, (fin - x1) / 4);
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
