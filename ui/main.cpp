// main.cpp: the `uslova` window program.
// SPDX-License-Identifier: MIT
#include "app.h"

int main(int argc, char** argv) {
  return uslova::RunApp(argc, argv);
}
