// The bar's property table and its dispatch descriptor.
//
// A new control starts from the "new control" column; the store defaults differ on purpose:
// they are what an old store that lacks a key has always meant. BorderStyle and FillType are
// read with no default at all, so a missing key reads as Empty, 0.
#include <iterator>

#include "bar/progress_bar.h"

namespace qd::progress {

using I = _qdProgressBar;
using Row = PropertyRow<ProgressBar>;
using Bar = ProgressBar;

// name, dispid, type, field, new control, store default, key, write rank, dispatch adapters
constexpr Row Bar::Properties::rows[13] = {
    {"Min", 0x68030001, kFloat32, &Bar::Min, 0, as_int16(0), "Min", 0, QD_GET_PUT(I, Min)},
    {"Max", 0x68030002, kFloat32, &Bar::Max, 100, as_int16(100), "Max", 1, QD_PUT_GET(I, Max)},
    {"Value", 0x68030000, kFloat32, &Bar::Value, 75, as_int16(0), "Value", 2, QD_GET_PUT(I, Value)},
    {"BorderStyle", 0x68030003, kBorderStyle, &Bar::BorderStyle, p3D, kNoStoredDefault,
     "BorderStyle", 3, QD_PUT_GET(I, BorderStyle)},
    {"FillType", 0x68030004, kFillType, &Bar::FillType, p3ColorGradient, kNoStoredDefault,
     "FillType", 4, QD_PUT_GET(I, FillType)},
    {"FillColorStart", 0x68030007, kOleColor, &Bar::FillColorStart, 0x0000FF, as_int32(0x0000FF),
     "FillColorStart", 5, QD_PUT_GET(I, FillColorStart)},
    {"FillColorMid", 0x68030005, kOleColor, &Bar::FillColorMid, 0xFF0000, as_int32(0xFF0000),
     "FillColorMid", 6, QD_PUT_GET(I, FillColorMid)},
    {"FillColorEnd", 0x68030006, kOleColor, &Bar::FillColorEnd, 0x00FF00, as_int32(0x00FF00),
     "FillColorEnd", 7, QD_PUT_GET(I, FillColorEnd)},
    {"FillStyle", 0x68030008, kFillStyle, &Bar::FillStyle, fill_style::Solid, as_int32(0),
     "FillStyle", 8, QD_PUT_GET(I, FillStyle)},
    {"LabelPosition", 0x68030009, kBarLabelPosition, &Bar::LabelPosition, bar_position::pCenter,
     as_int32(bar_position::pCenter), "LabelPosition", 9, QD_PUT_GET(I, LabelPosition)},
    {"LabelType", 0x6803000A, kLabelType, &Bar::LabelType, pPercent, as_int32(pFraction),
     "LabelType", 10, QD_PUT_GET(I, LabelType)},
    {"LabelColor", 0x6803000B, kOleColor, &Bar::LabelColor, 0x00FFFF, as_int32(0), "LabelColor", 11,
     QD_PUT_GET(I, LabelColor)},
    {"LabelSize", 0x6803000C, kInt16, &Bar::LabelSize, 10, as_int16(12), "LabelSize", 12,
     QD_PUT_GET(I, LabelSize)},
};
static_assert(well_formed(Bar::Properties::rows));

Bar::ProgressBar() {
    init_properties(*this, Properties::rows);
}

namespace {

// Slot order of _qdProgressBar, made from the rows.
constexpr auto kMembers =
    dispatch_members(Bar::Properties::rows, method<&I::Refresh>("Refresh", 0x60030011));

}  // namespace

const InterfaceDesc kBarInterface{"_qdProgressBar", _qdProgressBar::iid, kDualInterfaceFlags,
                                  kMembers.data(), kMembers.size()};

}  // namespace qd::progress
