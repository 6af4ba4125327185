#include "core/modelo/filas_vano.h"

#include <cmath>

#include "core/texto/numeros.h"

namespace trabelux {

double InerciaRectangular(double baseCm, double alturaCm) {
    double b = baseCm / 100.0;
    double h = alturaCm / 100.0;
    return b * h * h * h / 12.0;
}

std::string TextoModulo(Material material, const std::string& fc) {
    if (material == Material::kAcero) return "2.00E + 06";
    if (material == Material::kOtro) return "1.0";
    double f = LeeNumero(fc);
    if (f <= 0) return FormateaCientifico(0.0);
    return FormateaCientifico(15100.0 * 10.0 * std::sqrt(f));
}

bool PesoPropioCalculado(const DatosGenerales& d) {
    return d.calculaPesoPropio &&
           (d.material == Material::kHormigon || d.material == Material::kAcero);
}

void RecalculaFila(Proyecto& p, int fila) { RecalculaFila(p, fila, LeeDatosNumericos(p.datos)); }

void RecalculaFila(Proyecto& p, int fila, const DatosNumericos& n) {
    if (fila < 0 || fila >= static_cast<int>(p.vanos.size())) return;
    Vano& v = p.vanos[fila];
    const DatosGenerales& d = p.datos;
    if (d.opcionInercia == OpcionInercia::kBh3) v.inercia = InerciaRectangular(v.base, v.altura);

    const double gamma = n.pesoUnitario;
    if (d.material == Material::kHormigon || d.material == Material::kAcero) {
        if (PesoPropioCalculado(d)) {
            double pp;
            if (d.material == Material::kHormigon)
                pp = gamma * v.base * v.altura / 10000.0;
            else
                pp = gamma * (p.perfil ? p.perfil->area : 0.0);
            // The slab slice over the beam is concrete: only a concrete beam's own
            // weight counts it twice when the slab weight is already in the slab loads.
            if (d.material == Material::kHormigon && !p.incluyePesoLosa &&
                fila < static_cast<int>(p.asignacion.size()))
                pp -= p.asignacion[fila].espesorProm * v.base * gamma / 100.0;
            v.pesoPropio = pp;
        } else {
            v.pesoPropio.reset();
        }
        v.cargaUltima = (v.pesoPropio.value_or(0) + v.cargaMuerta.value_or(0)) * n.factorMuerta +
                        CargaVivaUltima(v, n);
    } else {
        v.cargaUltima =
            v.pesoPropio.value_or(0) + v.cargaMuerta.value_or(0) + v.cargaViva.value_or(0);
    }
}

double CargaVivaUltima(const Vano& v, const DatosNumericos& n) {
    if (n.material == Material::kOtro) return v.cargaViva.value_or(0);
    return v.cargaViva.value_or(0) * n.factorViva;
}

void RecalculaFilas(Proyecto& p) {
    if (p.datos.material == Material::kAcero && p.perfil) {
        for (auto& v : p.vanos) {
            v.base = 100.0 * p.perfil->bf;
            v.altura = 100.0 * p.perfil->d;
        }
    }
    const DatosNumericos n = LeeDatosNumericos(p.datos);
    for (int i = 0; i < static_cast<int>(p.vanos.size()); ++i) RecalculaFila(p, i, n);
}

}  // namespace trabelux
