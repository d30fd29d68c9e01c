// cli.cpp: the command line's options, its batch loop and its messages.
#include "cli.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "uslova/converter.h"
#include "uslova/version.h"

namespace uslova::cli {
namespace {

constexpr std::string_view kName = "uslova-cli";

constexpr std::string_view kHelp =
    "Usage: uslova-cli [OPTION]... [NUMBER]...\n"
    "Writes each NUMBER in Serbian words, one line each; by default exactly as the uslova\n"
    "window shows them, blanks and all. With no NUMBER, converts each line of standard input.\n"
    "\n"
    "A NUMBER is an optional sign, up to fifteen integer digits, and optionally \".\" or \",\"\n"
    "with decimal digits, of which the first three are spelled: 2545743675434, -7, 12,5.\n"
    "\n"
    "Options:\n"
    "  --script=ascii|latin|cyrillic  letters without diacritics (the default), Latin with\n"
    "                                 diacritics (četiri), or Cyrillic (четири)\n"
    "  --spacing=exact|tidy|joined    the window's blanks (the default), one blank between\n"
    "                                 words, or none; tidy and joined write a zero as \"nula\"\n"
    "  --case=lower|first|upper       lower case (the default), a capital first letter, or\n"
    "                                 all capitals\n"
    "  --currency=RSD|EUR             an amount with at most two decimal digits: dinars and\n"
    "                                 para, or euros and cents; written tidy unless joined\n"
    "  --minor=words|digits|fraction  with --currency: \"i pedeset para\" (the default),\n"
    "                                 \"i 50 para\" or \"i 50/100\"\n"
    "  --help                         print this help and exit\n"
    "  --version                      print the version and exit\n"
    "  --                             end the options: every later argument is a number\n"
    "Any other argument, \"-7\" included, is a number.\n"
    "\n"
    "A number that cannot be spelled gets an empty line of output and a line on standard\n"
    "error that names it and says why.\n"
    "\n"
    "Exit status: 0 when every number was spelled, 1 when any was rejected or the output\n"
    "could not be written, 2 on a usage error.\n";

template <typename Value>
struct Choice {
  std::string_view name;
  Value value;
};

constexpr Choice<Options::Script> kScripts[] = {{"ascii", Options::Script::Ascii},
                                                {"latin", Options::Script::Latin},
                                                {"cyrillic", Options::Script::Cyrillic}};
constexpr Choice<Options::Spacing> kSpacings[] = {{"exact", Options::Spacing::Exact},
                                                  {"tidy", Options::Spacing::Tidy},
                                                  {"joined", Options::Spacing::Joined}};
constexpr Choice<Options::LetterCase> kCases[] = {{"lower", Options::LetterCase::Lower},
                                                  {"first", Options::LetterCase::First},
                                                  {"upper", Options::LetterCase::Upper}};
constexpr Choice<Options::Currency> kCurrencies[] = {{"RSD", Options::Currency::RSD},
                                                     {"EUR", Options::Currency::EUR}};
constexpr Choice<Options::Minor> kMinors[] = {{"words", Options::Minor::Words},
                                              {"digits", Options::Minor::Digits},
                                              {"fraction", Options::Minor::Fraction}};

/// What the options of one run asked for.
struct Settings {
  Options options;
  bool spacingGiven = false;
  bool minorGiven = false;
  bool help = false;
  bool version = false;
};

/// Sets `value` to the choice named `name`; otherwise returns a message that lists the choices.
template <typename Value, std::size_t N>
std::string Choose(std::string_view option, std::string_view name,
                   const Choice<Value> (&choices)[N], Value& value) {
  std::string names;
  for (const Choice<Value>& choice : choices) {
    if (choice.name == name) {
      value = choice.value;
      return {};
    }
    names += (names.empty() ? "" : ", ") + std::string(choice.name);
  }
  return "invalid value '" + std::string(name) + "' for " + std::string(option) + " (choose " +
         names + ")";
}

/// Reads one option into `s`; returns what is wrong with it, or an empty string.
std::string ReadOption(std::string_view arg, Settings& s) {
  const std::size_t equals = arg.find('=');
  const std::string_view option = arg.substr(0, equals);
  const std::string_view value = equals == std::string_view::npos ? "" : arg.substr(equals + 1);
  const bool hasValue = equals != std::string_view::npos;
  if (!hasValue && (option == "--help" || option == "--version")) {
    (option == "--help" ? s.help : s.version) = true;
    return {};
  }
  if (option == "--script") return Choose(option, value, kScripts, s.options.script);
  if (option == "--case") return Choose(option, value, kCases, s.options.letterCase);
  if (option == "--currency") return Choose(option, value, kCurrencies, s.options.currency);
  if (option == "--spacing") {
    s.spacingGiven = true;
    return Choose(option, value, kSpacings, s.options.spacing);
  }
  if (option == "--minor") {
    s.minorGiven = true;
    return Choose(option, value, kMinors, s.options.minor);
  }
  return "unknown option '" + std::string(arg) + "'";
}

/// What is wrong with the options taken together, or an empty string.
std::string CheckSettings(const Settings& s) {
  const bool currency = s.options.currency != Options::Currency::None;
  if (currency && s.spacingGiven && s.options.spacing == Options::Spacing::Exact) {
    return "--spacing=exact cannot be used with --currency: amounts are written tidy or joined";
  }
  if (!currency && s.minorGiven) return "--minor needs --currency";
  return {};
}

/// Converts numbers one at a time, writing a line of output for each.
class Batch {
 public:
  Batch(const Options& options, std::ostream& out, std::ostream& err, bool flushEachLine)
      : options_(options), out_(out), err_(err), flushEachLine_(flushEachLine) {}

  /// Converts `typed`, the `n`-th `source` ("argument" or "line"); false once `out` fails.
  bool convert(std::string_view typed, std::string_view source, std::size_t n) {
    const Verdict verdict = SpellInto(typed, options_, caption_);
    if (verdict == Verdict::Accepted) {
      out_.write(caption_.data(), static_cast<std::streamsize>(caption_.size()));
    } else {
      rejected_ = true;
      err_ << kName << ": " << source << ' ' << n << ": " << PromptOf(verdict) << '\n';
    }
    out_.put('\n');
    if (flushEachLine_) out_.flush();
    return out_.good();
  }

  int finish() {
    out_.flush();
    if (!out_) {
      err_ << kName << ": the output could not be written\n";
      return kSomeRejected;
    }
    return rejected_ ? kSomeRejected : kAllAccepted;
  }

 private:
  Options options_;
  std::ostream& out_;
  std::ostream& err_;
  bool flushEachLine_;
  bool rejected_ = false;
  std::string caption_;  // reused, so that a long batch does not allocate per line
};

/// Reads the lines of `in`; a last line without a newline counts, a trailing "\r" is dropped.
void ConvertLines(std::istream& in, Batch& batch) {
  std::string line;
  for (std::size_t n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!batch.convert(line, "line", n)) return;
  }
}

}  // namespace

int Run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err, bool flushEachLine) {
  struct Numbered {
    std::size_t position;  // 1 for the first argument
    std::string_view text;
  };
  std::vector<Numbered> numbers;
  Settings settings;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || !arg.starts_with("--")) {
      numbers.push_back({i + 1, arg});
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (std::string problem = ReadOption(arg, settings); !problem.empty()) {
      err << kName << ": " << problem << "\nTry '" << kName << " --help' for more information.\n";
      return kUsageError;
    }
  }
  if (std::string problem = CheckSettings(settings); !problem.empty()) {
    err << kName << ": " << problem << "\n";
    return kUsageError;
  }
  if (settings.help || settings.version) {
    if (settings.help) {
      out << kHelp;
    } else {
      out << kName << ' ' << kVersion << '\n';
    }
    out.flush();
    return out ? kAllAccepted : kSomeRejected;
  }

  Batch batch(settings.options, out, err, flushEachLine);
  if (numbers.empty()) ConvertLines(in, batch);
  for (const Numbered& number : numbers) {
    if (!batch.convert(number.text, "argument", number.position)) break;
  }
  return batch.finish();
}

}  // namespace uslova::cli
