#include "core/calculo/calcula.h"

#include <cfloat>
#include <cmath>

#include "core/analisis/entrada.h"
#include "core/analisis/estaciones.h"
#include "core/analisis/rigidez.h"
#include "core/diseno/cortante.h"
#include "core/diseno/flexion.h"
#include "core/modelo/rango.h"

namespace trabelux {

namespace {

void CopiaSolucion(const EntradaCalculo& e, const SolucionViga& s, Resultados& r) {
    const int n = e.numVanos;
    r.fuerzasExtremo.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double* f = s.fuerzasExtremo[i];
        r.fuerzasExtremo[static_cast<size_t>(i)] = {f[0], f[1], f[2], f[3]};
    }
    r.reacciones.assign(s.reacciones, s.reacciones + 2 * static_cast<ptrdiff_t>(n + 1));
}

// The design works in kg and cm in single precision: a span whose shear or moment
// would not fit there in those units is out of range.
std::string VerificaUnidadesDiseno(const Resultados& r) {
    // The largest |V| and |M| of the run decide it for every station at once; only a
    // beam that fails looks for the station to name.
    if (CabeEnSimple(r.maxCortante * 1000.0) && CabeEnSimple(r.maxMomento * 100000.0)) return {};
    for (size_t i = 0; i < r.diagramas.size(); ++i) {
        const std::string vano = " del vano " + std::to_string(i + 1);
        for (float v : r.diagramas[i].cortante)
            if (!CabeEnSimple(v * 1000.0)) return MensajeFueraDeRango(v, "del cortante" + vano);
        for (float m : r.diagramas[i].momento)
            if (!CabeEnSimple(m * 100000.0)) return MensajeFueraDeRango(m, "del momento" + vano);
    }
    return {};
}

// A design row holding a value single precision could not hold (the design keeps its
// values with saturating conversions) is refused rather than shown.
std::string VerificaFilasDiseno(const Resultados& r) {
    auto fuera = [](float v) { return !(std::fabs(v) < FLT_MAX); };
    for (const auto& f : r.refuerzoVanos)
        for (float v : {f.momento, f.areaSuperior, f.areaInferior})
            if (fuera(v))
                return MensajeFueraDeRango(v, "del refuerzo del vano " + std::to_string(f.vano));
    for (const auto& f : r.refuerzoApoyos)
        for (float v : {f.momento, f.areaSuperior, f.areaInferior})
            if (fuera(v))
                return MensajeFueraDeRango(v, "del refuerzo del nudo " + std::to_string(f.nudo));
    for (const auto& f : r.refuerzoTransversal)
        for (float v : {f.cortanteI, f.cortanteJ, f.areaPorMetro})
            if (fuera(v))
                return MensajeFueraDeRango(
                    v, "del refuerzo transversal del vano " + std::to_string(f.vano));
    return {};
}

// Spans, then supports, then stirrups; the first message stops the design.
std::string Disena(const EntradaCalculo& e, Resultados& r, const OpcionesCalculo& opciones) {
    if (!(e.fc > 0)) return "F'c debe ser mayor que cero";
    if (!(e.fy > 0.0f)) return "Fy debe ser mayor que cero";
    if (std::string fuera = VerificaUnidadesDiseno(r); !fuera.empty()) return fuera;
    const std::function<bool()> aceptaDoble = [&opciones, &r] {
        const bool acepta = opciones.preguntaRefuerzoDoble &&
                            opciones.preguntaRefuerzoDoble(kPreguntaRefuerzoDoble);
        r.refuerzoDoble = r.refuerzoDoble || acepta;
        return acepta;
    };
    std::string mensaje = DisenaVanos(e, r, aceptaDoble);
    if (mensaje.empty()) mensaje = DisenaApoyos(e, r, aceptaDoble);
    if (mensaje.empty()) mensaje = DisenaEstribos(e, r);
    if (mensaje.empty() && !(mensaje = VerificaFilasDiseno(r)).empty()) {
        r.refuerzoVanos.clear();
        r.refuerzoApoyos.clear();
        r.refuerzoTransversal.clear();
    }
    return mensaje;
}

}  // namespace

bool AdmiteDiseno(const Proyecto& p) { return p.datos.material == kHormigon; }

Resultados Calcula(const Proyecto& p, const OpcionesCalculo& opciones) {
    Resultados r;
    r.moduloCorregido = ModuloBajo(p);

    Resultado<EntradaCalculo> entrada = LeeEntrada(p);
    if (!entrada) {
        r.mensaje = entrada.mensaje;
        return r;
    }
    const EntradaCalculo& e = *entrada.valor;
    SolucionViga solucion;
    r.mensaje = ResuelveViga(e, solucion);
    if (!r.mensaje.empty()) return r;
    CopiaSolucion(e, solucion, r);
    if (std::string fuera = CalculaEstaciones(e, solucion, r, opciones.progreso); !fuera.empty()) {
        // Nothing of an analysis that could not be held is kept.
        Resultados detenido;
        detenido.moduloCorregido = r.moduloCorregido;
        detenido.mensaje = fuera;
        return detenido;
    }
    r.numVanos = e.numVanos;
    if (opciones.soloAnalisis || !AdmiteDiseno(p)) {
        r.estado = EstadoCalculo::kAnalizado;
        return r;
    }
    r.mensaje = Disena(e, r, opciones);
    r.estado = r.mensaje.empty() ? EstadoCalculo::kDisenado : EstadoCalculo::kDetenido;
    return r;
}

}  // namespace trabelux
