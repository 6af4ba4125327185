// Provided against required steel of a detailing row; see verifica_filas.h.
#include "core/detallado/verifica_filas.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/detallado/barras.h"
#include "core/diseno/flexion.h"
#include "core/modelo/datos_numericos.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

bool Valida(const std::optional<int>& b, const std::optional<int>& n) {
    return b && EsIndiceBarra(*b) && n && *n > 0;
}

// The group across the web: the hangers at the corners of a top group, the bars between.
std::vector<int> Grupo(const std::optional<int>& barra, const std::optional<int>& cuenta,
                       const std::optional<int>& esquina, const std::optional<int>& esquinas) {
    std::vector<int> g;
    if (Valida(barra, cuenta)) g.assign(static_cast<size_t>(*cuenta), *barra);
    if (Valida(esquina, esquinas)) {
        const int pares = *esquinas;
        g.insert(g.begin(), static_cast<size_t>(pares / 2), *esquina);
        g.insert(g.end(), static_cast<size_t>(pares - pares / 2), *esquina);
    }
    return g;
}

double AreaGrupo(const std::vector<int>& g) {
    double a = 0;
    for (int b : g) a += AreaDeBarra(b);
    return a;
}

// The area the design asks at the group's own depth: as printed while the group lies in one
// layer; redone for the moment at the reduced d of two layers.
double Requerida(double impresa, double momento, const Disposicion& d, double b,
                 const MaterialDiseno& m) {
    if (d.capas < 2 || !(impresa > 0)) return impresa;
    const DisenoFlexion f =
        DisenaFlexion(static_cast<float>(std::fabs(momento) * 1e5), static_cast<float>(d.d),
                      static_cast<float>(b), m, [] { return true; });
    return std::max<double>(impresa, f.as);
}

}  // namespace

bool TraccionInferiorEnApoyo(const Resultados& r, int nudo) {
    const FilaRefuerzoApoyo* rige = nullptr;
    for (const auto& f : r.refuerzoApoyos)
        if (f.nudo == nudo && (!rige || std::fabs(f.momento) > std::fabs(rige->momento))) rige = &f;
    return rige && rige->traccion == Cara::kInferior;
}

VerificacionFila VerificaFila(const TablaDetallado& t, int fila, const Proyecto& p,
                              const Resultados& r) {
    VerificacionFila v;
    const int n = std::min(p.numVanos, static_cast<int>(p.vanos.size()));
    if (fila < 0 || fila >= static_cast<int>(t.filas.size()) || fila > 2 * n || n < 1) return v;
    const FilaDetallado& f = t.filas[static_cast<size_t>(fila)];
    const DatosNumericos datos = LeeDatosNumericos(p.datos);
    const MaterialDiseno m{datos.fc, static_cast<float>(datos.fy), static_cast<float>(datos.recub)};
    const bool esApoyo = fila % 2 == 0;
    // The section as the design takes it: a support, the mean of the spans it joins.
    const int izq = std::clamp(fila / 2 - 1, 0, n - 1), der = std::clamp(fila / 2, 0, n - 1);
    const Vano &a = p.vanos[static_cast<size_t>(esApoyo ? izq : (fila - 1) / 2)],
               &c = p.vanos[static_cast<size_t>(esApoyo ? der : (fila - 1) / 2)];
    const double b = (a.base + c.base) / 2, h = (a.altura + c.altura) / 2;

    // A sagging support's additional bars lie at the bottom, between its bottom bars.
    const bool abajo = esApoyo && TraccionInferiorEnApoyo(r, fila / 2 + 1);
    const std::vector<int> sup =
        abajo ? Grupo({}, {}, f.barraPercha, f.cantPercha)
              : Grupo(f.barraAdicional, f.cantAdicional, f.barraPercha, f.cantPercha);
    std::vector<int> inf = Grupo(f.barraInferior, f.cantInferior, {}, {});
    if (abajo) {
        const std::vector<int> extra = Grupo(f.barraAdicional, f.cantAdicional, {}, {});
        inf.insert(inf.end() - (inf.empty() ? 0 : 1), extra.begin(), extra.end());
    }
    v.sup = DisponeGrupo(sup, b, h, datos.recub);
    v.inf = DisponeGrupo(inf, b, h, datos.recub);
    v.provistoSup = AreaGrupo(sup);
    v.provistoInf = AreaGrupo(inf);
    if (!r.Disenado()) return v;
    // A node or span may have a row for each face in tension: each face takes the larger,
    // the face in tension redone at its group's depth.
    auto toma = [&](float superior, float inferior, float momento, Cara traccion) {
        const bool arriba = traccion == Cara::kSuperior;
        v.requeridoSup =
            std::max(v.requeridoSup, arriba ? Requerida(superior, momento, v.sup, b, m) : superior);
        v.requeridoInf =
            std::max(v.requeridoInf, arriba ? inferior : Requerida(inferior, momento, v.inf, b, m));
    };
    if (esApoyo) {
        for (const auto& fr : r.refuerzoApoyos)
            if (fr.nudo == fila / 2 + 1)
                toma(fr.areaSuperior, fr.areaInferior, fr.momento, fr.traccion);
    } else {
        for (const auto& fr : r.refuerzoVanos)
            if (fr.vano == (fila + 1) / 2)
                toma(fr.areaSuperior, fr.areaInferior, fr.momento, fr.traccion);
    }
    for (auto [provisto, requerido] :
         {std::pair{v.provistoSup, v.requeridoSup}, std::pair{v.provistoInf, v.requeridoInf}})
        if (requerido > 0) {
            const double k = provisto / requerido;
            v.razon = v.razon ? std::min(*v.razon, k) : k;
        }
    return v;
}

std::string TextoDisposicion(const Disposicion& d) {
    if (!d.cabe) return "No caben en dos capas";
    if (d.capas < 2) return {};
    return "No caben en una capa: separación libre " + Formatea(d.separacionLibre, "0.00") +
           " cm < " + Formatea(d.separacionMinima, "0.00") +
           " cm; van en dos capas, d = " + Formatea(d.d, "0.0") + " cm";
}

}  // namespace trabelux
