// The pie's property table and its dispatch descriptor.
//
// A new control starts from the "new control" column; the store defaults differ on purpose:
// they are what an old store that lacks a key has always meant (FillType has none at all, so a
// missing key reads as Empty, 0). Keys are read in table order and written in write-rank
// order, which puts BorderWidth before BorderColor.
#include <iterator>

#include "pie/progress_pie.h"

namespace qd::progress {

using Row = PropertyRow<ProgressPie>;
using Pie = ProgressPie;

// name, dispid, type, field, new control, store default, key, write rank
constexpr Row Pie::Properties::rows[16] = {
    {"Min", 0x68030001, kFloat32, &Pie::Min, 0, as_int16(0), "Min", 0},
    {"Max", 0x68030002, kFloat32, &Pie::Max, 100, as_int16(100), "Max", 1},
    {"Value", 0x68030000, kFloat32, &Pie::Value, 75, as_int16(0), "Value", 2},
    {"BorderShow", 0x68030003, kBool, &Pie::BorderShow, VARIANT_TRUE, as_bool(true), "BorderShow",
     3},
    {"BorderColor", 0x68030005, kOleColor, &Pie::BorderColor, 0xE0E0E0, as_int32(0xE0E0E0),
     "BorderColor", 5},
    {"BorderWidth", 0x68030004, kFloat32, &Pie::BorderWidth, 1, as_int16(1), "BorderWidth", 4},
    {"FillType", 0x68030006, kFillType, &Pie::FillType, p3ColorGradient, kNoStoredDefault,
     "FillType", 6},
    {"FillColorStart", 0x68030009, kOleColor, &Pie::FillColorStart, 0x0000FF, as_int32(0x0000FF),
     "FillColorStart", 7},
    {"FillColorMid", 0x68030007, kOleColor, &Pie::FillColorMid, 0xFF0000, as_int32(0xFF0000),
     "FillColorMid", 8},
    {"FillColorEnd", 0x68030008, kOleColor, &Pie::FillColorEnd, 0x00FF00, as_int32(0x00FF00),
     "FillColorEnd", 9},
    {"FillStyle", 0x6803000A, kFillStyle, &Pie::FillStyle, fill_style::Solid, as_int32(0),
     "FillStyle", 10},
    {"LabelPosition", 0x6803000B, kLabelPosition, &Pie::LabelPosition, pCenter, as_int32(pLowLeft),
     "LabelPosition", 11},
    {"LabelType", 0x6803000C, kLabelType, &Pie::LabelType, pPercent, as_int32(pFraction),
     "LabelType", 12},
    {"LabelColor", 0x6803000D, kOleColor, &Pie::LabelColor, 0x00FFFF, as_int32(0), "LabelColor",
     13},
    {"LabelSize", 0x6803000E, kInt16, &Pie::LabelSize, 18, as_int16(12), "LabelSize", 14},
    {"Aspect", 0x6803000F, kFloat32, &Pie::Aspect, 0.75f, as_int16(12), "Aspect", 15},
};
static_assert(well_formed(Pie::Properties::rows));

Pie::ProgressPie() {
    init_properties(*this, Properties::rows);
}

namespace {

using P = _qdProgressPie;
constexpr const auto& rows = Pie::Properties::rows;

// Slot order of _qdProgressPie; names, types and identifiers come from the rows.
constexpr MemberDesc kMembers[] = {
    method<&P::Refresh>("Refresh", 0x60030014),
    prop_put<&P::put_Aspect>(property(rows, "Aspect")),
    prop_get<&P::get_Aspect>(property(rows, "Aspect")),
    prop_put<&P::put_LabelSize>(property(rows, "LabelSize")),
    prop_get<&P::get_LabelSize>(property(rows, "LabelSize")),
    prop_put<&P::put_LabelColor>(property(rows, "LabelColor")),
    prop_get<&P::get_LabelColor>(property(rows, "LabelColor")),
    prop_put<&P::put_LabelType>(property(rows, "LabelType")),
    prop_get<&P::get_LabelType>(property(rows, "LabelType")),
    prop_put<&P::put_LabelPosition>(property(rows, "LabelPosition")),
    prop_get<&P::get_LabelPosition>(property(rows, "LabelPosition")),
    prop_put<&P::put_FillStyle>(property(rows, "FillStyle")),
    prop_get<&P::get_FillStyle>(property(rows, "FillStyle")),
    prop_put<&P::put_FillColorStart>(property(rows, "FillColorStart")),
    prop_get<&P::get_FillColorStart>(property(rows, "FillColorStart")),
    prop_put<&P::put_FillColorEnd>(property(rows, "FillColorEnd")),
    prop_get<&P::get_FillColorEnd>(property(rows, "FillColorEnd")),
    prop_put<&P::put_FillColorMid>(property(rows, "FillColorMid")),
    prop_get<&P::get_FillColorMid>(property(rows, "FillColorMid")),
    prop_put<&P::put_FillType>(property(rows, "FillType")),
    prop_get<&P::get_FillType>(property(rows, "FillType")),
    prop_put<&P::put_BorderColor>(property(rows, "BorderColor")),
    prop_get<&P::get_BorderColor>(property(rows, "BorderColor")),
    prop_put<&P::put_BorderWidth>(property(rows, "BorderWidth")),
    prop_get<&P::get_BorderWidth>(property(rows, "BorderWidth")),
    prop_put<&P::put_BorderShow>(property(rows, "BorderShow")),
    prop_get<&P::get_BorderShow>(property(rows, "BorderShow")),
    prop_put<&P::put_Max>(property(rows, "Max")),
    prop_get<&P::get_Max>(property(rows, "Max")),
    prop_get<&P::get_Min>(property(rows, "Min")),
    prop_put<&P::put_Min>(property(rows, "Min")),
    prop_get<&P::get_Value>(property(rows, "Value")),
    prop_put<&P::put_Value>(property(rows, "Value")),
};

}  // namespace

const InterfaceDesc kPieInterface{"_qdProgressPie", _qdProgressPie::iid, kDualInterfaceFlags,
                                  kMembers, std::size(kMembers)};

}  // namespace qd::progress
