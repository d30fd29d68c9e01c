# SPDX-License-Identifier: MIT
"""examples/dask/amounts.py on 100,000 rows with a local cluster of two worker processes: the
same file, field by field, as uslova-cli --column writes.

Usage: dask_test.py PATH/TO/uslova-cli   (PYTHONPATH names the uslova package)"""

import csv
import os
import random
import subprocess
import sys
import tempfile
import time
import unittest

CLI = sys.argv.pop(1) if len(sys.argv) > 1 else "uslova-cli"
AMOUNTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples", "dask",
                       "amounts.py")


class Amounts(unittest.TestCase):
    def test_the_same_as_uslova_cli(self):
        rng = random.Random(3)
        with tempfile.TemporaryDirectory() as work:
            source = os.path.join(work, "racuni.csv")
            with open(source, "w", encoding="utf-8", newline="") as f:
                f.write("Broj;Kupac;Iznos;Napomena\n")
                for n in range(100_000):
                    amount = rng.choice([f"{rng.randrange(10 ** 7):,}".replace(",", ".") +
                                         f",{rng.randrange(100):02d}", str(rng.randrange(10 ** 9)),
                                         "abc", "1,234"])
                    f.write(f"R-{n};Kupac {n % 97};{amount};\n")
            arguments = ["--currency=RSD", "--decimal=comma"]
            start = time.monotonic()
            ours = subprocess.run([sys.executable, AMOUNTS, "--column", "Iznos", *arguments,
                                   "--workers", "2", source, os.path.join(work, "dask.csv")],
                                  capture_output=True, text=True, check=False)
            seconds = time.monotonic() - start
            with open(source, "rb") as data:
                theirs = subprocess.run([CLI, "--column=Iznos", *arguments], stdin=data,
                                        capture_output=True, check=False)
            self.assertEqual(ours.returncode, theirs.returncode, ours.stderr)
            with open(os.path.join(work, "dask.csv"), encoding="utf-8", newline="") as f:
                got = list(csv.reader(f, delimiter=";"))
            want = list(csv.reader(theirs.stdout.decode().splitlines(), delimiter=";"))
            self.assertEqual(len(got), 100_001)
            for row, (a, b) in enumerate(zip(got, want), start=1):
                self.assertEqual(a, b, f"row {row}")
            print(f"dask_test: 100,000 rows in {seconds:.1f} s, "
                  f"{100_000 / seconds:,.0f} rows a second with the cluster's start")


if __name__ == "__main__":
    unittest.main()
