// converter.h: writes a typed number in Serbian words, as the window's label shows it.
#pragma once

#include <string>
#include <string_view>

namespace uslova {

/// The title of every rejection's message box.
inline constexpr std::string_view kTitle = "Greska";

/// What became of a typed text.
enum class Verdict {
  Accepted,     ///< spelled; the caption holds the words
  NotANumber,   ///< the text does not read as a number
  TooLarge,     ///< the integer part is 10^15 or more
  Unsupported,  ///< a number, but not one that can be spelled digit by digit (1,5e3, 15e-1)
};

/// The message box prompt for a rejection, e.g.
/// "Nemoguce prevesti u slova, jer ulazni parametar nije broj!" for Verdict::NotANumber;
/// empty for Verdict::Accepted.
std::string_view PromptOf(Verdict verdict);

/// Writes the words of `typed` into `caption`, replacing what it held, and returns the verdict.
/// On a rejection `caption` is left as it was. Reusing one `caption` string for many calls
/// converts without allocating once it has grown to the longest caption (under 300 bytes).
/// e.g. "1234" gives " jedna hiljada dve stotine trideset cetiri"; "abc" gives
/// Verdict::NotANumber.
Verdict SpellInto(std::string_view typed, std::string& caption);

/// The text the input box gets back after an accepted conversion: `typed` with its first "."
/// turned into ",", blanks and sign kept, e.g. "-2.25" gives "-2,25".
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
Outcome Convert(std::string_view typed);

}  // namespace uslova
