// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartViews.h"

#include <QChart>
#include <QChartView>
#include <QVBoxLayout>

QChartView *addChartView(QWidget *owner, const QString &title, QSize minimum)
{
    auto *view = new QChartView(new QChart, owner);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(minimum);
    // One Tab stop for the chart, the owner's, which screen readers read with its name and the
    // description of what it draws; the view inside would be a silent one.
    view->setFocusPolicy(Qt::NoFocus);
    owner->setFocusPolicy(Qt::TabFocus);
    view->chart()->setTitle(title);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    view->chart()->setMargins(QMargins(4, 4, 4, 4));
    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    return view;
}

void clearChart(QChart *chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}
