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
    "Writes each NUMBER in Serbian words (Latin script without diacritics), one line each,\n"
    "exactly as the uslova window shows them. With no NUMBER, converts each line of standard\n"
    "input.\n"
    "\n"
    "A NUMBER is an optional sign, up to fifteen integer digits, and optionally \".\" or \",\"\n"
    "with decimal digits, of which the first three are spelled: 2545743675434, -7, 12,5.\n"
    "\n"
    "Options:\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "  --          end the options: every later argument is a number\n"
    "Any other argument, \"-7\" included, is a number.\n"
    "\n"
    "A number that cannot be spelled gets an empty line of output and a line on standard\n"
    "error that names it and says why.\n"
    "\n"
    "Exit status: 0 when every number was spelled, 1 when any was rejected or the output\n"
    "could not be written, 2 on a usage error.\n";

/// Converts numbers one at a time, writing a line of output for each.
class Batch {
 public:
  Batch(std::ostream& out, std::ostream& err, bool flushEachLine)
      : out_(out), err_(err), flushEachLine_(flushEachLine) {}

  /// Converts `typed`, the `n`-th `source` ("argument" or "line"); false once `out` fails.
  bool convert(std::string_view typed, std::string_view source, std::size_t n) {
    const Verdict verdict = SpellInto(typed, caption_);
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
  bool help = false;
  bool version = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || !arg.starts_with("--")) {
      numbers.push_back({i + 1, arg});
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help") {
      help = true;
    } else if (arg == "--version") {
      version = true;
    } else {
      err << kName << ": unknown option '" << arg << "'\n"
          << "Try '" << kName << " --help' for more information.\n";
      return kUsageError;
    }
  }
  if (help || version) {
    if (help)
      out << kHelp;
    else
      out << kName << ' ' << kVersion << '\n';
    out.flush();
    return out ? kAllAccepted : kSomeRejected;
  }

  Batch batch(out, err, flushEachLine);
  if (numbers.empty()) ConvertLines(in, batch);
  for (const Numbered& number : numbers) {
    if (!batch.convert(number.text, "argument", number.position)) break;
  }
  return batch.finish();
}

}  // namespace uslova::cli
