// The single pie's property table and its dispatch descriptor.
//
// A new control starts from the "new control" column; the store defaults differ on purpose:
// they are what an old store that lacks a key has always meant (FillType has none at all, so a
// missing key reads as Empty, 0). Keys are read in table order and written in write-rank
// order, which puts BorderWidth before BorderColor.
#include <iterator>

#include "singlepie/single_pie.h"

namespace qd::single {

using Row = PropertyRow<SinglePie>;
using Pie = SinglePie;

// name, dispid, type, field, new control, store default, key, write rank
constexpr Row Pie::Properties::rows[14] = {
    {"Min", 0x68030001, kFloat32, &Pie::Min, 0, as_int16(0), "Min", 0},
    {"Max", 0x68030002, kFloat32, &Pie::Max, 100, as_int16(100), "Max", 1},
    {"Value", 0x68030000, kFloat32, &Pie::Value, 75, as_int16(0), "Value", 2},
    {"BorderShow", 0x68030003, kBool, &Pie::BorderShow, VARIANT_TRUE, as_bool(true), "BorderShow",
     3},
    {"BorderColor", 0x68030005, kOleColor, &Pie::BorderColor, 0xC8C8C8, as_int32(0x0000FF),
     "BorderColor", 5},
    {"BorderWidth", 0x68030004, kFloat32, &Pie::BorderWidth, 2, as_int16(2), "BorderWidth", 4},
    {"FillType", 0x68030006, kFillType, &Pie::FillType, ppGradient, kNoStoredDefault, "FillType",
     6},
    {"StartColor", 0x68030008, kOleColor, &Pie::StartColor, 0xFF0000, as_int32(0xFFFFFF),
     "StartColor", 7},
    {"EndColor", 0x68030007, kOleColor, &Pie::EndColor, 0x00FF00, as_int32(0x0000FF), "EndColor",
     8},
    {"FillStyle", 0x68030009, kFillStyle, &Pie::FillStyle, 0, as_int32(0), "FillStyle", 9},
    {"LabelPosition", 0x6803000A, kLabelPosition, &Pie::LabelPosition, ppCenter,
     as_int32(ppLowLeft), "LabelPosition", 10},
    {"LabelType", 0x6803000B, kLabelType, &Pie::LabelType, ppPercent, as_int32(ppFraction),
     "LabelType", 11},
    {"LabelColor", 0x6803000C, kOleColor, &Pie::LabelColor, 0x00FFFF, as_int32(0), "LabelColor",
     12},
    {"LabelSize", 0x6803000D, kInt16, &Pie::LabelSize, 18, as_int16(12), "LabelSize", 13},
};
static_assert(well_formed(Pie::Properties::rows));

Pie::SinglePie() {
    init_properties(*this, Properties::rows);
}

namespace {

using P = _qdxProgressPie;
constexpr const auto& rows = Pie::Properties::rows;

// Slot order of _qdxProgressPie; names, types and identifiers come from the rows.
constexpr MemberDesc kMembers[] = {
    method<&P::Refresh>("Refresh", 0x60030012),
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
    prop_put<&P::put_StartColor>(property(rows, "StartColor")),
    prop_get<&P::get_StartColor>(property(rows, "StartColor")),
    prop_put<&P::put_EndColor>(property(rows, "EndColor")),
    prop_get<&P::get_EndColor>(property(rows, "EndColor")),
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

const InterfaceDesc kSinglePieInterface{"_qdxProgressPie", _qdxProgressPie::iid,
                                        kDualInterfaceFlags, kMembers, std::size(kMembers)};

}  // namespace qd::single
