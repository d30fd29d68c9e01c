/* program-1.0.c: a program built against release 1.0's header and linked as 1.0 was, run with
 * this build's library: it keeps 1.0's behaviour, and nothing is written or read past its
 * struct, whatever the program keeps right after it.
 * Usage: program-1.0 VERSION   (the version the library must report, to be sure it is ours)
 * SPDX-License-Identifier: MIT */
#include <stdio.h>
#include <string.h>

#include "uslova-1.0.h"

static int failures = 0;

static void check(int ok, const char* what) {
  if (!ok) {
    printf("FAIL: %s\n", what);
    ++failures;
  }
}

/* The program's own data right after its struct: 1 is where a later struct has `decimal`, and
 * means "comma" there, which would read "15.000" as fifteen thousand. */
struct guarded {
  uslova_options options;
  int next;
  unsigned char guard[60];
};

static int untouched(const struct guarded* g) {
  size_t i;
  for (i = 0; i < sizeof g->guard; ++i)
    if (g->guard[i] != 0xA5) return 0;
  return g->next == 1;
}

static uslova_verdict spell(const char* text, const uslova_options* options, char* words) {
  size_t length;
  return uslova_spell(text, strlen(text), options, words, USLOVA_WORDS_SIZE, &length);
}

int main(int argc, char** argv) {
  struct guarded g;
  char words[USLOVA_WORDS_SIZE];
  if (argc != 2 || strcmp(uslova_version(), argv[1]) != 0) {
    printf("FAIL: the library is %s, not %s\n", uslova_version(), argc == 2 ? argv[1] : "?");
    return 1;
  }
  memset(&g, 0xA5, sizeof g);
  g.next = 1;
  uslova_options_init(&g.options);
  check(g.options.size == sizeof g.options && untouched(&g), "init writes 1.0's struct alone");

  g.next = 1; /* the program's own field, whatever init did to it */
  g.options.currency = USLOVA_CURRENCY_RSD;
  check(spell("15.000", &g.options, words) == USLOVA_TOO_MANY_DECIMALS,
        "15.000 dinars has three decimals, as in 1.0");
  check(spell("1.234,56", &g.options, words) == USLOVA_ACCEPTED &&
            strcmp(words, "jedna hiljada dve stotine trideset cetiri dinara i pedeset sest para") ==
                0,
        "an amount");

  check(uslova_option_set(&g.options, "decimal", "point") == -1 && untouched(&g),
        "decimal is no option of 1.0's struct");
  check(uslova_option_set(&g.options, "script", "cyrillic") == 0 &&
            spell("7", &g.options, words) == USLOVA_ACCEPTED &&
            strcmp(words, "седам динара") == 0 && untouched(&g),
        "an option by name");
  check(uslova_options_problem(&g.options) == NULL, "1.0's struct is usable");

  printf("%s: %d failed\n", failures == 0 ? "program-1.0 passed" : "program-1.0", failures);
  return failures == 0 ? 0 : 1;
}
