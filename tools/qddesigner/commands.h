// The undoable changes of a form, each on the form model alone (the canvas follows the model):
// adding controls (place, paste), removing them (delete, cut), new places and extents (move,
// resize), new stored properties (property edits, property pages) and the form's extent.
// Each command holds both states, so undo and redo restore exact twips and stored text.
#pragma once

#include <QUndoCommand>

#include "tools/qddesigner/form_model.h"

namespace qd::designer {

// Controls with the index each takes in the form.
struct IndexedControl {
    int index = 0;
    DesignControl control;
};

class AddControlsCommand : public QUndoCommand {
  public:
    AddControlsCommand(FormModel& model, std::vector<IndexedControl> controls, const QString& text);
    void redo() override;
    void undo() override;

  private:
    FormModel& model_;
    std::vector<IndexedControl> controls_;  // in ascending index order
};

class RemoveControlsCommand : public QUndoCommand {
  public:
    RemoveControlsCommand(FormModel& model, const std::vector<std::string>& names,
                          const QString& text);
    void redo() override;
    void undo() override;

  private:
    FormModel& model_;
    std::vector<IndexedControl> removed_;  // ascending index order, as they stood
};

// New places for several controls; `after[i]` is the new place of `names[i]`. A resize may
// change what a control stores (the pie's Aspect follows its extent): `stored_after`, when
// given, is what each control stores at its new place, and undo restores what it stored before.
class PlaceControlsCommand : public QUndoCommand {
  public:
    PlaceControlsCommand(FormModel& model, std::vector<std::string> names,
                         std::vector<TwipsRect> after, const QString& text,
                         std::vector<std::string> stored_after = {});
    void redo() override;
    void undo() override;

  private:
    FormModel& model_;
    std::vector<std::string> names_;
    std::vector<TwipsRect> before_, after_;
    std::vector<std::string> stored_before_, stored_after_;
};

// New stored properties for several controls; `before` is what they held.
class StoreControlsCommand : public QUndoCommand {
  public:
    StoreControlsCommand(FormModel& model, std::vector<std::string> names,
                         std::vector<std::string> before, std::vector<std::string> after,
                         const QString& text);
    void redo() override;
    void undo() override;

  private:
    FormModel& model_;
    std::vector<std::string> names_;
    std::vector<std::string> before_, after_;
};

class FormExtentCommand : public QUndoCommand {
  public:
    FormExtentCommand(FormModel& model, std::optional<host::FormExtent> after);
    void redo() override;
    void undo() override;

  private:
    FormModel& model_;
    std::optional<host::FormExtent> before_, after_;
};

}  // namespace qd::designer
