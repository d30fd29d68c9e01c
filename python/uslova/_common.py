# SPDX-License-Identifier: MIT
"""What both layers of the package share: the types of numbers and verdicts, RejectedError,
and the digits of an int or a Decimal as the converter reads them."""

from __future__ import annotations

import decimal
from typing import Dict, Literal, Tuple, Union

Number = Union[str, int, decimal.Decimal]
#: The short name of a rejection.
Verdict = Literal["not_a_number", "too_large", "unsupported", "too_many_decimals",
                  "more_than_three_decimals"]


def shown(number: object) -> str:
    """The number for a message, in a line: a long text cut short, a huge int by its size."""
    if isinstance(number, int) and number.bit_length() > 1000:
        return f"<an integer of about {number.bit_length() * 30103 // 100000 + 1} digits>"
    text = repr(number)
    return text if len(text) <= 80 else text[:60] + "..." + text[-10:]


class RejectedError(ValueError):
    """A number that cannot be spelled, with the reason as the window gives it.

    ``verdict`` is a short name ("not_a_number", "too_large", "unsupported",
    "too_many_decimals", "more_than_three_decimals"); ``prompt`` is the Serbian text of the
    window's message box.

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


class Converter:
    """What the converter says of itself, through the layer in use: its option names and
    values, and its limits. Filled in once, when the layer is loaded."""

    choices: Dict[str, Tuple[str, ...]] = {}  # each option's values, in uslova-cli's order
    integer_digits = 0  # an integer part has at most this many digits
    decimals = 0  # the decimal digits that are read


def use_converter(choices: Dict[str, Tuple[str, ...]], integer_digits: int, decimals: int) -> None:
    """Called by the layer as it loads, with the converter's own answers."""
    Converter.choices = choices
    Converter.integer_digits = integer_digits
    Converter.decimals = decimals


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


def text_of(number: Number, point: str = ".") -> bytes:
    """The bytes the converter reads for `number`, or TypeError where it cannot be a number."""
    if isinstance(number, str):
        return str.encode(number)  # its characters, whatever a subclass's encode() says
    if isinstance(number, bool):
        raise TypeError("a bool is not a number to spell")
    if isinstance(number, int):
        if number.bit_length() > 4 * Converter.integer_digits:  # 2^4 > 10: surely too large
            return too_large(number < 0).encode()
        return int.__repr__(number).encode()  # the value's digits, whatever a subclass says
    if isinstance(number, decimal.Decimal):
        return decimal_text(number, point).encode()
    if isinstance(number, float):
        raise TypeError("a float cannot hold the digits as typed (0.1 is not exactly 0.1): "
                        "pass a str or a decimal.Decimal")
    raise TypeError(f"expected a str, int or decimal.Decimal, not {type(number).__name__}")


def check_many(numbers: object) -> None:
    """TypeError for a str or bytes given as a batch: its characters are not the numbers meant."""
    if isinstance(numbers, (str, bytes, bytearray)):
        raise TypeError(f"spell_many() takes an iterable of numbers, not a {type(numbers).__name__}"
                        ": pass [text] for one number")


def native_text(number: Number, point: str) -> bytes:
    """For the compiled layer: the text of a number other than a str or an int; TypeError for
    a type that cannot hold the digits as typed."""
    return text_of(number, point)
