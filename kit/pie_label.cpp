#include "kit/pie_label.h"

#include "foundation/numeric.h"

namespace qd {

namespace {

void place_centred(PictureBoxCalls& pic, LabelCalls& label) {
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
}

}  // namespace

void place_pie_label(PictureBoxCalls pic, LabelCalls label, std::int32_t position) {
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

    switch (position) {
        case kLabelHidden:
            label.Visible(false);
            break;
        case kLabelUpLeft:
            label.Alignment(0);
            label.Visible(true);
            label.Left(to_single(fadd(pic.Left(), 3)));
            label.Top(to_single(fadd(pic.Top(), 3)));
            break;
        case kLabelUpRight:
            label.Alignment(1);
            label.Visible(true);
            label.Left(right_edge());
            label.Top(to_single(fadd(pic.ScaleTop(), 3)));
            break;
        case kLabelLowLeft:
            label.Alignment(0);
            label.Visible(true);
            label.Left(to_single(fadd(pic.ScaleLeft(), 3)));
            label.Top(bottom_edge());
            break;
        case kLabelLowRight:
            label.Alignment(1);
            label.Visible(true);
            label.Left(right_edge());
            label.Top(bottom_edge());
            break;
        case kLabelCentred:
            place_centred(pic, label);
            break;
        default:
            break;  // an unknown position only makes the label transparent
    }
}

}  // namespace qd
