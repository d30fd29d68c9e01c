// options.h: how the words are written: the options, which combinations of them a front may
// pass, and the options the words are then written with.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

#include "uslova/nouns.h"
#include "uslova/problems.h"

namespace uslova {

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
