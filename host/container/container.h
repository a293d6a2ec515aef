// The container: creates controls by ProgID through the registry, gives each its site (a
// ControlSite with a picture box and a label), and raises the host events on it. Every host
// call the controls make passes through one trace sink.
//
//   Container form(sink);
//   HostedControl& pie = form.create("pie", "qdProgressControls.qdProgressPie");
//   pie.put("Value", Variant(40));
//   save_property_file("pie.qdp", pie.write_properties());
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include <qdprogress/control_types.h>

#include "host/container/surfaces.h"
#include "host/model/control_site.h"
#include "host/persist/property_file.h"
#include "host/trace/trace_sink.h"
#include "platform/host.h"

namespace qd::host {

// The design extent the class's type library gives it. `what` is a ProgID, a {CLSID} or a
// PATH:CLASS, as the loader takes it. Throws ContainerError when the class cannot be found.
ControlExtent design_extent(const std::string& what);

// Where class `what` (a ProgID, a {CLSID} or a PATH:CLASS) lives: its module's path, and the
// class as that module's type library knows it (its name, or its {CLSID} for a registered
// class). Throws ContainerError when a registered class is not found.
struct ClassLocation {
    std::string module;
    std::string class_name;
};
ClassLocation locate_class(const std::string& what);

// Calls `use` with the class of `what` from its library's type information, which stays
// loaded while `use` runs. Throws ContainerError when the class cannot be found.
void with_class(const std::string& what, const std::function<void(const ClassDesc&)>& use);

// Refuses (ContainerError, invalid property value) an extent in twips that the host cannot
// give a picture: a coordinate over its limit, or more pixels than one picture may have.
void check_extent(float width, float height);

// One control on the container, with its site and surfaces.
class HostedControl {
  public:
    HostedControl(std::string name, ComPtr<IDispatch> control, ComPtr<IControl> events,
                  Surfaces surfaces, ComPtr<ControlSite> site, ComPtr<IControlSite> traced_site,
                  TraceSink& sink);
    ~HostedControl();
    HostedControl(const HostedControl&) = delete;
    HostedControl& operator=(const HostedControl&) = delete;

    const std::string& name() const { return name_; }
    IDispatch* dispatch() const { return control_.get(); }
    ControlSite& site() const { return *site_.get(); }
    LabelState label() const { return surfaces_.label_state(); }
    // What the control shows now: its picture with the label drawn over it.
    Image view() const { return surfaces_.view(); }
    // Composes `rect` of `view`, an earlier view(), again: after a damage of `rect` it is then
    // the same as view(). A view of another size is composed in full.
    void update_view(Image& view, const PixelRect& rect) const {
        surfaces_.update_view(view, rect);
    }
    // The part of view() that changed since the last take (any drawing call, label change or
    // resize), in its device pixels; empty when nothing changed. Taking it resets it.
    PixelRect take_damage() const { return surfaces_.take_damage(); }

    // The host events; each throws ContainerError with the control's failure code.
    void set_site();
    void init_properties();
    // `last_key`, when given, receives the last key the control read (the one a failure most
    // likely concerns).
    void read_properties(const PropertyList& properties, std::string* last_key = nullptr);
    PropertyList write_properties();
    // Raises Resize at the current extent, or first sets the extent (twips).
    void resize();
    void resize(float width, float height);

    // Late-bound member access by name; each throws ContainerError with the failure code.
    Variant get(const std::string& property);
    void put(const std::string& property, const Variant& value);
    void call(const std::string& method);

  private:
    std::string name_;
    ComPtr<IDispatch> control_;
    ComPtr<IControl> events_;
    Surfaces surfaces_;
    ComPtr<ControlSite> site_;
    ComPtr<IControlSite> traced_site_;
    TraceSink& sink_;
};

class Container {
  public:
    // `sink` receives every host call of every control and must outlive the container. The
    // controls' surfaces are drawn for `device` (scale and smoothing); a scale outside
    // is_device_scale throws ContainerError.
    explicit Container(TraceSink& sink, DeviceOptions device = {});
    ~Container();

    // Creates control `name` of class `what` (ProgID, {CLSID} or PATH:CLASS), sites it, raises
    // InitProperties, then Resize at `extent` (default: the class's design extent).
    HostedControl& create(const std::string& name, const std::string& what,
                          std::optional<ControlExtent> extent = std::nullopt);
    // Creates it, raises ReadProperties from `properties`, then Resize at `extent` (default:
    // the design extent). `last_key` as for HostedControl::read_properties.
    HostedControl& load(const std::string& name, const std::string& what,
                        const PropertyList& properties,
                        std::optional<ControlExtent> extent = std::nullopt,
                        std::string* last_key = nullptr);

    const DeviceOptions& device() const { return device_; }

    // The control of that name, or null.
    HostedControl* find(const std::string& name) const;
    // Releases the control of that name; false when there is none.
    bool remove(const std::string& name);

  private:
    HostedControl& site_new(const std::string& name, const std::string& what, ControlExtent extent);

    TraceSink& sink_;
    DeviceOptions device_;
    std::map<std::string, std::unique_ptr<HostedControl>> controls_;
};

}  // namespace qd::host
