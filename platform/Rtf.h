#pragma once
// A reader for rich-text (RTF) documents, enough for the rules box: groups,
// paragraphs, line breaks, tabs, bold, italic, underline, font size and
// family, code-page and Unicode characters. Everything it does not know is
// skipped. Broken or hostile input never crashes or hangs it: whatever text
// can be read is shown.
#include <QByteArray>
#include <QString>

class QTextDocument;
class QTextEdit;

// Replaces the document's content with the RTF document in `rtf`.
void LoadRtf(QTextDocument* doc, const QByteArray& rtf);

// Reads an RTF file by name (relative to the working directory) into the
// document. A missing or unreadable file raises ToolkitError and leaves the
// document as it was.
void LoadRtfFile(QTextDocument* doc, const QString& fileName);
// The same for a box on screen: the document is built apart from the box and
// given to it whole, so it is laid out once (time linear in its size). The
// box's font and margins carry over.
void LoadRtfFile(QTextEdit* box, const QString& fileName);

// The largest RTF file LoadRtfFile accepts: 1 MiB, two hundred times the
// game's own rules, and small enough that any document within it shows
// and is laid out whole within two seconds (bench/bench_rules.cpp).
constexpr qint64 MaxRtfFileSize = 1024 * 1024;
