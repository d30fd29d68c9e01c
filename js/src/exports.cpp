// exports.cpp: the npm package's own crossings into the WebAssembly, beside the C interface:
// spellMany's many texts in one call, and the window's caption as pieces whose texts the
// package decodes once and keeps, so that a call's words need no decoding.
// SPDX-License-Identifier: MIT
#include <cstdint>

#include "uslova/converter.h"
#include "uslova/reader.h"
#include "uslova/uslova.h"

/// Spells the `count` texts that lie end to end at `texts`, `lengths` bytes each, as `options`
/// say, their words one after another at `out` (`size` bytes). `ends[i]` gets where the words
/// of text i end in `out`, or UINT32_MAX for a rejection. Returns how many texts were spelled
/// before `out` was full.
extern "C" std::uint32_t uslova_js_spell_many(const char* texts, const std::uint32_t* lengths,
                                              std::uint32_t count, const uslova_options* options,
                                              char* out, std::uint32_t size, std::uint32_t* ends) {
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

/// Reads the `length` bytes at `text` as uslova_spell does without options, and writes the ids
/// of its caption's pieces at `ids` (room for 8). Returns how many, or minus the verdict of a
/// rejection.
extern "C" std::int32_t uslova_js_window_pieces(const char* text, std::uint32_t length,
                                                std::uint16_t* ids) {
  static_assert(uslova::kMostWindowPieces == 8);
  uslova::Number number;
  const uslova::Verdict verdict = uslova::ReadNumber({text, length}, number);
  if (verdict != uslova::Verdict::Accepted) return -static_cast<std::int32_t>(verdict);
  return static_cast<std::int32_t>(uslova::WindowPieces(number, ids));
}

/// The text of the piece `id` (not NUL-terminated), its length at `length`.
extern "C" const char* uslova_js_window_piece(std::uint16_t id, std::uint32_t* length) {
  const std::string_view text = uslova::WindowPieceText(id);
  *length = static_cast<std::uint32_t>(text.size());
  return text.data();
}

/// uslova_js_window_pieces for a safe integer, whose digits are written here as JavaScript's
/// String() writes them, without a string made of them first.
extern "C" std::int32_t uslova_js_window_integer_pieces(double value, std::uint16_t* ids) {
  char digits[24];
  char* const end = digits + sizeof digits;
  char* at = end;
  const auto integer = static_cast<std::int64_t>(value);  // |value| < 2^53: exact
  auto magnitude =
      integer < 0 ? 0 - static_cast<std::uint64_t>(integer) : static_cast<std::uint64_t>(integer);
  do {
    *--at = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (integer < 0) *--at = '-';
  return uslova_js_window_pieces(at, static_cast<std::uint32_t>(end - at), ids);
}

/// uslova_js_window_pieces for each of the `count` texts that lie end to end at `texts`,
/// `lengths` bytes each: the ids of text i at `ids` + 8 i, and its count or minus its verdict
/// at `counts[i]`.
extern "C" void uslova_js_window_pieces_many(const char* texts, const std::uint32_t* lengths,
                                             std::uint32_t count, std::uint16_t* ids,
                                             std::int32_t* counts) {
  for (std::uint32_t i = 0; i < count; texts += lengths[i], ++i)
    counts[i] = uslova_js_window_pieces(texts, lengths[i], ids + 8 * i);
}
