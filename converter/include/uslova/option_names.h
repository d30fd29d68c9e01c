// option_names.h: the options as the command line and the C interface name them: one table for
// each option family, with its name, its values and the field of Options that it sets. The
// command line, the C interface and the fuzz target read these tables.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <span>
#include <string_view>
#include <type_traits>

#include "uslova/nouns.h"
#include "uslova/options.h"

namespace uslova {

/// One value of an option family, as the command line names it.
struct Choice {
  std::string_view name;
  std::uint8_t value;  ///< the enumerator of the family's field
};

/// An option family: its name on the command line ("script" for --script), its values, and the
/// field of Options that it sets. What each does is told by the command line's help.
struct OptionFamily {
  std::string_view name;
  std::span<const Choice> choices;
  void (*set)(Options& options, std::uint8_t value);
  std::uint8_t (*get)(const Options& options);
};

namespace detail {
template <auto Field>
constexpr void Set(Options& options, std::uint8_t value) {
  options.*Field = static_cast<std::remove_reference_t<decltype(options.*Field)>>(value);
}
template <auto Field>
constexpr std::uint8_t Get(const Options& options) {
  return static_cast<std::uint8_t>(options.*Field);
}
constexpr auto CurrencyChoices() {
  std::array<Choice, std::size(kCurrencies)> choices{};
  for (std::size_t i = 0; i < choices.size(); ++i)
    choices[i] = {kCurrencies[i].code, static_cast<std::uint8_t>(i + 1)};
  return choices;
}
inline constexpr Choice kScripts[] = {{"ascii", 0}, {"latin", 1}, {"cyrillic", 2}};
inline constexpr Choice kSpacings[] = {{"exact", 0}, {"tidy", 1}, {"joined", 2}};
inline constexpr Choice kCases[] = {{"lower", 0}, {"first", 1}, {"upper", 2}};
inline constexpr auto kCurrencyChoices = CurrencyChoices();
inline constexpr Choice kMinors[] = {{"words", 0}, {"digits", 1}, {"fraction", 2}};
inline constexpr Choice kForms[] = {{"long", 0}, {"short", 1}};
inline constexpr Choice kDecimals[] = {{"auto", 0}, {"comma", 1}, {"point", 2}};
inline constexpr Choice kInflections[] = {{"nominative", 0}, {"genitive", 1}, {"accusative", 2}};
inline constexpr Choice kNounChoices[] = {{"written", 0}, {"none", 1}};
inline constexpr auto kUnitChoices = [] {
  std::array<Choice, std::size(kCountedUnits)> choices{};
  for (std::size_t i = 0; i < choices.size(); ++i)
    choices[i] = {kCountedUnits[i].name, static_cast<std::uint8_t>(i + 1)};
  return choices;
}();
}  // namespace detail

/// Every option family; the first value of each is the default, except for currency and unit,
/// whose default is none. A unit may also be a noun of one's own, as ReadOwnNoun reads it.
inline constexpr OptionFamily kOptionFamilies[] = {
    {"script", detail::kScripts, detail::Set<&Options::script>, detail::Get<&Options::script>},
    {"spacing", detail::kSpacings, detail::Set<&Options::spacing>, detail::Get<&Options::spacing>},
    {"case", detail::kCases, detail::Set<&Options::letterCase>, detail::Get<&Options::letterCase>},
    {"currency", detail::kCurrencyChoices, detail::Set<&Options::currency>,
     detail::Get<&Options::currency>},
    {"minor", detail::kMinors, detail::Set<&Options::minor>, detail::Get<&Options::minor>},
    {"forms", detail::kForms, detail::Set<&Options::forms>, detail::Get<&Options::forms>},
    {"decimal", detail::kDecimals, detail::Set<&Options::decimal>, detail::Get<&Options::decimal>},
    {"unit", detail::kUnitChoices, detail::Set<&Options::unit>, detail::Get<&Options::unit>},
    {"inflection", detail::kInflections, detail::Set<&Options::inflection>,
     detail::Get<&Options::inflection>},
    {"noun", detail::kNounChoices, detail::Set<&Options::noun>, detail::Get<&Options::noun>},
};

}  // namespace uslova
