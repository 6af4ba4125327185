#include "cli/json_envolventes.h"

#include <cstdio>
#include <vector>

namespace trabelux::cli {

namespace {

const char* NombrePatron(MetodoEnvolvente m) {
    return m == MetodoEnvolvente::kCasosNorma ? "code" : "rigorous";
}

void RigeUno(Json& j, const std::string& clave, const Envolventes& env, Rige r, int n);

// Who governs: the case's index (0-based into "cases") with the code cases, the list of
// loaded spans (1-based) with the rigorous envelope.
void Rigen(Json& j, const std::string& clave, const Envolventes& env, const std::vector<Rige>& r,
           int n) {
    if (env.metodo == MetodoEnvolvente::kCasosNorma) {
        j.AbreLista(clave);
        for (Rige x : r) j.Entero({}, x);
        j.CierraLista();
        return;
    }
    j.AbreLista(clave);
    for (Rige x : r) RigeUno(j, {}, env, x, n);
    j.CierraLista();
}

void RigeUno(Json& j, const std::string& clave, const Envolventes& env, Rige r, int n) {
    if (env.metodo == MetodoEnvolvente::kCasosNorma) {
        j.Entero(clave, r);
        return;
    }
    j.AbreLista(clave);
    for (int i = 0; i < n; ++i)
        if (r & (1u << i)) j.Entero({}, i + 1);
    j.CierraLista();
}

void Vanos(Json& j, const std::string& clave, uint32_t vanos, int n) {
    j.AbreLista(clave);
    for (int i = 0; i < n; ++i)
        if (vanos & (1u << i)) j.Entero({}, i + 1);
    j.CierraLista();
}

}  // namespace

std::optional<AlternanciaCargaViva> LeePatron(const std::string& texto) {
    if (texto == "none") return AlternanciaCargaViva::kNinguna;
    if (texto == "code") return AlternanciaCargaViva::kCasosNorma;
    if (texto == "rigorous") return AlternanciaCargaViva::kRigurosa;
    return std::nullopt;
}

void AplicaPatron(Proyecto& p, const std::string& patron) {
    if (const auto elegida = LeePatron(patron)) p.datos.alternancia = *elegida;
    if (p.datos.alternancia != AlternanciaCargaViva::kNinguna && p.datos.usaCargaTotal)
        std::fprintf(stderr, "%s\n",
                     "La alternancia de carga viva requiere \"Usa carga viva y carga muerta\"; "
                     "se calcula con todos los vanos cargados.");
}

void JsonEnvolventes(Json& j, const Proyecto&, const Resultados& r) {
    if (!r.envolventes || !r.AnalisisCompleto()) return;
    const Envolventes& env = *r.envolventes;
    const int n = r.numVanos;
    j.Texto("pattern", NombrePatron(env.metodo));
    j.AbreLista("cases");
    for (const CasoCarga& c : env.casos) {
        j.Abre().Texto("name", c.nombre);
        Vanos(j, "loaded_spans", c.vanosCargados, n);
        j.AbreLista("end_forces");
        for (int i = 0; i < n; ++i) {
            const double* f = &c.fuerzasExtremo[static_cast<size_t>(4 * i)];
            j.Abre()
                .Entero("span", i + 1)
                .Numero("shear_i", static_cast<float>(f[0]))
                .Numero("moment_i", static_cast<float>(f[1]))
                .Numero("shear_j", static_cast<float>(f[2]))
                .Numero("moment_j", static_cast<float>(f[3]))
                .Cierra();
        }
        j.CierraLista();
        j.AbreLista("reactions");
        for (int k = 0; k <= n; ++k)
            j.Abre()
                .Entero("node", k + 1)
                .Numero("force", c.reacciones[static_cast<size_t>(2 * k)])
                .Numero("moment", c.reacciones[static_cast<size_t>(2 * k + 1)])
                .Cierra();
        j.CierraLista();
        j.Cierra();
    }
    j.CierraLista();

    j.Abre("envelopes");
    j.AbreLista("spans");
    for (int i = 0; i < n; ++i) {
        const size_t iv = static_cast<size_t>(i);
        const EnvolventeVano& v = env.vanos[iv];
        j.Abre()
            .Entero("span", i + 1)
            .ListaNumeros("x", env.maximos[iv].x)
            .ListaNumeros("shear_max", env.maximos[iv].cortante)
            .ListaNumeros("shear_min", env.minimos[iv].cortante)
            .ListaNumeros("moment_max", env.maximos[iv].momento)
            .ListaNumeros("moment_min", env.minimos[iv].momento);
        Rigen(j, "moment_max_case", env, v.rigeMomentoMax, n);
        Rigen(j, "moment_min_case", env, v.rigeMomentoMin, n);
        Rigen(j, "shear_max_case", env, v.rigeCortanteMax, n);
        Rigen(j, "shear_min_case", env, v.rigeCortanteMin, n);
        j.Abre("design")
            .Numero("positive_moment", v.momentoPositivo)
            .Numero("positive_moment_x", v.xMomentoPositivo)
            .Numero("negative_moment_mid", v.momentoNegativoCentro)
            .Numero("moment_i", v.momentoIzq)
            .Numero("moment_j", v.momentoDer)
            .Numero("shear_i", v.cortanteIzq)
            .Numero("shear_j", v.cortanteDer)
            .Cierra();
        j.Cierra();
    }
    j.CierraLista();
    j.AbreLista("supports");
    for (size_t k = 0; k < env.nudos.size(); ++k) {
        const EnvolventeNudo& nd = env.nudos[k];
        j.Abre()
            .Entero("node", static_cast<long long>(k + 1))
            .Numero("reaction_max", nd.reaccionMax)
            .Numero("reaction_min", nd.reaccionMin)
            .Numero("moment_max", nd.momentoMax)
            .Numero("moment_min", nd.momentoMin);
        RigeUno(j, "reaction_max_case", env, nd.rigeReaccionMax, n);
        RigeUno(j, "reaction_min_case", env, nd.rigeReaccionMin, n);
        j.Cierra();
    }
    j.CierraLista();
    j.Cierra();
}

}  // namespace trabelux::cli
