// window_text.h: the window's exact text, fast, from a cache of every group's words that the
// compiler builds from the word model; the pieces it is made of are public, in converter.h.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "render.h"
#include "uslova/converter.h"

namespace uslova {

/// The options write the window's text: how they read the number does not matter.
inline bool WindowsText(const Options& options) {
  Options rendering = options;
  rendering.decimal = Options::Decimal::Auto;
  return rendering == Options{};
}

/// The window's exact text of a number: its caption, as Render would write the words of
/// BuildWords in exact spacing, put together from the precomputed words of each group. It keeps
/// the old program's readings, which the other styles do not share: the decimals padded on the
/// left and spelled as one number (1,5 = 1,05 = 1,005), digits after the third dropped,
/// "minus" by the sign of all typed digits (-0,0001), a blank for zero, and the blanks: one
/// before each word, one more for a tens digit 0, none before the word after "minus".
class WindowText {
 public:
  static constexpr std::size_t kFront = 8;   // room for "minus" in front
  static constexpr std::size_t kBack = 352;  // the groups, " zapeta ", the decimals and a slot

  /// Writes the caption of `number` into the kFront + kBack bytes at `data`, and returns
  /// where it stands in them.
  static std::string_view write(const Number& number, char* data);
  /// Writes the caption of `number`, replacing what was there.
  void write(const Number& number) {
    const std::string_view caption = write(number, data_.data());
    begin_ = static_cast<std::size_t>(caption.data() - data_.data());
    end_ = begin_ + caption.size();
  }
  std::string_view view() const { return {data_.data() + begin_, end_ - begin_}; }

 private:
  std::array<char, kFront + kBack> data_;  // only [begin_, end_) is ever read
  std::size_t begin_ = kFront;
  std::size_t end_ = kFront;
};

/// The cached exact words of `triad` in group `group`, for the test that proves them equal to
/// the rendering of SpellGroup's words.
std::string_view ExactGroupText(int group, unsigned triad);

}  // namespace uslova
