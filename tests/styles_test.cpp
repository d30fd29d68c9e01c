// styles_test.cpp: the words in other scripts, spacings and cases, and amounts in a currency.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "uslova/converter.h"

/// Set, every allocation through operator new fails.
bool failAllocations = false;

void* operator new(std::size_t size) {
  if (failAllocations) throw std::bad_alloc();
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace uslova {
namespace {

using Script = Options::Script;
using Spacing = Options::Spacing;
using Case = Options::LetterCase;
using Currency = Options::Currency;
using Minor = Options::Minor;

struct Row {
  std::string_view input;
  Options options;
  std::string_view words;
};

void ExpectWords(std::initializer_list<Row> cases) {
  for (const Row& c : cases) {
    SCOPED_TRACE(c.input);
    std::string words;
    ASSERT_EQ(SpellInto(c.input, c.options, words), Verdict::Accepted);
    EXPECT_EQ(words, c.words);
  }
}

constexpr Options kLatin{Script::Latin};
constexpr Options kCyrillic{Script::Cyrillic, Spacing::Tidy};
constexpr Options kTidy{Script::Ascii, Spacing::Tidy};
constexpr Options kJoined{Script::Ascii, Spacing::Joined};

TEST(Styles, ScriptsKeepTheWindowsBlanksUnlessTold) {
  ExpectWords({
      {"2545743675434",
       {Script::Latin, Spacing::Tidy},
       "dva biliona pet stotina četrdeset pet milijardi sedam stotina četrdeset tri miliona "
       "šest stotina sedamdeset pet hiljada četiri stotine trideset četiri"},
      {"100,6", kLatin, " stotinu  zapeta   šest"},
      {"14016", kLatin, " četrnaest hiljada šesnaest"},
      {"1234567", kCyrillic,
       "један милион две стотине тридесет четири хиљаде пет стотина шездесет седам"},
      {"-1,5", kCyrillic, "минус један запета пет"},
  });
}

// A zero that the window leaves without a word reads "nula" once the blanks are tidied.
TEST(Styles, TidyAndJoinedSpacing) {
  ExpectWords({{"0", kTidy, "nula"},
               {"-0,5", kTidy, "minus nula zapeta pet"},
               {"5,0", kTidy, "pet zapeta nula"},
               {"100", kTidy, "stotinu"},
               {"1001001001", kTidy, "jedna milijarda jedan milion jedna hiljada jedan"},
               {"0,5", kJoined, "nulazapetapet"},
               {"21000", kJoined, "dvadesetjednahiljada"}});
}

TEST(Styles, LetterCase) {
  ExpectWords({{"-7", {Script::Ascii, Spacing::Exact, Case::First}, "Minus  sedam"},
               {"4", {Script::Cyrillic, Spacing::Exact, Case::First}, "  Четири"},
               {"46", {Script::Latin, Spacing::Tidy, Case::Upper}, "ČETRDESET ŠEST"},
               {"1000", {Script::Cyrillic, Spacing::Tidy, Case::Upper}, "ЈЕДНА ХИЉАДА"}});
}

constexpr Options Amount(Currency currency, Minor minor = Minor::Words) {
  return {Script::Ascii, Spacing::Exact, Case::Lower, currency, minor};
}

// The unit takes the form of its count; thousands and milliards keep their feminine numerals,
// para is feminine and cent masculine.
TEST(Amounts, UnitsAndHundredths) {
  const Options rsd = Amount(Currency::RSD), eur = Amount(Currency::EUR);
  ExpectWords({
      {"1", rsd, "jedan dinar"},
      {"2", eur, "dva evra"},
      {"11", rsd, "jedanaest dinara"},
      {"21", eur, "dvadeset jedan evro"},
      {"0", rsd, "nula dinara"},
      {"-5", eur, "minus pet evra"},
      {"21000", rsd, "dvadeset jedna hiljada dinara"},
      {"22000000", eur, "dvadeset dva miliona evra"},
      {"2000000000", rsd, "dve milijarde dinara"},
      {"2021,50", rsd, "dve hiljade dvadeset jedan dinar i pedeset para"},
      {"1,5", eur, "jedan evro i pedeset centi"},
      {"0,01", rsd, "nula dinara i jedna para"},
      {"1,01", eur, "jedan evro i jedan cent"},
      {"1,22", rsd, "jedan dinar i dvadeset dve pare"},
      {"1,02", eur, "jedan evro i dva centa"},
      {"1,12", rsd, "jedan dinar i dvanaest para"},
      {"3,00", rsd, "tri dinara"},
      {"1,05", Amount(Currency::RSD, Minor::Digits), "jedan dinar i 5 para"},
      {"1,5", Amount(Currency::EUR, Minor::Digits), "jedan evro i 50 centi"},
      {"2021,50", Amount(Currency::RSD, Minor::Fraction),
       "dve hiljade dvadeset jedan dinar i 50/100"},
      {"7", Amount(Currency::EUR, Minor::Fraction), "sedam evra i 00/100"},
      {"1.234,56", Amount(Currency::RSD),
       "jedna hiljada dve stotine trideset cetiri dinara i pedeset sest para"},
      {"5,2",
       {Script::Ascii, Spacing::Joined, Case::Lower, Currency::RSD},
       "petdinaraidvadesetpara"},
      {"1,01",
       {Script::Ascii, Spacing::Tidy, Case::Upper, Currency::EUR},
       "JEDAN EVRO I JEDAN CENT"},
      {"2,02",
       {Script::Cyrillic, Spacing::Tidy, Case::Lower, Currency::RSD},
       "два динара и две паре"},
  });
}

// Short forms: one word for the hundreds, and "hiljadu" for a thousands group of exactly one.
TEST(Styles, ShortForms) {
  constexpr Options kShort{Script::Ascii,  Spacing::Tidy, Case::Lower,
                           Currency::None, Minor::Words,  Options::Forms::Short};
  constexpr Options kShortCyrillic{Script::Cyrillic, Spacing::Joined, Case::Upper,
                                   Currency::None,   Minor::Words,    Options::Forms::Short};
  ExpectWords({
      {"100", kShort, "sto"},
      {"245", kShort, "dvesta cetrdeset pet"},
      {"1000", kShort, "hiljadu"},
      {"1001", kShort, "hiljadu jedan"},
      {"1001000", kShort, "jedan milion hiljadu"},
      {"21000", kShort, "dvadeset jedna hiljada"},
      {"101000", kShort, "sto jedna hiljada"},
      {"1000000", kShort, "jedan milion"},
      {"400600,300", kShort, "cetiristo hiljada seststo zapeta trista"},
      {"600",
       {Script::Latin, Spacing::Tidy, Case::First, Currency::None, Minor::Words,
        Options::Forms::Short},
       "Šeststo"},
      {"1400", kShortCyrillic, "ХИЉАДУЧЕТИРИСТО"},
      {"1600,5",
       {Script::Ascii, Spacing::Exact, Case::Lower, Currency::RSD, Minor::Words,
        Options::Forms::Short},
       "hiljadu seststo dinara i pedeset para"},
  });
  // What every front refuses, the C++ entry points refuse too: short forms with the window's
  // blanks, and hundredths without an amount.
  std::string words;
  EXPECT_EQ(SpellInto("1000", Options{.forms = Options::Forms::Short}, words), Verdict::BadOptions);
  EXPECT_EQ(SpellInto("7", Options{.minor = Minor::Digits}, words), Verdict::BadOptions);
}

TEST(Amounts, Dollars) {
  ExpectWords({{"2,01", Amount(Currency::USD), "dva dolara i jedan cent"},
               {"21,5", Amount(Currency::USD), "dvadeset jedan dolar i pedeset centi"},
               {"1000,22",
                {Script::Cyrillic, Spacing::Tidy, Case::Lower, Currency::USD},
                "једна хиљада долара и двадесет два цента"}});
}

// A failure leaves the words as they were, whatever went wrong; even running out of memory.
TEST(Styles, NothingHalfWritten) {
  const Options styled{Script::Cyrillic, Spacing::Tidy, Case::Upper};
  std::string words = "earlier";  // too short a buffer for the words
  failAllocations = true;
  EXPECT_THROW((void)SpellInto("2545743675434", styled, words), std::bad_alloc);
  EXPECT_THROW((void)SpellInto("2545743675434", words), std::bad_alloc);
  failAllocations = false;
  EXPECT_EQ(words, "earlier");
}

TEST(Amounts, MoreThanTwoDecimalsAreRejectedNotRounded) {
  std::string words = "earlier";
  for (std::string_view input : {"1,234", "1,001", "1,500", "1.234,567"}) {
    EXPECT_EQ(SpellInto(input, Amount(Currency::RSD), words), Verdict::TooManyDecimals) << input;
  }
  EXPECT_EQ(words, "earlier");
  EXPECT_EQ(PromptOf(Verdict::TooManyDecimals),
            "Nemoguce prevesti u slova, jer iznos ima vise od dve decimale!");
}

}  // namespace
}  // namespace uslova

namespace uslova {
namespace {

// The window's exact text keeps its reading of decimals: padded on the left and spelled as one
// number, digits after the third dropped, "minus" by every typed digit, a blank for zero. The
// other spacings read the digits as typed and refuse what they would drop.
TEST(Styles, DecimalsAsTypedExceptInTheWindowsText) {
  struct Reading {
    std::string_view input, exact, tidy;  // an empty tidy: refused
  };
  const Reading cases[] = {
      {"1,05", "  jedan zapeta   pet", "jedan zapeta nula pet"},
      {"1,005", "  jedan zapeta   pet", "jedan zapeta nula nula pet"},
      {"1,50", "  jedan zapeta  pedeset", "jedan zapeta pedeset"},
      {"12,010", " dvanaest zapeta  deset", "dvanaest zapeta nula deset"},
      {"5,000", "  pet zapeta  ", "pet zapeta nula nula nula"},
      {"7,", "  sedam", "sedam"},
      {"-0,000", "  zapeta  ", "nula zapeta nula nula nula"},
      {"-0,5", "minus  zapeta   pet", "minus nula zapeta pet"},
      {"0", " ", "nula"},
      {"3,14159", "  tri zapeta  stotinu cetrdeset jedan", ""},
      {"-0,0001", "minus  zapeta  ", ""},
  };
  for (const Reading& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(Convert(c.input).caption, c.exact);
    std::string tidy;
    const Verdict verdict = SpellInto(c.input, Options{.spacing = Options::Spacing::Tidy}, tidy);
    EXPECT_EQ(verdict, c.tidy.empty() ? Verdict::MoreThanThreeDecimals : Verdict::Accepted);
    if (!c.tidy.empty()) {
      EXPECT_EQ(tidy, c.tidy);
    }
  }
  std::string shortForms;
  ASSERT_EQ(
      SpellInto("1,100", {.spacing = Spacing::Tidy, .forms = Options::Forms::Short}, shortForms),
      Verdict::Accepted);
  EXPECT_EQ(shortForms, "jedan zapeta sto");
}

}  // namespace
}  // namespace uslova
