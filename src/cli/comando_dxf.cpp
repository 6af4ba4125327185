#include "cli/comando_dxf.h"

#include <cstdio>

#include "cli/comando_calc.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/dxf/planos_viga.h"
#include "core/reporte/tablas_informe.h"
#include "io/archivos.h"

namespace trabelux::cli {

bool LeeArgumentosDxf(const Argumentos& argumentos, OpcionesDxf& o, std::string& error) {
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == "-o" && i + 1 < argumentos.size()) {
            o.salida = argumentos[++i];
        } else if (a == "--double=yes" || a == "--double=no") {
            o.dobleRefuerzo = a == "--double=yes";
        } else if (!a.empty() && a[0] == '-') {
            error = "Opcion desconocida: " + a;
            return false;
        } else if (o.proyecto.empty()) {
            o.proyecto = a;
        } else {
            error = "Sobra el argumento: " + a;
            return false;
        }
    }
    if (o.proyecto.empty())
        error = "Falta el archivo del proyecto";
    else if (o.salida.empty())
        error = "Falta el archivo del plano (-o)";
    return error.empty();
}

int ComandoDxf(const OpcionesDxf& o) {
    std::optional<Proyecto> p = CargaProyecto(o.proyecto);
    if (!p) return 2;
    if (!AdmiteDiseno(*p)) {
        std::fprintf(stderr,
                     "No se escribió el plano: la viga es de %s y el plano de armado es de vigas "
                     "de Hormigon.\n",
                     NombreMaterial(p->datos.material).c_str());
        return 1;
    }
    const Resultados r = CalculaProyecto(*p, false, o.dobleRefuerzo);
    if (!r.Disenado()) {
        std::fprintf(stderr, "%s\nNo se escribió el plano: la viga no quedó diseñada.\n",
                     r.parada.Mensaje().c_str());
        return 1;
    }
    TablaDetallado detallado;
    CargaDetallado(detallado, *p, r);
    const PlanoViga plano = DibujaPlanoViga(*p, r, detallado);
    const Estado guardado = GuardaSalida(o.salida, plano.dibujo.TextoDxf());
    if (!guardado) {
        std::fprintf(stderr, "%s\n", guardado.Mensaje().c_str());
        return 2;
    }
    // What each layer holds, for whoever checks the file against the drawing.
    int total = 0;
    for (const auto& [capa, n] : plano.dibujo.EntidadesPorCapa()) total += n;
    std::printf("%s: %d entidades, %zu barras\n", o.salida.c_str(), total, plano.planilla.size());
    for (const auto& [capa, n] : plano.dibujo.EntidadesPorCapa())
        std::printf("  %s %d\n", capa.c_str(), n);
    return 0;
}

int EjecutaDxf(const Argumentos& a) {
    OpcionesDxf o;
    std::string error;
    if (!LeeArgumentosDxf(a, o, error)) return Uso(error);
    return ComandoDxf(o);
}

}  // namespace trabelux::cli
