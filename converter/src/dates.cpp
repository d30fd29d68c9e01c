// dates.cpp: dates read and written in words. The words are made in Latin with diacritics, the
// year's from the converter's own short forms, and then written in the script and case asked.
// SPDX-License-Identifier: MIT
#include "uslova/dates.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <utility>

#include "render.h"
#include "uslova/converter.h"

namespace uslova {
namespace {

constexpr bool Leap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysIn(int month, int year) {
  constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && Leap(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

/// The number of 1 to `most` digits at the start of `text`, taken from it; -1 for none or more.
int TakeNumber(std::string_view& text, std::size_t most) {
  std::size_t length = 0;
  while (length < text.size() && text[length] >= '0' && text[length] <= '9')
    ++length;
  int value = 0;
  if (length == 0 || length > most) return -1;
  std::from_chars(text.data(), text.data() + length, value);
  text.remove_prefix(length);
  return value;
}

bool Take(std::string_view& text, char ch) {
  if (text.empty() || text.front() != ch) return false;
  text.remove_prefix(1);
  return true;
}

// The ordinals of 1 to 19, masculine and feminine in the genitive, by their stems.
constexpr std::array<std::string_view, 20> kOrdinalStems{
    "",          "prv",      "drug",     "treć",       "četvrt",    "pet",       "šest",
    "sedm",      "osm",      "devet",    "deset",      "jedanaest", "dvanaest",  "trinaest",
    "četrnaest", "petnaest", "šesnaest", "sedamnaest", "osamnaest", "devetnaest"};
constexpr std::array<std::string_view, 4> kTens{"", "", "dvadeset", "trideset"};
constexpr std::array<std::string_view, 12> kMonths{"januara",   "februara", "marta",    "aprila",
                                                   "maja",      "juna",     "jula",     "avgusta",
                                                   "septembra", "oktobra",  "novembra", "decembra"};
// The ordinal of a whole number of thousands, one word: "dvehiljadite".
constexpr std::array<std::string_view, 10> kThousandths{"",
                                                        "hiljadit",
                                                        "dvehiljadit",
                                                        "trohiljadit",
                                                        "četvorohiljadit",
                                                        "petohiljadit",
                                                        "šesthiljadit",
                                                        "sedmohiljadit",
                                                        "osmohiljadit",
                                                        "devetohiljadit"};

/// A masculine ordinal in the genitive, of 1 to 31: "devetog", "dvadeset prvog".
std::string DayOrdinal(int day) {
  const auto stem = [](int n) { return std::string(kOrdinalStems[static_cast<std::size_t>(n)]); };
  const auto genitive = [](std::string word) {
    return word + (word.ends_with("ć") ? "eg" : "og");  // "trećeg", as a soft stem takes
  };
  if (day < 20) return genitive(stem(day));
  const std::string tens(kTens[static_cast<std::size_t>(day / 10)]);
  return day % 10 == 0 ? genitive(tens) : tens + " " + genitive(stem(day % 10));
}

/// The last word of a year's cardinal, made a feminine ordinal in the genitive: "šest" gives
/// "šeste", "devetsto" "devetstote", "dvadeset" "dvadesete".
std::string YearOrdinal(std::string_view word) {
  constexpr std::array<std::string_view, 10> kUnits{"",    "jedan", "dva",   "tri",  "četiri",
                                                    "pet", "šest",  "sedam", "osam", "devet"};
  for (std::size_t n = 1; n < kUnits.size(); ++n) {
    if (word == kUnits[n]) return std::string(kOrdinalStems[n]) + "e";
  }
  std::string ordinal(word);
  if (word.ends_with("sta")) ordinal.back() = 'o';  // "dvesta", "trista": "dvestote"
  // The hundreds, "sto" to "devetsto", take "te"; "deset" to "devetnaest" and the tens "e".
  return ordinal + (ordinal.ends_with("sto") ? "te" : "e");
}

/// The year in words, its last word a feminine ordinal in the genitive.
std::string YearWords(int year) {
  if (year % 1000 == 0)
    return std::string(kThousandths[static_cast<std::size_t>(year / 1000)]) + "e";
  std::array<char, 8> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), year).ptr;
  Number number;
  std::string cardinal;
  const Options shortForms{Options::Script::Latin,     Options::Spacing::Tidy,
                           Options::LetterCase::Lower, Options::Currency::None,
                           Options::Minor::Words,      Options::Forms::Short};
  if (ReadNumber({digits.data(), static_cast<std::size_t>(end - digits.data())}, number) !=
          Verdict::Accepted ||
      SpellInto(number, shortForms, cardinal) != Verdict::Accepted) {
    return {};  // a year of 1 to 9999 is always spelled
  }
  const std::size_t last = cardinal.rfind(' ') + 1;  // 0 for a single word
  const std::string_view words(cardinal);
  return std::string(words.data(), last) + YearOrdinal({words.data() + last, words.size() - last});
}

using Letters = std::pair<std::string_view, std::string_view>;

/// `latin` with each of `letters` written as its pair says, the first that fits at each place.
template <std::size_t N>
std::string Transcribed(std::string_view latin, const Letters (&letters)[N]) {
  std::string out;
  for (std::size_t i = 0; i < latin.size();) {
    const std::string_view rest(latin.data() + i, latin.size() - i);
    const auto found = std::find_if(std::begin(letters), std::end(letters),
                                    [&](const Letters& l) { return rest.starts_with(l.first); });
    if (found == std::end(letters)) {
      out += latin[i++];  // a blank, or a letter written the same
    } else {
      out += found->second;
      i += found->first.size();
    }
  }
  return out;
}

// The Cyrillic of our Latin words, "lj" and "nj" one letter each; and the letters without
// diacritics.
constexpr Letters kCyrillic[] = {{"lj", "љ"}, {"nj", "њ"}, {"dž", "џ"}, {"a", "а"}, {"b", "б"},
                                 {"c", "ц"},  {"č", "ч"},  {"ć", "ћ"},  {"d", "д"}, {"đ", "ђ"},
                                 {"e", "е"},  {"f", "ф"},  {"g", "г"},  {"h", "х"}, {"i", "и"},
                                 {"j", "ј"},  {"k", "к"},  {"l", "л"},  {"m", "м"}, {"n", "н"},
                                 {"o", "о"},  {"p", "п"},  {"r", "р"},  {"s", "с"}, {"š", "ш"},
                                 {"t", "т"},  {"u", "у"},  {"v", "в"},  {"z", "з"}, {"ž", "ж"}};
constexpr Letters kAscii[] = {{"č", "c"}, {"ć", "c"}, {"š", "s"}, {"ž", "z"}, {"đ", "dj"}};

/// `words` with the capital of its first letter, or of every letter.
std::string Capitalized(std::string_view words, bool every) {
  std::string out;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const auto byte = static_cast<unsigned char>(words[i]);
    const bool capital = every || i == 0;
    if ((byte & 0xE0) == 0xC0 && i + 1 < words.size()) {  // our letters take one or two bytes
      const auto next = static_cast<unsigned char>(words[i + 1]);
      char32_t letter = static_cast<char32_t>(((byte & 0x1F) << 6) | (next & 0x3F));
      if (capital) letter = detail::Capital(letter);
      out += static_cast<char>(0xC0 | (letter >> 6));
      out += static_cast<char>(0x80 | (letter & 0x3F));
      ++i;
    } else {
      out += static_cast<char>(capital ? detail::Capital(byte) : byte);
    }
  }
  return out;
}

}  // namespace

bool ReadDate(std::string_view text, Date& date) {
  std::string_view rest = text;
  Date read;
  if (text.size() == 10 && text[4] == '-') {  // 2026-12-09
    read.year = TakeNumber(rest, 4);
    if (!Take(rest, '-') || (read.month = TakeNumber(rest, 2)) < 0 || !Take(rest, '-')) {
      return false;
    }
    read.day = TakeNumber(rest, 2);
  } else {  // 9.12.2026.
    read.day = TakeNumber(rest, 2);
    if (!Take(rest, '.') || (read.month = TakeNumber(rest, 2)) < 0 || !Take(rest, '.')) {
      return false;
    }
    read.year = TakeNumber(rest, 4);
    Take(rest, '.');
  }
  if (!rest.empty() || read.year < 1 || read.month < 1 || read.month > 12 || read.day < 1 ||
      read.day > DaysIn(read.month, read.year)) {
    return false;
  }
  date = read;
  return true;
}

std::string DateWords(const Date& date, Options::Script script, Options::LetterCase letterCase) {
  const std::string latin = DayOrdinal(date.day) + " " +
                            std::string(kMonths[static_cast<std::size_t>(date.month - 1)]) + " " +
                            YearWords(date.year) + " godine";
  const std::string written = script == Options::Script::Latin      ? latin
                              : script == Options::Script::Cyrillic ? Transcribed(latin, kCyrillic)
                                                                    : Transcribed(latin, kAscii);
  if (letterCase == Options::LetterCase::Lower) return written;
  return Capitalized(written, letterCase == Options::LetterCase::Upper);
}

}  // namespace uslova
