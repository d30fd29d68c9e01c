# SPDX-License-Identifier: MIT
"""Numbers in Serbian words, exactly as the uslova window writes them, and in the styles of
uslova-cli: scripts, spacing, letter case, short forms, and amounts in each of its currencies.

A compiled extension over the converter's C interface, with a pure-Python fallback through
ctypes and the C library libuslova.so.1 where the extension is not built (USLOVA_PURE=1 forces
it): the words, the option names and the rejections are the converter's own.

>>> import uslova
>>> uslova.spell("2.25")
'  dva zapeta  dvadeset pet'
>>> uslova.spell("1.234,56", currency="RSD", spacing="tidy")
'jedna hiljada dve stotine trideset cetiri dinara i pedeset sest para'
>>> uslova.spell(21, script="cyrillic", spacing="tidy")
'двадесет један'
>>> uslova.spell(21, unit="godina")
'dvadeset jedna godina'
>>> uslova.spell_date("9.12.2026", script="latin")
'devetog decembra dve hiljade dvadeset šeste godine'
>>> uslova.read("pet dinara i pet para")
Decimal('5.05')
"""

from ._common import Converter as _Converter
from ._common import date_text as _date_text
from ._common import Number, RejectedError, Verdict
from ._common import shown as _shown  # noqa: F401  (for messages and the tests)

__all__ = ["spell", "spell_many", "spell_date", "read", "RejectedError", "Number", "Verdict",
           "CHOICES", "DATE_OPTIONS", "READ_OPTIONS", "GROUPS", "LABELS", "LIMITS", "VERDICTS",
           "LAYER", "__version__"]


def _layer():
    """The compiled layer, or the ctypes one where it is missing or USLOVA_PURE is set."""
    import os
    problems = []
    if not os.environ.get("USLOVA_PURE"):
        try:
            from . import _uslova
            from ._common import SPELL_DOC, SPELL_MANY_DOC, native_text, use_converter
            _uslova._setup(RejectedError, native_text,
                           b"spell(number, /, **options)\n--\n\n" + SPELL_DOC.encode(),
                           b"spell_many(numbers, /, **options)\n--\n\n" + SPELL_MANY_DOC.encode())
            use_converter(_uslova.choices(), _uslova.limit, _uslova.limit_name,
                          _uslova.verdict_name, _uslova.option_group, _uslova.option_label)
            return _uslova
        except ImportError as problem:
            problems.append(f"the compiled module uslova._uslova: {problem}")
    try:
        from . import _ctypes
        return _ctypes
    except OSError as problem:
        problems.append(f"the C library libuslova.so.1: {problem}")
    raise ImportError(
        "uslova cannot load " + "; nor ".join(problems) + ". Install it with "
        "'pip install ./python' from a clone of uslova (which builds the compiled module), or "
        "the Debian package python3-uslova, or point USLOVA_LIBRARY at libuslova.so.1.")


_chosen = _layer()
#: The words of a number, by default exactly as the uslova window writes them; see _ctypes.spell
#: for the options, which are those of uslova-cli.
spell = _chosen.spell
#: The words of each number in order, None for one that cannot be spelled.
spell_many = _chosen.spell_many
__version__: str = _chosen.version


def spell_date(date, /, **options) -> str:
    """The words of a date as contracts write it, in the genitive, one blank apart.

    ``date`` is a str, "9.12.2026", "09.12.2026.", "9. 12. 2026." or "2026-12-09" for years 1
    to 9999, or a datetime.date (a datetime or a pandas Timestamp by its own calendar day). Only
    the options of DATE_OPTIONS apply: the script, the case, and the inflection, whose
    nominative writes a heading's date. A date that does not exist raises RejectedError
    ("not_a_date"); another type, TypeError.

    >>> spell_date("1.1.2000", case="first")
    'Prvog januara dvehiljadite godine'
    >>> spell_date("9. 12. 2026.", inflection="nominative")
    'deveti decembar dve hiljade dvadeset seste godine'
    """
    for name in options:
        if name not in DATE_OPTIONS:
            raise TypeError(f"a date takes {', '.join(DATE_OPTIONS)} alone, not {name!r}")
    return _chosen.spell_date(_date_text(date), **options)

def read(words: str, /, **options) -> "decimal.Decimal":
    """The number that ``words`` say, as uslova-cli --read reads them: every text that spell
    writes, in any script, letter case and spacing, and the forms people type ("sto",
    "dvesta", "hiljadu"). A plain number keeps its decimals as spelled ("jedan zapeta pedeset"
    is Decimal('1.50')), an amount its hundredths as two digits. Only the options of
    READ_OPTIONS apply: a currency refuses another's nouns, a unit any other noun. Words that
    are not a number's as the converter writes them raise ValueError with the reason, in
    Serbian as its ``prompt``; what is not a str, TypeError.

    >>> read("jedan milion pet stotina hiljada")
    Decimal('1500000')
    >>> read("dva hiljade")
    Traceback (most recent call last):
    ...
    ValueError: 'dva' does not agree: 2000 is written 'dve hiljade'
    """
    import decimal
    for name in options:
        if name not in READ_OPTIONS:
            raise TypeError(f"words are read with {', '.join(READ_OPTIONS)} alone, not {name!r}")
    if not isinstance(words, str):
        raise TypeError(f"read() takes words as a str, not {type(words).__name__}")
    return decimal.Decimal(_chosen.read(words, **options).replace(",", "."))


#: Each option's values, in uslova-cli's order, as the converter lists them: {"script":
#: ("ascii", "latin", "cyrillic"), ...}. The first value is the default, but for currency.
CHOICES = _Converter.choices
#: The options that a date takes, as the converter names them: ("script", "case", "inflection").
DATE_OPTIONS = _Converter.date_options
#: The options that read takes, as the converter names them: ("decimal", "currency", "unit").
READ_OPTIONS = _Converter.read_options
#: The converter's groups of options: "date" and "read" (DATE_OPTIONS and READ_OPTIONS),
#: "counted" (those whose value names what the number counts: ("currency", "unit")), "own_noun"
#: (those that may be a noun of one's own: ("unit",)) and "amount" (those that make the number
#: an amount: ("currency",)).
GROUPS = dict(_Converter.groups)  # a copy: the layers read their own
#: How a form offers each option to its readers, in Serbian: {"currency": {"label": "Iznos",
#: "none": "bez valute", "values": {"RSD": "dinar (RSD)", ...}}, ...}; "none", for leaving an
#: option unset where that differs from each of its values, is None for the others.
LABELS = _Converter.labels
#: The converter's limits by name, as its C interface's uslova_limit gives them: {"integer_digits":
#: 15, "decimals": 3, "amount_decimals": 2, ...}.
LIMITS = _Converter.limits
#: The names of the rejections, as the converter names them: ("not_a_number", "too_large", ...);
#: RejectedError.verdict is one of them.
VERDICTS = _Converter.verdicts
#: "compiled" or "ctypes": the layer in use.
LAYER = "compiled" if _chosen.__name__.endswith("_uslova") else "ctypes"


def __dir__():
    """The package's own names, not those it uses."""
    return sorted(__all__)
