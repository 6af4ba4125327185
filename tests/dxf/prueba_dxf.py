#!/usr/bin/python3
"""Our DXF read by an independent reader, Debian's ezdxf.

Usage: prueba_dxf.py DXF_MUESTRA CARPETA [--png DIBUJO.png]

Runs the sample writer into CARPETA, opens the file with ezdxf and checks: zero audit
errors, the R12 version, the layers with their colours and line types, the dash-dot line
of the axes, the entities per layer and kind that the writer reports, the texts decoded
from Windows-1252, and header extents that hold every entity as ezdxf measures it. With
--png it also renders the drawing with ezdxf's drawing add-on, to look at.
Exits 77 (skipped) when ezdxf is not installed.
"""
import logging
import os
import subprocess
import sys
from collections import Counter

try:
    import ezdxf
    from ezdxf import bbox
except ImportError:
    print("python3-ezdxf is not installed (scripts/setup installs it)")
    sys.exit(77)

# Names and colours a drafter expects; the axes dash-dot.
CAPAS = {
    "VIGA": 7, "APOYOS": 2, "ACERO_INFERIOR": 1, "ACERO_SUPERIOR": 5, "ESTRIBOS": 3,
    "TEXTOS": 7, "COTAS": 8, "EJES": 4, "PLANILLA": 7,
}

fallos = []


def comprueba(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)


def main():
    muestra, carpeta = sys.argv[1], sys.argv[2]
    os.makedirs(carpeta, exist_ok=True)
    ruta = os.path.join(carpeta, "muestra.dxf")
    salida = subprocess.run([muestra, ruta], check=True, capture_output=True, text=True)
    esperadas = Counter()
    for linea in salida.stdout.split("\n"):
        if linea:
            capa, tipo, n = linea.split()
            esperadas[(capa, tipo)] = int(n)

    doc = ezdxf.readfile(ruta)
    auditor = doc.audit()
    for e in auditor.errors + auditor.fixes:
        print("audit:", e.message)
    comprueba(not auditor.errors, f"{len(auditor.errors)} audit errors")
    comprueba(doc.dxfversion == "AC1009", f"version {doc.dxfversion}")
    comprueba(doc.encoding == "cp1252", f"encoding {doc.encoding}")

    for nombre, color in CAPAS.items():
        capa = doc.layers.get(nombre) if doc.layers.has_entry(nombre) else None
        comprueba(capa is not None, f"no layer {nombre}")
        if capa is None:
            continue
        comprueba(capa.color == color, f"{nombre}: colour {capa.color}, expected {color}")
        tipo = "DASHDOT" if nombre == "EJES" else "CONTINUOUS"
        comprueba(capa.dxf.linetype == tipo, f"{nombre}: line type {capa.dxf.linetype}")
    trazos = [t.value for t in doc.linetypes.get("DASHDOT").pattern_tags.tags if t.code == 49]
    signos = [(t > 0) - (t < 0) for t in trazos]
    comprueba(signos == [1, -1, 0, -1], f"DASHDOT is not dash, gap, dot, gap: {trazos}")

    msp = doc.modelspace()
    leidas = Counter((e.dxf.layer, e.dxftype()) for e in msp)
    comprueba(leidas == esperadas, f"entities per layer: read {dict(leidas)}, written {dict(esperadas)}")
    comprueba({capa for capa, _ in leidas} == set(CAPAS), "a layer without entities")
    textos = [t.plain_text() for t in msp.query("TEXT")]
    comprueba("2ø20 L=400 (ñ, ², ³, °, €, Ø)" in textos, f"texts: {textos}")
    comprueba("Sección 1-1" in textos, f"texts: {textos}")

    # ezdxf measures texts with the fonts installed here; our estimate must still hold them.
    logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)
    caja = bbox.extents(msp)
    minimo, maximo = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    comprueba(all(minimo[k] <= caja.extmin[k] + 1e-9 and maximo[k] >= caja.extmax[k] - 1e-9
                  for k in (0, 1)), f"extents {minimo} {maximo} do not hold {caja}")
    sin_textos = bbox.extents(e for e in msp if e.dxftype() != "TEXT")
    comprueba(all(maximo[k] - minimo[k] < 1.5 * (sin_textos.extmax[k] - sin_textos.extmin[k])
                  for k in (0, 1)), f"extents {minimo} {maximo} far larger than {sin_textos}")

    if "--png" in sys.argv:
        import matplotlib
        matplotlib.use("Agg")
        from ezdxf.addons.drawing import matplotlib as dibujo
        # ezdxf 0.18 draws a layer's line type as continuous (it reads the layers before the
        # line types): for the picture each entity takes its layer's line type itself.
        for e in msp:
            e.dxf.linetype = doc.layers.get(e.dxf.layer).dxf.linetype
        dibujo.qsave(msp, sys.argv[sys.argv.index("--png") + 1], dpi=150, bg="#FFFFFF")

    for f in fallos:
        print("FAIL:", f)
    print(f"{sum(leidas.values())} entities, {len(fallos)} failures")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
