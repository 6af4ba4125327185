#include "cli/json_planilla.h"

#include "core/detallado/acciones_detallado.h"
#include "core/detallado/despiece.h"
#include "core/detallado/planilla.h"
#include "core/modelo/datos_numericos.h"

namespace trabelux::cli {

namespace {

const char* ClaveForma(Forma f) {
    switch (f) {
        case Forma::kRecta:
            return "straight";
        case Forma::kUnGancho:
            return "one_hook";
        case Forma::kDosGanchos:
            return "two_hooks";
        case Forma::kEstriboCerrado:
            return "stirrup";
    }
    return "";
}

}  // namespace

Planilla PlanillaPropuesta(const Proyecto& p, const Resultados& r) {
    TablaDetallado t;
    CargaDetallado(t, p, r);
    Despiece d = CalculaDespiece(p, r, t, LeeDatosNumericos(p.datos).largoComercial);
    return ComponePlanilla(d, p);
}

void JsonPlanilla(Json& j, const Proyecto& p, const Resultados& r) {
    j.AbreLista("schedule");
    if (!r.Disenado()) {
        j.CierraLista();
        j.Nulo("schedule_totals");
        j.Nulo("quantities");
        return;
    }
    const Planilla pl = PlanillaPropuesta(p, r);  // the proposal, as "bars" reports it
    for (const auto& l : pl.lineas)
        j.Abre()
            .Texto("mark", l.marca)
            .Texto("location", l.ubicacion)
            .Entero("bar", l.barra)
            .Texto("shape", ClaveForma(l.forma))
            .Texto("dimensions", l.dimensiones)
            .Entero("count", l.cantidad)
            .Numero("cut_length", l.corte)
            .Numero("total_length", l.total)
            .Numero("kg_per_m", l.kgPorMetro)
            .Numero("kg", l.kg)
            .Cierra();
    j.CierraLista();
    j.Abre("schedule_totals");
    j.AbreLista("by_bar");  // kg of each of the five bars, in the order of their indices
    for (double kg : pl.kgPorBarra) j.Numero("", kg);
    j.CierraLista();
    j.Numero("kg", pl.kgTotal);
    j.Cierra();
    const Cantidades c = CalculaCantidades(p, pl);
    j.Abre("quantities")
        .Numero("concrete_m3", c.volumen)
        .Numero("formwork_m2", c.encofrado)
        .Numero("steel_kg", c.acero)
        .Numero("steel_kg_per_m3", c.cuantia)
        .Cierra();
}

}  // namespace trabelux::cli
