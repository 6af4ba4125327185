#!/usr/bin/env python3
"""`trabelux-cli verify`: every shipped example agrees, and an expected value typed wrong
makes exactly its own line say FALLA and the command exit 1.

Usage: prueba_verifica.py TRABELUX_CLI DATA_VERIFICACION"""
import json
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

CLI = sys.argv.pop(1)
CARPETA = sys.argv.pop(1)
VALOR = re.compile(r"^(\s*([\w.]+)\s*=\s*)(-?[\d.]+)(\s*(?:±|\+-)\s*([\d.]+))?\s*$")


def verify(*args, entorno=None):
    p = subprocess.run([CLI, "verify", *args], capture_output=True, text=True, timeout=120,
                       env=entorno)
    return p.returncode, p.stdout, p.stderr


def lineas_valores(salida):
    """{(example, key): last word} of the listing's value lines."""
    filas = {}
    for linea in salida.splitlines()[1:]:
        partes = linea.split()
        if len(partes) >= 3 and partes[0].startswith("ejemplo-"):
            filas[(partes[0], partes[1])] = partes[-1]
    return filas


def numericos(carpeta):
    """(file, line index, key, value, tolerance) of every numeric expected value."""
    for archivo in sorted(os.listdir(carpeta)):
        if not archivo.endswith(".esperado"):
            continue
        tolerancia = 0.001
        lineas = open(os.path.join(carpeta, archivo), encoding="utf-8").read().splitlines()
        for i, linea in enumerate(lineas):
            m = VALOR.match(linea)
            if not m:
                continue
            if m.group(2) == "tolerancia":
                tolerancia = float(m.group(3))
                continue
            yield archivo, i, m.group(2), float(m.group(3)), float(m.group(5) or tolerancia)


class Verifica(unittest.TestCase):
    def test_todos_los_ejemplos_coinciden(self):
        # The listing starts no window system: a platform that does not exist is not looked
        # for.
        codigo, salida, errores = verify(entorno=dict(os.environ, QT_QPA_PLATFORM="ninguna"))
        self.assertEqual(codigo, 0, salida + errores)
        filas = lineas_valores(salida)
        esperados = {(a[:-len(".esperado")], c) for a, _, c, _, _ in numericos(CARPETA)}
        self.assertTrue(esperados <= set(filas), esperados - set(filas))
        self.assertEqual(set(filas.values()), {"OK"})
        self.assertIn("0 fallas: OK", salida)
        # The JSON lists the same checks.
        codigo, salida, _ = verify("--json")
        datos = json.loads(salida)
        self.assertEqual((codigo, datos["status"], datos["failed"]), (0, "OK", 0))
        self.assertEqual(datos["checked"], len(filas))
        self.assertTrue(all(c["ok"] for e in datos["examples"] for c in e["checks"]))

    def test_un_valor_equivocado_falla_en_su_linea(self):
        # Any expected value moved beyond its tolerance fails on its own line only.
        valores = list(numericos(CARPETA))
        for semilla in range(3):
            archivo, i, clave, valor, tolerancia = random.Random(semilla).choice(valores)
            with tempfile.TemporaryDirectory() as d:
                copia = os.path.join(d, "verificacion")
                shutil.copytree(CARPETA, copia)
                ruta = os.path.join(copia, archivo)
                lineas = open(ruta, encoding="utf-8").read().splitlines()
                malo = valor + 3 * tolerancia + 0.01
                lineas[i] = f"{clave} = {malo:.6f} ± {tolerancia}"
                open(ruta, "w", encoding="utf-8").write("\n".join(lineas) + "\n")
                codigo, salida, errores = verify(copia)
                self.assertEqual(codigo, 1, salida + errores)
                filas = lineas_valores(salida)
                nombre = archivo[:-len(".esperado")]
                self.assertEqual(filas.pop((nombre, clave)), "FALLA", salida)
                self.assertEqual(set(filas.values()), {"OK"}, salida)
                self.assertIn("1 falla: FALLA", salida)

    @unittest.skipUnless(shutil.which("pdftotext"), "pdftotext (poppler-utils) is missing")
    def test_manual_pdf(self):
        # The manual has every example's title and its table; a failing value says FALLA
        # there too, and stdout stays the JSON.
        with tempfile.TemporaryDirectory() as d:
            copia = os.path.join(d, "verificacion")
            shutil.copytree(CARPETA, copia)
            ruta = os.path.join(copia, "ejemplo-05.esperado")
            texto = open(ruta, encoding="utf-8").read().replace("reaccion.1 = 7.40741",
                                                                "reaccion.1 = 7.5")
            open(ruta, "w", encoding="utf-8").write(texto)
            for carpeta, codigo_esperado, falla in ((CARPETA, 0, False), (copia, 1, True)):
                pdf = os.path.join(d, "manual.pdf")
                codigo, salida, errores = verify(carpeta, "--json", "--pdf", pdf)
                self.assertEqual(codigo, codigo_esperado, errores)
                self.assertEqual(json.loads(salida)["failed"], 1 if falla else 0)
                texto = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                                       text=True, check=True).stdout
                self.assertIn("Manual de verificación", texto)
                for archivo in os.listdir(CARPETA):
                    if archivo.endswith(".md") and archivo.startswith("ejemplo-"):
                        titulo = open(os.path.join(CARPETA, archivo),
                                      encoding="utf-8").readline().lstrip("# ").strip()
                        self.assertIn(titulo.split(":")[0] + ":", texto)
                self.assertEqual("FALLA" in texto, falla)
                self.assertIn("Valores esperados y calculados", texto)

    def test_carpeta_sin_ejemplos_y_opcion_desconocida(self):
        with tempfile.TemporaryDirectory() as d:
            self.assertEqual(verify(d)[0], 2)
        self.assertEqual(verify("--nada")[0], 2)


if __name__ == "__main__":
    unittest.main()
