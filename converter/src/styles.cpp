// styles.cpp: a number as the word model, and the model written in a script, a spacing and a
// letter case; amounts in a currency.
// SPDX-License-Identifier: MIT
#include <algorithm>

#include "render.h"

namespace uslova {
namespace {

/// The words of one group for one triad, as SpellGroup gives them: at most three numerals and
/// a scale noun.
struct GroupWords {
  std::array<Word, 4> words{};
  std::uint8_t size = 0;
};
using GroupTable = std::array<GroupWords, 1000>;

/// The words of every triad in one group and form, built by the compiler, so that a
/// conversion copies them instead of working them out again.
template <int Group, Options::Forms Forms>
constexpr GroupTable BuildGroupTable() {
  GroupTable table{};
  for (unsigned value = 0; value < 1000; ++value) {
    Words words;
    SpellGroupOf(Group, value, Forms, words);
    if (words.size() > table[value].words.size()) throw "a group has more than four words";
    std::copy(words.begin(), words.end(), table[value].words.begin());
    table[value].size = static_cast<std::uint8_t>(words.size());
  }
  return table;
}

template <Options::Forms Forms>
constexpr std::array<GroupTable, 5> kGroupTables{
    BuildGroupTable<1, Forms>(), BuildGroupTable<2, Forms>(), BuildGroupTable<3, Forms>(),
    BuildGroupTable<4, Forms>(), BuildGroupTable<5, Forms>()};

/// Appends the words of `c.CurrentTriad` in group `c.GroupIndex`, from the tables.
void AppendGroup(const Conversion& c, Options::Forms forms, Words& words) {
  const auto& tables = forms == Options::Forms::Short ? kGroupTables<Options::Forms::Short>
                                                      : kGroupTables<Options::Forms::Long>;
  const Triad& t = c.CurrentTriad;
  const GroupWords& group =
      tables[static_cast<std::size_t>(c.GroupIndex) - 1]
            [DigitValue(t[0]) * 100 + DigitValue(t[1]) * 10 + DigitValue(t[2])];
  words.append(group.words, group.size);
}

/// The units of an amount in the form their count takes, then "i" and the hundredths, in
/// words, digits or as a fraction; a whole amount says nothing of hundredths, unless as a
/// fraction ("i 00/100"). 1,5 is one unit and fifty hundredths.
void AmountWords(Conversion& c, const Options& options, Words& words) {
  const Triad& units = c.Triads[0];
  words.push(FormAfter(MajorUnit(options.currency), DigitValue(units[1]), DigitValue(units[2])),
             Role::Unit);
  const std::string_view typed = c.DecimalPart;
  const char tens = typed.empty() ? '0' : typed[0];
  const char ones = typed.size() < 2 ? '0' : typed[1];
  const auto hundredths = static_cast<std::uint8_t>(DigitValue(tens) * 10 + DigitValue(ones));
  if (options.minor == Options::Minor::Fraction) {
    words.push(kAnd, Role::And);
    words.push(kFraction, Role::Hundredths, hundredths);
    return;
  }
  if (hundredths == 0) return;
  words.push(kAnd, Role::And);
  const NounWords minor = MinorUnit(options.currency);
  if (options.minor == Options::Minor::Digits) {
    words.push(kDigits, Role::Hundredths, hundredths);
  } else {
    c.CurrentTriad = {'0', tens, ones};
    SpellTriad(c, words, minor.feminine, options.forms, Role::Hundredths);
  }
  words.push(FormAfter(minor, DigitValue(tens), DigitValue(ones)), Role::Hundredths);
}

}  // namespace

Verdict BuildWords(Conversion& c, const Options& options, Words& words) {
  const bool amount = options.currency != Options::Currency::None;
  if (amount && c.number.decimalsTyped > 2) return Verdict::TooManyDecimals;
  if (c.IsNegative) words.push(kMinus, Role::Minus);
  if (c.number.integerDigits == 0) {
    words.push(kZero, Role::Zero);  // the window leaves a blank; tidy spacing reads "nula"
  } else {
    for (c.GroupIndex = c.GroupCount; c.GroupIndex >= 1; --c.GroupIndex) {
      c.CurrentTriad = c.Triads[static_cast<std::size_t>(c.GroupIndex) - 1];
      AppendGroup(c, options.forms, words);
    }
  }
  if (amount) {
    AmountWords(c, options, words);
  } else if (c.SeparatorPos != 0) {
    words.push(kPoint, Role::Point);
    c.CurrentTriad = DecimalTriad(c);
    c.GroupIndex = 1;  // spelled as the units are
    if (IsZero(c.CurrentTriad)) {
      words.push(kZero, Role::Zero);
    } else {
      AppendGroup(c, options.forms, words);
    }
  }
  return Verdict::Accepted;
}

Verdict SpellInto(std::string_view typed, const Options& options, std::string& out) {
  Number number;
  if (const Verdict v = ReadNumber(typed, number); v != Verdict::Accepted) return v;
  return SpellInto(number, options, out);
}

Verdict SpellInto(const Number& number, const Options& options, WordsBuffer& buffer,
                  std::string_view& words) {
  Conversion c;
  LoadNumber(c, number);
  if (options == Options{}) {  // the window's text, from the table of every group's words
    SpellGroups(c);
    AssembleResult(c);
    const std::string_view caption = c.Caption.view();
    std::copy(caption.begin(), caption.end(), buffer.begin());
    words = {buffer.data(), caption.size()};
    return Verdict::Accepted;
  }
  Words model;
  if (const Verdict v = BuildWords(c, options, model); v != Verdict::Accepted) return v;
  // Amounts and short forms are not the window's words, so they are written tidy.
  const bool windowWords =
      options.currency == Options::Currency::None && options.forms == Options::Forms::Long;
  const Options::Spacing spacing = !windowWords && options.spacing == Options::Spacing::Exact
                                       ? Options::Spacing::Tidy
                                       : options.spacing;
  words = Render(model, options.script, spacing, options.letterCase, buffer.data());
  return Verdict::Accepted;
}

Verdict SpellInto(const Number& number, const Options& options, std::string& out) {
  WordsBuffer buffer;
  std::string_view words;
  const Verdict verdict = SpellInto(number, options, buffer, words);
  if (verdict == Verdict::Accepted) out.assign(words);  // allocates before it changes `out`
  return verdict;
}

}  // namespace uslova
