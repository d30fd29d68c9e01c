// words_reader.h: a number in words read back to its digits (words_reader.cpp): every text the
// converter writes, in any script, letter case and spacing, and the forms people type, and no
// text that is not well-formed.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "uslova/number_reader.h"
#include "uslova/options.h"

namespace uslova {

/// The options that reading takes, as the command line names them: how the digits are written,
/// and which nouns are read. Every other option is left as it is.
inline constexpr std::array<std::string_view, 3> kReadOptions{"decimal", "currency", "unit"};

namespace detail {
/// The text of ReadAlone, written by the compiler from kReadOptions.
inline constexpr auto kReadAlone = [] {
  struct {
    std::array<char, 96> text{};
    std::size_t size = 0;
    constexpr void append(std::string_view part) {
      for (char c : part)
        text[size++] = c;
    }
  } said;
  said.append("--read goes with ");
  for (std::size_t i = 0; i < kReadOptions.size(); ++i) {
    said.append(i == 0 ? "" : i + 1 == kReadOptions.size() ? " and " : ", ");
    said.append("--");
    said.append(kReadOptions[i]);
  }
  said.append(" alone");
  return said;
}();
}  // namespace detail

/// Why options other than reading's are refused, in uslova-cli's words: "--read goes with
/// --decimal, --currency and --unit alone".
constexpr std::string_view ReadAlone() {
  return {detail::kReadAlone.text.data(), detail::kReadAlone.size};
}

/// Why words cannot be read back.
enum class ReadProblem : std::uint8_t {
  None,
  NoWords,        ///< blanks alone, or nothing
  TooLong,        ///< more bytes or words than any number's words take
  UnknownWord,    ///< a word that is none of the converter's: "dvanajst", "tisuću"
  MixedScripts,   ///< Latin and Cyrillic letters in one text
  OutOfOrder,     ///< a word where it cannot stand: "dvadeset deset", "sto sto", "i" first
  ScaleOrder,     ///< scale words not from the largest down, each once: "milion milijarda"
  Hundreds,       ///< "dva stotine", "pet stotine": the hundreds' own agreement
  TooSoon,        ///< the words end before the number does: "jedan zapeta", "pet dinara i"
  Disagrees,      ///< the words of a number, but not as it is written: "dva hiljade"
  OtherCurrency,  ///< a noun of another currency than the one asked for
  OtherUnit,      ///< a noun of another unit than the one asked for, or of a currency
};

/// What ReadWords found: the number, and where a problem lies.
struct WordsReading {
  /// The number as the converter's reader would give it for its digits: an amount's
  /// hundredths are its two decimal digits, a plain number's decimals those spelled.
  Number number;
  bool hundredths = false;  ///< an amount whose hundredths are written
  ReadProblem problem = ReadProblem::None;
  std::uint32_t at = 0, size = 0;  ///< the bytes of the text that the problem is about
  /// The options with which the converter writes the words read (tidy, in ASCII), or for
  /// ReadProblem::Disagrees those with which it writes the number as it should be.
  Options written;
};

/// The most bytes of words that are read, once in lower-case ASCII with one blank between each
/// two: far more than any number's words take. Longer words are ReadProblem::TooLong.
inline constexpr std::size_t kMostReadBytes = 512;

/// The most bytes of digits WriteDigits writes: a minus, fifteen digits, a separator and three
/// decimals.
inline constexpr std::size_t kMostReadDigits = 1 + Number::kMaxDigits + 1 + Number::kMostDecimals;

/// Reads `text`, a number in words, into `reading`: "dve hiljade pet stotina" is 2500,
/// "pet dinara i pet para" 5,05 in dinars. Reads any script, letter case and spacing (words
/// joined too), "sto" and "stotinu", "dvesta" and "dve stotine", "hiljadu" and "jedna hiljada",
/// the cases, and an amount's hundredths in words, digits or as a fraction. `options` narrows
/// what is read: a currency refuses another's nouns, a unit of counts, or a noun of one's own,
/// any other noun. Returns ReadProblem::None, or why not. Allocates nothing.
ReadProblem ReadWords(std::string_view text, const Options& options, WordsReading& reading);

/// Writes the number of an accepted `reading` as digits to `out` (kMostReadDigits bytes): a
/// minus, no grouping, and the decimals after a comma, or a point with Options::Decimal::Point.
/// Returns the bytes written.
std::size_t WriteReadDigits(const WordsReading& reading, Options::Decimal decimal, char* out);

/// Writes why `text` could not be read, in English (the command line's), or in Serbian in
/// Latin letters (`serbian`, the page's and Calc's), to `out` (`room` bytes, at most 255 used,
/// with a NUL after), e.g. "'dva' does not agree: 2000 is written 'dve hiljade'", "'dva' se ne
/// slaže: 2000 se piše 'dve hiljade'". Returns the bytes written.
std::size_t WriteReadProblem(std::string_view text, const WordsReading& reading, char* out,
                             std::size_t room, bool serbian = false);

}  // namespace uslova
