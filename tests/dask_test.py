# SPDX-License-Identifier: MIT
"""examples/dask/amounts.py on 100,000 rows of a bank export, in pieces, with a local cluster
of two worker processes: the same bytes as uslova-cli --column writes, and its messages with
the same rows.

Usage: dask_test.py PATH/TO/uslova-cli   (PYTHONPATH names the uslova package)"""

import os
import random
import re
import subprocess
import sys
import tempfile
import time
import unittest

CLI = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "uslova-cli"
AMOUNTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples", "dask",
                       "amounts.py")


def export(rows):
    """A statement as a bank exports it: a byte-order mark, CRLF, ";", quoted descriptions of
    several lines, one of Duguje and Potražuje blank in each row, and a few amounts that are
    not numbers."""
    rng = random.Random(3)
    lines = ["Broj;Opis;Duguje;Potražuje"]
    for n in range(rows):
        amount = rng.choice([f"{rng.randrange(10 ** 7):,}".replace(",", ".") +
                             f",{rng.randrange(100):02d}", str(rng.randrange(10 ** 9)), "abc",
                             "1,234"])
        note = rng.choice(['"Uplata; ""R-7""\r\nPoziv na broj 97"', "Provizija", ""])
        lines.append(f"R-{n};{note};" + (f"{amount};" if n % 2 else f";{amount}"))
    return b"\xef\xbb\xbf" + "\r\n".join(lines).encode() + b"\r\n"


class Amounts(unittest.TestCase):
    def test_the_same_as_uslova_cli(self):
        with tempfile.TemporaryDirectory() as work:
            source = os.path.join(work, "izvod.csv")
            with open(source, "wb") as f:
                f.write(export(100_000))
            arguments = ["--currency=RSD"]
            start = time.monotonic()
            ours = subprocess.run([sys.executable, AMOUNTS, "--column", "Duguje", *arguments,
                                   "--workers", "2", "--piece", "300000", "--cli", CLI, source,
                                   os.path.join(work, "dask.csv")],
                                  capture_output=True, text=True, check=False)
            seconds = time.monotonic() - start
            with open(source, "rb") as data:
                theirs = subprocess.run([CLI, "--column=Duguje", *arguments], stdin=data,
                                        capture_output=True, check=False)
            self.assertEqual(ours.returncode, theirs.returncode, ours.stderr[-2000:])
            with open(os.path.join(work, "dask.csv"), "rb") as f:
                got = f.read()
            # Where they part, not a diff of megabytes.
            differ = next((n for n, (a, b) in enumerate(zip(got, theirs.stdout)) if a != b),
                          min(len(got), len(theirs.stdout)))
            self.assertTrue(got == theirs.stdout, f"from byte {differ}: {got[differ:][:80]!r} "
                            f"instead of {theirs.stdout[differ:][:80]!r}")
            rows = re.compile(r"^[^:]*: (row \d+: .*)$", re.M)
            said, want = rows.findall(ours.stderr), rows.findall(theirs.stderr.decode())
            first = next((n for n, (a, b) in enumerate(zip(said, want)) if a != b), None)
            self.assertTrue(said == want, f"{len(said)} messages, not {len(want)}; the first "
                            f"that differs: {said[first] if first is not None else ''}")
            self.assertRegex(ours.stderr.splitlines()[-1], r"^amounts.py: \d+ cells of Duguje "
                             r"could not be spelled, in rows \d+, ")
            print(f"dask_test: 100,000 rows in {seconds:.1f} s, "
                  f"{100_000 / seconds:,.0f} rows a second with the cluster's start")

    def test_a_usage_error_before_the_cluster(self):
        with tempfile.TemporaryDirectory() as work:
            source = os.path.join(work, "a.csv")
            with open(source, "wb") as f:
                f.write(b"a;b\r\n1;2\r\n")
            run = subprocess.run([sys.executable, AMOUNTS, "--column", "Iznos", "--cli", CLI,
                                  source, os.path.join(work, "out.csv")],
                                 capture_output=True, text=True, check=False)
            self.assertNotEqual(run.returncode, 0)
            self.assertIn("Iznos", run.stderr)


if __name__ == "__main__":
    unittest.main()
