# SPDX-License-Identifier: MIT
"""uslova-cli --column on generated exports: every byte of the input comes back where it was,
and the new field holds what uslova-cli writes for the cell's text in line mode.

Usage: csv_test.py PATH/TO/uslova-cli"""

import random
import subprocess
import sys
import unittest

CLI = sys.argv.pop(1) if len(sys.argv) > 1 else "uslova-cli"


def run(arguments, data):
    return subprocess.run([CLI, *arguments], input=data, capture_output=True, check=False)


def raw(text, delimiter, rng):
    """A field as a spreadsheet may write it: quoted when it must be, and sometimes anyway."""
    if any(c in text for c in (delimiter, '"', "\r", "\n")) or rng.random() < 0.2:
        return '"' + text.replace('"', '""') + '"'
    return text


def export(rng, delimiter, ending, rows):
    """A CSV export: a header, then rows of a date, an amount, a description, a count and a
    code; the amounts as typed in Serbian spreadsheets, some not numbers at all."""
    amounts = ["15.000", "1.234,56", "7", "-0,5", "1.000.000,00", "abc", "", "12,5", "0,01",
               "999.999.999.999,99", "1,234", "2.25", "1 234,50"]
    texts = ["Račun; broj 7", 'Rekao je "da"', "više\r\nredova", "", "obično", "ćirilica: дин"]
    table = [["Datum", "Iznos", "Opis", "Kom", "Šifra"]]
    for n in range(rows):
        table.append([f"{n % 28 + 1}.3.2026", rng.choice(amounts), rng.choice(texts),
                      str(rng.randrange(100)), f"X-{n}"])
    lines = [[raw(cell, delimiter, rng) for cell in row] for row in table]
    return table, lines


class CsvColumn(unittest.TestCase):
    def check(self, delimiter, ending, arguments, mark=b""):
        rng = random.Random(f"{delimiter}{ending}{arguments}")
        table, lines = export(rng, delimiter, ending, 300)
        data = mark + "".join(delimiter.join(line) + ending for line in lines).encode()
        # Line mode reads as --column does: a ';' file with "," decimals unless told otherwise.
        told = any(argument.startswith("--decimal") for argument in arguments)
        reading = arguments + (["--decimal=comma"] if delimiter == ";" and not told else [])
        spelled = run(reading, "".join(row[1] + "\n" for row in table[1:]).encode())
        words = spelled.stdout.decode().split("\n")[:-1]
        expected = [line[:2] + ["Iznos slovima"] + line[2:] for line in lines[:1]]
        expected += [line[:2] + [w] + line[2:] for line, w in zip(lines[1:], words)]
        want = mark + "".join(delimiter.join(line) + ending for line in expected).encode()
        result = run(["--column=Iznos", *arguments], data)
        self.assertEqual(result.stdout, want)
        # A blank cell gets an empty field and no message.
        rejected = [n + 2 for n, (row, w) in enumerate(zip(table[1:], words))
                    if not w and row[1].strip(" \t")]
        self.assertEqual(result.stderr.decode().count("\n"), len(rejected))
        for n in rejected:
            self.assertRegex(result.stderr.decode(), f"uslova-cli: row {n}: (Nemogu|Немогуће)")
        self.assertEqual(result.returncode, 1 if rejected else 0)

    def test_exports(self):
        cases = [(";", "\r\n", ["--decimal=comma", "--currency=RSD"], b"\xef\xbb\xbf"),
                 (",", "\n", ["--spacing=tidy"], b""),
                 ("\t", "\r\n", ["--decimal=comma", "--script=cyrillic", "--spacing=joined"],
                  b""),
                 (";", "\n", [], b"\xef\xbb\xbf")]
        for delimiter, ending, arguments, mark in cases:
            with self.subTest(delimiter=delimiter, arguments=arguments):
                self.check(delimiter, ending, arguments, mark)

    def test_a_bank_statement(self):
        # As a Serbian bank exports one: a byte-order mark, CRLF, ";", descriptions of several
        # lines in quotes, and Duguje and Potražuje, each row with one of the two blank. Both
        # columns in words, one after the other: every other byte stays, and a blank cell is
        # no error.
        rng = random.Random(5)
        rows = [["Datum valute", "Opis", "Duguje", "Potražuje", "Stanje"]]
        for n in range(200):
            amount = f"{rng.randrange(10 ** 6):,}".replace(",", ".") + f",{rng.randrange(100):02d}"
            note = rng.choice(['"Uplata; račun 7\r\nPoziv na broj 97"', "Provizija",
                               '"Kupac ""A"""'])
            rows.append([f"{n % 28 + 1:02d}.03.2026", note, *((amount, "") if n % 3 else
                                                              ("", amount)), "1.000,00"])
        amounts = [cell for row in rows[1:] for cell in row[2:4] if cell]
        spelled = run(["--currency=RSD", "--decimal=comma"], "".join(a + "\n" for a in amounts)
                      .encode()).stdout.decode().split("\n")
        words = dict(zip(amounts, spelled))
        def joined(table):
            return b"\xef\xbb\xbf" + "".join(";".join(row) + "\r\n" for row in table).encode()
        expected = [rows[0][:3] + ["Duguje slovima", "Potražuje", "Potražuje slovima", "Stanje"]]
        expected += [row[:3] + [words.get(row[2], ""), row[3], words.get(row[3], ""), row[4]]
                     for row in rows[1:]]
        first = run(["--column=Duguje", "--currency=RSD"], joined(rows))
        both = run(["--column=Potražuje", "--currency=RSD"], first.stdout)
        self.assertEqual((both.stdout, first.returncode, first.stderr, both.returncode,
                          both.stderr), (joined(expected), 0, b"", 0, b""))

    def test_check_names_only_the_row_whose_words_differ(self):
        # A contract's annex in Windows-1250: amounts and their words, as uslova-cli writes
        # them in Latin. Unchanged, nothing is said; one word changed, that row alone, with
        # its words' number and its amount, and nothing on standard output either way.
        rng = random.Random(41)
        amounts = [f"{rng.randrange(10 ** 9):,}".replace(",", ".") + f",{rng.randrange(100):02d}"
                   for _ in range(300)]
        words = run(["--currency=RSD", "--decimal=comma", "--script=latin"],
                    "".join(a + "\n" for a in amounts).encode()).stdout.decode().split("\n")
        rows = [["Iznos", "Opis", "Slovima"]] + [[a, "usluga", w] for a, w in zip(amounts, words)]
        def statement(table):
            return "".join(";".join(row) + "\r\n" for row in table).encode("cp1250")
        arguments = ["--column=Iznos", "--check=Slovima", "--encoding=windows-1250"]
        agreeing = run(arguments, statement(rows))
        self.assertEqual((agreeing.returncode, agreeing.stdout, agreeing.stderr), (0, b"", b""))
        n = next(n for n, row in enumerate(rows) if n and " dinara" in row[2]
                 and not row[2].startswith("dva "))
        changed = [row[:] for row in rows]
        changed[n][2] = "dva " + changed[n][2].split(" ", 1)[1]
        said = run(arguments, statement(changed))
        self.assertEqual((said.returncode, said.stdout), (1, b""))
        lines = said.stderr.decode().splitlines()
        self.assertEqual(len(lines), 1, lines)
        self.assertRegex(lines[0], f"^uslova-cli: row {n + 1}: ")

    def test_columns_by_number_header_and_delimiter(self):
        data = b'a,b;c\n"1,5",2\n'
        cases = [  # arguments, output, exit status
            (["--column=1", "--delimiter=,"], b'a,,b;c\n"1,5",  jedan zapeta   pet,2\n', 1),
            (["--column=1", "--header", "--delimiter=,"],
             b'a,a slovima,b;c\n"1,5",  jedan zapeta   pet,2\n', 0),
            # ";" wins wherever it stands in the first row
            (["--column=2", "--header"], b'a,b;c;c slovima\n"1,5",2\n', 1),
            (["--column=x"], b"", 2),
        ]
        for arguments, output, status in cases:
            with self.subTest(arguments=arguments):
                result = run(arguments, data)
                self.assertEqual((result.stdout, result.returncode), (output, status))

    def test_hostile_input_keeps_every_complete_row(self):
        cases = [  # input, what comes back
            (b'1;2\n3;"4\n5', b'1;2;  dva\n3;"4\n5'),  # a quoted field that never closes
            (b"1;\x00;7\n\xff\xfe;8\n", b"1;\x00;;7\n\xff\xfe;8;  osam\n"),
            (b'1;"' + b'"' * 10001 + b";7\n", None),
        ]
        for data, output in cases:
            with self.subTest(data=data[:20]):
                result = run(["--column=2"], data)
                self.assertEqual(result.returncode, 1)
                if output is not None:
                    self.assertEqual(result.stdout, output)
        wide = b";".join(b"7" for _ in range(100000)) + b"\n"
        result = run(["--column=99999"], wide)
        self.assertEqual(result.stdout, wide[:-3] + b";  sedam;7\n")


if __name__ == "__main__":
    unittest.main()
