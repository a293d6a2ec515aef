// The one adaptor between the Qt side and the container: a control created, loaded, resized and
// reloaded through host::Container, its view kept composed for painting and its damage and
// change notifications collected for the widget (or any other Qt item) that shows it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <qdprogress/device.h>

#include "host/container/container.h"
#include "host/trace/silent_sink.h"
#include "qt/src/class_facts.h"

namespace qd::qt::detail {

class ControlHost {
  public:
    // Creates control `what` at `extent` (twips; default the design extent) drawn for `device`:
    // InitProperties without `stored`, ReadProperties from it otherwise. Throws
    // host::ContainerError; `last_key` receives the key a failed ReadProperties read last.
    ControlHost(const std::string& what, const host::PropertyList* stored,
                host::DeviceOptions device, std::optional<host::ControlExtent> extent = {},
                std::string* last_key = nullptr);
    ~ControlHost();

    const std::string& what() const { return what_; }
    const ClassFacts& facts() const { return *facts_; }
    const host::DeviceOptions& device() const { return hosting_->container.device(); }
    host::ControlExtent extent() const;  // twips, as the control keeps it
    // The control's dispatch interface, borrowed (for a property page, which calls it itself).
    IDispatch* dispatch() const { return hosting_->control->dispatch(); }
    // After calls that went to the control past this adaptor: its drawing may be stale.
    void touched() { view_stale_ = true; }

    // Late-bound access; throw host::ContainerError with the control's failure code.
    Variant get(const std::string& property);
    void put(const std::string& property, const Variant& value);
    host::PropertyList write();
    void resize(float width, float height);

    // Replaces the control by a new one loaded from `stored` at the current extent (and, when
    // given, for another device). The old control stays when the new one fails (the error is
    // thrown then).
    void reload(const host::PropertyList& stored, std::optional<host::DeviceOptions> device = {},
                std::string* last_key = nullptr);

    // The view as the control shows it now, in device pixels; composed again only where the
    // control reported damage (in full after a resize, a reload or touched()).
    const host::Image& view();
    host::PixelRect take_damage();
    // The names of the control's PropertyChanged notifications since the last take, in order.
    std::vector<std::string> take_changes();

  private:
    struct Hosting {
        explicit Hosting(host::DeviceOptions device) : container(sink, device) {}
        host::SilentSink sink;  // outlives the container, which reports to it
        host::Container container;
        host::HostedControl* control = nullptr;
    };
    std::unique_ptr<Hosting> site(const host::PropertyList* stored, host::DeviceOptions device,
                                  std::optional<host::ControlExtent> extent, std::string* last_key);

    std::string what_;
    std::shared_ptr<const ClassFacts> facts_;
    std::unique_ptr<Hosting> hosting_;
    // Pulls the control's damage into both the view's and the caller's share.
    void collect_damage();

    host::Image view_;
    bool view_stale_ = true;     // compose all of the view again
    host::PixelRect recompose_;  // the part of view_ to compose again
    host::PixelRect damage_;     // what changed since the caller's last take
    std::vector<std::string> changes_;
};

}  // namespace qd::qt::detail
