// The band fills (two-colour gradient, three-colour gradient, random colours): the filled
// sector painted as a run of narrow sectors of 2 pi / 100 each, only the bands that are new
// since the last pass.
//
// Band i ends at i * beta. Every band but the last reaches 0.05 radians further, under the band
// painted after it, so neighbouring bands leave no gap; the first band of a run is a sliver
// that the next one covers. Indices are 16-bit, increments singles, colour values whole numbers
// rounded half-even to 16 bits.
#include <array>

#include "foundation/colour.h"
#include "foundation/numeric.h"
#include "foundation/random.h"
#include "pie/progress_pie.h"

namespace qd::progress {

namespace {

using Channels = std::array<std::int32_t, 3>;  // red, green, blue
using Increments = std::array<float, 3>;

Channels channels(OLE_COLOR c) {
    return {GetRed(c), GetGreen(c), GetBlue(c)};
}

// (to - from) / steps per channel: a 32-bit difference divided in double, held as a single.
Increments increments(const Channels& from, const Channels& to, double steps) {
    Increments d{};
    for (std::size_t k = 0; k < 3; ++k)
        d[k] = to_single(fdiv(sub_i32(to[k], from[k]), steps));
    return d;
}

// floor(step * increment) + base, raised to 0 when negative; the product of two singles is
// exact in double.
double gradient_value(std::int16_t step, float increment, std::int32_t base) {
    const double product = static_cast<double>(static_cast<float>(step)) * increment;
    const std::int32_t v = add_i32(floor_i32(product), base);
    return v < 0 ? 0.0 : v;
}

}  // namespace

void ProgressPie::DrawBands(std::int32_t cx, std::int32_t cy, std::int32_t r) {
    PictureBoxCalls pic = site().picBox();
    const double pi = host_pi();
    const double two_pi = fmul(2.0, pi);
    const double beta = fdiv(two_pi, 100.0);

    const std::int16_t s = round_i16(fdiv(PaintedAngle, beta));
    const std::int16_t e = round_i16(fdiv(FilledAngle, beta));
    double a = fadd(fmul(s, beta), 0.0001);
    // Most Value updates add no band: stop before working out the colours.
    if (s == e)
        return;

    const Channels start = channels(FillColorStart);
    const Channels mid = channels(FillColorMid);
    const Channels end = channels(FillColorEnd);
    Increments delta{}, delta1{}, delta2{};
    if (FillType == p2ColorGradient) {
        delta = increments(start, end, 100.0);
    } else if (FillType == p3ColorGradient) {
        delta1 = increments(start, mid, 50.0);
        delta2 = increments(mid, end, 50.0);
    }

    // A counted loop whose step is itself 16-bit arithmetic, checked like every other.
    for (std::int16_t i = s; i <= e; i = add_i16(i, 1)) {
        double b = fmul(i, beta);
        if (i != e)
            b = fadd(b, 0.05);

        std::array<double, 3> value{};
        for (std::size_t k = 0; k < 3; ++k) {
            if (FillType == p2ColorGradient) {
                value[k] = gradient_value(i, delta[k], start[k]);
            } else if (FillType == p3ColorGradient) {
                value[k] = a < pi ? gradient_value(i, delta1[k], start[k])
                                  : gradient_value(sub_i16(i, 50), delta2[k], mid[k]);
            } else {
                value[k] = to_single(static_cast<double>(Rnd()) * 255.0);
            }
        }
        pic.FillColor(RGB(round_i16(value[0]), round_i16(value[1]), round_i16(value[2])));

        if (b > two_pi)
            b = fsub(b, two_pi);
        pic.Circle(to_single(cx), to_single(cy), to_single(r), OptionalSingle::of(to_single(-a)),
                   OptionalSingle::of(to_single(-b)), OptionalSingle::of(Aspect));
        a = fadd(fmul(i, beta), 0.0001);
    }
}

}  // namespace qd::progress
