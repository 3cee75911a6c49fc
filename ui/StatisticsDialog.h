// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/MatchStatistics.h"

#include <QDialog>

#include <vector>

class GuessChart;
class LiveAnnouncer;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class StatisticsKeeper;

// The statistics window: the figures, the chart and the latest matches of one strength level at a
// time, or of all together (a double-click or Return on a match with its turns opens its review),
// Export, and Reset, which asks first. The figures are asked of the
// statistics' own thread and shown when they come; a failed save is shown while it stands.
class StatisticsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kLatestCount = 20;

    // Opens on the figures of strength. A notice says so when an unreadable file was kept aside or
    // entries of an old file could not be imported.
    StatisticsDialog(StatisticsKeeper &keeper, int strength, QWidget *parent = nullptr);

    // The figure shown for each entry of the level shown, by its caption; for tests and tools.
    QString figure(const QString &caption) const;
    QTreeWidget *latestMatches() const { return m_latest; }
    GuessChart *chart() const { return m_chart; }
    QComboBox *levelPopup() const { return m_level; }

    static QString strengthName(int strength);
    // "Daily #343", or "Practice #12" for an earlier puzzle played again.
    static QString puzzleName(int number, bool practice);
    // What a match was played against, as the list and the review name it: a strength level,
    // a daily or practice puzzle, or a duel's opponent.
    static QString playedName(const MatchRecord &match);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showLevel();
    void showSummary(const LevelSummary &summary);
    void showLatest();
    void showMatches(const std::vector<MatchRecord> &matches);
    // Opens the review of the latest match in that row, when its turns were kept.
    void review(const QTreeWidgetItem *item);
    void showNotices();
    void showSaveProblem(const QString &problem);
    void askReset();
    void askExport();
    void addFigureRow(int row, int column, const QString &caption);

    StatisticsKeeper &m_keeper;
    QComboBox *m_level = nullptr;
    QGridLayout *m_figures = nullptr;
    GuessChart *m_chart = nullptr;
    QTreeWidget *m_latest = nullptr;
    QLabel *m_notices = nullptr;
    QLabel *m_saveProblem = nullptr;
    QPushButton *m_export = nullptr;
    LiveAnnouncer *m_announcer = nullptr;
    // The window has just opened, or the strength was chosen in the box, since its figures were
    // last shown: the figures that come are said aloud, as a screen reader does not read the
    // labels of a window that opens on its box.
    bool m_levelChanged = true;
    // The latest matches as listed, row by row.
    std::vector<MatchRecord> m_shown;
    int m_unknownRows = 0;
    // Whether the database has answered once; until then, after kPatience, the window says it waits.
    bool m_answered = false;
    static constexpr int kPatience = 700;
};
