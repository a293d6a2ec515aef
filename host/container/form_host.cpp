#include "host/container/form_host.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "foundation/result.h"
#include "host/raster/compose.h"
#include "host/raster/raster_picture_box.h"
#include "host/raster/system_colours.h"

namespace qd::host {

namespace {

// The space left around the controls of a form that gives no extent of its own.
constexpr float kMarginTwips = 120;

// Device pixels of a place or extent in twips, in single precision as the twips come.
int to_pixels(float twips, const DeviceOptions& device) {
    return static_cast<int>(std::lround(twips / static_cast<float>(device.twips_per_pixel())));
}

std::string failure_text(HRESULT hr) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(hr));
    return std::string(buf) + " " + result_message(hr);
}

HostedControl& placed(const Container& container, const PlacedControl& p) {
    HostedControl* c = container.find(p.name);
    if (!c)
        throw ContainerError(E_INVALIDARG, "the form's control " + p.name + " is gone");
    return *c;
}

// The line of the control's property `key`, else of its section header.
int line_of(const FormControl& control, const std::string& key) {
    for (std::size_t i = 0; i < control.properties.size(); ++i)
        if (control.properties[i].key == key && i < control.property_lines.size())
            return control.property_lines[i];
    return control.line;
}

}  // namespace

FormLayout open_form(Container& container, const std::string& path,
                     std::vector<FormFileError>* errors) {
    const Form form = load_form_file(path, errors);
    FormLayout layout{form.extent, {}};
    for (const FormControl& fc : form.controls) {
        std::string last_key;
        try {
            container.load(fc.name, fc.progid, fc.properties, ControlExtent{fc.width, fc.height},
                           &last_key);
        } catch (const ContainerError& e) {
            std::string reason = failure_text(e.code());
            if (*e.what())
                reason += ": " + std::string(e.what());
            // A control that was created keeps its place; only its properties failed.
            const bool created = container.find(fc.name) != nullptr;
            if (!created)
                last_key.clear();
            errors->emplace_back(path, line_of(fc, last_key), fc.name, last_key, reason);
            if (!created)
                continue;
        }
        layout.controls.push_back({fc.name, fc.progid, fc.left, fc.top});
    }
    return layout;
}

FormExtent form_extent(const Container& container, const FormLayout& layout) {
    if (layout.extent)
        return *layout.extent;
    float right = 0, bottom = 0;
    for (const PlacedControl& p : layout.controls) {
        const ControlSite& site = placed(container, p).site();
        right = std::max(right, p.left + site.width());
        bottom = std::max(bottom, p.top + site.height());
    }
    return {right + kMarginTwips, bottom + kMarginTwips};
}

Image render_form(const Container& container, const FormLayout& layout) {
    const FormExtent extent = form_extent(container, layout);
    std::uint32_t background = 0;
    resolve_colour(kSysButtonFace, &background);
    const DeviceOptions& device = container.device();
    const int width = std::clamp(to_pixels(extent.width, device), 1, kMaxPictureSide);
    const int height = std::clamp(to_pixels(extent.height, device), 1, kMaxPictureSide);
    Image form(width, height, background);
    for (const PlacedControl& p : layout.controls) {
        const Image view = placed(container, p).view();
        if (!view.empty())
            blit(form, view, to_pixels(p.left, device), to_pixels(p.top, device));
    }
    return form;
}

PixelRect take_form_damage(const Container& container, const FormLayout& layout) {
    const DeviceOptions& device = container.device();
    PixelRect damage;
    for (const PlacedControl& p : layout.controls)
        damage.unite(placed(container, p)
                         .take_damage()
                         .moved(to_pixels(p.left, device), to_pixels(p.top, device)));
    return damage;
}

Form snapshot_form(const Container& container, const FormLayout& layout) {
    Form form{layout.extent, {}};
    for (const PlacedControl& p : layout.controls) {
        HostedControl& control = placed(container, p);
        form.controls.push_back({p.name,
                                 p.progid,
                                 p.left,
                                 p.top,
                                 control.site().width(),
                                 control.site().height(),
                                 control.write_properties(),
                                 0,
                                 {}});
    }
    return form;
}

}  // namespace qd::host
