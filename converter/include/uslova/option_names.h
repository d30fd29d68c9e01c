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

/// One value of an option family, as the command line names it, and as a form offers it to its
/// readers, in Serbian (Latin with diacritics); without such a label, by its name.
struct Choice {
  std::string_view name;
  std::uint8_t value;  ///< the enumerator of the family's field
  std::string_view label{};
};

/// An option family: its name on the command line ("script" for --script), its values, the
/// field of Options that it sets, and how a form names it to its readers, in Serbian. What each
/// does is told by the command line's help.
struct OptionFamily {
  std::string_view name;
  std::span<const Choice> choices;
  void (*set)(Options& options, std::uint8_t value);
  std::uint8_t (*get)(const Options& options);
  std::string_view label;
  /// For an option that may be left unset, other than by any of its values, a form's words for
  /// that ("bez valute"); else empty.
  std::string_view none{};
  bool counted = false;  ///< its value names what the number counts: a currency or a unit
  bool ownNoun = false;  ///< a value may also be a noun of one's own, as ReadOwnNoun reads it
  bool amount = false;   ///< its value makes the number an amount, with hundredths
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
/// A currency's label, its unit as an amount of one writes it and its code: "dinar (RSD)", with
/// a NUL after it.
inline constexpr std::size_t kCurrencyLabelRoom = 48;
inline constexpr auto kCurrencyLabels = [] {
  std::array<std::array<char, kCurrencyLabelRoom>, std::size(kCurrencies)> labels{};
  for (std::size_t i = 0; i < labels.size(); ++i) {
    std::size_t at = 0;
    for (std::string_view part : {kCurrencies[i].major.one, std::string_view(" ("),
                                  kCurrencies[i].code, std::string_view(")")}) {
      for (char ch : part)
        labels[i].at(at++) = ch;  // past the room: not a constant, so this does not compile
    }
    labels[i].at(at) = '\0';
  }
  return labels;
}();
constexpr auto CurrencyChoices() {
  std::array<Choice, std::size(kCurrencies)> choices{};
  for (std::size_t i = 0; i < choices.size(); ++i) {
    choices[i] = {kCurrencies[i].code, static_cast<std::uint8_t>(i + 1),
                  std::string_view(kCurrencyLabels[i].data())};
  }
  return choices;
}
inline constexpr Choice kScripts[] = {
    {"ascii", 0, "latinica bez kvačica"}, {"latin", 1, "latinica"}, {"cyrillic", 2, "ćirilica"}};
inline constexpr Choice kSpacings[] = {
    {"exact", 0, "izvorni (i dvostruki)"}, {"tidy", 1, "po jedan"}, {"joined", 2, "bez razmaka"}};
inline constexpr Choice kCases[] = {
    {"lower", 0, "mala"}, {"first", 1, "prvo veliko"}, {"upper", 2, "velika"}};
inline constexpr auto kCurrencyChoices = CurrencyChoices();
inline constexpr Choice kMinors[] = {
    {"words", 0, "rečima"}, {"digits", 1, "ciframa"}, {"fraction", 2, "razlomkom"}};
inline constexpr Choice kForms[] = {{"long", 0, "dugi (dve stotine)"},
                                    {"short", 1, "kratki (dvesta)"}};
inline constexpr Choice kDecimals[] = {{"auto", 0, "jedini znak decimalni"},
                                       {"comma", 1, "zarez (15.000,50)"},
                                       {"point", 2, "tačka (15,000.50)"}};
inline constexpr Choice kInflections[] = {{"nominative", 0, "nominativ (jedna hiljada)"},
                                          {"genitive", 1, "genitiv (od jedne hiljade)"},
                                          {"accusative", 2, "akuzativ (na jednu hiljadu)"}};
inline constexpr Choice kNounChoices[] = {{"written", 0, "napisana"},
                                          {"none", 1, "samo broj (21 (dvadeset jedan) dan)"}};
inline constexpr auto kUnitChoices = [] {
  std::array<Choice, std::size(kCountedUnits)> choices{};
  for (std::size_t i = 0; i < choices.size(); ++i)
    choices[i] = {kCountedUnits[i].name, static_cast<std::uint8_t>(i + 1), kCountedUnits[i].label};
  return choices;
}();
}  // namespace detail

/// Every option family; the first value of each is the default, except for currency and unit,
/// whose default is none. A date left without an inflection is written in the genitive.
inline constexpr OptionFamily kOptionFamilies[] = {
    {"script", detail::kScripts, detail::Set<&Options::script>, detail::Get<&Options::script>,
     "Pismo"},
    {"spacing", detail::kSpacings, detail::Set<&Options::spacing>, detail::Get<&Options::spacing>,
     "Razmaci"},
    {"case", detail::kCases, detail::Set<&Options::letterCase>, detail::Get<&Options::letterCase>,
     "Slova"},
    {"currency", detail::kCurrencyChoices, detail::Set<&Options::currency>,
     detail::Get<&Options::currency>, "Iznos", "bez valute", true, false, true},
    {"minor", detail::kMinors, detail::Set<&Options::minor>, detail::Get<&Options::minor>,
     "Pare i centi"},
    {"forms", detail::kForms, detail::Set<&Options::forms>, detail::Get<&Options::forms>, "Oblici"},
    {"decimal", detail::kDecimals, detail::Set<&Options::decimal>, detail::Get<&Options::decimal>,
     "Decimalni znak"},
    {"unit", detail::kUnitChoices, detail::Set<&Options::unit>, detail::Get<&Options::unit>,
     "Šta se broji", "ništa (samo broj)", true, true},
    {"inflection", detail::kInflections, detail::Set<&Options::inflection>,
     detail::Get<&Options::inflection>, "Padež", "osnovni (datum u genitivu)"},
    {"noun", detail::kNounChoices, detail::Set<&Options::noun>, detail::Get<&Options::noun>,
     "Imenica"},
};

/// The family that sets the field `Field` of Options, for code that speaks of a field rather
/// than of a name: FamilyOf<&Options::spacing>().name is "spacing". Found by what each family
/// sets, not by comparing functions' addresses, which a sanitizing compiler does not evaluate.
template <auto Field>
consteval const OptionFamily& FamilyOf() {
  for (const OptionFamily& family : kOptionFamilies) {
    Options probe{};
    const auto before = probe.*Field;
    family.set(probe, static_cast<std::uint8_t>(family.get(probe) + 1));
    if (probe.*Field != before) return family;
  }
  throw "no option family sets this field";  // not a constant: does not compile
}

}  // namespace uslova
