# SPDX-License-Identifier: MIT
"""python_bench.py: uslova against num2words (lang="sr") in one run, with Debian's Python:
spell() per call on 100,000 integers below 10^12, and spell_many() on a list of 100,000
strings against num2words' loop over the same numbers; the layer and the allocator in use are
named."""

import os
import random
import time

from num2words import num2words

import uslova

rng = random.Random(42)
NUMBERS = [rng.randrange(10 ** rng.randrange(1, 13)) for _ in range(100_000)]
STRINGS = [str(n) for n in NUMBERS]


def best(run, repeats):
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        run()
        times.append(time.perf_counter() - start)
    return len(NUMBERS) / min(times)


def spell_each():
    spell = uslova.spell
    for number in NUMBERS:
        spell(number)


def num2words_each():
    for number in NUMBERS:
        num2words(number, lang="sr")


ours = best(spell_each, 5)
many = best(lambda: uslova.spell_many(STRINGS), 5)
theirs = best(num2words_each, 2)
allocator = os.environ.get("PYTHONMALLOC", "pymalloc")
print(f"Python ({uslova.LAYER}, {allocator}): uslova.spell {ours / 1e6:.2f} M/s, num2words "
      f"{theirs / 1e6:.3f} M/s: {ours / theirs:.1f}x; spell_many on 100,000 strings "
      f"{many / 1e6:.2f} M/s: {many / theirs:.1f}x num2words' loop")
