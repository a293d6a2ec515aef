// Drawing on the surface and renewing the label's caption allocate nothing once a size is in
// use: a progress update must not touch the heap.
#include <gtest/gtest.h>

#include "counting_allocator.h"
#include "host/raster/raster_label.h"
#include "raster_fixture.h"

namespace qd::host::test {
namespace {

TEST(Allocation, FiguresAndCaptionUpdatesAllocateNothing) {
    auto box = pixel_box(300, 200);
    auto label = RasterLabel::make(box.get());
    label->put_FontSize(18);
    label->put_Caption("100%");  // the longest caption first: its capacity serves the rest
    char caption[8] = "0%";
    const long before = g_allocations.load();
    for (int i = 1; i <= 100; ++i) {
        const double a = (i - 1) * 0.0628 + 0.0001, b = i * 0.0628;
        box->put_FillColor(i * 2);
        sector(box.get(), 150, 100, 94, -static_cast<float>(a), -static_cast<float>(b), 0.66f);
        box->put_DrawStyle(0);
        box->Line(10, 10, 20 + i, 30);
        box->put_DrawStyle(5);
        std::snprintf(caption, sizeof caption, "%d%%", i);
        label->put_Caption(caption);
    }
    EXPECT_EQ(g_allocations.load() - before, 0);
    // The counter does count: a new font size builds its cache of advances.
    label->put_FontSize(31);
    EXPECT_GT(g_allocations.load() - before, 0);
}

}  // namespace
}  // namespace qd::host::test
