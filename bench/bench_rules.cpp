// The rules box filled from a document of the worst shapes the reader
// accepts, from the click to the box painted: LoadRtfFile into a shown box of
// the main menu's size, then one paint (the time reported). The box lays out
// the rest from the event loop; whole_layout_ms is the time until all of it
// is laid out, forced at once. Shapes: many paragraphs ("a\par"),
// many line breaks ("a\line"), one endless word, plain words, and as many
// fonts as fit, each used once. Sizes: 256 KiB and the largest file the
// reader accepts (MaxRtfFileSize). hide_show_ms: hiding the box and showing
// it again.
//
//   bench_rules --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
//
// Goals: 256 KiB within 0.2 s, the largest within 2 s (many fonts: shown and
// hidden within 1 s); the time should grow
// linearly with the size (compare the per-KiB figure of both sizes).
#include "platform/Rtf.h"

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <chrono>
#include <memory>

namespace {
enum Shape { Paragraphs, Lines, OneWord, Words, ManyFonts };
const char* const ShapeNames[] = {"paragraphs", "lines", "one_word", "words", "many_fonts"};

QByteArray Document(Shape shape, qint64 size) {
    QByteArray body;
    const QByteArray head = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    const qint64 room = size - head.size() - 1;
    switch (shape) {
        case Paragraphs: body = QByteArray("a\\par ").repeated(room / 6); break;
        case Lines: body = QByteArray("a\\line ").repeated(room / 7); break;
        case OneWord: body = QByteArray(room, 'x'); break;
        case Words: body = QByteArray("Farbe Tonne Basis ").repeated(room / 18); break;
        case ManyFonts: {
            // As many fonts as fit, each named in the table and used once.
            QByteArray table = "{\\rtf1\\ansi\\deff0{\\fonttbl";
            QByteArray text;
            for (int f = 0;; ++f) {
                const QByteArray n = QByteArray::number(f);
                const QByteArray entry = "{\\f" + n + " Font" + n + ";}";
                const QByteArray use = "{\\f" + n + " x}";
                if (table.size() + text.size() + entry.size() + use.size() + 2 > size)
                    break;
                table += entry;
                text += use;
            }
            return table + '}' + text + '}';
        }
    }
    return head + body + '}';
}

struct Setup {
    QTemporaryDir dir;
    std::unique_ptr<QTextEdit> box;
    Setup() {
        box = std::make_unique<QTextEdit>();
        box->setGeometry(100, 100, 223, 176);
        box->setReadOnly(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->show();
        QApplication::processEvents();
    }
    QString File(Shape shape, qint64 size) {
        const QString name = dir.filePath(QStringLiteral("%1-%2.rtf").arg(shape).arg(size));
        if (!QFile::exists(name)) {
            QFile f(name);
            f.open(QIODevice::WriteOnly);
            f.write(Document(shape, size));
        }
        return name;
    }
};

Setup& TheSetup() {
    static Setup setup;
    return setup;
}

void BM_RulesBox(benchmark::State& state) {
    const auto shape = Shape(state.range(0));
    const qint64 size = state.range(1);
    Setup& s = TheSetup();
    const QString file = s.File(shape, size);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        LoadRtfFile(s.box.get(), file);
        s.box->verticalScrollBar()->setValue(0);
        s.box->viewport()->repaint();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        // The box lays the rest out a few blocks at a time from the event
        // loop; done here at once, it gives the cost of the whole layout.
        QTextDocument* doc = s.box->document();
        (void)doc->documentLayout()->blockBoundingRect(doc->lastBlock());
        const auto laidOut = std::chrono::steady_clock::now();
        state.counters["whole_layout_ms"] = std::chrono::duration<double, std::milli>(laidOut - start).count();
        QApplication::processEvents();
        // "Szabály" again hides the box; a third press shows it anew.
        const auto hideStart = std::chrono::steady_clock::now();
        s.box->hide();
        QApplication::processEvents();
        s.box->show();
        s.box->viewport()->repaint();
        state.counters["hide_show_ms"] =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - hideStart).count();
    }
    state.SetLabel(ShapeNames[shape]);
    state.SetBytesProcessed(state.iterations() * size);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int shape = Paragraphs; shape <= ManyFonts; ++shape) {
        b->Args({shape, 256 * 1024});
        b->Args({shape, MaxRtfFileSize});
    }
}
BENCHMARK(BM_RulesBox)->Apply(Sizes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
