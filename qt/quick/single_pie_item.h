// The single pie: a square pie of its own library, in one colour or a two-colour gradient.
// The QML type SinglePie of `import QdProgress`: the same properties and notify signals as the
// widget qd::qt::SinglePie.
#pragma once

#include <QColor>

#include "qt/quick/control_item.h"

namespace qd::qt::quick {

class SinglePieItem : public ControlItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(SinglePie)
    Q_PROPERTY(int labelSize READ labelSize WRITE setLabelSize NOTIFY labelSizeChanged)
    Q_PROPERTY(QColor labelColor READ labelColor WRITE setLabelColor NOTIFY labelColorChanged)
    Q_PROPERTY(ppLabelType labelType READ labelType WRITE setLabelType NOTIFY labelTypeChanged)
    Q_PROPERTY(ppLabelPosition labelPosition READ labelPosition WRITE setLabelPosition NOTIFY
                   labelPositionChanged)
    Q_PROPERTY(int fillStyle READ fillStyle WRITE setFillStyle NOTIFY fillStyleChanged)
    Q_PROPERTY(QColor startColor READ startColor WRITE setStartColor NOTIFY startColorChanged)
    Q_PROPERTY(QColor endColor READ endColor WRITE setEndColor NOTIFY endColorChanged)
    Q_PROPERTY(ppFillType fillType READ fillType WRITE setFillType NOTIFY fillTypeChanged)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor NOTIFY borderColorChanged)
    Q_PROPERTY(double borderWidth READ borderWidth WRITE setBorderWidth NOTIFY borderWidthChanged)
    Q_PROPERTY(bool borderShow READ borderShow WRITE setBorderShow NOTIFY borderShowChanged)
    Q_PROPERTY(double max READ max WRITE setMax NOTIFY maxChanged)
    Q_PROPERTY(double min READ min WRITE setMin NOTIFY minChanged)
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
  public:
    enum ppLabelType { ppValue = 0, ppFraction = 1, ppPercent = 2 };
    Q_ENUM(ppLabelType)
    enum ppLabelPosition {
        ppNone = 0,
        ppUpLeft = 1,
        ppUpRight = 2,
        ppLowLeft = 3,
        ppLowRight = 4,
        ppCenter = 5
    };
    Q_ENUM(ppLabelPosition)
    enum ppFillType { ppSingleColor = 0, ppGradient = 1 };
    Q_ENUM(ppFillType)

    explicit SinglePieItem(QQuickItem* parent = nullptr);

    int labelSize() const;
    QColor labelColor() const;
    ppLabelType labelType() const;
    ppLabelPosition labelPosition() const;
    int fillStyle() const;
    QColor startColor() const;
    QColor endColor() const;
    ppFillType fillType() const;
    QColor borderColor() const;
    double borderWidth() const;
    bool borderShow() const;
    double max() const;
    double min() const;
    double value() const;
    void setLabelSize(int v);
    void setLabelColor(const QColor& v);
    void setLabelType(ppLabelType v);
    void setLabelPosition(ppLabelPosition v);
    void setFillStyle(int v);
    void setStartColor(const QColor& v);
    void setEndColor(const QColor& v);
    void setFillType(ppFillType v);
    void setBorderColor(const QColor& v);
    void setBorderWidth(double v);
    void setBorderShow(bool v);
    void setMax(double v);
    void setMin(double v);
    void setValue(double v);

  signals:
    void labelSizeChanged();
    void labelColorChanged();
    void labelTypeChanged();
    void labelPositionChanged();
    void fillStyleChanged();
    void startColorChanged();
    void endColorChanged();
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
