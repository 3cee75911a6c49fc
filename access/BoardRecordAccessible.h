#pragma once

#include "BoardSpeech.h"

#include <QAccessibleInterface>
#include <QPointer>

class GameBoardView;

// One side's record column of the board, as assistive technology reads it: a static text whose
// name is the heading and every scored guess of that side in words, oldest first. Screen readers
// reach it by reviewing the window (Orca's flat review) or by moving into the board's children.
class BoardRecordAccessible : public QAccessibleInterface
{
public:
    BoardRecordAccessible(GameBoardView *board, BoardSpeech::Side side);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<GameBoardView> m_board;
    BoardSpeech::Side m_side;
};
