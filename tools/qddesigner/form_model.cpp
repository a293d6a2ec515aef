#include "tools/qddesigner/form_model.h"

#include <algorithm>

#include "foundation/ascii.h"

namespace qd::designer {

FormModel::FormModel(QObject* parent) : QObject(parent) {}

int FormModel::indexOf(const std::string& name) const {
    for (std::size_t i = 0; i < form_.controls.size(); ++i)
        if (form_.controls[i].name == name)
            return static_cast<int>(i);
    return -1;
}

const DesignControl* FormModel::find(const std::string& name) const {
    const int i = indexOf(name);
    return i < 0 ? nullptr : &form_.controls[static_cast<std::size_t>(i)];
}

void FormModel::reset(DesignForm form) {
    form_ = std::move(form);
    emit formReset();
}

void FormModel::insert(int index, const DesignControl& control) {
    const auto at = static_cast<std::size_t>(
        std::clamp<int>(index, 0, static_cast<int>(form_.controls.size())));
    form_.controls.insert(form_.controls.begin() + static_cast<std::ptrdiff_t>(at), control);
    emit controlInserted(QString::fromStdString(control.name));
}

bool FormModel::remove(const std::string& name, DesignControl* removed, int* index) {
    const int i = indexOf(name);
    if (i < 0)
        return false;
    if (removed)
        *removed = form_.controls[static_cast<std::size_t>(i)];
    if (index)
        *index = i;
    form_.controls.erase(form_.controls.begin() + i);
    emit controlRemoved(QString::fromStdString(name));
    return true;
}

void FormModel::setPlace(const std::string& name, const TwipsRect& place) {
    const int i = indexOf(name);
    if (i < 0 || form_.controls[static_cast<std::size_t>(i)].place == place)
        return;
    form_.controls[static_cast<std::size_t>(i)].place = place;
    emit placeChanged(QString::fromStdString(name));
}

void FormModel::setStored(const std::string& name, const std::string& stored) {
    const int i = indexOf(name);
    if (i < 0 || form_.controls[static_cast<std::size_t>(i)].stored == stored)
        return;
    form_.controls[static_cast<std::size_t>(i)].stored = stored;
    emit storedChanged(QString::fromStdString(name));
}

void FormModel::setExtent(std::optional<host::FormExtent> extent) {
    form_.extent = extent;
    emit extentChanged();
}

std::string FormModel::freeName(const std::string& base) const {
    // Names are compared without letter case, as a form's readers do for keys.
    auto taken = [&](const std::string& candidate) {
        return std::any_of(
            form_.controls.begin(), form_.controls.end(),
            [&](const DesignControl& c) { return iequals_ascii(c.name, candidate); });
    };
    for (int n = 1;; ++n) {
        std::string candidate = base + std::to_string(n);
        if (!taken(candidate))
            return candidate;
    }
}

}  // namespace qd::designer
