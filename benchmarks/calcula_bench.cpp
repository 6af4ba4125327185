// A complete run of the largest beam the program takes: 20 spans with 20 concentrated
// loads each, analysed and designed (compression steel accepted), and the analysis alone.
#include <benchmark/benchmark.h>

#include "analisis/calcula.h"
#include "modelo/derivados.h"
#include "modelo/proyecto.h"

namespace {

using namespace trabelux;

Proyecto VigaMayor() {
    Proyecto p = ProyectoNuevo();
    p.numVanos = kMaxVanos;
    p.vanos.clear();
    for (int i = 0; i < kMaxVanos; ++i) {
        Vano v;
        v.longitud = 4.0 + 0.25 * (i % 5);
        v.base = 30;
        v.altura = 60;
        v.inercia = InerciaRectangular(v.base, v.altura);
        v.cargaUltima = 3.0 + 0.1 * i;
        p.vanos.push_back(v);
        for (int k = 0; k < kMaxCargasPorVano; ++k)
            p.cargas.push_back({i + 1, v.longitud * (k + 0.5) / kMaxCargasPorVano, 0.4});
    }
    p.apoyoIzquierdo = kEmpotrado;
    p.apoyoDerecho = kNoApoyado;
    p.cargasNudo.push_back({5, -2.0, 0.5});
    p.datos.fc = "210";
    p.datos.fy = "4200";
    p.datos.recub = "5";
    return p;
}

void BM_CalculaCompleto(benchmark::State& state) {
    const Proyecto p = VigaMayor();
    OpcionesCalculo o;
    o.preguntaRefuerzoDoble = [](const std::string&) { return true; };
    for (auto _ : state) {
        Resultados r = Calcula(p, o);
        if (!r.calculado) state.SkipWithError(r.mensaje.c_str());
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CalculaCompleto)->Unit(benchmark::kMicrosecond);

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
