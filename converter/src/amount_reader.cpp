// amount_reader.cpp: an amount as it is written, its currency's mark and its brackets or
// trailing minus around the number, read in bounded memory whatever its blanks.
// SPDX-License-Identifier: MIT
#include <algorithm>

#include "characters.h"
#include "uslova/amount_reader.h"

namespace uslova {
namespace {

using namespace characters;

/// `piece` stands in `text` at `at`; never out of its bounds.
constexpr bool StandsAt(std::string_view text, std::size_t at, std::string_view piece) {
  return at <= text.size() && text.size() - at >= piece.size() &&
         std::equal(piece.begin(), piece.end(), text.begin() + static_cast<std::ptrdiff_t>(at));
}

/// A blank that may stand between an amount's mark or bracket and its number: a space, a
/// tab, or the UTF-8 bytes of U+00A0 or U+202F. Its length at `at`, or before `end`; or 0.
std::size_t BlankAt(std::string_view text, std::size_t at) {
  if (at < text.size() && IsBlank(text[at])) return 1;
  for (std::string_view wide : {kNoBreakSpace, kNarrowNoBreakSpace}) {
    if (StandsAt(text, at, wide)) return wide.size();
  }
  return 0;
}
std::size_t BlankBefore(std::string_view text, std::size_t end) {
  if (end > 0 && IsBlank(text[end - 1])) return 1;
  for (std::string_view wide : {kNoBreakSpace, kNarrowNoBreakSpace}) {
    if (end >= wide.size() && StandsAt(text, end - wide.size(), wide)) return wide.size();
  }
  return 0;
}

/// The length of the longest mark of `currency`, its code or a sign, that `text` starts with
/// (`atEnd`: ends with), or 0.
std::size_t MarkLength(std::string_view text, Options::Currency currency, bool atEnd) {
  const CurrencyUnits& units = kCurrencies[static_cast<std::size_t>(currency) - 1];
  std::size_t longest = 0;
  const auto consider = [&](std::string_view mark) {
    if (mark.empty() || mark.size() > text.size() || mark.size() <= longest) return;
    if (StandsAt(text, atEnd ? text.size() - mark.size() : 0, mark)) longest = mark.size();
  };
  consider(units.code);
  for (std::string_view sign : units.signs)
    consider(sign);
  return longest;
}

/// What stands around an amount's number.
struct Around {
  std::size_t length = 0;  // the bytes it takes
  bool bracket = false;    // "(" before it, or ")" after it
  bool minus = false;      // a trailing "-"
  bool mark = false;       // the currency's code or sign
};

/// Before the number: blanks, then "(" and a mark in either order, each with blanks after it.
/// Nothing is taken when neither is there.
Around Before(std::string_view text, Options::Currency currency) {
  Around found;
  std::size_t at = 0;
  const auto blanks = [&] {
    while (const std::size_t n = BlankAt(text, at))
      at += n;
  };
  blanks();
  for (int i = 0; i < 2; ++i) {
    if (!found.bracket && at < text.size() && text[at] == '(') {
      found.bracket = true;
      ++at;
      blanks();
    } else if (const std::size_t n = found.mark ? 0 : MarkLength(From(text, at), currency, false)) {
      found.mark = true;
      at += n;
      blanks();
    }
  }
  if (found.bracket || found.mark) found.length = at;
  return found;
}

/// After the number, read from the end: blanks, then ")" or "-" and a mark in either order,
/// each with blanks before it; no mark when `markBefore`. Nothing is taken when none is there.
Around After(std::string_view text, Options::Currency currency, bool markBefore) {
  Around found;
  std::size_t end = text.size();
  const auto blanks = [&] {
    while (const std::size_t n = BlankBefore(text, end))
      end -= n;
  };
  blanks();
  for (int i = 0; i < 2; ++i) {
    if (!found.bracket && !found.minus && end > 0 &&
        (text[end - 1] == ')' || text[end - 1] == '-')) {
      (text[end - 1] == ')' ? found.bracket : found.minus) = true;
      --end;
      blanks();
    } else if (const std::size_t n =
                   found.mark || markBefore ? 0 : MarkLength(Upto(text, end), currency, true)) {
      found.mark = true;
      end -= n;
      blanks();
    }
  }
  if (found.bracket || found.minus || found.mark) found.length = text.size() - end;
  return found;
}

}  // namespace

void AmountReader::take(char ch) {
  if (wideBytes_ > 0) {
    const std::string_view wide = WideBlankBytes(wideKind_);
    if (ch == wide[wideBytes_]) {
      put(ch);
      if (++wideBytes_ == wide.size()) {
        wideBytes_ = 0;
        blank(wide.size(), true);
      }
      return;
    }
    wideBytes_ = 0;  // the bytes held were no blank: the run of blanks before them ended
    runBlanks_ = 0;
    runWide_ = false;
  }
  if (IsBlank(ch)) {
    put(ch);
    return blank(1, false);
  }
  if (ch == kNoBreakSpace[0] || ch == kNarrowNoBreakSpace[0]) {
    wideKind_ = ch == kNoBreakSpace[0] ? 'n' : 'N';
    wideBytes_ = 1;
    return put(ch);
  }
  runBlanks_ = 0;
  runWide_ = false;
  if (!started_ && IsDigit(ch)) start();
  put(ch);
}

/// A blank of `size` bytes, just held, joins the run at the end of held_. A third one and more
/// are dropped: for either reader a run of two blanks reads as any longer one, unless the
/// longer one has a wide blank, which then takes the second one's place.
void AmountReader::blank(std::size_t size, bool wide) {
  if (runBlanks_ < 2) {
    ++runBlanks_;
    runWide_ = runWide_ || wide;
    return;
  }
  heldSize_ = static_cast<std::uint8_t>(heldSize_ - size);
  if (wide && !runWide_) {
    --heldSize_;  // the second blank, a space or a tab
    for (char byte : WideBlankBytes(wideKind_))
      put(byte);
    runWide_ = true;
  }
}

/// Holds a byte. When the buffer is full, the bytes before its last kKeep are the number's;
/// before a digit, they are more than a mark and a bracket take, and so no amount's.
void AmountReader::put(char ch) {
  if (heldSize_ == kHeld) {
    constexpr std::size_t kPassed = kHeld - kKeep;
    if (!started_) started_ = true;  // nothing before the number is taken for a mark
    number_.feed({held_.data(), kPassed});
    std::copy(held_.begin() + kPassed, held_.end(), held_.begin());
    heldSize_ = static_cast<std::uint8_t>(kKeep);
  }
  held_[heldSize_++] = ch;
}

/// The first digit came: what came before it is read for a bracket and a mark.
void AmountReader::start() {
  started_ = true;
  const std::string_view lead(held_.data(), heldSize_);
  const Around before = Before(lead, currency_);
  opened_ = before.bracket;
  leadMark_ = before.mark;
  number_.feed(From(lead, before.length));
  heldSize_ = 0;
}

Verdict AmountReader::finish(Number& number) const {
  if (currency_ == Options::Currency::None) return number_.finish(number);
  if (!started_) {
    NumberReader whole = number_;  // without a digit the text is no number: held_ says why
    whole.feed({held_.data(), heldSize_});
    return whole.finish(number);
  }
  const std::string_view last(held_.data(), heldSize_);
  const Around after = After(last, currency_, leadMark_);
  const std::string_view rest = Upto(last, last.size() - after.length);
  NumberReader whole = number_;
  whole.feed(rest);
  // One mark and one sign: "(" with ")", and a trailing minus neither with them nor after a
  // separator, where "5,-" is a whole amount in some hands and never -5.
  if (opened_ != after.bracket || (after.minus && whole.separatorLast()) ||
      ((opened_ || after.minus) && !whole.negate())) {
    return Verdict::NotANumber;
  }
  return whole.finish(number);
}

Verdict AmountReader::read(std::string_view text, Number& number, Options::Decimal decimal,
                           Options::Currency currency) {
  if (currency == Options::Currency::None || bare(text)) {
    return NumberReader::read(text, number, decimal);
  }
  AmountReader reader(decimal, currency);
  reader.feed(text);
  return reader.finish(number);
}

Verdict WhyRefused(std::string_view text, Verdict verdict, Options::Decimal decimal,
                   Options::Currency currency) {
  if (verdict != Verdict::NotANumber || currency == Options::Currency::None) return verdict;
  for (std::size_t c = 1; c <= std::size(kCurrencies); ++c) {
    const auto other = static_cast<Options::Currency>(c);
    Number number;
    // Any reading but "no number": its mark is the other currency's, whatever else is wrong.
    if (other != currency &&
        AmountReader::read(text, number, decimal, other) != Verdict::NotANumber) {
      return Verdict::OtherCurrency;
    }
  }
  return verdict;
}

Options::Decimal DecimalThatReads(std::string_view text, Verdict verdict, Options::Decimal decimal,
                                  Options::Currency currency) {
  const bool point = text.find('.') != std::string_view::npos;
  const bool comma = text.find(',') != std::string_view::npos;
  if (verdict != Verdict::TooManyDecimals || decimal != Options::Decimal::Auto || point == comma)
    return Options::Decimal::Auto;
  const Options::Decimal reading = point ? Options::Decimal::Comma : Options::Decimal::Point;
  Number number;
  return ReadNumber(text, number, reading, currency) == Verdict::Accepted ? reading
                                                                          : Options::Decimal::Auto;
}

}  // namespace uslova
