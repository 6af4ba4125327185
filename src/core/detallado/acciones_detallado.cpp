// Loading, updating and resetting the detailing table, and its section shapes.
#include "core/detallado/acciones_detallado.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <utility>

namespace trabelux {

namespace {

// The texts of a row are written into one buffer and stored in place: the table is
// loaded after every run, and building and moving temporaries cost more than the proposal.
void PonConNumero(std::string& destino, std::string_view prefijo, int k) {
    char buf[32];
    prefijo.copy(buf, prefijo.size());
    char* fin = std::to_chars(buf + prefijo.size(), buf + sizeof buf, k).ptr;
    destino.assign(buf, static_cast<size_t>(fin - buf));
}

// "3-3"
void PonEtiqueta(std::string& destino, int k) {
    char buf[32];
    char* medio = std::to_chars(buf, buf + sizeof buf / 2, k).ptr;
    *medio = '-';
    char* fin = std::to_chars(medio + 1, buf + sizeof buf, k).ptr;
    destino.assign(buf, static_cast<size_t>(fin - buf));
}

}  // namespace

void CargaDetallado(TablaDetallado& tabla, const Proyecto& proyecto, const Resultados& resultados) {
    const int n = std::clamp(proyecto.numVanos, 1, kMaxVanos);
    tabla.filas.clear();
    tabla.filas.reserve(static_cast<size_t>(2 * n + 1));
    for (int k = 1; k <= 2 * n + 1; ++k) {
        FilaDetallado& f = tabla.filas.emplace_back();
        f.dib = true;
        if (k % 2 == 1)
            PonConNumero(f.ubic, "Apoyo ", (k + 1) / 2);
        else
            PonConNumero(f.ubic, "Vano ", k / 2);
        PonEtiqueta(f.sec, k);
        f.tipo = "Rect";
        f.barraPercha = 0;
        f.cantPercha = 2;
    }
    ProponeBarras(tabla, proyecto, resultados);
    tabla.filas[0].barraInferior = tabla.filas[1].barraInferior;
    tabla.barrasCargadas = true;
}

void VaciaDetallado(TablaDetallado& tabla) {
    tabla.filas.clear();
    tabla.barrasCargadas = false;
}

void AbreDetallado(TablaDetallado& tabla, const Proyecto& proyecto, const Resultados& resultados) {
    if (!tabla.barrasCargadas) CargaDetallado(tabla, proyecto, resultados);
}

void ActualizaDetallado(TablaDetallado& tabla, const Proyecto& proyecto,
                        const Resultados& resultados) {
    ProponeBarras(tabla, proyecto, resultados);
    int k = 0;
    for (auto& f : tabla.filas) {
        if (f.dib) {
            PonEtiqueta(f.sec, ++k);
            continue;
        }
        FilaDetallado vacia;
        vacia.dib = false;
        vacia.ubic = f.ubic;
        f = vacia;
    }
}

void ReiniciaDetallado(TablaDetallado& tabla, const Proyecto& proyecto,
                       const Resultados& resultados) {
    VaciaDetallado(tabla);
    CargaDetallado(tabla, proyecto, resultados);
}

bool EligeTipo(TablaDetallado& tabla, int fila, int opcion) {
    const auto codigo = CodigoTipo(opcion);
    if (!codigo || fila < 0 || fila >= static_cast<int>(tabla.filas.size())) return false;
    tabla.filas[fila].tipo = *codigo;
    return true;
}

bool EligeTipoTodas(TablaDetallado& tabla, int opcion) {
    const auto codigo = CodigoTipo(opcion);
    if (!codigo) return false;
    for (auto& f : tabla.filas) f.tipo = *codigo;
    return true;
}

}  // namespace trabelux
