// Properties every solved beam must have: reactions that balance the applied loads, and
// stations that agree with the end forces of their span, over thousands of random beams.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "core/analisis/estaciones.h"
#include "core/archivos/abre_proyecto.h"
#include "core/archivos/proyecto_vcw.h"
#include "core/calculo/calcula.h"
#include "core/derivados/actualiza_derivados.h"
#include "core/modelo/filas_vano.h"
#include "core/modelo/proyecto.h"

using namespace trabelux;

namespace {

// Single-precision results: stations agree with their span's end forces to this fraction
// of the span's load scale. The reactions come from displacements solved with
// single-precision pivots, which a long cantilever of varied sections leaves some
// 1.5e-3 of the loads away from balance.
constexpr double kTolerancia = 2e-5;
constexpr double kEquilibrio = 3e-3;

Resultados Analiza(const Proyecto& p) {
    OpcionesCalculo o;
    o.soloAnalisis = true;
    return Calcula(p, o);
}

// A random stable beam. Values are multiples of 1/4 or 1/2 so that the analysis holds
// them exactly; loads are entered in random order within their span.
Proyecto VigaAleatoria(std::mt19937& azar) {
    auto entero = [&azar](int desde, int hasta) {
        return std::uniform_int_distribution<int>(desde, hasta)(azar);
    };
    Proyecto p = ProyectoNuevo();
    p.numVanos = entero(1, kMaxVanos);
    p.vanos.assign(static_cast<size_t>(p.numVanos), Vano{});
    for (Vano& v : p.vanos) {
        v.longitud = 0.25 * entero(4, 40);
        v.base = 5.0 * entero(4, 8);
        v.altura = 5.0 * entero(6, 16);
        v.inercia = InerciaRectangular(v.base, v.altura);
        v.cargaUltima = 0.5 * entero(-2, 10);
    }
    p.apoyoIzquierdo = static_cast<CondicionExtremo>(entero(0, 2));
    p.apoyoDerecho = static_cast<CondicionExtremo>(entero(0, 2));
    p.apoyosInteriores.clear();
    for (int j = 2; j <= p.numVanos; ++j) p.apoyosInteriores.push_back(entero(0, 1));
    // A beam without internal hinges is one rigid body: a fixed end, or two vertical
    // supports, holds it. Otherwise an interior support (or the right end) is added.
    int verticales = (p.apoyoIzquierdo != CondicionExtremo::kNoApoyado) +
                     (p.apoyoDerecho != CondicionExtremo::kNoApoyado);
    for (int a : p.apoyosInteriores) verticales += a;
    const bool empotrada = p.apoyoIzquierdo == CondicionExtremo::kEmpotrado ||
                           p.apoyoDerecho == CondicionExtremo::kEmpotrado;
    if (!empotrada && verticales < 2) {
        p.apoyoDerecho = CondicionExtremo::kEmpotrado;
        if (verticales == 0) p.apoyoIzquierdo = CondicionExtremo::kApoyado;
    }
    for (int i = 1; i <= p.numVanos; ++i)
        for (int k = entero(0, 4); k > 0; --k) {
            const double L = p.vanos[static_cast<size_t>(i - 1)].longitud;
            p.cargas.push_back({i, L * entero(0, 8) / 8.0, 0.5 * entero(-4, 20)});
        }
    std::shuffle(p.cargas.begin(), p.cargas.end(), azar);
    for (int k = entero(0, 3); k > 0; --k)
        p.cargasNudo.push_back(
            {entero(1, p.numVanos + 1), 0.5 * entero(-6, 6), 0.5 * entero(-6, 6)});
    p.datos.fc = "210";
    return p;
}

}  // namespace

TEST(Equilibrio, RandomBeamsBalanceTheirLoadsAndAgreeWithTheirEndForces) {
    std::mt19937 azar(20240611);
    for (int viga = 0; viga < 3000; ++viga) {
        const Proyecto p = VigaAleatoria(azar);
        const Resultados r = Analiza(p);
        ASSERT_TRUE(r.AnalisisCompleto()) << "beam " << viga << ": " << r.parada.Mensaje();
        const int n = p.numVanos;

        // Abscissa of every node, and the applied loads as upward force and
        // counterclockwise moment about node 1.
        std::vector<double> xNudo(static_cast<size_t>(n + 1), 0.0);
        for (int i = 0; i < n; ++i) xNudo[i + 1] = xNudo[i] + p.vanos[i].longitud;
        double fuerza = 0, momento = 0, escalaF = 0, escalaM = 0;
        auto aplica = [&](double f, double x, double m) {
            fuerza += f;
            momento += f * x + m;
            escalaF += std::fabs(f);
            escalaM += std::fabs(f) * xNudo[n] + std::fabs(m);
        };
        for (int i = 0; i < n; ++i) {
            const double L = p.vanos[i].longitud, w = p.vanos[i].cargaUltima;
            aplica(-w * L, xNudo[i] + L / 2, 0);
        }
        for (const CargaConcentrada& c : p.cargas)
            aplica(-c.carga, xNudo[c.vano - 1] + c.distancia, 0);
        for (const CargaNudo& c : p.cargasNudo) aplica(c.fuerza, xNudo[c.nudo - 1], c.momento);
        for (int j = 0; j <= n; ++j) aplica(r.ReaccionNudo(j + 1), xNudo[j], r.MomentoNudo(j + 1));
        EXPECT_NEAR(fuerza, 0, kEquilibrio * escalaF) << "beam " << viga << ", forces";
        EXPECT_NEAR(momento, 0, kEquilibrio * escalaM) << "beam " << viga << ", moments";

        // Every station, worked out from the right end of its span: the code works from
        // the left, so this checks both ends and every load in between. A load exactly at
        // a station is not yet included there (counted from the left).
        for (int i = 0; i < n; ++i) {
            const double L = p.vanos[i].longitud, w = p.vanos[i].cargaUltima;
            const FuerzasVano& f = r.fuerzasExtremo[i];
            const EstacionesVano& d = r.diagramas[i];
            double escalaVano = std::fabs(f.cortanteI) + std::fabs(f.cortanteJ) + std::fabs(w) * L;
            for (const CargaConcentrada& c : p.cargas)
                if (c.vano == i + 1) escalaVano += std::fabs(c.carga);
            escalaVano *= 1 + L;
            escalaVano += std::fabs(f.momentoI) + std::fabs(f.momentoJ);
            for (size_t k = 0; k < d.x.size(); ++k) {
                const double x = d.x[k];
                double V = -f.cortanteJ + w * (L - x);
                double M = f.momentoJ + f.cortanteJ * (L - x) - w * (L - x) * (L - x) / 2;
                for (const CargaConcentrada& c : p.cargas) {
                    const double a = std::clamp(c.distancia, 0.0, L);
                    if (c.vano != i + 1 || x > a) continue;
                    V += c.carga;
                    M -= c.carga * (a - x);
                }
                ASSERT_NEAR(d.cortante[k], V, kTolerancia * escalaVano)
                    << "beam " << viga << ", span " << i + 1 << ", x = " << x;
                ASSERT_NEAR(d.momento[k], M, kTolerancia * escalaVano)
                    << "beam " << viga << ", span " << i + 1 << ", x = " << x;
            }
            // Left to right whatever order the loads were typed in; the two stations of a
            // load that shares its place with no other stand side by side.
            ASSERT_TRUE(std::is_sorted(d.x.begin(), d.x.end()))
                << "beam " << viga << ", span " << i + 1;
            for (const CargaConcentrada& c : p.cargas) {
                const float a = static_cast<float>(std::clamp(c.distancia, 0.0, L));
                if (c.vano != i + 1 ||
                    std::count_if(p.cargas.begin(), p.cargas.end(), [&](const CargaConcentrada& o) {
                        return o.vano == c.vano && static_cast<float>(o.distancia) == a;
                    }) > 1)
                    continue;
                const auto izquierda = std::upper_bound(d.x.begin(), d.x.end(), a) - 1;
                ASSERT_EQ(*izquierda, a);
                EXPECT_EQ(*(izquierda + 1), static_cast<float>(a + kPasoCarga)) << "beam " << viga;
            }
            EXPECT_NEAR(d.cortante.front(), f.cortanteI, kTolerancia * escalaVano);
            EXPECT_NEAR(d.momento.front(), -f.momentoI, kTolerancia * escalaVano);
        }
    }
}

TEST(Equilibrio, LoadsOutOfOrderInAFileGiveTheMomentOfTheSortedLoads) {
    // One simply supported span of 6 m, 2 t at x = 1, 4 and 2.5 in that order: the left
    // reaction is 3.5 t and the largest moment 3.5 x 2.5 - 2 x 1.5 = 5.75 t-m under the
    // load at 2.5.
    Proyecto p = ProyectoNuevo();
    p.datos.calculaPesoPropio = false;
    p.vanos[0].longitud = 6;
    p.cargas = {{1, 1, 2}, {1, 4, 2}, {1, 2.5, 2}};
    ActualizaDerivados(p);
    const Resultado<ProyectoAbierto> leido = LeeProyecto(EscribeProyectoVcw(p), "p.vcw", {});
    ASSERT_TRUE(leido) << leido.mensaje;
    const Proyecto& deArchivo = leido.valor->proyecto;
    ASSERT_EQ(deArchivo.cargas.size(), 3u);
    EXPECT_EQ(deArchivo.cargas[1].distancia, 4);  // kept in the order of the file

    Proyecto ordenado = deArchivo;
    std::sort(ordenado.cargas.begin(), ordenado.cargas.end(),
              [](const auto& a, const auto& b) { return a.distancia < b.distancia; });
    for (const Proyecto& q : {deArchivo, ordenado}) {
        const Resultados r = Analiza(q);
        ASSERT_TRUE(r.AnalisisCompleto()) << r.parada.Mensaje();
        EXPECT_NEAR(r.momMaxVano[0], 5.75, 1e-5);
        EXPECT_FLOAT_EQ(r.posMomMax[0], 2.5f);
        EXPECT_NEAR(r.maxMomento, 5.75, 1e-5);
    }
}
