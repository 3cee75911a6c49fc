#include "PrefWindowController.h"

#include "app/StrengthDescription.h"
#include "expert/ExpertPlayer.h"
#include "platform/ModalRun.h"
#include "platform/ScreenCoordinates.h"
#include "platform/UserDefaults.h"
#include "resources/ui_PrefWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kDefaultStrengthLevel = 1;
constexpr int kDefaultCandidatesVisible = 1;
constexpr int kDefaultSoundMode = 1;
constexpr int kDefaultAutoCheck = 0;
constexpr float kDefaultPlayingRhythm = 1.0f;

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

// A rhythm that is not a positive finite number gives no usable pause.
float usableRhythm(float rhythm)
{
    return std::isfinite(rhythm) && rhythm > 0 ? rhythm : kDefaultPlayingRhythm;
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
    if (defaults->status() != QSettings::NoError) {
        qWarning("The settings in %s could not be read; the game starts with its defaults.",
                 qPrintable(defaultsFileName(*defaults)));
    }
    m_strengthLevel = storedInt(*defaults, QStringLiteral("StrengthLevel")).value_or(kDefaultStrengthLevel);
    // Above the strongest level, no strength is meant: play at the default one.
    if (m_strengthLevel > ExpertPlayer::kStrengthLevel)
        m_strengthLevel = kDefaultStrengthLevel;
    m_candidatesVisible =
        storedInt(*defaults, QStringLiteral("CandidatesVisible")).value_or(kDefaultCandidatesVisible);
    m_soundMode = storedInt(*defaults, QStringLiteral("SoundMode")).value_or(kDefaultSoundMode);
    m_autoCheck = storedInt(*defaults, QStringLiteral("AutoCheck")).value_or(kDefaultAutoCheck);
    m_playingRhythm =
        usableRhythm(storedFloat(*defaults, QStringLiteral("PlayingRhythm")).value_or(kDefaultPlayingRhythm));
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
    dialog->adjustSize();
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

    // Delayed calls of the match that fall due meanwhile wait for the end of this scope, so they
    // see the settings the dialog leaves.
    ModalRun modal;
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
    selectNearestItem(m_levelPopup, m_strengthLevel);
    m_candidatesMatrix.selectCellAtRow(m_candidatesVisible);
    m_soundMatrix.selectCellAtRow(m_soundMode);
    m_autoCheckMatrix.selectCellAtRow(m_autoCheck);
    m_rhythmSlider.setFloatValue(m_playingRhythm);
}

void PrefWindowController::takeSettingsFromControls()
{
    m_strengthLevel = m_levelPopup->currentIndex();
    m_soundMode = m_soundMatrix.selectedRow();
    m_candidatesVisible = m_candidatesMatrix.selectedRow();
    m_autoCheck = m_autoCheckMatrix.selectedRow();
    m_playingRhythm = m_rhythmSlider.floatValue();
}

void PrefWindowController::placeWindow()
{
    if (!m_mainWindow)
        return;
    // Creating the platform window first gives the frame around the dialog its size, where the
    // platform knows it before the window is shown.
    m_window->winId();
    const QPointF topLeft = prefWindowTopLeft(windowFrame(m_mainWindow), windowFrame(m_window));
    setFrameTopLeftPoint(m_window, topLeft, m_mainWindow->screen());
}

bool PrefWindowController::saveSettings()
{
    const auto defaults = openUserDefaults();
    defaults->setValue(QStringLiteral("StrengthLevel"), m_strengthLevel);
    defaults->setValue(QStringLiteral("CandidatesVisible"), m_candidatesVisible);
    defaults->setValue(QStringLiteral("SoundMode"), m_soundMode);
    defaults->setValue(QStringLiteral("AutoCheck"), m_autoCheck);
    setStoredFloat(*defaults, QStringLiteral("PlayingRhythm"), m_playingRhythm);
    if (synchronize(*defaults)) {
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
