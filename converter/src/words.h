// words.h: the word tables and the spelling of one three-digit group.
#pragma once

#include <array>
#include <string_view>

#include "conversion.h"

namespace uslova {

using WordTable = std::array<std::string_view, 10>;

// Every word starts with one blank. A tens digit 0 contributes a single blank of its own, so
// "007" reads "  sedam" and "100" reads " stotinu ".
inline constexpr WordTable UnitWords{"",     " jedan", " dva",   " tri",  " cetiri",
                                     " pet", " sest",  " sedam", " osam", " devet"};
inline constexpr WordTable TeenWords{" deset",     " jedanaest", " dvanaest", " trinaest",
                                     " cetrnaest", " petnaest",  " sesnaest", " sedamnaest",
                                     " osamnaest", " devetnaest"};
inline constexpr WordTable TensWords{" ",          " ",         " dvadeset", " trideset",
                                     " cetrdeset", " pedeset",  " sezdeset", " sedamdeset",
                                     " osamdeset", " devedeset"};
inline constexpr WordTable HundredWords{"",
                                        " stotinu",
                                        " dve stotine",
                                        " tri stotine",
                                        " cetiri stotine",
                                        " pet stotina",
                                        " sest stotina",
                                        " sedam stotina",
                                        " osam stotina",
                                        " devet stotina"};

constexpr unsigned DigitValue(char digit) {
  return static_cast<unsigned>(digit - '0');
}

/// The forms of a noun after a count: after one (1, 21, 101, not 11), after two to four (2, 22,
/// not 12 to 14), and after every other count. A feminine noun takes "jedna" and "dve".
struct NounForms {
  std::string_view one, few, many;
  bool feminine;
};

/// The form of `noun` after a count whose last two digits are `tens` and `units`,
/// e.g. " hiljade" after 22 thousands, " hiljada" after 12.
constexpr std::string_view FormAfter(const NounForms& noun, unsigned tens, unsigned units) {
  if (tens == 1) return noun.many;  // the teens
  if (units == 1) return noun.one;
  return units >= 2 && units <= 4 ? noun.few : noun.many;
}

/// Appends the words of `CurrentTriad` to `GroupWords`,
/// e.g. "101" appends " stotinu  jedan" (the tens digit 0 adds one blank).
/// Leaves the value of the third digit in `CurrentDigit`.
constexpr void SpellTriad(Conversion& c) {
  c.CurrentDigit = DigitValue(c.CurrentTriad[0]);
  c.CurrentWord = HundredWords[c.CurrentDigit];
  c.GroupWords.append(c.CurrentWord);

  c.CurrentDigit = DigitValue(c.CurrentTriad[1]);
  if (c.CurrentDigit == 1) {  // a teen replaces both the tens and the unit word
    c.CurrentDigit = DigitValue(c.CurrentTriad[2]);
    c.CurrentWord = TeenWords[c.CurrentDigit];
    c.GroupWords.append(c.CurrentWord);
    return;
  }
  c.CurrentWord = TensWords[c.CurrentDigit];
  c.GroupWords.append(c.CurrentWord);
  c.CurrentDigit = DigitValue(c.CurrentTriad[2]);
  c.CurrentWord = UnitWords[c.CurrentDigit];
  c.GroupWords.append(c.CurrentWord);
}

}  // namespace uslova
