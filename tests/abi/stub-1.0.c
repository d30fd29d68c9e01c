/* stub-1.0.c: the functions of libuslova.so.1 as release 1.0 exported them, unversioned, to link
 * program-1.0.c as a program of that release was linked. None of them runs: at run time the
 * program finds the library of this build.
 * SPDX-License-Identifier: MIT */
#include "uslova-1.0.h"

void uslova_options_init(uslova_options* options) {
  (void)options;
}
int uslova_option_set(uslova_options* options, const char* name, const char* value) {
  (void)options, (void)name, (void)value;
  return 0;
}
const char* uslova_option_values(const char* name) {
  return name;
}
const char* uslova_options_problem(const uslova_options* options) {
  (void)options;
  return 0;
}
uslova_verdict uslova_spell(const char* text, size_t text_length, const uslova_options* options,
                            char* buffer, size_t size, size_t* length) {
  (void)text, (void)text_length, (void)options, (void)buffer, (void)size, (void)length;
  return USLOVA_ACCEPTED;
}
const char* uslova_prompt(uslova_verdict verdict) {
  (void)verdict;
  return "";
}
const char* uslova_verdict_name(uslova_verdict verdict) {
  (void)verdict;
  return "";
}
const char* uslova_version(void) {
  return "the 1.0 stub";
}
