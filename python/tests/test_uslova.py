# SPDX-License-Identifier: MIT
"""The Python package against the built library: its types, options and rejections, its
examples, and the same words as uslova-cli on a few thousand inputs in every option value."""

import datetime
import decimal
import doctest
import os
import random
import re
import subprocess
import tracemalloc
import unittest

import uslova

try:  # data frames' types, where the Python in use has them
    import numpy
    import pandas
except ImportError:
    numpy = pandas = None


def layers():
    """The package's two layers, each loaded where it can be: one table runs through both, so
    that they cannot drift. The tests' runs under ctest have both; an installed package may
    have only the compiled one."""
    found = {uslova.LAYER: uslova._chosen}
    try:
        if uslova.LAYER == "ctypes":
            from uslova import _uslova
            _uslova._setup(uslova.RejectedError, uslova._common.native_text, b"", b"")
            found["compiled"] = _uslova
        else:
            from uslova import _ctypes
            found["ctypes"] = _ctypes
    except (ImportError, OSError):
        pass
    return found


LAYERS = layers()


def load_tests(loader, tests, ignore):
    modules = [uslova, uslova._common] + ([uslova._chosen] if uslova.LAYER == "ctypes" else [])
    for module in modules:
        tests.addTests(doctest.DocTestSuite(module, extraglobs={"uslova": uslova}))
    return tests


class Layer(unittest.TestCase):
    def test_the_layer_asked_for(self):
        self.assertEqual(uslova.LAYER, "ctypes" if os.environ.get("USLOVA_PURE") else "compiled")

    def test_what_the_package_shows(self):
        self.assertEqual(dir(uslova), sorted(uslova.__all__))
        self.assertIn("RejectedError", uslova.spell.__doc__)
        self.assertIn("pandas", uslova.spell_many.__doc__)


class Spell(unittest.TestCase):
    def test_numbers_of_each_type(self):
        cases = [
            ("2545743675434", "  dva biliona pet stotina cetrdeset pet milijardi sedam stotina "
             "cetrdeset tri miliona sest stotina sedamdeset pet hiljada cetiri stotine trideset "
             "cetiri"),
            (-7, "minus  sedam"),
            (decimal.Decimal("1.01"), "  jedan zapeta   jedan"),
            (decimal.Decimal("1E+3"), " jedna hiljada "),
            ("1.234.567,89", "  jedan milion dve stotine trideset cetiri hiljade pet stotina "
             "sezdeset sedam zapeta  osamdeset devet"),
        ]
        for number, words in cases:
            with self.subTest(number=number):
                self.assertEqual(uslova.spell(number), words)

    def test_types_that_are_no_number(self):
        for number in (True, None, b"7", [7]) + ((pandas.NA, numpy.bool_(True)) if pandas else ()):
            for name, layer in LAYERS.items():
                with self.subTest(number=number, layer=name), self.assertRaises(TypeError):
                    layer.spell(number)

    def test_rejections(self):
        cases = [("abc", "not_a_number", "nije broj"), ("1e15", "too_large", "prevelik"),
                 ("1.2.3", "unsupported", "nije podrzan"), (decimal.Decimal("NaN"),
                                                             "not_a_number", "nije broj"),
                 (0.1 + 0.2, "inexact", "zaokruzite"), (99999999999999.98, "inexact", "15"),
                 (float("inf"), "too_large", "prevelik"), (2.0 ** 53, "too_large", "prevelik")]
        for number, verdict, prompt in cases:
            with self.subTest(number=number):
                with self.assertRaises(uslova.RejectedError) as caught:
                    uslova.spell(number)
                self.assertIsInstance(caught.exception, ValueError)
                self.assertEqual(caught.exception.verdict, verdict)
                self.assertIn(prompt, caught.exception.prompt)
        with self.assertRaises(uslova.RejectedError) as caught:
            uslova.spell("1,234", currency="RSD")
        self.assertEqual(caught.exception.verdict, "too_many_decimals")
        # The converter's list of rejections, first to last.
        self.assertEqual((uslova.VERDICTS[0], uslova.VERDICTS[-1], len(uslova.VERDICTS)),
                         ("not_a_number", "other_currency", 9))

    def test_bad_options_name_the_choices(self):
        for options, choices in [({"script": "klingon"}, "ascii, latin, cyrillic"),
                                 ({"currency": "GBP"}, "RSD, EUR, USD"),
                                 ({"forms": 1}, "long, short")]:
            with self.subTest(options=options):
                with self.assertRaisesRegex(ValueError, choices):
                    uslova.spell("7", **options)

    @unittest.skipUnless(pandas, "pandas and numpy are not installed")
    def test_spell_many_keeps_places(self):
        # Missing values as data frames hold them, in every kind of iterable.
        column = [1, "x", None, float("nan"), pandas.NA, 0.1 + 0.2, numpy.int64(3), 2.5]
        words = ["jedan", None, None, None, None, None, "tri", "dvazapetapet"]
        for name, layer in LAYERS.items():
            cases = [(column, words), (pandas.Series(column, dtype=object), words),
                     (iter(column), words), (numpy.array([7, 8]), ["sedam", "osam"]),
                     (pandas.array([1, None, 3], dtype="Int64"), ["jedan", None, "tri"])]
            for numbers, expected in cases:
                with self.subTest(layer=name, numbers=type(numbers).__name__):
                    self.assertEqual(layer.spell_many(numbers, spacing="joined"), expected)



@unittest.skipUnless(os.environ.get("USLOVA_CLI"), "USLOVA_CLI names the built uslova-cli")
class SameAsTheCommandLine(unittest.TestCase):
    """Every value of every option family, on the same mixed inputs as uslova-cli."""

    @classmethod
    def setUpClass(cls):
        rng = random.Random(13)
        pieces = ["0", "7", "-", "1.234", ",5", "000", "9", " ", "e3", "x", "12", ".", "1 234"]
        cls.inputs = [str(rng.randrange(10 ** rng.randrange(1, 16))) for _ in range(1500)]
        cls.inputs += ["".join(rng.choice(pieces) for _ in range(rng.randrange(1, 5)))
                       for _ in range(1500)]

    def check(self, arguments, options):
        run = subprocess.run([os.environ["USLOVA_CLI"], *arguments],
                             input="\n".join(self.inputs) + "\n", capture_output=True,
                             text=True, check=False)
        expected = run.stdout.split("\n")[:-1]
        got = uslova.spell_many(self.inputs, **options)
        self.assertEqual(len(expected), len(got))
        for number, words, line in zip(self.inputs, got, expected):
            self.assertEqual(words if words is not None else "", line, number)

    def test_every_option_value(self):
        # Every value the converter lists (the table of cases checks that list against
        # uslova-cli's), but the window's exact spacing, which the default already is.
        families = {name: [v for v in values if (name, v) != ("spacing", "exact")]
                    for name, values in uslova.CHOICES.items()}
        for name, values in families.items():
            for value in values:
                options = {name: value}
                if name in ("minor", "noun"):
                    options["currency"] = "RSD"
                if name == "forms":
                    options["spacing"] = "tidy"
                with self.subTest(options=options):
                    self.check([f"--{key}={val}" for key, val in options.items()], options)


def typed(text, options):
    """`text`, and the int and Decimal that hold the same number where there are such."""
    numbers = [text]
    if re.fullmatch(r"-?(0|[1-9][0-9]*)", text):
        numbers += [int(text), decimal.Decimal(text)]
    found = re.fullmatch(r"-?[0-9]+([.,])[0-9]+", text)  # one separator: the decimal one?
    if found and found[1] == {"comma": ",", "point": "."}.get(options.get("decimal"), found[1]):
        numbers.append(decimal.Decimal(text.replace(",", ".")))
    return numbers


class Read(unittest.TestCase):
    @unittest.skipUnless(os.environ.get("USLOVA_CLI"), "USLOVA_CLI names the built uslova-cli")
    def test_the_same_as_uslova_cli_read(self):
        # Words of every kind through each layer against uslova-cli --read: the digits, or the
        # same reason. What the words say is checked in the converter's own tests.
        texts = ["pet dinara i pet para", "jedan zapeta pedeset", "ДВЕ ХИЉАДЕ", "dvazapetapet",
                 "dva hiljade", "dvanajst", "", "   ", "minus", "x" * 2000, "pet\u00a0evra",
                 "jedan dinar i 01/100", "hiljadu dvesta", "pet dana", "1,5"]
        texts.append("dvadeset jedan stan")
        for options in ({}, {"decimal": "point"}, {"currency": "EUR"}, {"unit": "dan"},
                        {"unit": "stan,stana,stanova:m"}):
            arguments = [f"--{name}={value}" for name, value in options.items()]
            run = subprocess.run([os.environ["USLOVA_CLI"], "--read", *arguments],
                                 input="\n".join(texts) + "\n", capture_output=True, text=True,
                                 check=False)
            reasons = dict(re.findall(r"line (\d+): (.*)", run.stderr))
            for n, (text, line) in enumerate(zip(texts, run.stdout.split("\n")), 1):
                for name, layer in LAYERS.items():
                    with self.subTest(text=text, options=options, layer=name):
                        if line:
                            self.assertEqual(layer.read(text, **options), line)
                            self.assertEqual(uslova.read(text, **options),
                                             decimal.Decimal(line.replace(",", ".")))
                        else:
                            with self.assertRaises(ValueError) as raised:
                                layer.read(text, **options)
                            self.assertEqual(str(raised.exception), reasons[str(n)])
                            self.assertTrue(raised.exception.prompt)

    def test_the_reason_in_serbian(self):
        for name, layer in LAYERS.items():
            with self.assertRaises(ValueError) as raised:
                layer.read("dva hiljade")
            self.assertEqual(raised.exception.prompt,
                             "'dva' se ne slaže: 2000 se piše 'dve hiljade'", name)
            with self.assertRaises(ValueError) as raised:  # a malformed noun of one's own
                layer.spell("7", unit="stan,stana:m")
            self.assertIn("Svoja imenica se pise", raised.exception.prompt, name)

    def test_what_reading_refuses_to_be_given(self):
        for words, options, error in [(7, {}, TypeError), (None, {}, TypeError),
                                      (b"pet", {}, TypeError), ("pet", {"script": "latin"},
                                                               TypeError),
                                      ("pet", {"currency": "XYZ"}, ValueError),
                                      ("pet kuća", {"unit": "stan,stana,stanova:m"},
                                       ValueError)]:
            with self.subTest(words=words, options=options):
                self.assertRaises(error, uslova.read, words, **options)


@unittest.skipUnless(os.environ.get("USLOVA_CASES"), "USLOVA_CASES names the table of cases")
class Cases(unittest.TestCase):
    """The table of cases that every front runs (tests/cases.py), through both layers."""

    def test_the_table(self):
        table = {}
        with open(os.environ["USLOVA_CASES"], encoding="utf-8") as lines:
            for line in lines:
                options, text, outcome = line.rstrip("\n").split("\t")
                table.setdefault(options, []).append((text, outcome))
        with open(os.path.join(os.path.dirname(os.environ["USLOVA_CASES"]), "choices.tsv"),
                  encoding="utf-8") as lines:
            listed = dict(line.rstrip("\n").split("\t") for line in lines)
        self.assertEqual({name: ", ".join(values) for name, values in uslova.CHOICES.items()},
                         listed)
        for name, layer in LAYERS.items():
            self.assertEqual(layer.choices(), uslova.CHOICES, name)
        # A form's labels and the groups, as the layer in use passes the C interface's NULLs.
        self.assertEqual((uslova.LABELS["currency"]["none"], uslova.LABELS["script"]["none"],
                          uslova.LABELS["currency"]["values"]["RSD"],
                          uslova.LABELS["script"]["values"]["cyrillic"]),
                         ("bez valute", None, "dinar (RSD)", "ćirilica"))
        self.assertEqual((uslova.GROUPS["own_noun"], uslova.GROUPS["amount"], uslova.LIMITS["decimals"]),
                         (("unit",), ("currency",), 3))
        for options, rows in table.items():
            settings = dict(setting.split("=") for setting in options.split())
            for name, layer in LAYERS.items():
                with self.subTest(options=options, layer=name):
                    if rows[0][1].startswith("?"):  # options uslova-cli refuses
                        with self.assertRaises(ValueError) as caught:
                            layer.spell("7", **settings)
                        self.assertEqual("?" + str(caught.exception), rows[0][1])
                        continue
                    words = layer.spell_many([text for text, _ in rows], **settings)
                    self.assertEqual([w or "!" for w in words],
                                     [o if o[0] != "!" else "!" for _, o in rows])
                    for text, outcome in rows:
                        for number in typed(text, settings):
                            try:
                                got = layer.spell(number, **settings)
                            except uslova.RejectedError as rejected:
                                got = "!" + rejected.prompt
                            self.assertEqual(got, outcome, repr(number))

    def test_the_dates(self):
        """The dates beside the table, as text through each layer, and as datetime.date
        through the package where the text is one."""
        path = os.path.join(os.path.dirname(os.environ["USLOVA_CASES"]), "dates.tsv")
        with open(path, encoding="utf-8") as lines:
            rows = [line.rstrip("\n").split("\t") for line in lines]
        self.assertTrue(rows)
        for options, text, outcome in rows:
            settings = dict(setting.split("=") for setting in options.split())
            dates = [text]
            if re.fullmatch(r"\d{4}-\d\d-\d\d", text) and outcome[0] != "!":
                dates.append(datetime.date.fromisoformat(text))
            for name, layer in LAYERS.items():
                for date in dates:
                    try:
                        got = (uslova.spell_date(date, **settings) if name == uslova.LAYER
                               else layer.spell_date(text, **settings))
                    except uslova.RejectedError as rejected:
                        got = "!" + rejected.prompt
                    self.assertEqual(got, outcome, f"{name} {date!r}")


def cli(arguments, inputs):
    """uslova-cli's lines for `inputs`, and what it said on standard error."""
    run = subprocess.run([os.environ["USLOVA_CLI"], *arguments], input="".join(
        f"{line}\n" for line in inputs), capture_output=True, text=True, check=False)
    return run.stdout.split("\n")[:-1], run.stderr


@unittest.skipUnless(os.environ.get("USLOVA_CLI"), "USLOVA_CLI names the built uslova-cli")
class Hostile(unittest.TestCase):
    """What a hostile caller tries: each is read as uslova-cli reads the same text."""

    def test_numbers_read_as_their_text(self):
        huge = 10 ** 5000
        cases = [  # the number, and the text uslova-cli gets for it
            (decimal.Decimal("1E+1000000000"), "1e15"), (decimal.Decimal("1E+99999999999"), "1e15"),
            (decimal.Decimal("-1E-999999999999999999"), "-0,0001"), (huge, "1e15"),
            (-huge, "-1e15"), (decimal.Decimal("0E+1000000000"), "0"),
            (decimal.Decimal("0E-10"), "0,0000000000"), (decimal.Decimal("123.45678"), "123,45678"),
            (decimal.Decimal("-0.00049"), "-0,00049"), (decimal.Decimal("1E+14"), "1" + "0" * 14),
            (decimal.Decimal("9.99E+14"), "999" + "0" * 12), (type("M", (int,), {"__str__":
                                                                    lambda self: "M"})(5), "5"),
            ("\ud800", "\ufffd"),
            # a float as Python shows it, numpy's numbers by their values
            (1234.56, "1234.56"), (1e-07, "0.0000001"), (-0.0, "0"), (2.5, "2.5"),
            (123456789012345.0, "123456789012345"), (1e16, "1e16"), (float("nan"), "nan"),
            (0.1 + 0.2, "nan"),
        ] + ([(numpy.int64(-21), "-21"), (numpy.float32(0.1), "0.1"), (numpy.float64(1.01), "1.01")]
             if numpy else []) + [
            # a str is spelled by its characters, whatever its methods say
            (type("S", (str,), {"encode": lambda self, *a, **k: b"999", "__str__":
                                lambda self: "8"})("7"), "7"),
        ]
        for options in ({}, {"spacing": "tidy"}, {"currency": "RSD"}):
            arguments = [f"--{name}={value}" for name, value in options.items()]
            lines, _ = cli(arguments, [text for _, text in cases])
            for (number, _), line in zip(cases, lines):
                for name, layer in LAYERS.items():
                    with self.subTest(number=uslova._shown(number), options=options, layer=name):
                        self.assertEqual(layer.spell_many([number], **options), [line or None])
                        try:
                            words = layer.spell(number, **options)
                        except uslova.RejectedError:
                            words = ""
                        self.assertEqual(words, line)
        for name, layer in LAYERS.items():
            with self.subTest(layer=name):
                self.assertEqual(layer.spell_many(["7", huge]), ["  sedam", None])
                for text in ("12", b"12", bytearray(b"12")):  # not a batch of characters
                    with self.assertRaises(TypeError):
                        layer.spell_many(text)

    def test_values_that_must_not_give_words(self):
        # An option's value or a date that is not what it seems: a NUL inside, a lone
        # surrogate, a huge text, another type. Each is refused, by both layers.
        for settings in ({"script": "latin\0junk"}, {"unit": "dan\0"}, {"unit": "x" * 100000},
                         {"unit": "stan,stana,stanova:m\0"}, {"unit": "stan,stana,stan\ud800:m"},
                         {"unit": 5}):
            for name, layer in LAYERS.items():
                with self.subTest(settings=repr(settings)[:40], layer=name):
                    with self.assertRaises(ValueError):
                        layer.spell("7", **settings)
        for date in ("9.12.2026\0", "9.12.2026\ud800", "9.12.26", "2026-12-09T00:00", "x" * 10**6):
            with self.subTest(date=date[:20]), self.assertRaises(uslova.RejectedError):
                uslova.spell_date(date)
        for date in (20261209, None, datetime.time(1, 2)) + ((pandas.NaT,) if pandas else ()):
            with self.subTest(date=date), self.assertRaises(TypeError):
                uslova.spell_date(date)
        with self.assertRaises(TypeError):
            uslova.spell_date("9.12.2026", spacing="tidy")  # a date takes script and case alone

    def test_combinations_refused_with_the_command_lines_reason(self):
        for options in ({"minor": "digits"}, {"minor": "words", "spacing": "tidy"},
                        {"spacing": "exact", "currency": "EUR"}, {"forms": "short"}):
            with self.subTest(options=options):
                _, said = cli([f"--{name}={value}" for name, value in options.items()], [])
                with self.assertRaises(ValueError) as caught:
                    uslova.spell("7", **options)
                self.assertIn(str(caught.exception), said)
        with self.assertRaisesRegex(TypeError, "'curency' .*currency"):
            uslova.spell_many(["7"], curency="RSD")

    def test_options_made_up_without_end_keep_memory_bounded(self):
        most = uslova.LIMITS["prepared_options"]
        nouns = (f"stan{''.join(chr(97 + int(d)) for d in str(n))},stana,stanova:m"
                 for n in range(3 * most))
        for _ in range(most):  # the kept ones, and whatever else a first call allocates
            uslova.spell(1, unit=next(nouns))
        tracemalloc.start()
        try:
            before = tracemalloc.get_traced_memory()[0]
            for noun in nouns:
                self.assertEqual(uslova.spell(1, unit=noun), f"jedan {noun.split(',')[0]}")
            grown = tracemalloc.get_traced_memory()[0] - before
        finally:
            tracemalloc.stop()
        self.assertLess(grown, 20 * most)  # a kept set of options takes hundreds of bytes


if __name__ == "__main__":
    unittest.main()
