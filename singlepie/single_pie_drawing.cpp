// The single pie's drawing routines: the pass that paints border and fill, the label's place,
// and the resize handler that keeps the control square.
#include "foundation/colour.h"
#include "foundation/numeric.h"
#include "kit/band_colours.h"
#include "kit/pie_label.h"
#include "singlepie/single_pie.h"

namespace qd::single {

namespace {

OptionalSingle angle(double radians) {
    return OptionalSingle::of(to_single(radians));
}

}  // namespace

// One pass. It turns into a full one when the sector shrank, since painting over the old
// picture cannot take a sector back.
void SinglePie::DrawPie(bool FullRedraw) {
    const double pi = host_pi();
    const float range = to_single(fsub(Max, Min));
    if (!(range > 0))
        return;  // an empty range draws nothing and leaves the label alone

    PaintedAngle = FilledAngle;
    const float s = to_single(fdiv(fmul(2.0, fsub(Value, Min)), fsub(Max, Min)));
    FilledAngle = fmul(pi, s);

    PictureBoxCalls pic = picBox();
    pic.ScaleMode(3);
    const std::int32_t cx = round_i32(pic.ScaleWidth() / 2.0);
    const std::int32_t cy = round_i32(pic.ScaleHeight() / 2.0);
    const std::int32_t r = cy < cx ? sub_i32(cy, 6) : sub_i32(cx, 6);

    if (FilledAngle < PaintedAngle)
        FullRedraw = true;
    if (FullRedraw) {
        pic.Cls();
        DrawPieBorder(cx, cy, r);
    }

    pic.FillStyle(round_i16(FillStyle));
    pic.DrawStyle(5);  // invisible line: no sector gets an outline

    const auto none = OptionalSingle::none();
    switch (FillType) {
        case ppSingleColor:
            pic.FillColor(StartColor);
            if (Value >= Max)
                pic.Circle(cx, cy, r, none, none, none);
            else
                pic.Circle(cx, cy, r, angle(-kBandStartOffset), angle(-FilledAngle), none);
            break;
        case ppGradient:
            DrawGradient(cx, cy, r, pi);
            break;
        default:
            break;  // no fill for a kind this control does not know
    }

    SetLabelText();
}

// The whole sweep from angle 0 on every pass. The colours are tied to the full circle: band i
// gets StartColor + floor(i x d) per channel, so a partly filled pie shows only the first part
// of the sweep. Bands overlap and later ones paint over earlier ones, leaving no gaps.
void SinglePie::DrawGradient(std::int32_t cx, std::int32_t cy, std::int32_t r, double pi) {
    const double twoPi = pi * 2;
    const double GradientStep = twoPi / kBandCount;
    const std::int16_t BandCount = round_i16(fdiv(FilledAngle, GradientStep));
    if (Value == Min)
        return;

    PictureBoxCalls pic = picBox();
    const BandColours colours = BandColours::two_colour(StartColor, EndColor);
    double start = kBandStartOffset;
    for (std::int16_t i = 0; i <= BandCount; i = add_i16(i, 1)) {
        double end = i * GradientStep;
        if (i < BandCount)
            end += kBandOverlap;
        pic.FillColor(colours.at(i, false));
        if (end > twoPi)
            end -= twoPi;  // the last band of a full circle closes at 3 o'clock
        pic.Circle(cx, cy, r, angle(-start), angle(-end), OptionalSingle::none());
        start = i * GradientStep + kBandStartOffset;
    }
}

// A circle one pixel outside the fill, drawn before the fill; the pen settings stay on the
// surface for the fill that follows.
void SinglePie::DrawPieBorder(std::int32_t cx, std::int32_t cy, std::int32_t r) {
    if (BorderShow == VARIANT_FALSE)
        return;
    PictureBoxCalls pic = picBox();
    const std::int16_t w = round_i16(BorderWidth);
    pic.DrawWidth(w != 0 ? w : 1);
    pic.DrawStyle(0);
    pic.FillStyle(1);
    pic.ForeColor(BorderColor);
    pic.DrawMode(13);
    const auto none = OptionalSingle::none();
    pic.Circle(cx, cy, add_i32(r, 1), none, none, none);
}

void SinglePie::PlaceLabel() {
    place_pie_label(picBox(), lblText(), LabelPosition);
}

// Square with the shorter side; below 50 the control only grows to 50 x 50 and this run draws
// nothing.
void SinglePie::OnResize() {
    ControlSiteCalls& self = site();
    const float height = self.Height();
    const float width = self.Width();
    if (width > height)
        self.Width(height);
    else
        self.Height(width);
    if (self.Width() < 50) {
        self.Width(50);
        self.Height(50);
        return;
    }
    ControlRules::cover_and_redraw(*this);
}

}  // namespace qd::single
