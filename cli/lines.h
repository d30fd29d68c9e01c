// lines.h: cutting a stream of bytes into lines, a piece at a time, without ever holding a line.
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace uslova::cli {

/// Cuts the bytes of the input into lines as they arrive in chunks of any size. A line ends at
/// "\n"; a "\r" right before it is dropped, and so is one at the very end of the input; a last
/// line without "\n" counts. For each line, `piece` gets its bytes in one or more pieces and
/// then `end` is called once.
/// e.g. the chunks "7\r" and "\n8" give the line "7", and after finish() the line "8".
class LineSplitter {
 public:
  template <typename Piece, typename End>
  void split(std::string_view chunk, Piece&& piece, End&& end) {
    while (!chunk.empty()) {
      const std::size_t newline = chunk.find('\n');
      std::string_view part = chunk.substr(0, newline);
      if (!part.empty()) {
        if (heldReturn_) piece(std::string_view("\r"));  // it did not end the line after all
        open_ = true;
        heldReturn_ = part.back() == '\r';
        if (heldReturn_) part.remove_suffix(1);
        if (!part.empty()) piece(part);
      }
      if (newline == std::string_view::npos) return;
      heldReturn_ = open_ = false;
      end();
      chunk.remove_prefix(newline + 1);
    }
  }

  /// At the end of the input: ends a last line that has no "\n".
  template <typename End>
  void finish(End&& end) {
    if (open_) end();
    heldReturn_ = open_ = false;
  }

 private:
  bool heldReturn_ = false;  // a "\r" at the end of a chunk, dropped if "\n" follows
  bool open_ = false;        // a line has begun
};

}  // namespace uslova::cli
