// The expected-values files of the verification examples and their comparison with a run.
#include <gtest/gtest.h>

#include "core/verificacion/comparacion.h"
#include "core/verificacion/esperado.h"
#include "core/verificacion/texto_marcado.h"

using namespace trabelux;

TEST(LeeEsperado, SettingsTolerancesAndTexts) {
    const auto a = LeeEsperado(
        "# comentario\r\n"
        "descripcion = Un vano\n"
        "opciones = --double=yes\n"
        "reaccion.1 = 13.5\n"
        "tolerancia = 0.01\n"
        "reaccion.2 = -2\n"
        "momento_max.1 = 11.39 ± 0.005\n"
        "momento_max.2 = 200 +- 1%\n"
        "estribos.1 = ø3/8 a 0.197\n");
    ASSERT_TRUE(a) << a.mensaje;
    EXPECT_EQ(a.valor->descripcion, "Un vano");
    EXPECT_EQ(a.valor->opciones, "--double=yes");
    const auto& v = a.valor->valores;
    ASSERT_EQ(v.size(), 5u);
    // The common tolerance applies from its line on; a value's own one wins.
    EXPECT_DOUBLE_EQ(v[0].tolerancia, 0.001);
    EXPECT_DOUBLE_EQ(v[1].tolerancia, 0.01);
    EXPECT_DOUBLE_EQ(*v[2].numero, 11.39);
    EXPECT_DOUBLE_EQ(v[2].tolerancia, 0.005);
    EXPECT_DOUBLE_EQ(v[3].tolerancia, 2.0);
    EXPECT_FALSE(v[4].numero);
    EXPECT_EQ(v[4].escrito, "ø3/8 a 0.197");
    EXPECT_EQ(v[4].linea, 9);
}

TEST(LeeEsperado, RefusesWithTheLine) {
    EXPECT_EQ(LeeEsperado("a = 1\nsin igual\n").mensaje, "Linea 2: falta \"=\"");
    EXPECT_EQ(LeeEsperado("= 1\n").mensaje, "Linea 1: falta la clave");
    EXPECT_EQ(LeeEsperado("a = 1 ± x\n").mensaje, "Linea 1: tolerancia ilegible: x");
    EXPECT_FALSE(LeeEsperado("tolerancia = -1\n"));
}

TEST(Compara, ToleranceTextsAndValuesTheRunLacks) {
    Resultados r;
    r.etapa = EtapaCalculo::kAnalizado;
    r.numVanos = 1;
    r.fuerzasExtremo = {{13.5, 13.5, 13.5, -13.5}};
    r.reacciones = {13.5f, 13.5f, 13.5f, -13.5f};
    r.momMaxVano = {6.75f};
    r.posMomMax = {3.0f};
    r.refuerzoTransversal = {{1, 19.352f, 10.652f, 7.2125f, "ø3/8 a 0.197"}};
    const auto e = LeeEsperado(
        "momento_extremo.J.1 = -13.5\nmomento_max.1 = 6.7489\nmomento_max.1 = 6.7511\n"
        "estribos.1 = ø3/8 a 0.197\nestribos.1 = ø3/8 a 0.198\nreaccion.3 = 0\n"
        "momento_max.2 = 0\ncortante_diseno.I.1 = 19.352\nrara = 1\n");
    ASSERT_TRUE(e);
    std::vector<bool> cumple;
    for (const Comprobacion& c : Compara(*e.valor, r)) cumple.push_back(c.cumple);
    EXPECT_EQ(cumple,
              (std::vector<bool>{true, false, false, true, false, false, false, true, false}));
}

// Envelopes, deflections and bars name a value only where the run or `calculos` has it; a
// cut-off dimension's side is where the bar ends against its support's axis.
TEST(Compara, KeysOfEnvelopesDeflectionsAndBars) {
    Resultados r;
    r.etapa = EtapaCalculo::kDisenado;
    r.numVanos = 2;
    Deflexiones flechas;
    flechas.vanos.resize(2);
    flechas.vanos[1].deltaDiferida = 1.87;
    Despiece despiece;
    despiece.cortes = {{2, 3.0, 0.29}, {2, 3.0, 4.6055}, {3, 9.0, 7.5}};
    Planilla planilla;
    planilla.lineas.resize(1);
    planilla.lineas[0].marca = "S1";
    planilla.lineas[0].corte = 4.35;
    planilla.lineas[0].dimensiones = "A=4.35";
    const CalculosDeBarras calculos{&flechas, &despiece, &planilla};
    auto numero = [&](const std::string& clave,
                      const CalculosDeBarras& c) -> std::optional<double> {
        const auto v = ValorDeResultados(r, clave, c);
        if (!v) return std::nullopt;
        return std::get<double>(*v);
    };
    EXPECT_NEAR(*numero("corte_adicional.I.2", calculos), 2.71, 1e-12);
    EXPECT_NEAR(*numero("corte_adicional.J.2", calculos), 1.6055, 1e-12);
    EXPECT_NEAR(*numero("corte_adicional.I.3", calculos), 1.5, 1e-12);
    EXPECT_FALSE(numero("corte_adicional.J.3", calculos));
    EXPECT_EQ(*numero("largo_corte.S1", calculos), 4.35);
    EXPECT_EQ(std::get<std::string>(*ValorDeResultados(r, "dimensiones.S1", calculos)), "A=4.35");
    EXPECT_FALSE(numero("largo_corte.S2", calculos));
    EXPECT_EQ(*numero("flecha_diferida.2", calculos), 1.87);
    EXPECT_FALSE(numero("flecha_diferida.3", calculos));
    flechas.noCalculadas = "Material de acero";
    EXPECT_FALSE(numero("flecha_diferida.2", calculos));
    for (const char* clave : {"corte_adicional.I.2", "largo_corte.S1", "flecha_muerta.1",
                              "envolvente_momento.J.1", "envolvente_reaccion_max.1"})
        EXPECT_FALSE(ValorDeResultados(r, clave)) << clave;
    r.envolventes.emplace();
    r.envolventes->vanos.resize(2);
    r.envolventes->vanos[0].momentoIzq = -1;
    r.envolventes->vanos[0].momentoDer = -26.88f;
    r.envolventes->nudos.resize(3);
    r.envolventes->nudos[2].reaccionMin = 7.38f;
    EXPECT_FLOAT_EQ(*numero("envolvente_momento.J.1", {}), -26.88f);
    EXPECT_FLOAT_EQ(*numero("envolvente_reaccion_min.3", {}), 7.38f);
    EXPECT_FALSE(numero("envolvente_reaccion_min.4", {}));
}

TEST(TextoMarcado, BlocksOfTheHandCalculationPages) {
    const auto b = LeeTextoMarcado(
        "# Ejemplo\n\n**Datos** de\nla viga:\n\n- Apoyo 3: M2 + M3\n  = -341.6\n  → M3 = 1\n"
        "- R = 2\n\n| a | b |\n|---|---|\n| 1 | x < 2 |\n");
    ASSERT_EQ(b.size(), 5u);
    EXPECT_EQ(b[0].tipo, TipoBloque::kTitulo);
    EXPECT_EQ(b[1].lineas, std::vector<std::string>{"**Datos** de la viga:"});
    EXPECT_EQ(b[2].lineas, (std::vector<std::string>{"Apoyo 3: M2 + M3", "= -341.6", "→ M3 = 1"}));
    EXPECT_EQ(b[3].tipo, TipoBloque::kElemento);
    EXPECT_EQ(b[4].filas, (std::vector<std::vector<std::string>>{{"a", "b"}, {"1", "x < 2"}}));
    EXPECT_EQ(HtmlDeLinea("**M** = `x<y` & z"), "<b>M</b> = <code>x&lt;y</code> &amp; z");
    EXPECT_EQ(SinMarcas("**M** = `x`"), "M = x");
}
