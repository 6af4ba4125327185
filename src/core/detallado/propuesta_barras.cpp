// Bar proposal for the detailing table from the areas of the design tables.
#include "core/detallado/propuesta_barras.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/detallado/barras.h"
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

    float AreaSuperiorApoyo(int nudo) const {
        for (const auto& f : r_.refuerzoApoyos)
            if (f.nudo == nudo) return f.areaSuperior;
        return 0;
    }

    float AreaInferiorVano(int vano) const {
        for (const auto& f : r_.refuerzoVanos)
            if (f.vano == vano) return f.areaInferior;
        return 0;
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

// Fills the bar and count cells of one group for a required area.
void Propone(std::optional<int>& barra, std::optional<int>& cuenta, double area) {
    if (!barra) barra = EligeBarra(area);
    if (area > 0 && !cuenta) cuenta = CuentaBarras(area, *barra);
}

// Additional top bars over a support: the top area less what the hangers give.
void ProponeAdicional(FilaDetallado& f, float areaSuperior) {
    const float perchas = AreaDeBarra(*f.barraPercha) * static_cast<float>(*f.cantPercha);
    Propone(f.barraAdicional, f.cantAdicional, areaSuperior - perchas);
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
            Propone(fila.barraInferior, fila.cantInferior, area);

            FilaDetallado& apoyo = filas[i - 2];
            const int k = *fila.barraInferior;
            if (j == 1 && apoyo1SinBarra) apoyo.barraInferior = k;
            if (apoyo.barraInferior.value_or(0) <= k && !apoyo.cantInferior)
                apoyo.cantInferior = fila.cantInferior;
            ProponeEstribo(fila, req.Transversal(j));
        } else {
            const int s = (i + 1) / 2;
            if (s == 1) {
                if (proyecto.apoyoIzquierdo == CondicionExtremo::kEmpotrado)
                    ProponeAdicional(fila, req.AreaSuperiorApoyo(1));
                ProponeEstribo(fila, req.Transversal(1));
            } else if (s == n + 1) {
                if (proyecto.apoyoDerecho == CondicionExtremo::kEmpotrado)
                    ProponeAdicional(fila, req.AreaSuperiorApoyo(s));
                CopiaInferiorSiVacia(fila, filas[i - 2]);
                ProponeEstribo(fila, req.Transversal(n));
            } else {
                ProponeAdicional(fila, req.AreaSuperiorApoyo(s));
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
