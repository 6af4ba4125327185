// Loading, updating and resetting the detailing table, and its section shapes.
#include "detallado/detallado.h"

#include <algorithm>
#include <string>

namespace trabelux {

namespace {

std::string Etiqueta(int k) { return std::to_string(k) + "-" + std::to_string(k); }

}  // namespace

void MyLoad(TablaDetallado& tabla, const Proyecto& proyecto, const Resultados& resultados) {
    const int n = std::clamp(proyecto.numVanos, 1, kMaxVanos);
    tabla.filas.clear();
    for (int k = 1; k <= 2 * n + 1; ++k) {
        FilaDetallado f;
        f.dib = true;
        f.ubic =
            k % 2 == 1 ? "Apoyo " + std::to_string((k + 1) / 2) : "Vano " + std::to_string(k / 2);
        f.sec = Etiqueta(k);
        f.tipo = "Rect";
        f.barraPercha = 0;
        f.cantPercha = 2;
        tabla.filas.push_back(f);
    }
    CalculaBarras(tabla, proyecto, resultados);
    tabla.filas[0].barraInferior = tabla.filas[1].barraInferior;
    tabla.barrasCargadas = true;
}

void VaciaDetallado(TablaDetallado& tabla) {
    tabla.filas.clear();
    tabla.barrasCargadas = false;
}

void AbreDetallado(TablaDetallado& tabla, const Proyecto& proyecto, const Resultados& resultados) {
    if (!tabla.barrasCargadas) MyLoad(tabla, proyecto, resultados);
}

void Actualizar(TablaDetallado& tabla, const Proyecto& proyecto, const Resultados& resultados) {
    CalculaBarras(tabla, proyecto, resultados);
    int k = 0;
    for (auto& f : tabla.filas) {
        if (f.dib) {
            f.sec = Etiqueta(++k);
            continue;
        }
        FilaDetallado vacia;
        vacia.dib = false;
        vacia.ubic = f.ubic;
        f = vacia;
    }
}

void Reinicia(TablaDetallado& tabla, const Proyecto& proyecto, const Resultados& resultados) {
    VaciaDetallado(tabla);
    MyLoad(tabla, proyecto, resultados);
}

bool CambiaOpciones(TablaDetallado& tabla, int fila, int opcion) {
    const auto codigo = CodigoTipo(opcion);
    if (!codigo || fila < 0 || fila >= static_cast<int>(tabla.filas.size())) return false;
    tabla.filas[fila].tipo = *codigo;
    return true;
}

bool CambiaOpcionesTodos(TablaDetallado& tabla, int opcion) {
    const auto codigo = CodigoTipo(opcion);
    if (!codigo) return false;
    for (auto& f : tabla.filas) f.tipo = *codigo;
    return true;
}

}  // namespace trabelux
