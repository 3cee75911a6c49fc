// SPDX-License-Identifier: GPL-3.0-or-later
#include "duel/DuelCommitment.h"
#include "duel/DuelFrames.h"
#include "duel/DuelMessage.h"
#include "duel/DuelSide.h"
#include "rules/MatchRules.h"
#include "rules/NumberText.h"

#include <QTest>

#include <deque>

Q_DECLARE_METATYPE(DuelSide::Outcome)
Q_DECLARE_METATYPE(DuelMessage)

namespace {
NumberSet number(const char *digits)
{
    return *NumberText::parse(QString::fromLatin1(digits));
}

QByteArray bytesFrom(int first, int count = DuelCommitment::kSaltBytes)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += char(first + i);
    return bytes;
}

// How a side guesses: the first number that agrees with every score it got, or one number always.
enum class Guesser { Consistent, AlwaysWrong };

NumberSet nextGuess(const DuelSide &side, Guesser guesser)
{
    if (guesser == Guesser::AlwaysWrong)
        return number("9876");
    const NumberComparer comparer;
    for (const NumberSet &candidate : comparer.makeCandidatesArray()) {
        const bool agrees = std::all_of(side.myTurns().begin(), side.myTurns().end(), [&](const Turn &turn) {
            return turn == Turn{turn.guess, comparer.checkHitsBlowsIn(candidate, turn.guess)};
        });
        if (agrees)
            return candidate;
    }
    return number("0123");
}

// What happens to the joiner's reveal on its way to the host.
enum class Tampering { None, ForgedReveal, JoinerLeavesBeforeRevealing };
} // namespace

Q_DECLARE_METATYPE(Guesser)
Q_DECLARE_METATYPE(Tampering)

namespace {
// Relays the messages between two sides in one process, each guessing in its turn, until neither
// has anything more to send.
void playOut(DuelSide &host, DuelSide &joiner, Guesser guesser, Tampering tampering)
{
    std::deque<DuelMessage> toHost, toJoiner;
    auto post = [](std::deque<DuelMessage> &queue, const DuelSide::Messages &messages) {
        queue.insert(queue.end(), messages.begin(), messages.end());
    };
    post(toHost, joiner.start());
    for (int step = 0; step < 1000; ++step) {
        if (!toHost.empty()) {
            DuelMessage message = toHost.front();
            toHost.pop_front();
            if (message.type == DuelMessage::Type::Reveal && tampering == Tampering::JoinerLeavesBeforeRevealing) {
                host.lostConnection(QStringLiteral("the other side left"));
                return;
            }
            if (message.type == DuelMessage::Type::Reveal && tampering == Tampering::ForgedReveal)
                message.number = host.myTurns().back().guess;
            post(toJoiner, host.receive(message));
        } else if (!toJoiner.empty()) {
            post(toHost, joiner.receive(toJoiner.front()));
            toJoiner.pop_front();
        } else if (host.myTurnToGuess()) {
            post(toJoiner, host.guess(nextGuess(host, guesser)));
        } else if (joiner.myTurnToGuess()) {
            post(toHost, joiner.guess(nextGuess(joiner, guesser)));
        } else {
            return;
        }
    }
    QFAIL("the duel did not end");
}

DuelSide::Outcome mirrored(DuelSide::Outcome outcome)
{
    if (outcome == DuelSide::Outcome::Won)
        return DuelSide::Outcome::Lost;
    if (outcome == DuelSide::Outcome::Lost)
        return DuelSide::Outcome::Won;
    return outcome;
}

QByteArray hostNonce()
{
    return bytesFrom(0xa0);
}
} // namespace

// The duel without the network: its commitments, messages and frames, and one side's rules of
// play against another in the same process.
class TestDuel : public QObject
{
    Q_OBJECT

private slots:
    void commitmentsAreTheDocumentedDigests_data();
    void commitmentsAreTheDocumentedDigests();
    void messagesReadBackAsSent_data();
    void messagesReadBackAsSent();
    void parserRefusesWhatIsNoMessage_data();
    void parserRefusesWhatIsNoMessage();
    void framesAreCutAndLimited_data();
    void framesAreCutAndLimited();
    void messagesOutOfTurnAreRefused_data();
    void messagesOutOfTurnAreRefused();
    void wholeDuelsEndAsTheRulesSay_data();
    void wholeDuelsEndAsTheRulesSay();
    void theCoinTakesBothNonces_data();
    void theCoinTakesBothNonces();
};

void TestDuel::commitmentsAreTheDocumentedDigests_data()
{
    QTest::addColumn<QByteArray>("digest");
    QTest::addColumn<QByteArray>("expectedHex");
    // Worked out apart from the game with Python's hashlib from the bytes DuelCommitment.h states.
    const QByteArray rules = "digits=4;guesses=16";
    QTest::newRow("rules") << DuelCommitment::rulesText() << QByteArray("digits=4;guesses=16").toHex();
    QTest::newRow("secret 0123") << DuelCommitment::ofSecret(rules, number("0123"), bytesFrom(0))
                                 << QByteArray("be2fced7e006fe29a821463ad3a985bfd8ac8f1e4c5423b89e966b57b70e0201");
    QTest::newRow("secret 9876") << DuelCommitment::ofSecret(rules, number("9876"), bytesFrom(0))
                                 << QByteArray("16a891a26eecbd6d7dbc900dcebe76934ca549d28f6c81c46ae8437ad644d728");
    QTest::newRow("coin") << DuelCommitment::ofCoin(bytesFrom(0xa0))
                          << QByteArray("ff449309955bc67fd6ad77a7fa15da061b4729255596b8c49f0d4297e7d819bb");
}

void TestDuel::commitmentsAreTheDocumentedDigests()
{
    QFETCH(QByteArray, digest);
    QFETCH(QByteArray, expectedHex);
    QCOMPARE(digest.toHex(), expectedHex);
}

// What a side sends is always a message the other side accepts, whatever name or reason it is given.
void TestDuel::messagesReadBackAsSent_data()
{
    QTest::addColumn<DuelMessage>("message");
    QTest::addColumn<QString>("expectedJson");
    QTest::newRow("hello") << DuelMessage::hello("Ann") << R"({"name":"Ann","rules":"digits=4;guesses=16","type":"hello","version":1})";
    QTest::newRow("hello with a name too long, with controls")
        << DuelMessage::hello(QString(40, u'x') + u'\n') << R"({"name":")" + QString(32, u'x') + R"(","rules":"digits=4;guesses=16","type":"hello","version":1})";
    QTest::newRow("hello with an emoji cut in half") << DuelMessage::hello(QString(31, u'x') + QString::fromUtf8("\xF0\x9F\x98\x80"))
                                                     << R"({"name":")" + QString(31, u'x') + R"(","rules":"digits=4;guesses=16","type":"hello","version":1})";
    QTest::newRow("hello with no name") << DuelMessage::hello(" \t") << R"({"name":"?","rules":"digits=4;guesses=16","type":"hello","version":1})";
    QTest::newRow("commit") << DuelMessage::commit(bytesFrom(0, 32), bytesFrom(0xe0, 32))
                            << QString::fromLatin1(R"({"coin":")" + bytesFrom(0xe0, 32).toHex() + R"(","secret":")"
                                                   + bytesFrom(0, 32).toHex() + R"(","type":"commit"})");
    QTest::newRow("coin") << DuelMessage::coin(bytesFrom(0xa0)) << R"({"nonce":"a0a1a2a3a4a5a6a7a8a9aaabacadaeaf","type":"coin"})";
    QTest::newRow("guess") << DuelMessage::guess(number("0123")) << R"({"number":"0123","type":"guess"})";
    QTest::newRow("score") << DuelMessage::scored({1, 2}) << R"({"blows":2,"hits":1,"type":"score"})";
    QTest::newRow("reveal") << DuelMessage::reveal(number("9876"), bytesFrom(0))
                            << R"({"salt":"000102030405060708090a0b0c0d0e0f","secret":"9876","type":"reveal"})";
    QTest::newRow("result") << DuelMessage::result("lied") << R"({"outcome":"lied","type":"result"})";
    QTest::newRow("error quoting a control") << DuelMessage::error("unexpected member \"a\x07\"")
                                             << R"({"reason":"unexpected member \"a\"","type":"error"})";
}

void TestDuel::messagesReadBackAsSent()
{
    QFETCH(DuelMessage, message);
    QFETCH(QString, expectedJson);
    const QByteArray json = message.toJson();
    QCOMPARE(QString::fromUtf8(json), expectedJson);
    const std::variant<DuelMessage, QString> parsed = DuelMessage::parse(json);
    const QString *fault = std::get_if<QString>(&parsed);
    QVERIFY2(!fault, fault ? qPrintable(*fault) : "");
    QCOMPARE(std::get<DuelMessage>(parsed).toJson(), json);
}

void TestDuel::parserRefusesWhatIsNoMessage_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("reason");
    const QByteArray hex64(64, 'a');
    QTest::newRow("not JSON") << QByteArray("{\"type\":") << "not JSON";
    QTest::newRow("binary") << QByteArray("\x01\xff\x7f", 3) << "not JSON";
    QTest::newRow("an array") << QByteArray("[\"hello\"]") << "not a JSON object";
    QTest::newRow("no type") << QByteArray("{\"number\":\"0123\"}") << "no \"type\" string";
    QTest::newRow("unknown message") << QByteArray("{\"type\":\"concede\"}") << "unknown message \"concede\"";
    QTest::newRow("extra member") << QByteArray("{\"type\":\"guess\",\"number\":\"0123\",\"hits\":4}")
                                  << "unexpected member \"hits\" in guess";
    QTest::newRow("missing member") << QByteArray("{\"type\":\"score\",\"hits\":1}") << "\"blows\"";
    QTest::newRow("version as text") << QByteArray("{\"type\":\"hello\",\"version\":\"1\",\"rules\":\"r\",\"name\":\"a\"}")
                                     << "\"version\" is not a whole number";
    QTest::newRow("version with a fraction")
        << QByteArray("{\"type\":\"hello\",\"version\":1.5,\"rules\":\"r\",\"name\":\"a\"}") << "\"version\"";
    QTest::newRow("name too long") << "{\"type\":\"hello\",\"version\":1,\"rules\":\"r\",\"name\":\"" + QByteArray(33, 'x') + "\"}"
                                   << "\"name\" must have 1 to 32";
    QTest::newRow("name with a control character")
        << QByteArray("{\"type\":\"hello\",\"version\":1,\"rules\":\"r\",\"name\":\"a\\u0007\"}") << "control character";
    QTest::newRow("guess as a number") << QByteArray("{\"type\":\"guess\",\"number\":123}") << "\"number\" is not a string";
    QTest::newRow("guess repeating a digit") << QByteArray("{\"type\":\"guess\",\"number\":\"1123\"}")
                                             << "four different digits";
    QTest::newRow("hits above four") << QByteArray("{\"type\":\"score\",\"hits\":5,\"blows\":0}") << "\"hits\"";
    QTest::newRow("hits as text") << QByteArray("{\"type\":\"score\",\"hits\":\"1\",\"blows\":0}") << "\"hits\"";
    QTest::newRow("three hits and a blow") << QByteArray("{\"type\":\"score\",\"hits\":3,\"blows\":1}")
                                           << "no number scores 3 hits and 1 blows";
    QTest::newRow("five digits scored") << QByteArray("{\"type\":\"score\",\"hits\":2,\"blows\":3}") << "no number scores";
    QTest::newRow("uppercase digest") << "{\"type\":\"commit\",\"secret\":\"" + hex64.toUpper() + "\",\"coin\":\"" + hex64 + "\"}"
                                      << "\"secret\" is not lowercase hexadecimal";
    QTest::newRow("short digest") << "{\"type\":\"commit\",\"secret\":\"" + hex64 + "\",\"coin\":\"abcd\"}"
                                  << "\"coin\" must have 64 hexadecimal digits";
    QTest::newRow("long salt") << QByteArray("{\"type\":\"reveal\",\"secret\":\"0123\",\"salt\":\"") + hex64 + "\"}"
                               << "\"salt\"";
    QTest::newRow("unknown outcome") << QByteArray("{\"type\":\"result\",\"outcome\":\"won!\"}") << "\"outcome\" is none of";
}

void TestDuel::parserRefusesWhatIsNoMessage()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    const std::variant<DuelMessage, QString> parsed = DuelMessage::parse(json);
    QVERIFY2(std::holds_alternative<QString>(parsed), json.constData());
    QVERIFY2(std::get<QString>(parsed).contains(reason), qPrintable(std::get<QString>(parsed)));
}

void TestDuel::framesAreCutAndLimited_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<QByteArrayList>("payloads");
    QTest::addColumn<QString>("error");
    const QByteArray two = DuelFrames::frame("{\"a\":1}") + DuelFrames::frame(QByteArray(DuelFrames::kMostBytes, 'x'));
    QTest::newRow("whole") << two << int(two.size()) << QByteArrayList{"{\"a\":1}", QByteArray(4096, 'x')} << QString();
    QTest::newRow("byte by byte") << two << 1 << QByteArrayList{"{\"a\":1}", QByteArray(4096, 'x')} << QString();
    QTest::newRow("one byte over the limit")
        << QByteArray("\x00\x00\x10\x01", 4) + QByteArray(5000, 'x') << 7 << QByteArrayList{}
        << "a message of 4097 bytes (at most 4096)";
    QTest::newRow("huge length after a message") << DuelFrames::frame("{}") + QByteArray("\xff\xff\xff\xff", 4) << 3
                                                 << QByteArrayList{"{}"} << "a message of 4294967295 bytes";
    QTest::newRow("empty message") << QByteArray(4, '\0') << 4 << QByteArrayList{} << "a message of 0 bytes";
}

void TestDuel::framesAreCutAndLimited()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, pieceSize);
    QFETCH(QByteArrayList, payloads);
    QFETCH(QString, error);
    DuelFrameReader reader;
    QByteArrayList read;
    for (qsizetype at = 0; at < bytes.size(); at += pieceSize) {
        reader.append(bytes.mid(at, pieceSize));
        while (const std::optional<QByteArray> payload = reader.next())
            read.append(*payload);
    }
    QCOMPARE(read, payloads);
    QCOMPARE(reader.error().left(error.size()), error);
}

// Each row drives a duel to a point and sends one side a message it must refuse.
void TestDuel::messagesOutOfTurnAreRefused_data()
{
    QTest::addColumn<int>("guessesFirst");   // guesses made before, -1: only the joiner's hello
    QTest::addColumn<bool>("toTheGuesser");  // to the side whose turn it is, else to the other
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("reason");
    QTest::newRow("guess before any hello") << -2 << false << QByteArray("{\"type\":\"guess\",\"number\":\"0123\"}")
                                            << "guess out of turn (expected hello)";
    QTest::newRow("a second hello")
        << -1 << false << QByteArray("{\"type\":\"hello\",\"version\":1,\"rules\":\"digits=4;guesses=16\",\"name\":\"b\"}")
        << "hello out of turn (expected commit)";
    QTest::newRow("guess in the other's turn") << 0 << true << QByteArray("{\"type\":\"guess\",\"number\":\"0123\"}")
                                               << "guess out of turn (expected nothing)";
    QTest::newRow("score for no guess") << 0 << false << QByteArray("{\"type\":\"score\",\"hits\":4,\"blows\":0}")
                                        << "score out of turn (expected guess)";
    QTest::newRow("reveal in play") << 1 << true << QByteArray("{\"type\":\"reveal\",\"secret\":\"0123\",\"salt\":\"" + QByteArray(32, '0') + "\"}")
                                    << "reveal out of turn";
    QTest::newRow("another protocol version")
        << -2 << false << QByteArray("{\"type\":\"hello\",\"version\":2,\"rules\":\"digits=4;guesses=16\",\"name\":\"b\"}")
        << "protocol version 2 is not spoken here";
    QTest::newRow("other rules")
        << -2 << false << QByteArray("{\"type\":\"hello\",\"version\":1,\"rules\":\"digits=5;guesses=16\",\"name\":\"b\"}")
        << "rules \"digits=5;guesses=16\" differ";
    QTest::newRow("coin not as committed") << -3 << false << QByteArray("{\"type\":\"coin\",\"nonce\":\"" + QByteArray(32, '0') + "\"}")
                                           << "the coin does not match its commitment";
}

void TestDuel::messagesOutOfTurnAreRefused()
{
    QFETCH(int, guessesFirst);
    QFETCH(bool, toTheGuesser);
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    DuelSide host(DuelSide::Role::Host, number("0123"), "host", bytesFrom(0), hostNonce());
    DuelSide joiner(DuelSide::Role::Joiner, number("4567"), "joiner", bytesFrom(16), bytesFrom(0xb0));
    // -3: the host has the joiner's commit and waits for its coin; -2: nothing sent yet.
    if (guessesFirst == -3) {
        const DuelSide::Messages hostHelloAndCommit = host.receive(joiner.start().front());
        host.receive(joiner.receive(hostHelloAndCommit.front()).front());
        QCOMPARE(host.phase(), DuelSide::Phase::FlippingCoin);
    } else if (guessesFirst == -1) {
        host.receive(joiner.start().front());
    } else if (guessesFirst >= 0) {
        // Plays whole rounds until guessesFirst guesses were made in all, then stops relaying.
        std::deque<std::pair<DuelSide *, DuelMessage>> queue;
        for (const DuelMessage &message : joiner.start())
            queue.push_back({&host, message});
        while (!queue.empty() || host.myTurnToGuess() || joiner.myTurnToGuess()) {
            if (queue.empty()) {
                const int guesses = int(host.myTurns().size() + joiner.myTurns().size());
                if (guesses == guessesFirst)
                    break;
                DuelSide &guesser = host.myTurnToGuess() ? host : joiner;
                for (const DuelMessage &message : guesser.guess(number(guesses % 2 ? "5678" : "6789")))
                    queue.push_back({&guesser == &host ? &joiner : &host, message});
                continue;
            }
            auto [to, message] = queue.front();
            queue.pop_front();
            for (const DuelMessage &answer : to->receive(message))
                queue.push_back({to == &host ? &joiner : &host, answer});
        }
        QCOMPARE(host.phase(), DuelSide::Phase::Playing);
    }
    DuelSide &target = guessesFirst < 0 ? host : (host.myTurnToGuess() == toTheGuesser ? host : joiner);
    const DuelSide::Messages answer = target.receive(std::get<DuelMessage>(DuelMessage::parse(json)));
    QCOMPARE(int(answer.size()), 1);
    QCOMPARE(answer.front().type, DuelMessage::Type::Error);
    QVERIFY2(answer.front().reason.startsWith(reason), qPrintable(answer.front().reason));
    QCOMPARE(target.phase(), DuelSide::Phase::Over);
    QVERIFY(target.receive(DuelMessage::guess(number("0123"))).empty());
}

void TestDuel::wholeDuelsEndAsTheRulesSay_data()
{
    QTest::addColumn<QString>("hostSecret");
    QTest::addColumn<QString>("joinerSecret");
    QTest::addColumn<Guesser>("guesser"); // how both sides guess
    QTest::addColumn<bool>("joinerLies");
    QTest::addColumn<Tampering>("tampering");
    QTest::addColumn<DuelSide::Outcome>("hostOutcome");
    QTest::addColumn<int>("hostGuesses");
    QTest::addColumn<QString>("hostReason");
    // With these nonces the host starts; the consistent guesser finds 0123 at once, 4567 at the
    // second guess and 9876 at the sixth (worked out apart from the game).
    QTest::newRow("the joiner finds it first") << "4567" << "9876" << Guesser::Consistent << false << Tampering::None
                                               << DuelSide::Outcome::Lost << 2 << QString();
    QTest::newRow("the host finds it first") << "9876" << "4567" << Guesser::Consistent << false << Tampering::None
                                             << DuelSide::Outcome::Won << 2 << QString();
    QTest::newRow("the second player's last guess draws") << "0123" << "0123" << Guesser::Consistent << false
                                                            << Tampering::None << DuelSide::Outcome::Draw << 1 << QString();
    QTest::newRow("nobody finds it in sixteen") << "0123" << "0132" << Guesser::AlwaysWrong << false << Tampering::None
                                                << DuelSide::Outcome::Draw << kMostUserGuesses << QString();
    QTest::newRow("a lying joiner") << "1234" << "5678" << Guesser::Consistent << true << Tampering::None
                                    << DuelSide::Outcome::OtherLied << -1 << "the other side's scores were false";
    QTest::newRow("a forged reveal") << "1234" << "5678" << Guesser::Consistent << false << Tampering::ForgedReveal
                                     << DuelSide::Outcome::OtherLied << -1
                                     << "the other side's secret does not match its commitment";
    QTest::newRow("leaving before revealing") << "1234" << "5678" << Guesser::Consistent << false
                                              << Tampering::JoinerLeavesBeforeRevealing << DuelSide::Outcome::OtherLeft
                                              << -1 << "the other side left";
}

void TestDuel::wholeDuelsEndAsTheRulesSay()
{
    QFETCH(QString, hostSecret);
    QFETCH(QString, joinerSecret);
    QFETCH(Guesser, guesser);
    QFETCH(bool, joinerLies);
    QFETCH(Tampering, tampering);
    QFETCH(DuelSide::Outcome, hostOutcome);
    QFETCH(int, hostGuesses);
    QFETCH(QString, hostReason);
    DuelSide host(DuelSide::Role::Host, *NumberText::parse(hostSecret), "host", bytesFrom(0), hostNonce());
    DuelSide joiner(DuelSide::Role::Joiner, *NumberText::parse(joinerSecret), "joiner", bytesFrom(16), bytesFrom(0xb0));
    joiner.setLying(joinerLies);
    playOut(host, joiner, guesser, tampering);

    QVERIFY(host.iStart() != joiner.iStart());
    QCOMPARE(host.phase(), DuelSide::Phase::Over);
    QCOMPARE(host.outcome(), hostOutcome);
    QVERIFY2(host.reason().startsWith(hostReason), qPrintable(host.reason()));
    if (hostGuesses >= 0)
        QCOMPARE(int(host.myTurns().size()), hostGuesses);
    if (tampering != Tampering::None)
        return;
    // Both sides saw the same match; honest scores are true, and the results mirror each other.
    QCOMPARE(joiner.phase(), DuelSide::Phase::Over);
    QCOMPARE(host.myTurns(), joiner.theirTurns());
    QCOMPARE(host.theirTurns(), joiner.myTurns());
    QCOMPARE(joiner.theirSecret(), *NumberText::parse(hostSecret));
    if (!joinerLies)
        QCOMPARE(joiner.outcome(), mirrored(host.outcome()));
    else
        QVERIFY(joiner.outcome() != DuelSide::Outcome::OtherLied);
}

// The documented flip: the lowest bit of the exclusive or of the nonces' last bytes, 0 for the host.
void TestDuel::theCoinTakesBothNonces_data()
{
    QTest::addColumn<int>("hostLastByte");
    QTest::addColumn<int>("joinerLastByte");
    QTest::addColumn<bool>("hostStarts");
    QTest::newRow("both even") << 0x00 << 0xfe << true;
    QTest::newRow("the host's odd") << 0x01 << 0xfe << false;
    QTest::newRow("the joiner's odd") << 0x00 << 0xff << false;
    QTest::newRow("both odd") << 0x81 << 0x03 << true;
}

void TestDuel::theCoinTakesBothNonces()
{
    QFETCH(int, hostLastByte);
    QFETCH(int, joinerLastByte);
    QFETCH(bool, hostStarts);
    const QByteArray zeros(DuelCommitment::kSaltBytes - 1, '\0');
    DuelSide host(DuelSide::Role::Host, number("1234"), "host", bytesFrom(0), zeros + char(hostLastByte));
    DuelSide joiner(DuelSide::Role::Joiner, number("5678"), "joiner", bytesFrom(16), zeros + char(joinerLastByte));
    playOut(host, joiner, Guesser::Consistent, Tampering::None);
    QCOMPARE(host.iStart(), hostStarts);
    QCOMPARE(joiner.iStart(), !hostStarts);
    QCOMPARE(int(host.myTurns().size() + joiner.myTurns().size()) % 2, 0);
}

QTEST_GUILESS_MAIN(TestDuel)
#include "tst_duel.moc"
