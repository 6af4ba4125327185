// The calculation report: paper sizes and inches, where a single span sits, and whole
// compositions checked against their recorded goldens (TRABELUX_REGENERA=1 rewrites them).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

#include "analisis/calcula.h"
#include "archivos/proyecto_vcw.h"
#include "detallado/detallado.h"
#include "modelo/derivados.h"
#include "reporte/inicia.h"
#include "reporte/papel.h"
#include "reporte/superficie_grabadora.h"

using namespace trabelux;

namespace {

std::optional<std::string> LeeBytes(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) return std::nullopt;
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

Proyecto Ejemplo(const std::string& nombre) {
    const std::string carpeta = TRABELUX_EXAMPLES;
    LecturaProyecto l =
        LeeArchivo(LeeBytes(carpeta + "/" + nombre).value_or(""), nombre,
                   [&](const std::string& ruta) { return LeeBytes(carpeta + "/" + ruta); });
    EXPECT_TRUE(l.proyecto) << l.error;
    return l.proyecto.value_or(Proyecto{});
}

Resultados Corre(const Proyecto& p, bool soloAnalisis) {
    OpcionesCalculo o;
    o.soloAnalisis = soloAnalisis;
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    return Calcula(p, o);
}

}  // namespace

TEST(PapelInforme, NamesSizesAndInches) {
    int conNombre = 0;
    for (int codigo = 0; codigo < kNumCodigosPapel; ++codigo) {
        if (NombrePapel(codigo).empty()) continue;
        ++conNombre;
        EXPECT_TRUE(TamanoPapel(codigo)) << codigo;
    }
    EXPECT_EQ(conNombre, 66);  // 0, 48 and 49 have no name
    EXPECT_FALSE(TamanoPapel(0));
    EXPECT_EQ(NombrePapel(69), "");

    const struct {
        int codigo;
        double ancho, alto;
    } tamanos[] = {{1, 12240, 15840},
                   {5, 12240, 20160},
                   {8, 16838, 23811},
                   {9, 11906, 16838},
                   {11, 8391, 11906}};
    for (const auto& t : tamanos) {
        ConfiguracionInforme c;
        c.papel = t.codigo;
        EXPECT_EQ(TamanoHoja(c).ancho, t.ancho) << t.codigo;
        c.horizontal = true;
        EXPECT_EQ(TamanoHoja(c).ancho, t.alto) << t.codigo;
    }

    for (auto [twips, texto] : {std::pair{1440.0, "1\""},
                                {1080.0, "0.75\""},
                                {2160.0, "1.5\""},
                                {720.0, "0.5\""},
                                {0.0, "0\""}})
        EXPECT_EQ(ToInches(twips), texto);
}

TEST(Inicia, SingleSpanSitsInTheMiddleThirdAndKeepsItsSupportSteel) {
    // One fixed-fixed span of 5 m under 2 t/m, b 20, h 40, cover 5, Fy 2800.
    Proyecto p = ProyectoNuevo();
    p.vanos[0].longitud = 5;
    p.vanos[0].cargaMuerta = 2;
    p.datos.recub = "5";
    p.datos.fy = "2800";
    p.apoyoIzquierdo = p.apoyoDerecho = kEmpotrado;
    ActualizaDerivados(p);
    const Resultados r = Corre(p, false);
    ASSERT_TRUE(r.Calculado()) << r.mensaje;
    SuperficieGrabadora s;
    ComponeDocumento(s, p, &r, nullptr, ConfiguracionInforme{});
    bool apoyos = false;
    for (const auto& l : s.Llamadas()) apoyos = apoyos || l.texto == "Refuerzo en apoyos";
    EXPECT_TRUE(apoyos);
    // Letter with inch margins: 9360 twips between the margins.
    const MarcoVigaPagina uno = MarcoViga(s, 1, 2440);
    EXPECT_DOUBLE_EQ(uno.x1, 1440 + 3120);
    EXPECT_DOUBLE_EQ(uno.x2, 1440 + 6240);
    const MarcoVigaPagina dos = MarcoViga(s, 2, 2440);
    EXPECT_DOUBLE_EQ(dos.x1, 1440 + 468);
    EXPECT_DOUBLE_EQ(dos.x2, 1440 + 8892);
}

// Whole compositions of the examples against their recorded goldens.
TEST(Inicia, ExamplesMatchTheirGoldens) {
    struct Caso {
        const char* golden;
        const char* ejemplo;
        enum { kNada, kAnalisis, kDiseno } corrida;
        bool diagramas, refuerzo;
    } casos[] = {
        {"tres-vanos-sin-calculo", "tres-vanos.vcw", Caso::kNada, false, false},
        {"tres-vanos-analisis", "tres-vanos.vcw", Caso::kAnalisis, false, false},
        {"tres-vanos-diseno", "tres-vanos.vcw", Caso::kDiseno, true, true},
        {"empotrada", "empotrada.vcw", Caso::kDiseno, true, true},
        {"viga-losas", "viga-losas.vcw", Caso::kDiseno, false, false},
    };
    const bool regenera = std::getenv("TRABELUX_REGENERA") != nullptr;
    const std::regex menosCero(R"(-0\.0+\b)");
    for (const Caso& caso : casos) {
        const Proyecto p = Ejemplo(caso.ejemplo);
        std::optional<Resultados> r;
        if (caso.corrida != Caso::kNada) r = Corre(p, caso.corrida == Caso::kAnalisis);
        TablaDetallado t;
        if (r && r->Calculado()) MyLoad(t, p, *r);
        ConfiguracionInforme c;
        c.diagramas = caso.diagramas ? kDiagramasCortanteMomento : kDiagramasNinguno;
        c.refuerzo = caso.refuerzo;
        SuperficieGrabadora s;
        ComponeDocumento(s, p, r ? &*r : nullptr, &t, c);
        const std::string volcado = s.Volcado();
        EXPECT_FALSE(std::regex_search(volcado, menosCero)) << caso.golden;

        const std::string ruta =
            std::string(TRABELUX_TEST_DATA) + "/informes/" + caso.golden + ".txt";
        if (regenera) {
            std::ofstream(ruta, std::ios::binary) << volcado;
            continue;
        }
        EXPECT_EQ(volcado, LeeBytes(ruta).value_or(""))
            << caso.golden << " (TRABELUX_REGENERA=1 rewrites the goldens)";
    }
}
