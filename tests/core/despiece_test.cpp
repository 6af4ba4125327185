// Bars with their lengths: the code's rules as properties of random designed beams, and
// the detailing faults the lengths and the proposal mend.
#include "core/detallado/despiece.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/detallado/anclaje.h"
#include "core/detallado/barras.h"
#include "core/detallado/capas.h"
#include "core/detallado/planilla.h"
#include "core/detallado/verifica_filas.h"
#include "core/diseno/flexion.h"
#include "core/modelo/proyecto.h"

using namespace trabelux;

namespace {

struct Caso {
    Proyecto p;
    Resultados r;
    TablaDetallado t;
    Despiece d;
};

Caso Detalla(Proyecto p, double largoComercial = 9.0) {
    Caso c;
    c.p = std::move(p);
    OpcionesCalculo o;
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    c.r = Calcula(c.p, o);
    if (!c.r.Disenado()) return c;
    CargaDetallado(c.t, c.p, c.r);
    c.d = CalculaDespiece(c.p, c.r, c.t, largoComercial);
    return c;
}

// A random beam of 1..20 spans: one section, f'c and cover per beam, uniform and
// concentrated loads per span, any end conditions that leave it stable.
Proyecto VigaAleatoria(std::mt19937& g) {
    auto u = [&g](double a, double b) { return std::uniform_real_distribution<double>(a, b)(g); };
    auto entero = [&g](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    const int n = entero(1, 20);
    Proyecto p = ProyectoNuevo();
    p.numVanos = n;
    p.vanos.clear();
    const double b = 20 + 5 * entero(0, 4), h = 40 + 5 * entero(0, 8);
    for (int i = 0; i < n; ++i) {
        Vano v;
        v.longitud = std::round(u(2.5, 9.0) * 20) / 20;
        v.base = b;
        v.altura = h;
        v.inercia = InerciaRectangular(b, h);
        v.cargaUltima = std::round(u(0.5, 4.0) * 10) / 10;
        p.vanos.push_back(v);
        for (int k = entero(0, 2); k > 0; --k)
            p.cargas.push_back({i + 1, std::round(u(0.1, 0.9) * v.longitud * 20) / 20,
                                std::round(u(0.5, 5.0) * 10) / 10});
    }
    const CondicionExtremo extremos[] = {CondicionExtremo::kApoyado, CondicionExtremo::kEmpotrado,
                                         CondicionExtremo::kNoApoyado};
    p.apoyoIzquierdo = extremos[entero(0, n >= 2 ? 2 : 1)];
    p.apoyoDerecho = extremos[entero(
        0, n >= 3 || (n == 2 && p.apoyoIzquierdo != CondicionExtremo::kNoApoyado) ? 2 : 1)];
    // Cantilevers are short.
    if (p.apoyoIzquierdo == CondicionExtremo::kNoApoyado) p.vanos.front().longitud = u(1.0, 2.5);
    if (p.apoyoDerecho == CondicionExtremo::kNoApoyado) p.vanos.back().longitud = u(1.0, 2.5);
    p.datos.fc = entero(0, 1) ? "210" : "280";
    p.datos.fy = "4200";
    p.datos.recub = entero(0, 1) ? "5" : "6";
    return p;
}

double Cubren(const Despiece& d, double x, bool superior,
              ClaseBarra excluida = ClaseBarra::kEstribo) {
    double a = 0;
    for (const auto& pz : d.piezas)
        if (pz.clase != ClaseBarra::kEstribo && pz.clase != excluida && pz.superior == superior &&
            pz.x0 - 1e-9 <= x && x <= pz.x1 + 1e-9)
            a += AreaDeBarra(pz.barra) * pz.cantidad;
    return a;
}

}  // namespace

TEST(Despiece, RulesHoldOnRandomDesignedBeams) {
    std::mt19937 g(23);
    int disenadas = 0;
    for (int caso = 0; caso < 150; ++caso) {
        const Caso c = Detalla(VigaAleatoria(g), 9.0);
        if (!c.r.Disenado()) continue;
        ++disenadas;
        const Proyecto& p = c.p;
        const int n = p.numVanos;
        std::vector<double> X{0};
        for (const auto& v : p.vanos) X.push_back(X.back() + v.longitud);
        const double fc = std::stod(p.datos.fc), fy = 4200, recub = std::stod(p.datos.recub);
        const double b = p.vanos[0].base, d = p.vanos[0].altura - recub;
        const std::string nombre = "beam " + std::to_string(caso);

        for (const auto& pz : c.d.piezas) {
            // A zone of one stirrup starts and ends at it.
            if (pz.clase == ClaseBarra::kEstribo)
                EXPECT_LE(pz.x0, pz.x1) << nombre;
            else
                EXPECT_LT(pz.x0, pz.x1) << nombre;
            EXPECT_GE(pz.x0, -1e-9) << nombre;
            EXPECT_LE(pz.x1, X.back() + 1e-9) << nombre;
            EXPECT_LE(pz.corte, 900 + 1e-9) << nombre << ": longer than the stock length";
        }

        // At every station the bars carry the envelope, top and bottom.
        const CurvasDiseno curvas = CalculaCurvasDiseno(c.r);
        const MaterialDiseno m{fc, 4200, static_cast<float>(recub)};
        const double limite =
            MomentoLimiteSimple(static_cast<float>(b), static_cast<float>(d), m) / 1e5;
        for (size_t k = 0; k < curvas.x.size(); ++k) {
            const double x = curvas.x[k], mMax = curvas.mMax[k], mMin = curvas.mMin[k];
            // Bars stop at their cover from the beam's ends; the end hooks anchor them there.
            const double xb = std::clamp(x, 0.07, X.back() - 0.07);
            const double sup = Cubren(c.d, xb, true), inf = Cubren(c.d, xb, false);
            const double tol = 1e-3 * std::max(1.0, std::fabs(mMax));
            if (mMax > limite) {
                const DisenoFlexion f =
                    DisenaFlexion(static_cast<float>(mMax * 1e5), static_cast<float>(d),
                                  static_cast<float>(b), m, [] { return true; });
                EXPECT_GE(sup, f.asPrima * (1 - 1e-4)) << nombre << " x=" << x;
                EXPECT_GE(inf, f.as * (1 - 1e-4)) << nombre << " x=" << x;
            } else {
                EXPECT_GE(MomentoResistente(inf, b, d, fc, fy), mMax - tol) << nombre << " x=" << x;
            }
            EXPECT_GE(MomentoResistente(sup, b, d, fc, fy), -mMin - tol)
                << nombre << " x=" << x << " sup=" << sup << " b=" << b << " d=" << d;
        }

        // At every support at least a quarter of each adjacent span's bottom bars reach 15 cm
        // past its axis (to the end, at the beam's ends).
        for (int s = 0; s < n; ++s) {
            const FilaDetallado& fila = c.t.filas[static_cast<size_t>(2 * s + 1)];
            const int total = fila.cantInferior.value_or(0);
            auto alcanzan = [&](double x) {
                int k = 0;
                for (const auto& pz : c.d.piezas)
                    if (pz.fila == 2 * s + 1 && pz.clase == ClaseBarra::kInferior &&
                        pz.x0 <= x + 1e-9 && x <= pz.x1 + 1e-9)
                        k += pz.cantidad;
                return k;
            };
            const double fin = (recub - DiametroBarra(fila.barraInferior.value_or(0)) / 2) / 100;
            const double izq = s == 0 ? fin : X[s] - 0.15;
            const double der = s == n - 1 ? X.back() - fin : X[s + 1] + 0.15;
            EXPECT_GE(4 * alcanzan(izq), total) << nombre << " span " << s + 1;
            EXPECT_GE(4 * alcanzan(der), total) << nombre << " span " << s + 1;
        }

        // At every interior support at least a third of the top steel passes the inflection
        // point by max(d, 12db, ln/16) on each side, or reaches the beam's end.
        for (int j = 1; j < n; ++j) {
            const FilaDetallado& fila = c.t.filas[static_cast<size_t>(2 * j)];
            if (!fila.cantAdicional || !fila.barraAdicional) continue;
            const double db = DiametroBarra(*fila.barraAdicional) / 100;
            for (int lado : {-1, 1}) {
                const int s = lado < 0 ? j - 1 : j;
                const double L = p.vanos[static_cast<size_t>(s)].longitud;
                double inflexion = L;
                for (size_t k = 0; k < curvas.x.size(); ++k) {
                    const size_t kk = lado < 0 ? curvas.x.size() - 1 - k : k;
                    if (curvas.vano[kk] != s) continue;
                    if (curvas.mMin[kk] >= 0) {
                        inflexion = std::fabs(curvas.x[kk] - X[j]);
                        break;
                    }
                }
                const double pedido =
                    std::min(inflexion + std::max({d / 100, 12 * db, L / 16}),
                             lado < 0 ? X[j] - 0.1 : X.back() - X[j] - 0.1);  // or the beam's end
                double alcance = 0;
                for (const auto& pz : c.d.piezas)
                    if (pz.clase == ClaseBarra::kAdicional && pz.fila <= 2 * j &&
                        2 * j <= std::max(pz.fila, pz.filaFin))  // run on over supports
                        alcance = std::max(alcance, lado < 0 ? X[j] - pz.x0 : pz.x1 - X[j]);
                EXPECT_GE(alcance, pedido - 1e-3) << nombre << " support " << j + 1;
            }
        }

        // The schedule holds every piece once: its weight is the pieces' and each mark
        // counts its pieces.
        Despiece marcado = c.d;
        const Planilla pl = ComponePlanilla(marcado, p);
        double kg = 0;
        std::map<std::string, int> cuenta;
        for (const auto& pz : marcado.piezas) {
            kg += pz.cantidad * pz.corte / 100 * KgPorMetro(pz.barra);
            cuenta[pz.marca] += pz.cantidad;
        }
        EXPECT_NEAR(pl.kgTotal, kg, 1e-9 * kg) << nombre;
        for (const auto& l : pl.lineas) EXPECT_EQ(l.cantidad, cuenta[l.marca]) << nombre;
        EXPECT_EQ(cuenta.size(), pl.lineas.size()) << nombre;

        // Every proposed bottom group fits across the web, in one layer or two.
        for (int sv = 0; sv < n; ++sv) {
            const FilaDetallado& f = c.t.filas[static_cast<size_t>(2 * sv + 1)];
            if (!f.barraInferior || !f.cantInferior) continue;
            EXPECT_TRUE(DisponeGrupo(std::vector<int>(static_cast<size_t>(*f.cantInferior),
                                                      *f.barraInferior),
                                     b, p.vanos[0].altura, recub)
                            .cabe)
                << nombre << " span " << sv + 1;
        }

        // Every proposed row provides what its design row asks ("Provisto/Requerido" >= 1).
        for (int k = 0; k <= 2 * n; ++k) {
            const VerificacionFila v = VerificaFila(c.t, k, p, c.r);
            if (v.razon) {
                EXPECT_GE(*v.razon, 1 - 1e-6) << nombre << " row " << k + 1;
            }
        }

        // "Dib" off and on again, each followed by "Actualiza", leaves every bar as it was.
        TablaDetallado t = c.t;
        for (auto& f : t.filas) f.dib = false;
        ActualizaDetallado(t, p, c.r);
        for (auto& f : t.filas) f.dib = true;
        ActualizaDetallado(t, p, c.r);
        for (size_t i = 0; i < t.filas.size(); ++i) {
            for (int col = kColBarraInferior; col < kNumColumnasDetallado; ++col)
                EXPECT_EQ(TextoCelda(t.filas[i], col), TextoCelda(c.t.filas[i], col))
                    << nombre << " row " << i;
        }
    }
    EXPECT_GE(disenadas, 120);
}

// Each case failed before: the bars drawn did not provide what the design asks.
TEST(Despiece, MendedFaults) {
    // A 1.5 m cantilever: the support's top bars run the whole cantilever, hooked at the tip
    // (they stopped 0.5 m in).
    {
        Proyecto p =
            VigaUniforme({5, 1.5}, 3, CondicionExtremo::kApoyado, CondicionExtremo::kNoApoyado);
        p.datos.fc = "210";
        p.datos.fy = "4200";
        p.datos.recub = "5";
        const Caso c = Detalla(p);
        ASSERT_TRUE(c.r.Disenado());
        bool alExtremo = false;
        for (const auto& pz : c.d.piezas)
            if (pz.fila == 2 && pz.clase == ClaseBarra::kAdicional)
                alExtremo = pz.ganchoFin && pz.x1 > 6.5 - 0.05;
        EXPECT_TRUE(alExtremo);
    }
    // Compression steel: 8 m simple span, 25 x 60 under 5.514 t/m needs 2.81 cm2 at the top;
    // 2 ø3/8" hangers (1.42 cm2) were all it got.
    {
        Proyecto p = VigaUniforme({8}, 5.514);
        p.vanos[0].altura = 60;
        p.vanos[0].inercia = InerciaRectangular(25, 60);
        p.datos.fc = "210";
        p.datos.fy = "4200";
        p.datos.recub = "4";
        const Caso c = Detalla(p);
        ASSERT_TRUE(c.r.Disenado());
        ASSERT_EQ(c.r.refuerzoVanos.size(), 1u);
        EXPECT_NEAR(c.r.refuerzoVanos[0].areaSuperior, 2.81, 0.005);
        EXPECT_GE(Cubren(c.d, 4.0, true), c.r.refuerzoVanos[0].areaSuperior);
        // Bars that do not fit: the same beam needs 25.30 cm2 at the bottom, 5 ø1" that do
        // not fit in one layer of a 25 cm web. Two layers of ø1", as many as the design
        // redone at their reduced depth asks.
        const FilaDetallado& vano = c.t.filas[1];
        ASSERT_TRUE(vano.barraInferior && vano.cantInferior);
        const std::vector<int> grupo(static_cast<size_t>(*vano.cantInferior), *vano.barraInferior);
        const Disposicion d = DisponeGrupo(grupo, 25, 60, 4);
        EXPECT_TRUE(d.cabe);
        EXPECT_EQ(d.capas, 2);
        const DisenoFlexion f =
            DisenaFlexion(static_cast<float>(c.r.refuerzoVanos[0].momento * 1e5),
                          static_cast<float>(d.d), 25, {210, 4200, 4}, [] { return true; });
        EXPECT_GE(*vano.cantInferior * AreaDeBarra(*vano.barraInferior), f.as);
        EXPECT_LT(d.d, 56);
    }
    // Tension on the face in tension: fixed at both ends, node 2 without a support under
    // 6 t, sags: no top bars over it (the design gave it top steel before the face in
    // tension was known), and its additional bars, when there are any, go to the bottom.
    {
        Proyecto p =
            VigaUniforme({4, 4}, 1, CondicionExtremo::kEmpotrado, CondicionExtremo::kEmpotrado);
        p.apoyosInteriores = {0};
        p.cargasNudo.push_back({2, -6, 0});
        p.datos.fc = "210";
        p.datos.fy = "4200";
        p.datos.recub = "5";
        Caso c = Detalla(p);
        ASSERT_TRUE(c.r.Disenado());
        ASSERT_TRUE(TraccionInferiorEnApoyo(c.r, 2));
        // No top bars proposed over it; the bottom bars through it suffice.
        for (const auto& pz : c.d.piezas)
            EXPECT_FALSE(pz.fila == 2 && pz.clase == ClaseBarra::kAdicional && pz.superior);
        const VerificacionFila v = VerificaFila(c.t, 2, c.p, c.r);
        ASSERT_TRUE(v.razon);
        EXPECT_GE(*v.razon, 1);
        // Bars typed as its additional bars lie at the bottom and count there.
        c.t.filas[2].barraAdicional = 1;
        c.t.filas[2].cantAdicional = 2;
        const Despiece d = CalculaDespiece(c.p, c.r, c.t);
        int abajo = 0;
        for (const auto& pz : d.piezas)
            abajo += pz.fila == 2 && pz.clase == ClaseBarra::kAdicional && !pz.superior;
        EXPECT_EQ(abajo, 1);
        // The sections draw them at the bottom too; the hogging fixed ends keep theirs on top.
        EXPECT_TRUE(AdicionalesAbajo(d, 2));
        for (int fila : {0, 4}) {
            EXPECT_GT(c.t.filas[fila].cantAdicional.value_or(0), 0);
            EXPECT_FALSE(AdicionalesAbajo(d, fila));
        }
        EXPECT_NEAR(VerificaFila(c.t, 2, c.p, c.r).provistoInf, v.provistoInf + 2 * 1.27, 1e-6);
    }
    // A 10 m span with a 6 m stock length: every bar within stock, lapped.
    {
        Proyecto p = VigaUniforme({10}, 2);
        p.datos.fc = "210";
        p.datos.fy = "4200";
        const Caso c = Detalla(p, 6.0);
        ASSERT_TRUE(c.r.Disenado());
        std::vector<Pieza> inferiores;
        for (const auto& pz : c.d.piezas) {
            EXPECT_LE(pz.corte, 600);
            if (pz.clase == ClaseBarra::kInferior) inferiores.push_back(pz);
        }
        ASSERT_GE(inferiores.size(), 2u);
        EXPECT_TRUE(inferiores.front().ganchoInicio && inferiores.back().ganchoFin);
        const int barra = inferiores[0].barra, n = inferiores[0].cantidad;
        const double db = DiametroBarra(barra);
        EXPECT_NEAR(inferiores.back().x1 - inferiores.front().x0, 10 - (5 - db / 2) / 50, 1e-9);
        // Consecutive pieces overlap by a class B lap of bottom bars.
        const auto cond = CondicionDeBarra(barra, false, 50, 5,
                                           SeparacionLibre(std::vector<int>(n, barra), 25, 5));
        const double empalme = EmpalmeClaseB(barra, 210, 4200, cond) / 100;
        for (size_t k = 1; k < inferiores.size(); ++k)
            EXPECT_NEAR(inferiores[k - 1].x1 - inferiores[k].x0, empalme, 1e-9);
    }
}

// A 2 m span between two 6 m spans: the additional bars of supports 2 and 3 (3 and 2
// ø3/4") reach over each other. The two they share run on as one piece from support 2's
// left end to support 3's right end; the third keeps support 2's own extents. Each
// support's extents are those it gets alone.
TEST(Despiece, AdicionalesVecinasSeUnen) {
    Proyecto p = VigaUniforme({6, 2, 6}, 4.5);
    p.datos.fc = "210";
    p.datos.fy = "4200";
    Caso c = Detalla(p);
    ASSERT_TRUE(c.r.Disenado());
    auto conAdicionales = [&](std::optional<int> n2, std::optional<int> n3) {
        TablaDetallado t = c.t;
        for (auto& f : t.filas) f.barraAdicional = f.cantAdicional = std::nullopt;
        t.filas[2].barraAdicional = t.filas[4].barraAdicional = 2;
        t.filas[2].cantAdicional = n2;
        t.filas[4].cantAdicional = n3;
        return CalculaDespiece(c.p, c.r, t);
    };
    auto adicionales = [](const Despiece& d) {
        std::vector<Pieza> r;
        for (const Pieza& pz : d.piezas)
            if (pz.clase == ClaseBarra::kAdicional) r.push_back(pz);
        return r;
    };
    const auto solo2 = adicionales(conAdicionales(3, std::nullopt));
    const auto solo3 = adicionales(conAdicionales(std::nullopt, 2));
    ASSERT_EQ(solo2.size(), 1u);
    ASSERT_EQ(solo3.size(), 1u);
    ASSERT_GT(solo2[0].x1, solo3[0].x0);  // they overlap
    Despiece d = conAdicionales(3, 2);
    const auto ambas = adicionales(d);
    ASSERT_EQ(ambas.size(), 2u);
    EXPECT_EQ(std::make_tuple(ambas[0].x0, ambas[0].x1, ambas[0].cantidad),
              std::make_tuple(solo2[0].x0, solo3[0].x1, 2));
    EXPECT_EQ(std::make_tuple(ambas[1].x0, ambas[1].x1, ambas[1].cantidad),
              std::make_tuple(solo2[0].x0, solo2[0].x1, 1));
    EXPECT_LT(ambas[0].corte, solo2[0].corte + solo3[0].corte);
    // The inner cut-off points of the two shared bars are gone; the third bar keeps its own.
    std::vector<double> cortes;
    for (const CotaCorte& k : d.cortes) cortes.push_back(k.xBarra);
    EXPECT_EQ(cortes, (std::vector<double>{solo2[0].x0, solo2[0].x1, solo3[0].x1}));
    const Planilla pl = ComponePlanilla(d, c.p);
    EXPECT_TRUE(std::any_of(pl.lineas.begin(), pl.lineas.end(), [](const LineaPlanilla& l) {
        return l.ubicacion == "Apoyos 2-3" && l.cantidad == 2;
    }));
}

// §9.7.3.8.3 by hand: two 6 m spans under 10 t/m: span 1 sags up to its inflection point at
// 4.50 m, where Vu = 22.5 t. With 2 ø1-1/4" bottom bars (16.38 cm², d = 46 cm, clear cover
// 2.39 cm < db: ld = 266 cm) Mn = 16.38·4200·(46 − 7.71) = 2.634e6 kg·cm, so Mn/Vu + la =
// 117 + 46 = 163 cm < ld: reported. With 4 ø3/4" (ld = 82 cm, Mn/Vu + la = 86 + 46 =
// 132 cm) nothing is.
TEST(Despiece, DiametroEnElPuntoDeInflexion) {
    Proyecto p = VigaUniforme({6, 6}, 10);
    p.datos.fc = "210";
    p.datos.fy = "4200";
    p.datos.recub = "4";
    Caso c = Detalla(p);
    ASSERT_TRUE(c.r.Disenado());
    auto avisosVano1 = [&](int barra, int cantidad) {
        c.t.filas[1].barraInferior = barra;
        c.t.filas[1].cantInferior = cantidad;
        std::vector<std::string> r;
        for (const std::string& a : CalculaDespiece(c.p, c.r, c.t).avisos)
            if (a.rfind("Vano 1:", 0) == 0) r.push_back(a);
        return r;
    };
    const auto grandes = avisosVano1(4, 2);
    ASSERT_EQ(grandes.size(), 1u);
    EXPECT_NE(grandes[0].find("ld = 266 cm"), std::string::npos) << grandes[0];
    EXPECT_NE(grandes[0].find("9.7.3.8.3"), std::string::npos);
    const size_t k = grandes[0].find("la = ");
    ASSERT_NE(k, std::string::npos);
    // 163 cm at the exact point; a station up to 6 cm past it has Vu up to 23.1 t (160 cm).
    EXPECT_NEAR(std::stod(grandes[0].substr(k + 5)), 161.5, 1.6);
    EXPECT_NEAR(std::stod(grandes[0].substr(grandes[0].find(" a ", k) + 3)), 4.5, 0.07);
    EXPECT_TRUE(avisosVano1(2, 4).empty());
}
