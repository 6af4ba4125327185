"""Deflections of reinforced-concrete beams, ACI 318-19 §24.2, in kg/cm2, cm and t*m.

Sections are rectangles b x h (cm) with tension steel As at depth d and compression steel
As' at depth d' (cm2, cm). The beam itself is solved by viga.py with EI = Ec Ie per span.
"""

import math
from dataclasses import dataclass, field

from referencia.viga import ARTICULADO, EMPOTRADO, LIBRE, Vano, Viga, resuelve

ES = 2.04e6  # kg/cm2, the modulus behind the design's 6117 = 0.003 Es


def modulo_concreto(fc):
    """Ec = 15100 sqrt(f'c), kg/cm2 (§19.2.2.1: 57000 sqrt(f'c) psi)."""
    return 15100 * math.sqrt(fc)


def modulo_rotura(fc):
    """fr = 2.0 sqrt(f'c), kg/cm2 (§19.2.3.1: 7.5 sqrt(f'c) psi, normal-weight concrete)."""
    return 2.0 * math.sqrt(fc)


def inercia_bruta(b, h):
    """Ig = b h^3 / 12, cm4 (gross concrete section, steel ignored, §24.2.3.5)."""
    return b * h**3 / 12


def momento_fisuracion(fc, b, h):
    """Mcr = fr Ig / yt, t*m, with yt = h / 2 (Table 24.2.3.5)."""
    return modulo_rotura(fc) * inercia_bruta(b, h) / (h / 2) / 1e5


def seccion_fisurada(b, d, As, n, As_comp=0.0, d_comp=0.0):
    """Cracked transformed section: (c, Icr) in cm and cm4. Compression steel is counted
    as (n - 1) As' (the concrete it displaces taken out), as in Fig. R24.2.3.5:

        b c^2 / 2 + (n - 1) As' (c - d') = n As (d - c)
        Icr = b c^3 / 3 + n As (d - c)^2 + (n - 1) As' (c - d')^2
    """
    a2 = b / 2
    a1 = n * As + (n - 1) * As_comp
    a0 = -(n * As * d + (n - 1) * As_comp * d_comp)
    c = (-a1 + math.sqrt(a1 * a1 - 4 * a2 * a0)) / (2 * a2)
    icr = b * c**3 / 3 + n * As * (d - c) ** 2 + (n - 1) * As_comp * (c - d_comp) ** 2
    return c, icr


def inercia_efectiva(Ma, Mcr, Icr, Ig):
    """Ie, Table 24.2.3.5 (ACI 318-19, Bischoff's form), with |Ma| the service moment:
        Ie = Ig                                             for |Ma| <= (2/3) Mcr
        Ie = Icr / (1 - ((2/3) Mcr / Ma)^2 (1 - Icr / Ig))  otherwise."""
    Ma = abs(Ma)
    if Ma <= 2 / 3 * Mcr:
        return Ig
    return Icr / (1 - (2 / 3 * Mcr / Ma) ** 2 * (1 - Icr / Ig))


def inercia_promedio(ie_centro, ie_izq=None, ie_der=None):
    """Span average of Ie (§24.2.3.6), the ends given only where the span is continuous:
    both ends 0.5 Ie,m + 0.25 (Ie,1 + Ie,2); one end 0.5 (Ie,m + Ie,cont); none Ie,m."""
    extremos = [ie for ie in (ie_izq, ie_der) if ie is not None]
    if len(extremos) == 2:
        return 0.5 * ie_centro + 0.25 * (extremos[0] + extremos[1])
    if len(extremos) == 1:
        return 0.5 * (ie_centro + extremos[0])
    return ie_centro


def factor_largo_plazo(xi, rho_comp):
    """lambda_Delta = xi / (1 + 50 rho'), §24.2.4.1.1; xi from Table 24.2.4.1.3: 3 months
    1.0, 6 months 1.2, 12 months 1.4, 5 years or more 2.0."""
    return xi / (1 + 50 * rho_comp)


XI = {"3 meses": 1.0, "6 meses": 1.2, "12 meses": 1.4, "5 anios": 2.0}
# Table 24.2.2: denominators of the limit l / k.
LIMITES = {"techo plano": 180, "piso": 360, "no danable": 240, "danable": 480}


@dataclass
class SeccionAcero:
    """Steel of one section: tension As at d, compression As' at d' (cm2, cm). For a
    support the tension steel is on top; d is measured from the compressed face either way."""
    As: float
    d: float
    As_comp: float = 0.0
    d_comp: float = 0.0


@dataclass
class VanoServicio:
    longitud: float  # m
    b: float  # cm
    h: float  # cm
    muerta: float  # t/m, service
    viva: float  # t/m, service
    centro: SeccionAcero = None  # mid-span, bottom steel in tension
    cargas_muertas: list = field(default_factory=list)  # (P t, a m), service dead loads


@dataclass
class ResultadoVano:
    ie_d: float  # cm4, span average under D
    ie_dl: float  # cm4, under D + L
    delta_d: float  # cm, downward positive
    delta_dl: float
    delta_l: float
    delta_largo: float  # lambda_Delta Delta_sustained + Delta_L
    x: float  # m, where the largest downward deflection of D + L lies


def _flecha_maxima(sol, i, L, divisiones=400):
    """Largest downward deflection of span i (cm) and its x, by a fine search refined by
    golden-section steps around the best station."""
    xs = [k * L / divisiones for k in range(divisiones + 1)]
    k = min(range(len(xs)), key=lambda k: sol.flecha(i, xs[k]))
    a, b = xs[max(k - 1, 0)], xs[min(k + 1, divisiones)]
    g = (math.sqrt(5) - 1) / 2
    for _ in range(80):
        c, d = b - g * (b - a), a + g * (b - a)
        if sol.flecha(i, c) < sol.flecha(i, d):
            b = d
        else:
            a = c
    x = (a + b) / 2
    x = min([x] + xs, key=lambda x: sol.flecha(i, x))
    return -sol.flecha(i, x) * 100, x


def flechas(vanos, fc, izquierdo=ARTICULADO, derecho=ARTICULADO, apoyos=None,
            xi=2.0, parte_sostenida=0.0, ie_fijo=None, arreglos=None):
    """Immediate and long-term deflection of every span (see ResultadoVano).

    `apoyos[j]`, j = 0..n, is the steel over node j (top steel in tension), used at the
    continuous ends; a pair (as seen from span j - 1, as seen from span j) where the spans
    on either side differ in depth. The service moments Ma come from the analysis with the gross inertia;
    the beam is then analysed again with each span's averaged Ie (for D and for D + L) and
    the deflection read from the integrated curvature. A cantilever takes Ie at its support.
    `ie_fijo` (cm4 per span), when given, replaces Ie (uncracked checks).
    `arreglos`, when given, lists the sets of spans (0-based) that carry the live load in
    D + L, one analysis each: every section takes the service moment of largest magnitude
    among them for its Ie, and every span the largest deflection among them.
    Long term: Delta = lambda_Delta (Delta_D + share of Delta_L) + Delta_L, with lambda_Delta
    from the compression steel ratio at mid-span (at the support for a cantilever).
    """
    n = len(vanos)
    Ec = modulo_concreto(fc)
    nmod = ES / Ec
    EC_TM2 = Ec * 10  # t/m2

    def analiza(cargados, inercias):
        vs = [Vano(v.longitud, v.muerta + (v.viva if i in cargados else 0.0),
                   list(v.cargas_muertas), EC_TM2 * ie * 1e-8)
              for i, (v, ie) in enumerate(zip(vanos, inercias))]
        return resuelve(Viga(vs, izquierdo, derecho))

    ig = [inercia_bruta(v.b, v.h) for v in vanos]
    # Which end of a cantilever is free: a one-span beam fixed on the left and free on the
    # right is span 0 and still has its support at node 0.
    voladizo_izq = [i == 0 and izquierdo == LIBRE for i in range(n)]
    voladizo_der = [i == n - 1 and derecho == LIBRE for i in range(n)]
    voladizo = [a or b for a, b in zip(voladizo_izq, voladizo_der)]

    def apoyo(j, i):
        """The steel over node j as span i sees it."""
        a = apoyos[j] if apoyos else None
        return a[0 if j == i + 1 else 1] if isinstance(a, tuple) else a

    def promedio(sols, i):
        """Ie of span i from the solutions of the load (several for the arrangements)."""
        v = vanos[i]
        mcr = momento_fisuracion(fc, v.b, v.h)

        def ie(seccion, Ma):
            if seccion is None or seccion.As <= 0:
                return ig[i]
            icr = seccion_fisurada(v.b, seccion.d, seccion.As, nmod, seccion.As_comp,
                                   seccion.d_comp)[1]
            return inercia_efectiva(Ma, mcr, icr, ig[i])

        def mayor(momento):
            return max((momento(s) for s in sols), key=abs)

        if voladizo[i]:
            j, x = (i + 1, v.longitud) if voladizo_izq[i] else (i, 0.0)  # the supported end
            return ie(apoyo(j, i), mayor(lambda s: s.momento(i, x)))
        izq = i > 0 or izquierdo == EMPOTRADO
        der = i < n - 1 or derecho == EMPOTRADO
        ie_izq = ie(apoyo(i, i), mayor(lambda s: s.momento(i, 0.0))) if izq and apoyos else None
        ie_der = (ie(apoyo(i + 1, i), mayor(lambda s: s.momento(i, v.longitud)))
                  if der and apoyos else None)
        Ma = mayor(lambda s: s.momento_extremo(i, mayor=True)[0])
        return inercia_promedio(ie(v.centro, Ma), ie_izq, ie_der)

    todos = set(range(n))
    arreglos = arreglos or [todos]
    resultados = []
    bruta_d, bruta_dl = analiza(set(), ig), [analiza(a, ig) for a in arreglos]
    ie_d = ie_fijo or [promedio([bruta_d], i) for i in range(n)]
    ie_dl = ie_fijo or [promedio(bruta_dl, i) for i in range(n)]
    sol_d, sols_dl = analiza(set(), ie_d), [analiza(a, ie_dl) for a in arreglos]
    for i, v in enumerate(vanos):
        L = v.longitud
        if voladizo[i]:
            x = 0.0 if voladizo_izq[i] else L  # the tip
            dd = -sol_d.flecha(i, x) * 100
            ddl = max(-s.flecha(i, x) * 100 for s in sols_dl)
        else:
            ddl, x = max(_flecha_maxima(s, i, L) for s in sols_dl)
            dd = _flecha_maxima(sol_d, i, L)[0]
        seccion = v.centro
        if voladizo[i] and apoyos:
            seccion = apoyo(i + 1 if voladizo_izq[i] else i, i)
        rho_comp = seccion.As_comp / (v.b * seccion.d) if seccion else 0.0
        lam = factor_largo_plazo(xi, rho_comp)
        dl = ddl - dd
        resultados.append(ResultadoVano(ie_d[i], ie_dl[i], dd, ddl, dl,
                                        lam * (dd + parte_sostenida * dl) + dl, x))
    return resultados
