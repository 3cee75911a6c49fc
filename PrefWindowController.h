#pragma once

#include <QObject>

class GameBoardView;
class HitBlowController;

// Owns the game's five settings; the other classes read them through the accessors at each use.
class PrefWindowController : public QObject
{
    Q_OBJECT

public:
    explicit PrefWindowController(QObject *parent = nullptr);

    int strengthLevel() const { return m_strengthLevel; }
    int candidatesVisible() const { return m_candidatesVisible; }
    int soundMode() const { return m_soundMode; }
    int autoCheck() const { return m_autoCheck; }
    float playingRhythm() const { return m_playingRhythm; }

    // Loads the five settings from the user's defaults; a key never stored gives its default.
    void awakeFromNib();

private:
    int m_strengthLevel = 1;
    int m_soundMode = 1;
    int m_candidatesVisible = 1;
    int m_autoCheck = 0;
    float m_playingRhythm = 1.0f;
};
