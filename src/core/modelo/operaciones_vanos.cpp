#include "core/modelo/operaciones_vanos.h"

#include <algorithm>

#include "core/modelo/filas_vano.h"

namespace trabelux {

void CambiaNumVanos(Proyecto& p, int n, double longitudTipica) {
    n = std::clamp(n, 1, kMaxVanos);
    const DatosNumericos d = LeeDatosNumericos(p.datos);
    while (static_cast<int>(p.vanos.size()) < n) {
        Vano v;
        v.longitud = longitudTipica;
        v.base = d.base;
        v.altura = d.altura;
        v.inercia = d.opcionInercia == OpcionInercia::kBh3 ? InerciaRectangular(v.base, v.altura)
                                                           : d.inercia;
        p.vanos.push_back(v);
    }
    while (static_cast<int>(p.apoyosInteriores.size()) < n - 1) p.apoyosInteriores.push_back(1);
    if (UsaLosas(p))
        while (static_cast<int>(p.asignacion.size()) < n) p.asignacion.push_back({});
    p.numVanos = n;
}

bool EliminaVano(Proyecto& p, int fila) {
    if (p.vanos.size() <= 1 || fila < 0 || fila >= static_cast<int>(p.vanos.size())) return false;
    // A row kept beyond the span count is not a span of the beam: removing it must not
    // take the last span out of the beam.
    const bool deLaViga = fila < p.numVanos;
    p.vanos.erase(p.vanos.begin() + fila);
    if (fila < static_cast<int>(p.asignacion.size()))
        p.asignacion.erase(p.asignacion.begin() + fila);
    const int vano = fila + 1;
    p.cargas.erase(std::remove_if(p.cargas.begin(), p.cargas.end(),
                                  [vano](const CargaConcentrada& c) { return c.vano == vano; }),
                   p.cargas.end());
    for (auto& c : p.cargas)
        if (c.vano > vano) --c.vano;
    if (deLaViga) p.numVanos = std::max(1, p.numVanos - 1);
    return true;
}

bool ColumnaCalculada(const Proyecto& p, int columna) {
    switch (columna) {
        case kColVano:
        case kColUltima:
            return true;
        case kColPesoPropio:
            return PesoPropioCalculado(p.datos);
        case kColMuerta:
            return UsaLosas(p);
        case kColViva:
            return p.datos.usaCargaTotal || UsaLosas(p);
        default:
            return false;
    }
}

bool ColumnaReemplazable(int columna) {
    switch (columna) {
        case kColLong:
        case kColBase:
        case kColAltura:
        case kColInercia:
        case kColMuerta:
        case kColViva:
            return true;
        default:
            return false;
    }
}

bool ReemplazaColumna(Proyecto& p, int columna) {
    if (!ColumnaReemplazable(columna)) return false;
    const DatosNumericos d = LeeDatosNumericos(p.datos);
    for (Vano& v : p.vanos) {
        switch (columna) {
            case kColLong:
                v.longitud = d.longitud;
                break;
            case kColBase:
                v.base = d.base;
                break;
            case kColAltura:
                v.altura = d.altura;
                break;
            case kColInercia:
                v.inercia = d.inercia;
                break;
            case kColMuerta:
                v.cargaMuerta = d.cargaMuerta;
                break;
            case kColViva:
                v.cargaViva = d.cargaViva;
                break;
        }
    }
    return true;
}

bool AplicaLongitud(Proyecto& p, int fila, double longitud) {
    if (!(longitud > 0) || fila < 0 || fila >= static_cast<int>(p.vanos.size())) return false;
    p.vanos[fila].longitud = longitud;
    return true;
}

}  // namespace trabelux
