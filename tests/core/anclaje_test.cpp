// Bar properties, development and hook lengths, laps, bends, cut lengths, and bars across
// the web. Hand values from tools/referencia/anclaje.py (typed, not computed here).
#include "core/detallado/anclaje.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/detallado/barras_fisicas.h"
#include "core/detallado/capas.h"

using namespace trabelux;

TEST(Anclaje, LengthsOfEveryBarAtTwoStrengths) {
    const CondicionAnclaje kInferior{false, true}, kSuperior{true, true}, kCaso2{false, false};
    struct Caso {
        int barra;
        double fc, ldInf, ldSup, ldCaso2, ldh, empalmeInf, empalmeSup;
    };
    const Caso casos[] = {
        {0, 210, 41.2, 53.5, 61.8, 18.5, 53.5, 69.6},
        {0, 280, 35.7, 46.3, 53.5, 17.3, 46.3, 60.3},
        {1, 210, 54.9, 71.4, 82.3, 28.4, 71.4, 92.8},
        {1, 280, 47.5, 61.8, 71.3, 26.7, 61.8, 80.3},
        {2, 210, 82.3, 107.0, 123.5, 52.2, 107.0, 139.1},
        {2, 280, 71.3, 92.7, 107.0, 49.0, 92.7, 120.5},
        {3, 210, 135.6, 176.3, 209.6, 80.4, 176.3, 229.2},  // the issue's ø1" example
        {3, 280, 117.4, 152.7, 181.5, 75.4, 152.7, 198.5},
        {4, 210, 172.2, 223.9, 266.2, 115.1, 223.9, 291.1},
        {4, 280, 149.1, 193.9, 230.5, 107.9, 193.9, 252.1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << "barra " << c.barra << ", f'c " << c.fc);
        EXPECT_NEAR(LongitudDesarrollo(c.barra, c.fc, 4200, kInferior), c.ldInf, 0.05);
        EXPECT_NEAR(LongitudDesarrollo(c.barra, c.fc, 4200, kSuperior), c.ldSup, 0.05);
        EXPECT_NEAR(LongitudDesarrollo(c.barra, c.fc, 4200, kCaso2), c.ldCaso2, 0.05);
        EXPECT_NEAR(LongitudGancho(c.barra, c.fc, 4200), c.ldh, 0.05);
        EXPECT_NEAR(EmpalmeClaseB(c.barra, c.fc, 4200, kInferior), c.empalmeInf, 0.05);
        EXPECT_NEAR(EmpalmeClaseB(c.barra, c.fc, 4200, kSuperior), c.empalmeSup, 0.05);
    }
    // Two sizes: ld of the ø1" (135.6), not its lap, against the ø3/4" lap (107.0).
    EXPECT_NEAR(EmpalmeClaseB(2, 3, 210, 4200, kInferior), 135.6, 0.05);
}

TEST(Anclaje, LengthsMoveTheWayTheCodeSays) {
    std::mt19937 azar(23);
    std::uniform_real_distribution<double> fcs(140, 900), fys(2800, 7500);
    for (int k = 0; k < 400; ++k) {
        const double fc = fcs(azar), fy = fys(azar);
        const CondicionAnclaje c{k % 2 == 0, k % 3 != 0};
        for (int b = 0; b < kNumBarras; ++b) {
            const double ld = LongitudDesarrollo(b, fc, fy, c);
            EXPECT_GE(ld, 30.0);
            EXPECT_LE(ld, LongitudDesarrollo(b, fc, fy * 1.05, c));
            EXPECT_GE(ld, LongitudDesarrollo(b, fc * 1.05, fy, c));
            if (b > 0) {  // larger bars, longer lengths; two sizes lap at least the larger's ld
                EXPECT_GE(ld, LongitudDesarrollo(b - 1, fc, fy, c));
                EXPECT_GE(EmpalmeClaseB(b - 1, b, fc, fy, c), ld);
            }
            // √f'c stops at 8.3 MPa (702 kg/cm2): stronger concrete shortens nothing.
            EXPECT_DOUBLE_EQ(LongitudDesarrollo(b, std::max(fc, 710.0), fy, c),
                             LongitudDesarrollo(b, 710.0, fy, c));
            const double db = DiametroBarra(b);
            EXPECT_GE(LongitudGancho(b, fc, fy), std::max(8 * db, 15.0));
            EXPECT_GE(EmpalmeClaseB(b, fc, fy, c), ld);
        }
    }
}

TEST(Anclaje, MassesBendsAndCutLengths) {
    // Bar-table masses: the 7850 kg/m3 rule stays within 0.2 % of them with every diameter.
    const double kgTablas[] = {0.560, 0.994, 2.235, 3.973, 6.404};
    const double dobladoEnDb[] = {6, 6, 6, 6, 8};
    for (int b = 0; b < kNumBarras; ++b) {
        EXPECT_NEAR(KgPorMetro(b), kgTablas[b], 0.002 * kgTablas[b]);
        EXPECT_DOUBLE_EQ(DiametroDoblado(b), dobladoEnDb[b] * DiametroBarra(b));
    }
    EXPECT_DOUBLE_EQ(DiametroDobladoEstribo(0), 4 * 0.9525);
    EXPECT_DOUBLE_EQ(ExtensionGancho135(0), 7.5);  // 6db = 5.7 is below the floor
    EXPECT_DOUBLE_EQ(ExtensionGancho135(1), 6 * 1.27);

    EXPECT_NEAR(CorteConGanchos(500, 3, 1), 534.28, 0.01);
    EXPECT_EQ(RedondeaCinco(CorteConGanchos(500, 3, 1)), 535);
    EXPECT_NEAR(CorteConGanchos(500, 3, 2), 568.57, 0.01);
    EXPECT_NEAR(CorteEstribo(25, 50, 4, 0), 132.58, 0.01);
    EXPECT_EQ(RedondeaCinco(CorteEstribo(25, 50, 4, 0)), 135);
    for (double exacto : {5.0, 535.0, (0.1 + 0.2) * 2000})  // 600.0000000000001 is still 600
        EXPECT_EQ(RedondeaCinco(exacto), std::round(exacto));
    EXPECT_EQ(RedondeaCinco(535.01), 540);
}

TEST(Capas, OneLayerTwoLayersAndTheReducedDepth) {
    // Five ø1" in a 25 cm web, bars' centres 6 cm from the faces: 0.71 cm clear in one
    // layer; three and two in two layers; the second layer 2.54 + 2.54 cm up.
    const Disposicion cinco = DisponeGrupo(std::vector<int>(5, 3), 25, 50, 6);
    EXPECT_NEAR(cinco.separacionLibre, 0.71, 1e-9);
    EXPECT_EQ(cinco.capas, 2);
    EXPECT_EQ(cinco.enCapa1, 3);
    EXPECT_NEAR(cinco.d, 50 - 6 - 0.4 * 5.08, 1e-4);
    EXPECT_TRUE(CondicionDeBarra(3, true, 50, 6, cinco.separacionCapa1).favorable);
    EXPECT_FALSE(CondicionDeBarra(3, true, 50, 6, cinco.separacionLibre).favorable);
    EXPECT_FALSE(CondicionDeBarra(3, false, 50, 3.5, 10).favorable);  // 2.23 cm clear cover
    EXPECT_TRUE(CondicionDeBarra(3, true, 50, 6, cinco.separacionCapa1).superior);
    EXPECT_FALSE(CondicionDeBarra(3, true, 36, 6, cinco.separacionCapa1).superior);
    // Hangers ø3/8" at the corners, three ø1" between them: one ø1" fits beside the corners,
    // two go up; d from the areas (10.14 of 16.63 cm2 in the second layer).
    const Disposicion mixta = DisponeGrupo({0, 3, 3, 3, 0}, 25, 50, 6);
    EXPECT_EQ(mixta.enCapa1, 3);
    EXPECT_NEAR(mixta.d, 44 - 5.08 * 10.14 / 16.63, 1e-4);

    std::mt19937 azar(25);
    std::uniform_real_distribution<double> anchos(15, 80), recubs(3, 8);
    for (int k = 0; k < 500; ++k) {
        const double b = anchos(azar), recub = recubs(azar);
        const int barra = k % kNumBarras;
        const int n = MaximoEnCapa(barra, b, recub);
        SCOPED_TRACE(testing::Message() << "b " << b << ", recub " << recub << ", n " << n);
        auto grupo = [&](int cuantas) {
            return DisponeGrupo(std::vector<int>(static_cast<size_t>(cuantas), barra), b, 60,
                                recub);
        };
        EXPECT_EQ(grupo(n).capas, 1);
        EXPECT_FALSE(grupo(n + 1).capas == 1 && grupo(n + 1).cabe);
        if (n >= 2) {  // the second layer holds as many as the first, and no more
            EXPECT_TRUE(grupo(2 * n).cabe);
            EXPECT_FALSE(grupo(2 * n + 1).cabe);
        }
    }
    // A web cut to hold exactly three bars at the minimum spacing holds them.
    EXPECT_EQ(MaximoEnCapa(2, 2 * 6 + 2 * (1.905 + 2.5), 6), 3);
}
