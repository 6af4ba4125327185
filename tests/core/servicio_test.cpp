// Deflections: cracked sections, effective inertia, the beam analysed again with it, the
// deflected shape, long-term values and limits. Published values of the issue and values
// from tools/referencia/flechas.py, typed here (not computed).
#include <gtest/gtest.h>

#include "core/servicio/seccion_fisurada.h"

using namespace trabelux;

namespace {

constexpr double kEc210 = 218819.79;  // 15100 √210, kg/cm2

}  // namespace

TEST(Servicio, IssueExampleSection) {
    const MaterialesServicio m = MaterialesDeServicio(210, kEc210);
    EXPECT_NEAR(MomentoFisuracion(m.fr, 25, 50), 3.019, 0.0005);
    EXPECT_NEAR(CalculaSeccionFisurada(25, 44, 8.55, m.n, 0, 0).icr, 94597, 1);
    EXPECT_NEAR(CalculaSeccionFisurada(25, 44, 8.55, m.n, 1.42, 6).icr, 95308, 1);
}
