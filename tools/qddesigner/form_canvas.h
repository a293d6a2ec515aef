// The form canvas: the model's controls as live ControlWidgets at their places, the grid,
// the selection with its eight handles, the rubber band, and the gestures that change the
// form (place, select, move, resize, delete, cut / copy / paste), each one undoable command.
// The control's own Resize has the last word on its size: the canvas asks for a size, reads
// back what the control took and stores that.
#pragma once

#include <functional>
#include <map>

#include <QPointer>
#include <QUndoStack>
#include <QWidget>

#include <qdprogress/qt/control_widget.h>

#include "tools/qddesigner/form_model.h"

namespace qd::designer {

class SelectionOverlay;

// Twips and the canvas's pixels: 15 twips a pixel, rounded as the host's form picture rounds.
int to_pixels(float twips);
float to_twips(int pixels);
QRect pixel_rect(const TwipsRect& place);

class FormCanvas : public QWidget {
    Q_OBJECT
  public:
    FormCanvas(FormModel& model, QUndoStack& undo, QWidget* parent = nullptr);

    // The toolbox's choice of a class to place at the next click (empty: none) and how to
    // clear it once placed.
    void setClassChooser(std::function<QString()> chosen, std::function<void()> clear);

    qt::ControlWidget* widget(const std::string& name) const;
    const std::vector<std::string>& selection() const { return selection_; }
    void setSelection(std::vector<std::string> names);
    void selectAll();

    bool snapToGrid() const { return snap_; }
    void setSnapToGrid(bool on);
    int gridPixels() const { return grid_; }

    // Places a new control of class `progid` with its top-left corner at `at` (canvas pixels,
    // snapped), at its design extent, and selects it; false with the reason in *error.
    bool placeControl(const QString& progid, QPoint at, QString* error = nullptr);
    void deleteSelection();
    void copySelection() const;
    void cutSelection();
    void paste();
    // Moves the selection by (dx, dy) pixels as one command.
    void moveSelection(int dx, int dy);
    // Asks for a new place for `name` (pixels): the control takes its extent, the model stores
    // what it took. Returns the place stored.
    TwipsRect resizeControl(const std::string& name, QRect wanted);

    // Run mode: no editing, no selection drawn.
    void setRunning(bool on);
    bool running() const { return running_; }

    // The form's extent in twips: its own, else its controls' bounding box and a margin.
    host::FormExtent formExtent() const;
    // Controls that could not be created since the last take, with the reason.
    QStringList takeFailures();

  signals:
    void selectionChanged();
    void controlFailed(const QString& message);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    friend class SelectionOverlay;
    enum class Drag { None, Move, Resize, Band };

    void rebuild();
    void createWidget(const std::string& name);
    void removeWidget(const std::string& name);
    void applyPlace(const std::string& name);
    void applyStored(const std::string& name);
    void fitToForm();
    QPoint snapped(QPoint p) const;
    // The topmost control under `p`, or empty.
    std::string controlAt(QPoint p) const;
    // The handle (0..7, clockwise from top-left) of a selected control under `p`; -1 for none.
    int handleAt(QPoint p, std::string* name) const;
    QRect resized(QRect start, int handle, QPoint delta) const;
    void finishDrag(QPoint at);

    FormModel& model_;
    QUndoStack& undo_;
    QWidget* overlay_;  // a SelectionOverlay
    std::map<std::string, QPointer<qt::ControlWidget>> widgets_;
    std::vector<std::string> selection_;
    std::function<QString()> chosen_;
    std::function<void()> clearChoice_;
    QStringList failures_;
    bool snap_ = true;
    int grid_ = 8;  // pixels, 120 twips
    bool running_ = false;

    Drag drag_ = Drag::None;
    QPoint pressAt_;
    QRect band_;
    int handle_ = -1;
    std::string resizing_;
    std::map<std::string, QRect> startRects_;
};

// The eight handles of a control's rectangle, clockwise from the top-left corner.
std::array<QRect, 8> handle_rects(const QRect& control);

}  // namespace qd::designer
