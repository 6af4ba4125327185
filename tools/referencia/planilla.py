"""Bar schedules worked by hand from the detailing rules, for three beams: the three-span
example data/examples/tres-vanos.vcw (a cantilever and hangers split for the stock length),
and the verification examples ejemplo-03 (two equal spans, hangers split) and ejemplo-04
(four spans, the last a cantilever, hangers split).

Each beam is solved by `viga.py` (not by the program), the moment is evaluated exactly where
a rule needs it (crossings found by bisection, not at stations), and the lengths follow from
`anclaje.py`. The bars are those the program proposes for each beam (its "bars" in
`calc --json`), typed here with the beam. Prints each beam's bars with their cut lengths;
with `--cli PATH` runs `trabelux-cli schedule` on each project file and compares.

The program walks its stations (1 % of the span apart), so where a cut-off, inflection or
splice point decides a length it may take a station beside the exact point: a cut length
may then differ by one 5 cm step. The comparison sorts the bars of each kind and diameter
by cut length and allows that step, bar by bar; counts must agree exactly.

Rules (ACI 318-19, §9.7.3, §25): bottom bars the full span, 15 cm past interior supports,
hooked at a supported end, straight at a free end; additional top bars to the farthest of
(cut-off where the span's hangers suffice) + max(d, 12db), inflection + max(d, 12db,
ln/16), and ld; over a cantilever to its tip, hooked; at a beam end, hooked; hangers the
whole beam, hooked, split for a 9 m stock bar with a class B lap centred on the farthest
point of least demand on their face in the farther half of the reach; closed stirrups in
three zones, the first 5 cm from each face. Additional bars of neighbouring supports with
the same bar whose extents overlap run on as one piece in the program; these beams have
none (checked here), so each support's bars are worked alone.

    /usr/bin/python3 tools/referencia/planilla.py [--cli PATH/trabelux-cli]
"""

import argparse
import csv
import io
import math
import os
import subprocess
import sys
from dataclasses import dataclass

import anclaje
from viga import ARTICULADO, LIBRE, Vano, Viga, resuelve

RAIZ = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
DB = anclaje.DIAMETROS_CM
AREA = anclaje.AREAS_PROGRAMA_CM2
TRES_OCTAVOS, MEDIA, TRES_CUARTOS, UNA = 0, 1, 2, 3
STOCK = 9.0  # m, the stock bar length of the three projects
PASO_APOYO = 0.15  # m, bottom bars past an interior support's axis
PRIMER_ESTRIBO = 0.05  # m from the face


def _wu(D, L):
    return 1.4 * D + 1.7 * L


@dataclass
class Caso:
    proyecto: str  # project file, from the repository's root
    viga: Viga
    inferiores: list  # per span: (bar, count)
    adicionales: dict  # node (0-based) -> (bar, count)
    fc: float = 210.0
    fy: float = 4200.0
    recub: float = 4.0
    b: float = 25.0
    h: float = 50.0
    perchas: tuple = (TRES_OCTAVOS, 2)  # every span
    estribo: tuple = (TRES_OCTAVOS, 0.23)  # every row: bar, spacing (m)


CASOS = {
    # Loads as the file gives them: span 2, 3 t at 2 m and 1.5 t at 4.5 m; span 3, 1 t at its
    # tip; node 4 a force of -0.5 t (downwards), node 2 a couple of 0.8 t m.
    "tres-vanos": Caso(
        "data/examples/tres-vanos.vcw",
        Viga([Vano(5.0, 4.92), Vano(6.0, 4.92, [(3.0, 2.0), (1.5, 4.5)]),
              Vano(1.5, 2.95, [(1.0, 1.5)])], ARTICULADO, LIBRE,
             nudos={3: (-0.5, 0.0), 1: (0.0, 0.8)}),
        [(MEDIA, 4), (TRES_CUARTOS, 4), (MEDIA, 4)],
        # Support 3: 2 1/2" (4 3/8" beside the two hangers would leave 2.45 cm between bars,
        # under the 2.5 cm asked).
        {1: (TRES_CUARTOS, 5), 2: (MEDIA, 2)}),
    "ejemplo-03": Caso(
        "data/verificacion/ejemplo-03.vcw",
        Viga([Vano(5.0, _wu(2.0, 1.0)), Vano(5.0, _wu(2.0, 1.0))]),
        [(MEDIA, 4), (MEDIA, 4)],
        {1: (TRES_CUARTOS, 3)}),
    "ejemplo-04": Caso(
        "data/verificacion/ejemplo-04.vcw",
        Viga([Vano(5.0, _wu(2.0, 1.0)), Vano(6.0, _wu(2.5, 1.0)), Vano(4.0, _wu(1.5, 1.0)),
              Vano(1.5, _wu(1.5, 1.0), [(2.0, 1.5)])], ARTICULADO, LIBRE),
        [(MEDIA, 4), (MEDIA, 5), (MEDIA, 4), (MEDIA, 4)],
        {1: (UNA, 2), 2: (TRES_CUARTOS, 2), 3: (MEDIA, 3)}),
}


def primer_cruce(f, a, b, paso=0.01):
    """The first point walking from a towards b where f changes sign; None when it does not."""
    k = max(1, math.ceil(abs(b - a) / paso))
    anterior = a
    for i in range(1, k + 1):
        u = a + (b - a) * i / k
        x = cruce(f, anterior, u)
        if x is not None:
            return x
        anterior = u
    return None


def cruce(f, a, b):
    """The point between a and b where f changes sign (bisection); None when it does not."""
    fa, fb = f(a), f(b)
    if (fa > 0) == (fb > 0):
        return None
    for _ in range(200):
        m = (a + b) / 2
        if (f(m) > 0) == (fa > 0):
            a, fa = m, f(m)
        else:
            b = m
    return (a + b) / 2


class Planilla:
    """The bars of one beam: a list of (kind "I"/"S"/"P"/"E", bar, count, cut length m)."""

    def __init__(self, caso):
        self.c = caso
        self.sol = resuelve(caso.viga)
        self.L = [v.longitud for v in caso.viga.vanos]
        self.n = len(self.L)
        self.X = [0.0]
        for lv in self.L:
            self.X.append(self.X[-1] + lv)
        self.d = caso.h - caso.recub  # cm
        self.barras = []
        for j in range(1, self.n):
            # Lapping bottom bars over a sagging support is a rule these beams do not reach.
            assert self.momento(self.X[j]) < 0, "apoyo con momento positivo"
        self.inferiores()
        self.extension = {}  # node -> (bar, from, to) of its additional bars, m
        for j, (barra, cantidad) in caso.adicionales.items():
            self.adicional(j, barra, cantidad)
        for j, (barra, _, hasta) in self.extension.items():
            vecina = self.extension.get(j + 1)
            assert not (vecina and vecina[0] == barra and vecina[1] <= hasta), "barras unidas"
        self.perchas()
        self.estribos()

    # ---- The beam -----------------------------------------------------------------------

    def momento(self, x):
        """Sagging moment (t m) at x from node 1."""
        for i in range(self.n):
            if x <= self.X[i + 1] + 1e-12:
                return self.sol.momento(i, min(max(x - self.X[i], 0.0), self.L[i]))
        return 0.0

    def apoyado(self, lado):
        return (self.c.viga.izquierdo if lado < 0 else self.c.viga.derecho) != LIBRE

    def voladizo(self, s):
        return (s == 0 and not self.apoyado(-1)) or (s == self.n - 1 and not self.apoyado(+1))

    def fin_libre(self, barra):
        """Distance (m) from a beam end to a bar's end: the cover less half the bar."""
        return (self.c.recub - DB[barra] / 2) / 100

    def resiste(self, area):
        """Factored moment (t m) of `area` cm2 of tension steel; below 14 b d / fy only 3/4 of
        it counts (the 4/3 rule of §9.6.1.3)."""
        c = self.c
        a = area if area >= 14 * c.b * self.d / c.fy else 0.75 * area
        return 0.9 * a * c.fy * (self.d - a * c.fy / (1.7 * c.fc * c.b)) / 1e5

    def favorable(self, barras, barra):
        """First case of §25.4.2.3: clear spacing and clear cover at least db."""
        c = self.c
        libre = (c.b - 2 * c.recub - sum(DB[k] for k in barras)
                 + (DB[barras[0]] + DB[barras[-1]]) / 2) / (len(barras) - 1)
        return libre >= DB[barra] and c.recub - DB[barra] / 2 >= DB[barra]

    # ---- The bars -----------------------------------------------------------------------

    def agrega(self, clase, barra, cantidad, exterior_m, ganchos):
        corte = anclaje.redondea_5cm(anclaje.corte_con_ganchos(exterior_m * 100, barra, ganchos))
        self.barras.append((clase, barra, cantidad, corte / 100))

    def inferiores(self):
        for s, (barra, cantidad) in enumerate(self.c.inferiores):
            x0 = self.fin_libre(barra) if s == 0 else self.X[s] - PASO_APOYO
            x1 = (self.X[-1] - self.fin_libre(barra) if s == self.n - 1
                  else self.X[s + 1] + PASO_APOYO)
            ganchos = ((s == 0 and self.apoyado(-1))
                       + (s == self.n - 1 and self.apoyado(+1)))
            self.agrega("I", barra, cantidad, x1 - x0, ganchos)

    def alcance(self, j, lado, barra, cantidad):
        """Reach (m) of node j's additional top bars from its axis into the span on `lado`."""
        c = self.c
        eje = self.X[j]
        s = j - 1 if lado < 0 else j
        otro = self.X[s] if lado < 0 else self.X[s + 1]
        ln = self.L[s]
        # Walking away from the axis: the inflection point, and the cut-off where the hogging
        # moment falls to what the hangers resist.
        x = primer_cruce(self.momento, eje + lado * 1e-9, otro)
        inflexion = ln if x is None else abs(x - eje)
        m_perchas = self.resiste(c.perchas[1] * AREA[c.perchas[0]])
        x = primer_cruce(lambda u: -self.momento(u) - m_perchas, eje + lado * 1e-9, otro)
        if x is None:
            x = eje if -self.momento(eje) <= m_perchas else otro
        corte_teorico = abs(x - eje)
        grupo = [c.perchas[0]] + [barra] * cantidad + [c.perchas[0]]
        ld = anclaje.ld_recta(c.fc, c.fy, barra, superior=self.d > 30,
                              caso_favorable=self.favorable(grupo, barra)) / 100
        db, d = DB[barra] / 100, self.d / 100
        return max(corte_teorico + max(d, 12 * db), inflexion + max(d, 12 * db, ln / 16), ld)

    def adicional(self, j, barra, cantidad):
        largo, ganchos = 0.0, 0
        extremos = []
        for lado in (-1, +1):
            s = j - 1 if lado < 0 else j
            if s < 0 or s >= self.n:  # the axis is the beam's end: to its cover, hooked down
                largo -= self.fin_libre(barra)
                ganchos += 1
            elif self.voladizo(s):  # over a cantilever: to its tip, hooked
                largo += self.L[s] - self.fin_libre(barra)
                ganchos += 1
            else:
                largo += self.alcance(j, lado, barra, cantidad)
            extremos.append(self.X[j] - largo if lado < 0 else None)
        self.extension[j] = (barra, extremos[0], extremos[0] + largo)
        self.agrega("S", barra, cantidad, largo, ganchos)

    def perchas(self):
        """Hangers the whole beam, hooked at both ends, split where longer than stock."""
        c = self.c
        barra, cantidad = c.perchas
        x0, x1 = self.fin_libre(barra), self.X[-1] - self.fin_libre(barra)
        gancho = anclaje.corte_con_ganchos(0, barra, 1) / 100
        empalme = anclaje.empalme_clase_b(c.fc, c.fy, barra, superior=True,
                                          caso_favorable=self.favorable([barra] * 2, barra)) / 100
        inicio, gancho_inicio = x0, True
        while True:
            ganchos = gancho_inicio + 1
            corte = anclaje.redondea_5cm(
                anclaje.corte_con_ganchos((x1 - inicio) * 100, barra, ganchos)) / 100
            if corte <= STOCK + 1e-9:
                break
            alcance = STOCK - (gancho if gancho_inicio else 0)
            lo = inicio + max(empalme / 2 + 0.01, alcance / 2)
            hi = min(inicio + alcance - empalme / 2, x1 - empalme / 2 - 0.01)
            # Top demand is nil where the beam sags: the farthest such point in [lo, hi] is
            # hi itself or the last point before it where the moment turns from sagging.
            if self.momento(hi) >= 0:
                centro = hi
            else:
                centro = None
                paso = 0.001
                u = hi
                while u > lo and centro is None:
                    if self.momento(u - paso) >= 0:
                        centro = cruce(self.momento, u - paso, u)
                    u -= paso
                if centro is None:  # hogging throughout: the least hogging, farthest
                    k = round((hi - lo) / paso)
                    pts = [lo + i * (hi - lo) / k for i in range(k + 1)]
                    centro = min(reversed(pts), key=lambda v: -self.momento(v))
            self.agrega("P", barra, cantidad, centro + empalme / 2 - inicio, gancho_inicio)
            inicio, gancho_inicio = centro - empalme / 2, False
        self.agrega("P", barra, cantidad, x1 - inicio, gancho_inicio + 1)

    def estribos(self):
        c = self.c
        barra, s = c.estribo
        for v, lv in enumerate(self.L):
            n1 = math.floor((lv / 4 - PRIMER_ESTRIBO) / s + 1e-9) + 1
            ultimo = PRIMER_ESTRIBO + (n1 - 1) * s
            n2 = math.ceil((lv - 2 * ultimo) / s - 1e-9) - 1
            # The clear cover to the stirrup: the cover is to the centre of the largest
            # longitudinal bar of the span.
            mayor = max(c.inferiores[v][0], c.perchas[0], key=lambda k: DB[k])
            cc = c.recub - DB[mayor] / 2 - DB[barra]
            corte = anclaje.redondea_5cm(anclaje.corte_estribo(c.b, c.h, cc, barra)) / 100
            self.barras.append(("E", barra, 2 * n1 + n2, corte))


def por_barra(lista):
    """{(kind, bar): sorted cut lengths, one per bar}."""
    r = {}
    for clase, barra, cantidad, corte in lista:
        r.setdefault((clase, barra), []).extend([corte] * cantidad)
    return {k: sorted(v) for k, v in r.items()}


def lee_csv(texto):
    nombres = {n.replace('"', ""): i for i, n in enumerate(anclaje.NOMBRES)}
    lista = []
    for fila in csv.DictReader(io.StringIO(texto)):
        if not fila["Marca"]:
            continue  # the totals
        barra = nombres[fila["Diámetro"].replace("ø", "").replace('"', "")]
        lista.append((fila["Marca"][0], barra, int(fila["Cantidad"]), float(fila["Largo (m)"])))
    return lista


def compara(nombre, mano, programa):
    fallos = 0
    a, b = por_barra(mano), por_barra(programa)
    for clave in sorted(set(a) | set(b)):
        x, y = a.get(clave, []), b.get(clave, [])
        texto = f"{nombre} {clave[0]} ø{anclaje.NOMBRES[clave[1]]}"
        if len(x) != len(y):
            print(f"{texto}: {len(y)} barras en el programa, {len(x)} a mano")
            fallos += 1
        elif any(abs(p - q) > 0.05 + 1e-9 for p, q in zip(x, y)):
            print(f"{texto}: programa {y}, a mano {x}")
            fallos += 1
    return fallos


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--cli")
    args = ap.parse_args()
    fallos = 0
    for nombre, caso in CASOS.items():
        p = Planilla(caso)
        print(f"{nombre}:")
        for clase, barra, cantidad, corte in p.barras:
            print(f"  {clase} {cantidad} ø{anclaje.NOMBRES[barra]} L={corte:.2f}")
        if args.cli:
            salida = subprocess.run([args.cli, "schedule", os.path.join(RAIZ, caso.proyecto)],
                                    capture_output=True, text=True, encoding="utf-8")
            if salida.returncode != 0:
                print(f"{nombre}: trabelux-cli schedule falló: {salida.stderr}")
                fallos += 1
                continue
            fallos += compara(nombre, p.barras, lee_csv(salida.stdout))
    if args.cli:
        print("coinciden" if not fallos else f"{fallos} diferencias")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
