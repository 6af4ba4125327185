#include "core/analisis/entrada.h"

#include <cmath>
#include <string>

#include "core/analisis/precision.h"
#include "core/modelo/filas_vano.h"
#include "core/modelo/rango.h"

namespace trabelux {

bool ModuloBajo(const DatosNumericos& datos) { return datos.moduloE < 1.0; }

double ModuloHormigon(double fc) { return fc > 0 ? 15100.0 * std::sqrt(fc) : 0.0; }

Resultado<EntradaCalculo> LeeEntrada(const Proyecto& p, const DatosNumericos& datos) {
    using R = Resultado<EntradaCalculo>;
    const int n = p.numVanos;
    if (n < 1 || n > kMaxVanos)
        return R::Falla("El numero de vanos debe estar entre 1 y " + std::to_string(kMaxVanos));
    if (static_cast<int>(p.vanos.size()) < n)
        return R::Falla("La tabla de vanos tiene " + std::to_string(p.vanos.size()) +
                        " filas y la viga tiene " + std::to_string(n) + " vanos");
    // Past this point every value fits single precision, so no conversion saturates.
    if (const Estado enRango = VerificaRangos(p, datos); !enRango) return R::Falla(enRango);

    // Built in place in the returned value (the input is some kilobytes of arrays).
    R resultado;
    EntradaCalculo& e = resultado.valor.emplace();
    e.numVanos = n;
    for (int i = 0; i < n; ++i) {
        const Vano& v = p.vanos[static_cast<size_t>(i)];
        e.longVano[i] = Simple(v.longitud);
        // Every stiffness term divides by the length: refuse it before solving.
        if (!(e.longVano[i] > 0.0f))
            return R::Falla("La longitud del vano " + std::to_string(i + 1) +
                            " debe ser mayor que cero");
        e.baseVano[i] = Simple(v.base);
        e.alturaVano[i] = Simple(v.altura);
        e.inerciaVano[i] = v.inercia;
        if (e.inerciaVano[i] == 0.0) e.inerciaVano[i] = 1.0;
        e.cargaUltima[i] = v.cargaUltima;
        e.cargaViva[i] = CargaVivaUltima(v, datos);
    }

    for (const CargaConcentrada& c : p.cargas) {
        if (c.vano < 1 || c.vano > n) continue;
        int i = c.vano - 1;
        int& k = e.numCargas[i];
        if (k == kMaxCargasPorVano)
            return R::Falla("El vano " + std::to_string(c.vano) + " tiene mas de " +
                            std::to_string(kMaxCargasPorVano) + " cargas concentradas");
        float a = Simple(c.distancia);
        if (a < 0.0f) a = 0.0f;
        if (a > e.longVano[i]) a = e.longVano[i];
        e.distCarga[i][k] = a;
        e.cargaConc[i][k] = Simple(c.carga);
        ++k;
    }

    for (const CargaNudo& c : p.cargasNudo) {
        if (c.nudo < 1 || c.nudo > n + 1) continue;
        e.cargaNudo[2 * c.nudo - 2] += c.fuerza;
        e.cargaNudo[2 * c.nudo - 1] += c.momento;
    }

    // Every node is supported vertically unless an interior row or an end says otherwise;
    // interior supports never restrain rotation.
    for (int j = 0; j <= n; ++j) e.restric[static_cast<size_t>(2 * j)] = 1;
    for (int j = 2; j <= n; ++j)
        if (CondicionInterior(p, j) <= 0) e.restric[2 * j - 2] = 0;
    if (p.apoyoIzquierdo == CondicionExtremo::kEmpotrado) e.restric[1] = 1;
    if (p.apoyoIzquierdo == CondicionExtremo::kNoApoyado) e.restric[0] = 0;
    if (p.apoyoDerecho == CondicionExtremo::kEmpotrado) e.restric[2 * n + 1] = 1;
    if (p.apoyoDerecho == CondicionExtremo::kNoApoyado) e.restric[static_cast<size_t>(2 * n)] = 0;
    for (int k = 0; k < 2 * (n + 1); ++k) e.numRestric += e.restric[k];

    e.fc = datos.fc;
    e.fy = Simple(datos.fy);
    e.recub = Simple(datos.recub);
    // The modulus always comes from f'c; without a positive f'c the solution still runs
    // (with a unit modulus) so the design can report the missing strength.
    double modulo = ModuloHormigon(e.fc) * 10.0;  // kg/cm2 to t/m2
    e.moduloE = Simple(modulo);
    if (e.moduloE == 0.0f) e.moduloE = 1.0f;
    return resultado;
}

}  // namespace trabelux
