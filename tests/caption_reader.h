// caption_reader.h: reads a caption back into the number it spells, for round-trip tests.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace uslova::testing {

struct SpelledNumber {
  bool negative = false;
  std::int64_t integer = 0;
  bool hasDecimal = false;
  int decimal = 0;
};

/// Reads `caption` (blanks ignored) into `number`. Checks the grammar as it goes: scales in
/// falling order, the form of each scale word for its count, feminine numerals before
/// thousands and milliards only. Returns an empty string, or what is wrong.
std::string ReadCaption(std::string_view caption, SpelledNumber& number);

}  // namespace uslova::testing
