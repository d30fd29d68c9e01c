// conversion.h: the converter's variables, shared by the stages of one conversion.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "uslova/converter.h"

namespace uslova {

/// One group of the integer part: three ASCII digits, "0"-padded on the left ("007").
using Triad = std::array<char, 3>;

/// A text of fixed capacity that grows at both ends, so that a group can put its words in front
/// of the lower groups' words and the decimal words can follow them, all without allocating.
/// The capacities are checked against the longest pieces in words.cpp.
class Text {
 public:
  static constexpr std::size_t kFront = 192;  // room for pieces put in front
  static constexpr std::size_t kBack = 128;   // room for what is appended

  void assign(std::string_view s) {
    begin_ = end_ = kFront;
    append(s);
  }
  void clear() { begin_ = end_ = kFront; }
  void append(std::string_view s) {
    std::memcpy(data_.data() + end_, s.data(), s.size());
    end_ += s.size();
  }
  void prepend(std::string_view s) {
    begin_ -= s.size();
    std::memcpy(data_.data() + begin_, s.data(), s.size());
  }
  std::string_view view() const { return {data_.data() + begin_, end_ - begin_}; }

 private:
  std::array<char, kFront + kBack> data_;  // only [begin_, end_) is ever read
  std::size_t begin_ = kFront;
  std::size_t end_ = kFront;
};

/// The variables of one conversion, under the names the stages use.
struct Conversion {
  std::string_view InputText;  // the text as typed
  bool IsNegative = false;
  std::size_t SeparatorPos = 0;  // position of the decimal separator after the sign; 0: none
  std::string_view DecimalPart;  // at most three digits after the separator
  int GroupCount = 0;            // 1 to 5
  std::array<Triad, 5> Triads;   // Triad1 (units) to Triad5 (billions); 1 to GroupCount are set
  int GroupIndex = 0;
  Triad CurrentTriad;
  unsigned CurrentDigit = 0;  // the digit last spelled, as a number
  std::string_view CurrentWord;
  Text GroupWords;
  Text Caption;  // the caption of `Label1` under construction
};

/// The number test and normalization: checks `InputText` and sets `IsNegative`,
/// `SeparatorPos`, `DecimalPart`, `GroupCount` and the triads.
Verdict ReadInput(Conversion& c);

/// The group loop: spells `Triad1` to the `GroupCount`-th triad into `Caption`, highest first.
void SpellGroups(Conversion& c);

/// Appends " zapeta " and the decimal words after `Caption`, and puts "minus" in front of it.
void AssembleResult(Conversion& c);

}  // namespace uslova
