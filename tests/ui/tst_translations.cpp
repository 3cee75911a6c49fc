// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoardLayout.h"
#include "GameBoardView.h"
#include "ui/Translations.h"
#include "platform/ImageLibrary.h"
#include "platform/Localization.h"
#include "platform/PainterCanvas.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {
const QStringList kShippedLanguages = {"ja", "de", "fr", "es", "zh_CN"};

const char *const kRightsLine = "© 2026 Hit & Blow developers. Free software under the GPL-3.0-or-later.";
const QString kVersionPrefix = QStringLiteral("Version." HITBLOW_VERSION " ");

// Where each of the game's texts stands on the board, in board units (640 by 480): its font size,
// the point its placement starts from and how it is placed. The texts have to stay clear of the
// record columns on both sides (up to x = 130 on the left, from x = 480 on the right); the
// messages of the computer's and the user's turns stay inside the board's message strip (x = 150
// to 434, less a margin); the title line is alone on the title screen; the caption of the
// candidates count stays inside its box (x = 8 to 150, less a margin).
enum class Placement { Centred, FromLeft };
struct BoardText {
    const char *key;
    double fontSize;
    double x;
    Placement placement;
    double leftLimit;
    double rightLimit;
};
using namespace GameBoardLayout;
const BoardText kBoardTexts[] = {
    {"Chose Your Numbers", kMessageFontSize, kChoosingMessage.centreX, Placement::Centred, 130, 480},
    {"It's Mac's Turn", kMessageFontSize, kTurnMessage.centreX, Placement::Centred, 154, 430},
    {"Check Hit & Blow", kMessageFontSize, kTurnMessage.centreX, Placement::Centred, 154, 430},
    {"It's Your Turn", kMessageFontSize, kTurnMessage.centreX, Placement::Centred, 154, 430},
    {"It's Your Last Chance", kMessageFontSize, kTurnMessage.centreX, Placement::Centred, 154, 430},
    {"Result is...", kMessageFontSize, kResultMessageOrigin.x(), Placement::FromLeft, 130, 480},
    {"The Rest Candidates Count", kCandidatesLabelFontSize, kCandidatesLabelOrigin.x(), Placement::FromLeft, 0, 146},
    {"You lost", kResultFontSize, kResult.centreX, Placement::Centred, 10, 630},
    {"You won", kResultFontSize, kResult.centreX, Placement::Centred, 10, 630},
    {"Draw", kResultFontSize, kResult.centreX, Placement::Centred, 10, 630},
    {kRightsLine, kTitleMessageFontSize, kTitleMessage.centreX, Placement::Centred, 10, 630},
};
// The alerts' messages: shown in a message box, not on the board.
const char *const kAlertTexts[] = {"Your answer is against the rule", "Your decision is wrong"};

// Each language speaks to the player one way throughout: German and Spanish as a friend, French
// politely. A text that takes the other way stands out in the window beside the rest.
bool addressesThePlayerAsTheOthers(const QString &language, const QString &text)
{
    static const QHash<QString, QRegularExpression> otherWay = {
        // "Sie"/"Ihr" after a lower-case word: the polite "you", not "she", "they" or "their".
        {QStringLiteral("de"), QRegularExpression(QStringLiteral("[a-zäöüß,;:] (Sie|Ihr|Ihre|Ihren|Ihrem|Ihrer|Ihres)\\b"))},
        {QStringLiteral("es"), QRegularExpression(QStringLiteral("\\b(usted|ustedes)\\b"))},
        {QStringLiteral("fr"), QRegularExpression(QStringLiteral("\\b(tu|ton|toi|tes)\\b"))},
    };
    const auto rule = otherWay.constFind(language);
    return rule != otherWay.constEnd() && rule->match(text).hasMatch();
}

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<TsMessage> readTsFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<TsMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"context") {
            context.clear();
        } else if (xml.name() == u"name" && context.isEmpty()) {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = TsMessage{context, {}, {}, {}};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << message;
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("%1 at line %2").arg(xml.errorString()).arg(xml.lineNumber());
    return messages;
}

QString tsPath(const QString &language)
{
    return QDir(QStringLiteral(HITBLOW_TRANSLATIONS_DIR)).filePath(QStringLiteral("hitblow_%1.ts").arg(language));
}

// The languages whose translations are built into the program, as "ja", "de", ...
QStringList builtInLanguages()
{
    QStringList languages;
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("hitblow_*.qm")}, QDir::Files);
    for (const QString &file : files)
        languages << file.mid(8, file.size() - 8 - 3);
    return languages;
}

// Every translated text of a compiled translation (.qm). Its messages section (tag 0x69) holds one
// record per message: tagged fields, the translations (tag 3) as UTF-16 with a byte length, ended
// by tag 1. Returns no texts and sets error when the file does not read as such.
QStringList qmTranslations(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    const QByteArray data = file.readAll();
    auto read32 = [&data](qsizetype at) {
        return quint32(quint8(data[at])) << 24 | quint32(quint8(data[at + 1])) << 16
               | quint32(quint8(data[at + 2])) << 8 | quint32(quint8(data[at + 3]));
    };
    QStringList texts;
    qsizetype at = 16; // past the magic number
    while (at + 5 <= data.size()) {
        const quint8 section = quint8(data[at]);
        const qsizetype length = read32(at + 1);
        at += 5;
        if (at + length > data.size())
            break;
        if (section == 0x69) {
            for (qsizetype m = at; m < at + length;) {
                const quint8 tag = quint8(data[m++]);
                if (tag == 1)
                    continue;
                if (tag == 5 || tag == 9) { // obsolete fields of four bytes
                    m += 4;
                    continue;
                }
                if (m + 4 > at + length)
                    break;
                const quint32 size = read32(m);
                m += 4;
                if (size == 0xffffffff)
                    continue;
                if (tag == 3) {
                    QString text;
                    for (quint32 i = 0; i + 1 < size; i += 2)
                        text += QChar(char16_t(quint8(data[m + i]) << 8 | quint8(data[m + i + 1])));
                    texts << text;
                }
                m += size;
            }
        }
        at += length;
    }
    if (texts.isEmpty())
        *error = QStringLiteral("no translations read from %1").arg(path);
    return texts;
}

// Whether Qt draws the character with a real glyph of some installed font: laid out as the board
// lays out its texts, so that fontconfig's fallback fonts count as they do on screen.
bool drawable(char32_t character)
{
    QTextLayout layout(QString::fromUcs4(&character, 1), PainterCanvas::boardFont(14));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty())
        return false;
    for (const QGlyphRun &run : runs) {
        if (run.glyphIndexes().contains(0u))
            return false;
    }
    return true;
}

// The placeholders (%1, %2, ...) a text uses, each once: a plural's forms, read as one text, each
// use them all.
QStringList placeholders(const QString &text)
{
    QStringList found;
    for (qsizetype i = text.indexOf('%'); i >= 0 && i + 1 < text.size(); i = text.indexOf('%', i + 1)) {
        if (text[i + 1].isDigit())
            found << text.mid(i, 2);
    }
    // The plural forms of a message come joined: each names the same placeholders.
    found.removeDuplicates();
    found.sort();
    found.removeDuplicates();
    return found;
}
} // namespace

// Every text of the game in every shipped language: complete in the sources, built into the
// program, found for the user's locale, and short enough for its place on the board.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void sourcesAreComplete_data();
    void sourcesAreComplete();
    void builtInTranslationsCoverEveryGameText_data();
    void builtInTranslationsCoverEveryGameText();
    void textsFitTheirPlaceOnTheBoard_data();
    void textsFitTheirPlaceOnTheBoard();
    void userLocalePicksTheLanguage_data();
    void userLocalePicksTheLanguage();
    void switchingLanguageLeavesNoTextOfTheOldOne();
    void everyBuiltInLanguageIsReadable_data();
    void everyBuiltInLanguageIsReadable();
};

void TestTranslations::sourcesAreComplete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : kShippedLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::sourcesAreComplete()
{
    QFETCH(QString, language);
    QString error;
    const QList<TsMessage> messages = readTsFile(tsPath(language), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList faults;
    QStringList gameKeys;
    for (const TsMessage &message : messages) {
        const QString where = message.context + QStringLiteral(" \"") + message.source + QStringLiteral("\"");
        if (message.type == u"unfinished")
            faults << where + QStringLiteral(": unfinished");
        else if (message.type == u"vanished" || message.type == u"obsolete")
            faults << where + QStringLiteral(": no longer in the code");
        else if (message.translation.trimmed().isEmpty())
            faults << where + QStringLiteral(": empty");
        else if (placeholders(message.translation) != placeholders(message.source))
            faults << where + QStringLiteral(": placeholders differ");
        else if (addressesThePlayerAsTheOthers(language, message.translation))
            faults << where + QStringLiteral(": speaks to the player unlike the other texts");
        if (message.context == QLatin1String(kTranslationContext))
            gameKeys << message.source;
    }
    for (const BoardText &text : kBoardTexts) {
        if (!gameKeys.contains(QString::fromUtf8(text.key)))
            faults << QStringLiteral("missing game text \"%1\"").arg(QString::fromUtf8(text.key));
    }
    for (const char *key : kAlertTexts) {
        if (!gameKeys.contains(QString::fromUtf8(key)))
            faults << QStringLiteral("missing game text \"%1\"").arg(QString::fromUtf8(key));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestTranslations::builtInTranslationsCoverEveryGameText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("key");
    for (const QString &language : kShippedLanguages) {
        for (const BoardText &text : kBoardTexts)
            QTest::addRow("%s: %s", qPrintable(language), text.key) << language << QString::fromUtf8(text.key);
        for (const char *key : kAlertTexts)
            QTest::addRow("%s: %s", qPrintable(language), key) << language << QString::fromUtf8(key);
    }
}

void TestTranslations::builtInTranslationsCoverEveryGameText()
{
    QFETCH(QString, language);
    QFETCH(QString, key);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/hitblow_%1.qm").arg(language)));
    const QString translated = translator.translate(kTranslationContext, key.toUtf8().constData());
    QVERIFY2(!translated.isEmpty(), "no translation built in");
    QVERIFY2(translated != key, qPrintable(translated));
}

void TestTranslations::textsFitTheirPlaceOnTheBoard_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("index");
    for (const QString &language : QStringList{"en"} + kShippedLanguages) {
        for (int i = 0; i < int(std::size(kBoardTexts)); ++i)
            QTest::addRow("%s: %s", qPrintable(language), kBoardTexts[i].key) << language << i;
    }
}

void TestTranslations::textsFitTheirPlaceOnTheBoard()
{
    QFETCH(QString, language);
    QFETCH(int, index);
    const BoardText &place = kBoardTexts[index];
    QTranslator translator;
    QString text = QString::fromUtf8(place.key);
    if (language != u"en") {
        QVERIFY(translator.load(QStringLiteral(":/i18n/hitblow_%1.qm").arg(language)));
        text = translator.translate(kTranslationContext, place.key);
    }
    if (place.key == kRightsLine)
        text.prepend(kVersionPrefix);

    // Measured as the board measures it.
    QImage image(int(GameBoardView::kBoardWidth), int(GameBoardView::kBoardHeight), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const ImageLibrary images;
    PainterCanvas canvas(painter, QTransform(1, 0, 0, -1, 0, 480), images);
    const double width = canvas.measureText(StyledText{text, TextStyle{place.fontSize, Qt::white}}).width();
    QVERIFY(width > 0);

    const double left = place.placement == Placement::Centred ? place.x - width / 2 : place.x;
    const double right = left + width;
    QVERIFY2(left >= place.leftLimit && right <= place.rightLimit,
             qPrintable(QStringLiteral("\"%1\" spans x %2 to %3, room is %4 to %5")
                            .arg(text).arg(left).arg(right).arg(place.leftLimit).arg(place.rightLimit)));
}

void TestTranslations::userLocalePicksTheLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("draw");
    QTest::newRow("German") << "de_DE" << true << "Unentschieden";
    QTest::newRow("German of Austria") << "de_AT" << true << "Unentschieden";
    QTest::newRow("Japanese") << "ja_JP" << true << "引き分け";
    QTest::newRow("French") << "fr_FR" << true << "Match nul";
    QTest::newRow("Spanish") << "es_ES" << true << "Empate";
    QTest::newRow("Simplified Chinese") << "zh_CN" << true << "平局";
    QTest::newRow("Chinese without a country") << "zh" << true << "平局";
    QTest::newRow("Simplified Chinese of Singapore") << "zh_SG" << true << "平局";
    QTest::newRow("Traditional Chinese") << "zh_TW" << false << "Draw";
    QTest::newRow("Traditional Chinese of Hong Kong") << "zh_HK" << false << "Draw";
    QTest::newRow("English") << "en_GB" << false << "Draw";
    QTest::newRow("a language without translation") << "it_IT" << false << "Draw";
    QTest::newRow("the C locale") << "C" << false << "Draw";
}

void TestTranslations::userLocalePicksTheLanguage()
{
    QFETCH(QString, locale);
    QFETCH(bool, found);
    QFETCH(QString, draw);
    Translations translations;
    QCOMPARE(translations.install(QLocale(locale)), found);
    QCOMPARE(localizedString("Draw"), draw);
    // Dates and numbers follow the language of the texts.
    QCOMPARE(QLocale().language(), found ? QLocale(locale).language() : QLocale::English);
}

void TestTranslations::switchingLanguageLeavesNoTextOfTheOldOne()
{
    Translations translations;
    QVERIFY(translations.install(QLocale("ja_JP")));
    QVERIFY(!translations.install(QLocale("it_IT")));
    QCOMPARE(localizedString("You won"), QString("You won"));
    QVERIFY(translations.install(QLocale("de_DE")));
    QVERIFY(localizedString("You won") != QString("You won"));
    {
        Translations other;
    }
    QVERIFY(localizedString("You won") != QString("You won"));
}

void TestTranslations::everyBuiltInLanguageIsReadable_data()
{
    QTest::addColumn<QString>("language");
    const QStringList languages = builtInLanguages();
    QVERIFY(languages.size() >= kShippedLanguages.size());
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

// On a machine set up by tools/install-deps.sh every character of every translation has a glyph
// in some installed font, and Qt's own texts (the standard buttons) speak the language too.
void TestTranslations::everyBuiltInLanguageIsReadable()
{
    QFETCH(QString, language);
    QString error;
    const QStringList texts = qmTranslations(QStringLiteral(":/i18n/hitblow_%1.qm").arg(language), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList faults;
    QSet<char32_t> checked;
    for (const QString &text : texts) {
        for (const char32_t character : text.toUcs4()) {
            if (character < 0x20 || QChar::isSpace(character) || checked.contains(character))
                continue;
            checked.insert(character);
            if (!drawable(character))
                faults << QStringLiteral("U+%1 \"%2\" in \"%3\"")
                              .arg(quint32(character), 4, 16, QLatin1Char('0'))
                              .arg(QString::fromUcs4(&character, 1), text.left(60));
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 characters no installed font draws, as:\n%2")
                                              .arg(faults.size()).arg(faults.mid(0, 8).join('\n'))));

    Translations translations;
    QVERIFY(translations.install(QLocale(language)));
    QDialogButtonBox buttons(QDialogButtonBox::Close);
    QVERIFY2(buttons.button(QDialogButtonBox::Close)->text().remove('&') != u"Close",
             "Qt's own translation is not installed (qt6-translations-l10n)");
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
