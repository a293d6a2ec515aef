// Qt Designer plugin: the three typed widgets in the widget box's "qdProgress" group, with the
// libraries' toolbox bitmaps as icons and the design extents as default sizes.
#pragma once

#include <functional>

#include <QIcon>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace qd::qt::designer {

// One typed widget as Designer sees it.
class WidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
  public:
    using Factory = std::function<QWidget*(QWidget* parent)>;
    // `className` is the C++ class (qd::qt::ProgressPie), `header` the include uic writes.
    WidgetPlugin(QString className, QString header, QString tip, Factory make, QObject* parent);

    QString name() const override { return className_; }
    QString group() const override { return QStringLiteral("qdProgress"); }
    QIcon icon() const override;
    QString toolTip() const override { return tip_; }
    QString whatsThis() const override { return tip_; }
    bool isContainer() const override { return false; }
    QString includeFile() const override { return header_; }
    QString domXml() const override;
    QWidget* createWidget(QWidget* parent) override { return make_(parent); }
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface*) override { initialized_ = true; }

  private:
    // A widget made once for its icon and default size.
    void sample() const;

    QString className_, header_, tip_;
    Factory make_;
    bool initialized_ = false;
    mutable QIcon icon_;
    mutable QSize size_;
    mutable bool sampled_ = false;
};

class WidgetCollection : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
  public:
    explicit WidgetCollection(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

  private:
    QList<QDesignerCustomWidgetInterface*> widgets_;
};

}  // namespace qd::qt::designer
