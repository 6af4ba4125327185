#include "cli/comando_planilla.h"

#include <cstdio>

#include "cli/comando_calc.h"
#include "cli/json_envolventes.h"
#include "cli/json_planilla.h"
#include "core/detallado/planilla.h"
#include "io/archivos.h"

namespace trabelux::cli {

int ComandoPlanilla(const OpcionesPlanilla& o) {
    std::optional<Proyecto> p = CargaProyecto(o.proyecto);
    if (!p) return 2;
    AplicaPatron(*p, o.patron);
    if (SoloAnalisis(*p, false, o.opcionDoble)) {
        std::fprintf(stderr, "La planilla de aceros necesita el diseño de una viga de Hormigon\n");
        return 1;
    }
    const Resultados r = CalculaProyecto(*p, false, o.dobleRefuerzo);
    if (!r.Disenado()) {
        std::fprintf(stderr, "%s\n", r.parada.Mensaje().c_str());
        return 1;
    }
    const std::string csv = PlanillaCsv(PlanillaPropuesta(*p, r));  // as calc --json gives it
    if (o.salida.empty()) {
        std::fwrite(csv.data(), 1, csv.size(), stdout);
        return 0;
    }
    const Estado guardado = GuardaSalida(o.salida, csv);
    if (!guardado) {
        std::fprintf(stderr, "%s\n", guardado.Mensaje().c_str());
        return 2;
    }
    return 0;
}

int EjecutaPlanilla(const Argumentos& a) {
    OpcionesPlanilla o;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "-o" && i + 1 < a.size())
            o.salida = a[++i];
        else if (EsArchivo(a[i]) && o.proyecto.empty())
            o.proyecto = a[i];
        else if (a[i] == "--analysis-only" || !LeeOpcionCalculo(a[i], o))
            return Uso("Opcion desconocida: " + a[i]);
    }
    if (o.proyecto.empty()) return Uso("Falta el archivo del proyecto");
    if (!o.patron.empty() && !LeePatron(o.patron))
        return Uso("Valor desconocido de --pattern: " + o.patron);
    return ComandoPlanilla(o);
}

}  // namespace trabelux::cli
