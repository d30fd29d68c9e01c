// options_fuzz.cpp: the C interface given an options struct of any size and any field values.
// It must never crash or read past the bytes the struct's size covers, and it must never accept
// a struct of a size that no release has shipped. The struct is a heap block of exactly the
// bytes its caller owns, so AddressSanitizer stops any read past them.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "uslova/uslova.h"

namespace {
/// The struct as releases 1.1 to 1.3 shipped it, for its size.
struct OptionsOf1_1 {
  std::size_t size;
  int script, spacing, letter_case, currency, minor, forms, decimal;
};
/// The struct as release 1.4 shipped it, for its size.
struct OptionsOf1_4 {
  std::size_t size;
  int script, spacing, letter_case, currency, minor, forms, decimal, unit;
  char unit_noun[sizeof uslova_options::unit_noun];
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first bytes are the struct as the caller holds it, the rest the text.
  constexpr std::size_t kMost = sizeof(uslova_options) + 8;
  if (size < 1 + kMost) return 0;
  std::size_t declared;
  std::memcpy(&declared, data + 1, sizeof declared);
  if (data[0] & 1) declared %= kMost + 1;  // often a size near the real one
  // A caller owns the bytes its size says, or, for a size beyond any struct, just a few.
  const std::size_t owned =
      std::max(sizeof declared, declared <= kMost ? declared : std::size_t{data[0] % kMost});
  const auto block = std::make_unique<unsigned char[]>(owned);
  std::memcpy(block.get(), data + 1, std::min(owned, kMost));
  std::memcpy(block.get(), &declared, sizeof declared);
  const char* text = reinterpret_cast<const char*>(data + 1 + kMost);
  const std::size_t textLength = size - 1 - kMost;
  char words[USLOVA_WORDS_SIZE];
  std::size_t length = 0;
  const auto* options = reinterpret_cast<const uslova_options*>(block.get());
  const uslova_verdict verdict =
      uslova_spell(text, textLength, options, words, sizeof words, &length);
  const bool shipped = declared == sizeof(uslova_options) || declared == sizeof(OptionsOf1_4) ||
                       declared == sizeof(OptionsOf1_1) ||
                       declared == offsetof(uslova_options, decimal);
  if (!shipped && verdict != USLOVA_BAD_OPTIONS) std::abort();
  // A date reads the same struct, and takes the options that the converter names for it alone.
  const uslova_verdict date =
      uslova_spell_date(text, textLength, options, words, sizeof words, &length);
  if (!shipped && date != USLOVA_BAD_OPTIONS) std::abort();
  if (date == USLOVA_ACCEPTED && (length >= sizeof words || words[length] != '\0')) std::abort();
  length = 0;
  const uslova_verdict again =
      uslova_spell(text, textLength, options, words, sizeof words, &length);
  if (again != verdict) std::abort();
  if ((uslova_options_problem(options) == nullptr) != (verdict != USLOVA_BAD_OPTIONS)) std::abort();
  if (verdict == USLOVA_ACCEPTED && (length >= sizeof words || words[length] != '\0')) std::abort();
  return 0;
}
