// The designer's window: the toolbox on the left, the form canvas in the middle, the property
// grid on the right; File, Edit, Form and Run menus; the undo stack behind every change.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QUndoStack>

#include "tools/qddesigner/form_canvas.h"
#include "tools/qddesigner/form_model.h"
#include "tools/qddesigner/property_grid.h"
#include "tools/qddesigner/run_mode.h"
#include "tools/qddesigner/toolbox_panel.h"

namespace qd::designer {

class TracePane;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    FormModel& model() { return model_; }
    QUndoStack& undoStack() { return undo_; }
    FormCanvas& canvas() { return *canvas_; }
    PropertyGrid& grid() { return *grid_; }
    ToolboxPanel& toolbox() { return *toolbox_; }
    RunMode& runMode() { return *run_; }

    // Opens the form at `path`; the damaged lines and controls that failed are returned and,
    // unless `quiet`, listed in a dialog. False when the file cannot be read at all.
    bool openForm(const QString& path, QStringList* problems = nullptr, bool quiet = false);
    // Saves to `path` (atomically); false with the reason in *error.
    bool saveForm(const QString& path, QString* error = nullptr);
    // Writes the form's picture as `qdhost render` does for its saved file.
    bool exportPng(const QString& png, double scale, bool smooth, QString* error = nullptr);
    const QString& formPath() const { return path_; }
    void showTracePane(bool on);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildFormMenu();
    void buildDocks();
    void newForm();
    void openChosen();
    bool save();
    bool saveAs();
    void exportChosen();
    bool maybeSave();
    void addRecent(const QString& path);
    void fillRecentMenu();
    void showProperties();
    void chooseFormSize();
    void startRun();
    void selectionChanged();
    void updateTitle();
    void showProblems(const QString& title, const QStringList& problems);

    FormModel model_;
    QUndoStack undo_;
    ToolboxPanel* toolbox_;
    FormCanvas* canvas_;
    PropertyGrid* grid_;
    RunMode* run_;
    TracePane* trace_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* runAction_ = nullptr;
    QAction* stopAction_ = nullptr;
    QString path_;
};

}  // namespace qd::designer
