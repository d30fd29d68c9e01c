// float_text.h: a binary float's shortest digits as the text the readers read (float_text.cpp).
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "uslova/options.h"
#include "uslova/verdict.h"

namespace uslova {

/// A text that the readers read as one number, held in a few bytes.
struct ShortText {
  std::array<char, 24> bytes{};
  std::uint8_t size = 0;
  constexpr std::string_view view() const { return {bytes.data(), size}; }
};

/// The text that reads, with `decimal`, as a binary floating-point number whose shortest
/// digits are `shown` as its language writes them: Python's repr, JavaScript's String(),
/// PHP's var_export ("1234.56", "1e-07", "1.5E+25", "-0.0", "nan", "-Infinity"). e.g.
/// "1e-07" gives "0.0000001" cut to what the reader reads of it, "0.0001"; with
/// Options::Decimal::Comma, "1234.56" gives "1234,56". Those digits are the value's only when
/// they are at most fifteen significant ones, as a double holds fifteen exactly: more give
/// Verdict::Inexact. A NaN is no number, an infinity too large.
[[nodiscard]] Verdict FloatText(std::string_view shown, Options::Decimal decimal, ShortText& text);

}  // namespace uslova
