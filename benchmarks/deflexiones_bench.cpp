// Deflections of the largest beam the program takes, after its run and bar proposal (both
// outside the timed loop): the service analyses, sections, effective inertias, the
// analyses with them and the deflected shape at every station.
#include <benchmark/benchmark.h>

#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/servicio/deflexiones.h"

namespace {

using namespace trabelux;

// The largest beam with dead and live loads typed; with a live-load arrangement D + L is
// analysed once per code case (22 for 20 spans) instead of once, twice over (gross and
// effective inertia).
void Deflexiones(benchmark::State& state, AlternanciaCargaViva alternancia) {
    const Proyecto p = VigaMayorConVivas(alternancia);
    OpcionesCalculo o;
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    const Resultados r = Calcula(p, o);
    TablaDetallado tabla;
    CargaDetallado(tabla, p, r);
    const DatosNumericos datos = LeeDatosNumericos(p.datos);
    for (auto _ : state) {
        trabelux::Deflexiones d = CalculaDeflexiones(p, datos, r, tabla);
        if (!d.noCalculadas.empty()) state.SkipWithError(d.noCalculadas.c_str());
        benchmark::DoNotOptimize(d);
    }
}
void BM_Deflexiones(benchmark::State& state) { Deflexiones(state, AlternanciaCargaViva::kNinguna); }
BENCHMARK(BM_Deflexiones)->Unit(benchmark::kMicrosecond);
void BM_DeflexionesAlternancia(benchmark::State& state) {
    Deflexiones(state, AlternanciaCargaViva::kCasosNorma);
}
BENCHMARK(BM_DeflexionesAlternancia)->Unit(benchmark::kMicrosecond);

}  // namespace
