// The band fills (two-colour gradient, three-colour gradient, random colours): the filled
// sector painted as a run of narrow sectors of 2 pi / 100 each, only the bands that are new
// since the last pass.
//
// Band i ends at i * beta. Every band but the last reaches kBandOverlap further, under the band
// painted after it, so neighbouring bands leave no gap; the first band of a run is a sliver
// that the next one covers. Indices are 16-bit, as the counted loop's own arithmetic.
#include "foundation/numeric.h"
#include "kit/band_colours.h"
#include "pie/progress_pie.h"

namespace qd::progress {

void ProgressPie::DrawBands(std::int32_t cx, std::int32_t cy, std::int32_t r) {
    PictureBoxCalls pic = picBox();
    const double pi = host_pi();
    const double two_pi = fmul(2.0, pi);
    const double beta = fdiv(two_pi, kBandCount);

    const std::int16_t s = round_i16(fdiv(PaintedAngle, beta));
    const std::int16_t e = round_i16(fdiv(FilledAngle, beta));
    double a = fadd(fmul(s, beta), kBandStartOffset);
    // Most Value updates add no band: stop before working out the colours.
    if (s == e)
        return;

    const BandColours colours =
        BandColours::for_fill_type(FillType, FillColorStart, FillColorMid, FillColorEnd);
    for (std::int16_t i = s; i <= e; i = add_i16(i, 1)) {
        double b = fmul(i, beta);
        if (i != e)
            b = fadd(b, kBandOverlap);

        // The band's start angle decides the half, so the middle colour sits at 9 o'clock.
        pic.FillColor(colours.at(i, !(a < pi)));

        if (b > two_pi)
            b = fsub(b, two_pi);
        pic.Circle(to_single(cx), to_single(cy), to_single(r), OptionalSingle::of(to_single(-a)),
                   OptionalSingle::of(to_single(-b)), OptionalSingle::of(Aspect));
        a = fadd(fmul(i, beta), kBandStartOffset);
    }
}

}  // namespace qd::progress
