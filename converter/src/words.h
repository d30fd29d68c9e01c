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

constexpr unsigned DigitValue(char digit) { return static_cast<unsigned>(digit - '0'); }

/// The forms of a noun after a count: after one (1, 21, 101, not 11), after two to four (2, 22,
/// not 12 to 14), and after every other count. A feminine noun takes "jedna" and "dve".
struct NounForms {
  std::string_view one, few, many;
  bool feminine;
};

/// The form of `noun` after a count whose last two digits are `tens` and `units`,
/// e.g. " hiljade" after 22 thousands, " hiljada" after 12.
std::string_view FormAfter(const NounForms& noun, unsigned tens, unsigned units);

/// Appends the words of `CurrentTriad` to `GroupWords`,
/// e.g. "101" appends " stotinu  jedan" (the tens digit 0 adds one blank).
/// Leaves the value of the third digit in `CurrentDigit`.
void SpellTriad(Conversion& c);

}  // namespace uslova
