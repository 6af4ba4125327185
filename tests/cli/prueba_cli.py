#!/usr/bin/env python3
"""Runs trabelux-cli on the example projects and checks its JSON contract and exit codes."""
import json
import os
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
                # slab file or shapes table not found would run on stale loads).
                self.assertEqual((code, err), (0, ""))
                self.check_common(doc, True)
                self.assertEqual(doc["status"], "ok")
                n = doc["spans"]
                for key, count in (("reactions", n + 1), ("end_forces", n), ("stations", n),
                                   ("stirrups", n), ("bars", 2 * n + 1)):
                    self.assertEqual(len(doc[key]), count, key)
                for st in doc["stations"]:
                    self.assertEqual(len(st["x"]), len(st["shear"]))
                    self.assertGreaterEqual(len(st["x"]), 101)

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


if __name__ == "__main__":
    unittest.main(verbosity=2)
