// The controls on raster surfaces at scale: a Value update by name touches no heap, and a form
// of a thousand pies costs little more than their pictures.
#include <gtest/gtest.h>
#include <malloc.h>

#include <vector>

#include "bar/progress_bar.h"
#include "counting_allocator.h"
#include "host/model/control_site.h"
#include "host/raster/compose.h"
#include "host/raster/raster_label.h"
#include "host/raster/raster_picture_box.h"
#include "pie/progress_pie.h"

namespace qd::host::test {
namespace {

using Creator = HRESULT (*)(const Guid&, void**);

// A control sited on a raster picture box and label, as a container hosts it.
struct Hosted {
    ComPtr<RasterPictureBox> box = RasterPictureBox::make();
    ComPtr<RasterLabel> label = RasterLabel::make(box.get());
    ComPtr<ControlSite> site;
    ComPtr<IControl> events;
    ComPtr<IDispatch> dispatch;

    Hosted(Creator create, int w, int h) {
        site = ComPtr<ControlSite>(new ControlSite(static_cast<float>(w * kTwipsPerPixel),
                                                   static_cast<float>(h * kTwipsPerPixel),
                                                   box.get(), label.get()));
        EXPECT_EQ(create(IControl::iid, events.put_void()), S_OK);
        dispatch = events.query<IDispatch>();
        EXPECT_EQ(events->SetSite(site.get()), S_OK);
        EXPECT_EQ(events->InitProperties(), S_OK);
        EXPECT_EQ(events->Resize(), S_OK);
    }
    // The recording site keeps every notification; a container forgets them once handled,
    // which is what the record is emptied for here (it keeps its capacity).
    HRESULT put(const char* name, const Variant& v) {
        const HRESULT hr = dispatch_put(dispatch.get(), name, v);
        site->clear_changes();
        return hr;
    }
};

// Bytes the process has taken from the allocator, small and mapped blocks alike.
std::size_t heap_in_use() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

TEST(Scale, ValueUpdatesByNameAllocateNothing) {
    Hosted pie(&progress::create_progress_pie, 200, 200);
    Hosted bar(&progress::create_progress_bar, 354, 26);
    ASSERT_EQ(pie.put("FillType", Variant(std::int32_t{2})), S_OK);
    for (Hosted* c : {&pie, &bar}) {
        // The longest caption once, then back to the start: a redraw from empty.
        ASSERT_EQ(c->put("Value", Variant(100.0f)), S_OK);
        ASSERT_EQ(c->put("Value", Variant(0.0f)), S_OK);
    }
    const long before = g_allocations.load();
    for (int i = 1; i <= 1000; ++i) {
        const float v = static_cast<float>(i) / 10.0f;  // every caption of a 0.1 sweep
        ASSERT_EQ(pie.put("Value", Variant(v)), S_OK);
        ASSERT_EQ(bar.put("Value", Variant(v)), S_OK);
    }
    EXPECT_EQ(g_allocations.load() - before, 0);
    // The pictures did change: the pie is full and the bar's right end is painted.
    EXPECT_NE(pie.box->picture().at(150, 100), pie.box->background_pixel());
    EXPECT_NE(bar.box->picture().at(345, 13), bar.box->background_pixel());
}

TEST(Scale, AThousandPiesCostLittleMoreThanTheirPictures) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer's allocator is not the one mallinfo2 reports on";
#endif
    constexpr int kCount = 1000, kSide = 200;
    constexpr std::size_t kPicture = std::size_t{kSide} * kSide * 4;
    // The shared font face is loaded before the count starts: it is paid once per process.
    { Hosted warm(&progress::create_progress_pie, kSide, kSide); }
    const std::size_t before = heap_in_use();
    std::vector<Hosted> form;
    form.reserve(kCount);
    for (int i = 0; i < kCount; ++i) {
        form.emplace_back(&progress::create_progress_pie, kSide, kSide);
        ASSERT_EQ(form.back().put("FillType", Variant(std::int32_t{2})), S_OK);
        ASSERT_EQ(form.back().put("Value", Variant(static_cast<float>(i % 101))), S_OK);
    }
    // Rendering a view is transient: it does not stay with the controls.
    for (const Hosted& h : form)
        EXPECT_EQ(compose_view(*h.box.get(), h.label.get()).width, kSide);
    const std::size_t used = heap_in_use() - before;
    const double per_control = static_cast<double>(used) / kCount - kPicture;
    RecordProperty("bytes_per_control_beyond_picture", static_cast<int>(per_control));
    EXPECT_GE(used, kCount * kPicture);
    EXPECT_LT(per_control, 8 * 1024.0) << "beyond its picture a control takes " << per_control;
}

}  // namespace
}  // namespace qd::host::test
