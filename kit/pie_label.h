// Where a pie puts its label: hidden, in a corner or centred on the picture box, by the
// label positions both pie controls number alike (0 hidden, 1 upper left, 2 upper right,
// 3 lower left, 4 lower right, 5 centred; anything else only makes the label transparent).
//
// lblText lies inside picBox, so its coordinates are in picBox's scale (pixels after any draw).
// Left and top positions keep a margin of 3, right and bottom ones touch the edge. Each extent
// is read at the moment it is computed, in reading order, and the arithmetic is checked: a
// fault ends the routine before the member being computed is set.
#pragma once

#include <cstdint>

#include "platform/host_calls.h"

namespace qd {

inline constexpr std::int32_t kLabelHidden = 0;
inline constexpr std::int32_t kLabelUpLeft = 1;
inline constexpr std::int32_t kLabelUpRight = 2;
inline constexpr std::int32_t kLabelLowLeft = 3;
inline constexpr std::int32_t kLabelLowRight = 4;
inline constexpr std::int32_t kLabelCentred = 5;

void place_pie_label(PictureBoxCalls pic, LabelCalls label, std::int32_t position);

}  // namespace qd
