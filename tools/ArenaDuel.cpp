// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArenaDuel.h"

#include "NumberComparer.h"
#include "duel/DuelConnection.h"
#include "duel/DuelHost.h"
#include "expert/Codebreaker.h"
#include "expert/DecisionTree.h"
#include "expert/ExpertPlayer.h"
#include "platform/RandomSource.h"
#include "rules/NumberText.h"

#include <QCoreApplication>
#include <QTcpSocket>

#include <cstdio>
#include <optional>
#include <string_view>

namespace {
struct DuelOptions {
    bool hosting = false;
    QString address;
    quint16 port = 0;
    NumberSet secret{};
    bool lying = false;
    int timeoutMs = DuelConnection::kReplyTimeoutMs;
};

int usage(const char *program)
{
    std::fprintf(stderr,
                 "usage: %s --duel-host [ADDRESS:]PORT | --duel-join HOST:PORT  --secret DDDD [--lie] "
                 "[--timeout SECONDS]\n",
                 program);
    return 2;
}

// "HOST:PORT", or "PORT" alone when a host may be left out.
bool parseEndpoint(const QString &text, bool hostRequired, DuelOptions &options)
{
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon < 0 && hostRequired)
        return false;
    options.address = colon < 0 ? QStringLiteral("127.0.0.1") : text.left(colon);
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    options.port = quint16(port);
    return ok && port <= 65535 && !options.address.isEmpty() && (port > 0 || !hostRequired);
}

std::optional<DuelOptions> parseOptions(int argc, char *argv[])
{
    DuelOptions options;
    bool endpointGiven = false, secretGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if ((arg == "--duel-host" || arg == "--duel-join") && hasValue && !endpointGiven) {
            options.hosting = arg == "--duel-host";
            endpointGiven = parseEndpoint(QString::fromLocal8Bit(argv[++i]), !options.hosting, options);
            if (!endpointGiven)
                return std::nullopt;
        } else if (arg == "--secret" && hasValue) {
            const std::optional<NumberSet> secret = NumberText::parse(QString::fromLocal8Bit(argv[++i]));
            if (!secret)
                return std::nullopt;
            options.secret = *secret;
            secretGiven = true;
        } else if (arg == "--timeout" && hasValue) {
            bool ok = false;
            const double seconds = QString::fromLocal8Bit(argv[++i]).toDouble(&ok);
            if (!ok || seconds <= 0 || seconds > 3600)
                return std::nullopt;
            options.timeoutMs = int(seconds * 1000);
        } else if (arg == "--lie") {
            options.lying = true;
        } else {
            return std::nullopt;
        }
    }
    if (!endpointGiven || !secretGiven)
        return std::nullopt;
    return options;
}

// Plays the Expert's guesses on one duel and ends the event loop with its result.
class ExpertDuelist : public QObject
{
public:
    ExpertDuelist() : m_mac(m_comparer, ExpertPlayer(DecisionTree::builtIn())) { m_mac.newMatch(); }

    void play(DuelConnection *duel)
    {
        connect(duel, &DuelConnection::changed, this, [this, duel] {
            if (duel->side().myTurnToGuess())
                duel->guess(nextGuess(duel->side()));
        });
        // The last message must go out before the program ends.
        connect(duel, &DuelConnection::finished, this, [duel] {
            const int exitCode = report(duel->side());
            if (duel->isClosed())
                QCoreApplication::exit(exitCode);
            connect(duel, &DuelConnection::closed, duel, [exitCode] { QCoreApplication::exit(exitCode); });
        });
        if (duel->side().myTurnToGuess())
            duel->guess(nextGuess(duel->side()));
    }

private:
    NumberSet nextGuess(const DuelSide &side)
    {
        if (m_mac.unscoredGuess()) {
            const HitBlowResult score = side.myTurns().back().score;
            m_mac.takeScore(score.hits, score.blows, ExpertPlayer::kStrengthLevel);
        }
        // False scores can leave no candidate; the reveal will tell, so any guess does meanwhile.
        if (m_mac.candidates()->empty())
            return NumberSet{0, 1, 2, 3};
        return m_mac.takeGuess(ExpertPlayer::kStrengthLevel, RandomSource::processWide());
    }

    // Prints how the duel ended; the program's exit code.
    static int report(const DuelSide &side)
    {
        const int guesses = int(side.myTurns().size());
        static const char *const outcomes[] = {"", "won", "lost", "draw"};
        switch (side.outcome()) {
        case DuelSide::Outcome::Won:
        case DuelSide::Outcome::Lost:
        case DuelSide::Outcome::Draw:
            std::printf("result %s guesses %d\n", outcomes[int(side.outcome())], guesses);
            break;
        case DuelSide::Outcome::OtherLied:
            std::printf("the other side lied: %s\n", qPrintable(side.reason()));
            break;
        case DuelSide::Outcome::OtherLeft:
            std::printf("result won guesses %d forfeit: %s\n", guesses, qPrintable(side.reason()));
            break;
        case DuelSide::Outcome::None:
            std::printf("no duel: %s\n", qPrintable(side.reason()));
            std::fflush(stdout);
            return 1;
        }
        std::fflush(stdout);
        return 0;
    }

    NumberComparer m_comparer;
    Codebreaker m_mac;
};
} // namespace

int playDuel(int argc, char *argv[])
{
    const std::optional<DuelOptions> options = parseOptions(argc, argv);
    if (!options)
        return usage(argv[0]);
    QCoreApplication app(argc, argv);
    ExpertDuelist duelist;
    const QString name = QStringLiteral("hitblow-arena");

    if (options->hosting) {
        DuelHost host(options->secret, name);
        host.setTimeouts(options->timeoutMs, options->timeoutMs);
        host.setLying(options->lying);
        QObject::connect(&host, &DuelHost::duelStarted, &duelist, &ExpertDuelist::play);
        QObject::connect(&host, &DuelHost::peerRefused, &host, [](const QString &reason) {
            std::fprintf(stderr, "refused a peer: %s\n", qPrintable(reason));
        });
        if (!host.listen(QHostAddress(options->address), options->port)) {
            std::fprintf(stderr, "cannot listen on %s:%u: %s\n", qPrintable(options->address),
                         unsigned(options->port), qPrintable(host.errorString()));
            return 1;
        }
        std::printf("listening %u\n", unsigned(host.port()));
        std::fflush(stdout);
        return app.exec();
    }

    auto *socket = new QTcpSocket;
    auto side = std::make_unique<DuelSide>(DuelSide::Role::Joiner, options->secret, name);
    side->setLying(options->lying);
    DuelConnection duel(socket, std::move(side));
    duel.setTimeouts(options->timeoutMs, options->timeoutMs);
    duelist.play(&duel);
    socket->connectToHost(options->address, options->port);
    duel.start();
    return app.exec();
}
