// nouns.h: the nouns that numbers count: each currency's unit and hundredth, the units of
// counts, and a noun of the caller's own, in Latin with diacritics, from which the compiler
// writes the other scripts. A new currency or unit is a row here.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace uslova {

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
/// count may have decimals ("pet zapeta pet odsto") takes them. A form offers it by its name,
/// or by its label where it has one.
struct CountedUnit {
  std::string_view name;
  Noun noun;
  bool decimals = false;
  std::string_view label{};
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
    {"odsto", {"odsto", "odsto", "odsto", false}, true, "odsto (5,5 odsto)"},
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

}  // namespace uslova
