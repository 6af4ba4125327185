#include "core/diseno/cortante.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/analisis/precision.h"
#include "core/diseno/constantes.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

using constantes_diseno::kCoefVc;
using constantes_diseno::kFiCortante;
constexpr double kCoefVsMaximo = 2.1;
constexpr double kAreaDosRamas[2] = {1.42, 2.54};  // cm2, two legs of ø3/8 and ø1/2
constexpr double kCoefAceroMinimo = 3.5;           // Av = 3.5 b s / fy
constexpr double kSeparacionMinima = 7.0;          // cm
constexpr double kSeparacionVigaBaja = 10.0;  // cm, below it shallow beams use the general rule
constexpr double kPeralteVigaBaja = 25.0;     // cm
constexpr double kSeparacionMaxima = 60.0;    // cm
// ACI 318-19 Table 9.7.6.2.2: when the stirrups carry more than 1.06 sqrt(f'c) b d (kg,
// the clause's 0.33 sqrt(f'c) b d in MPa), the largest spacing halves to d/4 and 30 cm.
constexpr double kCoefVsSeparacionReducida = 1.06;
constexpr double kSeparacionMaximaReducida = 30.0;  // cm

// Spacing (cm) at which the bar gives the minimum stirrup steel.
double SeparacionAceroMinimo(int barra, float b, float fy) {
    return kAreaDosRamas[barra] * fy / (kCoefAceroMinimo * b);
}

// Spacing (cm) of the bar for the required area per metre; unbounded when none is needed.
double SeparacionRequerida(int barra, float avPorMetro) {
    if (!(avPorMetro > 0.0f)) return std::numeric_limits<double>::infinity();
    return 100.0 * kAreaDosRamas[barra] / avPorMetro;
}

}  // namespace

std::string TextoEstribo(int barra, double separacionCm) {
    return std::string(barra == kEstriboMedia ? "ø1/2 a " : "ø3/8 a ") +
           Formatea(separacionCm / 100.0, "0.000");
}

EstriboExtremo DisenaEstriboExtremo(double vu, float b, float d, const MaterialDiseno& m) {
    EstriboExtremo r;
    const double raizFc = std::sqrt(m.fc > 0 ? m.fc : 0.0);
    const float vc = Simple(kCoefVc * b * d * raizFc);
    // A section without width or depth carries no shear (and would divide by zero).
    if (!(b > 0.0f) || !(d > 0.0f)) {
        r.suficiente = false;
        return r;
    }
    const double dMedios = d / 2.0;
    const double separacionMinAcero3 = SeparacionAceroMinimo(kEstriboTresOctavos, b, m.fy);

    if (vu < kFiCortante * vc) {
        // Stirrups by the spacing limits only.
        r.separacion = std::min({dMedios, kSeparacionMaxima, separacionMinAcero3});
    } else {
        r.vs = vu / kFiCortante - vc;
        if (r.vs > kCoefVsMaximo * b * d * raizFc) {
            r.suficiente = false;
            return r;
        }
        const bool separacionReducida = r.vs > kCoefVsSeparacionReducida * b * d * raizFc;
        const double limitePeralte = separacionReducida ? d / 4.0 : dMedios;
        const double limiteAbsoluto =
            separacionReducida ? kSeparacionMaximaReducida : kSeparacionMaxima;
        const float avPorMetro = Simple(100.0 * r.vs / m.fy / d);
        double s = SeparacionRequerida(kEstriboTresOctavos, avPorMetro);
        if (d < kPeralteVigaBaja && s >= kSeparacionVigaBaja) {
            r.separacion = std::min({s, limitePeralte, separacionMinAcero3});
        } else {
            double separacionMinAcero = separacionMinAcero3;
            if (s < kSeparacionMinima) {
                r.barra = kEstriboMedia;
                s = SeparacionRequerida(kEstriboMedia, avPorMetro);
                separacionMinAcero = SeparacionAceroMinimo(kEstriboMedia, b, m.fy);
                if (s < kSeparacionMinima) {
                    r.suficiente = false;
                    return r;
                }
            }
            r.separacion = std::min({s, limitePeralte, limiteAbsoluto, separacionMinAcero});
        }
    }
    r.areaPorMetro = Simple(100.0 / r.separacion * kAreaDosRamas[r.barra]);
    return r;
}

Estado DisenaEstribos(const EntradaCalculo& e, const SolicitacionesDiseno& s, Resultados& r) {
    const MaterialDiseno m{e.fc, e.fy, e.recub};
    r.refuerzoTransversal.reserve(static_cast<size_t>(e.numVanos));
    for (int i = 0; i < e.numVanos; ++i) {
        if (e.fy > kFyMaximoCortante) return Estado::Falla("Fy no puede ser mayor de 4200");
        const CortanteExtremo& cI = s.cortanteI[static_cast<size_t>(i)];
        const CortanteExtremo& cJ = s.cortanteJ[static_cast<size_t>(i)];
        const float b = e.baseVano[i];
        const float d = e.alturaVano[i] - e.recub;
        // Reached without a flexural row (nothing bends the span), so the depth is
        // checked here too.
        if (!(d > 0.0f))
            return Estado::Falla("El peralte es insuficiente en el vano " + std::to_string(i + 1));
        // The message is only written when a section fails (a long text is an allocation).
        auto insuficiente = [i] {
            return Estado::Falla("La seccion es insuficiente por cortante en el vano " +
                                 std::to_string(i + 1));
        };
        // Shear at d from each face; loads within d are not taken off.
        const double vuI = std::fabs(cI.v - cI.w * d / 100.0) * 1000.0;
        const double vuJ = std::fabs(cJ.v - cJ.w * d / 100.0) * 1000.0;
        const EstriboExtremo izq = DisenaEstriboExtremo(vuI, b, d, m);
        if (!izq.suficiente) return insuficiente();
        const EstriboExtremo der = DisenaEstriboExtremo(vuJ, b, d, m);
        if (!der.suficiente) return insuficiente();
        // Each end speaks for itself: a left end without shear simply needs no stirrups
        // by strength, it never inherits the previous span's values.
        const EstriboExtremo& rige = der.vs > izq.vs ? der : izq;
        r.refuerzoTransversal.push_back({i + 1, Simple(vuI / 1000.0), Simple(vuJ / 1000.0),
                                         rige.areaPorMetro,
                                         TextoEstribo(rige.barra, rige.separacion)});
    }
    return Estado::Bien();
}

}  // namespace trabelux
