// letters.h: a word written in Latin with diacritics, the way the converter's own texts and a
// caller's nouns are given, turned into each script: Cyrillic letter by letter ("lj", "nj" and
// "dž" one letter each), and Latin without diacritics ("đ" as "dj"). Usable by the compiler, so
// that fixed words are spelled once.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

#include "uslova/options.h"

namespace uslova::letters {

using Letters = std::pair<std::string_view, std::string_view>;

// The Cyrillic of the Latin letters, digraphs first so that they are found before their parts.
inline constexpr Letters kCyrillic[] = {
    {"lj", "љ"}, {"nj", "њ"}, {"dž", "џ"}, {"a", "а"}, {"b", "б"}, {"c", "ц"},
    {"č", "ч"},  {"ć", "ћ"},  {"d", "д"},  {"đ", "ђ"}, {"e", "е"}, {"f", "ф"},
    {"g", "г"},  {"h", "х"},  {"i", "и"},  {"j", "ј"}, {"k", "к"}, {"l", "л"},
    {"m", "м"},  {"n", "н"},  {"o", "о"},  {"p", "п"}, {"r", "р"}, {"s", "с"},
    {"š", "ш"},  {"t", "т"},  {"u", "у"},  {"v", "в"}, {"z", "з"}, {"ž", "ж"}};
inline constexpr Letters kAscii[] = {{"č", "c"}, {"ć", "c"}, {"š", "s"}, {"ž", "z"}, {"đ", "dj"}};

/// The letter of `table` that `rest` begins with, as a pair of empty texts for none. A value and
/// not a pointer, which some compilers' sanitizers cannot compare in a constant expression.
template <std::size_t N>
constexpr Letters Find(std::string_view rest, const Letters (&table)[N]) {
  for (const Letters& letter : table) {
    if (rest.starts_with(letter.first)) return letter;
  }
  return {};
}

/// Writes `latin` in `script` to `out` and returns the bytes written, at most `room`; a byte
/// past the room is counted but not written, so that a caller can refuse a text too long.
/// `finalU` writes a last "a" as "u": the accusative of a feminine noun in -a.
constexpr std::size_t Transcribe(std::string_view latin, Options::Script script, char* out,
                                 std::size_t room, bool finalU = false) {
  std::size_t size = 0;
  const auto put = [&](std::string_view bytes) {
    for (char byte : bytes) {
      if (size < room) out[size] = byte;
      ++size;
    }
  };
  for (std::size_t i = 0; i < latin.size();) {
    std::string_view rest(latin.data() + i, latin.size() - i);
    if (finalU && rest == "a") rest = "u";
    const Letters letter = script == Options::Script::Cyrillic ? Find(rest, kCyrillic)
                           : script == Options::Script::Ascii  ? Find(rest, kAscii)
                                                               : Letters{};
    if (letter.first.empty()) {
      put({rest.data(), 1});  // a blank, or a byte written the same
      ++i;
    } else {
      put(letter.second);
      i += letter.first.size();
    }
  }
  return size;
}

/// The capital of a lower-case letter of our words: ASCII, č š ž ć đ, and Cyrillic.
constexpr char32_t Capital(char32_t letter) {
  if (letter >= U'a' && letter <= U'z') return letter - 0x20;
  if (letter >= 0x0430 && letter <= 0x044F) return letter - 0x20;  // а to я
  if (letter >= 0x0450 && letter <= 0x045F) return letter - 0x50;  // ђ ј љ њ ћ џ
  if (letter == U'č' || letter == U'š' || letter == U'ž' || letter == U'ć' || letter == U'đ') {
    return letter - 1;
  }
  return letter;
}

/// Makes the letter that `text` begins with, in UTF-8, its capital, which takes as many bytes.
constexpr void Capitalize(char* text) {
  const auto first = static_cast<unsigned char>(text[0]);
  if (first < 0x80) {
    text[0] = static_cast<char>(Capital(first));
  } else if ((first & 0xE0) == 0xC0) {
    const auto next = static_cast<unsigned char>(text[1]);
    const char32_t capital = Capital(static_cast<char32_t>(((first & 0x1F) << 6) | (next & 0x3F)));
    text[0] = static_cast<char>(0xC0 | (capital >> 6));
    text[1] = static_cast<char>(0x80 | (capital & 0x3F));
  }
}

/// Whether `word` is lower-case letters of the Serbian Latin alphabet, with or without
/// diacritics, and single blanks between words.
constexpr bool SerbianLatin(std::string_view word) {
  if (word.empty() || word.front() == ' ' || word.back() == ' ') return false;
  for (std::size_t i = 0; i < word.size();) {
    const std::string_view rest(word.data() + i, word.size() - i);
    if (rest.starts_with("  ")) return false;
    const Letters letter = Find(rest, kCyrillic);
    if (letter.first.empty() && rest.front() != ' ') return false;
    i += letter.first.empty() ? 1 : letter.first.size();
  }
  return true;
}

}  // namespace uslova::letters
