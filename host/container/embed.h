// Conveniences for a program that embeds the controls: a container that traces nothing, controls
// placed on one form, and the form written as a PNG.
//
//   qd::host::EmbeddedForm form;
//   HostedControl& pie = form.add("pie", module_class(controls_module, "qdProgressPie"), 0, 0);
//   pie.put("Value", 40);
//   form.render_png("form.png");
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/container/container.h"
#include "host/raster/image.h"
#include "host/trace/trace_sink.h"

namespace qd::host {

// Lets every host call through and keeps nothing, so a long-running host does not grow a trace.
class SilentSink final : public TraceSink {
  public:
    HRESULT on_call(std::string_view) override { return S_OK; }
};

// The loader's PATH:CLASS form: class `class_name` of the module at `module_path`, found without
// the registry.
std::string module_class(const std::string& module_path, const std::string& class_name);

// A container whose controls have a place on one form. The form is as large as its controls
// need, plus a margin on the right and bottom.
class EmbeddedForm {
  public:
    static constexpr int kMarginPx = 8;

    // Creates control `name` of class `what` (ProgID, {CLSID} or PATH:CLASS) with its top-left
    // corner at (left, top) twips, at `extent` or the class's design extent. Throws
    // ContainerError, as Container::create does; nothing is placed then.
    HostedControl& add(const std::string& name, const std::string& what, float left, float top,
                       std::optional<ControlExtent> extent = std::nullopt);

    Container& container() { return container_; }
    HostedControl* find(const std::string& name) const { return container_.find(name); }

    // The form as one picture: the button-face background and each control's view at its
    // place, in the order they were added.
    Image render() const;
    // Writes render() as a PNG. False, with the reason in *error when given, on failure.
    bool render_png(const std::string& path, std::string* error = nullptr) const;

  private:
    struct Placement {
        std::string name;
        int left_px, top_px;
    };

    SilentSink sink_;  // declared before the container, which reports to it until it goes
    Container container_{sink_};
    std::vector<Placement> placements_;
};

}  // namespace qd::host
