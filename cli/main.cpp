// main.cpp: the `uslova-cli` executable.
// SPDX-License-Identifier: MIT
#include "cli.h"

int main(int argc, char** argv) {
  return uslova::cli::RunOnStandardStreams(argc, argv);
}
