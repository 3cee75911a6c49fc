// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of the statistics drawn with Qt Charts: the module hitblow-chart, loaded on first use.
#include "ui/GuessChart.h"

#include "chart/ChartViews.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace {
constexpr int kMostGuesses = MatchStatistics::kMostGuesses;

// A font that holds every character of text itself. Qt Charts measures a title with its font's
// own metrics and cuts it short where fallback glyphs (Chinese, Japanese) stand taller, leaving a
// vertical title as a lone ellipsis.
QFont fontHolding(const QString &text, const QFont &base)
{
    const auto holds = [&text](const QFont &font) {
        const QFontMetrics metrics(font);
        for (const uint character : text.toUcs4()) {
            if (!metrics.inFontUcs4(character))
                return false;
        }
        return true;
    };
    if (holds(base))
        return base;
    for (const auto system : {QFontDatabase::Japanese, QFontDatabase::SimplifiedChinese,
                              QFontDatabase::TraditionalChinese, QFontDatabase::Korean}) {
        for (const QString &family : QFontDatabase::families(system)) {
            QFont font = base;
            font.setFamilies({family});
            if (holds(font))
                return font;
        }
    }
    return base;
}

class QtChartsGuessChart final : public GuessChart
{
public:
    QtChartsGuessChart(const Texts &texts, QWidget *parent);

    void showSummary(const LevelSummary &summary) override;

private:
    Texts m_texts;
    QChartView *m_view = nullptr;
};

QtChartsGuessChart::QtChartsGuessChart(const Texts &texts, QWidget *parent)
    : GuessChart(parent)
    , m_texts(texts)
    , m_view(addChartView(this, texts.title, QSize(560, 240)))
{
}

void QtChartsGuessChart::showSummary(const LevelSummary &summary)
{
    QChart *chart = m_view->chart();
    clearChart(chart);

    const QString names[] = {m_texts.won, m_texts.lost, m_texts.drawn};
    const QColor colours[] = {QColor(0x3c, 0x9d, 0x4e), QColor(0xc8, 0x3c, 0x3c), QColor(0xd9, 0xa4, 0x1b)};
    auto *series = new QStackedBarSeries;
    int tallest = 0;
    for (int outcome = 0; outcome < 3; ++outcome) {
        auto *set = new QBarSet(names[outcome]);
        set->setColor(colours[outcome]);
        for (int guesses = 1; guesses <= kMostGuesses; ++guesses) {
            const auto found = summary.decidedAt.find(guesses);
            *set << (found == summary.decidedAt.end() ? 0 : found->second[outcome]);
        }
        series->append(set);
    }
    for (const auto &[guesses, counts] : summary.decidedAt)
        tallest = std::max(tallest, counts[0] + counts[1] + counts[2]);
    chart->addSeries(series);

    QStringList categories;
    for (int guesses = 1; guesses <= kMostGuesses; ++guesses)
        categories << QString::number(guesses);
    auto *xAxis = new QBarCategoryAxis;
    xAxis->append(categories);
    xAxis->setTitleText(m_texts.guesses);
    xAxis->setTitleFont(fontHolding(m_texts.guesses, xAxis->titleFont()));
    auto *yAxis = new QValueAxis;
    yAxis->setRange(0, std::max(tallest, 1));
    yAxis->setLabelFormat(QStringLiteral("%d"));
    yAxis->setTickType(QValueAxis::TicksDynamic);
    yAxis->setTickAnchor(0);
    yAxis->setTickInterval(std::max(1, (tallest + 4) / 5));
    yAxis->setTitleText(m_texts.matches);
    yAxis->setTitleFont(fontHolding(m_texts.matches, yAxis->titleFont()));
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
}
} // namespace

extern "C" Q_DECL_EXPORT GuessChart *hitblowMakeGuessChart(const GuessChart::Texts &texts, QWidget *parent)
{
    return new QtChartsGuessChart(texts, parent);
}
