# SPDX-License-Identifier: MIT
"""examples/dask/amounts.py on 100,000 rows of a bank export, in pieces, with a local cluster
of two worker processes, and on a sample of the CSV fuzz corpus cut into pieces of one row and
more: the same bytes as uslova-cli --column writes, and its messages with the same rows.

Usage: dask_test.py PATH/TO/uslova-cli   (PYTHONPATH names the uslova package)"""

import glob
import os
import random
import re
import subprocess
import sys
import tempfile
import time
import unittest

CLI = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "uslova-cli"
HERE = os.path.dirname(os.path.abspath(__file__))
AMOUNTS = os.path.join(HERE, "..", "examples", "dask", "amounts.py")
CORPUS = os.path.join(HERE, "..", "fuzz", "corpus", "csv")


def export(rows):
    """A statement as a bank exports it: Windows-1250, CRLF, ";", quoted descriptions of several
    lines, one of Duguje and Potražuje blank in each row, and a few amounts that are not
    numbers."""
    rng = random.Random(3)
    lines = ["Broj;Opis;Duguje;Potražuje"]
    for n in range(rows):
        amount = rng.choice([f"{rng.randrange(10 ** 7):,}".replace(",", ".") +
                             f",{rng.randrange(100):02d}", str(rng.randrange(10 ** 9)), "abc",
                             "1,234"])
        note = rng.choice(['"Uplata; ""R-7""\r\nPoziv na broj 97"', "Provizija za ček", ""])
        lines.append(f"R-{n};{note};" + (f"{amount};" if n % 2 else f";{amount}"))
    return "\r\n".join(lines).encode("cp1250") + b"\r\n"


class Amounts(unittest.TestCase):
    def test_the_same_as_uslova_cli(self):
        with tempfile.TemporaryDirectory() as work:
            source = os.path.join(work, "izvod.csv")
            with open(source, "wb") as f:
                f.write(export(100_000))
            # Both columns in one pass, their words with diacritics in the file's encoding.
            arguments = ["--currency=RSD", "--script=latin", "--encoding=windows-1250"]
            start = time.monotonic()
            ours = subprocess.run([sys.executable, AMOUNTS, "--column", "Duguje", "--column",
                                   "Potražuje", *arguments,
                                   "--workers", "2", "--piece", "300000", "--cli", CLI, source,
                                   os.path.join(work, "dask.csv")],
                                  capture_output=True, text=True, check=False)
            seconds = time.monotonic() - start
            with open(source, "rb") as data:
                theirs = subprocess.run([CLI, "--column=Duguje", "--column=Potražuje", *arguments],
                                        stdin=data,
                                        capture_output=True, check=False)
            self.assertEqual(ours.returncode, theirs.returncode, ours.stderr[-2000:])
            with open(os.path.join(work, "dask.csv"), "rb") as f:
                got = f.read()
            # Where they part, not a diff of megabytes.
            differ = next((n for n, (a, b) in enumerate(zip(got, theirs.stdout)) if a != b),
                          min(len(got), len(theirs.stdout)))
            self.assertTrue(got == theirs.stdout, f"from byte {differ}: {got[differ:][:80]!r} "
                            f"instead of {theirs.stdout[differ:][:80]!r}")
            rows = re.compile(r"^[^:]*: (row \d+.*)$", re.M)
            said, want = rows.findall(ours.stderr), rows.findall(theirs.stderr.decode())
            first = next((n for n, (a, b) in enumerate(zip(said, want)) if a != b), None)
            self.assertTrue(said == want, f"{len(said)} messages, not {len(want)}; the first "
                            f"that differs: {said[first] if first is not None else ''}")
            self.assertRegex(ours.stderr.splitlines()[-1], r"^amounts.py: \d+ cells of Duguje, "
                             r"Potražuje could not be spelled, in rows \d+, ")
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


class Corpus(unittest.TestCase):
    def test_the_corpus_in_pieces(self):
        sys.path.insert(0, os.path.dirname(AMOUNTS))
        import amounts  # pylint: disable=import-outside-toplevel
        from distributed import Client, LocalCluster  # pylint: disable=import-outside-toplevel
        # Every file with a lone CR, and then files with quotes, 60 in all.
        lone, quoted = [], []
        for path in sorted(glob.glob(os.path.join(CORPUS, "*"))):
            with open(path, "rb") as f:
                data = f.read()
            if re.search(rb"\r(?!\n)", data[2:]):
                lone.append(data)
            elif b'"' in data[2:]:
                quoted.append(data)
        files = (lone + quoted)[:60]
        self.assertGreaterEqual(len(files), 50)
        with tempfile.TemporaryDirectory() as work, \
                LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                             dashboard_address=None) as cluster, Client(cluster) as client:
            source, target = os.path.join(work, "in.csv"), os.path.join(work, "out.csv")
            for data in files:  # the arguments as the fuzz target reads its second byte
                text, flags = data[2:], data[1]
                arguments = [f"--column={1 + (flags & 3)}"] + (["--header"] if flags & 16 else [])
                arguments += [[], ["--delimiter=;"], ["--delimiter=,"], ["--delimiter=tab"]][
                    flags >> 2 & 3] + (["--currency=RSD"] if flags & 32 else [])
                with open(source, "wb") as f:
                    f.write(text)
                want = subprocess.run([CLI, *arguments], input=text, capture_output=True,
                                      check=False)
                said = [line.split(": ", 1)[1] for line in
                        want.stderr.decode("utf-8", "replace").splitlines()]
                ends, status, early = amounts.row_ends(CLI, arguments, source)
                if status:
                    self.assertEqual((status, early), (want.returncode, said), text)
                    continue
                for piece in (1, 40, 1 << 20):
                    got, messages = amounts.convert(client, CLI, arguments, source, target, ends,
                                                    piece)
                    with open(target, "rb") as f:
                        written = f.read()
                    self.assertEqual((got, written, messages), (want.returncode, want.stdout, said),
                                     f"{arguments} {text!r} in pieces of {piece} bytes")


if __name__ == "__main__":
    unittest.main()
