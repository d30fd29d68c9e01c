// input.cpp: the number test, and the reading of a typed number into sign, triads and decimal
// digits. Reading never depends on the process locale and never goes through a double, so every
// digit of the integer part is exact.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

#include "conversion.h"

namespace uslova {
namespace {

constexpr std::size_t kMaxIntegerDigits = 15;  // up to 999 999 999 999 999
constexpr std::size_t kDecimalDigitsUsed = 3;  // further decimal digits are dropped unrounded

constexpr bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}
constexpr bool IsSeparator(char ch) {
  return ch == '.' || ch == ',';
}
constexpr bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

std::size_t SkipDigits(std::string_view s, std::size_t pos) {
  while (pos < s.size() && IsDigit(s[pos]))
    ++pos;
  return pos;
}

/// The parts of a text that passed the number test.
struct Number {
  char sign = 0;              // '+', '-' or none
  std::string_view mantissa;  // digits and separators, sign and exponent excluded
  std::size_t separator = std::string_view::npos;  // of the first separator, in `mantissa`
  bool hasExponent = false;
  bool exponentNegative = false;
  std::uint64_t exponent = 0;  // saturated: anything past 10^15 digits is as good as infinite
};

/// The number test: an optional sign, then digits with any number of groups of a separator and
/// digits and at most one trailing separator, or a separator and digits; then an optional
/// exponent. Returns false for anything else ("", "-", "1..2", "1 000", "0x10", "e5", ".5.3").
/// One pass, as it runs for every conversion.
bool ParseNumber(std::string_view s, Number& n) {
  std::size_t pos = 0;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) n.sign = s[pos++];
  const std::size_t begin = pos;
  int separators = 0;
  for (; pos < s.size(); ++pos) {
    const char ch = s[pos];
    if (IsDigit(ch)) continue;
    if (IsSeparator(ch)) {
      if (pos > begin && !IsDigit(s[pos - 1])) return false;  // two separators in a row
      if (separators++ == 0) n.separator = pos - begin;
    } else {
      break;
    }
  }
  n.mantissa = s.substr(begin, pos - begin);
  if (n.mantissa.empty()) return false;
  // Without integer digits, one separator and digits: ".5", not "." or ".5.3".
  if (n.separator == 0 && (separators > 1 || n.mantissa.size() == 1)) return false;
  if (pos == s.size()) return true;

  if (s[pos] != 'e' && s[pos] != 'E') return false;
  ++pos;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) n.exponentNegative = s[pos++] == '-';
  const std::size_t digitsBegin = pos;
  pos = SkipDigits(s, pos);
  if (pos == digitsBegin || pos != s.size()) return false;
  n.hasExponent = true;
  constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint32_t>::max();
  for (char ch : s.substr(digitsBegin)) {
    n.exponent = std::min(kSaturated, n.exponent * 10 + static_cast<std::uint64_t>(ch - '0'));
  }
  return true;
}

/// The value is below zero: a minus sign and a digit other than 0 in the integer part or in the
/// decimal digits up to a second separator. So "-0,5" is negative and "-0" is not.
bool IsBelowZero(const Number& n) {
  if (n.sign != '-') return false;
  const std::size_t afterFirst =
      n.separator == std::string_view::npos ? n.mantissa.size() : n.separator + 1;
  const std::size_t second = n.mantissa.find_first_of(".,", afterFirst);
  return n.mantissa.substr(0, second).find_first_not_of("0.,") != std::string_view::npos;
}

/// Cuts the integer `digits` (no leading zeros; empty for zero) times 10^`zeros` into triads.
void CutTriads(Conversion& c, std::string_view digits, std::size_t zeros) {
  std::array<char, 3 * 5> padded;  // the number right-aligned, "0" in front and behind
  padded.fill('0');
  std::memcpy(padded.data() + padded.size() - zeros - digits.size(), digits.data(), digits.size());
  const std::size_t length = std::max<std::size_t>(1, digits.size() + zeros);
  c.GroupCount = static_cast<int>((length + 2) / 3);
  for (std::size_t k = 0; k < static_cast<std::size_t>(c.GroupCount); ++k) {
    std::memcpy(c.Triads[k].data(), padded.data() + padded.size() - 3 * (k + 1), 3);
  }
}

}  // namespace

Verdict ReadInput(Conversion& c) {
  Number n;
  if (!ParseNumber(TrimBlanks(c.InputText), n)) return Verdict::NotANumber;
  if (n.hasExponent && n.separator != std::string_view::npos) {
    return Verdict::Unsupported;  // 1,5e3 would need its digits moved across the separator
  }
  c.IsNegative = IsBelowZero(n);

  std::string_view integer = n.mantissa;
  c.SeparatorPos = 0;
  if (const std::size_t sep = n.separator; sep != std::string_view::npos) {
    integer = n.mantissa.substr(0, sep);
    c.DecimalPart = n.mantissa.substr(sep + 1, kDecimalDigitsUsed);
    if (!std::all_of(c.DecimalPart.begin(), c.DecimalPart.end(), IsDigit)) {
      return Verdict::Unsupported;  // "1.2.3" would use "2.3"
    }
    if (!c.DecimalPart.empty()) c.SeparatorPos = sep + 1;  // "5." has no decimal part
  }

  integer.remove_prefix(std::min(integer.find_first_not_of('0'), integer.size()));
  std::size_t zeros = 0;
  if (!integer.empty() && n.exponentNegative) {
    // A whole value only: the exponent may remove trailing zeros, nothing else.
    if (n.exponent >= integer.size()) return Verdict::Unsupported;
    const std::size_t cut = integer.size() - static_cast<std::size_t>(n.exponent);
    if (integer.find_first_not_of('0', cut) != std::string_view::npos) return Verdict::Unsupported;
    integer = integer.substr(0, cut);
  } else if (!integer.empty()) {
    zeros = static_cast<std::size_t>(n.exponent);
  }
  if (integer.size() + zeros > kMaxIntegerDigits) return Verdict::TooLarge;

  CutTriads(c, integer, zeros);
  return Verdict::Accepted;
}

}  // namespace uslova
