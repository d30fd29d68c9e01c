// convert_fuzz.cpp: feeds arbitrary bytes to a click of "U slova" and checks every outcome:
// a clean rejection, or words that read back as the number that was typed, and the same
// number in one of the command line's styles.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "caption_reader.h"
#include "fake_window.h"
#include "uslova/converter.h"

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

std::vector<std::string> WordsOf(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) {
    if (word != "nula") words.push_back(word);
  }
  return words;
}

/// The same number in the style that `pick` chooses: the words and their blanks as the style
/// says, and, in ASCII lower case, the window's words again, with "nula" for a zero.
void CheckStyle(const std::string& input, const std::string& caption, unsigned pick) {
  using O = uslova::Options;
  O options;
  options.script = static_cast<O::Script>(pick % 3);
  options.spacing = static_cast<O::Spacing>(pick / 3 % 3);
  options.letterCase = static_cast<O::LetterCase>(pick / 9 % 3);
  options.currency = static_cast<O::Currency>(pick / 27 % 3);
  options.minor = static_cast<O::Minor>(pick / 81 % 3);
  std::string words;
  const uslova::Verdict verdict = uslova::SpellInto(input, options, words);
  if (options.currency != O::Currency::None && verdict == uslova::Verdict::TooManyDecimals) return;
  Check(verdict == uslova::Verdict::Accepted && !words.empty(), "a styled caption", input);
  const O::Spacing spacing =
      options.currency != O::Currency::None && options.spacing == O::Spacing::Exact
          ? O::Spacing::Tidy
          : options.spacing;
  if (spacing == O::Spacing::Tidy) {
    Check(words.front() != ' ' && words.back() != ' ' && words.find("  ") == std::string::npos,
          "one blank between words", input);
  }
  if (spacing == O::Spacing::Joined)
    Check(words.find(' ') == std::string::npos, "no blanks", input);
  if (options.letterCase == O::LetterCase::Upper) {
    Check(std::none_of(words.begin(), words.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; }),
          "no small letters", input);
  }
  const bool plain = options.script == O::Script::Ascii &&
                     options.letterCase == O::LetterCase::Lower &&
                     options.currency == O::Currency::None && spacing != O::Spacing::Joined;
  if (plain) Check(WordsOf(words) == WordsOf(caption), "the window's words", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
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
  // One style of all 243 for each input, spread by a hash: accepted inputs share few bytes.
  CheckStyle(input, caption, static_cast<unsigned>(std::hash<std::string>{}(input) % 243));
  return 0;
}
