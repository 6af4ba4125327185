#include "cli/comando_calc.h"

#include <QFileInfo>
#include <cstdio>
#include <string>

#include "cli/json.h"
#include "cli/json_deflexiones.h"
#include "cli/json_envolventes.h"
#include "cli/json_planilla.h"
#include "cli/tabla_texto.h"
#include "core/archivos/abre_proyecto.h"
#include "core/calculo/calcula.h"
#include "core/detallado/acciones_detallado.h"
#include "core/reporte/tablas_informe.h"
#include "core/reporte/tablas_resultados.h"
#include "core/texto/numeros.h"
#include "io/lectores_disco.h"

namespace trabelux::cli {

namespace {

void Error(const std::string& texto) { std::fprintf(stderr, "%s\n", texto.c_str()); }

std::string SalidaJson(const Proyecto& p, const Resultados& r, const OpcionesCalc& o) {
    // With the bars the detailing table proposes, as the desktop program opens it.
    TablaDetallado tabla;
    if (r.Disenado()) CargaDetallado(tabla, p, r);
    Deflexiones flechas;
    if (!o.sinDeflexion) flechas = CalculaDeflexiones(p, LeeDatosNumericos(p.datos), r, tabla);
    Json j;
    j.Abre();
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
            j.Cierra();
        }
    }
    j.CierraLista();
    JsonEnvolventes(j, p, r);
    JsonPlanilla(j, p, r);
    if (!o.sinDeflexion) JsonDeflexiones(j, flechas);
    j.Cierra();
    return j.Resultado() + "\n";
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

std::optional<Proyecto> CargaProyecto(const std::string& archivo) {
    std::string ruta = QFileInfo(QString::fromStdString(archivo)).absoluteFilePath().toStdString();
    Resultado<ProyectoAbierto> abierto = AbreProyecto(ruta, LectoresDeDisco(ruta));
    if (!abierto) {
        Error(abierto.mensaje);
        return std::nullopt;
    }
    if (!abierto.valor->aviso.empty()) Error(abierto.valor->aviso);
    if (!abierto.valor->losas) Error(abierto.valor->losas.Mensaje());
    return std::move(abierto.valor->proyecto);
}

Resultados CalculaProyecto(const Proyecto& p, bool soloAnalisis, bool dobleRefuerzo) {
    OpcionesCalculo opciones;
    opciones.soloAnalisis = soloAnalisis;
    opciones.preguntaRefuerzoDoble = [dobleRefuerzo](const std::string&) { return dobleRefuerzo; };
    return Calcula(p, opciones);
}

bool SoloAnalisis(const Proyecto& p, bool pedido, const std::string& opciones) {
    if (pedido || AdmiteDiseno(p)) return pedido;
    if (!opciones.empty())
        Error("Nota: el diseño se aplica solo a vigas de Hormigon; la viga de " +
              NombreMaterial(p.datos.material) + " se analiza sin diseño y se ignora " + opciones +
              ".");
    return true;
}

int ComandoCalc(const OpcionesCalc& opciones) {
    std::optional<Proyecto> p = CargaProyecto(opciones.proyecto);
    if (!p) return 2;
    AplicaPatron(*p, opciones.patron);
    OpcionesCalc o = opciones;
    o.soloAnalisis = SoloAnalisis(*p, o.soloAnalisis, o.opcionDoble);
    Resultados r = CalculaProyecto(*p, o.soloAnalisis, o.dobleRefuerzo);
    std::string salida = o.json ? SalidaJson(*p, r, o) : SalidaTexto(*p, r, o);
    std::fwrite(salida.data(), 1, salida.size(), stdout);
    if (!r.Calculado()) {
        if (!o.json) Error(r.parada.Mensaje());
        return 1;
    }
    return 0;
}

}  // namespace trabelux::cli
