#include "pages/data_page_layout.h"

#include <iterator>

namespace qd::progress {

namespace {

using Kind = PageChildDesc::Kind;

// Top to bottom Max, Min, Value, each field under its label; the picture in the top-right
// corner. Positions and sizes in twips, listed in tab order.
constexpr PageChildDesc kChildren[] = {
    {"lblMax", Kind::Label, "Max:", 90, 120, 2700, 240, 0},
    {"txtMax", Kind::TextField, "", 90, 370, 2700, 330, 1},
    {"lblMin", Kind::Label, "Min:", 90, 770, 2700, 240, 2},
    {"txtMin", Kind::TextField, "", 90, 1020, 2700, 330, 3},
    {"lblValue", Kind::Label, "Value:", 90, 1420, 2700, 240, 4},
    {"txtValue", Kind::TextField, "", 90, 1670, 2700, 330, 5},
    {"Picture1", Kind::Picture, "", 5000, 100, 780, 780, 6},
};

}  // namespace

const PageLayout kDataPageLayout = {
    "Data", 5925, 3495, kChildren, std::size(kChildren), &kDataPagePicture,
};

}  // namespace qd::progress
