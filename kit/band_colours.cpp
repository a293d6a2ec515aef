#include "kit/band_colours.h"

#include "foundation/numeric.h"
#include "foundation/random.h"

namespace qd {

namespace {

// One channel's change per band: a 32-bit difference divided in double, held as a single.
float channel_step(std::int32_t from, std::int32_t to, double bands) {
    return to_single(fdiv(sub_i32(to, from), bands));
}

std::int16_t gradient_channel(std::int16_t band, float step, std::int32_t base) {
    const double product = static_cast<double>(static_cast<float>(band)) * step;
    const std::int32_t v = add_i32(floor_i32(product), base);
    return round_i16(v < 0 ? 0 : v);
}

std::int16_t random_channel() {
    return round_i16(to_single(static_cast<double>(Rnd()) * 255.0));
}

}  // namespace

BandColours::Steps BandColours::steps_between(OLE_COLOR from, OLE_COLOR to, double bands) {
    return {channel_step(GetRed(from), GetRed(to), bands),
            channel_step(GetGreen(from), GetGreen(to), bands),
            channel_step(GetBlue(from), GetBlue(to), bands)};
}

OLE_COLOR BandColours::gradient(std::int16_t band, const Steps& steps, OLE_COLOR base) {
    const std::int16_t red = gradient_channel(band, steps.red, GetRed(base));
    const std::int16_t green = gradient_channel(band, steps.green, GetGreen(base));
    const std::int16_t blue = gradient_channel(band, steps.blue, GetBlue(base));
    return RGB(red, green, blue);
}

BandColours BandColours::two_colour(OLE_COLOR start, OLE_COLOR end) {
    BandColours c;
    c.kind_ = Kind::TwoColour;
    c.first_base_ = start;
    c.first_ = steps_between(start, end, kBandCount);
    return c;
}

BandColours BandColours::three_colour(OLE_COLOR start, OLE_COLOR mid, OLE_COLOR end) {
    BandColours c;
    c.kind_ = Kind::ThreeColour;
    c.first_base_ = start;
    c.second_base_ = mid;
    c.first_ = steps_between(start, mid, kHalfBandCount);
    c.second_ = steps_between(mid, end, kHalfBandCount);
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
            return gradient(band, first_, first_base_);
        case Kind::ThreeColour:
            return second_half ? gradient(sub_i16(band, kHalfBandCount), second_, second_base_)
                               : gradient(band, first_, first_base_);
        case Kind::Random:
            break;
    }
    const std::int16_t red = random_channel();
    const std::int16_t green = random_channel();
    const std::int16_t blue = random_channel();
    return RGB(red, green, blue);
}

}  // namespace qd
