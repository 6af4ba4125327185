#include "core/modelo/acepta_cargas.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace trabelux {

namespace {

Estado VerificaNumero(double numero, int maximo, const char* que) {
    if (numero >= 1 && numero <= maximo && numero == std::floor(numero)) return Estado::Bien();
    return Estado::Falla(std::string("El ") + que + " debe estar entre 1 y " +
                         std::to_string(maximo));
}

}  // namespace

Estado VerificaVanoDeCarga(const Proyecto& p, double vano) {
    return VerificaNumero(vano, p.numVanos, "vano");
}

Estado VerificaNudoDeCarga(const Proyecto& p, double nudo) {
    return VerificaNumero(nudo, p.numVanos + 1, "nudo");
}

Resultado<CargasAceptadas> AceptaCargas(Proyecto& p) {
    std::map<int, int> porVano;
    for (const auto& c : p.cargas) ++porVano[c.vano];
    for (const auto& [vano, cuantas] : porVano)
        if (cuantas > kMaxCargasPorVano)
            return Resultado<CargasAceptadas>::Falla(
                "El vano " + std::to_string(vano) + " tiene " + std::to_string(cuantas) +
                " cargas concentradas; se admiten hasta " + std::to_string(kMaxCargasPorVano) +
                " por vano");

    bool cambiadas = false;
    for (auto& c : p.cargas) {
        // A load of a span the grid does not hold has no length to be measured against.
        if (c.vano < 1 || c.vano > static_cast<int>(p.vanos.size())) continue;
        const double largo = p.vanos[c.vano - 1].longitud;
        if (c.distancia > largo) {
            c.distancia = largo;
            cambiadas = true;
        } else if (c.distancia < 0) {
            c.distancia = 0;
            cambiadas = true;
        }
    }
    std::stable_sort(p.cargas.begin(), p.cargas.end(),
                     [](const CargaConcentrada& a, const CargaConcentrada& b) {
                         if (a.vano != b.vano) return a.vano < b.vano;
                         if (a.distancia != b.distancia) return a.distancia < b.distancia;
                         return a.carga < b.carga;
                     });
    std::stable_sort(p.cargasNudo.begin(), p.cargasNudo.end(),
                     [](const CargaNudo& a, const CargaNudo& b) { return a.nudo < b.nudo; });

    CargasAceptadas r;
    if (cambiadas) r.aviso = kAvisoDistancias;
    for (int i = 1; i <= p.numVanos; ++i) r.numCargas.push_back(NumCargas(p, i));
    r.numCargNudos = NumCargasNudo(p);
    return Resultado<CargasAceptadas>::Ok(std::move(r));
}

}  // namespace trabelux
