// SPDX-License-Identifier: GPL-3.0-or-later
#include "FloatSlider.h"

#include <QLabel>
#include <QLocale>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace {
float valueAt(int position, float minimum, float step)
{
    return minimum + static_cast<float>(position) * step;
}

void showValue(QLabel *label, float value)
{
    label->setText(QLocale().toString(value, 'f', 2));
}
} // namespace

FloatSlider::FloatSlider(QSlider *slider, float minimum, float maximum, float step, QLabel *valueLabel)
    : m_slider(slider)
    , m_minimum(minimum)
    , m_step(step)
{
    const int lastPosition = static_cast<int>(std::lround((maximum - minimum) / step));
    slider->setRange(0, std::max(lastPosition, 0));
    slider->setSingleStep(1);
    slider->setPageStep(std::max(static_cast<int>(std::lround(1.0f / step)), 1));
    slider->setProperty(kMinimumProperty, minimum);
    slider->setProperty(kStepProperty, step);
    if (!valueLabel)
        return;
    QObject::connect(slider, &QSlider::valueChanged, valueLabel, [valueLabel, minimum, step](int position) {
        showValue(valueLabel, valueAt(position, minimum, step));
    });
    showValue(valueLabel, floatValue());
}

void FloatSlider::setFloatValue(float value)
{
    if (!m_slider || std::isnan(value))
        return;
    // Clamp before rounding, so that huge and infinite values cannot overflow the position.
    const float clamped = std::clamp(value, m_minimum, maximum());
    m_slider->setValue(static_cast<int>(std::lround((clamped - m_minimum) / m_step)));
}

float FloatSlider::floatValue() const
{
    return m_slider ? valueAt(m_slider->value(), m_minimum, m_step) : m_minimum;
}

float FloatSlider::maximum() const
{
    return m_slider ? valueAt(m_slider->maximum(), m_minimum, m_step) : m_minimum;
}
