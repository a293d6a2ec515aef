// The label and the layout: PlaceLabel (alignment,
// visibility, position by LabelPosition) and the resize handler.
//
// lblText lies inside picBox, so its coordinates are in picBox's scale (pixels after any draw).
// The arithmetic is checked: a fault ends the routine before the member being computed is set.
#include <cmath>
#include <string>

#include "foundation/numeric.h"
#include "foundation/progress_caption.h"
#include "pie/progress_pie.h"

namespace qd::progress {

void ProgressPie::PlaceLabel() {
    PictureBoxCalls pic = picBox();
    LabelCalls label = lblText();
    label.BackStyle(0);

    // Each coordinate reads what it needs at the moment it is computed, in reading order.
    const auto right_edge = [&] {
        const double sw = pic.ScaleWidth();
        const double sl = pic.ScaleLeft();
        const double w = label.Width();
        return to_single(fsub(fadd(sw, sl), w));
    };
    const auto bottom_edge = [&] {
        const double sh = pic.ScaleHeight();
        const double st = pic.ScaleTop();
        const double h = label.Height();
        return to_single(fsub(fadd(sh, st), h));
    };

    switch (LabelPosition) {
        case pNone:
            label.Visible(false);
            break;
        case pUpLeft:
            label.Alignment(0);
            label.Visible(true);
            label.Left(to_single(fadd(pic.Left(), 3)));
            label.Top(to_single(fadd(pic.Top(), 3)));
            break;
        case pUpRight:
            label.Alignment(1);
            label.Visible(true);
            label.Left(right_edge());
            label.Top(to_single(fadd(pic.ScaleTop(), 3)));
            break;
        case pLowLeft:
            label.Alignment(0);
            label.Visible(true);
            label.Left(to_single(fadd(pic.ScaleLeft(), 3)));
            label.Top(bottom_edge());
            break;
        case pLowRight:
            label.Alignment(1);
            label.Visible(true);
            label.Left(right_edge());
            label.Top(bottom_edge());
            break;
        case pCenter: {
            label.Alignment(2);
            label.Visible(true);
            const double sw = pic.ScaleWidth();
            const double sl = pic.ScaleLeft();
            const double w = label.Width();
            label.Left(to_single(fsub(fadd(fdiv(sw, 2), sl), fdiv(w, 2))));
            const double sh = pic.ScaleHeight();
            const double st = pic.ScaleTop();
            const double h = label.Height();
            label.Top(to_single(fsub(fadd(fdiv(sh, 2), st), fdiv(h, 2))));
            break;
        }
        default:
            break;  // an unknown position only makes the label transparent
    }
}

// Keeps the control at least 500 twips each way (a smaller side becomes 600), stretches picBox
// over it, draws in full and places the label.
void ProgressPie::OnResize() {
    ControlSiteCalls& control = site();
    if (control.Width() < 500)
        control.Width(600);
    if (control.Height() < 500)
        control.Height(600);
    PictureBoxCalls pic = control.picBox();
    pic.Top(0);
    pic.Left(0);
    pic.Width(control.Width());
    pic.Height(control.Height());
    Redraw(true);
    PlaceLabel();
}

}  // namespace qd::progress
