// SPDX-License-Identifier: GPL-3.0-or-later
// One whole drawing pass of the board late in a long match (the user's turn, fifteen rounds in both
// record columns, three digits typed) into an image, on a standard and on a 2x screen.
#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/ImageLibrary.h"
#include "platform/PainterCanvas.h"
#include "platform/UserDefaults.h"

#include "Fakes.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A match in the user's sixteenth turn. At level 0 and with these draws the computer does not find
// the user's secret within sixteen guesses.
class LongMatch
{
public:
    LongMatch()
        : m_controller(m_fakes.services())
        , m_board(m_fakes.services())
    {
        auto defaults = openUserDefaults();
        defaults->clear();
        defaults->setValue(QStringLiteral("StrengthLevel"), 0);
        defaults->sync();
        m_prefs.awakeFromNib();
        m_controller.setGameBoardView(&m_board);
        m_controller.setPrefWindowController(&m_prefs);
        m_board.setHitBlowController(&m_controller);
        m_board.setPrefWindowController(&m_prefs);
        m_controller.awakeFromNib();
        m_board.resize(640, 480);

        const NumberSet userSecret{0, 1, 2, 8};
        m_fakes.random.queued = {1989};
        m_controller.newGame();
        m_controller.setUserOwnNumbers(userSecret);
        m_controller.setGameStatus(GameStatusMacTurn);
        m_fakes.scheduler.advance(1.0);
        const NumberComparer rules;
        for (int round = 1; round <= 16; ++round) {
            const HitBlowResult score = rules.checkHitsBlowsIn(userSecret, *m_controller.macCurrentAnswer());
            m_controller.setMacCurrentHitsCount(score.hits);
            m_controller.setMacCurrentBlowsCount(score.blows);
            m_controller.setGameStatus(GameStatusUserTurn);
            if (round == 16)
                break;
            m_controller.setUserCurrentAnswer({4, 5, 6, 7});
            m_controller.setGameStatus(GameStatusUserResult);
            m_controller.setGameStatus(GameStatusMacTurn);
        }
        for (const char *digit : {"1", "2", "3"})
            m_board.keyDown(QString::fromLatin1(digit), QString::fromLatin1(digit));
    }

    GameBoardView &board() { return m_board; }
    bool inUserTurn() const { return m_controller.gameStatus() == GameStatusUserTurn; }

private:
    FakeServices m_fakes;
    PrefWindowController m_prefs;
    HitBlowController m_controller;
    GameBoardView m_board;
};

LongMatch &longMatch()
{
    static LongMatch match;
    return match;
}

QImage boardImage(double ratio)
{
    QImage image(QSize(640, 480) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

// drawRect() onto a canvas over a painter, as paintEvent() runs it.
void BM_DrawingPass(benchmark::State &state)
{
    const double ratio = double(state.range(0));
    LongMatch &match = longMatch();
    if (!match.inUserTurn()) {
        state.SkipWithError("the match did not reach the user's turn");
        return;
    }
    const ImageLibrary images;
    QImage image = boardImage(ratio);
    for (auto _ : state) {
        QPainter painter(&image);
        PainterCanvas canvas(painter, match.board().boardTransform(), images);
        match.board().drawRect(canvas);
    }
}
BENCHMARK(BM_DrawingPass)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The whole widget rendered into an image, through Qt's painting of the widget.
void BM_WidgetRender(benchmark::State &state)
{
    const double ratio = double(state.range(0));
    LongMatch &match = longMatch();
    QImage image = boardImage(ratio);
    for (auto _ : state)
        match.board().render(&image);
}
BENCHMARK(BM_WidgetRender)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // Headless, and with settings of its own so that the user's are neither read nor changed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    QApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
