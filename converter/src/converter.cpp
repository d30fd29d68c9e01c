// converter.cpp: one conversion from typed text to caption, stage by stage.
// SPDX-License-Identifier: MIT
#include "uslova/converter.h"

#include "conversion.h"

namespace uslova {

std::string_view PromptOf(Verdict verdict) {
  switch (verdict) {
    case Verdict::Accepted:
      return {};
    case Verdict::NotANumber:
      return "Nemoguce prevesti u slova, jer ulazni parametar nije broj!";
    case Verdict::TooLarge:
      return "Nemoguce prevesti u slova, jer je broj prevelik!";
    case Verdict::Unsupported:
      return "Nemoguce prevesti u slova, jer zapis broja nije podrzan!";
    case Verdict::TooManyDecimals:
      return "Nemoguce prevesti u slova, jer iznos ima vise od dve decimale!";
  }
  return {};
}

Verdict SpellInto(std::string_view typed, std::string& caption) {
  Conversion c;
  c.InputText = typed;
  const Verdict verdict = ReadInput(c);
  if (verdict != Verdict::Accepted) return verdict;
  SpellGroups(c);
  AssembleResult(c);
  caption.assign(c.Caption.view());
  return verdict;
}

std::string BoxText(std::string_view typed) {
  std::string text(typed);
  // Only a lone separator is the decimal one for sure; a number in groups keeps its own.
  const std::size_t separator = text.find_first_of(".,");
  if (separator != std::string::npos && text[separator] == '.' &&
      text.find_first_of(".,", separator + 1) == std::string::npos) {
    text[separator] = ',';
  }
  return text;
}

Outcome Convert(std::string_view typed) {
  Outcome outcome;
  outcome.verdict = SpellInto(typed, outcome.caption);
  outcome.text = outcome.accepted() ? BoxText(typed) : std::string(typed);
  return outcome;
}

}  // namespace uslova
