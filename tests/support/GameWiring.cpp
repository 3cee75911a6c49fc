// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameWiring.h"

#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"

void wireGame(const Services &services, std::unique_ptr<PrefWindowController> &prefs,
              std::unique_ptr<HitBlowController> &controller, std::unique_ptr<GameBoardView> &board)
{
    prefs = std::make_unique<PrefWindowController>();
    controller = std::make_unique<HitBlowController>(services);
    board = std::make_unique<GameBoardView>(services);
    board->resize(640, 480);
    controller->setGameBoardView(board.get());
    controller->setPrefWindowController(prefs.get());
    board->setHitBlowController(controller.get());
    board->setPrefWindowController(prefs.get());
    prefs->setGameBoardView(board.get());
    prefs->setHitBlowController(controller.get());
    controller->awakeFromNib();
    prefs->awakeFromNib();
}

QString digitsOf(const NumberSet &numbers)
{
    QString text;
    for (int digit : numbers)
        text += QString::number(digit);
    return text;
}
