// dates.h: a date in words, as contracts and notarial documents write it, in the genitive:
// "devetog decembra dve hiljade dvadeset šeste godine".
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
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

/// The option families that a date takes, by their names: the script, the letter case and the
/// inflection, the genitive by default, or the nominative for headings.
inline constexpr std::array<std::string_view, 3> kDateOptions{"script", "case", "inflection"};

/// Reads "9.12.2026", "09.12.2026." or "9. 12. 2026." (a day, a month and a year of four digits
/// apart by dots, each maybe followed by blanks, as the orthography writes them; leading zeros
/// and a last dot allowed) or "2026-12-09", blanks around it allowed; true, with `date` set, for
/// a date that exists.
bool ReadDate(std::string_view text, Date& date);

/// The words of `date`, one blank apart: the day a masculine ordinal, the month's name, and the
/// year in the short forms with its last word a feminine ordinal, all in the genitive, then
/// "godine", e.g. 9.12.2026 gives "devetog decembra dve hiljade dvadeset šeste godine" in
/// Latin, and 1.1.2000 "prvog januara dvehiljadite godine". With `inflection` other than the
/// genitive, the day and the month are in the nominative (which is the accusative of both) and
/// the year stays with "godine": "deveti decembar dve hiljade dvadeset šeste godine".
/// Room for the words of any date in any script and case, with some to spare for fast copies.
using DateBuffer = std::array<char, 384>;

/// As below, writing into a buffer of the caller's and returning the words, somewhere in it;
/// it never allocates.
std::string_view DateWords(const Date& date, Options::Script script, Options::LetterCase letterCase,
                           Options::Inflection inflection, DateBuffer& buffer);

std::string DateWords(const Date& date, Options::Script script, Options::LetterCase letterCase,
                      Options::Inflection inflection = Options::Inflection::Genitive);

}  // namespace uslova
