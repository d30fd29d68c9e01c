// dates.h: a date in words, as contracts and notarial documents write it, in the genitive:
// "devetog decembra dve hiljade dvadeset šeste godine". Not installed yet: the command line is
// its one front so far.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "uslova/options.h"

namespace uslova {

/// A day of the Gregorian calendar, years 1 to 9999.
struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
};

/// Reads "9.12.2026", "09.12.2026." (a day, a month and a year apart by dots, leading zeros and
/// a last dot allowed) or "2026-12-09"; true, with `date` set, for a date that exists.
bool ReadDate(std::string_view text, Date& date);

/// The words of `date`, one blank apart: the day a masculine ordinal, the month's name, and the
/// year in the short forms with its last word a feminine ordinal, all in the genitive, then
/// "godine", e.g. 9.12.2026 gives "devetog decembra dve hiljade dvadeset šeste godine" in
/// Latin, and 1.1.2000 "prvog januara dvehiljadite godine".
std::string DateWords(const Date& date, Options::Script script, Options::LetterCase letterCase);

}  // namespace uslova
