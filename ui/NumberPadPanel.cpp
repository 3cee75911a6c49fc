// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberPadPanel.h"

#include "GameBoardView.h"
#include "NumberPad.h"
#include "access/LiveAnnouncer.h"
#include "platform/UserDefaults.h"
#include "platform/WindowFit.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QStyle>

namespace {
const QString kVisibleKey = QStringLiteral("NumberPadVisible");
} // namespace

NumberPadPanel::NumberPadPanel(QMainWindow *window, GameBoardView *board, QAction *toggle)
    : QObject(window)
    , m_window(window)
    , m_board(board)
{
    m_announcer = new LiveAnnouncer(board);
    m_board->installEventFilter(this);
    toggle->setCheckable(true);
    const bool visible = storedInt(*openUserDefaults(), kVisibleKey).value_or(0) == 1;
    toggle->setChecked(visible);
    if (visible)
        setPadVisible(true);
    connect(toggle, &QAction::toggled, this, [this](bool checked) {
        setPadVisible(checked);
        m_announcer->announce(checked ? tr("Number pad shown") : tr("Number pad hidden"));
        const auto defaults = openUserDefaults();
        defaults->setValue(kVisibleKey, checked ? 1 : 0);
        if (!synchronize(*defaults))
            qWarning("The number pad's setting could not be saved.");
    });
}

void NumberPadPanel::setPadVisible(bool visible)
{
    if (!m_dock) {
        if (!visible)
            return;
        build();
    }
    if (m_dock->isVisibleTo(m_window) == visible)
        return;
    const int windowWidth = m_window->width();
    m_dock->setVisible(visible);
    // A maximised or full-screen window keeps its size; the board gives up the room instead.
    if (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (visible)
        setPadScale(m_board->height() / GameBoardView::kBoardHeight);
    const int change = visible ? widthBesideBoard() : -widthBesideBoard();
    // The window's minimum size follows the pad at once (and may already have widened the
    // window), so the size set next is the one that stays.
    m_window->layout()->activate();
    m_window->resize(windowWidth + change, m_window->height());
    if (visible && m_fitWindow && m_window->width() > WindowFit::roomForContents(m_window).width())
        m_fitWindow();
}

int NumberPadPanel::widthBesideBoard(double scale) const
{
    if (!m_pad || !m_dock->isVisibleTo(m_window))
        return 0;
    // The buttons' sizes are proportional to the scale, near enough to plan a window's size.
    return qRound(widthBesideBoard() * scale / m_pad->scale());
}

void NumberPadPanel::setPadScale(double scale)
{
    if (m_pad)
        m_pad->setScale(scale);
}

bool NumberPadPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The pad follows the board's height: its width changes only the board's width, so the two
    // never chase each other.
    if (watched == m_board && event->type() == QEvent::Resize && m_pad && m_pad->isVisible())
        m_pad->setScale(m_board->height() / GameBoardView::kBoardHeight);
    return QObject::eventFilter(watched, event);
}

void NumberPadPanel::build()
{
    m_dock = new QDockWidget(m_window);
    m_dock->setObjectName(QStringLiteral("numberPadDock"));
    // A fixed part of the window: no title bar, not movable, floatable or closable on its own.
    m_dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_dock->setTitleBarWidget(new QWidget(m_dock));
    m_dock->setAllowedAreas(Qt::RightDockWidgetArea);
    m_dock->setFocusPolicy(Qt::NoFocus);
    m_pad = new NumberPad(m_board, m_dock);
    m_pad->setEnabled(m_keysActive);
    m_dock->setWidget(m_pad);
    m_dock->hide();
    m_window->addDockWidget(Qt::RightDockWidgetArea, m_dock);
    // The dark pad stands right against the dark board: no light strip of the window's own colour
    // between them. Set only once the pad exists, so a window without it keeps its plain style.
    m_window->setStyleSheet(QStringLiteral("QMainWindow::separator { width: 0px; height: 0px; }"));
}

// The pad and the separator between it and the board.
int NumberPadPanel::widthBesideBoard() const
{
    return m_dock->sizeHint().width()
        + m_window->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, m_window);
}

void NumberPadPanel::setKeysActive(bool active)
{
    m_keysActive = active;
    if (m_pad)
        m_pad->setEnabled(active);
}
