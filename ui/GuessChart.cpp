// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuessChart.h"

#include "ChartModule.h"

#include <QStringList>

GuessChart *GuessChart::create(const Texts &texts, QWidget *parent)
{
    // Loaded once and kept for the rest of the run, like any library.
    static const GuessChartFactory factory
        = chartModuleEntry<GuessChartFactory>(HITBLOW_GUESS_CHART_FACTORY, "The chart of the statistics");
    GuessChart *chart = factory ? factory(texts, parent) : nullptr;
    if (chart) {
        chart->m_texts = texts;
        chart->setAccessibleName(texts.title);
    }
    return chart;
}

void GuessChart::describeSummary(const LevelSummary &summary)
{
    QStringList bars;
    for (const auto &[guesses, counts] : summary.decidedAt) {
        bars << QStringLiteral("%1 %2: %3 %4, %5 %6, %7 %8")
                    .arg(m_texts.guesses).arg(guesses)
                    .arg(m_texts.won).arg(counts[0])
                    .arg(m_texts.lost).arg(counts[1])
                    .arg(m_texts.drawn).arg(counts[2]);
    }
    setAccessibleDescription(bars.join(QLatin1Char('\n')));
}
