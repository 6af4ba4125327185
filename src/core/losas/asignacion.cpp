#include "core/losas/asignacion.h"

#include <utility>

#include "core/losas/espesores.h"

namespace trabelux {

std::string CambiaDireccion(const std::string& actual) { return actual == "X" ? "Y" : "X"; }

bool EsDireccionX(const std::string& direccion) {
    size_t ini = direccion.find_first_not_of(" \t");
    size_t fin = direccion.find_last_not_of(" \t");
    return ini != std::string::npos && direccion.substr(ini, fin - ini + 1) == "X";
}

Estado ValidaAsignacion(const std::vector<AsignacionLosa>& asignacion,
                        const ArchivoLosasDatos* losas) {
    if (static_cast<int>(asignacion.size()) > kMaxVanos)
        return Estado::Falla("La asignacion de losas tiene " + std::to_string(asignacion.size()) +
                             " vanos; el maximo es " + std::to_string(kMaxVanos));
    for (size_t i = 0; i < asignacion.size(); ++i) {
        const std::string vano = " del vano " + std::to_string(i + 1);
        for (int k : {asignacion[i].primera, asignacion[i].segunda}) {
            if (k < 0 || k > kMaxLosas)
                return Estado::Falla("La losa " + std::to_string(k) + vano +
                                     " no es valida: los numeros de losa van de 0 a 99");
            if (losas && k > static_cast<int>(losas->losas.size()))
                return Estado::Falla("La losa " + std::to_string(k) + vano +
                                     " no esta en el archivo de losas, que tiene " +
                                     std::to_string(losas->losas.size()) + " losas");
        }
    }
    return Estado::Bien();
}

void UsaArchivoLosas(Proyecto& p, const std::string& ruta, ArchivoLosasDatos losas) {
    p.archivoLosas = ruta;
    p.losas = std::move(losas);
    p.asignacion.assign(static_cast<size_t>(p.numVanos), AsignacionLosa{});
}

Estado AceptaLosas(Proyecto& p, const std::string& direccion, bool incluyePesoLosa,
                   std::vector<AsignacionLosa> asignacion) {
    if (Estado valida = ValidaAsignacion(asignacion, p.losas ? &*p.losas : nullptr); !valida)
        return valida;
    if (p.losas)
        for (auto& a : asignacion) a.espesorProm = EspesorPromedio(*p.losas, a.primera, a.segunda);
    p.direccionViga = direccion;
    p.incluyePesoLosa = incluyePesoLosa;
    p.asignacion = std::move(asignacion);
    return Estado::Bien();
}

}  // namespace trabelux
