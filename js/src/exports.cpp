// exports.cpp: the npm package's own crossings into the WebAssembly, beside the C interface:
// spellMany's many texts in one call, and the window's caption as pieces whose texts the
// package decodes once and keeps, so that a call's words need no decoding.
// SPDX-License-Identifier: MIT
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

#include "c_api.h"
#include "group_texts.h"
#include "uslova/converter.h"
#include "uslova/reader.h"
#include "uslova/uslova.h"

/// A struct of options read once, for calls that need not read it again: the package keeps one
/// for each combination of options it has prepared and checked.
struct ReadOnce {
  uslova::Options options;
  uslova::OwnNoun noun;     // a noun of one's own, which `options` points to
  uslova::Options settled;  // the options the words are written with
};

/// The options of `given`, which uslova_options_problem accepted, read once; NULL when no
/// memory could be had. uslova_js_options_free frees them.
extern "C" ReadOnce* uslova_js_options_read(const uslova_options* given) {
  // malloc, as the package's other memory: operator new would bring in the C++ library's
  // error paths and their imports.
  void* memory = std::malloc(sizeof(ReadOnce));
  if (memory == nullptr) return nullptr;
  auto* read = new (memory) ReadOnce;
  if (!uslova::ReadOptions(given, read->options, read->noun).empty()) {
    std::free(memory);
    return nullptr;
  }
  // Settled once, as uslova::SpellInto settles them for each call. ReadOptions found no problem
  // with them as given, so neither does SpellInto's check, which takes fewer as given.
  read->settled = uslova::Settled(uslova::AsGiven(read->options));
  // Made now, so that a call with the options allocates nothing.
  uslova::KeepGroupTexts(read->settled);
  return read;
}

/// Whether the words of `read` are ASCII alone, which the package decodes byte for byte.
extern "C" bool uslova_js_words_ascii(const ReadOnce* read) {
  return read->options.script == uslova::Options::Script::Ascii;
}

static_assert(std::is_trivially_destructible_v<ReadOnce>);
extern "C" void uslova_js_options_free(ReadOnce* read) {
  std::free(read);
}

namespace {

/// The room that Spelled renders the words in, at `out` when it has that much.
constexpr std::uint32_t kRenderRoom = sizeof(uslova::WordsBuffer);

/// The words of one text with options read once, somewhere in the `room` bytes at `out`: they
/// start `*skipped` bytes in and take `length` bytes; uslova_spell's verdicts.
uslova_verdict Spelled(const char* text, std::uint32_t size, const ReadOnce& read, char* out,
                       std::uint32_t room, std::uint32_t& length, std::uint32_t& skipped) {
  uslova::Number number;
  uslova::Verdict verdict =
      uslova::ReadNumber({text, size}, number, read.options.decimal, read.options.currency);
  if (verdict != uslova::Verdict::Accepted) return static_cast<uslova_verdict>(verdict);
  uslova::WordsBuffer spare;  // for the words when `out` has not the room: copied after
  char* const at = room >= kRenderRoom ? out : spare.data();
  std::string_view spelled;
  verdict = uslova::SpellSettled(number, read.settled, at, spelled);
  if (verdict != uslova::Verdict::Accepted) return static_cast<uslova_verdict>(verdict);
  if (at != out) {
    if (spelled.size() > room) return USLOVA_BUFFER_TOO_SMALL;
    std::memcpy(out, spelled.data(), spelled.size());
    spelled = {out, spelled.size()};
  }
  skipped = static_cast<std::uint32_t>(spelled.data() - out);
  length = static_cast<std::uint32_t>(spelled.size());
  return USLOVA_ACCEPTED;
}

}  // namespace

/// uslova_spell with options read once: the words of the `size` bytes at `text` in the `room`
/// bytes at `out`, their length at `length[0]` and where they start in `out` at `length[1]`.
extern "C" uslova_verdict uslova_js_spell(const char* text, std::uint32_t size,
                                          const ReadOnce* read, char* out, std::uint32_t room,
                                          std::uint32_t* length) {
  return Spelled(text, size, *read, out, room, length[0], length[1]);
}

/// The room in which uslova_js_spell writes the words in place, without a copy.
extern "C" std::uint32_t uslova_js_render_room() {
  return kRenderRoom;
}

/// Spells the `count` texts that lie end to end at `texts`, `lengths` bytes each, with options
/// read once, their words one after another at `out` (`size` bytes), so that one decoding reads
/// them all. `bounds[2 i]` and `bounds[2 i + 1]` get where the words of text i start and end in
/// that decoding, counted in UTF-16 units (every letter of ours is one), or UINT32_MAX for a
/// rejection; `*used` the bytes written. Returns how many texts were spelled before `out` was
/// full.
extern "C" std::uint32_t uslova_js_spell_many(const char* texts, const std::uint32_t* lengths,
                                              std::uint32_t count, const ReadOnce* read, char* out,
                                              std::uint32_t size, std::uint32_t* bounds,
                                              std::uint32_t* used) {
  std::uint32_t bytes = 0, units = 0, done = 0;
  const bool ascii = read->options.script == uslova::Options::Script::Ascii;
  /// The UTF-16 units of the `n` bytes at `p`: one for each that does not continue a letter.
  const auto unitsOf = [ascii](const char* p, std::uint32_t n) {
    if (ascii) return n;  // a byte a letter
    std::uint32_t counted = 0;
    for (const char* end = p + n; p != end; ++p)
      counted += (static_cast<unsigned char>(*p) & 0xC0) != 0x80;
    return counted;
  };
  for (; done < count; texts += lengths[done], ++done) {
    std::uint32_t length = 0, skipped = 0;
    const uslova_verdict verdict =
        Spelled(texts, lengths[done], *read, out + bytes, size - bytes, length, skipped);
    if (verdict == USLOVA_BUFFER_TOO_SMALL) break;
    if (verdict != USLOVA_ACCEPTED) {
      bounds[2 * done] = bounds[2 * done + 1] = UINT32_MAX;
      continue;
    }
    // What the words were written after (a blank) stays between them and the words before.
    units += unitsOf(out + bytes, skipped);
    bounds[2 * done] = units;
    units += unitsOf(out + bytes + skipped, length);
    bounds[2 * done + 1] = units;
    bytes += skipped + length;
  }
  *used = bytes;
  return done;
}

/// Reads the `length` bytes at `text` as uslova_spell does without options, and writes the ids
/// of its caption's pieces at `ids` (room for uslova::kMostWindowPieces). Returns how many, or
/// minus the verdict of a rejection.
extern "C" std::int32_t uslova_js_window_pieces(const char* text, std::uint32_t length,
                                                std::uint16_t* ids) {
  uslova::Number number;
  const uslova::Verdict verdict = uslova::ReadNumber({text, length}, number);
  if (verdict != uslova::Verdict::Accepted) return -static_cast<std::int32_t>(verdict);
  return static_cast<std::int32_t>(uslova::WindowPieces(number, ids));
}

/// How many piece ids uslova_js_window_pieces writes at most: the room the package allocates.
extern "C" std::uint32_t uslova_js_window_pieces_room() {
  return uslova::kMostWindowPieces;
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
/// `lengths` bytes each: the ids of text i at `ids` + kMostWindowPieces i, and its count or minus
/// its verdict at `counts[i]`.
extern "C" void uslova_js_window_pieces_many(const char* texts, const std::uint32_t* lengths,
                                             std::uint32_t count, std::uint16_t* ids,
                                             std::int32_t* counts) {
  for (std::uint32_t i = 0; i < count; texts += lengths[i], ++i)
    counts[i] = uslova_js_window_pieces(texts, lengths[i], ids + uslova::kMostWindowPieces * i);
}
