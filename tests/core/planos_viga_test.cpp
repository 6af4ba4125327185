// The beam's reinforcement drawing for the drafting office: bars and schedule agree, the
// elevation is at its true length, and a beam without bars draws no steel.
#include "core/dxf/planos_viga.h"

#include <gtest/gtest.h>

#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "core/modelo/datos_numericos.h"

namespace trabelux {
namespace {

TEST(PlanosViga, LaPlanillaEsLaDeLaVigaYCabeEnElla) {
    for (int n : {1, 2, 3, 7, 20}) {
        std::vector<double> largos;
        for (int i = 0; i < n; ++i) largos.push_back(3.5 + (i % 4) * 0.75);
        Proyecto p = VigaUniforme(largos, 3);
        OpcionesCalculo o;
        o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
        const Resultados r = Calcula(p, o);
        ASSERT_TRUE(r.Disenado()) << n;
        TablaDetallado t;
        CargaDetallado(t, p, r);
        const PlanoViga plano = DibujaPlanoViga(p, r, t);
        double largo = 0;
        for (double l : largos) largo += 100 * l;

        // The drawing's schedule is the beam's bar schedule, mark for mark.
        Despiece despiece = CalculaDespiece(p, r, t, LeeDatosNumericos(p.datos).largoComercial);
        const Planilla planilla = ComponePlanilla(despiece, p);
        ASSERT_EQ(plano.planilla.size(), planilla.lineas.size()) << n;
        double kg = 0;
        for (size_t k = 0; k < plano.planilla.size(); ++k) {
            const FilaPlanilla& f = plano.planilla[k];
            EXPECT_EQ(f.marca, planilla.lineas[k].marca);
            EXPECT_EQ(f.cantidad, planilla.lineas[k].cantidad);
            kg += f.peso;
            // Straight within the beam, the hooks at most its depth each.
            EXPECT_GT(f.longitud, 0) << n << " " << f.marca;
            EXPECT_LE(f.longitud, largo + 2 * 50) << n << " " << f.marca;
            EXPECT_GT(f.peso, 0);
        }
        EXPECT_NEAR(kg, planilla.kgTotal, 1e-9) << n;
        // Every layer is used; the elevation's axes at both ends of the true length.
        const auto capas = plano.dibujo.EntidadesPorCapa();
        EXPECT_EQ(capas.size(), 9u) << n;
        EXPECT_EQ(capas.at(capas_dxf::kEjes), n + 1);
        EXPECT_EQ(capas.at(capas_dxf::kApoyos), n + 1);
        const auto caja = plano.dibujo.Extension();
        ASSERT_TRUE(caja);
        EXPECT_LE(caja->minimo.x, 0);
        EXPECT_GE(caja->maximo.x, largo);

        // Without bars in the table the beam is drawn alone.
        const PlanoViga sola = DibujaPlanoViga(p, r, TablaDetallado{});
        EXPECT_TRUE(sola.planilla.empty());
        EXPECT_EQ(sola.dibujo.EntidadesPorCapa().count(capas_dxf::kAceroInferior), 0u);
        EXPECT_EQ(sola.dibujo.EntidadesPorCapa().count(capas_dxf::kAceroSuperior), 0u);
    }
}

}  // namespace
}  // namespace trabelux
