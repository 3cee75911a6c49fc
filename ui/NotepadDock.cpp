// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotepadDock.h"

#include "GameBoardView.h"
#include "NotepadPanel.h"
#include "access/LiveAnnouncer.h"
#include "access/QuietAccessibility.h"
#include "match/Notepad.h"
#include "platform/WindowFit.h"
#include "platform/UserDefaults.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QToolButton>

namespace {
const QString kVisibleKey = QStringLiteral("NotepadVisible");
} // namespace

NotepadDock::NotepadDock(QMainWindow *window, GameBoardView *board, Notepad &notepad, QAction *toggle)
    : QObject(window)
    , m_window(window)
    , m_board(board)
    , m_notepad(notepad)
{
    m_board->installEventFilter(this);
    toggle->setChecked(storedInt(*openUserDefaults(), kVisibleKey).value_or(0) == 1);
    if (toggle->isChecked())
        show(true);
    m_announcer = new LiveAnnouncer(board);
    connect(toggle, &QAction::toggled, this, [this](bool checked) {
        show(checked);
        m_announcer->announce(checked ? tr("Notepad shown") : tr("Notepad hidden"));
        const auto defaults = openUserDefaults();
        defaults->setValue(kVisibleKey, int(checked));
        if (!synchronize(*defaults))
            qWarning("The notepad's setting could not be saved.");
    });
}

int NotepadDock::widthBesideBoard() const
{
    return m_dock && m_dock->isVisibleTo(m_window) ? m_dock->sizeHint().width() : 0;
}

double NotepadDock::boardScale() const
{
    return m_board->height() / GameBoardView::kBoardHeight;
}

bool NotepadDock::eventFilter(QObject *watched, QEvent *event)
{
    // The notepad follows the board's height: its width changes only the board's width, so the
    // two never chase each other.
    if (watched == m_board && event->type() == QEvent::Resize && m_panel && m_panel->isVisible())
        m_panel->setScale(boardScale());
    return QObject::eventFilter(watched, event);
}

void NotepadDock::show(bool visible)
{
    if (!m_dock && visible) {
        const QuietAccessibility quiet;
        m_dock = new QDockWidget(m_window);
        m_dock->setObjectName(QStringLiteral("notepadDock"));
        // Part of the window like the number pad: no title bar, never floating or closed alone.
        m_dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
        m_dock->setTitleBarWidget(new QWidget(m_dock));
        m_dock->setAllowedAreas(Qt::LeftDockWidgetArea);
        m_panel = new NotepadPanel(m_notepad, m_board, m_dock);
        m_panel->setScale(boardScale());
        m_dock->setWidget(m_panel);
        // Tab leads from the board into the page, row by row, before the status bar's buttons.
        QWidget *previous = m_board;
        for (int digit = 0; digit < Notepad::kDigits; ++digit) {
            QWidget::setTabOrder(previous, m_panel->digitButton(digit));
            previous = m_panel->digitButton(digit);
            for (int place = 0; place < Notepad::kPlaces; ++place) {
                QWidget::setTabOrder(previous, m_panel->cellButton(digit, place));
                previous = m_panel->cellButton(digit, place);
            }
        }
        m_dock->hide();
        m_window->addDockWidget(Qt::LeftDockWidgetArea, m_dock);
    }
    if (!m_dock || m_dock->isVisibleTo(m_window) == visible)
        return;
    // Measured while shown: the page's style sheet sizes its cells only once it is shown.
    const int windowWidth = m_window->width();
    const int width = visible ? 0 : widthBesideBoard();
    if (visible)
        m_panel->setScale(boardScale());
    m_dock->setVisible(visible);
    if (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    // The layout takes the new minimum size at once (a shown page may already have widened the
    // window to it), so the size set next is the one that stays.
    m_window->layout()->activate();
    m_window->resize(windowWidth + (visible ? widthBesideBoard() : -width), m_window->height());
    if (visible && m_fitWindow && m_window->width() > WindowFit::roomForContents(m_window).width())
        m_fitWindow();
    // A click on the menu never leaves the keyboard away from the board.
    m_board->setFocus();
}
