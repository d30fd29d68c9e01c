// convert_fuzz.cpp: feeds arbitrary bytes to a click of "U slova" and checks every outcome:
// a clean rejection, or words that read back as the number that was typed.
#include <cstdio>
#include <cstdlib>
#include <string>

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
  std::string boxText = input;
  if (const std::size_t point = boxText.find('.'); point != std::string::npos) boxText[point] = ',';
  Check(window.text == boxText, "the box gets the input with its first point made a comma", input);
  Check(again.accepted() && again.caption == caption, "the same caption", input);

  uslova::testing::SpelledNumber read;
  Check(uslova::testing::ReadCaption(caption, read).empty(), "a caption that reads", input);
  const uslova::testing::SpelledNumber expected = ExpectedNumber(input);
  Check(read.integer == expected.integer, "the integer part read back", input);
  Check(read.hasDecimal == expected.hasDecimal && read.decimal == expected.decimal,
        "the decimal digits read back", input);
  Check(!read.negative || input.find('-') != std::string::npos, "minus only when typed", input);
  return 0;
}
