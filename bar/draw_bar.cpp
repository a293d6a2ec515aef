// DrawBar: the bar's one drawing routine, and DrawBarBorder, which gives the surface its frame.
//
// Lengths are in the surface's own units (the bar never sets ScaleMode) and the surface's Width
// and Height are read afresh at each use. The multi-colour fills paint 100 bands over the full
// width; while Value grows only the bands new since the last pass are painted.
#include "bar/progress_bar.h"
#include "foundation/colour.h"
#include "foundation/numeric.h"
#include "kit/band_colours.h"

namespace qd::progress {

void ProgressBar::DrawBar(bool FullRedraw) {
    // 1. An empty, inverted or not-a-number range draws nothing and leaves the label alone.
    const float range = to_single(fsub(Max, Min));
    if (!(range > 0.0f))
        return;

    // 2-3. The old length is what the surface shows; the new one follows Value.
    PaintedLength = FilledLength;
    const double fraction = fdiv(fsub(Value, Min), fsub(Max, Min));
    FilledLength = fmul(fraction, picBox().Width());

    // 4-5. A shorter bar cannot be painted over: clear and repaint from the left edge.
    if (FilledLength < PaintedLength)
        FullRedraw = true;
    if (FullRedraw) {
        picBox().Cls();
        DrawBarBorder();
        PaintedLength = 0.0;
    }

    // 6. Fill attributes.
    picBox().FillStyle(round_i16(FillStyle));
    picBox().DrawStyle(0);

    // 7. Fill.
    switch (FillType) {
        case pSingleColor:
            DrawSingleColor();
            break;
        case p2ColorGradient:
        case p3ColorGradient:
        case pRandom:
            DrawBands();
            break;
        default:
            break;
    }

    // 8. Label text.
    SetLabelText();
}

void ProgressBar::DrawBarBorder() {
    picBox().BorderStyle(round_i16(BorderStyle));
}

// One box from the left edge, always whole. Its outline keeps the surface's current ForeColor.
void ProgressBar::DrawSingleColor() {
    PictureBoxCalls pic = picBox();
    pic.FillColor(FillColorStart);
    if (Value >= Max) {
        const float width = pic.Width();
        pic.Line(0.0f, 0.0f, width, pic.Height());
    } else {
        const float length = to_single(FilledLength);
        pic.Line(0.0f, 0.0f, length, pic.Height());
    }
}

// The bands from s (the painted end) to e (the filled end), both rounded to whole bands. The
// first band of a run is a box of zero width at s * BandWidth.
void ProgressBar::DrawBands() {
    PictureBoxCalls pic = picBox();
    const double BandWidth = fdiv(pic.Width(), kBandCount);

    const BandColours colours =
        BandColours::for_fill_type(FillType, FillColorStart, FillColorMid, FillColorEnd);

    const std::int16_t s = round_i16(fdiv(PaintedLength, BandWidth));
    const std::int16_t e = round_i16(fdiv(FilledLength, BandWidth));

    // The gradients skip an unchanged band index; the random fill skips only an empty bar, so a
    // small step repaints band s in a new colour.
    if (FillType == pRandom) {
        if (Value == Min)
            return;
    } else if (s == e) {
        return;
    }

    double x1 = fmul(s, BandWidth);
    for (std::int16_t i = s; i <= e; i = add_i16(i, 1)) {
        const double x2 = fmul(i, BandWidth);

        // The band's left edge decides the half, so the middle colour sits mid-bar.
        bool second_half = false;
        if (FillType == p3ColorGradient)
            second_half = !(to_single(x1) < to_single(fdiv(pic.Width(), 2.0)));
        const OLE_COLOR colour = colours.at(i, second_half);

        pic.DrawStyle(0);
        pic.ForeColor(colour);
        pic.FillColor(colour);
        const float left = to_single(x1);
        const float right = to_single(x2);
        pic.Line(left, 0.0f, right, pic.Height());
        x1 = x2;
    }
}

}  // namespace qd::progress
