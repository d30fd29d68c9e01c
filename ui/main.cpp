// main.cpp: the `uslova` window program.
#include "app.h"

int main(int argc, char** argv) {
  return uslova::RunApp(argc, argv);
}
