// words.cpp: the scale handlers, the table of every group's words that the compiler builds from
// them, the group loop, and the assembly of the decimal part and the sign.
#include "words.h"

#include <algorithm>

namespace uslova {
namespace {

constexpr NounForms kThousands{" hiljada", " hiljade", " hiljada", true};
constexpr NounForms kMillions{" milion", " miliona", " miliona", false};
constexpr NounForms kMilliards{" milijarda", " milijarde", " milijardi", true};
constexpr NounForms kBillions{" bilion", " biliona", " biliona", false};
constexpr std::array<NounForms, 4> kScales{kThousands, kMillions, kMilliards, kBillions};

constexpr std::string_view kFeminineOne = " jedna";
constexpr std::string_view kFeminineTwo = " dve";
constexpr std::string_view kDecimalWord = " zapeta ";
constexpr std::string_view kMinus = "minus";

template <typename Words>
constexpr std::size_t LongestOf(const Words& words) {
  std::size_t longest = 0;
  for (std::string_view w : words)
    longest = std::max(longest, w.size());
  return longest;
}

// The pieces fit their slots, and the caption its buffer: "minus" goes in front; five pieces,
// " zapeta " and the decimal words go after it, the last with a whole slot behind it.
constexpr std::size_t kLongestUnit =
    std::max({LongestOf(UnitWords), kFeminineOne.size(), kFeminineTwo.size()});
constexpr std::size_t kLongestTriad =
    LongestOf(HundredWords) + std::max(LongestOf(TeenWords), LongestOf(TensWords) + kLongestUnit);
constexpr std::size_t kLongestScale = LongestOf(
    std::array{kMillions.one, kMillions.many, kMilliards.one, kMilliards.few, kMilliards.many,
               kThousands.one, kThousands.few, kBillions.one, kBillions.many});
constexpr std::size_t kLongestPiece = kLongestTriad + kLongestScale;
static_assert(kLongestPiece <= std::tuple_size_v<decltype(Piece::text)>);
static_assert(std::max(kLongestPiece, kMinus.size()) <= Text::kFront);
static_assert(5 * kLongestPiece + kDecimalWord.size() + sizeof(Piece::text) <= Text::kBack);

/// Puts the words of a group of scale `s` in front of the caption: `GroupWords` and the form of
/// the scale word that the count takes. A feminine scale rebuilds a count ending in one or two
/// with " jedna" or " dve" and without the blank of a zero tens digit, so 101 thousands read
/// " stotinu jedna hiljada". A group "000" adds nothing.
constexpr void PutScaleInFront(Conversion& c, const NounForms& s) {
  const unsigned hundreds = DigitValue(c.CurrentTriad[0]);
  const unsigned tens = DigitValue(c.CurrentTriad[1]);
  const unsigned units = c.CurrentDigit;
  if (hundreds == 0 && tens == 0 && units == 0) return;

  const bool teen = tens == 1;
  if (s.feminine && !teen && (units == 1 || units == 2)) {
    c.Caption.prepend(units == 1 ? s.one : s.few);
    c.Caption.prepend(units == 1 ? kFeminineOne : kFeminineTwo);
    if (tens != 0) c.Caption.prepend(TensWords[tens]);
    c.Caption.prepend(HundredWords[hundreds]);
    return;
  }
  c.Caption.prepend(FormAfter(s, tens, units));
  c.Caption.prepend(c.GroupWords.view());
}

/// The words of one group for every triad, as SpellTriad and the group handlers write them:
/// group 1 its `GroupWords`, groups 2 to 5 the piece they put in front of the caption.
/// Built by the compiler, one group at a time to stay within its step limit.
using GroupPieces = std::array<Piece, 1000>;

template <std::size_t Group>
constexpr GroupPieces BuildPieces() {
  GroupPieces pieces{};
  for (unsigned value = 0; value < 1000; ++value) {
    Conversion c;
    c.CurrentTriad = {static_cast<char>('0' + value / 100),
                      static_cast<char>('0' + value / 10 % 10),
                      static_cast<char>('0' + value % 10)};
    SpellTriad(c);
    if constexpr (Group == 1) {
      c.Caption.assign(c.GroupWords.view());
    } else {
      c.Caption.clear();
      PutScaleInFront(c, kScales[Group - 2]);
    }
    const std::string_view words = c.Caption.view();
    std::copy(words.begin(), words.end(), pieces[value].text.begin());
    pieces[value].size = static_cast<std::uint8_t>(words.size());
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
    c.Caption.append(kDecimalWord);
    // The decimal digits are spelled as one number: "5" and "05" read as "005".
    c.CurrentTriad.fill('0');
    const std::size_t padding = c.CurrentTriad.size() - c.DecimalPart.size();
    for (std::size_t i = 0; i < c.DecimalPart.size(); ++i)
      c.CurrentTriad[padding + i] = c.DecimalPart[i];
    const Piece* decimals = &PieceOf(1, c.CurrentTriad);
    c.Caption.append(std::span(&decimals, 1));
  }
  if (c.IsNegative) c.Caption.prepend(kMinus);  // the next word brings its own blank
}

}  // namespace uslova
