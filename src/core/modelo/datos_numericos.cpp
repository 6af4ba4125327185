#include "core/modelo/datos_numericos.h"

#include <string>

#include "core/texto/numeros.h"

namespace trabelux {

namespace {

std::optional<double> CargaGlobal(const std::string& texto) {
    if (texto.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    return LeeNumero(texto);
}

}  // namespace

DatosNumericos LeeDatosNumericos(const DatosGenerales& d) {
    DatosNumericos n;
    n.material = d.material;
    n.fc = LeeNumero(d.fc);
    n.fy = LeeNumero(d.fy);
    n.moduloE = LeeNumero(d.moduloE);
    n.recub = LeeNumero(d.recub);
    n.longitud = LeeNumero(d.longitud);
    n.base = LeeNumero(d.base);
    n.altura = LeeNumero(d.altura);
    n.opcionInercia = d.opcionInercia;
    n.inercia = LeeNumero(d.inercia);
    n.cargaMuerta = CargaGlobal(d.cargaMuerta);
    n.cargaViva = CargaGlobal(d.cargaViva);
    n.usaCargaTotal = d.usaCargaTotal;
    n.factorMuerta = LeeNumero(d.factorMuerta);
    n.factorViva = LeeNumero(d.factorViva);
    n.calculaPesoPropio = d.calculaPesoPropio;
    n.pesoUnitario = LeeNumero(d.pesoUnitario);
    n.alternancia = d.usaCargaTotal ? AlternanciaCargaViva::kNinguna : d.alternancia;
    // ACI 318-19 Table 24.2.4.1.3: 3, 6, 12 months, 5 years or more.
    static constexpr double kXi[] = {1.0, 1.2, 1.4, 2.0};
    n.xi = kXi[static_cast<int>(d.duracion)];
    n.fraccionSostenida = LeeNumero(d.vivaSostenida) / 100.0;
    n.limite = d.limite;
    n.largoComercial = LeeNumero(d.largoComercial);
    return n;
}

}  // namespace trabelux
