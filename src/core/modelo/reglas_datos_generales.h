// Rules of the general-data dialog that change its texts: the material, F'c and the
// modulus, the load options, the load-control check, the global inertia and the
// steel-shape panel's "OK".
#pragma once

#include <optional>
#include <string>

#include "core/base/estado.h"
#include "core/base/resultado.h"
#include "core/modelo/proyecto.h"

namespace trabelux {

// EligeMaterial: the texts a choice of material sets. "Hormigon": inertia "bh3/12",
// modulus from F'c, factors "1.4"/"1.7", unit weight "2.4". "Acero" and "Otro": inertia
// "Otra" (its text normalised, see NormalizaInercia), modulus, factors and unit weight
// "1.0"; "Acero" then modulus "2.00E + 06" and unit weight "7.85". Returns whether the
// steel-shape panel opens: with "Acero", unless a project is being read (`enCarga`).
bool EligeMaterial(DatosGenerales& d, Material material, bool enCarga);

// CambiaFc: F'c edited; the modulus follows the material.
void CambiaFc(DatosGenerales& d, const std::string& fc);

// EligeOpcionCarga: "Usa carga viva y carga muerta" sets the factors to "1.4" and "1.7",
// "Usa carga total" both to "1.0".
void EligeOpcionCarga(DatosGenerales& d, bool usaCargaTotal);

// Caption of the "Usa carga total" option for the material.
std::string TextoCargaTotal(Material material);

inline constexpr const char* kMensajeFactorMuerta =
    "El factor de carga muerta no puede ser menor de 1.0";
inline constexpr const char* kMensajeFactorViva =
    "El factor de carga viva no puede ser menor de 1.0";
inline constexpr const char* kMensajePesoUnitario =
    "El peso unitario del material no puede ser menor de 1.0";

// VerificaControlCarga: the load-control panel's "OK"; it fails (the panel stays open,
// its message shown) in these cases. First a factor or unit weight beyond the range the
// program can calculate is reset to "1.0", with the out-of-range message. Then, in order:
// a dead-load factor below 1.0, then a live-load factor below 1.0, then a unit weight
// below 1.0 are reset to "1.0"; the first of them fails with its message, except the unit
// weight when self weight is not computed, which passes silently.
Estado VerificaControlCarga(DatosGenerales& d);

// The global inertia text as the inertia panel shows it: "0.000000", and "1.000000"
// for a value that would show as zero or less.
std::string NormalizaInercia(const std::string& inercia);

// AceptaPerfil: the steel-shape panel's "OK" with the family chosen and the shape it
// resolved to (absent when no designation is chosen). With a shape: "Base" and "Altura"
// become bf and d in cm ("0.0"), the global inertia its Ix ("0.000000") with the choice
// "Otra", and every span shown gets that width, depth and inertia. With family
// "Ninguno" the global inertia becomes "1" and the choice "bh3/12". The span rows'
// derived values follow (RecalculaFilas); the caller brings the slab loads up to date.
void AceptaPerfil(Proyecto& p, int familia, int designacion,
                  const std::optional<PerfilAcero>& perfil);

// The stock bar length ("Largo comercial", m) the program takes, typed or read from a file.
inline constexpr double kLargoComercialMinimo = 3;
inline constexpr double kLargoComercialMaximo = 18;

// VerificaLargoComercial: the typed stock length kept as the project keeps it ("9,5" ->
// "9.5"), or the refusal's message when it is no number or outside 3..18 m.
Resultado<std::string> VerificaLargoComercial(const std::string& texto);

}  // namespace trabelux
