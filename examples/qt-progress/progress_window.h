// The example's window: a pie, a bar and a single pie following the hash of a file, Start and
// Cancel, and the property dialog of the control last clicked.
#pragma once

#include <QThread>
#include <QWidget>

#include <qdprogress/qt/progress_bar.h>
#include <qdprogress/qt/progress_pie.h>
#include <qdprogress/qt/single_pie.h>

class HashWorker;
class QLabel;
class QLineEdit;
class QPushButton;

class ProgressWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // Shows `percent` on every control, as the task does.
    void showProgress(int percent);

  signals:
    void hashRequested(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void layOut();       // the controls above the file row and the buttons
    void connectTask();  // the worker thread and the buttons that drive it
    void choose();
    void start();
    void select(qd::qt::ControlWidget* control);

    qd::qt::ProgressPie* pie_;
    qd::qt::ProgressBar* bar_;
    qd::qt::SinglePie* single_;
    qd::qt::ControlWidget* selected_;
    QLineEdit* path_;
    QPushButton *start_, *cancel_;
    QLabel* status_;
    QThread thread_;
    HashWorker* worker_;
};
