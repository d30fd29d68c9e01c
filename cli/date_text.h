// date_text.h: a short text as it arrives in pieces, for the command line's dates and numbers
// in words, in lines, arguments and CSV cells.
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "uslova/words_reader.h"

namespace uslova::cli {

/// A text as it arrives, in pieces of any size: blanks around it are left out and a run of them
/// inside it is held as one, so that a line reads as the same argument does, and a text longer
/// than `Longest` bytes is held no further, but known to be one.
template <std::size_t Longest>
class HeldText {
 public:
  void feed(std::string_view piece) {
    for (char ch : piece) {
      if (ch == ' ' || ch == '\t') {
        blanks_ = size_ != 0;
        continue;
      }
      if (blanks_) push(' ');
      blanks_ = false;
      push(ch);
    }
  }
  /// The text, or empty when it is longer than `Longest`.
  std::string_view text() const {
    return size_ <= kLongest ? std::string_view(held_.data(), size_) : "";
  }
  bool tooLong() const { return size_ > kLongest; }
  void clear() { size_ = 0, blanks_ = false; }

 private:
  static constexpr std::size_t kLongest = Longest;

  void push(char ch) {
    if (size_ < held_.size()) held_[size_] = ch;
    size_ = std::min(size_ + 1, held_.size() + 1);
  }

  std::array<char, kLongest> held_;
  std::size_t size_ = 0;  // kLongest + 1: more came
  bool blanks_ = false;   // blanks after the text so far
};

using DateText = HeldText<32>;                   // far more than "09.12.2026." takes
using WordsText = HeldText<2 * kMostReadBytes>;  // Cyrillic takes two bytes a letter

}  // namespace uslova::cli
