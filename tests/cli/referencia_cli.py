#!/usr/bin/python3
"""The command line's live-load envelopes against the independent reference
(tools/referencia/patrones.py, which shares no code with the program): random beams are
written as project files, run with `calc --json --pattern=code|rigorous`, and every
station's largest and smallest moment and shear, and every support's reaction extremes,
are compared with the reference's at the program's own stations.

Usage: referencia_cli.py CLI REPOSITORY"""
import json
import os
import random
import subprocess
import sys
import tempfile

CLI, REPO = sys.argv[1:3]
sys.path.insert(0, os.path.join(REPO, "tools"))
from referencia import patrones  # noqa: E402
from referencia.viga import ARTICULADO, EMPOTRADO, LIBRE, Vano, Viga  # noqa: E402

CODIGO_EXTREMO = {ARTICULADO: (1, 0), EMPOTRADO: (1, 1), LIBRE: (0, 0)}


def proyecto(viga, muerta, viva):
    """The project file of a beam of 25 x h sections with the dead and live loads typed
    (self weight off, factors 1.4 / 1.7) and its point and node loads."""
    n = len(viga.vanos)
    restr = [CODIGO_EXTREMO[viga.izquierdo]] + [(1, 0)] * (n - 1) + [CODIGO_EXTREMO[viga.derecho]]
    lineas = [f"AZAR, {n} {sum(map(sum, restr))} {n + 1}",
              f"210 4200 5 {len(viga.nudos)} 25.0 50.0 1.000 0 0 0 2188264 0",
              "-1 0 0 1.4 1.7 2.4"]
    for v, d, l in zip(viga.vanos, muerta, viva):
        lineas.append(f"{v.longitud} 25 {v.alto} 0 {d} {l} 0 {len(v.cargas)}")
    lineas += [f"{a} {b}" for a, b in restr]
    lineas += [f"{j + 1} {f} {m}" for j, (f, m) in sorted(viga.nudos.items())]
    for i, v in enumerate(viga.vanos):
        lineas += [f"{i + 1} {P} {a}" for P, a in v.cargas]
    lineas += ["Prueba", "", " "]
    return "\r\n".join(lineas) + "\r\n"


def viga_al_azar(azar):
    n = azar.randint(2, 6)
    vanos = []
    for _ in range(n):
        largo = azar.choice([3.0, 4.0, 4.5, 5.0, 6.0, 7.5])
        alto = azar.choice([40, 50, 60])
        cargas = [(azar.choice([0.5, 1.0, 2.5, -0.5]), azar.choice([0.25, 1.0, 1.5, 2.75]))
                  for _ in range(azar.randint(0, 2))]
        v = Vano(largo, 0.0, cargas, 0.25 * (alto / 100) ** 3 / 12)
        v.alto = alto
        vanos.append(v)
    izq, der = azar.choice([ARTICULADO, EMPOTRADO, LIBRE]), azar.choice([ARTICULADO, EMPOTRADO])
    nudos = {azar.randrange(n + 1): (azar.choice([-1.0, 0.5]), azar.choice([0.0, 1.5]))
             for _ in range(azar.randint(0, 2))}
    viga = Viga(vanos, izq, der, None, nudos)
    muerta = [azar.choice([1.0, 2.0, 2.5]) for _ in range(n)]
    viva = [azar.choice([0.5, 1.2, 3.0]) for _ in range(n)]
    return viga, muerta, viva


def main():
    azar = random.Random(22)
    fallos = []
    with tempfile.TemporaryDirectory() as tmp:
        for k in range(8):
            viga, muerta, viva = viga_al_azar(azar)
            ruta = os.path.join(tmp, f"v{k}.vcw")
            with open(ruta, "w", encoding="latin-1", newline="") as f:
                f.write(proyecto(viga, muerta, viva))
            problema = patrones.Problema(viga, muerta, viva, 1.4, 1.7)
            for patron, referencia in (("code", patrones.envolvente_casos),
                                       ("rigorous", patrones.envolvente_rigurosa)):
                salida = subprocess.run([CLI, "calc", ruta, "--json", "--analysis-only",
                                         f"--pattern={patron}"], capture_output=True, text=True,
                                        timeout=60)
                if salida.returncode != 0:
                    fallos.append(f"viga {k} {patron}: estado {salida.returncode} {salida.stderr}")
                    continue
                env = json.loads(salida.stdout)["envelopes"]
                estaciones = {s["span"] - 1: s["x"] for s in env["spans"]}
                ref = referencia(problema, estaciones)
                escala = max(1.0, max(abs(m) for s in env["spans"] for m in s["moment_min"]))
                tol = 2e-5 * escala
                for s in env["spans"]:
                    i = s["span"] - 1
                    for clave, curva in (("moment_max", ref.m_max), ("moment_min", ref.m_min),
                                         ("shear_max", ref.v_max), ("shear_min", ref.v_min)):
                        for kx, (obtenido, esperado) in enumerate(zip(s[clave], curva[i])):
                            # Just right of a load the reference reads the load not yet taken.
                            if kx > 0 and s["x"][kx] - s["x"][kx - 1] < 1e-5:
                                continue
                            if abs(obtenido - esperado) > tol:
                                fallos.append(f"viga {k} {patron} vano {i + 1} {clave} x="
                                              f"{s['x'][kx]}: {obtenido} != {esperado}")
                for s, rmax, rmin in zip(env["supports"], ref.r_max, ref.r_min):
                    if abs(s["reaction_max"] - rmax) > tol or abs(s["reaction_min"] - rmin) > tol:
                        fallos.append(f"viga {k} {patron} nudo {s['node']}: reacciones "
                                      f"{s['reaction_max']}, {s['reaction_min']} != {rmax}, {rmin}")
    for f in fallos[:20]:
        print(f)
    print(f"{len(fallos)} diferencias")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
