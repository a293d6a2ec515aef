// The pie's property table and its dispatch descriptor.
//
// A new control starts from the "new control" column; the store defaults differ on purpose:
// they are what an old store that lacks a key has always meant (FillType has none at all, so a
// missing key reads as Empty, 0). Keys are read in table order and written in write-rank
// order, which puts BorderWidth before BorderColor.
#include "kit/property_groups.h"
#include "pie/progress_pie.h"

namespace qd::progress {

using I = _qdProgressPie;
using Pie = ProgressPie;

// name, dispid, type, field, new control, store default, key, write rank, dispatch adapters;
// a group of rows (kit/property_groups.h) is one line.
constexpr PropertyRow<Pie> Pie::Properties::rows[16] = {
    QD_RANGE_ROWS(Pie, I),
    QD_OUTLINE_ROWS(Pie, I, 0xE0E0E0, 0xE0E0E0, 1),
    {"FillType", 0x68030006, kFillType, &Pie::FillType, p3ColorGradient, kNoStoredDefault,
     "FillType", 6, QD_PUT_GET(I, FillType)},
    QD_GRADIENT_ROWS(Pie, I, 0x68030007, 7),
    {"FillStyle", 0x6803000A, kFillStyle, &Pie::FillStyle, fill_style::Solid, as_int32(0),
     "FillStyle", 10, QD_PUT_GET(I, FillStyle)},
    QD_LABEL_ROWS(Pie, I, 0x6803000B, 11, kLabelPosition, pCenter, pLowLeft, 18),
    {"Aspect", 0x6803000F, kFloat32, &Pie::Aspect, 0.75f, as_int16(12), "Aspect", 15,
     QD_PUT_GET(I, Aspect)},
};
static_assert(well_formed(Pie::Properties::rows));

Pie::ProgressPie() {
    init_properties(*this, Properties::rows);
}

const InterfaceDesc kPieInterface = control_interface<Pie, I, 0x60030014>("_qdProgressPie");

}  // namespace qd::progress
