// DrawBar: the bar's one drawing routine, and DrawBarBorder, which gives the surface its frame.
//
// Lengths are in the surface's own units (the bar never sets ScaleMode) and the surface's Width
// and Height are read afresh at each use. The multi-colour fills paint 100 bands over the full
// width; while Value grows only the bands new since the last pass are painted.
#include <cmath>

#include "bar/progress_bar.h"
#include "foundation/colour.h"
#include "foundation/numeric.h"
#include "foundation/random.h"

namespace qd::progress {

namespace {

constexpr double kBandCount = 100.0;

// One channel's steps per band, held in single precision: 2.55 is kept as 2.549999952316284,
// which is why a 0-to-255 gradient ends at 254.
struct ChannelSteps {
    float red, green, blue;
};

float channel_step(std::int32_t from, std::int32_t to, double bands) {
    return to_single(fdiv(sub_i32(to, from), bands));
}

ChannelSteps steps_between(OLE_COLOR from, OLE_COLOR to, double bands) {
    ChannelSteps s{};
    s.red = channel_step(GetRed(from), GetRed(to), bands);
    s.green = channel_step(GetGreen(from), GetGreen(to), bands);
    s.blue = channel_step(GetBlue(from), GetBlue(to), bands);
    return s;
}

// floor(n * step) + base; the product of two singles is exact in double. Negative values
// become 0; there is no upper limit.
double gradient_channel(std::int16_t n, float step, std::int32_t base) {
    const double v = std::floor(static_cast<double>(static_cast<float>(n)) * step) + base;
    return v < 0.0 ? 0.0 : v;
}

OLE_COLOR gradient_colour(std::int16_t n, const ChannelSteps& step, OLE_COLOR base) {
    return RGB(round_i16(gradient_channel(n, step.red, GetRed(base))),
               round_i16(gradient_channel(n, step.green, GetGreen(base))),
               round_i16(gradient_channel(n, step.blue, GetBlue(base))));
}

float random_channel() {
    return to_single(static_cast<double>(Rnd()) * 255.0);
}

}  // namespace

void ProgressBar::DrawBar(bool FullRedraw) {
    // 1. An empty, inverted or not-a-number range draws nothing and leaves the label alone.
    const float range = to_single(fsub(Max_, Min_));
    if (!(range > 0.0f))
        return;

    // 2-3. The old length is what the surface shows; the new one follows Value.
    PaintedLength = FilledLength;
    const double fraction = fdiv(fsub(Value_, Min_), fsub(Max_, Min_));
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
    picBox().FillStyle(round_i16(FillStyle_));
    picBox().DrawStyle(0);

    // 7. Fill.
    switch (FillType_) {
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
    picBox().BorderStyle(round_i16(BorderStyle_));
}

// One box from the left edge, always whole. Its outline keeps the surface's current ForeColor.
void ProgressBar::DrawSingleColor() {
    PictureBoxCalls pic = picBox();
    pic.FillColor(FillColorStart_);
    if (Value_ >= Max_) {
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

    ChannelSteps first{}, second{};
    if (FillType_ == p2ColorGradient) {
        first = steps_between(FillColorStart_, FillColorEnd_, kBandCount);
    } else if (FillType_ == p3ColorGradient) {
        first = steps_between(FillColorStart_, FillColorMid_, kBandCount / 2);
        second = steps_between(FillColorMid_, FillColorEnd_, kBandCount / 2);
    }

    const std::int16_t s = round_i16(fdiv(PaintedLength, BandWidth));
    const std::int16_t e = round_i16(fdiv(FilledLength, BandWidth));

    // The gradients skip an unchanged band index; the random fill skips only an empty bar, so a
    // small step repaints band s in a new colour.
    if (FillType_ == pRandom) {
        if (Value_ == Min_)
            return;
    } else if (s == e) {
        return;
    }

    double x1 = fmul(s, BandWidth);
    for (std::int16_t i = s; i <= e; i = add_i16(i, 1)) {
        const double x2 = fmul(i, BandWidth);

        OLE_COLOR colour = 0;
        if (FillType_ == p2ColorGradient) {
            colour = gradient_colour(i, first, FillColorStart_);
        } else if (FillType_ == p3ColorGradient) {
            // The band's left edge decides the half, so the middle colour sits mid-bar.
            const float half = to_single(fdiv(pic.Width(), 2.0));
            if (to_single(x1) < half)
                colour = gradient_colour(i, first, FillColorStart_);
            else
                colour = gradient_colour(sub_i16(i, 50), second, FillColorMid_);
        } else {
            const float red = random_channel();
            const float green = random_channel();
            const float blue = random_channel();
            colour = RGB(round_i16(red), round_i16(green), round_i16(blue));
        }

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
