// cli.cpp: the command line's options, its batch loop and its messages.
#include "cli.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <string>
#include <vector>

#include "lines.h"

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
    "It may be written in groups of three digits: 1.234.567,89, 1,234.56, or with one kind of\n"
    "blank between the groups (space, U+00A0, U+202F): \"22 000\". With two or more separators\n"
    "the first is the group separator and a different last one the decimal separator; a lone\n"
    "\".\" or \",\" is always the decimal separator (1.234 is 1,234).\n"
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
    "error that names it and says why. Lines of input are read in pieces, of any length; a\n"
    "UTF-8 byte-order mark at the start is skipped.\n"
    "\n"
    "Exit status: 0 when every number was spelled, 1 when any was rejected, the input could\n"
    "not be read or the output could not be written, 2 on a usage error.\n";

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

/// Whole lines on their way to an Output, written when the buffer fills or on flush().
class Writer {
 public:
  explicit Writer(Output& sink) : sink_(sink) { buffer_.reserve(kSize); }

  std::string& buffer() { return buffer_; }
  /// Call after each whole line: writes the lines once the buffer is full.
  bool lineDone() { return buffer_.size() < kSize || flush(); }
  bool flush() {
    if (!buffer_.empty() && ok_) ok_ = sink_.write(buffer_);
    buffer_.clear();
    return ok_;
  }
  bool ok() const { return ok_; }

 private:
  static constexpr std::size_t kSize = 1 << 16;
  Output& sink_;
  std::string buffer_;
  bool ok_ = true;
};

/// Converts numbers one at a time, writing a line of output for each.
class Batch {
 public:
  Batch(const Options& options, const Streams& streams)
      : options_(options),
        out_(streams.out),
        err_(streams.err),
        messages_(streams.sameFile ? out_ : err_),
        terminal_(streams.terminal) {}

  /// Converts the argument `typed` at position `n`.
  void convertArgument(std::string_view typed, std::size_t n) {
    Number number;
    reader_ = {};
    reader_.feed(typed);
    write(reader_.finish(number), number, "argument", n);
  }

  /// The next piece of the current line of input.
  void feed(std::string_view piece) {
    if (!reader_.failed()) reader_.feed(piece);  // the rest of a non-number is skipped
  }
  /// The current line of input has ended: writes its words.
  void endLine() {
    Number number;
    write(reader_.finish(number), number, "line", line_++);
    reader_ = {};
  }
  std::size_t line() const { return line_; }
  /// The run fails, as when a number is rejected.
  void fail() { rejected_ = true; }

  /// A line of its own on standard error, after the words written so far.
  void message(std::string_view text) {
    std::string& m = messages_.buffer();
    m.append(kName).append(": ").append(text).push_back('\n');
    messages_.lineDone();
  }
  bool flush() {
    out_.flush();
    err_.flush();
    return out_.ok();
  }
  bool ok() const { return out_.ok(); }
  int finish() {
    if (!flush()) {
      err_.flush();
      err_.buffer().append(kName).append(": the output could not be written\n");
      err_.flush();
      return kSomeRejected;
    }
    return rejected_ ? kSomeRejected : kAllAccepted;
  }

 private:
  void write(Verdict verdict, const Number& number, std::string_view source, std::size_t n) {
    if (verdict == Verdict::Accepted) verdict = SpellInto(number, options_, words_);
    if (verdict == Verdict::Accepted) {
      out_.buffer().append(words_).push_back('\n');
    } else {
      rejected_ = true;
      out_.buffer().push_back('\n');
      std::array<char, 24> digits;
      const auto end = std::to_chars(digits.begin(), digits.end(), n).ptr;
      std::string& m = messages_.buffer();
      m.append(kName).append(": ").append(source).append(" ");
      m.append(digits.begin(), end).append(": ").append(PromptOf(verdict)).push_back('\n');
      messages_.lineDone();
    }
    out_.lineDone();
    if (terminal_) flush();
  }

  Options options_;
  Writer out_, err_;
  Writer& messages_;  // err_, or out_ when both are one file, so that a message keeps its place
  bool terminal_;
  bool rejected_ = false;
  NumberReader reader_;
  std::size_t line_ = 1;  // of the input
  std::string words_;     // reused, so that a long batch does not allocate per line
};

constexpr std::string_view kUtf8Mark = "\xef\xbb\xbf";
constexpr std::string_view kUtf16Marks[] = {"\xff\xfe", "\xfe\xff"};

/// The input may yet begin with a byte-order mark: `start` is a mark's beginning.
bool MayBeMark(std::string_view start) {
  if (start.size() < kUtf8Mark.size() && kUtf8Mark.starts_with(start)) return true;
  return std::any_of(std::begin(kUtf16Marks), std::end(kUtf16Marks), [&](std::string_view mark) {
    return start.size() < mark.size() && mark.starts_with(start);
  });
}

/// Converts each line of the input as it arrives, holding no more than a chunk of it.
void ConvertLines(Input& in, Batch& batch) {
  std::string chunk(1 << 16, '\0');
  std::string error;
  LineSplitter lines;
  const auto piece = [&](std::string_view p) { batch.feed(p); };
  const auto end = [&] { batch.endLine(); };
  std::size_t held = 0;  // the first bytes, while they may be a byte-order mark
  bool atStart = true;
  for (;;) {
    if (!in.ready() && !batch.flush()) return;  // answers first, then wait for more
    const std::ptrdiff_t read = in.read(chunk.data() + held, chunk.size() - held, error);
    if (read < 0) {
      batch.message("line " + std::to_string(batch.line()) + ": cannot read the input: " + error);
      batch.fail();
      return;
    }
    std::string_view data(chunk.data(), held + static_cast<std::size_t>(read));
    if (atStart) {
      if (read > 0 && MayBeMark(data)) {
        held = data.size();
        continue;
      }
      atStart = false;
      held = 0;
      if (data.starts_with(kUtf8Mark)) data.remove_prefix(kUtf8Mark.size());  // from spreadsheets
      for (std::string_view mark : kUtf16Marks) {
        if (!data.starts_with(mark)) continue;
        batch.message(
            "the input is UTF-16; convert it to UTF-8 first, e.g. iconv -f UTF-16 -t UTF-8");
        batch.fail();
        return;
      }
    }
    lines.split(data, piece, end);
    if (read == 0 || !batch.ok()) break;
  }
  lines.finish(end);
}

}  // namespace

int Run(std::span<const std::string_view> args, const Streams& streams) {
  std::vector<std::size_t> numbers;  // positions in `args`
  Settings settings;
  bool optionsEnded = false;
  Writer err(streams.err);
  const auto usageError = [&](const std::string& problem, bool hint) {
    err.buffer().append(kName).append(": ").append(problem).append("\n");
    if (hint) err.buffer().append("Try '").append(kName).append(" --help' for more information.\n");
    err.flush();
    return kUsageError;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || !arg.starts_with("--")) {
      numbers.push_back(i);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (std::string problem = ReadOption(arg, settings); !problem.empty()) {
      return usageError(problem, true);
    }
  }
  if (std::string problem = CheckSettings(settings); !problem.empty()) {
    return usageError(problem, false);
  }
  if (settings.help || settings.version) {
    const std::string text = settings.help
                                 ? std::string(kHelp)
                                 : std::string(kName) + " " + std::string(kVersion) + "\n";
    if (streams.out.write(text)) return kAllAccepted;
    err.buffer().append(kName).append(": the output could not be written\n");
    err.flush();
    return kSomeRejected;
  }

  Batch batch(settings.options, streams);
  if (numbers.empty()) ConvertLines(streams.in, batch);
  for (std::size_t i : numbers) {
    batch.convertArgument(args[i], i + 1);
    if (!batch.ok()) break;
  }
  return batch.finish();
}

}  // namespace uslova::cli
