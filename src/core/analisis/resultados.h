// What one run of the analysis and design leaves: end forces, reactions, stations,
// largest moments, and the three reinforcement tables as ordered rows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/analisis/resultados_envolventes.h"
#include "core/base/estado.h"

namespace trabelux {

// End forces of one span, acting on the span ends: upwards and counterclockwise positive.
struct FuerzasVano {
    double cortanteI = 0;  // shear at the left end I, t
    double momentoI = 0;   // moment at the left end I, t-m
    double cortanteJ = 0;  // shear at the right end J, t
    double momentoJ = 0;   // moment at the right end J, t-m
};

// Stations of one span: abscissa from the left end, shear and sagging-positive moment.
struct EstacionesVano {
    std::vector<float> x;
    std::vector<float> cortante;
    std::vector<float> momento;
};

// The face of a section whose steel is in tension: the top one over a hogging moment,
// the bottom one under a sagging moment.
enum class Cara { kSuperior, kInferior };

// Row of "REFUERZO EN APOYOS": node, Mu/100000 (t-m), tension steel over the support
// ("Area Ref Superior") and compression steel ("Area Ref Inferior"), cm2.
struct FilaRefuerzoApoyo {
    int nudo = 0;
    float momento = 0;
    float areaSuperior = 0;
    float areaInferior = 0;
    Cara traccion = Cara::kSuperior;  // a support hogs unless its moment sags
};

// Row of "REFUERZO EN VANOS": span, largest span moment (t-m), compression steel
// ("Area Ref Superior") and tension steel ("Area Ref Inferior"), cm2.
struct FilaRefuerzoVano {
    int vano = 0;
    float momento = 0;
    float areaSuperior = 0;
    float areaInferior = 0;
    Cara traccion = Cara::kInferior;  // a span sags unless its moment hogs
};

// Row of "REFUERZO TRANSVERSAL": end shears at d (t), area per metre provided (cm2/m)
// and the stirrup text ("ø3/8 a 0.175", UTF-8).
struct FilaRefuerzoTransversal {
    int vano = 0;
    float cortanteI = 0;
    float cortanteJ = 0;
    float areaPorMetro = 0;
    std::string estribos;
};

// How far a run went.
enum class EtapaCalculo {
    kSinCalcular,  // no analysis: no run yet, or the run stopped before its analysis finished
    kAnalizado,    // an analysis-only run finished
    kDetenido,     // the analysis finished and the design stopped
    kDisenado,     // an analysis-and-design run finished
};

struct Resultados {
    EtapaCalculo etapa = EtapaCalculo::kSinCalcular;
    // Why the run stopped (kSinCalcular after a run, kDetenido); fine otherwise.
    Estado parada;
    // True when the modulus text read below 1.0 and the run used 1.0: the caller puts
    // "1.0" back into the general data.
    bool moduloCorregido = false;
    // The user accepted compression steel when a section asked for it.
    bool refuerzoDoble = false;

    int numVanos = 0;                         // spans analysed
    std::vector<FuerzasVano> fuerzasExtremo;  // spans 1..n at [0..n-1]
    std::vector<float> reacciones;            // by degree of freedom 1..2(n+1) at [0..2n+1]
    std::vector<float> momMaxVano;            // largest sagging moment per span, 0 if none
    std::vector<float> posMomMax;             // its distance from the left end, m
    std::vector<EstacionesVano> diagramas;    // one per span
    float maxCortante = 0;
    float maxMomento = 0;

    std::vector<FilaRefuerzoApoyo> refuerzoApoyos;
    std::vector<FilaRefuerzoVano> refuerzoVanos;
    std::vector<FilaRefuerzoTransversal> refuerzoTransversal;

    // With a live-load arrangement ("Alternancia de carga viva"), its cases and envelopes;
    // the members above then hold the all-loaded case. Absent without one.
    std::optional<Envolventes> envolventes;

    // The analysis finished: end forces, reactions and stations are valid.
    bool AnalisisCompleto() const { return etapa != EtapaCalculo::kSinCalcular; }
    // The whole run finished without a stop.
    bool Calculado() const {
        return etapa == EtapaCalculo::kAnalizado || etapa == EtapaCalculo::kDisenado;
    }
    // An analysis-and-design run finished: there are bars to propose.
    bool Disenado() const { return etapa == EtapaCalculo::kDisenado; }

    // The reaction force (t, upwards positive) and moment (t-m, counterclockwise positive)
    // at node `nudo` (1-based); 0 for a node the run left no reaction for.
    float ReaccionNudo(int nudo) const { return ReaccionGrado(2 * nudo - 2); }
    float MomentoNudo(int nudo) const { return ReaccionGrado(2 * nudo - 1); }

  private:
    float ReaccionGrado(int k) const {
        return k >= 0 && k < static_cast<int>(reacciones.size()) ? reacciones[k] : 0.0f;
    }
};

}  // namespace trabelux
