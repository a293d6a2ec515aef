// The bar's label: its place (PlaceLabel). Every visible position
// centres the label vertically on the bar; only the left position keeps an inset of 3 units.
#include "bar/progress_bar.h"
#include "foundation/numeric.h"
#include "kit/label_edges.h"

namespace qd::progress {

void ProgressBar::PlaceLabel() {
    LabelCalls label = lblText();
    PictureBoxCalls pic = picBox();
    label.BackStyle(0);

    switch (LabelPosition) {
        case bar_position::pNone:
            label.Visible(false);
            break;
        case bar_position::pLeft:
            show_aligned(label, 0);
            label.Left(to_single(fadd(pic.Left(), 3.0)));
            label.Top(centred_top(pic, label));
            break;
        case bar_position::pRight:
            show_aligned(label, 1);
            label.Left(right_edge(pic, label));
            label.Top(centred_top(pic, label));
            break;
        case bar_position::pCenter:
            show_aligned(label, 2);
            label.Left(centred_left(pic, label));
            label.Top(centred_top(pic, label));
            break;
        default:
            break;  // an unknown position leaves the label as it is
    }
}

}  // namespace qd::progress
