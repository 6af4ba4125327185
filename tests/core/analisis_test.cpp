// The continuous-beam solution: refusals, supports, end forces and reactions against
// closed-form results, and the stations along every span.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "comun/viga_mayor.h"
#include "core/analisis/entrada.h"
#include "core/analisis/estaciones.h"
#include "core/analisis/rigidez.h"
#include "core/calculo/calcula.h"
#include "core/derivados/actualiza_derivados.h"
#include "core/modelo/proyecto.h"

using namespace trabelux;

namespace {

constexpr double kRel = 1e-6;

// A beam of equal 25 x 50 sections, uniform load w on every span.
Proyecto Viga(std::vector<double> longitudes, double w,
              CondicionExtremo izq = CondicionExtremo::kApoyado,
              CondicionExtremo der = CondicionExtremo::kApoyado) {
    Proyecto p = VigaUniforme(longitudes, w, izq, der);
    p.datos.fc = "210";
    p.datos.fy = "4200";
    return p;
}

Resultados Analiza(const Proyecto& p) {
    OpcionesCalculo o;
    o.soloAnalisis = true;
    return Calcula(p, o);
}

// Relative agreement; a value expected to vanish is compared with the problem's scale.
void ExpectCerca(double real, double esperado, const std::string& que, double escala = 0) {
    EXPECT_NEAR(real, esperado, kRel * std::max(std::fabs(esperado), escala) + 1e-12) << que;
}

// Sagging moment of a simply supported span under w and point loads (P, a), at x.
double MomentoSimple(double L, double w, const std::vector<std::pair<double, double>>& cargas,
                     double x) {
    double rI = w * L / 2, m = rI * x - w * x * x / 2;
    for (auto [P, a] : cargas) {
        rI = P * (L - a) / L;
        m += rI * x - (x > a ? P * (x - a) : 0.0);
    }
    return m;
}

// Shear of the same span at x; a load exactly at x is not yet taken there.
double CortanteSimple(double L, const std::vector<std::pair<double, double>>& cargas, double x) {
    double v = 0;
    for (auto [P, a] : cargas) v += P * (L - a) / L - (x > a ? P : 0.0);
    return v;
}

}  // namespace

TEST(Calcula, SupportConditionsDecideStability) {
    struct Caso {
        CondicionExtremo izq, der;
        std::vector<int> interiores;
        int numVanos;
        bool estable;
    } casos[] = {
        {CondicionExtremo::kApoyado, CondicionExtremo::kNoApoyado, {}, 1, false},  // one restraint
        {CondicionExtremo::kNoApoyado, CondicionExtremo::kNoApoyado, {1}, 2, false},
        {CondicionExtremo::kApoyado, CondicionExtremo::kNoApoyado, {0}, 2, false},
        {CondicionExtremo::kEmpotrado,
         CondicionExtremo::kNoApoyado,
         {},
         1,
         true},  // cantilever: two restraints
        {CondicionExtremo::kNoApoyado, CondicionExtremo::kEmpotrado, {0}, 2, true},
        {CondicionExtremo::kNoApoyado, CondicionExtremo::kNoApoyado, {1, 1}, 3, true},
        {CondicionExtremo::kEmpotrado, CondicionExtremo::kEmpotrado, {}, 1, true},
    };
    for (const auto& c : casos) {
        Proyecto p =
            Viga(std::vector<double>(static_cast<size_t>(c.numVanos), 4.0), 2.0, c.izq, c.der);
        p.apoyosInteriores = c.interiores;
        Resultados r = Analiza(p);
        EXPECT_EQ(r.AnalisisCompleto(), c.estable)
            << static_cast<int>(c.izq) << static_cast<int>(c.der) << c.numVanos;
        EXPECT_EQ(r.parada.Mensaje(), c.estable ? "" : kMensajeInestable);
    }
}

TEST(Calcula, AgreesWithClosedFormResults) {
    // End moments of the span in units of w L^2, reactions by node in units of w L.
    const double w = 2.5, L = 6;
    struct Caso {
        const char* nombre;
        Proyecto p;
        int vano;  // 1-based
        double momentoI, momentoJ;
        std::vector<double> reacciones;
    } casos[] = {
        {"two spans", Viga({L, L}, w), 1, 0, -1.0 / 8, {3.0 / 8, 10.0 / 8, 3.0 / 8}},
        {"three spans", Viga({L, L, L}, w), 2, 0.1, -0.1, {0.4, 1.1, 1.1, 0.4}},
        {"fixed-fixed",
         Viga({L}, w, CondicionExtremo::kEmpotrado, CondicionExtremo::kEmpotrado),
         1,
         1.0 / 12,
         -1.0 / 12,
         {0.5, 0.5}},
        {"propped",
         Viga({L}, w, CondicionExtremo::kEmpotrado, CondicionExtremo::kApoyado),
         1,
         1.0 / 8,
         0,
         {5.0 / 8, 3.0 / 8}},
        {"cantilever",
         Viga({L}, w, CondicionExtremo::kEmpotrado, CondicionExtremo::kNoApoyado),
         1,
         0.5,
         0,
         {1, 0}},
        {"cantilever on the right",
         Viga({L}, w, CondicionExtremo::kNoApoyado, CondicionExtremo::kEmpotrado),
         1,
         0,
         -0.5,
         {0, 1}},
    };
    const double escalaM = w * L * L, escalaV = w * L;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Resultados r = Analiza(c.p);
        ASSERT_TRUE(r.AnalisisCompleto());
        const FuerzasVano& f = r.fuerzasExtremo[static_cast<size_t>(c.vano - 1)];
        ExpectCerca(f.momentoI, c.momentoI * escalaM, "MI", escalaM);
        ExpectCerca(f.momentoJ, c.momentoJ * escalaM, "MJ", escalaM);
        for (size_t j = 0; j < c.reacciones.size(); ++j)
            ExpectCerca(r.ReaccionNudo(static_cast<int>(j) + 1), c.reacciones[j] * escalaV,
                        "R" + std::to_string(j + 1), escalaV);
        // The station at each support shows the hogging moment with its sagging sign.
        const EstacionesVano& d = r.diagramas[static_cast<size_t>(c.vano - 1)];
        ExpectCerca(d.momento.front(), -c.momentoI * escalaM, "station 0", escalaM);
        ExpectCerca(d.momento.back(), c.momentoJ * escalaM, "station L", escalaM);
    }
}

TEST(Calcula, SimplySupportedSpanUnderPointLoads) {
    // Loads at 2.5 of 5 m and at 2 and 6 of 8 m fall on regular stations.
    struct Caso {
        double L;
        std::vector<std::pair<double, double>> cargas;  // (P, a)
        double xMax;
    } casos[] = {
        {6, {{4, 2}}, 2},
        {5, {{10, 2.5}}, 2.5},
        {8, {{3, 2}, {1, 6}}, 2},
        {7, {{2, 1}, {6, 4.2}}, 4.2},
    };
    for (const auto& c : casos) {
        Proyecto p = Viga({c.L}, 0);
        for (auto [P, a] : c.cargas) p.cargas.push_back({1, a, P});
        Resultados r = Analiza(p);
        ASSERT_TRUE(r.AnalisisCompleto());
        // The largest moment sits under a load: P a b / L for a single one.
        ExpectCerca(r.momMaxVano[0], MomentoSimple(c.L, 0, c.cargas, c.xMax), "M under load");
        EXPECT_FLOAT_EQ(r.posMomMax[0], static_cast<float>(c.xMax));
        if (c.cargas.size() == 1) {
            auto [P, a] = c.cargas[0];
            ExpectCerca(r.momMaxVano[0], P * a * (c.L - a) / c.L, "Pab/L");
        }
        const EstacionesVano& d = r.diagramas[0];
        for (size_t k = 0; k < d.x.size(); ++k) {
            EXPECT_NEAR(d.momento[k], MomentoSimple(c.L, 0, c.cargas, d.x[k]), 1e-5)
                << "x = " << d.x[k];
            EXPECT_NEAR(d.cortante[k], CortanteSimple(c.L, c.cargas, d.x[k]), 1e-5)
                << "x = " << d.x[k];
        }
    }
}

TEST(Calcula, DistancesOutsideTheSpanAreKeptWithinIt) {
    Proyecto fuera = Viga({4}, 1);
    fuera.cargas = {{1, -1.0, 2.0}, {1, 9.0, 3.0}};
    Proyecto dentro = Viga({4}, 1);
    dentro.cargas = {{1, 0.0, 2.0}, {1, 4.0, 3.0}};
    Resultados a = Analiza(fuera), b = Analiza(dentro);
    ASSERT_TRUE(a.AnalisisCompleto() && b.AnalisisCompleto());
    EXPECT_EQ(a.reacciones, b.reacciones);
    EXPECT_EQ(a.diagramas[0].x, b.diagramas[0].x);
}

TEST(Calcula, StopsOnValuesItCannotHoldNamingTheValueAndTheSpan) {
    const std::string fuera = " está fuera del rango que el programa puede calcular.";
    struct Caso {
        const char* nombre;
        void (*cambia)(Proyecto&);
        std::string mensaje;
    } casos[] = {
        {"factors 1e300 on loads of 1e12",
         [](Proyecto& p) {
             p.vanos[0].cargaMuerta = p.vanos[0].cargaViva = 1e12;
             p.datos.factorMuerta = p.datos.factorViva = "1e300";
         },
         "El valor 1E+300 del factor de carga muerta" + fuera},
        {"unit weight", [](Proyecto& p) { p.datos.pesoUnitario = "1e39"; },
         "El valor 1E+39 del peso unitario" + fuera},
        {"last column 1e39 with Otro",
         [](Proyecto& p) {
             p.datos.material = Material::kOtro;
             p.vanos[1].cargaViva = 1e39;
         },
         "El valor 1E+39 de la carga viva del vano 2" + fuera},
        {"live load 1e300", [](Proyecto& p) { p.vanos[0].cargaViva = 1e300; },
         "El valor 1E+300 de la carga viva del vano 1" + fuera},
        {"length 1e300", [](Proyecto& p) { p.vanos[1].longitud = 1e300; },
         "El valor 1E+300 de la longitud del vano 2" + fuera},
        {"inertia 1e300", [](Proyecto& p) { p.vanos[0].inercia = 1e300; },
         "El valor 1E+300 de la inercia del vano 1" + fuera},
        {"inertia 1e-300", [](Proyecto& p) { p.vanos[0].inercia = 1e-300; },
         "El valor 1E-300 de la inercia del vano 1" + fuera},
        {"load on the last span",
         [](Proyecto& p) {
             p.cargas = {{2, 1.0, 1e39}};
         },
         "El valor 1E+39 de la carga concentrada del vano 2" + fuera},
        {"load distance",
         [](Proyecto& p) {
             p.cargas = {{1, 1e-39, 1.0}};
         },
         "El valor 1E-39 de la distancia de la carga del vano 1" + fuera},
        {"stiffness of nothing",
         [](Proyecto& p) {
             p.vanos[0].longitud = 1e30;
             p.vanos[0].inercia = 1e-30;
         },
         "Los valores de la longitud (1E+30) y la inercia (1E-30) del vano 1 dan una "
         "rigidez fuera del rango que el programa puede calcular."},
        {"node load",
         [](Proyecto& p) {
             p.cargasNudo = {{2, -1e-39, 0}};
         },
         "El valor -1E-39 de la fuerza del nudo 2" + fuera},
        {"fixed-end moment",
         [](Proyecto& p) {
             p.vanos[0].cargaViva = 1e36;
             p.vanos[0].longitud = 100;
         },
         "El valor 1.4166666666666667E+39 del momento en el extremo izquierdo del vano 1" + fuera},
        // A simply supported span of 17 m under 1e37 t/m: 2.4e38 t-m at the ends when fixed,
        // 3.6e38 at midspan, so only the stations go past the range.
        {"station moment",
         [](Proyecto& p) {
             p.numVanos = 1;
             p.vanos[0].cargaViva = 1e37 / 1.7;
             p.vanos[0].longitud = 17;
         },
         "El valor 3.*E+38 del momento del vano 1" + fuera},
        // The design works in kg-cm: 3.1e34 t-m at midspan is 3.1e39 kg-cm.
        {"design in kg-cm",
         [](Proyecto& p) {
             p.numVanos = 1;
             p.vanos[0].cargaViva = 1e34 / 1.7;
         },
         "El valor 3.*E+33 del momento del vano 1" + fuera},
    };
    for (const auto& c : casos) {
        Proyecto p = Viga({5, 5}, 0);
        for (Vano& v : p.vanos) v.inercia = 0;
        p.datos.opcionInercia = OpcionInercia::kOtra;
        p.datos.calculaPesoPropio = false;
        c.cambia(p);
        ActualizaDerivados(p);
        const Resultados r = Calcula(p);
        // "*" stands for the digits of the first station past the range.
        std::string patron;
        for (char ch : c.mensaje)
            patron += ch == '*'                 ? "[0-9]+"
                      : std::strchr(".+()", ch) ? std::string{'\\', ch}
                                                : std::string{ch};
        EXPECT_TRUE(std::regex_match(r.parada.Mensaje(), std::regex(patron)))
            << c.nombre << ": " << r.parada.Mensaje();
        EXPECT_FALSE(r.Calculado()) << c.nombre;
        // Only the design's own units leave the analysis standing; nothing saturated is kept.
        EXPECT_EQ(r.AnalisisCompleto(), &c == &casos[std::size(casos) - 1]) << c.nombre;
        EXPECT_TRUE(r.refuerzoVanos.empty() && r.refuerzoApoyos.empty()) << c.nombre;
        for (float v : r.reacciones) EXPECT_LT(std::fabs(v), FLT_MAX) << c.nombre;
    }
}
