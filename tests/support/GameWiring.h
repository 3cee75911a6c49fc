// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QString>

#include <memory>

class GameBoardView;
class HitBlowController;
class PrefWindowController;
struct Services;

// Makes the preferences, the match controller and a 640 by 480 board on services and connects them
// as the main window does; the title screen is up and the stored settings are loaded. The caller
// destroys them board first, then the controller, then the preferences.
void wireGame(const Services &services, std::unique_ptr<PrefWindowController> &prefs,
              std::unique_ptr<HitBlowController> &controller, std::unique_ptr<GameBoardView> &board);

// A number's digits run together, "0123".
QString digitsOf(const NumberSet &numbers);
