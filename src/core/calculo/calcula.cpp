#include "core/calculo/calcula.h"

#include <cfloat>
#include <cmath>

#include "core/analisis/entrada.h"
#include "core/analisis/estaciones.h"
#include "core/analisis/rigidez.h"
#include "core/diseno/cortante.h"
#include "core/diseno/flexion.h"
#include "core/diseno/solicitaciones.h"
#include "core/envolventes/calcula_envolventes.h"
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
Estado VerificaUnidadesDiseno(const Resultados& r) {
    // The largest |V| and |M| of the run decide it for every station at once; only a
    // beam that fails looks for the station to name.
    if (CabeEnSimple(r.maxCortante * 1000.0) && CabeEnSimple(r.maxMomento * 100000.0))
        return Estado::Bien();
    for (size_t i = 0; i < r.diagramas.size(); ++i) {
        const std::string vano = " del vano " + std::to_string(i + 1);
        for (float v : r.diagramas[i].cortante)
            if (!CabeEnSimple(v * 1000.0))
                return Estado::Falla(MensajeFueraDeRango(v, "del cortante" + vano));
        for (float m : r.diagramas[i].momento)
            if (!CabeEnSimple(m * 100000.0))
                return Estado::Falla(MensajeFueraDeRango(m, "del momento" + vano));
    }
    return Estado::Bien();
}

// A design row holding a value single precision could not hold (the design keeps its
// values with saturating conversions) is refused rather than shown.
Estado VerificaFilasDiseno(const Resultados& r) {
    auto fuera = [](float v) { return !(std::fabs(v) < FLT_MAX); };
    auto falla = [](float v, const std::string& deQue) {
        return Estado::Falla(MensajeFueraDeRango(v, deQue));
    };
    for (const auto& f : r.refuerzoVanos)
        for (float v : {f.momento, f.areaSuperior, f.areaInferior})
            if (fuera(v)) return falla(v, "del refuerzo del vano " + std::to_string(f.vano));
    for (const auto& f : r.refuerzoApoyos)
        for (float v : {f.momento, f.areaSuperior, f.areaInferior})
            if (fuera(v)) return falla(v, "del refuerzo del nudo " + std::to_string(f.nudo));
    for (const auto& f : r.refuerzoTransversal)
        for (float v : {f.cortanteI, f.cortanteJ, f.areaPorMetro})
            if (fuera(v))
                return falla(v, "del refuerzo transversal del vano " + std::to_string(f.vano));
    return Estado::Bien();
}

// Spans, then supports, then stirrups; the first failure stops the design.
Estado Disena(const EntradaCalculo& e, Resultados& r, const OpcionesCalculo& opciones) {
    if (!(e.fc > 0)) return Estado::Falla("F'c debe ser mayor que cero");
    if (!(e.fy > 0.0f)) return Estado::Falla("Fy debe ser mayor que cero");
    if (Estado unidades = VerificaUnidadesDiseno(r); !unidades) return unidades;
    const std::function<bool()> aceptaDoble = [&opciones, &r] {
        const bool acepta = opciones.preguntaRefuerzoDoble &&
                            opciones.preguntaRefuerzoDoble(kPreguntaRefuerzoDoble);
        r.refuerzoDoble = r.refuerzoDoble || acepta;
        return acepta;
    };
    const SolicitacionesDiseno s =
        r.envolventes ? SolicitacionesEnvolvente(e, r) : SolicitacionesTodosCargados(e, r);
    Estado diseno = DisenaVanos(e, s, r, aceptaDoble);
    if (diseno) diseno = DisenaApoyos(e, s, r, aceptaDoble);
    if (diseno) diseno = DisenaEstribos(e, s, r);
    if (diseno && !(diseno = VerificaFilasDiseno(r))) {
        r.refuerzoVanos.clear();
        r.refuerzoApoyos.clear();
        r.refuerzoTransversal.clear();
    }
    return diseno;
}

// The run's only writers of its stage and its stop, so the two always agree.
Resultados& Termina(Resultados& r, EtapaCalculo etapa) {
    r.etapa = etapa;
    r.parada = Estado::Bien();
    return r;
}
// A run that stops: after its analysis the design stopped; before it, nothing of an
// analysis that could not be finished is kept.
Resultados& Detiene(Resultados& r, const Estado& parada) {
    if (r.etapa == EtapaCalculo::kSinCalcular) {
        Resultados detenido;
        detenido.moduloCorregido = r.moduloCorregido;
        r = std::move(detenido);
    } else {
        r.etapa = EtapaCalculo::kDetenido;
    }
    r.parada = parada;
    return r;
}

}  // namespace

bool AdmiteDiseno(const Proyecto& p) { return p.datos.material == Material::kHormigon; }

Resultados Calcula(const Proyecto& p, const OpcionesCalculo& opciones) {
    Resultados r;
    const DatosNumericos datos = LeeDatosNumericos(p.datos);
    r.moduloCorregido = ModuloBajo(datos);

    Resultado<EntradaCalculo> entrada = LeeEntrada(p, datos);
    if (!entrada) return Detiene(r, Estado::Falla(entrada.mensaje));
    const EntradaCalculo& e = *entrada.valor;
    SolucionViga solucion;
    if (Estado resuelta = ResuelveViga(e, solucion); !resuelta) return Detiene(r, resuelta);
    CopiaSolucion(e, solucion, r);
    if (Estado estaciones = CalculaEstaciones(e, solucion, r, opciones.progreso); !estaciones)
        return Detiene(r, estaciones);
    if (datos.alternancia != AlternanciaCargaViva::kNinguna) {
        const MetodoEnvolvente metodo = datos.alternancia == AlternanciaCargaViva::kRigurosa
                                            ? MetodoEnvolvente::kRigurosa
                                            : MetodoEnvolvente::kCasosNorma;
        if (Estado envolventes = CalculaEnvolventes(e, solucion, metodo, r); !envolventes)
            return Detiene(r, envolventes);
    }
    r.numVanos = e.numVanos;
    if (opciones.soloAnalisis || !AdmiteDiseno(p)) return Termina(r, EtapaCalculo::kAnalizado);
    r.etapa = EtapaCalculo::kAnalizado;
    const Estado diseno = Disena(e, r, opciones);
    return diseno ? Termina(r, EtapaCalculo::kDisenado) : Detiene(r, diseno);
}

}  // namespace trabelux
