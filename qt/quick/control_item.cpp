#include "qt/quick/control_item.h"

#include <QPainter>
#include <QQuickWindow>

#include "qt/src/control_host.h"
#include "qt/src/errors.h"
#include "qt/src/variant_convert.h"
#include "qt/src/view_paint.h"

namespace qd::qt::quick {

ControlItem::ControlItem(const char* progid, const char* module, QQuickItem* parent)
    : QQuickPaintedItem(parent) {
    setOpaquePainting(true);
    try {
        host_ = std::make_unique<detail::ControlHost>(detail::resolve_class(progid, module),
                                                      nullptr, host::DeviceOptions{});
    } catch (const std::exception& e) {
        qWarning("qdProgress: %s", qPrintable(detail::error_of(e, {}).message));
        return;
    }
    host_->take_damage();
    host_->take_changes();
    for (const PropertyInfo& p : host_->facts().properties)
        known_.insert(p.name, controlProperty(p.name));
    const QSize size = detail::pixels_of(host_->facts().design);
    setImplicitSize(size.width(), size.height());
    connect(this, &QQuickItem::smoothChanged, this, [this] { redevice(); });
    setSmooth(false);
}

ControlItem::~ControlItem() = default;

QVariant ControlItem::controlProperty(const QString& name) const {
    if (!host_)
        return {};
    const PropertyInfo* info = host_->facts().find(name);
    try {
        return detail::from_variant(host_->get((info ? info->name : name).toStdString()), info);
    } catch (const std::exception&) {
        return {};
    }
}

bool ControlItem::setControlProperty(const QString& name, const QVariant& value) {
    if (!host_)
        return false;
    const PropertyInfo* info = host_->facts().find(name);
    const QString property = info ? info->name : name;
    const std::optional<Variant> v = detail::to_variant(value, info);
    QString failure;
    if (!v) {
        failure = QStringLiteral("a value of type %1 cannot be passed").arg(value.typeName());
    } else {
        try {
            host_->put(property.toStdString(), *v);
        } catch (const std::exception& e) {
            failure = detail::error_of(e, property.toStdString()).message;
        }
    }
    afterCall({property});
    if (failure.isEmpty())
        return true;
    emit controlError(property, failure);
    return false;
}

void ControlItem::afterCall(const QStringList& check) {
    const host::PixelRect damage = host_->take_damage();
    if (!damage.empty())
        update(detail::logical_rect(damage, host_->device().scale));
    QStringList names = check;
    for (const std::string& name : host_->take_changes())
        if (!names.contains(QString::fromStdString(name), Qt::CaseInsensitive))
            names.append(QString::fromStdString(name));
    for (const QString& name : names) {
        const PropertyInfo* info = host_->facts().find(name);
        if (!info)
            continue;
        const QVariant now = controlProperty(info->name);
        if (auto it = known_.find(info->name); it != known_.end() && *it == now)
            continue;
        known_.insert(info->name, now);
        controlValueChanged(info->name, now);
    }
}

void ControlItem::controlValueChanged(const QString&, const QVariant&) {}

void ControlItem::redevice() {
    if (!host_)
        return;
    const double scale = detail::device_scale(window() ? window()->effectiveDevicePixelRatio() : 1);
    if (scale == host_->device().scale && smooth() == host_->device().smooth)
        return;
    try {
        host_->reload(host_->write(), host::DeviceOptions{scale, smooth()});
    } catch (const std::exception& e) {
        emit controlError({}, detail::error_of(e, {}).message);
        return;
    }
    host_->take_damage();
    update();
}

void ControlItem::itemChange(ItemChange change, const ItemChangeData& data) {
    QQuickPaintedItem::itemChange(change, data);
    if (change == ItemSceneChange || change == ItemDevicePixelRatioHasChanged)
        redevice();
}

void ControlItem::geometryChange(const QRectF& next, const QRectF& old) {
    QQuickPaintedItem::geometryChange(next, old);
    const QSize size = next.size().toSize();
    if (!host_ || size == synced_ || size.isEmpty())
        return;
    synced_ = size;
    try {
        host_->resize(size.width() * detail::kTwipsPerPixel,
                      size.height() * detail::kTwipsPerPixel);
    } catch (const std::exception& e) {
        emit controlError({}, detail::error_of(e, {}).message);
    }
    host_->take_damage();
    update();
    afterCall({});
}

void ControlItem::paint(QPainter* painter) {
    if (!host_)
        return;
    const QRect all(QPoint(0, 0), size().toSize());
    detail::paint_view(*painter, host_->view(), host_->device().scale,
                       painter->hasClipping() ? painter->clipRegion().boundingRect() & all : all);
}

}  // namespace qd::qt::quick
