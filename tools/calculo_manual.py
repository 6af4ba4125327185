#!/usr/bin/env python3
"""Independent hand calculation of two example beams, checked against their golden
output tables (tests/data/salidas). It shares nothing with the program: closed forms for
the fixed-fixed beam, slope-deflection for the three-span beam, statics for shears and
reactions. Run: tools/calculo_manual.py  (exit 1 when a value differs by more than the
last printed digit)."""
import os
import re
import sys

RAIZ = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
SALIDAS = os.path.join(RAIZ, "tests", "data", "salidas")


def tabla(texto, titulo):
    """Rows of numbers under the first table whose caption line is `titulo`."""
    lineas = texto.splitlines()
    i = lineas.index(titulo) + 3  # units caption, header, rule
    filas = []
    while i < len(lineas) and re.match(r"^\s+\d", lineas[i]):
        filas.append([float(v) for v in lineas[i].split()[1:]])
        i += 1
    return filas


def estaciones(L, cargas):
    """The 101 regular stations and the load points, as the results report the largest
    span moment at a station."""
    return sorted({k * L / 100 for k in range(101)} | {a for _, a in cargas})


def vano(L, w, cargas, mI, mJ):
    """End shears (upwards on the span) from the end moments (counterclockwise on the span)
    by statics, and the largest sagging moment over the stations."""
    vI = (mI + mJ + w * L * L / 2 + sum(P * (L - a) for P, a in cargas)) / L
    vJ = w * L + sum(P for P, _ in cargas) - vI
    def m(x):
        return -mI + vI * x - w * x * x / 2 - sum(P * (x - a) for P, a in cargas if x > a)
    return vI, vJ, max(0.0, max(m(x) for x in estaciones(L, cargas)))


def empotramiento(L, w, cargas):
    """Fixed-end moments, counterclockwise on the span: wL2/12 and P a b2/L2, P a2 b/L2."""
    mI = w * L * L / 12 + sum(P * a * (L - a) ** 2 / L**2 for P, a in cargas)
    mJ = -w * L * L / 12 - sum(P * a * a * (L - a) / L**2 for P, a in cargas)
    return mI, mJ


def resuelve3(A, b):
    """Cramer's rule for three equations."""
    def det(m):
        return (m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1])
                - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
                + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]))
    d = det(A)
    return [det([[b[r] if c == k else A[r][c] for c in range(3)] for r in range(3)]) / d
            for k in range(3)]


def empotrada():
    # empotrada.vcw: one span L = 6 m, both ends fixed, 25 x 50 cm, dead 2.5 and live
    # 1.2 t/m: wu = 1.4 (2.5 + 0.25 x 0.5 x 2.4) + 1.7 x 1.2 = 5.96 t/m.
    L, w = 6.0, 5.96
    r = w * L / 2
    m = w * L * L / 12
    return {
        "reacciones": [[r, m], [r, -m]],
        "cortantes": [[r, r]],
        "momentos": [[m, -m, w * L * L / 24]],
    }


def tres_vanos():
    # tres-vanos.vcw: spans 5, 6 and a 1.5 m cantilever, one section (EI cancels), wu
    # 1.4 (2 + 0.3) + 1.7 x 1 = 4.92 twice and 1.4 (1.2 + 0.3) + 1.7 x 0.5 = 2.95 t/m; span 2 carries 3 t at 2 m and 1.5 t at 4.5 m, the cantilever 1 t at
    # its tip; node 2 a 0.8 t-m counterclockwise moment, node 4 a 0.5 t downward force.
    # Nodes 1-3 pinned, node 4 free.
    L = [5.0, 6.0, 1.5]
    w = [4.92, 4.92, 2.9499999999999997]
    P = [[], [(3.0, 2.0), (1.5, 4.5)], [(1.0, 1.5)]]
    F = [empotramiento(L[i], w[i], P[i]) for i in range(2)]
    # Cantilever: its moment at node 3 is statics alone (load, tip load, node force).
    m34 = w[2] * L[2] ** 2 / 2 + 1.0 * 1.5 + 0.5 * 1.5
    # Slope-deflection, EI = 1: M_ij = F_ij + (2/L)(2 th_i + th_j). Unknowns th1..th3;
    # node 1: M12 = 0; node 2: M21 + M23 = 0.8; node 3: M32 + m34 = 0.
    k1, k2 = 2 / L[0], 2 / L[1]
    A = [[2 * k1, k1, 0], [k1, 2 * k1 + 2 * k2, k2], [0, k2, 2 * k2]]
    b = [-F[0][0], 0.8 - F[0][1] - F[1][0], -m34 - F[1][1]]
    t = resuelve3(A, b)
    m12 = F[0][0] + k1 * (2 * t[0] + t[1])
    m21 = F[0][1] + k1 * (2 * t[1] + t[0])
    m23 = F[1][0] + k2 * (2 * t[1] + t[2])
    m32 = F[1][1] + k2 * (2 * t[2] + t[1])
    v1 = vano(L[0], w[0], P[0], m12, m21)
    v2 = vano(L[1], w[1], P[1], m23, m32)
    v3 = vano(L[2], w[2], P[2], m34, 0.0)
    return {
        # Reaction = shears of the spans either side less the force applied at the node.
        "reacciones": [[v1[0], 0], [v1[1] + v2[0], 0], [v2[1] + v3[0], 0], [0, 0]],
        "cortantes": [[v1[0], v1[1]], [v2[0], v2[1]], [v3[0], v3[1]]],
        "momentos": [[m12, m21, v1[2]], [m23, m32, v2[2]], [m34, 0.0, v3[2]]],
    }


TITULOS = {
    "reacciones": "Reacciones en To y Momentos en To-m",
    "cortantes": "Cortantes en To",
    "momentos": "Momentos en To-m",
}


def compara(nombre, esperado):
    with open(os.path.join(SALIDAS, nombre + ".analisis.txt"), encoding="utf-8") as f:
        texto = f.read()
    fallos = 0
    for clave, filas in esperado.items():
        leidas = tabla(texto, TITULOS[clave])
        for i, (calc, leida) in enumerate(zip(filas, leidas)):
            for c, (a, b) in enumerate(zip(calc, leida)):
                ok = abs(a - b) <= 0.0015  # the tables print three decimals
                fallos += not ok
                print(f"{nombre:10} {clave:10} fila {i + 1} col {c + 1}: "
                      f"a mano {a:9.4f}  programa {b:9.3f} {'ok' if ok else 'DIFIERE'}")
        if len(leidas) != len(filas):
            fallos += 1
            print(f"{nombre}: {clave}: {len(leidas)} rows, {len(filas)} expected")
    return fallos


if __name__ == "__main__":
    sys.exit(1 if compara("empotrada", empotrada()) + compara("tres-vanos", tres_vanos()) else 0)
