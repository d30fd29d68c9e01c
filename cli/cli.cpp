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
#include "chunks.h"
#include "csv.h"
#include "date_text.h"
#include "lines.h"
#include "refusal.h"
#include "uslova/dates.h"

#include "uslova/converter.h"
#include "uslova/version.h"
#include "uslova/words_reader.h"

namespace uslova::cli {
namespace {

constexpr std::string_view kName = "uslova-cli";

/// Whole lines on their way to an Output, written when the buffer fills or on flush().
class Writer {
 public:
  explicit Writer(Output& sink) : sink_(sink) { buffer_.reserve(kSize); }

  std::string& buffer() { return buffer_; }
  /// Call after each whole line: writes the lines once the buffer is full.
  bool lineDone() { return buffer_.size() < kSize || push(); }
  /// Writes the lines held, and returns once they are out.
  bool flush() {
    push();
    if (ok_) ok_ = sink_.drain();
    return ok_;
  }
  bool ok() const { return ok_; }

 private:
  static constexpr std::size_t kSize = 1 << 16;
  bool push() {
    if (!buffer_.empty() && ok_) ok_ = sink_.write(buffer_);
    buffer_.clear();
    return ok_;
  }
  Output& sink_;
  std::string buffer_;
  bool ok_ = true;
};

/// Converts numbers one at a time, writing a line of output for each.
class Batch {
 public:
  Batch(const Options& options, Encoding encoding, const Streams& streams)
      : options_(options),
        encoding_(encoding),
        out_(streams.out),
        err_(streams.err),
        messages_(streams.sameFile ? out_ : err_),
        terminal_(streams.terminal),
        reader_(options.decimal, options.currency) {}

  /// Each text is a date, not a number.
  void readDates() { dates_ = true; }
  /// Each text is a number in words, to be written as digits.
  void readWords() { inWords_ = true; }

  /// Converts the argument `typed` at position `n`.
  void convertArgument(std::string_view typed, std::size_t n) {
    if (dates_) {
      date_.clear();
      date_.feed(typed);
      return writeDate("argument", n);
    }
    if (inWords_) {
      wordsText_.clear();
      wordsText_.feed(typed);
      return writeDigits("argument", n);
    }
    Number number;
    reader_.restart();
    reader_.feed(typed);
    write(reader_.finish(number), number, "argument", n, typed);
  }

  /// The next piece of the current line of input. A line's first piece waits, and is read
  /// whole if the line ends with it, as most do, the quickest way; the piece is good until
  /// pieceDone().
  void feed(std::string_view piece) {
    if (dates_) return date_.feed(piece);
    if (inWords_) return wordsText_.feed(piece);
    if (!fed_ && first_.data() == nullptr) {
      first_ = piece;
      return;
    }
    pieceDone();
    if (!reader_.failed()) reader_.feed(piece);  // the rest of a non-number is skipped
  }
  /// The last piece given will not stay where it is: it is read now.
  void pieceDone() {
    if (first_.data() == nullptr) return;
    reader_.feed(first_);
    first_ = {};
    fed_ = true;
  }
  /// The current line of input has ended: writes its words.
  void endLine() {
    if (dates_) {
      writeDate("line", line_++);
      date_.clear();
      return;
    }
    if (inWords_) {
      writeDigits("line", line_++);
      wordsText_.clear();
      return;
    }
    Number number;
    const Verdict verdict = fed_ ? reader_.finish(number)
                                 : ReadNumber(first_, number, options_.decimal, options_.currency);
    write(verdict, number, "line", line_++, fed_ ? std::string_view{} : first_);
    if (fed_) reader_.restart();
    first_ = {};
    fed_ = false;
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
  void writeDate(std::string_view source, std::size_t n) {
    Date date;
    if (ReadDate(date_.text(), date)) {
      AppendEncoded(
          out_.buffer(),
          DateWords(date, options_.script, options_.letterCase, options_.inflection, dateWords_),
          encoding_);
      out_.buffer().push_back('\n');
      out_.lineDone();
    } else {
      rejected_ = true;
      out_.buffer().push_back('\n');
      out_.lineDone();
      std::string& m = messages_.buffer();
      m.append(kName).append(": ").append(source).append(" ").append(std::to_string(n));
      m.append(": ").append(PromptOf(Verdict::NotADate, options_.script)).push_back('\n');
      messages_.lineDone();
    }
    if (terminal_) flush();
  }

  /// Writes the number of the words held as digits, or why they cannot be read.
  void writeDigits(std::string_view source, std::size_t n) {
    WordsReading reading;
    const ReadProblem problem = wordsText_.tooLong()
                                    ? ReadProblem::TooLong
                                    : ReadWords(wordsText_.text(), options_, reading);
    reading.problem = problem;
    if (problem == ReadProblem::None) {
      std::array<char, kMostReadDigits> digits;
      out_.buffer().append(digits.data(),
                           WriteReadDigits(reading, options_.decimal, digits.data()));
    } else {
      rejected_ = true;
      std::array<char, 256> why;
      const std::size_t size = WriteReadProblem(wordsText_.text(), reading, why.data(), why.size());
      std::string& m = messages_.buffer();
      m.append(kName).append(": ").append(source).append(" ").append(std::to_string(n));
      m.append(": ").append(why.data(), size).push_back('\n');
      messages_.lineDone();
    }
    out_.buffer().push_back('\n');
    out_.lineDone();
    if (terminal_) flush();
  }

  /// Writes the words, or a refusal of `whole`: the text when it was held whole, else null.
  void write(Verdict verdict, const Number& number, std::string_view source, std::size_t n,
             std::string_view whole) {
    std::string_view words;
    if (verdict == Verdict::Accepted) verdict = SpellInto(number, options_, words_, words);
    if (verdict == Verdict::Accepted) {
      AppendEncoded(out_.buffer(), words, encoding_);
      out_.buffer().push_back('\n');
    } else {
      rejected_ = true;
      out_.buffer().push_back('\n');
      std::array<char, 24> digits;
      const auto end = std::to_chars(digits.begin(), digits.end(), n).ptr;
      std::string& m = messages_.buffer();
      m.append(kName).append(": ").append(source).append(" ");
      m.append(digits.begin(), end).append(": ");
      AppendRefusal(m, whole, whole.data() != nullptr, verdict, options_);
      m.push_back('\n');
      messages_.lineDone();
    }
    out_.lineDone();
    if (terminal_) flush();
  }

  Options options_;
  Encoding encoding_;  // of the words
  DateBuffer dateWords_;
  Writer out_, err_;
  Writer& messages_;  // err_, or out_ when both are one file, so that a message keeps its place
  bool terminal_;
  bool rejected_ = false;
  AmountReader reader_;
  std::string_view first_;  // the current line's first piece, not yet fed to reader_
  bool fed_ = false;        // reader_ has bytes of the current line
  bool dates_ = false;
  DateText date_;  // the current line or argument, when it is a date
  bool inWords_ = false;
  WordsText wordsText_;   // the current line or argument, when it is a number in words
  std::size_t line_ = 1;  // of the input
  WordsBuffer words_;
};

/// Converts each line of the input as it arrives, holding no more than a chunk of it.
void ConvertLines(Input& in, Batch& batch) {
  LineSplitter lines;
  const auto piece = [&](std::string_view p) { batch.feed(p); };
  const auto end = [&] { batch.endLine(); };
  const std::string problem = ReadChunks(
      in,
      [&](std::string_view data) {
        lines.split(data, piece, end);
        batch.pieceDone();  // the chunk's bytes are read again
        return batch.ok();
      },
      [](std::string_view) {}, [&] { return batch.flush(); });  // answers first, then wait
  if (!problem.empty()) {
    batch.message(problem == kUtf16Problem
                      ? problem
                      : "line " + std::to_string(batch.line()) + ": " + problem);
    batch.fail();
    return;
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
    if (streams.out.write(text) && streams.out.drain()) return kAllAccepted;
    err.buffer().append(kName).append(": the output could not be written\n");
    err.flush();
    return kSomeRejected;
  }

  if (arguments.csv) return ConvertCsv(arguments.csvSettings, arguments.options, streams);
  Batch batch(arguments.options, arguments.csvSettings.encoding, streams);
  if (arguments.dates) batch.readDates();
  if (arguments.words) batch.readWords();
  if (arguments.numbers.empty()) ConvertLines(streams.in, batch);
  for (std::size_t i : arguments.numbers) {
    batch.convertArgument(args[i], i + 1);
    if (!batch.ok()) break;
  }
  return batch.finish();
}

}  // namespace uslova::cli
