// window_pieces.h: the window's caption as the ids of the pieces it is made of, for a caller
// that keeps each piece's text once (window_text.cpp).
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "uslova/number_reader.h"

namespace uslova {

/// The most pieces a caption has: "minus", five groups, " zapeta " and the decimals.
inline constexpr std::size_t kMostWindowPieces = 8;

/// The window's caption of `number` as the ids of the pieces that WindowText writes, in order,
/// for a caller that keeps each piece's text once (the npm package keeps them as strings): the
/// caption is their texts end to end. `ids` must hold kMostWindowPieces; returns how many.
std::size_t WindowPieces(const Number& number, std::uint16_t* ids);

/// The text of a piece that WindowPieces names; empty for any other id.
std::string_view WindowPieceText(std::uint16_t id);

}  // namespace uslova
