// input.cpp: a typed number into the converter's variables: sign, decimal digits and triads.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstring>

#include "conversion.h"

namespace uslova {

Verdict ReadInput(Conversion& c) {
  const Verdict verdict = ReadNumber(c.InputText, c.number);
  if (verdict == Verdict::Accepted) LoadNumber(c, c.number);
  return verdict;
}

void LoadNumber(Conversion& c, const Number& number) {
  if (&number != &c.number) c.number = number;
  c.IsNegative = number.negative;
  c.DecimalPart = c.number.decimalDigits();
  c.SeparatorPos = c.DecimalPart.empty() ? 0 : 1;  // "5," has no decimal part
  const std::size_t digits = std::max<std::size_t>(number.integerDigits, 1);
  c.GroupCount = static_cast<int>((digits + 2) / 3);
  // All five, whatever GroupCount says: a fixed copy is cheaper than a loop of varying length.
  for (std::size_t k = 0; k < c.Triads.size(); ++k) {
    std::memcpy(c.Triads[k].data(), number.integer.data() + number.integer.size() - 3 * (k + 1), 3);
  }
}

}  // namespace uslova
