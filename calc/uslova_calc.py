# SPDX-License-Identifier: MIT
"""USLOVA(Broj; Valuta; Stil) in LibreOffice Calc: the uslova Python package's spell() as a
cell function. It has no rules of its own: numbers, options and rejections are the package's,
and every rejection is Err:502, so that IFERROR and ISERROR work. USLOVAGRESKA(Broj; Valuta;
Stil) gives the reason as text, in Serbian alone, "" where USLOVA gives words, and with Valuta
"datum" the reason where USLOVADATUM gives none, with "slova" where USLOVABROJ gives none.
Valuta is a currency or a unit of counts. USLOVADATUM(Datum; Stil) writes a date cell, or a
date as text, in words; USLOVABROJ(Tekst; Stil) reads words back to their number. In a range
(an array formula), a cell that cannot be spelled gives "", and the others their words."""

import datetime
import decimal

import unohelper
from com.sun.star.lang import IllegalArgumentException
from rs.uslova.calc import XUslova

import uslova

IMPLEMENTATION = "rs.uslova.calc.UslovaAddIn"


def _left_out(argument):
    """Calc hands an empty cell given as an argument as 0.0, and one left out as None: either
    way the option is not set, so that a column of currencies may have blank rows."""
    return argument is None or argument == "" or (isinstance(argument, float) and argument == 0)


def _listed(values):
    return ", ".join(values)


def _options(currency, style):
    """uslova.spell's options from the Valuta and Stil arguments; ValueError, in Serbian, when
    they are bad. Valuta is a value of an option that names what the number counts (a currency
    or a unit of counts), or a noun of one's own, which the converter checks."""
    options = {}
    counted = {name: uslova.CHOICES[name] for name in uslova.GROUPS["counted"]}
    valuta = None
    if not _left_out(currency):
        if isinstance(currency, str):
            valuta = next((name for name, values in counted.items() if currency in values), None)
            # A noun of one's own has its gender after ":"; the converter checks the rest.
            if valuta is None and ":" in currency:
                valuta = uslova.GROUPS["own_noun"][0]
        if valuta is None:
            listed = ", ".join(f"{uslova.LABELS[name]['label'].lower()} ({_listed(values)})"
                               for name, values in counted.items())
            raise ValueError(f"Valuta je jedno od ovoga: {listed}, ili svoja imenica, na primer "
                             "stan,stana,stanova:m")
        options[valuta] = currency
    # A currency is Valuta's alone; Stil may also name a unit, as it did before Valuta took one.
    _style(style, options, {name: values for name, values in uslova.CHOICES.items()
                            if name not in uslova.GROUPS["amount"]})
    if valuta is not None:  # after Stil's script, so that the converter's reason is written in it
        options[valuta] = options.pop(valuta)
    return options


def _style(style, options, choices):
    """Adds the options of Stil, "NAME=VALUE ...", to `options`: those of `choices`, with
    their values, the names and values as the converter lists them."""
    if not _left_out(style):
        if not isinstance(style, str):
            raise ValueError('Stil je tekst, na primer "script=latin case=first"')
        for setting in style.split():
            name, equals, value = setting.partition("=")
            if not equals or name in options or name not in choices:
                raise ValueError(f"Stil: {setting!r} nije IME=VREDNOST nekog drugog izbora "
                                 f"({_listed(choices)})")
            # The converter reads a noun of one's own.
            if value not in choices[name] and name not in uslova.GROUPS["own_noun"]:
                raise ValueError(f"Stil: {name} nema vrednost {value!r} "
                                 f"({_listed(choices[name])})")
            options[name] = value


# From here on (10^13), the significant digits of a number cell (those of a double, 15) leave no
# room for the cents.
AMOUNT_DIGITS = uslova.LIMITS["float_digits"] - uslova.LIMITS["amount_decimals"]
AMOUNT_LIMIT = 10 ** AMOUNT_DIGITS


def _number(cell, options):
    """A cell's value as the converter reads it: a text as typed, a number as Calc shows it in
    its General format (at most 15 significant digits: =0,1+0,2 is 0,3). So an amount of 10^13
    or more with cents is refused: its cents are beyond what a number cell shows, and words
    with any cents would be wrong. A whole amount is exact, and a text cell has every digit
    typed."""
    if isinstance(cell, str):
        return cell
    if isinstance(cell, float):
        number = decimal.Decimal(format(cell, ".15g"))
        amount = any(name in options for name in uslova.GROUPS["amount"])
        if amount and abs(cell) >= AMOUNT_LIMIT and not cell.is_integer():
            raise ValueError(f"Ćelija s brojem čuva {uslova.LIMITS['float_digits']} značajnih "
                             f"cifara, premalo za pare iznosa od 10^{AMOUNT_DIGITS} ili više: "
                             "upišite iznos kao tekst")
        return number
    raise ValueError("Broj je broj ili tekst")


def _words(cell, options):
    """The words of one cell; "" for an empty cell, which Calc hands over as ""."""
    return "" if cell == "" else uslova.spell(_number(cell, options), **options)


def _or_blank(words, cell, options):
    """`words` of a cell of a range, or "" for one that cannot be spelled: one bad cell does
    not take the words of the others."""
    try:
        return words(cell, options)
    except (ValueError, TypeError):  # RejectedError is a ValueError
        return ""


def _said(problem):
    """A problem as a reader is told it: the converter's Serbian (a rejection's prompt, or the
    Serbian of a problem with options), or the add-in's own, which is Serbian."""
    return getattr(problem, "prompt", None) or str(problem)


def _reason(words, cell, options):
    """Why `words` gives a cell none: "" when it gives them, else the reason."""
    try:
        words(cell, options)
        return ""
    except (ValueError, TypeError) as problem:  # RejectedError is a ValueError
        return _said(problem)


# USLOVAGRESKA's Valuta for the reason that USLOVADATUM gives no words.
DATE_READING = "datum"

# Day 0 of Calc's serial day numbers, as its default settings count them.
NULL_DATE = datetime.date(1899, 12, 30)


def _serial_day(value):
    """The day of a date cell's serial number as Calc's DAY() reads it, and as the cell shows
    it: the value at 15 significant digits, its time of day cut off toward zero. So
    =DATE(2026;12;9)+0,1+0,2+0,7 (46365.99999999999) is the 10th, and -0,000001 day 0."""
    return int(decimal.Decimal(format(value, ".15g")))


def _date_words(cell, options):
    """The words of a date cell (Calc's serial day number, its time of day left out) or of a
    date as text; "" for an empty cell, which Calc hands over as 0 or ""."""
    if cell == "" or (isinstance(cell, float) and cell == 0):
        return ""
    if isinstance(cell, float):
        try:
            cell = NULL_DATE + datetime.timedelta(days=_serial_day(cell))
        except OverflowError:  # beyond the years 1 to 9999: no date
            cell = str(cell)
    elif not isinstance(cell, str):
        raise ValueError("Datum je ćelija s datumom ili tekst")
    return uslova.spell_date(cell, **options)


def _date_choices():
    """The options a date takes, with their values, as the converter names them."""
    return {name: uslova.CHOICES[name] for name in uslova.DATE_OPTIONS}


# USLOVAGRESKA's Valuta for the reason that USLOVABROJ gives no number.
WORDS_READING = "slova"


def _read_choices():
    """The options that reading takes with their values, those that name what is counted: the
    others choose the separator of the digits' text, and a number cell has none."""
    return {name: uslova.CHOICES[name] for name in uslova.READ_OPTIONS
            if name in uslova.GROUPS["counted"]}


def _read_number(cell, options):
    """The number that a text cell's words say: a number where its digits fit a number cell
    (15 significant digits), else its digits as text, never a number cell that rounds them;
    "" for an empty cell."""
    if cell == "" or (isinstance(cell, float) and cell == 0):
        return ""
    if not isinstance(cell, str):
        raise ValueError("Tekst je broj napisan slovima")
    number = uslova.read(cell, **options)
    if len(number.as_tuple().digits) <= uslova.LIMITS["float_digits"]:
        return float(number)
    return str(number).replace(".", ",")


def _cells(number):
    """Broj as rows of cells: a range (in an array formula) as it is, a value as one cell."""
    return number if isinstance(number, tuple) else ((number,),)


class UslovaAddIn(unohelper.Base, XUslova):
    def __init__(self, context):
        self.context = context

    def uslova(self, _properties, number, currency, style):
        try:
            options = _options(currency, style)
            if not isinstance(number, tuple):  # a value, or a single cell: an empty one is 0
                return ((uslova.spell(_number(number, options), **options),),)
            return tuple(tuple(_or_blank(_words, cell, options) for cell in row)
                         for row in number)
        except (ValueError, TypeError) as problem:  # RejectedError is a ValueError
            raise IllegalArgumentException(str(problem), self, 1) from None

    def _styled(self, cells, style, choices, result):
        """`result` of each cell of `cells` (a value, or a range whose cells that give none are
        ""), with the options of Stil among `choices`; Err:502 for a value that gives none."""
        try:
            options = {}
            _style(style, options, choices)
            if not isinstance(cells, tuple):
                return ((result(cells, options),),)
            return tuple(tuple(_or_blank(result, cell, options) for cell in row)
                         for row in cells)
        except (ValueError, TypeError) as problem:  # RejectedError is a ValueError
            raise IllegalArgumentException(str(problem), self, 1) from None

    def uslovadatum(self, _properties, date, style):
        return self._styled(date, style, _date_choices(), _date_words)

    def uslovabroj(self, _properties, text, style):
        return self._styled(text, style, _read_choices(), _read_number)

    def uslovagreska(self, _properties, number, currency, style):
        words = {DATE_READING: _date_words, WORDS_READING: _read_number}.get(currency, _words)
        try:
            options = {}
            if words is _date_words:
                _style(style, options, _date_choices())
            elif words is _read_number:
                _style(style, options, _read_choices())
            else:
                options = _options(currency, style)
        except (ValueError, TypeError) as problem:  # every cell has the options' problem
            return tuple(tuple(_said(problem) for _ in row) for row in _cells(number))
        return tuple(tuple(_reason(words, cell, options) for cell in row)
                     for row in _cells(number))


g_ImplementationHelper = unohelper.ImplementationHelper()
g_ImplementationHelper.addImplementation(UslovaAddIn, IMPLEMENTATION,
                                         ("com.sun.star.sheet.AddIn",))
