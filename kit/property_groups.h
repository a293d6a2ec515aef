// The groups of properties that the controls have alike, each written once as rows of a
// property table, and the dispatch descriptor a table makes.
//
// A group is the same properties under the same rules in every control that has it: the range
// (Min, Max, Value) and the label's four in all three, the circular outline in the two pies,
// the three-colour gradient in the pie and the bar. Each group stands in a table as one line,
// at the place its rows take in the read order; what differs between the controls (dispatch
// identifiers, write ranks, the defaults that are their own) are its arguments.
#pragma once

#include <cstdint>

#include "kit/property_table.h"
#include "platform/typeinfo.h"

namespace qd {

// Label types, as progress_caption reads them.
inline constexpr std::int32_t kFractionLabel = 1;
inline constexpr std::int32_t kPercentLabel = 2;

// clang-format off

// Min, Max and Value: dispatch identifiers 1, 2 and 0, read and written first, in this order.
#define QD_RANGE_ROWS(C, I)                                                                  \
    {"Min", 0x68030001, qd::kFloat32, &C::Min, 0, qd::as_int16(0), "Min", 0,                 \
     QD_GET_PUT(I, Min)},                                                                    \
    {"Max", 0x68030002, qd::kFloat32, &C::Max, 100, qd::as_int16(100), "Max", 1,             \
     QD_PUT_GET(I, Max)},                                                                    \
    {"Value", 0x68030000, qd::kFloat32, &C::Value, 75, qd::as_int16(0), "Value", 2,          \
     QD_GET_PUT(I, Value)}

// BorderShow, BorderColor, BorderWidth: dispatch identifiers 3, 5 and 4, written in that
// order (the width before the colour). The outline shows by default; the colour's two
// defaults and the width (new and stored alike) are the control's own.
#define QD_OUTLINE_ROWS(C, I, colour_new, colour_stored, width)                              \
    {"BorderShow", 0x68030003, qd::kBool, &C::BorderShow, VARIANT_TRUE, qd::as_bool(true),   \
     "BorderShow", 3, QD_PUT_GET(I, BorderShow)},                                            \
    {"BorderColor", 0x68030005, qd::kOleColor, &C::BorderColor, colour_new,                  \
     qd::as_int32(colour_stored), "BorderColor", 5, QD_PUT_GET(I, BorderColor)},             \
    {"BorderWidth", 0x68030004, qd::kFloat32, &C::BorderWidth, width, qd::as_int16(width),   \
     "BorderWidth", 4, QD_PUT_GET(I, BorderWidth)}

// FillColorStart, FillColorMid, FillColorEnd, read and written from `rank` on: blue, red and
// green, new and stored alike. The middle colour's dispatch identifier is `mid_dispid`, the
// end's the next one and the start's the one after.
#define QD_GRADIENT_ROWS(C, I, mid_dispid, rank)                                             \
    {"FillColorStart", (mid_dispid) + 2, qd::kOleColor, &C::FillColorStart, 0x0000FF,        \
     qd::as_int32(0x0000FF), "FillColorStart", (rank), QD_PUT_GET(I, FillColorStart)},       \
    {"FillColorMid", (mid_dispid), qd::kOleColor, &C::FillColorMid, 0xFF0000,                \
     qd::as_int32(0xFF0000), "FillColorMid", (rank) + 1, QD_PUT_GET(I, FillColorMid)},       \
    {"FillColorEnd", (mid_dispid) + 1, qd::kOleColor, &C::FillColorEnd, 0x00FF00,            \
     qd::as_int32(0x00FF00), "FillColorEnd", (rank) + 2, QD_PUT_GET(I, FillColorEnd)}

// LabelPosition, LabelType, LabelColor, LabelSize, with consecutive dispatch identifiers and
// write ranks from `dispid` and `rank` on. The position's type and defaults and a new label's
// size are the control's own; a new label shows the percentage in cyan, and a store without
// the keys means a black fraction in 12 points.
#define QD_LABEL_ROWS(C, I, dispid, rank, position_type, position_new, position_stored,      \
                      size_new)                                                              \
    {"LabelPosition", (dispid), position_type, &C::LabelPosition, position_new,              \
     qd::as_int32(position_stored), "LabelPosition", (rank), QD_PUT_GET(I, LabelPosition)},  \
    {"LabelType", (dispid) + 1, kLabelType, &C::LabelType, qd::kPercentLabel,                \
     qd::as_int32(qd::kFractionLabel), "LabelType", (rank) + 1, QD_PUT_GET(I, LabelType)},   \
    {"LabelColor", (dispid) + 2, qd::kOleColor, &C::LabelColor, 0x00FFFF, qd::as_int32(0),   \
     "LabelColor", (rank) + 2, QD_PUT_GET(I, LabelColor)},                                   \
    {"LabelSize", (dispid) + 3, qd::kInt16, &C::LabelSize, size_new, qd::as_int16(12),       \
     "LabelSize", (rank) + 3, QD_PUT_GET(I, LabelSize)}

// clang-format on

// The members of interface I in slot order, made from C's table: Refresh first (dispatch
// identifier `refresh_dispid`), then each property's put and get.
template <typename C, typename I, std::int32_t refresh_dispid>
inline constexpr auto kControlMembers =
    dispatch_members(C::Properties::rows, method<&I::Refresh>("Refresh", refresh_dispid));

// The dual interface descriptor named `name` of I, over kControlMembers.
template <typename C, typename I, std::int32_t refresh_dispid>
constexpr InterfaceDesc control_interface(const char* name) {
    const auto& members = kControlMembers<C, I, refresh_dispid>;
    return {name, I::iid, kDualInterfaceFlags, members.data(), members.size()};
}

}  // namespace qd
