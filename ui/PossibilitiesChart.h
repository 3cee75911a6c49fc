// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

// A line chart of a reviewed match: after each of the player's guesses, the possibilities it left
// against those best play's guess from the same position would have left on average, on a
// logarithmic scale. Drawn with Qt Charts in the module hitblow-chart, like GuessChart.
class PossibilitiesChart : public QWidget
{
public:
    // The chart's texts, translated by the caller.
    struct Texts {
        QString title;
        QString yours;
        QString expert;
        QString guess;
        QString possibilities;
    };

    struct Point {
        int guess = 0;       // 1 for the first guess
        double yours = 0.0;  // possibilities left; none once the secret is found
        double expert = 0.0; // left by best play's guess on average
    };

    // A new chart, or nullptr when the chart module cannot be loaded (the reason is logged once).
    static PossibilitiesChart *create(const Texts &texts, QWidget *parent);

    virtual void showPoints(const std::vector<Point> &points) = 0;
    // Tells assistive technology what the chart draws: the title is its name, and its description
    // has a line per guess ("Guess 2: You 64, Expert, expected 41.3").
    void describePoints(const std::vector<Point> &points);

protected:
    explicit PossibilitiesChart(QWidget *parent)
        : QWidget(parent)
    {
    }

private:
    Texts m_texts;
};

// The module's entry point for this chart.
using PossibilitiesChartFactory = PossibilitiesChart *(*)(const PossibilitiesChart::Texts &texts, QWidget *parent);
#define HITBLOW_POSSIBILITIES_CHART_FACTORY "hitblowMakePossibilitiesChart"
