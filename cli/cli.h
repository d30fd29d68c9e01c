// cli.h: the command line `uslova-cli`: options, numbers from arguments or from lines of input,
// and the exit status.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace uslova::cli {

enum ExitStatus : int {
  kAllAccepted = 0,
  kSomeRejected = 1,  // also when the output could not be written
  kUsageError = 2,
};

/// Runs `uslova-cli` with `args` (the program name left out): converts each number argument in
/// order, or each line of `in` when there is none, writing one line of words to `out` for each
/// and a line for each rejection to `err`. Output is buffered; `flushEachLine` is for a terminal.
/// e.g. Run({"7", "abc"}, ...) writes "  sedam\n\n" to `out`,
/// "uslova-cli: argument 2: Nemoguce prevesti u slova, jer ulazni parametar nije broj!\n" to
/// `err` and returns kSomeRejected.
int Run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err, bool flushEachLine);

}  // namespace uslova::cli
