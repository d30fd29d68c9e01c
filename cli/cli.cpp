// cli.cpp: the command line's options, its batch loop and its messages.
// SPDX-License-Identifier: MIT
#include "cli.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <string>
#include <vector>

#include "arguments.h"
#include "lines.h"

#include "uslova/converter.h"
#include "uslova/version.h"

namespace uslova::cli {
namespace {

constexpr std::string_view kName = "uslova-cli";

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
        terminal_(streams.terminal),
        reader_(options.decimal) {}

  /// Converts the argument `typed` at position `n`.
  void convertArgument(std::string_view typed, std::size_t n) {
    Number number;
    reader_ = NumberReader(options_.decimal);
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
    reader_ = NumberReader(options_.decimal);
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
    std::string_view words;
    if (verdict == Verdict::Accepted) verdict = SpellInto(number, options_, words_, words);
    if (verdict == Verdict::Accepted) {
      out_.buffer().append(words).push_back('\n');
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
  WordsBuffer words_;
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
  const Arguments arguments = ReadArguments(args);
  Writer err(streams.err);
  if (!arguments.problem.empty()) {
    err.buffer().append(kName).append(": ").append(arguments.problem).append("\n");
    if (arguments.hint) {
      err.buffer().append("Try '").append(kName).append(" --help' for more information.\n");
    }
    err.flush();
    return kUsageError;
  }
  if (arguments.help || arguments.version) {
    const std::string text =
        arguments.help ? HelpText() : std::string(kName) + " " + std::string(kVersion) + "\n";
    if (streams.out.write(text)) return kAllAccepted;
    err.buffer().append(kName).append(": the output could not be written\n");
    err.flush();
    return kSomeRejected;
  }

  Batch batch(arguments.options, streams);
  if (arguments.numbers.empty()) ConvertLines(streams.in, batch);
  for (std::size_t i : arguments.numbers) {
    batch.convertArgument(args[i], i + 1);
    if (!batch.ok()) break;
  }
  return batch.finish();
}

}  // namespace uslova::cli
