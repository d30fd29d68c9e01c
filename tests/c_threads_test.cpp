// c_threads_test.cpp: a hostile caller of the C interface: sixteen threads at once, each with
// rotating options and buffer sizes from 0 up, must get the words uslova-cli writes.
// Usage: c_threads_test PATH/TO/uslova-cli
// SPDX-License-Identifier: MIT
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "uslova/uslova.h"

namespace {

const std::vector<std::string> kInputs = {
    "7",    "-1234,5", "1.234.567,89", "22 000",  "0,05",
    "abc",  "1000",    "600",          "2,01",    "101000",
    "1e5",  "-0,5",    "1,234",        "-0,0001", "999999999999999",
    "1e15", "1.2.3",   "21,5",         "0",       "1001000"};

/// Option sets as name and value pairs, the way uslova-cli is given them.
using Style = std::vector<std::pair<const char*, const char*>>;
const std::vector<Style> kStyles = {
    {},
    {{"script", "cyrillic"}, {"spacing", "tidy"}, {"case", "upper"}},
    {{"currency", "USD"}, {"minor", "digits"}},
    {{"forms", "short"}, {"spacing", "joined"}},
    {{"script", "latin"}, {"case", "first"}},
    {{"currency", "RSD"}, {"script", "cyrillic"}, {"minor", "fraction"}},
    {{"currency", "EUR"}, {"forms", "short"}, {"case", "upper"}},
};

/// uslova-cli's line for each input in `style`: its words, or empty for a rejection.
std::vector<std::string> CliLines(const char* cli, const Style& style, const char* inputs) {
  std::string command = std::string("'") + cli + "'";
  for (const auto& [name, value] : style)
    command.append(" --").append(name).append("=").append(value);
  command.append(" <").append(inputs).append(" 2>/dev/null");
  std::vector<std::string> lines;
  FILE* out = popen(command.c_str(), "r");
  if (out == nullptr) return lines;
  std::string line;
  for (int ch; (ch = std::fgetc(out)) != EOF;) {
    if (ch != '\n') {
      line += static_cast<char>(ch);
    } else {
      lines.push_back(std::exchange(line, {}));
    }
  }
  pclose(out);
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: c_threads_test PATH/TO/uslova-cli\n");
    return 2;
  }
  const char* inputs = "c_threads_inputs.txt";
  {
    std::ofstream file(inputs);
    for (const std::string& input : kInputs)
      file << input << '\n';
  }
  std::vector<std::vector<std::string>> want;
  std::vector<uslova_options> options(kStyles.size());
  for (std::size_t s = 0; s < kStyles.size(); ++s) {
    want.push_back(CliLines(argv[1], kStyles[s], inputs));
    if (want.back().size() != kInputs.size()) {
      std::fprintf(stderr, "FAIL: uslova-cli gave %zu lines for style %zu\n", want.back().size(),
                   s);
      return 1;
    }
    uslova_options_init(&options[s]);
    for (const auto& [name, value] : kStyles[s])
      uslova_option_set(&options[s], name, value);
  }

  constexpr int kThreads = 16, kRounds = 4000;
  std::vector<int> failures(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      char buffer[USLOVA_WORDS_SIZE];
      for (int round = 0; round < kRounds; ++round) {
        const std::size_t s = static_cast<std::size_t>(t + round) % kStyles.size();
        const std::size_t n = static_cast<std::size_t>(round * 7 + t) % kInputs.size();
        const std::string& expected = want[s][n];
        // From no room at all up to a little more than the words need.
        const std::size_t size = static_cast<std::size_t>(round / 3) % (expected.size() + 3);
        std::memset(buffer, '#', sizeof buffer);
        std::size_t length = 0;
        const uslova_verdict verdict =
            uslova_spell(kInputs[n].data(), kInputs[n].size(), &options[s], buffer, size, &length);
        bool right;
        if (expected.empty()) {
          right = verdict != USLOVA_ACCEPTED && verdict != USLOVA_BUFFER_TOO_SMALL &&
                  verdict != USLOVA_BAD_OPTIONS && buffer[0] == '#';
        } else if (size <= expected.size()) {
          right =
              verdict == USLOVA_BUFFER_TOO_SMALL && length == expected.size() && buffer[0] == '#';
        } else {
          right = verdict == USLOVA_ACCEPTED && expected == std::string(buffer, length) &&
                  buffer[length] == '\0';
        }
        if (!right && failures[static_cast<std::size_t>(t)]++ == 0) {
          std::fprintf(stderr, "FAIL: thread %d: \"%s\" in style %zu with %zu bytes\n", t,
                       kInputs[n].c_str(), s, size);
        }
      }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  int failed = 0;
  for (int f : failures)
    failed += f;
  std::printf("%d passed, %d failed\n", kThreads * kRounds - failed, failed);
  return failed == 0 ? 0 : 1;
}
