// reader.cpp: the number test and the reading of a typed number, one byte at a time, in fixed
// 64-bit arithmetic whatever the width of size_t. Reading never depends on the process locale
// and never goes through a double, so every digit of the integer part is exact.
// SPDX-License-Identifier: MIT
#include "uslova/reader.h"

#include <algorithm>
#include <cstring>

namespace uslova {
namespace {

constexpr std::uint64_t kMaxIntegerDigits = Number::kMaxDigits;
// Counts and exponents stop here: far beyond any text, and far below overflow.
constexpr std::uint64_t kSaturated = std::uint64_t{1} << 62;

constexpr bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}
constexpr bool IsSeparator(char ch) {
  return ch == '.' || ch == ',';
}
constexpr bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t';
}

// The UTF-8 bytes of the wide blanks that may stand between groups.
constexpr std::string_view kNoBreakSpace = "\xc2\xa0";            // U+00A0
constexpr std::string_view kNarrowNoBreakSpace = "\xe2\x80\xaf";  // U+202F
constexpr std::string_view WideBlankBytes(char kind) {
  return kind == 'n' ? kNoBreakSpace : kNarrowNoBreakSpace;
}

}  // namespace

// A count of digits in 64 bits does not overflow: that many bytes take centuries to read.
void NumberReader::Integer::push(char digit) {
  pushRun(&digit, &digit + 1);
}

const char* NumberReader::Integer::pushRun(const char* p, const char* end) {
  if (significant == 0) {
    while (p != end && *p == '0')
      ++p;  // leading zeros
  }
  const char* run = p;
  while (p != end && IsDigit(*p))
    ++p;
  // The first fifteen digits are kept; past them only where the last nonzero one is matters.
  const auto count = static_cast<std::size_t>(p - run);
  const std::size_t room = significant < kMaxIntegerDigits
                               ? static_cast<std::size_t>(kMaxIntegerDigits - significant)
                               : 0;
  const std::size_t kept = std::min(count, room);
  for (std::size_t i = 0; i < kept; ++i)
    digits[static_cast<std::size_t>(significant) + i] = run[i];
  for (std::size_t i = kept; i < count; ++i) {
    if (run[i] != '0') lastNonzero = significant + i + 1;
  }
  significant += count;
  return p;
}

std::uint64_t NumberReader::Integer::trailingZeros() const {
  if (lastNonzero > kMaxIntegerDigits) return significant - lastNonzero;
  auto kept = static_cast<std::size_t>(std::min(significant, kMaxIntegerDigits));
  while (kept > 0 && digits[kept - 1] == '0')
    --kept;
  return significant - kept;
}

void NumberReader::feed(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    // The common case, a run of integer digits, in a loop of its own.
    if (phase_ == Phase::Mantissa && separators_ == 0) {
      const char* begin = bytes.data() + i;
      const char* end = integer_.pushRun(begin, bytes.data() + bytes.size());
      run_ = static_cast<std::uint8_t>(std::min<std::ptrdiff_t>(run_ + (end - begin), 4));
      i = static_cast<std::size_t>(end - bytes.data());
      if (i == bytes.size()) return;
    }
    step(bytes[i]);
    if (phase_ == Phase::Failed) return;
  }
}

void NumberReader::step(char ch) {
  switch (phase_) {
    case Phase::Lead:
      if (IsBlank(ch)) return;
      if (ch == '+' || ch == '-') {
        sign_ = ch;
        phase_ = Phase::Sign;
        return;
      }
      [[fallthrough]];
    case Phase::Sign:
      if (IsDigit(ch)) {
        digit(ch);
      } else if (IsSeparator(ch)) {
        leadingSeparator_ = true;
        separators_ = 1;
        groupSeparator_ = lastSeparator_ = ch;
      } else {
        phase_ = Phase::Failed;
        return;
      }
      phase_ = Phase::Mantissa;
      return;
    case Phase::Mantissa:
      if (IsDigit(ch)) return digit(ch);
      if (IsSeparator(ch)) return separator(ch);
      if (ch == 'e' || ch == 'E') {
        // Without a digit there is no mantissa (".e5"); a group of blanks must be whole.
        const bool whole = blank_ == 0 || separators_ > 0 || run_ == 3;
        phase_ = anyDigit_ && whole ? Phase::ExpMark : Phase::Failed;
        exponent_ = true;
        return;
      }
      if (ch == kNoBreakSpace[0] || ch == kNarrowNoBreakSpace[0]) {
        wideBlank_ = ch == kNoBreakSpace[0] ? 'n' : 'N';
        wideByte_ = 1;
        phase_ = Phase::WideBlank;
        return;
      }
      if (!IsBlank(ch)) {
        phase_ = Phase::Failed;
        return;
      }
      phase_ = Phase::Blanks;
      spaces_ = 0;
      tab_ = false;
      [[fallthrough]];
    case Phase::Blanks:
      if (IsBlank(ch)) {
        spaces_ = static_cast<std::uint8_t>(std::min(spaces_ + 1, 2));
        tab_ = tab_ || ch == '\t';
        return;
      }
      // Only one space and a digit make this a blank between groups; otherwise the blanks
      // were to be trailing ones.
      if (IsDigit(ch) && spaces_ == 1 && !tab_ && closeBlankGroup(' ')) return digit(ch);
      phase_ = Phase::Failed;
      return;
    case Phase::WideBlank:
      if (ch != WideBlankBytes(wideBlank_)[wideByte_]) {
        phase_ = Phase::Failed;
      } else if (++wideByte_ == WideBlankBytes(wideBlank_).size()) {
        phase_ = Phase::InnerBlank;
      }
      return;
    case Phase::InnerBlank:
      if (IsDigit(ch) && closeBlankGroup(wideBlank_)) return digit(ch);
      phase_ = Phase::Failed;
      return;
    case Phase::ExpMark:
      if (ch == '+' || ch == '-') {
        exponentNegative_ = ch == '-';
        phase_ = Phase::ExpSign;
        return;
      }
      [[fallthrough]];
    case Phase::ExpSign:
    case Phase::ExpDigits:
      if (IsDigit(ch)) {
        exponentValue_ = exponentValue_ >= kSaturated / 10
                             ? kSaturated
                             : exponentValue_ * 10 + static_cast<unsigned>(ch - '0');
        phase_ = Phase::ExpDigits;
        return;
      }
      phase_ = phase_ == Phase::ExpDigits && IsBlank(ch) ? Phase::Trail : Phase::Failed;
      return;
    case Phase::Trail:
      if (!IsBlank(ch)) phase_ = Phase::Failed;
      return;
    case Phase::Failed:
      return;
  }
}

void NumberReader::digit(char ch) {
  anyDigit_ = true;
  phase_ = Phase::Mantissa;
  if (separators_ == 0) {
    integer_.push(ch);  // the first run, and the runs after blanks, are integer digits
  } else {
    if (run_ < runDigits_.size()) runDigits_[run_] = ch;
    runNonzero_ = runNonzero_ || ch != '0';
  }
  run_ = static_cast<std::uint8_t>(std::min(run_ + 1, 4));
}

/// A "." or "," after a digit: the decimal separator, or one between groups of three digits.
/// What it is shows only at the end; meanwhile the run it closes is checked as a group.
void NumberReader::separator(char ch) {
  // Two in a row ("1..2"), or a second one after ".5", is no number; nor is one after
  // blank groups that already have their decimal separator.
  if (run_ == 0 || leadingSeparator_ || (blank_ != 0 && (separators_ > 0 || run_ != 3))) {
    phase_ = Phase::Failed;
    return;
  }
  if (separators_ == 0) {
    if (blank_ == 0) firstRun_ = run_;
    groupSeparator_ = ch;
  } else {
    // The run since the previous separator lies between two separators: a group.
    groupsBad_ = groupsBad_ || run_ != 3 || lastSeparator_ != groupSeparator_;
    for (char d : runDigits_)
      integer_.push(d);
  }
  lastSeparator_ = ch;
  separators_ = static_cast<std::uint8_t>(std::min(separators_ + 1, 2));
  run_ = 0;
  runNonzero_ = false;
}

/// A blank of `kind` between two digits: it must follow the first group (one to three digits)
/// or a whole group, be of the kind of the blanks before it, and come before any separator.
bool NumberReader::closeBlankGroup(char kind) {
  if (separators_ > 0) return false;
  if (blank_ == 0) {
    if (run_ > 3) return false;
    firstRun_ = run_;
    blank_ = kind;
  } else if (kind != blank_ || run_ != 3) {
    return false;
  }
  run_ = 0;
  return true;
}

/// Adds a last group to `integer`, and applies the exponent: a whole value only, where a
/// negative exponent removes trailing zeros and nothing else.
Verdict NumberReader::adjust(Integer& integer, bool lastRunIsGroup) const {
  if (lastRunIsGroup) {
    for (char d : runDigits_)
      integer.push(d);
  }
  if (!exponent_ || integer.significant == 0) return Verdict::Accepted;
  if (exponentNegative_) {
    if (exponentValue_ >= integer.significant || exponentValue_ > integer.trailingZeros()) {
      return Verdict::Unsupported;
    }
    integer.significant -= exponentValue_;  // the digits cut are zeros
    return Verdict::Accepted;
  }
  if (exponentValue_ > kMaxIntegerDigits) return Verdict::TooLarge;
  const std::uint64_t kept = std::min(integer.significant, kMaxIntegerDigits);
  std::fill_n(integer.digits.begin() + static_cast<std::ptrdiff_t>(kept),
              std::min(exponentValue_, kMaxIntegerDigits - kept), '0');
  integer.significant += exponentValue_;
  return Verdict::Accepted;
}

Verdict NumberReader::finish(Number& number) const {
  const bool complete = phase_ == Phase::Mantissa || phase_ == Phase::Blanks ||
                        phase_ == Phase::ExpDigits || phase_ == Phase::Trail;
  // A number has a digit, and blank groups end with a whole group.
  if (!complete || !anyDigit_ || (blank_ != 0 && separators_ == 0 && run_ != 3)) {
    return Verdict::NotANumber;
  }
  // 1,5e3 would need its digits moved across the separator.
  if (exponent_ && (separators_ > 0 || blank_ != 0)) return Verdict::Unsupported;

  // By default, with two or more separators the first is the group separator, and the last
  // one the decimal separator unless it is a group separator too. A chosen decimal separator
  // makes the other one group, even alone ("15.000"); it may follow no other separator, nor
  // may a group separator follow blank groups.
  bool grouped = separators_ >= 2;
  bool lastRunIsGroup = grouped && lastSeparator_ == groupSeparator_;
  if (decimal_ != Options::Decimal::Auto && separators_ > 0) {
    const char group = decimal_ == Options::Decimal::Comma ? '.' : ',';
    grouped = groupSeparator_ == group;
    if ((!grouped && separators_ >= 2) || (grouped && blank_ != 0)) return Verdict::Unsupported;
    lastRunIsGroup = grouped && lastSeparator_ == group;
  }
  if (grouped && (firstRun_ < 1 || firstRun_ > 3 || groupsBad_ || (lastRunIsGroup && run_ != 3))) {
    return Verdict::Unsupported;
  }
  // The integer as read, or, for a last group or an exponent, a copy made to fit.
  Integer adjusted;
  const Integer* integer = &integer_;
  if (lastRunIsGroup || exponent_) {
    adjusted = integer_;
    if (const Verdict v = adjust(adjusted, lastRunIsGroup); v != Verdict::Accepted) return v;
    integer = &adjusted;
  }
  if (integer->significant > kMaxIntegerDigits) return Verdict::TooLarge;

  const bool decimals = separators_ > 0 && !lastRunIsGroup;
  const auto count = static_cast<std::size_t>(integer->significant);
  number.integerDigits = static_cast<std::uint8_t>(count);
  // Right-aligned by copying a window of fixed size: "0" * 15 followed by the digits.
  std::array<char, 2 * kMaxIntegerDigits> padded;
  padded.fill('0');
  std::memcpy(padded.data() + kMaxIntegerDigits, integer->digits.data(), kMaxIntegerDigits);
  std::memcpy(number.integer.data(), padded.data() + count, kMaxIntegerDigits);
  number.decimalsTyped = decimals ? std::min<std::uint8_t>(run_, 4) : 0;
  number.decimals = runDigits_;
  // The value is below zero: any digit other than 0, also one of the dropped decimals.
  number.negative = sign_ == '-' && (count != 0 || (decimals && runNonzero_));
  return Verdict::Accepted;
}

/// The common form, an optional sign and at most fifteen significant digits with at most one
/// decimal separator and its decimal digits, read straight into `number`. Returns false, with
/// nothing decided, for anything else.
bool NumberReader::readPlain(std::string_view text, Number& number, Options::Decimal decimal) {
  const char grouping = decimal == Options::Decimal::Comma   ? '.'
                        : decimal == Options::Decimal::Point ? ','
                                                             : '\0';
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool minus = p != end && *p == '-';
  if (p != end && (*p == '-' || *p == '+')) ++p;
  const char* const digits = p;
  while (p != end && *p == '0')
    ++p;
  const char* const significant = p;
  while (p != end && IsDigit(*p))
    ++p;
  const auto count = static_cast<std::size_t>(p - significant);
  if (p == digits || count > Number::kMaxDigits) return false;
  const char* const integerEnd = p;
  bool nonzeroDecimal = false;
  if (p != end && IsSeparator(*p) && *p != grouping) {
    const char* const decimals = ++p;
    for (; p != end && IsDigit(*p); ++p)
      nonzeroDecimal = nonzeroDecimal || *p != '0';
    const auto typed = static_cast<std::size_t>(p - decimals);
    number.decimalsTyped = static_cast<std::uint8_t>(std::min<std::size_t>(typed, 4));
    std::memcpy(number.decimals.data(), decimals, std::min<std::size_t>(typed, 3));
  } else {
    number.decimalsTyped = 0;
  }
  if (p != end) return false;
  number.integer.fill('0');
  for (std::size_t i = 1; i <= count; ++i)
    number.integer[Number::kMaxDigits - i] = integerEnd[-static_cast<std::ptrdiff_t>(i)];
  number.integerDigits = static_cast<std::uint8_t>(integerEnd - significant);
  number.negative = minus && (count != 0 || nonzeroDecimal);
  return true;
}

Verdict NumberReader::read(std::string_view text, Number& number, Options::Decimal decimal) {
  if (readPlain(text, number, decimal)) return Verdict::Accepted;
  NumberReader reader(decimal);
  reader.feed(text);
  return reader.finish(number);
}

namespace {

// The text from `at`, and up to `end`; both within it. (substr would check, and throw.)
constexpr std::string_view From(std::string_view text, std::size_t at) {
  return {text.data() + at, text.size() - at};
}
constexpr std::string_view Upto(std::string_view text, std::size_t end) {
  return {text.data(), end};
}

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

Verdict FloatText(std::string_view shown, Options::Decimal decimal, ShortText& text) {
  std::size_t at = 0;
  const bool minus = at < shown.size() && shown[at] == '-';
  if (at < shown.size() && (shown[at] == '-' || shown[at] == '+')) ++at;
  // "nan", "inf", "Infinity", "INF": every language's names, in any case.
  std::string_view word = From(shown, at);
  const auto named = [&](std::string_view name) {
    return word.size() == name.size() && std::equal(name.begin(), name.end(), word.begin(),
                                                    [](char a, char b) { return a == (b | 0x20); });
  };
  if (named("nan")) return Verdict::NotANumber;
  if (named("inf") || named("infinity")) return Verdict::TooLarge;
  // The significant digits, from the first nonzero one to the last, and how many of them
  // stand before the decimal point (negative: zeros after it first).
  std::array<char, Number::kMaxDigits> digits{};
  std::size_t seen = 0;         // digits from the first nonzero one
  std::size_t significant = 0;  // up to the last nonzero one
  std::int64_t point = 0;
  bool any = false, afterPoint = false;
  for (; at < shown.size(); ++at) {
    const char ch = shown[at];
    if (ch == '.' && !afterPoint) {
      afterPoint = true;
      continue;
    }
    if (!IsDigit(ch)) break;
    any = true;
    if (seen == 0 && ch == '0') {
      if (afterPoint) --point;  // a zero after the point, before the first significant digit
      continue;
    }
    if (!afterPoint) ++point;
    if (seen < digits.size()) digits[seen] = ch;
    ++seen;
    if (ch != '0') significant = seen;
  }
  if (!any) return Verdict::NotANumber;
  std::int64_t exponent = 0;
  if (at < shown.size() && (shown[at] == 'e' || shown[at] == 'E')) {
    ++at;
    const bool negative = at < shown.size() && shown[at] == '-';
    if (at < shown.size() && (shown[at] == '-' || shown[at] == '+')) ++at;
    if (at == shown.size()) return Verdict::NotANumber;
    for (; at < shown.size() && IsDigit(shown[at]); ++at)
      exponent = std::min<std::int64_t>(exponent * 10 + (shown[at] - '0'), 100000);
    if (negative) exponent = -exponent;
  }
  if (at != shown.size()) return Verdict::NotANumber;
  const std::size_t count = significant;  // trailing zeros say nothing of the value
  point += exponent;
  // Too large before inexact: no rounding brings 2^53 under 10^15.
  if (count > 0 && point > static_cast<std::int64_t>(Number::kMaxDigits)) {
    return Verdict::TooLarge;
  }
  if (count > digits.size()) return Verdict::Inexact;
  char* out = text.bytes.data();
  const char separator = decimal == Options::Decimal::Comma ? ',' : '.';
  if (count == 0) {
    *out++ = '0';  // a zero, of either sign
  } else {
    if (minus) *out++ = '-';
    // The integer digits, or "0"; then the decimals, of which the reader reads three and,
    // for the sign and the count, whether there are more.
    if (point <= 0) *out++ = '0';
    for (std::int64_t i = 0; i < point; ++i)
      *out++ = i < static_cast<std::int64_t>(count) ? digits[static_cast<std::size_t>(i)] : '0';
    const std::int64_t decimals = static_cast<std::int64_t>(count) - point;
    if (decimals > 0) {
      *out++ = separator;
      for (std::int64_t i = 0; i < std::min<std::int64_t>(decimals, 4); ++i) {
        const std::int64_t index = point + i;  // into digits; below 0: a leading zero
        *out++ = index < 0 ? '0' : digits[static_cast<std::size_t>(index)];
      }
      if (decimals > 4) out[-1] = '1';  // the last digit of all is not 0: there are more
    }
  }
  text.size = static_cast<std::uint8_t>(out - text.bytes.data());
  return Verdict::Accepted;
}

}  // namespace uslova
