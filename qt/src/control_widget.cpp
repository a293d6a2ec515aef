#include <qdprogress/qt/control_widget.h>

#include <QPaintEvent>
#include <QPainter>

#include "host/persist/property_file.h"
#include "qt/src/control_host.h"
#include "qt/src/errors.h"
#include "qt/src/variant_convert.h"
#include "qt/src/view_paint.h"

namespace qd::qt {

using detail::ControlHost;

ControlWidget::ControlWidget(const QString& classId, QWidget* parent) : QWidget(parent) {
    create(classId, nullptr);
}

ControlWidget::ControlWidget(const QString& classId, const QByteArray& stored, QWidget* parent)
    : QWidget(parent) {
    create(classId, stored.isEmpty() ? nullptr : &stored);
}

ControlWidget::~ControlWidget() = default;

void ControlWidget::create(const QString& classId, const QByteArray* stored) {
    qRegisterMetaType<qd::qt::ControlError>();
    classId_ = classId;
    const host::DeviceOptions device{detail::device_scale(devicePixelRatioF()), smooth_};
    std::string last_key;
    try {
        host::PropertyList properties;
        if (stored)
            properties = host::parse_property_file(stored->toStdString(), "stored properties");
        host_ = std::make_unique<ControlHost>(classId.toStdString(), stored ? &properties : nullptr,
                                              device, std::nullopt, &last_key);
    } catch (const std::exception& e) {
        creationError_ = detail::error_of(e, last_key);
        return;
    }
    host_->take_damage();
    host_->take_changes();
    for (const PropertyInfo& p : host_->facts().properties)
        known_.insert(p.name, controlProperty(p.name));
    setMinimumSize(minimumSizeHint());
    resize(sizeHint());
}

bool ControlWidget::isValid() const {
    return host_ != nullptr;
}

ControlError ControlWidget::creationError() const {
    return creationError_;
}

QString ControlWidget::classId() const {
    return classId_;
}

QList<PropertyInfo> ControlWidget::properties() const {
    return host_ ? host_->facts().properties : QList<PropertyInfo>{};
}

QVariant ControlWidget::controlProperty(const QString& name) const {
    if (!host_)
        return {};
    const PropertyInfo* info = host_->facts().find(name);
    try {
        const Variant v = host_->get(info ? info->name.toStdString() : name.toStdString());
        return detail::from_variant(v, info);
    } catch (const std::exception&) {
        return {};
    }
}

ControlError ControlWidget::setControlProperty(const QString& name, const QVariant& value) {
    if (!host_)
        return report({E_UNEXPECTED, creationError_.message, name});
    syncDevice();  // the control draws at the widget's size, even before the widget is shown
    const PropertyInfo* info = host_->facts().find(name);
    const QString property = info ? info->name : name;
    const std::optional<Variant> v = detail::to_variant(value, info);
    if (!v)
        return report({runtime_error_code(ErrorNumber::TypeMismatch),
                       QStringLiteral("%1: a value of type %2 cannot be passed")
                           .arg(property, QString::fromUtf8(value.typeName())),
                       property});
    ControlError error;
    try {
        host_->put(property.toStdString(), *v);
    } catch (const std::exception& e) {
        error = detail::error_of(e, property.toStdString());
    }
    afterCall({property});
    return error ? report(error) : error;
}

QByteArray ControlWidget::saveProperties() const {
    if (!host_)
        return {};
    try {
        return QByteArray::fromStdString(host::format_property_file(host_->write(), host_->what()));
    } catch (const std::exception& e) {
        const_cast<ControlWidget*>(this)->report(detail::error_of(e, {}));
        return {};
    }
}

ControlError ControlWidget::restoreProperties(const QByteArray& stored) {
    if (!host_)
        return report({E_UNEXPECTED, creationError_.message, {}});
    std::string last_key;
    try {
        host_->reload(host::parse_property_file(stored.toStdString(), "stored properties"), {},
                      &last_key);
    } catch (const std::exception& e) {
        return report(detail::error_of(e, last_key));
    }
    update();
    afterCall(known_.keys());
    return {};
}

QSizeF ControlWidget::extentTwips() const {
    if (!host_)
        return {};
    const host::ControlExtent e = host_->extent();
    return {e.width, e.height};
}

void ControlWidget::setExtentTwips(const QSizeF& twips) {
    if (!host_)
        return;
    try {
        host_->resize(static_cast<float>(twips.width()), static_cast<float>(twips.height()));
    } catch (const std::exception& e) {
        report(detail::error_of(e, {}));
        return;
    }
    const host::ControlExtent kept = host_->extent();
    syncedSize_ = detail::pixels_of(kept).expandedTo(minimumSize());
    resize(syncedSize_);
    update();
    afterCall();
}

QSizeF ControlWidget::designExtentTwips() const {
    if (!host_)
        return {};
    return {host_->facts().design.width, host_->facts().design.height};
}

QImage ControlWidget::view() const {
    if (!host_)
        return {};
    const_cast<ControlWidget*>(this)->syncDevice();
    QImage image = detail::wrap(host_->view()).copy();
    image.setDevicePixelRatio(host_->device().scale);
    return image;
}

QImage ControlWidget::toolboxImage() const {
    return host_ ? host_->facts().toolbox : QImage();
}

bool ControlWidget::smooth() const {
    return smooth_;
}

void ControlWidget::setSmooth(bool on) {
    if (on == smooth_)
        return;
    if (host_ && !redevice(on, host_->device().scale))
        return;
    smooth_ = on;
    emit smoothChanged(on);
}

QSize ControlWidget::sizeHint() const {
    return host_ ? detail::pixels_of(host_->facts().design) : QSize(100, 100);
}

QSize ControlWidget::minimumSizeHint() const {
    return host_ ? detail::pixels_of(host_->facts().minimum) : QSize();
}

bool ControlWidget::redevice(bool smooth, double scale) {
    try {
        host_->reload(host_->write(), host::DeviceOptions{scale, smooth});
    } catch (const std::exception& e) {
        report(detail::error_of(e, {}));
        return false;
    }
    host_->take_damage();
    update();
    return true;
}

void ControlWidget::controlValueChanged(const QString&, const QVariant&) {}

void ControlWidget::afterCall(const QStringList& alsoCheck) {
    const host::PixelRect damage = host_->take_damage();
    if (!damage.empty())
        update(detail::logical_rect(damage, host_->device().scale));
    QStringList check = alsoCheck;
    for (const std::string& name : host_->take_changes()) {
        const QString changed = QString::fromStdString(name);
        emit propertyChanged(changed);
        if (!check.contains(changed, Qt::CaseInsensitive))
            check.append(changed);
    }
    for (const QString& name : check) {
        const PropertyInfo* info = host_->facts().find(name);
        if (!info)
            continue;
        const QVariant now = controlProperty(info->name);
        auto it = known_.find(info->name);
        if (it != known_.end() && *it == now)
            continue;
        known_.insert(info->name, now);
        controlValueChanged(info->name, now);
    }
}

ControlError ControlWidget::report(ControlError error) {
    emit controlError(error);
    return error;
}

void ControlWidget::syncDevice() {
    if (!host_)
        return;
    const double scale = detail::device_scale(devicePixelRatioF());
    if (scale != host_->device().scale)
        redevice(smooth_, scale);
    if (size() == syncedSize_)
        return;
    syncedSize_ = size();
    try {
        host_->resize(static_cast<float>(size().width()) * detail::kTwipsPerPixel,
                      static_cast<float>(size().height()) * detail::kTwipsPerPixel);
    } catch (const std::exception& e) {
        report(detail::error_of(e, {}));
    }
    host_->take_damage();
    update();
    afterCall();
}

void ControlWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    syncDevice();
}

void ControlWidget::paintEvent(QPaintEvent* event) {
    syncDevice();
    QPainter painter(this);
    if (!host_) {
        painter.fillRect(event->rect(), palette().window());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, creationError_.message);
        return;
    }
    detail::paint_view(painter, host_->view(), host_->device().scale, event->region());
}

}  // namespace qd::qt
