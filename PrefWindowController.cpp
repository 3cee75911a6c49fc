#include "PrefWindowController.h"

#include "app/PlayerAidSettings.h"
#include "app/StrengthDescription.h"
#include "expert/ExpertPlayer.h"
#include "platform/ScreenCoordinates.h"
#include "platform/UserDefaults.h"
#include "resources/ui_PrefWindow.h"
#include "ui/WindowFit.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <variant>

namespace {
using Settings = PrefWindowController::Settings;
using SettingField = std::variant<int Settings::*, bool Settings::*, float Settings::*>;

// One stored setting: its key in the user's defaults, where it lives, its default, and the check a
// loaded value must pass (none: every number is taken as it is); a value that fails gives the
// default. Values are stored as plain numbers, a bool as 0 or 1.
struct SettingDeclaration {
    const char *key;
    SettingField field;
    double defaultValue;
    bool (*usable)(double value);
};

// The game pauses 1.0 / rhythm seconds: only a positive finite rhythm gives a usable pause.
bool usableRhythm(double rhythm)
{
    return std::isfinite(rhythm) && rhythm > 0;
}

// A strength above the strongest means none the game knows: it plays at the default one.
bool knownStrength(double level)
{
    return level <= ExpertPlayer::kStrengthLevel;
}

const SettingDeclaration kSettings[] = {
    {"StrengthLevel", &Settings::strengthLevel, 1, knownStrength},
    {"CandidatesVisible", &Settings::candidatesVisible, 1, nullptr},
    {"SoundMode", &Settings::soundMode, 1, nullptr},
    {"AutoCheck", &Settings::autoCheck, 0, nullptr},
    {"PlayingRhythm", &Settings::playingRhythm, 1.0, usableRhythm},
};

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

Settings defaultSettings()
{
    Settings settings{};
    for (const SettingDeclaration &setting : kSettings) {
        std::visit([&](auto field) {
            using Value = std::remove_reference_t<decltype(settings.*field)>;
            settings.*field = static_cast<Value>(setting.defaultValue);
        }, setting.field);
    }
    return settings;
}

// The stored value of setting, or its default where none is stored or the stored one fails its check.
template <typename T>
T loadedValue(const QSettings &defaults, const SettingDeclaration &setting)
{
    const QString key = QLatin1String(setting.key);
    const std::optional<double> stored = std::is_same_v<T, float>
        ? std::optional<double>(storedFloat(defaults, key))
        : std::optional<double>(storedInt(defaults, key));
    if (!stored || (setting.usable && !setting.usable(*stored)))
        return static_cast<T>(setting.defaultValue);
    return std::is_same_v<T, bool> ? T(*stored != 0) : static_cast<T>(*stored);
}

void loadSettings(const QSettings &defaults, Settings &settings)
{
    for (const SettingDeclaration &setting : kSettings) {
        std::visit([&](auto field) {
            using Value = std::remove_reference_t<decltype(settings.*field)>;
            settings.*field = loadedValue<Value>(defaults, setting);
        }, setting.field);
    }
}

void storeSettings(QSettings &defaults, const Settings &settings)
{
    for (const SettingDeclaration &setting : kSettings) {
        const QString key = QLatin1String(setting.key);
        std::visit(Overloaded{
                       [&](int Settings::*field) { defaults.setValue(key, settings.*field); },
                       [&](bool Settings::*field) { defaults.setValue(key, int(settings.*field)); },
                       [&](float Settings::*field) { setStoredFloat(defaults, key, settings.*field); },
                   },
                   setting.field);
    }
}

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
    , m_settings(defaultSettings())
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
    loadSettings(*defaults, m_settings);
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
    storeSettings(*defaults, m_settings);
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

void PrefWindowController::showPlayerAids()
{
    m_ui->playerAidsBox->setEnabled(m_playerAids != nullptr);
    if (!m_playerAids)
        return;
    m_ui->ownCandidatesCheck->setChecked(m_playerAids->showOwnCandidates());
    m_ui->confirmAbandonCheck->setChecked(m_playerAids->confirmAbandon());
}

void PrefWindowController::takePlayerAids()
{
    if (!m_playerAids)
        return;
    if (m_ui->ownCandidatesCheck->isChecked() != m_playerAids->showOwnCandidates())
        m_playerAids->setShowOwnCandidates(m_ui->ownCandidatesCheck->isChecked());
    if (m_ui->confirmAbandonCheck->isChecked() != m_playerAids->confirmAbandon())
        m_playerAids->setConfirmAbandon(m_ui->confirmAbandonCheck->isChecked());
}
