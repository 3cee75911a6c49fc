#pragma once

#include "statistics/MatchStatistics.h"

#include <QWidget>

// A bar chart of the number of guesses that decided each match of one strength level: for each
// number of guesses, the matches won, lost and drawn there, stacked.
class GuessChart : public QWidget
{
    Q_OBJECT

public:
    explicit GuessChart(QWidget *parent = nullptr);

    void showSummary(const LevelSummary &summary);
};
