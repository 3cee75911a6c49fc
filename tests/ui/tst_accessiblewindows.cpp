// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/FloatSliderAccessible.h"
#include "access/LiveAnnouncer.h"
#include "ui/AboutDialog.h"
#include "ui/GuessChart.h"
#include "ui/StatisticsDialog.h"
#include "platform/FloatSlider.h"
#include "statistics/StatisticsKeeper.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {
// At Normal: won in 5 twice, lost in 6, won in 5 (the newest); at Hard one draw. The best streak
// (2) is longer than the current one (1).
const char kHistory[] = R"({"matches":[
{"finished":"2026-01-01T11:50:00Z","strength":1,"result":"won","guesses":5,"hinted":false},
{"finished":"2026-01-01T12:00:00Z","strength":1,"result":"won","guesses":5,"hinted":false},
{"finished":"2026-01-01T12:10:00Z","strength":1,"result":"lost","guesses":6,"hinted":false},
{"finished":"2026-01-01T12:20:00Z","strength":2,"result":"draw","guesses":16,"hinted":false},
{"finished":"2026-01-01T12:30:00Z","strength":1,"result":"won","guesses":5,"hinted":true}
]})";
// The latest phrase the window gave screen readers through its notifications.
QString latestSpoken(const QWidget *window)
{
    for (QObject *child : window->children()) {
        if (const auto *announcer = dynamic_cast<const LiveAnnouncer *>(child))
            return announcer->latest()->text(QAccessible::Name);
    }
    return QStringLiteral("<no announcer>");
}
} // namespace

// What a screen reader says of the game's windows: each figure with what it counts, each cell of
// the latest matches with its column, the chart's counts in words, the rhythm as the number shown,
// and the About text once.
class TestAccessibleWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void figuresSayWhatTheyCount_data();
    void figuresSayWhatTheyCount();
    void latestMatchesAreReadWithTheirColumns_data();
    void latestMatchesAreReadWithTheirColumns();
    void latestMatchesFollowTheStrength_data();
    void latestMatchesFollowTheStrength();
    void chartHasATextAlternative();
    void sliderSaysTheNumberShown_data();
    void sliderSaysTheNumberShown();
    void aboutTextTakesNoKeyboardFocus();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<StatisticsKeeper> m_keeper;
    std::unique_ptr<StatisticsDialog> m_dialog;
};

void TestAccessibleWindows::init()
{
    // A new folder each time: the old statistics file beside the database, imported when the
    // database first opens.
    m_folder = std::make_unique<QTemporaryDir>();
    QFile file(m_folder->filePath(QStringLiteral("statistics.json")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(kHistory);
    file.close();
    m_keeper = std::make_unique<StatisticsKeeper>(m_folder->filePath(QStringLiteral("statistics.sqlite")));
    m_dialog = std::make_unique<StatisticsDialog>(*m_keeper, 1);
}

void TestAccessibleWindows::cleanup()
{
    m_dialog.reset();
    m_keeper.reset();
    m_folder.reset();
}

void TestAccessibleWindows::figuresSayWhatTheyCount_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("a count") << "Won" << "Won: 3";
    QTest::newRow("another count") << "Lost" << "Lost: 1";
    QTest::newRow("none") << "Drawn" << "Drawn: 0";
    QTest::newRow("a rate") << "Win rate" << "Win rate: 75.0 %";
    QTest::newRow("a streak") << "Current winning streak" << "Current winning streak: 1";
    QTest::newRow("the best streak") << "Best winning streak" << "Best winning streak: 2";
}

void TestAccessibleWindows::figuresSayWhatTheyCount()
{
    QFETCH(QString, caption);
    QFETCH(QString, spoken);
    auto *value = m_dialog->findChild<QLabel *>(caption);
    QVERIFY(value);
    // The figures arrive from the database's thread.
    // Read as its caption, the label it has, then its own name: the caption once.
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(value);
    const auto labels = read->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QTRY_COMPARE(labels.first().first->text(QAccessible::Name) + ' ' + read->text(QAccessible::Name), spoken);
    QVERIFY(!read->text(QAccessible::Name).contains(caption));
    // The old file was imported whole: no notice of entries left out.
    for (const QLabel *label : m_dialog->findChildren<QLabel *>())
        QVERIFY2(!label->text().contains(QStringLiteral("could not be imported")), qPrintable(label->text()));
}

void TestAccessibleWindows::latestMatchesAreReadWithTheirColumns_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("the newest match's strength") << 0 << 1 << "Strength: Normal";
    QTest::newRow("its result") << 0 << 2 << "Result: Won";
    QTest::newRow("its hint") << 0 << 4 << "Hint: Yes";
    QTest::newRow("an older match's guesses") << 1 << 3 << "Guesses: 6";
}

void TestAccessibleWindows::latestMatchesAreReadWithTheirColumns()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, spoken);
    QTRY_VERIFY(m_dialog->latestMatches()->topLevelItem(row));
    QTreeWidgetItem *item = m_dialog->latestMatches()->topLevelItem(row);
    QCOMPARE(item->data(column, Qt::AccessibleTextRole).toString(), spoken);
    // Reached by the keyboard, the list says its current row: the first one.
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    m_dialog->latestMatches()->setFocus(Qt::TabFocusReason);
    const QString said = latestSpoken(m_dialog.get());
    QVERIFY2(said.startsWith(QStringLiteral("Row 1 of ")) && said.contains(QStringLiteral("Result: Won")), qPrintable(said));
}

void TestAccessibleWindows::latestMatchesFollowTheStrength_data()
{
    QTest::addColumn<QString>("strength");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("Normal, as the window opens") << "" << QStringList{"Won", "Lost", "Won", "Won"};
    QTest::newRow("Hard") << "Hard" << QStringList{"Draw"};
    QTest::newRow("Expert, with no match") << "Expert" << QStringList{};
    QTest::newRow("all strengths") << "All strengths" << QStringList{"Won", "Draw", "Lost", "Won", "Won"};
}

void TestAccessibleWindows::latestMatchesFollowTheStrength()
{
    QFETCH(QString, strength);
    QFETCH(QStringList, results);
    QTreeWidget *list = m_dialog->latestMatches();
    QTRY_COMPARE(list->topLevelItemCount(), 4);
    if (!strength.isEmpty())
        m_dialog->levelPopup()->setCurrentText(strength);
    QTRY_COMPARE(list->topLevelItemCount(), int(results.size()));
    QStringList shown;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        shown << list->topLevelItem(row)->text(2);
    QCOMPARE(shown, results);
    // Its first match is current, for the keyboard and a screen reader to meet first.
    QCOMPARE(list->currentItem(), list->topLevelItem(0));
    // The keyboard starts on the strength, not on a button that wipes the statistics.
    QCOMPARE(m_dialog->focusWidget(), m_dialog->levelPopup());
}

void TestAccessibleWindows::chartHasATextAlternative()
{
    GuessChart *chart = m_dialog->chart();
    if (!chart)
        QSKIP("the chart module is not loadable here");
    QCOMPARE(chart->accessibleName(), QStringLiteral("Guesses that decided each match"));
    QTRY_COMPARE(chart->accessibleDescription(),
             QStringLiteral("Guesses 5: Won 3, Lost 0, Draw 0\nGuesses 6: Won 0, Lost 1, Draw 0"));
}

void TestAccessibleWindows::sliderSaysTheNumberShown_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("the default") << 1.0f << "1.00";
    QTest::newRow("the slowest") << 0.25f << "0.25";
    QTest::newRow("the fastest") << 4.0f << "4.00";
    QTest::newRow("between") << 2.75f << "2.75";
}

void TestAccessibleWindows::sliderSaysTheNumberShown()
{
    QFETCH(float, value);
    QFETCH(QString, spoken);
    FloatSliderAccessible::installFactory();
    QSlider slider;
    QLabel label;
    FloatSlider rhythm(&slider, 0.25f, 4.0f, 0.25f, &label);
    rhythm.setFloatValue(value);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&slider);
    QVERIFY(iface && iface->valueInterface());
    QCOMPARE(iface->role(), QAccessible::Slider);
    QCOMPARE(iface->text(QAccessible::Value), spoken);
    QCOMPARE(iface->text(QAccessible::Value), label.text());
    QCOMPARE(iface->valueInterface()->currentValue().toDouble(), double(value));
    QCOMPARE(iface->valueInterface()->minimumValue().toDouble(), 0.25);
    QCOMPARE(iface->valueInterface()->maximumValue().toDouble(), 4.0);
    // A screen reader setting the value sets the number, not a position.
    iface->valueInterface()->setCurrentValue(1.5);
    QCOMPARE(rhythm.floatValue(), 1.5f);
}

void TestAccessibleWindows::aboutTextTakesNoKeyboardFocus()
{
    AboutDialog about;
    const QList<QLabel *> labels = about.findChildren<QLabel *>();
    QVERIFY(!labels.isEmpty());
    for (const QLabel *label : labels)
        QVERIFY2(!(label->focusPolicy() & Qt::TabFocus), qPrintable(label->text()));
}

QTEST_MAIN(TestAccessibleWindows)
#include "tst_accessiblewindows.moc"
