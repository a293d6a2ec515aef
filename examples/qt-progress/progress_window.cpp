#include "progress_window.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <qdprogress/qt/property_pages_dialog.h>

#include "hash_worker.h"

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent),
      pie_(new qd::qt::ProgressPie(this)),
      bar_(new qd::qt::ProgressBar(this)),
      single_(new qd::qt::SinglePie(this)),
      selected_(pie_),
      path_(new QLineEdit(this)),
      start_(new QPushButton(tr("Start"), this)),
      cancel_(new QPushButton(tr("Cancel"), this)),
      status_(new QLabel(tr("Choose a file and start: the controls follow its hash."), this)),
      worker_(new HashWorker) {
    setWindowTitle(tr("qdProgress in Qt"));
    pie_->setLabelPosition(qd::qt::ProgressPie::pCenter);
    pie_->setFillType(qd::qt::ProgressPie::p2ColorGradient);
    bar_->setLabelPosition(qd::qt::ProgressBar::pCenter);
    single_->setLabelPosition(qd::qt::SinglePie::ppCenter);
    single_->setLabelType(qd::qt::SinglePie::ppPercent);
    for (qd::qt::ControlWidget* c :
         {static_cast<qd::qt::ControlWidget*>(pie_), static_cast<qd::qt::ControlWidget*>(bar_),
          static_cast<qd::qt::ControlWidget*>(single_)})
        c->installEventFilter(this);

    layOut();
    connectTask();
    thread_.start();
}

void ProgressWindow::layOut() {
    auto* browse = new QPushButton(tr("File..."), this);
    auto* properties = new QPushButton(tr("Properties..."), this);
    connect(browse, &QPushButton::clicked, this, &ProgressWindow::choose);
    connect(properties, &QPushButton::clicked, this, [this] {
        qd::qt::PropertyPagesDialog dialog(selected_, this);
        dialog.exec();
    });
    cancel_->setEnabled(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(pie_, 0, 0, 2, 1);
    grid->addWidget(single_, 0, 1, 2, 1);
    grid->addWidget(bar_, 2, 0, 1, 2);
    auto* file_row = new QHBoxLayout;
    file_row->addWidget(path_);
    file_row->addWidget(browse);
    grid->addLayout(file_row, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    buttons->addWidget(properties);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->addWidget(status_, 5, 0, 1, 2);
}

void ProgressWindow::connectTask() {
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(this, &ProgressWindow::hashRequested, worker_, &HashWorker::hash);
    connect(worker_, &HashWorker::progress, this, &ProgressWindow::showProgress);
    connect(worker_, &HashWorker::finished, this, [this](const QString& digest) {
        status_->setText(digest.isEmpty() ? tr("Cancelled.") : tr("SHA-256: %1").arg(digest));
        start_->setEnabled(true);
        cancel_->setEnabled(false);
    });
    connect(worker_, &HashWorker::failed, this, [this](const QString& reason) {
        status_->setText(reason);
        start_->setEnabled(true);
        cancel_->setEnabled(false);
    });
    connect(start_, &QPushButton::clicked, this, &ProgressWindow::start);
    connect(cancel_, &QPushButton::clicked, this, [this] { worker_->cancel(); });
}

ProgressWindow::~ProgressWindow() {
    worker_->cancel();
    thread_.quit();
    thread_.wait();
}

void ProgressWindow::showProgress(int percent) {
    pie_->setValue(percent);
    bar_->setValue(percent);
    single_->setValue(percent);
}

void ProgressWindow::choose() {
    const QString path = QFileDialog::getOpenFileName(this, tr("File to hash"));
    if (!path.isEmpty())
        path_->setText(path);
}

void ProgressWindow::start() {
    if (path_->text().isEmpty()) {
        choose();
        if (path_->text().isEmpty())
            return;
    }
    showProgress(0);
    start_->setEnabled(false);
    cancel_->setEnabled(true);
    status_->setText(tr("Hashing %1...").arg(path_->text()));
    emit hashRequested(path_->text());
}

void ProgressWindow::select(qd::qt::ControlWidget* control) {
    selected_ = control;
    status_->setText(tr("Properties... edits the %1.").arg(control->metaObject()->className()));
}

bool ProgressWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        if (auto* control = qobject_cast<qd::qt::ControlWidget*>(watched))
            select(control);
    return QWidget::eventFilter(watched, event);
}
