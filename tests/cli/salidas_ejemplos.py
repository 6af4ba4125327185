#!/usr/bin/env python3
"""Pins the whole chain from project file to result tables: runs `trabelux-cli calc` on
every example project and compares its output with the golden files of tests/data/salidas.
The stations of every example are pinned too, as JSON (shortest round-trip numbers, so
every bit of each station shows), and the bar schedule of its proposed bars as CSV.

Usage: salidas_ejemplos.py CLI EXAMPLES GOLDENS
With TRABELUX_REGENERA=1 the golden files are written afresh instead of compared (review
the diff before committing it).
"""
import os
import subprocess
import sys

CLI, EXAMPLES, GOLDENS = sys.argv[1:4]
REGENERA = os.environ.get("TRABELUX_REGENERA") == "1"


def modos(salida_simple):
    """Runs of one example, with the golden file's suffix: the default run, the analysis
    alone, the stations and, when the default run stops on the double-reinforcement
    question, the run that answers yes."""
    yield "calc.txt", []
    yield "analisis.txt", ["--analysis-only"]
    yield "estaciones.json", ["--json", "--stations"]
    if "Quiere refuerzo doble?" in salida_simple:
        yield "doble.txt", ["--double=yes"]
    # The bar schedule of the proposed bars, as CSV.
    yield "planilla.csv", ["schedule"]
    if "Quiere refuerzo doble?" in salida_simple:
        yield "planilla-doble.csv", ["schedule", "--double=yes"]


def corre(ejemplo, opciones):
    if opciones[:1] == ["schedule"]:
        comando = ["schedule", ejemplo, *opciones[1:]]
    else:
        comando = ["calc", ejemplo, *opciones]
    p = subprocess.run([CLI, *comando], capture_output=True, text=True, timeout=60)
    # The exit status and the messages are part of the contract, so they are pinned too.
    return f"{p.stdout}--- stderr\n{p.stderr}--- estado {p.returncode}\n"


def main():
    fallos, vistos = [], 0
    ejemplos = sorted(f for f in os.listdir(EXAMPLES) if f.endswith(".vcw"))
    for nombre in ejemplos:
        ruta = os.path.join(EXAMPLES, nombre)
        simple = corre(ruta, [])
        for modo, opciones in modos(simple):
            salida = simple if not opciones else corre(ruta, opciones)
            golden = os.path.join(GOLDENS, f"{nombre[:-4]}.{modo}")
            vistos += 1
            if REGENERA:
                with open(golden, "w", encoding="utf-8") as f:
                    f.write(salida)
                continue
            try:
                with open(golden, encoding="utf-8") as f:
                    esperado = f.read()
            except FileNotFoundError:
                fallos.append(f"{golden}: missing (TRABELUX_REGENERA=1 writes it)")
                continue
            if esperado != salida:
                viejas, nuevas = esperado.splitlines(), salida.splitlines()
                linea = next((i for i, (a, b) in enumerate(zip(viejas, nuevas)) if a != b),
                             min(len(viejas), len(nuevas)))
                fallos.append(f"{golden}: differs at line {linea + 1}:\n"
                              f"  expected: {viejas[linea] if linea < len(viejas) else '<end>'}\n"
                              f"  got:      {nuevas[linea] if linea < len(nuevas) else '<end>'}")
    # A golden left behind by a removed example would go unchecked.
    sufijos = ("calc.txt", "analisis.txt", "estaciones.json", "doble.txt", "planilla.csv",
                "planilla-doble.csv")
    esperados = {f"{n[:-4]}.{m}" for n in ejemplos for m in sufijos}
    sobrantes = [f for f in os.listdir(GOLDENS) if f not in esperados]
    fallos += [f"{os.path.join(GOLDENS, f)}: no example produces it" for f in sobrantes]
    print(f"{vistos} outputs {'written' if REGENERA else 'compared'}")
    for f in fallos:
        print(f, file=sys.stderr)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
