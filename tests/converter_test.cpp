// converter_test.cpp: the converter's captions, box texts and rejections, and the click logic.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "caption_reader.h"
#include "fake_window.h"
#include "uslova/converter.h"
#include "uslova/window_operations.h"

namespace uslova {
namespace {

struct Case {
  std::string_view input, caption;
};

std::string CaptionOf(std::string_view input) {
  const Outcome outcome = Convert(input);
  EXPECT_TRUE(outcome.accepted()) << outcome.prompt();
  return outcome.caption;
}

void ExpectCaptions(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(CaptionOf(c.input), c.caption);
  }
}

// Blanks come only from the words: a tens digit 0 adds one, a teen replaces tens and unit.
TEST(Triad, WordsAndBlanks) {
  ExpectCaptions({{"0", " "},
                  {"7", "  sedam"},

                  {"11", " jedanaest"},

                  {"20", " dvadeset"},
                  {"21", " dvadeset jedan"},
                  {"100", " stotinu "},
                  {"101", " stotinu  jedan"},

                  {"115", " stotinu petnaest"},
                  {"305", " tri stotine  pet"},

                  {"999", " devet stotina devedeset devet"}});
}

// A thousands group ending in 1 or 2 takes the feminine numeral; 3 and 4 take " hiljade".
TEST(Thousands, FormsAndFeminineNumerals) {
  ExpectCaptions(
      {{"1000", " jedna hiljada "},
       {"2000", " dve hiljade "},
       {"4000", "  cetiri hiljade "},

       {"11000", " jedanaest hiljada "},

       {"21000", " dvadeset jedna hiljada "},
       {"22000", " dvadeset dve hiljade "},
       {"100000", " stotinu  hiljada "},
       {"101000", " stotinu jedna hiljada "},
       {"102000", " stotinu dve hiljade "},

       {"112000", " stotinu dvanaest hiljada "},

       {"1234", " jedna hiljada dve stotine trideset cetiri"},
       {"999999", " devet stotina devedeset devet hiljada devet stotina devedeset devet"},
       {"5000123", "  pet miliona stotinu dvadeset tri"}});
}

TEST(HigherGroups, ScaleWordForms) {
  ExpectCaptions({
      {"1000000", "  jedan milion "},
      {"2000000", "  dva miliona "},

      {"100000000", " stotinu  miliona "},
      {"1000000000", " jedna milijarda "},
      {"2000000000", " dve milijarde "},
      {"3000000000", "  tri milijarde "},
      {"5000000000", "  pet milijardi "},

      {"101000000000", " stotinu jedna milijarda "},

      {"2002000000", " dve milijarde  dva miliona "},
      {"1001001001", " jedna milijarda  jedan milion jedna hiljada  jedan"},
      {"5000123000", "  pet milijardi stotinu dvadeset tri hiljade "},
      {"1000000000000", "  jedan bilion "},
      {"11000000000000", " jedanaest biliona "},

      {"2545743675434",
       "  dva biliona pet stotina cetrdeset pet milijardi sedam stotina cetrdeset tri miliona "
       "sest stotina sedamdeset pet hiljada cetiri stotine trideset cetiri"},
  });
}

// Decimal digits are spelled as one number after " zapeta "; "minus" goes in front of all.
TEST(Assembly, DecimalsAndSign) {
  ExpectCaptions({{"-7", "minus  sedam"},
                  {"1,5", "  jedan zapeta   pet"},

                  {"1,50", "  jedan zapeta  pedeset"},
                  {"2.25", "  dva zapeta  dvadeset pet"},
                  {"0,5", "  zapeta   pet"},
                  {"10,010", " deset zapeta  deset"},
                  {"5,100", "  pet zapeta  stotinu "},
                  {"5,0", "  pet zapeta  "},
                  {"1,23456", "  jedan zapeta  dve stotine trideset cetiri"},
                  {"1.234", "  jedan zapeta  dve stotine trideset cetiri"},
                  {"-0,5", "minus  zapeta   pet"},
                  {"-0", " "},
                  {"-2000000000", "minus dve milijarde "},
                  {"-1234,5", "minus jedna hiljada dve stotine trideset cetiri zapeta   pet"}});
}

// Forms the old program crashed on or misspelled are read from their normalized digits.
TEST(Input, NormalizedForms) {
  ExpectCaptions({{"007", "  sedam"},
                  {"0007", "  sedam"},
                  {"0123", " stotinu dvadeset tri"},
                  {"0001234", " jedna hiljada dve stotine trideset cetiri"},
                  {"-000", " "},
                  {"+5", "  pet"},
                  {" \t42 ", " cetrdeset dva"},
                  {"1e5", " stotinu  hiljada "},

                  {"150e-1", " petnaest"},
                  {"0e999", " "},
                  {".5", "  zapeta   pet"},
                  {"-,5", "minus  zapeta   pet"},

                  {"5.", "  pet"},

                  {"999999999999999",
                   " devet stotina devedeset devet biliona devet stotina "
                   "devedeset devet milijardi devet stotina devedeset devet "
                   "miliona devet stotina devedeset devet hiljada devet "
                   "stotina devedeset devet"},
                  {std::string(40000, '0') + "1", "  jedan"}});
}

TEST(Input, Rejections) {
  struct Rejection {
    std::string_view input;
    Verdict verdict;
  };
  const Rejection cases[] = {
      {"", Verdict::NotANumber},
      {"  ", Verdict::NotANumber},
      {"abc", Verdict::NotANumber},
      {"-", Verdict::NotANumber},
      {"- 5", Verdict::NotANumber},
      {"12 5", Verdict::NotANumber},
      {"1..2", Verdict::NotANumber},
      {"0x10", Verdict::NotANumber},
      {".", Verdict::NotANumber},
      {"5e", Verdict::NotANumber},
      {"e5", Verdict::NotANumber},
      {"+-5", Verdict::NotANumber},
      {"\xd9\xa5", Verdict::NotANumber},
      {"5\n", Verdict::NotANumber},
      {".5.3", Verdict::NotANumber},
      {"1000000000000000", Verdict::TooLarge},
      {"1e15", Verdict::TooLarge},
      {"1e999", Verdict::TooLarge},
      {"-1e99999999999999999999", Verdict::TooLarge},
      {"1,5e3", Verdict::Unsupported},
      {"9.9e14", Verdict::Unsupported},
      {"5.e3", Verdict::Unsupported},
      {"1.2.3", Verdict::Unsupported},
      {"1,5,7777", Verdict::Unsupported},
      {"15e-1", Verdict::Unsupported},
      {"1e-5", Verdict::Unsupported},
      {"1e-99999999999999999999", Verdict::Unsupported},
      // Sizes and exponents past 32 bits.
      {"1e4294967295", Verdict::TooLarge},
      {"123e4294967295", Verdict::TooLarge},
      {"1e4294967296", Verdict::TooLarge},
      {"1e18446744073709551616", Verdict::TooLarge},
      {"1e-4294967296", Verdict::Unsupported},
  };
  for (const Rejection& c : cases) {
    SCOPED_TRACE(c.input);
    const Outcome outcome = Convert(c.input);
    EXPECT_EQ(outcome.verdict, c.verdict);
    EXPECT_EQ(outcome.text, c.input);  // the box keeps the text as typed
  }
  EXPECT_EQ(PromptOf(Verdict::NotANumber),
            "Nemoguce prevesti u slova, jer ulazni parametar nije broj!");
  EXPECT_EQ(PromptOf(Verdict::TooLarge), "Nemoguce prevesti u slova, jer je broj prevelik!");
  EXPECT_EQ(PromptOf(Verdict::Unsupported),
            "Nemoguce prevesti u slova, jer zapis broja nije podrzan!");
}

// A number in groups of three reads exactly as its plain form.
TEST(Input, GroupedNumbers) {
  const Case cases[] = {
      {"1.234.567", "1234567"},
      {"1,234,567", "1234567"},
      {"1.234,56", "1234,56"},
      {"1,234.56", "1234,56"},
      {"1.234.567,89", "1234567,89"},
      {"-1.234.567,8901", "-1234567,8901"},
      {"0.123.456", "123456"},
      {"1.234,", "1234"},
      {"1 234", "1234"},
      {"22 000", "22000"},
      {" 1 234 567,89 ", "1234567,89"},
      {"1 234.5", "1234,5"},
      {"1\u00a0234", "1234"},
      {"999\u202f999\u202f999", "999999999"},
      {"-0.000,05", "-0,05"},
      {"1.000.000.000.000.000", "1000000000000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const Outcome grouped = Convert(c.input), plain = Convert(c.caption);
    EXPECT_EQ(grouped.verdict, plain.verdict);
    EXPECT_EQ(grouped.caption, plain.caption);
  }
  EXPECT_EQ(CaptionOf("22 000"), " dvadeset dve hiljade ");
}

TEST(Input, MalformedGroupedNumbers) {
  struct Rejection {
    std::string_view input;
    Verdict verdict;
  };
  const Rejection cases[] = {
      {"1.2.3", Verdict::Unsupported},        {"1,23.4", Verdict::Unsupported},
      {"1.234,567,8", Verdict::Unsupported},  {"12.34.567", Verdict::Unsupported},
      {"1234.567.890", Verdict::Unsupported}, {"1.234.", Verdict::Unsupported},
      {"1.234.567e3", Verdict::Unsupported},  {"1 234e3", Verdict::Unsupported},
      {"1..2", Verdict::NotANumber},          {"1,,2", Verdict::NotANumber},
      {"12 5", Verdict::NotANumber},          {"1  234", Verdict::NotANumber},
      {"1\t234", Verdict::NotANumber},        {"1 234\u00a0567", Verdict::NotANumber},
      {"1234 567", Verdict::NotANumber},      {"1.234 567", Verdict::NotANumber},
      {"1 234,5 6", Verdict::NotANumber},     {"1 234.5.6", Verdict::NotANumber},
      {"1\u00a0", Verdict::NotANumber},       {"1\xc2 234", Verdict::NotANumber},
  };
  for (const Rejection& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(Convert(c.input).verdict, c.verdict);
  }
}

TEST(Input, BoxTextGetsALonePointTurnedIntoComma) {
  const Case cases[] = {{"2.25", "2,25"},           {"-1234,5", "-1234,5"},  {"5.", "5,"},
                        {"1.234.567", "1.234.567"}, {" 7 ", " 7 "},          {"1e5", "1e5"},
                        {"1 234.5", "1 234,5"},     {"1,234.56", "1,234.56"}};
  for (const Case& c : cases)
    EXPECT_EQ(Convert(c.input).text, c.caption) << c.input;
}

TEST(Click, SetsCaptionAndBoxOrShowsTheMessageBox) {
  testing::FakeWindow window;
  window.text = "2.25";
  dgmUslova_Click(window);
  EXPECT_EQ(window.caption, "  dva zapeta  dvadeset pet");
  EXPECT_EQ(window.text, "2,25");
  EXPECT_EQ(window.boxes, 0);

  window.text = "1.5e3";
  dgmUslova_Click(window);
  EXPECT_EQ(window.boxes, 1);
  EXPECT_EQ(window.prompt, "Nemoguce prevesti u slova, jer zapis broja nije podrzan!");
  EXPECT_EQ(window.title, "Greska");
  EXPECT_EQ(window.text, "1.5e3");
  EXPECT_EQ(window.caption, "  dva zapeta  dvadeset pet");
}

// Reads a caption back and compares it with the number that was typed.
void ExpectRoundTrip(const std::string& input, std::int64_t integer, int decimal = -1,
                     bool negative = false) {
  SCOPED_TRACE(input);
  const Outcome outcome = Convert(input);
  ASSERT_TRUE(outcome.accepted());
  testing::SpelledNumber read;
  ASSERT_EQ(testing::ReadCaption(outcome.caption, read), "") << '"' << outcome.caption << '"';
  EXPECT_EQ(read.integer, integer);
  EXPECT_EQ(read.hasDecimal, decimal >= 0);
  if (decimal >= 0) {
    EXPECT_EQ(read.decimal, decimal);
  }
  EXPECT_EQ(read.negative, negative);
  EXPECT_TRUE(outcome.caption.starts_with(negative ? "minus " : " "));
}

TEST(RoundTrip, EveryTriadInEveryGroup) {
  for (int triad = 0; triad < 1000; ++triad) {
    std::int64_t alone = triad, repeated = triad;
    for (int group = 1; group <= 5; ++group) {
      ExpectRoundTrip(std::to_string(alone), alone);
      ExpectRoundTrip(std::to_string(repeated), repeated);  // the triad in every group at once
      alone *= 1000;
      repeated = repeated * 1000 + triad;
    }
  }
}

TEST(RoundTrip, RandomNumbersWithDecimalsAndSigns) {
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 50000; ++i) {
    std::string digits(std::uniform_int_distribution<int>(1, 15)(random), '0');
    for (char& d : digits)
      d = static_cast<char>('0' + random() % 10);
    std::string decimals(random() % 4, '0');
    for (char& d : decimals)
      d = static_cast<char>('0' + random() % 10);
    const bool minus = random() % 3 == 0;
    // A quarter of them in groups of three: "1.234.567,5" or "1 234 567.5".
    std::string written = digits;
    const char group = "., "[random() % 3];
    // One "." or "," alone would be the decimal separator.
    const bool grouped =
        random() % 4 == 0 && (group == ' ' || !decimals.empty() || digits.size() > 6);
    for (std::size_t at = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
         grouped && at < written.size(); at += 4) {
      written.insert(at, 1, group);
    }
    const char point = group == '.' ? ',' : group == ',' ? '.' : (random() % 2 ? ',' : '.');
    const std::string input =
        (minus ? "-" : "") + written + (decimals.empty() ? "" : point + decimals);
    const std::int64_t integer = std::stoll(digits);
    const int decimal = decimals.empty() ? -1 : std::stoi(decimals);
    ExpectRoundTrip(input, integer, decimal, minus && (integer != 0 || decimal > 0));
  }
}

// Every problem with options has Serbian for readers, in every script, that names no option of
// the command line; the page and Calc show nothing else.
TEST(Sentences, EveryProblemInSerbian) {
  for (const Problem* problem : problems::kAll) {
    for (const auto script :
         {Options::Script::Ascii, Options::Script::Latin, Options::Script::Cyrillic}) {
      const std::string_view serbian = SerbianProblem(problem->english, script);
      EXPECT_FALSE(serbian.empty()) << problem->english;
      EXPECT_EQ(serbian.find("--"), std::string_view::npos) << serbian;
      EXPECT_EQ(serbian.data()[serbian.size()], '\0');
    }
  }
  EXPECT_EQ(SerbianProblem(problems::kMinorAlone.english, Options::Script::Cyrillic),
            "Паре и центи се бирају само уз валуту.");
  EXPECT_EQ(SerbianProblem(problems::kNounLetters.english, Options::Script::Ascii),
            "Oblici imenice se pisu malim slovima srpske latinice, s po jednim razmakom izmedju "
            "reci, na primer stan,stana,stanova:m.");
  EXPECT_EQ(SerbianProblem("--minor needs", Options::Script::Latin), "");
  EXPECT_EQ(PromptOf(Verdict::Inexact, Options::Script::Latin),
            "Nemoguće prevesti u slova, jer realan broj ima više od 15 cifara: zaokružite ga ili "
            "ga zadajte tekstom!");
}

}  // namespace
}  // namespace uslova
