// styles_test.cpp: the words in other scripts, spacings and cases, and amounts in a currency.
#include <gtest/gtest.h>

#include "uslova/converter.h"

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
