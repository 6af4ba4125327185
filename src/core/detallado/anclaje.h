// Development lengths, standard hooks, tension laps, bend diameters and cut lengths of the
// program's bars (ACI 318-19 chapter 25), in kg/cm2 and cm.
//
// The equations are the metric edition's (ACI 318M-19, MPa and mm) with the strengths
// converted exactly (1 MPa = 10.19716 kg/cm2); the inch-pound edition's rounded constants
// would give ld 2.4 % longer. Uncoated bars (ψe = 1.0) in normal-weight concrete (λ = 1.0).
// `barra` is an index into kBarras; fc = f'c and fy in kg/cm2.
#pragma once

namespace trabelux {

struct CondicionAnclaje {
    bool superior = false;  // ψt = 1.3: more than 30 cm of fresh concrete below the bar
    bool favorable = true;  // first case of §25.4.2.3: clear spacing and clear cover >= db
};

// Position and case of §25.4.2.3 for a bar of a beam h deep (cm) whose centroid lies recub
// (cm) from its face, with the given clear spacing to its neighbours (cm). A top bar is
// `superior` when h − recub > 30; the case is the first when the clear spacing and the clear
// cover recub − db/2 are both at least db (stirrups always run along the bar in a beam).
CondicionAnclaje CondicionDeBarra(int barra, bool caraSuperior, double hCm, double recubCm,
                                  double separacionLibreCm);

// Development length of a straight bar in tension, cm, §25.4.2.3 (simplified form):
//   ld = fy·ψt·ψe·ψg / (C·λ·√f'c) · db   (MPa, mm)
// C = 2.1 for ø3/4" and smaller, 1.7 for ø1" and larger in the first case; 1.4 and 1.1 in the
// second. ψg = 1.0 for fy <= 4200, 1.15 up to 5600, 1.3 above (Table 25.4.2.5). √f'c is
// taken at most 8.3 MPa (§25.4.1.4). At least 30 cm (§25.4.2.1) unless `conMinimo` is false,
// as a lap length needs it.
double LongitudDesarrollo(int barra, double fc, double fy, CondicionAnclaje c,
                          bool conMinimo = true);

// Development length of a standard hook in tension, cm, §25.4.3.1:
//   ldh = fy·ψe·ψr·ψo·ψc / (23·λ·√f'c) · db^1.5   (MPa, mm), at least 8db and 15 cm.
// ψr = 1.6 (no confining steel is counted), ψo = 1.25 (the hook is not known to end inside
// a column core: the model has no support widths), ψc = f'c/105 + 0.6 below 40 MPa, else 1.0
// (Table 25.4.3.2). √f'c at most 8.3 MPa.
double LongitudGancho(int barra, double fc, double fy);

// Class B tension lap, cm, §25.5.2.1: max(1.3·ld, 30 cm), ld without its own 30 cm minimum.
double EmpalmeClaseB(int barra, double fc, double fy, CondicionAnclaje c);

// Class B lap of two bar sizes, cm, §25.5.2.2: the greater of ld of the larger bar and the
// class B lap of the smaller.
double EmpalmeClaseB(int barraA, int barraB, double fc, double fy, CondicionAnclaje c);

// Inside bend diameter of a longitudinal bar, cm, Table 25.3.1: 6db for ø3/8" to ø1" (#3 to
// #8), 8db for ø1-1/4" (#10).
double DiametroDoblado(int barra);

// Inside bend diameter of a stirrup, cm, Table 25.3.2: 4db for #3 to #5, 6db for #6 to #8.
double DiametroDobladoEstribo(int barra);

// Straight extension after a 90° standard hook, cm, Table 25.3.1: 12db.
double ExtensionGancho90(int barra);

// Straight extension after a stirrup's 135° hook, cm, Table 25.3.2: max(6db, 7.5 cm).
double ExtensionGancho135(int barra);

// Cut length, cm, along the centre line, of a bar whose straight part measures exteriorCm
// out to out (to the outer face of each hooked end) with `ganchos` (0, 1 or 2) 90° hooks.
// Each hook takes D/2 + db off the straight part and adds the quarter arc of radius
// (D + db)/2 and the 12db extension; D = DiametroDoblado. Not rounded.
double CorteConGanchos(double exteriorCm, int barra, int ganchos);

// Clear cover to the stirrup, cm, when the longitudinal bars' centroids lie recub (cm) from
// the faces: recub − db(barraMayor)/2 − db(barraEstribo). barraMayor is the row's largest
// longitudinal bar; an index outside the list (no bar) counts as 0.
double RecubrimientoLibreEstribo(double recubCm, int barraMayor, int barraEstribo);

// Cut length, cm, along the centre line, of a closed stirrup with two 135° hooks around one
// corner, in a b × h section (cm) with clear cover cc to the stirrup (cm):
//   2(a + b') − 8r + 3·(π/2)·r + 2·((3π/4)·r + ExtensionGancho135)
// a = b − 2cc − db, b' = h − 2cc − db (centre-line sides), r = (DiametroDobladoEstribo + db)/2.
// Not rounded.
double CorteEstribo(double bCm, double hCm, double recubLibreCm, int barra);

// A cut length rounded up to the next 5 cm (a length already on a multiple stays).
double RedondeaCinco(double cm);

}  // namespace trabelux
