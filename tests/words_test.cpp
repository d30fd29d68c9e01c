// words_test.cpp: every word in every script, spacing and case, judged by properties that an
// independent model states: Serbian Cyrillic read letter by letter into Latin gives the Latin
// words, Latin without its diacritics gives the ASCII words (which the other tests check word
// by word), tidy puts one blank between words and joined none, and upper case is the capitals
// of lower case. Every word of every table shows up in the numbers below, so no table row can
// hold a stray character in any column.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <clocale>
#include <cwctype>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "uslova/converter.h"

// The private stages, for the test of the caches.
#include "group_texts.h"
#include "window_text.h"

namespace uslova {
namespace {

using Script = Options::Script;
using Spacing = Options::Spacing;
using Case = Options::LetterCase;

std::u32string Decode(std::string_view utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
    char32_t c = n == 1 ? lead : lead & (0x3f >> (n - 1));
    for (std::size_t k = 1; k < n && i + k < utf8.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3f);
    out += c;
    i += n;
  }
  return out;
}

std::string Encode(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xc0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
      out += static_cast<char>(0xe0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
      out += static_cast<char>(0x80 | (c & 0x3f));
    }
  }
  return out;
}

/// Each letter rewritten by `table`; a letter it lacks stays as it is.
std::string Rewrite(std::string_view words, const std::map<char32_t, std::u32string>& table) {
  std::u32string out;
  for (char32_t c : Decode(words)) {
    const auto found = table.find(c);
    out += found == table.end() ? std::u32string(1, c) : found->second;
  }
  return Encode(out);
}

/// Serbian Cyrillic to Latin, by the one-to-one rule of the two alphabets (lower case).
const std::map<char32_t, std::u32string> kCyrillicToLatin = {
    {U'а', U"a"}, {U'б', U"b"},  {U'в', U"v"}, {U'г', U"g"}, {U'д', U"d"},  {U'ђ', U"đ"},
    {U'е', U"e"}, {U'ж', U"ž"},  {U'з', U"z"}, {U'и', U"i"}, {U'ј', U"j"},  {U'к', U"k"},
    {U'л', U"l"}, {U'љ', U"lj"}, {U'м', U"m"}, {U'н', U"n"}, {U'њ', U"nj"}, {U'о', U"o"},
    {U'п', U"p"}, {U'р', U"r"},  {U'с', U"s"}, {U'т', U"t"}, {U'ћ', U"ć"},  {U'у', U"u"},
    {U'ф', U"f"}, {U'х', U"h"},  {U'ц', U"c"}, {U'ч', U"č"}, {U'џ', U"dž"}, {U'ш', U"š"}};
/// Latin with diacritics to the letters without them.
const std::map<char32_t, std::u32string> kLatinToAscii = {
    {U'č', U"c"}, {U'ć', U"c"}, {U'š', U"s"}, {U'ž', U"z"}, {U'đ', U"dj"}};

/// The capital of a letter, as the C library's Unicode tables have it: an oracle of its own,
/// not the converter's table of capitals.
char32_t Capital(char32_t c) {
  static const bool unicode = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
  EXPECT_TRUE(unicode) << "the C.UTF-8 locale";
  return static_cast<char32_t>(std::towupper(static_cast<std::wint_t>(c)));
}

std::string Capitals(std::string_view words, bool firstOnly) {
  std::u32string text = Decode(words);
  for (char32_t& c : text) {
    if (c == U' ') continue;
    c = Capital(c);
    if (firstOnly) break;
  }
  return Encode(text);
}

/// A letter of the script's own alphabet, or what any script writes: a blank, a digit, "/".
bool OfScript(char32_t c, Script script) {
  if (c == U' ' || c == U'/' || (c >= U'0' && c <= U'9')) return true;
  const bool ascii = (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
  switch (script) {
    case Script::Ascii:
      return ascii;
    case Script::Latin:
      return ascii || kLatinToAscii.contains(c) || kLatinToAscii.contains(c + 1);
    case Script::Cyrillic:
      return c >= 0x400 && c <= 0x4ff;
  }
  return false;
}

std::string Spelled(std::string_view typed, Options options) {
  std::string words;
  EXPECT_EQ(SpellInto(typed, options, words), Verdict::Accepted) << typed;
  return words;
}

/// Texts that between them use every word of every table: every triad, each group's scale
/// noun in every form, the feminine thousands, decimals, signs and, as amounts, every
/// currency's nouns after every kind of count.
std::vector<std::string> Numbers(bool amount) {
  std::vector<std::string> numbers;
  if (amount) {
    for (std::string_view whole : {"0", "1", "2", "5", "11", "21", "22", "25", "1001000"}) {
      for (std::string_view cents : {"", ",01", ",02", ",05", ",5", ",11", ",21", ",24"})
        numbers.push_back(std::string(whole) + std::string(cents));
    }
    return numbers;
  }
  for (int t = 0; t < 1000; ++t) {
    const std::string triad = std::to_string(t);
    numbers.push_back(triad);
    numbers.push_back(triad + "000");
    numbers.push_back("-0," + std::string(3 - triad.size(), '0') + triad);
  }
  for (std::string_view count : {"1", "2", "4", "5", "11", "14", "21", "22", "101", "112"}) {
    for (std::string_view zeros : {"000000", "000000000", "000000000000"})
      numbers.push_back(std::string(count) + std::string(zeros));
  }
  return numbers;
}

TEST(Words, EveryScriptSpacingAndCaseAgree) {
  struct Style {
    Options::Currency currency;
    Options::Minor minor;
    Options::Forms forms;
  };
  const Style styles[] = {
      {Options::Currency::None, Options::Minor::Words, Options::Forms::Long},
      {Options::Currency::None, Options::Minor::Words, Options::Forms::Short},
      {Options::Currency::RSD, Options::Minor::Words, Options::Forms::Long},
      {Options::Currency::EUR, Options::Minor::Digits, Options::Forms::Short},
      {Options::Currency::USD, Options::Minor::Fraction, Options::Forms::Long},
      {Options::Currency::USD, Options::Minor::Words, Options::Forms::Long},
  };
  for (const Style& style : styles) {
    const bool amount = style.currency != Options::Currency::None;
    // The window's blanks where the options rule allows them, given explicitly.
    const Options exact{.spacing = Spacing::Exact,
                        .currency = style.currency,
                        .minor = style.minor,
                        .forms = style.forms};
    const bool exactAllowed = OptionsProblem({exact, true, amount}).empty();
    for (const std::string& typed : Numbers(amount)) {
      for (Spacing spacing : {Spacing::Exact, Spacing::Tidy, Spacing::Joined}) {
        if (spacing == Spacing::Exact && !exactAllowed) continue;
        SCOPED_TRACE(typed + " in spacing " + std::to_string(static_cast<int>(spacing)) +
                     ", currency " + std::to_string(static_cast<int>(style.currency)) + ", forms " +
                     std::to_string(static_cast<int>(style.forms)));
        std::string lower[3];
        for (Script script : {Script::Ascii, Script::Latin, Script::Cyrillic}) {
          Options o{script, spacing, Case::Lower, style.currency, style.minor, style.forms};
          const std::string words = Spelled(typed, o);
          lower[static_cast<int>(script)] = words;
          for (char32_t c : Decode(words))
            ASSERT_TRUE(OfScript(c, script)) << words;
          o.letterCase = Case::Upper;
          ASSERT_EQ(Spelled(typed, o), Capitals(words, false));
          o.letterCase = Case::First;
          ASSERT_EQ(Spelled(typed, o), Capitals(words, true));
          if (spacing != Spacing::Exact) {
            o.letterCase = Case::Lower;
            o.spacing = Spacing::Tidy;
            const std::string tidy = Spelled(typed, o);
            ASSERT_TRUE(!tidy.empty() && tidy.front() != ' ' && tidy.back() != ' ' &&
                        tidy.find("  ") == std::string::npos)
                << tidy;
            o.spacing = Spacing::Joined;
            std::string joined = tidy;
            std::erase(joined, ' ');
            ASSERT_EQ(Spelled(typed, o), joined);
          }
        }
        ASSERT_EQ(Rewrite(lower[2], kCyrillicToLatin), lower[1]);
        ASSERT_EQ(Rewrite(lower[1], kLatinToAscii), lower[0]);
      }
    }
  }
}

// A thousands group of exactly one, and only that, is "hiljadu" in the short forms.
TEST(Words, ShortFormsSayHiljaduForExactlyOneThousand) {
  const Options shortForms{.spacing = Spacing::Tidy, .forms = Options::Forms::Short};
  for (int t = 1; t < 1000; ++t) {
    for (std::string_view rest : {"000", "001", "000000"}) {
      const std::string typed = std::to_string(t) + std::string(rest);
      const std::string words = " " + Spelled(typed, shortForms) + " ";
      const bool thousands = rest.size() == 3;
      EXPECT_EQ(words.find(" hiljadu ") != std::string::npos, thousands && t == 1) << typed;
    }
  }
}

// Each currency's unit and hundredth agree with the count's last two digits, whatever comes
// before them: 11 to 19 take the third form ("stotinu jedanaest dinara"), a last digit of 1
// the first, 2 to 4 the second, and every other the third.
TEST(Words, AmountNounsInEveryForm) {
  struct Nouns {
    Options::Currency currency;
    std::string_view one, few, many, minorOne, minorFew, minorMany;
  };
  const Nouns table[] = {
      {Options::Currency::RSD, "dinar", "dinara", "dinara", "para", "pare", "para"},
      {Options::Currency::EUR, "evro", "evra", "evra", "cent", "centa", "centi"},
      {Options::Currency::USD, "dolar", "dolara", "dolara", "cent", "centa", "centi"},
  };
  const auto form = [](int count, std::string_view one, std::string_view few,
                       std::string_view many) {
    const int lastTwo = count % 100, last = count % 10;
    if (lastTwo >= 11 && lastTwo <= 19) return many;
    return last == 1 ? one : last >= 2 && last <= 4 ? few : many;
  };
  for (const Nouns& n : table) {
    const Options o{.currency = n.currency};
    for (const int hundreds : {0, 1, 2, 9, 10, 13, 21, 1000, 1000000}) {
      for (int lastTwo = 0; lastTwo < 100; ++lastTwo) {
        const int count = hundreds * 100 + lastTwo;
        const std::string words = Spelled(std::to_string(count), o);
        EXPECT_TRUE(words.ends_with(" " + std::string(form(count, n.one, n.few, n.many)))) << words;
      }
    }
    for (int cents = 1; cents < 100; ++cents) {
      const std::string typed = "7," + std::string(cents < 10 ? "0" : "") + std::to_string(cents);
      const std::string words = Spelled(typed, o);
      EXPECT_TRUE(
          words.ends_with(" " + std::string(form(cents, n.minorOne, n.minorFew, n.minorMany))))
          << words;
    }
  }
}

// The caches are built from the model: the words of every triad of every group, and the
// window's text of each, agree with what SpellGroup and Render give.
TEST(Words, CachesAgreeWithTheModelOnEveryTriadOfEveryGroup) {
  for (int group = 1; group <= 5; ++group) {
    for (unsigned triad = 0; triad < 1000; ++triad) {
      for (Options::Forms forms : {Options::Forms::Long, Options::Forms::Short}) {
        Words model;
        SpellGroup(model, group, triad, forms);
        const GroupWords& cached = CachedGroup(group, triad, forms);
        ASSERT_EQ(cached.size, model.size());
        for (std::size_t i = 0; i < model.size(); ++i) {
          ASSERT_EQ(cached.words[i].row, model.begin()[i].row) << group << " " << triad;
        }
        if (forms == Options::Forms::Short) continue;
        std::array<char, kMaxRendered> text;
        ASSERT_EQ(Render(model, Script::Ascii, Spacing::Exact, Case::Lower, text.data()),
                  ExactGroupText(group, triad))
            << group << " " << triad;
      }
    }
  }
}

TEST(Words, WindowPiecesJoinIntoTheCaption) {
  for (const char* typed : {"0", "-7", "2545743675434", "-0,0001", "1.5", "1 000 000,25",
                            "-999999999999999,999", "100200300"}) {
    Number number;
    ASSERT_EQ(ReadNumber(typed, number), Verdict::Accepted) << typed;
    std::array<std::uint16_t, kMostWindowPieces> ids;
    const std::size_t count = WindowPieces(number, ids.data());
    std::string joined;
    for (std::size_t i = 0; i < count; ++i)
      joined += WindowPieceText(ids[i]);
    EXPECT_EQ(joined, Convert(typed).caption) << typed;
  }
  EXPECT_EQ(WindowPieceText(5002), "");  // no piece has this id
}

/// The texts of every style, made once for the test: more styles than a program keeps.
const GroupTexts* EveryStyle(Script script, Spacing spacing, bool upper, Options::Forms forms,
                             Options::Inflection inflection) {
  struct Free {
    void operator()(const GroupTexts* texts) const { std::free(const_cast<GroupTexts*>(texts)); }
  };
  static std::map<std::tuple<Script, Spacing, bool, Options::Forms, Options::Inflection>,
                  std::unique_ptr<const GroupTexts, Free>>
      made;
  auto& texts = made[{script, spacing, upper, forms, inflection}];
  if (texts == nullptr) texts.reset(MakeGroupTexts(script, spacing, upper, forms, inflection));
  return texts.get();
}

/// No texts, as when none could be made: every group is written word by word.
const GroupTexts* NoTexts(Script, Spacing, bool, Options::Forms, Options::Inflection) {
  return nullptr;
}

// Written from each group's kept text, or word by word where there are none, a number's words
// are the word model's, rendered word by word, in every script, spacing, case, form and
// inflection, plain and as amounts; and so are the entry point's.
TEST(Words, GroupTextsWriteWhatTheModelRenders) {
  const char* const typed[] = {"0",           "-7",
                               "1",           "11",
                               "21,5",        "-0,05",
                               "1001",        "2545743675434",
                               "100200300",   "999999999999999",
                               "-1000000,99", "12,001",
                               "71"};
  for (Script script : {Script::Ascii, Script::Latin, Script::Cyrillic}) {
    for (Spacing spacing : {Spacing::Exact, Spacing::Tidy, Spacing::Joined}) {
      for (Case letterCase : {Case::Lower, Case::First, Case::Upper}) {
        for (Options::Forms forms : {Options::Forms::Long, Options::Forms::Short}) {
          for (Options::Inflection inflection :
               {Options::Inflection::Nominative, Options::Inflection::Genitive,
                Options::Inflection::Accusative}) {
            for (Options::Currency currency : {Options::Currency::None, Options::Currency::EUR}) {
              Options options{script, spacing, letterCase, currency};
              options.forms = forms;
              options.inflection = inflection;
              for (const char* text : typed) {
                Number number;
                ASSERT_EQ(ReadNumber(text, number), Verdict::Accepted);
                Words model;
                const Verdict built = BuildWords(number, options, model);
                std::array<char, kMaxRendered> rendered, written;
                for (GroupTextWriter::TextsOf textsOf : {EveryStyle, NoTexts}) {
                  GroupTextWriter writer(script, spacing, letterCase, written.data(), textsOf);
                  ASSERT_EQ(WriteNumberWords(number, options, writer), built);
                  if (built != Verdict::Accepted) continue;
                  ASSERT_EQ(writer.text(),
                            Render(model, script, spacing, letterCase, rendered.data()))
                      << text << " " << int(script) << int(spacing) << int(letterCase) << int(forms)
                      << int(inflection) << int(currency) << (textsOf == NoTexts);
                }
                // The entry point, which writes a whole number straight from the kept texts,
                // with the options settled: the words of the model with them.
                const GivenOptions given = AsGiven(options);
                const Options settled = Settled(given);
                if (!OptionsProblem(given).empty() || settled == Options{}) continue;
                Words settledModel;
                WordsBuffer buffer;
                std::string_view words;
                const Verdict verdict = BuildWords(number, settled, settledModel);
                ASSERT_EQ(SpellSettled(number, settled, buffer.data(), words), verdict) << text;
                if (verdict == Verdict::Accepted) {
                  EXPECT_EQ(words, Render(settledModel, settled.script, settled.spacing,
                                          settled.letterCase, rendered.data()))
                      << text << " " << int(script) << int(spacing) << int(letterCase) << int(forms)
                      << int(inflection) << int(currency);
                }
              }
            }
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace uslova
