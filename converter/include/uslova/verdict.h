// verdict.h: what became of a typed text.
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace uslova {

/// The title of every rejection's message box.
inline constexpr std::string_view kTitle = "Greska";

/// What became of a typed text.
enum class Verdict {
  Accepted,         ///< spelled; the caption holds the words
  NotANumber,       ///< the text does not read as a number
  TooLarge,         ///< the integer part is 10^15 or more
  Unsupported,      ///< a number, but not one that can be spelled digit by digit (1,5e3, 15e-1)
  TooManyDecimals,  ///< an amount in a currency with more than two decimal digits
  /// a number with more than three decimal digits in a style that reads them as typed, where
  /// none is ever dropped (the window's exact text spells the first three)
  MoreThanThreeDecimals,
  /// a binary floating-point number whose shortest digits are more than fifteen significant
  /// ones (0.1 + 0.2 shows as 0.30000000000000004): it does not hold the digits meant
  Inexact,
  /// a count with decimals, of a unit that is counted in whole numbers ("1,5 dan")
  NotWhole,
  /// a text that is not a date of the calendar written as 9.12.2026 or 2026-12-09
  NotADate,
  /// an amount marked with another currency's code or sign than the one it is read in
  /// ("15.000,00 EUR" in dinars); a NotANumber to callers of the C interface's older functions
  OtherCurrency,
  /// options that cannot be used together, as OptionsProblem says (the C interface's
  /// USLOVA_BAD_OPTIONS); nothing is read
  BadOptions = 101,
};

}  // namespace uslova
