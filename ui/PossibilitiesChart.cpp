#include "PossibilitiesChart.h"

#include "platform/GameModule.h"

#include <QLocale>
#include <QStringList>

namespace {
PossibilitiesChartFactory loadFactory()
{
    QString error;
    const auto factory = reinterpret_cast<PossibilitiesChartFactory>(
        GameModule::resolve(QStringLiteral("hitblow-chart"), HITBLOW_POSSIBILITIES_CHART_FACTORY, &error));
    if (!factory)
        qWarning("The chart of the review cannot be shown:%s", qUtf8Printable(error));
    return factory;
}
} // namespace

PossibilitiesChart *PossibilitiesChart::create(const Texts &texts, QWidget *parent)
{
    static const PossibilitiesChartFactory factory = loadFactory();
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
