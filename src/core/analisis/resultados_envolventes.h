// Envelopes of the live-load arrangements: what a run with "Alternancia de carga viva"
// leaves beside the all-loaded results. Sign conventions as the run's: moments
// sagging-positive (as drawn), shears V = dM/dx, end forces upwards / counterclockwise on
// the span ends, reactions upwards / counterclockwise. Units t, t-m, m.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trabelux {

struct EstacionesVano;  // resultados.h: the curves use the stations' own form

enum class MetodoEnvolvente { kCasosNorma, kRigurosa };

// One analysed arrangement. Code cases: the N + 2 arrangements of ACI 318-19 6.4.2.
// Rigorous: "carga muerta" (every span's dead load with the concentrated and node loads),
// then "viva en vano j" (span j's live load alone).
struct CasoCarga {
    std::string nombre;                  // "vanos 1-2", "vanos impares", ...; "viva en vano 3"
    uint32_t vanosCargados = 0;          // bit i: span i + 1 carries its live load
    std::vector<double> fuerzasExtremo;  // 4 per span: shear I, moment I, shear J, moment J
    std::vector<float> reacciones;       // by degree of freedom, as Resultados::reacciones
};

// Who governs an envelope value: the case index (code cases) or the mask of spans whose
// live load is on (rigorous; 0 = dead load alone).
using Rige = uint32_t;

struct EnvolventeVano {
    // Governing case of each station of the two curves.
    std::vector<Rige> rigeMomentoMax, rigeMomentoMin, rigeCortanteMax, rigeCortanteMin;
    float momentoPositivo = 0;   // largest sagging moment, exact between stations, >= 0
    float xMomentoPositivo = 0;  // m from the left end
    Rige rigeMomentoPositivo = 0;
    float momentoNegativoCentro = 0;         // hogging of the smallest moment at L/2, >= 0
    float momentoIzq = 0, momentoDer = 0;    // smallest (most hogging) moment at the ends
    float cortanteIzq = 0, cortanteDer = 0;  // largest |V| at the ends (signed)
};

struct EnvolventeNudo {
    float reaccionMax = 0, reaccionMin = 0, momentoMax = 0, momentoMin = 0;
    Rige rigeReaccionMax = 0, rigeReaccionMin = 0, rigeMomentoMax = 0, rigeMomentoMin = 0;
};

struct Envolventes {
    MetodoEnvolvente metodo = MetodoEnvolvente::kCasosNorma;
    std::vector<CasoCarga> casos;
    // The two curves at the run's stations (x of Resultados::diagramas): `maximos` holds the
    // largest shear and moment of every station, `minimos` the smallest.
    std::vector<EstacionesVano> maximos, minimos;
    std::vector<EnvolventeVano> vanos;  // spans 1..n
    std::vector<EnvolventeNudo> nudos;  // nodes 1..n+1
};

}  // namespace trabelux
