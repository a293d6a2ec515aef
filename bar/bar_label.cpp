// The bar's label: its place (PlaceLabel). Every visible position
// centres the label vertically on the bar; only the left position keeps an inset of 3 units.
#include <cmath>
#include <string>

#include "bar/progress_bar.h"
#include "foundation/numeric.h"
#include "foundation/progress_caption.h"

namespace qd::progress {

void ProgressBar::PlaceLabel() {
    LabelCalls label = lblText();
    PictureBoxCalls pic = picBox();
    label.BackStyle(0);

    // Halves keep their fraction; each member is read at the moment it is needed.
    const auto centred_top = [&] {
        const double sch = pic.ScaleHeight();
        const double sct = pic.ScaleTop();
        const double h = label.Height();
        return to_single(fsub(fadd(fdiv(sch, 2.0), sct), fdiv(h, 2.0)));
    };

    switch (LabelPosition) {
        case bar_position::pNone:
            label.Visible(false);
            break;
        case bar_position::pLeft:
            label.Alignment(0);
            label.Visible(true);
            label.Left(to_single(fadd(pic.Left(), 3.0)));
            label.Top(centred_top());
            break;
        case bar_position::pRight: {
            label.Alignment(1);
            label.Visible(true);
            const double scw = pic.ScaleWidth();
            const double scl = pic.ScaleLeft();
            const double w = label.Width();
            label.Left(to_single(fsub(fadd(scw, scl), w)));
            label.Top(centred_top());
            break;
        }
        case bar_position::pCenter: {
            label.Alignment(2);
            label.Visible(true);
            const double scw = pic.ScaleWidth();
            const double scl = pic.ScaleLeft();
            const double w = label.Width();
            label.Left(to_single(fsub(fadd(fdiv(scw, 2.0), scl), fdiv(w, 2.0))));
            label.Top(centred_top());
            break;
        }
        default:
            break;  // an unknown position leaves the label as it is
    }
}

}  // namespace qd::progress
