// group_texts.cpp: the kept texts of every group in each style in use, at most kMostStyles of
// them: made once, under a lock, and then only read, so that threads share them.
// SPDX-License-Identifier: MIT
#include "group_texts.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace uslova {
namespace {

/// The most a group's text takes: four words, each with a blank on either side.
constexpr std::size_t kMostGroupBytes = 4 * (sizeof(Slot::text) + 2);
/// Texts are copied kCopiedWhole bytes at least, which reads past the last one's end.
constexpr std::size_t kBlock = kCopiedWhole;
// The words that a writer's room holds: "minus", five groups, and what the last group's copy
// writes past its end.
static_assert(sizeof(Slot::text) + 2 + 5 * kMostGroupBytes + kCopiedWhole <= kMaxRendered);
/// The styles kept at most, each about 200 KB in ASCII and 400 KB in Cyrillic: a program that
/// uses more has the rest written word by word.
constexpr std::size_t kMostStyles = 8;

constinit std::size_t keptStyles = 0;  // under `making`
constinit std::mutex making;

}  // namespace

constinit std::array<std::atomic<const GroupTexts*>, detail::kStyles> detail::kept{};

const GroupTexts* MakeGroupTexts(Options::Script script, Options::Spacing spacing, bool upper,
                                 Options::Forms forms, Options::Inflection inflection) {
  // Room for the longest text of every group, given back once their lengths are known.
  auto* texts = static_cast<GroupTexts*>(
      std::malloc(sizeof(GroupTexts) + GroupTexts::kTexts * kMostGroupBytes + kBlock));
  if (texts == nullptr) return nullptr;
  const Options::LetterCase letterCase =
      upper ? Options::LetterCase::Upper : Options::LetterCase::Lower;
  std::uint32_t at = 0;
  for (std::size_t id = 0; id < GroupTexts::kTexts; ++id) {
    Words words;
    AppendIntegerGroup(words, static_cast<int>(id / 1000 + 1), static_cast<unsigned>(id % 1000),
                       forms, inflection);
    std::array<char, kMaxRendered> written;
    Renderer renderer(script, spacing, letterCase, written.data());
    renderer.put(words.begin(), words.end());
    const std::string_view text = renderer.text(true);  // a number's text drops its first blank
    texts->starts[id] = at;
    std::memcpy(texts->bytes() + at, text.data(), text.size());
    at += static_cast<std::uint32_t>(text.size());
  }
  texts->starts[GroupTexts::kTexts] = at;
  std::memset(texts->bytes() + at, 0, kBlock);
  void* fitted = std::realloc(texts, sizeof(GroupTexts) + at + kBlock);
  return static_cast<const GroupTexts*>(fitted != nullptr ? fitted : texts);
}

const GroupTexts* detail::KeepStyle(Options::Script script, Options::Spacing spacing, bool upper,
                                    Options::Forms forms, Options::Inflection inflection) {
  std::atomic<const GroupTexts*>& slot = kept[StyleOf(script, spacing, upper, forms, inflection)];
  const std::lock_guard lock(making);
  if (const GroupTexts* texts = slot.load(std::memory_order_relaxed)) return texts;
  if (keptStyles == kMostStyles) return nullptr;
  const GroupTexts* texts = MakeGroupTexts(script, spacing, upper, forms, inflection);
  if (texts != nullptr) {
    ++keptStyles;
    slot.store(texts, std::memory_order_release);
  }
  return texts;
}

void KeepGroupTexts(const Options& settled) {
  const bool upper = settled.letterCase == Options::LetterCase::Upper;
  KeptGroupTexts(settled.script, settled.spacing, upper, settled.forms, settled.inflection);
  KeptGroupTexts(settled.script, settled.spacing, upper, settled.forms,
                 Options::Inflection::Nominative);
}

[[gnu::noinline]] void GroupTextWriter::putWords(int group, unsigned triad, Options::Forms forms,
                                                 Options::Inflection inflection) {
  AppendIntegerGroup(pending_, group, triad, forms, inflection);
  flush();
}

}  // namespace uslova
