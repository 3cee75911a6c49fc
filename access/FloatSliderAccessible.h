// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class QSlider;

// A slider of FloatSlider as assistive technology meets it: its value is the number the slider
// stands for ("1.00"), not its integer position. Screen readers say a value with as many decimals
// as its smallest step has, so the step reported is the label's precision, two decimals.
class FloatSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit FloatSliderAccessible(QSlider *slider);

    // Makes every QSlider that FloatSlider set up get this interface; calling it again changes nothing.
    static void installFactory();

    void *interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    double valueAt(int position) const;
    QSlider *slider() const;
};
