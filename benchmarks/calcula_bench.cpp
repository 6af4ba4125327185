// A complete run of the largest beam the program takes: 20 spans with 20 concentrated
// loads each, analysed and designed (compression steel accepted), with and without the
// bar proposal of the detailing table, and the analysis alone.
#include <benchmark/benchmark.h>

#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"

namespace {

using namespace trabelux;

// The run with compression steel accepted; with `barras`, what the user waits for from
// "Calculo" to the bars: the run, then the proposal.
void CorridaCompleta(benchmark::State& state, bool barras) {
    const Proyecto p = VigaMayor();
    OpcionesCalculo o;
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    for (auto _ : state) {
        Resultados r = Calcula(p, o);
        if (!r.Calculado()) state.SkipWithError(r.parada.Mensaje().c_str());
        benchmark::DoNotOptimize(r);
        if (!barras) continue;
        TablaDetallado tabla;
        CargaDetallado(tabla, p, r);
        benchmark::DoNotOptimize(tabla);
    }
}
void BM_CalculaCompleto(benchmark::State& state) { CorridaCompleta(state, false); }
BENCHMARK(BM_CalculaCompleto)->Unit(benchmark::kMicrosecond);
void BM_CalculaYBarras(benchmark::State& state) { CorridaCompleta(state, true); }
BENCHMARK(BM_CalculaYBarras)->Unit(benchmark::kMicrosecond);

void BM_CalculaSoloAnalisis(benchmark::State& state) {
    const Proyecto p = VigaMayor();
    OpcionesCalculo o;
    o.soloAnalisis = true;
    for (auto _ : state) {
        Resultados r = Calcula(p, o);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CalculaSoloAnalisis)->Unit(benchmark::kMicrosecond);

}  // namespace
