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
