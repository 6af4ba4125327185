#include "cli/comando_calc.h"

#include <cstdio>
#include <string>

#include "cli/json.h"
#include "cli/json_deflexiones.h"
#include "cli/json_envolventes.h"
#include "cli/json_planilla.h"
#include "cli/lote_calc.h"
#include "cli/tabla_texto.h"
#include "core/archivos/abre_proyecto.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/detallado/verifica_filas.h"
#include "core/reporte/tablas_informe.h"
#include "core/reporte/tablas_resultados.h"
#include "core/texto/numeros.h"
#include "io/datos_programa.h"
#include "io/lectores_disco.h"

namespace trabelux::cli {

namespace {

void Error(const std::string& texto) { std::fprintf(stderr, "%s\n", texto.c_str()); }

void Anota(std::vector<std::string>& avisos, const std::string& texto) { avisos.push_back(texto); }

void Imprime(const std::vector<std::string>& avisos) {
    for (const std::string& a : avisos) Error(a);
}

// The contract's object; a batch line opens with the project's "file".
std::string SalidaJson(const Proyecto& p, const Resultados& r, const OpcionesCalc& o, bool enLinea,
                       const std::string& archivo) {
    // With the bars the detailing table proposes, as the desktop program opens it.
    TablaDetallado tabla;
    if (r.Disenado()) CargaDetallado(tabla, p, r);
    Deflexiones flechas;
    if (!o.sinDeflexion) flechas = CalculaDeflexiones(p, LeeDatosNumericos(p.datos), r, tabla);
    Json j(enLinea);
    // The stations are most of a long beam's document: some 25 bytes a number.
    size_t numeros = 0;
    if (o.estaciones)
        for (const EstacionesVano& e : r.diagramas) numeros += 3 * e.x.size();
    j.Reserva(16384 + 25 * numeros);
    j.Abre();
    if (enLinea) j.Texto("file", archivo);
    j.Texto("beam", p.nombreViga);
    j.Entero("spans", p.numVanos);
    j.Logico("design", !o.soloAnalisis);  // the effective choice: false for a steel beam
    j.Texto("status", r.Calculado() ? "ok" : "stopped");
    if (r.Calculado())
        j.Nulo("message");
    else
        j.Texto("message", r.parada.Mensaje());
    if (r.AnalisisCompleto()) {
        j.AbreLista("reactions");
        for (int n = 1; n <= r.numVanos + 1; ++n)
            j.Abre()
                .Entero("node", n)
                .Numero("force", r.ReaccionNudo(n))
                .Numero("moment", r.MomentoNudo(n))
                .Cierra();
        j.CierraLista();
        j.AbreLista("end_forces");
        for (int i = 0; i < r.numVanos; ++i) {
            const FuerzasVano& f = r.fuerzasExtremo[i];
            j.Abre()
                .Entero("span", i + 1)
                .Numero("shear_i", f.cortanteI)
                .Numero("moment_i", f.momentoI)
                .Numero("shear_j", f.cortanteJ)
                .Numero("moment_j", f.momentoJ)
                .Numero("max_moment", r.momMaxVano[i])
                .Numero("max_moment_x", r.posMomMax[i])
                .Cierra();
        }
        j.CierraLista();
        j.Numero("max_shear", r.maxCortante);
        j.Numero("max_moment", r.maxMomento);
        if (o.estaciones) {
            j.AbreLista("stations");
            for (int i = 0; i < r.numVanos; ++i) {
                const EstacionesVano& e = r.diagramas[i];
                j.Abre()
                    .Entero("span", i + 1)
                    .ListaNumeros("x", e.x)
                    .ListaNumeros("shear", e.cortante)
                    .ListaNumeros("moment", e.momento);
                if (static_cast<size_t>(i) < flechas.estaciones.size())
                    j.ListaNumeros("deflection", flechas.estaciones[static_cast<size_t>(i)]);
                j.Cierra();
            }
            j.CierraLista();
        }
    }
    // Support and span rows share their form: the item, its moment, top and bottom steel.
    // A row with its tension on the other face than usual says which ("tension").
    auto filaAcero = [&j](const char* clave, int numero, float momento, float superior,
                          float inferior, const char* traccion) {
        j.Abre()
            .Entero(clave, numero)
            .Numero("moment", momento)
            .Numero("top", superior)
            .Numero("bottom", inferior);
        if (traccion) j.Texto("tension", traccion);
        j.Cierra();
    };
    j.AbreLista("support_steel");
    for (const auto& f : r.refuerzoApoyos)
        filaAcero("node", f.nudo, f.momento, f.areaSuperior, f.areaInferior,
                  f.traccion == Cara::kInferior ? "bottom" : nullptr);
    j.CierraLista();
    j.AbreLista("span_steel");
    for (const auto& f : r.refuerzoVanos)
        filaAcero("span", f.vano, f.momento, f.areaSuperior, f.areaInferior,
                  f.traccion == Cara::kSuperior ? "top" : nullptr);
    j.CierraLista();
    j.AbreLista("stirrups");
    for (const auto& f : r.refuerzoTransversal)
        j.Abre()
            .Entero("span", f.vano)
            .Numero("shear_i", f.cortanteI)
            .Numero("shear_j", f.cortanteJ)
            .Numero("area_per_m", f.areaPorMetro)
            .Texto("text", f.estribos)
            .Cierra();
    j.CierraLista();
    j.AbreLista("bars");
    if (r.Disenado()) {
        auto entero = [&j](const char* clave, const std::optional<int>& v) {
            if (v)
                j.Entero(clave, *v);
            else
                j.Nulo(clave);
        };
        for (size_t k = 0; k < tabla.filas.size(); ++k) {
            const FilaDetallado& f = tabla.filas[k];
            j.Abre();
            j.Entero("row", static_cast<long long>(k + 1));
            j.Texto("location", f.ubic).Texto("section", f.sec).Texto("shape", f.tipo);
            entero("bottom_bar", f.barraInferior);
            entero("bottom_count", f.cantInferior);
            entero("hanger_bar", f.barraPercha);
            entero("hanger_count", f.cantPercha);
            entero("extra_bar", f.barraAdicional);
            entero("extra_count", f.cantAdicional);
            entero("stirrup_bar", f.barraEstribo);
            if (f.separEstribo)
                j.Numero("stirrup_spacing", *f.separEstribo);
            else
                j.Nulo("stirrup_spacing");
            // "Provisto/Requerido" of the detailing window.
            const auto razon = VerificaFila(tabla, static_cast<int>(k), p, r).razon;
            if (razon)
                j.Numero("provided_ratio", *razon);
            else
                j.Nulo("provided_ratio");
            j.Cierra();
        }
    }
    j.CierraLista();
    JsonEnvolventes(j, p, r);
    JsonPlanilla(j, p, r);
    if (!o.sinDeflexion) JsonDeflexiones(j, flechas);
    j.Cierra();
    std::string documento = j.Toma();
    documento += '\n';
    return documento;
}

std::string SalidaTexto(const Proyecto& p, const Resultados& r, const OpcionesCalc& o) {
    std::string s = "Viga " + p.nombreViga + " - " + std::to_string(p.numVanos) +
                    (p.numVanos == 1 ? " vano" : " vanos") +
                    (o.soloAnalisis ? " (analisis solo)" : " (analisis y diseño)") + "\n\n";
    if (r.AnalisisCompleto())
        for (const auto& t : TablasAnalisis(r)) s += TablaComoTexto(t) + "\n";
    if (r.envolventes)
        for (const auto& t : TablasEnvolventes(r)) s += TablaComoTexto(t) + "\n";
    if (!o.soloAnalisis)
        for (const auto& t : TablasRefuerzo(r)) s += TablaComoTexto(t) + "\n";
    return s;
}

}  // namespace

std::optional<Proyecto> CargaProyecto(const std::string& archivo, std::vector<std::string>& avisos,
                                      const std::string& rutaPerfiles) {
    const std::string ruta = RutaAbsoluta(archivo);
    Resultado<ProyectoAbierto> abierto = AbreProyecto(ruta, LectoresDeDisco(ruta, rutaPerfiles));
    if (!abierto) {
        Anota(avisos, abierto.mensaje);
        return std::nullopt;
    }
    if (!abierto.valor->aviso.empty()) Anota(avisos, abierto.valor->aviso);
    if (!abierto.valor->losas) Anota(avisos, abierto.valor->losas.Mensaje());
    return std::move(abierto.valor->proyecto);
}

std::optional<Proyecto> CargaProyecto(const std::string& archivo) {
    std::vector<std::string> avisos;
    std::optional<Proyecto> p = CargaProyecto(archivo, avisos, RutaTablaPerfiles());
    Imprime(avisos);
    return p;
}

Resultados CalculaProyecto(const Proyecto& p, bool soloAnalisis, bool dobleRefuerzo) {
    OpcionesCalculo opciones;
    opciones.soloAnalisis = soloAnalisis;
    opciones.preguntaRefuerzoDoble = [dobleRefuerzo](const std::string&) { return dobleRefuerzo; };
    return Calcula(p, opciones);
}

bool SoloAnalisis(const Proyecto& p, bool pedido, const std::string& opciones,
                  std::vector<std::string>& avisos) {
    if (pedido || AdmiteDiseno(p)) return pedido;
    if (!opciones.empty())
        Anota(avisos, "Nota: el diseño se aplica solo a vigas de Hormigon; la viga de " +
                          NombreMaterial(p.datos.material) + " se analiza sin diseño y se ignora " +
                          opciones + ".");
    return true;
}

bool SoloAnalisis(const Proyecto& p, bool pedido, const std::string& opciones) {
    std::vector<std::string> avisos;
    const bool solo = SoloAnalisis(p, pedido, opciones, avisos);
    Imprime(avisos);
    return solo;
}

CorridaCalc CorreCalc(const std::string& archivo, const OpcionesCalc& o,
                      const std::string& rutaPerfiles) {
    CorridaCalc c;
    c.proyecto = CargaProyecto(archivo, c.avisos, rutaPerfiles);
    if (!c.proyecto) return c;
    AplicaPatron(*c.proyecto, o.patron);
    c.soloAnalisis = SoloAnalisis(*c.proyecto, o.soloAnalisis, o.opcionDoble, c.avisos);
    c.resultados = CalculaProyecto(*c.proyecto, c.soloAnalisis, o.dobleRefuerzo);
    c.estado = c.resultados->Calculado() ? 0 : 1;
    // The text tables leave the stop to stderr, after them; the JSON holds it as its message.
    if (c.estado == 1 && !o.json && !o.jsonLineas) Anota(c.parada, c.resultados->parada.Mensaje());
    return c;
}

std::string SalidaCalc(const CorridaCalc& c, const OpcionesCalc& opciones, bool enLinea,
                       const std::string& archivo) {
    if (!c.proyecto) return {};
    OpcionesCalc o = opciones;
    o.soloAnalisis = c.soloAnalisis;
    return o.json || enLinea ? SalidaJson(*c.proyecto, *c.resultados, o, enLinea, archivo)
                             : SalidaTexto(*c.proyecto, *c.resultados, o);
}

int EjecutaCalc(const Argumentos& argumentos) {
    OpcionesCalc o;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (EsArchivo(a))
            o.entradas.push_back(a);
        else if (a == "--stations")
            o.estaciones = true;
        else if (a == "--json")
            o.json = true;
        else if (a == "--json-lines")
            o.jsonLineas = true;
        else if (a == "--summary" && i + 1 < argumentos.size())
            o.resumen = argumentos[++i];
        else if (a.rfind("--summary=", 0) == 0)
            o.resumen = a.substr(10);
        else if (a == "--jobs" && i + 1 < argumentos.size()) {
            if (!LeeTrabajos(argumentos[++i], o.trabajos))
                return Uso("--jobs: un numero de 1 a 256");
        } else if (a.rfind("--jobs=", 0) == 0) {
            if (!LeeTrabajos(a.substr(7), o.trabajos)) return Uso("--jobs: un numero de 1 a 256");
        } else if (!LeeOpcionCalculo(a, o))
            return Uso("Opcion desconocida: " + a);
    }
    if (o.entradas.empty()) return Uso("Falta el archivo del proyecto");
    if (!o.patron.empty() && !LeePatron(o.patron))
        return Uso("Valor desconocido de --pattern: " + o.patron);
    if (o.entradas.size() > 1 || o.jsonLineas || !o.resumen.empty() || o.entradas[0] == "-" ||
        EsCarpeta(o.entradas[0]))
        return CalcEnLote(o);
    // One project: as calc always did.
    CorridaCalc c = CorreCalc(o.entradas[0], o, RutaTablaPerfiles());
    Imprime(c.avisos);
    const std::string salida = SalidaCalc(c, o);
    std::fwrite(salida.data(), 1, salida.size(), stdout);
    Imprime(c.parada);
    return c.estado;
}

}  // namespace trabelux::cli
