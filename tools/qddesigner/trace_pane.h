// The trace pane: the host calls of the selected control, as `qdhost run` prints them with
// `trace on`. The pane keeps a twin of the control on a traced container of its own: it loads
// the twin from the control's stored properties (the calls of ReadProperties and the first
// Resize), then repeats each change of the control's stored properties on the twin, property
// by property, through the same late-bound put the grid uses.
#pragma once

#include <memory>

#include <QPlainTextEdit>

#include "host/container/container.h"
#include "host/trace/printing_sink.h"
#include "tools/qddesigner/design_form.h"

namespace qd::designer {

class TracePane : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TracePane(QWidget* parent = nullptr);
    ~TracePane() override;

    // Follows `control` (null: none); the pane starts afresh with its load.
    void follow(const DesignControl* control);
    // The followed control's stored properties are now `stored`: each property that differs
    // from what the twin holds is put, traced.
    void storedChanged(const DesignControl& control);
    const std::string& followed() const { return name_; }

  private:
    void print(std::string_view line);

    std::unique_ptr<host::PrintingSink> sink_;
    std::unique_ptr<host::Container> container_;
    host::HostedControl* twin_ = nullptr;
    std::string name_;
    std::string stored_;
};

}  // namespace qd::designer
