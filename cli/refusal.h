// refusal.h: what a message says of a number that was refused: the prompt in the script of the
// words, and the option that reads it where one does.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "uslova/converter.h"

namespace uslova::cli {

/// Appends to `message` why `text` was refused with `verdict`, e.g. for "15.000" in dinars
/// "Nemoguce prevesti u slova, jer iznos ima vise od dve decimale! (--decimal=comma reads it as
/// 15000)". `whole` says that `text` is all of it: a text read in pieces is told by its verdict
/// alone.
inline void AppendRefusal(std::string& message, std::string_view text, bool whole, Verdict verdict,
                          const Options& options) {
  if (whole) verdict = WhyRefused(text, verdict, options.decimal, options.currency);
  message.append(PromptOf(verdict, options.script));
  const Options::Decimal reading =
      whole ? DecimalThatReads(text, verdict, options.decimal, options.currency)
            : Options::Decimal::Auto;
  if (reading == Options::Decimal::Auto) return;
  Number number;
  if (ReadNumber(text, number, reading, options.currency) != Verdict::Accepted) return;
  message.append(reading == Options::Decimal::Comma ? " (--decimal=comma" : " (--decimal=point");
  message.append(" reads it as ").append(number.negative ? "-" : "");
  const std::string_view digits(number.integer.data(), number.integer.size());
  message.append(number.integerDigits == 0 ? "0"
                                           : digits.substr(digits.size() - number.integerDigits));
  message.push_back(')');
}

}  // namespace uslova::cli
