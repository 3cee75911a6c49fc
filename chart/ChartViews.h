// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class QChart;
class QChartView;
class QWidget;

// What the charts of the chart module share: a view filling its owner, antialiased, titled, with
// the legend below, at least minimum in size.
QChartView *addChartView(QWidget *owner, const QString &title, QSize minimum);
// Drops the chart's series and axes before it is drawn anew. The chart deletes the series it
// drops but gives removed axes back to the caller, who deletes them here.
void clearChart(QChart *chart);
