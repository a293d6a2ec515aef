#include "host/container/embed.h"

#include <algorithm>
#include <cmath>

#include "host/raster/compose.h"
#include "host/raster/png_io.h"
#include "host/raster/raster_picture_box.h"
#include "host/raster/system_colours.h"

namespace qd::host {

namespace {

int twips_to_px(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace

std::string module_class(const std::string& module_path, const std::string& class_name) {
    return module_path + ":" + class_name;
}

HostedControl& EmbeddedForm::add(const std::string& name, const std::string& what, float left,
                                 float top, std::optional<ControlExtent> extent) {
    HostedControl& control = container_.create(name, what, extent);
    placements_.push_back({name, twips_to_px(left), twips_to_px(top)});
    return control;
}

Image EmbeddedForm::render() const {
    std::vector<std::pair<const Placement*, Image>> views;
    int width = 0, height = 0;
    for (const Placement& p : placements_) {
        const HostedControl* control = container_.find(p.name);
        if (!control)  // removed through container()
            continue;
        Image view = control->view();
        width = std::max(width, p.left_px + view.width);
        height = std::max(height, p.top_px + view.height);
        views.emplace_back(&p, std::move(view));
    }
    std::uint32_t background = 0;
    resolve_colour(kSysButtonFace, &background);
    Image form(width + kMarginPx, height + kMarginPx, background);
    for (const auto& [place, view] : views)
        blit(form, view, place->left_px, place->top_px);
    return form;
}

bool EmbeddedForm::render_png(const std::string& path, std::string* error) const {
    return write_png(path, render(), error);
}

}  // namespace qd::host
