#include "core/modelo/proyecto.h"

#include "core/modelo/filas_vano.h"

namespace trabelux {

Proyecto ProyectoNuevo() {
    Proyecto p;
    p.datos.moduloE = TextoModulo(p.datos.material, p.datos.fc);
    Vano v;
    v.longitud = 1.0;
    const DatosNumericos n = LeeDatosNumericos(p.datos);
    v.base = n.base;
    v.altura = n.altura;
    v.inercia = InerciaRectangular(v.base, v.altura);
    p.vanos.push_back(v);
    RecalculaFilas(p);
    return p;
}

int NumCargas(const Proyecto& p, int vano) {
    int n = 0;
    for (const auto& c : p.cargas)
        if (c.vano == vano) ++n;
    return n;
}

int NumCargasNudo(const Proyecto& p) {
    int n = 0;
    for (const auto& c : p.cargasNudo)
        if (c.nudo > 0) ++n;
    return n;
}

bool UsaLosas(const Proyecto& p) {
    return p.archivoLosas.find_first_not_of(" \t") != std::string::npos;
}

int CondicionInterior(const Proyecto& p, int nudo) {
    size_t k = static_cast<size_t>(nudo - 2);
    if (nudo < 2 || k >= p.apoyosInteriores.size()) return 1;
    return p.apoyosInteriores[k] > 0 ? 1 : 0;
}

}  // namespace trabelux
