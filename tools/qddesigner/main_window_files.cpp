// The window's File menu: New, Open, Recent, Save, Save As, Export PNG, and the prompt for
// unsaved changes.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSettings>
#include <QVBoxLayout>

#include "host/persist/atomic_file.h"
#include "tools/qddesigner/export_png.h"
#include "tools/qddesigner/main_window.h"
#include "tools/qddesigner/trace_pane.h"

namespace qd::designer {

namespace {

constexpr int kRecentFiles = 8;
const char* const kFormFilter = "Form files (*.qdf);;All files (*)";

}  // namespace

void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New"), QKeySequence::New, this, [this] {
        if (maybeSave())
            newForm();
    });
    file->addAction(tr("&Open..."), QKeySequence::Open, this, &MainWindow::openChosen);
    recentMenu_ = file->addMenu(tr("Open &Recent"));
    fillRecentMenu();
    file->addAction(tr("&Save"), QKeySequence::Save, this, &MainWindow::save);
    file->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, &MainWindow::saveAs);
    file->addAction(tr("&Export PNG..."), this, &MainWindow::exportChosen);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    connect(&model_, &FormModel::storedChanged, this, [this](const QString& name) {
        if (const DesignControl* c = model_.find(name.toStdString()))
            trace_->storedChanged(*c);
    });
}

void MainWindow::newForm() {
    run_->stop();
    model_.reset({});
    undo_.clear();
    path_.clear();
    updateTitle();
}

bool MainWindow::openForm(const QString& path, QStringList* problems, bool quiet) {
    run_->stop();
    std::vector<std::string> bad;
    DesignForm form;
    try {
        form = read_design_form(path.toStdString(), &bad);
    } catch (const std::exception& e) {
        if (problems)
            *problems << QString::fromUtf8(e.what());
        if (!quiet)
            QMessageBox::warning(this, tr("Open"), QString::fromUtf8(e.what()));
        return false;
    }
    model_.reset(std::move(form));
    undo_.clear();
    path_ = path;
    addRecent(path);
    updateTitle();
    QStringList listed;
    for (const std::string& b : bad)
        listed << QString::fromStdString(b);
    listed << canvas_->takeFailures();
    if (!model_.controls().empty())
        canvas_->setSelection({model_.controls().front().name});
    if (problems)
        *problems = listed;
    if (!listed.isEmpty() && !quiet)
        showProblems(tr("%1: damaged lines").arg(QFileInfo(path).fileName()), listed);
    return true;
}

bool MainWindow::saveForm(const QString& path, QString* error) {
    try {
        write_design_form(path.toStdString(), model_.form());
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
    path_ = path;
    undo_.setClean();
    addRecent(path);
    updateTitle();
    return true;
}

bool MainWindow::exportPng(const QString& png, double scale, bool smooth, QString* error) {
    std::vector<std::string> problems;
    try {
        export_form_png(model_.form(), png.toStdString(), host::DeviceOptions{scale, smooth},
                        &problems);
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
    if (!problems.empty() && error)
        *error = QString::fromStdString(problems.front());
    return problems.empty();
}

void MainWindow::openChosen() {
    if (!maybeSave())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open form"), {}, tr(kFormFilter));
    if (!path.isEmpty())
        openForm(path);
}

bool MainWindow::save() {
    if (path_.isEmpty())
        return saveAs();
    QString error;
    if (saveForm(path_, &error))
        return true;
    QMessageBox::warning(this, tr("Save"), error);
    return false;
}

bool MainWindow::saveAs() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save form"), path_.isEmpty() ? "untitled.qdf" : path_, tr(kFormFilter));
    if (path.isEmpty())
        return false;
    QString error;
    if (saveForm(path, &error))
        return true;
    QMessageBox::warning(this, tr("Save As"), error);
    return false;
}

void MainWindow::exportChosen() {
    QDialog options(this);
    options.setWindowTitle(tr("Export PNG"));
    auto* scale = new QComboBox(&options);
    scale->addItems({"1", "2"});
    auto* smooth = new QCheckBox(tr("Smooth edges and text"), &options);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &options);
    auto* layout = new QFormLayout(&options);
    layout->addRow(tr("Scale"), scale);
    layout->addRow(smooth);
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &options, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &options, &QDialog::reject);
    if (options.exec() != QDialog::Accepted)
        return;
    const QString stem = path_.isEmpty() ? "untitled" : QFileInfo(path_).completeBaseName();
    const QString png =
        QFileDialog::getSaveFileName(this, tr("Export PNG"), stem + ".png", tr("PNG (*.png)"));
    if (png.isEmpty())
        return;
    QString error;
    if (!exportPng(png, scale->currentText().toDouble(), smooth->isChecked(), &error))
        QMessageBox::warning(this, tr("Export PNG"), error);
}

bool MainWindow::maybeSave() {
    if (undo_.isClean())
        return true;
    const auto answer = QMessageBox::question(
        this, tr("Unsaved changes"), tr("The form has changes that are not saved. Save them?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

void MainWindow::addRecent(const QString& path) {
    QSettings settings("qdProgress", "qddesigner");
    QStringList recent = settings.value("recentFiles").toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentFiles)
        recent.removeLast();
    settings.setValue("recentFiles", recent);
    fillRecentMenu();
}

void MainWindow::fillRecentMenu() {
    if (!recentMenu_)
        return;
    recentMenu_->clear();
    const QStringList recent =
        QSettings("qdProgress", "qddesigner").value("recentFiles").toStringList();
    for (const QString& path : recent)
        recentMenu_->addAction(path, this, [this, path] {
            if (maybeSave())
                openForm(path);
        });
    recentMenu_->setEnabled(!recent.isEmpty());
}

void MainWindow::showProblems(const QString& title, const QStringList& problems) {
    QDialog dialog(this);
    dialog.setWindowTitle(title);
    auto* text = new QPlainTextEdit(problems.join('\n'), &dialog);
    text->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(tr("These lines were left out; the other controls are loaded:")));
    layout->addWidget(text);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    dialog.resize(640, 240);
    dialog.exec();
}

}  // namespace qd::designer
