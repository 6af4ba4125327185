"""The bar schedule of data/examples/tres-vanos.vcw worked by hand from the detailing rules.

The beam is solved by `viga.py` (not by the program), the moment is evaluated exactly where
a rule needs it (crossings found by bisection, not at stations), and the lengths follow
from `anclaje.py`. The bars are those the program proposes for the example (its "bars" in
`calc --json`), typed here. Prints each mark's straight length and cut length; with
`--csv FILE` compares them with the program's schedule.

The program walks its stations (1 % of the span apart), so where a cut-off or inflection
point decides a length it may take the station just past the exact point: its cut length
is then the same or one 5 cm step longer, never shorter. The comparison allows that.

Rules (ACI 318-19, §9.7.3, §25): bottom bars the full span, 15 cm past interior supports,
hooked at a supported end, straight at a free end; additional top bars to the farthest of
(cut-off where the two 3/8" hangers suffice) + max(d, 12db), inflection + max(d, 12db,
ln/16), and ld; over the cantilever to its tip, hooked; hangers the whole beam, hooked,
split for a 9 m stock bar with a class B lap centred on the last point of zero top demand
in the farther half of the reach; closed stirrups in three zones, the first 5 cm from
the face.
"""

import argparse
import csv
import math
import sys

import anclaje
from viga import ARTICULADO, LIBRE, Vano, Viga, resuelve

FC, FY, RECUB, B, H = 210.0, 4200.0, 4.0, 25.0, 50.0
D = H - RECUB  # cm
L = (5.0, 6.0, 1.5)
X = (0.0, 5.0, 11.0, 12.5)
DB = anclaje.DIAMETROS_CM
AREA = anclaje.AREAS_PROGRAMA_CM2
TRES_OCTAVOS, MEDIA, TRES_CUARTOS = 0, 1, 2

# The example: loads per span as the file gives them (w, [(P, a)]): span 2, 3 t at 2 m and
# 1.5 t at 4.5 m; span 3, 1 t at its tip. Node loads: node 4 a
# force of -0.5 t (downwards), node 2 a couple of 0.8 t m.
viga = Viga([Vano(5.0, 4.92), Vano(6.0, 4.92, [(3.0, 2.0), (1.5, 4.5)]),
             Vano(1.5, 2.95, [(1.0, 1.5)])], ARTICULADO, LIBRE,
            nudos={3: (-0.5, 0.0), 1: (0.0, 0.8)})
sol = resuelve(viga)


def momento(x):
    """Sagging moment (t m) at x from node 1."""
    for i in range(3):
        if x <= X[i + 1] + 1e-12:
            return sol.momento(i, min(max(x - X[i], 0.0), L[i]))
    return 0.0


def cruce(f, a, b):
    """The point between a and b where f changes sign (bisection)."""
    fa = f(a)
    for _ in range(200):
        m = (a + b) / 2
        if (f(m) > 0) == (fa > 0):
            a, fa = m, f(m)
        else:
            b = m
    return (a + b) / 2


def resiste(area):
    """Factored moment (t m) of `area` cm2 of tension steel; below 14 b d / fy only 3/4 of it
    counts (the 4/3 rule of §9.6.1.3)."""
    a = area if area >= 14 * B * D / FY else 0.75 * area
    return 0.9 * a * FY * (D - a * FY / (1.7 * FC * B)) / 1e5


def separacion_libre(barras):
    return (B - 2 * RECUB - sum(DB[b] for b in barras) + (DB[barras[0]] + DB[barras[-1]]) / 2) / (
        len(barras) - 1)


def favorable(barras, barra):
    return separacion_libre(barras) >= DB[barra] and RECUB - DB[barra] / 2 >= DB[barra]


def fin_libre(barra):
    return (RECUB - DB[barra] / 2) / 100


def corte(exterior_m, barra, ganchos):
    return anclaje.redondea_5cm(anclaje.corte_con_ganchos(exterior_m * 100, barra, ganchos))


def alcance_adicional(eje, lado, barra, cantidad):
    """Reach (m) of a support's additional bars from its axis towards `lado` (-1, +1)."""
    lejos = X[0] if lado < 0 else X[3]
    # Walking away from the axis: the inflection point, and the cut-off where |M| falls to
    # what the hangers resist.
    vano = [i for i in range(3) if min(X[i], X[i + 1]) < eje + lado * 1e-6 < max(X[i], X[i + 1])][0]
    otro = X[vano] if lado < 0 else X[vano + 1]
    inflexion = abs(cruce(momento, eje + lado * 1e-9, otro) - eje)
    m_perchas = resiste(2 * AREA[TRES_OCTAVOS])
    corte_teorico = abs(cruce(lambda x: -momento(x) - m_perchas, eje + lado * 1e-9, otro) - eje)
    ln = L[vano]
    grupo = [TRES_OCTAVOS] + [barra] * cantidad + [TRES_OCTAVOS]
    ld = anclaje.ld_recta(FC, FY, barra, superior=H - RECUB > 30,
                          caso_favorable=favorable(grupo, barra)) / 100
    db = DB[barra] / 100
    return max(corte_teorico + max(D / 100, 12 * db), inflexion + max(D / 100, 12 * db, ln / 16),
               ld), lejos


def marcas():
    m = {}
    # Bottom bars (4 1/2", 4 3/4", 4 1/2").
    m["I1"] = (X[1] + 0.15 - fin_libre(MEDIA), MEDIA, 1)
    m["I2"] = (L[1] + 0.30, TRES_CUARTOS, 0)
    m["I3"] = (X[3] - fin_libre(MEDIA) - (X[2] - 0.15), MEDIA, 0)
    # Support 2: 5 3/4" both sides by the rules.
    izq, _ = alcance_adicional(X[1], -1, TRES_CUARTOS, 5)
    der, _ = alcance_adicional(X[1], +1, TRES_CUARTOS, 5)
    m["S1"] = (izq + der, TRES_CUARTOS, 0)
    # Support 3: 2 1/2" (4 3/8" beside the two hangers would leave 2.45 cm between bars, under
    # the 2.5 cm asked) into span 2 by the rules, over the cantilever to the tip, hooked.
    izq, _ = alcance_adicional(X[2], -1, MEDIA, 2)
    m["S2"] = (izq + L[2] - fin_libre(MEDIA), MEDIA, 1)
    # Hangers: 12.43 m hooked both ends is longer than 9 m: split.
    x0, x1 = fin_libre(TRES_OCTAVOS), X[3] - fin_libre(TRES_OCTAVOS)
    gancho = anclaje.corte_con_ganchos(0, TRES_OCTAVOS, 1) / 100
    empalme = anclaje.empalme_clase_b(FC, FY, TRES_OCTAVOS, superior=True,
                                      caso_favorable=favorable([0, 0], 0)) / 100
    alcance = 9.0 - gancho
    lo, hi = x0 + alcance / 2, x0 + alcance - empalme / 2
    # Top demand is zero where the beam sags: the farthest such point in [lo, hi] is either
    # hi itself or the inflection point of span 2 before it.
    centro = hi if momento(hi) >= 0 else cruce(momento, lo, hi)
    m["P1"] = (centro + empalme / 2 - x0, TRES_OCTAVOS, 1)
    m["P2"] = (x1 - (centro - empalme / 2), TRES_OCTAVOS, 1)
    return m


def estribos(Lv, s):
    """Count of stirrups at spacing s in a span of Lv m, three zones."""
    n1 = math.floor((Lv / 4 - 0.05) / s + 1e-9) + 1
    ultimo = 0.05 + (n1 - 1) * s
    n2 = math.ceil((Lv - 2 * ultimo) / s - 1e-9) - 1
    return 2 * n1 + n2


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--csv")
    args = ap.parse_args()
    # The loads as read: the program's end moments (calc --json) are -19.503 and -5.569.
    print(f"M nodo 2 = {momento(5.0):.3f} (vano 2: {sol.momento(1, 0.0):.3f}), "
          f"M nodo 3 = {momento(11.0):.3f} t m")
    filas = {}
    for marca, (a, barra, ganchos) in marcas().items():
        filas[marca] = (a, corte(a, barra, ganchos) / 100)
        print(f"{marca}: A = {a:.4f} m, corte = {filas[marca][1]:.2f} m")
    cc1 = RECUB - DB[MEDIA] / 2 - DB[0]      # spans 1 and 3: largest bar 1/2"
    cc2 = RECUB - DB[TRES_CUARTOS] / 2 - DB[0]  # span 2: 3/4"
    e1 = (estribos(5.0, 0.23) + estribos(1.5, 0.23),
          anclaje.redondea_5cm(anclaje.corte_estribo(B, H, cc1, 0)) / 100)
    e2 = (estribos(6.0, 0.23), anclaje.redondea_5cm(anclaje.corte_estribo(B, H, cc2, 0)) / 100)
    print(f"E1: {e1[0]} estribos de {e1[1]:.2f} m; E2: {e2[0]} de {e2[1]:.2f} m")
    if not args.csv:
        return 0
    fallos = 0
    with open(args.csv, encoding="utf-8") as f:
        for fila in csv.DictReader(f):
            marca = fila["Marca"]
            if marca in filas:
                programa = float(fila["Largo (m)"])
                mano = filas[marca][1]
                # Same, or one 5 cm step longer where a station decided it.
                if not (abs(programa - mano) < 1e-9 or abs(programa - mano - 0.05) < 1e-9):
                    print(f"{marca}: programa {programa:.2f}, a mano {mano:.2f}")
                    fallos += 1
            elif marca in ("E1", "E2"):
                n, largo = e1 if marca == "E1" else e2
                if int(fila["Cantidad"]) != n or abs(float(fila["Largo (m)"]) - largo) > 1e-9:
                    print(f"{marca}: programa {fila['Cantidad']} x {fila['Largo (m)']}")
                    fallos += 1
    print("coinciden" if not fallos else f"{fallos} diferencias")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
