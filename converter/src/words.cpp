// words.cpp: the window's exact text, fast: each group's words come from a table that the
// compiler builds by rendering the word model of every triad in every group.
// SPDX-License-Identifier: MIT
#include "words.h"

#include <algorithm>

#include "render.h"

namespace uslova {
namespace {

constexpr std::string_view kMinusText = "minus";
constexpr std::string_view kPointText = " zapeta ";

/// The most one group writes: up to four numerals and a scale noun, and a whole slot after.
constexpr std::size_t kGroupRendered = 5 * (sizeof(Slot::text) + 2) + sizeof(Slot::text);

/// The exact words of one group for every triad: the numerals and the scale noun.
using GroupPieces = std::array<Piece, 1000>;

/// Built one group at a time, to stay within the compiler's step limit.
template <int Group>
constexpr GroupPieces BuildPieces() {
  GroupPieces pieces{};
  for (unsigned value = 0; value < 1000; ++value) {
    Words words;
    SpellGroupOf(Group, value, Options::Forms::Long, words);
    std::array<char, kGroupRendered> text{};
    const std::string_view rendered = Render(words, Options::Script::Ascii, Options::Spacing::Exact,
                                             Options::LetterCase::Lower, text.data());
    if (rendered.size() > pieces[value].text.size()) throw "a group's words do not fit their slot";
    std::copy(rendered.begin(), rendered.end(), pieces[value].text.begin());
    pieces[value].size = static_cast<std::uint8_t>(rendered.size());
  }
  return pieces;
}

constexpr GroupPieces kUnitsPieces = BuildPieces<1>();
constexpr GroupPieces kThousandsPieces = BuildPieces<2>();
constexpr GroupPieces kMillionsPieces = BuildPieces<3>();
constexpr GroupPieces kMilliardsPieces = BuildPieces<4>();
constexpr GroupPieces kBillionsPieces = BuildPieces<5>();
constexpr std::array<const GroupPieces*, 5> kPieces{
    &kUnitsPieces, &kThousandsPieces, &kMillionsPieces, &kMilliardsPieces, &kBillionsPieces};

constexpr std::size_t kLongestPiece = [] {
  std::size_t longest = 0;
  for (const GroupPieces* group : kPieces) {
    for (const Piece& piece : *group)
      longest = std::max<std::size_t>(longest, piece.size);
  }
  return longest;
}();
// The caption fits its buffer: "minus" in front; five pieces, " zapeta " and the decimal words
// after it, the last with a whole slot behind it.
static_assert(kMinusText.size() <= Text::kFront);
static_assert(5 * kLongestPiece + kPointText.size() + sizeof(Piece::text) <= Text::kBack);

constexpr const Piece& PieceOf(std::size_t group, const Triad& t) {
  return (*kPieces[group - 1])[DigitValue(t[0]) * 100 + DigitValue(t[1]) * 10 + DigitValue(t[2])];
}

}  // namespace

void SpellGroups(Conversion& c) {
  // The pieces are looked up, highest group first, with the loop's state in locals, and copied
  // only then: a copy into the caption's bytes could alias any field of `c`.
  std::array<const Piece*, 5> pieces;
  const auto groups = static_cast<std::size_t>(c.GroupCount);
  for (std::size_t group = groups; group >= 1; --group) {
    pieces[groups - group] = &PieceOf(group, c.Triads[group - 1]);
  }
  c.GroupIndex = c.GroupCount + 1;  // as the group loop leaves them
  c.CurrentTriad = c.Triads[groups - 1];
  c.Caption.clear();  // group 1's words replace whatever the caption held
  c.Caption.append(std::span(pieces.data(), groups));
}

void AssembleResult(Conversion& c) {
  if (c.SeparatorPos != 0) {
    c.Caption.append(kPointText);
    // The decimal digits are spelled as one number: "5" and "05" read as "005".
    c.CurrentTriad = DecimalTriad(c);
    const Piece* decimals = &PieceOf(1, c.CurrentTriad);
    c.Caption.append(std::span(&decimals, 1));
  }
  if (c.IsNegative) c.Caption.prepend(kMinusText);  // the next word brings its own blank
}

}  // namespace uslova
