// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ImageLibrary.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRectF>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <cstdlib>

namespace {

// The image's board point (x, y), y up from the image's lower edge, as a pixel of the image
// rendered at scale pixels per board unit.
QRgb pixelAt(const QImage &image, double scale, double x, double y)
{
    const int column = qBound(0, int(std::floor(x * scale)), image.width() - 1);
    const int row = qBound(0, int(std::floor(image.height() - y * scale)), image.height() - 1);
    return image.pixel(column, row);
}

// Where a face fails to cover rect (in board units from the image's lower-left corner): the
// first of its corners, taken 2 units inside for the face's rounded edge, and its centre that is
// not solid; an empty string when all are.
QString firstHoleIn(const QImage &image, double scale, const QRectF &rect)
{
    const QRectF inside = rect.adjusted(2, 2, -2, -2);
    for (const QPointF point : {inside.bottomLeft(), inside.bottomRight(), inside.topLeft(), inside.topRight(),
                                inside.center()}) {
        const int alpha = qAlpha(pixelAt(image, scale, point.x(), point.y()));
        if (alpha != 255)
            return QStringLiteral("alpha %1 at (%2, %3)").arg(alpha).arg(point.x()).arg(point.y());
    }
    return {};
}

QImage render(const ImageLibrary &images, const QString &name, double scale)
{
    const QSizeF size = images.boardSize(name) * scale;
    return images.pixmap(name, size.toSize()).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Relative luminance of a colour as the WCAG contrast ratio defines it.
double luminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

// The parts of a WAV file the game relies on.
struct WavInfo {
    QString error;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    QList<qint16> samples;
};

WavInfo readWav(const QByteArray &bytes)
{
    WavInfo info;
    const auto u32 = [&bytes](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const auto u16 = [&bytes](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") {
        info.error = QStringLiteral("not a RIFF WAVE file");
        return info;
    }
    if (u32(4) != quint32(bytes.size() - 8)) {
        info.error = QStringLiteral("RIFF size %1 does not match the file's %2 bytes").arg(u32(4)).arg(bytes.size());
        return info;
    }
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) {
            info.error = QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
            return info;
        }
        if (id == "fmt " && size >= 16) {
            info.format = u16(body);
            info.channels = u16(body + 2);
            info.sampleRate = int(u32(body + 4));
            info.bitsPerSample = u16(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || info.bitsPerSample != 16) {
                info.error = QStringLiteral("data before a 16-bit format chunk");
                return info;
            }
            for (qsizetype i = 0; i + 1 < size; i += 2)
                info.samples.append(qint16(u16(body + i)));
            return info;
        }
        at = body + size + (size & 1);
    }
    info.error = QStringLiteral("no data chunk");
    return info;
}

const QRectF kChoiceHitRect(0, 24, 62, 51);      // relative to a piece's lower-left corner
const QRectF kOkButtonRect(6, 6, 47, 47);        // (341..388, 264..311) drawn from (335, 258)

} // namespace

// The artwork as the board loads it by name, and the sounds it plays.
class TestImageLibrary : public QObject
{
    Q_OBJECT

private slots:
    void everyImageHasItsBoardSize_data();
    void everyImageHasItsBoardSize();
    void missingImageIsEmptyAndReportedOnce();
    void pixmapHasExactlyTheRequestedPixels_data();
    void pixmapHasExactlyTheRequestedPixels();
    void pixmapsAreCachedByNameAndSize();
    void cacheDropsLeastRecentlyDrawnBeyondItsBudget();
    void cacheKeepsTwoScalesAtMost();
    void pieceFaceCoversItsHitRectangle_data();
    void pieceFaceCoversItsHitRectangle();
    void okButtonFaceCoversItsRectangle_data();
    void okButtonFaceCoversItsRectangle();
    void textsReadOnTheBackgrounds_data();
    void textsReadOnTheBackgrounds();
    void everySoundIsAShortCleanWav_data();
    void everySoundIsAShortCleanWav();
};

void TestImageLibrary::everyImageHasItsBoardSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("GameBoardB") << "GameBoardB" << QSizeF(640, 480);
    QTest::newRow("GameBoard") << "GameBoard" << QSizeF(640, 480);
    QTest::newRow("HitBlowLogo") << "HitBlowLogo" << QSizeF(364, 300);
    QTest::newRow("PieceBack") << "PieceBack" << QSizeF(62, 80);
    QTest::newRow("OKBtnUp") << "OKBtnUp" << QSizeF(60, 60);
    QTest::newRow("OKBtnDown") << "OKBtnDown" << QSizeF(60, 60);
    QTest::newRow("CandidatesBox") << "CandidatesBox" << QSizeF(148, 45);
    for (int digit = 0; digit <= 9; ++digit) {
        for (const QString &suffix : {QString(), QStringLiteral("B")}) {
            const QString name = QStringLiteral("Piece%1%2").arg(digit).arg(suffix);
            QTest::newRow(qPrintable(name)) << name << QSizeF(62, 80);
        }
    }
}

void TestImageLibrary::everyImageHasItsBoardSize()
{
    QFETCH(QString, name);
    QFETCH(QSizeF, size);
    // QtSvg reports what it cannot draw as warnings; the artwork gives none.
    QTest::failOnWarning(QRegularExpression(".*"));
    ImageLibrary images;
    QCOMPARE(images.boardSize(name), size);
    QVERIFY(!images.pixmap(name, size.toSize()).isNull());

    // Self-contained shapes only: no words (the images are not translated), no bitmaps or files
    // from elsewhere, no filters, which QtSvg does not draw.
    QFile file(QStringLiteral(":/images/%1.svg").arg(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    for (const char *forbidden : {"<text", "<image", "href", "<filter", "filter=", "<foreignObject", "<style"})
        QVERIFY2(!svg.contains(forbidden), forbidden);
}

void TestImageLibrary::missingImageIsEmptyAndReportedOnce()
{
    ImageLibrary images;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no usable image \"Piece10\""));
    QVERIFY(images.boardSize("Piece10").isEmpty());
    // Asked again in every drawing pass: it stays missing and is not reported again.
    QTest::failOnWarning(QRegularExpression("Piece10"));
    QVERIFY(images.boardSize("Piece10").isEmpty());
    QVERIFY(images.pixmap("Piece10", QSize(62, 80)).isNull());
    // The empty name stands for "draw nothing" and is no fault.
    QTest::failOnWarning(QRegularExpression("no usable image"));
    QVERIFY(images.boardSize(QString()).isEmpty());
    QVERIFY(images.pixmap(QString(), QSize(62, 80)).isNull());
    // A missing image does not spoil the others.
    QCOMPARE(images.boardSize("Piece1"), QSizeF(62, 80));
}

void TestImageLibrary::pixmapHasExactlyTheRequestedPixels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("natural size") << "Piece3" << QSize(62, 80);
    QTest::newRow("uneven scale, one pixel off") << "Piece3" << QSize(93, 121);
    QTest::newRow("double resolution") << "GameBoard" << QSize(1280, 960);
    QTest::newRow("one pixel") << "OKBtnUp" << QSize(1, 1);
    QTest::newRow("stretched") << "HitBlowLogo" << QSize(100, 400);
    QTest::newRow("empty size") << "Piece3" << QSize(0, 80);
    QTest::newRow("negative size") << "Piece3" << QSize(-62, -80);
}

void TestImageLibrary::pixmapHasExactlyTheRequestedPixels()
{
    QFETCH(QString, name);
    QFETCH(QSize, pixels);
    ImageLibrary images;
    const QPixmap pixmap = images.pixmap(name, pixels);
    if (pixels.isEmpty()) {
        QVERIFY(pixmap.isNull());
        return;
    }
    QCOMPARE(pixmap.size(), pixels);
    QCOMPARE(pixmap.devicePixelRatio(), 1.0);
    QVERIFY(pixmap.hasAlphaChannel());
}

void TestImageLibrary::pixmapsAreCachedByNameAndSize()
{
    ImageLibrary images;
    const QPixmap first = images.pixmap("Piece5", QSize(124, 160));
    QCOMPARE(images.pixmap("Piece5", QSize(124, 160)).cacheKey(), first.cacheKey());
    QVERIFY(images.pixmap("Piece5", QSize(125, 160)).cacheKey() != first.cacheKey());
    QVERIFY(images.pixmap("Piece5B", QSize(124, 160)).cacheKey() != first.cacheKey());
    QCOMPARE(images.pixmap("Piece5", QSize(124, 160)).cacheKey(), first.cacheKey());
}

void TestImageLibrary::cacheDropsLeastRecentlyDrawnBeyondItsBudget()
{
    // 200 KB holds a few 124 x 160 pieces (77 KB each) but not ten.
    ImageLibrary images(200);
    const qint64 first = images.pixmap("Piece0", QSize(124, 160)).cacheKey();
    QCOMPARE(images.pixmap("Piece0", QSize(124, 160)).cacheKey(), first);
    for (int digit = 1; digit <= 9; ++digit)
        QVERIFY(!images.pixmap(QStringLiteral("Piece%1").arg(digit), QSize(124, 160)).isNull());
    QVERIFY(images.pixmap("Piece0", QSize(124, 160)).cacheKey() != first);

    // A pixmap larger than the whole budget is still drawn, only not kept.
    const QPixmap board = images.pixmap("GameBoard", QSize(1280, 960));
    QCOMPARE(board.size(), QSize(1280, 960));
}

void TestImageLibrary::cacheKeepsTwoScalesAtMost()
{
    // A window resized again and again: the images of its current size and of the one before stay,
    // those of older sizes go, whatever the budget would still hold.
    ImageLibrary images;
    QHash<int, qint64> piece;
    QHash<int, qint64> board;
    for (int scale : {2, 3}) {
        piece[scale] = images.pixmap("Piece5", QSize(62 * scale, 80 * scale)).cacheKey();
        board[scale] = images.pixmap("GameBoard", QSize(640 * scale, 480 * scale)).cacheKey();
    }
    // Drawn again at scale 2, rounded a pixel either way, which keeps scale 2 the latest.
    QCOMPARE(images.pixmap("Piece5", QSize(124, 160)).cacheKey(), piece[2]);
    QVERIFY(!images.pixmap("Piece5", QSize(125, 161)).isNull());

    images.pixmap("GameBoard", QSize(2560, 1920));
    QCOMPARE(images.pixmap("GameBoard", QSize(1280, 960)).cacheKey(), board[2]);
    QCOMPARE(images.pixmap("Piece5", QSize(124, 160)).cacheKey(), piece[2]);
    QVERIFY(images.pixmap("Piece5", QSize(186, 240)).cacheKey() != piece[3]);
}

void TestImageLibrary::pieceFaceCoversItsHitRectangle_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("PieceBack") << "PieceBack";
    for (int digit = 0; digit <= 9; ++digit) {
        QTest::newRow(qPrintable(QStringLiteral("Piece%1").arg(digit))) << QStringLiteral("Piece%1").arg(digit);
        QTest::newRow(qPrintable(QStringLiteral("Piece%1B").arg(digit))) << QStringLiteral("Piece%1B").arg(digit);
    }
}

void TestImageLibrary::pieceFaceCoversItsHitRectangle()
{
    QFETCH(QString, name);
    ImageLibrary images;
    const double scale = 4;
    const QImage piece = render(images, name, scale);
    QVERIFY(!piece.isNull());
    // A click anywhere in the hit rectangle lands on the piece's face.
    const QString hole = firstHoleIn(piece, scale, kChoiceHitRect);
    QVERIFY2(hole.isEmpty(), qPrintable(hole));
    // The face stands where the hit rectangle is, not lower or higher in the image.
    QVERIFY(qAlpha(pixelAt(piece, scale, 31, 79.5)) < 64);
    QVERIFY(qAlpha(pixelAt(piece, scale, 0.5, 1)) < 64);
}

void TestImageLibrary::okButtonFaceCoversItsRectangle_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("up") << "OKBtnUp";
    QTest::newRow("down") << "OKBtnDown";
}

void TestImageLibrary::okButtonFaceCoversItsRectangle()
{
    QFETCH(QString, name);
    ImageLibrary images;
    const double scale = 4;
    const QImage button = render(images, name, scale);
    const QString hole = firstHoleIn(button, scale, kOkButtonRect);
    QVERIFY2(hole.isEmpty(), qPrintable(hole));
}

void TestImageLibrary::textsReadOnTheBackgrounds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<double>("minimumContrast");
    // White text gets 7:1 over every pixel it may stand on; the red warning of the message line
    // gets 3:1, since pure red is far darker than white.
    const QColor white = Qt::white;
    QTest::newRow("computer's records") << "GameBoard" << QRectF(21, 190, 100, 260) << white << 7.0;
    QTest::newRow("user's records") << "GameBoard" << QRectF(486, 40, 140, 410) << white << 7.0;
    QTest::newRow("message line") << "GameBoard" << QRectF(160, 152, 264, 18) << white << 7.0;
    QTest::newRow("last-chance message") << "GameBoard" << QRectF(160, 152, 264, 18) << QColor(Qt::red) << 3.0;
    QTest::newRow("result message") << "GameBoard" << QRectF(210, 330, 120, 16) << white << 7.0;
    QTest::newRow("guess digits") << "GameBoard" << QRectF(175, 190, 240, 50) << white << 7.0;
    QTest::newRow("counts") << "GameBoard" << QRectF(218, 264, 94, 36) << white << 7.0;
    QTest::newRow("candidates") << "GameBoard" << QRectF(14, 57, 134, 32) << white << 7.0;
    QTest::newRow("title message") << "GameBoardB" << QRectF(180, 90, 280, 12) << white << 7.0;
    QTest::newRow("choosing message") << "GameBoardB" << QRectF(200, 152, 240, 18) << white << 7.0;
}

void TestImageLibrary::textsReadOnTheBackgrounds()
{
    QFETCH(QString, name);
    QFETCH(QRectF, area);
    QFETCH(QColor, text);
    QFETCH(double, minimumContrast);
    ImageLibrary images;
    const QImage background = render(images, name, 1);
    QCOMPARE(background.size(), QSize(640, 480));
    double brightest = 0;
    for (int y = int(area.top()); y < int(area.bottom()); ++y) {
        for (int x = int(area.left()); x < int(area.right()); ++x) {
            const QRgb pixel = pixelAt(background, 1, x + 0.5, y + 0.5);
            QCOMPARE(qAlpha(pixel), 255);
            brightest = qMax(brightest, luminance(pixel));
        }
    }
    const double contrast = (luminance(text.rgb()) + 0.05) / (brightest + 0.05);
    QVERIFY2(contrast >= minimumContrast,
             qPrintable(QStringLiteral("contrast %1:1 below %2:1").arg(contrast).arg(minimumContrast)));
}

void TestImageLibrary::everySoundIsAShortCleanWav_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"piko", "gasa", "gashu", "hoyo", "pikoon2_edited"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestImageLibrary::everySoundIsAShortCleanWav()
{
    QFETCH(QString, name);
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const WavInfo wav = readWav(file.readAll());
    QVERIFY2(wav.error.isEmpty(), qPrintable(wav.error));
    QCOMPARE(wav.format, 1);
    QCOMPARE(wav.channels, 1);
    QCOMPARE(wav.sampleRate, 44100);
    QCOMPARE(wav.bitsPerSample, 16);

    const double seconds = double(wav.samples.size()) / wav.sampleRate;
    QVERIFY2(seconds > 0.02 && seconds < 1.5, qPrintable(QString::number(seconds)));
    int peak = 0;
    for (const qint16 sample : wav.samples)
        peak = qMax(peak, std::abs(int(sample)));
    // Normalised: clearly audible, never clipped.
    QVERIFY2(peak > 32768 / 4 && peak < 32767, qPrintable(QString::number(peak)));
    // Faded in and out: no click where the sound starts or stops.
    QVERIFY(std::abs(int(wav.samples.first())) < 328);
    QVERIFY(std::abs(int(wav.samples.last())) < 328);
}

QTEST_MAIN(TestImageLibrary)
#include "tst_imagelibrary.moc"
