// Deflections of a concrete beam after "Analisis y diseño" (ACI 318-19 §24.2): service
// loads, cracked sections with the bars of the detailing table, effective inertia per
// span, the beam analysed again with it, immediate and long-term deflections and the
// limits of Table 24.2.2. Computed on demand from the project, the run's results and the
// detailing table, so an edit of the bars shows at once; nothing is stored in Resultados.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/analisis/resultados.h"
#include "core/detallado/tabla_detallado.h"
#include "core/modelo/datos_numericos.h"
#include "core/modelo/proyecto.h"
#include "core/servicio/limites.h"
#include "core/servicio/seccion_fisurada.h"

namespace trabelux {

// One section under one service load: moment (t·m, sagging positive), the cracked
// inertia of the face that moment puts in tension and the effective inertia (cm4).
struct RespuestaSeccion {
    double ma = 0;
    double icr = 0;  // Ig when the face in tension has no steel
    double ie = 0;
};

// A section of a span: mid-span, or the support at either end.
struct SeccionDeflexion {
    bool cuenta = false;     // enters the span's average (continuous end; mid-span always)
    RespuestaSeccion d, dl;  // under D and under D + L
};

struct DeflexionVano {
    double ig = 0;   // cm4, b h³ / 12 (or the span's inertia with "Otra")
    double mcr = 0;  // t·m; 0 with "Otra" (no cracking)
    SeccionDeflexion centro, izquierdo, derecho;  // for a cantilever, its support only
    double ieD = 0, ieDL = 0;                     // cm4, span averages under D and under D + L
    double deltaD = 0, deltaDL = 0, deltaL = 0;   // cm, immediate, downward positive
    double xMax = 0;                              // m from the left end, largest D + L deflection
    double cuantiaCompresion = 0;  // ρ' = As' / (b d) at mid-span (the support of a cantilever)
    double lambda = 0;             // ξ / (1 + 50 ρ')
    double deltaDiferida = 0;      // cm: λ (ΔD + s ΔL) + ΔL, the part after attachment
    double largo = 0;              // cm, ℓ (the cantilever's length for a cantilever)
    double limiteL = 0;            // cm: ℓ/360 or ℓ/180
    std::optional<double> limiteDiferida;  // cm: ℓ/480 or ℓ/240; none for ℓ/360 and ℓ/180
    bool voladizo = false;
    bool cumple = false;
};

struct Deflexiones {
    std::string noCalculadas;       // why they were not computed; empty when they were
    MaterialesServicio materiales;  // Ec, n and fr the sections were computed with
    std::vector<DeflexionVano> vanos;
    // Δ(D + L) at the run's stations (Resultados::diagramas), cm downward, per span.
    std::vector<std::vector<float>> estaciones;
};

// Not computed, with the reason, for a material other than concrete, with "Usa carga
// ultima total", without a finished design or with a detailing table that does not match
// the spans. Service loads: D = "P. Propio" + "C. Muerta", L = "C. Viva"; concentrated and
// node loads are ultimate loads and are taken as Pu / dead-load factor, in D. D + L loads
// every span or, with a live-load arrangement, the spans of each of the code's cases (the
// largest governs each section and span). The project's options
// (DatosNumericos: ξ of the duration, sustained share of the live load, row of Table 24.2.2)
// give the long-term value and the limits.
Deflexiones CalculaDeflexiones(const Proyecto& proyecto, const DatosNumericos& datos,
                               const Resultados& resultados, const TablaDetallado& tabla);

}  // namespace trabelux
