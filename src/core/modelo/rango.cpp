#include "modelo/rango.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "texto/numeros.h"

namespace trabelux {

std::string TextoSimple(float valor) {
    char texto[32];
    for (int digitos = 1; digitos < 9; ++digitos) {
        std::snprintf(texto, sizeof texto, "%.*G", digitos, static_cast<double>(valor));
        if (std::strtof(texto, nullptr) == valor) break;
    }
    return texto;
}

namespace {

std::string Mensaje(bool finito, const std::string& valor, const std::string& deQue) {
    return "El valor " + (finito ? valor + " " : std::string()) + deQue +
           " está fuera del rango que el programa puede calcular.";
}

}  // namespace

std::string MensajeFueraDeRango(double valor, const std::string& deQue) {
    return Mensaje(std::isfinite(valor), TextoCorto(valor), deQue);
}

std::string MensajeFueraDeRango(float valor, const std::string& deQue) {
    return Mensaje(std::isfinite(valor), TextoSimple(valor), deQue);
}

std::string NombreValorVano(int columna, int vano) {
    static const char* const kNombres[] = {
        "de la longitud",  "de la base",         "de la altura",     "de la inercia",
        "del peso propio", "de la carga muerta", "de la carga viva", "de la carga ultima"};
    return std::string(kNombres[columna]) + " del vano " + std::to_string(vano);
}

std::string VerificaRangos(const Proyecto& p) {
    const DatosGenerales& d = p.datos;
    const std::pair<const std::string*, const char*> generales[] = {
        {&d.fc, "de F'c"},
        {&d.fy, "de Fy"},
        {&d.recub, "del recubrimiento"},
        {&d.factorMuerta, "del factor de carga muerta"},
        {&d.factorViva, "del factor de carga viva"},
        {&d.pesoUnitario, "del peso unitario"},
    };
    for (const auto& [texto, nombre] : generales)
        if (!EnRango(LeeNumero(*texto))) return MensajeFueraDeRango(LeeNumero(*texto), nombre);

    const int n = std::min<int>(p.numVanos, static_cast<int>(p.vanos.size()));
    for (int i = 0; i < n; ++i) {
        const Vano& v = p.vanos[static_cast<size_t>(i)];
        const double valores[] = {v.longitud,
                                  v.base,
                                  v.altura,
                                  v.inercia,
                                  v.pesoPropio.value_or(0),
                                  v.cargaMuerta.value_or(0),
                                  v.cargaViva.value_or(0),
                                  v.cargaUltima};
        for (int c = 0; c < 8; ++c)
            if (!EnRango(valores[c]))
                return MensajeFueraDeRango(valores[c], NombreValorVano(c, i + 1));
    }
    // Loads are checked all at once (there may be hundreds); only a beam that fails looks
    // for the load to name. As integers, the bits of |v| order as the values do (a NaN
    // above them all): every value is within range when the largest is at most FLT_MAX
    // and the smallest nonzero at least FLT_MIN (zero, less one, wraps to the largest).
    auto bitsAbs = [](double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, sizeof u);
        return u & ~(std::uint64_t{1} << 63);
    };
    std::uint64_t mayor = 0, menorMenosUno = ~std::uint64_t{0};
    for (const CargaConcentrada& c : p.cargas) {
        const std::uint64_t cuenta = -static_cast<std::uint64_t>((c.vano >= 1) & (c.vano <= n));
        for (const double v : {c.carga, c.distancia}) {
            const std::uint64_t u = bitsAbs(v) & cuenta;
            mayor = std::max(mayor, u);
            menorMenosUno = std::min(menorMenosUno, u - 1);
        }
    }
    const bool cargasEnRango = mayor <= bitsAbs(FLT_MAX) && menorMenosUno >= bitsAbs(FLT_MIN) - 1;
    for (const CargaConcentrada& c : p.cargas) {
        if (cargasEnRango) break;
        if (c.vano < 1 || c.vano > n) continue;
        if (EnRango(c.carga) && EnRango(c.distancia)) continue;
        const std::string vano = " del vano " + std::to_string(c.vano);
        if (!EnRango(c.carga))
            return MensajeFueraDeRango(c.carga, "de la carga concentrada" + vano);
        return MensajeFueraDeRango(c.distancia, "de la distancia de la carga" + vano);
    }
    for (const CargaNudo& c : p.cargasNudo) {
        if (c.nudo < 1 || c.nudo > n + 1) continue;
        if (EnRango(c.fuerza) && EnRango(c.momento)) continue;
        const std::string nudo = " del nudo " + std::to_string(c.nudo);
        if (!EnRango(c.fuerza)) return MensajeFueraDeRango(c.fuerza, "de la fuerza" + nudo);
        return MensajeFueraDeRango(c.momento, "del momento" + nudo);
    }
    return {};
}

}  // namespace trabelux
