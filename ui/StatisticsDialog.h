#pragma once

#include <QDialog>

class GuessChart;
class QComboBox;
class QGridLayout;
class QLabel;
class QTreeWidget;
class StatisticsKeeper;

// The statistics window: the figures and the chart of one strength level at a time, the latest
// matches of every level, and Reset, which asks first.
class StatisticsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kLatestCount = 20;

    // Opens on the figures of strength. A notice says so when an unreadable file was kept aside.
    StatisticsDialog(StatisticsKeeper &keeper, int strength, QWidget *parent = nullptr);

    // The figure shown for each entry of the level shown, by its caption; for tests and tools.
    QString figure(const QString &caption) const;
    QTreeWidget *latestMatches() const { return m_latest; }
    QComboBox *levelPopup() const { return m_level; }

    static QString strengthName(int strength);

private:
    void showLevel();
    void showLatest();
    void askReset();
    void addFigureRow(int row, int column, const QString &caption);

    StatisticsKeeper &m_keeper;
    QComboBox *m_level = nullptr;
    QGridLayout *m_figures = nullptr;
    GuessChart *m_chart = nullptr;
    QTreeWidget *m_latest = nullptr;
};
