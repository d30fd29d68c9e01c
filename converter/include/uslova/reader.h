// reader.h: reads a typed number a piece at a time, in bounded memory, whatever its length.
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

/// The bytes of the longest mark of any currency, its code or a sign.
constexpr std::size_t LongestMark() {
  std::size_t longest = 0;
  for (std::size_t i = 0; i < std::size(kCurrencies); ++i) {
    longest = std::max(longest, kCurrencies[i].code.size());
    for (std::size_t j = 0; j < kCurrencies[i].signs.size(); ++j)
      longest = std::max(longest, kCurrencies[i].signs[j].size());
  }
  return longest;
}

/// Reads a typed number as NumberReader does and, with a currency, an amount as it is written:
/// the currency's code or sign (its row of kCurrencies) before or after the number, with or
/// without a blank ("2.500,00 RSD", "€15", "US$ 5"), and a negative amount in brackets or with
/// a trailing minus ("(1.234,56)", "1.234,56-"). One mark at most, and one sign: "--5",
/// "(-5)", "5--" and "RSD 5 RSD" are no number, and so is another currency's code, so that an
/// amount is never spelled as the wrong currency. Blanks around the number, its mark and its
/// brackets count for nothing, however many there are, as fixed-width exports pad amounts.
/// Without a currency it is a NumberReader.
/// It keeps a few dozen bytes more: the text before the first digit while it may hold a mark,
/// and the last bytes, which the end of the text may show to be one; a run of blanks is held
/// as two of them at most, which is all that either reader makes of it.
class AmountReader {
 public:
  explicit AmountReader(Options::Decimal decimal = Options::Decimal::Auto,
                        Options::Currency currency = Options::Currency::None)
      : number_(decimal), decimal_(decimal), currency_(currency) {}

  /// `text` begins and ends with its number: nothing stands around it, and NumberReader
  /// reads it as this would.
  static constexpr bool bare(std::string_view text) {
    const auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    return !text.empty() && digit(text.back()) &&
           (digit(text.front()) || text.front() == '-' || text.front() == '+');
  }

  /// Reads a whole text, e.g. "(2.500,00 RSD)" with RSD gives -2500.
  [[nodiscard]] static Verdict read(std::string_view text, Number& number,
                                    Options::Decimal decimal = Options::Decimal::Auto,
                                    Options::Currency currency = Options::Currency::None);

  /// Starts a new text with the same choices: cheaper than a new reader, as the bytes it
  /// held are not copied.
  void restart() {
    number_ = NumberReader(decimal_);
    started_ = opened_ = leadMark_ = runWide_ = false;
    heldSize_ = runBlanks_ = wideBytes_ = 0;
  }

  /// Reads the next bytes of the text.
  void feed(std::string_view bytes) {
    if (currency_ == Options::Currency::None) return number_.feed(bytes);
    for (char ch : bytes)
      take(ch);
  }
  /// The text so far can only be rejected as "nije broj", whatever follows.
  bool failed() const { return number_.failed(); }
  /// The verdict on the text fed so far; `number` is set when it is Verdict::Accepted.
  Verdict finish(Number& number) const;

 private:
  // What either end of a text may hold around its number, blank runs held as two blanks of up
  // to three bytes each: blanks, "(", ")" or "-", blanks, the longest mark, blanks.
  static constexpr std::size_t kKeep = 3 * 2 * 3 + 1 + LongestMark();
  static constexpr std::size_t kHeld = 2 * kKeep;  // a full buffer keeps its last kKeep bytes
  static_assert(kHeld <= UINT8_MAX, "heldSize_ counts the bytes held");
  void take(char ch);
  void blank(std::size_t size, bool wide);
  void put(char ch);
  void start();

  NumberReader number_;
  Options::Decimal decimal_;
  Options::Currency currency_;
  bool started_ = false;   // a digit came: the text before it is read
  bool opened_ = false;    // it held "(", and
  bool leadMark_ = false;  // a mark
  // Before a digit, the text so far; after one, its last bytes. Only [0, heldSize_) is read.
  std::array<char, kHeld> held_;
  std::uint8_t heldSize_ = 0;
  std::uint8_t runBlanks_ = 0;  // blanks at the end of held_, up to 2
  bool runWide_ = false;        // one of them is U+00A0 or U+202F
  std::uint8_t wideBytes_ = 0;  // the bytes of a wide blank held so far at its end, and
  char wideKind_ = 0;           // which one: 'n' (U+00A0) or 'N' (U+202F)
};

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

/// Reads a whole text at once, as an AmountReader fed with it would: AmountReader::read. A
/// plain number, the common case, goes straight to NumberReader::read.
[[nodiscard]] inline Verdict ReadNumber(std::string_view text, Number& number,
                                        Options::Decimal decimal = Options::Decimal::Auto,
                                        Options::Currency currency = Options::Currency::None) {
  if (currency == Options::Currency::None || AmountReader::bare(text)) {
    return NumberReader::read(text, number, decimal);
  }
  return AmountReader::read(text, number, decimal, currency);
}

/// The verdict to show for `text`, which ReadNumber refused with `verdict` as an amount in
/// `currency`: Verdict::OtherCurrency where another currency's code or sign marks it and that
/// currency would read it ("15.000,00 EUR" in dinars); else `verdict`. For the path of a
/// refusal: it reads the text once for each other currency.
[[nodiscard]] Verdict WhyRefused(std::string_view text, Verdict verdict, Options::Decimal decimal,
                                 Options::Currency currency);

/// The reading of "." and "," that takes `text`, which ReadNumber refused with `verdict`, as a
/// whole amount where its one kind of separator groups thousands: Options::Decimal::Comma for
/// "15.000" in dinars, Point for "15,000". Options::Decimal::Auto where there is none, for
/// any other text, verdict or reading.
[[nodiscard]] Options::Decimal DecimalThatReads(std::string_view text, Verdict verdict,
                                                Options::Decimal decimal,
                                                Options::Currency currency);

}  // namespace uslova
