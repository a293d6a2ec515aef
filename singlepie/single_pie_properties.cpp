// The single pie's property table and its dispatch descriptor.
//
// A new control starts from the "new control" column; the store defaults differ on purpose:
// they are what an old store that lacks a key has always meant (FillType has none at all, so a
// missing key reads as Empty, 0). Keys are read in table order and written in write-rank
// order, which puts BorderWidth before BorderColor.
#include "kit/property_groups.h"
#include "singlepie/single_pie.h"

namespace qd::single {

using Pie = SinglePie;

// name, dispid, type, field, new control, store default, key, write rank, dispatch adapters;
// a group of rows (kit/property_groups.h) is one line.
constexpr PropertyRow<Pie> Pie::Properties::rows[14] = {
    QD_RANGE_ROWS(Pie, _qdxProgressPie),
    QD_OUTLINE_ROWS(Pie, _qdxProgressPie, 0xC8C8C8, 0x0000FF, 2),
    {"FillType", 0x68030006, kFillType, &Pie::FillType, ppGradient, kNoStoredDefault, "FillType", 6,
     QD_PUT_GET(_qdxProgressPie, FillType)},
    {"StartColor", 0x68030008, kOleColor, &Pie::StartColor, 0xFF0000, as_int32(0xFFFFFF),
     "StartColor", 7, QD_PUT_GET(_qdxProgressPie, StartColor)},
    {"EndColor", 0x68030007, kOleColor, &Pie::EndColor, 0x00FF00, as_int32(0x0000FF), "EndColor", 8,
     QD_PUT_GET(_qdxProgressPie, EndColor)},
    {"FillStyle", 0x68030009, kFillStyle, &Pie::FillStyle, 0, as_int32(0), "FillStyle", 9,
     QD_PUT_GET(_qdxProgressPie, FillStyle)},
    QD_LABEL_ROWS(Pie, _qdxProgressPie, 0x6803000A, 10, kLabelPosition, ppCenter, ppLowLeft, 18),
};
static_assert(well_formed(Pie::Properties::rows));

Pie::SinglePie() {
    init_properties(*this, Properties::rows);
}

const InterfaceDesc kSinglePieInterface =
    control_interface<Pie, _qdxProgressPie, 0x60030012>("_qdxProgressPie");

}  // namespace qd::single
