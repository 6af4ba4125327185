#include "cli/json_envolventes.h"

#include <cstdio>

namespace trabelux::cli {

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

void JsonEnvolventes(Json&, const Proyecto&, const Resultados&) {}

}  // namespace trabelux::cli
