// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QVBoxLayout;
class QWidget;

// Every window of the game opens inside the available area of the screen it opens on (the
// screen less its panels and docks): never larger, never partly off it.
namespace WindowFit {

// The available area of the screen the window is on, or of the primary screen before it is
// placed; empty without any screen.
QRect availableArea(const QWidget *window);

// The room a top-level window's contents may take on that screen: the available area less the
// frame the window manager puts around it (a guess until the window was shown once).
QSize roomForContents(const QWidget *window);

// Shrinks the window to the room for its contents (never below its minimum size) and moves it
// so that it lies inside the available area.
void fitToScreen(QWidget *window);

// Lays the window out as body above buttons: the body scrolls when the screen is too small for
// it, so that the buttons stay in reach on any screen. Gives the window's layout.
QVBoxLayout *scrollBodyAboveButtons(QWidget *window, QWidget *body, QWidget *buttons);

} // namespace WindowFit
