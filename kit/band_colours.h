// The colours of the band fills: a two- or three-colour gradient over 100 bands, or a random
// colour per band. The pie, the bar and the single pie all colour their bands here.
//
// A gradient's change per band is held per channel in single precision, so 2.55 is kept as
// 2.549999952316284 and a 0-to-255 gradient ends at 254. Band n of a gradient from `base` is
// base + floor(n x step) per channel, no lower than 0, rounded half-even to 16 bits; the
// product of the single n and the single step is exact in double, so it is floored unrounded.
#pragma once

#include <cstdint>

#include "foundation/colour.h"

namespace qd {

// Bands in a full sweep: the pie's full turn, the bar's full width.
inline constexpr int kBandCount = 100;
// A three-colour gradient turns at the middle colour after this many bands.
inline constexpr int kHalfBandCount = kBandCount / 2;
// A pie band's sector starts this far (radians) past its start angle.
inline constexpr double kBandStartOffset = 0.0001;
// Every pie band but the last reaches this far (radians) under the band painted after it, so
// neighbouring bands leave no gap.
inline constexpr double kBandOverlap = 0.05;

// The fill types with bands, numbered alike by both libraries' FillType enumerations.
inline constexpr std::int32_t kTwoColourFill = 1;
inline constexpr std::int32_t kThreeColourFill = 2;

class BandColours {
  public:
    // From `start` at band 0 to `end` over all bands.
    static BandColours two_colour(OLE_COLOR start, OLE_COLOR end);
    // From `start` to `mid` over the first half, from `mid` to `end` over the second.
    static BandColours three_colour(OLE_COLOR start, OLE_COLOR mid, OLE_COLOR end);
    // A fresh colour from the runtime's random generator at every band (red, green, blue).
    static BandColours random();

    // The colours of a fill type: a two-colour gradient from start to end, a three-colour one
    // through mid, or (any other type) random colours.
    static BandColours for_fill_type(std::int32_t fill, OLE_COLOR start, OLE_COLOR mid,
                                     OLE_COLOR end);

    // The colour of band `band`. `second_half` picks the second half of a three-colour
    // gradient (the caller decides where the middle lies), whose bands count from 50.
    OLE_COLOR at(std::int16_t band, bool second_half) const;

  private:
    // One run of a gradient: its base colour's channels and the change per band, red, green,
    // blue, both worked out once per gradient.
    struct Half {
        std::int32_t base[3];
        float step[3];
    };
    enum class Kind { TwoColour, ThreeColour, Random };

    static Half half_between(OLE_COLOR from, OLE_COLOR to, double bands);
    static OLE_COLOR gradient(std::int16_t band, const Half& half);

    Kind kind_ = Kind::Random;
    Half first_{};
    Half second_{};
};

}  // namespace qd
