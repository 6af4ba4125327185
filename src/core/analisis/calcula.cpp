#include "analisis/calcula.h"

#include "analisis/entrada.h"
#include "analisis/estaciones.h"
#include "analisis/rigidez.h"
#include "diseno/cortante.h"
#include "diseno/flexion.h"

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

// Spans, then supports, then stirrups; the first message stops the design.
std::string Disena(const EntradaCalculo& e, Resultados& r, const OpcionesCalculo& opciones) {
    if (!(e.fc > 0)) return "F'c debe ser mayor que cero";
    if (!(e.fy > 0.0f)) return "Fy debe ser mayor que cero";
    const std::function<bool()> aceptaDoble = [&opciones] {
        return opciones.preguntaRefuerzoDoble &&
               opciones.preguntaRefuerzoDoble(kPreguntaRefuerzoDoble);
    };
    std::string mensaje = DisenaVanos(e, r, aceptaDoble);
    if (mensaje.empty()) mensaje = DisenaApoyos(e, r, aceptaDoble);
    if (mensaje.empty()) mensaje = DisenaEstribos(e, r);
    return mensaje;
}

}  // namespace

Resultados Calcula(const Proyecto& p, const OpcionesCalculo& opciones) {
    Resultados r;
    r.soloAnalisis = opciones.soloAnalisis;
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
    CalculaEstaciones(e, solucion, r, opciones.progreso);
    r.numVanos = e.numVanos;
    r.analisisCompleto = true;

    if (!opciones.soloAnalisis) {
        r.mensaje = Disena(e, r, opciones);
        if (!r.mensaje.empty()) return r;
    }
    r.calculado = true;
    return r;
}

}  // namespace trabelux
