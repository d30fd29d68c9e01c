// chunks.h: the input read in chunks of 64 KiB, for the line mode and the CSV mode alike: a
// UTF-8 byte-order mark at the start is taken apart, UTF-16 is refused, and the caller is told
// before every read that would wait.
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "cli.h"

namespace uslova::cli {

inline constexpr std::string_view kUtf8Mark = "\xef\xbb\xbf";
inline constexpr std::string_view kUtf16Marks[] = {"\xff\xfe", "\xfe\xff"};
inline constexpr std::string_view kUtf16Problem =
    "the input is UTF-16; convert it to UTF-8 first, e.g. iconv -f UTF-16 -t UTF-8";

/// The input may yet begin with a byte-order mark: `start` is a mark's beginning.
inline bool MayBeMark(std::string_view start) {
  if (start.size() < kUtf8Mark.size() && kUtf8Mark.starts_with(start)) return true;
  return std::any_of(std::begin(kUtf16Marks), std::end(kUtf16Marks), [&](std::string_view mark) {
    return start.size() < mark.size() && mark.starts_with(start);
  });
}

/// Reads all of `in`: `data` gets each chunk, `mark` a UTF-8 byte-order mark at the start, and
/// `waiting` is asked before a read that would wait (false stops the reading). Returns empty at
/// the end of the input, or what went wrong: a read error, or UTF-16 input. `data` returns
/// false to stop.
template <typename Data, typename Mark, typename Waiting>
std::string ReadChunks(Input& in, Data&& data, Mark&& mark, Waiting&& waiting) {
  std::string chunk(1 << 16, '\0');
  std::string error;
  std::size_t held = 0;  // the first bytes, while they may be a byte-order mark
  bool atStart = true;
  for (;;) {
    if (!in.ready() && !waiting()) return {};
    const std::ptrdiff_t read = in.read(chunk.data() + held, chunk.size() - held, error);
    if (read < 0) return "cannot read the input: " + error;
    std::string_view bytes(chunk.data(), held + static_cast<std::size_t>(read));
    if (atStart) {
      if (read > 0 && MayBeMark(bytes)) {
        held = bytes.size();
        continue;
      }
      atStart = false;
      held = 0;
      if (bytes.starts_with(kUtf8Mark)) {  // from spreadsheets
        mark(bytes.substr(0, kUtf8Mark.size()));
        bytes.remove_prefix(kUtf8Mark.size());
      }
      for (std::string_view utf16 : kUtf16Marks) {
        if (bytes.starts_with(utf16)) return std::string(kUtf16Problem);
      }
    }
    if (!data(bytes) || read == 0) return {};
  }
}

}  // namespace uslova::cli
