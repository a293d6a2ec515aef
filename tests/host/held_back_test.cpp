// Figures held back and written together give the pixels of drawing them one at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>

#include "raster_fixture.h"

namespace qd::host::test {
namespace {

// A pass as the pie and the bar make them, with figures that cannot be held in between: a
// clear, an outline, bands of one ellipse, a hatched sector, a dashed box and plain boxes.
void draw_pass(RasterPictureBox* box, bool read_after_each) {
    const auto step = [&] {
        if (read_after_each)
            box->picture();  // writes what is held: one figure at a time
    };
    box->Cls();
    step();
    box->put_FillStyle(1);
    box->put_DrawStyle(0);
    box->put_DrawWidth(3);
    box->put_ForeColor(0x203040);
    ellipse(box, 300.4f, 250.2f, 231, 0.8f);
    step();
    box->put_DrawWidth(1);  // a second ring held with the first: each keeps its own rows
    ellipse(box, 300.4f, 250.2f, 236, 0.8f);
    step();
    box->put_FillStyle(0);
    box->put_DrawStyle(5);
    for (int i = 0; i <= 100; ++i) {
        box->put_FillColor(static_cast<OLE_COLOR>(i * 0x020301));
        const double start = i == 0 ? 0.0001 : (i - 1) * 2 * kPi / 100 + 0.0001;
        const double end = std::min(i * 2 * kPi / 100 + 0.05, 2 * kPi);
        sector(box, 300.4f, 250.2f, 230, -static_cast<float>(start), -static_cast<float>(end),
               0.8f);
        step();
        if (i == 40) {  // a hatch cannot be held: what is held is written first
            box->put_FillStyle(6);
            sector(box, 200, 200, 90, 0.5f, 2.5f);
            box->put_FillStyle(0);
            step();
        }
    }
    box->put_DrawStyle(0);
    box->put_DrawWidth(1);
    for (int i = 0; i < 30; ++i) {
        box->put_ForeColor(static_cast<OLE_COLOR>(0x405060 + i));
        box->put_FillColor(static_cast<OLE_COLOR>(0x10F0A0 - i));
        box->Line(i * 19.3f, 420, i * 19.3f + 25, 480);
        step();
    }
    box->put_DrawStyle(2);
    box->Line(10, 10, 590, 60);
    step();
}

TEST(HeldBack, APassHeldBackEqualsTheSameFiguresWrittenOneByOne) {
    // Pictures large enough to hold figures back; the narrow ones clip the pass.
    for (const auto& [w, h] : {std::pair{600, 500}, std::pair{1100, 240}, std::pair{240, 1100}}) {
        ASSERT_GE(static_cast<std::size_t>(w) * h, RasterPictureBox::kHoldBackPixels);
        auto held = pixel_box(w, h);
        auto one_by_one = pixel_box(w, h);
        draw_pass(held.get(), false);
        draw_pass(one_by_one.get(), true);
        EXPECT_EQ(held->picture().pixels, one_by_one->picture().pixels) << w << "x" << h;
    }
    auto held = pixel_box(600, 500);
    // A second box drawing in between writes the first's held figures, not its own, over it.
    auto other = pixel_box(600, 500);
    held->Cls();
    other->Cls();
    sector(other.get(), 100, 100, 80, -0.1f, -1.0f);
    EXPECT_EQ(count_pixels(held->picture(), kWhite), 600 * 500);
    EXPECT_GT(count_pixels(other->picture(), kRed), 0);
}

// Runs of sectors of one ellipse in every arrangement a pair of bands can take: a pie's bands
// in either direction, overlapping or with gaps, crossing the horizontal, wide and thin.
void draw_run(RasterPictureBox* box, int w, int h, int run, bool read_after_each) {
    std::mt19937 rng(90412 + run);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    box->put_FillStyle(0);
    box->put_DrawStyle(5);
    {
        // Centres on and between pixels, in pixels or twips, some reaching off the picture.
        const float cx = static_cast<float>(w) * (0.2f + 0.6f * unit(rng)) + (run % 3) * 0.5f;
        const float cy = static_cast<float>(h) * (0.2f + 0.6f * unit(rng)) + (run % 2) * 0.25f;
        const float r = static_cast<float>(std::min(w, h)) * (0.2f + 0.5f * unit(rng));
        const float aspect = 0.5f + unit(rng);
        float start = 6.2f * unit(rng);
        for (int i = 0; i < 40; ++i) {
            const float step = run % 4 == 3 ? -0.1f : 0.03f + 0.1f * unit(rng);
            const float width = i % 13 == 7 ? 3.5f * unit(rng) : 0.04f + 0.12f * unit(rng);
            float end = start + width;
            if (end > 6.2831f)
                end -= 6.2831f;
            box->put_FillColor(static_cast<OLE_COLOR>(rng() & 0xFFFFFF));
            ASSERT_EQ(sector(box, cx, cy, r, -start, -end, aspect), S_OK);
            if (read_after_each)
                box->picture();
            start += step;
            if (start > 6.2831f)
                start -= 6.2831f;
            if (start < 0)
                start += 6.2831f;
        }
    }
}

TEST(HeldBack, BandsKeptOrHeldAsPairsEqualBandsWrittenOneByOne) {
    // A small picture keeps one band until the next; a large one holds the whole run.
    for (const auto& [w, h] : {std::pair{160, 120}, std::pair{600, 500}}) {
        auto paired = pixel_box(w, h);
        auto one_by_one = pixel_box(w, h);
        for (int run = 0; run < 16; ++run) {
            // One by one first: its bands are new to the thread's remembered set-ups and clamped
            // on every row. The paired passes meet them again; the second of them (their third
            // use) skips the clamps where the rays keep inside the ellipse.
            draw_run(one_by_one.get(), w, h, run, true);
            draw_run(paired.get(), w, h, run, false);
            draw_run(paired.get(), w, h, run, false);
            ASSERT_EQ(paired->picture().pixels, one_by_one->picture().pixels)
                << w << "x" << h << ", run " << run;
        }
    }
}

// A bar's pass and boxes around it: rows shared by runs of boxes and then changed, pens of
// several widths and styles, fills on and off, outline and fill alike or not, off the picture.
void draw_boxes(RasterPictureBox* box, bool read_after_each) {
    std::mt19937 rng(20261209);
    std::uniform_real_distribution<float> coord(-12.0f, 70.0f);
    const std::int16_t styles[] = {0, 5, 6};
    std::uniform_real_distribution<float> row(1.0f, 38.0f);
    float y1 = 0, y2 = 24;
    for (int i = 0; i < 240; ++i) {  // up to two rects each: all held
        if (i % 25 == 0) {           // rows inside, a thin box's, reaching off the picture
            y1 = row(rng);
            y2 = i % 75 == 0 ? row(rng) : i % 75 == 50 ? y1 + 1.2f : coord(rng);
        }
        box->put_DrawWidth(static_cast<std::int16_t>(1 + (i / 4) % 4));
        const std::int16_t style = styles[(i / 7) % 3];
        box->put_DrawStyle(style);
        // A hollow box with an outline is drawn at once and ends the held pass: none here.
        box->put_FillStyle(i % 11 == 5 && style == 5 ? 1 : 0);
        box->put_ForeColor(static_cast<OLE_COLOR>(0x102030 * (i % 5)));
        box->put_FillColor(static_cast<OLE_COLOR>(i % 4 ? 0x102030 * (i % 5) : 0x00C0FF));
        const float x1 = coord(rng), x2 = i % 9 ? x1 + 2.3f : coord(rng);
        ASSERT_EQ(box->Line(x1, y1, x2, y2), S_OK);
        if (read_after_each)
            box->picture();
    }
}

TEST(HeldBack, QueuedBoxesPaintAndDamageAsBoxesDrawnAtOnce) {
    // Small pictures hold boxes only after a clear; reading after each box draws it at once.
    for (const int border : {0, 1}) {
        auto held = pixel_box(60, 40);
        auto at_once = pixel_box(60, 40);
        for (RasterPictureBox* box : {held.get(), at_once.get()}) {
            box->put_BorderStyle(static_cast<std::int16_t>(border));
            box->Cls();  // each draws right after its clear: another's would write it
            box->take_damage();
            draw_boxes(box, box == at_once.get());
        }
        EXPECT_EQ(held->take_damage(), at_once->take_damage()) << "border " << border;
        EXPECT_EQ(held->picture().pixels, at_once->picture().pixels) << "border " << border;
    }
}

}  // namespace
}  // namespace qd::host::test
