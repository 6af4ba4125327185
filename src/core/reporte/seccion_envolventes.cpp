#include "core/reporte/seccion_envolventes.h"

#include <algorithm>

#include "core/dibujo/geometria_diagramas.h"
#include "core/dibujo/geometria_envolventes.h"
#include "core/reporte/composicion.h"
#include "core/reporte/dibujos_informe.h"
#include "core/reporte/tablas_informe.h"
#include "core/reporte/tablas_resultados.h"

namespace trabelux {

namespace {

// A result table of the core as a report table: the first column narrow, the case
// columns wide.
TablaInforme TablaDeTexto(const TablaTexto& t) {
    TablaInforme r;
    for (size_t c = 0; c < t.columnas.size(); ++c) {
        r.formato += (c ? "|" : "") + std::string(c == 0                    ? "^_800"
                                                  : t.columnas[c] == "Caso" ? "<_1500"
                                                                            : "<_1000");
        r.cabecera += (c ? "|" : "") + t.columnas[c];
    }
    for (const auto& fila : t.filas) {
        for (size_t c = 0; c < fila.size(); ++c) r.cuerpo += (c ? "|" : "") + fila[c];
        r.cuerpo += ";";
    }
    return r;
}

}  // namespace

void SeccionEnvolventes(SuperficiePagina& s, const ConfiguracionInforme& c, const Proyecto& p,
                        const Resultados& r, const TablaDetallado*) {
    if (!r.envolventes) return;
    const Envolventes& env = *r.envolventes;
    std::vector<std::string> parrafos;
    if (env.metodo == MetodoEnvolvente::kCasosNorma)
        parrafos.push_back(
            "Método: casos de la norma (ACI 318-19, 6.4.2): carga viva en los dos vanos "
            "adyacentes a cada apoyo interior, en los vanos impares, en los vanos pares y en "
            "todos los vanos.");
    else
        parrafos.push_back(
            "Método: envolvente rigurosa: carga muerta más la carga viva de cada vano donde es "
            "desfavorable; equivale al peor de los 2^N arreglos de carga viva (ACI 318-19, "
            "6.4.2).");
    parrafos.push_back(
        "Carga muerta mayorada en todos los vanos y carga viva mayorada según el caso. Las "
        "cargas concentradas y las cargas en los nudos son cargas últimas y actúan en todos los "
        "casos.");
    parrafos.push_back(
        "El diseño toma de las envolventes el mayor momento positivo de cada vano (exacto entre "
        "estaciones), el mayor momento negativo de cada apoyo y el mayor cortante a la "
        "distancia d de cada extremo.");
    parrafos.push_back("Casos:");
    for (size_t k = 0; k < env.casos.size(); ++k)
        parrafos.push_back(std::to_string(k + 1) + ". " + env.casos[k].nombre);
    SeccionTexto(s, c, "Envolventes por alternancia de carga viva", parrafos, 300);

    const std::vector<TablaTexto> tablas = TablasEnvolventes(r);
    Seccion(s, c, "Reacciones extremas", TablaDeTexto(tablas[0]),
            "Reacciones en To y momentos en To-m");
    Seccion(s, c, "Envolventes por vano", TablaDeTexto(tablas[1]),
            "Momentos en To-m, cortantes en To (V = dM/dx), x en m");

    if (c.diagramas != OpcionDiagramas::kCortanteMomento) return;
    const int n = NumVanosInforme(p);
    const double maxV = MaximoEnvolvente(env, n, Magnitud::kCortante, r.maxCortante);
    const double maxM = MaximoEnvolvente(env, n, Magnitud::kMomento, r.maxMomento);
    s.NuevaPagina();
    UsaEstiloTexto(s, c);
    DibujaEnvolventeInforme(s, c, Magnitud::kCortante, p, r, EscalaDiagrama(maxV),
                            c.estilos[kEstiloCortante].color);
    UsaEstiloTexto(s, c);
    DibujaEnvolventeInforme(s, c, Magnitud::kMomento, p, r, EscalaDiagrama(maxM),
                            c.estilos[kEstiloMomento].color);
    UsaEstiloTexto(s, c);
}

}  // namespace trabelux
