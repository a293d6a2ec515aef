// A QWidget that hosts one control through the container, as qdhost does: the control's own
// picture at 1:1 device pixels, repainted only where the control drew.
//
//   qd::qt::ControlWidget pie("qdProgressControls.qdProgressPie");
//   pie.setControlProperty("Value", 40);
//   connect(&pie, &qd::qt::ControlWidget::controlError, ...);
#pragma once

#include <memory>

#include <QHash>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QVariant>
#include <QWidget>

#include <qdprogress/qt/control_error.h>
#include <qdprogress/qt/export.h>
#include <qdprogress/qt/property_info.h>

namespace qd::qt {

namespace detail {
class ControlHost;
struct PageAccess;
}  // namespace detail

class QD_QT_EXPORT ControlWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool smooth READ smooth WRITE setSmooth NOTIFY smoothChanged)
  public:
    // Creates control `classId` (ProgID, {CLSID} or PATH:CLASS) through the host's loader,
    // registry and container: InitProperties when `stored` is empty, ReadProperties from
    // `stored` (the property-file format, as saveProperties() writes) otherwise.
    explicit ControlWidget(const QString& classId, QWidget* parent = nullptr);
    ControlWidget(const QString& classId, const QByteArray& stored, QWidget* parent = nullptr);
    ~ControlWidget() override;
    bool isValid() const;  // false when the control could not be created
    ControlError creationError() const;
    QString classId() const;

    QList<PropertyInfo> properties() const;               // in the interface's slot order
    QVariant controlProperty(const QString& name) const;  // invalid QVariant when unreadable
    ControlError setControlProperty(const QString& name, const QVariant& value);  // !error = ok
    QByteArray saveProperties() const;  // property-file format
    ControlError restoreProperties(const QByteArray& stored);

    // The control's extent in twips (what a form file stores) and setting it (raises Resize;
    // the control may impose another size: read it back).
    QSizeF extentTwips() const;
    void setExtentTwips(const QSizeF& twips);
    QSizeF designExtentTwips() const;  // the class's design extent

    QImage view() const;          // what the control shows now, device pixels
    QImage toolboxImage() const;  // the class library's toolbox bitmap (null when none)
    bool smooth() const;
    void setSmooth(bool on);
    QSize sizeHint() const override;         // from the design extent
    QSize minimumSizeHint() const override;  // the control's minimum

  signals:
    void propertyChanged(const QString& name);  // from the control's PropertyChanged
    void controlError(const qd::qt::ControlError& error);
    void smoothChanged(bool on);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Called once for each property whose value really changed (a put, a restore, the control's
    // own change), after propertyChanged; the typed widgets fire their NOTIFY signals here.
    virtual void controlValueChanged(const QString& name, const QVariant& value);

  private:
    friend struct detail::PageAccess;
    void create(const QString& classId, const QByteArray* stored);
    // Keeps the control's extent and device scale in step with the widget's size and screen.
    void syncDevice();
    // After every call into the control: repaint what it drew, report what changed.
    void afterCall(const QStringList& alsoCheck = {});
    ControlError report(ControlError error);
    // Draws the control again for `smooth` and the screen's scale; false (reported) on failure.
    bool redevice(bool smooth, double scale);

    std::unique_ptr<detail::ControlHost> host_;
    ControlError creationError_;
    QString classId_;
    bool smooth_ = false;
    QSize syncedSize_;                // the widget size the control's extent was last set from
    QHash<QString, QVariant> known_;  // each property's last value, for the change hook
};

}  // namespace qd::qt
