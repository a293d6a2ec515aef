#include "tools/qddesigner/commands.h"

#include <algorithm>

namespace qd::designer {

AddControlsCommand::AddControlsCommand(FormModel& model, std::vector<IndexedControl> controls,
                                       const QString& text)
    : QUndoCommand(text), model_(model), controls_(std::move(controls)) {
    std::sort(controls_.begin(), controls_.end(),
              [](const IndexedControl& a, const IndexedControl& b) { return a.index < b.index; });
}

void AddControlsCommand::redo() {
    for (const IndexedControl& c : controls_)
        model_.insert(c.index, c.control);
}

void AddControlsCommand::undo() {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        model_.remove(it->control.name);
}

RemoveControlsCommand::RemoveControlsCommand(FormModel& model,
                                             const std::vector<std::string>& names,
                                             const QString& text)
    : QUndoCommand(text), model_(model) {
    for (const std::string& name : names) {
        const int i = model.indexOf(name);
        if (i >= 0)
            removed_.push_back({i, model.controls()[static_cast<std::size_t>(i)]});
    }
    std::sort(removed_.begin(), removed_.end(),
              [](const IndexedControl& a, const IndexedControl& b) { return a.index < b.index; });
}

void RemoveControlsCommand::redo() {
    for (const IndexedControl& c : removed_)
        model_.remove(c.control.name);
}

void RemoveControlsCommand::undo() {
    // Ascending order puts each back where it stood, the earlier ones already in place.
    for (const IndexedControl& c : removed_)
        model_.insert(c.index, c.control);
}

PlaceControlsCommand::PlaceControlsCommand(FormModel& model, std::vector<std::string> names,
                                           std::vector<TwipsRect> after, const QString& text,
                                           std::vector<std::string> stored_after)
    : QUndoCommand(text),
      model_(model),
      names_(std::move(names)),
      after_(std::move(after)),
      stored_after_(std::move(stored_after)) {
    for (const std::string& name : names_) {
        const DesignControl* c = model.find(name);
        before_.push_back(c ? c->place : TwipsRect{});
        if (!stored_after_.empty())
            stored_before_.push_back(c ? c->stored : std::string());
    }
}

void PlaceControlsCommand::redo() {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        model_.setPlace(names_[i], after_[i]);
        if (!stored_after_.empty())
            model_.setStored(names_[i], stored_after_[i]);
    }
}

void PlaceControlsCommand::undo() {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        model_.setPlace(names_[i], before_[i]);
        if (!stored_before_.empty())
            model_.setStored(names_[i], stored_before_[i]);
    }
}

StoreControlsCommand::StoreControlsCommand(FormModel& model, std::vector<std::string> names,
                                           std::vector<std::string> before,
                                           std::vector<std::string> after, const QString& text)
    : QUndoCommand(text),
      model_(model),
      names_(std::move(names)),
      before_(std::move(before)),
      after_(std::move(after)) {}

void StoreControlsCommand::redo() {
    for (std::size_t i = 0; i < names_.size(); ++i)
        model_.setStored(names_[i], after_[i]);
}

void StoreControlsCommand::undo() {
    for (std::size_t i = 0; i < names_.size(); ++i)
        model_.setStored(names_[i], before_[i]);
}

FormExtentCommand::FormExtentCommand(FormModel& model, std::optional<host::FormExtent> after)
    : QUndoCommand(QObject::tr("Form size")),
      model_(model),
      before_(model.form().extent),
      after_(after) {}

void FormExtentCommand::redo() {
    model_.setExtent(after_);
}

void FormExtentCommand::undo() {
    model_.setExtent(before_);
}

}  // namespace qd::designer
