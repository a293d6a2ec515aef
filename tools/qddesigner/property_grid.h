// The property grid: every property of the selected controls' class, made from the type
// information the widget reports (nothing written per class), in slot order or by name.
// Enumerations are combo boxes of the type library's member names, colours a swatch that
// opens QColorDialog, booleans a check box, numbers and texts plain text the control's own put
// converts. A refused value shows in red beside the property with the run-time error's text
// and number, under the editor, and every control keeps what it had; after each put every property
// is read again. With several controls of one class selected, an edit applies to all, as one undo
// step.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>
#include <QUndoStack>
#include <QWidget>

#include <qdprogress/qt/control_widget.h>

#include "tools/qddesigner/form_model.h"

namespace qd::designer {

class PropertyGrid : public QWidget {
    Q_OBJECT
  public:
    PropertyGrid(FormModel& model, QUndoStack& undo, QWidget* parent = nullptr);

    // The controls the grid edits: all of one class, else the grid is empty.
    void setControls(std::vector<std::string> names, std::vector<qt::ControlWidget*> widgets);
    // Puts `value` into property `name` of every edited control; false (the error shown in
    // the property's row, every control as it was) when one refuses it.
    bool edit(const QString& name, const QVariant& value);
    // The error shown for property `name`; empty when none.
    QString errorText(const QString& name) const;
    // Reads every property again into the editors.
    void refresh();
    void setAlphabetical(bool on);

  private:
    void rebuild();
    QWidget* editorFor(const qt::PropertyInfo& info);
    void showValue(int row);
    int rowOf(const QString& name) const;
    QLabel* errorLabel(int row) const;

    FormModel& model_;
    QUndoStack& undo_;
    QTableWidget* table_;
    QCheckBox* alphabetical_;
    std::vector<std::string> names_;
    std::vector<qt::ControlWidget*> widgets_;
    QList<qt::PropertyInfo> properties_;  // in the rows' order
};

// "Invalid property value (error 380, 0x800A017C)": the error's text and number.
QString error_text(const qt::ControlError& error);

}  // namespace qd::designer
