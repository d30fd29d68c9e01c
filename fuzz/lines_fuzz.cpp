// lines_fuzz.cpp: the command line's reading of input in chunks. Random chunk boundaries, CR and
// LF, NUL bytes and long lines must give exactly the lines of a plain reference reader, and a
// line read in pieces the same words as the line read whole, as a number or as an amount with
// its currency's marks.
// SPDX-License-Identifier: MIT
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lines.h"
#include "uslova/converter.h"

namespace {

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "check failed: %s\n", what);
  std::abort();
}

/// Lines as std::getline gives them, with one trailing "\r" dropped; a last line without "\n"
/// counts.
std::vector<std::string> ReferenceLines(std::string_view input) {
  std::vector<std::string> lines;
  while (!input.empty()) {
    const std::size_t newline = input.find('\n');
    std::string line(input.substr(0, newline));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    input.remove_prefix(newline == std::string_view::npos ? input.size() : newline + 1);
  }
  return lines;
}

struct Line {
  std::string text;
  uslova::AmountReader reader;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  unsigned seed = data[0];
  std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

  // Amounts in one input of four, in turn in each currency.
  uslova::Options options;
  if (seed % 4 != 0) options.currency = static_cast<uslova::Options::Currency>(seed % 4);
  const auto fresh = [&] { return Line{"", uslova::AmountReader({}, options.currency)}; };
  std::vector<Line> lines{fresh()};
  uslova::cli::LineSplitter splitter;
  const auto piece = [&](std::string_view p) {
    lines.back().text += p;
    lines.back().reader.feed(p);
  };
  const auto end = [&] { lines.push_back(fresh()); };
  for (std::string_view rest = input; !rest.empty();) {
    seed = seed * 1103515245u + 12345u;
    const std::size_t chunk = 1 + (seed >> 16) % 7;
    splitter.split(rest.substr(0, chunk), piece, end);
    rest.remove_prefix(std::min(chunk, rest.size()));
  }
  splitter.finish(end);
  lines.pop_back();  // the one begun after the last end

  const std::vector<std::string> expected = ReferenceLines(input);
  Check(lines.size() == expected.size(), "as many lines as the reference reader");
  std::string whole, pieces;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Check(lines[i].text == expected[i], "the reference reader's line");
    uslova::Number number;
    const uslova::Verdict read = lines[i].reader.finish(number);
    const uslova::Verdict once = uslova::SpellInto(lines[i].text, options, whole);
    Check(read == once || (read == uslova::Verdict::Accepted &&
                           uslova::SpellInto(number, options, pieces) == once),
          "the same verdict read in pieces");
    if (read == uslova::Verdict::Accepted && once == read) {
      Check(uslova::SpellInto(number, options, pieces) == read && pieces == whole,
            "the same words read in pieces");
    }
  }
  return 0;
}
