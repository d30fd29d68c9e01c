// words.h: the second stage: a Number and the options into the word model, the words in
// order as rows of one table of every word, each typed once in Latin with diacritics. Each
// grammar rule has one place
// here: the forms after a count, the feminine numerals, "hiljadu", "nula", "minus", the
// decimals of each reading, and the amounts.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "uslova/options.h"
#include "uslova/reader.h"
#include "uslova/verdict.h"

namespace uslova {

/// How a word stands in the window's exact text.
enum class ExactShape : std::uint8_t {
  Leading,  // after a blank of its own: " pet"
  Bare,     // without a blank: "minus", as the next word brings one
  Around,   // between two blanks: " zapeta "
  Silent,   // a blank only: a tens digit 0, and a zero that the window leaves without a word
};

/// A word in Latin with diacritics, from which the compiler writes the other scripts (render.h);
/// `finalU` writes its last letter, an "a", as "u": the accusative of a feminine noun in -a.
struct WordRow {
  std::string_view latin;
  ExactShape exact = ExactShape::Leading;
  bool finalU = false;
};

// Every word the converter writes, by its row in kWords. Rows indexed by a digit come in tens.
inline constexpr std::uint8_t kBlank = 0;     // the blank of a tens digit 0: " "
inline constexpr std::uint8_t kZero = 1;      // "nula"; in the window's text a blank only
inline constexpr std::uint8_t kMinus = 2;     // "minus"
inline constexpr std::uint8_t kPoint = 3;     // " zapeta "
inline constexpr std::uint8_t kAnd = 4;       // "i", before the hundredths of an amount
inline constexpr std::uint8_t kDigits = 5;    // the hundredths in digits: "50"
inline constexpr std::uint8_t kFraction = 6;  // the hundredths as a fraction: "50/100"
inline constexpr std::uint8_t kFeminineOne = 7;
inline constexpr std::uint8_t kFeminineTwo = 8;
inline constexpr std::uint8_t kUnits = 9;      // + digit: "jedan" to "devet"
inline constexpr std::uint8_t kTeens = 19;     // + unit digit: "deset" to "devetnaest"
inline constexpr std::uint8_t kTens = 29;      // + tens digit: "dvadeset" to "devedeset"
inline constexpr std::uint8_t kHundreds = 39;  // + hundreds digit: "stotinu" to "devet stotina"
inline constexpr std::uint8_t kShortHundreds = 49;          // + hundreds digit: "sto" to "devetsto"
inline constexpr std::uint8_t kThousandShort = 59;          // "hiljadu"
inline constexpr std::uint8_t kOneGenitive = 60;            // "jednog", of jedan and jedno
inline constexpr std::uint8_t kFeminineOneGenitive = 61;    // "jedne"
inline constexpr std::uint8_t kFeminineOneAccusative = 62;  // "jednu"
inline constexpr std::uint8_t kNeuterOne = 63;              // "jedno"
inline constexpr std::uint8_t kNounWords = 64;              // the forms of the nouns of kNouns

inline constexpr std::array<WordRow, kNounWords> kNumberWords{{
    {"", ExactShape::Silent},
    {"nula", ExactShape::Silent},
    {"minus", ExactShape::Bare},
    {"zapeta", ExactShape::Around},
    {"i"},
    {""},
    {""},
    {"jedna"},
    {"dve"},
    // units
    {""},
    {"jedan"},
    {"dva"},
    {"tri"},
    {"četiri"},
    {"pet"},
    {"šest"},
    {"sedam"},
    {"osam"},
    {"devet"},
    // teens
    {"deset"},
    {"jedanaest"},
    {"dvanaest"},
    {"trinaest"},
    {"četrnaest"},
    {"petnaest"},
    {"šesnaest"},
    {"sedamnaest"},
    {"osamnaest"},
    {"devetnaest"},
    // tens, from 2
    {""},
    {""},
    {"dvadeset"},
    {"trideset"},
    {"četrdeset"},
    {"pedeset"},
    {"šezdeset"},
    {"sedamdeset"},
    {"osamdeset"},
    {"devedeset"},
    // hundreds, from 1: one word each, written with its blank when the spacing has blanks
    {""},
    {"stotinu"},
    {"dve stotine"},
    {"tri stotine"},
    {"četiri stotine"},
    {"pet stotina"},
    {"šest stotina"},
    {"sedam stotina"},
    {"osam stotina"},
    {"devet stotina"},
    // short hundreds, from 1
    {""},
    {"sto"},
    {"dvesta"},
    {"trista"},
    {"četiristo"},
    {"petsto"},
    {"šeststo"},
    {"sedamsto"},
    {"osamsto"},
    {"devetsto"},
    {"hiljadu"},
    {"jednog"},
    {"jedne"},
    {"jednu"},
    {"jedno"},
}};

/// A noun that follows a count, by its name: a scale noun by its word, a currency's unit and
/// hundredth by the currency's code.
struct NamedNoun {
  std::string_view name;
  bool hundredth;  ///< a currency's hundredth: para, cent
  Noun noun;
};

/// Every noun: the scales of groups 2 to 5, each currency's unit and hundredth, then the units
/// of counts.
inline constexpr auto kNouns = [] {
  std::array<NamedNoun, 4 + 2 * std::size(kCurrencies) + std::size(kCountedUnits)> nouns{{
      {"hiljada", false, {"hiljada", "hiljade", "hiljada", true}},
      {"milion", false, {"milion", "miliona", "miliona", false}},
      {"milijarda", false, {"milijarda", "milijarde", "milijardi", true}},
      {"bilion", false, {"bilion", "biliona", "biliona", false}},
  }};
  std::size_t i = 4;
  for (const CurrencyUnits& currency : kCurrencies) {
    nouns[i++] = {currency.code, false, currency.major};
    nouns[i++] = {currency.code, true, currency.minor};
  }
  for (const CountedUnit& unit : kCountedUnits)
    nouns[i++] = {unit.name, false, unit.noun};
  return nouns;
}();

/// The rows of each noun in kWords: after one, after two to four (also the genitive singular:
/// "hiljade", "dinara"), after any other count, and the accusative singular.
inline constexpr std::uint8_t kNounForms = 4;
inline constexpr std::uint8_t kGenitiveForm = 1;
inline constexpr std::uint8_t kAccusativeForm = 3;

inline constexpr std::size_t kWordCount = kNounWords + kNounForms * kNouns.size();
static_assert(kWordCount <= 256, "a word's row is a byte");

/// Whether a feminine noun's accusative ends in -u: its form after one ends in -a.
constexpr bool FinalU(std::string_view one, bool feminine) {
  return feminine && one.ends_with('a');
}

/// All the words: the number words, then the forms of each noun.
inline constexpr std::array<WordRow, kWordCount> kWords = [] {
  std::array<WordRow, kWordCount> rows{};
  std::size_t i = 0;
  for (const WordRow& row : kNumberWords)
    rows[i++] = row;
  for (const NamedNoun& named : kNouns) {
    const Noun& noun = named.noun;
    for (const std::string_view form : {noun.one, noun.few, noun.many})
      rows[i++] = {form};
    rows[i++] = {noun.one, ExactShape::Leading, FinalU(noun.one, noun.feminine)};
  }
  return rows;
}();

/// A noun as the row of its first form in kWords, and its gender.
struct NounRows {
  std::uint8_t one;
  bool feminine;
};

constexpr NounRows NounNamed(std::string_view name, bool hundredth = false) {
  for (std::size_t i = 0; i < kNouns.size(); ++i) {
    if (kNouns[i].name == name && kNouns[i].hundredth == hundredth)
      return {static_cast<std::uint8_t>(kNounWords + kNounForms * i), kNouns[i].noun.feminine};
  }
  throw "no noun of that name";
}

/// The scale nouns of groups 2 to 5.
inline constexpr std::array<NounRows, 4> kScales{NounNamed("hiljada"), NounNamed("milion"),
                                                 NounNamed("milijarda"), NounNamed("bilion")};

/// Each unit of counts, in the order of Options::Unit from 1.
inline constexpr auto kUnitNouns = [] {
  std::array<NounRows, std::size(kCountedUnits)> nouns{};
  for (std::size_t i = 0; i < nouns.size(); ++i)
    nouns[i] = NounNamed(kCountedUnits[i].name);
  return nouns;
}();

/// Each currency's unit and hundredth, in the order of Options::Currency from 1.
inline constexpr auto kCurrencyNouns = [] {
  std::array<std::array<NounRows, 2>, std::size(kCurrencies)> nouns{};
  for (std::size_t i = 0; i < nouns.size(); ++i)
    nouns[i] = {NounNamed(kCurrencies[i].code), NounNamed(kCurrencies[i].code, true)};
  return nouns;
}();

struct Word {
  std::uint8_t row;
  std::uint8_t value;  // the hundredths of kDigits and kFraction
};

/// A number's words in order: at most a minus, five groups of four words, and a decimal part
/// or the units and hundredths of an amount, and the noun of a count.
class Words {
 public:
  static constexpr std::size_t kCapacity = 30;

  constexpr void push(std::uint8_t row, std::uint8_t value = 0) { words_[size_++] = {row, value}; }
  /// Appends the first `count` of `words`, copying all of them: a fixed-size copy is cheaper
  /// than one of varying length, and the capacity leaves room behind the last group.
  template <std::size_t N>
  constexpr void append(const std::array<Word, N>& words, std::size_t count) {
    for (std::size_t i = 0; i < N; ++i)
      words_[size_ + i] = words[i];
    size_ += count;
  }
  constexpr const Word* begin() const { return words_.data(); }
  constexpr const Word* end() const { return words_.data() + size_; }
  constexpr Word* begin() { return words_.data(); }
  constexpr Word* end() { return words_.data() + size_; }
  constexpr std::size_t size() const { return size_; }
  constexpr void clear() { size_ = 0; }

  // The model as the target of BuildWords' steps, as a writer of the words is too: a word, the
  // groups of a number's integer (AppendIntegerGroup's words for each), and the words that steps
  // of several words and their changes are written into.
  constexpr void put(std::uint8_t row) { push(row); }
  void putGroups(const Number& number, Options::Forms forms, Options::Inflection inflection);
  constexpr Words& words() { return *this; }

 private:
  std::array<Word, kCapacity> words_{};  // only [0, size_) is ever read
  std::size_t size_ = 0;
};

/// The row of a noun's form after a count whose last two digits are `tens` and `units`: after
/// one (1, 21, 101, not 11), after two to four (2, 22, not 12 to 14), and after any other
/// count, e.g. "hiljade" after 22 thousands, "hiljada" after 12.
constexpr std::uint8_t FormAfter(NounRows noun, unsigned tens, unsigned units) {
  if (tens == 1) return static_cast<std::uint8_t>(noun.one + 2);  // the teens
  if (units == 1) return noun.one;
  return static_cast<std::uint8_t>(noun.one + (units >= 2 && units <= 4 ? 1 : 2));
}

/// Appends the numerals of `triad` (0 to 999) for a count of a noun of the given gender, e.g.
/// 101 appends "stotinu", the blank of the tens digit 0, and "jedan"; before a feminine noun
/// "stotinu jedna", without the blank.
constexpr void SpellTriad(Words& words, unsigned triad, bool feminine, Options::Forms forms) {
  const unsigned hundreds = triad / 100, tens = triad / 10 % 10, units = triad % 10;
  if (hundreds != 0) {
    const std::uint8_t first = forms == Options::Forms::Short ? kShortHundreds : kHundreds;
    words.push(static_cast<std::uint8_t>(first + hundreds));
  }
  if (tens == 1) {  // a teen replaces both the tens and the unit word
    words.push(static_cast<std::uint8_t>(kTeens + units));
    return;
  }
  if (feminine && (units == 1 || units == 2)) {
    if (tens != 0) words.push(static_cast<std::uint8_t>(kTens + tens));
    words.push(units == 1 ? kFeminineOne : kFeminineTwo);
    return;
  }
  words.push(tens == 0 ? kBlank : static_cast<std::uint8_t>(kTens + tens));
  if (units != 0) words.push(static_cast<std::uint8_t>(kUnits + units));
}

/// Appends the words of group `group` (1 for the units, 2 for the thousands, up to 5 for the
/// billions) with the digits `triad`: the numerals and the scale noun in the form the count
/// takes. A group 0 above the units adds nothing; a thousands group of exactly one in short
/// forms is "hiljadu".
constexpr void SpellGroup(Words& words, int group, unsigned triad, Options::Forms forms) {
  if (group == 1) return SpellTriad(words, triad, false, forms);
  if (triad == 0) return;
  if (group == 2 && forms == Options::Forms::Short && triad == 1) {
    words.push(kThousandShort);
    return;
  }
  const NounRows scale = kScales[static_cast<std::size_t>(group) - 2];
  SpellTriad(words, triad, scale.feminine, forms);
  words.push(FormAfter(scale, triad / 10 % 10, triad % 10));
}

/// The words of one group for one triad, as SpellGroup gives them: at most three numerals and
/// a scale noun. Kept for every triad of every group, so that a conversion copies them.
struct GroupWords {
  std::array<Word, 4> words{};
  std::uint8_t size = 0;
};

/// The cached words of `triad` in `group` and `forms`, the same as SpellGroup's.
const GroupWords& CachedGroup(int group, unsigned triad, Options::Forms forms);

/// Appends the words of group `group` with the digits `triad` as a number's integer has them in
/// `inflection`: SpellGroup's, of which a numeral ending in "jedan" or "jedna" (1, 21, ..., 991,
/// not 11) and its noun take the case.
void AppendIntegerGroup(Words& words, int group, unsigned triad, Options::Forms forms,
                        Options::Inflection inflection);

/// The digits of group `group` of `number` as a value, 1 for the units.
constexpr unsigned TriadOf(const Number& number, int group) {
  const char* digits = number.integer.data() + Number::kMaxDigits - 3 * group;
  return static_cast<unsigned>((digits[0] - '0') * 100 + (digits[1] - '0') * 10 + digits[2] - '0');
}

/// Appends the words that follow an amount's integer with a currency's noun written: the noun
/// in the case of `options`, and the hundredths as they say; nothing where the noun is left out.
void AppendAmountWords(const Number& number, const Options& options, Words& words);

/// The words of `number` as `options` say: "minus", the groups, and the decimals or, with a
/// currency, the units and hundredths. Spacing::Exact means the window's reading of decimals;
/// the caller settles what an amount's or the short forms' exact spacing means first. With a
/// unit, the count's noun is the last word, but for a noun of one's own, whose words are the
/// caller's: OwnForm says which of its forms follows. Gives Verdict::TooManyDecimals for an amount
/// with more than two decimal digits, Verdict::NotWhole for a count with decimals of a unit that
/// takes none, and Verdict::MoreThanThreeDecimals for a number in any other reading with more than
/// three.
Verdict BuildWords(const Number& number, const Options& options, Words& words);

/// Which form of a noun follows the integer part of `number`: 0 after one, 1 after two to
/// four, 2 after any other count.
constexpr std::size_t OwnForm(const Number& number) {
  const unsigned units = TriadOf(number, 1);
  return FormAfter({0, false}, units / 10 % 10, units % 10);
}

}  // namespace uslova
