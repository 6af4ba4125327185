#!/usr/bin/env python3
"""Checks that no include points back up: between the libraries, inside the core and
inside the desktop program. Every include of our own is rooted at src/ ("core/..."), so
its first two names say library and folder. Run by ctest as `capas`; prints each
offending include as file:line and exits 1, or prints nothing and exits 0.

Usage: verifica_capas.py [REPOSITORY]"""
import pathlib
import re
import sys

# What each library (and each folder of tests and tools) may include, besides itself.
USA = {
    "core": {"core"},
    "io": {"io", "core"},
    "render": {"render", "core"},
    "gui": {"gui", "render", "io", "core"},
    # trabelux-cli loads no Qt: only its companion's folder (cli/pinta) paints.
    "cli": {"cli", "io", "core"},
    "cli/pinta": {"cli", "render", "io", "core"},
    "app": {"app", "gui", "core"},
    "tests/comun": {"core"},
    "tests/core": {"core"},
    "tests/io": {"io", "core"},
    "tests/render": {"render", "io", "core"},
    "tests/gui": {"gui", "render", "io", "core"},
    "benchmarks": {"core", "render", "io"},
    "fuzz": {"core"},
    "tools": {"core"},
}
# Folders from the bottom up: a folder includes only its own and those before it.
CAPAS = {
    "core": ["base", "texto", "modelo", "losas", "derivados", "archivos", "analisis", "envolventes",
             "diseno", "detallado", "servicio", "calculo", "dibujo", "dxf", "verificacion", "reporte"],
    # The desktop program's folders under today's names and under those its windows
    # are moving to (sesion, editor, refuerzo, informe, marco); the old names go once
    # the windows have moved.
    "gui": ["comun", "documento", "sesion", "dialogos", "editor", "resultados", "detallado",
            "refuerzo", "reporte", "informe", "acerca", "ayuda", "principal", "marco"],
}
# Includes that point up today and go as the structure moves: (file, include).
TOLERADAS = {
    ("src/gui/ayuda/adjunta_ayuda.cpp", "gui/principal/polidur1.h"),
}
LIBRERIAS = {"core", "io", "render", "gui", "cli", "app"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
# Headers of a test folder's own helpers, included by their bare or tests-rooted name.
PROPIOS_DE_PRUEBAS = re.compile(r"^(comun/[^/]+|[^/]+)$")


def revisa(raiz, origen, archivo, faltas):
    lib = origen.split("/")[-1] if origen.startswith("src/") else origen
    relativo = archivo.relative_to(raiz / origen).parts
    capa_origen = relativo[0] if len(relativo) > 1 else ""
    if lib == "cli" and capa_origen == "pinta":
        lib = "cli/pinta"
    nombre = str(archivo.relative_to(raiz))
    for n, linea in enumerate(archivo.read_text(encoding="utf-8").splitlines(), 1):
        m = INCLUDE.match(linea)
        if not m:
            continue
        destino = m.group(1)
        partes = destino.split("/")
        donde = f"{nombre}:{n}: {destino}"
        if (nombre, destino) in TOLERADAS:
            continue
        if partes[0] not in LIBRERIAS:
            # Not one of ours, or a helper beside the file in a test or tool folder.
            if not origen.startswith("src/") and PROPIOS_DE_PRUEBAS.match(destino):
                continue
            faltas.append(donde + " (not rooted at src/)")
        elif partes[0] not in USA[lib]:
            faltas.append(donde + f" ({lib} may not use {partes[0]})")
        elif lib == "cli" and partes[:2] == ["cli", "pinta"]:
            faltas.append(donde + " (trabelux-cli may not use what paints)")
        elif partes[0] == lib and lib in CAPAS and len(partes) > 2:
            orden = CAPAS[lib]
            if partes[1] not in orden or capa_origen not in orden:
                faltas.append(donde + " (folder missing from the layer order)")
            elif orden.index(partes[1]) > orden.index(capa_origen):
                faltas.append(donde + f" ({capa_origen} is below {partes[1]})")


def main():
    raiz = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faltas = []
    for origen in USA:
        if origen == "cli/pinta":
            continue  # walked with src/cli
        carpeta = raiz / (origen if "/" in origen or origen in ("benchmarks", "fuzz", "tools")
                          else "src/" + origen)
        origen = str(carpeta.relative_to(raiz))
        for archivo in sorted(carpeta.rglob("*")):
            if archivo.suffix in (".h", ".cpp", ".in"):
                revisa(raiz, origen, archivo, faltas)
    # A folder of the core or the desktop program that the order does not place.
    for lib, orden in CAPAS.items():
        for d in sorted(p for p in (raiz / "src" / lib).iterdir() if p.is_dir()):
            if d.name not in orden:
                faltas.append(f"src/{lib}/{d.name}: folder missing from the layer order")
    for f in faltas:
        print(f)
    return 1 if faltas else 0


if __name__ == "__main__":
    sys.exit(main())
