// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/MatchRules.h"
#include "expert/Codebreaker.h"
#include "expert/ExpertPlayer.h"
#include "statistics/MatchTracker.h"
#include "match/SavedMatch.h"
#include "oldfiles/SavedMatchFile.h"
#include "statistics/StatisticsKeeper.h"

#include "Fakes.h"
#include "ZeroDevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>

#include <sys/wait.h>
#include <unistd.h>

#include <sys/stat.h>

Q_DECLARE_METATYPE(SavedMatch)

namespace {
constexpr NumberSet kMacSecret{3, 9, 5, 1};
constexpr NumberSet kUserSecret{4, 5, 6, 7};

// A match as it stands after Mac's guesses and the user's (true scores, every move of Mac's at
// Expert), in status.
SavedMatch matchAfter(GameStatus status, std::vector<NumberSet> macGuesses, std::vector<NumberSet> userGuesses)
{
    const NumberComparer rules;
    SavedMatch match;
    match.status = status;
    match.strength = 3;
    match.macOwnNumbers = kMacSecret;
    match.userOwnNumbers = kUserSecret;
    const std::size_t scored = macGuesses.size() - (status == GameStatusCheckHitBlow ? 1 : 0);
    for (std::size_t i = 0; i < macGuesses.size(); ++i) {
        if (i >= scored)
            match.macUnscoredGuess = macGuesses[i];
        else
            match.macTurns.push_back({macGuesses[i], rules.checkHitsBlowsIn(kUserSecret, macGuesses[i])});
    }
    match.macLevels.assign(scored * 2 + macGuesses.size() - scored, 3);
    for (const NumberSet &guess : userGuesses)
        match.userTurns.push_back({guess, rules.checkHitsBlowsIn(kMacSecret, guess)});
    return match;
}

// The same match with Mac's candidates listed in place of its strengths, as version 1 kept it.
SavedMatch withCandidates(SavedMatch match)
{
    const NumberComparer rules;
    match.candidates = rules.makeCandidatesArray();
    for (const Turn &turn : match.macTurns)
        std::erase(*match.candidates, turn.guess);
    if (match.macUnscoredGuess)
        std::erase(*match.candidates, *match.macUnscoredGuess);
    ExpertPlayer::keepConsistent(*match.candidates, match.macTurns);
    match.macLevels.clear();
    return match;
}

SavedMatch userTurnWithRelabelling()
{
    SavedMatch match = matchAfter(GameStatusUserTurn, {{0, 1, 2, 3}, {4, 5, 8, 9}}, {{0, 1, 2, 3}});
    match.relabelling = Relabelling::fromPermutations({9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {3, 2, 1, 0});
    return match;
}

QByteArray edited(const SavedMatch &match, const std::function<void(QJsonObject &)> &edit)
{
    QJsonObject root = QJsonDocument::fromJson(match.toJson()).object();
    edit(root);
    return QJsonDocument(root).toJson();
}

void setEntry(QJsonObject &root, const char *side, int index, const char *field, const QJsonValue &value)
{
    QJsonArray list = root.value(side).toArray();
    QJsonObject entry = list[index].toObject();
    if (value.isUndefined())
        entry.remove(field);
    else
        entry.insert(field, value);
    list[index] = entry;
    root.insert(side, list);
}
} // namespace

// The match in progress as it is kept between runs: its text form gives back exactly what was
// kept, a text that is no match this game could go on with is refused with a reason, the file it
// lives in survives odd files, and the tracker keeps, clears, offers and gives it up as it should.
class TestSavedMatch : public QObject
{
    Q_OBJECT

private slots:
    void textFormGivesBackTheMatch_data();
    void textFormGivesBackTheMatch();
    void candidatesRebuiltAsPlayed_data();
    void candidatesRebuiltAsPlayed();
    void oddTextsAreRefused_data();
    void oddTextsAreRefused();
    void fileSurvivesOddFiles_data();
    void fileSurvivesOddFiles();
    void trackerKeepsTheRunningMatch_data();
    void trackerKeepsTheRunningMatch();
    void keptMatchGoesWithItsRecord_data();
    void keptMatchGoesWithItsRecord();
    void eachGameKeepsItsOwnMatch_data();
    void eachGameKeepsItsOwnMatch();
};

void TestSavedMatch::textFormGivesBackTheMatch_data()
{
    QTest::addColumn<SavedMatch>("match");
    QTest::newRow("first pause") << matchAfter(GameStatusMacTurn, {}, {});
    QTest::newRow("Mac's guess unscored") << matchAfter(GameStatusCheckHitBlow, {{0, 1, 2, 3}}, {});
    QTest::newRow("user's turn, relabelled") << userTurnWithRelabelling();
    SavedMatch hinted = matchAfter(GameStatusUserResult, {{0, 1, 2, 3}, {4, 5, 8, 9}}, {{0, 1, 2, 3}, {3, 9, 1, 5}});
    hinted.hinted = true;
    hinted.strength = 0;
    hinted.notes = QStringLiteral("notepad1:x...o...........................:..x.......");
    QTest::newRow("user's guess scored, hinted, Easy, with notes") << hinted;
    QTest::newRow("Mac found the secret: the last chance")
        << matchAfter(GameStatusUserTurn, {{0, 1, 2, 3}, {4, 5, 6, 7}}, {{0, 1, 2, 3}});
    QTest::newRow("candidates listed, as version 1 kept them") << withCandidates(userTurnWithRelabelling());
}

void TestSavedMatch::textFormGivesBackTheMatch()
{
    QFETCH(SavedMatch, match);
    QString error;
    const std::optional<SavedMatch> reread = SavedMatch::fromJson(match.toJson(), &error);
    QVERIFY2(reread, qPrintable(error));
    QVERIFY(*reread == match);
    QCOMPARE(reread->candidates.has_value(), match.candidates.has_value());
    QCOMPARE(reread->relabelling.has_value(), match.relabelling.has_value());
}

void TestSavedMatch::candidatesRebuiltAsPlayed_data()
{
    // The strength of each of Mac's moves in turn (guess, score, guess, ...), the last for the rest.
    QTest::addColumn<QString>("levels");
    QTest::newRow("Easy") << "0";
    QTest::newRow("Normal") << "1";
    QTest::newRow("Hard") << "2";
    QTest::newRow("Expert") << "3";
    QTest::newRow("Hard, then Expert from the third guess") << "22223";
    QTest::newRow("Expert, then Easy from the third guess") << "33330";
    QTest::newRow("an Expert guess scored at Easy, then Normal") << "301";
    QTest::newRow("Easy, then an Expert guess scored at Easy") << "000030";
}

// A match kept as its moves comes back with Mac's candidates exactly as the match had them, at
// every move, whatever strengths they were taken at; its text stays small. A match kept with its
// list by version 1 comes back with that list.
void TestSavedMatch::candidatesRebuiltAsPlayed()
{
    QFETCH(QString, levels);
    ScriptedRandomSource random;
    const NumberComparer rules(random);
    Codebreaker played(rules);
    played.newMatch();
    int step = 0;
    const auto nextLevel = [&] { return levels.at(std::min(step++, int(levels.size()) - 1)).digitValue(); };
    SavedMatch match;
    const auto keptAndRebuilt = [&](GameStatus status) {
        match = {};
        match.status = status;
        match.strength = 3;
        match.macOwnNumbers = kMacSecret;
        match.userOwnNumbers = kUserSecret;
        match.macTurns = played.turns();
        match.macUnscoredGuess = played.unscoredGuess();
        match.macLevels = *played.levels();
        for (std::size_t i = 0; i + 1 < played.answers().size(); ++i)
            match.userTurns.push_back({{0, 1, 2, 3}, rules.checkHitsBlowsIn(kMacSecret, {0, 1, 2, 3})});
        const QByteArray text = match.toJson();
        QVERIFY2(text.size() < 2048, text.constData());
        QString why;
        const std::optional<SavedMatch> reread = SavedMatch::fromJson(text, &why);
        QVERIFY2(reread, qPrintable(why));
        Codebreaker rebuilt(rules);
        rebuilt.replay(reread->macTurns, reread->macUnscoredGuess, reread->macLevels, reread->relabelling);
        QVERIFY2(rebuilt.candidates() == played.candidates(),
                 qPrintable(QStringLiteral("after move %1: %2 candidates rebuilt, %3 played")
                                .arg(step)
                                .arg(rebuilt.candidates()->size())
                                .arg(played.candidates()->size())));
    };
    for (int round = 0; round < 10; ++round) {
        const NumberSet guess = played.takeGuess(nextLevel(), random);
        keptAndRebuilt(GameStatusCheckHitBlow);
        const HitBlowResult score = rules.checkHitsBlowsIn(kUserSecret, guess);
        played.takeScore(score.hits, score.blows, nextLevel());
        keptAndRebuilt(GameStatusUserTurn);
        if (QTest::currentTestFailed() || score.hits == 4)
            break;
    }
    QVERIFY2(step > 4, "Mac found the secret too soon to change strength");

    SavedMatch listed = match;
    listed.macLevels.clear();
    listed.candidates = *played.candidates();
    const std::optional<SavedMatch> ofVersion1 =
        SavedMatch::fromJson(edited(listed, [](QJsonObject &root) { root.insert("version", 1); }));
    QVERIFY(ofVersion1 && ofVersion1->candidates == played.candidates());
}

void TestSavedMatch::oddTextsAreRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    const SavedMatch match = userTurnWithRelabelling();
    const auto set = [&match](const char *field, const QJsonValue &value) {
        return edited(match, [&](QJsonObject &root) { root.insert(field, value); });
    };
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("\x00\xff{", 3);
    QTest::newRow("a list") << QByteArray("[1,2]");
    QTest::newRow("newer version") << set("version", SavedMatch::kVersion + 1);
    QTest::newRow("no version") << edited(match, [](QJsonObject &root) { root.remove("version"); });
    QTest::newRow("title screen") << set("status", GameStatusTitle);
    QTest::newRow("choosing a secret") << set("status", GameStatusChooseNumbers);
    QTest::newRow("decided") << set("status", GameStatusGameOver);
    QTest::newRow("status as text") << set("status", "4");
    QTest::newRow("strength below 0") << set("strength", -1);
    QTest::newRow("strength above Expert") << set("strength", kStrongestLevel + 1);
    QTest::newRow("Mac's secret repeats a digit") << set("macSecret", "3351");
    QTest::newRow("user's secret of five digits") << set("userSecret", "45678");
    QTest::newRow("user's secret with a letter") << set("userSecret", "45a7");
    QTest::newRow("Mac's score not the true one")
        << edited(match, [](QJsonObject &root) { setEntry(root, "mac", 0, "blows", 3); });
    QTest::newRow("user's score not the true one")
        << edited(match, [](QJsonObject &root) { setEntry(root, "user", 0, "hits", 2); });
    QTest::newRow("Mac's guess without its score in the user's turn")
        << edited(match, [](QJsonObject &root) { setEntry(root, "mac", 1, "hits", QJsonValue::Undefined); });
    QTest::newRow("user's guess of the wrong form")
        << edited(match, [](QJsonObject &root) { setEntry(root, "user", 0, "guess", 123); });
    QTest::newRow("rounds that do not fit the turn") << set("status", GameStatusUserResult);
    QTest::newRow("unscored guess the turn has none of") << [] {
        SavedMatch unscored = matchAfter(GameStatusCheckHitBlow, {{0, 1, 2, 3}}, {});
        return edited(unscored, [](QJsonObject &root) { root.insert("status", GameStatusMacTurn); });
    }();
    QTest::newRow("user already won") << matchAfter(GameStatusUserTurn, {{0, 1, 2, 3}, {4, 5, 8, 9}},
                                                    {{3, 9, 5, 1}}).toJson();
    QTest::newRow("sixteen user guesses") << [] {
        std::vector<NumberSet> macGuesses(16, NumberSet{0, 1, 2, 3});
        std::vector<NumberSet> userGuesses(16, NumberSet{0, 1, 2, 3});
        SavedMatch long16 = matchAfter(GameStatusMacTurn, {}, userGuesses);
        for (const NumberSet &guess : macGuesses)
            long16.macTurns.push_back({guess, {0, 0}});
        long16.macLevels.assign(32, 3);
        return long16.toJson();
    }();
    QTest::newRow("a strength missing") << set("levels", "333");
    QTest::newRow("a strength too many") << set("levels", "33333");
    QTest::newRow("a strength beyond Expert") << set("levels", "3343");
    QTest::newRow("a strength of no digit") << set("levels", "33x3");
    const SavedMatch listed = withCandidates(match);
    QTest::newRow("candidates out of order") << [&listed] {
        SavedMatch swapped = listed;
        std::swap(swapped.candidates->front(), swapped.candidates->back());
        return swapped.toJson();
    }();
    QTest::newRow("a candidate twice") << [&listed] {
        SavedMatch twice = listed;
        twice.candidates->insert(twice.candidates->begin(), twice.candidates->front());
        return twice.toJson();
    }();
    QTest::newRow("the user's secret no longer a candidate") << [&listed] {
        SavedMatch lost = listed;
        std::erase(*lost.candidates, kUserSecret);
        return lost.toJson();
    }();
    QTest::newRow("a candidate of no number") << edited(listed, [](QJsonObject &root) {
        root.insert("candidates", "0000 " + root.value("candidates").toString());
    });
    QTest::newRow("version 1 without its candidates") << set("version", 1);
    QTest::newRow("relabelling of a digit twice")
        << set("relabelling", QJsonObject{{"digits", QJsonArray{1, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                                          {"positions", QJsonArray{0, 1, 2, 3}}});
    QTest::newRow("relabelling of three places")
        << set("relabelling", QJsonObject{{"digits", QJsonArray{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                                          {"positions", QJsonArray{0, 1, 2}}});
    QTest::newRow("relabelling of no list") << set("relabelling", 5);
}

void TestSavedMatch::oddTextsAreRefused()
{
    QFETCH(QByteArray, text);
    QString error;
    QVERIFY(!SavedMatch::fromJson(text, &error));
    QVERIFY(!error.isEmpty());
}

void TestSavedMatch::fileSurvivesOddFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("keptAside");
    QTest::newRow("none") << "none" << false;
    QTest::newRow("a match") << "match" << false;
    QTest::newRow("garbage") << "garbage" << true;
    QTest::newRow("empty") << "empty" << true;
    QTest::newRow("a folder") << "folder" << false;
    QTest::newRow("a FIFO") << "fifo" << false;
    QTest::newRow("a device") << "device" << false;
}

void TestSavedMatch::fileSurvivesOddFiles()
{
    QFETCH(QString, kind);
    QFETCH(bool, keptAside);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QString path = folder.filePath("match-in-progress.json");
    const SavedMatch match = userTurnWithRelabelling();
    QByteArray contents;
    if (kind == "match" || kind == "garbage" || kind == "empty") {
        contents = kind == "match" ? match.toJson() : kind == "garbage" ? QByteArray("{\"version\":1,") : QByteArray();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    } else if (kind == "folder") {
        QVERIFY(QDir(folder.path()).mkdir("match-in-progress.json"));
    } else if (kind == "fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "device") {
        const QString refused = makeZeroDevice(path);
        if (!refused.isEmpty())
            QSKIP(qPrintable(refused));
    }

    SavedMatchFile file(path);
    if (kind == "none" || kind == "match")
        QTest::failOnWarning(QRegularExpression("."));
    else
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(keptAside ? "could not be read.*kept as" : "could not be read \\("));
    const std::optional<SavedMatch> loaded = file.load();
    QCOMPARE(loaded.has_value(), kind == "match");
    if (loaded)
        QVERIFY(*loaded == match);
    if (keptAside) {
        QFileInfo aside(path + ".corrupt");
        QVERIFY(aside.exists());
        if (aside.isFile()) {
            QFile kept(aside.filePath());
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), contents);
        }
    }
    // Anything but a plain file stays as it was.
    if (kind == "device" || kind == "folder") {
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
        return;
    }
    QCOMPARE(QFileInfo::exists(path), !keptAside && kind != "none");
    // A match saved afterwards is read back, and clear forgets it.
    file.save(match);
    const std::optional<SavedMatch> saved = file.load();
    QVERIFY(saved && *saved == match);
    file.clear();
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(!file.load());
}

void TestSavedMatch::trackerKeepsTheRunningMatch_data()
{
    QTest::addColumn<bool>("keptFromEarlier");
    QTest::addColumn<QString>("ending"); // "won", "new game", "quit"
    QTest::newRow("a match won") << false << "won";
    QTest::newRow("a match given up by New Game") << false << "new game";
    QTest::newRow("a match left by quitting") << false << "quit";
    QTest::newRow("a kept match resumed and won") << true << "won";
    QTest::newRow("a kept match given up from the title screen") << true << "new game";
    QTest::newRow("a kept match left on the title screen") << true << "quit";
}

// The match kept for resuming, as the keeper's database holds it once every write asked is done.
std::optional<SavedMatch> keptIn(StatisticsKeeper &keeper)
{
    const std::optional<QByteArray> text =
        keeper.askAndWait<std::optional<QByteArray>>([](StatisticsStore &store) { return store.keptMatch(); });
    return text ? SavedMatch::fromJson(*text) : std::nullopt;
}

// The tracker keeps the running match at every status change, records a decided one once and
// forgets it, counts only a match given up by New Game as abandoned (a kept one under its own
// strength and hinted mark), and leaves a match kept when the game ends.
void TestSavedMatch::trackerKeepsTheRunningMatch()
{
    QFETCH(bool, keptFromEarlier);
    QFETCH(QString, ending);
    QTemporaryDir folder;
    const QString path = folder.filePath("statistics.sqlite");
    ScriptedRandomSource random;
    SavedMatch earlier = matchAfter(GameStatusUserTurn, {{0, 1, 2, 3}, {4, 5, 8, 9}}, {{0, 1, 2, 3}});
    earlier.strength = 2;
    earlier.hinted = true;
    if (keptFromEarlier) {
        StatisticsStore store(path);
        QVERIFY(store.keepMatch(earlier.toJson()));
    }
    auto tracker = std::make_unique<MatchTracker>(random, path);
    StatisticsKeeper *keeper = &tracker->statisticsKeeper();
    // Nothing is offered before the database answers.
    QVERIFY(tracker->resumable().empty());
    bool found = false;
    tracker->findKeptMatch([&found] { found = true; });
    // New Game before the answer waits for it.
    if (ending != "new game")
        QTRY_VERIFY(found);
    QCOMPARE(tracker->newGameNeedsConsent(GameStatusTitle), keptFromEarlier);
    QCOMPARE(tracker->resumable().size(), std::size_t(keptFromEarlier));

    int strength = 1;
    if (keptFromEarlier && ending == "won") {
        const std::optional<SavedMatch> resumed = tracker->resume();
        QVERIFY(resumed && *resumed == earlier);
        QVERIFY(tracker->resumable().empty());
        QVERIFY(!tracker->newGameNeedsConsent(GameStatusTitle));
        strength = 2;
        // Going on, the match is kept again at its next status change.
        SavedMatch next = matchAfter(GameStatusUserResult, {{0, 1, 2, 3}, {4, 5, 8, 9}}, {{0, 1, 2, 3}, {3, 9, 1, 5}});
        tracker->statusChanged({GameStatusUserResult, MatchResultNone, 2, {}}, strength, next);
        const std::optional<SavedMatch> kept = keptIn(*keeper);
        QVERIFY(kept && kept->status == GameStatusUserResult && kept->hinted);
    } else if (!keptFromEarlier) {
        tracker->statusChanged({GameStatusChooseNumbers, MatchResultNone, 0, {}}, strength, std::nullopt);
        QVERIFY(!keptIn(*keeper));
        for (const SavedMatch &now : {matchAfter(GameStatusMacTurn, {}, {}),
                                      matchAfter(GameStatusCheckHitBlow, {{0, 1, 2, 3}}, {}),
                                      matchAfter(GameStatusUserTurn, {{0, 1, 2, 3}}, {})}) {
            const GameStatus status = now.status;
            tracker->statusChanged({status, MatchResultNone, 1, {}}, strength, now);
            const std::optional<SavedMatch> kept = keptIn(*keeper);
            QVERIFY(kept);
            QCOMPARE(kept->status, status);
            // Not hinted in this run: the kept copy says so whatever it was handed.
            QVERIFY(!kept->hinted);
        }
    }

    if (ending == "won") {
        tracker->statusChanged({GameStatusGameOver, MatchResultUserWon, 2, {}}, strength, std::nullopt);
        tracker->statusChanged({GameStatusResultShown, MatchResultUserWon, 2, {}}, strength, std::nullopt);
    } else if (ending == "new game") {
        const GameStatus status = keptFromEarlier ? GameStatusTitle : GameStatusUserTurn;
        tracker->giveUp({status, MatchResultNone, keptFromEarlier ? 0 : 1, {}}, strength);
        tracker->statusChanged({GameStatusChooseNumbers, MatchResultNone, 0, {}}, strength, std::nullopt);
    } else {
        QVERIFY(keptIn(*keeper));
        tracker.reset(); // the game ends; nothing is given up
        tracker = std::make_unique<MatchTracker>(random, path);
        keeper = &tracker->statisticsKeeper();
    }
    QCOMPARE(keptIn(*keeper).has_value(), ending == "quit");
    const std::vector<MatchRecord> matches =
        keeper->askAndWait<std::vector<MatchRecord>>([](StatisticsStore &store) { return store.latest(10); });
    QCOMPARE(matches.size(), std::size_t(ending == "quit" ? 0 : 1));
    if (ending == "quit")
        return;
    QCOMPARE(int(matches.front().result), int(ending == "won" ? MatchOutcome::Won : MatchOutcome::Abandoned));
    QCOMPARE(matches.front().strength, keptFromEarlier ? 2 : 1);
    QCOMPARE(matches.front().hinted, keptFromEarlier);
    QCOMPARE(matches.front().guesses, keptFromEarlier && ending == "new game" ? 1 : (ending == "won" ? 2 : 1));
}

void TestSavedMatch::keptMatchGoesWithItsRecord_data()
{
    QTest::addColumn<QString>("story");
    QTest::addColumn<QString>("keptAfter"); // "", "A" or "B": the match the database keeps at the end
    QTest::addColumn<int>("recorded");
    QTest::newRow("decided") << "keep A, won" << "" << 1;
    QTest::newRow("given up") << "keep A, abandon" << "" << 1;
    QTest::newRow("another game kept its match since") << "keep A, other keeps B, won" << "B" << 1;
    QTest::newRow("a match of an earlier run, given up") << "earlier A, abandon" << "" << 1;
    QTest::newRow("the old file taken in") << "file A" << "A" << 0;
    QTest::newRow("the old file and a newer kept match") << "file A, earlier B" << "B" << 0;
    QTest::newRow("an unreadable old file set aside") << "file garbage" << "" << 0;
}

// Recording a match forgets the match kept for resuming in the same write, and only that match;
// a match-in-progress.json file of earlier versions is taken into the database once.
void TestSavedMatch::keptMatchGoesWithItsRecord()
{
    QFETCH(QString, story);
    QFETCH(QString, keptAfter);
    QFETCH(int, recorded);
    QTemporaryDir folder;
    const QString path = folder.filePath("statistics.sqlite");
    const QString oldFile = SavedMatchFile::besideStatistics(path);
    SavedMatch a = matchAfter(GameStatusUserTurn, {{0, 1, 2, 3}, {4, 5, 8, 9}}, {{0, 1, 2, 3}});
    SavedMatch b = matchAfter(GameStatusMacTurn, {}, {});
    const auto write = [](const QString &name, const QByteArray &text) {
        QFile file(name);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    if (story.contains("file A"))
        QVERIFY(write(oldFile, a.toJson()));
    if (story.contains("file garbage")) {
        QVERIFY(write(oldFile, "{\"version\":"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be read.*kept as"));
    }
    if (story.contains("earlier")) {
        StatisticsStore earlier(path);
        QVERIFY(earlier.keepMatch((story.contains("earlier A") ? a : b).toJson()));
    }

    StatisticsKeeper keeper(path);
    StatisticsKeeper other(path);
    const MatchProgress running{GameStatusUserTurn, MatchResultNone, 1, {}};
    keeper.matchStatusChanged({GameStatusChooseNumbers, MatchResultNone, 0, {}}, 1);
    if (story.contains("earlier A")) {
        const std::vector<KeptMatch> kept = keeper.keptMatchesNow();
        QVERIFY(kept.size() == 1 && kept.front().match == a);
        QVERIFY(keeper.claimKeptMatch(kept.front()));
    }
    if (story.startsWith("keep A"))
        keeper.keepMatch(a);
    if (story.contains("other keeps B")) {
        keeper.waitForWrites();
        other.keepMatch(b);
        other.waitForWrites();
    }
    if (story.endsWith("won"))
        keeper.matchStatusChanged({GameStatusGameOver, MatchResultUserWon, 1, {}}, 1);
    if (story.endsWith("abandon"))
        keeper.abandon(running, 1);

    const std::optional<SavedMatch> kept = keptIn(keeper);
    QCOMPARE(kept.has_value(), !keptAfter.isEmpty());
    if (kept)
        QVERIFY(*kept == (keptAfter == "A" ? a : b));
    QCOMPARE(keeper.askAndWait<int>([](StatisticsStore &store) { return store.matchCount(); }), recorded);
    // The old file is read once: taken in, or set aside when it holds no match.
    QVERIFY(!QFileInfo::exists(oldFile));
    QCOMPARE(QFileInfo::exists(oldFile + ".corrupt"), story.contains("garbage"));
}

void TestSavedMatch::eachGameKeepsItsOwnMatch_data()
{
    // Steps, in turn: "A keeps a" (game A keeps match a in its own row), "A quits", "A wins" (A's
    // match is decided), "A resumes a" (A takes a up; "A fails to resume a": another game took
    // it first), "A lists" (checks what A is offered against listed), "old row a" (a database of
    // version 2 holding a in its one row), "row a of a live process", "row a of a dead process",
    // "row a of a process id used again" (written by hand, each holder as named).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("listed"); // what each list offers, newest first, "-" for nothing
    QTest::addColumn<QString>("rows");   // the matches in saved_match at the end, oldest first
    QTest::newRow("two games quit mid-match: a third is offered both")
        << "A keeps a, B keeps b, C lists, A quits, B quits, D lists" << "- ba" << "a b";
    QTest::newRow("one game still running: only the other's is offered")
        << "A keeps a, B keeps b, B quits, C lists" << "b" << "a b";
    QTest::newRow("a match taken up by one game is offered to no other")
        << "A keeps a, A quits, B lists, C lists, B resumes a, C fails to resume a, D lists" << "a a -" << "a";
    QTest::newRow("a game that resumed and quit offers it again")
        << "A keeps a, A quits, B resumes a, B keeps b, B quits, C lists" << "b" << "b";
    QTest::newRow("a decided match removes only its own row")
        << "A keeps a, B keeps b, A wins, B quits, C lists" << "b" << "b";
    QTest::newRow("a database of the version before: its match is offered, and kept beside")
        << "old row a, A lists, B keeps b, A resumes a, A keeps c, B quits, A quits, C lists" << "a cb" << "b c";
    QTest::newRow("a live process's match is not offered") << "row a of a live process, A lists" << "-" << "a";
    QTest::newRow("a dead process's match is offered") << "row a of a dead process, A lists" << "a" << "a";
    QTest::newRow("a process id used again by another program")
        << "row a of a process id used again, A lists" << "a" << "a";
}

// Each game keeps its match in its own row; the matches no running game holds are offered, newest
// first; one taken up by a game is that game's, and a decided one goes, all others staying.
void TestSavedMatch::eachGameKeepsItsOwnMatch()
{
    QFETCH(QString, steps);
    QFETCH(QString, listed);
    QFETCH(QString, rows);
    QTemporaryDir folder;
    const QString path = folder.filePath("statistics.sqlite");
    std::map<QString, SavedMatch> matches{{"a", matchAfter(GameStatusUserTurn, {{0, 1, 2, 3}}, {})},
                                          {"b", matchAfter(GameStatusMacTurn, {}, {})},
                                          {"c", matchAfter(GameStatusCheckHitBlow, {{0, 1, 2, 3}}, {})}};
    const auto nameOf = [&](const QByteArray &text) {
        const std::optional<SavedMatch> match = SavedMatch::fromJson(text);
        for (const auto &[name, known] : matches) {
            if (match == known)
                return name;
        }
        return QStringLiteral("?");
    };
    std::map<QString, std::unique_ptr<StatisticsKeeper>> games;
    std::map<QString, std::vector<KeptMatch>> offered;
    const auto game = [&](const QString &name) -> StatisticsKeeper & {
        auto &keeper = games[name];
        if (!keeper)
            keeper = std::make_unique<StatisticsKeeper>(path);
        return *keeper;
    };
    const auto rowByHand = [&](const QString &holder) {
        StatisticsStore store(path);
        QVERIFY(store.keepMatch(matches["a"].toJson(), holder));
    };
    QStringList lists;
    for (const QString &step : steps.split(", ")) {
        const QStringList words = step.split(' ');
        const QString who = words.front();
        if (step == "old row a") {
            QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "version 2");
            database.setDatabaseName(path);
            QVERIFY(database.open());
            QSqlQuery query(database);
            QVERIFY(query.exec("PRAGMA user_version = 2"));
            QVERIFY(query.exec("CREATE TABLE saved_match (id INTEGER PRIMARY KEY CHECK (id = 1), match TEXT NOT NULL)"));
            QVERIFY(query.prepare("INSERT INTO saved_match VALUES (1, ?)"));
            query.addBindValue(QString::fromUtf8(matches["a"].toJson()));
            QVERIFY(query.exec());
            query = QSqlQuery();
            database.close();
            database = QSqlDatabase();
            QSqlDatabase::removeDatabase("version 2");
        } else if (step == "row a of a live process") {
            rowByHand(QStringLiteral("%1::1").arg(getppid()));
        } else if (step == "row a of a dead process") {
            const pid_t child = fork();
            if (child == 0)
                _exit(0);
            QCOMPARE(waitpid(child, nullptr, 0), child);
            rowByHand(QStringLiteral("%1::1").arg(child));
        } else if (step == "row a of a process id used again") {
            rowByHand(QStringLiteral("%1:1:1").arg(getppid()));
        } else if (words.at(1) == "keeps") {
            game(who).keepMatch(matches[words.at(2)]);
            game(who).waitForWrites();
        } else if (words.at(1) == "quits") {
            games.erase(who);
        } else if (words.at(1) == "wins") {
            game(who).matchStatusChanged({GameStatusGameOver, MatchResultUserWon, 1, {}}, 1);
            game(who).waitForWrites();
        } else if (words.at(1) == "lists") {
            offered[who] = game(who).keptMatchesNow();
            QStringList names;
            for (const KeptMatch &kept : offered[who])
                names << nameOf(kept.text);
            lists << (names.isEmpty() ? "-" : names.join(""));
        } else {
            if (!offered.count(who))
                offered[who] = game(who).keptMatchesNow();
            const auto kept = std::find_if(offered[who].begin(), offered[who].end(),
                                           [&](const KeptMatch &one) { return nameOf(one.text) == words.back(); });
            QVERIFY2(kept != offered[who].end(), qPrintable(step));
            QCOMPARE(game(who).claimKeptMatch(*kept), words.at(1) == "resumes");
        }
    }
    QCOMPARE(lists.join(' '), listed);
    games.clear();
    StatisticsStore store(path);
    QStringList stored;
    for (const StatisticsStore::KeptRow &row : store.keptMatches([](const QString &) { return false; }))
        stored.prepend(nameOf(row.text));
    QCOMPARE(stored.join(' '), rows);
}

QTEST_GUILESS_MAIN(TestSavedMatch)
#include "tst_savedmatch.moc"
