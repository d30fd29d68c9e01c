// encoding.h: the encodings that CSV exports are written in, and the words in them: UTF-8, or
// the single-byte code pages that Serbian banking and accounting programs still export.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "uslova/options.h"

namespace uslova::cli {

enum class Encoding : std::uint8_t { Utf8, Windows1250, Windows1251 };

struct EncodingName {
  std::string_view name;
  Encoding encoding;
};
inline constexpr EncodingName kEncodings[] = {{"utf-8", Encoding::Utf8},
                                              {"windows-1250", Encoding::Windows1250},
                                              {"windows-1251", Encoding::Windows1251}};

constexpr std::string_view NameOf(Encoding encoding) {
  for (const EncodingName& e : kEncodings) {
    if (e.encoding == encoding) return e.name;
  }
  return {};
}

/// Whether the words of `script` can be written in `encoding`: Latin with diacritics in
/// Windows-1250, Cyrillic in Windows-1251, ASCII in every one.
constexpr bool Holds(Encoding encoding, Options::Script script) {
  switch (script) {
    case Options::Script::Latin:
      return encoding != Encoding::Windows1251;
    case Options::Script::Cyrillic:
      return encoding != Encoding::Windows1250;
    default:
      return true;
  }
}

/// Appends `utf8` to `out` in `encoding`, e.g. "četiri" in Windows-1250 as "\xE8etiri". False
/// where a character has no byte in it, or the text is not UTF-8: the rest is still written,
/// each such character as "?".
bool AppendEncoded(std::string& out, std::string_view utf8, Encoding encoding);

/// Appends `bytes`, text in `encoding`, to `out` in UTF-8, e.g. "\xE8etiri" from Windows-1250
/// as "četiri"; a byte that the page leaves without a character as "?".
void AppendDecoded(std::string& out, std::string_view bytes, Encoding encoding);

/// Whether bytes given in pieces of any size are UTF-8: no stray or missing continuation byte,
/// no overlong form, no surrogate, nothing past U+10FFFF.
class Utf8Check {
 public:
  /// Reads the next bytes; false once the bytes so far cannot be UTF-8.
  bool feed(std::string_view bytes);
  /// The bytes end where a character ends.
  bool complete() const { return pending_ == 0; }

 private:
  std::uint8_t pending_ = 0;               // continuation bytes still to come
  std::uint8_t low_ = 0x80, high_ = 0xBF;  // the bounds of the next one
  bool failed_ = false;
};

}  // namespace uslova::cli
