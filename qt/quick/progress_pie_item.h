// The progress pie: a sector that grows with Value, in one colour or a gradient, with a label.
// The QML type ProgressPie of `import QdProgress`: the same properties and notify signals as the
// widget qd::qt::ProgressPie.
#pragma once

#include <QColor>

#include "qt/quick/control_item.h"

namespace qd::qt::quick {

class ProgressPieItem : public ControlItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(ProgressPie)
    Q_PROPERTY(double aspect READ aspect WRITE setAspect NOTIFY aspectChanged)
    Q_PROPERTY(int labelSize READ labelSize WRITE setLabelSize NOTIFY labelSizeChanged)
    Q_PROPERTY(QColor labelColor READ labelColor WRITE setLabelColor NOTIFY labelColorChanged)
    Q_PROPERTY(ppLabelType labelType READ labelType WRITE setLabelType NOTIFY labelTypeChanged)
    Q_PROPERTY(ppLabelPosition labelPosition READ labelPosition WRITE setLabelPosition NOTIFY
                   labelPositionChanged)
    Q_PROPERTY(int fillStyle READ fillStyle WRITE setFillStyle NOTIFY fillStyleChanged)
    Q_PROPERTY(QColor fillColorStart READ fillColorStart WRITE setFillColorStart NOTIFY
                   fillColorStartChanged)
    Q_PROPERTY(
        QColor fillColorEnd READ fillColorEnd WRITE setFillColorEnd NOTIFY fillColorEndChanged)
    Q_PROPERTY(
        QColor fillColorMid READ fillColorMid WRITE setFillColorMid NOTIFY fillColorMidChanged)
    Q_PROPERTY(ppFillType fillType READ fillType WRITE setFillType NOTIFY fillTypeChanged)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor NOTIFY borderColorChanged)
    Q_PROPERTY(double borderWidth READ borderWidth WRITE setBorderWidth NOTIFY borderWidthChanged)
    Q_PROPERTY(bool borderShow READ borderShow WRITE setBorderShow NOTIFY borderShowChanged)
    Q_PROPERTY(double max READ max WRITE setMax NOTIFY maxChanged)
    Q_PROPERTY(double min READ min WRITE setMin NOTIFY minChanged)
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
  public:
    enum ppLabelType { pValueOnly = 0, pFraction = 1, pPercent = 2 };
    Q_ENUM(ppLabelType)
    enum ppLabelPosition {
        pNone = 0,
        pUpLeft = 1,
        pUpRight = 2,
        pLowLeft = 3,
        pLowRight = 4,
        pCenter = 5
    };
    Q_ENUM(ppLabelPosition)
    enum ppFillType { pSingleColor = 0, p2ColorGradient = 1, p3ColorGradient = 2, pRandom = 3 };
    Q_ENUM(ppFillType)

    explicit ProgressPieItem(QQuickItem* parent = nullptr);

    double aspect() const;
    int labelSize() const;
    QColor labelColor() const;
    ppLabelType labelType() const;
    ppLabelPosition labelPosition() const;
    int fillStyle() const;
    QColor fillColorStart() const;
    QColor fillColorEnd() const;
    QColor fillColorMid() const;
    ppFillType fillType() const;
    QColor borderColor() const;
    double borderWidth() const;
    bool borderShow() const;
    double max() const;
    double min() const;
    double value() const;
    void setAspect(double v);
    void setLabelSize(int v);
    void setLabelColor(const QColor& v);
    void setLabelType(ppLabelType v);
    void setLabelPosition(ppLabelPosition v);
    void setFillStyle(int v);
    void setFillColorStart(const QColor& v);
    void setFillColorEnd(const QColor& v);
    void setFillColorMid(const QColor& v);
    void setFillType(ppFillType v);
    void setBorderColor(const QColor& v);
    void setBorderWidth(double v);
    void setBorderShow(bool v);
    void setMax(double v);
    void setMin(double v);
    void setValue(double v);

  signals:
    void aspectChanged();
    void labelSizeChanged();
    void labelColorChanged();
    void labelTypeChanged();
    void labelPositionChanged();
    void fillStyleChanged();
    void fillColorStartChanged();
    void fillColorEndChanged();
    void fillColorMidChanged();
    void fillTypeChanged();
    void borderColorChanged();
    void borderWidthChanged();
    void borderShowChanged();
    void maxChanged();
    void minChanged();
    void valueChanged();

  protected:
    void controlValueChanged(const QString& name, const QVariant& value) override;
};

}  // namespace qd::qt::quick
