// float_text.cpp: the text that the readers read for a binary float, from the shortest digits
// that its language shows for it.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <cstdint>

#include "characters.h"
#include "uslova/float_text.h"
#include "uslova/number_reader.h"

namespace uslova {

using characters::From;
using characters::IsDigit;

Verdict FloatText(std::string_view shown, Options::Decimal decimal, ShortText& text) {
  std::size_t at = 0;
  const bool minus = at < shown.size() && shown[at] == '-';
  if (at < shown.size() && (shown[at] == '-' || shown[at] == '+')) ++at;
  // "nan", "inf", "Infinity", "INF": every language's names, in any case.
  std::string_view word = From(shown, at);
  const auto named = [&](std::string_view name) {
    return word.size() == name.size() && std::equal(name.begin(), name.end(), word.begin(),
                                                    [](char a, char b) { return a == (b | 0x20); });
  };
  if (named("nan")) return Verdict::NotANumber;
  if (named("inf") || named("infinity")) return Verdict::TooLarge;
  // The significant digits, from the first nonzero one to the last, and how many of them
  // stand before the decimal point (negative: zeros after it first).
  std::array<char, Number::kMaxDigits> digits{};
  std::size_t seen = 0;         // digits from the first nonzero one
  std::size_t significant = 0;  // up to the last nonzero one
  std::int64_t point = 0;
  bool any = false, afterPoint = false;
  for (; at < shown.size(); ++at) {
    const char ch = shown[at];
    if (ch == '.' && !afterPoint) {
      afterPoint = true;
      continue;
    }
    if (!IsDigit(ch)) break;
    any = true;
    if (seen == 0 && ch == '0') {
      if (afterPoint) --point;  // a zero after the point, before the first significant digit
      continue;
    }
    if (!afterPoint) ++point;
    if (seen < digits.size()) digits[seen] = ch;
    ++seen;
    if (ch != '0') significant = seen;
  }
  if (!any) return Verdict::NotANumber;
  std::int64_t exponent = 0;
  if (at < shown.size() && (shown[at] == 'e' || shown[at] == 'E')) {
    ++at;
    const bool negative = at < shown.size() && shown[at] == '-';
    if (at < shown.size() && (shown[at] == '-' || shown[at] == '+')) ++at;
    if (at == shown.size()) return Verdict::NotANumber;
    for (; at < shown.size() && IsDigit(shown[at]); ++at)
      exponent = std::min<std::int64_t>(exponent * 10 + (shown[at] - '0'), 100000);
    if (negative) exponent = -exponent;
  }
  if (at != shown.size()) return Verdict::NotANumber;
  const std::size_t count = significant;  // trailing zeros say nothing of the value
  point += exponent;
  // Too large before inexact: no rounding brings 2^53 under 10^15.
  if (count > 0 && point > static_cast<std::int64_t>(Number::kMaxDigits)) {
    return Verdict::TooLarge;
  }
  if (count > digits.size()) return Verdict::Inexact;
  char* out = text.bytes.data();
  const char separator = decimal == Options::Decimal::Comma ? ',' : '.';
  if (count == 0) {
    *out++ = '0';  // a zero, of either sign
  } else {
    if (minus) *out++ = '-';
    // The integer digits, or "0"; then the decimals, of which the reader reads three and,
    // for the sign and the count, whether there are more.
    if (point <= 0) *out++ = '0';
    for (std::int64_t i = 0; i < point; ++i)
      *out++ = i < static_cast<std::int64_t>(count) ? digits[static_cast<std::size_t>(i)] : '0';
    const std::int64_t decimals = static_cast<std::int64_t>(count) - point;
    if (decimals > 0) {
      *out++ = separator;
      for (std::int64_t i = 0; i < std::min<std::int64_t>(decimals, 4); ++i) {
        const std::int64_t index = point + i;  // into digits; below 0: a leading zero
        *out++ = index < 0 ? '0' : digits[static_cast<std::size_t>(index)];
      }
      if (decimals > 4) out[-1] = '1';  // the last digit of all is not 0: there are more
    }
  }
  text.size = static_cast<std::uint8_t>(out - text.bytes.data());
  return Verdict::Accepted;
}

}  // namespace uslova
