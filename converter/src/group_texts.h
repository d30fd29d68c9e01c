// group_texts.h: the words of every group of a number's integer, written out in one style and
// kept, so that a number in that style is written by copying each group's text: made from the
// word model by the renderer the first time the style is used.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string_view>

#include "render.h"
#include "words.h"

namespace uslova {

/// The text of every group of a number's integer in one style, end to end in the bytes after
/// the struct, every blank kept: group `group` with the digits `triad` is text
/// 1000 × (group - 1) + triad.
struct GroupTexts {
  static constexpr std::size_t kTexts = 5000;
  std::array<std::uint32_t, kTexts + 1> starts;  // text i is [starts[i], starts[i + 1])

  const char* bytes() const { return reinterpret_cast<const char*>(this + 1); }
  char* bytes() { return reinterpret_cast<char*>(this + 1); }
};

/// The texts of every group in a style, as Renderer writes AppendIntegerGroup's words, every
/// blank kept; null when no memory could be had. Freed with std::free.
const GroupTexts* MakeGroupTexts(Options::Script script, Options::Spacing spacing, bool upper,
                                 Options::Forms forms, Options::Inflection inflection);

namespace detail {
/// A style: what the text of a group depends on.
constexpr std::size_t StyleOf(Options::Script script, Options::Spacing spacing, bool upper,
                              Options::Forms forms, Options::Inflection inflection) {
  return (((static_cast<std::size_t>(script) * 3 + static_cast<std::size_t>(spacing)) * 2 +
           (upper ? 1 : 0)) *
              2 +
          static_cast<std::size_t>(forms)) *
             3 +
         static_cast<std::size_t>(inflection);
}
constexpr std::size_t kStyles = 3 * 3 * 2 * 2 * 3;

/// The texts kept for each style, null until they are made.
extern std::array<std::atomic<const GroupTexts*>, kStyles> kept;

/// KeptGroupTexts for a style whose texts are not made yet.
const GroupTexts* KeepStyle(Options::Script script, Options::Spacing spacing, bool upper,
                            Options::Forms forms, Options::Inflection inflection);
}  // namespace detail

/// The texts of a style, made the first time it is used and then kept; null when it cannot be
/// kept (no memory, or kMostStyles kept already). Once they are made, a load.
inline const GroupTexts* KeptGroupTexts(Options::Script script, Options::Spacing spacing,
                                        bool upper, Options::Forms forms,
                                        Options::Inflection inflection) {
  const std::size_t style = detail::StyleOf(script, spacing, upper, forms, inflection);
  if (const GroupTexts* texts = detail::kept[style].load(std::memory_order_acquire)) return texts;
  return detail::KeepStyle(script, spacing, upper, forms, inflection);
}

/// Copies the kept texts of the groups of `number`'s integer from `group` down to the first to
/// `out`, which has room for them and for the kCopiedWhole bytes that a copy writes past its
/// end; returns where they end.
[[gnu::always_inline]] inline char* CopyGroupTexts(const GroupTexts& texts, const Number& number,
                                                   int group, char* out) {
  for (; group >= 1; --group) {
    const std::uint32_t* start =
        &texts.starts[1000 * static_cast<std::size_t>(group - 1) + TriadOf(number, group)];
    out = CopyWritten(out, texts.bytes() + start[0], start[1] - start[0]);
  }
  return out;
}

/// Whether the words of `number` in a style other than the window's are its groups' kept texts,
/// and for an amount the words after its integer: it is whole and above zero.
constexpr bool WrittenFromTexts(const Number& number) {
  return !number.negative && number.integerDigits != 0 && number.decimalsTyped == 0;
}

/// The kept texts that WriteFromTexts writes a number's words from, with the settled options
/// `settled` of a style other than the window's; null for a count, where a word is capitalized
/// alone, or where the style's texts are not kept.
inline const GroupTexts* TextsAlone(const Options& settled) {
  if (settled.unit != Options::Unit::None || settled.letterCase == Options::LetterCase::First)
    return nullptr;
  return KeptGroupTexts(settled.script, settled.spacing,
                        settled.letterCase == Options::LetterCase::Upper, settled.forms,
                        settled.inflection);
}

/// The words of a number that WrittenFromTexts accepts, with settled options `settled` and
/// their TextsAlone, `texts`, written into the kMaxRendered bytes at `out`: the words that
/// BuildWords and Render give, copied without their steps.
[[gnu::always_inline]] inline std::string_view WriteFromTexts(const Number& number,
                                                              const Options& settled,
                                                              const GroupTexts& texts, char* out) {
  Renderer renderer(settled.script, settled.spacing, settled.letterCase, out);
  renderer.moveTo(CopyGroupTexts(texts, number, (number.integerDigits + 2) / 3, out));
  if (settled.currency != Options::Currency::None) {
    Words after;
    AppendAmountWords(number, settled, after);
    renderer.put(after.begin(), after.end());
  }
  return renderer.text();
}

/// Makes the texts that the words of numbers with the settled options `settled` copy, unless
/// they are kept already: their case's, and the nominative's that spelled decimals keep.
void KeepGroupTexts(const Options& settled);

/// Writes the words of a number in a style, as Render writes the word model of them: the steps
/// of BuildWords, each word rendered as it comes, and each group of the integer copied from
/// the kept texts of the style where there are some, else rendered word by word.
class GroupTextWriter {
 public:
  /// Where the texts of a style come from, when not from KeptGroupTexts.
  using TextsOf = const GroupTexts* (*)(Options::Script, Options::Spacing, bool upper,
                                        Options::Forms, Options::Inflection);

  /// `out` must hold kMaxRendered bytes.
  GroupTextWriter(Options::Script script, Options::Spacing spacing, Options::LetterCase letterCase,
                  char* out, TextsOf textsOf = nullptr)
      : renderer_(script, spacing, letterCase, out),
        script_(script),
        spacing_(spacing),
        upper_(letterCase == Options::LetterCase::Upper),
        textsOf_(textsOf) {}

  [[gnu::always_inline]] void put(std::uint8_t row) { pending_.push(row); }
  /// The groups of the integer of `number`, from the first: each one's kept text, or its words
  /// where there are no texts or a word is still to be capitalized.
  [[gnu::always_inline]] void putGroups(const Number& number, Options::Forms forms,
                                        Options::Inflection inflection) {
    flush();
    const GroupTexts* texts = textsOf_ == nullptr
                                  ? KeptGroupTexts(script_, spacing_, upper_, forms, inflection)
                                  : textsOf_(script_, spacing_, upper_, forms, inflection);
    int group = (number.integerDigits + 2) / 3;
    for (; group >= 1 && (texts == nullptr || !renderer_.uniform()); --group)
      [[unlikely]] putWords(group, TriadOf(number, group), forms, inflection);
    if (texts != nullptr) renderer_.moveTo(CopyGroupTexts(*texts, number, group, renderer_.end()));
  }
  /// Where steps of several words write them, rendered when the next group comes or at the end.
  Words& words() { return pending_; }
  /// The words written.
  std::string_view text() {
    flush();
    return renderer_.text();
  }

 private:
  /// The group's words one by one.
  void putWords(int group, unsigned triad, Options::Forms forms, Options::Inflection inflection);
  [[gnu::always_inline]] void flush() {
    if (pending_.size() == 0) return;
    renderer_.put(pending_.begin(), pending_.end());
    pending_.clear();
  }

  Renderer renderer_;
  Words pending_;  // the words after the last group, not yet rendered
  Options::Script script_;
  Options::Spacing spacing_;
  bool upper_;
  TextsOf textsOf_;
};

/// The words of a plain number or an amount (no unit) as BuildWords has them, written by `out`.
Verdict WriteNumberWords(const Number& number, const Options& options, GroupTextWriter& out);

}  // namespace uslova
