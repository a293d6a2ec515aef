// The bar's property table and its dispatch descriptor.
//
// A new control starts from the "new control" column; the store defaults differ on purpose:
// they are what an old store that lacks a key has always meant. BorderStyle and FillType are
// read with no default at all, so a missing key reads as Empty, 0.
#include <iterator>

#include "bar/progress_bar.h"

namespace qd::progress {

using Row = PropertyRow<ProgressBar>;
using Bar = ProgressBar;

// name, dispid, type, field, new control, store default, key, write rank
constexpr Row Bar::Properties::rows[13] = {
    {"Min", 0x68030001, kFloat32, &Bar::Min, 0, as_int16(0), "Min", 0},
    {"Max", 0x68030002, kFloat32, &Bar::Max, 100, as_int16(100), "Max", 1},
    {"Value", 0x68030000, kFloat32, &Bar::Value, 75, as_int16(0), "Value", 2},
    {"BorderStyle", 0x68030003, kBorderStyle, &Bar::BorderStyle, p3D, kNoStoredDefault,
     "BorderStyle", 3},
    {"FillType", 0x68030004, kFillType, &Bar::FillType, p3ColorGradient, kNoStoredDefault,
     "FillType", 4},
    {"FillColorStart", 0x68030007, kOleColor, &Bar::FillColorStart, 0x0000FF, as_int32(0x0000FF),
     "FillColorStart", 5},
    {"FillColorMid", 0x68030005, kOleColor, &Bar::FillColorMid, 0xFF0000, as_int32(0xFF0000),
     "FillColorMid", 6},
    {"FillColorEnd", 0x68030006, kOleColor, &Bar::FillColorEnd, 0x00FF00, as_int32(0x00FF00),
     "FillColorEnd", 7},
    {"FillStyle", 0x68030008, kFillStyle, &Bar::FillStyle, fill_style::Solid, as_int32(0),
     "FillStyle", 8},
    {"LabelPosition", 0x68030009, kBarLabelPosition, &Bar::LabelPosition, bar_position::pCenter,
     as_int32(bar_position::pCenter), "LabelPosition", 9},
    {"LabelType", 0x6803000A, kLabelType, &Bar::LabelType, pPercent, as_int32(pFraction),
     "LabelType", 10},
    {"LabelColor", 0x6803000B, kOleColor, &Bar::LabelColor, 0x00FFFF, as_int32(0), "LabelColor",
     11},
    {"LabelSize", 0x6803000C, kInt16, &Bar::LabelSize, 10, as_int16(12), "LabelSize", 12},
};
static_assert(well_formed(Bar::Properties::rows));

Bar::ProgressBar() {
    init_properties(*this, Properties::rows);
}

namespace {

using B = _qdProgressBar;
constexpr const auto& rows = Bar::Properties::rows;

// Slot order of _qdProgressBar; names, types and identifiers come from the rows.
constexpr MemberDesc kMembers[] = {
    method<&B::Refresh>("Refresh", 0x60030011),
    prop_put<&B::put_LabelSize>(property(rows, "LabelSize")),
    prop_get<&B::get_LabelSize>(property(rows, "LabelSize")),
    prop_put<&B::put_LabelColor>(property(rows, "LabelColor")),
    prop_get<&B::get_LabelColor>(property(rows, "LabelColor")),
    prop_put<&B::put_LabelType>(property(rows, "LabelType")),
    prop_get<&B::get_LabelType>(property(rows, "LabelType")),
    prop_put<&B::put_LabelPosition>(property(rows, "LabelPosition")),
    prop_get<&B::get_LabelPosition>(property(rows, "LabelPosition")),
    prop_put<&B::put_FillStyle>(property(rows, "FillStyle")),
    prop_get<&B::get_FillStyle>(property(rows, "FillStyle")),
    prop_put<&B::put_FillColorStart>(property(rows, "FillColorStart")),
    prop_get<&B::get_FillColorStart>(property(rows, "FillColorStart")),
    prop_put<&B::put_FillColorEnd>(property(rows, "FillColorEnd")),
    prop_get<&B::get_FillColorEnd>(property(rows, "FillColorEnd")),
    prop_put<&B::put_FillColorMid>(property(rows, "FillColorMid")),
    prop_get<&B::get_FillColorMid>(property(rows, "FillColorMid")),
    prop_put<&B::put_FillType>(property(rows, "FillType")),
    prop_get<&B::get_FillType>(property(rows, "FillType")),
    prop_put<&B::put_BorderStyle>(property(rows, "BorderStyle")),
    prop_get<&B::get_BorderStyle>(property(rows, "BorderStyle")),
    prop_put<&B::put_Max>(property(rows, "Max")),
    prop_get<&B::get_Max>(property(rows, "Max")),
    prop_get<&B::get_Min>(property(rows, "Min")),
    prop_put<&B::put_Min>(property(rows, "Min")),
    prop_get<&B::get_Value>(property(rows, "Value")),
    prop_put<&B::put_Value>(property(rows, "Value")),
};

}  // namespace

const InterfaceDesc kBarInterface{"_qdProgressBar", _qdProgressBar::iid, kDualInterfaceFlags,
                                  kMembers, std::size(kMembers)};

}  // namespace qd::progress
