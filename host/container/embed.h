// Conveniences for a program that embeds the controls: a container that traces nothing, controls
// placed on one form, the form drawn as a PNG and saved as a form file that `qdhost render` and
// `open` read.
//
//   qd::host::EmbeddedForm form;
//   HostedControl& pie = form.add("pie", module_class(controls_module, "qdProgressPie"), 0, 0);
//   pie.put("Value", 40);
//   form.render_png("form.png");
//   pie.put("Value", 41);
//   PixelRect changed = form.take_damage();  // the new band and the caption, in pixels
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/container/container.h"
#include "host/container/form_host.h"
#include "host/raster/image.h"
#include "host/trace/trace_sink.h"

namespace qd::host {

// Lets every host call through and keeps nothing, so a long-running host does not grow a trace.
class SilentSink final : public TraceSink {
  public:
    HRESULT on_call(std::string_view) override { return S_OK; }
    bool wants_lines() const override { return false; }
};

// The loader's PATH:CLASS form: class `class_name` of the module at `module_path`, found without
// the registry.
std::string module_class(const std::string& module_path, const std::string& class_name);

// A container whose controls have a place on one form. The form is as large as its controls
// need, plus a margin.
class EmbeddedForm {
  public:
    // The controls are drawn for `device`: its scale (device pixels per 96-dpi pixel, see
    // is_device_scale) and whether edges and text are smoothed.
    explicit EmbeddedForm(DeviceOptions device = {}) : container_(sink_, device) {}

    // Creates control `name` of class `what` (ProgID, {CLSID} or PATH:CLASS) with its top-left
    // corner at (left, top) twips, at `extent` or the class's design extent. Throws
    // ContainerError, as Container::create does; nothing is placed then.
    HostedControl& add(const std::string& name, const std::string& what, float left, float top,
                       std::optional<ControlExtent> extent = std::nullopt);
    // Releases the control and its place; false when there is none.
    bool remove(const std::string& name);

    HostedControl* find(const std::string& name) const { return container_.find(name); }
    const FormLayout& layout() const { return layout_; }

    // The form as one picture: the button-face background and each control's view at its
    // place, in the order they were added.
    Image render() const { return render_form(container_, layout_); }
    // What changed since the last take, in render()'s device pixels; empty when nothing did.
    // A control's own HostedControl::take_damage() gives the same in its view's pixels; each
    // take consumes what it reports, so a host uses one or the other.
    PixelRect take_damage() const { return take_form_damage(container_, layout_); }
    // Writes render() as a PNG, replacing an older file atomically. False, with the reason in
    // *error when given, on failure.
    bool render_png(const std::string& path, std::string* error = nullptr) const;
    // Writes the form file: every control's class, place, extent and stored properties.
    // Throws ContainerError when a control cannot write its properties, FileWriteError when the
    // file cannot be written (the old file then stays whole).
    void save(const std::string& path) const;

  private:
    SilentSink sink_;  // declared before the container, which reports to it until it goes
    Container container_;
    FormLayout layout_;
};

}  // namespace qd::host
