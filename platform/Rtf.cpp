#include "platform/Rtf.h"

#include "platform/DataFiles.h"
#include "platform/Toolkit.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

namespace {

// Groups nested deeper than this still have their text read, but their
// formatting is not kept apart from the enclosing group's.
constexpr int MaxDepth = 256;
// Control words are at most 32 letters; longer runs are read but unknown.
constexpr std::size_t MaxWordLength = 32;
// Beyond this many paragraphs further paragraph marks become line breaks, so
// a flood of them cannot make the document's block list grow without end.
constexpr int MaxBlocks = 10000;
// A paragraph longer than this many characters goes on in a block of its
// own: Qt lays a block out in one go, at a cost that grows faster than the
// block (an endless word took seconds), while blocks are laid out a few at a
// time as the box needs them.
constexpr qsizetype MaxBlockLength = 1000;
// Font names and the number of cached code-page decoders are bounded, too.
constexpr int MaxFontNameLength = 64;
constexpr std::size_t MaxDecoders = 32;
// Qt compares character formats that name a font family one by one (their
// hashes do not tell family lists apart), so each distinct family costs
// every later format a comparison: thousands of fonts took most of a
// minute. The first few families of a document are shown; text in any other
// font is set in the document's default font.
constexpr std::size_t MaxFontFamilies = 16;

struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;  // 12 pt
    int font = -1;        // -1: the document's default font
    bool operator==(const CharProps& o) const {
        return bold == o.bold && italic == o.italic && underline == o.underline && halfPoints == o.halfPoints &&
               font == o.font;
    }
    bool operator!=(const CharProps& o) const { return !(*this == o); }
};

// Indents and spacing in twips (1/1440 inch).
struct ParaProps {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    std::vector<int> tabs;  // tab stops from the paragraph's left edge
};

enum class Dest { Text, FontTable, Skip };

struct Group {
    CharProps chr;
    ParaProps para;
    int uc = 1;  // characters of fallback text after each \u
    Dest dest = Dest::Text;
};

struct FontEntry {
    QString name;
    int codePage = 0;  // 0: the document's code page
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Paragraph measures are kept within about 53 cm either way when they are
// read, so sums and negations of them cannot overflow.
constexpr int MaxTwips = 30000;
int saneTwips(int twips) { return std::clamp(twips, -MaxTwips, MaxTwips); }

// Twips to pixels at 96 dots per inch.
qreal twipsToPixels(int twips) { return saneTwips(twips) / 15.0; }

// The code page that goes with a font's character set; 0 and 1 (ANSI and
// default) leave the document's own code page in force.
int charsetCodePage(int charset) {
    switch (charset) {
        case 77: return 10000;
        case 128: return 932;
        case 129: return 949;
        case 134: return 936;
        case 136: return 950;
        case 161: return 1253;
        case 162: return 1254;
        case 163: return 1258;
        case 177: return 1255;
        case 178: return 1256;
        case 186: return 1257;
        case 204: return 1251;
        case 222: return 874;
        case 238: return 1250;
        case 255: return 437;
        default: return 0;
    }
}

QByteArray codecName(int codePage) {
    switch (codePage) {
        case 437: return "IBM437";
        case 850: return "IBM850";
        case 932: return "Shift_JIS";
        case 936: return "GBK";
        case 949: return "windows-949";
        case 950: return "Big5";
        case 10000: return "macintosh";
        case 20866: return "KOI8-R";
        case 28591: return "ISO-8859-1";
        case 65001: return "UTF-8";
        default: return "windows-" + QByteArray::number(codePage);
    }
}

class RtfReader {
public:
    RtfReader(QTextDocument* doc, const QByteArray& rtf)
        : data_(rtf.constData()), size_(std::size_t(rtf.size())), cursor_(doc) {
        stack_.reserve(MaxDepth + 1);
        stack_.emplace_back();
    }

    void Run() {
        // One edit: the document tells its listeners once, not at every insertion.
        cursor_.beginEditBlock();
        while (pos_ < size_) {
            const char c = data_[pos_++];
            switch (c) {
                case '{': openGroup(); break;
                case '}': closeGroup(); break;
                case '\\': readControl(); break;
                case '\r':
                case '\n': break;  // line ends in the file carry no meaning
                default: textByte(static_cast<unsigned char>(c)); break;
            }
        }
        flushBytes();
        flushText();
        cursor_.setBlockFormat(blockFormat(top().para));
        cursor_.endEditBlock();
    }

private:
    Group& top() { return stack_.back(); }

    void openGroup() {
        skip_ = 0;
        flushBytes();
        if (int(stack_.size()) > MaxDepth) {
            ++overflow_;
            return;
        }
        stack_.push_back(stack_.back());
    }

    void closeGroup() {
        skip_ = 0;
        flushBytes();
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (top().dest == Dest::FontTable)
            commitFont();
        if (stack_.size() > 1)  // a surplus closing brace is ignored
            stack_.pop_back();
    }

    // One byte of text (or a literal character from an escape).
    void textByte(unsigned char b) {
        if (skip_ > 0) {
            --skip_;
            return;
        }
        switch (top().dest) {
            case Dest::Skip: return;
            case Dest::FontTable:
                if (b == ';')
                    commitFont();
                else if (b >= 0x20 && fontName_.size() < MaxFontNameLength)
                    fontName_ += QChar(b);  // font names are read as Latin-1
                return;
            case Dest::Text:
                if (b == '\t') {
                    flushBytes();
                    appendChar(u'\t');
                } else if (b >= 0x20 && b != 0x7F) {
                    bytes_.append(char(b));  // decoded in the code page at the next break
                }
                return;
        }
    }

    void readControl() {
        if (pos_ >= size_)
            return;  // a lone backslash at the very end
        const char c = data_[pos_];
        if (!isLetter(c)) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < size_ && isLetter(data_[pos_]))
            ++pos_;
        const std::string_view word(data_ + start, std::min(pos_ - start, MaxWordLength + 1));
        bool hasParam = false;
        bool negative = false;
        std::int64_t value = 0;
        if (pos_ + 1 < size_ && data_[pos_] == '-' && isDigit(data_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < size_ && isDigit(data_[pos_])) {
            hasParam = true;
            if (value < 10000000000LL)  // huge numbers saturate
                value = value * 10 + (data_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < size_ && data_[pos_] == ' ')
            ++pos_;  // the delimiting blank belongs to the control word
        if (negative)
            value = -value;
        value = std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX);
        controlWord(word, hasParam, int(value));
    }

    void controlSymbol(char c) {
        if (c == '\'') {
            hexByte();
            return;
        }
        flushBytes();
        switch (c) {
            case '\\':
            case '{':
            case '}': textByte(static_cast<unsigned char>(c)); return;
            case '*': top().dest = Dest::Skip; return;  // an optional destination: not ours
            default: break;
        }
        if (skip_ > 0) {
            --skip_;
            return;
        }
        if (top().dest != Dest::Text)
            return;
        switch (c) {
            case '~': appendChar(u'\u00A0'); break;  // non-breaking space
            case '-': appendChar(u'\u00AD'); break;  // optional hyphen
            case '_': appendChar(u'\u2011'); break;  // non-breaking hyphen
            case '\r':
            case '\n': paragraph(); break;  // a backslash before a line end ends the paragraph
            default: break;
        }
    }

    void hexByte() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < size_) {
            const int h = hexValue(data_[pos_]);
            if (h < 0)
                break;
            value = value * 16 + h;
            ++digits;
            ++pos_;
        }
        if (digits < 2)
            return;  // a truncated escape shows nothing
        if (skip_ > 0) {
            --skip_;
            return;
        }
        if (top().dest == Dest::Text)
            bytes_.append(char(value));
        else if (top().dest == Dest::FontTable && fontName_.size() < MaxFontNameLength)
            fontName_ += QChar(value);
    }

    void controlWord(std::string_view w, bool hasParam, int param) {
        if (w == "bin") {
            // Binary data: skipped byte for byte, never read as RTF.
            flushBytes();
            if (hasParam && param > 0)
                pos_ += std::min<std::size_t>(std::size_t(param), size_ - pos_);
            if (skip_ > 0)
                --skip_;
            return;
        }
        if (skip_ > 0) {
            --skip_;
            return;
        }
        flushBytes();
        Group& g = top();
        if (isSkippedDestination(w)) {
            g.dest = Dest::Skip;
            return;
        }
        if (w == "u") {
            if (hasParam)
                unicode(param);
            skip_ = g.uc;
            return;
        }
        if (w == "uc") {
            g.uc = hasParam ? std::clamp(param, 0, 8) : 1;
            return;
        }
        if (g.dest == Dest::Skip)
            return;
        if (w == "fonttbl") {
            g.dest = Dest::FontTable;
            fontIndex_ = -1;
            fontName_.clear();
            return;
        }
        if (g.dest == Dest::FontTable) {
            if (w == "f" && hasParam) {
                fontIndex_ = param;
                fontCodePage_ = 0;
                fontName_.clear();
            } else if (w == "fcharset" && hasParam) {
                fontCodePage_ = charsetCodePage(param);
            } else if (w == "cpg" && hasParam) {
                fontCodePage_ = param;
            }
            return;
        }
        textWord(g, w, hasParam, param);
    }

    // Control words of the document's body.
    void textWord(Group& g, std::string_view w, bool hasParam, int param) {
        const bool on = !hasParam || param != 0;
        if (w == "par" || w == "sect" || w == "page" || w == "row")
            paragraph();
        else if (w == "line")
            appendChar(u'\u2028');
        else if (w == "tab" || w == "cell")
            appendChar(u'\t');
        else if (w == "b")
            g.chr.bold = on;
        else if (w == "i")
            g.chr.italic = on;
        else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "ulth" || w == "uldash")
            g.chr.underline = on;
        else if (w == "ulnone")
            g.chr.underline = false;
        else if (w == "fs") {
            if (hasParam && param > 0)
                g.chr.halfPoints = std::clamp(param, 2, 400);  // 1 to 200 points
        } else if (w == "f") {
            if (hasParam)
                g.chr.font = param;
        } else if (w == "plain") {
            g.chr = CharProps();
        } else if (w == "pard") {
            g.para = ParaProps();
        } else if (w == "ql") {
            g.para.align = Qt::AlignLeft;
        } else if (w == "qc") {
            g.para.align = Qt::AlignHCenter;
        } else if (w == "qr") {
            g.para.align = Qt::AlignRight;
        } else if (w == "qj") {
            g.para.align = Qt::AlignJustify;
        } else if (w == "li") {
            g.para.left = saneTwips(param);
        } else if (w == "ri") {
            g.para.right = saneTwips(param);
        } else if (w == "fi") {
            g.para.first = saneTwips(param);
        } else if (w == "tx") {
            if (hasParam && param > 0 && g.para.tabs.size() < 64)
                g.para.tabs.push_back(saneTwips(param));
        } else if (w == "sb") {
            g.para.before = saneTwips(param);
        } else if (w == "sa") {
            g.para.after = saneTwips(param);
        } else if (w == "deff") {
            if (hasParam)
                defaultFont_ = param;
        } else if (w == "ansicpg") {
            if (hasParam)
                codePage_ = param;
        } else if (w == "ansi") {
            codePage_ = 1252;
        } else if (w == "mac") {
            codePage_ = 10000;
        } else if (w == "pc") {
            codePage_ = 437;
        } else if (w == "pca") {
            codePage_ = 850;
        } else if (w == "emdash") {
            appendChar(u'\u2014');
        } else if (w == "endash") {
            appendChar(u'\u2013');
        } else if (w == "bullet") {
            appendChar(u'\u2022');
        } else if (w == "lquote") {
            appendChar(u'\u2018');
        } else if (w == "rquote") {
            appendChar(u'\u2019');
        } else if (w == "ldblquote") {
            appendChar(u'\u201C');
        } else if (w == "rdblquote") {
            appendChar(u'\u201D');
        } else if (w == "emspace") {
            appendChar(u'\u2003');
        } else if (w == "enspace") {
            appendChar(u'\u2002');
        }
        // every other control word is ignored
    }

    static bool isSkippedDestination(std::string_view w) {
        static constexpr std::string_view skipped[] = {
            "colortbl",
            "stylesheet",
            "info",
            "pict",
            "object",
            "header",
            "headerl",
            "headerr",
            "headerf",
            "footer",
            "footerl",
            "footerr",
            "footerf",
            "footnote",
            "fldinst",
            "themedata",
            "datastore",
            "latentstyles",
            "listtable",
            "listoverridetable",
            "rsidtbl",
            "generator",
            "xmlnstbl",
            "filetbl",
            "revtbl",
            "pgdsctbl",
            "pn",
            "pntxta",
            "pntxtb",
            "xe",
            "tc",
            "txe",
            "annotation",
            "atnid",
            "nonshppict",
            "shpinst",
            "template",
            "userprops",
            "docvar",
            "mmathPr",
            "colorschememapping",
            "fchars",
            "lchars",
            "wgrffmtfilter",
            "background",
            "private",
            "bkmkstart",
            "bkmkend",
        };
        return std::find(std::begin(skipped), std::end(skipped), w) != std::end(skipped);
    }

    void unicode(int value) {
        if (value < 0)
            value += 65536;
        const char16_t unit = (value < 0 || value > 0xFFFF) ? u'\uFFFD' : char16_t(value);
        if (top().dest == Dest::Text)
            appendChar(unit);
        else if (top().dest == Dest::FontTable && fontName_.size() < MaxFontNameLength)
            fontName_ += QChar(unit);
    }

    void commitFont() {
        const QString name = fontName_.trimmed();
        if (fontIndex_ >= 0 && !name.isEmpty())
            fonts_[fontIndex_] = FontEntry{name, fontCodePage_};
        ++fontsVersion_;
        fontName_.clear();
    }

    void paragraph() {
        if (top().dest != Dest::Text)
            return;
        if (blocks_ >= MaxBlocks) {
            appendChar(u'\u2028');
            return;
        }
        flushText();
        cursor_.setBlockFormat(blockFormat(top().para));
        cursor_.insertBlock(blockFormat(top().para), charFormat(top().chr));
        ++blocks_;
        blockLength_ = 0;
    }

    void appendChar(char16_t c) {
        const CharProps& props = top().chr;
        if (!text_.isEmpty() && textProps_ != props)
            flushText();
        if (text_.isEmpty())
            textProps_ = props;
        text_ += QChar(c);
    }

    // Decodes the pending code-page bytes into text.
    void flushBytes() {
        if (bytes_.isEmpty())
            return;
        const QString decoded = decode(bytes_);
        bytes_.clear();
        for (QChar c : decoded)
            appendChar(c.unicode());
    }

    QString decode(const QByteArray& bytes) {
        int codePage = codePage_;
        const int font = top().chr.font >= 0 ? top().chr.font : defaultFont_;
        const auto entry = fonts_.find(font);
        if (entry != fonts_.end() && entry->second.codePage != 0)
            codePage = entry->second.codePage;
        auto it = decoders_.find(codePage);
        if (it == decoders_.end()) {
            if (decoders_.size() >= MaxDecoders)
                return QString::fromLatin1(bytes);
            auto decoder =
                std::make_unique<QStringDecoder>(codecName(codePage).constData(), QStringDecoder::Flag::Stateless);
            it = decoders_.emplace(codePage, decoder->isValid() ? std::move(decoder) : nullptr).first;
        }
        if (!it->second)
            return QString::fromLatin1(bytes);
        return it->second->decode(bytes);
    }

    // Writes the collected run into the document, dropping control
    // characters and lone halves of surrogate pairs.
    void flushText() {
        if (text_.isEmpty())
            return;
        QString clean;
        clean.reserve(text_.size());
        for (qsizetype i = 0; i < text_.size(); ++i) {
            const QChar c = text_.at(i);
            if (c.isHighSurrogate() && i + 1 < text_.size() && text_.at(i + 1).isLowSurrogate()) {
                clean += c;
                clean += text_.at(++i);
            } else if (c.isSurrogate()) {
                clean += QChar(QChar::ReplacementCharacter);
            } else if (c.unicode() >= 0x20 || c == u'\t') {
                clean += c;
            }
        }
        text_.clear();
        if (!clean.isEmpty())
            insertRun(clean);
    }

    // Inserts a run of text, going on in a new block (same paragraph format,
    // no first-line indent or space before) whenever the block reaches
    // MaxBlockLength, after a blank near the end where there is one.
    void insertRun(const QString& run) {
        const QTextCharFormat format = charFormat(textProps_);
        for (qsizetype at = 0; at < run.size();) {
            qsizetype take = std::min(run.size() - at, MaxBlockLength - blockLength_);
            if (take > 0 && at + take < run.size()) {
                const qsizetype window = std::min<qsizetype>(take, 100);
                const qsizetype blank = QStringView(run).mid(at + take - window, window).lastIndexOf(u' ');
                if (blank >= 0)
                    take = take - window + blank + 1;
                else if (run.at(at + take - 1).isHighSurrogate())
                    --take;  // a pair stays whole
            }
            if (take > 0) {
                cursor_.insertText(run.mid(at, take), format);
                blockLength_ += take;
                at += take;
            }
            if (at < run.size()) {
                QTextBlockFormat continued = blockFormat(top().para);
                continued.setTextIndent(0);
                continued.setTopMargin(0);
                cursor_.insertBlock(continued, format);
                blockLength_ = 0;
            }
        }
    }

    QTextCharFormat charFormat(const CharProps& props) const {
        // The last format made is kept: runs and paragraphs mostly repeat it.
        if (cachedValid_ && cachedProps_ == props && cachedDefaultFont_ == defaultFont_ &&
            cachedFontsVersion_ == fontsVersion_)
            return cachedFormat_;
        cachedFormat_ = makeCharFormat(props);
        cachedProps_ = props;
        cachedDefaultFont_ = defaultFont_;
        cachedFontsVersion_ = fontsVersion_;
        cachedValid_ = true;
        return cachedFormat_;
    }

    QTextCharFormat makeCharFormat(const CharProps& props) const {
        QTextCharFormat f;
        f.setFontWeight(props.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(props.italic);
        f.setFontUnderline(props.underline);
        f.setFontPointSize(props.halfPoints / 2.0);
        const auto entry = fonts_.find(props.font >= 0 ? props.font : defaultFont_);
        if (entry != fonts_.end()) {
            const QString& family = entry->second.name;
            if (familiesShown_.count(family) || familiesShown_.size() < MaxFontFamilies) {
                familiesShown_.insert(family);
                f.setFontFamilies(QStringList{family});
            }
        }
        return f;
    }

    static QTextBlockFormat blockFormat(const ParaProps& p) {
        QTextBlockFormat f;
        f.setAlignment(p.align);
        f.setLeftMargin(twipsToPixels(p.left));
        f.setRightMargin(twipsToPixels(p.right));
        f.setTextIndent(twipsToPixels(p.first));
        // The layout counts tab stops from where the first line starts (the
        // left indent plus the first-line indent). A hanging first line (a
        // bullet, then a tab) tabs to the left indent itself when no stop
        // lies before it, so its text lines up with the lines below.
        const int lineStart = p.left + std::min(p.first, 0);
        QList<QTextOption::Tab> tabs;
        if (p.first < 0)
            tabs.append(QTextOption::Tab(twipsToPixels(-p.first), QTextOption::LeftTab));
        for (int stop : p.tabs)
            if (stop - lineStart > (p.first < 0 ? -p.first : 0))
                tabs.append(QTextOption::Tab(twipsToPixels(stop - lineStart), QTextOption::LeftTab));
        if (!tabs.isEmpty())
            f.setTabPositions(tabs);
        f.setTopMargin(twipsToPixels(std::max(p.before, 0)));
        f.setBottomMargin(twipsToPixels(std::max(p.after, 0)));
        return f;
    }

    const char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    QTextCursor cursor_;

    std::vector<Group> stack_;
    int overflow_ = 0;  // groups opened beyond MaxDepth
    int skip_ = 0;      // fallback characters still to skip after \u
    int blocks_ = 0;
    qsizetype blockLength_ = 0;  // characters in the current block

    // The last character format made (see charFormat).
    int fontsVersion_ = 0;
    mutable bool cachedValid_ = false;
    mutable CharProps cachedProps_;
    mutable int cachedDefaultFont_ = 0;
    mutable int cachedFontsVersion_ = 0;
    mutable QTextCharFormat cachedFormat_;

    QByteArray bytes_;  // code-page bytes not yet decoded
    QString text_;      // the current run of equally formatted text
    CharProps textProps_;

    std::map<int, FontEntry> fonts_;
    mutable std::set<QString> familiesShown_;  // handed to Qt, at most MaxFontFamilies
    int defaultFont_ = 0;
    int fontIndex_ = -1;
    int fontCodePage_ = 0;
    QString fontName_;

    int codePage_ = 1252;
    std::map<int, std::unique_ptr<QStringDecoder>> decoders_;
};

}  // namespace

void LoadRtf(QTextDocument* doc, const QByteArray& rtf) {
    // The box is read-only: keeping an undo history of the load would only
    // double the memory.
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    // Laid out once when the whole text is in, not after every insertion.
    const bool layout = doc->isLayoutEnabled();
    doc->setLayoutEnabled(false);
    RtfReader(doc, rtf).Run();
    doc->setLayoutEnabled(layout);
    doc->setUndoRedoEnabled(undo);
}

namespace {
QByteArray ReadRtfFile(const QString& fileName) {
    QFile file;
    OpenDataFile(file, fileName);
    if (file.size() > MaxRtfFileSize)
        RaiseFileError(fileName, FileProblem::TooLarge);
    const QByteArray data = file.read(MaxRtfFileSize + 1);
    if (data.size() > MaxRtfFileSize)
        RaiseFileError(fileName, FileProblem::TooLarge);
    return data;
}
}  // namespace

void LoadRtfFile(QTextDocument* doc, const QString& fileName) { LoadRtf(doc, ReadRtfFile(fileName)); }

void LoadRtfFile(QTextEdit* box, const QString& fileName) {
    const QByteArray data = ReadRtfFile(fileName);
    // Built in a document no view lays out while it grows (each insertion
    // into the shown one re-laid it out, a cost that grew faster than the
    // text), then handed to the box whole: laid out once.
    QTextDocument* old = box->document();
    auto* doc = new QTextDocument(box);
    doc->setDefaultFont(old->defaultFont());
    doc->setDocumentMargin(old->documentMargin());
    doc->setDefaultStyleSheet(old->defaultStyleSheet());
    LoadRtf(doc, data);
    // The box's first document belongs to the box's own machinery, which
    // frees it on the swap; a document an earlier opening made is ours.
    const bool ours = old->parent() == box;
    box->setDocument(doc);
    if (ours)
        delete old;
}
