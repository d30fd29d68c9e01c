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

from ._common import (SPELL_DOC, SPELL_MANY_DOC, Converter, Number, RejectedError, check_many,
                      missing, options_error, text_of, use_converter)

_ACCEPTED = 0


def _load() -> ctypes.CDLL:
    # USLOVA_LIBRARY, or a library shipped beside the package (as in the Calc extension), or
    # the one on the loader's path.
    bundled = os.path.join(os.path.dirname(os.path.abspath(__file__)), "libuslova.so.1")
    library = ctypes.CDLL(os.environ.get("USLOVA_LIBRARY")
                          or (bundled if os.path.exists(bundled) else "libuslova.so.1"))
    # The options struct is the library's: this layer knows only its size, and sets options by
    # name.
    library.uslova_options_size.argtypes = []
    library.uslova_options_size.restype = ctypes.c_size_t
    library.uslova_options_init_size.argtypes = [ctypes.c_void_p, ctypes.c_size_t]
    library.uslova_options_init_size.restype = None
    library.uslova_option_set.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_char_p]
    library.uslova_option_set.restype = ctypes.c_int
    library.uslova_option_name.argtypes = [ctypes.c_size_t]
    library.uslova_option_name.restype = ctypes.c_char_p
    library.uslova_limit_name.argtypes = [ctypes.c_size_t]
    library.uslova_limit_name.restype = ctypes.c_char_p
    library.uslova_option_group.argtypes = [ctypes.c_char_p, ctypes.c_size_t]
    library.uslova_option_group.restype = ctypes.c_char_p
    library.uslova_option_label.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
    library.uslova_option_label.restype = ctypes.c_char_p
    for name in ("uslova_read", "uslova_read_in_serbian"):
        getattr(library, name).argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_void_p,
                                           ctypes.c_void_p, ctypes.c_size_t]
        getattr(library, name).restype = ctypes.c_int
    library.uslova_option_values.argtypes = [ctypes.c_char_p]
    library.uslova_option_values.restype = ctypes.c_char_p
    library.uslova_options_problem.argtypes = [ctypes.c_void_p]
    library.uslova_options_problem.restype = ctypes.c_char_p
    library.uslova_words_size.argtypes = []
    library.uslova_words_size.restype = ctypes.c_size_t
    library.uslova_limit.argtypes = [ctypes.c_char_p]
    library.uslova_limit.restype = ctypes.c_int
    # Addresses are passed as plain ints: the cheapest way through ctypes, for a hot call.
    library.uslova_noun_problem.argtypes = [ctypes.c_char_p]
    library.uslova_noun_problem.restype = ctypes.c_char_p
    for name in ("uslova_spell", "uslova_float_text", "uslova_spell_date"):
        getattr(library, name).argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_void_p,
                                           ctypes.c_void_p, ctypes.c_size_t, ctypes.c_void_p]
        getattr(library, name).restype = ctypes.c_int
    for name in ("uslova_prompt", "uslova_verdict_name"):
        getattr(library, name).argtypes = [ctypes.c_int]
        getattr(library, name).restype = ctypes.c_char_p
    library.uslova_prompt_in.argtypes = [ctypes.c_int, ctypes.c_void_p]
    library.uslova_prompt_in.restype = ctypes.c_char_p
    library.uslova_refusal.argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_void_p,
                                       ctypes.c_int]
    library.uslova_refusal.restype = ctypes.c_int
    library.uslova_option_problem.argtypes = [ctypes.c_char_p, ctypes.c_char_p, ctypes.c_void_p,
                                              ctypes.c_size_t]
    library.uslova_option_problem.restype = ctypes.c_size_t
    library.uslova_problem_in_serbian.argtypes = [ctypes.c_char_p, ctypes.c_void_p]
    library.uslova_problem_in_serbian.restype = ctypes.c_char_p
    library.uslova_version.argtypes = []
    library.uslova_version.restype = ctypes.c_char_p
    return library


_library = _load()
version: str = _library.uslova_version().decode()


def choices() -> Dict[str, Tuple[str, ...]]:
    """Each option's values, in uslova-cli's order, as the library lists them."""
    found = {}
    while (name := _library.uslova_option_name(len(found))) is not None:
        found[name.decode()] = tuple(_library.uslova_option_values(name).decode().split(", "))
    return found


def _text(answer: Optional[bytes]) -> Optional[str]:
    """A text of the library's, or None for none."""
    return None if answer is None else answer.decode()


use_converter(choices(), lambda name: _library.uslova_limit(name.encode()),
              lambda index: _text(_library.uslova_limit_name(index)),
              lambda verdict: _library.uslova_verdict_name(verdict).decode(),
              lambda group, index: _text(_library.uslova_option_group(group.encode(), index)),
              lambda name, value: _text(_library.uslova_option_label(
                  name.encode(), None if value is None else value.encode())))
_OPTIONS_SIZE = _library.uslova_options_size()
_WORDS_SIZE = _library.uslova_words_size()  # room for the words of any number in any style
_MOST_PREPARED = Converter.limits["prepared_options"]


class _Prepared:
    """Options ready for the C library: the struct and its address, and the decimal separator
    that the digits of an int or a Decimal are written with, as the options read it."""

    __slots__ = ("struct", "address", "point")

    def __init__(self, struct: ctypes.Array, point: str) -> None:
        self.struct = struct
        self.address = ctypes.c_void_p(ctypes.addressof(struct))
        self.point = point


_prepared: Dict[Tuple[Tuple[str, object], ...], _Prepared] = {}


def _problem(name: str, value: Optional[str]) -> str:
    """The converter's words for setting the option `name` to `value`, a description of it."""
    encoded = None if value is None else value.encode("utf-8", "replace")
    length = _library.uslova_option_problem(name.encode("utf-8", "replace"), encoded, None, 0)
    text = ctypes.create_string_buffer(length + 1)
    _library.uslova_option_problem(name.encode("utf-8", "replace"), encoded, text, length + 1)
    return text.value.decode("utf-8", "replace")


def _serbian(problem: Optional[bytes], struct: ctypes.Array) -> Optional[str]:
    """The Serbian of the converter's `problem`, for readers, in the script of `struct`."""
    serbian = None if problem is None else _library.uslova_problem_in_serbian(problem, struct)
    return None if serbian is None else serbian.decode()


def _options(options: Dict[str, object]) -> _Prepared:
    """The options struct for `options` by name, checked as uslova-cli checks its options."""
    unknown = [name for name in options if name not in Converter.choices]
    if unknown:
        raise TypeError(_problem(unknown[0], None))
    # Aligned as a size_t, as the library's struct begins with one.
    struct = (ctypes.c_size_t * (_OPTIONS_SIZE // ctypes.sizeof(ctypes.c_size_t) + 1))()
    _library.uslova_options_init_size(struct, _OPTIONS_SIZE)
    for name, value in options.items():
        if value is None:
            continue
        # A value is a C string: one with a NUL inside would be read as its beginning alone.
        if not isinstance(value, str) or "\0" in value or _library.uslova_option_set(
                struct, name.encode(), value.encode("utf-8", "replace")) != 0:
            # A unit that is not a name is a noun of one's own: the converter says what is wrong.
            noun = (_library.uslova_noun_problem(value.encode("utf-8", "replace"))
                    if name in Converter.groups["own_noun"] and isinstance(value, str) else None)
            # A text as it is, anything else, and a text with a NUL, as its repr.
            shown = value if isinstance(value, str) and "\0" not in value else repr(value)
            raise options_error(_problem(name, shown), _serbian(noun, struct))
    problem = _library.uslova_options_problem(struct)
    if problem is not None:
        raise options_error(problem.decode(), _serbian(problem, struct))
    # The separator of a Decimal's digits: the one that the converter writes a float's with.
    half = ctypes.create_string_buffer(8)
    _library.uslova_float_text(b"0.5", 3, struct, half, len(half), None)
    return _Prepared(struct, half.value[1:2].decode())


def _prepared_for(options: Dict[str, object]) -> _Prepared:
    """The prepared options of a call, made once for each combination and kept."""
    try:
        key = tuple(options.items())
        prepared = _prepared.get(key)
    except TypeError:  # a value that cannot be a key is refused by _options
        return _options(options)
    if prepared is None:
        prepared = _options(options)
        if len(_prepared) < _MOST_PREPARED:  # for callers that make up options without end
            _prepared[key] = prepared
    return prepared


class _Buffer(threading.local):
    """Each thread's buffer for the words, and the verdict of its last call."""

    def __init__(self) -> None:
        super().__init__()
        self.words = ctypes.create_string_buffer(_WORDS_SIZE)
        self.address = ctypes.c_void_p(ctypes.addressof(self.words))
        self.verdict = _ACCEPTED
        self.options: Optional[ctypes.c_void_p] = None  # those of the last call refused


_buffer = _Buffer()
_SIZE = ctypes.c_size_t(_WORDS_SIZE)
_spell_c = _library.uslova_spell
_float_text = _library.uslova_float_text


def _spell(number: Number, options: _Prepared) -> Optional[str]:
    """The words, or None with the verdict left in _buffer.verdict."""
    buffer = _buffer
    try:
        text = number.encode() if type(number) is str else text_of(number, options.point)
    except UnicodeEncodeError:  # a lone surrogate: its bytes are no number, as the library says
        text = str.encode(number, "utf-8", "surrogatepass")  # type: ignore[arg-type]
    if isinstance(text, str):  # a float's digits, as the converter reads floats
        shown = text.encode()
        verdict = _float_text(shown, len(shown), options.address, buffer.address, _SIZE, None)
        if verdict != _ACCEPTED:
            buffer.verdict = verdict
            return None
        text = buffer.words.value
    verdict = _spell_c(text, len(text), options.address, buffer.address, _SIZE, None)
    if verdict == _ACCEPTED:
        return buffer.words.value.decode()  # the words end at their NUL
    # An amount in another currency says so.
    buffer.verdict = _library.uslova_refusal(text, len(text), options.address, verdict)
    buffer.options = options.address
    return None


def _rejection(number: Number) -> RejectedError:
    verdict = _buffer.verdict
    return RejectedError(number, _library.uslova_verdict_name(verdict).decode(),
                         _library.uslova_prompt_in(verdict, _buffer.options).decode())


def spell(number: Number, **options: Optional[str]) -> str:
    prepared = _prepared_for(options)
    words = _spell(number, prepared)
    if words is None:
        raise _rejection(number)
    return words


def spell_many(numbers: Iterable[Number], **options: Optional[str]) -> List[Optional[str]]:
    check_many(numbers)
    prepared = _prepared_for(options)
    spell_one = _spell
    return [None if missing(number) else spell_one(number, prepared) for number in numbers]


def spell_date(text: str, **options: Optional[str]) -> str:
    """The words of a date given as text; see uslova.spell_date."""
    prepared = _prepared_for(options)
    buffer = _buffer
    encoded = text.encode("utf-8", "replace")
    verdict = _library.uslova_spell_date(encoded, len(encoded), prepared.address, buffer.address,
                                         _SIZE, None)
    if verdict != _ACCEPTED:
        buffer.verdict = verdict
        buffer.options = prepared.address
        raise _rejection(text)
    return buffer.words.value.decode()


_READ_SIZE = Converter.limits["read_text"]  # room for any number's digits, or a reason


def read(text: str, **options: Optional[str]) -> str:
    """The number of words given as text, as digits; see uslova.read."""
    prepared = _prepared_for(options)
    encoded = text.encode("utf-8", "surrogatepass")
    out = ctypes.create_string_buffer(_READ_SIZE)
    verdict = _library.uslova_read(encoded, len(encoded), prepared.address, out, _READ_SIZE)
    if verdict != _ACCEPTED:  # the reason in English, and in Serbian as the prompt
        error = ValueError(out.value.decode())
        _library.uslova_read_in_serbian(encoded, len(encoded), prepared.address, out, _READ_SIZE)
        error.prompt = out.value.decode()  # type: ignore[attr-defined]
        raise error
    return out.value.decode()


spell.__doc__ = SPELL_DOC
spell_many.__doc__ = SPELL_MANY_DOC
