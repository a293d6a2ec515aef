// The label and the layout: SetLabelText (size, colour, caption), PlaceLabel (alignment,
// visibility, position by LabelPosition) and the resize handler.
//
// lblText lies inside picBox, so its coordinates are in picBox's scale (pixels after any draw).
// The arithmetic is checked: a fault ends the routine before the member being computed is set.
#include <cmath>
#include <string>

#include "foundation/number_text.h"
#include "foundation/numeric.h"
#include "pie/progress_pie.h"

namespace qd::progress {

namespace {

// The percentage against Max alone, floored: 2 of 3 reads 66. Max 0 raises an arithmetic error.
std::string percent_text(float value, float max) {
    const double p = std::floor(fmul(fdiv(value, max), 100.0));
    return single_to_text(to_single(p)) + "%";
}

}  // namespace

void ProgressPie::SetLabelText() {
    LabelCalls label = site().lblText();
    label.FontSize(static_cast<float>(LabelSize));
    label.ForeColor(LabelColor);
    switch (LabelType) {
        case pValueOnly:
            label.Caption(single_to_text(Value));
            break;
        case pFraction:
            label.Caption(single_to_text(Value) + "/" + single_to_text(Max));
            break;
        case pPercent:
            label.Caption(percent_text(Value, Max));
            break;
        default:
            break;  // an unknown type keeps the caption
    }
}

void ProgressPie::PlaceLabel() {
    PictureBoxCalls pic = site().picBox();
    LabelCalls label = site().lblText();
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
void ProgressPie::ResizeSteps() {
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
    DrawPie(true);
    PlaceLabel();
}

}  // namespace qd::progress
