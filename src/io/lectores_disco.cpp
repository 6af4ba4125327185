#include "io/lectores_disco.h"

#include <filesystem>

#include "io/archivos.h"

namespace trabelux {

namespace fs = std::filesystem;

namespace {

// Blanks around a path typed in a file: ASCII white space and the no-break space and next
// line of UTF-8, the characters a path line can carry on either end.
std::string SinBlancos(const std::string& s) {
    auto blancoAl = [&s](size_t i, bool final) -> size_t {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == ' ' || (c >= '\t' && c <= '\r')) return 1;
        if (final && i >= 1 && static_cast<unsigned char>(s[i - 1]) == 0xC2 &&
            (c == 0xA0 || c == 0x85))
            return 2;
        if (!final && i + 1 < s.size() && c == 0xC2 &&
            (static_cast<unsigned char>(s[i + 1]) == 0xA0 ||
             static_cast<unsigned char>(s[i + 1]) == 0x85))
            return 2;
        return 0;
    };
    size_t inicio = 0, fin = s.size();
    while (inicio < fin)
        if (size_t n = blancoAl(inicio, false))
            inicio += n;
        else
            break;
    while (fin > inicio)
        if (size_t n = blancoAl(fin - 1, true))
            fin -= n;
        else
            break;
    return s.substr(inicio, fin - inicio);
}

// "a/b" joined as QDir::filePath joins a folder and a name.
std::string Une(const std::string& carpeta, const std::string& nombre) {
    if (nombre.empty()) return carpeta;
    if (carpeta.empty() || carpeta.back() == '/') return carpeta + nombre;
    return carpeta + "/" + nombre;
}

}  // namespace

std::string RutaAbsoluta(const std::string& ruta) {
    std::error_code error;
    fs::path absoluta = fs::absolute(ruta, error);
    if (error) return ruta;
    std::string limpia = absoluta.lexically_normal().string();
    while (limpia.size() > 1 && limpia.back() == '/') limpia.pop_back();
    return limpia;
}

LectorArchivo LectorJuntoAlProyecto(const std::string& rutaProyecto) {
    const std::string carpeta = fs::path(RutaAbsoluta(rutaProyecto)).parent_path().string();
    return [carpeta](const std::string& ruta) -> std::optional<std::string> {
        std::string r = SinBlancos(ruta);
        // Slab paths written on another system may use either separator.
        for (char& c : r)
            if (c == '\\') c = '/';
        const std::string completa = !r.empty() && r[0] == '/' ? r : Une(carpeta, r);
        if (auto bytes = LeeBytesArchivo(completa)) return bytes;
        const std::string junto = Une(carpeta, r.substr(r.find_last_of('/') + 1));
        if (junto != completa) return LeeBytesArchivo(junto);
        return std::nullopt;
    };
}

Resultado<TablaPerfiles> LeeTablaPerfiles(const std::string& ruta) {
    Resultado<std::string> bytes = LeeContenidoArchivo(ruta);
    if (!bytes)
        return Resultado<TablaPerfiles>::Falla("No se pudo leer la tabla de perfiles:\n" + ruta +
                                               "\n" + bytes.mensaje);
    return LeePerfiles(*bytes.valor, ruta);
}

LectoresProyecto LectoresDeDisco(const std::string& rutaProyecto, const std::string& rutaPerfiles) {
    return {LeeBytesArchivo, LectorJuntoAlProyecto(rutaProyecto),
            [rutaPerfiles] { return LeeTablaPerfiles(rutaPerfiles); }};
}

}  // namespace trabelux
