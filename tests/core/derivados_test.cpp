// Derived span values: inertia, self weight and the load the analysis uses.
#include "modelo/derivados.h"

#include <gtest/gtest.h>

#include "modelo/proyecto.h"

using namespace trabelux;

namespace {

Proyecto UnVano(double b, double h, double cm, double cv) {
    Proyecto p = ProyectoNuevo();
    p.vanos[0].base = b;
    p.vanos[0].altura = h;
    p.vanos[0].cargaMuerta = cm;
    p.vanos[0].cargaViva = cv;
    ActualizaDerivados(p);
    return p;
}

}  // namespace

TEST(ProyectoNuevo, HasTheDefaultsOfANewProject) {
    Proyecto p = ProyectoNuevo();
    EXPECT_EQ(p.nombreViga, "V1");
    EXPECT_EQ(p.numVanos, 1);
    ASSERT_EQ(p.vanos.size(), 1u);
    EXPECT_DOUBLE_EQ(p.vanos[0].longitud, 1.0);
    EXPECT_DOUBLE_EQ(p.vanos[0].base, 20.0);
    EXPECT_DOUBLE_EQ(p.vanos[0].altura, 40.0);
    EXPECT_EQ(p.apoyoIzquierdo, kApoyado);
    EXPECT_EQ(p.apoyoDerecho, kApoyado);
    EXPECT_EQ(p.datos.fc, "180");
    EXPECT_EQ(p.datos.fy, "2800");
    EXPECT_EQ(p.datos.recub, "5");
    EXPECT_EQ(p.datos.base, "20.0");
    EXPECT_EQ(p.datos.altura, "40.0");
    EXPECT_EQ(p.datos.longitud, "1.000");
    EXPECT_EQ(p.datos.moduloE, "2.03E+06");
    EXPECT_TRUE(p.datos.cargaMuerta.empty());
    EXPECT_TRUE(p.datos.cargaViva.empty());
    EXPECT_EQ(p.datos.factorMuerta, "1.4");
    EXPECT_EQ(p.datos.factorViva, "1.7");
    EXPECT_EQ(p.datos.pesoUnitario, "2.4");
    EXPECT_TRUE(p.datos.calculaPesoPropio);
    EXPECT_FALSE(p.datos.usaCargaTotal);
    EXPECT_TRUE(p.cargas.empty());
    EXPECT_TRUE(p.cargasNudo.empty());
    EXPECT_TRUE(p.encabezado.empty());
    EXPECT_FALSE(UsaLosas(p));
    // 0.2 x 0.4^3 / 12 and 2.4 x 20 x 40 / 10000 factored by 1.4.
    EXPECT_NEAR(p.vanos[0].inercia, 0.0010666666666666667, 1e-18);
    ASSERT_TRUE(p.vanos[0].pesoPropio.has_value());
    EXPECT_NEAR(*p.vanos[0].pesoPropio, 0.192, 1e-15);
    EXPECT_NEAR(p.vanos[0].cargaUltima, 0.192 * 1.4, 1e-15);
}

TEST(RecalculaFila, ConcreteFactorsSelfWeightDeadAndLive) {
    Proyecto p = UnVano(30, 60, 2.0, 1.5);
    const Vano& v = p.vanos[0];
    EXPECT_NEAR(v.inercia, 0.3 * 0.6 * 0.6 * 0.6 / 12, 1e-15);
    EXPECT_NEAR(*v.pesoPropio, 0.432, 1e-12);
    EXPECT_NEAR(v.cargaUltima, (0.432 + 2.0) * 1.4 + 1.5 * 1.7, 1e-12);
}

TEST(RecalculaFila, SelfWeightOffEmptiesTheCellAndCountsZero) {
    Proyecto p = ProyectoNuevo();
    p.datos.calculaPesoPropio = false;
    p.vanos[0].pesoPropio = 5.0;
    p.vanos[0].cargaMuerta = 1.0;
    ActualizaDerivados(p);
    EXPECT_FALSE(p.vanos[0].pesoPropio.has_value());
    EXPECT_NEAR(p.vanos[0].cargaUltima, 1.4, 1e-15);
}

TEST(RecalculaFila, OtherInertiaKeepsTheTypedValue) {
    Proyecto p = ProyectoNuevo();
    p.datos.opcionInercia = kInerciaOtra;
    p.vanos[0].inercia = 0.5;
    ActualizaDerivados(p);
    EXPECT_DOUBLE_EQ(p.vanos[0].inercia, 0.5);
}

TEST(RecalculaFila, OtherMaterialAddsTheColumnsUnfactored) {
    Proyecto p = ProyectoNuevo();
    p.datos.material = kOtro;
    p.vanos[0].pesoPropio = 0.3;
    p.vanos[0].cargaMuerta = 1.0;
    p.vanos[0].cargaViva = 0.5;
    ActualizaDerivados(p);
    ASSERT_TRUE(p.vanos[0].pesoPropio.has_value());
    EXPECT_DOUBLE_EQ(*p.vanos[0].pesoPropio, 0.3);
    EXPECT_DOUBLE_EQ(p.vanos[0].cargaUltima, 1.8);
}

TEST(RecalculaFila, SteelTakesTheShapeSectionAndAreaWeight) {
    Proyecto p = ProyectoNuevo();
    p.datos.material = kAcero;
    p.datos.opcionInercia = kInerciaOtra;
    p.datos.pesoUnitario = "7.85";
    p.datos.factorMuerta = "1.0";
    p.datos.factorViva = "1.0";
    p.perfil = PerfilAcero{"W8X31", 9.13 * 0.0254 * 0.0254, 8 * 0.0254, 8 * 0.0254,
                           110 * 0.0254 * 0.0254 * 0.0254 * 0.0254};
    p.vanos[0].cargaViva = 1.0;
    ActualizaDerivados(p);
    EXPECT_NEAR(p.vanos[0].base, 20.32, 1e-12);
    EXPECT_NEAR(p.vanos[0].altura, 20.32, 1e-12);
    double pp = 7.85 * 9.13 * 0.0254 * 0.0254;
    EXPECT_NEAR(*p.vanos[0].pesoPropio, pp, 1e-15);
    EXPECT_NEAR(p.vanos[0].cargaUltima, pp + 1.0, 1e-15);
}

TEST(RecalculaFila, SlabWeightExcludedSubtractsTheSliceOnce) {
    // 20 cm wide span under a 0.12 m slab: 0.12 x 20 x 2.4 / 100 = 0.0576 t/m less.
    Proyecto p = ProyectoNuevo();
    p.incluyePesoLosa = false;
    p.asignacion = {AsignacionLosa{1, 1, 0.12}};
    ActualizaDerivados(p);
    ActualizaDerivados(p);
    EXPECT_NEAR(*p.vanos[0].pesoPropio, 0.192 - 0.0576, 1e-15);
}

TEST(TextoModulo, FollowsTheMaterial) {
    EXPECT_EQ(TextoModulo(kHormigon, "180"), "2.03E+06");
    EXPECT_EQ(TextoModulo(kHormigon, "210"), "2.19E+06");
    EXPECT_EQ(TextoModulo(kHormigon, "0"), "0.00E+00");
    EXPECT_EQ(TextoModulo(kHormigon, "-50"), "0.00E+00");
    EXPECT_EQ(TextoModulo(kAcero, "180"), "2.00E + 06");
    EXPECT_EQ(TextoModulo(kOtro, "180"), "1.0");
}

TEST(RecalculaFila, SteelBeamKeepsItsWeightWhateverTheSlabOption) {
    Proyecto p = ProyectoNuevo();
    p.datos.material = kAcero;
    p.datos.pesoUnitario = "7.85";
    p.perfil = PerfilAcero{"W8X31", 0.005890, 0.2032, 0.2032, 4.58e-5};
    p.incluyePesoLosa = false;
    p.asignacion = {AsignacionLosa{1, 1, 0.12}};
    ActualizaDerivados(p);
    EXPECT_NEAR(*p.vanos[0].pesoPropio, 7.85 * 0.005890, 1e-15);
}
