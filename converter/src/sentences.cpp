// sentences.cpp: the converter's own sentences, typed once in Latin with diacritics and
// written in each script by the compiler.
// SPDX-License-Identifier: MIT
#include "uslova/sentences.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "letters.h"

namespace uslova {
namespace {

constexpr std::string_view kPromptsLatin[] = {
    "",
    "Nemoguće prevesti u slova, jer ulazni parametar nije broj!",
    "Nemoguće prevesti u slova, jer je broj prevelik!",
    "Nemoguće prevesti u slova, jer zapis broja nije podržan!",
    "Nemoguće prevesti u slova, jer iznos ima više od dve decimale!",
    "Nemoguće prevesti u slova, jer broj ima više od tri decimale!",
    "Nemoguće prevesti u slova, jer realan broj ima više od 15 cifara: zaokružite ga ili ga "
    "zadajte tekstom!",
    "Nemoguće prevesti u slova, jer se ova imenica broji samo celim brojem!",
    "Nemoguće prevesti u slova, jer datum ne postoji ili nije zapisan kao 9.12.2026 ili "
    "2026-12-09!",
    "Nemoguće prevesti u slova, jer je iznos u drugoj valuti!",
};
static_assert(std::size(kPromptsLatin) == static_cast<std::size_t>(Verdict::OtherCurrency) + 1,
              "a prompt for each rejection, in the order of Verdict");

constexpr std::size_t kProblemCount = std::size(problems::kAll);
constexpr std::size_t kSentences = std::size(kPromptsLatin) + kProblemCount;

constexpr std::string_view LatinSentence(std::size_t i) {
  return i < std::size(kPromptsLatin) ? kPromptsLatin[i]
                                      : problems::kAll[i - std::size(kPromptsLatin)]->serbian;
}

/// Writes the sentence `latin` in `script` to `out` (when `writing`, else only counts): its
/// letters as the words' are written, text between backquotes as it stands without them, and a
/// capital first letter as the capital of the first letter written. Returns the bytes, a NUL
/// after them not counted.
constexpr std::size_t Write(std::string_view latin, Options::Script script, char* out,
                            bool writing) {
  std::size_t size = 0;
  const auto put = [&](char byte) {
    if (writing) out[size] = byte;
    ++size;
  };
  bool typed = false;  // between backquotes
  for (std::size_t i = 0; i < latin.size();) {
    const std::size_t quote = std::min(latin.find('`', i), latin.size());
    const std::string_view run(latin.data() + i, quote - i);
    if (typed) {
      for (char byte : run)
        put(byte);
    } else {
      std::array<char, 256> lowered{};  // the first letter of a sentence is a capital
      if (run.size() > lowered.size()) throw "a sentence's run is too long";
      std::copy(run.begin(), run.end(), lowered.begin());
      const bool capital = i == 0 && !run.empty() && run[0] >= 'A' && run[0] <= 'Z';
      if (capital) lowered[0] = static_cast<char>(lowered[0] + ('a' - 'A'));
      std::array<char, 512> written{};
      const std::size_t n =
          letters::Transcribe({lowered.data(), run.size()}, script, written.data(), written.size());
      if (n > written.size()) throw "a sentence's run is too long";
      if (capital) letters::Capitalize(written.data());
      for (std::size_t k = 0; k < n; ++k)
        put(written[k]);
    }
    typed = !typed;
    i = quote + 1;
  }
  return size;
}

constexpr std::size_t BytesIn(Options::Script script) {
  std::size_t total = 0;
  for (std::size_t i = 0; i < kSentences; ++i)
    total += Write(LatinSentence(i), script, nullptr, false) + 1;
  return total;
}

/// Every sentence in one script, each followed by a NUL, and where each starts.
template <Options::Script S>
struct Sentences {
  std::array<char, BytesIn(S)> bytes{};
  std::array<std::uint16_t, kSentences + 1> starts{};
  constexpr Sentences() {
    std::size_t at = 0;
    for (std::size_t i = 0; i < kSentences; ++i) {
      starts[i] = static_cast<std::uint16_t>(at);
      at += Write(LatinSentence(i), S, bytes.data() + at, true) + 1;
    }
    starts[kSentences] = static_cast<std::uint16_t>(at);
  }
  constexpr std::string_view at(std::size_t i) const {
    return {bytes.data() + starts[i], starts[i + 1] - starts[i] - 1u};
  }
};

constexpr Sentences<Options::Script::Ascii> kAscii;
constexpr Sentences<Options::Script::Latin> kLatin;
constexpr Sentences<Options::Script::Cyrillic> kCyrillic;

constexpr std::string_view Sentence(std::size_t i, Options::Script script) {
  switch (script) {
    case Options::Script::Latin:
      return kLatin.at(i);
    case Options::Script::Cyrillic:
      return kCyrillic.at(i);
    default:
      return kAscii.at(i);
  }
}

// The window's message box, as it always was.
static_assert(kAscii.at(1) == "Nemoguce prevesti u slova, jer ulazni parametar nije broj!");
static_assert(kCyrillic.at(2) == "Немогуће превести у слова, јер је број превелик!");

}  // namespace

std::string_view PromptOf(Verdict verdict, Options::Script script) {
  const auto i = static_cast<std::size_t>(verdict);
  return i < std::size(kPromptsLatin) ? Sentence(i, script) : std::string_view{};
}

std::string_view SerbianProblem(std::string_view problem, Options::Script script) {
  for (std::size_t i = 0; i < kProblemCount; ++i) {
    if (problems::kAll[i]->english == problem)
      return Sentence(std::size(kPromptsLatin) + i, script);
  }
  return {};
}

}  // namespace uslova
