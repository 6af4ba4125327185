// The point-load dialog's "OK": distances kept within their span, loads put in order and
// counted per span, node loads put in order and counted.
#pragma once

#include <string>
#include <vector>

#include "core/base/resultado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

inline constexpr const char* kAvisoDistancias =
    "Las distancias menores que cero o mayores que la longitud del vano\n"
    "han sido cambiadas a cero o al valor de L, segun el caso";

struct CargasAceptadas {
    std::string aviso;           // kAvisoDistancias when a distance was moved, otherwise ""
    std::vector<int> numCargas;  // NumCargas of spans 1..numVanos (index 0 = span 1)
    int numCargNudos = 0;        // node-load rows with a node number above 0
};

// The span or node a typed load may be placed on: spans 1..numVanos, nodes 1..numVanos + 1.
// Fails with the refusal naming that range ("El vano debe estar entre 1 y 4").
Estado VerificaVanoDeCarga(const Proyecto& p, double vano);
Estado VerificaNudoDeCarga(const Proyecto& p, double nudo);

// AceptaCargas: refuses a span holding more than 20 loads (nothing changes); otherwise
// moves every
// distance of a span the grid holds into 0..L of that span, orders the span loads by
// span, then distance, then load (numerically), and the node loads by node number
// (rows of one node keep their order; node 0 or empty stays, first, uncounted).
Resultado<CargasAceptadas> AceptaCargas(Proyecto& p);

}  // namespace trabelux
