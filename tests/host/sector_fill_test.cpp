// The span-based ellipse and sector fills against a per-pixel reference, and their invariants.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "raster_fixture.h"

namespace qd::host::test {
namespace {

// Differences from the reference are allowed only on its boundary: a pixel whose reference
// neighbourhood holds both inside and outside pixels.
int mismatches_off_boundary(const Image& image, double cx, double cy, double a, double b,
                            double start, double end) {
    int bad = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool want = reference_inside(x, y, cx, cy, a, b, start, end);
            if ((image.at(x, y) == kRed) == want)
                continue;
            bool boundary = false;
            for (int oy = -1; oy <= 1 && !boundary; ++oy)
                for (int ox = -1; ox <= 1 && !boundary; ++ox)
                    boundary = reference_inside(x + ox, y + oy, cx, cy, a, b, start, end) != want;
            bad += !boundary;
        }
    }
    return bad;
}

TEST(SectorFill, MatchesPerPixelReferenceOnRandomFigures) {
    std::mt19937 rng(20261208);
    std::uniform_real_distribution<float> coord(10.0f, 110.0f), radius(0.0f, 80.0f),
        angle(0.0f, 6.2831f), ratio(0.2f, 3.0f);
    for (int trial = 0; trial < 300; ++trial) {
        auto box = pixel_box(120, 120);
        const float cx = coord(rng), cy = coord(rng), r = radius(rng), aspect = ratio(rng);
        const float s = angle(rng), e = angle(rng);
        ASSERT_EQ(sector(box.get(), cx, cy, r, -s, -e, aspect), S_OK);
        const double a = aspect <= 1 ? r : r / aspect, b = aspect <= 1 ? r * aspect : r;
        EXPECT_EQ(mismatches_off_boundary(box->picture(), cx, cy, a, b, s, e), 0)
            << "centre " << cx << "," << cy << " r " << r << " aspect " << aspect << " from " << s
            << " to " << e;
    }
}

TEST(SectorFill, HundredBandsTileTheEllipseAndSectorPlusComplementIsWhole) {
    const double beta = 2 * kPi / 100;
    for (float aspect : {1.0f, 0.5f, 1.7f}) {
        auto whole = pixel_box(201, 161);
        ASSERT_EQ(ellipse(whole.get(), 100, 80, 75, aspect), S_OK);
        const int area = count_pixels(whole->picture(), kRed);
        ASSERT_GT(area, 1000);

        auto bands = pixel_box(201, 161);
        for (int i = 1; i <= 100; ++i) {
            const float a = static_cast<float>((i - 1) * beta);
            double b = i * beta;  // the last one wraps to about 8.9e-16, as a pie's does
            if (b > 2 * kPi)
                b -= 2 * kPi;
            ASSERT_EQ(sector(bands.get(), 100, 80, 75, -a, -static_cast<float>(b), aspect), S_OK);
        }
        for (int y = 0; y < 161; ++y)
            for (int x = 0; x < 201; ++x)
                ASSERT_EQ(bands->picture().at(x, y), whole->picture().at(x, y))
                    << "aspect " << aspect << " at " << x << "," << y;

        for (float s : {0.3f, 2.0f, 4.5f}) {
            for (float e : {1.0f, 3.3f, 6.0f}) {
                auto pair = pixel_box(201, 161);
                sector(pair.get(), 100, 80, 75, -s, -e, aspect);
                pair->put_FillColor(kBlue);
                sector(pair.get(), 100, 80, 75, -e, -s, aspect);
                const int reds = count_pixels(pair->picture(), kRed);
                const int blues = count_pixels(pair->picture(), kBlue);
                EXPECT_EQ(reds + blues, area) << s << " " << e;
                EXPECT_GT(reds, 0);
                EXPECT_GT(blues, 0);
            }
        }
    }
}

TEST(SectorFill, QuarterHalfAndThreeQuarterPiesCoverTheRightQuadrants) {
    // Centre (100, 100), radius 94: sample points at 60 pixels from the centre.
    const auto lit = [](const Image& im, double deg) {
        const double t = deg * kPi / 180;
        const int x = static_cast<int>(std::lround(100 + 60 * std::cos(t)));
        const int y = static_cast<int>(std::lround(100 - 60 * std::sin(t)));
        return im.at(x, y) == kRed;
    };
    const struct {
        double fraction;
        std::vector<double> in, out;
    } cases[] = {
        {0.25, {10, 45, 80}, {100, 180, 270, 350}},
        {0.50, {10, 90, 170}, {190, 270, 350}},
        {0.75, {10, 135, 260}, {280, 315, 350}},
    };
    for (const auto& c : cases) {
        auto box = pixel_box(200, 200);
        ASSERT_EQ(
            sector(box.get(), 100, 100, 94, -0.0001f, -static_cast<float>(c.fraction * 2 * kPi)),
            S_OK);
        for (double d : c.in)
            EXPECT_TRUE(lit(box->picture(), d)) << c.fraction << " at " << d;
        for (double d : c.out)
            EXPECT_FALSE(lit(box->picture(), d)) << c.fraction << " at " << d;
        EXPECT_EQ(box->picture().at(100 + 93, 100 - 1), kRed);  // just above 3 o'clock
        EXPECT_EQ(box->picture().at(100 + 95, 100), kWhite);    // outside the radius
    }
}

TEST(SectorFill, DegenerateAnglesAndRadii) {
    // End of negative zero: the empty sector of a pie at its minimum; nothing is filled.
    auto box = pixel_box(100, 100);
    ASSERT_EQ(sector(box.get(), 50, 50, 40, -0.0001f, -0.0f), S_OK);
    EXPECT_EQ(count_pixels(box->picture(), kRed), 0);
    // With a pen, only the two radii show: a short line along 3 o'clock, nothing at 9 o'clock.
    box->put_DrawStyle(0);
    box->put_ForeColor(kBlue);
    ASSERT_EQ(sector(box.get(), 50, 50, 40, -0.0001f, -0.0f), S_OK);
    EXPECT_EQ(box->picture().at(80, 50), kBlue);
    EXPECT_EQ(box->picture().at(20, 50), kWhite);
    EXPECT_EQ(box->picture().at(50, 10), kWhite);

    // A tiny positive end closes the circle: the wrapped last band of a full pie.
    auto last = pixel_box(100, 100);
    const double beta = 2 * kPi / 100;
    ASSERT_EQ(sector(last.get(), 50, 50, 40, -static_cast<float>(99 * beta + 0.0001),
                     -8.881784197001252e-16f),
              S_OK);
    EXPECT_EQ(last->picture().at(88, 51), kRed);  // just below 3 o'clock
    EXPECT_EQ(last->picture().at(88, 45), kWhite);

    // A negative radius draws nothing; angles beyond 2 pi are refused.
    auto none = pixel_box(100, 100);
    EXPECT_EQ(ellipse(none.get(), 50, 50, -5), S_OK);
    EXPECT_EQ(count_pixels(none->picture(), kWhite), 100 * 100);
    EXPECT_EQ(sector(none.get(), 50, 50, 40, -0.1f, -6.3f),
              runtime_error_code(ErrorNumber::InvalidProcedureCall));
    EXPECT_EQ(sector(none.get(), 50, 50, 40, 7.0f, 1.0f),
              runtime_error_code(ErrorNumber::InvalidProcedureCall));
    EXPECT_EQ(sector(none.get(), 50, 50, 40, -0.1f, -static_cast<float>(2 * kPi)), S_OK);
    EXPECT_EQ(ellipse(none.get(), 50, 50, 40, 0.0f),
              runtime_error_code(ErrorNumber::InvalidProcedureCall));
    // An arc without radii is not filled.
    auto arc = pixel_box(100, 100);
    ASSERT_EQ(sector(arc.get(), 50, 50, 40, 0.5f, 2.0f), S_OK);
    EXPECT_EQ(count_pixels(arc->picture(), kRed), 0);
}

TEST(SectorFill, ExtremeFiguresStayInsideThePicture) {
    // Huge, infinite and tiny values: no crash, no write outside the picture, and the results
    // that follow from the geometry.
    auto box = pixel_box(50, 40);
    const float big = 1e30f, inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(ellipse(box.get(), 25, 20, big), S_OK);
    EXPECT_EQ(count_pixels(box->picture(), kRed), 50 * 40);  // covers everything
    box->Cls();
    EXPECT_EQ(ellipse(box.get(), 25, 20, inf, 0.5f), S_OK);
    EXPECT_EQ(sector(box.get(), -big, big, big, -1.0f, -2.0f, 1e-6f), S_OK);
    EXPECT_EQ(sector(box.get(), 25, 20, 30, -0.0f, -1e-30f, 1e6f), S_OK);
    EXPECT_EQ(box->Line(-big, -big, big, big), S_OK);
    EXPECT_EQ(ellipse(box.get(), inf, 20, 5),
              runtime_error_code(ErrorNumber::InvalidProcedureCall));
    EXPECT_EQ(box->Line(0, 0, std::nanf(""), 3),
              runtime_error_code(ErrorNumber::InvalidProcedureCall));
    box->Cls();
    box->put_DrawStyle(0);
    box->put_DrawWidth(32767);
    EXPECT_EQ(sector(box.get(), 25, 20, big, -1.0f, -2.0f), S_OK);
    EXPECT_EQ(box->Line(10, 10, 12, 12), S_OK);
    EXPECT_EQ(box->picture().pixels.size(), 50u * 40u);
    // A zero radius is one pixel.
    auto dot = pixel_box(9, 9);
    EXPECT_EQ(ellipse(dot.get(), 4, 4, 0), S_OK);
    EXPECT_EQ(count_pixels(dot->picture(), kRed), 1);
    EXPECT_EQ(dot->picture().at(4, 4), kRed);
}

TEST(SectorFill, AspectPicksTheLongerSemiAxis) {
    // Aspect 0.5: horizontal semi-axis 94, vertical 47.
    auto wide = pixel_box(200, 100);
    ASSERT_EQ(ellipse(wide.get(), 100, 50, 94, 0.5f), S_OK);
    EXPECT_EQ(wide->picture().at(6, 50), kRed);
    EXPECT_EQ(wide->picture().at(5, 50), kWhite);
    EXPECT_EQ(wide->picture().at(100, 3), kRed);
    EXPECT_EQ(wide->picture().at(100, 2), kWhite);
    // Aspect 2: vertical semi-axis 94, horizontal 47.
    auto tall = pixel_box(100, 200);
    ASSERT_EQ(ellipse(tall.get(), 50, 100, 94, 2.0f), S_OK);
    EXPECT_EQ(tall->picture().at(50, 6), kRed);
    EXPECT_EQ(tall->picture().at(50, 5), kWhite);
    EXPECT_EQ(tall->picture().at(3, 100), kRed);
    EXPECT_EQ(tall->picture().at(2, 100), kWhite);
}

}  // namespace
}  // namespace qd::host::test
