// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedMatches.h"

#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "oldfiles/StatisticsFile.h"
#include "statistics/StatisticsKeeper.h"
#include "core/MatchSnapshots.h"

#include "StoredDefaults.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <sys/stat.h>

namespace {
const NumberSet kDrawSecret{0, 1, 2, 8};

NumberSet anotherNumber(NumberSet number)
{
    std::swap(number[0], number[1]);
    return number;
}
} // namespace

ScriptedMatches::ScriptedMatches()
    : m_prefs(std::make_unique<PrefWindowController>())
    , m_match(std::make_unique<HitBlowController>(m_fakes.services()))
{
    m_prefs->awakeFromNib();
    m_match->setPrefWindowController(m_prefs.get());
    m_match->awakeFromNib();
}

ScriptedMatches::~ScriptedMatches()
{
    QObject::disconnect(m_listening);
}

void ScriptedMatches::reachUserTurn(bool macFound)
{
    m_match->newGame();
    m_match->setUserOwnNumbers({4, 5, 6, 7});
    m_match->setGameStatus(GameStatusMacTurn);
    m_fakes.scheduler.advance(1.0);
    HitBlowResult score = m_match->numberComparer().checkHitsBlowsIn({4, 5, 6, 7}, *m_match->macCurrentAnswer());
    if (macFound)
        score = {4, 0};
    m_match->setMacCurrentHitsCount(score.hits);
    m_match->setMacCurrentBlowsCount(score.blows);
    m_match->setGameStatus(GameStatusUserTurn);
}

void ScriptedMatches::play(const QString &steps, StatisticsKeeper &keeper, int strength)
{
    QObject::disconnect(m_listening);
    m_listening = QObject::connect(m_match.get(), &HitBlowController::gameStatusChanged,
                                   [this, &keeper, strength] { keeper.matchStatusChanged(progressOf(*m_match), strength); });
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
        if (step == "new") {
            m_match->newGame();
        } else if (step == "hint") {
            keeper.markHinted();
        } else if (step == "turn" || step == "turn4") {
            // A new match up to the user's first guess; Mac's guess scored truly, or as found.
            reachUserTurn(step == "turn4");
        } else if (step == "right" || step == "wrong") {
            QCOMPARE(m_match->gameStatus(), int(GameStatusUserTurn));
            const NumberSet secret = *m_match->macOwnNumbers();
            m_match->setUserCurrentAnswer(step == "right" ? secret : anotherNumber(secret));
            m_match->setGameStatus(GameStatusUserResult);
        } else if (step == "next") {
            // The next round, up to the user's guess.
            m_match->setGameStatus(GameStatusMacTurn);
            m_match->setMacCurrentHitsCount(0);
            m_match->setMacCurrentBlowsCount(0);
            m_match->setGameStatus(GameStatusUserTurn);
        } else if (step == "draw16") {
            // At level 0 with these draws Mac does not find the user's number in sixteen guesses.
            storeUserDefaults({{"StrengthLevel", 0}});
            m_prefs->awakeFromNib();
            m_fakes.random.queued = {1989};
            m_match->newGame();
            m_match->setUserOwnNumbers(kDrawSecret);
            m_match->setGameStatus(GameStatusMacTurn);
            m_fakes.scheduler.advance(1.0);
            for (int round = 1; round <= kMostUserGuesses; ++round) {
                const HitBlowResult score = m_match->numberComparer().checkHitsBlowsIn(kDrawSecret, *m_match->macCurrentAnswer());
                m_match->setMacCurrentHitsCount(score.hits);
                m_match->setMacCurrentBlowsCount(score.blows);
                m_match->setGameStatus(GameStatusUserTurn);
                m_match->setUserCurrentAnswer({4, 5, 6, 7});
                m_match->setGameStatus(GameStatusUserResult);
                if (round < kMostUserGuesses)
                    m_match->setGameStatus(GameStatusMacTurn);
            }
            QCOMPARE(m_match->matchResult(), int(MatchResultDraw));
        } else if (step == "shown") {
            m_match->setGameStatus(GameStatusResultShown);
        } else if (step == "abandon") {
            // New Game during a match, and quitting, both give the match up this way.
            keeper.abandon(progressOf(*m_match), strength);
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
}

QString ScriptedMatches::storedRows(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return QStringLiteral("<none>");
    QStringList rows;
    {
        QSqlDatabase reader = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-reader"));
        reader.setDatabaseName(path);
        if (!reader.open())
            return QStringLiteral("<unreadable>");
        QSqlQuery query(reader);
        query.exec(QStringLiteral("SELECT result, guesses, hinted, strength, finished FROM matches ORDER BY id"));
        while (query.next()) {
            rows << QStringLiteral("%1:%2:%3:%4").arg(query.value(0).toString()).arg(query.value(1).toInt())
                        .arg(query.value(2).toInt()).arg(query.value(3).toInt());
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-reader"));
    return rows.join(' ');
}

QString ScriptedMatches::waitingRows(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return QStringLiteral("<none>");
    QStringList rows;
    const MatchStatistics waiting = StatisticsFile(path).load();
    for (const MatchRecord &match : waiting.matches())
        rows << QStringLiteral("%1:%2:%3:%4").arg(StatisticsFile::resultName(match.result)).arg(match.guesses)
                    .arg(int(match.hinted)).arg(match.strength);
    return rows.join(' ');
}

bool ScriptedMatches::runSql(const QString &path, const QStringList &statements)
{
    bool done = true;
    {
        QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-sql"));
        writer.setDatabaseName(path);
        done = writer.open();
        QSqlQuery query(writer);
        for (const QString &statement : statements) {
            if (done && !query.exec(statement)) {
                qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
                done = false;
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-sql"));
    return done;
}

QByteArray ScriptedMatches::contentsOf(const QString &path)
{
    // Only a regular file is read: a device or a FIFO could be read forever.
    if (!QFileInfo(path).isFile())
        return QByteArray("<not a file>");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QString ScriptedMatches::kindOf(const QString &path)
{
    struct stat status {};
    if (lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("none");
    if (S_ISLNK(status.st_mode))
        return QStringLiteral("symlink");
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("fifo");
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("directory");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return QStringLiteral("device");
    return QStringLiteral("file");
}

