"""Live-load arrangements (ACI 318-19 §6.4.2) and the envelopes of shear and moment.

Section 6.4.2 asks, for continuous beams, for the factored dead load on every span and the
factored live load (a) on the span and alternate spans for the largest positive moment in a
span, (b) on the two spans adjacent to a support for the largest negative moment there.
The program's "code cases" for n spans (end cantilevers count as spans):
  - for every interior node k = 1 .. n-1 (numbered from 0): live load on spans k-1 and k;
  - live load on the odd spans (1st, 3rd, ... counting from 1);
  - on the even spans (left out when n = 1);
  - on every span.
The rigorous envelope uses superposition: at any section the worst of the 2^n arrangements is
    dead effect + sum over spans of max(0, live effect of that span alone)    (maximum)
    dead effect + sum over spans of min(0, live effect of that span alone)    (minimum)
so n + 1 analyses give it exactly. The brute force runs every arrangement as its own analysis
and is here only to check the other two.

Concentrated span loads and node loads are ultimate loads: they act, as given, in every
arrangement (with the dead load). Units as in viga.py.
"""

import itertools
from dataclasses import dataclass, replace

from referencia.viga import Vano, resuelve


@dataclass
class Problema:
    """A beam whose spans carry dead load D and live load L (unfactored, per span) besides
    the ultimate point and node loads already in `viga` (its spans' w is not used)."""
    viga: object
    muerta: list
    viva: list
    factor_muerta: float = 1.4
    factor_viva: float = 1.7


def arreglo(p, cargados, con_muerta=True, con_viva=True, con_puntuales=True):
    """The beam with factored dead load everywhere and factored live load on the spans of
    `cargados` (0-based). The flags leave out parts, for the superposition."""
    vanos = []
    for i, v in enumerate(p.viga.vanos):
        w = p.factor_muerta * p.muerta[i] if con_muerta else 0.0
        if con_viva and i in cargados:
            w += p.factor_viva * p.viva[i]
        vanos.append(Vano(v.longitud, w, list(v.cargas) if con_puntuales else [], v.ei))
    return replace(p.viga, vanos=vanos, nudos=dict(p.viga.nudos) if con_puntuales else {})


def casos_norma(n):
    """The program's code cases: list of (name, set of loaded spans, 0-based)."""
    casos = [(f"vanos {k}-{k + 1}", {k - 1, k}) for k in range(1, n)]
    casos.append(("vanos impares", set(range(0, n, 2))))
    if n > 1:
        casos.append(("vanos pares", set(range(1, n, 2))))
    casos.append(("todos los vanos", set(range(n))))
    return casos


def _efectos(sol, estaciones):
    """Moment and shear (left of a load standing exactly at x, as the program's stations)
    of a solved beam at the stations {span: [x, ...]}."""
    return {i: [(sol.momento(i, x), sol.cortante(i, x, False)) for x in xs]
            for i, xs in estaciones.items()}


def _reacciones(sol):
    return [f for f, _ in sol.reacciones()]


@dataclass
class Envolvente:
    """At every station of every span: largest and smallest moment and shear, and for the
    case envelope the names of the governing cases; per node the largest and smallest
    reaction."""
    m_max: dict
    m_min: dict
    v_max: dict
    v_min: dict
    r_max: list
    r_min: list
    caso_m_max: dict = None
    caso_m_min: dict = None


def _envolvente_de_analisis(p, arreglos, estaciones):
    """Envelope over full analyses, one per (name, loaded spans)."""
    env = None
    for nombre, cargados in arreglos:
        sol = resuelve(arreglo(p, cargados))
        ef, reac = _efectos(sol, estaciones), _reacciones(sol)
        if env is None:
            env = Envolvente({i: [m for m, _ in e] for i, e in ef.items()},
                             {i: [m for m, _ in e] for i, e in ef.items()},
                             {i: [v for _, v in e] for i, e in ef.items()},
                             {i: [v for _, v in e] for i, e in ef.items()},
                             list(reac), list(reac),
                             {i: [nombre] * len(e) for i, e in ef.items()},
                             {i: [nombre] * len(e) for i, e in ef.items()})
            continue
        for i, e in ef.items():
            for k, (m, v) in enumerate(e):
                if m > env.m_max[i][k]:
                    env.m_max[i][k], env.caso_m_max[i][k] = m, nombre
                if m < env.m_min[i][k]:
                    env.m_min[i][k], env.caso_m_min[i][k] = m, nombre
                env.v_max[i][k] = max(env.v_max[i][k], v)
                env.v_min[i][k] = min(env.v_min[i][k], v)
        env.r_max = [max(a, b) for a, b in zip(env.r_max, reac)]
        env.r_min = [min(a, b) for a, b in zip(env.r_min, reac)]
    return env


def envolvente_casos(p, estaciones):
    """Envelope of the code cases at the stations {span: [x, ...]}."""
    return _envolvente_de_analisis(p, casos_norma(len(p.viga.vanos)), estaciones)


def envolvente_fuerza_bruta(p, estaciones):
    """Envelope over all 2^n arrangements, each a full analysis."""
    n = len(p.viga.vanos)
    arreglos = [(str(c), {i for i in range(n) if c[i]})
                for c in itertools.product((False, True), repeat=n)]
    return _envolvente_de_analisis(p, arreglos, estaciones)


def envolvente_rigurosa(p, estaciones):
    """Exact envelope by superposition: dead (with the point and node loads) plus, per
    span, its live load alone where it is unfavourable."""
    n = len(p.viga.vanos)
    base = resuelve(arreglo(p, set()))
    vivas = [resuelve(arreglo(p, {i}, con_muerta=False, con_puntuales=False))
             for i in range(n)]
    ef0, r0 = _efectos(base, estaciones), _reacciones(base)
    efs = [_efectos(s, estaciones) for s in vivas]
    rs = [_reacciones(s) for s in vivas]

    def suma(i, k, c, signo):
        return ef0[i][k][c] + sum(signo(e[i][k][c], 0.0) for e in efs)

    env = Envolvente({}, {}, {}, {}, [], [])
    for i, xs in estaciones.items():
        env.m_max[i] = [suma(i, k, 0, max) for k in range(len(xs))]
        env.m_min[i] = [suma(i, k, 0, min) for k in range(len(xs))]
        env.v_max[i] = [suma(i, k, 1, max) for k in range(len(xs))]
        env.v_min[i] = [suma(i, k, 1, min) for k in range(len(xs))]
    env.r_max = [r0[j] + sum(max(r[j], 0.0) for r in rs) for j in range(n + 1)]
    env.r_min = [r0[j] + sum(min(r[j], 0.0) for r in rs) for j in range(n + 1)]
    return env


def estaciones_regulares(viga, divisiones=100):
    """x = k L / divisiones for every span, plus the point-load positions."""
    return {i: sorted({k * v.longitud / divisiones for k in range(divisiones + 1)}
                      | {a for _, a in v.cargas})
            for i, v in enumerate(viga.vanos)}


def extremo_envolvente(curva, xs, mayor=True):
    """(value, x) of the largest (or smallest) ordinate of an envelope curve."""
    k = (max if mayor else min)(range(len(xs)), key=lambda k: curva[k])
    return curva[k], xs[k]
