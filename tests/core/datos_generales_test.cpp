// Rules of the general data: material, modulus, load options, the load-control check,
// the global inertia and the steel-shape panel's "OK".
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "core/derivados/actualiza_derivados.h"
#include "core/modelo/datos_numericos.h"
#include "core/modelo/reglas_datos_generales.h"

using namespace trabelux;

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
        const Estado v = VerificaControlCarga(d);
        SCOPED_TRACE(std::string(c.fd) + " " + c.fl + " " + c.gamma);
        EXPECT_EQ(v.EsBien(), c.cierra);
        EXPECT_EQ(v.Mensaje(), c.mensaje);
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

// The texts as the run and the derived values read them: blanks inside a number do not
// count, "D" is an exponent, a blank global load is none while "0" is a load of zero.
TEST(DatosGenerales, ReadAsNumbersOnce) {
    DatosGenerales d;
    d.moduloE = "2.00E + 06";
    d.fc = "2.1D2";
    d.cargaMuerta = "  ";
    d.cargaViva = "0";
    d.recub = "";
    const DatosNumericos n = LeeDatosNumericos(d);
    EXPECT_EQ(n.moduloE, 2e6);
    EXPECT_EQ(n.fc, 210);
    EXPECT_FALSE(n.cargaMuerta.has_value());
    EXPECT_EQ(n.cargaViva, std::optional<double>(0.0));
    EXPECT_EQ(n.recub, 0);
    EXPECT_EQ(std::make_tuple(n.fy, n.factorMuerta, n.pesoUnitario),
              std::make_tuple(2800.0, 1.4, 2.4));
}
