// Rules of the general data: material, modulus, load options, the load-control check,
// the global inertia and the steel-shape panel's "OK".
#include "modelo/datos_generales.h"

#include <gtest/gtest.h>

#include "modelo/derivados.h"

using namespace trabelux;

TEST(DatosGenerales, ModulusFollowsFcAndMaterial) {
    struct Caso {
        int material;
        const char* fc;
        const char* modulo;
    } casos[] = {
        {kHormigon, "180", "2.03E+06"}, {kHormigon, "0", "0.00E+00"},
        {kHormigon, "-5", "0.00E+00"},  {kHormigon, "", "0.00E+00"},
        {kHormigon, "250", "2.39E+06"}, {kAcero, "180", "2.00E + 06"},
        {kOtro, "180", "1.0"},
    };
    for (const auto& c : casos) {
        DatosGenerales d;
        d.material = c.material;
        CambiaFc(d, c.fc);
        EXPECT_EQ(d.fc, c.fc);
        EXPECT_EQ(d.moduloE, c.modulo) << c.material << " " << c.fc;
    }
}

TEST(DatosGenerales, ChoosingTheMaterialSetsItsTexts) {
    struct Caso {
        int material;
        bool enCarga;
        int inercia;
        const char *modulo, *fd, *fl, *gamma;
        bool abrePanel;
    } casos[] = {
        {kHormigon, false, kInerciaBh3, "2.03E+06", "1.4", "1.7", "2.4", false},
        {kAcero, false, kInerciaOtra, "2.00E + 06", "1.0", "1.0", "7.85", true},
        {kAcero, true, kInerciaOtra, "2.00E + 06", "1.0", "1.0", "7.85", false},
        {kOtro, false, kInerciaOtra, "1.0", "1.0", "1.0", "1.0", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.material);
        DatosGenerales d;
        d.opcionInercia = c.inercia == kInerciaBh3 ? kInerciaOtra : kInerciaBh3;
        d.factorMuerta = d.factorViva = d.pesoUnitario = "3";
        EXPECT_EQ(EligeMaterial(d, c.material, c.enCarga), c.abrePanel);
        EXPECT_EQ(d.material, c.material);
        EXPECT_EQ(d.opcionInercia, c.inercia);
        EXPECT_EQ(d.moduloE, c.modulo);
        EXPECT_EQ(d.factorMuerta, c.fd);
        EXPECT_EQ(d.factorViva, c.fl);
        EXPECT_EQ(d.pesoUnitario, c.gamma);
    }
}

TEST(DatosGenerales, SwitchingToOtraNormalisesTheGlobalInertia) {
    DatosGenerales d;
    d.inercia = "";
    EligeMaterial(d, kOtro, false);
    EXPECT_EQ(d.inercia, "1.000000");
    d.inercia = "0.00123";
    EligeMaterial(d, kAcero, true);
    EXPECT_EQ(d.inercia, "0.001230");
    // Concrete leaves the text alone.
    d.inercia = "7";
    EligeMaterial(d, kHormigon, false);
    EXPECT_EQ(d.inercia, "7");
}

TEST(DatosGenerales, LoadOptionsSetTheFactors) {
    DatosGenerales d;
    EligeOpcionCarga(d, true);
    EXPECT_TRUE(d.usaCargaTotal);
    EXPECT_EQ(d.factorMuerta, "1.0");
    EXPECT_EQ(d.factorViva, "1.0");
    EligeOpcionCarga(d, false);
    EXPECT_FALSE(d.usaCargaTotal);
    EXPECT_EQ(d.factorMuerta, "1.4");
    EXPECT_EQ(d.factorViva, "1.7");
    EXPECT_EQ(TextoCargaTotal(kHormigon), "Usa carga ultima total");
    EXPECT_EQ(TextoCargaTotal(kAcero), "Usa carga total");
}

TEST(DatosGenerales, LoadControlChecksInOrder) {
    struct Caso {
        const char *fd, *fl, *gamma;
        bool pesoPropio;
        bool cierra;
        const char* mensaje;
        const char *fdDespues, *flDespues, *gammaDespues;
    } casos[] = {
        // The dead-load factor is refused before the live-load factor is looked at.
        {"0.9", "0.5", "0.5", true, false, kMensajeFactorMuerta, "1.0", "0.5", "0.5"},
        {"1.4", "0.9", "0.5", true, false, kMensajeFactorViva, "1.4", "1.0", "0.5"},
        {"1.4", "1.7", "0.5", true, false, kMensajePesoUnitario, "1.4", "1.7", "1.0"},
        // Without self weight a small unit weight is reset silently.
        {"1.4", "1.7", "0.5", false, true, "", "1.4", "1.7", "1.0"},
        {"1.0", "1.0", "1.0", true, true, "", "1.0", "1.0", "1.0"},
        {"", "1.7", "2.4", true, false, kMensajeFactorMuerta, "1.0", "1.7", "2.4"},
        {"1.4", "1.7", "abc", true, false, kMensajePesoUnitario, "1.4", "1.7", "1.0"},
        // Beyond the range: refused whatever the order and whether self weight is computed.
        {"0.9", "1e300", "2.4", true, false,
         "El valor 1E+300 del factor de carga viva está fuera del rango que el programa puede "
         "calcular.",
         "0.9", "1.0", "2.4"},
        {"1.4", "1.7", "1e39", false, false,
         "El valor 1E+39 del peso unitario está fuera del rango que el programa puede calcular.",
         "1.4", "1.7", "1.0"},
    };
    for (const auto& c : casos) {
        DatosGenerales d;
        d.factorMuerta = c.fd;
        d.factorViva = c.fl;
        d.pesoUnitario = c.gamma;
        d.calculaPesoPropio = c.pesoPropio;
        VerificacionCarga v = VerificaControlCarga(d);
        SCOPED_TRACE(std::string(c.fd) + " " + c.fl + " " + c.gamma);
        EXPECT_EQ(v.cierra, c.cierra);
        EXPECT_EQ(v.mensaje, c.mensaje);
        EXPECT_EQ(d.factorMuerta, c.fdDespues);
        EXPECT_EQ(d.factorViva, c.flDespues);
        EXPECT_EQ(d.pesoUnitario, c.gammaDespues);
    }
}

TEST(DatosGenerales, InertiaPanelFormat) {
    struct Caso {
        const char* texto;
        const char* esperado;
    } casos[] = {
        {"0.0001234", "0.000123"}, {"1", "1.000000"},         {"2.5E-3", "0.002500"},
        {"0", "1.000000"},         {"-2", "1.000000"},        {"", "1.000000"},
        {"abc", "1.000000"},       {"0.0000001", "1.000000"}, {"0.0000005", "0.000001"},
    };
    for (const auto& c : casos) EXPECT_EQ(NormalizaInercia(c.texto), c.esperado) << c.texto;
}

TEST(DatosGenerales, ShapeOkWithNingunoResetsTheInertiaOnly) {
    Proyecto p = ProyectoNuevo();
    p.datos.base = "25.0";
    p.datos.altura = "50.0";
    p.datos.opcionInercia = kInerciaOtra;
    p.datos.inercia = "0.002000";
    PerfilAcero w{"W8X31", 0.00589, 0.2032, 0.2032, 4.58e-5};
    AceptaPerfil(p, 0, 3, w);
    EXPECT_EQ(p.datos.inercia, "1");
    EXPECT_EQ(p.datos.opcionInercia, kInerciaBh3);
    EXPECT_EQ(p.datos.base, "25.0");
    EXPECT_EQ(p.datos.altura, "50.0");
    EXPECT_EQ(p.datos.familiaPerfil, 0);
    EXPECT_FALSE(p.perfil);
}

TEST(DatosGenerales, ShapeOkCarriesTheSectionToTheShownSpans) {
    Proyecto p = ProyectoNuevo();
    EligeMaterial(p.datos, kAcero, false);
    p.vanos.assign(3, p.vanos[0]);
    p.numVanos = 2;
    PerfilAcero w{"W8X31", 0.00589031, 0.2032, 0.2032, 110 * 4.162314256e-7};
    AceptaPerfil(p, 1, 0, w);
    EXPECT_EQ(p.datos.familiaPerfil, 1);
    EXPECT_EQ(p.datos.designacionPerfil, 0);
    EXPECT_EQ(p.datos.base, "20.3");
    EXPECT_EQ(p.datos.altura, "20.3");
    EXPECT_EQ(p.datos.inercia, "0.000046");
    EXPECT_EQ(p.datos.opcionInercia, kInerciaOtra);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(p.vanos[i].base, 20.32, 1e-9);
        EXPECT_NEAR(p.vanos[i].inercia, 4.5785e-5, 1e-9);
        // Self weight of the shape: unit weight 7.85 t/m3 times its area.
        EXPECT_NEAR(*p.vanos[i].pesoPropio, 7.85 * 0.00589031, 1e-9);
    }
    EXPECT_NEAR(p.vanos[2].inercia, InerciaRectangular(20, 40), 1e-12);
}
