#!/usr/bin/env python3
"""Runs trabelux-cli on the example projects and checks its JSON contract and exit codes."""
import csv
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

CLI = sys.argv.pop(1)
EXAMPLES = sys.argv.pop(1)
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "data")


def run(*args, cli=CLI):
    p = subprocess.run([cli, *args], capture_output=True, text=True, timeout=60)
    return p.returncode, p.stdout, p.stderr


def calc(path, *args, cli=CLI):
    """A calc run with JSON output: exit code, the document (None if nothing was written)
    and stderr."""
    code, out, err = run("calc", path, *args, "--json", cli=cli)
    return code, json.loads(out) if out else None, err


def calc_bytes(data):
    """A calc run on a project file holding `data`."""
    with tempfile.TemporaryDirectory() as d:
        path = os.path.join(d, "viga.vcw")
        with open(path, "wb") as f:
            f.write(data)
        return calc(path)


def example(name):
    return os.path.join(EXAMPLES, name)


def examples():
    return sorted(example(f) for f in os.listdir(EXAMPLES) if f.endswith(".vcw"))


class ContractTest(unittest.TestCase):
    def check_common(self, doc, design):
        for key in ("beam", "spans", "design", "status", "message", "support_steel",
                    "span_steel", "stirrups", "bars"):
            self.assertIn(key, doc)
        self.assertEqual(doc["design"], design)
        self.assertIn(doc["status"], ("ok", "stopped"))
        if doc["status"] == "ok":
            self.assertIsNone(doc["message"])
        else:
            self.assertIsInstance(doc["message"], str)
            self.assertEqual(doc["bars"], [])

    def test_every_example_gives_complete_output(self):
        self.assertTrue(examples(), "no example projects")
        for path in examples():
            with self.subTest(path=path):
                code, doc, err = calc(path, "--double=yes", "--stations")
                # Every example is a complete run: no stop, and no notice on stderr (a
                # slab file or shapes table not found would run on stale loads). The steel
                # beam is analysed only, as the desktop program offers, and says why the
                # answer to the question is not used.
                acero = path.endswith("acero.vcw")
                self.assertEqual(code, 0)
                self.assertEqual(err, "Nota: el diseño se aplica solo a vigas de Hormigon; la "
                                 "viga de Acero se analiza sin diseño y se ignora --double=yes.\n"
                                 if acero else "")
                self.check_common(doc, not acero)
                self.assertEqual(doc["status"], "ok")
                n = doc["spans"]
                for key, count in (("reactions", n + 1), ("end_forces", n), ("stations", n),
                                   ("stirrups", 0 if acero else n),
                                   ("bars", 0 if acero else 2 * n + 1)):
                    self.assertEqual(len(doc[key]), count, key)
                for st in doc["stations"]:
                    self.assertEqual(len(st["x"]), len(st["shear"]))
                    self.assertGreaterEqual(len(st["x"]), 101)
                    # Left to right whatever order the loads were typed in.
                    self.assertEqual(st["x"], sorted(st["x"]))

    def test_analysis_only_has_no_design_rows(self):
        for path in examples():
            with self.subTest(path=path):
                code, doc, _ = calc(path, "--analysis-only")
                self.check_common(doc, False)
                for key in ("support_steel", "span_steel", "stirrups", "bars"):
                    self.assertEqual(doc[key], [], key)
                if code == 0:
                    self.assertNotIn("stations", doc)
                    self.assertIn("reactions", doc)

    def test_double_reinforcement_answered_no_stops_with_the_question(self):
        code, doc, _ = calc(example("refuerzo-doble.vcw"))
        self.assertEqual((code, doc["status"]), (1, "stopped"))
        self.assertEqual(doc["message"].split("\n")[-1], "Quiere refuerzo doble?")
        self.assertIn("reactions", doc)

    def test_usage_errors_and_unreadable_files_exit_2(self):
        for args in ((), ("calc",), ("calc", "x.vcw", "--bogus"), ("nonsense",)):
            self.assertEqual(run(*args)[0], 2, args)
        for path in ("/nonexistent/beam.vcw", os.path.join(DATA, "ilegible.vcw")):
            code, doc, err = calc(path)
            self.assertEqual((code, doc), (2, None))
            self.assertIn("No se pudo leer el archivo:", err)

    def test_pattern_option_chooses_the_arrangement_and_says_when_it_cannot(self):
        path = example("alternancia.vcw")
        for patron, cases in (("code", 5), ("rigorous", 4)):
            code, doc, _ = calc(path, f"--pattern={patron}")
            self.assertEqual((code, doc["pattern"], len(doc["cases"])), (0, patron, cases))
            spans = doc["envelopes"]["spans"]
            self.assertEqual([len(s["moment_max"]) for s in spans], [len(s["x"]) for s in spans])
            self.assertAlmostEqual(spans[1]["design"]["positive_moment"], 9.3207, places=3)
        code, doc, _ = calc(path, "--pattern=none")
        self.assertNotIn("pattern", doc)
        self.assertNotIn("envelopes", doc)
        self.assertEqual(run("calc", path, "--pattern=todos")[0], 2)
        # With the total load there is no live load to arrange: a note, the all-loaded run.
        with open(path, "rb") as f:
            data = f.read().replace(b"-1   0   0  1.4", b" 0  -1   0  1.4", 1)
        with tempfile.TemporaryDirectory() as d:
            total = os.path.join(d, "total.vcw")
            with open(total, "wb") as f:
                f.write(data)
            code, doc, err = calc(total)
        self.assertEqual(code, 0)
        self.assertNotIn("envelopes", doc)
        self.assertIn("La alternancia de carga viva requiere", err)

    def test_deflections_follow_the_stations_and_can_be_skipped(self):
        path = example("tres-vanos.vcw")
        code, doc, _ = calc(path, "--stations")
        self.assertEqual(code, 0)
        rows = doc["deflections"]
        self.assertEqual([r["span"] for r in rows], [1, 2, 3])
        for row, station in zip(rows, doc["stations"]):
            self.assertEqual(len(station["deflection"]), len(station["x"]))
            self.assertAlmostEqual(row["delta_l"], row["delta_dl"] - row["delta_d"], places=9)
            self.assertEqual(row["ie"], row["ie_dl"])
            # The largest value refines the best station's (a rising cantilever's is its tip).
            if min(station["deflection"]) >= 0:
                self.assertGreaterEqual(row["delta_dl"] + 1e-9, max(station["deflection"]))
        code, doc, _ = calc(path, "--stations", "--no-deflection")
        self.assertNotIn("deflections", doc)
        self.assertNotIn("deflection", doc["stations"][0])
        code, doc, _ = calc(path, "--analysis-only")
        self.assertIsNone(doc["deflections"])
        self.assertIn("Analisis y diseño", doc["deflection_note"])
        code, out, _ = run("report", path, "--text", "--no-deflection")
        self.assertNotIn("] Deflexiones", out)

    def test_unstable_beam_has_no_analysis_keys(self):
        # One span 5 m long whose ends are both free.
        code, doc, err = calc(os.path.join(DATA, "inestable.vcw"))
        self.assertEqual(code, 1, err)
        self.assertEqual(doc["message"],
                         "La viga es inestable.\nVerifique las condiciones de apoyo")
        for key in ("reactions", "end_forces", "max_shear", "max_moment"):
            self.assertNotIn(key, doc)
        self.assertEqual(doc["bars"], [])

    def test_values_beyond_the_range_are_refused_or_stop_the_run(self):
        with open(example("tres-vanos.vcw"), "rb") as f:
            original = f.read()
        # A factor no calculation can use: the file is refused, naming value and line.
        code, _, err = calc_bytes(original.replace(b"1.4 1.7 2.4", b"1e300 1e300 2.4"))
        self.assertEqual(code, 2, err)
        self.assertIn("Linea 3: el factor de carga muerta esta fuera del rango", err)
        # Factors that read but make a span's load overflow: a stop, never zeros.
        code, doc, err = calc_bytes(original.replace(b"1.4 1.7 2.4", b"1e38 1e38 2.4"))
        self.assertEqual((code, doc["status"]), (1, "stopped"), err)
        self.assertIn("fuera del rango que el programa puede calcular", doc["message"])
        self.assertNotIn("reactions", doc)
        self.assertEqual(doc["span_steel"], [])

    def test_slab_project_moved_without_its_slab_file_still_runs_and_says_so(self):
        # Beside its slab file it runs clean: pinned by the goldens.
        with tempfile.TemporaryDirectory() as d:
            code, _, err = calc(shutil.copy(example("viga-losas.vcw"), d))
            self.assertEqual(code, 0)
            self.assertIn("No fue encontrado", err)

    def test_steel_beam_without_shapes_table_says_so(self):
        # A copy of the program with no shapes table beside it: the project still runs,
        # and stderr says what the desktop program says.
        with tempfile.TemporaryDirectory() as d:
            cli = shutil.copy(CLI, os.path.join(d, "trabelux-cli"))
            _, _, err = calc(example("acero.vcw"), cli=cli)
            self.assertIn("No se pudo leer la tabla de perfiles:\n" +
                          os.path.join(d, "Aisc-dat.Dat") + "\n", err)

    def test_bars_follow_the_detailing_table(self):
        code, doc, _ = calc(example("tres-vanos.vcw"))
        self.assertEqual(code, 0)
        bars = doc["bars"]
        self.assertEqual(len(bars), 2 * doc["spans"] + 1)
        self.assertEqual([b["location"] for b in bars[:3]], ["Apoyo 1", "Vano 1", "Apoyo 2"])
        self.assertEqual([b["section"] for b in bars], ["%d-%d" % (k, k) for k in range(1, 8)])
        for b in bars:
            self.assertEqual(b["shape"], "Rect")
            self.assertEqual((b["hanger_bar"], b["hanger_count"]), (0, 2))
            self.assertIn(b["bottom_bar"], range(0, 4))
            self.assertGreater(b["bottom_count"], 0)
            self.assertIn(b["stirrup_bar"], (0, 1))
            self.assertGreater(b["stirrup_spacing"], 0)

    def test_report_writes_a_pdf_or_its_composition(self):
        path = example("tres-vanos.vcw")
        code, out, err = run("report", path, "--text", "--analysis-only",
                             "--header=Obra|Viga|Pag %d", "--paper=9", "--landscape")
        self.assertEqual(code, 0, err)
        self.assertIn("Reacciones de apoyo", out)
        self.assertNotIn("Refuerzo en vanos", out)
        self.assertIn("] Pag 1", out)
        with tempfile.TemporaryDirectory() as d:
            pdf = os.path.join(d, "informe.pdf")
            code, out, err = run("report", path, "-o", pdf, "--diagrams", "--reinforcement",
                                 "--margins=0.75,0.75,0.75,0.75")
            self.assertEqual(code, 0, err)
            with open(pdf, "rb") as f:
                self.assertEqual(f.read(5), b"%PDF-")
            # A folder where the PDF should go: nothing written, exit 2.
            code, _, err = run("report", path, "-o", d)
            self.assertEqual(code, 2)
            self.assertIn("No se pudo guardar el archivo:", err)
        for bad in (["--paper=999"], ["--margins=1,1"], ["--margins=1,1,1,x"], ["--bogus"], []):
            with self.subTest(bad=bad):
                self.assertEqual(run("report", path, *bad)[0], 2)

    def test_shapes_lists_one_family(self):
        code, out, _ = run("shapes", "W")
        self.assertEqual(code, 0)
        self.assertIn("W8X31", out)
        self.assertNotIn("WT", out)
        line = next(l for l in out.splitlines() if l.split() and l.split()[0] == "W8X31")
        # 9.13 in2 in m2 and 8 in of depth in m.
        self.assertIn("0.005890", line)
        self.assertIn("0.203", line)
        code, _, err = run("shapes", "ZZ")
        self.assertEqual(code, 2)
        self.assertTrue(err)


def compact(text):
    """A JSON document with the blanks between its tokens removed (strings kept whole)."""
    out, in_string, escaped = [], False, False
    for c in text:
        if in_string:
            out.append(c)
            escaped = c == "\\" and not escaped
            in_string = c != '"' or escaped
        elif c == '"':
            out.append(c)
            in_string = True
        elif not c.isspace():
            out.append(c)
    return "".join(out)


class BatchTest(unittest.TestCase):
    """Many projects in one calc: each exactly as a single calc, in the order given."""

    def test_batch_output_is_each_single_run_in_input_order(self):
        # Reversed, with repeats: the output follows the arguments, not the names or which
        # thread finished first.
        paths = list(reversed(examples())) * 3
        options = ["--double=yes", "--stations"]
        singles = {p: run("calc", p, "--json", *options) for p in set(paths)}
        code, out, err = run("calc", *paths, "--json", "--jobs", "2", *options)
        self.assertEqual(code, max(singles[p][0] for p in paths))
        self.assertEqual(out, "".join(singles[p][1] for p in paths))
        code, out, _ = run("calc", *paths, "--json-lines", "--jobs=2", *options)
        lines = out.splitlines()
        self.assertEqual(len(lines), len(paths))
        for path, line in zip(paths, lines):
            prefix = '{"file":' + json.dumps(path, ensure_ascii=False) + ","
            self.assertTrue(line.startswith(prefix), line[:80])
            self.assertEqual("{" + line[len(prefix):], compact(singles[path][1]), path)

    def test_only_the_painting_companion_loads_qt(self):
        if not shutil.which("ldd"):
            self.skipTest("ldd is not installed")
        libs = subprocess.run(["ldd", CLI], capture_output=True, text=True).stdout
        self.assertNotIn("libQt6", libs)
        pinta = os.path.join(os.path.dirname(CLI), "trabelux-pinta")
        libs = subprocess.run(["ldd", pinta], capture_output=True, text=True).stdout
        self.assertIn("libQt6Gui", libs)

    def test_folder_with_an_unreadable_file_and_a_stopped_design(self):
        with tempfile.TemporaryDirectory() as d:
            for source, name in ((example("tres-vanos.vcw"), "a.vcw"),
                                 (os.path.join(DATA, "ilegible.vcw"), "b.VCW"),
                                 (example("refuerzo-doble.vcw"), "c.vcw"),
                                 (example("tres-vanos.vcw"), "notas.txt")):
                shutil.copy(source, os.path.join(d, name))
            summary = os.path.join(d, "resumen.csv")
            code, out, err = run("calc", d, "--json-lines", "--summary", summary, "--jobs", "2")
            self.assertEqual(code, 2, err)
            docs = [json.loads(l) for l in out.splitlines()]
            names = [os.path.join(d, n) for n in ("a.vcw", "b.VCW", "c.vcw")]
            self.assertEqual([x["file"] for x in docs], names)
            self.assertEqual([x["status"] for x in docs], ["ok", "unreadable", "stopped"])
            self.assertIn("No se pudo leer el archivo:", docs[1]["message"])
            self.assertEqual(docs[2]["message"].split("\n")[-1], "Quiere refuerzo doble?")
            self.assertTrue(err.startswith(names[1] + ": No se pudo leer el archivo:"), err)
            with open(summary, newline="") as f:
                rows = list(csv.DictReader(f))
            self.assertEqual([(r["file"], r["status"]) for r in rows],
                             [(x["file"], x["status"]) for x in docs])
            ok, bad, stopped = rows
            self.assertEqual((ok["beam"], ok["spans"]), (docs[0]["beam"], str(docs[0]["spans"])))
            self.assertEqual(float(ok["max_moment"]), docs[0]["max_moment"])
            self.assertEqual(float(ok["max_reaction"]),
                             max(abs(r["force"]) for r in docs[0]["reactions"]))
            for side in ("top", "bottom"):
                total = sum(r[side] for k in ("support_steel", "span_steel") for r in docs[0][k])
                self.assertAlmostEqual(float(ok[side + "_steel"]), total, places=9)
            self.assertEqual(float(ok["steel_weight"]), docs[0]["schedule_totals"]["kg"])
            self.assertEqual(bad["beam"] + bad["max_moment"] + bad["top_steel"], "")
            self.assertEqual(stopped["message"], docs[2]["message"])
            self.assertEqual(stopped["top_steel"] + stopped["steel_weight"], "")
            # The same projects listed on stdin, without the unreadable one: the worst is 1.
            p = subprocess.run([CLI, "calc", "-", "--json-lines"], input="\n".join(
                [names[0], "", names[2]]) + "\n", capture_output=True, text=True, timeout=60)
            self.assertEqual(p.returncode, 1)
            self.assertEqual(p.stdout.splitlines(), [out.splitlines()[0], out.splitlines()[2]])
            # A summary that cannot be written: the runs are printed and the status is 2.
            code, out2, err = run("calc", names[0], "--summary", d)
            self.assertEqual((code, out2.splitlines()[0]), (2, "Archivo: " + names[0]))
            self.assertIn("No se pudo guardar el archivo:\n" + d, err)
        for bad in (["--jobs", "0"], ["--jobs=x"], ["--summary"]):
            self.assertEqual(run("calc", example("tres-vanos.vcw"), *bad)[0], 2, bad)


def recording(*args):
    """`report --text`: exit code, pages counted and the texts as (page, x, y, size, text)."""
    code, out, err = run("report", *args, "--text")
    pages, texts = 0, []
    for line in out.splitlines():
        m = re.match(r"^p(\d+) (pagina|texto (\S+) (\S+) \[\S+ (\S+)[^\]]*\] ?(.*))$", line)
        if m and m.group(2) == "pagina":
            pages += 1
        elif m:
            texts.append((int(m.group(1)), float(m.group(3)), float(m.group(4)),
                          float(m.group(5)), m.group(6)))
    return code, pages, texts, err


def section(texts, title, end=None):
    """The body texts after a section title up to the text `end`: the page headers and
    footers (outside the inch margins of Letter) are left out."""
    words = [t[4] for t in texts if 1440 <= t[2] < 15840 - 1440]
    start = words.index(title) + 1
    stop = words.index(end, start) if end else len(words)
    return words[start:stop]


class ReportTest(unittest.TestCase):
    SIXTEEN = os.path.join(DATA, "viga-16-vanos.vcw")

    def test_text_records_the_pages_and_texts_of_the_pdf(self):
        """The recording measures with the PDF's fonts, so its pages are the PDF's and every
        text it holds is printed on its page."""
        if not shutil.which("pdftotext"):
            self.skipTest("pdftotext is not installed")
        for path in examples() + [self.SIXTEEN]:
            options = [path, "--diagrams", "--reinforcement", "--double=yes"]
            with self.subTest(path=path), tempfile.TemporaryDirectory() as d:
                _, pages, texts, _ = recording(*options)
                pdf = os.path.join(d, "informe.pdf")
                run("report", *options, "-o", pdf)
                info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
                self.assertEqual(int(re.search(r"Pages:\s+(\d+)", info).group(1)), pages)
                for page in range(1, pages + 1):
                    printed = "".join(subprocess.run(
                        ["pdftotext", "-f", str(page), "-l", str(page), pdf, "-"],
                        capture_output=True, text=True).stdout.split())
                    for t in texts:
                        if t[0] == page:
                            self.assertIn("".join(t[4].split()), printed, f"page {page}")

    def test_table_cells_stay_whole_on_small_paper_and_wide_margins(self):
        # The span table of the three-span example: its numbers, and its headings broken
        # only between words, on A5 and within two-inch margins.
        cells = ["5.00", "6.00", "1.50", "25.00", "50.00", "0.002604", "0.300", "2.000",
                 "1.000", "4.920", "1.200", "0.500", "2.950"]
        words = ["Vano", "Long", "(m)", "Base", "(cm)", "Altura", "Inercia", "(m4)", "Propio",
                 "muerta", "Viva", "Ultima"]
        for paper in (["--paper=11"], ["--paper=11", "--landscape"], ["--margins=2,2,2,2"]):
            with self.subTest(paper=paper):
                code, _, texts, err = recording(example("tres-vanos.vcw"), *paper)
                self.assertEqual(code, 0, err)
                table = section(texts, "Datos de los vanos", "Las cargas estan en To/m")
                tokens = {w for t in table for w in t.split()}
                for c in cells:
                    self.assertIn(c, table)
                for w in words:
                    self.assertIn(w, tokens)

    def test_a_stopped_run_says_so_where_what_it_did_not_produce_would_start(self):
        code, _, texts, _ = recording(example("refuerzo-doble.vcw"), "--diagrams")
        words = [t[4] for t in texts]
        self.assertEqual(code, 1)
        stop = section(texts, "Diseño detenido")
        self.assertEqual(stop[:3], ["La seccion no es suficiente para refuerzo simple.",
                                    "Si no quiere refuerzo doble, aumente la seccion.",
                                    "Quiere refuerzo doble?"])
        self.assertIn("Cortantes y Momentos", words)
        self.assertNotIn("Refuerzo en vanos", words)
        code, _, texts, _ = recording(os.path.join(DATA, "inestable.vcw"))
        self.assertEqual(code, 1)
        self.assertEqual(section(texts, "Analisis detenido"),
                         ["La viga es inestable.", "Verifique las condiciones de apoyo"])
        self.assertNotIn("Reacciones de apoyo", [t[4] for t in texts])

    def test_margins_leave_a_body_and_header_and_footer_stay_on_the_page(self):
        with tempfile.TemporaryDirectory() as d:
            pdf = os.path.join(d, "informe.pdf")
            code, _, err = run("report", example("tres-vanos.vcw"), "-o", pdf,
                               "--margins=5,5,5,5")
            self.assertEqual(code, 2)
            self.assertIn("El margen no deja espacio para el texto de la pagina\n", err)
            self.assertFalse(os.path.exists(pdf))
        code, pages, texts, err = recording(example("tres-vanos.vcw"), "--margins=0,0,0,0",
                                            "--header=ENCABEZADO", "--footer=PIE %d")
        self.assertEqual(code, 0, err)
        for page in range(1, pages + 1):
            on_page = [t for t in texts if t[0] == page]
            header = min((t for t in on_page if t[4] == "ENCABEZADO"), key=lambda t: t[2])
            footer = next(t for t in on_page if t[4] == f"PIE {page}")
            body = [t for t in on_page if t not in (header, footer)]
            # A quarter inch from the paper's edges (Letter: 15840 twips high), and off the
            # body's texts.
            self.assertGreaterEqual(min(header[1], header[2], footer[1]), 360)
            self.assertLessEqual(footer[2] + 1.1 * 20 * footer[3], 15840 - 360)
            self.assertLessEqual(header[2] + 1.15 * 20 * header[3], min(t[2] for t in body))
            self.assertGreaterEqual(footer[2], max(t[2] + 1.15 * 20 * t[3] for t in body))

    def test_a_steel_beam_is_analysed_only(self):
        code, doc, err = calc(example("acero.vcw"))
        self.assertEqual((code, err, doc["design"], doc["stirrups"]), (0, "", False, []))
        code, _, texts, err = recording(example("acero.vcw"), "--reinforcement", "--double=yes")
        words = [t[4] for t in texts]
        self.assertEqual(code, 0)
        self.assertIn("se ignora --double=yes y --reinforcement", err)
        self.assertIn("El diseño se aplica solo a vigas de Hormigon: esta viga de Acero se "
                      "presenta con su análisis.", words)
        self.assertNotIn("Refuerzo en vanos", words)

    def test_loads_are_listed_along_the_beam(self):
        # The three-span example holds node loads 4 then 2; the 16-span beam its span loads
        # in no order.
        _, _, texts, _ = recording(example("tres-vanos.vcw"))
        nodes = section(texts, "Cargas en los nudos",
                        "Las cargas estan en Toneladas y los momentos en To-m")
        self.assertEqual(nodes[3::3], ["2", "4"])
        _, _, texts, _ = recording(self.SIXTEEN)
        cells = [c for c in section(texts, "Cargas concentradas en los vanos",
                                    "Las unidades son Tonelada y metro")
                 if c not in ("Vano", "Posicion", "Carga")]
        rows = [(int(cells[k]), float(cells[k + 1])) for k in range(0, len(cells), 3)]
        self.assertEqual(len(rows), 48)
        self.assertEqual(rows, sorted(rows))


if __name__ == "__main__":
    unittest.main(verbosity=2)
