#pragma once

#include <QCoreApplication>
#include <QString>

class HitBlowController;
struct OwnRecords;

// What the status bar says around the board that the board itself does not: how a decided match
// was decided, and a quiet note on the user's latest guess when it could not have been Mac's
// number. Texts only; it changes nothing and refuses nothing.
class MatchNotes
{
    Q_DECLARE_TR_FUNCTIONS(MatchNotes)

public:
    // "Mac found 1570 in 5 guesses" and the like; empty while no result is decided.
    static QString decision(const HitBlowController &match);
    // A note on the latest of the user's guesses: already scored before, or at odds with the
    // scores of the earlier ones. Empty when it was a fair guess, or found the number.
    static QString latestGuessNote(const OwnRecords &records);
};
