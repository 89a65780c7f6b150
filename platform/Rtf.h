#pragma once
// A reader for rich-text (RTF) documents, enough for the rules box: groups,
// paragraphs, line breaks, tabs, bold, italic, underline, font size and
// family, code-page and Unicode characters. Everything it does not know is
// skipped. Broken or hostile input never crashes or hangs it: whatever text
// can be read is shown.
#include <QByteArray>
#include <QString>

class QTextDocument;

// Replaces the document's content with the RTF document in `rtf`.
void LoadRtf(QTextDocument* doc, const QByteArray& rtf);

// Reads an RTF file by name (relative to the working directory) into the
// document. A missing or unreadable file raises ToolkitError and leaves the
// document as it was.
void LoadRtfFile(QTextDocument* doc, const QString& fileName);

// The largest RTF file LoadRtfFile accepts.
constexpr qint64 MaxRtfFileSize = 16 * 1024 * 1024;
