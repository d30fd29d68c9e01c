// cli.h: the command line `uslova-cli`: options, numbers from arguments or from lines of input,
// and the exit status.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace uslova::cli {

enum ExitStatus : int {
  kAllAccepted = 0,
  kSomeRejected = 1,  // also when the input could not be read or the output not written
  kUsageError = 2,
};

/// Where a run reads its lines: standard input, or a string in the tests.
class Input {
 public:
  virtual ~Input() = default;
  /// Reads up to `size` bytes into `buffer` and returns how many, waiting for them if need be:
  /// 0 at the end of the input, or -1 on a read error, with `error` saying what went wrong.
  virtual std::ptrdiff_t read(char* buffer, std::size_t size, std::string& error) = 0;
  /// Whether a read would return without waiting.
  virtual bool ready() = 0;
};

/// Where a run writes: standard output or standard error, or a string in the tests.
class Output {
 public:
  virtual ~Output() = default;
  /// Writes all of `bytes`, or takes them to be written; false when they, or bytes taken
  /// before them, could not be written.
  virtual bool write(std::string_view bytes) = 0;
  /// Returns once every byte taken is written, as before a wait for input or at the end;
  /// false when any could not be.
  virtual bool drain() { return true; }
};

/// The streams of one run.
struct Streams {
  Input& in;
  Output& out;
  Output& err;
  bool terminal = false;  ///< the output is a terminal: each line is written at once
  bool sameFile = false;  ///< out and err are one file: a message keeps its place by its line
};

/// Runs `uslova-cli` with `args` (the program name left out): converts each number argument in
/// order, or each line of the input when there is none, writing one line of words for each and
/// a line for each rejection to `err`. Output is buffered and written in whole lines, and
/// flushed whenever the input would keep it waiting.
/// e.g. Run({"7", "abc"}, ...) writes "  sedam\n\n" to `out`,
/// "uslova-cli: argument 2: Nemoguce prevesti u slova, jer ulazni parametar nije broj!\n" to
/// `err` and returns kSomeRejected.
int Run(std::span<const std::string_view> args, const Streams& streams);

/// Runs `uslova-cli` on the process's standard streams; for main().
int RunOnStandardStreams(int argc, char** argv);

}  // namespace uslova::cli
