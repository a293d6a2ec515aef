// DrawPie and DrawPieBorder: the pie's drawing routine, step by step.
//
// The sector grows counter-clockwise from 3 o'clock to FilledAngle = pi * f, f being the
// position of Value in the range times 2, held in single precision. A full pass clears the
// surface, draws the border and paints from angle 0; an incremental pass paints over what the
// surface shows (whole sector for one colour, new bands only for the band fills). Values handed
// to Circle are singles.
#include "foundation/numeric.h"
#include "kit/band_colours.h"
#include "pie/progress_pie.h"

namespace qd::progress {

namespace {

float single(double v) {
    return to_single(v);
}

}  // namespace

void ProgressPie::DrawPie(bool FullRedraw) {
    // 1. An empty, inverted or NaN range draws nothing and changes nothing.
    const float range = to_single(fsub(Max, Min));
    if (!(range > 0))
        return;
    PictureBoxCalls pic = picBox();

    // 2, 3. The old angle is what the surface shows; the new one follows Value.
    PaintedAngle = FilledAngle;
    const float f = to_single(fdiv(fmul(2.0, fsub(Value, Min)), fsub(Max, Min)));
    FilledAngle = fmul(host_pi(), f);

    // 4-7. Pixels; centre, the surface's aspect and the radius along the longer axis.
    pic.ScaleMode(3);
    const std::int32_t cx = round_i32(fdiv(pic.ScaleWidth(), 2.0));
    const std::int32_t cy = round_i32(fdiv(pic.ScaleHeight(), 2.0));
    Aspect = to_single(fdiv(cy, cx));
    const std::int32_t r = sub_i32(cx > cy ? cx : cy, 6);

    // 8, 9. A shrinking sector cannot be painted over: start again from a clear surface.
    if (FilledAngle < PaintedAngle)
        FullRedraw = true;
    if (FullRedraw) {
        pic.Cls();
        DrawPieBorder(cx, cy, r);
        PaintedAngle = 0;
    }

    // 10. The pie's sectors have no outline.
    pic.FillStyle(round_i16(FillStyle));
    pic.DrawStyle(5);

    // 11. The fill.
    switch (FillType) {
        case pSingleColor:
            pic.FillColor(FillColorStart);
            if (Value >= Max) {
                pic.Circle(single(cx), single(cy), single(r), OptionalSingle::none(),
                           OptionalSingle::none(), OptionalSingle::of(Aspect));
            } else {
                // Negative angles draw both radii, which makes the arc a filled sector.
                pic.Circle(single(cx), single(cy), single(r),
                           OptionalSingle::of(to_single(-kBandStartOffset)),
                           OptionalSingle::of(single(-FilledAngle)), OptionalSingle::of(Aspect));
            }
            break;
        case p2ColorGradient:
        case p3ColorGradient:
        case pRandom:
            DrawBands(cx, cy, r);
            break;
        default:
            break;
    }

    // 12. The caption follows the new Value; placing the label is left to its callers.
    SetLabelText();
}

void ProgressPie::DrawPieBorder(std::int32_t cx, std::int32_t cy, std::int32_t r) {
    if (BorderShow == VARIANT_FALSE)
        return;
    PictureBoxCalls pic = picBox();
    const std::int16_t w = round_i16(BorderWidth);
    pic.DrawWidth(w != 0 ? w : std::int16_t{1});
    pic.DrawStyle(0);
    pic.FillStyle(1);
    pic.ForeColor(BorderColor);
    pic.DrawMode(13);
    pic.Circle(single(cx), single(cy), single(add_i32(r, 1)), OptionalSingle::none(),
               OptionalSingle::none(), OptionalSingle::of(Aspect));
}

}  // namespace qd::progress
