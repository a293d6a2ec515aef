// Where a label stands against the picture box it lies in, in picBox's scale: the right and
// bottom edges it touches and the centre it stands on, for the pies' and the bar's placing.
//
// Each reads what it needs at the moment it is computed, in reading order (the scale's
// extent, its origin, then the label's own size), with checked arithmetic: a fault ends the
// placing before the member being computed is set.
#pragma once

#include <cstdint>

#include "foundation/numeric.h"
#include "platform/host_calls.h"

namespace qd {

// The label's left when its right side touches picBox's right edge.
inline float right_edge(PictureBoxCalls& pic, LabelCalls& label) {
    const double sw = pic.ScaleWidth();
    const double sl = pic.ScaleLeft();
    const double w = label.Width();
    return to_single(fsub(fadd(sw, sl), w));
}

// The label's top when its bottom touches picBox's bottom edge.
inline float bottom_edge(PictureBoxCalls& pic, LabelCalls& label) {
    const double sh = pic.ScaleHeight();
    const double st = pic.ScaleTop();
    const double h = label.Height();
    return to_single(fsub(fadd(sh, st), h));
}

// The label's left and top when it is centred across and down; halves keep their fraction.
inline float centred_left(PictureBoxCalls& pic, LabelCalls& label) {
    const double sw = pic.ScaleWidth();
    const double sl = pic.ScaleLeft();
    const double w = label.Width();
    return to_single(fsub(fadd(fdiv(sw, 2.0), sl), fdiv(w, 2.0)));
}
inline float centred_top(PictureBoxCalls& pic, LabelCalls& label) {
    const double sh = pic.ScaleHeight();
    const double st = pic.ScaleTop();
    const double h = label.Height();
    return to_single(fsub(fadd(fdiv(sh, 2.0), st), fdiv(h, 2.0)));
}

// Shows the label, its text aligned 0 left, 1 right or 2 centred.
inline void show_aligned(LabelCalls& label, std::int32_t alignment) {
    label.Alignment(alignment);
    label.Visible(true);
}

}  // namespace qd
