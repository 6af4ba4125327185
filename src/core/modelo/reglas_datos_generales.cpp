#include "core/modelo/reglas_datos_generales.h"

#include <algorithm>

#include "core/modelo/filas_vano.h"
#include "core/modelo/rango.h"
#include "core/texto/numeros.h"

namespace trabelux {

bool EligeMaterial(DatosGenerales& d, Material material, bool enCarga) {
    d.material = material;
    if (material == Material::kHormigon) {
        d.opcionInercia = OpcionInercia::kBh3;
        d.moduloE = TextoModulo(material, d.fc);
        d.factorMuerta = "1.4";
        d.factorViva = "1.7";
        d.pesoUnitario = "2.4";
        return false;
    }
    // Switching the inertia to "Otra" while its list is disabled does not open the
    // inertia panel but still normalises the global inertia.
    d.opcionInercia = OpcionInercia::kOtra;
    d.inercia = NormalizaInercia(d.inercia);
    d.moduloE = d.factorMuerta = d.factorViva = d.pesoUnitario = "1.0";
    if (material != Material::kAcero) return false;
    d.moduloE = TextoModulo(Material::kAcero, d.fc);
    d.pesoUnitario = "7.85";
    return !enCarga;
}

void CambiaFc(DatosGenerales& d, const std::string& fc) {
    d.fc = fc;
    d.moduloE = TextoModulo(d.material, fc);
}

void EligeOpcionCarga(DatosGenerales& d, bool usaCargaTotal) {
    d.usaCargaTotal = usaCargaTotal;
    d.factorMuerta = usaCargaTotal ? "1.0" : "1.4";
    d.factorViva = usaCargaTotal ? "1.0" : "1.7";
}

std::string TextoCargaTotal(Material material) {
    return material == Material::kHormigon ? "Usa carga ultima total" : "Usa carga total";
}

Estado VerificaControlCarga(DatosGenerales& d) {
    // A value beyond what the program can calculate is refused first, with its own name.
    const std::pair<std::string*, const char*> valores[] = {
        {&d.factorMuerta, "del factor de carga muerta"},
        {&d.factorViva, "del factor de carga viva"},
        {&d.pesoUnitario, "del peso unitario"},
    };
    for (const auto& [texto, nombre] : valores) {
        const double v = LeeNumero(*texto);
        if (EnRango(v)) continue;
        *texto = "1.0";
        return Estado::Falla(MensajeFueraDeRango(v, nombre));
    }
    if (LeeNumero(d.factorMuerta) < 1.0) {
        d.factorMuerta = "1.0";
        return Estado::Falla(kMensajeFactorMuerta);
    }
    if (LeeNumero(d.factorViva) < 1.0) {
        d.factorViva = "1.0";
        return Estado::Falla(kMensajeFactorViva);
    }
    if (LeeNumero(d.pesoUnitario) < 1.0) {
        d.pesoUnitario = "1.0";
        if (d.calculaPesoPropio) return Estado::Falla(kMensajePesoUnitario);
    }
    return Estado::Bien();
}

std::string NormalizaInercia(const std::string& inercia) {
    std::string texto = Formatea(LeeNumero(inercia), "0.000000");
    // Judged on the text shown: an inertia that shows as 0.000000 would read back as 0.
    return LeeNumero(texto) <= 0 ? "1.000000" : texto;
}

void AceptaPerfil(Proyecto& p, int familia, int designacion,
                  const std::optional<PerfilAcero>& perfil) {
    DatosGenerales& d = p.datos;
    d.familiaPerfil = familia;
    d.designacionPerfil = familia == 0 ? -1 : designacion;
    p.perfil = familia == 0 ? std::nullopt : perfil;
    if (p.perfil) {
        const double baseCm = p.perfil->bf * 100.0;
        const double alturaCm = p.perfil->d * 100.0;
        d.base = Formatea(baseCm, "0.0");
        d.altura = Formatea(alturaCm, "0.0");
        d.inercia = Formatea(p.perfil->ix, "0.000000");
        d.opcionInercia = OpcionInercia::kOtra;
        const int filas = std::min<int>(p.numVanos, static_cast<int>(p.vanos.size()));
        for (int i = 0; i < filas; ++i) {
            p.vanos[i].base = baseCm;
            p.vanos[i].altura = alturaCm;
            p.vanos[i].inercia = p.perfil->ix;
        }
    }
    if (familia == 0) {
        d.inercia = "1";
        d.opcionInercia = OpcionInercia::kBh3;
    }
    RecalculaFilas(p);
}

Resultado<std::string> VerificaLargoComercial(const std::string& texto) {
    const std::optional<std::string> normal = TextoNumeroTecleado(texto);
    if (!normal) return Resultado<std::string>::Falla(MensajeNoEsNumero(texto));
    const double valor = LeeNumeroTecleado(*normal).value_or(0);
    if (!(valor >= kLargoComercialMinimo && valor <= kLargoComercialMaximo))
        return Resultado<std::string>::Falla(
            "El largo comercial de las barras debe estar entre 3 y 18 m");
    return Resultado<std::string>::Ok(*normal);
}

}  // namespace trabelux
