// The single pie's property table and its dispatch descriptor.
//
// A new control starts from the "new control" column; the store defaults differ on purpose:
// they are what an old store that lacks a key has always meant (FillType has none at all, so a
// missing key reads as Empty, 0). Keys are read in table order and written in write-rank
// order, which puts BorderWidth before BorderColor.
#include <iterator>

#include "singlepie/single_pie.h"

namespace qd::single {

using I = _qdxProgressPie;
using Row = PropertyRow<SinglePie>;
using Pie = SinglePie;

// name, dispid, type, field, new control, store default, key, write rank, dispatch adapters
constexpr Row Pie::Properties::rows[14] = {
    {"Min", 0x68030001, kFloat32, &Pie::Min, 0, as_int16(0), "Min", 0, QD_GET_PUT(I, Min)},
    {"Max", 0x68030002, kFloat32, &Pie::Max, 100, as_int16(100), "Max", 1, QD_PUT_GET(I, Max)},
    {"Value", 0x68030000, kFloat32, &Pie::Value, 75, as_int16(0), "Value", 2, QD_GET_PUT(I, Value)},
    {"BorderShow", 0x68030003, kBool, &Pie::BorderShow, VARIANT_TRUE, as_bool(true), "BorderShow",
     3, QD_PUT_GET(I, BorderShow)},
    {"BorderColor", 0x68030005, kOleColor, &Pie::BorderColor, 0xC8C8C8, as_int32(0x0000FF),
     "BorderColor", 5, QD_PUT_GET(I, BorderColor)},
    {"BorderWidth", 0x68030004, kFloat32, &Pie::BorderWidth, 2, as_int16(2), "BorderWidth", 4,
     QD_PUT_GET(I, BorderWidth)},
    {"FillType", 0x68030006, kFillType, &Pie::FillType, ppGradient, kNoStoredDefault, "FillType", 6,
     QD_PUT_GET(I, FillType)},
    {"StartColor", 0x68030008, kOleColor, &Pie::StartColor, 0xFF0000, as_int32(0xFFFFFF),
     "StartColor", 7, QD_PUT_GET(I, StartColor)},
    {"EndColor", 0x68030007, kOleColor, &Pie::EndColor, 0x00FF00, as_int32(0x0000FF), "EndColor", 8,
     QD_PUT_GET(I, EndColor)},
    {"FillStyle", 0x68030009, kFillStyle, &Pie::FillStyle, 0, as_int32(0), "FillStyle", 9,
     QD_PUT_GET(I, FillStyle)},
    {"LabelPosition", 0x6803000A, kLabelPosition, &Pie::LabelPosition, ppCenter,
     as_int32(ppLowLeft), "LabelPosition", 10, QD_PUT_GET(I, LabelPosition)},
    {"LabelType", 0x6803000B, kLabelType, &Pie::LabelType, ppPercent, as_int32(ppFraction),
     "LabelType", 11, QD_PUT_GET(I, LabelType)},
    {"LabelColor", 0x6803000C, kOleColor, &Pie::LabelColor, 0x00FFFF, as_int32(0), "LabelColor", 12,
     QD_PUT_GET(I, LabelColor)},
    {"LabelSize", 0x6803000D, kInt16, &Pie::LabelSize, 18, as_int16(12), "LabelSize", 13,
     QD_PUT_GET(I, LabelSize)},
};
static_assert(well_formed(Pie::Properties::rows));

Pie::SinglePie() {
    init_properties(*this, Properties::rows);
}

namespace {

// Slot order of _qdxProgressPie, made from the rows.
constexpr auto kMembers =
    dispatch_members(Pie::Properties::rows, method<&I::Refresh>("Refresh", 0x60030012));

}  // namespace

const InterfaceDesc kSinglePieInterface{"_qdxProgressPie", _qdxProgressPie::iid,
                                        kDualInterfaceFlags, kMembers.data(), kMembers.size()};

}  // namespace qd::single
