#include "core/losas/transferencia.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/losas/asignacion.h"
#include "core/losas/cargas_borde.h"
#include "core/losas/casos.h"
#include "core/losas/espesores.h"

namespace trabelux {

namespace {

// The slab file is checked whole before any span is touched, as the file would be read
// before the first row is written.
Estado VerificaLosas(const ArchivoLosasDatos& d, std::vector<int>& casos) {
    const int s = d.numLosas;
    if (s <= 0 || s > kMaxLosas || static_cast<int>(d.losas.size()) != s)
        return Estado::Falla(kErrorArchivoLosas);
    casos.assign(s, 0);
    for (int k = 1; k <= s; ++k) {
        const Losa& l = d.losas[k - 1];
        if (l.numero != k || !(l.lx > 0) || !(l.ly > 0) || !std::isfinite(l.lx) ||
            !std::isfinite(l.ly))
            return Estado::Falla(kErrorArchivoLosas);
        casos[k - 1] = CasoLosa(l.bordes, l.lx, l.ly);
        if (casos[k - 1] == 0) return Estado::Falla(kErrorBordes);
    }
    return Estado::Bien();
}

struct Par {
    double muerta = 0, viva = 0;
};

Par CargaDeLosa(const ArchivoLosasDatos& d, const std::vector<int>& casos, int k, bool direccionX) {
    if (k <= 0) return {};
    const Losa& l = d.losas[k - 1];
    double wD = l.cargaMuerta == 0 ? d.cabecera[6] : l.cargaMuerta;
    double wL = l.cargaViva == 0 ? d.cabecera[7] : l.cargaViva;
    CargasBorde c = CargasDeBorde(casos[k - 1], l.lx, l.ly, wD, wL, l.lineaMuerta, l.lineaViva);
    return direccionX ? Par{c.muertaX, c.vivaX} : Par{c.muertaY, c.vivaY};
}

}  // namespace

Estado TransfiereLosas(Proyecto& p) {
    if (!p.losas) return Estado::Falla(kErrorArchivoLosas);
    const ArchivoLosasDatos& d = *p.losas;
    std::vector<int> casos;
    if (Estado losas = VerificaLosas(d, casos); !losas) return losas;

    const int n = std::min<int>(p.numVanos, static_cast<int>(p.vanos.size()));
    auto asignada = [&](int fila) {
        return fila < static_cast<int>(p.asignacion.size()) ? p.asignacion[fila] : AsignacionLosa{};
    };
    for (int i = 0; i < n; ++i) {
        const AsignacionLosa a = asignada(i);
        for (int k : {a.primera, a.segunda})
            if (k < 0 || k > d.numLosas)
                return Estado::Falla(std::string(kErrorArchivoLosas) + ": el vano " +
                                     std::to_string(i + 1) + " usa la losa " + std::to_string(k) +
                                     ", que no esta en el archivo");
    }

    const bool direccionX = EsDireccionX(p.direccionViga);
    for (int i = 0; i < n; ++i) {
        const AsignacionLosa a = asignada(i);
        Par izquierda = CargaDeLosa(d, casos, a.primera, direccionX);
        Par derecha = CargaDeLosa(d, casos, a.segunda, direccionX);
        p.vanos[i].cargaMuerta = izquierda.muerta + derecha.muerta;
        p.vanos[i].cargaViva = izquierda.viva + derecha.viva;
    }
    for (auto& a : p.asignacion) a.espesorProm = EspesorPromedio(d, a.primera, a.segunda);
    return Estado::Bien();
}

}  // namespace trabelux
