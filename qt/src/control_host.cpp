#include "qt/src/control_host.h"

#include "host/container/declared_types.h"

namespace qd::qt::detail {

namespace {

constexpr const char* kControlName = "control";

}  // namespace

ControlHost::ControlHost(const std::string& what, const host::PropertyList* stored,
                         host::DeviceOptions device, std::optional<host::ControlExtent> extent,
                         std::string* last_key)
    : what_(what), facts_(class_facts(what)) {
    hosting_ = site(stored, device, extent, last_key);
}

ControlHost::~ControlHost() = default;

std::unique_ptr<ControlHost::Hosting> ControlHost::site(const host::PropertyList* stored,
                                                        host::DeviceOptions device,
                                                        std::optional<host::ControlExtent> extent,
                                                        std::string* last_key) {
    auto hosting = std::make_unique<Hosting>(device);
    if (stored) {
        host::PropertyList typed = *stored;
        const std::vector<host::UntypedFailure> bad = host::apply_declared_types(what_, &typed);
        if (!bad.empty()) {
            if (last_key)
                *last_key = bad.front().property.key;
            throw host::ContainerError(runtime_error_code(ErrorNumber::TypeMismatch),
                                       bad.front().property.key + ": " + bad.front().reason);
        }
        hosting->control = &hosting->container.load(kControlName, what_, typed, extent, last_key);
    } else {
        hosting->control = &hosting->container.create(kControlName, what_, extent);
    }
    hosting->control->site().on_property_changed(
        [this](std::string_view name) { changes_.emplace_back(name); });
    return hosting;
}

host::ControlExtent ControlHost::extent() const {
    const host::ControlSite& s = hosting_->control->site();
    return {s.width(), s.height()};
}

Variant ControlHost::get(const std::string& property) {
    return hosting_->control->get(property);
}

// A property drew through the picture box and the label, which report all they change as
// damage: the view is composed again where they did.
void ControlHost::put(const std::string& property, const Variant& value) {
    hosting_->control->put(property, value);
}

host::PropertyList ControlHost::write() {
    return hosting_->control->write_properties();
}

void ControlHost::resize(float width, float height) {
    view_stale_ = true;
    hosting_->control->resize(width, height);
}

void ControlHost::reload(const host::PropertyList& stored,
                         std::optional<host::DeviceOptions> device, std::string* last_key) {
    std::unique_ptr<Hosting> next =
        site(&stored, device ? *device : this->device(), extent(), last_key);
    hosting_ = std::move(next);
    view_stale_ = true;
}

void ControlHost::collect_damage() {
    const host::PixelRect d = hosting_->control->take_damage();
    recompose_.unite(d);
    damage_.unite(d);
}

const host::Image& ControlHost::view() {
    collect_damage();
    if (view_stale_) {
        view_ = hosting_->control->view();
        view_stale_ = false;
    } else if (!recompose_.empty()) {
        hosting_->control->update_view(view_, recompose_);
    }
    recompose_ = {};
    return view_;
}

host::PixelRect ControlHost::take_damage() {
    collect_damage();
    return std::exchange(damage_, {});
}

std::vector<std::string> ControlHost::take_changes() {
    return std::exchange(changes_, {});
}

}  // namespace qd::qt::detail
