// The largest beam the program takes: 20 spans with 20 concentrated loads each, a fixed
// left end, a free right end and a node load. Shared by the benchmarks and the tests that
// push the report to its limits.
#pragma once

#include "modelo/derivados.h"
#include "modelo/proyecto.h"

namespace trabelux {

inline Proyecto VigaMayor() {
    Proyecto p = ProyectoNuevo();
    p.numVanos = kMaxVanos;
    p.vanos.clear();
    for (int i = 0; i < kMaxVanos; ++i) {
        Vano v;
        v.longitud = 4.0 + 0.25 * (i % 5);
        v.base = 30;
        v.altura = 60;
        v.inercia = InerciaRectangular(v.base, v.altura);
        v.cargaUltima = 3.0 + 0.1 * i;
        p.vanos.push_back(v);
        for (int k = 0; k < kMaxCargasPorVano; ++k)
            p.cargas.push_back({i + 1, v.longitud * (k + 0.5) / kMaxCargasPorVano, 0.4});
    }
    p.apoyoIzquierdo = kEmpotrado;
    p.apoyoDerecho = kNoApoyado;
    p.cargasNudo.push_back({5, -2.0, 0.5});
    p.datos.fc = "210";
    p.datos.fy = "4200";
    p.datos.recub = "5";
    return p;
}

}  // namespace trabelux
