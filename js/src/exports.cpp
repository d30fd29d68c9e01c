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
#include "window_text.h"

/// A struct of options read once, for calls that need not read it again: the package keeps one
/// for each combination of options it has prepared and checked.
struct ReadOnce {
  uslova::Options options;
  uslova::OwnNoun noun;     // a noun of one's own, which `options` points to
  uslova::Options settled;  // the options the words are written with
  /// The kept texts that a whole number above zero is written from alone, or null.
  const uslova::GroupTexts* textsAlone;
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
  read->textsAlone =
      uslova::WindowsText(read->settled) ? nullptr : uslova::TextsAlone(read->settled);
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
  if (read.textsAlone != nullptr && uslova::WrittenFromTexts(number)) {
    spelled = uslova::WriteFromTexts(number, read.settled, *read.textsAlone, at);
  } else {
    verdict = uslova::SpellSettled(number, read.settled, at, spelled);
    if (verdict != uslova::Verdict::Accepted) return static_cast<uslova_verdict>(verdict);
  }
  if (at != out) {
    if (spelled.size() > room) return USLOVA_BUFFER_TOO_SMALL;
    std::memcpy(out, spelled.data(), spelled.size());
    spelled = {out, spelled.size()};
  }
  skipped = static_cast<std::uint32_t>(spelled.data() - out);
  length = static_cast<std::uint32_t>(spelled.size());
  return USLOVA_ACCEPTED;
}

/// Four bytes of ASCII, `four` as they lie in memory (WebAssembly's order puts the first lowest),
/// as the four units of UTF-16 they are, in the same order.
constexpr std::uint64_t WidenedAscii(std::uint32_t four) {
  const std::uint64_t v = four;
  return (v & 0xFFu) | ((v & 0xFF00u) << 8) | ((v & 0xFF0000u) << 16) | ((v & 0xFF000000u) << 24);
}

/// The `size` bytes of UTF-8 at `from` as UTF-16 at `to`, which has room for `size` units (no
/// letter takes more units than bytes); returns the units written. The converter writes whole
/// letters, but a letter cut short at the end is read no further than `size`: it becomes
/// U+FFFD. Words are mostly ASCII, or letters of two bytes (Cyrillic, and č, ć, ž, š, đ):
/// runs of those widen eight bytes at a time, the rest letter by letter.
std::uint32_t Widen(const char* from, std::uint32_t size, std::uint16_t* to) {
  const auto* p = reinterpret_cast<const unsigned char*>(from);
  const unsigned char* const end = p + size;
  std::uint16_t* const start = to;
  // Eight bytes at hand: four letters of two bytes, or eight of ASCII, widen at once; else
  // one letter, which cannot be cut short.
  while (end - p >= 8) {
    std::uint64_t eight;  // the first byte lowest
    std::memcpy(&eight, p, 8);
    if ((eight & 0x8080808080808080u) == 0) {
      const std::uint64_t units[2] = {WidenedAscii(static_cast<std::uint32_t>(eight)),
                                      WidenedAscii(static_cast<std::uint32_t>(eight >> 32))};
      std::memcpy(to, units, 16);
      p += 8;
      to += 8;
    } else if ((eight & 0xC0E0C0E0C0E0C0E0u) == 0x80C080C080C080C0u) {  // 110xxxxx 10xxxxxx
      // Each pair of bytes is a lane of 16 bits: the lead's five bits above the next's six.
      const std::uint64_t units =
          ((eight & 0x001F001F001F001Fu) << 6) | ((eight >> 8) & 0x003F003F003F003Fu);
      std::memcpy(to, &units, 8);
      p += 8;
      to += 4;
    } else if ((eight & 0x80808080u) == 0) {
      const std::uint64_t units = WidenedAscii(static_cast<std::uint32_t>(eight));
      std::memcpy(to, &units, 8);
      p += 4;
      to += 4;
    } else if ((eight & 0x80u) == 0) {
      *to++ = static_cast<std::uint16_t>(eight & 0x7Fu);
      p += 1;
    } else if ((eight & 0xC0E0u) == 0x80C0u) {
      *to++ = static_cast<std::uint16_t>(((eight & 0x1Fu) << 6) | ((eight >> 8) & 0x3Fu));
      p += 2;
    } else {
      break;
    }
  }
  while (p != end) {
    const unsigned lead = *p;
    if (lead < 0x80) {
      *to++ = static_cast<std::uint16_t>(lead);
      p += 1;
    } else if (lead < 0xE0 && end - p >= 2) {
      *to++ = static_cast<std::uint16_t>(((lead & 0x1Fu) << 6) | (p[1] & 0x3Fu));
      p += 2;
    } else if (lead < 0xF0 && lead >= 0xE0 && end - p >= 3) {
      *to++ = static_cast<std::uint16_t>(((lead & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) |
                                         (p[2] & 0x3Fu));
      p += 3;
    } else if (lead >= 0xF0 && end - p >= 4) {  // past the first 65,536: a surrogate pair
      const std::uint32_t point = (((lead & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) |
                                   ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu)) -
                                  0x10000u;
      *to++ = static_cast<std::uint16_t>(0xD800u + (point >> 10));
      *to++ = static_cast<std::uint16_t>(0xDC00u + (point & 0x3FFu));
      p += 4;
    } else {  // cut short
      *to++ = 0xFFFD;
      break;
    }
  }
  return static_cast<std::uint32_t>(to - start);
}

}  // namespace

/// The `size` bytes of UTF-8 at `from` as UTF-16 at `to` (room for `size` units); returns the
/// units written. Node makes a string of UTF-16 with a copy, and of UTF-8 only by decoding it,
/// which for the words of other scripts than ASCII costs a hundred times as much.
extern "C" std::uint32_t uslova_js_widen(const char* from, std::uint32_t size, std::uint16_t* to) {
  return Widen(from, size, to);
}

/// uslova_spell with options read once: the words of the `size` bytes at `text` in the `room`
/// bytes at `out`, their length at `length[0]` and where they start in `out` at `length[1]`.
extern "C" uslova_verdict uslova_js_spell(const char* text, std::uint32_t size,
                                          const ReadOnce* read, char* out, std::uint32_t room,
                                          std::uint32_t* length) {
  return Spelled(text, size, *read, out, room, length[0], length[1]);
}

/// uslova_js_spell with the words as UTF-16 from the start of `out` (aligned for it, `room`
/// bytes), their length in units at `length[0]`.
extern "C" uslova_verdict uslova_js_spell_wide(const char* text, std::uint32_t size,
                                               const ReadOnce* read, std::uint16_t* out,
                                               std::uint32_t room, std::uint32_t* length) {
  uslova::WordsBuffer spelled;
  const uslova_verdict verdict =
      Spelled(text, size, *read, spelled.data(), kRenderRoom, length[0], length[1]);
  if (verdict != USLOVA_ACCEPTED) return verdict;
  if (2 * length[0] > room) return USLOVA_BUFFER_TOO_SMALL;  // a unit for each byte at most
  length[0] = Widen(spelled.data() + length[1], length[0], out);
  return USLOVA_ACCEPTED;
}

/// The room in which uslova_js_spell writes the words in place, without a copy.
extern "C" std::uint32_t uslova_js_render_room() {
  return kRenderRoom;
}

/// Spells the `count` texts that lie end to end at `texts`, `lengths` bytes each, with options
/// read once, their words one after another at `out` (`size` bytes), so that one decoding reads
/// them all: as UTF-8, or with `wide` as UTF-16 (`out` aligned for it). `bounds[2 i]` and
/// `bounds[2 i + 1]` get where the words of text i start and end in that decoding, counted in
/// UTF-16 units (every letter of ours is one), or UINT32_MAX for a rejection; `used[0]` the
/// bytes written, and `used[1]` the bytes of the texts spelled. Returns how many texts were
/// spelled before `out` was full.
extern "C" std::uint32_t uslova_js_spell_many(const char* texts, const std::uint32_t* lengths,
                                              std::uint32_t count, const ReadOnce* read, char* out,
                                              std::uint32_t size, std::uint32_t* bounds,
                                              std::uint32_t* used, bool wide) {
  std::uint32_t bytes = 0, units = 0, done = 0;
  const char* const first = texts;
  if (wide) {
    uslova::WordsBuffer spelled;  // each text's words, before they are widened into `out`
    for (; done < count; texts += lengths[done], ++done) {
      std::uint32_t length = 0, skipped = 0;
      const uslova_verdict verdict =
          Spelled(texts, lengths[done], *read, spelled.data(), kRenderRoom, length, skipped);
      if (verdict != USLOVA_ACCEPTED) {
        bounds[2 * done] = bounds[2 * done + 1] = UINT32_MAX;
        continue;
      }
      if (2 * length > size - bytes) break;  // a unit for each byte at most
      bounds[2 * done] = units;
      // Aligned: `out` is, and every unit before takes two bytes.
      units +=
          Widen(spelled.data() + skipped, length, reinterpret_cast<std::uint16_t*>(out + bytes));
      bounds[2 * done + 1] = units;
      bytes = 2 * units;
    }
    used[0] = bytes;
    used[1] = static_cast<std::uint32_t>(texts - first);
    return done;
  }
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
  used[0] = bytes;
  used[1] = static_cast<std::uint32_t>(texts - first);
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
