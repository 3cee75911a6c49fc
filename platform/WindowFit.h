// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QBoxLayout;
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

// The same for a window laid out already (from a form): every item of its layout but the last,
// the row of buttons, goes into a body that scrolls. The window then asks for room for the whole
// body; it scrolls only where fitToScreen() cannot give it that room.
void scrollAllButTheLastRow(QWidget *window, QBoxLayout *layout);

} // namespace WindowFit
