# SPDX-License-Identifier: MIT
"""Writes the package's type stub, __init__.pyi, from __init__.pyi.in and the option names and
values that the built package gets from the converter: one Literal type for each option, a
keyword for each in spell and spell_many, and one for each that a date takes in spell_date.

Usage: stubs.py TEMPLATE OUTPUT   (with the built package on PYTHONPATH)"""

import os
import sys


def write_stub(choices, template, output, date_options, verdicts, read_options=()):
    """The stub at `output`, from `template`, the options' values in `choices`, the names of
    those that a date takes, the names of the rejections and of the options reading takes."""
    types, keywords = [], []
    for name, values in choices.items():
        quoted = ", ".join(f'"{value}"' for value in values)
        # A unit may also be a noun of one's own: "stan,stana,stanova:m".
        own = name == "unit"
        literal = f"Literal[{quoted}]"
        types.append(f"{name.capitalize()} = {'Union[' + literal + ', str]' if own else literal}")
        keywords.append(f"{name}: Optional[{name.capitalize()}] = ...")
    with open(template, encoding="utf-8") as source:
        text = source.read()
    dated = [f"{name}: Optional[{name.capitalize()}] = ..." for name in date_options]
    text = text.replace("@TYPES@", "\n".join(types)).replace("@KEYWORDS@", ", ".join(keywords))
    text = text.replace("@DATE_KEYWORDS@", ", ".join(dated))
    taken = [f"{name}: Optional[{name.capitalize()}] = ..." for name in read_options]
    text = text.replace("@READ_KEYWORDS@", ", ".join(taken))
    names = ", ".join(f'"{name}"' for name in verdicts)
    text = text.replace("@VERDICT@", f"Verdict = Literal[{names}]")
    with open(output, "w", encoding="utf-8") as out:
        out.write(text)


if __name__ == "__main__":
    # The built package, not the sources beside this file.
    here = os.path.dirname(os.path.abspath(__file__))
    sys.path = [p for p in sys.path if os.path.abspath(p or ".") != here]
    import uslova

    write_stub(uslova.CHOICES, *sys.argv[1:], uslova.DATE_OPTIONS, uslova.VERDICTS,
               uslova.READ_OPTIONS)
