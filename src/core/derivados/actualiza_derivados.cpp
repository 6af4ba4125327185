#include "core/derivados/actualiza_derivados.h"

#include "core/losas/transferencia.h"
#include "core/modelo/filas_vano.h"

namespace trabelux {

std::string ActualizaDerivados(Proyecto& p) {
    std::string mensaje;
    if (UsaLosas(p) && p.losas) mensaje = ReacLos(p);
    RecalculaFilas(p);
    return mensaje;
}

}  // namespace trabelux
