// The bars of the largest beam with their lengths and their schedule, after the run and the
// proposal (outside the timed loop): what the detailing window redoes on every edit.
#include <benchmark/benchmark.h>

#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"

namespace trabelux {

namespace {

void BM_Despiece(benchmark::State& state) {
    const Proyecto p = VigaMayor();
    OpcionesCalculo o;
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    const Resultados r = Calcula(p, o);
    TablaDetallado t;
    CargaDetallado(t, p, r);
    for (auto _ : state) {
        Despiece d = CalculaDespiece(p, r, t);
        Planilla pl = ComponePlanilla(d, p);
        benchmark::DoNotOptimize(pl.kgTotal);
    }
}
BENCHMARK(BM_Despiece)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace trabelux
