"""Continuous beam by the initial-parameter method (Macaulay integration of EI y'''' = -w).

Every span carries four unknowns at its left end: deflection y0, slope t0, sagging moment M0
and shear V0. Inside the span the load is integrated in closed form,

    V(x)    = V0 - w x - sum P [x > a]
    M(x)    = M0 + V0 x - w x^2/2 - sum P <x - a>
    EI y'(x) = EI t0 + M0 x + V0 x^2/2 - w x^3/6 - sum P <x - a>^2 / 2
    EI y(x)  = EI y0 + EI t0 x + M0 x^2/2 + V0 x^3/6 - w x^4/24 - sum P <x - a>^3 / 6

and the 4n unknowns follow from the node conditions (continuity of y and y', the jump of
moment and shear by the node's applied couple and force, the supports). This is a
boundary-value formulation, deliberately not a stiffness method, so it shares neither code
nor method with the program.

Units are whatever the caller uses consistently (the examples use t, m, t/m, t*m and EI in
t*m^2). Signs follow the program's conventions:
  - span loads w and P act downwards when positive;
  - node forces act upwards, node couples counterclockwise when positive;
  - deflection y upwards, slope counterclockwise;
  - M(x) sagging positive, V(x) = dM/dx (left-end shear minus the loads up to x);
  - end forces (as the program's end-force table): force on the span end upwards, moment on
    the span end counterclockwise: shear_i = V0, moment_i = -M0, shear_j = -V(L),
    moment_j = M(L);
  - reactions upwards and counterclockwise, not counting the node's applied loads.
Spans and nodes are numbered from 0 here: node j is the left end of span j.
"""

from dataclasses import dataclass, field

ARTICULADO, EMPOTRADO, LIBRE = "articulado", "empotrado", "libre"


class Inestable(Exception):
    """The supports do not hold the beam (the system of node conditions is singular)."""


@dataclass
class Vano:
    longitud: float
    w: float = 0.0  # uniform load over the whole span, downwards
    cargas: list = field(default_factory=list)  # (P downwards, a from the left end)
    ei: float = 1.0  # flexural stiffness of the span


@dataclass
class Viga:
    vanos: list
    izquierdo: str = ARTICULADO
    derecho: str = ARTICULADO
    # One flag per interior node (1..n-1): True where a support holds it vertically.
    interiores: list = None
    # Node loads: node -> (force upwards, couple counterclockwise).
    nudos: dict = field(default_factory=dict)

    def __post_init__(self):
        if self.interiores is None:
            self.interiores = [True] * (len(self.vanos) - 1)


def _gauss(a, b):
    """Solves a x = b by Gaussian elimination with partial pivoting (a is overwritten)."""
    n = len(b)
    escala = max(max(abs(v) for v in fila) for fila in a) or 1.0
    for k in range(n):
        p = max(range(k, n), key=lambda r: abs(a[r][k]))
        if abs(a[p][k]) <= 1e-12 * escala:
            raise Inestable("La viga es inestable.")
        a[k], a[p] = a[p], a[k]
        b[k], b[p] = b[p], b[k]
        for r in range(k + 1, n):
            f = a[r][k] / a[k][k]
            if f:
                for c in range(k, n):
                    a[r][c] -= f * a[k][c]
                b[r] -= f * b[k]
    x = [0.0] * n
    for k in range(n - 1, -1, -1):
        x[k] = (b[k] - sum(a[k][c] * x[c] for c in range(k + 1, n))) / a[k][k]
    return x


def _particular(v, x, incluye_en_x=False):
    """Load terms of span v at x: (V, M, EI*y', EI*y) of the loads alone. A point load at
    exactly x counts for the shear only when `incluye_en_x` (the right side of the load)."""
    w = v.w
    V = -w * x
    M = -w * x * x / 2
    T = -w * x**3 / 6
    Y = -w * x**4 / 24
    for P, a in v.cargas:
        if x > a or (incluye_en_x and x == a):
            V -= P
        if x > a:
            d = x - a
            M -= P * d
            T -= P * d * d / 2
            Y -= P * d**3 / 6
    return V, M, T, Y


class Solucion:
    """The solved beam: end forces, reactions, and V, M, y, y' anywhere."""

    def __init__(self, viga, incognitas, eiref):
        self.viga = viga
        self._x = incognitas
        self._eiref = eiref

    def _iniciales(self, i):
        y0, t0, M0, V0 = self._x[4 * i:4 * i + 4]
        return y0 / self._eiref, t0 / self._eiref, M0, V0

    def cortante(self, i, x, derecha=True):
        """Shear of span i at x; at a point load, the value right of it unless told."""
        v = self.viga.vanos[i]
        return self._iniciales(i)[3] + _particular(v, x, derecha)[0]

    def momento(self, i, x):
        """Sagging moment of span i at x."""
        y0, t0, M0, V0 = self._iniciales(i)
        return M0 + V0 * x + _particular(self.viga.vanos[i], x)[1]

    def giro(self, i, x):
        """Slope (counterclockwise) of span i at x."""
        v = self.viga.vanos[i]
        y0, t0, M0, V0 = self._iniciales(i)
        return t0 + (M0 * x + V0 * x * x / 2 + _particular(v, x)[2]) / v.ei

    def flecha(self, i, x):
        """Deflection (upwards) of span i at x."""
        v = self.viga.vanos[i]
        y0, t0, M0, V0 = self._iniciales(i)
        return y0 + t0 * x + (M0 * x * x / 2 + V0 * x**3 / 6 + _particular(v, x)[3]) / v.ei

    def extremos(self, i):
        """End forces of span i, (shear_i, moment_i, shear_j, moment_j), in the program's
        end-force convention (on the span end, upwards and counterclockwise)."""
        L = self.viga.vanos[i].longitud
        return (self._iniciales(i)[3], -self._iniciales(i)[2],
                -self.cortante(i, L, True), self.momento(i, L))

    def reacciones(self):
        """(force, couple) at every node; zero where nothing holds the node."""
        viga, n = self.viga, len(self.viga.vanos)
        r = []
        for j in range(n + 1):
            F, C = viga.nudos.get(j, (0.0, 0.0))
            V_izq = -self.extremos(j - 1)[2] if j > 0 else 0.0  # shear just left of j
            M_izq = self.extremos(j - 1)[3] if j > 0 else 0.0  # sagging moment left of j
            V_der = self.extremos(j)[0] if j < n else 0.0
            M_der = -self.extremos(j)[1] if j < n else 0.0
            condicion = (viga.izquierdo if j == 0 else viga.derecho if j == n else
                         ARTICULADO if viga.interiores[j - 1] else LIBRE)
            fuerza = V_der - V_izq - F if condicion != LIBRE else 0.0
            par = M_izq - C - M_der if condicion == EMPOTRADO else 0.0
            r.append((fuerza, par))
        return r

    def puntos_singulares(self, i):
        """The abscissae where V or its slope jumps: the ends and the point loads."""
        v = self.viga.vanos[i]
        return sorted({0.0, v.longitud} | {min(max(a, 0.0), v.longitud) for _, a in v.cargas})

    def momento_extremo(self, i, mayor=True):
        """Largest (or smallest) sagging moment of span i and its abscissa, exactly: between
        point loads M is a parabola, so its extreme is at a segment end or where V = 0."""
        v = self.viga.vanos[i]
        puntos = self.puntos_singulares(i)
        candidatos = list(puntos)
        for s, e in zip(puntos, puntos[1:]):
            Vs = self.cortante(i, s, True)
            if v.w > 0 and 0 < Vs / v.w < e - s:
                candidatos.append(s + Vs / v.w)
        elige = max if mayor else min
        x = elige(candidatos, key=lambda x: self.momento(i, x))
        return self.momento(i, x), x


def resuelve(viga):
    """Solves the beam; raises Inestable when its supports do not hold it."""
    vanos, n = viga.vanos, len(viga.vanos)
    eiref = vanos[0].ei
    N = 4 * n
    filas, lados = [], []

    def ecuacion(coef, constante):
        """Adds sum(coef[k] * unknown k) + constante = 0."""
        fila = [0.0] * N
        for k, c in coef.items():
            fila[k] += c
        filas.append(fila)
        lados.append(-constante)

    def fin(i):
        """Expressions at the right end of span i, as (coefficients, constant) pairs of
        EIref*y, EIref*y', M and V (loads at x = L count for the shear)."""
        v = vanos[i]
        L, r = v.longitud, eiref / v.ei
        V, M, T, Y = _particular(v, L, True)
        b = 4 * i
        return ({b: 1.0, b + 1: L, b + 2: r * L * L / 2, b + 3: r * L**3 / 6}, r * Y), \
               ({b + 1: 1.0, b + 2: r * L, b + 3: r * L * L / 2}, r * T), \
               ({b + 2: 1.0, b + 3: L}, M), \
               ({b + 3: 1.0}, V)

    def menos(expr, k):
        coef, c = expr
        coef = dict(coef)
        coef[k] = coef.get(k, 0.0) - 1.0
        return coef, c

    # Left end (node 0): nothing to its left.
    F, C = viga.nudos.get(0, (0.0, 0.0))
    if viga.izquierdo in (ARTICULADO, EMPOTRADO):
        ecuacion({0: 1.0}, 0.0)
    if viga.izquierdo == EMPOTRADO:
        ecuacion({1: 1.0}, 0.0)
    else:
        ecuacion({2: 1.0}, C)  # M0 = -C
    if viga.izquierdo == LIBRE:
        ecuacion({3: 1.0}, -F)  # V0 = F

    # Interior nodes: continuity, the moment jump by the couple, support or force jump.
    for j in range(1, n):
        F, C = viga.nudos.get(j, (0.0, 0.0))
        y, t, M, V = fin(j - 1)
        b = 4 * j
        ecuacion(*menos(y, b))
        ecuacion(*menos(t, b + 1))
        coef, c = menos(M, b + 2)
        ecuacion(coef, c - C)
        if viga.interiores[j - 1]:
            ecuacion({b: 1.0}, 0.0)
        else:
            coef, c = menos(V, b + 3)
            ecuacion(coef, c + F)

    # Right end (node n): nothing to its right.
    F, C = viga.nudos.get(n, (0.0, 0.0))
    y, t, M, V = fin(n - 1)
    if viga.derecho in (ARTICULADO, EMPOTRADO):
        ecuacion(*y)
    if viga.derecho == EMPOTRADO:
        ecuacion(*t)
    else:
        ecuacion(M[0], M[1] - C)
    if viga.derecho == LIBRE:
        ecuacion(V[0], V[1] + F)

    if len(filas) != N:
        raise Inestable("La viga es inestable.")
    return Solucion(viga, _gauss(filas, lados), eiref)
