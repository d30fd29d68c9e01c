// convert_fuzz.cpp: feeds arbitrary bytes to a click of "U slova" and checks every outcome:
// a clean rejection, or words that read back as the number that was typed, and the same
// number in styles drawn from the option tables, each agreeing with the others.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "caption_reader.h"
#include "fake_window.h"
#include "uslova/converter.h"
#include "uslova/option_names.h"
#include "uslova/words_reader.h"

namespace {

void Check(bool holds, const char* what, std::string_view input) {
  if (holds) return;
  std::fprintf(stderr, "check failed: %s\ninput: \"%.*s\"\n", what, static_cast<int>(input.size()),
               input.data());
  std::abort();
}

/// A number in groups written plainly, judged from the text alone: the blanks between groups
/// dropped, and with two or more separators the first kind dropped and the other made ",".
/// e.g. "1.234,5" gives "1234,5", "1 234" gives "1234". Only called for accepted input.
std::string PlainForm(std::string_view typed) {
  std::string s;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const bool inner = i > 0 && std::isdigit(static_cast<unsigned char>(typed[i - 1]));
    if (inner && typed.substr(i).starts_with("\xc2\xa0")) {
      i += 1;
    } else if (inner && typed.substr(i).starts_with("\xe2\x80\xaf")) {
      i += 2;
    } else if (!(inner && typed[i] == ' ' && i + 1 < typed.size() &&
                 std::isdigit(static_cast<unsigned char>(typed[i + 1])))) {
      s += typed[i];
    }
  }
  const std::size_t first = s.find_first_of(".,");
  if (first == std::string::npos || s.find_first_of(".,", first + 1) == std::string::npos) return s;
  const char group = s[first];
  std::string plain;
  for (char ch : s) {
    if (ch != group) plain += ch == '.' || ch == ',' ? ',' : ch;
  }
  return plain;
}

/// The typed number's integer part and first three decimal digits, read with strtold rather
/// than the converter's own digit loops. Only called for accepted input, which is ASCII.
uslova::testing::SpelledNumber ExpectedNumber(std::string_view typed) {
  const std::size_t first = typed.find_first_not_of(" \t");
  std::string s(typed.substr(first, typed.find_last_not_of(" \t") + 1 - first));
  if (s[0] == '+' || s[0] == '-') s.erase(0, 1);
  uslova::testing::SpelledNumber n;
  const std::size_t separator = s.find_first_of(".,");
  if (separator != std::string::npos) {
    const std::string decimals = s.substr(separator + 1, 3);
    n.hasDecimal = !decimals.empty();
    n.decimal = n.hasDecimal ? std::atoi(decimals.c_str()) : 0;
    s.erase(separator);
  }
  n.integer = static_cast<std::int64_t>(std::strtold(s.empty() ? "0" : s.c_str(), nullptr));
  return n;
}

/// The words of `text`, with or without "nula".
std::vector<std::string> WordsOf(const std::string& text, bool zeros = false) {
  std::istringstream stream(text);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) {
    if (zeros || word != "nula") words.push_back(word);
  }
  return words;
}

/// Options drawn from the option tables by `pick`: for each family its default or one of its
/// values.
uslova::Options PickOptions(std::size_t pick) {
  uslova::Options options;
  for (const uslova::OptionFamily& family : uslova::kOptionFamilies) {
    const std::uint8_t fallback = family.get(uslova::Options{});
    const bool defaultListed =
        std::any_of(family.choices.begin(), family.choices.end(),
                    [&](const uslova::Choice& c) { return c.value == fallback; });
    const std::size_t count = family.choices.size() + (defaultListed ? 0 : 1);
    const std::size_t i = pick % count;
    pick /= count;
    family.set(options, i < family.choices.size() ? family.choices[i].value : fallback);
  }
  return options;
}

using Pairs = std::span<const std::pair<std::string_view, std::string_view>>;

/// `text` with each letter of `pairs` replaced by its partner; other bytes go through `other`.
std::string Replace(
    std::string_view text, Pairs pairs, char (*other)(char) = [](char c) { return c; }) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto pair = std::find_if(pairs.begin(), pairs.end(), [&](const auto& p) {
      return text.substr(i).starts_with(p.first);
    });
    if (pair != pairs.end()) {
      out += pair->second;
      i += pair->first.size();
    } else {
      out += other(text[i++]);
    }
  }
  return out;
}

/// Our words' letters in capitals, written apart from the converter's own tables.
std::string Upper(std::string_view text) {
  static const std::pair<std::string_view, std::string_view> kPairs[] = {
      {"č", "Č"}, {"š", "Š"}, {"ž", "Ž"}, {"ć", "Ć"}, {"đ", "Đ"}, {"а", "А"}, {"б", "Б"},
      {"в", "В"}, {"г", "Г"}, {"д", "Д"}, {"ђ", "Ђ"}, {"е", "Е"}, {"ж", "Ж"}, {"з", "З"},
      {"и", "И"}, {"ј", "Ј"}, {"к", "К"}, {"л", "Л"}, {"љ", "Љ"}, {"м", "М"}, {"н", "Н"},
      {"њ", "Њ"}, {"о", "О"}, {"п", "П"}, {"р", "Р"}, {"с", "С"}, {"т", "Т"}, {"ћ", "Ћ"},
      {"у", "У"}, {"ф", "Ф"}, {"х", "Х"}, {"ц", "Ц"}, {"ч", "Ч"}, {"џ", "Џ"}, {"ш", "Ш"}};
  return Replace(text, kPairs,
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
}

/// Serbian Cyrillic back into Latin letters, lower and upper case.
std::string ToLatin(std::string_view text) {
  static const std::pair<std::string_view, std::string_view> kPairs[] = {
      {"а", "a"},  {"б", "b"},  {"в", "v"},  {"г", "g"}, {"д", "d"},  {"ђ", "đ"}, {"е", "e"},
      {"ж", "ž"},  {"з", "z"},  {"и", "i"},  {"ј", "j"}, {"к", "k"},  {"л", "l"}, {"љ", "lj"},
      {"м", "m"},  {"н", "n"},  {"њ", "nj"}, {"о", "o"}, {"п", "p"},  {"р", "r"}, {"с", "s"},
      {"т", "t"},  {"ћ", "ć"},  {"у", "u"},  {"ф", "f"}, {"х", "h"},  {"ц", "c"}, {"ч", "č"},
      {"џ", "dž"}, {"ш", "š"},  {"А", "A"},  {"Б", "B"}, {"В", "V"},  {"Г", "G"}, {"Д", "D"},
      {"Ђ", "Đ"},  {"Е", "E"},  {"Ж", "Ž"},  {"З", "Z"}, {"И", "I"},  {"Ј", "J"}, {"К", "K"},
      {"Л", "L"},  {"Љ", "LJ"}, {"М", "M"},  {"Н", "N"}, {"Њ", "NJ"}, {"О", "O"}, {"П", "P"},
      {"Р", "R"},  {"С", "S"},  {"Т", "T"},  {"Ћ", "Ć"}, {"У", "U"},  {"Ф", "F"}, {"Х", "H"},
      {"Ц", "C"},  {"Ч", "Č"},  {"Џ", "DŽ"}, {"Ш", "Š"}};
  return Replace(text, kPairs);
}

/// Latin with diacritics as the window writes it: č and ć as c, š as s, ž as z.
std::string WithoutDiacritics(std::string_view text) {
  static const std::pair<std::string_view, std::string_view> kPairs[] = {
      {"č", "c"}, {"ć", "c"}, {"š", "s"}, {"ž", "z"}};
  return Replace(text, kPairs);
}

std::string Without(std::string text, char removed) {
  text.erase(std::remove(text.begin(), text.end(), removed), text.end());
  return text;
}

/// The typed value is below zero: a "-" sign and a digit other than 0, dropped decimals too.
bool TypedNegative(std::string_view plain) {
  const std::size_t first = plain.find_first_not_of(" \t");
  return plain[first] == '-' && plain.find_first_of("123456789") < plain.find_first_of("eE");
}

/// A numeral agrees with the noun after it: no "jedan" or "dva" before a feminine noun, no
/// "jedna" or "dve" before a masculine one ("dve hiljade", "dva miliona", "jedna para").
bool GendersAgree(const std::vector<std::string>& words) {
  // Written here, apart from the converter's tables, so that a wrong gender there shows.
  static const std::set<std::string, std::less<>> kFeminine{
      "hiljada", "hiljade", "milijarda", "milijarde", "milijardi", "stotine", "stotina",
      "para",    "pare",    "nedelja",   "nedelje",   "godina",    "godine"};
  static const std::set<std::string, std::less<>> kMasculine{
      "milion", "miliona", "bilion", "biliona", "dinar",    "dinara",   "evro",
      "evra",   "dolar",   "dolara", "cent",    "centa",    "centi",    "dan",
      "dana",   "mesec",   "meseca", "meseci",  "sat",      "sata",     "sati",
      "minut",  "minuta",  "komad",  "komada",  "procenat", "procenta", "procenata"};
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string& numeral = words[i - 1];
    if (kFeminine.contains(words[i]) && (numeral == "jedan" || numeral == "dva")) return false;
    if (kMasculine.contains(words[i]) && (numeral == "jedna" || numeral == "dve")) return false;
  }
  return true;
}

/// The decimal digits as typed in the plain form: "" for none, e.g. "-1234,050" gives "050".
std::string TypedDecimals(std::string_view plain) {
  const std::size_t separator = plain.find_first_of(".,");
  if (separator == std::string_view::npos) return {};
  const std::string_view rest = plain.substr(separator + 1);
  return std::string(rest.substr(0, rest.find_first_not_of("0123456789")));
}

/// What tidy ASCII words must be for a number that is not an amount: the window's words up to
/// "zapeta" ("nula" for a zero integer part), then a "nula" for each leading zero of the
/// decimals as typed and the window's words of the rest, read as a number of its own.
std::vector<std::string> TidyModel(const std::string& caption, std::string_view decimals) {
  std::vector<std::string> words = WordsOf(caption.substr(0, caption.find(" zapeta ")));
  if (words.empty() || words == std::vector<std::string>{"minus"}) words.push_back("nula");
  if (decimals.empty()) return words;
  words.push_back("zapeta");
  const std::size_t zeros = std::min(decimals.find_first_not_of('0'), decimals.size());
  words.insert(words.end(), zeros, "nula");
  if (zeros < decimals.size()) {
    for (std::string& word : WordsOf(uslova::Convert(decimals.substr(zeros)).caption))
      words.push_back(std::move(word));
  }
  return words;
}

/// The same number in the styles drawn by `pick`, and in the styles next to it: each rendering
/// agrees with the others and with the window's words.
void CheckStyles(const std::string& input, const std::string& plain, const std::string& caption,
                 std::size_t pick) {
  using O = uslova::Options;
  O options = PickOptions(pick);
  options.decimal =
      O::Decimal::Auto;  // the reading the checks below model; reader_test has the others
  // The nominative with its nouns, which the checks below model; counts_test has the cases.
  options.inflection = O::Inflection::Nominative;
  options.noun = O::NounWord::Written;
  // The options rule is the converter's: what it refuses, every entry point refuses.
  const uslova::GivenOptions given = uslova::AsGiven(options);
  if (!uslova::OptionsProblem(given).empty()) {
    std::string words;
    Check(uslova::SpellInto(input, options, words) == uslova::Verdict::BadOptions,
          "refused options", input);
    return;
  }
  const bool amount = options.currency != O::Currency::None;
  const bool counted = options.unit != O::Unit::None;
  const bool windowWords = !amount && !counted && options.forms == O::Forms::Long;
  const O::Spacing spacing = uslova::Settled(given).spacing;
  // The styles refuse what they would have to drop: more than two decimals in an amount, more
  // than three in any reading but the window's.
  const std::string decimals = TypedDecimals(plain);
  // Of the units, only "odsto" takes decimals: a count is a whole number.
  const bool whole =
      counted && uslova::kCountedUnits[static_cast<std::size_t>(options.unit) - 1].name != "odsto";
  const auto refused = [&](const O& o) {
    const bool exact = o.spacing == O::Spacing::Exact && windowWords;
    if (o.currency != O::Currency::None) return decimals.size() > 2;
    if (whole && !decimals.empty()) return true;
    return !exact && decimals.size() > 3;
  };
  const auto spell = [&](O o) {
    std::string words;
    const uslova::Verdict verdict = uslova::SpellInto(input, o, words);
    const uslova::Verdict refusal =
        o.currency != O::Currency::None ? uslova::Verdict::TooManyDecimals
        : whole && !decimals.empty()    ? uslova::Verdict::NotWhole
                                        : uslova::Verdict::MoreThanThreeDecimals;
    Check(verdict == (refused(o) ? refusal : uslova::Verdict::Accepted), "a styled verdict", input);
    return verdict == uslova::Verdict::Accepted ? words : std::string();
  };
  const std::string words = spell(options);
  O tidy = options, joined = options, lower = options, upper = options, latin = options,
    cyrillic = options;
  tidy.spacing = O::Spacing::Tidy;
  joined.spacing = O::Spacing::Joined;
  lower.letterCase = O::LetterCase::Lower;
  upper.letterCase = O::LetterCase::Upper;
  latin.script = O::Script::Latin;
  cyrillic.script = O::Script::Cyrillic;
  Check(Upper(spell(lower)) == spell(upper), "upper is the capitals of lower", input);
  Check(ToLatin(spell(cyrillic)) == spell(latin), "Cyrillic back in Latin letters", input);
  if (words.empty() || refused(tidy)) return;

  const std::string tidyWords = spell(tidy);
  Check(tidyWords.front() != ' ' && tidyWords.back() != ' ' &&
            tidyWords.find("  ") == std::string::npos,
        "one blank between words", input);
  Check(Without(tidyWords, ' ') == spell(joined), "joined is tidy without blanks", input);
  O ascii = lower;
  ascii.script = O::Script::Ascii;
  const std::string asciiWords = spell(ascii);
  O asciiTidy = ascii;
  asciiTidy.spacing = O::Spacing::Tidy;
  const std::string asciiTidyWords = spell(asciiTidy);
  Check(GendersAgree(WordsOf(asciiTidyWords)), "numerals agree with their nouns", input);
  Check(asciiWords.starts_with(spacing == O::Spacing::Exact ? "minus " : "minus") ==
            TypedNegative(plain),
        "minus exactly for a negative value", input);
  if (windowWords && spacing == O::Spacing::Exact) {
    O exactLatin = latin;
    exactLatin.letterCase = O::LetterCase::Lower;
    Check(WithoutDiacritics(spell(exactLatin)) == caption, "the window's text in Latin", input);
    Check(WordsOf(asciiWords) == WordsOf(caption), "the window's words", input);
  }
  if (windowWords) {
    Check(WordsOf(asciiTidyWords, true) == TidyModel(caption, decimals), "decimals as typed",
          input);
  }
  if (counted) {
    // A count is the number's own words, "jedna" and "dve" as a feminine noun has them, and
    // then its noun.
    O plainNumber = asciiTidy;
    plainNumber.unit = O::Unit::None;
    const auto masculine = [](std::vector<std::string> numerals) {
      for (std::string& numeral : numerals)
        numeral = numeral == "jedna" ? "jedan" : numeral == "dve" ? "dva" : numeral;
      return numerals;
    };
    std::vector<std::string> countWords = WordsOf(asciiTidyWords);
    countWords.pop_back();
    Check(masculine(countWords) == masculine(WordsOf(spell(plainNumber))), "a count's numerals",
          input);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  // The same bytes as words: read or refused with a reason, never a crash; and whatever reads,
  // the converter writes back as words that read as the same number.
  uslova::WordsReading reading;
  char digits[uslova::kMostReadDigits], back[uslova::kMostReadDigits];
  if (uslova::ReadWords(input, {}, reading) == uslova::ReadProblem::None) {
    const std::string_view read(digits, uslova::WriteReadDigits(reading, {}, digits));
    uslova::WordsBuffer buffer;
    std::string_view words;
    Check(uslova::SpellInto(reading.number, reading.written, buffer, words) ==
              uslova::Verdict::Accepted,
          "words read are written again", input);
    uslova::WordsReading again;
    Check(uslova::ReadWords(words, {}, again) == uslova::ReadProblem::None &&
              read == std::string_view(back, uslova::WriteReadDigits(again, {}, back)),
          "words written again read as the same number", input);
  } else {
    char why[256];
    Check(uslova::WriteReadProblem(input, reading, why, sizeof why) > 0, "a reason", input);
  }
  uslova::testing::FakeWindow window;
  window.text = input;
  window.caption = "earlier words";
  uslova::dgmUslova_Click(window);
  const uslova::Outcome again = uslova::Convert(input);

  if (window.boxes != 0) {
    Check(window.boxes == 1 && window.title == "Greska", "one box titled Greska", input);
    Check(window.prompt == uslova::PromptOf(uslova::Verdict::NotANumber) ||
              window.prompt == uslova::PromptOf(uslova::Verdict::TooLarge) ||
              window.prompt == uslova::PromptOf(uslova::Verdict::Unsupported),
          "a known prompt", input);
    Check(window.text == input && window.caption == "earlier words", "box and label kept", input);
    Check(!again.accepted() && again.prompt() == window.prompt, "the same rejection", input);
    return 0;
  }

  const std::string& caption = window.caption;
  Check(!caption.empty(), "a caption", input);
  Check(caption.find_first_not_of(" abcdefghijklmnopqrstuvwxyz") == std::string::npos,
        "only letters a to z and blanks", input);
  Check(caption[0] == ' ' || caption.starts_with("minus "), "a leading blank or minus", input);
  const auto separators =
      std::count(input.begin(), input.end(), '.') + std::count(input.begin(), input.end(), ',');
  std::string boxText = input;
  if (const std::size_t point = boxText.find('.'); separators == 1 && point != std::string::npos) {
    boxText[point] = ',';
  }
  Check(window.text == boxText, "the box gets a lone point made a comma", input);
  Check(again.accepted() && again.caption == caption, "the same caption", input);

  // A number in groups reads exactly as its plain form.
  const std::string plain = PlainForm(input);
  if (plain != input) {
    const uslova::Outcome plainOutcome = uslova::Convert(plain);
    Check(plainOutcome.accepted() && plainOutcome.caption == caption, "the plain form's words",
          input);
  }

  uslova::testing::SpelledNumber read;
  Check(uslova::testing::ReadCaption(caption, read).empty(), "a caption that reads", input);
  const uslova::testing::SpelledNumber expected = ExpectedNumber(plain);
  Check(read.integer == expected.integer, "the integer part read back", input);
  Check(read.hasDecimal == expected.hasDecimal && read.decimal == expected.decimal,
        "the decimal digits read back", input);
  Check(!read.negative || input.find('-') != std::string::npos, "minus only when typed", input);
  // Styles drawn from the option tables by a hash: accepted inputs share few bytes.
  CheckStyles(input, plain, caption, std::hash<std::string>{}(input));
  return 0;
}
