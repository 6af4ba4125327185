#include "cli/pinta/comando_informe.h"

#include <cstdio>
#include <sstream>

#include "cli/comando_calc.h"
#include "cli/json_envolventes.h"
#include "core/detallado/acciones_detallado.h"
#include "core/reporte/composicion.h"
#include "core/texto/numeros.h"
#include "io/archivos.h"
#include "render/grabadora_qt.h"
#include "render/informe_pdf.h"

namespace trabelux::cli {

namespace {

constexpr double kTwipsPorPulgada = 1440;

bool EmpiezaCon(const std::string& s, const std::string& prefijo, std::string& resto) {
    if (s.compare(0, prefijo.size(), prefijo) != 0) return false;
    resto = s.substr(prefijo.size());
    return true;
}

// "\n" typed on the command line stands for a line break of the header or footer.
std::string ConSaltos(std::string texto) {
    for (std::string::size_type i = 0; (i = texto.find("\\n", i)) != std::string::npos;)
        texto.replace(i, 2, "\n");
    return texto;
}

}  // namespace

bool LeeOpcionInforme(const std::string& a, OpcionesInforme& o, std::string& error) {
    ConfiguracionInforme& c = o.configuracion;
    std::string valor;
    if (a == "--landscape") {
        c.horizontal = true;
    } else if (a == "--diagrams") {
        c.diagramas = OpcionDiagramas::kCortanteMomento;
    } else if (a == "--reinforcement") {
        c.refuerzo = true;
    } else if (EmpiezaCon(a, "--paper=", valor)) {
        auto codigo = LeeNumeroCompleto(valor);
        if (!codigo || *codigo != static_cast<int>(*codigo) ||
            !PapelDeCodigo(static_cast<int>(*codigo), c).isValid()) {
            error = "Papel desconocido: " + valor;
            return false;
        }
        c.papel = static_cast<int>(*codigo);
    } else if (EmpiezaCon(a, "--margins=", valor)) {
        std::stringstream partes(valor);
        std::string parte;
        int i = 0;
        for (; std::getline(partes, parte, ',') && i < 4; ++i) {
            auto pulgadas = LeeNumeroCompleto(parte);
            if (!pulgadas || *pulgadas < 0 || *pulgadas > 20) break;
            c.margenes[static_cast<size_t>(i)] = *pulgadas * kTwipsPorPulgada;
        }
        if (i != 4 || std::getline(partes, parte, ',')) {
            error = "Margenes: cuatro valores en pulgadas, arriba,izquierda,abajo,derecha";
            return false;
        }
    } else if (EmpiezaCon(a, "--header=", valor)) {
        c.encabezado = ConSaltos(valor);
    } else if (EmpiezaCon(a, "--footer=", valor)) {
        c.pie = ConSaltos(valor);
    } else {
        error = "Opcion desconocida: " + a;
        return false;
    }
    return true;
}

int ComandoInforme(const OpcionesInforme& o) {
    if (!MargenesDejanCuerpo(o.configuracion)) {
        std::fprintf(stderr, "%s\n", kMensajeMargenSinCuerpo);
        return 2;
    }
    std::optional<Proyecto> p = CargaProyecto(o.proyecto);
    if (p) AplicaPatron(*p, o.patron);
    if (!p) return 2;
    std::string opcionesDiseno = o.opcionDoble;
    if (o.configuracion.refuerzo)
        opcionesDiseno += (opcionesDiseno.empty() ? "" : " y ") + std::string("--reinforcement");
    const bool soloAnalisis = SoloAnalisis(*p, o.soloAnalisis, opcionesDiseno);
    Resultados r = CalculaProyecto(*p, soloAnalisis, o.dobleRefuerzo);
    TablaDetallado detallado;
    if (r.Disenado()) CargaDetallado(detallado, *p, r);
    ConfiguracionInforme c = o.configuracion;
    c.fecha = FechaInforme();
    c.deflexiones = !o.sinDeflexion;
    const ComposicionInforme compone = [&](SuperficiePagina& s) {
        ComponeInforme(s, *p, &r, &detallado, c);
    };

    int estado = r.Calculado() ? 0 : 1;
    if (!r.Calculado()) std::fprintf(stderr, "%s\n", r.parada.Mensaje().c_str());
    if (o.texto) {
        // Recorded through the PDF's fonts: the same pages and positions the PDF has.
        GrabadoraQt s;
        ComponeDocumentoInforme(s, *p, &r, &detallado, c);
        const std::string texto = s.Volcado();
        std::fwrite(texto.data(), 1, texto.size(), stdout);
        return estado;
    }
    int paginas = 0;
    const Estado guardado = GuardaArchivo(o.salida, PdfDelInforme(c, compone, &paginas));
    if (!guardado) {
        std::fprintf(stderr, "%s\n", guardado.Mensaje().c_str());
        return 2;
    }
    std::printf("%s: %d %s\n", o.salida.c_str(), paginas, paginas == 1 ? "pagina" : "paginas");
    return estado;
}

int EjecutaInforme(const Argumentos& argumentos) {
    OpcionesInforme o;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        std::string error;
        if (a == "--text") {
            o.texto = true;
        } else if (a == "-o" && i + 1 < argumentos.size()) {
            o.salida = argumentos[++i];
        } else if (a.empty() || a[0] != '-') {
            if (!o.proyecto.empty()) return Uso("Sobra el argumento: " + a);
            o.proyecto = a;
        } else if (!LeeOpcionCalculo(a, o) && !LeeOpcionInforme(a, o, error)) {
            return Uso(error);
        }
    }
    if (o.proyecto.empty()) return Uso("Falta el archivo del proyecto");
    if (o.salida.empty() && !o.texto) return Uso("Falta el archivo del informe (-o)");
    if (!o.patron.empty() && !LeePatron(o.patron))
        return Uso("Valor desconocido de --pattern: " + o.patron);
    return ComandoInforme(o);
}

}  // namespace trabelux::cli
