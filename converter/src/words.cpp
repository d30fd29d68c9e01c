// words.cpp: the spelling of a triad, the group loop with its scale handlers, and the assembly
// of the decimal part and the sign.
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

// The caption never outgrows its buffer: four scale pieces and "minus" go in front of the units
// group, " zapeta " and the decimal words after it.
constexpr std::size_t kLongestUnit =
    std::max({LongestOf(UnitWords), kFeminineOne.size(), kFeminineTwo.size()});
constexpr std::size_t kLongestTriad =
    LongestOf(HundredWords) + std::max(LongestOf(TeenWords), LongestOf(TensWords) + kLongestUnit);
constexpr std::size_t kLongestScale = LongestOf(
    std::array{kMillions.one, kMillions.many, kMilliards.one, kMilliards.few, kMilliards.many,
               kThousands.one, kThousands.few, kBillions.one, kBillions.many});
static_assert(4 * (kLongestTriad + kLongestScale) + kMinus.size() <= Text::kFront);
static_assert(kLongestTriad + kDecimalWord.size() + kLongestTriad <= Text::kBack);

/// Puts the words of a group of scale `s` in front of the caption: `GroupWords` and the form of
/// the scale word that the count takes. A feminine scale rebuilds a count ending in one or two
/// with " jedna" or " dve" and without the blank of a zero tens digit, so 101 thousands read
/// " stotinu jedna hiljada". A group "000" adds nothing.
void PutScaleInFront(Conversion& c, const NounForms& s) {
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

}  // namespace

std::string_view FormAfter(const NounForms& noun, unsigned tens, unsigned units) {
  if (tens == 1) return noun.many;  // the teens
  if (units == 1) return noun.one;
  return units >= 2 && units <= 4 ? noun.few : noun.many;
}

void SpellTriad(Conversion& c) {
  c.CurrentDigit = DigitValue(c.CurrentTriad[0]);
  c.CurrentWord = HundredWords[c.CurrentDigit];
  c.GroupWords.append(c.CurrentWord);

  c.CurrentDigit = DigitValue(c.CurrentTriad[1]);
  if (c.CurrentDigit == 1) {  // a teen replaces both the tens and the unit word
    c.CurrentDigit = DigitValue(c.CurrentTriad[2]);
    c.CurrentWord = TeenWords[c.CurrentDigit];
    c.GroupWords.append(c.CurrentWord);
    return;
  }
  c.CurrentWord = TensWords[c.CurrentDigit];
  c.GroupWords.append(c.CurrentWord);
  c.CurrentDigit = DigitValue(c.CurrentTriad[2]);
  c.CurrentWord = UnitWords[c.CurrentDigit];
  c.GroupWords.append(c.CurrentWord);
}

void SpellGroups(Conversion& c) {
  c.GroupWords.clear();
  for (c.GroupIndex = 1; c.GroupIndex <= c.GroupCount; ++c.GroupIndex) {
    c.CurrentTriad = c.Triads[static_cast<std::size_t>(c.GroupIndex - 1)];
    SpellTriad(c);
    if (c.GroupIndex == 1) {
      c.Caption.assign(c.GroupWords.view());  // replaces whatever an earlier group left
    } else {
      PutScaleInFront(c, kScales[static_cast<std::size_t>(c.GroupIndex - 2)]);
    }
    c.GroupWords.clear();
  }
}

void AssembleResult(Conversion& c) {
  if (c.SeparatorPos != 0) {
    c.Caption.append(kDecimalWord);
    // The decimal digits are spelled as one number: "5" and "05" read as "005".
    c.CurrentTriad.fill('0');
    std::copy(c.DecimalPart.begin(), c.DecimalPart.end(),
              c.CurrentTriad.end() - static_cast<std::ptrdiff_t>(c.DecimalPart.size()));
    SpellTriad(c);
    c.Caption.append(c.GroupWords.view());
  }
  if (c.IsNegative) c.Caption.prepend(kMinus);  // the next word brings its own blank
  c.CurrentWord = {};
  c.GroupWords.clear();
}

}  // namespace uslova
