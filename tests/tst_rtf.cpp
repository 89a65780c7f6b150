// The RTF reader behind the rules box: formatting runs, characters from code
// pages and Unicode escapes, skipped destinations, and broken input.
#include "platform/Rtf.h"
#include "platform/Toolkit.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QString Text(const QByteArray& rtf) {
    QTextDocument doc;
    LoadRtf(&doc, rtf);
    return doc.toPlainText();
}

// The character format of the first fragment that contains `text`.
QTextCharFormat FormatOf(const QTextDocument& doc, const QString& text) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
    return {};
}

QTextBlock BlockWith(const QTextDocument& doc, const QString& text) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text().contains(text))
            return b;
    return {};
}
}  // namespace

class RtfTest : public QObject {
    Q_OBJECT

private slots:
    void generatedRulesDocumentReadsAsText();
    void boldItalicUnderlineRunsAndReset();
    void fontTableAndFontSize();
    void codePageAndUnicodeCharacters();
    void paragraphsLinesTabsAndSymbols();
    void listParagraphWithIndentAndAlignment();
    void destinationsAreSkippedWhole();
    void malformedInputYieldsTheReadableText();
    void nestingBeyondTheCapKeepsTextButNotState();
    void binaryGarbageTerminates();
    void fileLoaderRaisesForMissingFileAndReplacesContent();
    void fifoOrOversizedFileIsRefusedAtOnce();
};

void RtfTest::generatedRulesDocumentReadsAsText() {
    // Our rules document comes out as readable text: no control words, no
    // braces, several paragraphs, some bold headings.
    if (!QFile::exists(QStringLiteral("Pigmentra.rtf")))
        QSKIP("the generated rules document is not in the run folder yet");
    QTextDocument doc;
    LoadRtfFile(&doc, QStringLiteral("Pigmentra.rtf"));
    const QString text = doc.toPlainText();
    QVERIFY(text.size() > 200);
    QVERIFY(!text.contains(QLatin1Char('\\')));
    QVERIFY(!text.contains(QLatin1Char('{')) && !text.contains(QLatin1Char('}')));
    QVERIFY(!text.contains(QStringLiteral("fonttbl")));
    QVERIFY(doc.blockCount() > 3);
    QVERIFY(!text.contains(QChar(QChar::ReplacementCharacter)));
}

void RtfTest::boldItalicUnderlineRunsAndReset() {
    // \b, \i, \ul switch on, \b0, \i0, \ulnone / \ul0 off; a group restores
    // what it changed; \plain resets all.
    QTextDocument doc;
    LoadRtf(&doc,
            "{\\rtf1\\ansi normal {\\b fett} mitte \\i kursiv\\i0  gerade {\\ul unter\\ul0 nicht}"
            " \\ul strich\\ulnone  ohne \\b\\i\\ul alles\\plain  schlicht}");
    QCOMPARE(doc.toPlainText(),
             QStringLiteral("normal fett mitte kursiv gerade unternicht strich ohne alles schlicht"));
    QCOMPARE(FormatOf(doc, QStringLiteral("normal")).fontWeight(), int(QFont::Normal));
    QCOMPARE(FormatOf(doc, QStringLiteral("fett")).fontWeight(), int(QFont::Bold));
    QCOMPARE(FormatOf(doc, QStringLiteral("mitte")).fontWeight(), int(QFont::Normal));
    QVERIFY(FormatOf(doc, QStringLiteral("kursiv")).fontItalic());
    QVERIFY(!FormatOf(doc, QStringLiteral("gerade")).fontItalic());
    QVERIFY(FormatOf(doc, QStringLiteral("unter")).fontUnderline());
    QVERIFY(!FormatOf(doc, QStringLiteral("nicht")).fontUnderline());
    QVERIFY(FormatOf(doc, QStringLiteral("strich")).fontUnderline());
    QVERIFY(!FormatOf(doc, QStringLiteral("ohne")).fontUnderline());
    const QTextCharFormat all = FormatOf(doc, QStringLiteral("alles"));
    QVERIFY(all.fontWeight() == QFont::Bold && all.fontItalic() && all.fontUnderline());
    const QTextCharFormat plain = FormatOf(doc, QStringLiteral("schlicht"));
    QVERIFY(plain.fontWeight() == QFont::Normal && !plain.fontItalic() && !plain.fontUnderline());
}

void RtfTest::fontTableAndFontSize() {
    // \fN picks the family from the font table (\deff when none is given);
    // \fs is in half-points: \fs32 is 16 pt, the default 24 is 12 pt.
    QTextDocument doc;
    LoadRtf(&doc,
            "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman Times New Roman;}"
            "{\\f2\\fmodern Courier New{\\*\\falt Courier};}}"
            "standard \\f0 serifenlos {\\f2\\fs32 gross} \\fs19 klein}");
    QCOMPARE(doc.toPlainText(), QStringLiteral("standard serifenlos gross klein"));
    QCOMPARE(FormatOf(doc, QStringLiteral("standard")).fontFamilies().toStringList(),
             QStringList{QStringLiteral("Times New Roman")});
    QCOMPARE(FormatOf(doc, QStringLiteral("standard")).fontPointSize(), 12.0);
    QCOMPARE(FormatOf(doc, QStringLiteral("serifenlos")).fontFamilies().toStringList(),
             QStringList{QStringLiteral("Arial")});
    QCOMPARE(FormatOf(doc, QStringLiteral("gross")).fontFamilies().toStringList(),
             QStringList{QStringLiteral("Courier New")});
    QCOMPARE(FormatOf(doc, QStringLiteral("gross")).fontPointSize(), 16.0);
    QCOMPARE(FormatOf(doc, QStringLiteral("klein")).fontPointSize(), 9.5);

    // A document of 300 fonts, each used once: the first 16 names are
    // shown, text in any later font keeps its size but takes the default
    // family, so Qt never holds more than 16 families to compare.
    QByteArray many = "{\\rtf1\\ansi\\deff0{\\fonttbl";
    for (int f = 0; f < 300; ++f)
        many += "{\\f" + QByteArray::number(f) + " Font" + QByteArray::number(f) + ";}";
    many += "}";
    for (int f = 0; f < 300; ++f)
        many += "{\\f" + QByteArray::number(f) + "\\fs30 w" + QByteArray::number(f) + "x}";
    many += "}";
    QTextDocument fonts;
    LoadRtf(&fonts, many);
    QSet<QString> families;
    for (const QTextFormat& format : fonts.allFormats())
        for (const QString& family : format.toCharFormat().fontFamilies().toStringList())
            families.insert(family);
    QCOMPARE(families.size(), 16);
    QCOMPARE(FormatOf(fonts, QStringLiteral("w15x")).fontFamilies().toStringList(), QStringList{"Font15"});
    QVERIFY(!FormatOf(fonts, QStringLiteral("w16x")).hasProperty(QTextFormat::FontFamilies));
    QCOMPARE(FormatOf(fonts, QStringLiteral("w299x")).fontPointSize(), 15.0);
}

void RtfTest::codePageAndUnicodeCharacters() {
    // \'xx in the document's code page (1252 by default, 1250 with
    // \ansicpg1250 or a font of character set 238); \uN with its fallback
    // skipped (\ucN characters, a \'xx counts as one); negative N and
    // surrogate pairs.
    QCOMPARE(Text("{\\rtf1\\ansi K\\'e4se, \\'80 5}"), QStringLiteral("Käse, € 5"));
    QCOMPARE(Text("{\\rtf1\\ansi Gr\\u252?n \\u252\\'fc!}"), QStringLiteral("Grün ü!"));
    QCOMPARE(Text("{\\rtf1\\uc2 \\u8364??x \\uc0\\u246 y}"), QStringLiteral("€x öy"));
    QCOMPARE(Text("{\\rtf1\\ansi\\ansicpg1250 \\'f5r \\'fb}"), QStringLiteral("őr ű"));
    QCOMPARE(Text("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238 Arial CE;}}\\f0 t\\'f5}"), QStringLiteral("tő"));
    QCOMPARE(Text("{\\rtf1 \\u-3913?\\u-10179?\\u-8704?}"), QString(QChar(0xF0B7)) + QString::fromUcs4(U"\U0001F600"));
    QCOMPARE(Text("{\\rtf1 a\\u-10179?b}"), QStringLiteral("a\uFFFDb"));  // a lone half of a pair
    QCOMPARE(Text("{\\rtf1 \\uc3{\\u252?}ab}"), QStringLiteral("üab"));   // the group end stops the skip
}

void RtfTest::paragraphsLinesTabsAndSymbols() {
    // \par ends a paragraph, \line breaks the line inside it, \tab is a tab;
    // \\ \{ \} are the characters, \~ a non-breaking space, \- an optional and
    // \_ a non-breaking hyphen. Line ends in the file mean nothing.
    QTextDocument doc;
    LoadRtf(&doc, "{\\rtf1 eins\\par zwei\\line drei\\tab vier\r\n\\par \\\\ \\{x\\} a\\~b c\\-d e\\_f}");
    QCOMPARE(doc.blockCount(), 3);
    QCOMPARE(doc.findBlockByNumber(0).text(), QStringLiteral("eins"));
    QCOMPARE(doc.findBlockByNumber(1).text(), QStringLiteral("zwei\u2028drei\tvier"));
    QCOMPARE(doc.findBlockByNumber(2).text(), QStringLiteral("\\ {x} a\u00A0b c\u00ADd e\u2011f"));
}

void RtfTest::listParagraphWithIndentAndAlignment() {
    // A bullet list as word processors write it: the bullet text in \pntext,
    // the numbering definition in {\*\pn ...}, indents in twips (720 twips =
    // 48 px, −360 = −24 px). \pard resets indent and alignment.
    QTextDocument doc;
    LoadRtf(&doc,
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
            "\\qc Titel\\par\\pard"
            "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}\\li720\\fi-360 Erster Punkt\\par"
            "{\\pntext\\f1\\'b7\\tab}Zweiter Punkt\\par\\pard Schluss}");
    QCOMPARE(doc.blockCount(), 4);
    QCOMPARE(doc.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    const QTextBlock first = BlockWith(doc, QStringLiteral("Erster Punkt"));
    QCOMPARE(first.text(), QStringLiteral("\u00B7\tErster Punkt"));
    QCOMPARE(first.blockFormat().leftMargin(), 48.0);
    QCOMPARE(first.blockFormat().textIndent(), -24.0);
    QCOMPARE(first.blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(BlockWith(doc, QStringLiteral("Zweiter")).blockFormat().leftMargin(), 48.0);
    QCOMPARE(BlockWith(doc, QStringLiteral("Schluss")).blockFormat().leftMargin(), 0.0);
}

void RtfTest::destinationsAreSkippedWhole() {
    // Colour table, style sheet, document info, pictures (hex and \bin),
    // field instructions and any {\* ...} group show nothing; a field's
    // result does show.
    const QString text = Text(
        "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
        "{\\info{\\title Geheim}{\\author Niemand}}{\\*\\generator Schreibzeug 1.0;}"
        "{\\pict\\pngblip 89504e470d0a1a0a}{\\pict\\bin5 }}}}}}{\\*\\unbekannt {verschachtelt} weg}"
        "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt sichtbar}} {\\header Kopf}Rest}");
    QCOMPARE(text, QStringLiteral("sichtbar Rest"));
}

void RtfTest::malformedInputYieldsTheReadableText() {
    // Broken documents end quickly and show the text that could be read.
    const struct {
        QByteArray rtf;
        QString text;
    } cases[] = {
        {"{\\rtf1 {\\b offen", "offen"},                // unclosed groups
        {"}}}}vorne{\\rtf1 hinten}}}", "vornehinten"},  // surplus closing braces
        {"{\\rtf1 ab\\", "ab"},                         // a lone backslash at the end
        {"{\\rtf1 ab\\'", "ab"},                        // a truncated escape
        {"{\\rtf1 ab\\'4", "ab"},
        {"{\\rtf1 a\\'zzb}", "azzb"},  // not hex: nothing for the escape
        {"{\\rtf1 a\\u}", "a"},        // \u without a number
        {"{\\rtf1 a\\u99999999999999999999?b}", "a\uFFFDb"},
        {"{\\rtf1 \\fs99999999999999999 gross\\fs-5  x}", "gross x"},
        {"{\\rtf1 \\uc999999999 \\u65 ABCDEFGHIJK}", "AIJK"},  // the skip is capped at 8
        {"{\\rtf1 \\bin99999999999 abc}", ""},                 // binary data to the end
        {"{\\rtf1 \\bin-5 abc}", "abc"},
        {"{\\rtf1 \\" + QByteArray(100000, 'x') + " ende}", "ende"},  // an endless control word
        {"{\\rtf1 \\b" + QByteArray(100000, '9') + " ende}", "ende"},
        {QByteArrayLiteral("{\\rtf1 a\0b\x01\x7f"
                           "c}"),
         "abc"},  // control characters drop out
        {"Kein RTF, nur Text.", "Kein RTF, nur Text."},
        {"", ""},
    };
    for (const auto& c : cases) {
        QTextDocument doc;
        LoadRtf(&doc, c.rtf);
        QCOMPARE(doc.toPlainText(), c.text);
    }
    QTextDocument doc;
    LoadRtf(&doc, "{\\rtf1 \\fs99999999999999999 riesig}");
    QVERIFY(FormatOf(doc, QStringLiteral("riesig")).fontPointSize() <= 200.0);
    // Indents and tab stops at the ends of the number range are kept within
    // the page, on both sides, and a hanging first line is still laid out.
    LoadRtf(&doc,
            "{\\rtf1 \\li-99999999999\\fi-99999999999\\tx99999999999\\sb-9999999999 a\\tab b\\par"
            "\\li99999999999\\ri99999999999\\fi99999999999\\sa99999999999 c}");
    doc.setTextWidth(223);
    QVERIFY(doc.size().height() >= 0);
    for (const QString& text : {QStringLiteral("a\tb"), QStringLiteral("c")}) {
        const QTextBlockFormat block = BlockWith(doc, text).blockFormat();
        for (qreal measure : {block.leftMargin(), block.rightMargin(), block.textIndent(), block.bottomMargin()})
            QVERIFY2(qAbs(measure) <= 2000.0, qPrintable(QString::number(measure)));
    }
}

void RtfTest::nestingBeyondTheCapKeepsTextButNotState() {
    // 100000 nested groups: the text inside is read. Groups past the depth
    // cap share the state of the deepest kept group, which is restored at its
    // own closing brace.
    QCOMPARE(Text(QByteArray(100000, '{') + "tief" + QByteArray(100000, '}') + "danach"), QStringLiteral("tiefdanach"));
    QTextDocument doc;
    LoadRtf(&doc, QByteArray(300, '{') + "\\b fett" + QByteArray(300, '}') + " normal");
    QCOMPARE(FormatOf(doc, QStringLiteral("fett")).fontWeight(), int(QFont::Bold));
    QCOMPARE(FormatOf(doc, QStringLiteral("normal")).fontWeight(), int(QFont::Normal));
    QTextDocument doc2;
    LoadRtf(&doc2, "{" + QByteArray(300, '{') + "\\b x}" + QByteArray(299, '}') + "y}");
    QCOMPARE(doc2.toPlainText(), QStringLiteral("xy"));
    QCOMPARE(FormatOf(doc2, QStringLiteral("y")).fontWeight(), int(QFont::Normal));
}

void RtfTest::binaryGarbageTerminates() {
    // Random bytes, with and without an RTF header, are read to the end and
    // leave a usable document behind.
    QRandomGenerator random(4711);
    for (int round = 0; round < 20; ++round) {
        QByteArray bytes(64 * 1024, '\0');
        for (char& b : bytes)
            b = char(random.bounded(256));
        if (round % 2)
            bytes.prepend("{\\rtf1\\ansi ");
        QTextDocument doc;
        LoadRtf(&doc, bytes);
        doc.setTextWidth(223);
        QVERIFY(doc.size().height() >= 0);
        LoadRtf(&doc, "{\\rtf1 danach}");
        QCOMPARE(doc.toPlainText(), QStringLiteral("danach"));
    }
}

void RtfTest::fileLoaderRaisesForMissingFileAndReplacesContent() {
    // A missing file is a toolkit failure and leaves the document alone; a
    // file that exists replaces what the document held.
    QTemporaryDir dir;
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("alt"));
    bool raised = false;
    try {
        LoadRtfFile(&doc, dir.filePath(QStringLiteral("fehlt.rtf")));
    } catch (const ToolkitError& e) {
        raised = e.Message().contains(QStringLiteral("fehlt.rtf"));
    }
    QVERIFY(raised);
    QCOMPARE(doc.toPlainText(), QStringLiteral("alt"));

    QFile f(dir.filePath(QStringLiteral("da.rtf")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1 neu}");
    f.close();
    LoadRtfFile(&doc, f.fileName());
    QCOMPARE(doc.toPlainText(), QStringLiteral("neu"));

    // The box on screen gets the document whole, again at every load, in
    // its own font.
    QTextEdit box;
    box.setFont(QFont(QStringLiteral("Arial"), 9));
    box.show();
    LoadRtfFile(&box, f.fileName());
    QCOMPARE(box.toPlainText(), QStringLiteral("neu"));
    QCOMPARE(box.document()->defaultFont(), box.font());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("{\\rtf1 zweite\\par Fassung}");
    f.close();
    LoadRtfFile(&box, f.fileName());
    QCOMPARE(box.toPlainText(), QStringLiteral("zweite\nFassung"));
}

void RtfTest::fifoOrOversizedFileIsRefusedAtOnce() {
    // A FIFO in the document's place is "cannot be read" without waiting for a writer; a file beyond the reader's cap
    // is "too large"; either leaves the box as it was.
    alarm(60);  // a load waiting on the FIFO fails instead of hanging
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.rtf"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0);
    const QString big = dir.filePath(QStringLiteral("big.rtf"));
    QFile f(big);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1 ");
    QVERIFY(f.resize(MaxRtfFileSize + 1));
    f.close();
    QTextEdit box;
    box.setPlainText(QStringLiteral("alt"));
    const auto message = [&box](const QString& file) {
        try {
            LoadRtfFile(&box, file);
        } catch (const ToolkitError& e) {
            return e.Message();
        }
        return QString();
    };
    QCOMPARE(message(fifo), QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(fifo));
    QCOMPARE(message(big), QStringLiteral("Die Datei \"%1\" ist zu groß.").arg(big));
    QCOMPARE(box.toPlainText(), QStringLiteral("alt"));
    alarm(0);
}

QTEST_MAIN(RtfTest)
#include "tst_rtf.moc"
