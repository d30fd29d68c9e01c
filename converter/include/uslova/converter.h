// converter.h: writes a typed number in Serbian words, as the window's label shows it.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "uslova/option_names.h"  // the option tables, which C++ callers had from here before
#include "uslova/options.h"
#include "uslova/reader.h"
#include "uslova/sentences.h"
#include "uslova/verdict.h"
#include "uslova/window_pieces.h"

namespace uslova {

/// Writes the words of `typed` into `caption`, replacing what it held, and returns the verdict.
/// On a rejection `caption` is left as it was. Reusing one `caption` string for many calls
/// converts without allocating once it has grown to the longest caption (under 300 bytes).
/// e.g. "1234" gives " jedna hiljada dve stotine trideset cetiri"; "abc" gives
/// Verdict::NotANumber.
[[nodiscard]] Verdict SpellInto(std::string_view typed, std::string& caption);

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

/// Room for the words of any number in any style, with some to spare for fast copies.
using WordsBuffer = std::array<char, 1280>;

/// As above, writing into a buffer of the caller's: `words` is set to the words, somewhere in
/// `buffer`. For callers that keep their own buffers, such as the command line and the C
/// interface; it allocates nothing, but for the first number of a style, whose groups' words
/// it then writes out and keeps (a few hundred KB, for at most eight styles).
[[nodiscard]] Verdict SpellInto(const Number& number, const Options& options, WordsBuffer& buffer,
                                std::string_view& words);

/// SpellInto for options that a caller checked and settled once for many numbers:
/// OptionsProblem found nothing in them as given, and Settled settled them. The words are
/// written into the sizeof(WordsBuffer) bytes at `out`, where `words` is set to them.
[[nodiscard]] Verdict SpellSettled(const Number& number, const Options& settled, char* out,
                                   std::string_view& words);

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
