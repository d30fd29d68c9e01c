// nouns.cpp: a noun of the caller's own for counts, read from its three forms and its gender.
// SPDX-License-Identifier: MIT
#include <algorithm>

#include "letters.h"
#include "uslova/nouns.h"
#include "uslova/problems.h"

namespace uslova {

std::string_view ReadOwnNoun(std::string_view text, OwnNoun& noun) {
  constexpr std::string_view kShape = problems::kNounShape.english;
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) return kShape;
  const std::string_view gender(text.data() + colon + 1, text.size() - colon - 1);
  OwnNoun read{};
  if (gender == "ž" || gender == "z" || gender == "f") {
    read.feminine = true;
  } else if (gender == "s" || gender == "n") {
    read.neuter = true;
  } else if (gender != "m") {
    return kShape;
  }
  std::string_view forms(text.data(), colon);
  for (std::size_t i = 0; i < read.forms.size(); ++i) {
    const std::size_t comma = std::min(forms.find(','), forms.size());
    const std::string_view form(forms.data(), comma);
    if ((i + 1 < read.forms.size()) == (comma == forms.size())) return kShape;  // not three
    if (!letters::SerbianLatin(form)) {
      return problems::kNounLetters.english;
    }
    for (const auto script :
         {Options::Script::Ascii, Options::Script::Latin, Options::Script::Cyrillic}) {
      const auto blanks = static_cast<std::size_t>(std::count(form.begin(), form.end(), ' '));
      if (letters::Transcribe(form, script, nullptr, 0) - blanks > OwnNoun::kMostLetterBytes)
        return problems::kNounLength.english;
    }
    std::copy(form.begin(), form.end(), read.forms[i].begin());
    read.sizes[i] = static_cast<std::uint8_t>(form.size());
    forms.remove_prefix(std::min(comma + 1, forms.size()));
  }
  noun = read;
  return {};
}

}  // namespace uslova
