// The progress bar: a band that grows from the left with Value, with a label.
// The QML type ProgressBar of `import QdProgress`: the same properties and notify signals as the
// widget qd::qt::ProgressBar.
#pragma once

#include <QColor>

#include "qt/quick/control_item.h"

namespace qd::qt::quick {

class ProgressBarItem : public ControlItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(ProgressBar)
    Q_PROPERTY(int labelSize READ labelSize WRITE setLabelSize NOTIFY labelSizeChanged)
    Q_PROPERTY(QColor labelColor READ labelColor WRITE setLabelColor NOTIFY labelColorChanged)
    Q_PROPERTY(ppLabelType labelType READ labelType WRITE setLabelType NOTIFY labelTypeChanged)
    Q_PROPERTY(ppBarLabelPosition labelPosition READ labelPosition WRITE setLabelPosition NOTIFY
                   labelPositionChanged)
    Q_PROPERTY(int fillStyle READ fillStyle WRITE setFillStyle NOTIFY fillStyleChanged)
    Q_PROPERTY(QColor fillColorStart READ fillColorStart WRITE setFillColorStart NOTIFY
                   fillColorStartChanged)
    Q_PROPERTY(
        QColor fillColorEnd READ fillColorEnd WRITE setFillColorEnd NOTIFY fillColorEndChanged)
    Q_PROPERTY(
        QColor fillColorMid READ fillColorMid WRITE setFillColorMid NOTIFY fillColorMidChanged)
    Q_PROPERTY(ppFillType fillType READ fillType WRITE setFillType NOTIFY fillTypeChanged)
    Q_PROPERTY(
        ppBorderStyle borderStyle READ borderStyle WRITE setBorderStyle NOTIFY borderStyleChanged)
    Q_PROPERTY(double max READ max WRITE setMax NOTIFY maxChanged)
    Q_PROPERTY(double min READ min WRITE setMin NOTIFY minChanged)
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
  public:
    enum ppLabelType { pValueOnly = 0, pFraction = 1, pPercent = 2 };
    Q_ENUM(ppLabelType)
    enum ppBarLabelPosition { pNone = 0, pLeft = 1, pRight = 2, pCenter = 3 };
    Q_ENUM(ppBarLabelPosition)
    enum ppFillType { pSingleColor = 0, p2ColorGradient = 1, p3ColorGradient = 2, pRandom = 3 };
    Q_ENUM(ppFillType)
    enum ppBorderStyle { pFlat = 0, p3D = 1 };
    Q_ENUM(ppBorderStyle)

    explicit ProgressBarItem(QQuickItem* parent = nullptr);

    int labelSize() const;
    QColor labelColor() const;
    ppLabelType labelType() const;
    ppBarLabelPosition labelPosition() const;
    int fillStyle() const;
    QColor fillColorStart() const;
    QColor fillColorEnd() const;
    QColor fillColorMid() const;
    ppFillType fillType() const;
    ppBorderStyle borderStyle() const;
    double max() const;
    double min() const;
    double value() const;
    void setLabelSize(int v);
    void setLabelColor(const QColor& v);
    void setLabelType(ppLabelType v);
    void setLabelPosition(ppBarLabelPosition v);
    void setFillStyle(int v);
    void setFillColorStart(const QColor& v);
    void setFillColorEnd(const QColor& v);
    void setFillColorMid(const QColor& v);
    void setFillType(ppFillType v);
    void setBorderStyle(ppBorderStyle v);
    void setMax(double v);
    void setMin(double v);
    void setValue(double v);

  signals:
    void labelSizeChanged();
    void labelColorChanged();
    void labelTypeChanged();
    void labelPositionChanged();
    void fillStyleChanged();
    void fillColorStartChanged();
    void fillColorEndChanged();
    void fillColorMidChanged();
    void fillTypeChanged();
    void borderStyleChanged();
    void maxChanged();
    void minChanged();
    void valueChanged();

  protected:
    void controlValueChanged(const QString& name, const QVariant& value) override;
};

}  // namespace qd::qt::quick
