// words_reader_test.cpp: words back to numbers. The truth comes from three places: worked
// examples typed by hand, the round trip (every text the converter writes in every option set
// reads back to its number), and near-misses, each of which must be refused.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "uslova/converter.h"
#include "uslova/words_reader.h"

namespace uslova {
namespace {

std::string Read(std::string_view words, const Options& options = {}) {
  WordsReading reading;
  if (ReadWords(words, options, reading) != ReadProblem::None) {
    char why[256];
    return "! " + std::string(why, WriteReadProblem(words, reading, why, sizeof why));
  }
  char digits[kMostReadDigits];
  return std::string(digits, WriteReadDigits(reading, options.decimal, digits));
}

TEST(WordsReader, WorkedExamples) {
  Options rsd;
  rsd.currency = Options::Currency::RSD;
  Options point;
  point.decimal = Options::Decimal::Point;
  const struct {
    const char* words;
    const char* digits;
    Options options = {};
  } cases[] = {
      {"jedan milion pet stotina hiljada", "1500000"},
      {"dve hiljade pet stotina", "2500"},
      {"dvesta", "200"},
      {"hiljadu", "1000"},
      {"jedna hiljada", "1000"},
      {"hiljadu dve stotine", "1200"},  // the short thousand and the long hundreds together
      {"sto jedan", "101"},
      {"stotinu jedan", "101"},
      {"jedan zapeta nula pet", "1,05"},
      {"jedan zapeta pedeset", "1,50"},
      {"jedan zapeta pet", "1.5", point},
      {"minus nula zapeta pet", "-0,5"},
      {"pet dinara i pet para", "5,05", rsd},
      {"pet dinara", "5", rsd},
      {"dva dinara i 50 para", "2,50"},
      {"jedan dinar i 01/100", "1,01"},
      {"dvadeset jedan dolar i dvadeset jedan cent", "21,21"},
      {"u", "! 'u' is not a word of the numbers"},
      // The first of two wrong hundreds is the one told.
      {"dva stotine pet stotine",
       "! 'dva stotine' is not a hundred: dve, tri, cetiri stotine; pet to devet stotina"},
      {"pet\xff\x01",
       "! 'pet?"
       "?' is not a word of the numbers"},  // shown as UTF-8 that reads
      {"jedne hiljade dinara", "1000"},
      {"jednu hiljadu dinara", "1000"},
      {"dvadeset jednog dana", "21"},
      {"pet zapeta pet odsto", "5,5"},
      {"  Dva   BILIONA  pet stotina četrdeset pet milijardi ", "2545000000000"},
      {"ЈЕДНАХИЉАДАДВЕСТОТИНЕТРИДЕСЕТЧЕТИРИЕВРАИПЕДЕСЕТШЕСТЦЕНТИ", "1234,56"},
      {"dvazapetadvadesetpet", "2,25"},
      {"devetsto devedeset devet bilionadevetsto devedeset devet milijardi", "999999000000000"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Read(c.words, c.options), c.digits) << c.words;
}

// One row for each way a text can be not quite a number's words.
TEST(WordsReader, NearMissesAreRefused) {
  Options rsd;
  rsd.currency = Options::Currency::RSD;
  Options days;
  days.unit = static_cast<Options::Unit>(1);
  OwnNoun flat;
  ASSERT_EQ(ReadOwnNoun("stan,stana,stanova:m", flat), "");
  Options flats;
  flats.unit = Options::Unit::Own;
  flats.ownNoun = &flat;
  const struct {
    const char* words;
    ReadProblem problem;
    Options options = {};
  } cases[] = {
      {"dva hiljade", ReadProblem::Disagrees},
      {"jedan hiljada", ReadProblem::Disagrees},
      {"pet dinar", ReadProblem::Disagrees},
      {"jedan dinara", ReadProblem::Disagrees},
      {"jedna hiljadu", ReadProblem::Disagrees},
      {"minus nula", ReadProblem::Disagrees},
      {"dva evra i jedna centa", ReadProblem::Disagrees},
      {"milion milijarda", ReadProblem::OutOfOrder},  // a scale needs its count
      {"jedan milion jedna milijarda", ReadProblem::ScaleOrder},
      {"hiljadu hiljada", ReadProblem::ScaleOrder},
      {"dve hiljade tri hiljade", ReadProblem::ScaleOrder},
      {"dvadeset deset", ReadProblem::OutOfOrder},
      {"sto sto", ReadProblem::OutOfOrder},
      {"pet dvadeset", ReadProblem::OutOfOrder},
      {"dva stotine", ReadProblem::Hundreds},
      {"pet stotine", ReadProblem::Hundreds},
      {"dvanajst", ReadProblem::UnknownWord},
      {"tisuću", ReadProblem::UnknownWord},
      {"jeden", ReadProblem::UnknownWord},
      {"dvadest", ReadProblem::UnknownWord},  // a typo
      {"dva.", ReadProblem::UnknownWord},
      {"pet dinara i", ReadProblem::TooSoon},  // a missing word
      {"jedan zapeta", ReadProblem::TooSoon},
      {"pet dinara i pet", ReadProblem::TooSoon},
      {"pet dinara pet", ReadProblem::OutOfOrder},  // an extra word
      {"pet pet", ReadProblem::OutOfOrder},
      {"i pet", ReadProblem::OutOfOrder},
      {"pet evra", ReadProblem::OtherCurrency, rsd},
      {"pet dana", ReadProblem::OtherCurrency, rsd},
      {"pet dinara", ReadProblem::OtherUnit, days},
      {"pet stana", ReadProblem::Disagrees, flats},
      {"pet dana", ReadProblem::OtherUnit, flats},
      {"dva дана", ReadProblem::MixedScripts},
      {"pet hiljada dva дана", ReadProblem::MixedScripts},  // the Latin read 16 bytes at once
      {"", ReadProblem::NoWords},
      {" \t ", ReadProblem::NoWords},
      {"jedan zapeta nula nula nula pet", ReadProblem::OutOfOrder},  // four decimals
  };
  for (const auto& c : cases) {
    WordsReading reading;
    EXPECT_EQ(ReadWords(c.words, c.options, reading), c.problem) << c.words;
  }
  // Blanks by the thousand are no words; words by the hundred are too many.
  WordsReading reading;
  EXPECT_EQ(ReadWords(std::string(5000, ' ') + "pet" + std::string(5000, ' '), {}, reading),
            ReadProblem::None);
  std::string many;
  for (int i = 0; i < 100; ++i)
    many += "pet ";
  EXPECT_EQ(ReadWords(many, {}, reading), ReadProblem::TooLong);
}

/// The typed text of a random number: up to fifteen digits, decimals, a sign.
std::string RandomTyped(std::mt19937_64& random, std::size_t mostDecimals) {
  std::string text = random() % 4 == 0 ? "-" : "";
  const auto digits = 1 + random() % 15;
  text += std::to_string(random() % (std::uint64_t{1} << 50) %
                         static_cast<std::uint64_t>(std::pow(10.0, static_cast<double>(digits))));
  const auto decimals = random() % (mostDecimals + 1);
  if (decimals != 0) text += ',';
  for (std::size_t i = 0; i < decimals; ++i)
    text += static_cast<char>('0' + random() % 10);
  return text;
}

// Every text that the converter writes reads back to the number it was written from, in every
// script, spacing, letter case, form and case, for plain numbers, amounts and counts; the
// window's exact text with decimals pads them, and is left out.
TEST(WordsReader, EveryWrittenTextReadsBack) {
  std::mt19937_64 random(2026);
  std::vector<Options> sets;
  for (int script = 0; script < 3; ++script)
    for (int spacing = 0; spacing < 3; ++spacing)
      for (int letterCase = 0; letterCase < 3; ++letterCase)
        for (int forms = 0; forms < 2; ++forms)
          for (int inflection = 0; inflection < 3; ++inflection)
            for (std::size_t kind = 0;
                 kind <= 3 * std::size(kCurrencies) + std::size(kCountedUnits); ++kind) {
              Options o;
              o.script = static_cast<Options::Script>(script);
              o.spacing = static_cast<Options::Spacing>(spacing);
              o.letterCase = static_cast<Options::LetterCase>(letterCase);
              o.forms = static_cast<Options::Forms>(forms);
              o.inflection = static_cast<Options::Inflection>(inflection);
              if (kind >= 1 && kind <= 3 * std::size(kCurrencies)) {
                o.currency = static_cast<Options::Currency>((kind - 1) / 3 + 1);
                o.minor = static_cast<Options::Minor>((kind - 1) % 3);
              } else if (kind != 0) {
                o.unit = static_cast<Options::Unit>(kind - 3 * std::size(kCurrencies));
              }
              if (OptionsProblem({o, true, o.minor != Options::Minor::Words}).empty())
                sets.push_back(o);
            }
  // And nouns of one's own, of each gender, in every script, case and form.
  std::array<OwnNoun, 3> nouns;
  for (std::size_t n = 0; n < nouns.size(); ++n) {
    ASSERT_EQ(ReadOwnNoun(std::array{"stan,stana,stanova:m", "kuća,kuće,kuća:ž",
                                     "odeljenje,odeljenja,odeljenja:s"}[n],
                          nouns[n]),
              "");
    for (int script = 0; script < 3; ++script)
      for (int inflection = 0; inflection < 3; ++inflection)
        for (int spacing = 1; spacing < 3; ++spacing) {
          Options o;
          o.script = static_cast<Options::Script>(script);
          o.inflection = static_cast<Options::Inflection>(inflection);
          o.spacing = static_cast<Options::Spacing>(spacing);
          o.unit = Options::Unit::Own;
          o.ownNoun = &nouns[n];
          sets.push_back(o);
        }
  }
  ASSERT_GT(sets.size(), 1000u);
  const char* const handTyped[] = {"0",
                                   "1",
                                   "11",
                                   "21",
                                   "101",
                                   "1000",
                                   "1001000",
                                   "2000000",
                                   "-7",
                                   "1,05",
                                   "0,5",
                                   "1,50",
                                   "999999999999999",
                                   "21000000000",
                                   "12,01"};
  std::size_t read = 0;
  for (const Options& options : sets) {
    const bool amount = options.currency != Options::Currency::None;
    const bool exact = options.spacing == Options::Spacing::Exact;
    std::vector<std::string> typed(std::begin(handTyped), std::end(handTyped));
    for (int i = 0; i < 40; ++i)
      typed.push_back(RandomTyped(random, exact ? 0 : amount ? 2 : 3));
    for (const std::string& text : typed) {
      Number number;
      if (ReadNumber(text, number, Options::Decimal::Comma, options.currency) !=
          Verdict::Accepted) {
        continue;
      }
      if (exact && (number.decimalsTyped != 0 || number.integerDigits == 0)) continue;
      WordsBuffer buffer;
      std::string_view words;
      if (SpellInto(number, options, buffer, words) != Verdict::Accepted) continue;
      Options asked;  // the reader is told the currency or the unit, as a statement's column is
      asked.currency = options.currency;
      asked.unit = options.unit;
      asked.ownNoun = options.ownNoun;
      WordsReading reading;
      ASSERT_EQ(ReadWords(words, asked, reading), ReadProblem::None) << text << ": " << words;
      const Number& back = reading.number;
      EXPECT_EQ(back.negative, number.negative) << words;
      EXPECT_EQ(std::string_view(back.integer.data(), back.integer.size()),
                std::string_view(number.integer.data(), number.integer.size()))
          << words;
      if (amount) {  // the hundredths, whatever their digits typed: 1,5 is 1,50
        std::string typedCents(number.decimalDigits());
        typedCents.resize(2, '0');
        std::string readCents(back.decimalDigits());
        readCents.resize(2, '0');
        EXPECT_EQ(readCents, typedCents) << words;
      } else {
        EXPECT_EQ(back.decimalDigits(), number.decimalDigits()) << words;
      }
      ++read;
    }
  }
  EXPECT_GT(read, 50000u);
}

}  // namespace
}  // namespace uslova
