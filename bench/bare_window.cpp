// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the game's start-up: a bare Qt Widgets main window with a menu bar and an empty
// central widget of the board's size, and nothing else. bench/startup.py times the game against it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu *game = window.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("&New Game"));
    game->addAction(QStringLiteral("&Quit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto *central = new QWidget;
    central->setMinimumSize(640, 480);
    window.setCentralWidget(central);
    window.show();
    return app.exec();
}
