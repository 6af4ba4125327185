#!/usr/bin/python3
"""The command line's deflections against the independent reference
(tools/referencia/flechas.py, which shares no code with the program): five beams are
written as project files and run with `calc --json --double=yes`; the reference is given the
bars the program's detailing table chose (the `bars` rows) and must find the same effective
inertias and deflections, span by span.

Tolerances: Ie and the deflections to 1e-5 relative (the program holds the modulus and the span
inertias in single precision, the reference in double), the position of the largest
deflection to 0.1 mm (the program refines it from its stations, the reference by a golden-
section search), the limits and the verdict exactly.

Usage: referencia_flechas.py CLI REPOSITORY"""
import json
import os
import subprocess
import sys
import tempfile
from dataclasses import dataclass, field

CLI, REPO = sys.argv[1:3]
sys.path.insert(0, os.path.join(REPO, "tools"))
from referencia import flechas, patrones  # noqa: E402
from referencia.anclaje import AREAS_PROGRAMA_CM2  # noqa: E402
from referencia.viga import ARTICULADO, EMPOTRADO, LIBRE  # noqa: E402

CODIGO_EXTREMO = {ARTICULADO: (1, 0), EMPOTRADO: (1, 1), LIBRE: (0, 0)}
FC, RECUB, FACTOR_MUERTA = 210, 6.0, 1.4
XI = (1.0, 1.2, 1.4, 2.0)  # the file's DURACION codes 0..3
LIMITE = (480, 240, 360, 180)  # the file's LIMITE codes 0..3
TOL_RELATIVA, TOL_X = 1e-5, 1e-4


@dataclass
class Caso:
    nombre: str
    vanos: list  # (L m, h cm, D t/m, L t/m, [(Pu t, a m)])
    izquierdo: str = ARTICULADO
    derecho: str = ARTICULADO
    opciones: dict = field(default_factory=dict)  # the file's options block

    def proyecto(self):
        """The project file: 25 cm wide spans, self weight off, factors 1.4 / 1.7."""
        n = len(self.vanos)
        restr = ([CODIGO_EXTREMO[self.izquierdo]] + [(1, 0)] * (n - 1) +
                 [CODIGO_EXTREMO[self.derecho]])
        lineas = [f"DEFL, {n} {sum(map(sum, restr))} {n + 1}",
                  f"{FC} 4200 {RECUB} 0 25.0 50.0 1.000 0 0 0 2188264 0",
                  f"-1 0 0 {FACTOR_MUERTA} 1.7 2.4"]
        for largo, alto, d, viva, cargas in self.vanos:
            lineas.append(f"{largo} 25 {alto} 0 {d} {viva} 0 {len(cargas)}")
        lineas += [f"{a} {b}" for a, b in restr]
        for i, (*_, cargas) in enumerate(self.vanos):
            lineas += [f"{i + 1} {P} {a}" for P, a in cargas]
        # Header, footer, no slab file, the two signatures, then the options.
        lineas += [self.nombre, "", " ", "", "", "OPCIONES"]
        lineas += [f"{clave} {valor}" for clave, valor in self.opciones.items()]
        return "\r\n".join(lineas) + "\r\n"


CASOS = [
    Caso("dos vanos con carga puntual", [(5.0, 50, 2.0, 1.2, [(3.0, 2.0)]),
                                         (6.0, 50, 2.0, 1.2, [])]),
    Caso("tres vanos desiguales, empotrada a la izquierda",
         [(5.0, 45, 1.8, 1.0, []), (7.0, 60, 2.4, 1.5, []), (5.0, 50, 2.0, 1.2, [])],
         EMPOTRADO, ARTICULADO, {"DURACION": 1, "SOSTENIDA": 25, "LIMITE": 1}),
    Caso("dos vanos y voladizo a la derecha",
         [(5.0, 50, 2.0, 1.0, []), (5.0, 50, 2.0, 1.0, []), (2.5, 50, 2.0, 1.0, [(1.5, 2.5)])],
         ARTICULADO, LIBRE, {"LIMITE": 2}),
    Caso("cuatro vanos con alternancia de carga viva",
         [(5.0, 50, 1.2, 2.5, []), (6.0, 50, 1.2, 2.5, []), (6.0, 50, 1.2, 2.5, []),
          (5.0, 50, 1.2, 2.5, [])], opciones={"ALTERNANCIA": 1, "DURACION": 2}),
    Caso("voladizo empotrado a la izquierda, libre a la derecha",
         [(2.5, 50, 1.5, 0.8, [])], EMPOTRADO, LIBRE, {"LIMITE": 3}),
]


def area(fila, barra, cantidad):
    b, c = fila[barra], fila[cantidad]
    return AREAS_PROGRAMA_CM2[b] * c if b is not None and c else 0.0


def acero(fila, alto, inferior_en_traccion):
    """The section of a detailing row: bottom bars, and on top hangers plus additional bars."""
    abajo = area(fila, "bottom_bar", "bottom_count")
    arriba = area(fila, "hanger_bar", "hanger_count") + area(fila, "extra_bar", "extra_count")
    traccion, compresion = (abajo, arriba) if inferior_en_traccion else (arriba, abajo)
    return flechas.SeccionAcero(traccion, alto - RECUB, compresion, RECUB)


def referencia(caso, barras):
    n = len(caso.vanos)
    vanos = [flechas.VanoServicio(largo, 25, alto, d, viva, acero(barras[2 * i + 1], alto, True),
                                  [(P / FACTOR_MUERTA, a) for P, a in cargas])
             for i, (largo, alto, d, viva, cargas) in enumerate(caso.vanos)]
    # A support's row serves the spans on both sides, each with its own depth.
    alto = [caso.vanos[min(max(k, 0), n - 1)][1] for k in range(-1, n + 1)]
    apoyos = [(acero(barras[2 * j], alto[j], False), acero(barras[2 * j], alto[j + 1], False))
              for j in range(n + 1)]
    arreglos = None
    if caso.opciones.get("ALTERNANCIA"):
        arreglos = [cargados for _, cargados in patrones.casos_norma(n)]
    return flechas.flechas(vanos, FC, caso.izquierdo, caso.derecho, apoyos,
                           XI[caso.opciones.get("DURACION", 3)],
                           caso.opciones.get("SOSTENIDA", 0) / 100, arreglos=arreglos)


def compara(caso, doc, fallos):
    ref = referencia(caso, doc["bars"])
    limite = LIMITE[caso.opciones.get("LIMITE", 0)]
    for fila, r, (largo, *_), in zip(doc["deflections"], ref, caso.vanos):
        donde = f"{caso.nombre}, vano {fila['span']}"
        for clave, esperado in (("ie_d", r.ie_d), ("ie_dl", r.ie_dl), ("delta_d", r.delta_d),
                                ("delta_dl", r.delta_dl), ("delta_l", r.delta_l),
                                ("delta_long", r.delta_largo)):
            if abs(fila[clave] - esperado) > TOL_RELATIVA * max(abs(esperado), 0.01):
                fallos.append(f"{donde}: {clave} {fila[clave]:.6g} != {esperado:.6g}")
        # A span that only rises has its "largest" deflection, zero, at either end.
        if r.delta_dl > 1e-3 and abs(fila["x_max"] - r.x) > TOL_X:
            fallos.append(f"{donde}: x_max {fila['x_max']} != {r.x:.4f}")
        # ΔL against l/360 (l/180 for a roof), the total against the member's own row.
        limite_l = 100 * largo / (180 if limite == 180 else 360)
        limite_total = 100 * largo / limite if limite in (480, 240) else None
        cumple = abs(r.delta_l) <= limite_l and (limite_total is None or
                                                 abs(r.delta_largo) <= limite_total)
        if (abs(fila["limit_l"] - limite_l) > 1e-9 or fila["ok"] != cumple or
                (fila["limit"] is None) != (limite_total is None) or
                (limite_total is not None and abs(fila["limit"] - limite_total) > 1e-9)):
            fallos.append(f"{donde}: limites {fila['limit_l']}, {fila['limit']}, {fila['ok']} "
                          f"!= {limite_l}, {limite_total}, {cumple}")


def main():
    fallos = []
    with tempfile.TemporaryDirectory() as tmp:
        for k, caso in enumerate(CASOS):
            ruta = os.path.join(tmp, f"d{k}.vcw")
            with open(ruta, "w", encoding="latin-1", newline="") as f:
                f.write(caso.proyecto())
            salida = subprocess.run([CLI, "calc", ruta, "--json", "--double=yes"],
                                    capture_output=True, text=True, timeout=60)
            if salida.returncode != 0:
                fallos.append(f"{caso.nombre}: estado {salida.returncode} {salida.stdout}"
                              f"{salida.stderr}")
                continue
            doc = json.loads(salida.stdout)
            if not doc.get("deflections"):
                fallos.append(f"{caso.nombre}: sin deflexiones ({doc.get('deflection_note')})")
                continue
            compara(caso, doc, fallos)
    for f in fallos:
        print(f)
    print(f"{len(fallos)} diferencias en {len(CASOS)} vigas")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
