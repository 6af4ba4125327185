// Beams the tests and benchmarks build: equal sections under a uniform load, and the
// largest beam the program takes (20 spans with 20 concentrated loads each, a fixed left
// end, a free right end and a node load).
#pragma once

#include <vector>

#include "core/modelo/filas_vano.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// Spans of 25 x 50 cm with the ultimate uniform load w (t/m) on every one.
inline Proyecto VigaUniforme(const std::vector<double>& largos, double w,
                             CondicionExtremo izq = CondicionExtremo::kApoyado,
                             CondicionExtremo der = CondicionExtremo::kApoyado) {
    Proyecto p = ProyectoNuevo();
    p.numVanos = static_cast<int>(largos.size());
    p.vanos.clear();
    for (double l : largos) {
        Vano v;
        v.longitud = l;
        v.base = 25;
        v.altura = 50;
        v.inercia = InerciaRectangular(25, 50);
        v.cargaUltima = w;
        p.vanos.push_back(v);
    }
    p.apoyoIzquierdo = izq;
    p.apoyoDerecho = der;
    return p;
}

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
    p.apoyoIzquierdo = CondicionExtremo::kEmpotrado;
    p.apoyoDerecho = CondicionExtremo::kNoApoyado;
    p.cargasNudo.push_back({5, -2.0, 0.5});
    p.datos.fc = "210";
    p.datos.fy = "4200";
    p.datos.recub = "5";
    return p;
}

// The largest beam with its loads typed as dead and live ("C. Muerta" 1.5 + 0.05 i,
// "C. Viva" 1.0, self weight computed, factors 1.4 and 1.7), so there is live load to
// arrange; the last column is brought up to date from them.
inline Proyecto VigaMayorConVivas(
    AlternanciaCargaViva alternancia = AlternanciaCargaViva::kNinguna) {
    Proyecto p = VigaMayor();
    for (int i = 0; i < kMaxVanos; ++i) {
        p.vanos[static_cast<size_t>(i)].cargaMuerta = 1.5 + 0.05 * i;
        p.vanos[static_cast<size_t>(i)].cargaViva = 1.0;
    }
    p.datos.calculaPesoPropio = true;
    p.datos.factorMuerta = "1.4";
    p.datos.factorViva = "1.7";
    p.datos.alternancia = alternancia;
    RecalculaFilas(p);
    return p;
}

}  // namespace trabelux
