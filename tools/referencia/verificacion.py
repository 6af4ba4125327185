"""The verification examples of data/verificacion, worked by the independent scripts.

Each example is described here from its hand calculation (the page ejemplo-NN.md beside its
project file), not read from the project file. `compara_referencia` checks that every value
typed into the .esperado files agrees, within its tolerance, with what these scripts
compute; `compara_programa` runs trabelux-cli on each project file and checks the program.

    /usr/bin/python3 tools/referencia/verificacion.py [--cli PATH/trabelux-cli]

Exit status 1 when a value disagrees. The .esperado format is described in
data/verificacion/LEEME.md.
"""

import json
import os
import re
import subprocess
import sys
from dataclasses import dataclass

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

from referencia import anclaje, diseno, flechas, patrones  # noqa: E402
from referencia.viga import ARTICULADO, EMPOTRADO, LIBRE, Vano, Viga, resuelve  # noqa: E402

RAIZ = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
CARPETA = os.path.join(RAIZ, "data", "verificacion")


@dataclass
class Ejemplo:
    viga: Viga
    b: float = 25.0  # cm, every span
    h: float = 50.0
    recub: float = 4.0
    fc: float = 210.0
    fy: float = 4200.0
    # Keys of envelopes, deflections and bars: a function of the key, KeyError for the keys
    # the beam alone answers.
    calcula: object = None


def _wu(D, L):
    return 1.4 * D + 1.7 * L


def _ejemplo_09():
    """Three equal spans of 6 m, D = 2.5 and L = 2.0 t/m, the code's live-load cases."""
    p = patrones.Problema(Viga([Vano(6.0), Vano(6.0), Vano(6.0)]), [2.5] * 3, [2.0] * 3)
    casos = [resuelve(patrones.arreglo(p, cargados)) for _, cargados in patrones.casos_norma(3)]
    env = patrones.envolvente_casos(p, patrones.estaciones_regulares(p.viga))
    todos = resuelve(patrones.arreglo(p, {0, 1, 2}))

    def valor(clave):
        nombre, *resto = clave.split(".")
        k = int(resto[-1]) - 1
        if nombre in ("envolvente_momento_positivo", "momento_vano"):
            return max(sol.momento_extremo(k)[0] for sol in casos)
        if nombre == "envolvente_posicion_momento_positivo":
            return max(sol.momento_extremo(k) for sol in casos)[1]
        if nombre == "envolvente_momento":
            x = 0.0 if resto[0] == "I" else p.viga.vanos[k].longitud
            return min(sol.momento(k, x) for sol in casos)
        if nombre == "momento_apoyo":  # node k + 1 is the left end of span k
            return -min(sol.momento(k, 0.0) for sol in casos)
        if nombre == "envolvente_reaccion_max":
            return env.r_max[k]
        if nombre == "envolvente_reaccion_min":
            return env.r_min[k]
        if nombre == "reaccion":
            return todos.reacciones()[k][0]
        raise KeyError(clave)

    return valor


def _ejemplo_10():
    """Simple span of 6 m, 25 x 50 cm, d = 44, D = 1.5 and L = 0.8 t/m; the bars the program
    proposes, typed: 3 x 1" below (15.21 cm2), the two 3/8" hangers above (1.42 cm2) at 6 cm."""
    centro = flechas.SeccionAcero(3 * 5.07, 44.0, 2 * 0.71, 6.0)
    r = flechas.flechas([flechas.VanoServicio(6.0, 25.0, 50.0, 1.5, 0.8, centro)], 210.0,
                        xi=2.0)[0]
    n = flechas.ES / flechas.modulo_concreto(210.0)
    valores = {
        "momento_agrietamiento.1": flechas.momento_fisuracion(210.0, 25.0, 50.0),
        "inercia_agrietada.1": flechas.seccion_fisurada(25.0, 44.0, centro.As, n, centro.As_comp,
                                                        centro.d_comp)[1],
        "inercia_efectiva_muerta.1": r.ie_d,
        "inercia_efectiva_total.1": r.ie_dl,
        "flecha_muerta.1": r.delta_d,
        "flecha_viva.1": r.delta_l,
        "flecha_total.1": r.delta_dl,
        "flecha_diferida.1": r.delta_largo,
    }
    return valores.__getitem__


def _cruce(f, a, b):
    """The point between a and b where f changes sign (bisection)."""
    fa = f(a)
    for _ in range(200):
        m = (a + b) / 2
        if (f(m) > 0) == (fa > 0):
            a, fa = m, f(m)
        else:
            b = m
    return (a + b) / 2


def _ejemplo_11():
    """Spans of 3 and 6 m, wu = 6.05 t/m, 25 x 50 cm, d = 46; over support 2 the two 3/8"
    hangers and 5 x 3/4" additional bars (the program's proposal, typed). Each side of the
    support the bars reach the farthest of: where the hangers alone suffice + max(d, 12 db);
    the inflection point + max(d, 12 db, ln/16); ld."""
    b, d, fc, fy = 25.0, 46.0, 210.0, 4200.0
    viga = Viga([Vano(3.0, 6.05), Vano(6.0, 6.05)])
    sol = resuelve(viga)
    tres_octavos, tres_cuartos = 0, 2
    db = anclaje.DIAMETROS_CM[tres_cuartos]
    # One row: the hangers at the corners, the five bars between them.
    grupo = [anclaje.DIAMETROS_CM[tres_octavos]] + [db] * 5 + [anclaje.DIAMETROS_CM[tres_octavos]]
    libre = (b - 2 * 4.0 - sum(grupo) + (grupo[0] + grupo[-1]) / 2) / (len(grupo) - 1)
    ld = anclaje.ld_recta(fc, fy, tres_cuartos, superior=True, caso_favorable=libre >= db) / 100
    # phi Mn of the hangers, 3/4 of the area below the minimum steel (9.6.1.3).
    area = 2 * anclaje.AREAS_PROGRAMA_CM2[tres_octavos]
    area = area if area >= 14 * b * d / fy else 0.75 * area
    m_perchas = 0.9 * area * fy * (d - area * fy / (1.7 * fc * b)) / 1e5

    def alcance(i, desde_izquierda):
        L = viga.vanos[i].longitud

        def m(u):  # sagging moment at u from the support, into span i
            return sol.momento(i, u if desde_izquierda else L - u)

        inflexion = _cruce(m, 1e-9, L)
        corte = _cruce(lambda u: -m(u) - m_perchas, 1e-9, L)
        ext = max(d / 100, 12 * db / 100)
        return max(corte + ext, inflexion + max(ext, L / 16), ld)

    izquierda, derecha = alcance(0, False), alcance(1, True)
    valores = {
        "momento_apoyo.2": -sol.momento(1, 0.0),
        "reaccion.1": sol.reacciones()[0][0],
        "corte_adicional.I.2": izquierda,
        "corte_adicional.J.2": derecha,
        "largo_corte.S1": anclaje.redondea_5cm(100 * (izquierda + derecha)) / 100,
    }
    return valores.__getitem__


EJEMPLOS = {
    "ejemplo-01": Ejemplo(Viga([Vano(6.0, _wu(2.0, 1.0))], EMPOTRADO, EMPOTRADO)),
    "ejemplo-02": Ejemplo(Viga([Vano(6.0, _wu(2.0, 1.0))], EMPOTRADO, ARTICULADO)),
    "ejemplo-03": Ejemplo(Viga([Vano(5.0, _wu(2.0, 1.0)), Vano(5.0, _wu(2.0, 1.0))])),
    "ejemplo-04": Ejemplo(Viga([Vano(5.0, _wu(2.0, 1.0)), Vano(6.0, _wu(2.5, 1.0)),
                                Vano(4.0, _wu(1.5, 1.0)),
                                Vano(1.5, _wu(1.5, 1.0), [(2.0, 1.5)])], ARTICULADO, LIBRE)),
    "ejemplo-05": Ejemplo(Viga([Vano(6.0, 0.0, [(10.0, 2.0)])], EMPOTRADO, EMPOTRADO)),
    "ejemplo-06": Ejemplo(Viga([Vano(4.0), Vano(6.0)], nudos={1: (0.0, 10.0)})),
    "ejemplo-07": Ejemplo(Viga([Vano(7.0, _wu(3.2, 1.6))], EMPOTRADO, EMPOTRADO)),
    "ejemplo-08": Ejemplo(Viga([Vano(5.0, _wu(1.5, 1.0), [(14.5, 1.0)])])),
    "ejemplo-09": Ejemplo(Viga([Vano(6.0, _wu(2.5, 2.0))] * 3), h=60.0, calcula=_ejemplo_09()),
    "ejemplo-10": Ejemplo(Viga([Vano(6.0, _wu(1.5, 0.8))]), recub=6.0, calcula=_ejemplo_10()),
    "ejemplo-11": Ejemplo(Viga([Vano(3.0, 6.05), Vano(6.0, 6.05)]), calcula=_ejemplo_11()),
}


# ---- The .esperado files ------------------------------------------------------------------

@dataclass
class Valor:
    clave: str
    valor: object  # float, or str for texts
    tolerancia: float  # absolute; relative ones are resolved on reading
    linea: int


def _tolerancia(texto, valor):
    texto = texto.strip()
    if texto.endswith("%"):
        return abs(valor) * float(texto[:-1]) / 100
    return float(texto)


def lee_esperado(ruta):
    """(settings, values) of an .esperado file: settings are the keys descripcion, fuente,
    proyecto, opciones and tolerancia; every other key is a value to check."""
    ajustes, valores = {"tolerancia": "0.001", "opciones": ""}, []
    for n, linea in enumerate(open(ruta, encoding="utf-8"), 1):
        linea = linea.strip()
        if not linea or linea.startswith("#"):
            continue
        clave, _, resto = (t.strip() for t in linea.partition("="))
        if clave in ("descripcion", "fuente", "proyecto", "opciones", "tolerancia"):
            ajustes[clave] = resto
            continue
        m = re.fullmatch(r"(.*?)\s*(?:±|\+-)\s*(\S+)", resto)
        texto, tol = (m.group(1), m.group(2)) if m else (resto, "")
        try:
            v = float(texto)
        except ValueError:
            valores.append(Valor(clave, texto, 0.0, n))
            continue
        valores.append(Valor(clave, v, _tolerancia(tol or ajustes["tolerancia"], v), n))
    return ajustes, valores


# ---- Values from the JSON of trabelux-cli -------------------------------------------------

def valor_json(datos, clave):
    """The value a key names in the JSON of `trabelux-cli calc --json`."""
    partes = clave.split(".")

    def fila(lista, campo, numero):
        return next(f for f in datos[lista] if f[campo] == int(numero))

    nombre = partes[0]
    if nombre == "estado":
        return datos["status"]
    if nombre == "cortante_max_viga":
        return datos["max_shear"]
    if nombre == "momento_max_viga":
        return datos["max_moment"]
    if nombre == "reaccion":
        return fila("reactions", "node", partes[1])["force"]
    if nombre == "momento_reaccion":
        return fila("reactions", "node", partes[1])["moment"]
    if nombre in ("cortante_extremo", "momento_extremo"):
        campo = ("shear_" if nombre == "cortante_extremo" else "moment_") + partes[1].lower()
        return fila("end_forces", "span", partes[2])[campo]
    if nombre == "momento_max":
        return fila("end_forces", "span", partes[1])["max_moment"]
    if nombre == "posicion_momento_max":
        return fila("end_forces", "span", partes[1])["max_moment_x"]
    apoyos = {"momento_apoyo": "moment", "as_apoyo": "top", "as_prima_apoyo": "bottom"}
    if nombre in apoyos:
        return fila("support_steel", "node", partes[1])[apoyos[nombre]]
    vanos = {"momento_vano": "moment", "as_vano": "bottom", "as_prima_vano": "top"}
    if nombre in vanos:
        return fila("span_steel", "span", partes[1])[vanos[nombre]]
    if nombre == "cortante_diseno":
        return fila("stirrups", "span", partes[2])["shear_" + partes[1].lower()]
    if nombre == "av_por_metro":
        return fila("stirrups", "span", partes[1])["area_per_m"]
    if nombre == "estribos":
        return fila("stirrups", "span", partes[1])["text"]
    if nombre.startswith("envolvente_"):
        env = datos["envelopes"]
        if nombre == "envolvente_momento":
            return env["spans"][int(partes[2]) - 1]["design"]["moment_" + partes[1].lower()]
        if nombre in ("envolvente_reaccion_max", "envolvente_reaccion_min"):
            return env["supports"][int(partes[1]) - 1]["reaction_" + nombre[-3:]]
        campo = {"envolvente_momento_positivo": "positive_moment",
                 "envolvente_posicion_momento_positivo": "positive_moment_x"}[nombre]
        return env["spans"][int(partes[1]) - 1]["design"][campo]
    deflexiones = {"inercia_efectiva_muerta": "ie_d", "inercia_efectiva_total": "ie_dl",
                   "flecha_muerta": "delta_d", "flecha_viva": "delta_l",
                   "flecha_total": "delta_dl", "flecha_diferida": "delta_long"}
    if nombre in deflexiones:
        return fila("deflections", "span", partes[1])[deflexiones[nombre]]
    if nombre in ("largo_corte", "dimensiones"):
        linea = next(f for f in datos["schedule"] if f["mark"] == partes[1])
        return linea["cut_length" if nombre == "largo_corte" else "dimensions"]
    if nombre in ("momento_agrietamiento", "inercia_agrietada", "corte_adicional"):
        raise FueraDelJson(clave)
    raise KeyError(clave)


class FueraDelJson(Exception):
    """A key whose value `calc --json` does not print (Mcr, Icr, the cut-off dimensions)."""


# ---- The same values from the scripts -----------------------------------------------------

def _momento_nudo(sol, n, j):
    """Moment the program designs node j (0-based) for: the left-end moment of the span to
    its right, the right-end moment of the last span at the last node (end-force sign)."""
    return sol.extremos(j)[1] if j < n else sol.extremos(n - 1)[3]


def _estribo(ej, i, sol):
    """(Vu at d left, right, area per metre, text) of span i as the program's method gives
    them: the end with the larger Vs governs; 3/8" stirrups, 1/2" below 7 cm."""
    v = ej.viga.vanos[i]
    d = ej.h - ej.recub
    VI, _, VJ, _ = sol.extremos(i)
    vus = [abs(VI - v.w * d / 100), abs(VJ - v.w * d / 100)]
    ends = []
    for vu in vus:
        barra, av = "3/8", 1.42
        vs, s = diseno.estribos(vu, ej.fc, ej.fy, ej.b, d, av)
        if s < 7:
            barra, av = "1/2", 2.54
            vs, s = diseno.estribos(vu, ej.fc, ej.fy, ej.b, d, av)
        ends.append((vs, s, barra, av))
    vs, s, barra, av = ends[1] if ends[1][0] > ends[0][0] else ends[0]
    return vus[0], vus[1], 100 * av / s, f"ø{barra} a {s / 100:.3f}"


def valor_referencia(ej, clave):
    """The value a key names, computed by the independent scripts for example `ej`."""
    if ej.calcula:
        try:
            return ej.calcula(clave)
        except KeyError:
            pass
    sol = resuelve(ej.viga)
    n = len(ej.viga.vanos)
    partes = clave.split(".")
    nombre = partes[0]
    d = ej.h - ej.recub
    if nombre == "estado":
        return "ok"
    if nombre in ("reaccion", "momento_reaccion"):
        return sol.reacciones()[int(partes[1]) - 1][0 if nombre == "reaccion" else 1]
    if nombre in ("cortante_extremo", "momento_extremo"):
        k = (0 if partes[1] == "I" else 2) + (0 if nombre == "cortante_extremo" else 1)
        return sol.extremos(int(partes[2]) - 1)[k]
    if nombre in ("momento_max", "posicion_momento_max"):
        m, x = sol.momento_extremo(int(partes[1]) - 1)
        if m <= 0:
            m, x = 0.0, 0.0
        return m if nombre == "momento_max" else x
    if nombre == "momento_max_viga":
        return max(max(abs(sol.momento_extremo(i, s)[0]) for s in (True, False))
                   for i in range(n))
    if nombre == "cortante_max_viga":
        return max(abs(sol.cortante(i, x, lado)) for i in range(n)
                   for x in sol.puntos_singulares(i) for lado in (True, False))
    if nombre in ("momento_apoyo", "as_apoyo", "as_prima_apoyo"):
        mu = abs(_momento_nudo(sol, n, int(partes[1]) - 1))
        if nombre == "momento_apoyo":
            return mu
        As, As_p = diseno.diseno_flexion(mu, ej.fc, ej.fy, ej.b, d, ej.recub)
        return As if nombre == "as_apoyo" else As_p
    if nombre in ("momento_vano", "as_vano", "as_prima_vano"):
        mu = max(sol.momento_extremo(int(partes[1]) - 1)[0], 0.0)
        if nombre == "momento_vano":
            return mu
        As, As_p = diseno.diseno_flexion(mu, ej.fc, ej.fy, ej.b, d, ej.recub)
        return As if nombre == "as_vano" else As_p
    if nombre == "cortante_diseno":
        e = _estribo(ej, int(partes[2]) - 1, sol)
        return e[0 if partes[1] == "I" else 1]
    if nombre == "av_por_metro":
        return _estribo(ej, int(partes[1]) - 1, sol)[2]
    if nombre == "estribos":
        return _estribo(ej, int(partes[1]) - 1, sol)[3]
    raise KeyError(clave)


# ---- Comparisons ----------------------------------------------------------------------------

def _compara(nombre, esperados, obtiene):
    fallos = []
    for v in esperados:
        try:
            calculado = obtiene(v.clave)
        except FueraDelJson:
            continue
        except (KeyError, StopIteration, IndexError):
            fallos.append(f"{nombre}:{v.linea}: {v.clave} no existe en el resultado")
            continue
        if isinstance(v.valor, str):
            bien = calculado == v.valor
        else:
            bien = isinstance(calculado, (int, float)) and abs(calculado - v.valor) <= v.tolerancia
        if not bien:
            fallos.append(f"{nombre}:{v.linea}: {v.clave} esperado {v.valor}"
                          f" (tolerancia {v.tolerancia:g}), calculado {calculado}")
    return fallos


def esperados(carpeta=CARPETA):
    """(name, settings, values) of every .esperado file, in order."""
    for archivo in sorted(os.listdir(carpeta)):
        if archivo.endswith(".esperado"):
            ajustes, valores = lee_esperado(os.path.join(carpeta, archivo))
            yield archivo[:-len(".esperado")], ajustes, valores


def compara_referencia(carpeta=CARPETA):
    """Every typed expected value against the independent scripts."""
    fallos = []
    for nombre, _, valores in esperados(carpeta):
        ej = EJEMPLOS[nombre]
        fallos += _compara(nombre, valores, lambda clave: valor_referencia(ej, clave))
    return fallos


def compara_programa(cli, carpeta=CARPETA):
    """Every typed expected value against `trabelux-cli calc --json` on the project file."""
    fallos = []
    for nombre, ajustes, valores in esperados(carpeta):
        proyecto = os.path.join(carpeta, ajustes.get("proyecto", nombre + ".vcw"))
        salida = subprocess.run([cli, "calc", proyecto, "--json", *ajustes["opciones"].split()],
                                capture_output=True, text=True, timeout=60)
        datos = json.loads(salida.stdout)
        fallos += _compara(nombre, valores, lambda clave: valor_json(datos, clave))
    return fallos


def main(argv):
    fallos = compara_referencia()
    if "--cli" in argv:
        fallos += [f"programa: {f}" for f in compara_programa(argv[argv.index("--cli") + 1])]
    for f in fallos:
        print(f)
    print("verificacion:", "FALLA" if fallos else "OK")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
