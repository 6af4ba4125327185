#include "gui/documento/informe_documento.h"

#include "core/reporte/composicion.h"
#include "gui/documento/documento.h"
#include "render/informe_pdf.h"

namespace trabelux {

ComposicionInforme InformeDelDocumento(Documento& doc) {
    return [&doc](SuperficiePagina& s) {
        ConfiguracionInforme c = doc.ConfiguracionReporte();
        c.fecha = FechaInforme();
        if (doc.ResultadosDesactualizados()) c.avisoResultados = kAvisoResultadosDesactualizados;
        // Current results describe the project as it stands (header and footer included,
        // which the report window edits after the run).
        const TablaDetallado* barras = c.refuerzo && doc.Disenado() ? &doc.Detallado() : nullptr;
        ComponeInforme(s, doc.ProyectoActual(), doc.UltimosResultados(), barras, c);
    };
}

}  // namespace trabelux
