// many.cpp: spellMany's one crossing into the WebAssembly: many texts laid end to end, spelled
// through the C interface one after another into one buffer of words.
// SPDX-License-Identifier: MIT
#include <cstdint>

#include "uslova/uslova.h"

/// Spells the `count` texts that lie end to end at `texts`, `lengths` bytes each, as `options`
/// say, their words one after another at `out` (`size` bytes). `ends[i]` gets where the words
/// of text i end in `out`, or UINT32_MAX for a rejection. Returns how many texts were spelled
/// before `out` was full.
extern "C" std::uint32_t uslova_js_spell_many(const char* texts, const std::uint32_t* lengths,
                                              std::uint32_t count, const uslova_options* options,
                                              char* out, std::uint32_t size,
                                              std::uint32_t* ends) {
  std::uint32_t used = 0, done = 0;
  for (; done < count; texts += lengths[done], ++done) {
    size_t length = 0;
    const uslova_verdict verdict =
        uslova_spell(texts, lengths[done], options, out + used, size - used, &length);
    if (verdict == USLOVA_BUFFER_TOO_SMALL) break;
    if (verdict == USLOVA_ACCEPTED) used += static_cast<std::uint32_t>(length);
    ends[done] = verdict == USLOVA_ACCEPTED ? used : UINT32_MAX;
  }
  return done;
}
