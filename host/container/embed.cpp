#include <qdprogress/embed.h>

#include <algorithm>
#include <map>

#include "host/container/container.h"
#include "host/container/form_host.h"
#include "host/container/picture_file.h"
#include "host/persist/atomic_file.h"
#include "host/persist/form_file.h"
#include "host/trace/silent_sink.h"

namespace qd::embed {

std::string module_class(const std::string& module_path, const std::string& class_name) {
    return module_path + ":" + class_name;
}

const std::string& HostedControl::name() const {
    return control_->name();
}
IDispatch* HostedControl::dispatch() const {
    return control_->dispatch();
}
LabelState HostedControl::label() const {
    return control_->label();
}
Image HostedControl::view() const {
    return control_->view();
}
Variant HostedControl::get(const std::string& property) {
    return control_->get(property);
}
void HostedControl::put(const std::string& property, const Variant& value) {
    control_->put(property, value);
}
void HostedControl::call(const std::string& method) {
    control_->call(method);
}

struct EmbeddedForm::State {
    host::SilentSink sink;  // declared before the container, which reports to it until it goes
    host::Container container{sink};
    host::FormLayout layout;
    std::map<std::string, std::unique_ptr<HostedControl>> controls;
};

EmbeddedForm::EmbeddedForm() : state_(std::make_unique<State>()) {}
EmbeddedForm::~EmbeddedForm() = default;

HostedControl& EmbeddedForm::add(const std::string& name, const std::string& what, float left,
                                 float top, std::optional<ControlExtent> extent) {
    host::HostedControl& control = state_->container.create(name, what, extent);
    state_->layout.controls.push_back({name, what, left, top});
    auto& facade = state_->controls[name];
    facade.reset(new HostedControl(control));
    return *facade;
}

bool EmbeddedForm::remove(const std::string& name) {
    std::erase_if(state_->layout.controls,
                  [&](const host::PlacedControl& p) { return p.name == name; });
    state_->controls.erase(name);
    return state_->container.remove(name);
}

HostedControl* EmbeddedForm::find(const std::string& name) const {
    const auto it = state_->controls.find(name);
    return it == state_->controls.end() ? nullptr : it->second.get();
}

Image EmbeddedForm::render() const {
    return host::render_form(state_->container, state_->layout);
}

bool EmbeddedForm::render_png(const std::string& path, std::string* error) const {
    try {
        host::save_png(path, render());
        return true;
    } catch (const host::FileWriteError& e) {
        if (error)
            *error = e.what();
        return false;
    }
}

void EmbeddedForm::save(const std::string& path) const {
    try {
        host::save_form_file(path, host::snapshot_form(state_->container, state_->layout));
    } catch (const host::FileWriteError& e) {
        throw ContainerError(E_FAIL, e.what());
    }
}

}  // namespace qd::embed
