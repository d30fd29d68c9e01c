// dates_test.cpp: dates read in either form and written in the genitive: the calendar of a leap
// year and another, the ordinals of every hundred and thousand, and every script and case.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "uslova/converter.h"
#include "uslova/dates.h"

namespace uslova {
namespace {

using O = Options;
using S = Options::Script;
using C = Options::LetterCase;

std::string Latin(int day, int month, int year) {
  return DateWords({year, month, day}, S::Latin, C::Lower);
}

// Every day of a leap year and of another reads in both forms, and the day after a month's last
// does not exist; neither do month 13 and day 0.
TEST(Dates, TheCalendar) {
  for (int year : {2023, 2024}) {
    int days = 0;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 32; ++day) {
        Date dotted, iso;
        const bool exists = ReadDate(
            std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year) + ".",
            dotted);
        char text[11];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        EXPECT_EQ(ReadDate(text, iso), exists) << text;
        if (!exists) break;  // the month has ended
        ++days;
        EXPECT_EQ((iso.year == year && iso.month == month && iso.day == day), true) << text;
        EXPECT_EQ((dotted.year == year && dotted.month == month && dotted.day == day), true);
      }
    }
    EXPECT_EQ(days, year == 2024 ? 366 : 365);
  }
  Date date;
  for (const char* refused :
       {"31.4.2026", "29.2.2023", "1.13.2026", "0.1.2026", "1.1.0", "1.1.10000", "2026-1-09",
        "9.12.2026..", "9,12,2026", "", "9.12.26", "9 .12.2026", "9. 12 .2026", "2026- 12-09"}) {
    EXPECT_FALSE(ReadDate(refused, date)) << refused;
  }
  // Blanks after the dots, as the orthography writes a date.
  for (const char* spaced : {"9. 12. 2026.", "9. 12.2026", "09.\t12.  2026."}) {
    ASSERT_TRUE(ReadDate(spaced, date)) << spaced;
    EXPECT_TRUE(date.year == 2026 && date.month == 12 && date.day == 9) << spaced;
  }
}

// A day of tens and units is the tens' word and the units' ordinal, as its month's day of
// units alone says it.
TEST(Dates, DaysOfTensAndUnits) {
  const auto day = [](int d) {
    const std::string words = Latin(d, 1, 2026);
    return words.substr(0, words.find(" januara"));
  };
  EXPECT_EQ(day(3), "trećeg");
  for (int d = 21; d <= 31; ++d) {
    const std::string tens = d < 30 ? "dvadeset" : "trideset";
    EXPECT_EQ(day(d), d % 10 == 0 ? tens + "og" : tens + " " + day(d % 10)) << d;
  }
}

// The year's last word is its ordinal, in every hundred and every thousand, and the words
// before it are the short forms of its cardinal.
TEST(Dates, Years) {
  const struct {
    int year;
    const char* words;
  } years[] = {
      {1999, "hiljadu devetsto devedeset devete"},
      {2000, "dvehiljadite"},
      {1900, "hiljadu devetstote"},
      {2021, "dve hiljade dvadeset prve"},
      {2010, "dve hiljade desete"},
      {1000, "hiljadite"},
      {2100, "dve hiljade stote"},
      {1, "prve"},
      {200, "dvestote"},
      {300, "tristote"},
      {3000, "trohiljadite"},
      {4000, "četvorohiljadite"},
      {6000, "šestohiljadite"},
      {9999, "devet hiljada devetsto devedeset devete"},
      {2026, "dve hiljade dvadeset šeste"},
      {1015, "hiljadu petnaeste"},
  };
  for (const auto& [year, words] : years) {
    EXPECT_EQ(Latin(1, 1, year), std::string("prvog januara ") + words + " godine") << year;
  }
}

// Every year from 1 to 9999: the words before the last are the converter's short forms of its
// cardinal, and the last is an ordinal, which ends every hundred in "stote" and every whole
// thousand in one word.
TEST(Dates, EveryYear) {
  Options shortForms;
  shortForms.script = S::Latin;
  shortForms.spacing = Options::Spacing::Tidy;
  shortForms.forms = Options::Forms::Short;
  for (int year = 1; year <= 9999; ++year) {
    std::string cardinal;
    ASSERT_EQ(SpellInto(std::to_string(year), shortForms, cardinal), Verdict::Accepted);
    std::string words = Latin(1, 1, year);
    ASSERT_TRUE(words.starts_with("prvog januara ") && words.ends_with("e godine")) << year;
    words = words.substr(14, words.size() - 14 - 7);
    const std::size_t last = words.rfind(' ') + 1, lastOfCardinal = cardinal.rfind(' ') + 1;
    if (year % 1000 == 0) {
      EXPECT_TRUE(last == 0 && words.ends_with("hiljadite")) << words;
    } else {
      EXPECT_EQ(words.substr(0, last), cardinal.substr(0, lastOfCardinal)) << year;
      EXPECT_NE(words.substr(last), cardinal.substr(lastOfCardinal)) << year;
      EXPECT_EQ(year % 100 == 0, words.ends_with("stote")) << year;
    }
  }
}

TEST(Dates, ScriptsAndCase) {
  const Date date{2026, 12, 9};
  EXPECT_EQ(DateWords(date, S::Latin, C::Lower),
            "devetog decembra dve hiljade dvadeset šeste godine");
  EXPECT_EQ(DateWords(date, S::Ascii, C::First),
            "Devetog decembra dve hiljade dvadeset seste godine");
  EXPECT_EQ(DateWords(date, S::Cyrillic, C::Lower),
            "деветог децембра две хиљаде двадесет шесте године");
  EXPECT_EQ(DateWords({2000, 3, 3}, S::Cyrillic, C::Upper), "ТРЕЋЕГ МАРТА ДВЕХИЉАДИТЕ ГОДИНЕ");
}

// The nominative of headings: the day and the month; the year stays with "godine".
TEST(Dates, Nominative) {
  const struct {
    Date date;
    std::string_view words;
  } cases[] = {
      {{2026, 12, 9}, "deveti decembar dve hiljade dvadeset šeste godine"},
      {{2000, 1, 1}, "prvi januar dvehiljadite godine"},
      {{2021, 3, 21}, "dvadeset prvi mart dve hiljade dvadeset prve godine"},
      {{1999, 11, 30}, "trideseti novembar hiljadu devetsto devedeset devete godine"},
      {{2024, 2, 3}, "treći februar dve hiljade dvadeset četvrte godine"},
      {{2025, 9, 14}, "četrnaesti septembar dve hiljade dvadeset pete godine"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DateWords(c.date, S::Latin, C::Lower, O::Inflection::Nominative), c.words);
  EXPECT_EQ(DateWords({2026, 10, 20}, S::Cyrillic, C::First, O::Inflection::Nominative),
            "Двадесети октобар две хиљаде двадесет шесте године");
}

}  // namespace
}  // namespace uslova
