#!/usr/bin/python3
"""The beam's reinforcement drawing written by `trabelux-cli dxf`, read by ezdxf.

Usage: prueba_planos.py TRABELUX_CLI EJEMPLOS DATOS CARPETA [--png DIBUJO.png]

Exports the three-span example and a 20-span beam (the 16-span test beam with four more
spans) and checks each file: zero audit errors; per layer the entities the command says it
drew; every bar of the elevation as long as its mark's dimensions in the schedule (within their
rounding to the centimetre) and labelled with its mark and cut length; header extents that hold every
entity. A steel beam and a beam whose run stops write no file and exit 1. With --png the
three-span drawing is rendered with ezdxf's drawing add-on, to look at.
Exits 77 (skipped) when ezdxf is not installed.
"""
import logging
import math
import os
import re
import subprocess
import sys
from collections import Counter

try:
    import ezdxf
    from ezdxf import bbox
except ImportError:
    print("python3-ezdxf is not installed (scripts/setup installs it)")
    sys.exit(77)

fallos = []


def comprueba(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)


def exporta(cli, proyecto, ruta, *opciones):
    if os.path.exists(ruta):
        os.remove(ruta)
    return subprocess.run([cli, "dxf", proyecto, "-o", ruta, *opciones],
                          capture_output=True, text=True)


def largo(polilinea):
    p = [(v.dxf.location.x, v.dxf.location.y) for v in polilinea.vertices]
    return sum(math.dist(p[i], p[i + 1]) for i in range(len(p) - 1))


def planilla(msp):
    """The schedule's rows as {mark: (dimensions, cut length)} from the texts of layer PLANILLA."""
    filas = {}
    for t in msp.query('TEXT[layer=="PLANILLA"]'):
        filas.setdefault(round(t.dxf.align_point[1], 3), []).append(t)
    leidas = {}
    for textos in filas.values():
        valores = [t.dxf.text for t in sorted(textos, key=lambda t: t.dxf.align_point[0])]
        if len(valores) == 6 and re.fullmatch(r"[A-Z]\d+", valores[0]):
            leidas[valores[0]] = (valores[2], float(valores[4]))
    return leidas


def largo_de(dimensiones):
    """Out-to-out length a bar's dimensions give, cm, with the rounding they carry (each
    value to the centimetre): the straight part A and each hook's leg G."""
    valores = [float(v) * 100 for v in re.findall(r"[AG]=([0-9.]+)", dimensiones)]
    return sum(valores), 0.5 * len(valores) + 1e-6


def revisa(cli, proyecto, ruta, nombre, *opciones):
    r = exporta(cli, proyecto, ruta, *opciones)
    comprueba(r.returncode == 0, f"{nombre}: exit {r.returncode}: {r.stderr}")
    if r.returncode:
        return None
    escritas = Counter()
    for linea in r.stdout.split("\n")[1:]:
        if linea.strip():
            capa, n = linea.split()
            escritas[capa] = int(n)

    doc = ezdxf.readfile(ruta)
    auditor = doc.audit()
    comprueba(not auditor.errors, f"{nombre}: {len(auditor.errors)} audit errors")
    msp = doc.modelspace()
    leidas = Counter(e.dxf.layer for e in msp)
    comprueba(leidas == escritas, f"{nombre}: per layer read {dict(leidas)}, drawn {dict(escritas)}")

    # One outline for the elevation and one per section, each section with its stirrup.
    secciones = [t for t in msp.query('TEXT[layer=="TEXTOS"]') if t.dxf.text.startswith("Sección ")]
    contornos = len(msp.query('POLYLINE[layer=="VIGA"]'))
    cercos = len(msp.query('POLYLINE[layer=="ESTRIBOS"]'))
    comprueba(contornos == len(secciones) + 1 and cercos == len(secciones) > 0,
              f"{nombre}: {contornos} outlines, {cercos} section stirrups, {len(secciones)} sections")

    # Every bar is drawn as the schedule cuts it: its label names its mark and cut length,
    # and its drawn length is the one its mark's dimensions give.
    barras = [p for p in msp.query("POLYLINE") if p.dxf.layer in ("ACERO_INFERIOR", "ACERO_SUPERIOR")]
    filas = planilla(msp)
    etiquetas = [t.dxf.text for t in msp.query('TEXT[layer=="TEXTOS"]')
                 if re.match(r"[A-Z]\d+: ", t.dxf.text)]
    comprueba(len(barras) == len(etiquetas) > 0 and filas,
              f"{nombre}: {len(barras)} bars, {len(filas)} schedule rows, {len(etiquetas)} labels")
    marcas = []
    for e in etiquetas:
        marca, l = re.match(r"([A-Z]\d+): .* L=(\d+)$", e).groups()
        marcas.append(marca)
        comprueba(marca in filas and filas[marca][1] == float(l),
                  f"{nombre}: label {e}, schedule {filas.get(marca)}")
    dibujados = sorted(largo(p) for p in barras)
    esperados = sorted(largo_de(filas[m][0]) for m in marcas if m in filas)
    for a, (b, tolerancia) in zip(dibujados, esperados):
        comprueba(abs(a - b) <= tolerancia, f"{nombre}: bar drawn {a:.2f} cm, scheduled {b:.2f} cm")

    logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)
    caja = bbox.extents(msp)
    minimo, maximo = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    comprueba(all(minimo[k] <= caja.extmin[k] + 1e-9 and maximo[k] >= caja.extmax[k] - 1e-9
                  for k in (0, 1)), f"{nombre}: extents {minimo} {maximo} do not hold {caja}")
    print(f"{nombre}: {sum(leidas.values())} entities, {len(barras)} bars")
    return doc


def veinte_vanos(origen, destino):
    """The 16-span beam with four more spans, no loads on them, simply supported."""
    lineas = open(origen, encoding="latin-1").read().split("\n")
    lineas[0] = "V-20,  20   21   21 "
    vano = " 5.00   25   50   0.0026041666666666665   2   1   4.92   0 "
    lineas[19:19] = [vano] * 4
    lineas[40:40] = [" 1   0 "] * 4
    open(destino, "w", encoding="latin-1").write("\n".join(lineas))


def main():
    cli, ejemplos, datos, carpeta = sys.argv[1:5]
    os.makedirs(carpeta, exist_ok=True)
    doc = revisa(cli, os.path.join(ejemplos, "tres-vanos.vcw"),
                 os.path.join(carpeta, "tres-vanos.dxf"), "tres-vanos")
    veinte = os.path.join(carpeta, "viga-20-vanos.vcw")
    veinte_vanos(os.path.join(datos, "viga-16-vanos.vcw"), veinte)
    revisa(cli, veinte, os.path.join(carpeta, "viga-20-vanos.dxf"), "20 vanos", "--double=yes")

    for proyecto, nombre in ((os.path.join(ejemplos, "acero.vcw"), "steel beam"),
                             (os.path.join(datos, "inestable.vcw"), "stopped run")):
        ruta = os.path.join(carpeta, "no.dxf")
        r = exporta(cli, proyecto, ruta)
        comprueba(r.returncode == 1 and not os.path.exists(ruta) and "No se escribió" in r.stderr,
                  f"{nombre}: exit {r.returncode}, file {os.path.exists(ruta)}, {r.stderr!r}")

    if doc is not None and "--png" in sys.argv:
        import matplotlib
        matplotlib.use("Agg")
        from ezdxf.addons.drawing import matplotlib as dibujo
        msp = doc.modelspace()
        # ezdxf 0.18 draws a layer's line type as continuous: each entity takes it itself.
        for e in msp:
            e.dxf.linetype = doc.layers.get(e.dxf.layer).dxf.linetype
        dibujo.qsave(msp, sys.argv[sys.argv.index("--png") + 1], dpi=200, bg="#FFFFFF")

    for f in fallos:
        print("FAIL:", f)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
