#!/usr/bin/env python3
"""Mutation check of the core tests: applies each mutation of a fixed list to src/core
(one at a time), rebuilds core_tests and render_tests (which hold the report's goldens) in
build-mut/ and runs them; a mutant is killed when the build or a test fails. Every file is restored after its mutant. Prints the survivors
and the share killed, and leaves build-mut/mutantes.json: which tests killed each mutant. Slow (a rebuild per mutant): not part of CI.

Usage: tools/mutantes.py [--lista] [SUBSTRING...]   (only mutants whose file or text match)
"""
import json
import os
import subprocess
import sys
import time

RAIZ = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
BUILD = os.path.join(RAIZ, "build-mut")
CORE = os.path.join(RAIZ, "src", "core")

# (file under src/core, text as written, mutated text): the first occurrence is changed.
MUTANTES = [
    # texto
    ("texto/numeros.cpp", "return c >= '0' && c <= '9';", "return c >= '0' && c < '9';"),
    ("texto/numeros.cpp", "if (!digitos) return false;", "if (!digitos) return true;"),
    ("texto/numeros.cpp", "s[i] == 'D' || s[i] == 'd'", "s[i] == 'D'"),
    ("texto/numeros.cpp", "size_t j = i + 1;", "size_t j = i;"),
    ("texto/codificacion.cpp", "if (c < 0x80) {", "if (c <= 0x80) {"),
    ("texto/codificacion.cpp", "s += static_cast<char>(0xC0 | (c >> 6));",
     "s += static_cast<char>(0xC0 | (c >> 5));"),
    ("texto/codificacion.cpp", "cp = (cp << 6) | (d & 0x3F);", "cp = (cp << 6) | (d & 0x1F);"),
    # modelo
    ("modelo/filas_vano.cpp", "return b * h * h * h / 12.0;", "return b * h * h / 12.0;"),
    ("modelo/filas_vano.cpp", "15100.0 * 10.0 * std::sqrt(f)", "15100.0 * std::sqrt(f)"),
    ("modelo/filas_vano.cpp", "pp = gamma * v.base * v.altura / 10000.0;",
     "pp = gamma * v.base * v.altura / 1000.0;"),
    ("modelo/filas_vano.cpp", "pp -= p.asignacion[fila].espesorProm",
     "pp += p.asignacion[fila].espesorProm"),
    ("modelo/filas_vano.cpp", "v.cargaViva.value_or(0) * n.factorViva;",
     "v.cargaViva.value_or(0) * n.factorMuerta;"),
    ("modelo/acepta_cargas.cpp", "if (cuantas > kMaxCargasPorVano)",
     "if (cuantas >= kMaxCargasPorVano)"),
    ("modelo/acepta_cargas.cpp", "return a.distancia < b.distancia;", "return a.distancia > b.distancia;"),
    ("modelo/acepta_cargas.cpp", "} else if (c.distancia < 0) {", "} else if (c.distancia < -1) {"),
    ("modelo/reglas_datos_generales.cpp", "if (LeeNumero(d.factorViva) < 1.0) {",
     "if (LeeNumero(d.factorViva) < 0.5) {"),
    ("modelo/reglas_datos_generales.cpp", "return LeeNumero(texto) <= 0 ? \"1.000000\" : texto;",
     "return LeeNumero(texto) < 0 ? \"1.000000\" : texto;"),
    ("modelo/proyecto.cpp", "return p.apoyosInteriores[k] > 0 ? 1 : 0;",
     "return p.apoyosInteriores[k] >= 0 ? 1 : 0;"),
    ("modelo/rango.cpp", "if (EnRango(c.carga) && EnRango(c.distancia)) continue;",
     "if (EnRango(c.carga)) continue;"),
    ("modelo/rango.cpp", "if (c.vano < 1 || c.vano > n) continue;",
     "if (c.vano < 1 || c.vano >= n) continue;"),
    # archivos
    ("archivos/lector_valores.cpp", "while (i < n && !EsBlanco(linea[i]) && linea[i] != ',') ++i;",
     "while (i < n && !EsBlanco(linea[i])) ++i;"),
    ("archivos/lector_valores.cpp", "siguiente = fin + 2;", "siguiente = fin + 1;"),
    ("archivos/tabla_perfiles.cpp", "static_cast<std::uint32_t>(b[2]) << 16",
     "static_cast<std::uint32_t>(b[2]) << 8"),
    ("archivos/tabla_perfiles.cpp", "for (int v = 0; v < 8; ++v) {", "for (int v = 0; v < 7; ++v) {"),
    ("archivos/archivo_losas.cpp", "if (i + 1 >= texto.size() || texto[i + 1] != '\\n') ++linea;",
     "if (i + 1 >= texto.size()) ++linea;"),
    ("archivos/proyecto_vcw.cpp", "if (++porVano[c.vano] > kMaxCargasPorVano)",
     "if (++porVano[c.vano] >= kMaxCargasPorVano)"),
    ("archivos/proyecto_vcw.cpp", "!l.Numero(v[1], \"la fuerza en el nudo\", -kMax, kMax, c.fuerza)",
     "!l.Numero(v[2], \"la fuerza en el nudo\", -kMax, kMax, c.fuerza)"),
    ("archivos/proyecto_vcw.cpp", "d.recub = v[2].texto;", "d.recub = v[1].texto;"),
    # losas
    ("losas/casos.cpp", "return ly > limite * lx || lx > limite * ly;",
     "return ly > limite * lx;"),
    ("losas/casos.cpp", "return caso >= 10 && caso <= 13 ? caso : 0;",
     "return caso >= 10 && caso < 13 ? caso : 0;"),
    ("losas/cargas_borde.cpp", "double muertaCorto = wD * a / 3.0;",
     "double muertaCorto = wD * a / 2.0;"),
    ("losas/cargas_borde.cpp", "double vivaLargo = vivaCorto * (3.0 - m * m) / 2.0;",
     "double vivaLargo = vivaCorto * (3.0 - m) / 2.0;"),
    ("losas/cargas_borde.cpp", "c.muertaY = wD * a;", "c.muertaY = wL * a;"),
    ("losas/espesores.cpp", "return (t1 + t2) / 2.0;", "return (t1 + t2) / 3.0;"),
    ("losas/espesores.cpp", "return t == 0 ? losas.cabecera[4] : t;",
     "return t == 0 ? losas.cabecera[3] : t;"),
    ("losas/asignacion.cpp", "if (k < 0 || k > kMaxLosas)", "if (k < 0 || k >= kMaxLosas)"),
    ("losas/transferencia.cpp", "double wL = l.cargaViva == 0 ? d.cabecera[7] : l.cargaViva;",
     "double wL = l.cargaViva == 0 ? d.cabecera[6] : l.cargaViva;"),
    # analisis
    ("analisis/rigidez.cpp", "r.k6 = 1.5 * r.k4 / L;", "r.k6 = 1.5 * r.k4;"),
    ("analisis/rigidez.cpp", "f[1] = w * L * L / 12.0;", "f[1] = w * L * L / 8.0;"),
    ("analisis/rigidez.cpp", "t3[k] = P * a * a * b / L2;", "t3[k] = P * a * b * b / L2;"),
    ("analisis/rigidez.cpp", "while (hasta > i + 1 && K[i][hasta - 1] == 0.0) --hasta;",
     "while (hasta > i + 1) --hasta;"),
    ("analisis/rigidez.cpp", "{k.k6, k.k4 / 2.0, -k.k6, k.k4}};", "{k.k6, k.k4 / 2.0, k.k6, k.k4}};"),
    ("analisis/rigidez.cpp", "fe[1] = f0[1] + k.k6 * (d[0] - d[2]) + k.k4 * (d[1] + d[3] / 2.0);",
     "f[1] = f0[1] + k.k6 * (d[0] - d[2]) + k.k4 * (d[1] + d[3]);"),
    ("analisis/rigidez.cpp", "if (restringidos < 2) return Estado::Falla(kMensajeInestable);",
     "if (restringidos < 1) return kMensajeInestable;"),
    ("analisis/estaciones.cpp", "std::upper_bound(x, x + n, a[c])",
     "std::lower_bound(x, x + n, a[c])"),
    ("analisis/estaciones.cpp", "x[m++] = Simple(a + kPasoCarga);", "x[m++] = Simple(a - kPasoCarga);"),
    ("analisis/estaciones.cpp", "return static_cast<float>(k * L / 100.0);",
     "return static_cast<float>(k * L / 101.0);"),
    ("analisis/estaciones.cpp", "if (!std::is_sorted(x, x + m)) std::sort(x, x + m);", ""),
    ("analisis/estaciones.cpp", "M[m] -= 0.5 * w * x[m] * x[m];", "M[m] -= w * x[m] * x[m];"),
    ("analisis/entrada.cpp", "if (a > e.longVano[i]) a = e.longVano[i];", ""),
    ("analisis/entrada.cpp", "if (n < 1 || n > kMaxVanos)", "if (n < 1 || n >= kMaxVanos)"),
    # diseno
    ("diseno/flexion.cpp", "if (beta < 0.65f) beta = 0.65f;", ""),
    ("diseno/flexion.cpp", "if (beta > 0.85f) beta = 0.85f;", ""),
    ("diseno/flexion.cpp", "((kAceroEs + fy) * fy);", "((kAceroEs - fy) * fy);"),
    ("diseno/flexion.cpp", "if (mu <= mu1) {", "if (mu < 0.9 * mu1) {"),
    ("diseno/flexion.cpp", "if (mu < kMomentoMinimoDiseno) return r;", ""),
    ("diseno/cortante.cpp", "return kAreaDosRamas[barra] * fy / (kCoefAceroMinimo * b);",
     "return kAreaDosRamas[barra] * fy / b;"),
    ("diseno/cortante.cpp", "const double dMedios = d / 2.0;", "const double dMedios = d;"),
    ("diseno/cortante.cpp", "std::min({dMedios, kSeparacionMaxima, separacionMinAcero3})",
     "std::min({dMedios, separacionMinAcero3})"),
    ("diseno/cortante.cpp", "r.vs = vu / kFiCortante - vc;", "r.vs = vu - vc;"),
    # detallado
    ("detallado/barras.cpp", "if (r < 7.62f) return 1;", "if (r < 3.81f) return 1;"),
    ("detallado/barras.cpp", "if (cociente - entero > 1e-6) ++n;", ""),
    ("detallado/barras_fisicas.cpp", "return indice >= 0 && indice < kNumBarras;",
     "return indice >= 0 && indice <= kNumBarras;"),
    ("detallado/propuesta_barras.cpp", "if (f.cantPercha.value_or(0) < 2) f.cantPercha = 2;",
     "if (f.cantPercha.value_or(0) < 1) f.cantPercha = 1;"),
    ("detallado/propuesta_barras.cpp", "areaSuperior - perchas, s);", "areaSuperior, s);"),
    ("detallado/propuesta_barras.cpp", "if (!f.separEstribo && separacion > 0)",
     "if (separacion > 0)"),
    ("detallado/acciones_detallado.cpp", "for (int k = 1; k <= 2 * n + 1; ++k) {",
     "for (int k = 1; k <= 2 * n; ++k) {"),
    ("detallado/tabla_detallado.cpp", "if (v >= 0 && v < kNumBarras && v == std::floor(v))",
     "if (v >= 0 && v < kNumBarras)"),
    ("detallado/tabla_detallado.cpp", "if (opcion < 0 || opcion >= kNumOpcionesTipo) return std::nullopt;",
     "if (opcion < 0 || opcion > kNumOpcionesTipo) return std::nullopt;"),
    # reporte
    ("analisis/resultados.h", "return ReaccionGrado(2 * nudo - 1);",
     "return ReaccionGrado(2 * nudo - 2);"),
    ("reporte/tablas_resultados.cpp", "for (int j = 1; j <= r.numVanos + 1; ++j)",
     "for (int j = 1; j <= r.numVanos; ++j)"),
    ("reporte/papel.cpp", "return std::round(mm ? valor * 1440 / 25.4 : valor * 1440);",
     "return std::round(mm ? valor * 1440 / 2.54 : valor * 1440);"),
    ("reporte/papel.cpp", "return Tamano{Twips(m.ancho, m.mm), Twips(m.alto, m.mm)};",
     "return Tamano{Twips(m.alto, m.mm), Twips(m.ancho, m.mm)};"),
    ("reporte/tablas_informe.cpp", "if (c.nudo >= 1 && c.nudo <= n + 1)", "if (c.nudo >= 1 && c.nudo <= n)"),
    ("reporte/composicion.cpp", "if (numVanos > 1) return {izquierda + 0.05 * w, izquierda + 0.95 * w, y};",
     "if (numVanos > 2) return {izquierda + 0.05 * w, izquierda + 0.95 * w, y};"),
    ("reporte/dibujos_informe.cpp", "const Punto normal{-dir.y, dir.x};", "const Punto normal{dir.y, dir.x};"),
    # dibujo
    ("dibujo/geometria_viga.cpp", "const double yCota = yNumero + 2.3 * letra;",
     "const double yCota = yNumero - 2.3 * letra;"),
    ("dibujo/geometria_viga.cpp", "return {{x, ejeY}, {x - 70 * s, ejeY + 110 * s}",
     "return {{x, ejeY}, {x - 70 * s, ejeY - 110 * s}"),
    ("dibujo/geometria_diagramas.cpp", "return {v.x * c - v.y * s, v.x * s + v.y * c};",
     "return {v.x * c + v.y * s, v.x * s + v.y * c};"),
    ("dibujo/geometria_diagramas.cpp", "l.x1 = 0.1 * w;", "l.x1 = 0.0 * w;"),
    ("dibujo/geometria_diagramas.cpp", "for (int j = 2; j <= v.numVanos; ++j)",
     "for (int j = 2; j < v.numVanos; ++j)"),
    ("dibujo/geometria_refuerzo.cpp", "return y - kMedioCanto - kSeparacion - k * h - (k - 1) * kEntreFilas;",
     "return y - kMedioCanto - kSeparacion - k * h - k * kEntreFilas;"),
    ("dibujo/geometria_refuerzo.cpp", "if (!barra || !EsIndiceBarra(*barra) || !cantidad || *cantidad <= 0) return {};",
     "if (!barra || !EsIndiceBarra(*barra) || !cantidad || *cantidad < 0) return {};"),
    ("dibujo/geometria_secciones.cpp", "const double x = n == 1 ? (x1 + x2) / 2 : x1 + (x2 - x1) * k / (n - 1);",
     "const double x = n == 1 ? x1 : x1 + (x2 - x1) * k / (n - 1);"),
    ("dibujo/geometria_secciones.cpp", "if (!barra || *barra < 0 || *barra > 4 || !cantidad) return 0;",
     "if (!barra || *barra < 0 || *barra > 3 || !cantidad) return 0;"),
]


def corre(cmd, limite):
    try:
        return subprocess.run(cmd, cwd=RAIZ, capture_output=True, text=True,
                              timeout=limite).returncode
    except subprocess.TimeoutExpired:
        return -1  # a test that hangs kills the mutant too


def construye():
    if not os.path.exists(os.path.join(BUILD, "build.ninja")):
        # -O1 without debug information: the rebuild per mutant is what takes the time.
        subprocess.run(["cmake", "-S", RAIZ, "-B", BUILD, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=None", "-DCMAKE_CXX_FLAGS=-O1",
                        "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"], check=True,
                       capture_output=True)
    return corre(["cmake", "--build", BUILD, "-j2", "--target", "core_tests", "render_tests"], 900)


def pruebas():
    """Exit status of core_tests and render_tests (offscreen) and the tests that failed."""
    estado, fallidas = 0, set()
    entorno = dict(os.environ, QT_QPA_PLATFORM="offscreen",
                   XDG_RUNTIME_DIR=os.path.join(BUILD, "tests", "render"))
    for binario in ("core_tests", "render_tests"):
        try:
            p = subprocess.run([os.path.join(BUILD, "bin", binario), "--gtest_brief=1"],
                               cwd=RAIZ, capture_output=True, text=True, timeout=300, env=entorno)
        except subprocess.TimeoutExpired:
            return -1, {"(timeout)"}
        estado = estado or p.returncode
        fallidas |= {l.split()[3] for l in p.stdout.splitlines()
                     if l.startswith("[  FAILED  ]") and len(l.split()) > 3 and "." in l.split()[3]}
    return estado, fallidas


def main():
    args = [a for a in sys.argv[1:] if a != "--lista"]
    elegidos = [m for m in MUTANTES if not args or any(a in m[0] or a in m[1] for a in args)]
    faltan = [m for m in elegidos if m[1] not in open(os.path.join(CORE, m[0])).read()]
    for m in faltan:
        print(f"not found in {m[0]}: {m[1]}", file=sys.stderr)
    if faltan:
        return 2
    if "--lista" in sys.argv:
        for m in elegidos:
            print(f"{m[0]}: {m[1]}  ->  {m[2]}")
        print(f"{len(elegidos)} mutants")
        return 0
    if construye() != 0 or pruebas()[0] != 0:
        print("the unmutated core does not build or pass its tests", file=sys.stderr)
        return 2
    vivos = []
    matriz = {}  # mutant -> the tests that killed it, for finding tests that add nothing
    inicio = time.time()
    for n, (archivo, texto, mutado) in enumerate(elegidos, 1):
        ruta = os.path.join(CORE, archivo)
        original = open(ruta, encoding="utf-8").read()
        try:
            with open(ruta, "w", encoding="utf-8") as f:
                f.write(original.replace(texto, mutado, 1))
            compila = construye() == 0
            estado, fallidas = pruebas() if compila else (1, {"(build)"})
            muerto = estado != 0
            matriz[f"{archivo}: {texto}"] = sorted(fallidas)
        finally:
            with open(ruta, "w", encoding="utf-8") as f:
                f.write(original)
        print(f"[{n}/{len(elegidos)}] {'killed ' if muerto else 'SURVIVED'} {archivo}: {texto}",
              flush=True)
        if not muerto:
            vivos.append((archivo, texto, mutado))
    construye()  # leave build-mut matching the sources
    with open(os.path.join(BUILD, "mutantes.json"), "w", encoding="utf-8") as f:
        json.dump(matriz, f, indent=1, ensure_ascii=False)
    muertos = len(elegidos) - len(vivos)
    print(f"\n{muertos}/{len(elegidos)} killed ({100.0 * muertos / len(elegidos):.1f} %) "
          f"in {time.time() - inicio:.0f} s")
    for archivo, texto, mutado in vivos:
        print(f"survivor {archivo}: {texto}  ->  {mutado}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
