// Envelopes of the live-load arrangements: the published values of two three-span beams,
// then random beams against the brute force over every arrangement.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>
#include <vector>

#include "comun/viga_mayor.h"
#include "core/analisis/entrada.h"
#include "core/analisis/estaciones.h"
#include "core/analisis/maximo_vano.h"
#include "core/analisis/rigidez.h"
#include "core/calculo/calcula.h"
#include "core/diseno/flexion.h"
#include "core/envolventes/casos.h"

using namespace trabelux;

namespace {

// Equal 25 x 50 spans, pinned ends, dead and live load typed per span, no self weight.
Proyecto VigaConVivas(const std::vector<double>& largos, double muerta, double viva, const char* fD,
                      const char* fL, AlternanciaCargaViva alternancia) {
    Proyecto p = VigaUniforme(largos, 0);
    p.datos.fc = "210";
    p.datos.fy = "4200";
    p.datos.calculaPesoPropio = false;
    p.datos.factorMuerta = fD;
    p.datos.factorViva = fL;
    p.datos.alternancia = alternancia;
    for (Vano& v : p.vanos) {
        v.cargaMuerta = muerta;
        v.cargaViva = viva;
    }
    RecalculaFilas(p);
    return p;
}

Resultados Analiza(const Proyecto& p) {
    OpcionesCalculo o;
    o.soloAnalisis = true;
    return Calcula(p, o);
}

// Index of the station at x in span i (regular stations are exact multiples of L / 100).
size_t Estacion(const Resultados& r, int i, double x) {
    const auto& xs = r.diagramas[static_cast<size_t>(i)].x;
    return static_cast<size_t>(
        std::min_element(xs.begin(), xs.end(),
                         [x](float a, float b) { return std::fabs(a - x) < std::fabs(b - x); }) -
        xs.begin());
}

TEST(Envolventes, PublishedValuesOfTwoThreeSpanBeams) {
    constexpr double kTol = 5e-4;
    {
        // 5-6-5 m, D 2.0, L 1.2 t/m, 1.4 / 1.7, the code's cases.
        const Resultados r = Analiza(
            VigaConVivas({5, 6, 5}, 2.0, 1.2, "1.4", "1.7", AlternanciaCargaViva::kCasosNorma));
        ASSERT_TRUE(r.Calculado()) << r.parada.Mensaje();
        ASSERT_TRUE(r.envolventes.has_value());
        const Envolventes& env = *r.envolventes;
        ASSERT_EQ(env.casos.size(), 5u);
        EXPECT_EQ(env.casos[0].nombre + "|" + env.casos[2].nombre + "|" + env.casos[4].nombre,
                  "vanos 1-2|vanos impares|todos los vanos");
        const double positivos[] = {10.206, 9.321, 10.206};
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(env.vanos[i].momentoPositivo, positivos[i], kTol);
        EXPECT_NEAR(env.vanos[0].momentoDer, -15.590, kTol);
        EXPECT_EQ(TextoRige(env, env.vanos[1].rigeMomentoPositivo, 3), "vanos pares");
        // The all-loaded case is the run's own.
        EXPECT_NEAR(r.momMaxVano[1], 7.044, kTol);
        EXPECT_NEAR(r.diagramas[0].momento.back(), -14.736, kTol);
        // Probe values of span 2 at x = 3.00.
        const size_t k = Estacion(r, 1, 3.0);
        EXPECT_NEAR(env.maximos[1].momento[k], 9.32, 5e-3);
        EXPECT_NEAR(env.minimos[1].momento[k], 1.80, 5e-3);
        EXPECT_EQ(TextoRige(env, env.vanos[1].rigeMomentoMin[k], 3), "vanos impares");
    }
    // 6-4-6 m, D 25, L 10, 1.4 / 1.6: both methods give the same worst values here.
    for (auto metodo : {AlternanciaCargaViva::kCasosNorma, AlternanciaCargaViva::kRigurosa}) {
        const Resultados r = Analiza(VigaConVivas({6, 4, 6}, 25, 10, "1.4", "1.6", metodo));
        ASSERT_TRUE(r.Calculado()) << r.parada.Mensaje();
        const Envolventes& env = *r.envolventes;
        EXPECT_NEAR(env.maximos[0].momento[Estacion(r, 0, 3.0)], 160.458, kTol);
        EXPECT_NEAR(env.minimos[0].momento.back(), -157.750, kTol);
        EXPECT_NEAR(env.minimos[1].momento[Estacion(r, 1, 2.0)], -68.083, kTol);
        EXPECT_NEAR(env.vanos[1].momentoNegativoCentro, 68.083, kTol);
        // Exact between stations: 165.651 at 2.549 m (stations give 165.630 at 2.52).
        EXPECT_NEAR(env.vanos[0].momentoPositivo, 165.651, kTol);
        EXPECT_NEAR(env.vanos[0].xMomentoPositivo, 2.549, 1e-3);
        EXPECT_EQ(TextoRige(env, env.vanos[0].rigeMomentoPositivo, 3),
                  metodo == AlternanciaCargaViva::kRigurosa ? "vanos 1, 3" : "vanos impares");
    }
}

// A random beam: 1 to 8 spans, point loads, node forces and couples, any end, some
// interior nodes without support; its dead and live loads typed per span.
Proyecto VigaAleatoria(std::mt19937_64& gen) {
    auto u = [&gen](double a, double b) { return std::uniform_real_distribution<>(a, b)(gen); };
    auto entero = [&gen](int a, int b) { return std::uniform_int_distribution<>(a, b)(gen); };
    const int n = entero(1, 8);
    std::vector<double> largos;
    for (int i = 0; i < n; ++i) largos.push_back(u(1.5, 8.0));
    Proyecto p = VigaConVivas(largos, 0, 0, "1.4", "1.7", AlternanciaCargaViva::kNinguna);
    for (Vano& v : p.vanos) {
        v.cargaMuerta = u(0, 4);
        v.cargaViva = u(0, 3);
        v.altura = u(40, 70);
        v.inercia = InerciaRectangular(v.base, v.altura);
    }
    RecalculaFilas(p);
    for (int i = 1; i <= n; ++i)
        for (int k = entero(0, 3); k > 0; --k)
            p.cargas.push_back({i, u(0, largos[static_cast<size_t>(i - 1)]), u(-1, 5)});
    for (int k = entero(0, 2); k > 0; --k)
        p.cargasNudo.push_back({entero(1, n + 1), u(-3, 3), u(-2, 2)});
    const CondicionExtremo extremos[] = {CondicionExtremo::kApoyado, CondicionExtremo::kEmpotrado,
                                         CondicionExtremo::kNoApoyado};
    p.apoyoIzquierdo = extremos[entero(0, 2)];
    p.apoyoDerecho = extremos[entero(0, 2)];
    p.apoyosInteriores.assign(static_cast<size_t>(std::max(0, n - 1)), 1);
    for (int& a : p.apoyosInteriores) a = entero(0, 5) == 0 ? 0 : 1;
    return p;
}

TEST(Envolventes, RigorousIsTheWorstArrangementAndBracketsTheCodeCases) {
    const uint64_t semilla = 20261207;
    std::mt19937_64 gen(semilla);
    int probadas = 0;
    for (int viga = 0; viga < 100; ++viga) {
        Proyecto p = VigaAleatoria(gen);
        p.datos.alternancia = AlternanciaCargaViva::kRigurosa;
        const Resultados rig = Analiza(p);
        if (!rig.Calculado()) continue;  // a mechanism: nothing to compare
        p.datos.alternancia = AlternanciaCargaViva::kCasosNorma;
        const Resultados cod = Analiza(p);
        ASSERT_TRUE(cod.Calculado());
        ++probadas;
        const int n = p.numVanos;
        const std::string donde = "seed " + std::to_string(semilla) + ", beam " +
                                  std::to_string(viga) + ", " + std::to_string(n) + " spans";
        const double tol = 1e-5 * std::max({1.0, static_cast<double>(rig.maxMomento),
                                            static_cast<double>(rig.maxCortante)});
        const Envolventes &R = *rig.envolventes, &C = *cod.envolventes;

        // Brute force: every arrangement solved on its own input, not through the envelopes.
        const DatosNumericos datos = LeeDatosNumericos(p.datos);
        const EntradaCalculo base = *LeeEntrada(p, datos).valor;
        std::vector<Resultados> arreglos;
        for (uint32_t S = 0; S < (1u << n); ++S) {
            EntradaCalculo e = base;
            for (int i = 0; i < n; ++i)
                e.cargaUltima[i] = (base.cargaUltima[i] - base.cargaViva[i]) +
                                   (S & (1u << i) ? base.cargaViva[i] : 0.0);
            SolucionViga s;
            ASSERT_TRUE(ResuelveViga(e, s)) << donde;
            Resultados a;
            a.reacciones.assign(s.reacciones, s.reacciones + 2 * (n + 1));
            ASSERT_TRUE(CalculaEstaciones(e, s, a, {})) << donde;
            double mejor = 0;
            for (int i = 0; i < n; ++i) {
                const MaximoVano m = MaximoExactoVano(
                    s.fuerzasExtremo[i][0], s.fuerzasExtremo[i][1], e.cargaUltima[i],
                    e.numCargas[i], e.distCarga[i], e.cargaConc[i], e.longVano[i]);
                a.momMaxVano[static_cast<size_t>(i)] =
                    static_cast<float>(std::max(mejor, m.momento));
            }
            arreglos.push_back(std::move(a));
        }
        for (int i = 0; i < n; ++i) {
            const size_t iv = static_cast<size_t>(i);
            for (size_t k = 0; k < rig.diagramas[iv].x.size(); ++k) {
                double Mmax = -1e300, Mmin = 1e300, Vmax = -1e300, Vmin = 1e300;
                for (const Resultados& a : arreglos) {
                    Mmax = std::max<double>(Mmax, a.diagramas[iv].momento[k]);
                    Mmin = std::min<double>(Mmin, a.diagramas[iv].momento[k]);
                    Vmax = std::max<double>(Vmax, a.diagramas[iv].cortante[k]);
                    Vmin = std::min<double>(Vmin, a.diagramas[iv].cortante[k]);
                }
                EXPECT_NEAR(R.maximos[iv].momento[k], Mmax, tol) << donde << " span " << i + 1;
                EXPECT_NEAR(R.minimos[iv].momento[k], Mmin, tol) << donde << " span " << i + 1;
                EXPECT_NEAR(R.maximos[iv].cortante[k], Vmax, tol) << donde;
                EXPECT_NEAR(R.minimos[iv].cortante[k], Vmin, tol) << donde;
                // The code's envelope lies within the rigorous one and holds the all-loaded
                // case.
                EXPECT_LE(C.maximos[iv].momento[k], R.maximos[iv].momento[k] + tol) << donde;
                EXPECT_GE(C.minimos[iv].momento[k], R.minimos[iv].momento[k] - tol) << donde;
                EXPECT_LE(C.maximos[iv].cortante[k], R.maximos[iv].cortante[k] + tol) << donde;
                EXPECT_GE(C.minimos[iv].cortante[k], R.minimos[iv].cortante[k] - tol) << donde;
                EXPECT_GE(C.maximos[iv].momento[k], rig.diagramas[iv].momento[k] - tol) << donde;
                EXPECT_LE(C.minimos[iv].momento[k], rig.diagramas[iv].momento[k] + tol) << donde;
                EXPECT_GE(R.vanos[iv].momentoPositivo, R.maximos[iv].momento[k] - tol) << donde;
            }
            double exacto = 0;
            for (const Resultados& a : arreglos)
                exacto = std::max<double>(exacto, a.momMaxVano[iv]);
            EXPECT_NEAR(R.vanos[iv].momentoPositivo, exacto, tol) << donde << " span " << i + 1;
            EXPECT_LE(C.vanos[iv].momentoPositivo, R.vanos[iv].momentoPositivo + tol) << donde;
        }
        for (int j = 0; j <= n; ++j) {
            double Rmax = -1e300, Rmin = 1e300;
            for (const Resultados& a : arreglos) {
                Rmax = std::max<double>(Rmax, a.ReaccionNudo(j + 1));
                Rmin = std::min<double>(Rmin, a.ReaccionNudo(j + 1));
            }
            const EnvolventeNudo &rn = R.nudos[static_cast<size_t>(j)],
                                 &cn = C.nudos[static_cast<size_t>(j)];
            EXPECT_NEAR(rn.reaccionMax, Rmax, tol) << donde << " node " << j + 1;
            EXPECT_NEAR(rn.reaccionMin, Rmin, tol) << donde << " node " << j + 1;
            EXPECT_LE(cn.reaccionMax, rn.reaccionMax + tol) << donde;
            EXPECT_GE(cn.reaccionMin, rn.reaccionMin - tol) << donde;
            EXPECT_GE(cn.reaccionMax, rig.ReaccionNudo(j + 1) - tol) << donde;
        }
    }
    EXPECT_GT(probadas, 70);
}

}  // namespace

namespace {

// The design takes the envelope's extremes, and puts the tension steel on the face the
// moment's sign puts in tension.
TEST(Envolventes, DesignTakesTheExtremesOnTheFaceInTension) {
    const MaterialDiseno m{210, 4200, 5};
    auto area = [&m](double momento, float b, float d) {
        return DisenaFlexion(static_cast<float>(std::fabs(momento) * 100000.0), d, b, m, {});
    };
    {
        // 5-6-5: supports take the largest hogging (-15.590), spans the exact maxima.
        const Resultados r = Calcula(
            VigaConVivas({5, 6, 5}, 2.0, 1.2, "1.4", "1.7", AlternanciaCargaViva::kCasosNorma));
        ASSERT_TRUE(r.Disenado()) << r.parada.Mensaje();
        ASSERT_EQ(r.refuerzoApoyos.size(), 2u);
        const FilaRefuerzoApoyo& apoyo = r.refuerzoApoyos[0];
        EXPECT_EQ(std::make_tuple(apoyo.nudo, apoyo.traccion), std::make_tuple(2, Cara::kSuperior));
        EXPECT_NEAR(apoyo.momento, 15.590, 5e-4);
        EXPECT_FLOAT_EQ(apoyo.areaSuperior, area(apoyo.momento, 25, 45).as);
        EXPECT_NEAR(r.refuerzoVanos[1].momento, 9.321, 5e-4);
    }
    {
        // Two fixed spans with no support between them: the middle node sags, so its
        // steel goes to the bottom; the spans hog at their fixed ends only.
        Proyecto p = VigaConVivas({4, 4}, 2.0, 1.0, "1.4", "1.7", AlternanciaCargaViva::kNinguna);
        p.apoyoIzquierdo = p.apoyoDerecho = CondicionExtremo::kEmpotrado;
        p.apoyosInteriores = {0};
        const Resultados r = Calcula(p);
        ASSERT_TRUE(r.Disenado()) << r.parada.Mensaje();
        const auto nudo2 = std::find_if(r.refuerzoApoyos.begin(), r.refuerzoApoyos.end(),
                                        [](const FilaRefuerzoApoyo& f) { return f.nudo == 2; });
        ASSERT_NE(nudo2, r.refuerzoApoyos.end());
        EXPECT_EQ(nudo2->traccion, Cara::kInferior);
        EXPECT_FLOAT_EQ(nudo2->areaInferior, area(nudo2->momento, 25, 45).as);
        EXPECT_EQ(nudo2->areaSuperior, 0.0f);
    }
}

}  // namespace
