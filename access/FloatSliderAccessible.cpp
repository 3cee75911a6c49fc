// SPDX-License-Identifier: GPL-3.0-or-later
#include "FloatSliderAccessible.h"

#include "platform/FloatSlider.h"

#include <QLocale>
#include <QSlider>

#include <cmath>

namespace {
QAccessibleInterface *floatSliderFactory(const QString &, QObject *object)
{
    auto *slider = qobject_cast<QSlider *>(object);
    if (!slider || !slider->property(FloatSlider::kMinimumProperty).isValid())
        return nullptr;
    return new FloatSliderAccessible(slider);
}
} // namespace

FloatSliderAccessible::FloatSliderAccessible(QSlider *slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
{
}

void FloatSliderAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(floatSliderFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void *FloatSliderAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString FloatSliderAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QLocale().toString(currentValue().toDouble(), 'f', 2);
    return QAccessibleWidget::text(t);
}

QSlider *FloatSliderAccessible::slider() const
{
    return static_cast<QSlider *>(object());
}

double FloatSliderAccessible::valueAt(int position) const
{
    return slider()->property(FloatSlider::kMinimumProperty).toDouble()
           + position * slider()->property(FloatSlider::kStepProperty).toDouble();
}

QVariant FloatSliderAccessible::currentValue() const
{
    return valueAt(slider()->value());
}

void FloatSliderAccessible::setCurrentValue(const QVariant &value)
{
    const double minimum = slider()->property(FloatSlider::kMinimumProperty).toDouble();
    const double step = slider()->property(FloatSlider::kStepProperty).toDouble();
    if (step > 0)
        slider()->setValue(int(std::lround((value.toDouble() - minimum) / step)));
}

QVariant FloatSliderAccessible::maximumValue() const
{
    return valueAt(slider()->maximum());
}

QVariant FloatSliderAccessible::minimumValue() const
{
    return valueAt(slider()->minimum());
}

QVariant FloatSliderAccessible::minimumStepSize() const
{
    return 0.01;
}
