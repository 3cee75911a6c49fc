#include "PrefWindowController.h"
#include "platform/ModalRun.h"
#include "platform/QtScheduler.h"
#include "platform/ScreenCoordinates.h"
#include "platform/UnixSignalQuitter.h"
#include "platform/UserDefaults.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <csignal>
#include <functional>
#include <limits>

namespace {
using Settings = PrefWindowController::Settings;

// What the dialog's controls show, in the same order: popup index, three rows, slider value.
using ControlState = Settings;

constexpr Settings kDefaults{1, 1, 1, 0, 1.0f};

Settings settingsOf(const PrefWindowController &prefs)
{
    return {prefs.strengthLevel(), prefs.candidatesVisible(), prefs.soundMode(), prefs.autoCheck(),
            prefs.playingRhythm()};
}

QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/HitBlow");
}

QString settingsPath()
{
    return configFolder() + QStringLiteral("/HitBlow.conf");
}

QByteArray settingsFileContents()
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the settings file byte for byte. Each file gets a modification time of its own, so that
// the settings cache never takes a new file for the one it read before.
void writeSettingsFile(const QByteArray &contents)
{
    static int generation = 0;
    QDir().mkpath(configFolder());
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    file.close();
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QDateTime time = QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC).addSecs(++generation);
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

Settings storedSettings()
{
    const auto defaults = openUserDefaults();
    return {storedInt(*defaults, QStringLiteral("StrengthLevel")).value_or(-100),
            storedInt(*defaults, QStringLiteral("CandidatesVisible")).value_or(-100),
            storedInt(*defaults, QStringLiteral("SoundMode")).value_or(-100),
            storedInt(*defaults, QStringLiteral("AutoCheck")).value_or(-100),
            storedFloat(*defaults, QStringLiteral("PlayingRhythm")).value_or(-100.0f)};
}

// Collects the warnings printed while it lives.
class WarningCollector
{
public:
    WarningCollector()
    {
        s_warnings.clear();
        m_previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtWarningMsg)
                s_warnings << text;
        });
    }
    ~WarningCollector() { qInstallMessageHandler(m_previous); }

    QStringList warnings() const { return s_warnings; }

private:
    static inline QStringList s_warnings;
    QtMessageHandler m_previous;
};
} // namespace

Q_DECLARE_METATYPE(Settings)

namespace QTest {
template <>
char *toString(const Settings &s)
{
    return qstrdup(QStringLiteral("(%1, %2, %3, %4, %5)")
                       .arg(s.strengthLevel)
                       .arg(s.candidatesVisible)
                       .arg(s.soundMode)
                       .arg(s.autoCheck)
                       .arg(double(s.playingRhythm))
                       .toUtf8());
}
} // namespace QTest

// The settings against a real settings file in the test's own configuration folder, the modal
// preferences window through its real widgets, and the termination paths that store the settings.
class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loading_data();
    void loading();
    void unreadableFileGivesDefaults();
    void rhythmIsStoredAsPlainNumber_data();
    void rhythmIsStoredAsPlainNumber();

    void dialogShowsTheSettings_data();
    void dialogShowsTheSettings();
    void strengthIsDescribed_data();
    void strengthIsDescribed();
    void dialogEnds_data();
    void dialogEnds();
    void mnemonicsAreUniqueAndLabelsHaveBuddies();

    void topLeftOfPrefWindow_data();
    void topLeftOfPrefWindow();
    void flippingIsItsOwnInverse_data();
    void flippingIsItsOwnInverse();
    void keptInsideTheScreen_data();
    void keptInsideTheScreen();
    void dialogOpensOverTheMainWindow_data();
    void dialogOpensOverTheMainWindow();

    void terminationStoresAllKeys_data();
    void terminationStoresAllKeys();
    void signalWhileDialogIsOpenQuitsWithoutItsChoices();
    void terminationBeforeLoadingKeepsTheStore();
    void anotherGamesChoiceSurvivesThisGamesQuit_data();
    void anotherGamesChoiceSurvivesThisGamesQuit();
    void unwritableFileIsReportedOnce();
    void delayedCallWaitsForTheDialog();

private:
    // Opens the preferences window; inside runs in its modal run, then the window is cancelled
    // unless inside ended it.
    void runDialog(const std::function<void(QDialog *)> &inside);
    static ControlState controlState(QDialog *dialog);

    std::unique_ptr<QWidget> m_mainWindow;
    std::unique_ptr<PrefWindowController> m_prefs;
};

void TestPreferences::init()
{
    QDir(configFolder()).removeRecursively();
    QFile::remove(configFolder());
    m_mainWindow = std::make_unique<QWidget>();
    m_mainWindow->setGeometry(100, 50, 640, 500);
    m_prefs = std::make_unique<PrefWindowController>(m_mainWindow.get());
}

void TestPreferences::cleanup()
{
    m_prefs.reset();
    m_mainWindow.reset();
}

void TestPreferences::runDialog(const std::function<void(QDialog *)> &inside)
{
    bool reached = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        reached = true;
        // A failed check inside returns early; the window must close all the same.
        inside(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    m_prefs->showWindow();
    QVERIFY2(reached, "the preferences window did not run modally");
    QVERIFY(!m_prefs->window()->isVisible());
}

ControlState TestPreferences::controlState(QDialog *dialog)
{
    auto radioRow = [dialog](const char *offName, const char *onName) {
        const bool off = dialog->findChild<QRadioButton *>(QLatin1String(offName))->isChecked();
        const bool on = dialog->findChild<QRadioButton *>(QLatin1String(onName))->isChecked();
        return off == on ? -1 : (on ? 1 : 0);
    };
    const auto *slider = dialog->findChild<QSlider *>(QStringLiteral("rhythmSlider"));
    const QString shown = dialog->findChild<QLabel *>(QStringLiteral("rhythmValueLabel"))->text();
    // The label must show what the slider holds; when it does not, the rhythm reads as -1.
    const float labelled = QLocale().toFloat(shown);
    const float rhythm = slider->value() == std::lround((labelled - 0.25f) / 0.25f) ? labelled : -1.0f;
    return {dialog->findChild<QComboBox *>(QStringLiteral("levelPopup"))->currentIndex(),
            radioRow("candidatesHiddenButton", "candidatesShownButton"),
            radioRow("soundOffButton", "soundOnButton"), radioRow("autoCheckOffButton", "autoCheckOnButton"),
            rhythm};
}

void TestPreferences::loading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Settings>("expected");

    QTest::newRow("first start, nothing stored") << QByteArray() << kDefaults;
    QTest::newRow("stored zeros are kept")
        << QByteArray("[General]\nStrengthLevel=0\nCandidatesVisible=0\nSoundMode=0\nAutoCheck=0\n")
        << Settings{0, 0, 0, 0, 1.0f};
    QTest::newRow("stored rhythm 2.0") << QByteArray("[General]\nPlayingRhythm=2\n") << Settings{1, 1, 1, 0, 2.0f};
    QTest::newRow("switches the controls cannot show are kept, a strength and rhythm outside theirs are not")
        << QByteArray("[General]\nStrengthLevel=-2\nCandidatesVisible=5\nSoundMode=-3\nAutoCheck=2\nPlayingRhythm=9.5\n")
        << Settings{1, 5, -3, 2, 1.0f};
    QTest::newRow("slowest and fastest rhythm kept") << QByteArray("[General]\nPlayingRhythm=0.25\n")
                                                     << Settings{1, 1, 1, 0, 0.25f};
    QTest::newRow("fastest rhythm kept") << QByteArray("[General]\nPlayingRhythm=4\n") << Settings{1, 1, 1, 0, 4.0f};
    QTest::newRow("Expert") << QByteArray("[General]\nStrengthLevel=3\n") << Settings{3, 1, 1, 0, 1.0f};
    QTest::newRow("above Expert: the default strength")
        << QByteArray("[General]\nStrengthLevel=4\nCandidatesVisible=0\n") << Settings{1, 0, 1, 0, 1.0f};
    QTest::newRow("fraction cut like a number's integer value")
        << QByteArray("[General]\nStrengthLevel=2.7\nSoundMode=-0.5\n") << Settings{2, 1, 0, 0, 1.0f};
    QTest::newRow("typed value of an older store")
        << QByteArray("[General]\nPlayingRhythm=@Variant(\\0\\0\\0&@\\0\\0\\0)\n") << Settings{1, 1, 1, 0, 2.0f};

    // No usable pause and no number at all: the default instead.
    const QList<std::pair<const char *, const char *>> badRhythms = {
        {"rhythm 0", "0"}, {"rhythm -1", "-1"}, {"rhythm nan", "nan"}, {"rhythm inf", "inf"},
        {"rhythm -inf", "-inf"}, {"rhythm too large for a float", "1e50"}, {"rhythm abc", "abc"},
        {"rhythm empty", ""}, {"rhythm list", "1, 2"}, {"rhythm 0.01: Mac would never guess", "0.01"},
        {"rhythm 1e-30", "1e-30"}, {"rhythm just below the slowest", "0.24"},
        {"rhythm 100: faster than the slider shows", "100"}, {"rhythm just above the fastest", "4.01"}};
    for (const auto &[name, text] : badRhythms) {
        QTest::newRow(name) << QByteArray("[General]\nPlayingRhythm=") + text + "\nStrengthLevel=2\n"
                            << Settings{2, 1, 1, 0, 1.0f};
    }
    QTest::newRow("integers abc, empty, too large")
        << QByteArray("[General]\nStrengthLevel=abc\nCandidatesVisible=\nSoundMode=99999999999\nAutoCheck=1x\n")
        << kDefaults;
    QTest::newRow("integer nan") << QByteArray("[General]\nAutoCheck=nan\n") << kDefaults;
    QTest::newRow("garbage bytes") << QByteArray("\x00\xff\xfe[\x01=\x80\x9f\n\x00\x00=\xc3", 13) << kDefaults;
    QTest::newRow("keys outside the general section")
        << QByteArray("[Other]\nStrengthLevel=0\n") << kDefaults;
}

void TestPreferences::loading()
{
    QFETCH(QByteArray, file);
    QFETCH(Settings, expected);
    if (!file.isNull())
        writeSettingsFile(file);

    m_prefs->awakeFromNib();
    QCOMPARE(settingsOf(*m_prefs), expected);
}

void TestPreferences::unreadableFileGivesDefaults()
{
    // A folder where the file should be can be neither read nor written, even by the superuser.
    QVERIFY(QDir().mkpath(settingsPath()));
    m_prefs->awakeFromNib();
    QCOMPARE(settingsOf(*m_prefs), kDefaults);
}

void TestPreferences::rhythmIsStoredAsPlainNumber_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("1.3") << QByteArray("1.3") << QByteArray("1.3");
    QTest::newRow("0.3") << QByteArray("0.3") << QByteArray("0.3");
    QTest::newRow("whole") << QByteArray("2.0") << QByteArray("2");
    QTest::newRow("slowest") << QByteArray("0.250") << QByteArray("0.25");
    QTest::newRow("fastest in an exponent") << QByteArray("4e0") << QByteArray("4");
}

void TestPreferences::rhythmIsStoredAsPlainNumber()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, written);
    writeSettingsFile("[General]\nPlayingRhythm=" + stored + "\n");
    m_prefs->awakeFromNib();
    const float loaded = m_prefs->playingRhythm();
    QCOMPARE(loaded, stored.toFloat());

    // Unchanged by this game and still usable in the file: left as the file has it.
    m_prefs->applicationWillTerminate();
    QVERIFY(settingsFileContents().contains("\nPlayingRhythm=" + stored + "\n"));
    // Spoilt meanwhile, by hand or by another program: written afresh, as a plain number.
    writeSettingsFile("[General]\nPlayingRhythm=not a number at all\n");
    m_prefs->applicationWillTerminate();
    QVERIFY(settingsFileContents().contains("\nPlayingRhythm=" + written + "\n"));
    PrefWindowController reloaded;
    reloaded.awakeFromNib();
    QCOMPARE(reloaded.playingRhythm(), loaded);
}

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
    QCOMPARE(owners.size(), 10);

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
                          "confirmAbandonCheck", "rhythmSlider",
                          "cancelButton", "okButton"}));
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

void TestPreferences::terminationStoresAllKeys_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Settings>("stored");
    const QByteArray someStored("[General]\nStrengthLevel=0\nPlayingRhythm=0.5\n");
    QTest::newRow("termination notice, nothing stored") << 0 << QByteArray() << kDefaults;
    QTest::newRow("termination notice, loaded values")
        << 0 << someStored << Settings{0, 1, 1, 0, 0.5f};
    QTest::newRow("SIGTERM") << SIGTERM << someStored << Settings{0, 1, 1, 0, 0.5f};
    QTest::newRow("SIGINT") << SIGINT << QByteArray() << kDefaults;
    QTest::newRow("SIGHUP") << SIGHUP << QByteArray() << kDefaults;
    QTest::newRow("sanitised rhythm is what is stored")
        << 0 << QByteArray("[General]\nPlayingRhythm=-4\n") << kDefaults;
}

void TestPreferences::terminationStoresAllKeys()
{
    QFETCH(int, signalNumber);
    QFETCH(QByteArray, file);
    QFETCH(Settings, stored);
    if (!file.isNull())
        writeSettingsFile(file);
    m_prefs->awakeFromNib();

    if (signalNumber == 0) {
        m_prefs->applicationWillTerminate();
    } else {
        UnixSignalQuitter quitter;
        QVERIFY(quitter.isInstalled());
        QObject context;
        connect(qApp, &QCoreApplication::aboutToQuit, &context, [this] { m_prefs->applicationWillTerminate(); });
        bool timedOut = false;
        QTimer::singleShot(0, &context, [signalNumber] { std::raise(signalNumber); });
        QTimer::singleShot(10000, &context, [&timedOut] {
            timedOut = true;
            QCoreApplication::quit();
        });
        QCoreApplication::exec();
        QVERIFY2(!timedOut, "the signal did not quit the main loop");
    }
    QCOMPARE(storedSettings(), stored);
    for (const char *key : {"StrengthLevel", "CandidatesVisible", "SoundMode", "AutoCheck", "PlayingRhythm"})
        QVERIFY2(settingsFileContents().contains(QByteArray("\n") + key + "="), key);
}

void TestPreferences::signalWhileDialogIsOpenQuitsWithoutItsChoices()
{
    m_prefs->awakeFromNib();
    UnixSignalQuitter quitter;
    QObject context;
    connect(qApp, &QCoreApplication::aboutToQuit, &context, [this] { m_prefs->applicationWillTerminate(); });
    bool dialogReturned = false;
    QTimer::singleShot(0, &context, [&] {
        runDialog([](QDialog *dialog) {
            QTest::keyClick(dialog->findChild<QComboBox *>(QStringLiteral("levelPopup")), Qt::Key_Down);
            std::raise(SIGTERM);
            // The main loop quits, and with it the modal run of the window.
            QTRY_VERIFY(!dialog->isVisible());
        });
        dialogReturned = true;
    });
    QTimer::singleShot(10000, &context, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(dialogReturned);
    QCOMPARE(storedSettings(), kDefaults);
}

void TestPreferences::terminationBeforeLoadingKeepsTheStore()
{
    writeSettingsFile("[General]\nStrengthLevel=0\nSoundMode=0\n");
    m_prefs->applicationWillTerminate();
    QCOMPARE(settingsFileContents(), QByteArray("[General]\nStrengthLevel=0\nSoundMode=0\n"));
}

void TestPreferences::anotherGamesChoiceSurvivesThisGamesQuit_data()
{
    QTest::addColumn<bool>("otherQuitsFirst");
    QTest::newRow("A sets Expert, OK, quits; B quits") << false;
    QTest::newRow("A sets Expert, OK; B quits; A quits") << true;
}

// Two games share the settings file: a choice one makes with OK is not put back by the other,
// which did not change it, when that one quits.
void TestPreferences::anotherGamesChoiceSurvivesThisGamesQuit()
{
    QFETCH(bool, otherQuitsFirst);
    writeSettingsFile("[General]\nStrengthLevel=0\nPlayingRhythm=2\n");
    PrefWindowController other;
    other.awakeFromNib();
    m_prefs->awakeFromNib();
    runDialog([](QDialog *dialog) {
        dialog->findChild<QComboBox *>(QStringLiteral("levelPopup"))->setCurrentIndex(3);
        QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    QCOMPARE(storedSettings().strengthLevel, 3);
    if (otherQuitsFirst)
        other.applicationWillTerminate();
    m_prefs->applicationWillTerminate();
    if (!otherQuitsFirst)
        other.applicationWillTerminate();
    QCOMPARE(storedSettings(), (Settings{3, 1, 1, 0, 2.0f}));
    QCOMPARE(other.strengthLevel(), 0);
}

void TestPreferences::unwritableFileIsReportedOnce()
{
    QVERIFY(QDir().mkpath(settingsPath()));
    m_prefs->awakeFromNib();
    {
        WarningCollector collector;
        m_prefs->applicationWillTerminate();
        runDialog([](QDialog *dialog) {
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("okButton")), Qt::LeftButton);
        });
        m_prefs->applicationWillTerminate();
        QCOMPARE(collector.warnings().size(), 1);
        QVERIFY(collector.warnings().first().contains(settingsPath()));
    }
    QVERIFY(QFileInfo(settingsPath()).isDir());

    // Once a save succeeds, a later failure is news again.
    QVERIFY(QDir(settingsPath()).removeRecursively());
    m_prefs->applicationWillTerminate();
    QCOMPARE(storedSettings(), kDefaults);
    QVERIFY(QFile::remove(settingsPath()));
    QVERIFY(QDir().mkpath(settingsPath()));
    WarningCollector collector;
    m_prefs->applicationWillTerminate();
    QCOMPARE(collector.warnings().size(), 1);
}

void TestPreferences::delayedCallWaitsForTheDialog()
{
    m_prefs->awakeFromNib();
    QtScheduler scheduler;
    float rhythmSeen = 0;
    int runs = 0;
    scheduler.performAfterDelay(this, "tick", 0.01, [&] {
        ++runs;
        rhythmSeen = m_prefs->playingRhythm();
    });
    runDialog([&](QDialog *dialog) {
        QTest::qWait(100);
        QCOMPARE(runs, 0);
        QTest::keyClick(dialog->findChild<QSlider *>(QStringLiteral("rhythmSlider")), Qt::Key_End);
        QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("okButton")), Qt::LeftButton);
        QCOMPARE(runs, 0);
    });
    // It runs once the dialog has ended, and sees the settings the dialog left.
    QTRY_COMPARE(runs, 1);
    QCOMPARE(rhythmSeen, 4.0f);
    QVERIFY(!ModalRun::isActive());
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
