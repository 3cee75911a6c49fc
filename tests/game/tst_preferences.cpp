// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreferencesTest.h"

namespace {
QByteArray settingsFileContents()
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    // A file where the settings' folder belongs: no save can succeed. (A folder in the settings
    // file's own place is left alone without a write, and told once at the start.)
    const auto blockFolder = [] {
        QFile block(configFolder());
        return block.open(QIODevice::WriteOnly);
    };
    QVERIFY(blockFolder());
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
    QVERIFY(QFileInfo(configFolder()).isFile());

    // Once a save succeeds, a later failure is news again.
    QVERIFY(QFile::remove(configFolder()));
    m_prefs->applicationWillTerminate();
    QCOMPARE(storedSettings(), kDefaults);
    QVERIFY(QDir(configFolder()).removeRecursively());
    QVERIFY(blockFolder());
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
