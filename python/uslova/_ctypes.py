# SPDX-License-Identifier: MIT
"""The package's fallback layer, pure Python over the C library libuslova.so.1 through ctypes,
for a Python that has no compiled layer (the Calc extension carries it, with the library beside
it). The library is found at the path in USLOVA_LIBRARY, beside this file when it is shipped
with it, or through the loader's path."""

from __future__ import annotations

import ctypes
import os
import threading
from typing import Dict, Iterable, List, Optional, Tuple

from ._common import (OPTION_NAMES, TOO_LARGE, Number, RejectedError, TooLarge, check_many,
                      text_of)

_WORDS_SIZE = 1024  # USLOVA_WORDS_SIZE: room for the words of any number in any style
_ACCEPTED = 0


class _Options(ctypes.Structure):
    _fields_ = [
        ("size", ctypes.c_size_t),
        ("script", ctypes.c_int),
        ("spacing", ctypes.c_int),
        ("letter_case", ctypes.c_int),
        ("currency", ctypes.c_int),
        ("minor", ctypes.c_int),
        ("forms", ctypes.c_int),
        ("decimal", ctypes.c_int),
    ]


def _load() -> ctypes.CDLL:
    # USLOVA_LIBRARY, or a library shipped beside the package (as in the Calc extension), or
    # the one on the loader's path.
    bundled = os.path.join(os.path.dirname(os.path.abspath(__file__)), "libuslova.so.1")
    library = ctypes.CDLL(os.environ.get("USLOVA_LIBRARY")
                          or (bundled if os.path.exists(bundled) else "libuslova.so.1"))
    library.uslova_options_init_size.argtypes = [ctypes.POINTER(_Options), ctypes.c_size_t]
    library.uslova_options_init_size.restype = None
    library.uslova_option_set.argtypes = [ctypes.POINTER(_Options), ctypes.c_char_p, ctypes.c_char_p]
    library.uslova_option_set.restype = ctypes.c_int
    library.uslova_option_values.argtypes = [ctypes.c_char_p]
    library.uslova_option_values.restype = ctypes.c_char_p
    library.uslova_options_problem.argtypes = [ctypes.POINTER(_Options)]
    library.uslova_options_problem.restype = ctypes.c_char_p
    # Addresses are passed as plain ints: the cheapest way through ctypes, for a hot call.
    library.uslova_spell.argtypes = [
        ctypes.c_char_p,
        ctypes.c_size_t,
        ctypes.c_void_p,
        ctypes.c_void_p,
        ctypes.c_size_t,
        ctypes.c_void_p,
    ]
    library.uslova_spell.restype = ctypes.c_int
    for name in ("uslova_prompt", "uslova_verdict_name"):
        getattr(library, name).argtypes = [ctypes.c_int]
        getattr(library, name).restype = ctypes.c_char_p
    library.uslova_version.argtypes = []
    library.uslova_version.restype = ctypes.c_char_p
    return library


_library = _load()
version: str = _library.uslova_version().decode()


class _Prepared:
    """Options ready for the C library: the struct and its address, and the decimal separator
    that the digits of an int or a Decimal are written with, as the options read it."""

    __slots__ = ("struct", "address", "point")

    def __init__(self, struct: _Options, point: str) -> None:
        self.struct = struct
        self.address = ctypes.c_void_p(ctypes.addressof(struct))
        self.point = point


_prepared: Dict[Tuple[Optional[str], ...], _Prepared] = {}


def _options(script: Optional[str] = None, spacing: Optional[str] = None,
             case: Optional[str] = None, currency: Optional[str] = None,
             minor: Optional[str] = None, forms: Optional[str] = None,
             decimal: Optional[str] = None) -> _Prepared:
    key = (script, spacing, case, currency, minor, forms, decimal)
    prepared = _prepared.get(key)
    if prepared is not None:
        return prepared
    options = _Options()
    _library.uslova_options_init_size(ctypes.byref(options), ctypes.sizeof(options))
    for name, value in zip(OPTION_NAMES, key):
        if value is None:
            continue
        if not isinstance(value, str) or _library.uslova_option_set(
                ctypes.byref(options), name.encode(), value.encode("utf-8", "replace")) != 0:
            values = _library.uslova_option_values(name.encode()).decode()
            raise ValueError(f"invalid value {value!r} for {name} (choose {values})")
    problem = _library.uslova_options_problem(ctypes.byref(options))
    if problem is not None:
        raise ValueError(problem.decode())
    point = "," if decimal == "comma" else "."
    if len(_prepared) < 1024:  # a bound, for callers that make up options without end
        _prepared[key] = _Prepared(options, point)
    return _prepared.get(key) or _Prepared(options, point)


def _checked_options(options: Dict[str, Optional[str]]) -> _Prepared:
    unknown = [name for name in options if name not in OPTION_NAMES]
    if unknown:
        raise TypeError(f"unknown option {unknown[0]!r} (choose {', '.join(OPTION_NAMES)})")
    return _options(**options)


class _Buffer(threading.local):
    """Each thread's buffer for the words, and the verdict of its last call."""

    def __init__(self) -> None:
        super().__init__()
        self.words = ctypes.create_string_buffer(_WORDS_SIZE)
        self.address = ctypes.c_void_p(ctypes.addressof(self.words))
        self.verdict = _ACCEPTED


_buffer = _Buffer()
_SIZE = ctypes.c_size_t(_WORDS_SIZE)
_spell_c = _library.uslova_spell


def _spell(number: Number, options: _Prepared) -> Optional[str]:
    """The words, or None with the verdict left in _buffer.verdict."""
    buffer = _buffer
    try:
        text = number.encode() if type(number) is str else text_of(number, options.point)
    except UnicodeEncodeError:  # a lone surrogate: its bytes are no number, as the library says
        text = str.encode(number, "utf-8", "surrogatepass")  # type: ignore[arg-type]
    except TooLarge:
        buffer.verdict = TOO_LARGE
        return None
    verdict = _spell_c(text, len(text), options.address, buffer.address, _SIZE, None)
    if verdict == _ACCEPTED:
        return buffer.words.value.decode()  # the words end at their NUL
    buffer.verdict = verdict
    return None


def _rejection(number: Number) -> RejectedError:
    verdict = _buffer.verdict
    return RejectedError(number, _library.uslova_verdict_name(verdict).decode(),
                         _library.uslova_prompt(verdict).decode())


def spell(number: Number, *, script: Optional[str] = None, spacing: Optional[str] = None,
          case: Optional[str] = None, currency: Optional[str] = None,
          minor: Optional[str] = None, forms: Optional[str] = None,
          decimal: Optional[str] = None) -> str:
    """The words of ``number``, by default exactly as the uslova window writes them.

    ``number`` is a str as typed ("-1.234,5", "22 000"), an int, or a decimal.Decimal; a float
    raises TypeError, as it cannot hold the digits as typed. The options are those of
    uslova-cli: script ascii|latin|cyrillic; spacing exact|tidy|joined (None: exact, or tidy
    for an amount); case lower|first|upper; currency RSD|EUR|USD (None: a plain number);
    minor words|digits|fraction (only with a currency); forms long|short (not with exact
    spacing); decimal auto|comma|point (which of "." and "," is the decimal separator: by
    default a lone one; "comma" reads "15.000" as fifteen thousand).
    None leaves an option at its default. A bad value, or a combination that uslova-cli
    refuses, raises ValueError with uslova-cli's reason; a number that cannot be spelled
    raises RejectedError.

    >>> spell("1,01", currency="EUR", case="upper")
    'JEDAN EVRO I JEDAN CENT'
    >>> spell(1600, spacing="tidy", forms="short")
    'hiljadu seststo'
    """
    prepared = _prepared.get((script, spacing, case, currency, minor, forms, decimal))
    if prepared is None:
        prepared = _options(script, spacing, case, currency, minor, forms, decimal)
    words = _spell(number, prepared)
    if words is None:
        raise _rejection(number)
    return words


def spell_many(numbers: Iterable[Number], **options: Optional[str]) -> List[Optional[str]]:
    """The words of each number, in order, with the options of spell(); None for a number that
    cannot be spelled, so that a batch keeps its places. A float still raises TypeError.

    >>> spell_many(["7", "abc", 12], spacing="tidy")
    ['sedam', None, 'dvanaest']
    """
    check_many(numbers)
    prepared = _checked_options(options)
    spell_one = _spell
    return [spell_one(number, prepared) for number in numbers]
