#include "documento/informe_documento.h"

#include "documento/documento.h"
#include "reporte/inicia.h"

namespace trabelux {

ComponeInforme InformeDelDocumento(Documento& doc) {
    return [&doc](SuperficiePagina& s) {
        ConfiguracionInforme c = doc.ConfiguracionReporte();
        c.fecha = FechaInforme();
        const Resultados* r = doc.UltimosResultados();
        const Proyecto* calculado = doc.ProyectoCalculado();
        const Proyecto& p = r && calculado ? *calculado : doc.ProyectoActual();
        const TablaDetallado* barras = c.refuerzo && doc.Disenado() ? &doc.Detallado() : nullptr;
        Inicia(s, p, r, barras, c);
    };
}

}  // namespace trabelux
