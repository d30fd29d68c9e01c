# SPDX-License-Identifier: MIT
# The types of the uslova package, whichever layer serves it.
import decimal
from typing import Iterable, List, Literal, Optional, Union

Number = Union[str, int, decimal.Decimal]
Verdict = Literal["not_a_number", "too_large", "unsupported", "too_many_decimals",
                  "more_than_three_decimals"]
Script = Literal["ascii", "latin", "cyrillic"]
Spacing = Literal["exact", "tidy", "joined"]
Case = Literal["lower", "first", "upper"]
Currency = Literal["RSD", "EUR", "USD"]
Minor = Literal["words", "digits", "fraction"]
Forms = Literal["long", "short"]
Decimal = Literal["auto", "comma", "point"]

__version__: str
LAYER: Literal["compiled", "ctypes"]

class RejectedError(ValueError):
    number: Number
    verdict: Verdict
    prompt: str
    def __init__(self, number: Number, verdict: Verdict, prompt: str) -> None: ...

def spell(number: Number, *, script: Optional[Script] = ..., spacing: Optional[Spacing] = ...,
          case: Optional[Case] = ..., currency: Optional[Currency] = ...,
          minor: Optional[Minor] = ..., forms: Optional[Forms] = ...,
          decimal: Optional[Decimal] = ...) -> str: ...
def spell_many(numbers: Iterable[Number], *, script: Optional[Script] = ...,
               spacing: Optional[Spacing] = ..., case: Optional[Case] = ...,
               currency: Optional[Currency] = ..., minor: Optional[Minor] = ...,
               forms: Optional[Forms] = ..., decimal: Optional[Decimal] = ...
               ) -> List[Optional[str]]: ...
