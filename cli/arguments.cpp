// arguments.cpp: the command line's options, read from the option tables.
// SPDX-License-Identifier: MIT
#include "arguments.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "uslova/dates.h"
#include "uslova/option_names.h"
#include "uslova/words_reader.h"

namespace uslova::cli {
namespace {

constexpr std::string_view kIntro =
    "Usage: uslova-cli [OPTION]... [NUMBER]...\n"
    "Writes each NUMBER in Serbian words, one line each; by default exactly as the\n"
    "uslova window shows them, blanks and all. With no NUMBER, converts each line\n"
    "of standard input.\n"
    "\n"
    "A NUMBER is an optional sign, up to fifteen integer digits, and optionally \".\"\n"
    "or \",\" with decimal digits, of which the first three are spelled:\n"
    "2545743675434, -7, 12,5. It may be written in groups of three digits:\n"
    "1.234.567,89, 1,234.56, or with one kind of blank between the groups (space,\n"
    "U+00A0, U+202F): \"22 000\". With two or more separators the first is the group\n"
    "separator and a different last one the decimal separator; a lone \".\" or \",\" is\n"
    "always the decimal separator (1.234 is 1,234).\n"
    "\n"
    "Options (a value may also follow as the next argument, and an option may be\n"
    "shortened where that is unambiguous: --sc latin):\n";

constexpr std::string_view kOutro =
    "  -h, --help\n"
    "      print this help and exit\n"
    "  -V, --version\n"
    "      print the version and exit\n"
    "  --\n"
    "      end the options: every later argument is a number\n"
    "Only arguments that begin with \"--\", or with \"-\" and a letter, are options;\n"
    "every other argument is a number: -7, -,5, and -+5, which is rejected as one.\n"
    "\n"
    "A number that cannot be spelled gets an empty line of output and a line on\n"
    "standard error that names it and says why. Lines of input are read in pieces,\n"
    "of any length; a UTF-8 byte-order mark at the start is skipped.\n"
    "\n"
    "Exit status: 0 when every number was spelled, 1 when any was rejected, the\n"
    "input could not be read or the output could not be written, 2 on a usage\n"
    "error.\n";

/// The long options: the flags, the CSV mode's options, then the option families.
constexpr std::string_view kHelpOption = "help";
constexpr std::string_view kVersionOption = "version";
constexpr std::string_view kHeaderOption = "header";
constexpr std::string_view kColumnOption = "column";
constexpr std::string_view kDelimiterOption = "delimiter";
constexpr std::string_view kDateOption = "date";
constexpr std::string_view kRowEndsOption = "row-ends";
constexpr std::string_view kEncodingOption = "encoding";
constexpr std::string_view kDateColumnOption = "date-column";
constexpr std::string_view kReadOption = "read";
constexpr std::string_view kCheckOption = "check";

constexpr std::string_view kCsvHelp =
    "  --column=COLUMN\n"
    "      read CSV on standard input and write it back with a field after COLUMN\n"
    "      (a number from 1, or a name in the first row, which is then a header)\n"
    "      holding the words of that column's cell; the header gets the name\n"
    "      followed by \" slovima\". Given several times, each column gets its\n"
    "      field; with --date, each is a column of dates. An empty or blank cell\n"
    "      gets an empty field. A ; file reads \",\" as the decimal separator\n"
    "      unless --decimal is given: 15.000 is fifteen thousand\n"
    "  --date-column=COLUMN\n"
    "      as --column, for a column of dates beside those of amounts: each date's\n"
    "      words, in the genitive unless --inflection is given\n"
    "  --header\n"
    "      with a numbered --column: the first row is a header\n"
    "  --delimiter=;|,|tab\n"
    "      with --column: the field delimiter; by default, counted outside quotes\n"
    "      in the first row, ; if there is one, else a tab if there is one, else ,\n"
    "  --encoding=utf-8|windows-1250|windows-1251\n"
    "      the encoding of the input and of the words: utf-8 (the default), or the\n"
    "      code pages that banking and accounting programs export, windows-1250 for\n"
    "      Latin with diacritics and windows-1251 for Cyrillic; every other byte of\n"
    "      a CSV comes back as it came, and a named --column is matched in it.\n"
    "      Without it, a CSV that is not UTF-8 takes only --script=ascii words\n"
    "  --row-ends\n"
    "      with --column: instead of the CSV, the byte offset at which each row\n"
    "      ends, one a line, to cut a file into pieces of whole rows\n"
    "  --check=COLUMN\n"
    "      with one --column of amounts: nothing is written; each row's cell of\n"
    "      COLUMN is read as an amount in words (as --read reads it) and held\n"
    "      against the amount, and each row where they differ gets a message that\n"
    "      names it, the words' number and the amount. A row with both cells blank\n"
    "      is skipped. Exit status 0 when every row agrees\n"
    "  --date\n"
    "      each NUMBER and line is a date, D.M.YYYY or YYYY-MM-DD, written in the\n"
    "      genitive as contracts write it, one blank apart: 9.12.2026 is \"devetog\n"
    "      decembra dve hiljade dvadeset seste godine\"; --inflection=nominative\n"
    "      writes a heading's \"deveti decembar ...\". With\n"
    "      @DATE_OPTIONS@ alone\n"
    "  --read\n"
    "      each NUMBER and line is a number in words, written back as digits: a\n"
    "      minus, no grouping, decimals after a comma (a point with\n"
    "      --decimal=point), an amount's hundredths as two digits: \"pet dinara i pet\n"
    "      para\" is 5,05. Any script, letter case and blanks, words joined too, and\n"
    "      the short forms (\"sto\", \"dvesta\", \"hiljadu\"); words that are not as\n"
    "      the numbers are written are refused, and say why. --currency refuses\n"
    "      another currency's nouns, --unit any other noun\n";

/// What each option does, for --help, by the field of the model that it sets; an option without
/// a line here is listed with its values alone.
constexpr std::pair<const OptionFamily*, std::string_view> kOptionHelp[] = {
    {&FamilyOf<&Options::script>(),
     "letters without diacritics (the default), Latin with diacritics (četiri), or Cyrillic "
     "(четири)"},
    {&FamilyOf<&Options::spacing>(),
     "the window's blanks (the default), one blank between words, or none; tidy and joined "
     "write a zero as \"nula\""},
    {&FamilyOf<&Options::letterCase>(),
     "lower case (the default), a capital first letter, or all capitals"},
    {&FamilyOf<&Options::currency>(),
     "an amount with at most two decimal digits, in that currency's unit and hundredth: "
     "\"dva dinara i pedeset para\"; written tidy unless joined"},
    {&FamilyOf<&Options::minor>(),
     "with --currency: \"i pedeset para\" (the default), \"i 50 para\" or \"i 50/100\""},
    {&FamilyOf<&Options::forms>(),
     "the window's words (the default), or the short forms of cheques: \"sto\", \"dvesta\", "
     "\"hiljadu\"; not with exact spacing"},
    {&FamilyOf<&Options::unit>(),
     "a count of that noun, written after it in the form the count takes: \"dvadeset jedna "
     "godina\", \"nula dana\"; or a noun of one's own, its forms after one, after two to four "
     "and after five, and its gender, m, ž or s: --unit=stan,stana,stanova:m. A count is a whole "
     "number, but odsto takes decimals as typed: \"pet zapeta pet odsto\". Written tidy unless "
     "joined; not with --currency"},
    {&FamilyOf<&Options::decimal>(),
     "a lone \".\" or \",\" is the decimal separator (the default, the window's rule), or \",\" is "
     "the decimal separator and \".\" groups (15.000 is fifteen thousand), or the mirror image: "
     "\".\" decimal, \",\" groups"},
    {&FamilyOf<&Options::inflection>(),
     "the case of a numeral ending in one and of the word it counts, as contracts write it: "
     "\"jedna hiljada dinara\" (the default), \"u iznosu od jedne hiljade dinara\", \"na jednu "
     "hiljadu dinara\"; every other word stays, and so does a number with decimals. Written "
     "tidy unless joined"},
    {&FamilyOf<&Options::noun>(),
     "with --currency or --unit: the noun written (the default), or the numerals alone, agreeing "
     "with it, as a contract puts them in brackets: \"u roku od 21 (dvadeset jednog) dana\"; an "
     "amount's hundredths are left out too"},
};

/// What an amount may carry, with each currency's code and signs from its row.
std::string CurrencyMarks() {
  std::string text =
      "The amount may carry the currency's code or sign before or after it, "
      "with or without a blank (";
  for (const CurrencyUnits& currency : kCurrencies) {
    if (&currency != &kCurrencies[0]) text += "; ";
    text.append(currency.code);
    for (std::string_view sign : currency.signs) {
      if (!sign.empty()) text.append(", ").append(sign);
    }
  }
  return text.append(
      "), and a negative one may be in brackets or end with a minus: "
      "(1.234,56), 1.234,56-");
}

/// Options as they are given: "--script, --case and --inflection".
template <std::size_t N>
std::string OptionNames(const std::array<std::string_view, N>& options) {
  std::string names;
  for (std::size_t i = 0; i < N; ++i) {
    names.append(i == 0 ? "" : i + 1 == N ? " and " : ", ").append("--").append(options[i]);
  }
  return names;
}

/// Whether `given` holds only the options of `taken`.
template <std::size_t N>
bool OnlyOf(const std::vector<const OptionFamily*>& given,
            const std::array<std::string_view, N>& taken) {
  return std::all_of(given.begin(), given.end(), [&](const OptionFamily* f) {
    return std::find(taken.begin(), taken.end(), f->name) != taken.end();
  });
}

std::string ChoiceNames(const OptionFamily& family, std::string_view between) {
  std::string names;
  for (const Choice& choice : family.choices)
    names.append(names.empty() ? "" : between).append(choice.name);
  return names;
}

/// Appends `text` in lines of at most 80 columns, each indented by six blanks.
void AppendWrapped(std::string& out, std::string_view text) {
  constexpr std::size_t kIndent = 6, kWidth = 80;
  std::size_t column = 0;  // 0: no line begun
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(' '), text.size());
    const std::string_view word = text.substr(0, end);
    // Columns are counted in bytes, which overcounts the few non-ASCII letters: safe.
    if (column == 0 || column + 1 + word.size() > kWidth) {
      out.append(column == 0 ? "" : "\n").append(kIndent, ' ');
      column = kIndent;
    } else {
      out += ' ';
      ++column;
    }
    out.append(word);
    column += word.size();
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  out += '\n';
}

/// The long option that `name` names or abbreviates, or a message saying why none.
struct Match {
  std::string_view option;  // "help", "version" or a family's name
  const OptionFamily* family = nullptr;
};
std::optional<Match> FindOption(std::string_view name, std::string& problem) {
  std::vector<Match> candidates{{kHelpOption}, {kVersionOption}};
  for (const OptionFamily& family : kOptionFamilies)
    candidates.push_back({family.name, &family});
  for (std::string_view csv :
       {kHeaderOption, kColumnOption, kDelimiterOption, kDateOption, kRowEndsOption,
        kEncodingOption, kDateColumnOption, kReadOption, kCheckOption})
    candidates.push_back({csv});
  std::vector<Match> found;
  for (const Match& m : candidates) {
    if (m.option == name) return m;
    if (m.option.starts_with(name)) found.push_back(m);
  }
  // An abbreviation of an option is one of that option alone, not of options that extend its
  // name: "--da" is --date, not --date-column.
  std::erase_if(found, [&](const Match& m) {
    return std::any_of(found.begin(), found.end(), [&](const Match& shorter) {
      return m.option.size() > shorter.option.size() && m.option.starts_with(shorter.option) &&
             m.option[shorter.option.size()] == '-';
    });
  });
  if (found.size() == 1) return found.front();
  if (found.empty()) {
    problem = "unknown option '--" + std::string(name) + "'";
  } else {
    problem = "option '--" + std::string(name) + "' is ambiguous; possibilities:";
    for (const Match& m : found)
      problem.append(" '--").append(m.option).append("'");
  }
  return std::nullopt;
}

/// Takes the value of --column or --delimiter into `a`, or says why it cannot.
std::string CsvOption(std::string_view option, std::string_view value, Arguments& a) {
  if (option == kEncodingOption) {
    const auto* found = std::find_if(std::begin(kEncodings), std::end(kEncodings),
                                     [&](const EncodingName& e) { return e.name == value; });
    if (found == std::end(kEncodings)) {
      return "invalid value '" + std::string(value) +
             "' for --encoding (choose utf-8, windows-1250, windows-1251)";
    }
    a.csvSettings.encoding = found->encoding;
    a.csvSettings.encodingGiven = true;
    return {};
  }
  if (option == kDelimiterOption) {
    if (value == ";" || value == ",") {
      a.csvSettings.delimiter = value[0];
    } else if (value == "tab" || value == "\t") {
      a.csvSettings.delimiter = '\t';
    } else {
      return "invalid value '" + std::string(value) + "' for --delimiter (choose ;, ',', tab)";
    }
    return {};
  }
  const std::string given = "--" + std::string(option);
  a.csv = true;
  if (value.empty()) return given + " needs a column's number or name";
  CsvColumnSettings column;
  column.date = option == kDateColumnOption;
  column.words = option == kCheckOption;
  a.csvSettings.check = a.csvSettings.check || column.words;
  // Digits, with a sign or without, are a number; anything else is a name.
  const bool negative = value[0] == '-';
  const std::string_view digits = value.substr(value[0] == '-' || value[0] == '+' ? 1 : 0);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    column.name = std::string(value);
  } else {
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), column.number);
    if (negative || (error == std::errc{} && column.number == 0)) return given + " counts from 1";
    if (error != std::errc{}) return given + " " + std::string(value) + " is out of range";
  }
  for (const CsvColumnSettings& other : a.csvSettings.columns) {
    if (other.number == column.number && other.name == column.name)
      return "column '" + std::string(value) + "' is given twice: each column is spelled once";
  }
  a.csvSettings.columns.push_back(std::move(column));
  return {};
}

}  // namespace

Arguments ReadArguments(std::span<const std::string_view> args) {
  Arguments a;
  bool optionsEnded = false;
  std::vector<const OptionFamily*> given;
  const auto fail = [&](std::string problem) {
    a.problem = std::move(problem);
    a.hint = true;
    return a;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    // Only "--..." and "-" with a letter are options: "-7", "-+5" and "- 5" are numbers.
    const char second = arg.size() > 1 && arg[0] == '-' ? arg[1] : '\0';
    const bool option =
        second == '-' || (second >= 'a' && second <= 'z') || (second >= 'A' && second <= 'Z');
    if (optionsEnded || !option) {
      a.numbers.push_back(i);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-h" || arg == "-V") {
      (arg == "-h" ? a.help : a.version) = true;
    } else if (!arg.starts_with("--")) {
      return fail("unknown option '" + std::string(arg) + "'");
    } else {
      const std::size_t equals = arg.find('=');
      const std::string_view name =
          arg.substr(2, equals == std::string_view::npos ? arg.npos : equals - 2);
      std::string problem;
      const std::optional<Match> match = FindOption(name, problem);
      if (!match) return fail(problem);
      const bool takesValue = match->option == kColumnOption || match->option == kDelimiterOption ||
                              match->option == kEncodingOption ||
                              match->option == kDateColumnOption || match->option == kCheckOption;
      if (match->family == nullptr && !takesValue) {
        if (equals != std::string_view::npos)
          return fail("unknown option '" + std::string(arg) + "'");
        bool& flag = match->option == kHelpOption      ? a.help
                     : match->option == kVersionOption ? a.version
                     : match->option == kDateOption    ? a.dates
                     : match->option == kReadOption    ? a.words
                     : match->option == kRowEndsOption ? a.csvSettings.rowEnds
                                                       : a.csvSettings.header;
        flag = true;
        continue;
      }
      // The value: after "=", or the next argument.
      std::string_view value;
      if (equals != std::string_view::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        problem = "option '--" + std::string(match->option) + "' needs a value";
        if (match->family != nullptr)
          problem.append(" (choose ").append(ChoiceNames(*match->family, ", ")).append(")");
        return fail(problem);
      }
      if (takesValue) {
        problem = CsvOption(match->option, value, a);
        if (!problem.empty()) return fail(problem);
        continue;
      }
      const OptionFamily& family = *match->family;
      const auto choice = std::find_if(family.choices.begin(), family.choices.end(),
                                       [&](const Choice& c) { return c.name == value; });
      if (choice == family.choices.end() && family.ownNoun) {
        a.ownNoun = std::make_shared<OwnNoun>();
        const std::string_view nounProblem = ReadOwnNoun(value, *a.ownNoun);
        if (!nounProblem.empty()) return fail(std::string(nounProblem));
        a.options.unit = Options::Unit::Own;
        a.options.ownNoun = a.ownNoun.get();
        given.push_back(&family);
        continue;
      }
      if (choice == family.choices.end()) {
        return fail("invalid value '" + std::string(value) + "' for --" + std::string(family.name) +
                    " (choose " + ChoiceNames(family, ", ") + ")");
      }
      family.set(a.options, choice->value);
      given.push_back(&family);
    }
  }
  const auto isGiven = [&](const OptionFamily& family) {
    return std::find(given.begin(), given.end(), &family) != given.end();
  };
  a.csvSettings.decimalGiven = isGiven(FamilyOf<&Options::decimal>());
  a.problem = OptionsProblem(
      {a.options, isGiven(FamilyOf<&Options::spacing>()), isGiven(FamilyOf<&Options::minor>())});
  if (a.problem.empty() && !a.csv && (a.csvSettings.header || a.csvSettings.delimiter != 0)) {
    a.problem = "--header and --delimiter go with --column";
  } else if (a.problem.empty() && !a.csv && a.csvSettings.rowEnds) {
    a.problem = "--row-ends goes with --column";
  } else if (a.problem.empty() && a.dates && !OnlyOf(given, kDateOptions)) {
    a.problem = "--date goes with " + OptionNames(kDateOptions) + " alone";
  } else if (a.problem.empty() && a.words && (a.dates || a.csv || !OnlyOf(given, kReadOptions))) {
    a.problem = ReadAlone();
  } else if (a.problem.empty() && a.csvSettings.check &&
             (std::count_if(a.csvSettings.columns.begin(), a.csvSettings.columns.end(),
                            [](const CsvColumnSettings& c) { return c.words; }) != 1 ||
              a.csvSettings.columns.size() != 2 || a.dates || a.csvSettings.rowEnds ||
              std::any_of(a.csvSettings.columns.begin(), a.csvSettings.columns.end(),
                          [](const CsvColumnSettings& c) { return c.date; }))) {
    a.problem = "--check=COLUMN goes with one --column of amounts";
  } else if (a.problem.empty() && a.csvSettings.check && !OnlyOf(given, kReadOptions)) {
    a.problem = "--check goes with " + OptionNames(kReadOptions) + " alone";
  }
  for (CsvColumnSettings& column : a.csvSettings.columns)  // --date: every column is of dates
    column.date = column.date || a.dates;
  if (isGiven(FamilyOf<&Options::inflection>()))
    a.csvSettings.dateInflection = a.options.inflection;
  const Encoding encoding = a.csvSettings.encoding;
  if (a.problem.empty() && !Holds(encoding, a.options.script)) {
    const auto& scripts = FamilyOf<&Options::script>().choices;
    const auto named = [&](Options::Script script) {
      return std::string(std::find_if(scripts.begin(), scripts.end(), [&](const Choice& c) {
                           return c.value == static_cast<std::uint8_t>(script);
                         })->name);
    };
    a.problem = "--script=" + named(a.options.script) + " cannot be written in " +
                std::string(NameOf(encoding)) + ": it holds --script=" +
                named(Holds(encoding, Options::Script::Latin) ? Options::Script::Latin
                                                              : Options::Script::Cyrillic) +
                " and --script=" + named(Options::Script::Ascii);
  }
  for (CsvColumnSettings& column : a.csvSettings.columns) {
    std::string name;  // matched in the file's encoding
    if (a.problem.empty() && !AppendEncoded(name, column.name, encoding)) {
      a.problem = "the column's name '" + column.name + "' cannot be written in " +
                  std::string(NameOf(encoding));
    }
    column.shown = std::move(column.name);
    column.name = std::move(name);
  }
  // A date's own case is the genitive; --inflection=nominative writes a heading's.
  if (a.dates && !isGiven(FamilyOf<&Options::inflection>()))
    a.options.inflection = Options::Inflection::Genitive;
  else if (a.problem.empty() && a.csv && !a.numbers.empty()) {
    a.problem = "--column reads CSV on standard input: no NUMBER arguments";
  }
  return a;
}

std::string HelpText() {
  std::string text(kIntro);
  for (const OptionFamily& family : kOptionFamilies) {
    text.append("  --").append(family.name).append("=").append(ChoiceNames(family, "|"));
    text += '\n';
    const auto help = std::find_if(std::begin(kOptionHelp), std::end(kOptionHelp),
                                   [&](const auto& line) { return line.first == &family; });
    if (help == std::end(kOptionHelp)) continue;
    AppendWrapped(text, family.amount
                            ? std::string(help->second).append(". ").append(CurrencyMarks())
                            : std::string(help->second));
  }
  text.append(kCsvHelp).append(kOutro);
  constexpr std::string_view kDatePlace = "@DATE_OPTIONS@";
  return text.replace(text.find(kDatePlace), kDatePlace.size(), OptionNames(kDateOptions));
}

}  // namespace uslova::cli
