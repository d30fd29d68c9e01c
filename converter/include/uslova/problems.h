// problems.h: why a set of options or a noun of one's own cannot be used, in two voices: the
// command line's English, which names its options, and the Serbian that the page and Calc show
// their readers, which names none. Every front gets the English from the converter and may ask
// for the Serbian of it (SerbianProblem).
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace uslova {

struct Problem {
  std::string_view english;
  /// In Latin with diacritics, a sentence; text between backquotes is typed by the reader as it
  /// stands, and so is never written in another script.
  std::string_view serbian;
};

namespace problems {

inline constexpr Problem kCountWithCurrency{
    "--unit cannot be used with --currency: a count is not an amount",
    "Jedinica ne ide uz valutu: brojanje nije iznos."};
inline constexpr Problem kCountExact{
    "--spacing=exact cannot be used with --unit: counts are written tidy or joined",
    "Izvorni razmaci ne idu uz jedinicu: brojanje se piše s po jednim razmakom ili bez razmaka."};
inline constexpr Problem kNoNoun{"--unit needs a noun", "Upišite imenicu koja se broji."};
inline constexpr Problem kOutOfRange{"an option has a value out of its range",
                                     "Neki izbor ima vrednost koje nema."};
inline constexpr Problem kAmountExact{
    "--spacing=exact cannot be used with --currency: amounts are written tidy or joined",
    "Izvorni razmaci ne idu uz valutu: iznos se piše s po jednim razmakom ili bez razmaka."};
inline constexpr Problem kCaseExact{
    "--spacing=exact cannot be used with --inflection: the window's exact text has no cases",
    "Izvorni razmaci ne idu uz padež: izvorni tekst je uvek u nominativu."};
inline constexpr Problem kShortExact{
    "--forms=short needs --spacing=tidy or --spacing=joined: the window's exact text has the "
    "long forms",
    "Kratki oblici ne idu uz izvorne razmake: izvorni tekst ima duge oblike."};
inline constexpr Problem kMinorAlone{"--minor needs --currency",
                                     "Pare i centi se biraju samo uz valutu."};
inline constexpr Problem kNumberWordAlone{
    "--noun=none needs --currency or --unit: a plain number has no noun",
    "Broj bez imenice se bira samo uz valutu ili jedinicu: sam broj nema imenicu."};
inline constexpr Problem kNounShape{
    "--unit takes a unit's name, or a noun's three forms and its gender: after one, after two "
    "to four and after five, then :m, :ž or :s, e.g. stan,stana,stanova:m",
    "Svoja imenica se piše kao tri oblika, uz jedan, uz dva do četiri i uz pet, razdvojena "
    "zarezom, pa dvotačka i rod (`m`, `ž` ili `s`), na primer `stan,stana,stanova:m`."};
inline constexpr Problem kNounLetters{
    "a noun's forms are lower-case Serbian Latin letters, one blank between words",
    "Oblici imenice se pišu malim slovima srpske latinice, s po jednim razmakom između reči, na "
    "primer `stan,stana,stanova:m`."};
inline constexpr Problem kNounLength{"a noun's form has at most 30 letters",
                                     "Oblik imenice ima najviše 30 slova."};
inline constexpr Problem kNounTooLong{"a noun of one's own is too long",
                                      "Svoja imenica je preduga."};
inline constexpr Problem kNounNoEnd{"the options' noun has no end",
                                    "Svoja imenica nije zadata do kraja."};
inline constexpr Problem kUnknownSize{"the options struct has an unknown size",
                                      "Izbori su zadati u obliku koji ova verzija ne poznaje."};

/// Every problem, for SerbianProblem to find.
inline constexpr const Problem* kAll[] = {
    &kCountWithCurrency, &kCountExact, &kNoNoun,      &kOutOfRange,      &kAmountExact,
    &kCaseExact,         &kShortExact, &kMinorAlone,  &kNumberWordAlone, &kNounShape,
    &kNounLetters,       &kNounLength, &kNounTooLong, &kNounNoEnd,       &kUnknownSize};

}  // namespace problems
}  // namespace uslova
