# SPDX-License-Identifier: MIT
"""USLOVA() in headless LibreOffice Calc with a fresh profile: a sheet of text cells, number
cells and formulas in several currencies and styles, each result the same as uslova-cli's for
the same input and options, and each rejection Err:502 while the rest of the sheet computes.

Usage: calc_test.py EXTENSIONS PATH/TO/uslova-cli [CELLS]
EXTENSIONS is a folder that holds the unpacked extension uslova/, whose Python package and
library are found as PYTHONPATH and USLOVA_LIBRARY say, or an .oxt, which is unpacked and
used alone, as a user who installs it has it: with neither variable set."""

import csv
import io
import os
import random
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile
from xml.sax.saxutils import escape, quoteattr

FUNCTION = "RS.USLOVA.CALC.USLOVAADDIN.USLOVA"
REASON = "RS.USLOVA.CALC.USLOVAADDIN.USLOVAGRESKA"
DATE = "RS.USLOVA.CALC.USLOVAADDIN.USLOVADATUM"
NUMBER = "RS.USLOVA.CALC.USLOVAADDIN.USLOVABROJ"
# USLOVAGRESKA's arguments in the edge test: two with words, then a reason each.
REASONS = ["[.A1]", "[.A2]", '"abc"', '"1,234";"RSD"', '"7";"GBP"', '[.A4];"EUR"',
           '"7";"RSD";"spacing=exact"', '"7";"stan,stana:m";"script=latin"',
           '"15.000,00 EUR";"RSD";"script=cyrillic"', '"7";"";"script=klingon"']
STYLES = [  # Valuta, Stil, and the same as uslova-cli's arguments
    ("", "", []),
    ("RSD", "", ["--currency=RSD"]),
    ("EUR", "script=latin case=first", ["--currency=EUR", "--script=latin", "--case=first"]),
    ("USD", "spacing=joined forms=short", ["--currency=USD", "--spacing=joined", "--forms=short"]),
    ("", "spacing=tidy script=cyrillic", ["--spacing=tidy", "--script=cyrillic"]),
    ("RSD", "minor=digits decimal=comma", ["--currency=RSD", "--minor=digits", "--decimal=comma"]),
    ("godina", "script=latin", ["--unit=godina", "--script=latin"]),  # Valuta takes a unit
    ("stan,stana,stanova:m", "", ["--unit=stan,stana,stanova:m"]),
    ("GBP", "", None), ("", "colour=red", None), ("", "minor=digits", None),  # bad options
]


def read_table(path):
    """A table of cases as {options: [(text, outcome), ...]}, in the table's order."""
    table = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            options, text, outcome = line.rstrip("\n").split("\t")
            table.setdefault(options, []).append((text, outcome))
    return table


def fods(rows):
    """A flat spreadsheet: each row a list of cells, each a (kind, value) pair: "string",
    "float", "empty", "formula", "matrix" (an array formula over `value` of three rows) or
    "matrix2" (of three rows and two columns)."""
    def cell(kind, value):
        if kind == "empty":
            return "<table:table-cell/>"
        if kind == "string":  # each blank kept: XML folds blanks that are not <text:s/>
            text = escape(value).replace(" ", "<text:s/>")
            return f'<table:table-cell office:value-type="string"><text:p>{text}</text:p></table:table-cell>'
        if kind == "float":
            return f'<table:table-cell office:value-type="float" office:value="{value}"/>'
        columns = {"matrix": 1, "matrix2": 2}.get(kind)
        span = (f' table:number-matrix-columns-spanned="{columns}" table:number-matrix-rows-spanned="3"'
                if columns else "")
        return f'<table:table-cell table:formula={quoteattr("of:=" + value)}{span}/>'
    body = "".join("<table:table-row>" + "".join(cell(*c) for c in row) + "</table:table-row>"
                   for row in rows)
    return ('<?xml version="1.0" encoding="UTF-8"?>'
            '<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
            'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
            'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
            'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.2" '
            'office:mimetype="application/vnd.oasis.opendocument.spreadsheet"><office:body>'
            '<office:spreadsheet><table:table table:name="USLOVA">' + body +
            "</table:table></office:spreadsheet></office:body></office:document>")


def soffice_environment():
    """This environment for soffice, whose Python is Debian's: the folders of another Python
    that stand before Debian's on PATH would give it another Python's library."""
    return dict(os.environ, PATH=os.pathsep.join(
        ["/usr/bin"] + [d for d in os.environ.get("PATH", "").split(os.pathsep) if d != "/usr/bin"]))


def calc(extensions, rows, convert="csv:Text - txt - csv (StarCalc):44,34,76", profile=None):
    """The sheet computed by headless Calc, with a fresh profile unless one is named: its CSV
    rows (or the bytes of what `convert` made), and the seconds the run took."""
    with tempfile.TemporaryDirectory() as work:
        profile = profile or os.path.join(work, "profile")
        with open(os.path.join(work, "sheet.fods"), "w", encoding="utf-8") as sheet:
            sheet.write(fods(rows))
        start = time.monotonic()
        run = subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}",
                              f"-env:BUNDLED_EXTENSIONS=file://{os.path.abspath(extensions)}",
                              "--headless", "--convert-to", convert, "--outdir", work,
                              os.path.join(work, "sheet.fods")], capture_output=True,
                             env=soffice_environment(), check=False)
        seconds = time.monotonic() - start
        name = os.path.join(work, "sheet." + convert.split(":")[0])
        if not os.path.exists(name):  # say why, in soffice's own words
            raise AssertionError(f"soffice wrote no {os.path.basename(name)} (exit status "
                                 f"{run.returncode}): {run.stdout.decode(errors='replace')}"
                                 f"{run.stderr.decode(errors='replace')}")
        with open(name, "rb") as made:
            data = made.read()
    if convert.startswith("csv"):
        return list(csv.reader(io.StringIO(data.decode("utf-8")))), seconds
    return data, seconds


def inputs(count):
    """Number cells, as a sheet of amounts has them: cents, and whole numbers of any length.
    (Text cells come from the table of cases.)"""
    rng = random.Random(21)
    cells = []
    for n in range(count):
        if n % 2 == 0:
            cells.append(("float", repr(rng.randrange(-10 ** 6, 10 ** 9) / 100)))
        else:
            cells.append(("float", str(rng.randrange(10 ** rng.randrange(1, 16)))))
    return cells + [("float", "0.1"), ("float", "1e15"), ("float", "0.3333333333333333")]


def typed(kind, value, style):
    """The text uslova-cli gets for a cell: a text as it is, a number as Calc's General format
    shows it, with the decimal separator the style reads."""
    if kind == "string":
        return value
    text = format(float(value), ".15g")
    if "e+" in text:
        text = format(int(float(value)), "d")
    return text.replace(".", ",") if "decimal=comma" in style else text


def cli(arguments, texts):
    run = subprocess.run([CLI, *arguments], input="".join(t + "\n" for t in texts),
                         capture_output=True, text=True, check=False)
    return run.stdout.split("\n")[:-1]


class Uslova(unittest.TestCase):
    def test_the_same_words_as_uslova_cli(self):
        first = [("string", "7"), ("float", "12.5"), ("string", "1.234,56")]  # the array's
        cells = first + inputs(CELLS)
        rows = []
        for n, cell in enumerate(cells, start=1):
            row = [cell]
            for currency, style, _ in STYLES:
                row.append(("formula", f'{FUNCTION}([.A{n}];"{currency}";"{style}")'))
            rows.append(row)
        # In a last column: an array formula over the first three cells, formulas, an empty cell.
        others = [("matrix", f"{FUNCTION}([.A1:.A3])"), None, None,
                  ("formula", f"{FUNCTION}(0.1+0.2)"), ("formula", f'{FUNCTION}(1/3;"RSD")'),
                  ("formula", f"{FUNCTION}([.Z1])")]
        for row, cell in zip(rows, others):
            if cell is not None:
                row.append(cell)
        result, _ = calc(EXTENSIONS, rows)
        for column, (currency, style, arguments) in enumerate(STYLES, start=1):
            expected = (cli(arguments, [typed(k, v, style) for k, v in cells])
                        if arguments is not None else [""] * len(cells))
            for n, (cell, words) in enumerate(zip(cells, expected)):
                with self.subTest(cell=cell, currency=currency, style=style):
                    self.assertEqual(result[n][column], words or "Err:502")
        last = len(STYLES) + 1
        self.assertEqual([result[n][last] for n in range(6)],
                         cli([], ["7", "12.5", "1.234,56", "0.3"]) + ["Err:502", " "])


class Cases(unittest.TestCase):
    @unittest.skipUnless(os.environ.get("USLOVA_CASES"), "USLOVA_CASES names the table")
    def test_the_table_of_cases(self):
        # Each input a text cell, each option set a column: Valuta the currency, Stil the rest.
        # Every text of any option set is a row, as the worked examples have texts of their own.
        table = read_table(os.environ["USLOVA_CASES"])
        texts = list(dict.fromkeys(text for cases in table.values() for text, _ in cases))
        rows = [[("string", text)] for text in texts]
        for options in table:
            settings = dict(setting.split("=") for setting in options.split())
            currency = settings.pop("currency", "")
            style = " ".join(f"{name}={value}" for name, value in settings.items())
            for n, row in enumerate(rows, start=1):
                row.append(("formula", f'{FUNCTION}([.A{n}];"{currency}";"{style}")'))
        result, _ = calc(EXTENSIONS, rows)
        for column, (options, cases) in enumerate(table.items(), start=1):
            for text, outcome in cases:
                with self.subTest(text=text, options=options):
                    self.assertEqual(result[texts.index(text)][column],
                                     "Err:502" if outcome[0] in "!?" else outcome)

    @unittest.skipUnless(os.environ.get("USLOVA_CASES"), "USLOVA_CASES names the table")
    def test_the_dates(self):
        # The dates beside the table as text cells, each style set a column; and date cells,
        # Calc's serial day numbers with a time of day, against the text of the same day.
        table = read_table(os.path.join(os.path.dirname(os.environ["USLOVA_CASES"]), "dates.tsv"))
        texts = [text for text, _ in next(iter(table.values()))]
        rows = [[("string", text)] for text in texts]
        for options in table:
            for n, row in enumerate(rows, start=1):
                row.append(("formula", f'{DATE}([.A{n}];"{options}")'))
        serials = [("46365.75", "2026-12-09"), ("36526", "1.1.2000")]
        rows += [[("float", serial), ("formula", f"{DATE}([.A{len(rows) + n}])")]
                 for n, (serial, _) in enumerate(serials, start=1)]
        result, _ = calc(EXTENSIONS, rows)
        for column, (options, cases) in enumerate(table.items(), start=1):
            for n, (text, outcome) in enumerate(cases):
                with self.subTest(text=text, options=options):
                    # An empty cell gives "", as USLOVA's empty cells do.
                    expected = "" if text == "" else "Err:502" if outcome[0] == "!" else outcome
                    self.assertEqual(result[n][column], expected)
        words = dict(table[""])
        for n, (serial, text) in enumerate(serials, start=len(texts)):
            self.assertEqual(result[n][1], words[text], serial)


class Edges(unittest.TestCase):
    def test_blank_cells_and_amounts_beyond_a_number_cell(self):
        # An empty Valuta or Stil is left out; an empty cell of a range gives "" and the others
        # their words, but a single empty cell reaches an add-in as 0; a number cell cannot
        # show the cents of an amount of 10^13 or more, but holds a whole one exactly.
        # USLOVAGRESKA says why there are no words.
        rows = [
            [("string", "7"), ("formula", f"{FUNCTION}([.A1];[.Z1])"),
             ("formula", f'{FUNCTION}([.A1];"";[.Z1])'), ("matrix", f"{FUNCTION}([.A1:.A3])"),
             ("formula", f'{FUNCTION}([.A2];"RSD")')]
            + [("formula", f"{REASON}({arguments})") for arguments in REASONS]
            + [("matrix", f"{REASON}([.A1:.A3])")],
            [("empty", None), ("formula", f'{FUNCTION}([.A4];"EUR")'),
             ("formula", f'{FUNCTION}("98765432109876.54";"EUR")')],
            [("float", "8"), ("formula", f'{FUNCTION}([.A5];"EUR")'),
             ("formula", f'{FUNCTION}(-[.A4];"EUR")')],
            [("float", "98765432109876.54")],
            [("float", "9999999999999.99")],
            [("float", "1e13")],
            [("formula", f'{FUNCTION}([.A6];"EUR")')],
        ]
        result, _ = calc(EXTENSIONS, rows)
        seven, eight = cli([], ["7", "8"])
        big, largest = cli(["--currency=EUR"], ["98765432109876.54", "9999999999999.99"])
        self.assertEqual([result[0][1], result[0][2]], [seven, seven])
        self.assertEqual([result[n][3] for n in range(3)], [seven, "", eight])
        self.assertEqual([result[1][1], result[1][2]], ["Err:502", big])
        self.assertEqual([result[2][1], result[2][2]], [largest, "Err:502"])
        self.assertEqual(result[6][0], cli(["--currency=EUR"], ["10000000000000"])[0])
        self.assertEqual(result[0][4], cli(["--currency=RSD"], ["0"])[0])
        reasons = result[0][5:5 + len(REASONS)]
        self.assertEqual([result[n][5 + len(REASONS)] for n in range(3)], ["", "", ""])
        self.assertEqual(reasons[:2], ["", ""])
        # In Serbian alone, a prompt in the script of the words.
        for reason, said in zip(reasons[2:], ["nije broj!", "iznos ima vise od dve decimale!",
                                              "(RSD, EUR, USD)", "10^13", "ne idu uz valutu",
                                              "Svoja imenica se piše", "у другој валути!",
                                              "(ascii, latin, cyrillic)"], strict=True):
            self.assertTrue(reason.startswith(("Nemoguce", "Немогуће")) or not said.endswith("!"),
                            reason)
            self.assertIn(said, reason)
            self.assertNotRegex(reason, "--| the | is | for ")

    def test_a_day_as_calc_reads_it_and_ranges_with_a_bad_cell(self):
        # A date cell's day is DAY()'s, also where the sum of its parts falls a hair short of
        # midnight. In a range, a cell that cannot be spelled gives "" and the others their
        # words; USLOVAGRESKA with "datum" says why a date has none.
        texts = [("string", "7"), ("string", "abc"), ("string", "8"),
                 ("string", "1.1.2000"), ("string", "31.4.2026"), ("string", "2026-12-09")]
        rows = [[cell] for cell in texts]
        rows[0] += [("formula", f"{DATE}(DATE(2026;12;9)+0.1+0.2+0.7)"),
                    ("formula", f"{DATE}(-0.000001)"),
                    ("matrix", f"{FUNCTION}([.A1:.A3])"), ("matrix", f"{DATE}([.A4:.A6])"),
                    ("formula", f'{REASON}([.A5];"datum")'), ("formula", f'{REASON}([.A4];"datum")')]
        result, _ = calc(EXTENSIONS, rows)
        tenth, first_day, first, ninth = cli(["--date"], ["10.12.2026", "30.12.1899", "1.1.2000",
                                                          "2026-12-09"])
        self.assertEqual(result[0][1:3], [tenth, first_day])
        self.assertEqual([result[n][3] for n in range(3)], cli([], ["7"]) + [""] + cli([], ["8"]))
        self.assertEqual([result[n][4] for n in range(3)], [first, "", ninth])
        self.assertIn("datum ne postoji", result[0][5])
        self.assertEqual(result[0][6], "")

    def test_a_range_of_two_columns(self):
        rows = [[("string", "7"), ("float", "8"), ("matrix2", f"{FUNCTION}([.A1:.B3])")],
                [("string", "abc"), ("float", "9")], [("empty", None), ("string", "1,5")]]
        result, _ = calc(EXTENSIONS, rows)
        seven, eight, nine, one_and_half = cli([], ["7", "8", "9", "1,5"])
        self.assertEqual([row[2:4] for row in result[:3]],
                         [[seven, eight], ["", nine], ["", one_and_half]])

    def test_words_read_back_as_uslova_cli_reads_them(self):
        # USLOVABROJ gives uslova-cli --read's number, a number cell where it fits one and its
        # digits as text where it does not; words that do not read are Err:502, and
        # USLOVAGRESKA with "slova" says why, in Serbian. What the words say is checked in the
        # converter's own tests.
        texts = ["jedan milion pet stotina hiljada", "pet dinara i pet para", "ДВЕ ХИЉАДЕ",
                 "jedan zapeta pedeset", "minus sedam",
                 "devetsto devedeset devet biliona dinara i devedeset devet para",
                 "dva hiljade", "pet evra"]
        rows = [[("string", text), ("formula", f'{NUMBER}([.A{n}];"currency=RSD")'),
                 ("formula", f'{REASON}([.A{n}];"slova";"currency=RSD")')]
                for n, text in enumerate(texts, start=1)]
        rows[0].append(("formula", f'{NUMBER}([.A1];"script=latin")'))
        result, _ = calc(EXTENSIONS, rows)
        digits = cli(["--read", "--currency=RSD"], texts)
        for n, (text, line) in enumerate(zip(texts, digits)):
            with self.subTest(text=text):
                if not line:
                    self.assertEqual(result[n][1], "Err:502")
                    self.assertRegex(result[n][2], "se ne slaže|nije imenica")
                elif len(line.replace(",", "").lstrip("-")) > 15:  # beyond a number cell
                    self.assertEqual((result[n][1], result[n][2]), (line, ""))
                else:
                    self.assertEqual(float(result[n][1]), float(line.replace(",", ".")))
                    self.assertEqual(result[n][2], "")
        self.assertEqual(result[0][3], "Err:502")  # reading takes no script


def unpacked(oxt):
    """A folder holding the .oxt unpacked as uslova/, and an environment that does not point
    the Python package or its library anywhere else."""
    folder = tempfile.mkdtemp()
    with zipfile.ZipFile(oxt) as archive:
        archive.extractall(os.path.join(folder, "uslova"))
    for name in ("PYTHONPATH", "USLOVA_LIBRARY"):
        os.environ.pop(name, None)
    return folder


if __name__ == "__main__":
    EXTENSIONS, CLI = sys.argv[1], sys.argv[2]
    CELLS = int(sys.argv[3]) if len(sys.argv) > 3 else 300
    if EXTENSIONS.endswith(".oxt"):
        EXTENSIONS = unpacked(EXTENSIONS)
    del sys.argv[1:]
    unittest.main()
