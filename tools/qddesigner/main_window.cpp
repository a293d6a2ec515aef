#include "tools/qddesigner/main_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDockWidget>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>

#if __has_include(<qdprogress/qt/property_pages_dialog.h>)
#include <qdprogress/qt/property_pages_dialog.h>
#define QD_DESIGNER_HAS_PAGES 1
#endif

#include "tools/qddesigner/commands.h"
#include "tools/qddesigner/trace_pane.h"

namespace qd::designer {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      toolbox_(new ToolboxPanel(this)),
      canvas_(new FormCanvas(model_, undo_)),
      grid_(new PropertyGrid(model_, undo_, this)),
      run_(new RunMode(model_, *canvas_, this)) {
    setObjectName("qddesigner");
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(canvas_);
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCentralWidget(scroll);
    canvas_->setClassChooser([this] { return toolbox_->chosenClass(); },
                             [this] { toolbox_->clearChoice(); });
    connect(toolbox_, &ToolboxPanel::classActivated, this, [this](const QString& progid) {
        QString error;
        if (!canvas_->placeControl(progid, QPoint(8, 8), &error))
            QMessageBox::warning(this, tr("Place control"), progid + ": " + error);
    });
    connect(canvas_, &FormCanvas::selectionChanged, this, &MainWindow::selectionChanged);
    connect(canvas_, &FormCanvas::controlFailed, this,
            [this](const QString& m) { statusBar()->showMessage(m, 10000); });
    connect(&undo_, &QUndoStack::cleanChanged, this, &MainWindow::updateTitle);
    buildDocks();
    buildMenus();
    resize(1280, 720);
    newForm();
}

void MainWindow::buildDocks() {
    auto* tools = new QDockWidget(tr("Toolbox"), this);
    tools->setObjectName("toolboxDock");
    tools->setWidget(toolbox_);
    addDockWidget(Qt::LeftDockWidgetArea, tools);
    auto* properties = new QDockWidget(tr("Properties"), this);
    properties->setObjectName("propertiesDock");
    properties->setWidget(grid_);
    properties->setMinimumWidth(340);
    addDockWidget(Qt::RightDockWidgetArea, properties);
    trace_ = new TracePane(this);
    auto* trace = new QDockWidget(tr("Host calls"), this);
    trace->setObjectName("traceDock");
    trace->setWidget(trace_);
    addDockWidget(Qt::BottomDockWidgetArea, trace);
    trace->hide();
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildEditMenu();
    buildFormMenu();
    QMenu* view = menuBar()->addMenu(tr("&View"));
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        view->addAction(dock->toggleViewAction());
}

void MainWindow::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    // In run mode the form is not edited, so that Stop finds the controls as the model holds
    // them: a disabled group keeps its actions (and their shortcuts) off, undo and redo too.
    auto* editing = new QActionGroup(this);
    editing->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    connect(run_, &RunMode::runningChanged, editing,
            [editing](bool on) { editing->setEnabled(!on); });
    QAction* undo = undo_.createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undo_.createRedoAction(this, tr("&Redo"));
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    editing->addAction(undo);
    editing->addAction(redo);
    editing->addAction(
        edit->addAction(tr("Cu&t"), QKeySequence::Cut, canvas_, &FormCanvas::cutSelection));
    editing->addAction(
        edit->addAction(tr("&Copy"), QKeySequence::Copy, canvas_, &FormCanvas::copySelection));
    editing->addAction(
        edit->addAction(tr("&Paste"), QKeySequence::Paste, canvas_, &FormCanvas::paste));
    editing->addAction(edit->addAction(tr("&Delete"), QKeySequence::Delete, canvas_,
                                       &FormCanvas::deleteSelection));
    editing->addAction(edit->addAction(tr("Select &All"), QKeySequence::SelectAll, canvas_,
                                       &FormCanvas::selectAll));
}

void MainWindow::buildFormMenu() {
    QMenu* form = menuBar()->addMenu(tr("F&orm"));
    form->addAction(tr("&Properties..."), QKeySequence(Qt::Key_F4), this,
                    &MainWindow::showProperties);
    QAction* snap = form->addAction(tr("Snap to &Grid"));
    snap->setCheckable(true);
    snap->setChecked(canvas_->snapToGrid());
    connect(snap, &QAction::toggled, canvas_, &FormCanvas::setSnapToGrid);
    form->addAction(tr("Form &Size..."), this, &MainWindow::chooseFormSize);
    QMenu* run = menuBar()->addMenu(tr("&Run"));
    runAction_ =
        run->addAction(tr("&Start"), QKeySequence(Qt::Key_F5), this, &MainWindow::startRun);
    stopAction_ =
        run->addAction(tr("S&top"), QKeySequence(Qt::SHIFT | Qt::Key_F5), run_, &RunMode::stop);
    stopAction_->setEnabled(false);
    connect(run_, &RunMode::runningChanged, this, [this](bool on) {
        runAction_->setEnabled(!on);
        stopAction_->setEnabled(on);
        statusBar()->showMessage(on ? tr("Running") : tr("Design"));
    });
}

void MainWindow::showTracePane(bool on) {
    findChild<QDockWidget*>("traceDock")->setVisible(on);
}

void MainWindow::selectionChanged() {
    std::vector<qt::ControlWidget*> widgets;
    for (const std::string& name : canvas_->selection())
        widgets.push_back(canvas_->widget(name));
    grid_->setControls(canvas_->selection(), widgets);
    trace_->follow(canvas_->selection().size() == 1 ? model_.find(canvas_->selection().front())
                                                    : nullptr);
}

void MainWindow::showProperties() {
    if (canvas_->selection().empty())
        return;
    const std::string name = canvas_->selection().front();
    qt::ControlWidget* w = canvas_->widget(name);
    const std::string before = w->saveProperties().toStdString();
#ifdef QD_DESIGNER_HAS_PAGES
    qt::PropertyPagesDialog dialog(w, this);
    dialog.exec();
#else
    QMessageBox::information(this, tr("Properties"),
                             tr("This build of the widget library has no property pages dialog."));
#endif
    const std::string after = w->saveProperties().toStdString();
    if (after != before)
        undo_.push(new StoreControlsCommand(model_, {name}, {before}, {after}, tr("Properties")));
    grid_->refresh();
}

void MainWindow::chooseFormSize() {
    const host::FormExtent now = canvas_->formExtent();
    bool ok = false;
    const double width = QInputDialog::getDouble(this, tr("Form size"), tr("Width (twips)"),
                                                 now.width, 15, 1e6, 0, &ok);
    if (!ok)
        return;
    const double height = QInputDialog::getDouble(this, tr("Form size"), tr("Height (twips)"),
                                                  now.height, 15, 1e6, 0, &ok);
    if (ok)
        undo_.push(new FormExtentCommand(
            model_, host::FormExtent{static_cast<float>(width), static_cast<float>(height)}));
}

void MainWindow::startRun() {
    bool ok = false;
    const double seconds = QInputDialog::getDouble(this, tr("Run"), tr("Seconds from Min to Max"),
                                                   5, 0.1, 3600, 1, &ok);
    if (ok)
        run_->start(seconds);
}

void MainWindow::updateTitle() {
    const QString name = path_.isEmpty() ? tr("untitled.qdf") : path_;
    setWindowTitle(tr("%1[*] - qddesigner").arg(name));
    setWindowModified(!undo_.isClean());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    run_->stop();
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

}  // namespace qd::designer
