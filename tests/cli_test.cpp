// cli_test.cpp: the command line's output, messages and exit status, on string streams.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

namespace uslova::cli {
namespace {

struct Result {
  int status;
  std::string out, err;
};

Result RunWith(std::vector<std::string_view> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = cli::Run(args, in, out, err, false);
  return {status, out.str(), err.str()};
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
      {{"--case", "7"}, "uslova-cli: invalid value '' for --case"},
      {{"--help=yes"}, "uslova-cli: unknown option '--help=yes'"},
      {{"--currency=RSD", "--spacing=exact", "7"},
       "uslova-cli: --spacing=exact cannot be used with --currency"},
      {{"--minor=digits", "7"}, "uslova-cli: --minor needs --currency"},
  };
  for (const Case& c : cases) {
    const Result r = RunWith(c.args);
    EXPECT_EQ(r.status, kUsageError) << c.message;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with(c.message)) << r.err;
  }
}

TEST(Cli, StopsWhenTheOutputFails) {
  std::istringstream in("7\n8\n9\n");
  std::ostringstream out, err;
  out.setstate(std::ios::badbit);
  EXPECT_EQ(cli::Run({}, in, out, err, false), kSomeRejected);
  EXPECT_EQ(err.str(), "uslova-cli: the output could not be written\n");
}

}  // namespace
}  // namespace uslova::cli
