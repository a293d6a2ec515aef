// The bar's property table and its dispatch descriptor.
//
// A new control starts from the "new control" column; the store defaults differ on purpose:
// they are what an old store that lacks a key has always meant. BorderStyle and FillType are
// read with no default at all, so a missing key reads as Empty, 0.
#include "bar/progress_bar.h"
#include "kit/property_groups.h"

namespace qd::progress {

using I = _qdProgressBar;
using Bar = ProgressBar;

// name, dispid, type, field, new control, store default, key, write rank, dispatch adapters;
// a group of rows (kit/property_groups.h) is one line.
constexpr PropertyRow<Bar> Bar::Properties::rows[13] = {
    QD_RANGE_ROWS(Bar, I),
    {"BorderStyle", 0x68030003, kBorderStyle, &Bar::BorderStyle, p3D, kNoStoredDefault,
     "BorderStyle", 3, QD_PUT_GET(I, BorderStyle)},
    {"FillType", 0x68030004, kFillType, &Bar::FillType, p3ColorGradient, kNoStoredDefault,
     "FillType", 4, QD_PUT_GET(I, FillType)},
    QD_GRADIENT_ROWS(Bar, I, 0x68030005, 5),
    {"FillStyle", 0x68030008, kFillStyle, &Bar::FillStyle, fill_style::Solid, as_int32(0),
     "FillStyle", 8, QD_PUT_GET(I, FillStyle)},
    QD_LABEL_ROWS(Bar, I, 0x68030009, 9, kBarLabelPosition, bar_position::pCenter,
                  bar_position::pCenter, 10),
};
static_assert(well_formed(Bar::Properties::rows));

Bar::ProgressBar() {
    init_properties(*this, Properties::rows);
}

const InterfaceDesc kBarInterface = control_interface<Bar, I, 0x60030011>("_qdProgressBar");

}  // namespace qd::progress
