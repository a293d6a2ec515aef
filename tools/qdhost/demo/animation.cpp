#include "tools/qdhost/demo/animation.h"

#include <algorithm>

#include "host/raster/compose.h"
#include "tools/qdhost/demo/gallery_plan.h"

namespace qd::qdhost::demo {

namespace {

constexpr int kMargin = 16;
constexpr int kGap = 24;
constexpr std::uint32_t kPaper = 0xFFFFFF;

host::Image side_by_side(const host::Image& pie, const host::Image& bar) {
    const int height = std::max(pie.height, bar.height) + 2 * kMargin;
    host::Image frame(2 * kMargin + pie.width + kGap + bar.width, height, kPaper);
    host::blit(frame, pie, kMargin, (height - pie.height) / 2);
    host::blit(frame, bar, kMargin + pie.width + kGap, (height - bar.height) / 2);
    return frame;
}

}  // namespace

std::vector<host::Image> progress_frames(host::Container& form, int steps) {
    host::HostedControl& pie =
        form.create("animated_pie", kPieProgId, host::ControlExtent{2400, 2400});
    host::HostedControl& bar =
        form.create("animated_bar", kBarProgId, host::ControlExtent{4800, 480});
    std::vector<host::Image> frames;
    frames.reserve(static_cast<std::size_t>(steps) + 1);
    for (int step = 0; step <= steps; ++step) {
        for (host::HostedControl* control : {&pie, &bar}) {
            // The range is read back, as a host would; the last step lands exactly on Max.
            const float min = control->get("Min").to_single();
            const float max = control->get("Max").to_single();
            const float value = step == steps ? max : min + (max - min) * step / steps;
            control->put("Value", Variant(value));
        }
        frames.push_back(side_by_side(pie.view(), bar.view()));
    }
    form.remove("animated_pie");
    form.remove("animated_bar");
    return frames;
}

}  // namespace qd::qdhost::demo
