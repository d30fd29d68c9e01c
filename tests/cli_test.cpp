// cli_test.cpp: the command line's output, messages and exit status, on string streams.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "cli.h"

namespace uslova::cli {
namespace {

/// A string read in chunks of at most `chunk` bytes, then a read error if `error` is set.
class StringInput : public Input {
 public:
  StringInput(std::string_view text, std::size_t chunk, bool error = false)
      : text_(text), chunk_(chunk), error_(error) {}
  std::ptrdiff_t read(char* buffer, std::size_t size, std::string& error) override {
    if (text_.empty() && error_) {
      error = "Is a directory";
      return -1;
    }
    const std::size_t n = std::min({size, chunk_, text_.size()});
    std::memcpy(buffer, text_.data(), n);
    text_.remove_prefix(n);
    return static_cast<std::ptrdiff_t>(n);
  }
  bool ready() override { return true; }

 private:
  std::string_view text_;
  std::size_t chunk_;
  bool error_;
};

/// Collects what is written, each write as one piece; fails every write if `broken`.
class StringOutput : public Output {
 public:
  explicit StringOutput(std::vector<std::string>& writes, bool broken = false)
      : writes_(writes), broken_(broken) {}
  bool write(std::string_view bytes) override {
    if (!broken_) writes_.emplace_back(bytes);
    return !broken_;
  }

 private:
  std::vector<std::string>& writes_;
  bool broken_;
};

struct Result {
  int status;
  std::string out, err;
  std::vector<std::string> outWrites, errWrites;
};

struct Setup {
  std::size_t chunk = 1 << 20;
  bool readError = false;
  bool sameFile = false;
  bool brokenOutput = false;
};

Result RunWith(std::vector<std::string_view> args, std::string_view input = "", Setup setup = {}) {
  Result r;
  StringInput in(input, setup.chunk, setup.readError);
  StringOutput out(r.outWrites, setup.brokenOutput), err(r.errWrites);
  r.status = cli::Run(args, {in, out, setup.sameFile ? out : err, false, setup.sameFile});
  for (const std::string& w : r.outWrites)
    r.out += w;
  for (const std::string& w : r.errWrites)
    r.err += w;
  return r;
}

constexpr std::string_view kNotANumber =
    "Nemoguce prevesti u slova, jer ulazni parametar nije broj!";

TEST(Cli, ConvertsArgumentsInOrder) {
  const Result r = RunWith({"7", "-7", "abc", "1e15"});
  EXPECT_EQ(r.out, "  sedam\nminus  sedam\n\n\n");
  EXPECT_EQ(r.err, "uslova-cli: argument 3: " + std::string(kNotANumber) +
                       "\nuslova-cli: argument 4: Nemoguce prevesti u slova, jer je broj "
                       "prevelik!\n");
  EXPECT_EQ(r.status, kSomeRejected);
}

// A refusal's prompt is in the script of the words, and says how to mend it where an option
// does: the reading of "." and "," for an amount whose dots group thousands, or that the amount
// is in another currency. A line read in pieces, whose text is not held, gets the prompt alone.
TEST(Cli, RefusalsInTheScriptOfTheWordsWithTheirMend) {
  struct Case {
    std::vector<std::string_view> args;
    std::string_view input, err;
  };
  const Case cases[] = {
      {{"--script=latin", "abc"},
       "",
       "argument 2: Nemoguće prevesti u slova, jer ulazni parametar nije broj!"},
      {{"--script=cyrillic", "--date", "31.4.2026"},
       "",
       "argument 3: Немогуће превести у слова, јер датум не постоји или није записан као "
       "9.12.2026 или 2026-12-09!"},
      {{"--currency=RSD", "15.000"},
       "",
       "argument 2: Nemoguce prevesti u slova, jer iznos ima vise od dve decimale! "
       "(--decimal=comma reads it as 15000)"},
      {{"--currency=EUR"},
       " -1,500 \n",
       "line 1: Nemoguce prevesti u slova, jer iznos ima vise od dve decimale! "
       "(--decimal=point reads it as -1500)"},
      // "1.5555" is no whole amount either way; "1.500,5" has both separators.
      {{"--currency=RSD", "1.5555", "--decimal=auto"},
       "",
       "argument 2: Nemoguce prevesti u slova, jer iznos ima vise od dve decimale!"},
      {{"--currency=RSD", "--script=latin", "15.000,00 EUR"},
       "",
       "argument 3: Nemoguće prevesti u slova, jer je iznos u drugoj valuti!"},
      {{"--currency=USD"},
       "RSD 5\n",
       "line 1: Nemoguce prevesti u slova, jer je iznos u drugoj valuti!"},
      {{"--currency=USD"},
       "GBP 5\n",
       "line 1: Nemoguce prevesti u slova, jer ulazni parametar nije broj!"},
  };
  for (const Case& c : cases) {
    const Result r = RunWith(c.args, c.input);
    EXPECT_EQ(r.err, "uslova-cli: " + std::string(c.err) + "\n") << c.args[1];
    EXPECT_EQ(r.status, kSomeRejected);
  }
  const Result pieces = RunWith({"--currency=RSD"}, "15.000 EUR\n", {.chunk = 3});
  EXPECT_EQ(pieces.err,
            "uslova-cli: line 1: Nemoguce prevesti u slova, jer ulazni parametar nije "
            "broj!\n");
}

// A Windows-1250 bank statement: every byte of it back, the column named in its encoding, and
// the words in it; without --encoding, words beyond ASCII are refused before a byte is written,
// and ASCII ones go in as before. Cyrillic words in Windows-1251, lines and dates too.
TEST(Csv, ExportsInWindows1250And1251) {
  const std::string_view statement =
      "Datum;Opis;Duguje;Potra\x9euje\r\n1.12.2026;\x8aifra \xe8"
      "eka;;21,01\r\n"
      "2.12.2026;\"Isplata; \x9e\";40,00;\r\n";
  const Result latin = RunWith({"--column=Potražuje", "--currency=RSD", "--script=latin",
                                "--case=first", "--encoding=windows-1250"},
                               statement);
  EXPECT_EQ(latin.out,
            "Datum;Opis;Duguje;Potra\x9euje;Potra\x9euje slovima\r\n"
            "1.12.2026;\x8aifra \xe8"
            "eka;;21,01;Dvadeset jedan dinar i jedna para\r\n"
            "2.12.2026;\"Isplata; \x9e\";40,00;;\r\n");
  EXPECT_EQ(latin.status, kAllAccepted);
  const Result words = RunWith(
      {"--column=4", "--header", "--currency=RSD", "--script=latin", "--encoding=windows-1250"},
      "Iznos;a;b;c\n1;;;4,44\n");
  EXPECT_EQ(words.out,
            "Iznos;a;b;c;c slovima\n1;;;4,44;\xe8"
            "etiri dinara i \xe8"
            "etrdeset "
            "\xe8"
            "etiri pare\n");

  const Result refused =
      RunWith({"--column=4", "--currency=RSD", "--script=latin"}, statement, {.chunk = 7});
  EXPECT_EQ(refused.status, kUsageError);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("--encoding=windows-1250"), std::string::npos) << refused.err;
  // A character cut at the input's end is no UTF-8 either.
  EXPECT_EQ(RunWith({"--column=1", "--script=latin"}, "5\n\xc4").status, kUsageError);
  const Result ascii = RunWith({"--column=Iznos", "--currency=RSD"}, "Iznos;\xe8\n5;\x9a\n");
  EXPECT_EQ(ascii.out, "Iznos;Iznos slovima;\xe8\n5;pet dinara;\x9a\n");
  EXPECT_EQ(RunWith({"--column=Iznos", "--script=latin"}, "Iznos\n4\n\xf0\x9f\x98\x80\n").status,
            kSomeRejected);  // UTF-8 of four bytes is UTF-8: its cell is no number

  EXPECT_EQ(RunWith({"--script=cyrillic", "--encoding=windows-1251", "--case=upper"}, "21\n").out,
            " \xc4\xc2\xc0\xc4\xc5\xd1\xc5\xd2 \xa3\xc5\xc4\xc0\xcd\n");
  EXPECT_EQ(RunWith({"--date", "--script=cyrillic", "--encoding=windows-1251", "1.1.2000"}).out,
            "\xef\xf0\xe2\xee\xe3 \xbc\xe0\xed\xf3\xe0\xf0\xe0 "
            "\xe4\xe2\xe5\xf5\xe8\x9a\xe0\xe4\xe8\xf2\xe5 \xe3\xee\xe4\xe8\xed\xe5\n");
}

// Several columns in one pass, amounts and dates, each with its field after it in the file's
// order whatever the order given; messages name the row and the column.
TEST(Csv, SeveralColumnsOfAmountsAndDates) {
  const std::string_view statement =
      "Datum;Opis;Duguje;Potra\x9euje;Datum valute\r\n"
      "1.12.2026;Uplata \xe8"
      "ek;;21,01;2.12.2026\r\n"
      "3.12.2026;Tro\x9a"
      "ak;1,5;abc;31.4.2026\r\n"
      "4.12.2026;;;\r\n";
  const std::vector<std::string_view> columns = {"--column=Potražuje", "--date-column=Datum valute",
                                                 "--column=Duguje", "--currency=RSD",
                                                 "--encoding=windows-1250"};
  std::vector<std::string_view> latin = columns;
  latin.push_back("--script=latin");
  const Result both = RunWith(latin, statement);
  EXPECT_EQ(both.out,
            "Datum;Opis;Duguje;Duguje slovima;Potra\x9euje;Potra\x9euje slovima;Datum valute;"
            "Datum valute slovima\r\n"
            "1.12.2026;Uplata \xe8"
            "ek;;;21,01;dvadeset jedan dinar i jedna para;2.12.2026;drugog decembra dve hiljade "
            "dvadeset \x9a"
            "este godine\r\n"
            "3.12.2026;Tro\x9a"
            "ak;1,5;jedan dinar i pedeset para;abc;;31.4.2026;\r\n"
            "4.12.2026;;;;;\r\n");
  EXPECT_EQ(both.err,
            "uslova-cli: row 3, column 'Potražuje': Nemoguće prevesti u slova, jer ulazni "
            "parametar nije broj!\n"
            "uslova-cli: row 3, column 'Datum valute': Nemoguće prevesti u slova, jer datum ne "
            "postoji ili nije zapisan kao 9.12.2026 ili 2026-12-09!\n"
            "uslova-cli: row 4, column 'Datum valute': the row has no column 5\n");
  EXPECT_EQ(both.status, kSomeRejected);
  // In ASCII the same, but for the letters.
  std::string ascii = both.out;
  ascii.replace(ascii.find("\x9a"
                           "este"),
                1, "s");
  EXPECT_EQ(RunWith(columns, statement).out, ascii);

  // --date with numbered columns; the nominative when asked for.
  EXPECT_EQ(RunWith({"--date", "--column=2", "--column=1", "--inflection=nominative"},
                    "1.1.2000,2026-12-09\n")
                .out,
            "1.1.2000,prvi januar dvehiljadite godine,2026-12-09,deveti decembar dve hiljade "
            "dvadeset seste godine\n");
  // A name and a number that are one column, and a name not in the header.
  EXPECT_EQ(RunWith({"--column=Iznos", "--column=2"}, "A;Iznos\n1;2\n").status, kUsageError);
  const Result missing = RunWith({"--column=A", "--column=B"}, "A;C\n1;2\n");
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "uslova-cli: no column named 'B' in the first row\n");
}

// Only "--..." and "-" with a letter are options: any other argument reads as the same text
// would as a line of input, and the rest of the batch goes on.
TEST(Cli, ReadsWordsBackLineByLine) {
  // A refusal is an empty line, a message naming its line, and exit status 1; a line cut into
  // pieces reads as it does whole.
  const Result r = RunWith({"--read", "--decimal=point"},
                           "jedan zapeta pet\ndva hiljade\n\npet dinara i pet para", {.chunk = 3});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "1.5\n\n\n5.05\n");
  EXPECT_EQ(r.err,
            "uslova-cli: line 2: 'dva' does not agree: 2000 is written 'dve hiljade'\n"
            "uslova-cli: line 3: no words to read\n");
}

TEST(Cli, ArgumentsThatAreNotOptionsAreNumbers) {
  const std::vector<std::string_view> numbers = {"-+5", "- 5", "-\t5", "-\u00a05", "-",
                                                 "-,5", "-7",  "+-5",  "-\xff",    "7"};
  std::string lines;
  for (std::string_view n : numbers)
    lines.append(n).push_back('\n');
  const Result asArguments = RunWith(numbers), asLines = RunWith({}, lines);
  EXPECT_EQ(asArguments.out, asLines.out);
  EXPECT_EQ(asArguments.status, asLines.status);
  EXPECT_EQ(std::count(asArguments.out.begin(), asArguments.out.end(), '\n'), numbers.size());
}

TEST(Cli, ConvertsLinesOfInput) {
  struct Case {
    std::string_view name, input, out;
    int status;
  };
  const Case cases[] = {
      {"plain", "7\n-1234,5\n",
       "  sedam\nminus jedna hiljada dve stotine trideset cetiri zapeta   pet\n", kAllAccepted},
      {"last line without newline", "7\n8", "  sedam\n  osam\n", kAllAccepted},
      {"carriage returns", "7\r\n8\r\n", "  sedam\n  osam\n", kAllAccepted},
      {"empty input", "", "", kAllAccepted},
      {"empty line", "7\n\n8\n", "  sedam\n\n  osam\n", kSomeRejected},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Result r = RunWith({}, std::string(c.input));
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, c.status);
  }
  EXPECT_EQ(RunWith({}, "7\nabc\n").err, "uslova-cli: line 2: " + std::string(kNotANumber) + "\n");
}

// Bytes that are no number are rejected on their own line; the lines around them are spelled.
TEST(Cli, HostileBytesInsideLines) {
  using namespace std::string_literals;
  const Result r = RunWith({}, "7\n\xff\xfe\n1\0002\n\x1b[5\n\xd9\xa5\n5\x7f\n8"s);
  EXPECT_EQ(r.out, "  sedam\n\n\n\n\n\n  osam\n");
  EXPECT_EQ(r.status, kSomeRejected);
  for (int line = 2; line <= 6; ++line) {
    EXPECT_NE(r.err.find("line " + std::to_string(line) + ": " + std::string(kNotANumber)),
              std::string::npos)
        << r.err;
  }
}

TEST(Cli, Options) {
  EXPECT_EQ(RunWith({"--", "--5"}).err,
            "uslova-cli: argument 2: " + std::string(kNotANumber) + "\n");
  EXPECT_EQ(RunWith({"--", "-7"}).out, "minus  sedam\n");

  const Result help = RunWith({"7", "--help"});
  EXPECT_EQ(help.status, kAllAccepted);
  EXPECT_TRUE(help.out.starts_with("Usage: uslova-cli")) << help.out;

  const Result version = RunWith({"--version"});
  EXPECT_TRUE(version.out.starts_with("uslova-cli 1.")) << version.out;

  EXPECT_EQ(RunWith({"--currency=EUR", "--case=upper", "1,01", "2"}).out,
            "JEDAN EVRO I JEDAN CENT\nDVA EVRA\n");
}

// Options as getopt_long reads them: a value after "=" or as the next argument, unambiguous
// abbreviations, the last of a repeated option, -h and -V; "-" and a digit, "," or "." is a
// number. The CSV options go with --column, whose delimiter may be a literal tab.
TEST(Cli, ArgumentRules) {
  struct Case {
    std::vector<std::string_view> args;
    std::string_view input, out;
  };
  // A date line is read whole, however many blanks stand around its date.
  const std::string blanks(40, ' '), padded = blanks + "1.1.2000\t\t" + blanks + "\n",
                                     trailing = "1.1.2000" + std::string(24, ' ') + "x",
                                     trailingLine = trailing + "\n";
  const Case cases[] = {
      {{"--spacing", "tidy", "--sc", "latin", "4"}, "", "četiri\n"},
      {{"--cur=USD", "--spa=joined", "2,01"}, "", "dvadolaraijedancent\n"},
      {{"--forms", "short", "--spacing=tidy", "-,500", "-.5", "-7"},
       "",
       "minus nula zapeta petsto\nminus nula zapeta pet\nminus sedam\n"},
      {{"--currency=RSD", "--forms=short", "1000"}, "", "hiljadu dinara\n"},
      {{"--script=cyrillic", "--script=latin", "--sp=tidy", "--sp", "joined", "4"}, "", "četiri\n"},
      {{"--case", "upper", "--decimal", "comma", "--cu", "EUR", "--minor", "digits", "1.000,5"},
       "",
       "JEDNA HILJADA EVRA I 50 CENTI\n"},
      {{"--column", "2", "--delimiter", "\t", "--header"},
       "a\tb\n1\t2\n",
       "a\tb\tb slovima\n1\t2\t  dva\n"},
      {{"--col=1", "--delim=tab"}, "7\n", "7\t  sedam\n"},
      {{"--", "--help"}, "", "\n"},
      // Dates: in both forms, from arguments and lines, blanks around them dropped.
      {{"--date", "--script=latin", "9.12.2026."},
       "",
       "devetog decembra dve hiljade dvadeset šeste godine\n"},
      {{"--da", "--case=upper"}, " 2000-01-03 \r\n", "TRECEG JANUARA DVEHILJADITE GODINE\n"},
      {{"--date"}, "29.2.2023\n", "\n"},
      {{"--date"}, padded, "prvog januara dvehiljadite godine\n"},
      {{"--date"}, trailingLine, "\n"},
      {{"--date", trailing}, "", "\n"},
  };
  for (const Case& c : cases) {
    const Result r = RunWith(c.args, c.input);
    EXPECT_EQ(r.out, c.out) << r.err;
    EXPECT_EQ(r.status, c.out == "\n" ? kSomeRejected : kAllAccepted);
  }
  for (std::string_view flag : {"-h", "--hel", "-V", "--vers"}) {
    const Result r = RunWith({flag, "7"});
    EXPECT_TRUE(r.out.starts_with(flag.find('h') != flag.npos ? "Usage:" : "uslova-cli 1."))
        << flag;
  }
  // --help fits a terminal of 80 columns, counted in characters.
  const Result r = RunWith({"--help"});
  std::string_view help = r.out;
  for (std::size_t end; (end = help.find('\n')) != help.npos; help.remove_prefix(end + 1)) {
    const std::string_view line = help.substr(0, end);
    const auto characters =
        std::count_if(line.begin(), line.end(), [](char ch) { return (ch & 0xC0) != 0x80; });
    EXPECT_LE(characters, 80) << line;
  }
}

// A usage error converts nothing, exits with 2 and says what is wrong.
TEST(Cli, OptionErrors) {
  struct Case {
    std::vector<std::string_view> args;
    std::string_view message;
  };
  const Case cases[] = {
      {{"7", "--words"}, "uslova-cli: unknown option '--words'"},
      {{"--script=klingon", "7"},
       "uslova-cli: invalid value 'klingon' for --script (choose ascii, latin, cyrillic)"},
      {{"--case", "7"}, "uslova-cli: invalid value '7' for --case"},
      {{"--case"}, "uslova-cli: option '--case' needs a value (choose lower, first, upper)"},
      {{"--c=upper", "7"},
       "uslova-cli: option '--c' is ambiguous; possibilities: '--case' '--currency'"},
      {{"-x", "7"}, "uslova-cli: unknown option '-x'"},
      {{"--date", "--currency=RSD", "1.1.2000"},
       "uslova-cli: --date goes with --script, --case and --inflection alone"},
      {{"--forms=short", "5"}, "uslova-cli: --forms=short needs --spacing=tidy"},
      {{"--help=yes"}, "uslova-cli: unknown option '--help=yes'"},
      {{"--read", "--script=latin", "pet"},
       "uslova-cli: --read goes with --decimal, --currency and --unit alone"},
      {{"--column=1", "--check=2", "--column=3"},
       "uslova-cli: --check=COLUMN goes with one --column of amounts"},
      {{"--check=2"}, "uslova-cli: --check=COLUMN goes with one --column of amounts"},
      {{"--read", "--column=1"},
       "uslova-cli: --read goes with --decimal, --currency and --unit alone"},
      {{"--row-ends", "7"}, "uslova-cli: --row-ends goes with --column"},
      {{"--currency=RSD", "--spacing=exact", "7"},
       "uslova-cli: --spacing=exact cannot be used with --currency"},
      {{"--minor=digits", "7"}, "uslova-cli: --minor needs --currency"},
      {{"--header", "7"}, "uslova-cli: --header and --delimiter go with --column"},
      {{"--delimiter=\t"}, "uslova-cli: --header and --delimiter go with --column"},
      {{"--he"}, "uslova-cli: option '--he' is ambiguous"},
      {{"--column=0"}, "uslova-cli: --column counts from 1"},
      {{"--column=Iznos", "7"}, "uslova-cli: --column reads CSV on standard input"},
      {{"--column=1", "--delimiter=|"}, "uslova-cli: invalid value '|' for --delimiter"},
      {{"--column=2", "--date-column=+2"}, "uslova-cli: column '+2' is given twice"},
      {{"--column=Iznos", "--column=Iznos"}, "uslova-cli: column 'Iznos' is given twice"},
      {{"--column=-1"}, "uslova-cli: --column counts from 1"},
      {{"--column=99999999999999999999999"},
       "uslova-cli: --column 99999999999999999999999 is out of range"},
      {{"--encoding=latin2", "7"}, "uslova-cli: invalid value 'latin2' for --encoding"},
      {{"--encoding=windows-1250", "--script=cyrillic", "7"},
       "uslova-cli: --script=cyrillic cannot be written in windows-1250: it holds "
       "--script=latin and --script=ascii"},
      {{"--encoding=windows-1251", "--script=latin", "7"},
       "uslova-cli: --script=latin cannot be written in windows-1251"},
      {{"--encoding=windows-1251", "--column=Potražuje"},
       "uslova-cli: the column's name 'Potražuje' cannot be written in windows-1251"},
  };
  for (const Case& c : cases) {
    const Result r = RunWith(c.args);
    EXPECT_EQ(r.status, kUsageError) << c.message;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with(c.message)) << r.err;
  }
}

// Counted outside quotes in the first row: ";" if there is one, else a tab, else ",". The
// input comes a byte at a time too, so the first row is held across reads.
TEST(Csv, DelimiterOfTheFirstRow) {
  struct Case {
    std::string_view input, output;
  };
  const Case cases[] = {
      {"1.234,56;Avans\n7,00;Konacno\n",
       "1.234,56;jedna hiljada dve stotine trideset cetiri dinara i pedeset sest para;Avans\n"
       "7,00;sedam dinara;Konacno\n"},
      {"1,5;x\ty\n", "1,5;jedan dinar i pedeset para;x\ty\n"},           // ";" beats a tab
      {"1,5\t\"a;b\"\n", "1,5\tjedan dinar i pedeset para\t\"a;b\"\n"},  // a quoted ";"
      {"1,5,\"a;b\"\n", "1,jedan dinar,5,\"a;b\"\n"},
      {"\"a\"\"b;c\",7\n", "\"a\"\"b;c\",,7\n"},  // a doubled quote stays within quotes
      {"7,1\n", "7,sedam dinara,1\n"},
      {"7\n", "7,sedam dinara\n"},  // one field: ","
      {"7", "7,sedam dinara"},
      // A lone "\r" ends rows where the first row ends with one, and is data elsewhere and
      // within quotes.
      {"5;\"x\ry\"\r6\r", "5;pet dinara;\"x\ry\"\r6;sest dinara\r"},
      {"5\n6\r7\n", "5,pet dinara\n6\r7,\n"},
  };
  for (const Case& c : cases) {
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{1} << 20}) {
      const Result r =
          RunWith({"--column=1", "--currency=RSD", "--decimal=comma"}, c.input, {.chunk = chunk});
      EXPECT_EQ(r.out, c.output) << c.input << " in chunks of " << chunk;
    }
  }
}

// A blank cell is no error: an empty field, no message. A ';' file reads ',' as its decimal
// separator unless --decimal says otherwise; a ',' or tab file keeps the window's rule.
TEST(Csv, BlankCellsAndTheSemicolonDefault) {
  struct Case {
    std::vector<std::string_view> args;
    std::string_view input, out;
    int status;
  };
  const Case cases[] = {
      {{"--column=2"}, "a;;b\nc; \t ;d\n", "a;;;b\nc; \t ;;d\n", kAllAccepted},
      {{"--column=1"},
       "15.000;x\n1,5;y\n",
       "15.000; petnaest hiljada ;x\n1,5;  jedan zapeta   pet;y\n",
       kAllAccepted},
      {{"--column=1", "--delimiter=;"},
       "1.234,5\n",
       "1.234,5; jedna hiljada dve stotine trideset cetiri zapeta   pet\n",
       kAllAccepted},
      {{"--column=1", "--decimal=auto"},
       "15.000;x\n",
       "15.000; petnaest zapeta  ;x\n",
       kAllAccepted},
      {{"--column=1"}, "15.000,x\n", "15.000, petnaest zapeta  ,x\n", kAllAccepted},
      {{"--column=1"}, "15.000\tx\n", "15.000\t petnaest zapeta  \tx\n", kAllAccepted},
  };
  for (const Case& c : cases) {
    const Result r = RunWith(c.args, c.input);
    EXPECT_EQ(r.out, c.out) << c.input;
    EXPECT_EQ(r.status, c.status) << r.err;
  }
}

// A name that stands twice in the header row names the first of its columns.
TEST(Csv, FirstOfTwoColumnsOfOneName) {
  EXPECT_EQ(RunWith({"--column=Iznos"}, "Iznos;x;Iznos\n7;8;9\n").out,
            "Iznos;Iznos slovima;x;Iznos\n7;  sedam;8;9\n");
}

// --row-ends says where the rows end, as --column reads them; a usage error writes nothing,
// however long the first row.
TEST(Csv, RowEndsAndAUsageErrorAfterALongFirstRow) {
  EXPECT_EQ(RunWith({"--column=1", "--row-ends"}, "b;c\r5;\"x\ry\"\r6").out, "4\n12\n13\n");
  const Result r = RunWith({"--column=Iznos"}, std::string(3 << 20, 'a') + ";b\n7;8\n");
  EXPECT_EQ(r.status, kUsageError);
  EXPECT_EQ(r.out, "");
}

TEST(Cli, SaysWhenTheOutputFails) {
  for (const std::vector<std::string_view>& args :
       std::vector<std::vector<std::string_view>>{{}, {"--help"}, {"--version"}}) {
    const Result r = RunWith(args, "7\n8\n9\n", {.brokenOutput = true});
    EXPECT_EQ(r.status, kSomeRejected);
    EXPECT_EQ(r.err, "uslova-cli: the output could not be written\n");
  }
}

// Lines arrive in chunks of any size; a long line is read without being held.
TEST(Cli, LinesInChunks) {
  const std::string longLine = std::string(1 << 20, '0') + "7";
  const std::string input =
      "\xef\xbb\xbf"
      "1\r\n\r\n2\r" +
      longLine + "\r\n" + longLine + "x\n5\r";
  for (std::size_t chunk : {1, 2, 3, 4096}) {
    SCOPED_TRACE(chunk);
    const Result r = RunWith({}, input, {.chunk = chunk});
    EXPECT_EQ(r.out, "  jedan\n\n\n\n  pet\n");
    EXPECT_EQ(r.err, "uslova-cli: line 2: " + std::string(kNotANumber) +
                         "\nuslova-cli: line 3: " + std::string(kNotANumber) +
                         "\nuslova-cli: line 4: " + std::string(kNotANumber) + "\n");
  }
  EXPECT_EQ(RunWith({}, longLine + "\n", {.chunk = 4096}).out, "  sedam\n");
}

// A mark of UTF-8 at the start is skipped; one of UTF-16 stops the run before any output.
TEST(Cli, ByteOrderMarks) {
  struct Case {
    std::string_view input, out, err;
    int status;
  };
  const Case cases[] = {
      {"\xef\xbb\xbf"
       "7\n",
       "  sedam\n", "", kAllAccepted},
      {"\xef\xbb", "\n", "uslova-cli: line 1: ", kSomeRejected},
      {"7\n\xef\xbb\xbf"
       "7\n",
       "  sedam\n\n", "uslova-cli: line 2: ", kSomeRejected},
      {"\xff\xfe"
       "7\0\n\0",
       "", "uslova-cli: the input is UTF-16; convert it to UTF-8", kSomeRejected},
      {"\xfe\xff\0"
       "7",
       "", "uslova-cli: the input is UTF-16;", kSomeRejected},
  };
  for (const Case& c : cases) {
    for (std::size_t chunk : {1, 64}) {
      SCOPED_TRACE(c.input);
      const Result r = RunWith({}, std::string(c.input.data(), c.input.size()), {.chunk = chunk});
      EXPECT_EQ(r.out, c.out);
      EXPECT_TRUE(r.err.starts_with(c.err)) << r.err;
      EXPECT_EQ(r.status, c.status);
    }
  }
}

TEST(Cli, ReadErrorNamesTheLine) {
  const Result r = RunWith({}, "7\n8", {.readError = true});
  EXPECT_EQ(r.out, "  sedam\n");
  EXPECT_EQ(r.err, "uslova-cli: line 2: cannot read the input: Is a directory\n");
  EXPECT_EQ(r.status, kSomeRejected);
}

// Messages are written in whole lines; into one file they come right after their empty line.
TEST(Cli, MessagesInWholeLinesAndInOrder) {
  const Result shared = RunWith({}, "7\nabc\n8\n", {.sameFile = true});
  EXPECT_EQ(shared.out,
            "  sedam\n\nuslova-cli: line 2: " + std::string(kNotANumber) + "\n  osam\n");
  std::string many;
  for (int i = 0; i < 5000; ++i)
    many += "abc\n";
  for (const std::string& write : RunWith({}, many).errWrites) {
    EXPECT_TRUE(write.starts_with("uslova-cli: line ") && write.ends_with("!\n"));
  }
}

// Input in pieces, each of which would keep the reader waiting: before each wait, the answers
// to every whole line read so far are out.
TEST(Cli, AnswersAreOutBeforeEveryWait) {
  class WaitingInput : public Input {
   public:
    WaitingInput(std::vector<std::string_view> pieces, const std::vector<std::string>& writes)
        : pieces_(std::move(pieces)), writes_(writes) {}
    std::ptrdiff_t read(char* buffer, std::size_t size, std::string&) override {
      std::string out;
      for (const std::string& w : writes_)
        out += w;
      seen.push_back(out);
      if (next_ == pieces_.size()) return 0;
      const std::string_view piece = pieces_[next_++];
      std::memcpy(buffer, piece.data(), std::min(size, piece.size()));
      return static_cast<std::ptrdiff_t>(piece.size());
    }
    bool ready() override { return false; }
    std::vector<std::string> seen;  // what was written at each read

   private:
    std::vector<std::string_view> pieces_;
    std::size_t next_ = 0;
    const std::vector<std::string>& writes_;
  };
  std::vector<std::string> outWrites, errWrites;
  WaitingInput in({"7\n", "ab", "c\n8", "\n"}, outWrites);
  StringOutput out(outWrites), err(errWrites);
  EXPECT_EQ(cli::Run({}, {in, out, err, false, false}), kSomeRejected);
  const std::vector<std::string> expected = {"", "  sedam\n", "  sedam\n", "  sedam\n\n",
                                             "  sedam\n\n  osam\n"};
  EXPECT_EQ(in.seen, expected);
  EXPECT_EQ(errWrites.size(), 1u);
}

}  // namespace
}  // namespace uslova::cli
