// dates.cpp: dates read and written in words. Every word of a date is spelled in every script
// and case by the compiler, as the converter's own words are; the year's words but the last are
// the converter's short forms, so writing a date is copying slots.
// SPDX-License-Identifier: MIT
#include "uslova/dates.h"

#include <array>
#include <charconv>

#include "letters.h"
#include "render.h"

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

/// Takes a "." and the blanks after it, if any, as the orthography writes "9. 12. 2026.".
bool TakeDot(std::string_view& text) {
  if (text.empty() || text.front() != '.') return false;
  std::size_t taken = 1;
  while (taken < text.size() && (text[taken] == ' ' || text[taken] == '\t'))
    ++taken;
  text.remove_prefix(taken);
  return true;
}

// The words of dates, in Latin with diacritics, by their place in kDateWords: a day's masculine
// ordinal and a year's last word as a feminine one, both in the genitive, and the months; then
// the day's ordinal and the month in the nominative.
constexpr std::size_t kDay = 0;                    // + day of 1 to 19: "prvog" to "devetnaestog"
constexpr std::size_t kDayTens = kDay + 20;        // + tens digit 2 or 3: "dvadesetog"
constexpr std::size_t kMonth = kDayTens + 4;       // + month from 1: "januara" to "decembra"
constexpr std::size_t kYearUnit = kMonth + 13;     // + 1 to 19: "prve" to "devetnaeste"
constexpr std::size_t kYearTens = kYearUnit + 20;  // + tens digit: "dvadesete"
constexpr std::size_t kYearHundreds = kYearTens + 10;       // + hundreds digit: "stote"
constexpr std::size_t kYearThousands = kYearHundreds + 10;  // + thousands: "dvehiljadite"
constexpr std::size_t kGodine = kYearThousands + 10;
constexpr std::size_t kNominative = kGodine + 1;  // + the place of the genitive: "prvi", "januar"
constexpr std::array<std::string_view, kNominative + kYearUnit> kDateWords{
    "", "prvog", "drugog", "trećeg", "četvrtog", "petog", "šestog", "sedmog", "osmog", "devetog",
    "desetog", "jedanaestog", "dvanaestog", "trinaestog", "četrnaestog", "petnaestog", "šesnaestog",
    "sedamnaestog", "osamnaestog", "devetnaestog",
    // the tens of days
    "", "", "dvadesetog", "tridesetog",
    // the months
    "", "januara", "februara", "marta", "aprila", "maja", "juna", "jula", "avgusta", "septembra",
    "oktobra", "novembra", "decembra",
    // a year's last word: units and teens
    "", "prve", "druge", "treće", "četvrte", "pete", "šeste", "sedme", "osme", "devete", "desete",
    "jedanaeste", "dvanaeste", "trinaeste", "četrnaeste", "petnaeste", "šesnaeste", "sedamnaeste",
    "osamnaeste", "devetnaeste",
    // tens
    "", "", "dvadesete", "tridesete", "četrdesete", "pedesete", "šezdesete", "sedamdesete",
    "osamdesete", "devedesete",
    // hundreds, as the short forms say them: "dvesta", "dvestote"
    "", "stote", "dvestote", "tristote", "četiristote", "petstote", "šeststote", "sedamstote",
    "osamstote", "devetstote",
    // whole thousands, one word
    "", "hiljadite", "dvehiljadite", "trohiljadite", "četvorohiljadite", "petohiljadite",
    "šestohiljadite", "sedmohiljadite", "osmohiljadite", "devetohiljadite",
    //
    "godine",
    // the nominative of the days and the months
    "", "prvi", "drugi", "treći", "četvrti", "peti", "šesti", "sedmi", "osmi", "deveti", "deseti",
    "jedanaesti", "dvanaesti", "trinaesti", "četrnaesti", "petnaesti", "šesnaesti", "sedamnaesti",
    "osamnaesti", "devetnaesti",
    //
    "", "", "dvadeseti", "trideseti",
    //
    "", "januar", "februar", "mart", "april", "maj", "jun", "jul", "avgust", "septembar", "oktobar",
    "novembar", "decembar"};

/// kDateSpelled[script][variant][word]: the words of dates in every script and case.
constexpr auto kDateSpelled = [] {
  std::array<std::array<std::array<Slot, kDateWords.size()>, 3>, 3> spelled{};
  for (std::size_t script = 0; script < 3; ++script) {
    for (std::size_t word = 0; word < kDateWords.size(); ++word) {
      std::array<char, 64> written{};
      const std::size_t size = letters::Transcribe(
          kDateWords[word], static_cast<Options::Script>(script), written.data(), written.size());
      if (size > sizeof(Slot::text)) throw "a date's word does not fit a slot";
      for (std::size_t variant = 0; variant < 3; ++variant) {
        spelled[script][variant][word] =
            detail::Spell({written.data(), size}, static_cast<Variant>(variant), false);
      }
    }
  }
  return spelled;
}();

/// The place in kDateWords of the feminine ordinal of the cardinal word in `row` of kWords, the
/// last word of a year that is not whole thousands.
std::size_t YearOrdinal(std::uint8_t row) {
  if (row >= kShortHundreds) return kYearHundreds + (row - kShortHundreds);
  if (row >= kTens) return kYearTens + (row - kTens);
  if (row >= kTeens) return kYearUnit + 10 + (row - kTeens);
  return kYearUnit + (row - kUnits);
}

/// Writes a date's words one blank apart, the first in the first variant and the rest in the
/// second: each word a whole slot, so that `out` has room for one past the last.
class DateWriter {
 public:
  DateWriter(Options::Script script, Options::LetterCase letterCase, char* out)
      : script_(static_cast<std::size_t>(script)),
        variant_(letterCase == Options::LetterCase::Upper ? kUpper : kLower),
        first_(letterCase == Options::LetterCase::Lower ? kLower : variant_),
        begin_(out),
        out_(out) {
    if (letterCase == Options::LetterCase::First) first_ = kCapitalized;
  }
  void date(std::size_t word) { put(kDateSpelled[script_][variant()][word]); }
  void number(std::uint8_t row) { put(kSpelled[script_][0][variant()][row]); }
  std::string_view text() const {
    return {begin_, static_cast<std::size_t>(out_ - begin_ - 1)};  // without the last blank
  }

 private:
  Variant variant() const { return out_ == begin_ ? first_ : variant_; }
  void put(const Slot& slot) {
    if (slot.size == 0) return;  // the blank of a tens digit 0
    CopySlot(out_, slot);
    out_ += slot.size;
    *out_++ = ' ';
  }
  std::size_t script_;
  Variant variant_, first_;
  char* begin_;
  char* out_;
};

}  // namespace

bool ReadDate(std::string_view text, Date& date) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
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
    if (!TakeDot(rest) || (read.month = TakeNumber(rest, 2)) < 0 || !TakeDot(rest)) {
      return false;
    }
    // Four digits, as "9.12.26" would be the year 26 and not 2026.
    const std::size_t digits = rest.size() - (rest.ends_with('.') ? 1 : 0);
    read.year = digits == 4 ? TakeNumber(rest, 4) : -1;
    Take(rest, '.');
  }
  if (!rest.empty() || read.year < 1 || read.month < 1 || read.month > 12 || read.day < 1 ||
      read.day > DaysIn(read.month, read.year)) {
    return false;
  }
  date = read;
  return true;
}

namespace {

/// DateWords in one case: the day's and the month's words are the genitive's, or the
/// nominative's after them; a case of its own, so that the genitive's places stay constants.
template <std::size_t cased>
std::string_view WriteDate(const Date& date, DateWriter& writer) {
  const auto day = static_cast<std::size_t>(date.day);
  if (day < 20) {
    writer.date(cased + kDay + day);
  } else if (day % 10 == 0) {
    writer.date(cased + kDayTens + day / 10);
  } else {
    writer.number(static_cast<std::uint8_t>(kTens + day / 10));
    writer.date(cased + kDay + day % 10);
  }
  writer.date(cased + kMonth + static_cast<std::size_t>(date.month));
  if (date.year % 1000 == 0) {
    writer.date(kYearThousands + static_cast<std::size_t>(date.year / 1000));
  } else {
    // The cardinal in the short forms, whose last word with letters becomes the ordinal.
    Number number;
    number.integerDigits = date.year < 10 ? 1 : date.year < 100 ? 2 : date.year < 1000 ? 3 : 4;
    for (int at = Number::kMaxDigits - 1, rest = date.year; rest != 0; --at, rest /= 10)
      number.integer[static_cast<std::size_t>(at)] = static_cast<char>('0' + rest % 10);
    Options shortForms;
    shortForms.spacing = Options::Spacing::Tidy;
    shortForms.forms = Options::Forms::Short;
    Words words;
    (void)BuildWords(number, shortForms, words);  // a year of 1 to 9999 is always spelled
    const Word* last = words.end() - 1;
    while (last->row == kBlank)
      --last;
    for (const Word* word = words.begin(); word != last; ++word)
      writer.number(word->row);
    writer.date(YearOrdinal(last->row));
  }
  writer.date(kGodine);
  return writer.text();
}

}  // namespace

std::string_view DateWords(const Date& date, Options::Script script, Options::LetterCase letterCase,
                           Options::Inflection inflection, DateBuffer& buffer) {
  DateWriter writer(script, letterCase, buffer.data());
  return inflection == Options::Inflection::Genitive ? WriteDate<0>(date, writer)
                                                     : WriteDate<kNominative>(date, writer);
}

std::string DateWords(const Date& date, Options::Script script, Options::LetterCase letterCase,
                      Options::Inflection inflection) {
  DateBuffer buffer;
  return std::string(DateWords(date, script, letterCase, inflection, buffer));
}

}  // namespace uslova
