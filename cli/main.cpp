// main.cpp: the `uslova-cli` executable.
#include <unistd.h>

#include <csignal>

#include <iostream>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_DFL);  // a reader that goes away ends a batch quietly
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);  // reading a line must not flush the output
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return uslova::cli::Run(args, std::cin, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1);
}
