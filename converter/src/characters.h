// characters.h: the bytes that the readers of typed numbers tell apart, and views of a text
// that never leave it, for number_reader.cpp, amount_reader.cpp and float_text.cpp.
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace uslova::characters {

constexpr bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}
constexpr bool IsSeparator(char ch) {
  return ch == '.' || ch == ',';
}
constexpr bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t';
}

// The UTF-8 bytes of the wide blanks that may stand between groups.
constexpr std::string_view kNoBreakSpace = "\xc2\xa0";            // U+00A0
constexpr std::string_view kNarrowNoBreakSpace = "\xe2\x80\xaf";  // U+202F
constexpr std::string_view WideBlankBytes(char kind) {
  return kind == 'n' ? kNoBreakSpace : kNarrowNoBreakSpace;
}

// The text from `at`, and up to `end`; both within it. (substr would check, and throw.)
constexpr std::string_view From(std::string_view text, std::size_t at) {
  return {text.data() + at, text.size() - at};
}
constexpr std::string_view Upto(std::string_view text, std::size_t end) {
  return {text.data(), end};
}

}  // namespace uslova::characters
