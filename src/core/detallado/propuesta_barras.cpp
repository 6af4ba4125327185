// Bar proposal for the detailing table from the areas of the design tables.
#include "core/detallado/propuesta_barras.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/detallado/barras.h"
#include "core/detallado/capas.h"
#include "core/detallado/verifica_filas.h"
#include "core/diseno/flexion.h"
#include "core/modelo/datos_numericos.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

// The design tables looked up by node or span number: a design that stopped, or a
// support whose moment was too small for a row (every pinned end), leaves gaps, so the
// rows cannot be taken by position.
class Requeridos {
  public:
    explicit Requeridos(const Resultados& r) : r_(r) {}

    // The design may give a node or a span a row for each face in tension (the
    // envelope's reversal, a sagging node, a hogging span): each face takes the larger.
    float AreaSuperiorApoyo(int nudo) const {
        float a = 0;
        for (const auto& f : r_.refuerzoApoyos)
            if (f.nudo == nudo) a = std::max(a, f.areaSuperior);
        return a;
    }

    // The design moments (t-m) of a support and of a span; 0 without a row.
    float MomentoApoyo(int nudo) const {
        for (const auto& f : r_.refuerzoApoyos)
            if (f.nudo == nudo && f.traccion == Cara::kSuperior) return std::fabs(f.momento);
        return 0;
    }
    float MomentoVano(int vano) const {
        for (const auto& f : r_.refuerzoVanos)
            if (f.vano == vano && f.traccion == Cara::kInferior) return std::fabs(f.momento);
        return 0;
    }

    // Top steel of a span: compression steel (double reinforcement accepted), or tension
    // steel where the span hogs; 0 without.
    float AreaSuperiorVano(int vano) const {
        float a = 0;
        for (const auto& f : r_.refuerzoVanos)
            if (f.vano == vano) a = std::max(a, f.areaSuperior);
        return a;
    }

    float AreaInferiorApoyo(int nudo) const {
        float a = 0;
        for (const auto& f : r_.refuerzoApoyos)
            if (f.nudo == nudo) a = std::max(a, f.areaInferior);
        return a;
    }

    float AreaInferiorVano(int vano) const {
        float a = 0;
        for (const auto& f : r_.refuerzoVanos)
            if (f.vano == vano) a = std::max(a, f.areaInferior);
        return a;
    }

    const FilaRefuerzoTransversal* Transversal(int vano) const {
        for (const auto& f : r_.refuerzoTransversal)
            if (f.vano == vano) return &f;
        return nullptr;
    }

    float AreaPorMetro(int vano) const {
        const auto* f = Transversal(vano);
        return f ? f->areaPorMetro : 0.0f;
    }

  private:
    const Resultados& r_;
};

void VaciaBarraFueraDeLista(std::optional<int>& barra) {
    if (barra && !EsIndiceBarra(*barra)) barra.reset();
}

void VaciaSiNoPositiva(std::optional<int>& cuenta) {
    if (cuenta && *cuenta <= 0) cuenta.reset();
}

void Ordena(FilaDetallado& f) {
    if (f.tipo.empty()) f.tipo = "Rect";
    VaciaBarraFueraDeLista(f.barraInferior);
    VaciaBarraFueraDeLista(f.barraPercha);
    VaciaBarraFueraDeLista(f.barraAdicional);
    VaciaBarraFueraDeLista(f.barraEstribo);
    VaciaSiNoPositiva(f.cantInferior);
    if (!f.barraPercha) f.barraPercha = 0;
    if (f.cantPercha.value_or(0) < 2) f.cantPercha = 2;
    VaciaSiNoPositiva(f.cantAdicional);
    if (f.separEstribo && !(*f.separEstribo > 0)) f.separEstribo.reset();
}

// The section a group of bars lies in, and what it must resist: b, h (cm), the design
// moment (t-m), the strengths and cover, and the corner bars beside the group (the two
// hangers of a top group; none for bottom bars) with their area.
struct SeccionGrupo {
    double b = 0, h = 0, momento = 0;
    MaterialDiseno material;
    int esquina = -1;
    double areaEsquinas = 0;
};

std::vector<int> Grupo(int barra, int cantidad, int esquina) {
    std::vector<int> g(static_cast<size_t>(std::max(cantidad, 0)), barra);
    if (esquina >= 0) {
        g.insert(g.begin(), esquina);
        g.push_back(esquina);
    }
    return g;
}

// Bars for a required area that fit across the web with the clear spacing of ACI 318-19
// §25.2: today's choice when it fits in one layer; else the next larger bar (up to ø1")
// that does; else two layers, from today's size up, with the design redone at the depth the
// second layer leaves (at most three bars more). A group that fits nowhere keeps today's
// choice: the grid marks it.
std::pair<int, int> EligeQueQuepa(double area, const SeccionGrupo& s) {
    const int inicial = EligeBarra(area);
    const int cuenta = CuentaBarras(area, inicial);
    if (!(s.b > 0) || !(s.h > 0) || cuenta <= 0) return {inicial, cuenta};
    constexpr int kMayorPropuesta = 3;  // ø1"
    for (int barra = inicial; barra <= kMayorPropuesta; ++barra) {
        const int n = CuentaBarras(area, barra);
        const Disposicion d = DisponeGrupo(Grupo(barra, n, s.esquina), s.b, s.h, s.material.recub);
        if (d.capas == 1 && d.cabe) return {barra, n};
    }
    for (int barra = inicial; barra <= kMayorPropuesta; ++barra) {
        int n = CuentaBarras(area, barra);
        for (int intento = 0; intento <= 3; ++intento, ++n) {
            const Disposicion d =
                DisponeGrupo(Grupo(barra, n, s.esquina), s.b, s.h, s.material.recub);
            if (!d.cabe) break;
            const DisenoFlexion f =
                DisenaFlexion(static_cast<float>(s.momento * 1e5), static_cast<float>(d.d),
                              static_cast<float>(s.b), s.material, [] { return true; });
            const double requerido =
                std::max<double>(f.as, s.material.fy > 0 ? 14.0 * s.b * d.d / s.material.fy : 0.0) -
                s.areaEsquinas;
            if (n * AreaDeBarra(barra) >= requerido - 1e-6) return {barra, n};
        }
    }
    return {inicial, cuenta};
}

// Fills the bar and count cells of one group for a required area; when both are empty,
// with bars that fit across the web.
void Propone(std::optional<int>& barra, std::optional<int>& cuenta, double area,
             const SeccionGrupo& s) {
    if (!barra && !cuenta && area > 0) {
        const auto [b, n] = EligeQueQuepa(area, s);
        barra = b;
        cuenta = n;
        return;
    }
    if (!barra) barra = EligeBarra(area);
    if (area > 0 && !cuenta) cuenta = CuentaBarras(area, *barra);
}

// Additional bars of a sagging support, at the bottom: the bottom area less what the bottom
// bars through the support give.
void ProponeAdicionalInferior(FilaDetallado& f, float areaInferior, SeccionGrupo s) {
    if (!f.barraInferior || !f.cantInferior) return;
    const float inferiores = AreaDeBarra(*f.barraInferior) * static_cast<float>(*f.cantInferior);
    s.esquina = *f.barraInferior;
    s.areaEsquinas = inferiores;
    if (areaInferior > inferiores)
        Propone(f.barraAdicional, f.cantAdicional, areaInferior - inferiores, s);
}

// Additional top bars over a support: the top area less what the hangers give.
void ProponeAdicional(FilaDetallado& f, float areaSuperior, SeccionGrupo s) {
    const float perchas = AreaDeBarra(*f.barraPercha) * static_cast<float>(*f.cantPercha);
    s.esquina = *f.barraPercha;
    s.areaEsquinas = perchas;
    Propone(f.barraAdicional, f.cantAdicional, areaSuperior - perchas, s);
}

void CopiaInferiorSiVacia(FilaDetallado& apoyo, const FilaDetallado& vano) {
    if (!apoyo.barraInferior) apoyo.barraInferior = vano.barraInferior;
    if (!apoyo.cantInferior) apoyo.cantInferior = vano.cantInferior;
}

// Stirrup cells from a design text "ø3/8 a 0.150": bar name, " a ", spacing in metres.
// A text without the separator is not understood and changes nothing.
void ProponeEstribo(FilaDetallado& f, const FilaRefuerzoTransversal* t) {
    if (!t) return;
    // Views into the row's text: nothing is copied.
    const std::string_view texto = t->estribos;
    const auto corte = texto.find(" a ");
    if (corte == std::string_view::npos) return;
    std::string_view nombre = texto.substr(0, corte);
    const auto ini = nombre.find_first_not_of(" \t");
    const auto fin = nombre.find_last_not_of(" \t");
    nombre = ini == std::string_view::npos ? "" : nombre.substr(ini, fin - ini + 1);
    const double separacion = LeeNumero(texto.substr(corte + 3));
    if (!f.barraEstribo) f.barraEstribo = nombre == "ø3/8" ? 0 : 1;
    // A spacing that is not positive would be emptied again by the next run.
    if (!f.separEstribo && separacion > 0) f.separEstribo = separacion;
}

}  // namespace

void ProponeBarras(TablaDetallado& tabla, const Proyecto& proyecto, const Resultados& resultados) {
    auto& filas = tabla.filas;
    const int numFilas = static_cast<int>(filas.size());
    const int n = (numFilas - 1) / 2;
    for (auto& f : filas) Ordena(f);
    if (n < 1) return;
    const Requeridos req(resultados);
    const DatosNumericos datos = LeeDatosNumericos(proyecto.datos);
    const double recub = datos.recub;
    const double fy = datos.fy;
    const MaterialDiseno material{datos.fc, static_cast<float>(fy), static_cast<float>(recub)};
    // The section over support s (1-based) as the design takes it: the mean of the spans it
    // joins.
    auto SeccionApoyo = [&](int s) {
        const int nv = static_cast<int>(proyecto.vanos.size());
        const int izq = std::clamp(s - 2, 0, std::max(nv - 1, 0));
        const int der = std::clamp(s - 1, 0, std::max(nv - 1, 0));
        SeccionGrupo g;
        g.material = material;
        g.momento = req.MomentoApoyo(s);
        if (nv == 0) return g;
        const Vano &a = proyecto.vanos[static_cast<size_t>(izq)],
                   &b = proyecto.vanos[static_cast<size_t>(der)];
        g.b = (a.base + b.base) / 2;
        g.h = (a.altura + b.altura) / 2;
        return g;
    };
    // Support 1 takes the bottom bar of span 1 only while the user has chosen none.
    const bool apoyo1SinBarra = !filas[0].barraInferior;

    // Rows past 2N + 1 (a table of even length) belong to no support or span.
    for (int i = 1; i <= 2 * n + 1; ++i) {
        FilaDetallado& fila = filas[i - 1];
        const bool esVano = i % 2 == 0;
        if (esVano) {
            const int j = i / 2;
            double base = 0, altura = 0;
            if (j <= static_cast<int>(proyecto.vanos.size())) {
                base = proyecto.vanos[j - 1].base;
                altura = proyecto.vanos[j - 1].altura;
            }
            // Without a positive Fy there is no minimum to speak of (and no division).
            const double minimo = fy > 0 ? 14.0 * (altura - recub) * base / fy : 0.0;
            const double area = std::max<double>(req.AreaInferiorVano(j), minimo);
            SeccionGrupo seccion{base, altura, req.MomentoVano(j), material};
            Propone(fila.barraInferior, fila.cantInferior, area, seccion);

            FilaDetallado& apoyo = filas[i - 2];
            const int k = *fila.barraInferior;
            if (j == 1 && apoyo1SinBarra) apoyo.barraInferior = k;
            if (apoyo.barraInferior.value_or(0) <= k && !apoyo.cantInferior)
                apoyo.cantInferior = fila.cantInferior;
            ProponeEstribo(fila, req.Transversal(j));
            // A span designed with compression steel gets top bars that provide it, beyond
            // what the hangers give.
            // (Only beyond what the hangers give: a span that hogs a little needs no more.)
            const float perchas =
                AreaDeBarra(*fila.barraPercha) * static_cast<float>(*fila.cantPercha);
            if (req.AreaSuperiorVano(j) > perchas) {
                // Compression steel: it does not depend on d the way tension steel does,
                // so only the fit is sought (no moment to redesign for).
                seccion.momento = 0;
                ProponeAdicional(fila, req.AreaSuperiorVano(j), seccion);
            }
        } else {
            const int s = (i + 1) / 2;
            if (s == 1) {
                if (proyecto.apoyoIzquierdo == CondicionExtremo::kEmpotrado)
                    ProponeAdicional(fila, req.AreaSuperiorApoyo(1), SeccionApoyo(1));
                ProponeEstribo(fila, req.Transversal(1));
            } else if (s == n + 1) {
                if (proyecto.apoyoDerecho == CondicionExtremo::kEmpotrado)
                    ProponeAdicional(fila, req.AreaSuperiorApoyo(s), SeccionApoyo(s));
                CopiaInferiorSiVacia(fila, filas[i - 2]);
                ProponeEstribo(fila, req.Transversal(n));
            } else if (TraccionInferiorEnApoyo(resultados, s)) {
                // A sagging node: its tension steel goes to the bottom.
                CopiaInferiorSiVacia(fila, filas[i - 2]);
                ProponeAdicionalInferior(fila, req.AreaInferiorApoyo(s), SeccionApoyo(s));
                const int izquierdo = s - 1, derecho = s;
                const bool tomaIzquierdo = req.AreaPorMetro(derecho) < req.AreaPorMetro(izquierdo);
                ProponeEstribo(fila, req.Transversal(tomaIzquierdo ? izquierdo : derecho));
            } else {
                ProponeAdicional(fila, req.AreaSuperiorApoyo(s), SeccionApoyo(s));
                CopiaInferiorSiVacia(fila, filas[i - 2]);
                // The support takes the stirrups of the span needing more steel per
                // metre; on a tie, those of the span to its right.
                const int izquierdo = s - 1, derecho = s;
                const bool tomaIzquierdo = req.AreaPorMetro(derecho) < req.AreaPorMetro(izquierdo);
                ProponeEstribo(fila, req.Transversal(tomaIzquierdo ? izquierdo : derecho));
            }
        }
    }
}

}  // namespace trabelux
