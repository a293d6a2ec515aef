// The Data page drawn as the property dialog shows it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "bar/progress_bar.h"
#include "host/page/page_render.h"
#include "host/raster/png_io.h"
#include "pages/data_page.h"
#include "pages/data_page_layout.h"
#include "tests/page/model_control.h"

namespace qd::progress {
namespace {

int px(float twips) {
    return static_cast<int>(std::lround(twips / 15));
}

// Pixels of `image` inside the child's rectangle, less its two-pixel edge, other than `pixel`.
int pixels_other_than(const host::Image& image, const PageChildDesc& child, std::uint32_t pixel) {
    int n = 0;
    for (int y = px(child.top) + 2; y < px(child.top) + px(child.height) - 2; ++y)
        for (int x = px(child.left) + 2; x < px(child.left) + px(child.width) - 2; ++x)
            n += image.at(x, y) != pixel;
    return n;
}

TEST(PageRender, ShowsFieldsWithTheirTextsAndThePicture) {
    ComPtr<IPropertyPage> page;
    ASSERT_EQ(create_data_page(IPropertyPage::iid, page.put_void()), S_OK);
    const auto site = host::PageSite::create();
    ASSERT_EQ(site->open(page.get()), S_OK);
    const ComPtr<IDispatch> bar = test::new_model_control(&create_progress_bar).control;
    ASSERT_EQ(site->select({bar}), S_OK);
    ASSERT_EQ(site->set_text("txtMax", ""), S_OK);

    const host::Image image = host::render_page(*site.get());
    ASSERT_EQ(image.width, 395);
    ASSERT_EQ(image.height, 233);
    if (const char* dir = std::getenv("QD_PAGE_PNG_DIR"))
        host::write_png(std::string(dir) + "/data_page.png", image);

    const PageChildDesc* c = kDataPageLayout.children;
    constexpr std::uint32_t white = 0xFFFFFF;
    EXPECT_GT(pixels_other_than(image, c[5], white), 10) << "txtValue shows 75";
    EXPECT_EQ(pixels_other_than(image, c[1], white), 0) << "txtMax is empty";

    // Picture1: the bitmap's top-left pixel just inside the edge, palette colour turned BGR.
    const BitmapDesc& pic = *kDataPageLayout.picture;
    const std::uint32_t rgb = pic.palette[pic.pixels[0]];
    const std::uint32_t bgr = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16);
    EXPECT_EQ(image.at(px(5000) + 2, px(100) + 2), bgr);
    site->close();
}

}  // namespace
}  // namespace qd::progress
