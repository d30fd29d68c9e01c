// sentences.h: the converter's own sentences, the prompt of each rejection and the Serbian of
// each problem with options, in every script.
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "uslova/options.h"
#include "uslova/verdict.h"

namespace uslova {

/// The prompt of a rejection in `script`, NUL-terminated; empty for Verdict::Accepted and
/// Verdict::BadOptions, whose reason is a problem of the options. e.g. for Verdict::NotANumber
/// "Nemoguce prevesti u slova, jer ulazni parametar nije broj!", the window's message box, in
/// ASCII, and "Nemoguće prevesti u slova, jer ulazni parametar nije broj!" in Latin.
std::string_view PromptOf(Verdict verdict, Options::Script script = Options::Script::Ascii);

/// The Serbian of `problem`, a text that OptionsProblem, ReadOwnNoun or the C interface gave,
/// in `script` and NUL-terminated; empty for any other text.
std::string_view SerbianProblem(std::string_view problem, Options::Script script);

}  // namespace uslova
