#include "tools/qddesigner/run_mode.h"

#include <algorithm>

namespace qd::designer {

namespace {
constexpr int kTickMs = 40;
}

RunMode::RunMode(FormModel& model, FormCanvas& canvas, QObject* parent)
    : QObject(parent), model_(model), canvas_(canvas) {
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        const double f = std::min(1.0, static_cast<double>(clock_.elapsed()) / (seconds_ * 1000));
        step(f);
        if (f >= 1)
            timer_.stop();  // stays at Max until Stop
    });
}

void RunMode::start(double seconds) {
    if (running())
        stop();
    seconds_ = std::max(seconds, 0.1);
    ranges_.clear();
    for (const DesignControl& c : model_.controls())
        if (qt::ControlWidget* w = canvas_.widget(c.name))
            ranges_.push_back({c.name, w->controlProperty("Min").toDouble(),
                               w->controlProperty("Max").toDouble()});
    canvas_.setSelection({});
    canvas_.setRunning(true);
    step(0);
    clock_.start();
    timer_.start();
    emit runningChanged(true);
}

void RunMode::step(double f) {
    for (const Range& r : ranges_)
        if (qt::ControlWidget* w = canvas_.widget(r.name))
            w->setControlProperty("Value", r.min + (r.max - r.min) * f);
}

void RunMode::stop() {
    timer_.stop();
    if (!canvas_.running())
        return;
    for (const DesignControl& c : model_.controls())
        if (qt::ControlWidget* w = canvas_.widget(c.name))
            w->restoreProperties(QByteArray::fromStdString(c.stored));
    ranges_.clear();
    canvas_.setRunning(false);
    emit runningChanged(false);
}

}  // namespace qd::designer
