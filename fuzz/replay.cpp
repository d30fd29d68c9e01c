// replay.cpp: runs a fuzz target's checks on every input kept in the repository, without
// libFuzzer, so that every ctest checks what the fuzzers found. A failed check aborts.
// Usage: TARGET_replay DIRECTORY...
// SPDX-License-Identifier: MIT
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::size_t inputs = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
      files.push_back(entry.path());
    for (const auto& file : files) {
      std::ifstream in(file, std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), {}};
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++inputs;
    }
  }
  if (inputs == 0) {
    std::fprintf(stderr, "replay: no inputs\n");
    return 1;
  }
  std::printf("%zu passed, 0 failed\n", inputs);
  return 0;
}
