# SPDX-License-Identifier: MIT
"""Writes the table of cases that every front's test runs: inputs as typed, in option sets as
uslova-cli names them, each with what uslova-cli gives for it. One line a case, three fields
apart by tabs: the options ("currency=RSD spacing=tidy", empty for none), the input, and the
outcome: the words, "!" and the prompt of a rejection, or "?" and uslova-cli's usage error for
options it refuses. Beside it, choices.tsv has
a line for each option as uslova-cli --help lists it: its name, a tab, and its values apart by
", ". Every value of every option stands alone in an option set of the table too, so that a
value added to the converter's tables reaches every front's test without a change here.

dates.tsv has the same lines for dates, from uslova-cli --date.

Usage: cases.py PATH/TO/uslova-cli OUTPUT.tsv"""

import os
import re
import subprocess
import sys

# Each input stands for something a front may get wrong: every scale and form, the window's
# blanks, decimals as typed, groups, signs, amounts as written, and every rejection.
INPUTS = [
    "2545743675434", "7", "0", "-0", "11", "101", "111", "212", "1315", "21", "22", "25",
    "1000", "1001", "2000", "21000", "1000000", "2000000", "1000000000", "21000000000",
    "1000000000000", "999999999999999", "-7", "-1234,5", "2.25", "0,05", "1,5", "1,005",
    "1,01", "15.000", "1.234,56", "1,234.5", "1.234.567,89", "22 000", "22\u00a0000",
    "-,5", "+5", " 7 ", "1e3", "0,0001", "1e15", "1000000000000000", "abc", "", "1.2.3",
    "1,5e3", "1,2345", "12 345.678.901",
    "2.500,00 RSD", "(1.234,56)", "1.234,56-", "\u20ac15", "US$ 5", "15 EUR", "(-5)", "5,-",
]
OPTION_SETS = [
    "", "spacing=tidy", "spacing=joined", "script=latin case=first",
    "script=cyrillic spacing=tidy case=upper", "forms=short spacing=tidy",
    "decimal=comma", "decimal=point", "currency=RSD", "currency=EUR minor=digits",
    "currency=USD minor=fraction spacing=joined", "currency=RSD decimal=comma script=latin",
    "currency=EUR forms=short",
    "unit=kuća,kuće,kuća:ž script=cyrillic case=upper", "unit=stan,stana,stanova:m",
    "unit=godina forms=short spacing=joined", "unit=odsto decimal=comma",
    "inflection=genitive currency=RSD decimal=comma minor=digits",
    "inflection=accusative currency=EUR script=cyrillic",
    "inflection=genitive unit=kuća,kuće,kuća:ž case=first", "inflection=accusative unit=nedelja",
    # refused
    "minor=digits", "currency=RSD spacing=exact", "forms=short", "unit=dan currency=RSD",
    "unit=dan spacing=exact", "inflection=genitive spacing=exact",
]
# Dates, in the style sets that a date takes: dates.tsv, beside the table, has a line for each,
# as the table's lines are.
DATES = ["9.12.2026", "09.12.2026.", "9. 12. 2026.", "2026-12-09", "1.1.2000", "29.2.2024", "31.12.1999",
         "21.3.0001", "21.3.1", "30.11.9999", "29.2.2023", "31.4.2026", "0.1.2026", "1.13.2026", "2026-2-9",
         "9.12.26", "", "abc", " 9.12.2026 "]
DATE_STYLES = ["", "script=latin case=first", "script=cyrillic case=upper",
               "inflection=nominative script=latin"]
# The prompt, without the option that the command line may add as a hint.
MESSAGE = re.compile(r"^uslova-cli: line (\d+): (.*?!)(?: \(--.*\))?$")
OPTION = re.compile(r"^  --([a-z]+)=([^ ]+)$")  # "  --script=ascii|latin|cyrillic" in --help


def choices(cli):
    """Each option's values, as uslova-cli --help lists them."""
    run = subprocess.run([cli, "--help"], capture_output=True, text=True, check=True)
    found = {}
    for line in run.stdout.splitlines():
        option = OPTION.match(line)
        if option and option[1] not in ("column", "check", "delimiter", "encoding"):
            found[option[1]] = option[2].split("|")
    return found


def outcomes(cli, options, inputs=INPUTS, mode=()):
    """uslova-cli's outcome for each input with `options`."""
    arguments = [*mode, *(f"--{setting}" for setting in options.split())]
    run = subprocess.run([cli, *arguments], input="".join(f"{i}\n" for i in inputs).encode(),
                         capture_output=True, check=False)
    said = run.stderr.decode().splitlines()
    if run.returncode == 2:
        return ["?" + said[0].removeprefix("uslova-cli: ")] * len(inputs)
    lines = run.stdout.decode().split("\n")[:-1]
    prompts = {}
    for line in said:
        found = MESSAGE.match(line)
        prompts[int(found[1]) - 1] = found[2]
    assert len(lines) == len(inputs)
    return ["!" + prompts[n] if n in prompts else line for n, line in enumerate(lines)]


def main():
    cli, output = sys.argv[1:]
    listed = choices(cli)
    with open(os.path.join(os.path.dirname(output), "choices.tsv"), "w", encoding="utf-8",
              newline="\n") as out:
        out.writelines(f"{name}\t{', '.join(values)}\n" for name, values in listed.items())
    singles = [f"{name}={value}" for name, values in listed.items() for value in values]
    # The worked examples, typed by hand: uslova-cli must give each, and every front then runs
    # them with the rest.
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "worked.tsv"),
              encoding="utf-8") as typed:
        worked = [line.rstrip("\n").split("\t") for line in typed if not line.startswith("#")]
    wrong = [(options, text, outcome, got) for options, text, outcome in worked
             for got in outcomes(cli, options, [text]) if got != outcome]
    if wrong:
        sys.exit("cases.py: uslova-cli gives other words than the worked examples:\n" +
                 "\n".join(f"  {o} {t!r}: {g!r}, not {e!r}" for o, t, e, g in wrong))
    with open(output, "w", encoding="utf-8", newline="\n") as table:
        for options in OPTION_SETS + [s for s in singles if s not in OPTION_SETS]:
            for text, outcome in zip(INPUTS, outcomes(cli, options)):
                table.write(f"{options}\t{text}\t{outcome}\n")
        table.writelines(f"{options}\t{text}\t{outcome}\n" for options, text, outcome in worked)
    with open(os.path.join(os.path.dirname(output), "dates.tsv"), "w", encoding="utf-8",
              newline="\n") as table:
        for options in DATE_STYLES:
            for text, outcome in zip(DATES, outcomes(cli, options, DATES, ["--date"])):
                table.write(f"{options}\t{text}\t{outcome}\n")


if __name__ == "__main__":
    main()
