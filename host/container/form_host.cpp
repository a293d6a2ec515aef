#include "host/container/form_host.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "foundation/result.h"
#include "host/container/declared_types.h"
#include "host/limits.h"
#include "host/raster/compose.h"
#include "host/raster/raster_picture_box.h"
#include "host/raster/system_colours.h"

namespace qd::host {

namespace {

// The space left around the controls of a form that gives no extent of its own.
constexpr float kMarginTwips = 120;

// Device pixels of a place or extent in twips, in single precision as the twips come. Readers
// keep positions and extents within the coordinate limit (host/limits.h), so a form's bounding
// box stays within a few times that; the clamp only keeps the conversion defined for anything
// else.
int to_pixels(float twips, const DeviceOptions& device) {
    constexpr double kBound = 1000.0 * static_cast<double>(kMaxTwips.value);
    const double clipped = std::clamp(static_cast<double>(twips), -kBound, kBound);
    return static_cast<int>(
        std::lround(static_cast<float>(clipped) / static_cast<float>(device.twips_per_pixel())));
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

namespace {

// Refuses the whole form when a control of it would take a name the container already holds:
// nothing is loaded then, so no control is silently adopted under another's name.
void check_names_free(const Container& container, const std::string& path, const Form& form) {
    std::string taken;
    int first_line = 0;
    for (const FormControl& fc : form.controls) {
        if (!container.find(fc.name))
            continue;
        taken += (taken.empty() ? "" : ", ") + fc.name;
        if (first_line == 0)
            first_line = fc.line;
    }
    if (!taken.empty())
        throw FormFileError(path, first_line, {}, {},
                            "controls named " + taken +
                                " are already open; the form is not opened (none of it loads)");
}

// Pixels a control's picture takes.
std::int64_t pixels_of(const FormControl& fc, const DeviceOptions& device) {
    return static_cast<std::int64_t>(std::max(0, to_pixels(fc.width, device))) *
           std::max(0, to_pixels(fc.height, device));
}

// Untyped lines take their declared types; those that do not convert are damaged lines.
void settle_untyped(const std::string& path, FormControl& fc, std::vector<FormFileError>* errors) {
    try {
        for (const UntypedFailure& f : apply_declared_types(fc.progid, &fc.properties))
            errors->emplace_back(path, f.property.line, fc.name, f.property.key, f.reason);
    } catch (const ContainerError&) {
        // The class cannot be found: loading the control reports that, once.
    }
}

}  // namespace

FormLayout open_form(Container& container, const std::string& path,
                     std::vector<FormFileError>* errors) {
    Form form = load_form_file(path, errors);
    check_names_free(container, path, form);
    FormLayout layout{form.extent, {}};
    std::int64_t pixels = form.extent ? static_cast<std::int64_t>(to_pixels(form.extent->width, container.device())) *
                                            to_pixels(form.extent->height, container.device())
                                      : 0;
    for (FormControl& fc : form.controls) {
        pixels += pixels_of(fc, container.device());
        if (pixels > kMaxFormPixels.value) {
            errors->emplace_back(
                path, fc.line, fc.name, "",
                over_limit(kMaxFormPixels, pixels) + "; the control is not loaded");
            pixels -= pixels_of(fc, container.device());
            continue;
        }
        settle_untyped(path, fc, errors);
        std::string last_key;
        try {
            container.load(fc.name, fc.progid, fc.properties, ControlExtent{fc.width, fc.height},
                           &last_key);
        } catch (const ContainerError& e) {
            std::string reason = failure_text(e.code());
            if (*e.what())
                reason += ": " + std::string(e.what());
            // A control that failed to load is neither placed nor kept under its name.
            const bool created = container.remove(fc.name);
            if (!created)
                last_key.clear();
            errors->emplace_back(path, line_of(fc, last_key), fc.name, last_key,
                                 reason + "; the control is not loaded");
            pixels -= pixels_of(fc, container.device());
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
    // The picture as a whole must stay within the pixel limit of one picture.
    const int width = std::max(to_pixels(extent.width, device), 1);
    const int height = std::max(to_pixels(extent.height, device), 1);
    const std::int64_t pixels = static_cast<std::int64_t>(width) * height;
    if (pixels > kMaxPicturePixels.value)
        throw ContainerError(runtime_error_code(ErrorNumber::InvalidPropertyValue),
                             "the form picture of " + std::to_string(width) + " x " +
                                 std::to_string(height) +
                                 " pixels: " + over_limit(kMaxPicturePixels, pixels));
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
