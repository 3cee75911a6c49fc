// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreferencesTest.h"

// The preferences window through its real widgets, and where it opens.

void TestPreferences::dialogShowsTheSettings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<ControlState>("shown");
    QTest::newRow("defaults") << QByteArray() << ControlState{1, 1, 1, 0, 1.0f};
    QTest::newRow("all off, fastest")
        << QByteArray("[General]\nStrengthLevel=0\nCandidatesVisible=0\nSoundMode=0\nAutoCheck=1\nPlayingRhythm=4\n")
        << ControlState{0, 0, 0, 1, 4.0f};
    QTest::newRow("beyond the controls: the nearest they have, the default strength and rhythm")
        << QByteArray("[General]\nStrengthLevel=7\nCandidatesVisible=5\nSoundMode=-3\nAutoCheck=2\nPlayingRhythm=9.5\n")
        << ControlState{1, 1, 0, 1, 1.0f};
    QTest::newRow("Expert") << QByteArray("[General]\nStrengthLevel=3\n") << ControlState{3, 1, 1, 0, 1.0f};
    QTest::newRow("below the controls: the default strength and rhythm")
        << QByteArray("[General]\nStrengthLevel=-2\nPlayingRhythm=0.01\nSoundMode=-1\n")
        << ControlState{1, 1, 0, 0, 1.0f};
    QTest::newRow("rhythm between two steps") << QByteArray("[General]\nPlayingRhythm=1.3\n")
                                              << ControlState{1, 1, 1, 0, 1.25f};
}

void TestPreferences::dialogShowsTheSettings()
{
    QFETCH(QByteArray, file);
    QFETCH(ControlState, shown);
    if (!file.isNull())
        writeSettingsFile(file);
    m_prefs->awakeFromNib();
    const Settings loaded = settingsOf(*m_prefs);

    // Opened twice: the second opening must not depend on the first.
    for (int opening = 0; opening < 2; ++opening) {
        ControlState seen{};
        runDialog([&](QDialog *dialog) { seen = controlState(dialog); });
        QCOMPARE(seen, shown);
        QCOMPARE(settingsOf(*m_prefs), loaded);
    }
}

void TestPreferences::strengthIsDescribed_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("description");
    QTest::newRow("Easy") << 0 << "Mac only counts how many of its digits each score shares.";
    QTest::newRow("Normal") << 1 << "Mac keeps only the numbers that give each score exactly.";
    QTest::newRow("Hard") << 2 << "Mac also weighs each score against its earlier ones.";
    QTest::newRow("Expert") << 3 << "Mac plans every guess ahead and needs at most seven guesses.";
}

// The line under the popup follows the selection, from the stored level on.
void TestPreferences::strengthIsDescribed()
{
    QFETCH(int, level);
    QFETCH(QString, description);
    writeSettingsFile(QByteArray("[General]\nStrengthLevel=") + QByteArray::number(level) + "\n");
    m_prefs->awakeFromNib();
    runDialog([&](QDialog *dialog) {
        auto *popup = dialog->findChild<QComboBox *>(QStringLiteral("levelPopup"));
        auto *label = dialog->findChild<QLabel *>(QStringLiteral("levelDescriptionLabel"));
        QCOMPARE(popup->count(), 4);
        QCOMPARE(label->text(), description);
        // A screen reader reads the strength chosen and its line with the popup.
        QCOMPARE(QAccessible::queryAccessibleInterface(popup)->text(QAccessible::Description),
                 popup->currentText() + ": " + description);
        popup->setCurrentIndex((level + 1) % 4);
        QVERIFY(label->text() != description);
        popup->setCurrentIndex(level);
        QCOMPARE(label->text(), description);
    });
}

void TestPreferences::dialogEnds_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("taken");
    QTest::newRow("OK button") << false << "okButton" << true;
    QTest::newRow("Return key, changed by mnemonics") << true << "return" << true;
    QTest::newRow("Cancel button") << false << "cancelButton" << false;
    QTest::newRow("Escape key, changed by mnemonics") << true << "escape" << false;
    QTest::newRow("window closed") << false << "close" << false;
}

void TestPreferences::dialogEnds()
{
    QFETCH(bool, byKeyboard);
    QFETCH(QString, ending);
    QFETCH(bool, taken);
    m_prefs->awakeFromNib();
    const Settings chosen{2, 0, 0, 1, 1.25f};

    ControlState changedTo{};
    runDialog([&](QDialog *dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto *popup = dialog->findChild<QComboBox *>(QStringLiteral("levelPopup"));
        auto *slider = dialog->findChild<QSlider *>(QStringLiteral("rhythmSlider"));
        if (byKeyboard) {
            // Alt+S and Alt+R move the focus to the popup and the slider; the others choose.
            QTest::keyClick(dialog, Qt::Key_S, Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            for (const Qt::Key key : {Qt::Key_H, Qt::Key_O, Qt::Key_A})
                QTest::keyClick(dialog, key, Qt::AltModifier);
            QTest::keyClick(dialog, Qt::Key_R, Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            // A mnemonic clicks its button after a short animation.
            QTRY_COMPARE(controlState(dialog).autoCheck, 1);
            QCOMPARE(popup->hasFocus() || slider->hasFocus(), true);
        } else {
            QTest::keyClick(popup, Qt::Key_Down);
            for (const char *name : {"candidatesHiddenButton", "soundOffButton", "autoCheckOnButton"}) {
                auto *button = dialog->findChild<QRadioButton *>(QLatin1String(name));
                QStyleOptionButton option;
                option.initFrom(button);
                const QRect indicator = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
                QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
            }
            QTest::keyClick(slider, Qt::Key_Right);
        }
        changedTo = controlState(dialog);

        if (ending == QLatin1String("return"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else if (ending == QLatin1String("escape"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else if (ending == QLatin1String("close"))
            dialog->close();
        else
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(ending), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(changedTo, chosen);

    const Settings expected = taken ? chosen : kDefaults;
    QCOMPARE(settingsOf(*m_prefs), expected);
    // OK stores at once, so that a game that does not end normally keeps the choice.
    if (taken)
        QCOMPARE(storedSettings(), chosen);
    else
        QVERIFY(!QFile::exists(settingsPath()));

    // The next opening shows the settings, not what was cancelled.
    ControlState reopened{};
    runDialog([&](QDialog *dialog) { reopened = controlState(dialog); });
    QCOMPARE(reopened, expected);
}

void TestPreferences::mnemonicsAreUniqueAndLabelsHaveBuddies()
{
    QDialog *dialog = m_prefs->window();
    QMap<QChar, QString> owners;
    auto claim = [&owners](const QString &text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at < 0 || at + 1 >= text.size())
            return;
        const QChar key = text.at(at + 1).toLower();
        QVERIFY2(!owners.contains(key), qPrintable(text + QStringLiteral(" and ") + owners.value(key)));
        owners.insert(key, text);
    };
    for (const auto *button : dialog->findChildren<QAbstractButton *>())
        claim(button->text());
    for (const auto *label : dialog->findChildren<QLabel *>()) {
        if (label->text().contains(QLatin1Char('&'))) {
            QVERIFY2(label->buddy(), qPrintable(label->text()));
            claim(label->text());
        }
    }
    QCOMPARE(owners.size(), 11);

    auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("okButton"));
    QVERIFY(ok->isDefault());
    // Tab reaches the popup, the three groups, the two check boxes, the slider and both buttons in
    // reading order.
    QStringList order;
    QWidget *widget = dialog;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != dialog);
    QCOMPARE(order,
             (QStringList{"levelPopup", "candidatesHiddenButton", "candidatesShownButton", "soundOffButton",
                          "soundOnButton", "autoCheckOffButton", "autoCheckOnButton", "ownCandidatesCheck",
                          "confirmAbandonCheck", "hardModeCheck", "rhythmSlider",
                          "cancelButton", "okButton"}));
}

void TestPreferences::tabStopsAtTheSelectedChoice_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("other");
    QTest::newRow("candidates shown") << "CandidatesVisible" << 1 << "levelPopup" << "candidatesShownButton"
                                      << "candidatesHiddenButton";
    QTest::newRow("candidates hidden") << "CandidatesVisible" << 0 << "levelPopup" << "candidatesHiddenButton"
                                       << "candidatesShownButton";
    QTest::newRow("sound off") << "SoundMode" << 0 << "candidatesShownButton" << "soundOffButton" << "soundOnButton";
    QTest::newRow("automatic check") << "AutoCheck" << 1 << "soundOnButton" << "autoCheckOnButton"
                                     << "autoCheckOffButton";
}

// Tab lands on the selected choice of a group, never on the others, as in any group of radio buttons.
void TestPreferences::tabStopsAtTheSelectedChoice()
{
    QFETCH(QString, key);
    QFETCH(int, value);
    QFETCH(QString, before);
    QFETCH(QString, selected);
    QFETCH(QString, other);
    writeSettingsFile(QStringLiteral("[General]\n%1=%2\n").arg(key).arg(value).toUtf8());
    m_prefs->awakeFromNib();
    runDialog([&](QDialog *dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto *start = dialog->findChild<QWidget *>(before);
        auto *chosen = dialog->findChild<QAbstractButton *>(selected);
        auto *notChosen = dialog->findChild<QAbstractButton *>(other);
        QVERIFY(start && chosen && notChosen);
        QVERIFY(chosen->isChecked());
        QVERIFY(!(notChosen->focusPolicy() & Qt::TabFocus));
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), chosen);
        // The arrow keys still move to the other choice, and choose it.
        QTest::keyClick(chosen, chosen->y() < notChosen->y() ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), notChosen);
        QVERIFY(notChosen->isChecked());
        QVERIFY(!(chosen->focusPolicy() & Qt::TabFocus));
    });
}

void TestPreferences::topLeftOfPrefWindow_data()
{
    QTest::addColumn<QRectF>("mainFrame");
    QTest::addColumn<QRectF>("prefFrame");
    QTest::addColumn<QPointF>("topLeft");
    QTest::newRow("example") << QRectF(100, 200, 640, 500) << QRectF(0, 0, 300, 280) << QPointF(270, 672);
    QTest::newRow("wider than the main window") << QRectF(0, 0, 200, 100) << QRectF(50, 70, 400, 10)
                                                << QPointF(-100, 472);
    QTest::newRow("fractions") << QRectF(0.5, -10.25, 101, 480) << QRectF(0, 0, 50, 50) << QPointF(26, 461.75);
}

void TestPreferences::topLeftOfPrefWindow()
{
    QFETCH(QRectF, mainFrame);
    QFETCH(QRectF, prefFrame);
    QFETCH(QPointF, topLeft);
    QCOMPARE(PrefWindowController::prefWindowTopLeft(mainFrame, prefFrame), topLeft);
}

void TestPreferences::flippingIsItsOwnInverse_data()
{
    QTest::addColumn<QRectF>("yUp");
    QTest::addColumn<qreal>("screenHeight");
    QTest::addColumn<QRectF>("yDown");
    QTest::newRow("main window of the example on a 1024 high screen")
        << QRectF(100, 200, 640, 500) << qreal(1024) << QRectF(100, 324, 640, 500);
    QTest::newRow("touching the bottom") << QRectF(0, 0, 10, 20) << qreal(600) << QRectF(0, 580, 10, 20);
    QTest::newRow("a point") << QRectF(270, 672, 0, 0) << qreal(1024) << QRectF(270, 352, 0, 0);
    QTest::newRow("above the screen") << QRectF(5, 700, 10, 50) << qreal(600) << QRectF(5, -150, 10, 50);
}

void TestPreferences::flippingIsItsOwnInverse()
{
    QFETCH(QRectF, yUp);
    QFETCH(qreal, screenHeight);
    QFETCH(QRectF, yDown);
    QCOMPARE(flippedVertically(yUp, screenHeight), yDown);
    QCOMPARE(flippedVertically(yDown, screenHeight), yUp);
}

void TestPreferences::keptInsideTheScreen_data()
{
    QTest::addColumn<QRectF>("frame");
    QTest::addColumn<QPointF>("topLeft");
    const QRectF available(0, 30, 800, 570);
    QTest::newRow("inside stays") << QRectF(10, 40, 300, 200) << QPointF(10, 40);
    QTest::newRow("off the right") << QRectF(700, 100, 300, 200) << QPointF(500, 100);
    QTest::newRow("off the bottom") << QRectF(10, 500, 300, 200) << QPointF(10, 400);
    QTest::newRow("above, under the panel") << QRectF(-50, 0, 300, 200) << QPointF(0, 30);
    QTest::newRow("larger than the screen") << QRectF(-50, 700, 900, 900) << QPointF(0, 30);
}

void TestPreferences::keptInsideTheScreen()
{
    QFETCH(QRectF, frame);
    QFETCH(QPointF, topLeft);
    QCOMPARE(topLeftKeptInside(frame, QRectF(0, 30, 800, 570)), topLeft);
}

void TestPreferences::dialogOpensOverTheMainWindow_data()
{
    QTest::addColumn<QRect>("mainGeometry");
    QTest::addColumn<bool>("clamped");
    QTest::newRow("centred, its top 472 above the main window's bottom") << QRect(100, 50, 640, 500) << false;
    QTest::newRow("main window partly off the screen") << QRect(600, 500, 640, 500) << true;
}

void TestPreferences::dialogOpensOverTheMainWindow()
{
    QFETCH(QRect, mainGeometry);
    QFETCH(bool, clamped);
    m_mainWindow->setGeometry(mainGeometry);
    m_mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_mainWindow.get()));
    m_prefs->awakeFromNib();

    QRect placed;
    runDialog([&](QDialog *dialog) { placed = dialog->frameGeometry(); });

    const QRect screen = m_mainWindow->screen()->availableGeometry();
    QVERIFY2(screen.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(placed.x()).arg(placed.y())
                                                     .arg(placed.width()).arg(placed.height())));
    if (clamped) {
        // Moved no further than needed: against the right and bottom edges.
        QCOMPARE(placed.bottomRight(), screen.bottomRight());
        return;
    }
    const QRect main = m_mainWindow->frameGeometry();
    QCOMPARE(placed.top(), main.top() + main.height() - 472);
    QVERIFY(std::abs(placed.center().x() - main.center().x()) <= 1);
}
