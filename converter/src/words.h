// words.h: the word tables, and the word model: a number as a short list of words, each with
// its role, built once and then rendered in any style.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "conversion.h"
#include "uslova/options.h"

namespace uslova {

/// How a word stands in the window's exact text.
enum class ExactShape : std::uint8_t {
  Leading,  // after a blank of its own: " pet"
  Bare,     // without a blank: "minus", as the next word brings one
  Around,   // between two blanks: " zapeta "
  Silent,   // a blank only: a tens digit 0, and a zero that the window leaves without a word
};

struct WordRow {
  Spelling spelling;
  ExactShape exact = ExactShape::Leading;
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
inline constexpr std::uint8_t kShortHundreds = 49;  // + hundreds digit: "sto" to "devetsto"
inline constexpr std::uint8_t kThousandShort = 59;  // "hiljadu"
inline constexpr std::uint8_t kScaleWords = 60;     // the forms of the four scale nouns
inline constexpr std::uint8_t kCurrencyWords = 72;  // six forms for each currency

inline constexpr std::array<WordRow, kCurrencyWords> kNumberWords{{
    {{"", "", ""}, ExactShape::Silent},
    {{"nula", "nula", "нула"}, ExactShape::Silent},
    {{"minus", "minus", "минус"}, ExactShape::Bare},
    {{"zapeta", "zapeta", "запета"}, ExactShape::Around},
    {{"i", "i", "и"}},
    {{"", "", ""}},
    {{"", "", ""}},
    {{"jedna", "jedna", "једна"}},
    {{"dve", "dve", "две"}},
    // units
    {{"", "", ""}},
    {{"jedan", "jedan", "један"}},
    {{"dva", "dva", "два"}},
    {{"tri", "tri", "три"}},
    {{"cetiri", "četiri", "четири"}},
    {{"pet", "pet", "пет"}},
    {{"sest", "šest", "шест"}},
    {{"sedam", "sedam", "седам"}},
    {{"osam", "osam", "осам"}},
    {{"devet", "devet", "девет"}},
    // teens
    {{"deset", "deset", "десет"}},
    {{"jedanaest", "jedanaest", "једанаест"}},
    {{"dvanaest", "dvanaest", "дванаест"}},
    {{"trinaest", "trinaest", "тринаест"}},
    {{"cetrnaest", "četrnaest", "четрнаест"}},
    {{"petnaest", "petnaest", "петнаест"}},
    {{"sesnaest", "šesnaest", "шеснаест"}},
    {{"sedamnaest", "sedamnaest", "седамнаест"}},
    {{"osamnaest", "osamnaest", "осамнаест"}},
    {{"devetnaest", "devetnaest", "деветнаест"}},
    // tens, from 2
    {{"", "", ""}},
    {{"", "", ""}},
    {{"dvadeset", "dvadeset", "двадесет"}},
    {{"trideset", "trideset", "тридесет"}},
    {{"cetrdeset", "četrdeset", "четрдесет"}},
    {{"pedeset", "pedeset", "педесет"}},
    {{"sezdeset", "šezdeset", "шездесет"}},
    {{"sedamdeset", "sedamdeset", "седамдесет"}},
    {{"osamdeset", "osamdeset", "осамдесет"}},
    {{"devedeset", "devedeset", "деведесет"}},
    // hundreds, from 1: one word each, written with its blank when the spacing has blanks
    {{"", "", ""}},
    {{"stotinu", "stotinu", "стотину"}},
    {{"dve stotine", "dve stotine", "две стотине"}},
    {{"tri stotine", "tri stotine", "три стотине"}},
    {{"cetiri stotine", "četiri stotine", "четири стотине"}},
    {{"pet stotina", "pet stotina", "пет стотина"}},
    {{"sest stotina", "šest stotina", "шест стотина"}},
    {{"sedam stotina", "sedam stotina", "седам стотина"}},
    {{"osam stotina", "osam stotina", "осам стотина"}},
    {{"devet stotina", "devet stotina", "девет стотина"}},
    // short hundreds, from 1
    {{"", "", ""}},
    {{"sto", "sto", "сто"}},
    {{"dvesta", "dvesta", "двеста"}},
    {{"trista", "trista", "триста"}},
    {{"cetiristo", "četiristo", "четиристо"}},
    {{"petsto", "petsto", "петсто"}},
    {{"seststo", "šeststo", "шестсто"}},
    {{"sedamsto", "sedamsto", "седамсто"}},
    {{"osamsto", "osamsto", "осамсто"}},
    {{"devetsto", "devetsto", "деветсто"}},
    {{"hiljadu", "hiljadu", "хиљаду"}},
    // the scales: one, few, many
    {{"hiljada", "hiljada", "хиљада"}},
    {{"hiljade", "hiljade", "хиљаде"}},
    {{"hiljada", "hiljada", "хиљада"}},
    {{"milion", "milion", "милион"}},
    {{"miliona", "miliona", "милиона"}},
    {{"miliona", "miliona", "милиона"}},
    {{"milijarda", "milijarda", "милијарда"}},
    {{"milijarde", "milijarde", "милијарде"}},
    {{"milijardi", "milijardi", "милијарди"}},
    {{"bilion", "bilion", "билион"}},
    {{"biliona", "biliona", "билиона"}},
    {{"biliona", "biliona", "билиона"}},
}};

/// A noun by the rows of its three forms.
struct NounWords {
  std::uint8_t one;
  bool feminine;
};

/// The scales of groups 2 to 5: thousands, millions, milliards, billions.
inline constexpr std::array<NounWords, 4> kScales{{{kScaleWords, true},
                                                   {kScaleWords + 3, false},
                                                   {kScaleWords + 6, true},
                                                   {kScaleWords + 9, false}}};

/// The major and minor units of the currency `currency` (1 for the first row).
constexpr NounWords MajorUnit(Options::Currency currency) {
  const auto row = static_cast<std::size_t>(currency) - 1;
  return {static_cast<std::uint8_t>(kCurrencyWords + 6 * row), kCurrencies[row].major.feminine};
}
constexpr NounWords MinorUnit(Options::Currency currency) {
  const auto row = static_cast<std::size_t>(currency) - 1;
  return {static_cast<std::uint8_t>(kCurrencyWords + 6 * row + 3), kCurrencies[row].minor.feminine};
}

inline constexpr std::size_t kWordCount = kCurrencyWords + 6 * std::size(kCurrencies);

/// All the words: the number words, then the forms of each currency's units.
inline constexpr std::array<WordRow, kWordCount> kWords = [] {
  std::array<WordRow, kWordCount> rows{};
  std::size_t i = 0;
  for (const WordRow& row : kNumberWords)
    rows[i++] = row;
  for (const CurrencyUnits& c : kCurrencies) {
    for (const Noun* noun : {&c.major, &c.minor}) {
      rows[i++] = {noun->one};
      rows[i++] = {noun->few};
      rows[i++] = {noun->many};
    }
  }
  return rows;
}();

/// What a word stands for.
enum class Role : std::uint8_t {
  Number,      // a numeral: "dve", "stotine", "sto", "jedanaest"
  Scale,       // a scale noun in the form its count takes: "hiljade", "miliona"
  Zero,        // "nula", or the blank of a tens digit 0
  Minus,       // "minus"
  Point,       // "zapeta"
  Unit,        // the currency's unit in the form its count takes: "dinara"
  And,         // "i"
  Hundredths,  // the amount's hundredths: their numerals, digits or fraction, and their noun
};

struct Word {
  std::uint8_t row;
  Role role;
  std::uint8_t value;  // the hundredths of kDigits and kFraction
};

/// A number's words in order: at most a minus, five groups of four words, and a decimal part
/// or the units and hundredths of an amount.
class Words {
 public:
  static constexpr std::size_t kCapacity = 30;

  constexpr void push(std::uint8_t row, Role role, std::uint8_t value = 0) {
    words_[size_++] = {row, role, value};
  }
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
  constexpr std::size_t size() const { return size_; }

 private:
  std::array<Word, kCapacity> words_;  // only [0, size_) is ever read
  std::size_t size_ = 0;
};

constexpr unsigned DigitValue(char digit) {
  return static_cast<unsigned>(digit - '0');
}

/// The triad is "000": compared by its characters, without a call to memcmp.
constexpr bool IsZero(const Triad& t) {
  return t[0] == '0' && t[1] == '0' && t[2] == '0';
}

/// The row of a noun's form after a count whose last two digits are `tens` and `units`, e.g.
/// "hiljade" after 22 thousands, "hiljada" after 12.
constexpr std::uint8_t FormAfter(NounWords noun, unsigned tens, unsigned units) {
  if (tens == 1) return noun.one + 2;  // the teens
  if (units == 1) return noun.one;
  return static_cast<std::uint8_t>(noun.one + (units >= 2 && units <= 4 ? 1 : 2));
}

/// Appends the numerals of `CurrentTriad` to `GroupWords`, for a count of a noun of the given
/// gender, e.g. "101" appends "stotinu", the blank of the tens digit 0, and "jedan"; before a
/// feminine noun "stotinu jedna", without the blank. Leaves the value of the third digit in
/// `CurrentDigit`.
constexpr void SpellTriad(Conversion& c, Words& GroupWords, bool feminine, Options::Forms forms,
                          Role role = Role::Number) {
  const unsigned hundreds = DigitValue(c.CurrentTriad[0]);
  const unsigned tens = DigitValue(c.CurrentTriad[1]);
  c.CurrentDigit = DigitValue(c.CurrentTriad[2]);
  const auto digit = static_cast<std::uint8_t>(c.CurrentDigit);
  if (hundreds != 0) {
    const std::uint8_t first = forms == Options::Forms::Short ? kShortHundreds : kHundreds;
    GroupWords.push(static_cast<std::uint8_t>(first + hundreds), role);
  }
  if (tens == 1) {  // a teen replaces both the tens and the unit word
    GroupWords.push(static_cast<std::uint8_t>(kTeens + digit), role);
    return;
  }
  if (feminine && (digit == 1 || digit == 2)) {
    if (tens != 0) GroupWords.push(static_cast<std::uint8_t>(kTens + tens), role);
    GroupWords.push(digit == 1 ? kFeminineOne : kFeminineTwo, role);
    return;
  }
  if (tens == 0) {
    GroupWords.push(kBlank, Role::Zero);
  } else {
    GroupWords.push(static_cast<std::uint8_t>(kTens + tens), role);
  }
  if (digit != 0) GroupWords.push(static_cast<std::uint8_t>(kUnits + digit), role);
}

/// Appends the words of group `GroupIndex` (1 for the units, 2 for the thousands, up to 5 for
/// the billions) with `CurrentTriad` as its digits: the numerals and the scale noun in the form
/// that the count takes. A group "000" above the units adds nothing; a thousands group of one
/// in short forms is "hiljadu".
constexpr void SpellGroup(Conversion& c, Words& words, Options::Forms forms) {
  if (c.GroupIndex == 1) return SpellTriad(c, words, false, forms);
  if (IsZero(c.CurrentTriad)) return;
  if (c.GroupIndex == 2 && forms == Options::Forms::Short && c.CurrentTriad[0] == '0' &&
      c.CurrentTriad[1] == '0' && c.CurrentTriad[2] == '1') {
    words.push(kThousandShort, Role::Scale);
    return;
  }
  const NounWords scale = kScales[static_cast<std::size_t>(c.GroupIndex) - 2];
  SpellTriad(c, words, scale.feminine, forms);
  words.push(FormAfter(scale, DigitValue(c.CurrentTriad[1]), c.CurrentDigit), Role::Scale);
}

/// Appends the words of group `group` whose digits are the three of `value`, e.g. group 2 and
/// 21 give "dvadeset", "jedna", "hiljada". For the tables that the compiler builds.
constexpr void SpellGroupOf(int group, unsigned value, Options::Forms forms, Words& words) {
  Conversion c;
  c.GroupIndex = group;
  c.CurrentTriad = {static_cast<char>('0' + value / 100), static_cast<char>('0' + value / 10 % 10),
                    static_cast<char>('0' + value % 10)};
  SpellGroup(c, words, forms);
}

}  // namespace uslova
