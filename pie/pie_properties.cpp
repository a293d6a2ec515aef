// The pie's property table and its dispatch descriptor.
//
// A new control starts from the "new control" column; the store defaults differ on purpose:
// they are what an old store that lacks a key has always meant (FillType has none at all, so a
// missing key reads as Empty, 0). Keys are read in table order and written in write-rank
// order, which puts BorderWidth before BorderColor.
#include <iterator>

#include "pie/progress_pie.h"

namespace qd::progress {

using I = _qdProgressPie;
using Row = PropertyRow<ProgressPie>;
using Pie = ProgressPie;

// name, dispid, type, field, new control, store default, key, write rank, dispatch adapters
constexpr Row Pie::Properties::rows[16] = {
    {"Min", 0x68030001, kFloat32, &Pie::Min, 0, as_int16(0), "Min", 0, QD_GET_PUT(I, Min)},
    {"Max", 0x68030002, kFloat32, &Pie::Max, 100, as_int16(100), "Max", 1, QD_PUT_GET(I, Max)},
    {"Value", 0x68030000, kFloat32, &Pie::Value, 75, as_int16(0), "Value", 2, QD_GET_PUT(I, Value)},
    {"BorderShow", 0x68030003, kBool, &Pie::BorderShow, VARIANT_TRUE, as_bool(true), "BorderShow",
     3, QD_PUT_GET(I, BorderShow)},
    {"BorderColor", 0x68030005, kOleColor, &Pie::BorderColor, 0xE0E0E0, as_int32(0xE0E0E0),
     "BorderColor", 5, QD_PUT_GET(I, BorderColor)},
    {"BorderWidth", 0x68030004, kFloat32, &Pie::BorderWidth, 1, as_int16(1), "BorderWidth", 4,
     QD_PUT_GET(I, BorderWidth)},
    {"FillType", 0x68030006, kFillType, &Pie::FillType, p3ColorGradient, kNoStoredDefault,
     "FillType", 6, QD_PUT_GET(I, FillType)},
    {"FillColorStart", 0x68030009, kOleColor, &Pie::FillColorStart, 0x0000FF, as_int32(0x0000FF),
     "FillColorStart", 7, QD_PUT_GET(I, FillColorStart)},
    {"FillColorMid", 0x68030007, kOleColor, &Pie::FillColorMid, 0xFF0000, as_int32(0xFF0000),
     "FillColorMid", 8, QD_PUT_GET(I, FillColorMid)},
    {"FillColorEnd", 0x68030008, kOleColor, &Pie::FillColorEnd, 0x00FF00, as_int32(0x00FF00),
     "FillColorEnd", 9, QD_PUT_GET(I, FillColorEnd)},
    {"FillStyle", 0x6803000A, kFillStyle, &Pie::FillStyle, fill_style::Solid, as_int32(0),
     "FillStyle", 10, QD_PUT_GET(I, FillStyle)},
    {"LabelPosition", 0x6803000B, kLabelPosition, &Pie::LabelPosition, pCenter, as_int32(pLowLeft),
     "LabelPosition", 11, QD_PUT_GET(I, LabelPosition)},
    {"LabelType", 0x6803000C, kLabelType, &Pie::LabelType, pPercent, as_int32(pFraction),
     "LabelType", 12, QD_PUT_GET(I, LabelType)},
    {"LabelColor", 0x6803000D, kOleColor, &Pie::LabelColor, 0x00FFFF, as_int32(0), "LabelColor", 13,
     QD_PUT_GET(I, LabelColor)},
    {"LabelSize", 0x6803000E, kInt16, &Pie::LabelSize, 18, as_int16(12), "LabelSize", 14,
     QD_PUT_GET(I, LabelSize)},
    {"Aspect", 0x6803000F, kFloat32, &Pie::Aspect, 0.75f, as_int16(12), "Aspect", 15,
     QD_PUT_GET(I, Aspect)},
};
static_assert(well_formed(Pie::Properties::rows));

Pie::ProgressPie() {
    init_properties(*this, Properties::rows);
}

namespace {

// Slot order of _qdProgressPie, made from the rows.
constexpr auto kMembers =
    dispatch_members(Pie::Properties::rows, method<&I::Refresh>("Refresh", 0x60030014));

}  // namespace

const InterfaceDesc kPieInterface{"_qdProgressPie", _qdProgressPie::iid, kDualInterfaceFlags,
                                  kMembers.data(), kMembers.size()};

}  // namespace qd::progress
