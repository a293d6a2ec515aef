#include "kit/pie_label.h"

#include "foundation/numeric.h"
#include "kit/label_edges.h"

namespace qd {

void place_pie_label(PictureBoxCalls pic, LabelCalls label, std::int32_t position) {
    label.BackStyle(0);

    switch (position) {
        case kLabelHidden:
            label.Visible(false);
            break;
        case kLabelUpLeft:
            show_aligned(label, 0);
            label.Left(to_single(fadd(pic.Left(), 3)));
            label.Top(to_single(fadd(pic.Top(), 3)));
            break;
        case kLabelUpRight:
            show_aligned(label, 1);
            label.Left(right_edge(pic, label));
            label.Top(to_single(fadd(pic.ScaleTop(), 3)));
            break;
        case kLabelLowLeft:
            show_aligned(label, 0);
            label.Left(to_single(fadd(pic.ScaleLeft(), 3)));
            label.Top(bottom_edge(pic, label));
            break;
        case kLabelLowRight:
            show_aligned(label, 1);
            label.Left(right_edge(pic, label));
            label.Top(bottom_edge(pic, label));
            break;
        case kLabelCentred:
            show_aligned(label, 2);
            label.Left(centred_left(pic, label));
            label.Top(centred_top(pic, label));
            break;
        default:
            break;  // an unknown position only makes the label transparent
    }
}

}  // namespace qd
