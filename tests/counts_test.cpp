// counts_test.cpp: a number as a count of a noun: the form after each count, the feminine
// numerals of the last group alone, decimals for "odsto" only, and nouns of one's own.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uslova/converter.h"

namespace uslova {
namespace {

using Unit = Options::Unit;

std::string Counted(std::string_view number, Options options) {
  options.spacing = Options::Spacing::Tidy;
  std::string words;
  return SpellInto(number, options, words) == Verdict::Accepted ? words : "!";
}

/// The form of a noun after `count` by its last two digits, as grammars state the rule.
std::size_t FormAfter(unsigned long long count) {
  const auto lastTwo = static_cast<unsigned>(count % 100), last = static_cast<unsigned>(count % 10);
  if (lastTwo >= 11 && lastTwo <= 19) return 2;
  if (last == 1) return 0;
  return last >= 2 && last <= 4 ? 1 : 2;
}

// Every unit, and a noun of one's own of each gender, after counts whose last two digits take
// every value, in every group: the words are the number's own, with "jedna" and "dve" in the
// last group for a feminine noun, then the noun's form for the count.
TEST(Counts, EveryFormAndGender) {
  OwnNoun stan, kuca;
  ASSERT_EQ(ReadOwnNoun("stan,stana,stanova:m", stan), "");
  ASSERT_EQ(ReadOwnNoun("kuća,kuće,kuća:ž", kuca), "");
  std::vector<Options> units;
  for (std::size_t row = 1; row <= std::size(kCountedUnits); ++row) {
    Options o;
    o.unit = static_cast<Unit>(row);
    o.script = Options::Script::Latin;
    units.push_back(o);
  }
  for (const OwnNoun* own : {&stan, &kuca}) {
    Options o;
    o.unit = Unit::Own;
    o.ownNoun = own;
    o.script = Options::Script::Latin;
    units.push_back(o);
  }
  for (const Options& options : units) {
    const bool own = options.unit == Unit::Own;
    const Noun noun = own ? Noun{} : kCountedUnits[static_cast<std::size_t>(options.unit) - 1].noun;
    const bool feminine = own ? options.ownNoun->feminine : noun.feminine;
    for (unsigned long long count :
         {0ULL,    1ULL,    2ULL,     4ULL,       5ULL,          10ULL,
          11ULL,   12ULL,   14ULL,    19ULL,      20ULL,         21ULL,
          22ULL,   25ULL,   101ULL,   111ULL,     112ULL,        1000ULL,
          1001ULL, 2002ULL, 21021ULL, 1000000ULL, 2000000002ULL, 999999999999999ULL}) {
      const std::string number = std::to_string(count);
      const std::string words = Counted(number, options);
      const std::size_t form = FormAfter(count);
      const std::string_view expected =
          own ? options.ownNoun->form(form) : std::array{noun.one, noun.few, noun.many}[form];
      SCOPED_TRACE(words);
      ASSERT_TRUE(words.ends_with(" " + std::string(expected)));
      // The numerals: the plain number's words, the last group feminine for a feminine noun.
      Options plain;
      plain.script = Options::Script::Latin;
      std::string numerals = Counted(number, plain);
      const auto lastTwo = static_cast<unsigned>(count % 100);
      if (feminine && lastTwo % 10 <= 2 && lastTwo % 10 >= 1 && lastTwo / 10 != 1) {
        const std::string masculine = lastTwo % 10 == 1 ? "jedan" : "dva";
        numerals.replace(numerals.rfind(masculine), masculine.size(),
                         lastTwo % 10 == 1 ? "jedna" : "dve");
      }
      EXPECT_EQ(words, numerals + " " + std::string(expected));
    }
  }
}

// Decimals, signs and the style options with a count.
TEST(Counts, DecimalsSignsAndStyles) {
  OwnNoun kuca;
  ASSERT_EQ(ReadOwnNoun("kuća,kuće,kuća:ž", kuca), "");
  const auto with = [&](Unit unit, Options::Script script = Options::Script::Ascii,
                        Options::LetterCase letterCase = Options::LetterCase::Lower,
                        Options::Spacing spacing = Options::Spacing::Exact) {
    Options o;
    o.unit = unit;
    o.ownNoun = &kuca;
    o.script = script;
    o.letterCase = letterCase;
    o.spacing = spacing;
    return o;
  };
  constexpr auto kOdsto = [] {  // by its name: a new unit may come after it
    std::size_t row = 0;
    while (kCountedUnits[row].name != "odsto") ++row;
    return static_cast<Unit>(row + 1);
  }();
  constexpr auto kDan = static_cast<Unit>(1);
  const struct {
    const char* number;
    Options options;
    const char* words;  // "!" for a rejection
  } cases[] = {
      {"5,5", with(kOdsto), "pet zapeta pet odsto"},
      {"0,05", with(kOdsto), "nula zapeta nula pet odsto"},
      {"-2,125", with(kOdsto), "minus dva zapeta stotinu dvadeset pet odsto"},
      {"1,0001", with(kOdsto), "!"},
      {"1,5", with(kDan), "!"},
      {"1,0", with(kDan), "!"},
      {"1,5", with(Unit::Own), "!"},
      {"-3", with(kDan), "minus tri dana"},
      {"21", with(Unit::Own, Options::Script::Cyrillic, Options::LetterCase::Upper),
       "ДВАДЕСЕТ ЈЕДНА КУЋА"},
      {"0", with(Unit::Own, Options::Script::Latin, Options::LetterCase::First), "Nula kuća"},
      {"2",
       with(Unit::Own, Options::Script::Ascii, Options::LetterCase::Lower,
            Options::Spacing::Joined),
       "dvekuce"},
  };
  for (const auto& c : cases) {
    std::string words;
    const Verdict verdict = SpellInto(c.number, c.options, words);
    EXPECT_EQ(verdict == Verdict::Accepted ? words : "!", c.words) << c.number;
  }
  std::string words;
  EXPECT_EQ(SpellInto("1,5", with(kDan), words), Verdict::NotWhole);
  Options amountCount = with(kDan);
  amountCount.currency = Options::Currency::RSD;
  EXPECT_EQ(SpellInto("1", amountCount, words), Verdict::BadOptions);
}

// A noun of one's own: three forms, then its gender; anything else is refused with a reason.
TEST(Counts, NounsOfOnesOwn) {
  const struct {
    const char* text;
    bool read;
  } nouns[] = {
      {"stan,stana,stanova:m", true},
      {"kuća,kuće,kuća:ž", true},
      {"kuća,kuće,kuća:z", true},
      {"ljudi,ljudi,ljudi:f", true},
      {"kvadratni metar,kvadratna metra,kvadratnih metara:m", true},
      {"stan,stana,abcdefghijklmnoprstuvzabcdefghijk:m", false},  // more than 30 letters
      {"stan,stana,abcdefghijklmno prstuvzabcdefgh:m", true},     // 30, and a blank
      {"stan,stana,a b c d e f g h i j k l m n o p r s t u v z a b c d e f g h:m", true},
      {"stan,stana,abcdefghijklmno prstuvzabcdefghi:m", false},
      {"radni dan,radna dana,radnih dana:m", true},
      {"stan,stana:m", false},
      {"stan,stana,stanova,x:m", false},
      {"stan,stana,stanova", false},
      {"stan,stana,stanova:x", false},
      {"stan,stana,stanova:sn", false},
      {"stan,stana,stanova:", false},
      {"Stan,stana,stanova:m", false},
      {"stan,,stanova:m", false},
      {"stan, stana,stanova:m", false},
      {"stan,stana,stan1:m", false},
      {"квадрат,квадрата,квадрата:m", false},
      {"", false},
      {":m", false},
  };
  for (const auto& [text, read] : nouns) {
    OwnNoun noun;
    EXPECT_EQ(ReadOwnNoun(text, noun).empty(), read) << text;
  }
  OwnNoun ljudi;
  ASSERT_EQ(ReadOwnNoun("ljudi,ljudi,ljudi:f", ljudi), "");
  Options o;
  o.unit = Options::Unit::Own;
  o.ownNoun = &ljudi;
  o.script = Options::Script::Cyrillic;
  EXPECT_EQ(Counted("2", o), "две људи");  // lj is one letter in Cyrillic
}

}  // namespace
}  // namespace uslova

namespace uslova {
namespace {

/// `words` with its first `from` replaced by `to`, or unchanged.
std::string Replaced(std::string words, std::string_view from, std::string_view to) {
  if (const std::size_t at = words.find(from); at != std::string::npos)
    words.replace(at, from.size(), to);
  return words;
}

// The genitive and the accusative, as contracts write them, for counts whose last two digits
// take every value, in every group, before a masculine and a feminine noun (the unit in the
// units group, the scale noun above it), and a neuter one of one's own: only a numeral ending
// in one (not eleven) and the word it counts change. In the genitive "jedan" and "jedno" are
// "jednog", "jedna" "jedne", and the word takes its form after two; in the accusative "jedna"
// is "jednu", a noun in -a ends in -u, and a masculine or neuter one stays.
TEST(Counts, GenitiveAndAccusativeChangeOnlyAOne) {
  using Inflection = Options::Inflection;
  OwnNoun neuter;
  ASSERT_TRUE(ReadOwnNoun("odeljenje,odeljenja,odeljenja:s", neuter).empty());
  for (const Unit unit : {Unit{1}, Unit{4}, Unit::Own}) {  // dan, godina, odeljenje
    for (int group = 1; group <= 5; ++group) {
      const std::string zeros(3 * static_cast<std::size_t>(group - 1), '0');
      Options options;
      options.unit = unit;
      options.ownNoun = &neuter;
      // The counted word after one and after two, from the nominative.
      const std::string one = Counted("1" + zeros, options), two = Counted("2" + zeros, options);
      const std::string oneNumeral = one.substr(0, one.find(' '));
      const std::string noun = one.substr(
          oneNumeral.size() + 1, one.find(' ', oneNumeral.size() + 1) - oneNumeral.size() - 1);
      const std::size_t twoNoun = two.find(' ') + 1;
      const std::string genitiveNoun = two.substr(twoNoun, two.find(' ', twoNoun) - twoNoun);
      const bool feminine = oneNumeral == "jedna";
      ASSERT_TRUE(feminine || oneNumeral == "jedan" || oneNumeral == "jedno") << one;
      for (int lastTwo = 0; lastTwo < 100; ++lastTwo) {
        const std::string number = std::to_string(100 + lastTwo) + zeros;
        const std::string nominative = Counted(number, options);
        SCOPED_TRACE(nominative);
        const bool afterOne = lastTwo % 10 == 1 && lastTwo != 11;
        const std::string counted = oneNumeral + " " + noun;
        std::string accusativeNoun = noun;
        if (feminine && noun.ends_with('a')) accusativeNoun.back() = 'u';
        options.inflection = Inflection::Genitive;
        EXPECT_EQ(Counted(number, options),
                  afterOne ? Replaced(nominative, counted,
                                      (feminine ? "jedne " : "jednog ") + genitiveNoun)
                           : nominative);
        options.inflection = Inflection::Accusative;
        EXPECT_EQ(Counted(number, options),
                  afterOne ? Replaced(nominative, counted,
                                      (feminine ? "jednu " : oneNumeral + " ") + accusativeNoun)
                           : nominative);
        options.inflection = Inflection::Nominative;
      }
    }
  }
}

}  // namespace
}  // namespace uslova
