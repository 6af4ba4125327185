#include "core/envolventes/casos.h"

namespace trabelux {

std::vector<DefinicionCaso> CasosNorma(int n) {
    std::vector<DefinicionCaso> casos;
    for (int k = 2; k <= n; ++k)
        casos.push_back({"vanos " + std::to_string(k - 1) + "-" + std::to_string(k),
                         (1u << (k - 2)) | (1u << (k - 1))});
    uint32_t impares = 0, pares = 0;
    for (int i = 0; i < n; ++i) (i % 2 == 0 ? impares : pares) |= 1u << i;
    casos.push_back({"vanos impares", impares});
    if (n > 1) casos.push_back({"vanos pares", pares});
    casos.push_back({"todos los vanos", impares | pares});
    return casos;
}

std::string TextoRige(const Envolventes& env, Rige rige, int numVanos) {
    if (env.metodo == MetodoEnvolvente::kCasosNorma)
        return rige < env.casos.size() ? env.casos[rige].nombre : std::string();
    if (rige == 0) return "solo carga muerta";
    const uint32_t todos = numVanos >= 32 ? ~0u : (1u << numVanos) - 1u;
    if ((rige & todos) == todos) return "todos los vanos";
    std::string lista;
    int cuantos = 0;
    for (int i = 0; i < numVanos; ++i) {
        if (!(rige & (1u << i))) continue;
        lista += (cuantos++ ? ", " : "") + std::to_string(i + 1);
    }
    return (cuantos == 1 ? "vano " : "vanos ") + lista;
}

}  // namespace trabelux
