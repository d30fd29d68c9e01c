# SPDX-License-Identifier: MIT
"""python_bench.py: uslova.spell against num2words (lang="sr") on the same 100,000 integers,
in one run, with Debian's Python; then the ratio."""

import random
import time

from num2words import num2words

import uslova

NUMBERS = [random.Random(42 + i).randrange(10 ** random.Random(i).randrange(1, 16))
           for i in range(100_000)]


def rate(spell) -> float:
    start = time.perf_counter()
    for number in NUMBERS:
        spell(number)
    return len(NUMBERS) / (time.perf_counter() - start)


ours = max(rate(uslova.spell) for _ in range(3))
theirs = max(rate(lambda n: num2words(n, lang="sr")) for _ in range(2))
print(f"Python: uslova.spell {ours / 1e6:.2f} M/s, num2words {theirs / 1e6:.3f} M/s, "
      f"ratio {ours / theirs:.1f}x")
