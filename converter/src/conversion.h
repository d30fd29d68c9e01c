// conversion.h: the converter's variables, shared by the stages of one conversion.
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>

#include "uslova/converter.h"

namespace uslova {

class Words;

/// One group of the integer part: three ASCII digits, "0"-padded on the left ("007").
using Triad = std::array<char, 3>;

/// The words one group writes into the caption, kept in a fixed-size slot so that copying one
/// is a few moves whatever its length. The longest piece is checked in words.cpp.
struct Piece {
  std::array<char, 47> text;
  std::uint8_t size;
};

/// Copies bytes: memcpy at run time, and a loop where the compiler builds tables.
constexpr void CopyBytes(char* to, const char* from, std::size_t count) {
  if (std::is_constant_evaluated()) {
    std::copy_n(from, count, to);
  } else {
    std::memcpy(to, from, count);
  }
}

/// A text of fixed capacity that grows at both ends, so that "minus" and a group's words can go
/// in front of what is there, all without allocating. The capacities are checked against the
/// longest pieces in words.cpp.
class Text {
 public:
  static constexpr std::size_t kFront = 64;  // room for what is put in front
  static constexpr std::size_t kBack = 320;  // room for what is appended, and a piece's slot

  constexpr void clear() { begin_ = end_ = kFront; }
  constexpr void append(std::string_view s) {
    CopyBytes(data_.data() + end_, s.data(), s.size());
    end_ += s.size();
  }
  /// Appends the pieces in order. Each is copied as its whole slot, and the next one starts
  /// where its words end.
  void append(std::span<const Piece* const> pieces) {
    char* out = data_.data() + end_;
    for (const Piece* piece : pieces) {
      const std::size_t size = piece->size;  // read before the copy, which may alias anything
      std::memcpy(out, piece->text.data(), piece->text.size());
      out += size;
    }
    end_ = static_cast<std::size_t>(out - data_.data());
  }
  constexpr void prepend(std::string_view s) {
    begin_ -= s.size();
    CopyBytes(data_.data() + begin_, s.data(), s.size());
  }
  constexpr std::string_view view() const { return {data_.data() + begin_, end_ - begin_}; }

 private:
  std::array<char, kFront + kBack> data_;  // only [begin_, end_) is ever read
  std::size_t begin_ = kFront;
  std::size_t end_ = kFront;
};

/// The variables of one conversion, under the names the stages use.
struct Conversion {
  Conversion() = default;
  Conversion(const Conversion&) = delete;  // `DecimalPart` points into `number`

  std::string_view InputText;  // the text as typed
  Number number;               // what the reader made of it
  bool IsNegative = false;
  std::size_t SeparatorPos = 0;  // not 0 when there are decimal digits to spell
  std::string_view DecimalPart;  // at most three digits after the separator
  int GroupCount = 0;            // 1 to 5
  std::array<Triad, 5> Triads;   // Triad1 (units) to Triad5 (billions)
  int GroupIndex = 0;            // the group being spelled: 1 for the units
  Triad CurrentTriad;
  unsigned CurrentDigit = 0;  // the digit last spelled, as a number
  Text Caption;               // the caption of `Label1` under construction
};

/// The decimal digits as one number of three digits: "5" and "05" read as "005".
constexpr Triad DecimalTriad(const Conversion& c) {
  Triad t{'0', '0', '0'};
  const std::size_t padding = t.size() - c.DecimalPart.size();
  for (std::size_t i = 0; i < c.DecimalPart.size(); ++i)
    t[padding + i] = c.DecimalPart[i];
  return t;
}

/// The number test and normalization: reads `InputText` into `number` and, when it is a number,
/// sets `IsNegative`, `SeparatorPos`, `DecimalPart`, `GroupCount` and the triads from it.
Verdict ReadInput(Conversion& c);

/// Sets `number` and the variables that follow from it, as ReadInput does.
void LoadNumber(Conversion& c, const Number& number);

/// The group loop: writes the words of `Triad1` to the `GroupCount`-th triad into `Caption`,
/// highest group first, as the group handlers put them in front of the lower groups.
void SpellGroups(Conversion& c);

/// Appends " zapeta " and the decimal words after `Caption`, and puts "minus" in front of it.
void AssembleResult(Conversion& c);

/// The words of the number in `c` as the word model: "minus", the groups, and the decimal
/// part or, with a currency, the units and hundredths. Returns Verdict::TooManyDecimals for an
/// amount with more than two decimal digits.
Verdict BuildWords(Conversion& c, const Options& options, Words& words);

}  // namespace uslova
