// Flexural design of a rectangular section by the strength method: the bottom steel of
// every span, the top steel of every support, compression steel when the user accepts it.
#pragma once

#include <functional>
#include <string>

#include "core/analisis/entrada.h"
#include "core/analisis/resultados.h"
#include "core/base/estado.h"
#include "core/diseno/material_diseno.h"
#include "core/diseno/solicitaciones.h"

namespace trabelux {

// Stress-block depth factor for f'c (kg/cm2), kept within 0.65 .. 0.85.
float Beta1(double fc);

// Largest steel ratio of single reinforcement, 0.75 of the balanced ratio.
double CuantiaMaxima(const MaterialDiseno& m);

// Largest factored moment (kg-cm) the b x d section (cm) carries with single
// reinforcement.
float MomentoLimiteSimple(float b, float d, const MaterialDiseno& m);

enum class EstadoFlexion {
    kSimple,          // tension steel only
    kDoble,           // compression steel accepted
    kDobleRechazado,  // compression steel needed and refused
    kInsuficiente,    // the compression steel would not yield, or no section
};

struct DisenoFlexion {
    EstadoFlexion estado = EstadoFlexion::kSimple;
    float as = 0;             // tension steel, cm2
    float asPrima = 0;        // compression steel, cm2
    float asResistencia = 0;  // tension steel the strength asks, before the minimum, cm2
};

// Designs the section for the factored moment mu (kg-cm, positive) at depth d and width b
// (cm). `aceptaDoble` is asked before compression steel is adopted; without it the answer
// is no.
DisenoFlexion DisenaFlexion(float mu, float d, float b, const MaterialDiseno& m,
                            const std::function<bool()>& aceptaDoble);

// Adds the rows of "REFUERZO EN VANOS" to r.refuerzoVanos: one per span when some span
// sags (tension at the bottom), and one with the tension at the top after a span that is
// not a cantilever and hogs at mid-span. Fails with the message that stops the run.
Estado DisenaVanos(const EntradaCalculo& e, const SolicitacionesDiseno& s, Resultados& r,
                   const std::function<bool()>& aceptaDoble);

// Adds the rows of "REFUERZO EN APOYOS" to r.refuerzoApoyos: one per node with a moment
// of at least 0.001 t-m, its tension steel on the face the moment's sign puts in tension
// (the top one when it hogs), then one on the other face when an arrangement reverses
// the node's moment. Fails with the message that stops the run.
Estado DisenaApoyos(const EntradaCalculo& e, const SolicitacionesDiseno& s, Resultados& r,
                    const std::function<bool()>& aceptaDoble);

// The tension steel of a row added for a reversed moment (ACI 318-19 9.6.1.3): the
// minimum need not exceed 4/3 of the steel the strength asks.
float AreaMinimaReducida(const DisenoFlexion& f, float b, float d, const MaterialDiseno& m);

}  // namespace trabelux
