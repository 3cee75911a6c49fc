// SPDX-License-Identifier: GPL-3.0-or-later
#include "PossibilitiesChart.h"

#include "ChartModule.h"

#include <QLocale>
#include <QStringList>

PossibilitiesChart *PossibilitiesChart::create(const Texts &texts, QWidget *parent)
{
    static const PossibilitiesChartFactory factory
        = chartModuleEntry<PossibilitiesChartFactory>(HITBLOW_POSSIBILITIES_CHART_FACTORY, "The chart of the review");
    PossibilitiesChart *chart = factory ? factory(texts, parent) : nullptr;
    if (chart) {
        chart->m_texts = texts;
        chart->setAccessibleName(texts.title);
    }
    return chart;
}

void PossibilitiesChart::describePoints(const std::vector<Point> &points)
{
    const QLocale locale;
    QStringList lines;
    for (const Point &point : points) {
        lines << QStringLiteral("%1 %2: %3 %4, %5 %6")
                     .arg(m_texts.guess).arg(point.guess)
                     .arg(m_texts.yours, locale.toString(point.yours, 'g', 4))
                     .arg(m_texts.expert, locale.toString(point.expert, 'g', 4));
    }
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
}
