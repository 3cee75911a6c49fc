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
