// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrefWindowController.h"

#include "settings/PlayerAidSettings.h"
#include "access/LiveAnnouncer.h"
#include "access/QuietAccessibility.h"
#include "platform/ScreenCoordinates.h"
#include "platform/UserDefaults.h"
#include "ui_PrefWindow.h"
#include "platform/WindowFit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

// The line under the strength popup that tells what the selected strength does.
namespace StrengthDescription {

// The translated description of a strength level; an empty text for a level the popup lacks.

QString forLevel(int level)
{
    switch (level) {
    case 0:
        return QCoreApplication::translate("StrengthDescription",
                                           "Mac only counts how many of its digits each score shares.");
    case 1:
        return QCoreApplication::translate("StrengthDescription",
                                           "Mac keeps only the numbers that give each score exactly.");
    case 2:
        return QCoreApplication::translate("StrengthDescription",
                                           "Mac also weighs each score against its earlier ones.");
    case 3:
        return QCoreApplication::translate("StrengthDescription",
                                           "Mac plans every guess ahead and needs at most seven guesses.");
    default:
        return {};
    }
}

// Keeps label describing the popup's selected level from now on.
void follow(QComboBox *popup, QLabel *label)
{
    if (!popup || !label)
        return;
    // As wide as the longest description, so that the window keeps its size while one chooses.
    int widest = 0;
    for (int level = 0; level < popup->count(); ++level)
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(forLevel(level)));
    label->setMinimumWidth(widest);
    auto *announcer = new LiveAnnouncer(popup);
    const auto describe = [popup, label, announcer](int level) {
        //: The strength chosen, then what it does, spoken by a screen reader.
        const QString spoken = QCoreApplication::translate("StrengthDescription", "%1: %2")
                                   .arg(popup->itemText(level), forLevel(level));
        {
            // Screen readers read the popup's value (which Orca does not find in Qt 6.4's popup)
            // and its line as its description when it takes the focus. A change is said below:
            // the events of these changes would reach a screen reader as something it can't say.
            const QuietAccessibility quiet;
            label->setText(forLevel(level));
            popup->setAccessibleDescription(spoken);
        }
        if (popup->hasFocus())
            announcer->announce(spoken);
    };
    QObject::connect(popup, &QComboBox::currentIndexChanged, label, describe);
    describe(popup->currentIndex());
}

} // namespace StrengthDescription

namespace {
// The rhythm control's range: positive values only, since the game pauses 1.0 / rhythm seconds,
// with the default among them.
constexpr float kSlowestRhythm = 0.25f;
constexpr float kFastestRhythm = 4.0f;
constexpr float kRhythmStep = 0.25f;

// The main window's bottom edge lies this far below the top of the preferences window.
constexpr float kPrefWindowTopAboveMainBottom = 472.0f;

QString defaultsFileName(const QSettings &defaults)
{
    return QDir::toNativeSeparators(defaults.fileName());
}

// The popup can show no other level, so an index it does not have selects the nearest item.
void selectNearestItem(QComboBox *popup, int index)
{
    if (popup && popup->count() > 0)
        popup->setCurrentIndex(std::clamp(index, 0, popup->count() - 1));
}
} // namespace

PrefWindowController::PrefWindowController(QWidget *mainWindow, QObject *parent)
    : QObject(parent)
    , m_mainWindow(mainWindow)
    , m_settings(Settings::defaults())
    , m_settingsAsStored(Settings::defaults())
{
}

PrefWindowController::~PrefWindowController()
{
    // The window belongs to the main window when there is one, which may already have deleted it.
    delete m_window.data();
}

void PrefWindowController::awakeFromNib()
{
    const auto defaults = openUserDefaults();
    if (const QString problem = userDefaultsProblem(); !problem.isEmpty()) {
        qWarning("%s (%s): the game starts with its defaults, leaves the file as it is and keeps changes "
                 "only until it quits.",
                 qPrintable(problem),
                 qPrintable(userDefaultsPath().isEmpty() ? QStringLiteral("HOME and XDG_CONFIG_HOME unset or unusable")
                                                         : QDir::toNativeSeparators(userDefaultsPath())));
    } else if (defaults->status() != QSettings::NoError) {
        qWarning("The settings in %s could not be read; the game starts with its defaults.",
                 qPrintable(defaultsFileName(*defaults)));
    }
    m_settings = Settings::loaded(*defaults);
    m_settingsAsStored = m_settings;
    m_loaded = true;
}

QDialog *PrefWindowController::window()
{
    if (m_window)
        return m_window;
    auto *dialog = new QDialog(m_mainWindow.data());
    m_ui = std::make_unique<Ui::PrefWindow>();
    m_ui->setupUi(dialog);
    m_window = dialog;
    m_levelPopup = m_ui->levelPopup;
    StrengthDescription::follow(m_ui->levelPopup, m_ui->levelDescriptionLabel);
    m_candidatesMatrix = RadioMatrix(m_ui->candidatesGroup,
                                     {m_ui->candidatesHiddenButton, m_ui->candidatesShownButton});
    m_soundMatrix = RadioMatrix(m_ui->soundGroup, {m_ui->soundOffButton, m_ui->soundOnButton});
    m_autoCheckMatrix = RadioMatrix(m_ui->autoCheckGroup, {m_ui->autoCheckOffButton, m_ui->autoCheckOnButton});
    m_rhythmSlider = FloatSlider(m_ui->rhythmSlider, kSlowestRhythm, kFastestRhythm, kRhythmStep,
                                 m_ui->rhythmValueLabel);
    connect(m_ui->okButton, &QPushButton::clicked, this, &PrefWindowController::didOK);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &PrefWindowController::didCancel);
    // On a screen too small for every setting, the settings scroll and OK and Cancel stay in reach.
    WindowFit::scrollAllButTheLastRow(dialog, m_ui->mainLayout);
    return dialog;
}

void PrefWindowController::showWindow()
{
    QPointer<QDialog> dialog = window();
    if (dialog->isVisible()) {
        dialog->activateWindow();
        return;
    }
    setControlsFromSettings();
    placeWindow();

    // Delayed calls of the match that fall due meanwhile wait until this returns, so they see the
    // settings the dialog leaves.
    const int result = dialog->exec();
    if (!dialog)
        return;
    dialog->hide();
    // Without a window manager nobody hands the keyboard back to the game when the window closes.
    if (m_mainWindow)
        m_mainWindow->window()->activateWindow();
    if (result == 1) {
        takeSettingsFromControls();
        saveSettings();
    }
}

void PrefWindowController::didOK()
{
    if (m_window)
        m_window->done(1);
}

void PrefWindowController::didCancel()
{
    if (m_window)
        m_window->done(0);
}

void PrefWindowController::applicationWillTerminate()
{
    // Settings that were never loaded are only defaults; storing them would overwrite the user's.
    if (m_loaded)
        saveSettings();
}

QPointF PrefWindowController::prefWindowTopLeft(const QRectF &mainFrame, const QRectF &prefFrame)
{
    const float x = static_cast<float>(mainFrame.x()) + 0.5f * static_cast<float>(mainFrame.width())
        - 0.5f * static_cast<float>(prefFrame.width());
    const float y = static_cast<float>(mainFrame.y()) + kPrefWindowTopAboveMainBottom;
    return QPointF(x, y);
}

void PrefWindowController::setControlsFromSettings()
{
    selectNearestItem(m_levelPopup, m_settings.strengthLevel);
    m_candidatesMatrix.selectCellAtRow(m_settings.candidatesVisible);
    m_soundMatrix.selectCellAtRow(m_settings.soundMode);
    m_autoCheckMatrix.selectCellAtRow(m_settings.autoCheck);
    m_rhythmSlider.setFloatValue(m_settings.playingRhythm);
    showPlayerAids();
}

void PrefWindowController::takeSettingsFromControls()
{
    m_settings.strengthLevel = m_levelPopup->currentIndex();
    m_settings.soundMode = m_soundMatrix.selectedRow();
    m_settings.candidatesVisible = m_candidatesMatrix.selectedRow();
    m_settings.autoCheck = m_autoCheckMatrix.selectedRow();
    m_settings.playingRhythm = m_rhythmSlider.floatValue();
    takePlayerAids();
}

void PrefWindowController::placeWindow()
{
    if (!m_mainWindow)
        return;
    // A size of its own, which the player cannot change: every setting in sight where the
    // screen has room, else as large as the screen allows, its settings scrolling. Set only when
    // it changes: each change is sent on to the window system.
    const QSize size = m_window->sizeHint().boundedTo(WindowFit::roomForContents(m_window))
                           .expandedTo(m_window->minimumSizeHint());
    if (m_window->minimumSize() != size || m_window->maximumSize() != size)
        m_window->setFixedSize(size);
    // Creating the platform window first gives the frame around the dialog its size, where the
    // platform knows it before the window is shown.
    m_window->winId();
    WindowFit::fitToScreen(m_window);
    const QPointF topLeft = prefWindowTopLeft(windowFrame(m_mainWindow), windowFrame(m_window));
    setFrameTopLeftPoint(m_window, topLeft, m_mainWindow->screen());
}

bool PrefWindowController::saveSettings()
{
    const auto defaults = openUserDefaults();
    m_settings.storeChangedSince(*defaults, m_settingsAsStored);
    if (synchronize(*defaults)) {
        m_settingsAsStored = m_settings;
        m_saveFailureReported = false;
        return true;
    }
    // Reported once until a save succeeds again, so that every OK does not repeat it.
    if (!m_saveFailureReported) {
        qWarning("The settings could not be saved to %s.", qPrintable(defaultsFileName(*defaults)));
        m_saveFailureReported = true;
    }
    return false;
}

void PrefWindowController::showPlayerAids()
{
    m_ui->playerAidsBox->setEnabled(m_playerAids != nullptr);
    if (!m_playerAids)
        return;
    m_ui->ownCandidatesCheck->setChecked(m_playerAids->showOwnCandidates());
    m_ui->confirmAbandonCheck->setChecked(m_playerAids->confirmAbandon());
    m_ui->hardModeCheck->setChecked(m_playerAids->hardMode());
}

bool PrefWindowController::hardMode() const
{
    return m_playerAids && m_playerAids->hardMode();
}

void PrefWindowController::takePlayerAids()
{
    if (!m_playerAids)
        return;
    if (m_ui->ownCandidatesCheck->isChecked() != m_playerAids->showOwnCandidates())
        m_playerAids->setShowOwnCandidates(m_ui->ownCandidatesCheck->isChecked());
    if (m_ui->confirmAbandonCheck->isChecked() != m_playerAids->confirmAbandon())
        m_playerAids->setConfirmAbandon(m_ui->confirmAbandonCheck->isChecked());
    if (m_ui->hardModeCheck->isChecked() != m_playerAids->hardMode())
        m_playerAids->setHardMode(m_ui->hardModeCheck->isChecked());
}
