// The section properties of a deflection check (ACI 318-19 §24.2.3): moduli, gross and
// cracked inertia, cracking moment and the effective inertia of a section and of a span.
// Units: kg/cm2, cm, cm2, cm4; moments in t·m.
#pragma once

namespace trabelux {

// Es, kg/cm2: the modulus behind the design's 6117 = 0.003 Es (rounded there).
inline constexpr double kModuloAcero = 2.04e6;

struct MaterialesServicio {
    double ec = 0;  // 15100 √f'c (§19.2.2.1)
    double n = 0;   // Es / Ec
    double fr = 0;  // modulus of rupture 2.0 √f'c, normal-weight concrete (§19.2.3.1)
};

// The moduli from f'c (kg/cm2) and the concrete modulus the analysis uses (kg/cm2), so that
// the modular ratio and the stiffness of the re-analysis come from the same number.
MaterialesServicio MaterialesDeServicio(double fc, double ec);

// b h³ / 12, cm4.
double InerciaBruta(double b, double h);

// Mcr = fr Ig / yt with yt = h / 2, t·m.
double MomentoFisuracion(double fr, double b, double h);

// Cracked transformed section of a rectangle b with tension steel as at depth d and
// compression steel asComp at depth dComp, both depths from the compressed face. The
// compression steel counts as (n − 1) As' (the concrete it displaces taken out).
struct SeccionFisurada {
    double c = 0;    // depth of the neutral axis, cm
    double icr = 0;  // cm4
};
SeccionFisurada CalculaSeccionFisurada(double b, double d, double as, double n, double asComp,
                                       double dComp);

// Table 24.2.3.5: Ig while |Ma| <= (2/3) Mcr, else Icr / (1 − ((2/3) Mcr / Ma)² (1 − Icr/Ig)),
// never above Ig (a section heavy enough in steel to have Icr > Ig is taken uncracked).
double InerciaEfectiva(double ma, double mcr, double icr, double ig);

// Span average of §24.2.3.6 from the positive section and the continuous ends (the
// pointers are null for an end that is not continuous): both 0.5 Ie,m + 0.25 (Ie,1 + Ie,2),
// one 0.5 (Ie,m + Ie,cont), none Ie,m.
double InerciaPromedio(double ieCentro, const double* ieIzquierdo, const double* ieDerecho);

}  // namespace trabelux
