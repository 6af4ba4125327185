#include "cli/comando_verifica.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "cli/comando_calc.h"
#include "cli/json.h"
#include "cli/pintor.h"
#include "core/detallado/acciones_detallado.h"
#include "core/modelo/datos_numericos.h"
#include "io/archivos.h"
#include "io/datos_programa.h"

namespace trabelux::cli {

namespace {

constexpr const char* kExtensionEsperado = ".esperado";

std::string Ruta(const std::string& carpeta, const std::string& nombre) {
    return (std::filesystem::path(carpeta) / nombre).string();
}

// Runs one example as "calc" runs its project with the example's options.
void Ejecuta(EjemploVerificado& e, const std::string& carpeta) {
    bool soloAnalisis = false, doble = false;
    std::string opcionDoble;
    std::istringstream opciones(e.esperado.opciones);
    for (std::string o; opciones >> o;) {
        if (o == "--analysis-only") {
            soloAnalisis = true;
        } else if (o == "--double=yes" || o == "--double=no") {
            doble = o == "--double=yes";
            opcionDoble = o;
        } else {
            e.error = "Opcion desconocida en el archivo de valores esperados: " + o;
            return;
        }
    }
    const std::string proyecto =
        Ruta(carpeta, e.esperado.proyecto.empty() ? e.nombre + ".vcw" : e.esperado.proyecto);
    e.proyecto = CargaProyecto(proyecto);
    if (!e.proyecto) {
        e.error = "No se pudo leer el proyecto " + proyecto;
        return;
    }
    soloAnalisis = SoloAnalisis(*e.proyecto, soloAnalisis, opcionDoble);
    e.resultados = CalculaProyecto(*e.proyecto, soloAnalisis, doble);
    // Deflections, bars and schedule as "calc" prints them: with the bars the detailing
    // table proposes.
    TablaDetallado tabla;
    if (e.resultados.Disenado()) CargaDetallado(tabla, *e.proyecto, e.resultados);
    const DatosNumericos datos = LeeDatosNumericos(e.proyecto->datos);
    const Deflexiones flechas = CalculaDeflexiones(*e.proyecto, datos, e.resultados, tabla);
    Despiece despiece = CalculaDespiece(*e.proyecto, e.resultados, tabla, datos.largoComercial);
    const Planilla planilla = ComponePlanilla(despiece, *e.proyecto);
    e.comprobaciones = Compara(e.esperado, e.resultados, {&flechas, &despiece, &planilla});
}

std::string Esperado(const ValorEsperado& v) {
    return v.numero ? v.escrito + " ± " + NumeroVerificacion(v.tolerancia) : v.escrito;
}

// Pads to `ancho` characters (UTF-8 aware: "±" and "ø" are one character each).
std::string Columna(const std::string& s, size_t ancho) {
    size_t caracteres = 0;
    for (unsigned char c : s) caracteres += (c & 0xC0) != 0x80;
    return s + std::string(caracteres < ancho ? ancho - caracteres : 1, ' ');
}

void ImprimeTexto(const std::vector<EjemploVerificado>& ejemplos) {
    const char* formato = "%s%s%s%s%s%s\n";
    // The key column as wide as the longest key ("envolvente_posicion_momento_positivo.1").
    size_t ancho = 24;
    for (const EjemploVerificado& e : ejemplos)
        for (const Comprobacion& c : e.comprobaciones)
            ancho = std::max(ancho, c.esperado.clave.size() + 2);
    std::printf(formato, Columna("Ejemplo", 12).c_str(), Columna("Valor", ancho).c_str(),
                Columna("Esperado", 20).c_str(), Columna("Calculado", 14).c_str(),
                Columna("Diferencia", 13).c_str(), "Resultado");
    int valores = 0, fallos = 0;
    for (const EjemploVerificado& e : ejemplos) {
        if (!e.error.empty()) {
            std::printf("%s%s FALLA\n", Columna(e.nombre, 12).c_str(), e.error.c_str());
            ++fallos;
        }
        for (const Comprobacion& c : e.comprobaciones) {
            ++valores;
            fallos += c.cumple ? 0 : 1;
            std::printf(formato, Columna(e.nombre, 12).c_str(),
                        Columna(c.esperado.clave, ancho).c_str(),
                        Columna(Esperado(c.esperado), 20).c_str(), Columna(c.calculado, 14).c_str(),
                        Columna(c.diferencia ? NumeroVerificacion(*c.diferencia) : "-", 13).c_str(),
                        c.cumple ? "OK" : "FALLA");
        }
    }
    std::printf("\nVerificacion: %zu ejemplos, %d valores comprobados, %d %s: %s\n",
                ejemplos.size(), valores, fallos, fallos == 1 ? "falla" : "fallas",
                fallos == 0 ? "OK" : "FALLA");
}

void ImprimeJson(const std::vector<EjemploVerificado>& ejemplos) {
    Json j;
    j.Abre();
    int valores = 0, fallos = 0;
    j.AbreLista("examples");
    for (const EjemploVerificado& e : ejemplos) {
        j.Abre().Texto("name", e.nombre).Texto("description", e.esperado.descripcion);
        j.Texto("source", e.esperado.fuente);
        if (e.error.empty())
            j.Nulo("error");
        else
            j.Texto("error", e.error);
        j.AbreLista("checks");
        for (const Comprobacion& c : e.comprobaciones) {
            j.Abre().Texto("key", c.esperado.clave);
            if (c.esperado.numero)
                j.Numero("expected", *c.esperado.numero).Numero("tolerance", c.esperado.tolerancia);
            else
                j.Texto("expected", c.esperado.escrito).Nulo("tolerance");
            if (c.numero)
                j.Numero("computed", *c.numero);
            else if (c.existe)
                j.Texto("computed", c.calculado);
            else
                j.Nulo("computed");
            if (c.diferencia)
                j.Numero("difference", *c.diferencia);
            else
                j.Nulo("difference");
            j.Logico("ok", c.cumple).Cierra();
        }
        j.CierraLista().Cierra();
        valores += static_cast<int>(e.comprobaciones.size());
        fallos += e.Fallos();
    }
    j.CierraLista();
    j.Entero("checked", valores).Entero("failed", fallos).Texto("status", fallos ? "FALLA" : "OK");
    j.Cierra();
    std::printf("%s\n", j.Resultado().c_str());
}

}  // namespace

std::optional<OpcionesVerifica> LeeOpcionesVerifica(const std::vector<std::string>& argumentos,
                                                    std::string& error) {
    OpcionesVerifica o;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == "--json") {
            o.json = true;
        } else if (a == "--pdf" && i + 1 < argumentos.size()) {
            o.pdf = argumentos[++i];
        } else if (a.rfind("--pdf=", 0) == 0 && a.size() > 6) {
            o.pdf = a.substr(6);
        } else if (!a.empty() && a[0] == '-') {
            error = "Opcion desconocida: " + a;
            return std::nullopt;
        } else if (o.carpeta.empty()) {
            o.carpeta = a;
        } else {
            error = "Sobra el argumento: " + a;
            return std::nullopt;
        }
    }
    return o;
}

std::optional<std::vector<EjemploVerificado>> VerificaCarpeta(const std::string& carpeta,
                                                              std::string& error) {
    // The examples in name order; a folder that cannot be listed holds none.
    std::vector<std::string> archivos;
    std::error_code ec;
    for (const auto& entrada : std::filesystem::directory_iterator(carpeta, ec)) {
        const std::string nombre = entrada.path().filename().string();
        if (entrada.is_regular_file(ec) && nombre.size() > std::strlen(kExtensionEsperado) &&
            nombre.compare(nombre.size() - std::strlen(kExtensionEsperado), std::string::npos,
                           kExtensionEsperado) == 0)
            archivos.push_back(nombre);
    }
    std::sort(archivos.begin(), archivos.end());
    if (archivos.empty()) {
        error = "No hay ejemplos de verificacion (*.esperado) en " + carpeta;
        return std::nullopt;
    }
    std::vector<EjemploVerificado> ejemplos;
    for (const std::string& nombre : archivos) {
        EjemploVerificado e;
        e.nombre = nombre.substr(0, nombre.size() - std::strlen(kExtensionEsperado));
        Resultado<std::string> texto = LeeContenidoArchivo(Ruta(carpeta, nombre));
        Resultado<ArchivoEsperado> esperado =
            texto ? LeeEsperado(*texto.valor) : Resultado<ArchivoEsperado>::Falla(texto.mensaje);
        if (!esperado) {
            e.error = nombre + ": " + esperado.mensaje;
        } else {
            e.esperado = std::move(*esperado.valor);
            e.calculoManual = LeeBytesArchivo(Ruta(carpeta, e.nombre + ".md")).value_or("");
            Ejecuta(e, carpeta);
        }
        ejemplos.push_back(std::move(e));
    }
    return ejemplos;
}

int ComandoVerifica(const OpcionesVerifica& o, EscritorManual escribeManual) {
    const std::string carpeta = o.carpeta.empty() ? RutaDatosPrograma("verificacion") : o.carpeta;
    std::string error;
    const auto ejemplos = VerificaCarpeta(carpeta, error);
    if (!ejemplos) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (o.json)
        ImprimeJson(*ejemplos);
    else
        ImprimeTexto(*ejemplos);
    if (!o.pdf.empty() && escribeManual) {
        const int paginas = escribeManual(*ejemplos, o.pdf);
        if (paginas == 0) return 2;
        // The listing on stdout stays what it is (JSON with --json); the manual's note
        // goes beside the messages.
        std::fprintf(stderr, "%s: %d %s\n", o.pdf.c_str(), paginas,
                     paginas == 1 ? "pagina" : "paginas");
    }
    const bool todos = std::all_of(ejemplos->begin(), ejemplos->end(),
                                   [](const EjemploVerificado& e) { return e.Fallos() == 0; });
    return todos ? 0 : 1;
}

int EjecutaVerifica(const Argumentos& a) {
    std::string error;
    const auto o = LeeOpcionesVerifica(a, error);
    if (!o) return Uso(error);
    // The manual paints: trabelux-pinta writes it, with the same listing.
    if (!o->pdf.empty()) return PasaAlPintor("verify", a);
    return ComandoVerifica(*o, nullptr);
}

}  // namespace trabelux::cli
