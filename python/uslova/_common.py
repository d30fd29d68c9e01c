# SPDX-License-Identifier: MIT
"""What both layers of the package share: the types of numbers and verdicts, RejectedError,
and the digits of an int or a Decimal as the converter reads them."""

from __future__ import annotations

import datetime
import decimal
import operator
from typing import Any, Callable, Dict, List, Optional, Tuple, Union

Number = Union[str, int, float, decimal.Decimal]
#: The short name of a rejection: one of uslova.VERDICTS, which the converter names.
Verdict = str


def shown(number: object) -> str:
    """The number for a message, in a line: a long text cut short, a huge int by its size."""
    if isinstance(number, int) and number.bit_length() > 1000:
        return f"<an integer of about {number.bit_length() * 30103 // 100000 + 1} digits>"
    text = repr(number)
    return text if len(text) <= 80 else text[:60] + "..." + text[-10:]


class RejectedError(ValueError):
    """A number that cannot be spelled, with the reason as the window gives it.

    ``verdict`` is a short name, one of uslova.VERDICTS: "not_a_number", "inexact" for a float
    whose digits are more than 15 significant ones, "other_currency" for an amount marked with
    another currency's code or sign, "not_a_date" from spell_date, and so on; ``prompt`` is the
    Serbian text of the window's message box, in the script of the words (ASCII by default, as
    the window writes it).

    >>> try:
    ...     uslova.spell("abc")
    ... except uslova.RejectedError as e:
    ...     print(e.verdict, "|", e.prompt)
    not_a_number | Nemoguce prevesti u slova, jer ulazni parametar nije broj!
    """

    verdict: Verdict
    prompt: str

    def __init__(self, number: Number, verdict: Verdict, prompt: str) -> None:
        super().__init__(f"{shown(number)}: {prompt}")
        self.number = number
        self.verdict = verdict
        self.prompt = prompt


def options_error(message: str, serbian: Optional[str]) -> ValueError:
    """The ValueError for options the converter refuses: `message` in uslova-cli's words, and
    as its ``prompt`` the converter's Serbian for readers, which names no option (None where
    the converter has none)."""
    error = ValueError(message)
    error.prompt = serbian  # type: ignore[attr-defined]
    return error


class Converter:
    """What the converter says of itself, through the layer in use: its option names and
    values, and its limits. Filled in once, when the layer is loaded."""

    choices: Dict[str, Tuple[str, ...]] = {}  # each option's values, in uslova-cli's order
    integer_digits = 0  # an integer part has at most this many digits
    decimals = 0  # the decimal digits that are read
    limits: Dict[str, int] = {}  # every limit of the converter's, by name
    groups: Dict[str, Tuple[str, ...]] = {}  # the groups of options, as GROUPS names them
    date_options: Tuple[str, ...] = ()  # the options a date takes
    read_options: Tuple[str, ...] = ()  # the options that reading words takes
    labels: Dict[str, Dict[str, Any]] = {}  # how a form offers each option, in Serbian
    verdicts: Tuple[str, ...] = ()  # the names of the rejections


#: The groups of options that the converter names, as its uslova_option_group takes them.
GROUPS = ("date", "read", "counted", "own_noun", "amount")


def _names(name_of: Callable[[int], Optional[str]]) -> Tuple[str, ...]:
    """The names that `name_of` gives from 0 on, up to the first None."""
    found: List[str] = []
    while (name := name_of(len(found))) is not None:
        found.append(name)
    return tuple(found)


def use_converter(choices: Dict[str, Tuple[str, ...]], limit: Callable[[str], int],
                  limit_name: Callable[[int], Optional[str]],
                  verdict_name: Callable[[int], str],
                  group: Callable[[str, int], Optional[str]],
                  label: Callable[[str, Optional[str]], Optional[str]]) -> None:
    """Called by the layer as it loads, with the converter's own answers."""
    Converter.choices = choices
    Converter.groups = {name: _names(lambda i, name=name: group(name, i)) for name in GROUPS}
    Converter.date_options = Converter.groups["date"]
    Converter.read_options = Converter.groups["read"]
    Converter.labels = {name: {"label": label(name, None), "none": label(name, ""),
                               "values": {value: label(name, value) for value in values}}
                        for name, values in choices.items()}
    # The rejections are the verdicts from 1 on, up to the first that has no name.
    names: List[str] = []
    while (name := verdict_name(len(names) + 1)) != "unknown":
        names.append(name)
    Converter.verdicts = tuple(names)
    Converter.limits = {name: limit(name) for name in _names(limit_name)}
    Converter.integer_digits = Converter.limits["integer_digits"]
    Converter.decimals = Converter.limits["decimals"]


def too_large(sign: int) -> str:
    """A text that the converter refuses as too large, for a number too large to write out."""
    return ("-" if sign else "") + "1e" + str(Converter.integer_digits)


def decimal_text(number: decimal.Decimal, separator: str = ".") -> str:
    """The digits of a Decimal as typed, written out only as far as they are read: an integer
    part of more digits than the converter takes is too large, and after the decimal digits it
    reads one more stands for all the rest (nonzero when any of them is), which is all the
    converter reads of them. Constant memory whatever the exponent."""
    if not number.is_finite():
        return str(number)  # "NaN", "Infinity": not a number
    sign, digits, exponent = number.as_tuple()
    if not any(digits):
        digits, exponent = (0,), min(exponent, 0)  # a zero: its exponent says only its decimals
    elif number.adjusted() >= Converter.integer_digits:
        return too_large(sign)
    assert isinstance(exponent, int)
    text = "".join(map(str, digits))
    if exponent >= 0:
        whole, decimals, zeros = text + "0" * exponent, "", 0
    else:
        point = len(text) + exponent
        whole = text[:point] if point > 0 else "0"
        decimals = text[max(point, 0):]
        zeros = max(-point, 0)  # decimal zeros before the digits, never written out whole
    read = Converter.decimals
    if zeros + len(decimals) > read:
        shown = ("0" * min(zeros, read) + decimals)[:read]
        rest = decimals[max(read - zeros, 0):]
        decimals, zeros = shown + ("1" if rest.strip("0") else "0"), 0
    decimals = "0" * zeros + decimals
    return ("-" if sign else "") + whole + (separator + decimals if decimals else "")


def missing(number: object) -> bool:
    """A value that stands for no number in a data frame: None, or pandas' NA or NaT. (NaN is
    a float, which the converter refuses as no number.)"""
    return number is None or (type(number).__name__ in ("NAType", "NaTType")
                              and type(number).__module__.startswith("pandas"))


def numpy_kind(number: object) -> str:
    """The kind of a numpy scalar ("b", "i", "u", "f", ...), or "" for another value."""
    dtype = getattr(number, "dtype", None) if type(number).__module__ == "numpy" else None
    return getattr(dtype, "kind", "")


def text_of(number: object, point: str = ".") -> Union[bytes, str]:
    """The bytes the converter reads for `number`; for a binary float, the digits Python shows
    for it, as a str, which the layer hands to the converter's reading of floats. TypeError
    where it cannot be a number."""
    if isinstance(number, str):
        return str.encode(number)  # its characters, whatever a subclass's encode() says
    if isinstance(number, bool) or numpy_kind(number) == "b":
        raise TypeError("a bool is not a number to spell")
    if isinstance(number, float):
        return float.__repr__(number)  # the shortest digits that read back as it
    if not isinstance(number, int) and hasattr(type(number), "__index__"):
        number = operator.index(number)  # numpy's integers, and any other integer type
    if isinstance(number, int):
        if number.bit_length() > 4 * Converter.integer_digits:  # 2^4 > 10: surely too large
            return too_large(number < 0).encode()
        return int.__repr__(number).encode()  # the value's digits, whatever a subclass says
    if isinstance(number, decimal.Decimal):
        return decimal_text(number, point).encode()
    if numpy_kind(number) == "f":
        return str(number)  # numpy's other floats, by the digits it shows for their width
    raise TypeError("expected a str, an int, a float or a decimal.Decimal, not "
                    f"{type(number).__name__}")


def date_text(date: object) -> str:
    """The text of a date for the converter: a str as it is, a datetime.date (a datetime and a
    pandas Timestamp too, by their own calendar day) as YYYY-MM-DD."""
    if isinstance(date, str):
        return date
    if isinstance(date, datetime.date) and not missing(date):  # pandas' NaT is a datetime
        return f"{date.year:04d}-{date.month:02d}-{date.day:02d}"
    raise TypeError(f"spell_date() takes a str or a datetime.date, not {type(date).__name__}")


def check_many(numbers: object) -> None:
    """TypeError for a str or bytes given as a batch: its characters are not the numbers meant."""
    if isinstance(numbers, (str, bytes, bytearray)):
        raise TypeError(f"spell_many() takes an iterable of numbers, not a {type(numbers).__name__}"
                        ": pass [text] for one number")


def native_text(number: object, point: str, many: bool) -> Union[bytes, str, None]:
    """For the compiled layer: text_of() for a number other than a str or an int, and None for
    a missing value in a batch (`many`)."""
    if many and missing(number):
        return None
    return text_of(number, point)


# The docstrings of spell() and spell_many(), for both layers.
SPELL_DOC = """The words of a number, by default exactly as the uslova window writes them.

``number`` is a str as typed ("-1.234,5", "22 000", "2.500,00 RSD" with a currency), an int
(numpy's too), a decimal.Decimal, or a float (numpy's too) read as the digits that Python shows
for it: 1234.56 is spelled, but 0.1 + 0.2, shown as 0.30000000000000004, has more than 15
significant digits and raises RejectedError ("inexact"): round it, or pass text.

The options are those of uslova-cli, by name (``uslova.CHOICES`` lists each one's values):
script, spacing (None: exact, or tidy for an amount), case, currency (None: a plain number),
minor (only with a currency), forms (not with exact spacing) and decimal (which of "." and ","
is the decimal separator: by default a lone one; "comma" reads "15.000" as fifteen thousand).
None leaves an option at its default. An unknown name raises TypeError; a bad value, or a
combination that uslova-cli refuses, raises ValueError with uslova-cli's reason; a number that
cannot be spelled raises RejectedError.

>>> spell("1,01", currency="EUR", case="upper")
'JEDAN EVRO I JEDAN CENT'
>>> spell(1234.56, currency="RSD")
'jedna hiljada dve stotine trideset cetiri dinara i pedeset sest para'
>>> spell(1600, spacing="tidy", forms="short")
'hiljadu seststo'
"""
SPELL_MANY_DOC = """The words of each number, in order, with the options of spell().

None for a number that cannot be spelled and for a missing value (None, NaN, pandas.NA), so
that a batch keeps its places. ``numbers`` is any iterable but a str: a list, a pandas Series,
a numpy array or a generator.

>>> spell_many(["7", "abc", 12, None, 2.5], spacing="tidy")
['sedam', None, 'dvanaest', None, 'dva zapeta pet']
"""
