#include "widget_plugins.h"

#include <memory>

#include <QPixmap>

#include <qdprogress/qt/progress_bar.h>
#include <qdprogress/qt/progress_pie.h>
#include <qdprogress/qt/single_pie.h>

namespace qd::qt::designer {

WidgetPlugin::WidgetPlugin(QString className, QString header, QString tip, Factory make,
                           QObject* parent)
    : QObject(parent),
      className_(std::move(className)),
      header_(std::move(header)),
      tip_(std::move(tip)),
      make_(std::move(make)) {}

void WidgetPlugin::sample() const {
    if (sampled_)
        return;
    sampled_ = true;
    const std::unique_ptr<QWidget> widget(make_(nullptr));
    const auto* control = qobject_cast<ControlWidget*>(widget.get());
    if (!control || !control->isValid())
        return;
    size_ = control->sizeHint();
    const QImage toolbox = control->toolboxImage();
    if (!toolbox.isNull())
        icon_ = QIcon(QPixmap::fromImage(toolbox));
}

QIcon WidgetPlugin::icon() const {
    sample();
    return icon_;
}

QString WidgetPlugin::domXml() const {
    sample();
    const QSize size = size_.isValid() ? size_ : QSize(100, 100);
    QString object = className_.section(QStringLiteral("::"), -1);
    object[0] = object[0].toLower();
    return QStringLiteral(
               "<ui language=\"c++\">\n"
               " <widget class=\"%1\" name=\"%2\">\n"
               "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>%3</width>"
               "<height>%4</height></rect></property>\n"
               " </widget>\n"
               "</ui>\n")
        .arg(className_, object)
        .arg(size.width())
        .arg(size.height());
}

WidgetCollection::WidgetCollection(QObject* parent) : QObject(parent) {
    widgets_.append(new WidgetPlugin(
        "qd::qt::ProgressPie", "qdprogress/qt/progress_pie.h",
        tr("A progress pie: a sector that grows with its value"),
        [](QWidget* p) { return new ProgressPie(p); }, this));
    widgets_.append(new WidgetPlugin(
        "qd::qt::ProgressBar", "qdprogress/qt/progress_bar.h",
        tr("A progress bar that grows from the left with its value"),
        [](QWidget* p) { return new ProgressBar(p); }, this));
    widgets_.append(new WidgetPlugin(
        "qd::qt::SinglePie", "qdprogress/qt/single_pie.h",
        tr("A square single pie with one colour or a gradient"),
        [](QWidget* p) { return new SinglePie(p); }, this));
}

}  // namespace qd::qt::designer
