// fuzz-qt: Core Gui Widgets
//
// The rules box's RTF reader on arbitrary bytes: it must end, stay within
// its memory and leave a document that lays out like the box would show it.
#include "platform/Rtf.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {
QGuiApplication* application = nullptr;  // lives for the whole run
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    application = new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The game runs its event loop between two openings of the rules box, and
    // Qt trims its font cache from a timer there; so do these runs. Under the
    // sanitizers memory still rises slowly over millions of inputs (without
    // them it stays flat), so long sanitizer runs raise libFuzzer's memory
    // limit (see README).
    static unsigned runs = 0;
    if (++runs % 1024 == 0)
        QCoreApplication::processEvents();
    QTextDocument doc;
    LoadRtf(&doc, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    doc.setTextWidth(223);  // the rules box's width
    (void)doc.size();
    (void)doc.toPlainText();
    return 0;
}
