// Run mode: the form leaves design mode and every control's Value runs from its Min to its
// Max over a chosen time, on a timer (each step repaints only what the control drew). Stop
// puts every control back as the model holds it, property for property.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "tools/qddesigner/form_canvas.h"

namespace qd::designer {

class RunMode : public QObject {
    Q_OBJECT
  public:
    RunMode(FormModel& model, FormCanvas& canvas, QObject* parent = nullptr);

    void start(double seconds);
    void stop();
    bool running() const { return timer_.isActive() || canvas_.running(); }
    // Drives every control to the fraction `f` (0 to 1) of its run; what a tick does.
    void step(double f);

  signals:
    void runningChanged(bool running);

  private:
    struct Range {
        std::string name;
        double min = 0, max = 0;
    };

    FormModel& model_;
    FormCanvas& canvas_;
    QTimer timer_;
    QElapsedTimer clock_;
    double seconds_ = 5;
    std::vector<Range> ranges_;
};

}  // namespace qd::designer
