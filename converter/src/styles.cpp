// styles.cpp: the words in other scripts, spacings and letter cases, and amounts in dinars or
// euros. Everything starts from the window's own words, so the grammar is the same.
#include <algorithm>
#include <array>
#include <vector>

#include "words.h"

namespace uslova {
namespace {

using Words = std::vector<std::string_view>;

constexpr NounForms kDinar{"dinar", "dinara", "dinara", false};
constexpr NounForms kEvro{"evro", "evra", "evra", false};
constexpr NounForms kPara{"para", "pare", "para", true};
constexpr NounForms kCent{"cent", "centa", "centi", false};

// The only words whose Latin spelling has diacritics; all others are the same in both.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kDiacritics{{
    {"cetiri", "četiri"},
    {"sest", "šest"},
    {"cetrnaest", "četrnaest"},
    {"sesnaest", "šesnaest"},
    {"cetrdeset", "četrdeset"},
    {"sezdeset", "šezdeset"},
}};

// Serbian Cyrillic for the Latin letters a to z (q, w, x and y do not occur and stay).
constexpr std::array<std::string_view, 26> kCyrillic{"а", "б", "ц", "д", "е", "ф", "г", "х", "и",
                                                     "ј", "к", "л", "м", "н", "о", "п", "q", "р",
                                                     "с", "т", "у", "в", "w", "x", "y", "з"};

void AppendCyrillic(std::string_view latin, std::string& out) {
  for (std::size_t i = 0; i < latin.size(); ++i) {
    const std::string_view rest = latin.substr(i);
    if (rest.starts_with("lj")) {
      out += "љ", ++i;
    } else if (rest.starts_with("nj")) {
      out += "њ", ++i;
    } else if (rest.starts_with("dž")) {
      out += "џ", i += 2;
    } else if (rest.starts_with("č")) {
      out += "ч", ++i;
    } else if (rest.starts_with("š")) {
      out += "ш", ++i;
    } else if (rest.starts_with("ž")) {
      out += "ж", ++i;
    } else if (latin[i] >= 'a' && latin[i] <= 'z') {
      out += kCyrillic[static_cast<std::size_t>(latin[i] - 'a')];
    } else {
      out += latin[i];  // digits and "/" of an amount
    }
  }
}

void AppendInScript(std::string_view word, Options::Script script, std::string& out) {
  if (script == Options::Script::Ascii) {
    out += word;
    return;
  }
  for (const auto& [ascii, latin] : kDiacritics) {
    if (word == ascii) word = latin;
  }
  if (script == Options::Script::Latin) {
    out += word;
  } else {
    AppendCyrillic(word, out);
  }
}

/// The capital of a lower-case letter of our words: ASCII, č š ž ć đ, and Cyrillic.
char32_t Capital(char32_t letter) {
  if (letter >= U'a' && letter <= U'z') return letter - 0x20;
  if (letter >= 0x0430 && letter <= 0x044F) return letter - 0x20;  // а to я
  if (letter >= 0x0450 && letter <= 0x045F) return letter - 0x50;  // ђ ј љ њ ћ џ
  if (letter == U'č' || letter == U'š' || letter == U'ž' || letter == U'ć' || letter == U'đ') {
    return letter - 1;
  }
  return letter;
}

/// Capitalizes the first letter of `text`, or all of them. Our letters take one or two bytes in
/// UTF-8, and their capitals take as many.
void ApplyCase(std::string& text, Options::LetterCase letterCase) {
  if (letterCase == Options::LetterCase::Lower) return;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool twoBytes = (byte & 0xE0) == 0xC0 && i + 1 < text.size();
    const char32_t letter =
        twoBytes ? static_cast<char32_t>(((byte & 0x1F) << 6) | (text[i + 1] & 0x3F)) : byte;
    const char32_t capital = Capital(letter);
    if (twoBytes) {
      text[i] = static_cast<char>(0xC0 | (capital >> 6));
      text[i + 1] = static_cast<char>(0x80 | (capital & 0x3F));
      ++i;
    } else {
      text[i] = static_cast<char>(capital);
    }
    if (letterCase == Options::LetterCase::First && capital != letter) return;
  }
}

void SplitWords(std::string_view text, Words& words) {
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

/// The window's words with one blank between words and a "nula" for a zero integer part or a
/// zero decimal group, which the window leaves without a word.
void TidyWords(std::string_view exact, Words& words) {
  SplitWords(exact, words);
  const bool negative = !words.empty() && words.front() == "minus";
  const auto decimal = std::find(words.begin(), words.end(), "zapeta");
  if (decimal == words.begin() + (negative ? 1 : 0)) words.insert(decimal, "nula");
  if (!words.empty() && words.back() == "zapeta") words.push_back("nula");
  if (words.size() == (negative ? 1u : 0u)) words.push_back("nula");
}

/// The words of an amount: the integer words and the unit in the form its count takes, then the
/// hundredths after "i". `digits` holds the hundredths written with digits.
Verdict AmountWords(Conversion& c, const Options& options, Words& words, std::string& digits) {
  if (c.number.decimalsTyped > 2) return Verdict::TooManyDecimals;
  SpellGroups(c);
  if (c.IsNegative) words.push_back("minus");
  SplitWords(c.Caption.view(), words);
  if (words.size() == (c.IsNegative ? 1u : 0u)) words.push_back("nula");
  const bool euro = options.currency == Options::Currency::EUR;
  const Triad& units = c.Triads[0];
  words.push_back(FormAfter(euro ? kEvro : kDinar, DigitValue(units[1]), DigitValue(units[2])));

  const std::string_view typed = c.SeparatorPos != 0 ? c.DecimalPart : "";
  const char tens = typed.empty() ? '0' : typed[0];
  const char ones = typed.size() < 2 ? '0' : typed[1];  // 1,5 is fifty hundredths
  const NounForms& minor = euro ? kCent : kPara;
  if (options.minor == Options::Minor::Fraction) {
    digits = {tens, ones, '/', '1', '0', '0'};
  } else if (tens == '0' && ones == '0') {
    return Verdict::Accepted;  // a whole amount says nothing of hundredths
  } else if (options.minor == Options::Minor::Digits) {
    digits = tens == '0' ? std::string{ones} : std::string{tens, ones};
  } else {
    c.CurrentTriad = {'0', tens, ones};
    SpellTriad(c);
  }
  words.push_back("i");
  if (options.minor == Options::Minor::Fraction) {
    words.push_back(digits);
    return Verdict::Accepted;
  }
  if (options.minor == Options::Minor::Digits) words.push_back(digits);
  SplitWords(c.GroupWords.view(), words);
  if (minor.feminine && words.back() == "jedan") words.back() = "jedna";
  if (minor.feminine && words.back() == "dva") words.back() = "dve";
  words.push_back(FormAfter(minor, DigitValue(tens), DigitValue(ones)));
  return Verdict::Accepted;
}

}  // namespace

Verdict SpellInto(std::string_view typed, const Options& options, std::string& out) {
  Number number;
  if (const Verdict v = ReadNumber(typed, number); v != Verdict::Accepted) return v;
  return SpellInto(number, options, out);
}

Verdict SpellInto(const Number& number, const Options& options, std::string& out) {
  using Spacing = Options::Spacing;
  const bool currency = options.currency != Options::Currency::None;
  const Spacing spacing =
      currency && options.spacing == Spacing::Exact ? Spacing::Tidy : options.spacing;
  Conversion c;
  LoadNumber(c, number);
  std::string exact, digits;
  Words words;
  if (currency) {
    if (const Verdict v = AmountWords(c, options, words, digits); v != Verdict::Accepted) return v;
  } else {
    SpellGroups(c);
    AssembleResult(c);
    if (options == Options{}) {  // the window's text as it is
      out.assign(c.Caption.view());
      return Verdict::Accepted;
    }
    exact = c.Caption.view();
    if (spacing != Spacing::Exact) TidyWords(exact, words);
  }

  out.clear();
  if (spacing == Spacing::Exact) {  // the window's blanks, around words in the chosen script
    Words exactWords;
    SplitWords(exact, exactWords);
    std::size_t copied = 0;
    for (std::string_view word : exactWords) {
      const auto at = static_cast<std::size_t>(word.data() - exact.data());
      out.append(exact, copied, at - copied);
      AppendInScript(word, options.script, out);
      copied = at + word.size();
    }
    out.append(exact, copied);
  } else {
    for (std::size_t i = 0; i < words.size(); ++i) {
      if (i != 0 && spacing == Spacing::Tidy) out += ' ';
      AppendInScript(words[i], options.script, out);
    }
  }
  ApplyCase(out, options.letterCase);
  return Verdict::Accepted;
}

}  // namespace uslova
