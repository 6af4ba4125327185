// Deflections of the largest beam the program takes, after its run and bar proposal (both
// outside the timed loop): the service analyses, sections, effective inertias, the two
// analyses with them and the deflected shape at every station.
#include <benchmark/benchmark.h>

#include "comun/viga_mayor.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/servicio/deflexiones.h"

namespace {

using namespace trabelux;

// The largest beam with dead and live loads per span (VigaMayor sets only the last
// column), self weight on, the derived values brought up to date.
Proyecto VigaMayorServicio() {
    Proyecto p = VigaMayor();
    for (size_t i = 0; i < p.vanos.size(); ++i) {
        p.vanos[i].cargaMuerta = 1.5 + 0.05 * static_cast<double>(i);
        p.vanos[i].cargaViva = 1.0;
    }
    RecalculaFilas(p);
    return p;
}

void BM_Deflexiones(benchmark::State& state) {
    const Proyecto p = VigaMayorServicio();
    OpcionesCalculo o;
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    const Resultados r = Calcula(p, o);
    TablaDetallado tabla;
    CargaDetallado(tabla, p, r);
    const DatosNumericos datos = LeeDatosNumericos(p.datos);
    for (auto _ : state) {
        Deflexiones d = CalculaDeflexiones(p, datos, r, tabla);
        if (!d.noCalculadas.empty()) state.SkipWithError(d.noCalculadas.c_str());
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_Deflexiones)->Unit(benchmark::kMicrosecond);

}  // namespace
