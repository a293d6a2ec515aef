#include "tools/qddesigner/trace_pane.h"

#include <algorithm>

#include <QFontDatabase>

#include "host/persist/property_value.h"

namespace qd::designer {

TracePane::TracePane(QWidget* parent)
    : QPlainTextEdit(parent),
      sink_(std::make_unique<host::PrintingSink>([this](std::string_view l) { print(l); })) {
    setObjectName("tracePane");
    setReadOnly(true);
    setMaximumBlockCount(5000);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

TracePane::~TracePane() {
    container_.reset();  // the controls call the sink while they go
}

void TracePane::print(std::string_view line) {
    appendPlainText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

void TracePane::follow(const DesignControl* control) {
    sink_->enabled = false;
    twin_ = nullptr;
    container_.reset();
    clear();
    name_.clear();
    if (!control)
        return;
    name_ = control->name;
    stored_ = control->stored;
    container_ = std::make_unique<host::Container>(*sink_);
    appendPlainText(
        QStringLiteral("# %1 (%2) loads")
            .arg(QString::fromStdString(name_), QString::fromStdString(control->progid)));
    sink_->enabled = true;
    try {
        twin_ = &container_->load(name_, control->progid,
                                  host::parse_property_file(control->stored, name_),
                                  host::ControlExtent{control->place.width, control->place.height});
    } catch (const std::exception& e) {
        appendPlainText(QStringLiteral("# %1").arg(e.what()));
    }
}

void TracePane::storedChanged(const DesignControl& control) {
    if (!twin_ || control.name != name_ || control.stored == stored_)
        return;
    const host::PropertyList before = host::parse_property_file(stored_, name_);
    const host::PropertyList after = host::parse_property_file(control.stored, name_);
    stored_ = control.stored;
    for (const host::Property& p : after) {
        const auto old = std::find_if(before.begin(), before.end(),
                                      [&](const host::Property& b) { return b.key == p.key; });
        if (old != before.end() && old->value == p.value)
            continue;
        appendPlainText(QStringLiteral("# %1.%2 = %3")
                            .arg(QString::fromStdString(name_), QString::fromStdString(p.key),
                                 QString::fromStdString(host::format_property_value(p.value))));
        try {
            twin_->put(p.key, p.value);
        } catch (const std::exception& e) {
            appendPlainText(QStringLiteral("# %1").arg(e.what()));
        }
    }
}

}  // namespace qd::designer
