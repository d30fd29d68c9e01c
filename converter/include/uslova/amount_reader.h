// amount_reader.h: an amount as it is written, with its currency's mark and brackets around
// the number, and a refused amount's reason and mend (amount_reader.cpp).
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "uslova/number_reader.h"

namespace uslova {

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
/// `currency`: Verdict::OtherCurrency where another currency's code or sign marks it, which
/// that currency reads as a number, right or not ("15.000,00 EUR" in dinars); else `verdict`. For
/// the path of a refusal: it reads the text once for each other currency.
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
