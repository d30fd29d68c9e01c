# SPDX-License-Identifier: MIT
"""Times headless Calc recalculating 10,000 =USLOVA(F1;"RSD") cells over amounts: the load and
export of the sheet with the formulas, less that of the same sheet of amounts alone; best of
five, the two in turn, in one warm profile.

Usage: calc_bench.py EXTENSIONS_DIR   (with PYTHONPATH and USLOVA_LIBRARY as for calc_test.py)"""

import os
import random
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
from calc_test import FUNCTION, calc  # noqa: E402  (the test's sheet writer and runner)

CELLS = 10000
rng = random.Random(5)
amounts = [("float", repr(rng.randrange(100, 10 ** 9) / 100)) for _ in range(CELLS)]
formulas = [[amount, ("formula", f'{FUNCTION}([.A{n}];"RSD")')]
            for n, amount in enumerate(amounts, start=1)]
plain = [[amount] for amount in amounts]
extensions = sys.argv[1]
profile = tempfile.mkdtemp()
calc(extensions, formulas, profile=profile)  # the profile is made, the add-in registered
# The two sheets in turn, so that a slow spell of the machine weighs on both alike.
times = [(calc(extensions, formulas, profile=profile)[1], calc(extensions, plain, profile=profile)[1])
         for _ in range(5)]
with_formulas = min(pair[0] for pair in times)
without = min(pair[1] for pair in times)
print(f"Calc: {CELLS} USLOVA() cells recalculated in {with_formulas - without:.2f} s "
      f"({with_formulas:.2f} s for the sheet, {without:.2f} s for the same sheet without them)")
