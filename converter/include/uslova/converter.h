// converter.h: writes a typed number in Serbian words, as the window's label shows it.
#pragma once

#include <string>
#include <string_view>

#include "uslova/reader.h"
#include "uslova/verdict.h"

namespace uslova {

/// Writes the words of `typed` into `caption`, replacing what it held, and returns the verdict.
/// On a rejection `caption` is left as it was. Reusing one `caption` string for many calls
/// converts without allocating once it has grown to the longest caption (under 300 bytes).
/// e.g. "1234" gives " jedna hiljada dve stotine trideset cetiri"; "abc" gives
/// Verdict::NotANumber.
[[nodiscard]] Verdict SpellInto(std::string_view typed, std::string& caption);

/// How the words are written. The defaults give the window's text, blanks and all.
struct Options {
  enum class Script {
    Ascii,     ///< Latin letters without diacritics: "cetiri", "sest"
    Latin,     ///< Latin with diacritics: "četiri", "šest", "četrdeset", "šezdeset"
    Cyrillic,  ///< Serbian Cyrillic: "четири", "шест", "хиљада"
  };
  enum class Spacing {
    Exact,   ///< every blank of the window's text: "  dva zapeta  dvadeset pet"
    Tidy,    ///< one blank between words: "dva zapeta dvadeset pet"; a zero reads "nula"
    Joined,  ///< no blanks, as on payment slips: "dvazapetadvadesetpet"; a zero reads "nula"
  };
  enum class LetterCase {
    Lower,  ///< "dva biliona"
    First,  ///< "Dva biliona"
    Upper,  ///< "DVA BILIONA", "ČETIRI", "ЧЕТИРИ"
  };
  enum class Currency {
    None,  ///< a plain number
    RSD,   ///< dinars and para: "dvadeset jedan dinar i pedeset para"
    EUR,   ///< euros and cents: "dva evra i jedan cent"
  };
  enum class Minor {
    Words,     ///< "i pedeset para"
    Digits,    ///< "i 50 para"
    Fraction,  ///< "i 50/100", and "i 00/100" for a whole amount
  };

  Script script = Script::Ascii;
  Spacing spacing = Spacing::Exact;
  LetterCase letterCase = LetterCase::Lower;
  /// An amount has at most two decimal digits (1,5 is one unit and 50 hundredths); more are
  /// rejected with Verdict::TooManyDecimals. The integer part takes the unit's form for its
  /// count ("jedna hiljada dinara", "dva evra"), zero reads "nula dinara", and Spacing::Exact
  /// reads as Spacing::Tidy.
  Currency currency = Currency::None;
  Minor minor = Minor::Words;  ///< how the hundredths of an amount are written

  bool operator==(const Options&) const = default;
};

/// Writes the words of `typed` into `words` as `options` say, replacing what it held, e.g.
/// "2545743675434" with Script::Latin and Spacing::Tidy gives "dva biliona pet stotina
/// četrdeset pet milijardi ... četiri stotine trideset četiri"; "2021,50" with Currency::RSD gives
/// "dve hiljade dvadeset jedan dinar i pedeset para"; "1,01" with Currency::EUR and
/// LetterCase::Upper gives "JEDAN EVRO I JEDAN CENT". On a rejection `words` is left as it was.
/// The output is UTF-8.
[[nodiscard]] Verdict SpellInto(std::string_view typed, const Options& options, std::string& words);

/// Writes the words of a number that a NumberReader accepted, as `options` say; the verdict is
/// Verdict::Accepted, or Verdict::TooManyDecimals for an amount. For texts read in pieces, e.g.
/// a line of input too long to hold.
[[nodiscard]] Verdict SpellInto(const Number& number, const Options& options, std::string& words);

/// The text the input box gets back after an accepted conversion: `typed` with its "." turned
/// into "," when it is the text's only separator, blanks and sign kept, e.g. "-2.25" gives
/// "-2,25"; a number in groups keeps what was typed: "1.234.567,89".
std::string BoxText(std::string_view typed);

/// The whole outcome of one conversion.
struct Outcome {
  Verdict verdict = Verdict::NotANumber;
  std::string caption;  ///< the label's words; empty on a rejection
  std::string text;     ///< what the input box shows afterwards

  bool accepted() const { return verdict == Verdict::Accepted; }
  std::string_view prompt() const { return PromptOf(verdict); }
};

/// Converts one typed text, e.g. Convert("2.25") gives the caption "  dva zapeta  dvadeset pet"
/// and the box text "2,25"; Convert("abc") is rejected and the box keeps "abc".
[[nodiscard]] Outcome Convert(std::string_view typed);

}  // namespace uslova
