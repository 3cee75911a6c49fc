#include "GuessChart.h"

#include "platform/GameModule.h"

namespace {
GuessChartFactory loadFactory()
{
    QString error;
    const auto factory = reinterpret_cast<GuessChartFactory>(
        GameModule::resolve(QStringLiteral("hitblow-chart"), HITBLOW_GUESS_CHART_FACTORY, &error));
    if (!factory)
        qWarning("The chart of the statistics cannot be shown:%s", qUtf8Printable(error));
    return factory;
}
} // namespace

GuessChart *GuessChart::create(const Texts &texts, QWidget *parent)
{
    // Loaded once and kept for the rest of the run, like any library.
    static const GuessChartFactory factory = loadFactory();
    return factory ? factory(texts, parent) : nullptr;
}
