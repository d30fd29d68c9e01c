// converter.cpp: the entry points: text or a Number to words, through read, words and render.
// SPDX-License-Identifier: MIT
#include "uslova/converter.h"

#include <algorithm>

#include "group_texts.h"
#include "window_text.h"

namespace uslova {

// The words, a blank and a noun of one's own.
static_assert(kMaxRendered + 1 + OwnNoun::kMostBytes <= std::tuple_size_v<WordsBuffer>);
static_assert(WindowText::kFront + WindowText::kBack <= std::tuple_size_v<WordsBuffer>);

Verdict SpellInto(std::string_view typed, std::string& caption) {
  Number number;
  const Verdict verdict = ReadNumber(typed, number);
  if (verdict != Verdict::Accepted) return verdict;
  WindowText text;
  text.write(number);
  caption.assign(text.view());
  return verdict;
}

Verdict SpellInto(std::string_view typed, const Options& options, std::string& out) {
  Number number;
  if (const Verdict v = ReadNumber(typed, number, options.decimal, options.currency);
      v != Verdict::Accepted) {
    return v;
  }
  return SpellInto(number, options, out);
}

namespace {

/// The words of a style other than the window's, with settled options, into the
/// sizeof(WordsBuffer) bytes at `buffer`: a number or an amount from the kept texts of its
/// groups, a count through the word model.
[[gnu::always_inline]] inline Verdict SpellStyledSettled(const Number& number,
                                                         const Options& settled, char* buffer,
                                                         std::string_view& words) {
  if (settled.unit == Options::Unit::None) {  // each group's text as kept for the style
    // A whole number above zero: its groups' texts, copied without the writer's steps.
    if (WrittenFromTexts(number)) {
      if (const GroupTexts* texts = TextsAlone(settled)) {
        words = WriteFromTexts(number, settled, *texts, buffer);
        return Verdict::Accepted;
      }
    }
    GroupTextWriter writer(settled.script, settled.spacing, settled.letterCase, buffer);
    if (const Verdict v = WriteNumberWords(number, settled, writer); v != Verdict::Accepted)
      return v;
    words = writer.text();
    return Verdict::Accepted;
  }
  Words model;
  if (const Verdict v = BuildWords(number, settled, model); v != Verdict::Accepted) return v;
  words = Render(model, settled.script, settled.spacing, settled.letterCase, buffer);
  if (settled.unit == Options::Unit::Own && settled.noun == Options::NounWord::Written)
      [[unlikely]] {
    // The caller's noun, after the numerals: never the first word, so never capitalized alone.
    char* end = buffer + (words.data() - buffer) + words.size();
    if (settled.spacing == Options::Spacing::Tidy) *end++ = ' ';
    // After one, its genitive is its form after two to four, and its accusative, when it is
    // feminine in -a, ends in -u.
    const OwnNoun& noun = *settled.ownNoun;
    std::size_t form = OwnForm(number);
    const bool afterOne = form == 0;
    if (afterOne && settled.inflection == Options::Inflection::Genitive) form = kGenitiveForm;
    const bool finalU = afterOne && settled.inflection == Options::Inflection::Accusative &&
                        FinalU(noun.form(0), noun.feminine);
    end += WriteOwnNoun(noun, form, finalU, settled.script,
                        settled.letterCase == Options::LetterCase::Upper ? kUpper : kLower,
                        settled.spacing == Options::Spacing::Joined, end);
    words = {words.data(), static_cast<std::size_t>(end - words.data())};
  }
  return Verdict::Accepted;
}

/// The words of a style other than the window's, through the word model.
[[gnu::always_inline]] inline Verdict SpellStyled(const Number& number, const Options& options,
                                                  WordsBuffer& buffer, std::string_view& words) {
  // The combinations every front refuses are refused here too, for the same reason.
  const GivenOptions given = AsGiven(options);
  if (!OptionsProblem(given).empty()) return Verdict::BadOptions;
  return SpellStyledSettled(number, Settled(given), buffer.data(), words);
}

}  // namespace

Verdict SpellInto(const Number& number, const Options& options, WordsBuffer& buffer,
                  std::string_view& words) {
  if (!WindowsText(options)) return SpellStyled(number, options, buffer, words);
  words = WindowText::write(number, buffer.data());  // from the words of every group
  return Verdict::Accepted;
}

Verdict SpellSettled(const Number& number, const Options& settled, char* out,
                     std::string_view& words) {
  // Settling changes no option of the window's text, nor makes another style the window's.
  if (!WindowsText(settled)) return SpellStyledSettled(number, settled, out, words);
  words = WindowText::write(number, out);
  return Verdict::Accepted;
}

Verdict SpellInto(const Number& number, const Options& options, std::string& out) {
  if (WindowsText(options)) {  // straight into `out`, which allocates before it changes
    WindowText text;
    text.write(number);
    out.assign(text.view());
    return Verdict::Accepted;
  }
  WordsBuffer buffer;
  std::string_view words;
  const Verdict verdict = SpellStyled(number, options, buffer, words);
  if (verdict == Verdict::Accepted) out.assign(words);  // allocates before it changes `out`
  return verdict;
}

std::string BoxText(std::string_view typed) {
  std::string text(typed);
  // Only a lone separator is the decimal one for sure; a number in groups keeps its own.
  const std::size_t separator = text.find_first_of(".,");
  if (separator != std::string::npos && text[separator] == '.' &&
      text.find_first_of(".,", separator + 1) == std::string::npos) {
    text[separator] = ',';
  }
  return text;
}

Outcome Convert(std::string_view typed) {
  Outcome outcome;
  outcome.verdict = SpellInto(typed, outcome.caption);
  outcome.text = outcome.accepted() ? BoxText(typed) : std::string(typed);
  return outcome;
}

}  // namespace uslova
