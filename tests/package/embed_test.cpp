#include <qdprogress/embed.h>

#include <gtest/gtest.h>

#include <string>

#include "host/container/container.h"
#include "host/container/form_host.h"
#include "host/raster/png_io.h"
#include "host/raster/system_colours.h"
#include "host/trace/silent_sink.h"

namespace qd::host {
namespace {

using embed::EmbeddedForm;
using embed::HostedControl;
using embed::module_class;

const std::string kPie = module_class(QD_CONTROLS_MODULE, "qdProgressPie");
const std::string kBar = module_class(QD_CONTROLS_MODULE, "qdProgressBar");
// The space a form leaves right of and below its controls, in pixels.
constexpr int kMarginPx = 8;

std::uint32_t button_face() {
    std::uint32_t pixel = 0;
    resolve_colour(kSysButtonFace, &pixel);
    return pixel;
}

// True when `view` appears in `form` with its top-left corner at (x, y).
bool shows_at(const Image& form, const Image& view, int x, int y) {
    for (int row = 0; row < view.height; ++row)
        for (int col = 0; col < view.width; ++col)
            if (form.at(x + col, y + row) != view.at(col, row))
                return false;
    return true;
}

TEST(EmbeddedForm, ComposesEachControlAtItsPlaceOnTheBackground) {
    EmbeddedForm form;
    HostedControl& pie = form.add("pie", kPie, 0, 0, ControlExtent{1500, 1500});
    HostedControl& bar = form.add("bar", kBar, 1800, 750, ControlExtent{3000, 450});
    pie.put("Value", 30);
    bar.put("Value", 70);

    const Image pie_view = pie.view();
    const Image bar_view = bar.view();
    const Image picture = form.render();
    // 1800 and 750 twips are 120 and 50 pixels; the form reaches the bar's far corner plus the
    // margin.
    EXPECT_EQ(picture.width, 120 + bar_view.width + kMarginPx);
    EXPECT_EQ(picture.height, std::max(pie_view.height, 50 + bar_view.height) + kMarginPx);
    EXPECT_TRUE(shows_at(picture, pie_view, 0, 0));
    EXPECT_TRUE(shows_at(picture, bar_view, 120, 50));
    // Between the controls and in the margin: the form's own background.
    EXPECT_EQ(picture.at(pie_view.width + 5, 2), button_face());
    EXPECT_EQ(picture.at(picture.width - 1, picture.height - 1), button_face());

    // A removed control leaves the form.
    ASSERT_TRUE(form.remove("bar"));
    EXPECT_FALSE(form.remove("bar"));
    const Image without_bar = form.render();
    EXPECT_EQ(without_bar.width, pie_view.width + kMarginPx);
    EXPECT_TRUE(shows_at(without_bar, pie_view, 0, 0));
}

TEST(EmbeddedForm, FailedCreationPlacesNothing) {
    EmbeddedForm form;
    form.add("pie", kPie, 300, 300, ControlExtent{600, 600});
    EXPECT_THROW(form.add("ghost", module_class(QD_CONTROLS_MODULE, "qdNoSuchClass"), 0, 0),
                 ContainerError);
    EXPECT_THROW(form.add("pie", kPie, 0, 0), ContainerError);  // the name is taken
    EXPECT_EQ(form.find("ghost"), nullptr);
    EXPECT_FALSE(form.remove("ghost"));
    // Only the pie at (20, 20) pixels counts towards the form's size.
    const Image picture = form.render();
    EXPECT_EQ(picture.width, 20 + form.find("pie")->view().width + kMarginPx);
}

TEST(EmbeddedForm, SavedFormOpensAsTheSameForm) {
    EmbeddedForm form;
    form.add("pie", kPie, 150, 150, ControlExtent{1200, 1200}).put("Value", 42);
    form.add("bar", kBar, 1500, 450, ControlExtent{2400, 450}).put("FillType", 1);
    const std::string path = std::string(QD_TEST_OUT_DIR) + "/embedded_form.qdf";
    form.save(path);

    SilentSink sink;
    Container reopened(sink);
    std::vector<FormFileError> errors;
    const FormLayout layout = open_form(reopened, path, &errors);
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(layout.controls.size(), 2u);
    EXPECT_EQ(layout.controls[1].name, "bar");
    EXPECT_EQ(layout.controls[1].left, 1500);
    EXPECT_EQ(reopened.find("pie")->get("Value").to_text(), "42");
    EXPECT_EQ(render_form(reopened, layout).pixels, form.render().pixels);
}

TEST(EmbeddedForm, WritesTheRenderedFormAsPng) {
    EmbeddedForm form;
    form.add("bar", kBar, 0, 0, ControlExtent{2400, 450}).put("Value", 55);
    const std::string path = std::string(QD_TEST_OUT_DIR) + "/embedded_form.png";
    std::string error;
    ASSERT_TRUE(form.render_png(path, &error)) << error;
    Image read;
    ASSERT_TRUE(read_png(path, &read, &error)) << error;
    const Image expected = form.render();
    EXPECT_EQ(read.width, expected.width);
    EXPECT_EQ(read.height, expected.height);
    EXPECT_EQ(read.pixels, expected.pixels);

    EXPECT_FALSE(form.render_png(std::string(QD_TEST_OUT_DIR) + "/no/such/folder/x.png", &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace qd::host
