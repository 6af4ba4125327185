#include "core/modelo/rango.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/texto/numeros.h"

namespace trabelux {

// The fewest significant digits (up to 8) that read back as `valor`, as printf's "%G"
// writes them in the "C" locale.
std::string TextoSimple(float valor) {
    std::string texto;
    for (int digitos = 1; digitos < 9; ++digitos) {
        char buf[32];
        const auto fin = std::to_chars(buf, buf + sizeof buf, static_cast<double>(valor),
                                       std::chars_format::general, digitos)
                             .ptr;
        texto.assign(buf, fin);
        for (char& c : texto)
            if (c == 'e') c = 'E';
        if (static_cast<float>(LeeDobleC(texto.c_str())) == valor) break;
    }
    return texto;
}

namespace {

std::string Mensaje(bool finito, const std::string& valor, const std::string& deQue) {
    return "El valor " + (finito ? valor + " " : std::string()) + deQue +
           " está fuera del rango que el programa puede calcular.";
}

Estado FueraDeRango(double valor, const std::string& deQue) {
    return Estado::Falla(MensajeFueraDeRango(valor, deQue));
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

Estado VerificaRangos(const Proyecto& p, const DatosNumericos& datos) {
    const std::pair<double, const char*> generales[] = {
        {datos.fc, "de F'c"},
        {datos.fy, "de Fy"},
        {datos.recub, "del recubrimiento"},
        {datos.factorMuerta, "del factor de carga muerta"},
        {datos.factorViva, "del factor de carga viva"},
        {datos.pesoUnitario, "del peso unitario"},
    };
    for (const auto& [valor, nombre] : generales)
        if (!EnRango(valor)) return FueraDeRango(valor, nombre);

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
            if (!EnRango(valores[c])) return FueraDeRango(valores[c], NombreValorVano(c, i + 1));
    }
    for (const CargaConcentrada& c : p.cargas) {
        if (c.vano < 1 || c.vano > n) continue;
        if (EnRango(c.carga) && EnRango(c.distancia)) continue;
        const std::string vano = " del vano " + std::to_string(c.vano);
        if (!EnRango(c.carga)) return FueraDeRango(c.carga, "de la carga concentrada" + vano);
        return FueraDeRango(c.distancia, "de la distancia de la carga" + vano);
    }
    for (const CargaNudo& c : p.cargasNudo) {
        if (c.nudo < 1 || c.nudo > n + 1) continue;
        if (EnRango(c.fuerza) && EnRango(c.momento)) continue;
        const std::string nudo = " del nudo " + std::to_string(c.nudo);
        if (!EnRango(c.fuerza)) return FueraDeRango(c.fuerza, "de la fuerza" + nudo);
        return FueraDeRango(c.momento, "del momento" + nudo);
    }
    return Estado::Bien();
}

}  // namespace trabelux
