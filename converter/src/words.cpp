// words.cpp: a number as the word model: the groups from a cache of every triad's words that
// the compiler builds with SpellGroup, the decimals in the reading of each style, and amounts.
// SPDX-License-Identifier: MIT
#include "words.h"

#include "group_texts.h"

#include <algorithm>

namespace uslova {
namespace {

using GroupTable = std::array<GroupWords, 1000>;

/// Built one group and form at a time, to stay within the compiler's step limit.
template <int Group, Options::Forms Forms>
constexpr GroupTable BuildGroupTable() {
  GroupTable table{};
  for (unsigned triad = 0; triad < 1000; ++triad) {
    Words words;
    SpellGroup(words, Group, triad, Forms);
    if (words.size() > table[triad].words.size()) throw "a group has more than four words";
    std::copy(words.begin(), words.end(), table[triad].words.begin());
    table[triad].size = static_cast<std::uint8_t>(words.size());
  }
  return table;
}

template <Options::Forms Forms>
constexpr std::array<GroupTable, 5> kGroupTables{
    BuildGroupTable<1, Forms>(), BuildGroupTable<2, Forms>(), BuildGroupTable<3, Forms>(),
    BuildGroupTable<4, Forms>(), BuildGroupTable<5, Forms>()};

void AppendGroup(Words& words, int group, unsigned triad, Options::Forms forms) {
  const GroupWords& cached = CachedGroup(group, triad, forms);
  words.append(cached.words, cached.size);
}

/// The decimal digits after "zapeta". The window's exact text reads them as one number padded
/// on the left, of which a zero is a blank: "5" and "05" alike are "005". Every other reading
/// takes them as typed: each leading zero is "nula", the rest is spelled as a number.
void DecimalWords(std::string_view digits, bool windowReading, Options::Forms forms, Words& words) {
  std::size_t zeros = 0;
  if (!windowReading) {
    zeros = std::min(digits.find_first_not_of('0'), digits.size());
    for (std::size_t i = 0; i < zeros; ++i)
      words.push(kZero);
    if (zeros == digits.size()) return;
  }
  unsigned value = 0;
  for (char digit : digits.substr(zeros))
    value = value * 10 + static_cast<unsigned>(digit - '0');
  if (value == 0) {
    words.push(kZero);
  } else {
    AppendGroup(words, 1, value, forms);
  }
}

/// The row of each word in the genitive ([0]) and the accusative ([1]): each "jedan", "jedna"
/// and "jedno", which end a numeral, and each noun in its form after one, which only such a
/// numeral (or digits ending in one) counts. Every other word stays as it is: "dve hiljade",
/// "pet dana", "hiljadu".
constexpr auto kInflectedRows = [] {
  std::array<std::array<std::uint8_t, kWordCount>, 2> rows{};
  for (std::size_t accusative = 0; accusative < 2; ++accusative) {
    for (std::size_t row = 0; row < kWordCount; ++row) {
      auto& inflected = rows[accusative][row];
      inflected = static_cast<std::uint8_t>(row);
      if (row >= kNounWords && (row - kNounWords) % kNounForms == 0) {
        inflected = static_cast<std::uint8_t>(row + (accusative ? kAccusativeForm : kGenitiveForm));
      } else if ((row == kUnits + 1 || row == kNeuterOne) && !accusative) {
        inflected = kOneGenitive;  // the accusative of an inanimate noun: jedan, jedno
      } else if (row == kFeminineOne) {
        inflected = accusative ? kFeminineOneAccusative : kFeminineOneGenitive;
      }
    }
  }
  return rows;
}();

/// The units of an amount in the form their count takes, then "i" and the hundredths, in
/// words, digits or as a fraction; a whole amount says nothing of hundredths, unless as a
/// fraction ("i 00/100"). 1,5 is one unit and fifty hundredths.
/// `Inflected`: in the case of the options, where the nouns after one and the hundredths'
/// "jedan" or "jedna" change, a row each looked up without a branch on the digits.
template <bool Inflected>
void AmountWords(const Number& number, const Options& options, Words& words) {
  const auto& [unit, hundredth] = kCurrencyNouns[static_cast<std::size_t>(options.currency) - 1];
  const auto& rows = kInflectedRows[options.inflection == Options::Inflection::Accusative];
  const auto inflect = [&](std::uint8_t row) { return Inflected ? rows[row] : row; };
  const unsigned units = TriadOf(number, 1);
  words.push(inflect(FormAfter(unit, units / 10 % 10, units % 10)));
  const std::string_view typed = number.decimalDigits();
  const unsigned tens = typed.empty() ? 0 : static_cast<unsigned>(typed[0] - '0');
  const unsigned ones = typed.size() < 2 ? 0 : static_cast<unsigned>(typed[1] - '0');
  const auto hundredths = static_cast<std::uint8_t>(tens * 10 + ones);
  if (options.minor == Options::Minor::Fraction) {
    words.push(kAnd);
    words.push(kFraction, hundredths);
    return;
  }
  if (hundredths == 0) return;
  words.push(kAnd);
  if (options.minor == Options::Minor::Digits) {
    words.push(kDigits, hundredths);
  } else {
    SpellTriad(words, hundredths, hundredth.feminine, options.forms);
    Word& last = *(words.end() - 1);
    last.row = inflect(last.row);
  }
  words.push(inflect(FormAfter(hundredth, tens, ones)));
}

/// Puts the words of a nominative in `inflection`, a row for a row.
void Inflect(Words& words, Options::Inflection inflection) {
  const auto& rows = kInflectedRows[inflection == Options::Inflection::Accusative ? 1 : 0];
  for (Word& word : words)
    word.row = rows[word.row];
}

/// AppendIntegerGroup, written into the loop of a number's groups.
[[gnu::always_inline]] inline void IntegerGroup(Words& words, int group, unsigned triad,
                                                Options::Forms forms,
                                                Options::Inflection inflection) {
  Word* const start = words.end();
  AppendGroup(words, group, triad, forms);
  if (inflection != Options::Inflection::Nominative && triad % 10 == 1 && triad / 10 % 10 != 1) {
    const auto& rows = kInflectedRows[inflection == Options::Inflection::Accusative];
    for (Word* word = start; word != words.end(); ++word)
      word->row = rows[word->row];
  }
}

}  // namespace

void AppendAmountWords(const Number& number, const Options& options, Words& words) {
  if (options.noun != Options::NounWord::Written) return;
  if (options.inflection == Options::Inflection::Nominative) {
    AmountWords<false>(number, options, words);
  } else {
    AmountWords<true>(number, options, words);
  }
}

void AppendIntegerGroup(Words& words, int group, unsigned triad, Options::Forms forms,
                        Options::Inflection inflection) {
  IntegerGroup(words, group, triad, forms, inflection);
}

[[gnu::always_inline]] inline void Words::putGroups(const Number& number, Options::Forms forms,
                                                    Options::Inflection inflection) {
  for (int group = (number.integerDigits + 2) / 3; group >= 1; --group)
    IntegerGroup(*this, group, TriadOf(number, group), forms, inflection);
}

const GroupWords& CachedGroup(int group, unsigned triad, Options::Forms forms) {
  const auto& tables = forms == Options::Forms::Short ? kGroupTables<Options::Forms::Short>
                                                      : kGroupTables<Options::Forms::Long>;
  return tables[static_cast<std::size_t>(group) - 1][triad];
}

namespace {

/// The words of a count: the number, its last group agreeing with a feminine noun
/// ("dvadeset jedna godina"), decimals for a unit that takes them, and the noun's form.
[[gnu::noinline]] Verdict CountWords(const Number& number, const Options& options, Words& words) {
  const bool own = options.unit == Options::Unit::Own;
  const std::size_t row = static_cast<std::size_t>(options.unit) - 1;
  const NounRows unit = own ? NounRows{0, options.ownNoun->feminine} : kUnitNouns[row];
  if (number.decimalsTyped != 0 && (own || !kCountedUnits[row].decimals)) {
    return Verdict::NotWhole;
  }
  if (number.decimalsTyped > Number::kMostDecimals) return Verdict::MoreThanThreeDecimals;
  if (number.negative) words.push(kMinus);
  if (number.integerDigits == 0) {
    words.push(kZero);
  } else {
    const int cached = unit.feminine ? 2 : 1;
    for (int group = (number.integerDigits + 2) / 3; group >= cached; --group)
      AppendGroup(words, group, TriadOf(number, group), options.forms);
    if (unit.feminine) SpellTriad(words, TriadOf(number, 1), true, options.forms);
    // A neuter noun of one's own: "jedno" for a last group ending in one, "dva" as masculine.
    Word& last = *(words.end() - 1);
    if (own && options.ownNoun->neuter && last.row == kUnits + 1) last.row = kNeuterOne;
  }
  if (!number.decimalDigits().empty()) {
    words.push(kPoint);
    DecimalWords(number.decimalDigits(), false, options.forms, words);
  }
  const unsigned units = TriadOf(number, 1);
  if (!own && options.noun == Options::NounWord::Written)
    words.push(FormAfter(unit, units / 10 % 10, units % 10));
  if (options.inflection != Options::Inflection::Nominative && number.decimalDigits().empty())
    Inflect(words, options.inflection);
  return Verdict::Accepted;
}

}  // namespace

namespace {

/// The words of a plain number or an amount, in the nominative or (`Inflected`) in another
/// case: only a group whose numeral ends in "jedan" or "jedna" (1, 21, ..., 991, not 11) has
/// words that change, and of an amount's units only the noun and the hundredths' last numeral
/// and noun (AmountWords). Two copies, so that the nominative's has no step of the cases. `out`
/// is the word model, or a writer of the words (GroupTextWriter), which takes the same steps.
template <bool Inflected, typename Out>
[[gnu::noinline]] Verdict NumberWords(const Number& number, const Options& options, Out& out) {
  const bool amount = options.currency != Options::Currency::None;
  const bool windowReading = !amount && options.spacing == Options::Spacing::Exact;
  if (amount && number.decimalsTyped > Number::kAmountDecimals) return Verdict::TooManyDecimals;
  if (!amount && !windowReading && number.decimalsTyped > Number::kMostDecimals) {
    return Verdict::MoreThanThreeDecimals;
  }
  // Spelled decimals keep the nominative, as people read them; an amount's hundredths do not.
  if (Inflected && !amount && !number.decimalDigits().empty())
    return NumberWords<false>(number, options, out);
  // "minus" for a value below zero, which as typed in the styles is one with a digit other
  // than 0; the window also counts the decimals it drops.
  if (number.negative) out.put(kMinus);
  if (number.integerDigits == 0) {
    out.put(kZero);  // the window leaves a blank; the styles read "nula"
  } else {
    out.putGroups(number, options.forms,
                  Inflected ? options.inflection : Options::Inflection::Nominative);
  }
  if (amount) {
    AppendAmountWords(number, options, out.words());
  } else if (!number.decimalDigits().empty()) {
    out.put(kPoint);
    DecimalWords(number.decimalDigits(), windowReading, options.forms, out.words());
  }
  return Verdict::Accepted;
}

}  // namespace

Verdict WriteNumberWords(const Number& number, const Options& options, GroupTextWriter& out) {
  return options.inflection == Options::Inflection::Nominative
             ? NumberWords<false>(number, options, out)
             : NumberWords<true>(number, options, out);
}

Verdict BuildWords(const Number& number, const Options& options, Words& words) {
  if (options.unit != Options::Unit::None) [[unlikely]]
    return CountWords(number, options, words);
  return options.inflection == Options::Inflection::Nominative
             ? NumberWords<false>(number, options, words)
             : NumberWords<true>(number, options, words);
}

}  // namespace uslova
