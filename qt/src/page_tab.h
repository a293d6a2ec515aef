// The tabs of the property dialog: the control's own pages, hosted through the page site as
// real Qt widgets, and the host's standard colour page.
#pragma once

#include <map>
#include <vector>

#include <QColor>
#include <QWidget>

#include <qdprogress/qt/control_widget.h>

#include "host/page/page_site.h"
#include "qt/src/recording_dispatch.h"

class QLineEdit;
class QPushButton;

namespace qd::qt::detail {

class PageTab : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    virtual QString caption() const = 0;
    // Whether a field changed since the last apply.
    virtual bool changed() const = 0;
    // Applies the page as it applies itself; the error names the field it refused.
    virtual ControlError apply() = 0;
  signals:
    void changedState();
};

// A page of the control's library (the Data page), its children at the positions and sizes
// its layout gives, driven through the page site: typing raises the page's change handler,
// apply raises ApplyChanges.
class ControlPageTab final : public PageTab {
    Q_OBJECT
  public:
    // Throws host::ContainerError when the page cannot be created or opened.
    ControlPageTab(ControlWidget& control, const std::string& page_class, QWidget* parent);
    ~ControlPageTab() override;
    QString caption() const override;
    bool changed() const override;
    ControlError apply() override;

  private:
    void build(const PageLayout& layout);
    void reload_fields();

    ControlWidget& control_;
    ComPtr<host::PageSite> site_;
    ComPtr<RecordingDispatch> selected_;
    std::map<std::string, QLineEdit*> fields_;
    QString caption_;
    // A field was typed into since the last apply. The page sets its own Changed flag while it
    // fills the fields from the selection too, which is not a change to apply.
    bool edited_ = false;
};

// The host's colour page: a swatch per colour property of the control, chosen in QColorDialog
// and put when applied.
class ColourPageTab final : public PageTab {
    Q_OBJECT
  public:
    ColourPageTab(ControlWidget& control, QWidget* parent);
    QString caption() const override { return tr("Colors"); }
    bool changed() const override { return !pending_.empty(); }
    ControlError apply() override;
    // Chooses `colour` for `property`, as the swatch's colour dialog does.
    void choose(const QString& property, const QColor& colour);

  private:
    void paint_swatch(const QString& property);

    ControlWidget& control_;
    std::map<QString, QPushButton*> swatches_;
    std::map<QString, QColor> pending_;
};

}  // namespace qd::qt::detail
