// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the game's artwork as the board shows it, for looking at the pictures without playing:
// a contact sheet of every image and boards composed as they stand in a few moments of a match.
//
//   render-artwork OUTDIR [SCALE]        (QT_QPA_PLATFORM=offscreen works)
//   render-artwork --timing              prints how long each image takes to render
//
// The boards are mock-ups put together here from the images and texts at the board's positions;
// they show how the artwork carries the texts, not the game's own drawing code.

#include "GameBoardLayout.h"
#include "GameBoardView.h"
#include "platform/ImageLibrary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {

using namespace GameBoardLayout;

constexpr double kBoardWidth = GameBoardView::kBoardWidth;
constexpr double kBoardHeight = GameBoardView::kBoardHeight;

const QStringList &allImageNames()
{
    static const QStringList names = [] {
        QStringList list{"GameBoardB", "GameBoard", "HitBlowLogo", "PieceBack", "OKBtnUp", "OKBtnDown"};
        for (int digit = 0; digit <= 9; ++digit)
            list << QStringLiteral("Piece%1").arg(digit);
        for (int digit = 0; digit <= 9; ++digit)
            list << QStringLiteral("Piece%1B").arg(digit);
        return list;
    }();
    return names;
}

// Draws in board units (origin bottom left, y up) onto an image scale pixels per unit.
class BoardSketch
{
public:
    BoardSketch(const ImageLibrary &images, double scale)
        : m_images(images)
        , m_scale(scale)
        , m_image(QSize(qRound(kBoardWidth * scale), qRound(kBoardHeight * scale)), QImage::Format_ARGB32_Premultiplied)
        , m_painter(&m_image)
    {
        m_image.fill(Qt::black);
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
    }

    void image(const QString &name, double x, double y)
    {
        const QSizeF size = m_images.boardSize(name);
        const QRectF target = toPixels(QRectF(x, y, size.width(), size.height()));
        m_painter.drawPixmap(target.topLeft(), m_images.pixmap(name, target.size().toSize()));
    }

    // The size of the text's box in board units, as tall as all its lines.
    QSizeF measure(const QString &string, double size) const
    {
        const QFontMetricsF metrics(font(size));
        const QStringList lines = string.split(QLatin1Char('\n'));
        double width = 0;
        for (const QString &line : lines)
            width = qMax(width, metrics.horizontalAdvance(line));
        const double height = metrics.height() + (lines.size() - 1) * metrics.lineSpacing();
        return QSizeF(width, height) / m_scale;
    }

    // Text with the lower-left corner of its box at (x, y); centred on x when centred is set.
    void text(const QString &string, double x, double y, double size, QColor colour, bool centred = false,
              bool shadow = false)
    {
        const QSizeF box = measure(string, size) * m_scale;
        const QFontMetricsF metrics(font(size));
        const QStringList lines = string.split(QLatin1Char('\n'));
        const double left = x * m_scale - (centred ? box.width() / 2 : 0);
        const double top = (kBoardHeight - y) * m_scale - box.height();
        m_painter.setFont(font(size));
        if (shadow) {
            m_painter.setPen(QColor(0, 0, 0, 140));
            drawLines(lines, left, top + 8 * m_scale, metrics);
        }
        m_painter.setPen(colour);
        drawLines(lines, left, top, metrics);
    }

    void bar(double x, double y, double width, double height, QColor colour)
    {
        m_painter.fillRect(toPixels(QRectF(x, y, width, height)), colour);
    }

    QImage finish()
    {
        m_painter.end();
        return m_image;
    }

private:
    QFont font(double size) const
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(qMax(1, qRound(size * m_scale)));
        return font;
    }

    QRectF toPixels(const QRectF &board) const
    {
        return QRectF(board.x() * m_scale, (kBoardHeight - board.y() - board.height()) * m_scale,
                      board.width() * m_scale, board.height() * m_scale);
    }

    void drawLines(const QStringList &lines, double left, double top, const QFontMetricsF &metrics)
    {
        for (int i = 0; i < lines.size(); ++i)
            m_painter.drawText(QPointF(left, top + metrics.ascent() + i * metrics.lineSpacing()), lines.at(i));
    }

    const ImageLibrary &m_images;
    double m_scale;
    QImage m_image;
    QPainter m_painter;
};

void records(BoardSketch &board, const QStringList &macGuesses, const QStringList &userGuesses)
{
    QStringList macHits, macBlows, userHits, userBlows;
    for (int i = 0; i < macGuesses.size(); ++i) {
        macHits << QString::number(i % 3);
        macBlows << QString::number((i + 1) % 4);
    }
    for (int i = 0; i < userGuesses.size(); ++i) {
        userHits << QString::number((i + 2) % 3);
        userBlows << QString::number(i % 4);
    }
    const auto hang = [&board](const QStringList &lines, double x, double size) {
        const QString column = lines.join(QLatin1Char('\n'));
        if (!column.isEmpty())
            board.text(column, x, kRecordTop - board.measure(column, size).height(), size, Qt::white);
    };
    const QStringList *columns[6] = {&macGuesses, &macHits, &macBlows, &userGuesses, &userHits, &userBlows};
    for (std::size_t i = 0; i < kRecordColumns.size(); ++i)
        hang(*columns[i], kRecordColumns[i].x, kRecordColumns[i].fontSize);
}

void playingRows(BoardSketch &board, const QList<int> &macRow, const QList<int> &userRow, bool golden)
{
    for (int i = 0; i < 4; ++i) {
        board.image(macRow.isEmpty() ? QStringLiteral("PieceBack")
                                     : QStringLiteral("Piece%1%2").arg(macRow[i]).arg(golden ? "B" : ""),
                    kPieceRowLeft + kPieceSpacing * i, kMacRowY);
        board.image(QStringLiteral("Piece%1%2").arg(userRow[i]).arg(golden ? "B" : ""),
                    kPieceRowLeft + kPieceSpacing * i, kUserRowY);
    }
}

QImage titleBoard(const ImageLibrary &images, double scale)
{
    BoardSketch board(images, scale);
    board.image("GameBoardB", kBoardOrigin.x(), kBoardOrigin.y());
    board.image("HitBlowLogo", kLogoOrigin.x(), kLogoOrigin.y());
    board.text("Version." HITBLOW_VERSION " Copyright (c) The Hit & Blow authors", kTitleMessage.centreX, kTitleMessage.y,
               kTitleMessageFontSize, Qt::white, true);
    return board.finish();
}

QImage choosingBoard(const ImageLibrary &images, double scale)
{
    BoardSketch board(images, scale);
    board.image("GameBoardB", kBoardOrigin.x(), kBoardOrigin.y());
    for (int digit = 0; digit <= 9; ++digit) {
        if (digit != 7 && digit != 2)
            board.image(QStringLiteral("Piece%1B").arg(digit), kChoiceOrigins[digit].x(), kChoiceOrigins[digit].y());
    }
    board.image("Piece7B", kPieceRowLeft, kUserRowY);
    board.image("Piece2B", kPieceRowLeft + kPieceSpacing, kUserRowY);
    board.text("Chose Your Numbers", kChoosingMessage.centreX, kChoosingMessage.y, kMessageFontSize, Qt::white, true);
    return board.finish();
}

QImage userTurnBoard(const ImageLibrary &images, double scale)
{
    BoardSketch board(images, scale);
    board.image("GameBoard", kBoardOrigin.x(), kBoardOrigin.y());
    board.image("OKBtnUp", kOKButtonOrigin.x(), kOKButtonOrigin.y());
    playingRows(board, {}, {7, 2, 9, 4}, false);
    board.bar(kGuessCursor.x() + kDigitSpacing * 2, kGuessCursor.y(), kGuessCursor.width(), kGuessCursor.height(),
              Qt::yellow);
    board.text("5", kGuessDigitsOrigin.x(), kGuessDigitsOrigin.y(), kGuessFontSize, Qt::white);
    board.text("8", kGuessDigitsOrigin.x() + kDigitSpacing, kGuessDigitsOrigin.y(), kGuessFontSize, Qt::white);
    board.text("It's Your Turn", kTurnMessage.centreX, kTurnMessage.y, kMessageFontSize, Qt::white, true);
    records(board, {"0123", "4567", "8051", "2790", "6241"}, {"1234", "5678", "9012", "3401"});
    board.text("The Rest Candidates Count", kCandidatesLabelOrigin.x(), kCandidatesLabelOrigin.y(),
               kCandidatesLabelFontSize, Qt::white);
    board.text("37", kCandidatesCountOrigin.x(), kCandidatesCountOrigin.y(), kCandidatesCountFontSize, Qt::white);
    return board.finish();
}

QImage resultBoard(const ImageLibrary &images, double scale)
{
    BoardSketch board(images, scale);
    board.image("GameBoard", kBoardOrigin.x(), kBoardOrigin.y());
    board.image("OKBtnDown", kOKButtonOrigin.x(), kOKButtonOrigin.y());
    playingRows(board, {3, 6, 0, 8}, {7, 2, 9, 4}, true);
    for (int k = 0; k < 4; ++k)
        board.text(QString::number(QList<int>{3, 6, 0, 8}[k]), kGuessDigitsOrigin.x() + kDigitSpacing * k,
                   kGuessDigitsOrigin.y(), kGuessFontSize, Qt::white);
    board.text("4", kCountsOrigin.x(), kCountsOrigin.y(), kCountsFontSize, Qt::white);
    board.text("0", kCountsOrigin.x() + kDigitSpacing, kCountsOrigin.y(), kCountsFontSize, Qt::white);
    board.text("Result is...", kResultMessageOrigin.x(), kResultMessageOrigin.y(), kMessageFontSize, Qt::white);
    records(board, {"0123", "4567", "8051", "2790", "6241", "7134"},
            {"1234", "5678", "9012", "3401", "6308", "3608"});
    board.text("The Rest Candidates Count", kCandidatesLabelOrigin.x(), kCandidatesLabelOrigin.y(),
               kCandidatesLabelFontSize, Qt::white);
    board.text("12", kCandidatesCountOrigin.x(), kCandidatesCountOrigin.y(), kCandidatesCountFontSize, Qt::white);
    board.text("You won", kResult.centreX, kResult.y, kResultFontSize, Qt::yellow, true, true);
    return board.finish();
}

QImage contactSheet(const ImageLibrary &images, double scale)
{
    const int columns = 10;
    const double cell = 70;
    const int pieceRows = 3;
    const QSize size(qRound(columns * cell * scale), qRound((pieceRows * 90 + 260) * scale));
    QImage sheet(size, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(40, 40, 44));
    QPainter painter(&sheet);
    const auto place = [&](const QString &name, double x, double y, double factor) {
        const QSizeF board = images.boardSize(name) * factor;
        painter.drawPixmap(QPointF(x * scale, y * scale), images.pixmap(name, (board * scale).toSize()));
    };
    for (int digit = 0; digit <= 9; ++digit) {
        place(QStringLiteral("Piece%1").arg(digit), digit * cell + 4, 5, 1);
        place(QStringLiteral("Piece%1B").arg(digit), digit * cell + 4, 95, 1);
    }
    place("PieceBack", 4, 185, 1);
    place("OKBtnUp", cell + 4, 195, 1);
    place("OKBtnDown", 2 * cell + 4, 195, 1);
    place("HitBlowLogo", 3 * cell + 10, 180, 0.55);
    place("GameBoardB", 5, 360, 0.52);
    place("GameBoard", 350, 360, 0.52);
    painter.end();
    return sheet;
}

// The time the first drawing at a new window size pays for each image: the best of a few renders
// at the board's own size and at twice that, as on a HiDPI screen.
void printTimings(const ImageLibrary &images)
{
    for (const QString &name : allImageNames()) {
        std::printf("%-12s", qPrintable(name));
        for (const double scale : {1.0, 2.0}) {
            double best = 1e9;
            for (int i = 0; i < 5; ++i) {
                QElapsedTimer timer;
                timer.start();
                // A size one pixel wider each time, so that the cache does not answer.
                images.pixmap(name, (images.boardSize(name) * scale).toSize() + QSize(i, 0));
                best = std::min(best, timer.nsecsElapsed() / 1e6);
            }
            std::printf("  x%.0f %7.2f ms", scale, best);
        }
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render-artwork OUTDIR [SCALE] | render-artwork --timing\n");
        return 2;
    }
    if (qstrcmp(argv[1], "--timing") == 0) {
        printTimings(ImageLibrary());
        return 0;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "render-artwork: cannot make %s\n", argv[1]);
        return 1;
    }
    const double scale = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 2.0;
    if (scale <= 0 || scale > 8) {
        std::fprintf(stderr, "render-artwork: SCALE must be above 0 and at most 8\n");
        return 2;
    }

    ImageLibrary images;
    int missing = 0;
    for (const QString &name : allImageNames()) {
        if (images.boardSize(name).isEmpty())
            ++missing;
    }
    const struct {
        const char *file;
        QImage image;
    } pictures[] = {
        {"contact-sheet.png", contactSheet(images, scale)},
        {"board-title.png", titleBoard(images, scale)},
        {"board-choosing.png", choosingBoard(images, scale)},
        {"board-your-turn.png", userTurnBoard(images, scale)},
        {"board-result.png", resultBoard(images, scale)},
    };
    for (const auto &picture : pictures) {
        const QString path = out.filePath(QString::fromLatin1(picture.file));
        if (!picture.image.save(path)) {
            std::fprintf(stderr, "render-artwork: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return missing == 0 ? 0 : 1;
}
