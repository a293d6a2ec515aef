#include "kit/band_colours.h"

#include <cmath>

#include "foundation/numeric.h"
#include "foundation/random.h"

namespace qd {

namespace {

// One channel's change per band: a 32-bit difference divided in double, held as a single.
float channel_step(std::int32_t from, std::int32_t to, double bands) {
    return to_single(fdiv(sub_i32(to, from), bands));
}

// The channel by each checked step: the way to the fault of a value out of range.
std::int16_t checked_channel(double product, std::int32_t base) {
    const std::int32_t v = add_i32(floor_i32(product), base);
    return round_i16(v < 0 ? 0 : v);
}

// The channel without a fault, as a single band index widened (the product with the single
// step is exact); false when the checked steps must decide. Here the floor fits 32 bits and
// the sum cannot overflow (a base is within 16 bits), so only the 16-bit range is left.
inline bool fast_channel(double band, float step, std::int32_t base, std::int16_t* out) {
    const double product = band * step;
    if (!(std::fabs(product) < 1e9))
        return false;
    const auto t = static_cast<std::int32_t>(product);
    const std::int32_t v = t - (product < static_cast<double>(t) ? 1 : 0) + base;
    *out = static_cast<std::int16_t>(v < 0 ? 0 : v);
    return v <= 32767;
}

// The band's colour by the checked steps, red first: the way to the fault of a channel.
OLE_COLOR checked_colour(double band, const float* steps, const std::int32_t* bases) {
    const std::int16_t red = checked_channel(band * steps[0], bases[0]);
    const std::int16_t green = checked_channel(band * steps[1], bases[1]);
    const std::int16_t blue = checked_channel(band * steps[2], bases[2]);
    return RGB(red, green, blue);
}

std::int16_t random_channel() {
    return round_i16(to_single(static_cast<double>(Rnd()) * 255.0));
}

}  // namespace

BandColours::Half BandColours::half_between(OLE_COLOR from, OLE_COLOR to, double bands) {
    const std::int32_t red = GetRed(from), green = GetGreen(from), blue = GetBlue(from);
    return {{red, green, blue},
            {channel_step(red, GetRed(to), bands), channel_step(green, GetGreen(to), bands),
             channel_step(blue, GetBlue(to), bands)}};
}

OLE_COLOR BandColours::gradient(std::int16_t band, const Half& half) {
    const double single_band = static_cast<float>(band);
    std::int16_t red, green, blue;
    if (fast_channel(single_band, half.step[0], half.base[0], &red) &&
        fast_channel(single_band, half.step[1], half.base[1], &green) &&
        fast_channel(single_band, half.step[2], half.base[2], &blue))
        return compose_rgb(red, green, blue);
    return checked_colour(single_band, half.step, half.base);
}

BandColours BandColours::two_colour(OLE_COLOR start, OLE_COLOR end) {
    BandColours c;
    c.kind_ = Kind::TwoColour;
    c.first_ = half_between(start, end, kBandCount);
    return c;
}

BandColours BandColours::three_colour(OLE_COLOR start, OLE_COLOR mid, OLE_COLOR end) {
    BandColours c;
    c.kind_ = Kind::ThreeColour;
    c.first_ = half_between(start, mid, kHalfBandCount);
    c.second_ = half_between(mid, end, kHalfBandCount);
    return c;
}

BandColours BandColours::random() {
    return BandColours();
}

BandColours BandColours::for_fill_type(std::int32_t fill, OLE_COLOR start, OLE_COLOR mid,
                                       OLE_COLOR end) {
    if (fill == kTwoColourFill)
        return two_colour(start, end);
    if (fill == kThreeColourFill)
        return three_colour(start, mid, end);
    return random();
}

OLE_COLOR BandColours::at(std::int16_t band, bool second_half) const {
    switch (kind_) {
        case Kind::TwoColour:
            return gradient(band, first_);
        case Kind::ThreeColour:
            return second_half ? gradient(sub_i16(band, kHalfBandCount), second_)
                               : gradient(band, first_);
        case Kind::Random:
            break;
    }
    const std::int16_t red = random_channel();
    const std::int16_t green = random_channel();
    const std::int16_t blue = random_channel();
    return RGB(red, green, blue);
}

}  // namespace qd
