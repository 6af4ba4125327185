"""Development lengths, hooks, laps and bar masses (ACI 318-19 chapter 25), in kg/cm2 and cm.

The code's equations are written for psi and inches (ACI 318-19) and for MPa and mm (ACI
318M-19, whose coefficients are rounded: 1.7 where the inch-pound edition has 20, and so
on). Both are converted here exactly to kg/cm2 (1 MPa = 10.19716 kg/cm2, 1 psi = 0.0703070
kg/cm2) and chosen by `edicion`: "SI" (the default, ACI 318M-19) or "pulgadas" (ACI 318-19).
The two differ by 2.4 % in ld: 135.6 cm against 138.8 cm for a 1" bottom bar at f'c = 210,
fy = 4200.

Bars are the program's five, by index 0..4: 3/8", 1/2", 3/4", 1", 1-1/4". Their areas in the
program (0.71, 1.27, 2.85, 5.07, 8.19 cm2) are those of ASTM A615 bars #3, #4, #6, #8 and
#10; the "1-1/4"" bar is #10, nominal diameter 1.270 in = 32.26 mm (8.19 cm2), not 1.25 in
(31.75 mm would give 7.92 cm2). The diameters below are the ASTM nominal ones.
"""

import math

NOMBRES = ("3/8\"", "1/2\"", "3/4\"", "1\"", "1-1/4\"")
DIAMETROS_CM = (0.9525, 1.27, 1.905, 2.54, 3.2258)
AREAS_PROGRAMA_CM2 = (0.71, 1.27, 2.85, 5.07, 8.19)
# ASTM A615 bar sizes, which decide the code's coefficients and bend diameters.
NUMERO_ASTM = (3, 4, 6, 8, 10)
# Nominal masses of the ASTM A615 / NTC 2289 tables (the lb/ft values converted); the
# 0.006165 d^2 rule uses 7850 kg/m3 and differs from them by up to 0.2 %.
MASA_TABLA_KG_M = (0.560, 0.994, 2.235, 3.973, 6.404)

KG_CM2_POR_MPA = 10.19716
PSI_POR_KG_CM2 = 14.22334


def masa_por_metro(d_mm):
    """Mass of a bar, kg/m, from its nominal diameter in mm: 7850 kg/m3 x pi d^2 / 4,
    that is 0.006165 d^2."""
    return 0.006165 * d_mm**2


def _raiz_fc_mpa(fc):
    return math.sqrt(fc / KG_CM2_POR_MPA)


def _raiz_fc_psi(fc):
    return math.sqrt(fc * PSI_POR_KG_CM2)


def factor_grado(fy):
    """psi_g, Table 25.4.2.5: grade 280 and 420 (fy <= 4200 kg/cm2) 1.0, grade 550 1.15,
    grade 690 1.3."""
    return 1.0 if fy <= 4200 * 1.0001 else 1.15 if fy <= 5600 * 1.0001 else 1.3


def ld_recta(fc, fy, barra, superior=False, caso_favorable=True, psi_e=1.0, lam=1.0,
             edicion="SI", con_minimo=True):
    """Development length of a straight bar in tension, cm, §25.4.2.3 (simplified form).

        ld = fy psi_t psi_e psi_g / (C lam sqrt(f'c)) db,   ld >= 30 cm (§25.4.2.1(b))

    C, per edition and bar size (§25.4.2.3):
                                        bars 3/4" and smaller   bars 1" and larger
      case 1 (clear spacing and cover     SI 2.1 (MPa)             SI 1.7
      >= db, stirrups along ld)           in-lb 25 (psi)           in-lb 20
      case 2 (other cases)                SI 1.4, in-lb 50/3       SI 1.1, in-lb 40/3
    psi_t = 1.3 for top bars (more than 30 cm of fresh concrete below), psi_e = 1.0
    uncoated, psi_t psi_e <= 1.7, psi_g per factor_grado, lam = 1.0 for normal concrete;
    sqrt(f'c) is limited to 8.3 MPa (100 psi), §25.4.1.4. fc, fy in kg/cm2; `barra` is the
    index 0..4. `con_minimo` False gives the value before the 30 cm minimum (as a lap
    length needs, §25.5.2.1).
    """
    db = DIAMETROS_CM[barra]
    chica = NUMERO_ASTM[barra] <= 6
    psi_t = 1.3 if superior else 1.0
    factores = min(psi_t * psi_e, 1.7) * factor_grado(fy)
    if edicion == "SI":
        c = (2.1 if chica else 1.7) if caso_favorable else (1.4 if chica else 1.1)
        ld_mm = (fy / KG_CM2_POR_MPA) * factores / (c * lam * min(_raiz_fc_mpa(fc), 8.3)) \
            * db * 10
        ld = ld_mm / 10
    else:
        c = (25 if chica else 20) if caso_favorable else (50 / 3 if chica else 40 / 3)
        ld = fy * PSI_POR_KG_CM2 * factores / (c * lam * min(_raiz_fc_psi(fc), 100)) * db
    return max(ld, 30.0) if con_minimo else ld


def factor_resistencia_gancho(fc, edicion="SI"):
    """psi_c, Table 25.4.3.2: f'c/105 + 0.6 (MPa) or f'c/15000 + 0.6 (psi) below 40 MPa
    (6000 psi), 1.0 from there on."""
    if edicion == "SI":
        f = fc / KG_CM2_POR_MPA
        return f / 105 + 0.6 if f < 40 else 1.0
    f = fc * PSI_POR_KG_CM2
    return f / 15000 + 0.6 if f < 6000 else 1.0


def ldh_gancho(fc, fy, barra, psi_r=1.6, psi_o=1.25, psi_e=1.0, lam=1.0, edicion="SI"):
    """Development length of a standard hook in tension, cm, §25.4.3.1:

        ldh = fy psi_e psi_r psi_o psi_c / (23 lam sqrt(f'c)) db^1.5   (MPa, mm)
            = fy psi_e psi_r psi_o psi_c / (55 lam sqrt(f'c)) db^1.5   (psi, in)
        ldh >= 8 db and >= 15 cm.

    psi_r = 1.0 with the confining reinforcement of Table 25.4.3.2, else 1.6 (default);
    psi_o = 1.0 for a hook inside a column core with side cover >= 6.5 cm (or side cover
    >= 6 db), else 1.25 (default); psi_c per factor_resistencia_gancho.
    """
    db = DIAMETROS_CM[barra]
    psi = psi_e * psi_r * psi_o * factor_resistencia_gancho(fc, edicion)  # no psi_g for hooks
    if edicion == "SI":
        ldh = (fy / KG_CM2_POR_MPA) * psi / (23 * lam * min(_raiz_fc_mpa(fc), 8.3)) \
            * (db * 10) ** 1.5 / 10
    else:
        ldh = fy * PSI_POR_KG_CM2 * psi / (55 * lam * min(_raiz_fc_psi(fc), 100)) \
            * (db / 2.54) ** 1.5 * 2.54
    return max(ldh, 8 * db, 15.0)


def empalme_clase_b(fc, fy, barra, superior=False, caso_favorable=True, edicion="SI"):
    """Class B tension lap, cm, §25.5.2.1: max(1.3 ld, 30 cm), ld taken without its own
    30 cm minimum (§25.5.2.1 refers to §25.4.2.1(a))."""
    ld = ld_recta(fc, fy, barra, superior, caso_favorable, edicion=edicion, con_minimo=False)
    return max(1.3 * ld, 30.0)


def diametro_doblado(barra, estribo=False):
    """Inside bend diameter, cm. Bars, Table 25.3.1: 6 db for #3-#8 (3/8" to 1"), 8 db for
    #9-#11 (1-1/4"). Stirrups, Table 25.3.3: 4 db for #3-#5, 6 db for #6-#8."""
    db = DIAMETROS_CM[barra]
    if estribo:
        return (4 if NUMERO_ASTM[barra] <= 5 else 6) * db
    return (6 if NUMERO_ASTM[barra] <= 8 else 8) * db


def extension_gancho(barra, angulo):
    """Straight extension after the bend, cm: 90 deg hook 12 db (Table 25.3.1), 180 deg
    max(4 db, 6.5 cm) (Table 25.3.1), 135 deg stirrup hook max(6 db, 7.5 cm) (Table
    25.3.2)."""
    db = DIAMETROS_CM[barra]
    if angulo == 90:
        return 12 * db
    if angulo == 180:
        return max(4 * db, 6.5)
    if angulo == 135:
        return max(6 * db, 7.5)
    raise ValueError(angulo)


def longitud_doblez(barra, angulo, estribo=False):
    """Length along the bar's centre line of one bend of `angulo` degrees, cm:
    angle x (D + db) / 2 with D the inside bend diameter."""
    db = DIAMETROS_CM[barra]
    return math.radians(angulo) * (diametro_doblado(barra, estribo) + db) / 2


def corte_con_ganchos(longitud_exterior, barra, ganchos):
    """Cut length, cm, of a bar whose straight part measures `longitud_exterior` out to out
    (to the outer face of each hooked end) with `ganchos` (0, 1 or 2) 90 deg hooks: per
    hook, the out-to-out length loses D/2 + db and gains the bend's centre-line arc and the
    12 db extension. Cut lengths are then rounded up to 5 cm by the detailing."""
    db = DIAMETROS_CM[barra]
    D = diametro_doblado(barra)
    por_gancho = -(D / 2 + db) + longitud_doblez(barra, 90) + extension_gancho(barra, 90)
    return longitud_exterior + ganchos * por_gancho


def corte_estribo(b, h, recubrimiento_libre, barra=0):
    """Cut length, cm, of a closed stirrup with two 135 deg hooks in a b x h section (cm)
    with the clear cover to the stirrup: the four sides of the centre-line rectangle
    between the bends, three 90 deg corners, and at the fourth corner the two hooks (each a
    135 deg bend around the same corner bar and its extension). Bend diameter per Table
    25.3.3."""
    db = DIAMETROS_CM[barra]
    D = diametro_doblado(barra, estribo=True)
    r = (D + db) / 2  # centre-line radius
    ancho = b - 2 * recubrimiento_libre - db
    alto = h - 2 * recubrimiento_libre - db
    lados = 2 * (ancho + alto) - 8 * r
    esquinas = 3 * longitud_doblez(barra, 90, True)
    return lados + esquinas + 2 * (longitud_doblez(barra, 135, True) + extension_gancho(barra, 135))


def redondea_5cm(longitud):
    """Rounds a cut length up to the next 5 cm."""
    return math.ceil(longitud / 5 - 1e-9) * 5
