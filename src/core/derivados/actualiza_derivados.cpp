#include "core/derivados/actualiza_derivados.h"

#include "core/losas/transferencia.h"
#include "core/modelo/filas_vano.h"

namespace trabelux {

Estado ActualizaDerivados(Proyecto& p) {
    const Estado losas = UsaLosas(p) && p.losas ? TransfiereLosas(p) : Estado::Bien();
    RecalculaFilas(p);
    return losas;
}

}  // namespace trabelux
