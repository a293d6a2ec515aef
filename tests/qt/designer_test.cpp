// The Designer plugin loads as Designer loads it and makes the typed widgets, which are the
// application's own classes (one meta-object across the plugin boundary).
#include <QPluginLoader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <qdprogress/qt/progress_bar.h>
#include <qdprogress/qt/progress_pie.h>
#include <qdprogress/qt/single_pie.h>

class DesignerTest : public QObject {
    Q_OBJECT
  private slots:
    void pluginMakesEveryWidget();
};

void DesignerTest::pluginMakesEveryWidget() {
    QPluginLoader loader(QStringLiteral(QD_DESIGNER_PLUGIN));
    QObject* instance = loader.instance();
    QVERIFY2(instance, qPrintable(loader.errorString()));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
    QVERIFY(collection);
    const QList<QDesignerCustomWidgetInterface*> widgets = collection->customWidgets();
    QCOMPARE(widgets.size(), 3);
    const QStringList names{"qd::qt::ProgressPie", "qd::qt::ProgressBar", "qd::qt::SinglePie"};
    QList<QImage> icons;
    for (int i = 0; i < widgets.size(); ++i) {
        QDesignerCustomWidgetInterface* w = widgets[i];
        QCOMPARE(w->name(), names[i]);
        QCOMPARE(w->group(), QString("qdProgress"));
        QVERIFY(!w->icon().isNull());
        // Each class shows its own toolbox bitmap, not the first one of its library.
        const QImage icon = w->icon().pixmap(QSize(16, 15)).toImage();
        for (const QImage& other : icons)
            QVERIFY2(icon != other, qPrintable(names[i] + " shares another class's icon"));
        icons.append(icon);
        QVERIFY(w->includeFile().startsWith("qdprogress/qt/"));
        QWidget parent;
        QWidget* made = w->createWidget(&parent);
        auto* control = qobject_cast<qd::qt::ControlWidget*>(made);
        QVERIFY2(control && control->isValid(), qPrintable(names[i]));
        QCOMPARE(QString(made->metaObject()->className()), names[i]);
        // The default size in the form is the design extent.
        const QSize size = control->sizeHint();
        QVERIFY2(w->domXml().contains(QString("<width>%1</width><height>%2</height>")
                                          .arg(size.width())
                                          .arg(size.height())),
                 qPrintable(w->domXml()));
    }
    QVERIFY(qobject_cast<qd::qt::ProgressPie*>(widgets[0]->createWidget(nullptr)));
}

QTEST_MAIN(DesignerTest)
#include "designer_test.moc"
