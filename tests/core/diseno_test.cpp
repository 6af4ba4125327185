// Flexural and shear design: the section routines against equilibrium and the limits
// of the method, and the three reinforcement tables of a complete run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/derivados/actualiza_derivados.h"
#include "core/diseno/cortante.h"
#include "core/diseno/flexion.h"
#include "core/modelo/proyecto.h"

using namespace trabelux;

namespace {

const MaterialDiseno kMaterial{210, 4200, 5};  // d' = 5 cm

void ExpectRelativo(double real, double esperado, const std::string& que = {}) {
    EXPECT_NEAR(real, esperado, 1e-6 * std::fabs(esperado)) << que;
}

// A beam of 25 x 50 sections, uniform load w, f'c 210, fy 4200, cover 5.
Proyecto Viga(const std::vector<double>& longitudes, double w) {
    Proyecto p = VigaUniforme(longitudes, w);
    p.datos.fc = "210";
    p.datos.fy = "4200";
    p.datos.recub = "5";
    return p;
}

const std::function<bool()> kNuncaPregunta = [] {
    ADD_FAILURE() << "compression steel was asked for";
    return false;
};

// Factored shear (kg) that needs stirrups of `area` (cm2, two legs) at spacing s (cm).
double CortantePara(double s, double area, float b, float d, const MaterialDiseno& m) {
    const double vc = static_cast<float>(0.53 * b * d * std::sqrt(m.fc));
    const double vs = 100.0 * area / s * m.fy * d / 100.0;
    return 0.85 * (vc + vs);
}

// Every number a run keeps, in its tables, stations and reinforcement.
bool TodoFinito(const Resultados& r) {
    std::vector<double> v(r.reacciones.begin(), r.reacciones.end());
    auto agrega = [&v](std::initializer_list<double> l) { v.insert(v.end(), l); };
    v.insert(v.end(), r.momMaxVano.begin(), r.momMaxVano.end());
    v.insert(v.end(), r.posMomMax.begin(), r.posMomMax.end());
    agrega({r.maxCortante, r.maxMomento});
    for (const auto& f : r.fuerzasExtremo)
        agrega({f.cortanteI, f.momentoI, f.cortanteJ, f.momentoJ});
    for (const auto& d : r.diagramas)
        for (const auto* e : {&d.x, &d.cortante, &d.momento})
            v.insert(v.end(), e->begin(), e->end());
    for (const auto& f : r.refuerzoVanos) agrega({f.momento, f.areaSuperior, f.areaInferior});
    for (const auto& f : r.refuerzoApoyos) agrega({f.momento, f.areaSuperior, f.areaInferior});
    for (const auto& f : r.refuerzoTransversal) agrega({f.cortanteI, f.cortanteJ, f.areaPorMetro});
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

}  // namespace

TEST(Beta1, FollowsFcWithinItsLimits) {
    struct Caso {
        double fc;
        float beta;
    } casos[] = {{210, 0.85f}, {280, 0.8499999f}, {350, 0.7999999f},
                 {560, 0.65f}, {700, 0.65f},      {100, 0.85f}};
    for (const auto& c : casos) EXPECT_EQ(Beta1(c.fc), c.beta) << c.fc;
    EXPECT_LT(Beta1(280), 0.85f);
}

TEST(DisenaFlexion, SingleReinforcementBalancesTheMoment) {
    for (float mu : {8e5f, 12e5f, 20e5f, 24e5f}) {
        DisenoFlexion f = DisenaFlexion(mu, 45, 25, kMaterial, kNuncaPregunta);
        ASSERT_EQ(f.estado, EstadoFlexion::kSimple);
        // 0.9 As fy (d - a/2) with the stress block a = As fy / (0.85 f'c b).
        const double a = f.as * 4200.0 / (0.85 * 210 * 25);
        ExpectRelativo(0.9 * f.as * 4200 * (45 - a / 2), mu, std::to_string(mu));
        EXPECT_EQ(f.asPrima, 0.0f);
    }
}

TEST(DisenaFlexion, LimitMomentOfSingleReinforcement) {
    // rho_b = 0.8499999 x 0.85 x 210/4200 x 6117/(6117 + 4200); rho_max = 0.75 rho_b.
    ExpectRelativo(CuantiaMaxima(kMaterial), 0.016064015629743383);
    const float mu1 = MomentoLimiteSimple(25, 45, kMaterial);
    ExpectRelativo(mu1, 2491347.702058132);

    DisenoFlexion igual = DisenaFlexion(mu1, 45, 25, kMaterial, kNuncaPregunta);
    EXPECT_EQ(igual.estado, EstadoFlexion::kSimple);
    int preguntas = 0;
    DisenoFlexion mayor = DisenaFlexion(std::nextafter(mu1, 1e30f), 45, 25, kMaterial, [&] {
        ++preguntas;
        return false;
    });
    EXPECT_EQ(preguntas, 1);
    EXPECT_EQ(mayor.estado, EstadoFlexion::kDobleRechazado);
}

TEST(DisenaFlexion, CompressionSteelTakesTheMomentBeyondTheLimit) {
    const float mu = 30e5f;
    EXPECT_EQ(DisenaFlexion(mu, 45, 25, kMaterial, nullptr).estado, EstadoFlexion::kDobleRechazado);
    DisenoFlexion f = DisenaFlexion(mu, 45, 25, kMaterial, [] { return true; });
    ASSERT_EQ(f.estado, EstadoFlexion::kDoble);
    const float mu1 = MomentoLimiteSimple(25, 45, kMaterial);
    // The compression steel couple carries what single reinforcement cannot.
    ExpectRelativo(0.9000001 * f.asPrima * 4200 * (45 - 5), mu - mu1, "couple");
    ExpectRelativo(f.as, 0.016064015629743383 * 25 * 45 + f.asPrima, "tension steel");
}

TEST(DisenaEstriboExtremo, ChoosesBarAndSpacing) {
    struct Caso {
        const char* nombre;
        double vu;  // kg
        float b, d;
        bool suficiente;
        int barra;
        double separacion;  // cm
    } casos[] = {
        {"no stirrups needed, d/2", 1000, 25, 45, true, kEstriboTresOctavos, 22.5},
        {"no stirrups needed, 60 cm", 0, 20, 130, true, kEstriboTresOctavos, 60},
        {"no stirrups needed, minimum steel", 0, 60, 130, true, kEstriboTresOctavos,
         1.42 * 4200 / (3.5 * 60)},
        {"by strength", CortantePara(20, 1.42, 25, 45, kMaterial), 25, 45, true,
         kEstriboTresOctavos, 20},
        // Vs above 1.06 sqrt(f'c) b d: the spacing limit halves to d/4 and 30 cm.
        {"high stirrup force, d/4", CortantePara(15, 1.42, 25, 45, kMaterial), 25, 45, true,
         kEstriboTresOctavos, 45 / 4.0},
        {"high stirrup force, 30 cm", CortantePara(35, 1.42, 10, 130, kMaterial), 10, 130, true,
         kEstriboTresOctavos, 30},
        {"high stirrup force in a shallow beam", CortantePara(12, 1.42, 20, 24.5f, kMaterial), 20,
         24.5f, true, kEstriboTresOctavos, 24.5 / 4},
        {"shallow beam at 12 cm", CortantePara(12, 1.42, 40, 24.5f, kMaterial), 40, 24.5f, true,
         kEstriboTresOctavos, 12},
        {"shallow beam at 9 cm", CortantePara(9, 1.42, 60, 24.5f, kMaterial), 60, 24.5f, true,
         kEstriboTresOctavos, 9},
        {"shallow beam needing 6 cm of 3/8", CortantePara(6, 1.42, 80, 24.5f, kMaterial), 80, 24.5f,
         true, kEstriboMedia, 6 * 2.54 / 1.42},
        {"1/2 above 7 cm", CortantePara(5, 1.42, 80, 45, kMaterial), 80, 45, true, kEstriboMedia,
         5 * 2.54 / 1.42},
        {"1/2 below 7 cm", CortantePara(3, 1.42, 80, 45, kMaterial), 80, 45, false, 0, 0},
        {"stirrup force above 2.1 b d sqrt(f'c)",
         0.85 * (0.53 + 2.1 * 1.01) * 25 * 45 * std::sqrt(210.0), 25, 45, false, 0, 0},
    };
    for (const auto& c : casos) {
        EstriboExtremo e = DisenaEstriboExtremo(c.vu, c.b, c.d, kMaterial);
        ASSERT_EQ(e.suficiente, c.suficiente) << c.nombre;
        if (!c.suficiente) continue;
        EXPECT_EQ(e.barra, c.barra) << c.nombre;
        ExpectRelativo(e.separacion, c.separacion, c.nombre);
        ExpectRelativo(e.areaPorMetro, 100 / c.separacion * (c.barra ? 2.54 : 1.42), c.nombre);
    }
}

// Hand value: fixed-fixed 6 m, 25 x 50, cover 4, 9 t/m. Vu at d = 27 - 9 x 0.46 = 22.86 t;
// Vs = 22 860 / 0.85 - 0.53 x 25 x 46 x sqrt(210) = 18 062 kg > 1.06 x sqrt(210) x 25 x 46
// = 17 665 kg, so s = min(15.2 by strength, d/4 = 11.5, 30) = 11.5 cm.
TEST(DisenaEstribos, HighStirrupForceHalvesTheSpacingLimit) {
    Proyecto p = Viga({6}, 9);
    p.datos.recub = "4";
    p.apoyoIzquierdo = p.apoyoDerecho = CondicionExtremo::kEmpotrado;
    OpcionesCalculo o;  // 27 t-m at the supports asks for compression steel
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    Resultados r = Calcula(p, o);
    ASSERT_EQ(r.refuerzoTransversal.size(), 1u);
    EXPECT_EQ(r.refuerzoTransversal[0].estribos, "ø3/8 a 0.115");
}

TEST(Diseno, NothingKeptIsNotANumber) {
    struct Caso {
        const char* nombre;
        void (*cambia)(Proyecto&);
    } casos[] = {
        {"no width", [](Proyecto& p) { p.vanos[0].base = p.vanos[1].base = 0; }},
        {"no depth", [](Proyecto& p) { p.vanos[0].altura = p.vanos[1].altura = 0; }},
        {"negative cover",
         [](Proyecto& p) {
             p.datos.recub = "-30";
             p.vanos[0].altura = -20;
         }},
        {"tiny f'c", [](Proyecto& p) { p.datos.fc = "1E-30"; }},
        {"tiny fy", [](Proyecto& p) { p.datos.fy = "1E-30"; }},
        {"no f'c", [](Proyecto& p) { p.datos.fc = "-1"; }},
        {"huge load",
         [](Proyecto& p) {
             p.cargas.push_back({1, 1.0, 3e38});
         }},
        {"huge span", [](Proyecto& p) { p.vanos[0].longitud = 1e30; }},
        {"tiny span", [](Proyecto& p) { p.vanos[1].longitud = 1e-30; }},
        {"not a number", [](Proyecto& p) { p.vanos[0].cargaUltima = std::nan(""); }},
    };
    for (const auto& c : casos) {
        for (bool soloAnalisis : {false, true}) {
            Proyecto p = Viga({4, 5}, 2);
            c.cambia(p);
            OpcionesCalculo o;
            o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
            o.soloAnalisis = soloAnalisis;
            Resultados r = Calcula(p, o);
            EXPECT_TRUE(TodoFinito(r)) << c.nombre;
            EXPECT_TRUE(r.Calculado() || !r.parada) << c.nombre;
        }
    }
}
