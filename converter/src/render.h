// render.h: the third stage: the word model written out in a script, a spacing and a letter
// case. Every word is spelled in every script and case by the compiler, so writing is copying.
// The window's exact text is one rendering; render.cpp keeps it precomputed for each group.
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "letters.h"
#include "words.h"

namespace uslova {

/// A word as written: its bytes in a fixed-size slot, so that copying one is a few moves.
struct Slot {
  std::array<char, 31> text{};
  std::uint8_t size = 0;
};

enum Variant : std::uint8_t { kLower, kCapitalized, kUpper };

namespace detail {

/// Writes `word` to `out` with its letters capitalized: none, the first, or all; `joined`
/// leaves out the blank inside a word such as "dve stotine". Our letters take one or two bytes
/// in UTF-8, and their capitals as many, so `out` needs as many bytes as `word`. Returns the
/// bytes written.
constexpr std::size_t WriteSpelled(std::string_view word, Variant variant, bool joined, char* out) {
  std::size_t size = 0;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const auto byte = static_cast<unsigned char>(word[i]);
    const bool capitalize = variant == kUpper || (variant == kCapitalized && i == 0);
    if (joined && byte == ' ') continue;
    if ((byte & 0xE0) == 0xC0 && i + 1 < word.size()) {
      const auto next = static_cast<unsigned char>(word[i + 1]);
      const char32_t letter = static_cast<char32_t>(((byte & 0x1F) << 6) | (next & 0x3F));
      const char32_t written = capitalize ? letters::Capital(letter) : letter;
      out[size++] = static_cast<char>(0xC0 | (written >> 6));
      out[size++] = static_cast<char>(0x80 | (written & 0x3F));
      ++i;
    } else {
      out[size++] = static_cast<char>(capitalize ? letters::Capital(byte) : byte);
    }
  }
  return size;
}

/// `word` in a slot, as WriteSpelled writes it.
constexpr Slot Spell(std::string_view word, Variant variant, bool joined) {
  Slot slot;
  // A new word longer than any before it: Slot::text needs room for it.
  if (word.size() > slot.text.size()) throw "a word does not fit a slot";
  slot.size = static_cast<std::uint8_t>(WriteSpelled(word, variant, joined, slot.text.data()));
  return slot;
}

using Column = std::array<Slot, kWordCount>;
/// The columns of one script: by variant, with and without the blanks inside words.
using ScriptColumns = std::array<std::array<Column, 3>, 2>;

// Every word is typed in Latin with diacritics alone: a Cyrillic or a foreign letter in it, or a
// stray blank, stops the build here.
static_assert(std::all_of(kWords.begin(), kWords.end(), [](const WordRow& row) {
  return row.latin.empty() || letters::SerbianLatin(row.latin);
}));

/// Every word in every script, case and spacing, each from its Latin with diacritics.
constexpr std::array<ScriptColumns, 3> SpellAll() {
  std::array<ScriptColumns, 3> columns{};
  for (std::size_t script = 0; script < 3; ++script) {
    for (std::size_t row = 0; row < kWordCount; ++row) {
      std::array<char, sizeof(Slot::text) + 1> written{};
      const std::size_t size =
          letters::Transcribe(kWords[row].latin, static_cast<Options::Script>(script),
                              written.data(), written.size(), kWords[row].finalU);
      // Past the room: Spell refuses a word longer than a slot.
      const std::string_view word(written.data(), std::min(size, written.size()));
      for (std::size_t joined = 0; joined < 2; ++joined) {
        for (std::size_t variant = 0; variant < 3; ++variant)
          columns[script][joined][variant][row] =
              Spell(word, static_cast<Variant>(variant), joined == 1);
      }
    }
  }
  return columns;
}

}  // namespace detail

/// kSpelled[script][joined][variant][row]: every word in every script and case.
inline constexpr auto kSpelled = detail::SpellAll();

/// The most a rendering writes, with room for a whole slot after its last word.
inline constexpr std::size_t kMaxRendered =
    Words::kCapacity * (sizeof(Slot::text) + 2) + sizeof(Slot::text);

/// The hundredths of kDigits or kFraction: a count ("5", "50"), or a fraction with two digits
/// always ("05/100").
constexpr Slot HundredthsSlot(const Word& word) {
  const auto tens = static_cast<char>('0' + word.value / 10);
  const auto units = static_cast<char>('0' + word.value % 10);
  if (word.row == kFraction) return {{tens, units, '/', '1', '0', '0'}, 6};
  return tens == '0' ? Slot{{units}, 1} : Slot{{tens, units}, 2};
}

/// How each word stands in the window's exact text, by row: a byte each, close together.
inline constexpr auto kShapes = [] {
  std::array<ExactShape, kWordCount> shapes{};
  for (std::size_t row = 0; row < kWordCount; ++row)
    shapes[row] = kWords[row].exact;
  return shapes;
}();

/// A word's bytes copied as its whole slot: memcpy at run time, a loop for the compiler.
constexpr void CopySlot(char* to, const Slot& slot) {
  if (std::is_constant_evaluated()) {
    std::copy(slot.text.begin(), slot.text.end(), to);
  } else {
    std::memcpy(to, slot.text.data(), slot.text.size());
  }
}

/// Writes a form of a noun of one's own (0 after one, 1 after two to four, 2 after any other
/// count; `finalU` writes the last letter of form 0, an "a", as "u") to `out`, as the words of
/// kSpelled are written, and returns the bytes written, at most OwnNoun::kMostBytes.
[[gnu::noinline]] inline std::size_t WriteOwnNoun(const OwnNoun& noun, std::size_t form,
                                                  bool finalU, Options::Script script,
                                                  Variant variant, bool joined, char* out) {
  std::array<char, OwnNoun::kMostBytes> written{};
  const std::size_t size =
      letters::Transcribe(noun.form(form), script, written.data(), written.size(), finalU);
  return detail::WriteSpelled({written.data(), std::min(size, written.size())}, variant, joined,
                              out);
}

/// Writes words one after another in a script, spacing and letter case, as Render does.
class Renderer {
 public:
  /// `out` must hold kMaxRendered bytes.
  constexpr Renderer(Options::Script script, Options::Spacing spacing,
                     Options::LetterCase letterCase, char* out)
      : column_(&ColumnsOf(script,
                           spacing)[letterCase == Options::LetterCase::Upper ? kUpper : kLower]),
        // Until the first word with letters, words come from the column of capitalized ones.
        current_(letterCase == Options::LetterCase::First
                     ? &ColumnsOf(script, spacing)[kCapitalized]
                     : column_),
        exact_(spacing == Options::Spacing::Exact),
        // Tidy: a blank before every word that has letters, and none before the first in the end.
        blank_(spacing == Options::Spacing::Tidy ? 1 : 0),
        begin_(out),
        out_(out) {}

  /// Writes the words from `first` to `last`.
  [[gnu::always_inline]] constexpr void put(const Word* first, const Word* last) {
    // In locals, which the bytes written cannot change: the compiler keeps them in registers.
    const detail::Column* const column = column_;
    const detail::Column* current = current_;
    const bool exact = exact_;
    const std::size_t blank = blank_;
    char* out = out_;
    Slot hundredths;
    for (const Word* word = first; word != last; ++word) {
      const Slot* slot = &(*current)[word->row];
      if (static_cast<unsigned>(word->row - kDigits) <= kFraction - kDigits) {
        hundredths = HundredthsSlot(*word);
        slot = &hundredths;
      }
      const std::size_t size = slot->size;
      if (exact) {
        const ExactShape shape = kShapes[word->row];
        if (shape != ExactShape::Bare) *out++ = ' ';
        if (shape == ExactShape::Silent) continue;
        CopySlot(out, *slot);
        out += size;
        if (shape == ExactShape::Around) *out++ = ' ';
      } else {
        // Without branches on the word: a word without letters adds no blank and no bytes.
        *out = ' ';
        out += size != 0 ? blank : 0;
        CopySlot(out, *slot);  // the whole slot: a fixed copy
        out += size;
      }
      current = size != 0 ? column : current;
    }
    current_ = current;
    out_ = out;
  }

  /// Whether every word from here on comes from one column: the letter case capitalizes no
  /// word, or it has capitalized the first one.
  constexpr bool uniform() const { return current_ == column_; }

  /// Where the next byte goes; a caller that writes there what put() would write moves on with
  /// moveTo().
  char* end() const { return out_; }
  void moveTo(char* end) { out_ = end; }

  /// The text written, with the leading blank of tidy spacing left out unless `whole`.
  constexpr std::string_view text(bool whole = false) const {
    const std::size_t skipped = !whole && !exact_ && out_ != begin_ ? blank_ : 0;
    return {begin_ + skipped, static_cast<std::size_t>(out_ - begin_) - skipped};
  }

 private:
  /// The words of a script and spacing, in each variant of letter case.
  static constexpr const std::array<detail::Column, 3>& ColumnsOf(Options::Script script,
                                                                  Options::Spacing spacing) {
    return kSpelled[static_cast<std::size_t>(script)][spacing == Options::Spacing::Joined ? 1 : 0];
  }

  const detail::Column* column_;
  const detail::Column* current_;
  bool exact_;
  std::size_t blank_;
  char* begin_;
  char* out_;
};

/// Copies the `size` bytes at `text` to `out`: the first kCopiedWhole bytes at once, whatever
/// `size` is, which spares most texts a loop whose end is hard to foresee, and the rest 16 at a
/// time. Up to kCopiedWhole bytes after them are read, and overwritten in `out`, which has
/// room for them. Returns where they end.
inline constexpr std::size_t kCopiedWhole = 48;
[[gnu::always_inline]] inline char* CopyWritten(char* out, const char* text, std::size_t size) {
  std::memcpy(out, text, kCopiedWhole);
  for (std::size_t at = kCopiedWhole; at < size; at += 16)
    [[unlikely]] std::memcpy(out + at, text + at, 16);
  return out + size;
}

/// Writes `words` to `out` in a script, spacing and letter case, and returns the text written.
/// e.g. the words of "101" in ASCII: " stotinu  jedan" exact, "stotinu jedan" tidy,
/// "stotinujedan" joined. `out` must hold kMaxRendered bytes.
constexpr std::string_view Render(const Words& words, Options::Script script,
                                  Options::Spacing spacing, Options::LetterCase letterCase,
                                  char* out) {
  Renderer renderer(script, spacing, letterCase, out);
  renderer.put(words.begin(), words.end());
  return renderer.text();
}

}  // namespace uslova
