// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/MatchStatistics.h"

#include <QString>
#include <QWidget>

// A bar chart of the number of guesses that decided each match of one strength level: for each
// number of guesses, the matches won, lost and drawn there, stacked.
//
// The chart is drawn with Qt Charts, which brings OpenGL and several more libraries with it; it
// lives in the module hitblow-chart, loaded when the first chart is made, so that starting the
// game never pays for it.
class GuessChart : public QWidget
{
public:
    // The chart's texts, translated by the caller.
    struct Texts {
        QString title;
        QString won;
        QString lost;
        QString drawn;
        QString guesses;
        QString matches;
    };

    // A new chart, or nullptr when the chart module cannot be loaded (the reason is logged once).
    static GuessChart *create(const Texts &texts, QWidget *parent);

    virtual void showSummary(const LevelSummary &summary) = 0;
    // Tells assistive technology what the chart draws: the title is its name, and its description
    // counts the matches of each bar ("Guesses 5: Won 2, Lost 1, Draw 0"), one bar a line.
    void describeSummary(const LevelSummary &summary);

protected:
    explicit GuessChart(QWidget *parent)
        : QWidget(parent)
    {
    }

private:
    Texts m_texts;
};

// The module's one entry point: makes the chart.
using GuessChartFactory = GuessChart *(*)(const GuessChart::Texts &texts, QWidget *parent);
#define HITBLOW_GUESS_CHART_FACTORY "hitblowMakeGuessChart"
