// reader_test.cpp: how typed text reads as a number: groups of every length at every place,
// whole and fed in pieces; an amount with its currency's marks.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "uslova/converter.h"

namespace uslova {
namespace {

// Groups after the first have three digits, wherever they stand: one of another length is
// refused, never read with a digit dropped or added, in every kind of grouping. A lone "." or
// "," is a decimal separator, so those groupings start at three groups.
TEST(Reader, EveryGroupAfterTheFirstHasThreeDigits) {
  struct Grouping {
    std::string separator, decimals;
  };
  const Grouping groupings[] = {{".", ""}, {",", ""},        {".", ",5"},   {",", ".25"},
                                {" ", ""}, {"\u00a0", ",5"}, {"\u202f", ""}};
  for (const Grouping& grouping : groupings) {
    const bool lone =
        grouping.decimals.empty() && grouping.separator.size() == 1 && grouping.separator != " ";
    for (std::size_t groups = lone ? 3 : 2; groups <= 5; ++groups) {
      // The number with group `wrong` of `length` digits, typed and plain.
      const auto number = [&](std::size_t wrong, std::size_t length, bool typed) {
        std::string text = "1";
        for (std::size_t g = 1; g < groups; ++g) {
          text += typed ? grouping.separator : "";
          text += std::string(g == wrong ? length : 3, static_cast<char>('0' + g));
        }
        if (grouping.decimals.empty()) return text;
        return text + (typed ? grouping.decimals : "," + grouping.decimals.substr(1));
      };
      EXPECT_EQ(Convert(number(0, 3, true)).caption, Convert(number(0, 3, false)).caption)
          << number(0, 3, true);
      for (std::size_t wrong = 1; wrong < groups; ++wrong) {
        for (std::size_t length : {1, 2, 4}) {
          const Outcome outcome = Convert(number(wrong, length, true));
          EXPECT_FALSE(outcome.accepted()) << number(wrong, length, true) << outcome.caption;
        }
      }
    }
  }
}

// "minus" goes by every typed digit, those after the third decimal, which are not spelled,
// included; the same through every entry point, and read whole or a byte at a time.
TEST(Reader, SignCountsEveryTypedDigit) {
  const std::pair<std::string_view, bool> cases[] = {
      {"-0,0001", true},  {"-0,0000", false}, {"-0,000000000009", true}, {"-0", false},
      {"-0,000", false},  {"-1", true},       {"-0.000.001", true},      {"-0,0010", true},
      {"+0,0001", false}, {"-00,00", false},  {"-0e5", false},
  };
  for (const auto& [typed, negative] : cases) {
    SCOPED_TRACE(typed);
    const Outcome outcome = Convert(typed);
    ASSERT_TRUE(outcome.accepted());
    std::string caption, styled;
    ASSERT_EQ(SpellInto(typed, caption), Verdict::Accepted);
    ASSERT_EQ(SpellInto(typed, Options{}, styled), Verdict::Accepted);
    NumberReader reader;
    for (char ch : typed)
      reader.feed(std::string_view(&ch, 1));
    Number number;
    std::string fed;
    ASSERT_EQ(reader.finish(number), Verdict::Accepted);
    ASSERT_EQ(SpellInto(number, Options{}, fed), Verdict::Accepted);
    for (const std::string& words : {outcome.caption, caption, styled, fed})
      EXPECT_EQ(words.starts_with("minus"), negative) << words;
  }
}

}  // namespace
}  // namespace uslova

namespace uslova {
namespace {

// A text of digits with any one byte in place of one of them, at any place and up to sixteen
// bytes, is read whole as a byte at a time: the same verdict, digits, sign and decimals. Whole
// texts of digits alone take a path of their own, which checks several bytes at once.
TEST(Reader, DigitsWithOneByteChangedReadAsFedByteByByte) {
  for (std::size_t size = 1; size <= 16; ++size) {
    for (std::size_t at = 0; at < size; ++at) {
      for (int byte = 0; byte < 256; ++byte) {
        std::string typed = std::string("9876543210123456").substr(0, size);
        typed[at] = static_cast<char>(byte);
        Number whole, fed;
        NumberReader reader;
        for (char ch : typed)
          reader.feed(std::string_view(&ch, 1));
        const Verdict verdict = ReadNumber(typed, whole);
        ASSERT_EQ(reader.finish(fed), verdict) << typed;
        if (verdict != Verdict::Accepted) continue;
        ASSERT_EQ(whole.integer, fed.integer) << typed;
        ASSERT_EQ(whole.integerDigits, fed.integerDigits) << typed;
        ASSERT_EQ(whole.negative, fed.negative) << typed;
        ASSERT_EQ(whole.decimalDigits(), fed.decimalDigits()) << typed;
      }
    }
  }
}

// A chosen decimal separator makes the other one group, even alone; what it cannot read as
// groups of three or one decimal separator is refused. Each row reads as its plain form does,
// whole and a byte at a time.
TEST(Reader, DecimalSeparatorAsChosen) {
  using D = Options::Decimal;
  struct Row {
    std::string_view typed;
    D decimal;
    std::string_view plain;  // empty: refused as "zapis broja nije podrzan"
  };
  const Row rows[] = {
      {"15.000", D::Comma, "15000"},
      {"15.000", D::Point, "15,000"},
      {"15,000", D::Comma, "15,000"},
      {"15,000", D::Point, "15000"},
      {"1.234.567,89", D::Comma, "1234567,89"},
      {"1.234.567,89", D::Point, ""},
      {"1,234.56", D::Point, "1234,56"},
      {"1,234.56", D::Comma, ""},
      {"2.25", D::Comma, ""},
      {"1.", D::Comma, ""},
      {"1,5", D::Point, ""},
      {",5", D::Comma, "0,5"},
      {".5", D::Comma, ""},
      {"1,2,3", D::Comma, ""},
      {"1 234,5", D::Comma, "1234,5"},
      {"1 234.5", D::Comma, ""},
      {"1 234.5", D::Point, "1234,5"},
      {"-1.000.000", D::Comma, "-1000000"},
      {"1e3", D::Comma, "1000"},
      {"1.000e3", D::Comma, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.typed) + " " + std::to_string(static_cast<int>(row.decimal)));
    Number whole, fed, plain;
    NumberReader reader(row.decimal);
    for (char ch : row.typed)
      reader.feed(std::string_view(&ch, 1));
    const Verdict verdict = ReadNumber(row.typed, whole, row.decimal);
    EXPECT_EQ(reader.finish(fed), verdict);
    if (row.plain.empty()) {
      EXPECT_EQ(verdict, Verdict::Unsupported);
      continue;
    }
    ASSERT_EQ(verdict, Verdict::Accepted);
    ASSERT_EQ(ReadNumber(row.plain, plain), Verdict::Accepted);
    for (const Number* n : {&whole, &fed}) {
      EXPECT_EQ(n->integer, plain.integer);
      EXPECT_EQ(n->decimalDigits(), plain.decimalDigits());
      EXPECT_EQ(n->negative, plain.negative);
    }
  }
}

// After groups apart by blanks, "." or "," can only be the decimal separator: as a group
// separator it is refused, whichever the decimal choice and whichever blank.
TEST(Reader, NoGroupSeparatorAfterBlankGroups) {
  using D = Options::Decimal;
  for (const std::string_view blank : {" ", "\u00a0", "\u202f"}) {
    const std::string start = "12" + std::string(blank) + "345";
    const std::pair<std::string, D> refused[] = {
        {start + ".678.901", D::Auto},  {start + ",678,901", D::Auto},
        {start + ".678.901", D::Comma}, {start + ",678,901", D::Comma},
        {start + ".678.901", D::Point}, {start + ",678,901", D::Point},
        {start + ".678", D::Comma},     {start + ",678", D::Point},
    };
    for (const auto& [typed, decimal] : refused) {
      Number number;
      EXPECT_NE(ReadNumber(typed, number, decimal), Verdict::Accepted)
          << typed << " " << static_cast<int>(decimal);
    }
  }
}

// An amount may carry its currency's code or sign on either side, and a negative one may be in
// brackets or have a trailing minus; it reads as the plain number, whole and fed in pieces split
// anywhere. Anything doubled, another currency's mark, or a mark without a currency, is no
// number: never an amount in the wrong currency or with the wrong sign.
// `typed` reads as `plain` does, or as no number when `plain` is empty, whole and in two
// pieces split at every byte (`splits` false: whole only).
void ExpectAmount(std::string_view typed, Options::Currency currency, std::string_view plain,
                  bool splits = true) {
  Number whole, expected;
  const Verdict verdict = ReadNumber(typed, whole, Options::Decimal::Auto, currency);
  if (plain.empty()) {
    EXPECT_EQ(verdict, Verdict::NotANumber);
  } else {
    ASSERT_EQ(verdict, Verdict::Accepted);
    ASSERT_EQ(ReadNumber(plain, expected), Verdict::Accepted);
    EXPECT_EQ(whole.integer, expected.integer);
    EXPECT_EQ(whole.decimalDigits(), expected.decimalDigits());
    EXPECT_EQ(whole.negative, expected.negative);
  }
  for (std::size_t split = 0; splits && split <= typed.size(); ++split) {
    AmountReader reader(Options::Decimal::Auto, currency);
    reader.feed(typed.substr(0, split));
    reader.feed(typed.substr(split));
    Number fed;
    ASSERT_EQ(reader.finish(fed), verdict) << split;
    if (verdict == Verdict::Accepted) {
      EXPECT_EQ(fed.integer, whole.integer) << split;
      EXPECT_EQ(fed.negative, whole.negative) << split;
    }
  }
}

struct AmountRow {
  std::string typed;
  Options::Currency currency;
  std::string_view plain;  // empty: no number
};

TEST(Reader, AmountAsWritten) {
  using C = Options::Currency;
  const std::string zeros(50, '0');
  const AmountRow rows[] = {
      {"2.500,00 RSD", C::RSD, "2500,00"},
      {"RSD\u00a02.500,00", C::RSD, "2500,00"},
      {"1 234,5din.", C::RSD, "1234,5"},
      {"din 7", C::RSD, "7"},
      {"дин. 7", C::RSD, "7"},
      {"€15", C::EUR, "15"},
      {"15 €", C::EUR, "15"},
      {"US$ 5", C::USD, "5"},
      {"5$", C::USD, "5"},
      {"(1.234,56)", C::RSD, "-1234,56"},
      {"1.234,56-", C::RSD, "-1234,56"},
      {"( RSD 5 )", C::RSD, "-5"},
      {"(5) RSD", C::RSD, "-5"},
      {"5- EUR", C::EUR, "-5"},
      {"(0,00)", C::RSD, "0,00"},
      {"RSD -5", C::RSD, "-5"},
      {"(" + zeros + "1234,56 RSD)", C::RSD, "-1234,56"},
      {"RSD " + zeros + "1e3   ", C::RSD, "1000"},
      {"5 EUR", C::RSD, ""},
      {"US$ 5", C::EUR, ""},
      {"RSD 5 RSD", C::RSD, ""},
      {"--5", C::RSD, ""},
      {"(-5)", C::RSD, ""},
      {"-5-", C::RSD, ""},
      {"((5))", C::RSD, ""},
      {"(5", C::RSD, ""},
      {"5)", C::RSD, ""},
      {"(5)-", C::RSD, ""},
      {"5,-", C::RSD, ""},  // a whole amount in some hands: never -5
      {"RSD", C::RSD, ""},
      {"(RSD)", C::RSD, ""},
      {"5 RSD", C::None, ""},
      {"(5)", C::None, ""},
      {"5-", C::None, ""},
  };
  for (const AmountRow& row : rows) {
    SCOPED_TRACE(row.typed + " " + std::to_string(static_cast<int>(row.currency)));
    ExpectAmount(row.typed, row.currency, row.plain);
  }
}

// Blanks around an amount's number, its mark and its brackets count for nothing, however many
// there are (fixed-width exports pad amounts): "~" is a place for spaces and tabs, "_" one
// where U+00A0 and U+202F may stand too, filled with 0 to 200 blanks.
TEST(Reader, BlanksAroundAnAmountCountForNothing) {
  using C = Options::Currency;
  const AmountRow rows[] = {
      {"~(_RSD_1.234,56_)~", C::RSD, "-1234,56"},
      {"~1.234,56_RSD_", C::RSD, "1234,56"},
      {"_RSD_5_-~", C::RSD, "-5"},
      {"~(_5_)_din._", C::RSD, "-5"},
      {"_US$_5~", C::USD, "5"},
      {"~5,_-_", C::RSD, ""},  // a whole amount in some hands: never -5
      {"~5_EUR_", C::RSD, ""},
  };
  const auto blanks = [](char place, std::size_t count) {
    constexpr std::string_view kAny[] = {" ", "\t", "\u00a0", "\u202f"};
    std::string run;
    for (std::size_t i = 0; i < count; ++i)
      run += kAny[i % (place == '_' ? 4 : 2)];
    return run;
  };
  for (const AmountRow& row : rows) {
    for (std::size_t place = 0; place < row.typed.size(); ++place) {
      if (row.typed[place] != '~' && row.typed[place] != '_') continue;
      for (std::size_t count = 0; count <= 200; ++count) {
        std::string typed;
        for (std::size_t i = 0; i < row.typed.size(); ++i) {
          const char ch = row.typed[i];
          typed += ch != '~' && ch != '_' ? std::string(1, ch) : blanks(ch, i == place ? count : 0);
        }
        SCOPED_TRACE(typed);
        ExpectAmount(typed, row.currency, row.plain,
                     count < 3 || (count > 29 && count < 35) || count == 200);
      }
    }
  }
}

}  // namespace
}  // namespace uslova
