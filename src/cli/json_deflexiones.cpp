#include "cli/json_deflexiones.h"

namespace trabelux::cli {

void JsonDeflexiones(Json& j, const Deflexiones& d) {
    if (!d.noCalculadas.empty()) {
        j.Nulo("deflections");
        j.Texto("deflection_note", d.noCalculadas);
        return;
    }
    j.AbreLista("deflections");
    for (size_t i = 0; i < d.vanos.size(); ++i) {
        const DeflexionVano& v = d.vanos[i];
        j.Abre()
            .Entero("span", static_cast<long long>(i + 1))
            .Numero("ig", v.ig)
            .Numero("ie_d", v.ieD)
            .Numero("ie_dl", v.ieDL)
            .Numero("ie", v.ieDL)
            .Numero("ie_ratio", v.ig > 0 ? v.ieDL / v.ig : 1.0)
            .Numero("delta_d", v.deltaD)
            .Numero("delta_l", v.deltaL)
            .Numero("delta_dl", v.deltaDL)
            .Numero("delta_long", v.deltaDiferida)
            .Numero("x_max", v.xMax);
        if (v.limiteDiferida)
            j.Numero("limit", *v.limiteDiferida);
        else
            j.Nulo("limit");
        j.Numero("limit_l", v.limiteL).Logico("ok", v.cumple).Cierra();
    }
    j.CierraLista();
}

}  // namespace trabelux::cli
