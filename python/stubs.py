# SPDX-License-Identifier: MIT
"""Writes the package's type stub, __init__.pyi, from __init__.pyi.in and the option names and
values that the built package gets from the converter: one Literal type for each option, a
keyword for each in spell and spell_many, and one for each that a date takes in spell_date.

Usage: stubs.py TEMPLATE OUTPUT   (with the built package on PYTHONPATH)"""

import os
import sys


def write_stub(uslova, template, output):
    """The stub at `output`, from `template`, with what the built package `uslova` says of the
    converter: the options' values, those that a date and reading take, those that may be a
    noun of one's own, and the names of the rejections."""
    types, keywords = [], []
    for name, values in uslova.CHOICES.items():
        quoted = ", ".join(f'"{value}"' for value in values)
        # A unit may also be a noun of one's own: "stan,stana,stanova:m".
        own = name in uslova.GROUPS["own_noun"]
        literal = f"Literal[{quoted}]"
        types.append(f"{name.capitalize()} = {'Union[' + literal + ', str]' if own else literal}")
        keywords.append(f"{name}: Optional[{name.capitalize()}] = ...")
    with open(template, encoding="utf-8") as source:
        text = source.read()
    dated = [f"{name}: Optional[{name.capitalize()}] = ..." for name in uslova.DATE_OPTIONS]
    text = text.replace("@TYPES@", "\n".join(types)).replace("@KEYWORDS@", ", ".join(keywords))
    text = text.replace("@DATE_KEYWORDS@", ", ".join(dated))
    taken = [f"{name}: Optional[{name.capitalize()}] = ..." for name in uslova.READ_OPTIONS]
    text = text.replace("@READ_KEYWORDS@", ", ".join(taken))
    names = ", ".join(f'"{name}"' for name in uslova.VERDICTS)
    text = text.replace("@VERDICT@", f"Verdict = Literal[{names}]")
    with open(output, "w", encoding="utf-8") as out:
        out.write(text)


if __name__ == "__main__":
    # The built package, not the sources beside this file.
    here = os.path.dirname(os.path.abspath(__file__))
    sys.path = [p for p in sys.path if os.path.abspath(p or ".") != here]
    import uslova

    write_stub(uslova, *sys.argv[1:])
