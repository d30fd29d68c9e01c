// options.h: how the words are written, and one table for each option family: its name on the
// command line, its values and their words. The library, the command line, the C interface and
// the fuzz target all read these tables.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <span>
#include <string_view>
#include <type_traits>

#include "uslova/problems.h"

namespace uslova {

struct OwnNoun;

/// How the words are written. The defaults give the window's text, blanks and all.
struct Options {
  enum class Script : std::uint8_t {
    Ascii,     ///< Latin letters without diacritics: "cetiri", "sest"
    Latin,     ///< Latin with diacritics: "četiri", "šest", "četrdeset", "šezdeset"
    Cyrillic,  ///< Serbian Cyrillic: "четири", "шест", "хиљада"
  };
  enum class Spacing : std::uint8_t {
    Exact,   ///< every blank of the window's text: "  dva zapeta  dvadeset pet"
    Tidy,    ///< one blank between words: "dva zapeta dvadeset pet"; a zero reads "nula"
    Joined,  ///< no blanks, as on payment slips: "dvazapetadvadesetpet"; a zero reads "nula"
  };
  enum class LetterCase : std::uint8_t {
    Lower,  ///< "dva biliona"
    First,  ///< "Dva biliona"
    Upper,  ///< "DVA BILIONA", "ČETIRI", "ЧЕТИРИ"
  };
  /// None, or a row of kCurrencies counted from 1.
  enum class Currency : std::uint8_t {
    None,  ///< a plain number
    RSD,   ///< dinars and para: "dvadeset jedan dinar i pedeset para"
    EUR,   ///< euros and cents: "dva evra i jedan cent"
    USD,   ///< dollars and cents: "dva dolara i jedan cent"
  };
  enum class Minor : std::uint8_t {
    Words,     ///< "i pedeset para"
    Digits,    ///< "i 50 para"
    Fraction,  ///< "i 50/100", and "i 00/100" for a whole amount
  };
  enum class Forms : std::uint8_t {
    Long,   ///< the window's words: "stotinu", "dve stotine", "jedna hiljada"
    Short,  ///< as on cheques: "sto", "dvesta", "petsto", and "hiljadu" for one thousand
  };
  /// None, a row of kCountedUnits counted from 1, or a noun of the caller's own.
  enum class Unit : std::uint8_t {
    None = 0,
    Own = 255,
  };
  /// How "." and "," are read.
  enum class Decimal : std::uint8_t {
    Auto,   ///< the window's rule: a lone one is the decimal separator (1.234 is 1,234); of
            ///< two or more, the first groups and a different last one is the decimal one
    Comma,  ///< "," is the decimal separator and "." groups: 15.000 is 15000, 1.234.567,89
    Point,  ///< "." is the decimal separator and "," groups: 15,000 is 15000, 1,234.56
  };
  /// The case that a numeral ending in one takes with the word it counts, as contracts write
  /// it: only "jedan", "jedna" and that word change, in every group.
  enum class Inflection : std::uint8_t {
    Nominative,  ///< "jedna hiljada dinara", "dvadeset jedan dan"
    Genitive,    ///< "jedne hiljade dinara", "dvadeset jednog dana"
    Accusative,  ///< "jednu hiljadu dinara", "dvadeset jednu godinu"
  };
  /// Whether an amount's or a count's noun is written: "u roku od 21 (dvadeset jednog) dana".
  enum class NounWord : std::uint8_t {
    Written,  ///< "dvadeset jedan dan", "jedna hiljada dinara i pedeset para"
    None,     ///< the numerals alone, agreeing with the noun: "dvadeset jedan", "jedna hiljada"
  };

  Script script = Script::Ascii;
  Spacing spacing = Spacing::Exact;
  LetterCase letterCase = LetterCase::Lower;
  /// An amount has at most two decimal digits (1,5 is one unit and 50 hundredths); more are
  /// rejected with Verdict::TooManyDecimals. The integer part takes the unit's form for its
  /// count ("jedna hiljada dinara", "dva evra"), zero reads "nula dinara", and Spacing::Exact
  /// reads as Spacing::Tidy.
  Currency currency = Currency::None;
  Minor minor = Minor::Words;  ///< how the hundredths of an amount are written
  /// Short forms change the window's words, so Spacing::Exact reads as Spacing::Tidy with them.
  Forms forms = Forms::Long;
  Decimal decimal = Decimal::Auto;  ///< how the text is read; the window reads Auto
  /// None, a row of kCountedUnits counted from 1, or Own: the number is a count of that noun,
  /// written with it in the form the count takes ("dvadeset jedna godina", "nula dana"). A count is
  /// a whole number (else Verdict::NotWhole), except for "odsto", which reads decimals as typed.
  /// Not with a currency; Spacing::Exact reads as Spacing::Tidy.
  Unit unit = Unit::None;
  const OwnNoun* ownNoun = nullptr;  ///< the noun of Unit::Own, kept by the caller
  /// Not in the window's exact text, so Spacing::Exact reads as Spacing::Tidy with another
  /// case. A number with spelled decimals ("jedan zapeta pet") keeps the nominative.
  Inflection inflection = Inflection::Nominative;
  /// Only with a currency or a unit; NounWord::None leaves out an amount's hundredths too.
  NounWord noun = NounWord::Written;

  bool operator==(const Options&) const = default;
};

/// A noun after a count: after one (1, 21, 101, not 11), after two to four (2, 22, not 12 to
/// 14), and after any other count, in Latin with diacritics, from which the compiler writes the
/// other scripts. A feminine noun takes "jedna" and "dve".
struct Noun {
  std::string_view one, few, many;
  bool feminine;
};

/// A currency of amounts: its code, its unit and its hundredth, and the signs that an amount
/// may carry before or after its number, as it may carry the code ("2.500,00 RSD", "€15").
struct CurrencyUnits {
  std::string_view code;
  Noun major, minor;
  std::array<std::string_view, 3> signs;
};

/// The currencies, in the order of Options::Currency. A new currency is a row here and a name
/// in Options::Currency.
inline constexpr CurrencyUnits kCurrencies[] = {
    {"RSD",
     {"dinar", "dinara", "dinara", false},
     {"para", "pare", "para", true},
     {"din", "din.", "дин."}},
    {"EUR", {"evro", "evra", "evra", false}, {"cent", "centa", "centi", false}, {"€"}},
    {"USD", {"dolar", "dolara", "dolara", false}, {"cent", "centa", "centi", false}, {"$", "US$"}},
};

/// A noun that a count may be of, by its name: "u roku od petnaest dana". Only a noun whose
/// count may have decimals ("pet zapeta pet odsto") takes them.
struct CountedUnit {
  std::string_view name;
  Noun noun;
  bool decimals = false;
};

/// The units of counts, in the order of Options::Unit from 1. A new unit is a row here.
inline constexpr CountedUnit kCountedUnits[] = {
    {"dan", {"dan", "dana", "dana", false}},
    {"nedelja", {"nedelja", "nedelje", "nedelja", true}},
    {"mesec", {"mesec", "meseca", "meseci", false}},
    {"godina", {"godina", "godine", "godina", true}},
    {"sat", {"sat", "sata", "sati", false}},
    {"minut", {"minut", "minuta", "minuta", false}},
    {"komad", {"komad", "komada", "komada", false}},
    {"procenat", {"procenat", "procenta", "procenata", false}},
    {"odsto", {"odsto", "odsto", "odsto", false}, true},
};

/// A noun of the caller's own, as ReadOwnNoun reads it: its three forms, in Latin letters with
/// or without diacritics, each written in every script as the converter's own words are.
struct OwnNoun {
  static constexpr std::size_t kMostLetters = 30;  ///< of a form, blanks not counted
  /// Of a form's letters in the script that takes most, two bytes a letter, and of the form with
  /// a blank between each two of them.
  static constexpr std::size_t kMostLetterBytes = 2 * kMostLetters;
  static constexpr std::size_t kMostBytes = kMostLetterBytes + kMostLetters - 1;
  // Left uninitialized until ReadOwnNoun fills them: the C interface keeps one on the stack of
  // every call, which zeroing would slow down.
  std::array<std::array<char, kMostBytes>, 3> forms;
  std::array<std::uint8_t, 3> sizes;
  bool feminine;
  bool neuter;  ///< "jedno odeljenje", "dva odeljenja"

  std::string_view form(std::size_t which) const { return {forms[which].data(), sizes[which]}; }
};

/// Reads a noun of one's own, its forms after one, after two to four and after any other count,
/// then its gender: "stan,stana,stanova:m", "kuća,kuće,kuća:ž" (":z" and ":f" are feminine too),
/// "odeljenje,odeljenja,odeljenja:s" (":n" is neuter too).
/// Returns why it cannot, in uslova-cli's words, or empty with `noun` set.
std::string_view ReadOwnNoun(std::string_view text, OwnNoun& noun);

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

/// Options as a front received them: the values, and whether spacing and minor were given or
/// left unset. An unset spacing is the window's exact text, or tidy for an amount.
struct GivenOptions {
  Options options;
  bool spacingGiven = false;
  bool minorGiven = false;
};

/// Why `given` cannot be used as it stands, in uslova-cli's words, or empty when it can. Every
/// front asks this, so that each refuses the same combinations for the same reason.
constexpr std::string_view OptionsProblem(const GivenOptions& given) {
  const Options& o = given.options;
  const bool amount = o.currency != Options::Currency::None;
  const bool counted = o.unit != Options::Unit::None;
  const bool inflected = o.inflection != Options::Inflection::Nominative;
  const bool exact = o.spacing == Options::Spacing::Exact &&
                     (given.spacingGiven || !(amount || counted || inflected));
  if (counted) {
    if (amount) return problems::kCountWithCurrency.english;
    if (exact) return problems::kCountExact.english;
    if (o.unit == Options::Unit::Own && o.ownNoun == nullptr) return problems::kNoNoun.english;
    if (static_cast<std::size_t>(o.unit) > std::size(kCountedUnits) &&
        o.unit != Options::Unit::Own) {
      return problems::kOutOfRange.english;
    }
  }
  if (amount && exact) return problems::kAmountExact.english;
  if (o.inflection != Options::Inflection::Nominative && exact) {
    return problems::kCaseExact.english;
  }
  if (o.forms == Options::Forms::Short && exact) {
    return problems::kShortExact.english;
  }
  if (!amount && given.minorGiven) return problems::kMinorAlone.english;
  if (!amount && !counted && o.noun == Options::NounWord::None)
    return problems::kNumberWordAlone.english;
  return {};
}

/// The options of a C++ caller, who has no "unset": a spacing left exact is unset, and a minor
/// style other than the default is given.
constexpr GivenOptions AsGiven(const Options& options) {
  return {options, false, options.minor != Options::Minor::Words};
}

/// The options the words are written with, once OptionsProblem has found none: an unset
/// spacing is the window's exact text, or tidy for an amount, a count or another case.
constexpr Options Settled(const GivenOptions& given) {
  Options settled = given.options;
  const bool tidied = settled.currency != Options::Currency::None ||
                      settled.unit != Options::Unit::None ||
                      settled.inflection != Options::Inflection::Nominative;
  if (tidied && !given.spacingGiven && settled.spacing == Options::Spacing::Exact) {
    settled.spacing = Options::Spacing::Tidy;
  }
  return settled;
}

}  // namespace uslova
