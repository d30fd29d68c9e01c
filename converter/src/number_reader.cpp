// number_reader.cpp: the number test and the reading of a typed number, one byte at a time, in
// fixed 64-bit arithmetic whatever the width of size_t. Reading never depends on the process
// locale and never goes through a double, so every digit of the integer part is exact.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstring>

#include "characters.h"
#include "uslova/number_reader.h"

namespace uslova {
namespace {

using namespace characters;

constexpr std::uint64_t kMaxIntegerDigits = Number::kMaxDigits;
// Counts and exponents stop here: far beyond any text, and far below overflow.
constexpr std::uint64_t kSaturated = std::uint64_t{1} << 62;

}  // namespace
// A count of digits in 64 bits does not overflow: that many bytes take centuries to read.
void NumberReader::Integer::push(char digit) {
  pushRun(&digit, &digit + 1);
}

const char* NumberReader::Integer::pushRun(const char* p, const char* end) {
  if (significant == 0) {
    while (p != end && *p == '0')
      ++p;  // leading zeros
  }
  const char* run = p;
  while (p != end && IsDigit(*p))
    ++p;
  // The first fifteen digits are kept; past them only where the last nonzero one is matters.
  const auto count = static_cast<std::size_t>(p - run);
  const std::size_t room = significant < kMaxIntegerDigits
                               ? static_cast<std::size_t>(kMaxIntegerDigits - significant)
                               : 0;
  const std::size_t kept = std::min(count, room);
  for (std::size_t i = 0; i < kept; ++i)
    digits[static_cast<std::size_t>(significant) + i] = run[i];
  for (std::size_t i = kept; i < count; ++i) {
    if (run[i] != '0') lastNonzero = significant + i + 1;
  }
  significant += count;
  return p;
}

std::uint64_t NumberReader::Integer::trailingZeros() const {
  if (lastNonzero > kMaxIntegerDigits) return significant - lastNonzero;
  auto kept = static_cast<std::size_t>(std::min(significant, kMaxIntegerDigits));
  while (kept > 0 && digits[kept - 1] == '0')
    --kept;
  return significant - kept;
}

void NumberReader::feed(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    // The common case, a run of integer digits, in a loop of its own.
    if (phase_ == Phase::Mantissa && separators_ == 0) {
      const char* begin = bytes.data() + i;
      const char* end = integer_.pushRun(begin, bytes.data() + bytes.size());
      run_ = static_cast<std::uint8_t>(std::min<std::ptrdiff_t>(run_ + (end - begin), 4));
      i = static_cast<std::size_t>(end - bytes.data());
      if (i == bytes.size()) return;
    }
    step(bytes[i]);
    if (phase_ == Phase::Failed) return;
  }
}

void NumberReader::step(char ch) {
  switch (phase_) {
    case Phase::Lead:
      if (IsBlank(ch)) return;
      if (ch == '+' || ch == '-') {
        sign_ = ch;
        phase_ = Phase::Sign;
        return;
      }
      [[fallthrough]];
    case Phase::Sign:
      if (IsDigit(ch)) {
        digit(ch);
      } else if (IsSeparator(ch)) {
        leadingSeparator_ = true;
        separators_ = 1;
        groupSeparator_ = lastSeparator_ = ch;
      } else {
        phase_ = Phase::Failed;
        return;
      }
      phase_ = Phase::Mantissa;
      return;
    case Phase::Mantissa:
      if (IsDigit(ch)) return digit(ch);
      if (IsSeparator(ch)) return separator(ch);
      if (ch == 'e' || ch == 'E') {
        // Without a digit there is no mantissa (".e5"); a group of blanks must be whole.
        const bool whole = blank_ == 0 || separators_ > 0 || run_ == 3;
        phase_ = anyDigit_ && whole ? Phase::ExpMark : Phase::Failed;
        exponent_ = true;
        return;
      }
      if (ch == kNoBreakSpace[0] || ch == kNarrowNoBreakSpace[0]) {
        wideBlank_ = ch == kNoBreakSpace[0] ? 'n' : 'N';
        wideByte_ = 1;
        phase_ = Phase::WideBlank;
        return;
      }
      if (!IsBlank(ch)) {
        phase_ = Phase::Failed;
        return;
      }
      phase_ = Phase::Blanks;
      spaces_ = 0;
      tab_ = false;
      [[fallthrough]];
    case Phase::Blanks:
      if (IsBlank(ch)) {
        spaces_ = static_cast<std::uint8_t>(std::min(spaces_ + 1, 2));
        tab_ = tab_ || ch == '\t';
        return;
      }
      // Only one space and a digit make this a blank between groups; otherwise the blanks
      // were to be trailing ones.
      if (IsDigit(ch) && spaces_ == 1 && !tab_ && closeBlankGroup(' ')) return digit(ch);
      phase_ = Phase::Failed;
      return;
    case Phase::WideBlank:
      if (ch != WideBlankBytes(wideBlank_)[wideByte_]) {
        phase_ = Phase::Failed;
      } else if (++wideByte_ == WideBlankBytes(wideBlank_).size()) {
        phase_ = Phase::InnerBlank;
      }
      return;
    case Phase::InnerBlank:
      if (IsDigit(ch) && closeBlankGroup(wideBlank_)) return digit(ch);
      phase_ = Phase::Failed;
      return;
    case Phase::ExpMark:
      if (ch == '+' || ch == '-') {
        exponentNegative_ = ch == '-';
        phase_ = Phase::ExpSign;
        return;
      }
      [[fallthrough]];
    case Phase::ExpSign:
    case Phase::ExpDigits:
      if (IsDigit(ch)) {
        exponentValue_ = exponentValue_ >= kSaturated / 10
                             ? kSaturated
                             : exponentValue_ * 10 + static_cast<unsigned>(ch - '0');
        phase_ = Phase::ExpDigits;
        return;
      }
      phase_ = phase_ == Phase::ExpDigits && IsBlank(ch) ? Phase::Trail : Phase::Failed;
      return;
    case Phase::Trail:
      if (!IsBlank(ch)) phase_ = Phase::Failed;
      return;
    case Phase::Failed:
      return;
  }
}

void NumberReader::digit(char ch) {
  anyDigit_ = true;
  phase_ = Phase::Mantissa;
  if (separators_ == 0) {
    integer_.push(ch);  // the first run, and the runs after blanks, are integer digits
  } else {
    if (run_ < runDigits_.size()) runDigits_[run_] = ch;
    runNonzero_ = runNonzero_ || ch != '0';
  }
  run_ = static_cast<std::uint8_t>(std::min(run_ + 1, 4));
}

/// A "." or "," after a digit: the decimal separator, or one between groups of three digits.
/// What it is shows only at the end; meanwhile the run it closes is checked as a group.
void NumberReader::separator(char ch) {
  // Two in a row ("1..2"), or a second one after ".5", is no number; nor is one after
  // blank groups that already have their decimal separator.
  if (run_ == 0 || leadingSeparator_ || (blank_ != 0 && (separators_ > 0 || run_ != 3))) {
    phase_ = Phase::Failed;
    return;
  }
  if (separators_ == 0) {
    if (blank_ == 0) firstRun_ = run_;
    groupSeparator_ = ch;
  } else {
    // The run since the previous separator lies between two separators: a group.
    groupsBad_ = groupsBad_ || run_ != 3 || lastSeparator_ != groupSeparator_;
    for (char d : runDigits_)
      integer_.push(d);
  }
  lastSeparator_ = ch;
  separators_ = static_cast<std::uint8_t>(std::min(separators_ + 1, 2));
  run_ = 0;
  runNonzero_ = false;
}

/// A blank of `kind` between two digits: it must follow the first group (one to three digits)
/// or a whole group, be of the kind of the blanks before it, and come before any separator.
bool NumberReader::closeBlankGroup(char kind) {
  if (separators_ > 0) return false;
  if (blank_ == 0) {
    if (run_ > 3) return false;
    firstRun_ = run_;
    blank_ = kind;
  } else if (kind != blank_ || run_ != 3) {
    return false;
  }
  run_ = 0;
  return true;
}

/// Adds a last group to `integer`, and applies the exponent: a whole value only, where a
/// negative exponent removes trailing zeros and nothing else.
Verdict NumberReader::adjust(Integer& integer, bool lastRunIsGroup) const {
  if (lastRunIsGroup) {
    for (char d : runDigits_)
      integer.push(d);
  }
  if (!exponent_ || integer.significant == 0) return Verdict::Accepted;
  if (exponentNegative_) {
    if (exponentValue_ >= integer.significant || exponentValue_ > integer.trailingZeros()) {
      return Verdict::Unsupported;
    }
    integer.significant -= exponentValue_;  // the digits cut are zeros
    return Verdict::Accepted;
  }
  if (exponentValue_ > kMaxIntegerDigits) return Verdict::TooLarge;
  const std::uint64_t kept = std::min(integer.significant, kMaxIntegerDigits);
  std::fill_n(integer.digits.begin() + static_cast<std::ptrdiff_t>(kept),
              std::min(exponentValue_, kMaxIntegerDigits - kept), '0');
  integer.significant += exponentValue_;
  return Verdict::Accepted;
}

Verdict NumberReader::finish(Number& number) const {
  const bool complete = phase_ == Phase::Mantissa || phase_ == Phase::Blanks ||
                        phase_ == Phase::ExpDigits || phase_ == Phase::Trail;
  // A number has a digit, and blank groups end with a whole group.
  if (!complete || !anyDigit_ || (blank_ != 0 && separators_ == 0 && run_ != 3)) {
    return Verdict::NotANumber;
  }
  // 1,5e3 would need its digits moved across the separator.
  if (exponent_ && (separators_ > 0 || blank_ != 0)) return Verdict::Unsupported;

  // By default, with two or more separators the first is the group separator, and the last
  // one the decimal separator unless it is a group separator too. A chosen decimal separator
  // makes the other one group, even alone ("15.000"); it may follow no other separator, nor
  // may a group separator follow blank groups.
  bool grouped = separators_ >= 2;
  bool lastRunIsGroup = grouped && lastSeparator_ == groupSeparator_;
  if (decimal_ != Options::Decimal::Auto && separators_ > 0) {
    const char group = decimal_ == Options::Decimal::Comma ? '.' : ',';
    grouped = groupSeparator_ == group;
    if ((!grouped && separators_ >= 2) || (grouped && blank_ != 0)) return Verdict::Unsupported;
    lastRunIsGroup = grouped && lastSeparator_ == group;
  }
  if (grouped && (firstRun_ < 1 || firstRun_ > 3 || groupsBad_ || (lastRunIsGroup && run_ != 3))) {
    return Verdict::Unsupported;
  }
  // The integer as read, or, for a last group or an exponent, a copy made to fit.
  Integer adjusted;
  const Integer* integer = &integer_;
  if (lastRunIsGroup || exponent_) {
    adjusted = integer_;
    if (const Verdict v = adjust(adjusted, lastRunIsGroup); v != Verdict::Accepted) return v;
    integer = &adjusted;
  }
  if (integer->significant > kMaxIntegerDigits) return Verdict::TooLarge;

  const bool decimals = separators_ > 0 && !lastRunIsGroup;
  const auto count = static_cast<std::size_t>(integer->significant);
  number.integerDigits = static_cast<std::uint8_t>(count);
  // Right-aligned by copying a window of fixed size: "0" * 15 followed by the digits.
  std::array<char, 2 * kMaxIntegerDigits> padded;
  padded.fill('0');
  std::memcpy(padded.data() + kMaxIntegerDigits, integer->digits.data(), kMaxIntegerDigits);
  std::memcpy(number.integer.data(), padded.data() + count, kMaxIntegerDigits);
  number.decimalsTyped = decimals ? std::min<std::uint8_t>(run_, 4) : 0;
  number.decimals = runDigits_;
  // The value is below zero: any digit other than 0, also one of the dropped decimals.
  number.negative = sign_ == '-' && (count != 0 || (decimals && runNonzero_));
  return Verdict::Accepted;
}

namespace {

/// Whether each of the bytes of `chunk` is an ASCII digit: its high half 3, and 3 still with 6
/// added, which carries into the next byte only from a byte that is no digit.
constexpr bool AllDigits(std::uint64_t chunk, std::uint64_t ones) {
  const std::uint64_t high = 0xF0 * ones, digits = 0x30 * ones;
  return (((chunk & high) ^ digits) | (((chunk + 0x06 * ones) & high) ^ digits)) == 0;
}

/// A whole number of 1 to 15 digits, the first not 0, as `number`; false for any other text.
/// It is checked and copied as two chunks of 8, 4, 2 or 1 bytes, the first and the last of
/// the text, which overlap when the text is shorter than both: a few moves where a loop of a
/// digit at a time mostly ends where the processor did not guess.
bool ReadDigitsOnly(std::string_view text, Number& number) {
  const std::size_t n = text.size();
  if (n - 1 >= Number::kMaxDigits || text[0] == '0') return false;
  char* const to = number.integer.data() + Number::kMaxDigits - n;
  const auto twoChunks = [&](auto chunk, std::uint64_t ones) {
    decltype(chunk) first, last;
    std::memcpy(&first, text.data(), sizeof chunk);
    std::memcpy(&last, text.data() + n - sizeof chunk, sizeof chunk);
    if (!AllDigits(first, ones) || !AllDigits(last, ones)) return false;
    number.integer.fill('0');
    std::memcpy(to, &first, sizeof chunk);
    std::memcpy(to + n - sizeof chunk, &last, sizeof chunk);
    return true;
  };
  const bool digits = n >= 8   ? twoChunks(std::uint64_t{}, 0x0101010101010101)
                      : n >= 4 ? twoChunks(std::uint32_t{}, 0x01010101)
                      : n >= 2 ? twoChunks(std::uint16_t{}, 0x0101)
                               : twoChunks(std::uint8_t{}, 0x01);
  if (!digits) return false;
  number.integerDigits = static_cast<std::uint8_t>(n);
  number.decimalsTyped = 0;
  number.negative = false;
  return true;
}

}  // namespace

/// The common form, an optional sign and at most fifteen significant digits with at most one
/// decimal separator and its decimal digits, read straight into `number`. Returns false, with
/// nothing decided, for anything else.
bool NumberReader::readPlain(std::string_view text, Number& number, Options::Decimal decimal) {
  const char grouping = decimal == Options::Decimal::Comma   ? '.'
                        : decimal == Options::Decimal::Point ? ','
                                                             : '\0';
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool minus = p != end && *p == '-';
  if (p != end && (*p == '-' || *p == '+')) ++p;
  const char* const digits = p;
  while (p != end && *p == '0')
    ++p;
  const char* const significant = p;
  while (p != end && IsDigit(*p))
    ++p;
  const auto count = static_cast<std::size_t>(p - significant);
  if (p == digits || count > Number::kMaxDigits) return false;
  const char* const integerEnd = p;
  bool nonzeroDecimal = false;
  if (p != end && IsSeparator(*p) && *p != grouping) {
    const char* const decimals = ++p;
    for (; p != end && IsDigit(*p); ++p)
      nonzeroDecimal = nonzeroDecimal || *p != '0';
    const auto typed = static_cast<std::size_t>(p - decimals);
    number.decimalsTyped = static_cast<std::uint8_t>(std::min<std::size_t>(typed, 4));
    std::memcpy(number.decimals.data(), decimals, std::min<std::size_t>(typed, 3));
  } else {
    number.decimalsTyped = 0;
  }
  if (p != end) return false;
  number.integer.fill('0');
  for (std::size_t i = 1; i <= count; ++i)
    number.integer[Number::kMaxDigits - i] = integerEnd[-static_cast<std::ptrdiff_t>(i)];
  number.integerDigits = static_cast<std::uint8_t>(integerEnd - significant);
  number.negative = minus && (count != 0 || nonzeroDecimal);
  return true;
}

Verdict NumberReader::read(std::string_view text, Number& number, Options::Decimal decimal) {
  if (ReadDigitsOnly(text, number) || readPlain(text, number, decimal)) return Verdict::Accepted;
  NumberReader reader(decimal);
  reader.feed(text);
  return reader.finish(number);
}

}  // namespace uslova
