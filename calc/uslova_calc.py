# SPDX-License-Identifier: MIT
"""USLOVA(Broj; Valuta; Stil) in LibreOffice Calc: the uslova Python package's spell() as a
cell function. It has no rules of its own: numbers, options and rejections are the package's,
and every rejection is Err:502, so that IFERROR and ISERROR work."""

import decimal

import unohelper
from com.sun.star.lang import IllegalArgumentException
from rs.uslova.calc import XUslova

import uslova

IMPLEMENTATION = "rs.uslova.calc.UslovaAddIn"


def _options(currency, style):
    """uslova.spell's options from the Valuta and Stil arguments; ValueError when they are bad."""
    options = {}
    if currency not in (None, ""):
        if not isinstance(currency, str):
            raise ValueError("Valuta is a text: RSD, EUR or USD")
        options["currency"] = currency
    if style not in (None, ""):
        if not isinstance(style, str):
            raise ValueError('Stil is a text such as "script=latin case=first"')
        for setting in style.split():
            name, equals, value = setting.partition("=")
            if not equals or name in options or name == "currency":
                raise ValueError(f"Stil: {setting!r} is not NAME=VALUE of another option")
            options[name] = value
    return options


def _number(cell):
    """A cell's value as the converter reads it: a text as typed, a number as Calc shows it in
    its General format (at most 15 significant digits: =0,1+0,2 is 0,3)."""
    if isinstance(cell, str):
        return cell
    if isinstance(cell, float):
        return decimal.Decimal(format(cell, ".15g"))
    raise ValueError("Broj is a number or a text")


class UslovaAddIn(unohelper.Base, XUslova):
    def __init__(self, context):
        self.context = context

    def uslova(self, _properties, number, currency, style):
        try:
            options = _options(currency, style)
            # A range (in an array formula) gives an array of words, a value one word.
            cells = number if isinstance(number, tuple) else ((number,),)
            return tuple(tuple(uslova.spell(_number(cell), **options) for cell in row)
                         for row in cells)
        except (ValueError, TypeError) as problem:  # RejectedError is a ValueError
            raise IllegalArgumentException(str(problem), self, 1) from None


g_ImplementationHelper = unohelper.ImplementationHelper()
g_ImplementationHelper.addImplementation(UslovaAddIn, IMPLEMENTATION,
                                         ("com.sun.star.sheet.AddIn",))
