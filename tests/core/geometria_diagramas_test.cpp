// Geometry of the results drawings: baselines and scales, support symbols, curves through
// the stations, reaction arrows and arcs, the probe, and where the values are written.
#include "core/dibujo/geometria_diagramas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/derivados/actualiza_derivados.h"

using namespace trabelux;

namespace {

// Spans of 25 x 50 with a uniform load w; point loads as (span, distance, load).
Proyecto ProyectoDe(std::vector<double> largos, double w, CondicionExtremo izq,
                    CondicionExtremo der, std::vector<int> interiores,
                    std::vector<CargaConcentrada> cargas = {}) {
    Proyecto p = VigaUniforme(largos, w, izq, der);
    p.apoyosInteriores = std::move(interiores);
    p.cargas = std::move(cargas);
    return p;
}

}  // namespace

TEST(GeometriaDiagramas, LineaBaseYEscalas) {
    struct Caso {
        int vanos;
        Superficie tipo;
        double x1, x2, y;
    } casos[] = {
        {1, Superficie::kCortantes, 3000, 6000, 2000},  // one span: the middle third
        {0, Superficie::kMomentos, 3000, 6000, 2000},   // no analysis yet
        {2, Superficie::kCortantes, 900, 8100, 2000},   // 10 .. 90 %
        {20, Superficie::kMomentos, 900, 8100, 2000},
        {3, Superficie::kReacciones, 900, 8100, 1600},  // reactions axis at height / 2.5
    };
    for (const Caso& c : casos) {
        const LineaBase l = LineaBaseDiagrama({9000, 4000}, c.vanos, c.tipo);
        EXPECT_EQ(l.x1, c.x1);
        EXPECT_EQ(l.x2, c.x2);
        EXPECT_EQ(l.y, c.y);
    }
    const LineaBase l{900, 8100, 2000};
    EXPECT_EQ(EscalaHorizontal(l, {4.0, 5.0}), 800.0);
    EXPECT_EQ(EscalaHorizontal(l, {}), 1.0);  // no beam: no division by zero
    EXPECT_EQ(EscalaHorizontal(l, {0.0, 0.0}), 1.0);
    EXPECT_EQ(EscalaVertical(4000, 9.0), 200.0);  // largest ordinate at 90 % of half height
    EXPECT_EQ(EscalaVertical(4000, 0.0), 0.0);    // all zero: no curve
    EXPECT_EQ(EscalaVertical(4000, std::nan("")), 0.0);
}

TEST(GeometriaDiagramas, SimbolosDeApoyos) {
    // Three spans of 2, 3 and 4 m on 900..8100: nodes at 900, 2500, 4900, 8100.
    struct Caso {
        CondicionExtremo izq, der;
        std::vector<int> interiores;
        size_t triangulos;
        std::vector<double> bloques;  // left edges
        std::vector<double> circulos;
    } casos[] = {
        {CondicionExtremo::kApoyado, CondicionExtremo::kApoyado, {1, 1}, 2, {}, {2500, 4900}},
        {CondicionExtremo::kEmpotrado,
         CondicionExtremo::kApoyado,
         {1, 1},
         1,
         {850},
         {2500, 4900}},  // block at x1 - 50
        {CondicionExtremo::kApoyado,
         CondicionExtremo::kEmpotrado,
         {1, 1},
         1,
         {8110},
         {2500, 4900}},  // block at x2 + 10
        {CondicionExtremo::kNoApoyado,
         CondicionExtremo::kNoApoyado,
         {1, 1},
         0,
         {},
         {2500, 4900}},  // free ends show nothing
        {CondicionExtremo::kApoyado,
         CondicionExtremo::kApoyado,
         {0, 1},
         2,
         {},
         {4900}},  // "No apoyado - 0"
    };
    for (const Caso& c : casos) {
        const VigaDibujo viga =
            VigaDeProyecto(ProyectoDe({2, 3, 4}, 1, c.izq, c.der, c.interiores), 3);
        ASSERT_EQ(viga.interiores.size(), 2u);
        const LineaBase l{900, 8100, 2000};
        const SimbolosApoyo s = ApoyosDiagrama(l, viga, EscalaHorizontal(l, viga.longitudes));
        ASSERT_EQ(s.triangulos.size(), c.triangulos);
        for (const auto& t : s.triangulos) {  // apex under the axis, 100 wide at y + 110
            EXPECT_EQ(t[0].y, 2010.0);
            EXPECT_EQ(t[2].x - t[1].x, 100.0);
            EXPECT_EQ(t[1].y, 2110.0);
        }
        ASSERT_EQ(s.bloques.size(), c.bloques.size());
        for (size_t i = 0; i < c.bloques.size(); ++i)
            EXPECT_TRUE(s.bloques[i].x == c.bloques[i] &&
                        s.bloques[i].y == 2000.0 - kAltoBloque / 2 &&
                        s.bloques[i].ancho == kAnchoBloque && s.bloques[i].alto == kAltoBloque)
                << i;
        ASSERT_EQ(s.circulos.size(), c.circulos.size());
        for (size_t i = 0; i < c.circulos.size(); ++i)
            EXPECT_EQ(s.circulos[i], (Punto{c.circulos[i], 2000}));
    }
}

TEST(GeometriaDiagramas, Sonda) {
    // One 10 m span on 0..1000 (escH 100, escV 10, axis at 500): V = 4 - x, a 3 t load at 5.
    EstacionesVano e;
    for (int k = 0; k <= 10; ++k) {
        if (k == 5) {
            e.x.insert(e.x.end(), {5, 5.000001f});
            e.cortante.insert(e.cortante.end(), {-1, -4});
        } else {
            e.x.push_back(float(k));
            e.cortante.push_back(float(k < 5 ? 4 - k : 1 - k));
        }
    }
    e.momento = e.cortante;
    VigaDibujo viga;
    viga.numVanos = 1;
    viga.longitudes = {10};
    struct Caso {
        Punto punto;
        std::optional<double> valor;
    } casos[] = {
        {{-1, 510}, {}},           // left of the beam
        {{1001, 505}, {}},         // right of the last node
        {{150, 560}, {}},          // below the band
        {{150, 499}, {}},          // above the axis on a positive band
        {{150, 520}, 2.0},         // inside the band: the next station to the right
        {{200, 500}, 2.0},         // bounds included
        {{0, 540}, 4.0},           // at the start
        {{500.00005, 495}, -4.0},  // right of the load: the taller side (-1) gives the band
        {{500.00005, 480}, {}},
    };
    for (const Caso& c : casos) {
        const auto l = SondaVano({0, 1000, 500}, 100, 10, viga, {e}, Magnitud::kCortante, c.punto);
        EXPECT_EQ(l ? std::optional<double>(l->valor) : std::nullopt, c.valor)
            << c.punto.x << "," << c.punto.y;
    }
}

TEST(GeometriaDiagramas, ArcHeadsShowTheSenseOfTheReactionMoment) {
    // Node 1 resists counterclockwise (+2 t-m), node 2 clockwise (-2 t-m).
    Resultados r;
    r.reacciones = {1, 2, 1, -2};
    const DibujoReacciones d = ReaccionesDiagrama({0, 1000, 500}, 1000, {0, 1000}, r);
    ASSERT_EQ(d.arcos.size(), 2u);
    for (const ArcoMomento& a : d.arcos) {
        ASSERT_EQ(a.punta.size(), 3u);
        // The tip ends the arc on the side it turns to; the wings, 110 long and 0.9 rad
        // apart, lie back along the arc.
        const double fin = a.valor > 0 ? a.hasta : a.desde;
        const Punto tip = a.punta[1];
        EXPECT_NEAR(tip.x, a.centro.x + a.radio * std::cos(fin), 1e-9);
        EXPECT_NEAR(tip.y, a.centro.y - a.radio * std::sin(fin), 1e-9);
        for (const Punto& ala : {a.punta[0], a.punta[2]})
            EXPECT_NEAR(std::hypot(ala.x - tip.x, ala.y - tip.y), 110, 1e-9);
        const Punto medio{(a.punta[0].x + a.punta[2].x) / 2, (a.punta[0].y + a.punta[2].y) / 2};
        EXPECT_NEAR(std::hypot(medio.x - tip.x, medio.y - tip.y), 110 * std::cos(0.45), 1e-9);
        const double angulo = std::atan2(a.centro.y - medio.y, medio.x - a.centro.x);
        const double enArco = angulo < 0 ? angulo + 2 * M_PI : angulo;
        EXPECT_GT(enArco, a.desde);
        EXPECT_LT(enArco, a.hasta);
    }
}
