// window_text.cpp: the window's exact text, fast: each group's words come from a table that the
// compiler builds by rendering the word model of every triad in every group, and "minus" and
// " zapeta " are the renderings of their rows.
// SPDX-License-Identifier: MIT
#include "window_text.h"

#include <cstring>

#include "uslova/window_pieces.h"

namespace uslova {
namespace {

/// One group's exact words in a fixed-size slot, so that copying one is a few moves whatever
/// its length; the longest is checked below.
struct Piece {
  std::array<char, 47> text;
  std::uint8_t size;
};
using GroupPieces = std::array<Piece, 1000>;

/// The window's text of `words` alone.
constexpr Piece RenderPiece(const Words& words) {
  std::array<char, kMaxRendered> text{};
  const std::string_view rendered = Render(words, Options::Script::Ascii, Options::Spacing::Exact,
                                           Options::LetterCase::Lower, text.data());
  Piece piece{};
  if (rendered.size() > piece.text.size()) throw "a group's words do not fit their slot";
  std::copy(rendered.begin(), rendered.end(), piece.text.begin());
  piece.size = static_cast<std::uint8_t>(rendered.size());
  return piece;
}

/// Built one group at a time, to stay within the compiler's step limit.
template <int Group>
constexpr GroupPieces BuildPieces() {
  GroupPieces pieces{};
  for (unsigned triad = 0; triad < 1000; ++triad) {
    Words words;
    SpellGroup(words, Group, triad, Options::Forms::Long);
    pieces[triad] = RenderPiece(words);
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

constexpr Piece WordPiece(std::uint8_t row) {
  Words words;
  words.push(row);
  return RenderPiece(words);
}
constexpr Piece kMinusPiece = WordPiece(kMinus);
constexpr Piece kPointPiece = WordPiece(kPoint);

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
static_assert(kMinusPiece.size <= WindowText::kFront);
static_assert(5 * kLongestPiece + kPointPiece.size + sizeof(Piece::text) <= WindowText::kBack);

const Piece& PieceOf(int group, unsigned triad) {
  return (*kPieces[static_cast<std::size_t>(group) - 1])[triad];
}

// The ids of WindowPieces: a group's piece is 1000 * (group - 1) + triad, then these two.
constexpr std::uint16_t kPointId = 5000;
constexpr std::uint16_t kMinusId = 5001;

/// Calls `append(piece, id)` for each piece of the caption of `number` after "minus": the
/// groups, and " zapeta " and the decimals.
template <typename Append>
void ForEachPiece(const Number& number, Append append) {
  for (int group = std::max((number.integerDigits + 2) / 3, 1); group >= 1; --group) {
    const unsigned triad = TriadOf(number, group);
    append(PieceOf(group, triad),
           static_cast<std::uint16_t>(1000 * static_cast<unsigned>(group - 1) + triad));
  }
  const std::string_view decimals = number.decimalDigits();
  if (!decimals.empty()) {
    append(kPointPiece, kPointId);
    // The decimal digits are spelled as one number: "5" and "05" read as "005".
    unsigned value = 0;
    for (char digit : decimals)
      value = value * 10 + static_cast<unsigned>(digit - '0');
    append(PieceOf(1, value), static_cast<std::uint16_t>(value));
  }
}

}  // namespace

std::string_view WindowText::write(const Number& number, char* data) {
  // The pieces are copied whole, each starting where the words of the one before end.
  char* out = data + kFront;
  ForEachPiece(number, [&out](const Piece& piece, std::uint16_t) {
    std::memcpy(out, piece.text.data(), piece.text.size());
    out += piece.size;
  });
  char* begin = data + kFront;
  if (number.negative) {  // the next word brings its own blank
    begin -= kMinusPiece.size;
    std::memcpy(begin, kMinusPiece.text.data(), kMinusPiece.size);
  }
  return {begin, static_cast<std::size_t>(out - begin)};
}

std::string_view ExactGroupText(int group, unsigned triad) {
  const Piece& piece = PieceOf(group, triad);
  return {piece.text.data(), piece.size};
}

std::size_t WindowPieces(const Number& number, std::uint16_t* ids) {
  std::size_t count = 0;
  if (number.negative) ids[count++] = kMinusId;
  ForEachPiece(number, [&](const Piece&, std::uint16_t id) { ids[count++] = id; });
  return count;
}

std::string_view WindowPieceText(std::uint16_t id) {
  const Piece* piece = id < kPointId    ? &PieceOf(id / 1000 + 1, id % 1000u)
                       : id == kPointId ? &kPointPiece
                       : id == kMinusId ? &kMinusPiece
                                        : nullptr;
  return piece == nullptr ? std::string_view{} : std::string_view{piece->text.data(), piece->size};
}

}  // namespace uslova
