// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MatchPreferences.h"
#include "platform/FloatSlider.h"
#include "settings/GameSettings.h"
#include "platform/RadioMatrix.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRectF>

#include <memory>

class GameBoardView;
class HitBlowController;
class PlayerAidSettings;
class QComboBox;
class QDialog;
class QSettings;
class QWidget;

namespace Ui {
class PrefWindow;
}

// Owns the five settings of the preferences window, of the seven the game stores (the player's
// aids, shown in the same window, store themselves at once); the other classes read them through
// the accessors at each use. They change only when they are loaded and when the preferences window
// is closed with OK, and they are stored at OK and at termination.
class PrefWindowController : public QObject, public MatchPreferences
{
    Q_OBJECT

public:
    // The preferences window is placed over mainWindow, which may be null (then it stays where
    // the platform puts it).
    explicit PrefWindowController(QWidget *mainWindow = nullptr, QObject *parent = nullptr);
    ~PrefWindowController() override;

    void setGameBoardView(GameBoardView *view) { m_gameBoardView = view; }
    void setHitBlowController(HitBlowController *controller) { m_hitBlowController = controller; }
    // The player's aids shown and changed in the same window, beside the five settings it owns.
    void setPlayerAidSettings(PlayerAidSettings *aids) { m_playerAids = aids; }

    // The stored settings. Each is declared once, with its key, its default and the check a loaded
    // value must pass, in the table of settings/SettingsTable.cpp that loading and saving both read.
    using Settings = GameSettings;

    int strengthLevel() const { return m_settings.strengthLevel; }
    int candidatesVisible() const { return m_settings.candidatesVisible; }
    int soundMode() const { return m_settings.soundMode; }
    int autoCheck() const { return m_settings.autoCheck; }
    float playingRhythm() const { return m_settings.playingRhythm; }

    const GameSettings &gameSettings() const override { return m_settings; }
    bool hardMode() const override;

    // Whether the game plays its sounds and beeps.
    bool soundOn() const { return m_settings.soundOn(); }
    // The length of the match's pauses: before the computer's first guess and after a scored guess.
    double pauseSeconds() const { return m_settings.pauseSeconds(); }

    // Loads the five settings it owns from the user's defaults. A key never stored, or one that holds no
    // number, gives its default; a stored 0 is used. Values are taken without a range check,
    // except a rhythm outside the control's 0.25 to 4 (or not a number), which loads as the
    // default 1.0, and a strength below 0 or above the strongest (3), which loads as the
    // default 1.
    void awakeFromNib();

    // The preferences command: shows the settings in the modal preferences window and returns
    // once the window is hidden again. OK takes the controls' values and stores them; any other
    // way of closing leaves the settings as they were.
    void showWindow();
    // Actions of the window's buttons: they end the modal run with 1 and 0.
    void didOK();
    void didCancel();

    // The termination notice: stores the five settings it owns (the aids are stored already), each
    // only where it changed since this game loaded or stored it, or where the store holds no usable
    // value for it.
    void applicationWillTerminate();

    // The preferences window, made on first use.
    QDialog *window();

    // Where the top-left corner of the preferences window goes (screen coordinates, y up), given
    // the main window's frame and the preferences window's: centred horizontally on the main
    // window, 472 points above its bottom edge. Single-precision arithmetic.
    static QPointF prefWindowTopLeft(const QRectF &mainFrame, const QRectF &prefFrame);

private:
    void setControlsFromSettings();
    void takeSettingsFromControls();
    void placeWindow();
    bool saveSettings();
    void showPlayerAids();
    void takePlayerAids();

    std::unique_ptr<Ui::PrefWindow> m_ui;
    QPointer<QDialog> m_window;
    bool m_loaded = false;
    bool m_saveFailureReported = false;

    RadioMatrix m_candidatesMatrix;
    GameBoardView *m_gameBoardView = nullptr;
    HitBlowController *m_hitBlowController = nullptr;
    QPointer<QComboBox> m_levelPopup;
    QPointer<QWidget> m_mainWindow;
    RadioMatrix m_autoCheckMatrix;
    RadioMatrix m_soundMatrix;
    FloatSlider m_rhythmSlider;
    Settings m_settings;
    // The five as this game last loaded or stored them: only those changed since are written over
    // what another game may have stored meanwhile.
    Settings m_settingsAsStored;
    PlayerAidSettings *m_playerAids = nullptr;
};
