// main.cpp: prints the words of its argument through the installed library.
// SPDX-License-Identifier: MIT
#include <iostream>

#include "uslova/converter.h"

int main(int argc, char** argv) {
  const uslova::Outcome outcome = uslova::Convert(argc > 1 ? argv[1] : "2545743675434");
  std::cout << (outcome.accepted() ? outcome.caption : outcome.prompt()) << '\n';
  return outcome.accepted() ? 0 : 1;
}
