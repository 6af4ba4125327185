#include "core/archivos/tabla_perfiles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/texto/codificacion.h"
#include "core/texto/numeros.h"

namespace trabelux {

namespace {

float SencilloLittleEndian(const unsigned char* b) {
    std::uint32_t u = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                      static_cast<std::uint32_t>(b[2]) << 16 |
                      static_cast<std::uint32_t>(b[3]) << 24;
    float f;
    std::memcpy(&f, &u, sizeof f);
    return f;
}

std::string SinBlancosFinales(std::string s) {
    size_t fin = s.find_last_not_of(std::string(" \t\0", 3));
    s.erase(fin == std::string::npos ? 0 : fin + 1);
    return s;
}

const char* const kFormatos[8] = {"0.000000", "0.000",    "0.000",   "0.000",
                                  "0.000",    "0.000000", "0.00000", "0.000"};

}  // namespace

Resultado<TablaPerfiles> LeePerfiles(const std::string& bytes, const std::string& ruta) {
    auto error = [&](const std::string& que) {
        return Resultado<TablaPerfiles>::Falla("No se pudo leer la tabla de perfiles:\n" + ruta +
                                               "\n" + que);
    };
    if (bytes.empty()) return error("El archivo esta vacio");
    if (bytes.size() % kBytesRegistroPerfil != 0)
        return error("El tamano del archivo (" + std::to_string(bytes.size()) +
                     " bytes) no es un multiplo de " + std::to_string(kBytesRegistroPerfil));
    TablaPerfiles t;
    const size_t n = bytes.size() / kBytesRegistroPerfil;
    t.registros.reserve(n);
    for (size_t k = 0; k < n; ++k) {
        const auto* b =
            reinterpret_cast<const unsigned char*>(bytes.data()) + k * kBytesRegistroPerfil;
        RegistroPerfil r;
        r.designacion =
            SinBlancosFinales(Latin1AUtf8(std::string(reinterpret_cast<const char*>(b), 12)));
        for (int v = 0; v < 8; ++v) {
            r.valores[v] = SencilloLittleEndian(b + 12 + 4 * static_cast<ptrdiff_t>(v));
            if (!std::isfinite(r.valores[v]))
                return error("El registro " + std::to_string(k + 1) + " (" + r.designacion +
                             ") tiene un valor que no es un numero");
        }
        t.registros.push_back(std::move(r));
    }
    return Resultado<TablaPerfiles>::Ok(std::move(t));
}

const std::array<const char*, 8>& FamiliasPerfil() {
    static const std::array<const char*, 8> kFamilias = {"Ninguno", "W", "M",  "S",
                                                         "HP",      "C", "MC", "WT"};
    return kFamilias;
}

int IndiceFamilia(const std::string& codigo) {
    std::string mayus = codigo;
    for (char& c : mayus)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (int i = 0; i < static_cast<int>(FamiliasPerfil().size()); ++i) {
        std::string f = FamiliasPerfil()[i];
        for (char& c : f)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (mayus == f) return i;
    }
    return -1;
}

bool PerteneceAFamilia(const std::string& designacion, const std::string& codigo) {
    if (codigo.empty() || designacion.compare(0, codigo.size(), codigo) != 0) return false;
    return LeeNumero(designacion.substr(codigo.size())) > 0;
}

ListaFamilia PerfilesDeFamilia(const TablaPerfiles& tabla, int familia) {
    ListaFamilia lista;
    if (familia <= 0 || familia >= static_cast<int>(FamiliasPerfil().size())) return lista;
    const std::string codigo = FamiliasPerfil()[familia];
    int encontrados = 0;
    for (const auto& r : tabla.registros) {
        if (!PerteneceAFamilia(r.designacion, codigo)) continue;
        if (++encontrados <= kMaxPerfilesFamilia) lista.perfiles.push_back(r);
    }
    if (encontrados > kMaxPerfilesFamilia)
        lista.aviso = "La familia " + codigo + " tiene " + std::to_string(encontrados) +
                      " perfiles; solo se muestran los primeros " +
                      std::to_string(kMaxPerfilesFamilia);
    return lista;
}

std::array<double, 8> PropiedadesMetricas(const RegistroPerfil& r) {
    const double in = 0.0254;
    const double escala[8] = {in * in, in, in, in, in, in * in * in * in, in * in * in, in};
    std::array<double, 8> m{};
    for (int v = 0; v < 8; ++v) m[v] = static_cast<double>(r.valores[v]) * escala[v];
    return m;
}

const std::array<const char*, 8>& TitulosPerfil() {
    static const std::array<const char*, 8> kTitulos = {"Area", "d",  "bf", "tf",
                                                        "tw",   "Ix", "Sx", "rx"};
    return kTitulos;
}

std::array<std::string, 8> TextosPerfil(const RegistroPerfil& r) {
    std::array<double, 8> m = PropiedadesMetricas(r);
    std::array<std::string, 8> t;
    for (int v = 0; v < 8; ++v) t[v] = Formatea(m[v], kFormatos[v]);
    return t;
}

std::optional<PerfilAcero> ResuelvePerfil(const TablaPerfiles& tabla, int familia,
                                          int designacion) {
    ListaFamilia lista = PerfilesDeFamilia(tabla, familia);
    if (designacion < 0 || designacion >= static_cast<int>(lista.perfiles.size()))
        return std::nullopt;
    const RegistroPerfil& r = lista.perfiles[designacion];
    std::array<double, 8> m = PropiedadesMetricas(r);
    PerfilAcero p;
    p.designacion = r.designacion;
    p.area = m[0];
    p.d = m[1];
    p.bf = m[2];
    p.ix = m[5];
    return p;
}

std::string ListadoFamilia(const ListaFamilia& lista) {
    // Column widths from the widest text of each column, numbers aligned right.
    std::vector<std::array<std::string, 9>> filas;
    std::array<std::string, 9> titulo;
    titulo[0] = "Designacion";
    for (int v = 0; v < 8; ++v) titulo[v + 1] = TitulosPerfil()[v];
    filas.push_back(titulo);
    for (const auto& r : lista.perfiles) {
        std::array<std::string, 9> f;
        f[0] = r.designacion;
        std::array<std::string, 8> t = TextosPerfil(r);
        for (int v = 0; v < 8; ++v) f[v + 1] = t[v];
        filas.push_back(f);
    }
    std::array<size_t, 9> ancho{};
    for (const auto& f : filas)
        for (int c = 0; c < 9; ++c) ancho[c] = std::max(ancho[c], f[c].size());
    std::string salida;
    for (const auto& f : filas) {
        std::string linea = f[0] + std::string(ancho[0] - f[0].size(), ' ');
        for (int c = 1; c < 9; ++c) linea += "  " + std::string(ancho[c] - f[c].size(), ' ') + f[c];
        salida += linea + "\n";
    }
    return salida;
}

}  // namespace trabelux
