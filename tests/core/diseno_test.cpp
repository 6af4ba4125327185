// Flexural and shear design: the section routines against equilibrium and the limits
// of the method, and the three reinforcement tables of a complete run.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analisis/calcula.h"
#include "diseno/cortante.h"
#include "diseno/flexion.h"
#include "modelo/derivados.h"
#include "modelo/proyecto.h"

using namespace trabelux;

namespace {

const MaterialDiseno kMaterial{210, 4200, 5};  // d' = 5 cm

void ExpectRelativo(double real, double esperado, const std::string& que = {}) {
    EXPECT_NEAR(real, esperado, 1e-6 * std::fabs(esperado)) << que;
}

// A beam of b x h sections (cm), uniform load w, f'c 210, fy 4200, cover 5.
Proyecto Viga(std::vector<double> longitudes, double w, int izq = kApoyado, int der = kApoyado,
              double b = 25, double h = 50) {
    Proyecto p = ProyectoNuevo();
    p.numVanos = static_cast<int>(longitudes.size());
    p.vanos.clear();
    for (double L : longitudes) {
        Vano v;
        v.longitud = L;
        v.base = b;
        v.altura = h;
        v.inercia = InerciaRectangular(b, h);
        v.cargaUltima = w;
        p.vanos.push_back(v);
    }
    p.apoyoIzquierdo = izq;
    p.apoyoDerecho = der;
    p.datos.fc = "210";
    p.datos.fy = "4200";
    p.datos.recub = "5";
    return p;
}

OpcionesCalculo Responde(bool si) {
    OpcionesCalculo o;
    o.preguntaRefuerzoDoble = [si](const std::string&) { return si; };
    return o;
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

bool TodoFinito(const Resultados& r) {
    auto finitos = [](const std::vector<float>& v) {
        for (float x : v)
            if (!std::isfinite(x)) return false;
        return true;
    };
    bool ok = finitos(r.reacciones) && finitos(r.momMaxVano) && finitos(r.posMomMax) &&
              std::isfinite(r.maxCortante) && std::isfinite(r.maxMomento);
    for (const auto& f : r.fuerzasExtremo)
        ok = ok && std::isfinite(f.cortanteI) && std::isfinite(f.momentoI) &&
             std::isfinite(f.cortanteJ) && std::isfinite(f.momentoJ);
    for (const auto& d : r.diagramas)
        ok = ok && finitos(d.x) && finitos(d.cortante) && finitos(d.momento);
    for (const auto& f : r.refuerzoVanos)
        ok = ok && std::isfinite(f.momento) && std::isfinite(f.areaSuperior) &&
             std::isfinite(f.areaInferior);
    for (const auto& f : r.refuerzoApoyos)
        ok = ok && std::isfinite(f.momento) && std::isfinite(f.areaSuperior) &&
             std::isfinite(f.areaInferior);
    for (const auto& f : r.refuerzoTransversal)
        ok = ok && std::isfinite(f.cortanteI) && std::isfinite(f.cortanteJ) &&
             std::isfinite(f.areaPorMetro);
    return ok;
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

TEST(DisenaFlexion, TinyMomentsNeedNoSteelAndSmallOnesTheMinimum) {
    struct Caso {
        float mu;
        float as;
    } casos[] = {
        {0.0f, 0.0f},
        {0.999f, 0.0f},
        {1.0f, 14.0f * 25 * 45 / 4200},
        {1000.0f, 14.0f * 25 * 45 / 4200},
    };
    for (const auto& c : casos) {
        DisenoFlexion f = DisenaFlexion(c.mu, 45, 25, kMaterial, kNuncaPregunta);
        EXPECT_EQ(f.estado, EstadoFlexion::kSimple) << c.mu;
        EXPECT_FLOAT_EQ(f.as, c.as) << c.mu;
        EXPECT_EQ(f.asPrima, 0.0f) << c.mu;
    }
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

TEST(DisenaFlexion, RefusesSectionsThatCannotWork) {
    struct Caso {
        const char* nombre;
        float d, b;
        MaterialDiseno m;
    } casos[] = {
        // d' = 8 cm in a 22 cm depth: the compression steel does not yield.
        {"compression steel does not yield", 22, 20, {210, 4200, 8}},
        {"no width", 45, 0, kMaterial},
        {"no room for compression steel", 5, 25, kMaterial},
    };
    for (const auto& c : casos) {
        const float mu = 1.2f * MomentoLimiteSimple(c.b > 0 ? c.b : 25, c.d, c.m) + 1000;
        DisenoFlexion f = DisenaFlexion(mu, c.d, c.b, c.m, [] { return true; });
        EXPECT_EQ(f.estado, EstadoFlexion::kInsuficiente) << c.nombre;
        EXPECT_TRUE(std::isfinite(f.as) && std::isfinite(f.asPrima)) << c.nombre;
    }
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
        {"by strength", CortantePara(15, 1.42, 25, 45, kMaterial), 25, 45, true,
         kEstriboTresOctavos, 15},
        {"shallow beam at 12 cm", CortantePara(12, 1.42, 40, 24.5f, kMaterial), 40, 24.5f, true,
         kEstriboTresOctavos, 12},
        {"shallow beam at 9 cm", CortantePara(9, 1.42, 40, 24.5f, kMaterial), 40, 24.5f, true,
         kEstriboTresOctavos, 9},
        {"shallow beam needing 6 cm of 3/8", CortantePara(6, 1.42, 40, 24.5f, kMaterial), 40, 24.5f,
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

TEST(TextoEstribo, WritesTheBarAndTheSpacingInMetres) {
    EXPECT_EQ(TextoEstribo(kEstriboTresOctavos, 12.5),
              "\xC3\xB8"
              "3/8 a 0.125");
    EXPECT_EQ(TextoEstribo(kEstriboMedia, 8.944),
              "\xC3\xB8"
              "1/2 a 0.089");
    EXPECT_EQ(TextoEstribo(kEstriboTresOctavos, 60),
              "\xC3\xB8"
              "3/8 a 0.600");
}

TEST(Diseno, SpanAndSupportRowsOfAContinuousBeam) {
    const double w = 2.5, L = 6;
    Resultados r = Calcula(Viga({L, L, L}, w), Responde(false));
    ASSERT_TRUE(r.calculado) << r.mensaje;
    ASSERT_EQ(r.refuerzoVanos.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const FilaRefuerzoVano& f = r.refuerzoVanos[static_cast<size_t>(i)];
        EXPECT_EQ(f.vano, i + 1);
        EXPECT_EQ(f.momento, r.momMaxVano[static_cast<size_t>(i)]);
        EXPECT_EQ(f.areaSuperior, 0.0f);
        DisenoFlexion esperado =
            DisenaFlexion(static_cast<float>(f.momento * 100000.0), 45, 25, kMaterial, nullptr);
        EXPECT_EQ(f.areaInferior, esperado.as);
    }
    // Pinned ends carry no moment: their rows are left out and the numbering skips them.
    ASSERT_EQ(r.refuerzoApoyos.size(), 2u);
    EXPECT_EQ(r.refuerzoApoyos[0].nudo, 2);
    EXPECT_EQ(r.refuerzoApoyos[1].nudo, 3);
    ExpectRelativo(r.refuerzoApoyos[0].momento, w * L * L / 10);
    EXPECT_GT(r.refuerzoApoyos[0].areaSuperior, 0.0f);
    EXPECT_EQ(r.refuerzoApoyos[0].areaInferior, 0.0f);
    ASSERT_EQ(r.refuerzoTransversal.size(), 3u);
}

TEST(Diseno, HoggingSpanGetsAZeroRow) {
    Proyecto p = Viga({6, 1, 6}, 3);
    p.vanos[1].cargaUltima = 0;
    Resultados r = Calcula(p, Responde(false));
    ASSERT_TRUE(r.calculado) << r.mensaje;
    ASSERT_EQ(r.refuerzoVanos.size(), 3u);
    const FilaRefuerzoVano& f = r.refuerzoVanos[1];
    EXPECT_EQ(f.vano, 2);
    EXPECT_EQ(f.momento, 0.0f);
    EXPECT_EQ(f.areaSuperior, 0.0f);
    EXPECT_EQ(f.areaInferior, 0.0f);
}

TEST(Diseno, CantileverHasNoSpanRows) {
    const double w = 2, L = 3;
    Resultados r = Calcula(Viga({L}, w, kEmpotrado, kNoApoyado), Responde(false));
    ASSERT_TRUE(r.calculado) << r.mensaje;
    EXPECT_TRUE(r.refuerzoVanos.empty());
    ASSERT_EQ(r.refuerzoApoyos.size(), 1u);
    EXPECT_EQ(r.refuerzoApoyos[0].nudo, 1);
    ExpectRelativo(r.refuerzoApoyos[0].momento, w * L * L / 2);
}

TEST(Diseno, InteriorNodeUsesTheMeanOfTheTwoSections) {
    Proyecto p = Viga({5, 5}, 4);
    p.vanos[0].base = 20;
    p.vanos[0].altura = 40;
    p.vanos[1].base = 30;
    p.vanos[1].altura = 60;
    Resultados r = Calcula(p, Responde(false));
    ASSERT_TRUE(r.calculado) << r.mensaje;
    ASSERT_EQ(r.refuerzoApoyos.size(), 1u);
    const FilaRefuerzoApoyo& f = r.refuerzoApoyos[0];
    const float mu = static_cast<float>(std::fabs(r.fuerzasExtremo[1].momentoI) * 100000.0);
    EXPECT_EQ(f.areaSuperior, DisenaFlexion(mu, 50 - 5, 25, kMaterial, nullptr).as);
    EXPECT_NE(f.areaSuperior, DisenaFlexion(mu, 35, 20, kMaterial, nullptr).as);
    EXPECT_NE(f.areaSuperior, DisenaFlexion(mu, 55, 30, kMaterial, nullptr).as);
}

TEST(Diseno, StopsOnTheFirstDesignMessage) {
    struct Caso {
        const char* nombre;
        Proyecto p;
        const char* mensaje;
        size_t vanos, apoyos;  // rows kept
    } casos[] = {
        {"no f'c",
         [] {
             auto p = Viga({5}, 2);
             p.datos.fc = "0";
             return p;
         }(),
         "F'c debe ser mayor que cero", 0, 0},
        {"negative f'c",
         [] {
             auto p = Viga({5}, 2);
             p.datos.fc = "-210";
             return p;
         }(),
         "F'c debe ser mayor que cero", 0, 0},
        {"no fy",
         [] {
             auto p = Viga({5}, 2);
             p.datos.fy = "";
             return p;
         }(),
         "Fy debe ser mayor que cero", 0, 0},
        // Every other beam here uses fy = 4200, which the shear design accepts.
        {"fy above 4200",
         [] {
             auto p = Viga({5, 5}, 2);
             p.datos.fy = "4201";
             return p;
         }(),
         "Fy no puede ser mayor de 4200", 2, 1},
        {"shallow second span",
         [] {
             auto p = Viga({5, 5}, 2);
             p.vanos[1].altura = 10;
             return p;
         }(),
         "El peralte es insuficiente en el vano 2", 1, 0},
        {"shallow cantilever", Viga({2}, 2, kEmpotrado, kNoApoyado, 25, 9),
         "El peralte es insuficiente en el apoyo 1", 0, 0},
        {"span in flexure", Viga({6}, 12, kApoyado, kApoyado, 20, 30),
         "La seccion es insuficiente por flexion en el vano 1", 0, 0},
        {"support in flexure",
         [] {
             auto p = Viga({3}, 8, kEmpotrado, kNoApoyado, 20, 30);
             p.datos.recub = "8";
             return p;
         }(),
         "La seccion es insuficiente por flexion en el apoyo 1", 0, 0},
        {"unloaded beam without depth", Viga({3}, 0, kApoyado, kApoyado, 25, 3),
         "El peralte es insuficiente en el vano 1", 0, 0},
        {"span in shear", Viga({3}, 40), "La seccion es insuficiente por cortante en el vano 1", 1,
         0},
    };
    for (const auto& c : casos) {
        Resultados r = Calcula(c.p, Responde(true));
        EXPECT_EQ(r.mensaje, c.mensaje) << c.nombre;
        EXPECT_FALSE(r.calculado) << c.nombre;
        EXPECT_TRUE(r.analisisCompleto) << c.nombre;
        EXPECT_EQ(r.refuerzoVanos.size(), c.vanos) << c.nombre;
        EXPECT_EQ(r.refuerzoApoyos.size(), c.apoyos) << c.nombre;
        EXPECT_TRUE(r.refuerzoTransversal.empty()) << c.nombre;
    }
}

TEST(Diseno, CompressionSteelIsAdoptedOnlyWhenTheUserSaysYes) {
    // 7 m under 4.5 t/m: 27.6 t-m against 24.9 t-m of single reinforcement.
    const Proyecto p = Viga({7}, 4.5);
    for (bool si : {false, true}) {
        std::vector<std::string> preguntas;
        OpcionesCalculo o;
        o.preguntaRefuerzoDoble = [&](const std::string& q) {
            preguntas.push_back(q);
            return si;
        };
        Resultados r = Calcula(p, o);
        EXPECT_EQ(preguntas, std::vector<std::string>{kPreguntaRefuerzoDoble});
        EXPECT_EQ(r.calculado, si);
        EXPECT_TRUE(r.analisisCompleto);
        if (si) {
            EXPECT_EQ(r.mensaje, "");
            ASSERT_EQ(r.refuerzoVanos.size(), 1u);
            EXPECT_GT(r.refuerzoVanos[0].areaSuperior, 0.0f);
        } else {
            EXPECT_EQ(r.mensaje, kPreguntaRefuerzoDoble);
            EXPECT_TRUE(r.refuerzoVanos.empty());
        }
    }
    Resultados sinPregunta = Calcula(p);
    EXPECT_EQ(sinPregunta.mensaje, kPreguntaRefuerzoDoble);
}

TEST(Diseno, StirrupRowShowsEndShearsAndTheGoverningEnd) {
    const double w = 2.5, L = 6, P = 20, a = 5.5;
    Proyecto p = Viga({L}, w);
    p.cargas.push_back({1, a, P});
    Resultados r = Calcula(p, Responde(false));
    ASSERT_TRUE(r.calculado) << r.mensaje;
    ASSERT_EQ(r.refuerzoTransversal.size(), 1u);
    const FilaRefuerzoTransversal& f = r.refuerzoTransversal[0];
    const double vI = w * L / 2 + P * (L - a) / L - w * 0.45;
    const double vJ = w * L / 2 + P * a / L - w * 0.45;
    ExpectRelativo(f.cortanteI, vI, "Vu at I");
    ExpectRelativo(f.cortanteJ, vJ, "Vu at J");
    // The loaded right end needs stirrups by strength; the left one only the limits.
    EstriboExtremo der = DisenaEstriboExtremo(vJ * 1000, 25, 45, kMaterial);
    EXPECT_EQ(f.estribos, TextoEstribo(der.barra, der.separacion));
    EXPECT_NE(f.estribos, TextoEstribo(kEstriboTresOctavos, 22.5));
    ExpectRelativo(f.areaPorMetro, der.areaPorMetro);
}

TEST(Diseno, EndWithoutShearShowsItsOwnStirrups) {
    // Span 2 is an unloaded cantilever: (next to) no shear at either end, so its row shows
    // its own minimum stirrups, not those of span 1.
    Proyecto p = Viga({5, 2}, 6, kEmpotrado, kNoApoyado);
    p.vanos[1].cargaUltima = 0;
    p.vanos[1].base = 30;
    p.vanos[1].altura = 60;
    Resultados r = Calcula(p, Responde(false));
    ASSERT_TRUE(r.calculado) << r.mensaje;
    ASSERT_EQ(r.refuerzoTransversal.size(), 2u);
    const FilaRefuerzoTransversal& f = r.refuerzoTransversal[1];
    EXPECT_LT(f.cortanteI, 1e-5f);
    EXPECT_LT(f.cortanteJ, 1e-5f);
    EXPECT_EQ(f.estribos, TextoEstribo(kEstriboTresOctavos, 27.5));  // d/2 of 55 cm
    EXPECT_NE(r.refuerzoTransversal[0].estribos, f.estribos);

    // Both ends fixed and nothing on the span: exactly no shear.
    Resultados nada = Calcula(Viga({4}, 0, kEmpotrado, kEmpotrado), Responde(false));
    ASSERT_TRUE(nada.calculado) << nada.mensaje;
    ASSERT_EQ(nada.refuerzoTransversal.size(), 1u);
    EXPECT_EQ(nada.refuerzoTransversal[0].cortanteI, 0.0f);
    EXPECT_EQ(nada.refuerzoTransversal[0].estribos, TextoEstribo(kEstriboTresOctavos, 22.5));
    ExpectRelativo(nada.refuerzoTransversal[0].areaPorMetro, 100 / 22.5 * 1.42);
}

TEST(Diseno, NothingKeptIsNotANumber) {
    struct Caso {
        const char* nombre;
        void (*cambia)(Proyecto&);
    } casos[] = {
        {"no width",
         [](Proyecto& p) {
             for (auto& v : p.vanos) v.base = 0;
         }},
        {"no depth",
         [](Proyecto& p) {
             for (auto& v : p.vanos) v.altura = 0;
         }},
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
            OpcionesCalculo o = Responde(true);
            o.soloAnalisis = soloAnalisis;
            Resultados r = Calcula(p, o);
            EXPECT_TRUE(TodoFinito(r)) << c.nombre;
            EXPECT_TRUE(r.calculado || !r.mensaje.empty()) << c.nombre;
        }
    }
}
