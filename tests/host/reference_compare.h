// Comparison of a drawn view with its reference picture under ref/.
//
// A case compares its view with ref/<name>.png, allowing a small difference per channel; on a
// mismatch it writes <name>_actual.png and <name>_diff.png (differing pixels in magenta over a
// dimmed copy) into the build folder. Run with QD_UPDATE_REFERENCES=1 to write the references
// afresh, then look at each one before keeping it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "host/raster/png_io.h"

namespace qd::host::test {

inline constexpr int kTolerance = 3;

inline int channel_difference(std::uint32_t a, std::uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        worst = std::max(worst, std::abs(d));
    }
    return worst;
}

inline void expect_matches_reference(const std::string& name, const Image& actual) {
    const std::string ref = std::string(QD_RASTER_REF_DIR) + "/" + name + ".png";
    const std::string out = std::string(QD_RASTER_OUT_DIR) + "/" + name;
    if (std::getenv("QD_UPDATE_REFERENCES")) {
        std::string error;
        ASSERT_TRUE(write_png(ref, actual, &error)) << error;
        return;
    }
    Image expected;
    std::string error;
    ASSERT_TRUE(read_png(ref, &expected, &error)) << error;
    ASSERT_EQ(expected.width, actual.width) << name;
    ASSERT_EQ(expected.height, actual.height) << name;
    Image diff(actual.width, actual.height, 0);
    int bad = 0;
    for (std::size_t i = 0; i < actual.pixels.size(); ++i) {
        const bool differs = channel_difference(actual.pixels[i], expected.pixels[i]) > kTolerance;
        bad += differs;
        diff.pixels[i] = differs ? 0xFF00FFu : (actual.pixels[i] >> 2) & 0x3F3F3Fu;
    }
    if (bad > 0) {
        write_png(out + "_actual.png", actual);
        write_png(out + "_diff.png", diff);
    }
    EXPECT_EQ(bad, 0) << name << ": see " << out << "_diff.png";
}

}  // namespace qd::host::test
