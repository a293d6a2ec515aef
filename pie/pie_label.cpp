// The label's place and the resize handler.
#include "kit/pie_label.h"
#include "pie/progress_pie.h"

namespace qd::progress {

void ProgressPie::PlaceLabel() {
    place_pie_label(picBox(), lblText(), LabelPosition);
}

// Keeps the control at least 500 twips each way (a smaller side becomes 600), stretches picBox
// over it, draws in full and places the label.
void ProgressPie::OnResize() {
    ControlRules::grow_small_sides(site(), 500.0f, 600.0f);
    ControlRules::cover_and_redraw(*this);
}

}  // namespace qd::progress
