// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardRenderingTest.h"

// The record columns, the candidates display, the pieces' image names and the texts, recorded and
// through a real painter.

void TestBoardRendering::recordColumnsHangFromTheSameTop()
{
    // Three computer guesses, two of them scored, and two user guesses.
    const NumberSet userSecret{7, 2, 0, 9};
    startMatch(userSecret);
    for (int round = 0; round < 2; ++round) {
        scoreMacGuessTruly(userSecret);
        guess(kMissingGuess);
        m_controller->setGameStatus(GameStatusMacTurn);
    }
    QCOMPARE(m_controller->gameStatus(), int(GameStatusCheckHitBlow));

    const RecordingCanvas canvas = pass();
    const QList<CanvasCall> columns = columnCalls(canvas);
    QCOMPARE(columns.size(), 6);
    const QList<double> xs{21, 74, 99, 486, 568, 605};
    const QList<double> sizes{14, 14, 14, 22, 22, 22};
    const QList<int> lineCounts{3, 2, 2, 2, 2, 2};
    for (int c = 0; c < 6; ++c) {
        const CanvasCall &column = columns[c];
        QCOMPARE(column.point.x(), xs[c]);
        QCOMPARE(column.style, (TextStyle{sizes[c], kWhite}));
        QCOMPARE(int(column.name.count('\n')) + 1, lineCounts[c]);
        QCOMPARE(column.point.y() + lineCounts[c] * sizes[c] * 1.2, 450.0);
    }
    QCOMPARE(columns[0].name.section('\n', 0, 0), digitsOf(m_controller->macFormerAnswers().front()));
    QCOMPARE(columns[3].name, QString("4567\n4567"));
    QCOMPARE(columns[4].name, QString("0\n0"));
    QCOMPARE(columns[5].name, QString("1\n1"));
}

void TestBoardRendering::candidatesDisplayOnlyWhenVisibleIsOne_data()
{
    QTest::addColumn<int>("visible");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("shown");
    QTest::newRow("title") << 1 << int(GameStatusTitle) << false;
    QTest::newRow("choosing") << 1 << int(GameStatusChooseNumbers) << false;
    QTest::newRow("computer's turn") << 1 << int(GameStatusMacTurn) << true;
    QTest::newRow("user's score") << 1 << int(GameStatusUserResult) << true;
    QTest::newRow("game over") << 1 << int(GameStatusGameOver) << true;
    QTest::newRow("switched off") << 0 << int(GameStatusCheckHitBlow) << false;
    QTest::newRow("2 is not on") << 2 << int(GameStatusUserTurn) << false;
    QTest::newRow("-1 is not on") << -1 << int(GameStatusUserResult) << false;
}

void TestBoardRendering::candidatesDisplayOnlyWhenVisibleIsOne()
{
    QFETCH(int, visible);
    QFETCH(int, status);
    QFETCH(bool, shown);
    loadSettings({{"CandidatesVisible", visible}});
    playUntil(GameStatus(status));
    const QString count = QString::number(m_controller->restCandidatesCount());

    const RecordingCanvas canvas = pass();
    const QList<CanvasCall> labels = canvas.drawn(localizedString("The Rest Candidates Count"));
    const QList<CanvasCall> counts = canvas.textsAt(QPointF(12, 57));
    QCOMPARE(labels.size(), shown ? 1 : 0);
    QCOMPARE(counts.size(), shown ? 1 : 0);
    // No empty box is left where the count would be.
    QCOMPARE(canvas.drawn("CandidatesBox").size(), shown ? 1 : 0);
    if (shown) {
        QCOMPARE(labels.first().point, QPointF(12, 78));
        QCOMPARE(labels.first().style, (TextStyle{9, kWhite}));
        QCOMPARE(counts.first().name, count);
        QCOMPARE(counts.first().style, (TextStyle{15, kWhite}));
    }
}

void TestBoardRendering::pieceImageNames_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("choosing") << int(GameStatusChooseNumbers) << 3 << "Piece3B";
    QTest::newRow("choosing zero") << int(GameStatusChooseNumbers) << 0 << "Piece0B";
    QTest::newRow("computer's turn") << int(GameStatusMacTurn) << 9 << "Piece9";
    QTest::newRow("checking") << int(GameStatusCheckHitBlow) << 4 << "Piece4";
    QTest::newRow("user's turn") << int(GameStatusUserTurn) << 0 << "Piece0";
    QTest::newRow("user's score") << int(GameStatusUserResult) << 7 << "Piece7";
    QTest::newRow("game over") << int(GameStatusGameOver) << 5 << "Piece5B";
    QTest::newRow("above 9 is hidden") << int(GameStatusUserTurn) << 10 << "PieceBack";
    QTest::newRow("hidden while choosing") << int(GameStatusChooseNumbers) << 42 << "PieceBack";
    QTest::newRow("taken slot") << int(GameStatusChooseNumbers) << -1 << "";
    QTest::newRow("negative") << int(GameStatusGameOver) << -7 << "";
}

void TestBoardRendering::pieceImageNames()
{
    QFETCH(int, status);
    QFETCH(int, number);
    QFETCH(QString, name);
    playUntil(GameStatus(status));
    QCOMPARE(m_board->imageNameFrom(number), name);
}

void TestBoardRendering::recordTexts_data()
{
    QTest::addColumn<std::vector<int>>("numbers");
    QTest::addColumn<std::vector<NumberSet>>("guesses");
    QTest::addColumn<QString>("numbersText");
    QTest::addColumn<QString>("guessesText");
    QTest::newRow("empty") << std::vector<int>{} << std::vector<NumberSet>{} << "" << "";
    QTest::newRow("one") << std::vector<int>{3} << std::vector<NumberSet>{{0, 1, 2, 3}} << "3" << "0123";
    QTest::newRow("several") << std::vector<int>{1, 0, 12} << std::vector<NumberSet>{{1, 2, 3, 4}, {5, 6, 7, 8}}
                             << "1\n0\n12" << "1234\n5678";
}

void TestBoardRendering::recordTexts()
{
    QFETCH(std::vector<int>, numbers);
    QFETCH(std::vector<NumberSet>, guesses);
    QFETCH(QString, numbersText);
    QFETCH(QString, guessesText);
    QCOMPARE(m_board->stringFromNumbersArray(numbers), numbersText);
    QCOMPARE(m_board->stringFromArraysArray(guesses), guessesText);

    // Each number becomes a text with the style the board holds at the call.
    pass();
    const std::vector<StyledText> texts = m_board->stringsArrayFromNumbersArray(numbers);
    QCOMPARE(texts.size(), numbers.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        QCOMPARE(texts[i].text, QString::number(numbers[i]));
        QCOMPARE(texts[i].style, m_board->fontStyle());
    }
}

void TestBoardRendering::textsMeasureInBoardUnits_data()
{
    QTest::addColumn<double>("size");
    QTest::newRow("candidates label") << 9.0;
    QTest::newRow("message") << 14.0;
    QTest::newRow("user records") << 22.0;
    QTest::newRow("guess digits") << 46.0;
    QTest::newRow("result") << 60.0;
}

// Sizes are board units, never points: a point size would make every text a third larger at 96
// dpi and push the sixteenth record line off the board.
void TestBoardRendering::textsMeasureInBoardUnits()
{
    QFETCH(double, size);
    QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const ImageLibrary images;
    PainterCanvas canvas(painter, QTransform(0.1, 0, 0, -0.1, 0, 48), images);

    const QSizeF line = canvas.measureText(StyledText{"0123456789", TextStyle{size, kWhite}});
    QVERIFY2(line.height() >= size && line.height() <= 1.3 * size, qPrintable(QString::number(line.height())));
    QVERIFY(line.width() >= 4 * size && line.width() <= 7 * size);
    QStringList sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen << "0123";
    const QSizeF column = canvas.measureText(StyledText{sixteen.join('\n'), TextStyle{size, kWhite}});
    QVERIFY(column.height() > 15 * line.height() && column.height() < 17 * line.height());
    QCOMPARE(column.width(), canvas.measureText(StyledText{"0123", TextStyle{size, kWhite}}).width());
    if (size == 22.0)
        QVERIFY2(column.height() < 450 - 20, qPrintable(QString::number(column.height())));
    QCOMPARE(canvas.measureText(StyledText{"", TextStyle{size, kWhite}}), QSizeF(0, 0));
}

void TestBoardRendering::shadowFallsBelowTheText()
{
    // A 640 x 480 board at one pixel per unit on white; the text's box stands on y = 200.
    const ImageLibrary images;
    const StyledText text{"Draw", TextStyle{60, kYellow}};
    const TextShadow shadow{QPointF(0, -8), 6, QColor::fromRgbF(0, 0, 0, 0.7f)};
    double boxHeight = 0;
    auto render = [&](const TextShadow &castShadow) {
        QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, QTransform(1, 0, 0, -1, 0, 480), images);
        canvas.drawText(text, QPointF(200, 200), castShadow);
        boxHeight = canvas.measureText(text).height();
        return image;
    };
    const QImage plain = render({});
    const QImage shadowed = render(shadow);
    // Darkening summed over the rows just below the box and just above it.
    auto darkening = [&](int fromY, int toY) {
        qint64 sum = 0;
        for (int y = fromY; y < toY; ++y) {
            for (int x = 150; x < 450; ++x)
                sum += qGray(plain.pixel(x, y)) - qGray(shadowed.pixel(x, y));
        }
        return sum;
    };
    const int boxBottom = 480 - 200;
    const int boxTop = boxBottom - int(boxHeight);
    QVERIFY(darkening(0, boxTop - 4) == 0);
    QVERIFY(darkening(boxBottom - 20, boxBottom + 20) > 1000);
    // The text itself keeps its colour over the shadow.
    int yellowPixels = 0;
    for (int y = boxTop; y < boxBottom; ++y) {
        for (int x = 150; x < 450; ++x)
            yellowPixels += shadowed.pixel(x, y) == QColor(kYellow).rgb();
    }
    QVERIFY(yellowPixels > 100);
}

void TestBoardRendering::paintedBoardShowsTheResult_data()
{
    QTest::addColumn<double>("ratio");
    QTest::newRow("standard screen") << 1.0;
    QTest::newRow("2x screen") << 2.0;
}

void TestBoardRendering::paintedBoardShowsTheResult()
{
    QFETCH(double, ratio);
    playUntil(GameStatusGameOver);
    pass();
    m_fakes->sounds.played.clear();
    QCOMPARE(m_controller->gameStatus(), int(GameStatusResultShown));

    // A window wider than the board: the board is centred, 80 units of dark margin either side.
    m_board->resize(800, 480);
    QImage image(QSize(800, 480) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    m_board->render(&image);
    QCOMPARE(m_controller->gameStatus(), int(GameStatusResultShown));
    QCOMPARE(m_fakes->sounds.played, QStringList());

    const QColor margin = image.pixelColor(QPoint(10, 240) * ratio);
    QVERIFY(margin.lightness() < 60);
    QCOMPARE(image.pixelColor(QPoint(790, 10) * ratio), margin);
    // "You won" in yellow, centred on x = 320 + 80 from y = 220 upwards (widget y 260 downwards).
    int yellowPixels = 0;
    for (int y = int(190 * ratio); y < int(260 * ratio); ++y) {
        for (int x = int(300 * ratio); x < int(500 * ratio); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            yellowPixels += pixel.red() > 240 && pixel.green() > 240 && pixel.blue() < 40;
        }
    }
    QVERIFY2(yellowPixels > 300 * ratio * ratio, qPrintable(QString::number(yellowPixels)));
}
