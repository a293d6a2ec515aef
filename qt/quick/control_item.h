// A control as a Qt Quick item: the same adaptor as the widgets (ControlHost) behind a
// QQuickPaintedItem, its picture at 1:1 device pixels, repainted where the control drew.
// QQuickItem's own `smooth` property turns the controls' smooth mode on and off.
#pragma once

#include <memory>

#include <QtQml/qqmlregistration.h>
#include <QHash>
#include <QQuickPaintedItem>

namespace qd::qt::detail {
class ControlHost;
}

namespace qd::qt::quick {

class ControlItem : public QQuickPaintedItem {
    Q_OBJECT
    QML_ANONYMOUS
  public:
    ControlItem(const char* progid, const char* module, QQuickItem* parent);
    ~ControlItem() override;

    void paint(QPainter* painter) override;

    // Late-bound access by the interface's own names, as ControlWidget has it.
    Q_INVOKABLE QVariant controlProperty(const QString& name) const;
    // True when the control took the value; else controlError is emitted.
    Q_INVOKABLE bool setControlProperty(const QString& name, const QVariant& value);

  signals:
    void controlError(const QString& property, const QString& message);

  protected:
    void geometryChange(const QRectF& next, const QRectF& old) override;
    void itemChange(ItemChange change, const ItemChangeData& data) override;
    // Once for each property whose value really changed; the typed items notify here.
    virtual void controlValueChanged(const QString& name, const QVariant& value);

  private:
    void redevice();
    void afterCall(const QStringList& check);

    std::unique_ptr<detail::ControlHost> host_;
    QHash<QString, QVariant> known_;
    QSize synced_;
};

}  // namespace qd::qt::quick
