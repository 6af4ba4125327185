#include "core/verificacion/comparacion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/texto/numeros.h"

namespace trabelux {

namespace {

// The 1-based number after the dot at `parte` ("reaccion.3" -> 3), 0 when there is none.
int Numero(const std::vector<std::string>& partes, size_t parte) {
    if (parte >= partes.size() || partes[parte].empty()) return 0;
    char* fin = nullptr;
    const long n = std::strtol(partes[parte].c_str(), &fin, 10);
    return *fin == '\0' && n > 0 && n < 1000 ? static_cast<int>(n) : 0;
}

std::vector<std::string> Partes(const std::string& clave) {
    std::vector<std::string> partes(1);
    for (char c : clave) {
        if (c == '.')
            partes.emplace_back();
        else
            partes.back() += c;
    }
    return partes;
}

template <class Fila>
const Fila* Busca(const std::vector<Fila>& filas, int numero, int Fila::*campo) {
    for (const Fila& f : filas)
        if (f.*campo == numero) return &f;
    return nullptr;
}

}  // namespace

std::optional<ValorCalculado> ValorDeResultados(const Resultados& r, const std::string& clave,
                                                const CalculosDeBarras& calculos) {
    const std::vector<std::string> p = Partes(clave);
    const std::string& nombre = p[0];
    if (nombre == "estado" && p.size() == 1)
        return ValorCalculado(std::string(r.Calculado() ? "ok" : "stopped"));
    if (!r.AnalisisCompleto()) return std::nullopt;
    const int vanos = r.numVanos;
    if (p.size() == 1) {
        if (nombre == "cortante_max_viga") return ValorCalculado(double{r.maxCortante});
        if (nombre == "momento_max_viga") return ValorCalculado(double{r.maxMomento});
        return std::nullopt;
    }
    if (p.size() == 2) {
        if (calculos.planilla)
            for (const LineaPlanilla& l : calculos.planilla->lineas) {
                if (l.marca != p[1]) continue;
                if (nombre == "largo_corte") return ValorCalculado(l.corte);
                if (nombre == "dimensiones") return ValorCalculado(l.dimensiones);
            }
        const int k = Numero(p, 1);
        if (nombre == "reaccion" && k >= 1 && k <= vanos + 1)
            return ValorCalculado(double{r.ReaccionNudo(k)});
        if (nombre == "momento_reaccion" && k >= 1 && k <= vanos + 1)
            return ValorCalculado(double{r.MomentoNudo(k)});
        if (k >= 1 && static_cast<size_t>(k) <= std::min(r.momMaxVano.size(), r.posMomMax.size())) {
            const auto i = static_cast<size_t>(k - 1);
            if (nombre == "momento_max") return ValorCalculado(double{r.momMaxVano[i]});
            if (nombre == "posicion_momento_max") return ValorCalculado(double{r.posMomMax[i]});
        }
        if (const auto* f = Busca(r.refuerzoApoyos, k, &FilaRefuerzoApoyo::nudo)) {
            if (nombre == "momento_apoyo") return ValorCalculado(double{f->momento});
            if (nombre == "as_apoyo") return ValorCalculado(double{f->areaSuperior});
            if (nombre == "as_prima_apoyo") return ValorCalculado(double{f->areaInferior});
        }
        if (const auto* f = Busca(r.refuerzoVanos, k, &FilaRefuerzoVano::vano)) {
            if (nombre == "momento_vano") return ValorCalculado(double{f->momento});
            if (nombre == "as_vano") return ValorCalculado(double{f->areaInferior});
            if (nombre == "as_prima_vano") return ValorCalculado(double{f->areaSuperior});
        }
        if (r.envolventes && k >= 1 && static_cast<size_t>(k) <= r.envolventes->vanos.size()) {
            const EnvolventeVano& v = r.envolventes->vanos[static_cast<size_t>(k - 1)];
            if (nombre == "envolvente_momento_positivo")
                return ValorCalculado(double{v.momentoPositivo});
            if (nombre == "envolvente_posicion_momento_positivo")
                return ValorCalculado(double{v.xMomentoPositivo});
        }
        if (r.envolventes && k >= 1 && static_cast<size_t>(k) <= r.envolventes->nudos.size()) {
            const EnvolventeNudo& nd = r.envolventes->nudos[static_cast<size_t>(k - 1)];
            if (nombre == "envolvente_reaccion_max") return ValorCalculado(double{nd.reaccionMax});
            if (nombre == "envolvente_reaccion_min") return ValorCalculado(double{nd.reaccionMin});
        }
        const Deflexiones* flechas = calculos.flechas;
        if (flechas && flechas->noCalculadas.empty() && k >= 1 &&
            static_cast<size_t>(k) <= flechas->vanos.size()) {
            const DeflexionVano& d = flechas->vanos[static_cast<size_t>(k - 1)];
            if (nombre == "momento_agrietamiento") return ValorCalculado(d.mcr);
            if (nombre == "inercia_agrietada") return ValorCalculado(d.centro.dl.icr);
            if (nombre == "inercia_efectiva_muerta") return ValorCalculado(d.ieD);
            if (nombre == "inercia_efectiva_total") return ValorCalculado(d.ieDL);
            if (nombre == "flecha_muerta") return ValorCalculado(d.deltaD);
            if (nombre == "flecha_viva") return ValorCalculado(d.deltaL);
            if (nombre == "flecha_total") return ValorCalculado(d.deltaDL);
            if (nombre == "flecha_diferida") return ValorCalculado(d.deltaDiferida);
        }
        if (const auto* f = Busca(r.refuerzoTransversal, k, &FilaRefuerzoTransversal::vano)) {
            if (nombre == "av_por_metro") return ValorCalculado(double{f->areaPorMetro});
            if (nombre == "estribos") return ValorCalculado(f->estribos);
        }
        return std::nullopt;
    }
    if (p.size() == 3 && (p[1] == "I" || p[1] == "J")) {
        const bool i = p[1] == "I";
        const int k = Numero(p, 2);
        if (k >= 1 && static_cast<size_t>(k) <= r.fuerzasExtremo.size()) {
            const FuerzasVano& f = r.fuerzasExtremo[static_cast<size_t>(k - 1)];
            if (nombre == "cortante_extremo") return ValorCalculado(i ? f.cortanteI : f.cortanteJ);
            if (nombre == "momento_extremo") return ValorCalculado(i ? f.momentoI : f.momentoJ);
        }
        if (r.envolventes && k >= 1 && static_cast<size_t>(k) <= r.envolventes->vanos.size() &&
            nombre == "envolvente_momento") {
            const EnvolventeVano& v = r.envolventes->vanos[static_cast<size_t>(k - 1)];
            return ValorCalculado(double{i ? v.momentoIzq : v.momentoDer});
        }
        // The cut-off dimension of node k's additional bars on the side I (left) or J.
        if (calculos.despiece && nombre == "corte_adicional")
            for (const CotaCorte& c : calculos.despiece->cortes)
                if (c.nudo == k && (c.xBarra < c.xApoyo) == i)
                    return ValorCalculado(std::abs(c.xBarra - c.xApoyo));
        if (const auto* f = Busca(r.refuerzoTransversal, k, &FilaRefuerzoTransversal::vano))
            if (nombre == "cortante_diseno")
                return ValorCalculado(double{i ? f->cortanteI : f->cortanteJ});
    }
    return std::nullopt;
}

std::string DescribeClave(const std::string& clave) {
    const std::vector<std::string> p = Partes(clave);
    struct Nombre {
        const char* clave;
        const char* texto;
        const char* elemento;  // what the number after the key counts
        const char* unidad;
    };
    static const Nombre kNombres[] = {
        {"estado", "Estado del cálculo", "", ""},
        {"cortante_max_viga", "Cortante máximo de la viga", "", "t"},
        {"momento_max_viga", "Momento máximo de la viga", "", "t·m"},
        {"reaccion", "Reacción", "nudo", "t"},
        {"momento_reaccion", "Momento de reacción", "nudo", "t·m"},
        {"cortante_extremo", "Cortante en el extremo", "vano", "t"},
        {"momento_extremo", "Momento en el extremo", "vano", "t·m"},
        {"momento_max", "Momento máximo", "vano", "t·m"},
        {"posicion_momento_max", "Posición del momento máximo", "vano", "m"},
        {"momento_apoyo", "Momento de diseño", "apoyo", "t·m"},
        {"as_apoyo", "As", "apoyo", "cm²"},
        {"as_prima_apoyo", "As'", "apoyo", "cm²"},
        {"momento_vano", "Momento de diseño", "vano", "t·m"},
        {"as_vano", "As", "vano", "cm²"},
        {"as_prima_vano", "As'", "vano", "cm²"},
        {"cortante_diseno", "Vu a d del extremo", "vano", "t"},
        {"av_por_metro", "Av por metro", "vano", "cm²/m"},
        {"estribos", "Estribos", "vano", ""},
        {"envolvente_momento_positivo", "Envolvente: momento positivo máximo", "vano", "t·m"},
        {"envolvente_posicion_momento_positivo", "Envolvente: posición del momento positivo",
         "vano", "m"},
        {"envolvente_momento", "Envolvente: momento mínimo en el extremo", "vano", "t·m"},
        {"envolvente_reaccion_max", "Envolvente: reacción máxima", "nudo", "t"},
        {"envolvente_reaccion_min", "Envolvente: reacción mínima", "nudo", "t"},
        {"momento_agrietamiento", "Mcr", "vano", "t·m"},
        {"inercia_agrietada", "Icr al centro con D + L", "vano", "cm⁴"},
        {"inercia_efectiva_muerta", "Ie del vano con D", "vano", "cm⁴"},
        {"inercia_efectiva_total", "Ie del vano con D + L", "vano", "cm⁴"},
        {"flecha_muerta", "Flecha inmediata por D", "vano", "cm"},
        {"flecha_viva", "Flecha inmediata por L", "vano", "cm"},
        {"flecha_total", "Flecha inmediata por D + L", "vano", "cm"},
        {"flecha_diferida", "Flecha diferida", "vano", "cm"},
        {"corte_adicional", "Del eje al corte de las adicionales, lado", "apoyo", "m"},
        {"largo_corte", "Largo de corte", "marca", "m"},
        {"dimensiones", "Dimensiones", "marca", "m"},
    };
    for (const Nombre& n : kNombres) {
        if (p[0] != n.clave) continue;
        std::string t = n.texto;
        size_t numero = 1;
        if (p.size() == 3 && (p[1] == "I" || p[1] == "J")) {
            t += p[1] == "I" ? " izquierdo" : " derecho";
            numero = 2;
        }
        if (*n.elemento && numero < p.size()) t += std::string(", ") + n.elemento + " " + p[numero];
        if (*n.unidad) t += std::string(" (") + n.unidad + ")";
        return t;
    }
    return clave;
}

std::string NumeroVerificacion(double v) {
    char buf[32];
    const std::string texto(
        buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6).ptr);
    return texto == "-0" ? "0" : texto;
}

std::vector<Comprobacion> Compara(const ArchivoEsperado& e, const Resultados& r,
                                  const CalculosDeBarras& calculos) {
    std::vector<Comprobacion> lista;
    for (const ValorEsperado& v : e.valores) {
        Comprobacion c;
        c.esperado = v;
        const std::optional<ValorCalculado> valor = ValorDeResultados(r, v.clave, calculos);
        c.existe = valor.has_value();
        if (!valor) {
            c.calculado = "no existe";
        } else if (const double* x = std::get_if<double>(&*valor)) {
            c.numero = *x;
            c.calculado = NumeroVerificacion(*x);
            if (v.numero) {
                c.diferencia = *x - *v.numero;
                c.cumple = std::fabs(*c.diferencia) <= v.tolerancia;
            }
        } else {
            c.calculado = std::get<std::string>(*valor);
            c.cumple = !v.numero && c.calculado == v.escrito;
        }
        lista.push_back(std::move(c));
    }
    return lista;
}

}  // namespace trabelux
