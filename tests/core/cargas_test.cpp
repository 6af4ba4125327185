// The point-load dialog's "OK": clamping, ordering and counting of span and node loads.
#include <gtest/gtest.h>

#include "core/modelo/acepta_cargas.h"

using namespace trabelux;

namespace {

Proyecto Viga(std::initializer_list<double> largos) {
    Proyecto p = ProyectoNuevo();
    p.vanos.assign(largos.size(), p.vanos[0]);
    size_t i = 0;
    for (double l : largos) p.vanos[i++].longitud = l;
    p.numVanos = static_cast<int>(largos.size());
    return p;
}

using Fila = std::tuple<int, double, double>;

std::vector<Fila> Filas(const Proyecto& p) {
    std::vector<Fila> f;
    for (const auto& c : p.cargas) f.emplace_back(c.vano, c.distancia, c.carga);
    return f;
}

}  // namespace

TEST(AceptaCargas, DistancesAreKeptWithinTheirSpan) {
    struct Caso {
        double distancia;
        double esperado;
        bool aviso;
    } casos[] = {
        {7.5, 6.0, true}, {-1, 0, true}, {6.0, 6.0, false}, {0, 0, false}, {2.25, 2.25, false}};
    for (const auto& c : casos) {
        Proyecto p = Viga({6, 8});
        p.cargas = {{1, c.distancia, 2.0}, {2, 7.5, 1.0}};
        const Resultado<CargasAceptadas> r = AceptaCargas(p);
        ASSERT_TRUE(r);
        EXPECT_DOUBLE_EQ(p.cargas[0].distancia, c.esperado) << c.distancia;
        EXPECT_DOUBLE_EQ(p.cargas[1].distancia, 7.5);  // measured against its own span
        EXPECT_EQ(r.valor->aviso, c.aviso ? kAvisoDistancias : "") << c.distancia;
    }
}

TEST(AceptaCargas, OrdersBySpanThenDistanceNumerically) {
    struct Caso {
        std::vector<CargaConcentrada> entrada;
        std::vector<Fila> esperado;
    } casos[] = {
        {{{2, 3.0, 1}, {1, 4.0, 2}, {1, 0.5, 3}}, {{1, 0.5, 3}, {1, 4.0, 2}, {2, 3.0, 1}}},
        // Beyond the reach of a text key: distances of 100 m or more, spans 10 and up.
        {{{1, 150, 1}, {1, 20, 2}, {1, 9.5, 3}}, {{1, 9.5, 3}, {1, 20, 2}, {1, 150, 1}}},
        {{{12, 1, 1}, {9, 1, 2}, {10, 1, 3}}, {{9, 1, 2}, {10, 1, 3}, {12, 1, 1}}},
        // Equal positions: the smaller load first.
        {{{1, 2, 10}, {1, 2, 5}}, {{1, 2, 5}, {1, 2, 10}}},
        {{}, {}},
    };
    for (const auto& c : casos) {
        Proyecto p = Viga(std::initializer_list<double>{200, 200, 200, 200, 200, 200, 200, 200, 200,
                                                        200, 200, 200});
        p.cargas = c.entrada;
        ASSERT_TRUE(AceptaCargas(p));
        EXPECT_EQ(Filas(p), c.esperado);
    }
}

TEST(AceptaCargas, MoreThanTwentyLoadsInASpanAreRefused) {
    Proyecto p = Viga({6, 6});
    for (int k = 0; k < 20; ++k) p.cargas.push_back({2, 7.0 - 0.1 * k, 1});
    EXPECT_TRUE(AceptaCargas(p));
    p.cargas.push_back({2, 9.0, 1});
    p.cargas.push_back({1, -3.0, 1});
    std::vector<Fila> antes = Filas(p);
    const Resultado<CargasAceptadas> r = AceptaCargas(p);
    EXPECT_FALSE(r);
    EXPECT_NE(r.mensaje.find("vano 2"), std::string::npos) << r.mensaje;
    EXPECT_NE(r.mensaje.find("20"), std::string::npos) << r.mensaje;
    EXPECT_EQ(Filas(p), antes);
}

// A typed load goes on one of the beam's spans (1..4 here) or nodes (1..5), whole numbers.
TEST(VerificaCarga, SpansAndNodesOfTheBeamOnly) {
    const Proyecto p = Viga({4, 4, 4, 4});
    for (double bueno : {1.0, 4.0}) EXPECT_TRUE(VerificaVanoDeCarga(p, bueno)) << bueno;
    for (double malo : {0.0, 5.0, 2.5, -1.0})
        EXPECT_EQ(VerificaVanoDeCarga(p, malo).Mensaje(), "El vano debe estar entre 1 y 4") << malo;
    EXPECT_TRUE(VerificaNudoDeCarga(p, 5));
    EXPECT_EQ(VerificaNudoDeCarga(p, 6).Mensaje(), "El nudo debe estar entre 1 y 5");
}
