// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a review drawn with Qt Charts, in the module hitblow-chart.
#include "ui/PossibilitiesChart.h"

#include "chart/ChartViews.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>

#include <algorithm>

namespace {
// Nothing left is drawn at the foot of the scale, which a logarithm cannot reach.
constexpr double kFoot = 0.5;

class QtChartsPossibilitiesChart final : public PossibilitiesChart
{
public:
    QtChartsPossibilitiesChart(const Texts &texts, QWidget *parent);

    void showPoints(const std::vector<Point> &points) override;

private:
    Texts m_texts;
    QChartView *m_view = nullptr;
};

QtChartsPossibilitiesChart::QtChartsPossibilitiesChart(const Texts &texts, QWidget *parent)
    : PossibilitiesChart(parent)
    , m_texts(texts)
    , m_view(addChartView(this, texts.title, QSize(420, 220)))
{
}

void QtChartsPossibilitiesChart::showPoints(const std::vector<Point> &points)
{
    QChart *chart = m_view->chart();
    clearChart(chart);
    auto *yours = new QLineSeries;
    yours->setName(m_texts.yours);
    QPen solid(QColor(0x2a, 0x6f, 0xb8));
    solid.setWidthF(2.5);
    yours->setPen(solid);
    auto *expert = new QLineSeries;
    expert->setName(m_texts.expert);
    QPen dashed(QColor(0xd0, 0x7a, 0x1c));
    dashed.setStyle(Qt::DashLine);
    dashed.setWidthF(2.0);
    expert->setPen(dashed);
    yours->setPointsVisible(true);
    expert->setPointsVisible(true);
    double highest = 10.0;
    for (const Point &point : points) {
        yours->append(point.guess, std::max(point.yours, kFoot));
        expert->append(point.guess, std::max(point.expert, kFoot));
        highest = std::max({highest, point.yours, point.expert});
    }
    chart->addSeries(yours);
    chart->addSeries(expert);

    auto *xAxis = new QValueAxis;
    xAxis->setRange(0.75, std::max<double>(double(points.size()), 1.0) + 0.25);
    xAxis->setTickType(QValueAxis::TicksDynamic);
    xAxis->setTickAnchor(1);
    xAxis->setTickInterval(1);
    xAxis->setLabelFormat(QStringLiteral("%d"));
    xAxis->setTitleText(m_texts.guess);
    auto *yAxis = new QLogValueAxis;
    yAxis->setBase(10);
    yAxis->setRange(kFoot, highest * 2);
    yAxis->setLabelFormat(QStringLiteral("%g"));
    yAxis->setTitleText(m_texts.possibilities);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (QLineSeries *series : {yours, expert}) {
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
}
} // namespace

extern "C" Q_DECL_EXPORT PossibilitiesChart *hitblowMakePossibilitiesChart(const PossibilitiesChart::Texts &texts,
                                                                           QWidget *parent)
{
    return new QtChartsPossibilitiesChart(texts, parent);
}
