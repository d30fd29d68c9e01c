// number_reader.h: a typed number read a piece at a time, in bounded memory, whatever its
// length (number_reader.cpp).
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "uslova/options.h"
#include "uslova/verdict.h"

namespace uslova {

/// What an accepted number holds: all that its words need.
struct Number {
  static constexpr std::size_t kMaxDigits = 15;  ///< up to 999 999 999 999 999
  /// The decimal digits that are spelled: the window's text drops those after them, and
  /// every other style refuses a number that has more.
  static constexpr std::size_t kMostDecimals = 3;
  static constexpr std::size_t kAmountDecimals = 2;  ///< an amount's hundredths

  bool negative = false;  ///< below zero, dropped decimal digits included: "-0,0001"
  /// The integer part's digits right-aligned, "0" in front: "000000000001234" for 1234.
  std::array<char, kMaxDigits> integer{'0', '0', '0', '0', '0', '0', '0', '0',
                                       '0', '0', '0', '0', '0', '0', '0'};
  std::uint8_t integerDigits = 0;  ///< from the first digit that is not 0; 0 for zero
  std::uint8_t decimalsTyped = 0;  ///< decimal digits typed, counted up to 4 ("4" is 4 or more)
  std::array<char, 3> decimals{};  ///< the first decimal digits, min(decimalsTyped, 3) of them

  /// The decimal digits that are spelled: "1,5" gives "5", "1,23456" gives "234", "5," none.
  constexpr std::string_view decimalDigits() const {
    return {decimals.data(), std::min<std::size_t>(decimalsTyped, 3)};
  }
};

/// Reads a typed number. Feed it the text in pieces of any size, then ask for the verdict;
/// it keeps a few dozen bytes whatever the text's length: the first fifteen significant digits,
/// the first three decimal digits and counts.
///
/// A number is an optional sign and digits, with optionally one "." or "," and decimal digits,
/// or an exponent ("1e5"); blanks (space, tab) around it are ignored. A number may also be
/// written in groups of three digits: with "." or "," ("1.234.567", "1.234,56", "1,234.56") or
/// with one kind of blank (space, U+00A0 or U+202F) between the groups ("22 000", "1 234,5").
/// Which of "." and "," is the decimal separator is `decimal`'s choice: by default a lone one,
/// or with Options::Decimal::Comma or Point always the one named, the other grouping.
/// e.g. NumberReader r; r.feed("1.234"); r.feed(".567,8"); r.finish(n) gives 1234567,8.
class NumberReader {
 public:
  explicit NumberReader(Options::Decimal decimal = Options::Decimal::Auto) : decimal_(decimal) {}

  /// Reads a whole text, the common plain form ("-1234,5") straight into `number` and any
  /// other byte by byte, e.g. "1.234,5" gives Verdict::Accepted and 1234 with the decimal
  /// digit "5".
  [[nodiscard]] static Verdict read(std::string_view text, Number& number,
                                    Options::Decimal decimal = Options::Decimal::Auto);

  /// Reads the next bytes of the text.
  void feed(std::string_view bytes);

  /// The text so far can only be rejected as "nije broj", whatever follows: the rest of it
  /// need not be fed.
  bool failed() const { return phase_ == Phase::Failed; }

  /// The verdict on the text fed so far; `number` is set when it is Verdict::Accepted.
  Verdict finish(Number& number) const;

  /// The last byte read is a decimal or group separator: "5," or ".".
  bool separatorLast() const { return phase_ == Phase::Mantissa && run_ == 0 && separators_ > 0; }

  /// The number is negative, as a minus outside it says ("(5)", "5-"): false, and the text is
  /// no number, when it has a sign of its own.
  bool negate() {
    if (sign_ != 0) return false;
    sign_ = '-';
    return true;
  }

 private:
  enum class Phase : std::uint8_t {
    Lead,        // blanks before the number
    Sign,        // after "+" or "-"
    Mantissa,    // after a digit or a separator
    Blanks,      // spaces or tabs after the mantissa: trailing, or one space between groups
    WideBlank,   // inside the UTF-8 bytes of U+00A0 or U+202F
    InnerBlank,  // after U+00A0 or U+202F, which only a group may follow
    ExpMark,     // after "e" or "E"
    ExpSign,     // after the exponent's sign
    ExpDigits,
    Trail,  // blanks after the exponent
    Failed,
  };
  /// The integer part as its digits arrive.
  struct Integer {
    std::array<char, Number::kMaxDigits> digits;  // the first fifteen significant digits
    std::uint64_t significant = 0;                // digits from the first one that is not 0
    std::uint64_t lastNonzero = 0;  // past the first fifteen: where the last nonzero digit is
    void push(char digit);
    /// Pushes the digits at the start of [p, end); returns where they end.
    const char* pushRun(const char* p, const char* end);
    std::uint64_t trailingZeros() const;
  };

  void step(char ch);
  void digit(char ch);
  void separator(char ch);
  bool closeBlankGroup(char kind);
  Verdict adjust(Integer& integer, bool lastRunIsGroup) const;
  static bool readPlain(std::string_view text, Number& number, Options::Decimal decimal);

  Options::Decimal decimal_;
  Phase phase_ = Phase::Lead;
  char sign_ = 0;
  bool leadingSeparator_ = false;  // ".5": no digit before the separator
  bool anyDigit_ = false;
  bool groupsBad_ = false;           // a group of other than three digits, or a decimal separator
                                     // that is not the last separator
  char groupSeparator_ = 0;          // the first "." or ","
  char lastSeparator_ = 0;           // the last one so far
  std::uint8_t separators_ = 0;      // counted up to 2
  std::uint8_t firstRun_ = 0;        // digits before the first separator or blank, up to 4
  std::uint8_t run_ = 0;             // digits since the last separator or blank, up to 4
  std::array<char, 3> runDigits_{};  // the first three digits after the last separator
  bool runNonzero_ = false;          // a digit other than 0 after the last separator
  char blank_ = 0;                   // the blank between groups: ' ', or 'n' (U+00A0), 'N' (U+202F)
  char wideBlank_ = 0;               // which wide blank is being read, and
  std::uint8_t wideByte_ = 0;        // how many of its bytes have come
  std::uint8_t spaces_ = 0;          // in a run of blanks after the mantissa, up to 2
  bool tab_ = false;                 // that run holds a tab
  bool exponent_ = false;
  bool exponentNegative_ = false;
  std::uint64_t exponentValue_ = 0;  // saturated far beyond any length a text can have
  Integer integer_;
};

}  // namespace uslova
