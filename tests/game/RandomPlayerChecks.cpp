// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomPlayer.h"

#include "GameWiring.h"
#include "RecordingCanvas.h"

// Opens the real preferences window, changes some of its controls and ends it one of four ways.
void RandomPlayer::changeSettings()
{
    Settings chosen = m_expectedSettings;
    if (chance(0.6))
        chosen.strengthLevel = uniform(0, 3);
    if (chance(0.3))
        chosen.candidatesVisible = uniform(0, 1);
    if (chance(0.3))
        chosen.soundMode = uniform(0, 1);
    if (chance(0.5))
        chosen.autoCheck = uniform(0, 1);
    const int rhythmPosition = uniform(0, 15);
    if (chance(0.5))
        chosen.playingRhythm = 0.25f + 0.25f * float(rhythmPosition);
    static const char *const endings[] = {"okButton", "okButton", "cancelButton", "escape", "close"};
    const QString ending = QLatin1String(endings[uniform(0, 4)]);
    trace(QStringLiteral("preferences: %1, then %2").arg(describe(chosen), ending));
    ++m_tally.dialogs;

    bool reached = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        reached = true;
        dialog->findChild<QComboBox *>(QStringLiteral("levelPopup"))->setCurrentIndex(chosen.strengthLevel);
        const auto check = [dialog](const char *off, const char *on, int row) {
            dialog->findChild<QRadioButton *>(QLatin1String(row == 1 ? on : off))->click();
        };
        check("candidatesHiddenButton", "candidatesShownButton", chosen.candidatesVisible);
        check("soundOffButton", "soundOnButton", chosen.soundMode);
        check("autoCheckOffButton", "autoCheckOnButton", chosen.autoCheck);
        auto *slider = dialog->findChild<QSlider *>(QStringLiteral("rhythmSlider"));
        slider->setValue(int(std::lround((chosen.playingRhythm - 0.25f) / 0.25f)));
        if (ending == QLatin1String("escape"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (ending == QLatin1String("close"))
            dialog->close();
        else
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(ending), Qt::LeftButton);
    });
    // Never left hanging, whatever went wrong above.
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    safety.start(5000);
    m_prefs->showWindow();

    if (!reached)
        return fail(QStringLiteral("the preferences window did not run modally"));
    if (m_prefs->window()->isVisible())
        return fail(QStringLiteral("the preferences window stayed open after ") + ending);
    if (ending == QLatin1String("okButton")) {
        m_expectedSettings = chosen;
        ++m_tally.dialogsTaken;
    }
    const Settings now = settingsOf(*m_prefs);
    if (now != m_expectedSettings)
        fail(QStringLiteral("settings after %1 are %2, expected %3").arg(ending, describe(now), describe(m_expectedSettings)));
}

// Stores the settings as a previous run would have left them; they apply at the next loading.
void RandomPlayer::storeSettings(const Settings &settings)
{
    auto defaults = openUserDefaults();
    defaults->setValue(QStringLiteral("StrengthLevel"), settings.strengthLevel);
    defaults->setValue(QStringLiteral("CandidatesVisible"), settings.candidatesVisible);
    defaults->setValue(QStringLiteral("SoundMode"), settings.soundMode);
    defaults->setValue(QStringLiteral("AutoCheck"), settings.autoCheck);
    defaults->setValue(QStringLiteral("PlayingRhythm"), settings.playingRhythm);
    defaults->sync();
    m_expectedSettings = settings;
}

bool RandomPlayer::settingsSurviveARestart()
{
    m_prefs->applicationWillTerminate();
    PrefWindowController restarted;
    restarted.awakeFromNib();
    if (settingsOf(restarted) == m_expectedSettings)
        return true;
    fail(QStringLiteral("settings after a restart are %1, expected %2")
             .arg(describe(settingsOf(restarted)), describe(m_expectedSettings)));
    return false;
}

// ---- What must hold after every step -----------------------------------------------------------

Before RandomPlayer::snapshot() const
{
    Before before;
    before.match = m_tally.matchesStarted;
    before.status = GameStatus(m_controller->gameStatus());
    before.macAnswers = m_controller->macFormerAnswers().size();
    if (const auto &candidates = m_controller->candidatesArray())
        before.candidates = *candidates;
    before.pendingGuesses = m_fakes.scheduler.pendingCount(m_controller.get(), kAskMacNextAnswer);
    before.pendingPauseEnds = m_fakes.scheduler.pendingCount(m_board.get(), kDidOK);
    before.pendingOKKeys = m_fakes.scheduler.pendingCount(m_board.get(), kUpOKBtn);
    before.heldInput = m_board->heldInputCount();
    before.okKeys = m_okKeys;
    before.releases = m_releases;
    return before;
}

QString RandomPlayer::violatedInvariant(const Before &before, bool drawn)
{
    const HitBlowController &match = *m_controller;
    const int status = match.gameStatus();
    if (status < GameStatusTitle || status > GameStatusResultShown)
        return QStringLiteral("status %1 out of range").arg(status);

    // Settings change only through the dialog's OK, and every pause has a usable length.
    if (settingsOf(*m_prefs) != m_expectedSettings)
        return QStringLiteral("settings changed to %1").arg(describe(settingsOf(*m_prefs)));
    if (!std::isfinite(pause()) || pause() <= 0)
        return QStringLiteral("pause of %1 s").arg(pause());

    if (QString records = violatedMatchRecords(); !records.isEmpty())
        return records;
    if (QString board = violatedBoardState(before); !board.isEmpty())
        return board;

    // The computer guesses at most once a step, always a number it still held as a candidate but
    // at the Expert strength, which may guess any number that narrows the candidates down.
    const std::size_t macAnswers = match.macFormerAnswers().size();
    if (before.match == m_tally.matchesStarted && macAnswers > before.macAnswers) {
        if (macAnswers != before.macAnswers + 1)
            return QStringLiteral("%1 computer guesses in one step").arg(macAnswers - before.macAnswers);
        const NumberSet &guess = match.macFormerAnswers().back();
        if (m_prefs->strengthLevel() != ExpertPlayer::kStrengthLevel
            && std::find(before.candidates.begin(), before.candidates.end(), guess) == before.candidates.end())
            return QStringLiteral("the computer guessed %1, which was no candidate (of %2)")
                .arg(digitsOf(guess)).arg(before.candidates.size());
        ++m_tally.macGuesses;
    }

    // The match moves on only when the user presses OK or one of its own pauses ends.
    if (before.match == m_tally.matchesStarted && status != before.status) {
        const bool okPressed = before.pendingOKKeys > 0 || m_okKeys > before.okKeys || m_releases > before.releases;
        const bool accepted = (before.status == GameStatusCheckHitBlow && status == GameStatusUserTurn)
            || (before.status == GameStatusUserTurn && status >= GameStatusUserResult);
        if (accepted && !okPressed)
            return QStringLiteral("status %1 became %2 without OK").arg(before.status).arg(status);
        if ((before.status == GameStatusUserResult && before.pendingPauseEnds == 0)
            || (before.status == GameStatusMacTurn && before.pendingGuesses == 0))
            return QStringLiteral("status %1 became %2 before its pause ended").arg(before.status).arg(status);
    }

    // The match moves on by itself in the pauses; nothing leaves it stuck.
    if (status == GameStatusMacTurn
        && (match.restCandidatesCount() != 5040 || m_fakes.scheduler.pendingCount(&match, kAskMacNextAnswer) != 1))
        return QStringLiteral("Mac's turn with %1 candidates and %2 pending guesses: the match is stuck")
            .arg(match.restCandidatesCount())
            .arg(m_fakes.scheduler.pendingCount(&match, kAskMacNextAnswer));
    if (drawn && status == GameStatusGameOver)
        return QStringLiteral("the result was drawn but the status stayed 6");
    if (drawn && status == GameStatusUserResult && m_fakes.scheduler.pendingCount(m_board.get(), kDidOK) == 0)
        return QStringLiteral("the user's result was drawn without scheduling the next turn");

    // The result is announced once, with its sound when sounds are on.
    const auto resultSounds = std::count_if(m_fakes.sounds.played.begin(), m_fakes.sounds.played.end(),
                                            [](const QString &s) { return kResultSounds.contains(s); });
    if (resultSounds > 1)
        return QStringLiteral("%1 result sounds in one match").arg(resultSounds);
    if (before.status != GameStatusResultShown && status == GameStatusResultShown) {
        ++m_tally.matchesFinished;
        ++m_tally.results[match.matchResult()];
        if (match.matchResult() == MatchResultDraw && match.userCurrentHitsCount() != 4)
            ++m_tally.drawsBySixteenGuesses;
        if (resultSounds != (m_prefs->soundMode() == 1 ? 1 : 0))
            return QStringLiteral("the result was announced with %1 sounds").arg(resultSounds);
    }
    for (const QString &message : std::as_const(m_fakes.alert.messages)) {
        if (!kAlertMessages.contains(message))
            return QStringLiteral("unexpected alert \"%1\"").arg(message);
    }
    m_tally.refusals += m_fakes.alert.messages.size();
    m_fakes.alert.messages.clear();
    return {};
}

QString RandomPlayer::violatedMatchRecords() const
{
    const HitBlowController &match = *m_controller;
    const int status = match.gameStatus();
    const auto &macAnswers = match.macFormerAnswers();
    const auto &macHits = match.macFormerHitsCount();
    const auto &macBlows = match.macFormerBlowsCount();
    const auto &userAnswers = match.userFormerAnswers();
    const auto &userHits = match.userFormerHitsCount();
    const auto &userBlows = match.userFormerBlowsCount();

    const std::size_t scored = status == GameStatusCheckHitBlow ? macAnswers.size() - 1 : macAnswers.size();
    if (macAnswers.empty() && status == GameStatusCheckHitBlow)
        return QStringLiteral("checking the counts without a computer guess");
    if (macHits.size() != scored || macBlows.size() != scored)
        return QStringLiteral("status %1 with %2 computer guesses, %3 hits and %4 blows")
            .arg(status).arg(macAnswers.size()).arg(macHits.size()).arg(macBlows.size());
    if (userHits.size() != userAnswers.size() || userBlows.size() != userAnswers.size())
        return QStringLiteral("%1 user guesses, %2 hits and %3 blows")
            .arg(userAnswers.size()).arg(userHits.size()).arg(userBlows.size());

    if (status == GameStatusTitle)
        return macAnswers.empty() && userAnswers.empty() ? QString() : QStringLiteral("records on the title screen");
    const auto &candidates = match.candidatesArray();
    if (!candidates || !match.macOwnNumbers())
        return QStringLiteral("a match without candidates or computer's secret");
    if (match.restCandidatesCount() != int(candidates->size()))
        return QStringLiteral("restCandidatesCount %1 for %2 candidates").arg(match.restCandidatesCount()).arg(candidates->size());
    const NumberSet macSecret = *match.macOwnNumbers();
    if (!fourDistinctDigits(macSecret))
        return QStringLiteral("computer's secret %1").arg(digitsOf(macSecret));
    if (match.matchResult() != MatchResultNone && status < GameStatusGameOver)
        return QStringLiteral("result %1 in status %2").arg(match.matchResult()).arg(status);

    if (status == GameStatusChooseNumbers)
        return macAnswers.empty() && userAnswers.empty() && candidates->size() == 5040
            ? QString() : QStringLiteral("a match that has not begun holds records");

    // From here on the user's secret is chosen.
    if (!match.userOwnNumbers())
        return QStringLiteral("status %1 without the user's secret").arg(status);
    const NumberSet userSecret = *match.userOwnNumbers();
    if (!fourDistinctDigits(userSecret) || userSecret != m_board->userNumbers())
        return QStringLiteral("user's secret %1, board shows %2").arg(digitsOf(userSecret), digitsOf(m_board->userNumbers()));

    // Every recorded score is the true one.
    ScriptedRandomSource unused;
    const NumberComparer rules(unused);
    bool macFound = false;
    for (std::size_t i = 0; i < macAnswers.size(); ++i) {
        if (macFound)
            return QStringLiteral("the computer guessed again after it found the number");
        macFound = macAnswers[i] == userSecret;
        if (i < scored && !sameScore(rules.checkHitsBlowsIn(userSecret, macAnswers[i]), macHits[i], macBlows[i]))
            return QStringLiteral("computer's guess %1 recorded as %2 hits %3 blows")
                .arg(digitsOf(macAnswers[i])).arg(macHits[i]).arg(macBlows[i]);
    }
    // Until the computer has found it, the user's secret stays among its candidates.
    if (!macFound && std::find(candidates->begin(), candidates->end(), userSecret) == candidates->end())
        return QStringLiteral("the user's secret %1 was pruned from the candidates (%2 left)")
            .arg(digitsOf(userSecret)).arg(candidates->size());
    for (std::size_t i = 0; i < userAnswers.size(); ++i) {
        if (!fourDistinctDigits(userAnswers[i]))
            return QStringLiteral("user's guess %1 accepted").arg(digitsOf(userAnswers[i]));
        if (!sameScore(rules.checkHitsBlowsIn(macSecret, userAnswers[i]), userHits[i], userBlows[i]))
            return QStringLiteral("user's guess %1 recorded as %2 hits %3 blows")
                .arg(digitsOf(userAnswers[i])).arg(userHits[i]).arg(userBlows[i]);
    }

    // The computer moves first in every round; nobody guesses after the decision.
    if (macAnswers.size() < userAnswers.size() || macAnswers.size() > userAnswers.size() + 1)
        return QStringLiteral("%1 computer guesses against %2 of the user").arg(macAnswers.size()).arg(userAnswers.size());
    if (userAnswers.size() > 16)
        return QStringLiteral("%1 user guesses").arg(userAnswers.size());
    const bool macWon = !macHits.empty() && macHits.back() == 4;
    const bool userWon = !userHits.empty() && userHits.back() == 4;
    const int result = match.matchResult();
    if (status >= GameStatusGameOver) {
        const bool lastRound = macAnswers.size() == userAnswers.size();
        const int expected = macWon ? (userWon ? MatchResultDraw : MatchResultMacWon)
            : userWon ? MatchResultUserWon : userAnswers.size() == 16 ? MatchResultDraw : MatchResultNone;
        if (!lastRound || result != expected || expected == MatchResultNone)
            return QStringLiteral("result %1 after %2 rounds, computer %3, user %4")
                .arg(result).arg(userAnswers.size()).arg(macWon ? "found" : "searching", userWon ? "found" : "searching");
    } else if (status == GameStatusUserResult && (macWon || userWon || userAnswers.size() >= 16)) {
        return QStringLiteral("a decided match is still running");
    }
    return {};
}

QString RandomPlayer::violatedBoardState(const Before &before) const
{
    const GameBoardView &board = *m_board;
    const int status = m_controller->gameStatus();
    const auto &guess = board.currentUserAnswer();
    const auto &counts = board.currenMacHitBlow();
    const int cursor = board.typingIndex();
    if (guess.size() > 4 || counts.size() > 2)
        return QStringLiteral("%1 guess entries and %2 count entries").arg(guess.size()).arg(counts.size());
    for (const auto *list : {&guess, &counts}) {
        for (const StyledText &entry : *list) {
            if (entry.text.size() > 1 || (entry.text.size() == 1 && !entry.text.front().isDigit()))
                return QStringLiteral("typed entry \"%1\"").arg(entry.text);
        }
    }
    const int lastPosition = status == GameStatusCheckHitBlow ? 1 : 3;
    if (cursor < 0 || cursor > lastPosition)
        return QStringLiteral("cursor %1 in status %2").arg(cursor).arg(status);
    const bool fresh = status != before.status && before.heldInput == 0;
    // With the automatic check the true counts stand typed; without it nothing does.
    if (fresh && status == GameStatusCheckHitBlow && m_prefs->autoCheck() != 0) {
        const HitBlowResult truth = NumberComparer().checkHitsBlowsIn(*m_controller->userOwnNumbers(),
                                                                      *m_controller->macCurrentAnswer());
        if (counts.size() != 2 || cursor != 0 || counts[0].value() != truth.hits || counts[1].value() != truth.blows)
            return QStringLiteral("checking the counts began without the true counts typed for the automatic check");
    }
    if (fresh && status == GameStatusCheckHitBlow && m_prefs->autoCheck() == 0 && (!counts.empty() || cursor != 0))
        return QStringLiteral("checking the counts began with %1 counts typed, cursor %2").arg(counts.size()).arg(cursor);
    if (fresh && status == GameStatusUserTurn && (!guess.empty() || cursor != 0))
        return QStringLiteral("the user's turn began with %1 digits typed, cursor %2").arg(guess.size()).arg(cursor);
    if (board.okBtnStatus() != 0 && board.okBtnStatus() != 1)
        return QStringLiteral("okBtnStatus %1").arg(board.okBtnStatus());
    if (board.fontStyle().color != QColor(Qt::white))
        return QStringLiteral("the shared text style was left %1").arg(board.fontStyle().color.name());

    // Each digit is either offered or in exactly one slot; the slots fill from the left.
    const auto &chosen = board.userNumbers();
    for (int digit = 0; digit < 10; ++digit) {
        const auto inSlots = std::count(chosen.begin(), chosen.end(), digit);
        const int rest = board.restChoices()[digit];
        if (!((rest == digit && inSlots == 0) || (rest == -1 && inSlots == 1)))
            return QStringLiteral("digit %1 offered as %2 and in %3 slots").arg(digit).arg(rest).arg(inSlots);
    }
    const auto filled = std::find(chosen.begin(), chosen.end(), -1) - chosen.begin();
    if (std::any_of(chosen.begin() + filled, chosen.end(), [](int d) { return d != -1; }))
        return QStringLiteral("slots %1 are no prefix").arg(digitsOf(chosen));
    if (status == GameStatusChooseNumbers && filled == 4)
        return QStringLiteral("four pieces chosen but still choosing");
    if (status >= GameStatusMacTurn && filled != 4)
        return QStringLiteral("status %1 with %2 pieces chosen").arg(status).arg(filled);
    return {};
}

// ---- A whole match, scripted -------------------------------------------------------------------

void RandomPlayer::startMatch(int strengthLevel, bool autoCheck, bool soundOn)
{
    storeSettings({strengthLevel, 1, int(soundOn), int(autoCheck), 1.0f});
    m_prefs->awakeFromNib();

    newGame();
    for (int digit : {5, 0, 9, 3})
        click(pieceCentre(digit));
}

void RandomPlayer::play(const QString &script)
{
    for (const QString &token : script.split(u' ', Qt::SkipEmptyParts)) {
        if (token == u"ret" || token == u"ent" || token == u"lf")
            ++m_okKeys;
        if (token.size() == 1 && token.front().isDigit()) {
            digitKey(token.toInt());
        } else if (token == u"truth") {
            const HitBlowResult truth = NumberComparer(m_macRandom)
                                            .checkHitsBlowsIn(*m_controller->userOwnNumbers(),
                                                              *m_controller->macCurrentAnswer());
            digitKey(truth.hits);
            digitKey(truth.blows);
        } else if (token == u"ret") {
            QTest::keyClick(m_board.get(), Qt::Key_Return);
        } else if (token == u"ent") {
            QTest::sendKeyEvent(QTest::Click, m_board.get(), Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier);
        } else if (token == u"lf") {
            QTest::sendKeyEvent(QTest::Click, m_board.get(), Qt::Key_J, QStringLiteral("\n"), Qt::ControlModifier);
        } else if (token == u"ok") {
            click(QPointF(364, 287));
        } else if (token.startsWith(u"wait:")) {
            advance(token.mid(5).toDouble());
        } else if (token == u"draw") {
            drawingPass();
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown action ") + token));
        }
    }
}

int RandomPlayer::playScriptedMatch(int strengthLevel, int winningGuess, bool lastChance, bool soundOn)
{
    startMatch(strengthLevel, false, soundOn);
    int userGuesses = 0;
    for (int turns = 0; turns < 100 && m_controller->gameStatus() != GameStatusResultShown; ++turns) {
        const Before before = snapshot();
        switch (m_controller->gameStatus()) {
        case GameStatusMacTurn:
        case GameStatusUserResult:
            drawingPass();
            advance(pause());
            break;
        case GameStatusCheckHitBlow:
            play(QStringLiteral("truth ret wait:0.05"));
            break;
        case GameStatusUserTurn: {
            ++userGuesses;
            const bool finding = userGuesses == winningGuess || (lastChance && m_controller->macCurrentHitsCount() == 4);
            NumberSet guess = *m_controller->macOwnNumbers();
            if (!finding)
                std::rotate(guess.begin(), guess.begin() + 1, guess.end());
            for (int digit : guess)
                digitKey(digit);
            pressOK();
            advance(0.05);
            break;
        }
        default:
            drawingPass();
            break;
        }
        realPaint();
        const QString violated = violatedInvariant(before, true);
        if (!violated.isEmpty()) {
            fail(violated);
            return MatchResultNone;
        }
    }
    return m_controller->gameStatus() == GameStatusResultShown ? m_controller->matchResult() : MatchResultNone;
}

// ---- The test ----------------------------------------------------------------------------------
