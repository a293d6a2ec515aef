#include "host/container/embed.h"

#include <algorithm>

#include "host/container/picture_file.h"
#include "host/persist/atomic_file.h"
#include "host/persist/form_file.h"

namespace qd::host {

std::string module_class(const std::string& module_path, const std::string& class_name) {
    return module_path + ":" + class_name;
}

HostedControl& EmbeddedForm::add(const std::string& name, const std::string& what, float left,
                                 float top, std::optional<ControlExtent> extent) {
    HostedControl& control = container_.create(name, what, extent);
    layout_.controls.push_back({name, what, left, top});
    return control;
}

bool EmbeddedForm::remove(const std::string& name) {
    std::erase_if(layout_.controls, [&](const PlacedControl& p) { return p.name == name; });
    return container_.remove(name);
}

bool EmbeddedForm::render_png(const std::string& path, std::string* error) const {
    try {
        save_png(path, render());
        return true;
    } catch (const FileWriteError& e) {
        if (error)
            *error = e.what();
        return false;
    }
}

void EmbeddedForm::save(const std::string& path) const {
    save_form_file(path, snapshot_form(container_, layout_));
}

}  // namespace qd::host
