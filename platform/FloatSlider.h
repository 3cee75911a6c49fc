// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

class QLabel;
class QSlider;

// A slider that holds single-precision values from minimum to maximum in equal steps; QSlider
// itself holds integers, its positions 0, 1, 2, ... stand for minimum, minimum + step, ...
// An optional label shows the value as a number.
class FloatSlider
{
public:
    // The slider's properties holding its minimum and step, for assistive technology to tell the
    // value it stands for.
    static constexpr const char *kMinimumProperty = "floatMinimum";
    static constexpr const char *kStepProperty = "floatStep";

    FloatSlider() = default;
    FloatSlider(QSlider *slider, float minimum, float maximum, float step, QLabel *valueLabel = nullptr);

    // Moves the slider to the position nearest to value; a value that is not a number leaves it.
    void setFloatValue(float value);
    float floatValue() const;

    float maximum() const;

private:
    QPointer<QSlider> m_slider;
    float m_minimum = 0;
    float m_step = 1;
};
