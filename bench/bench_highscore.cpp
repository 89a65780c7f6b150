// Reading the highscore over a file of 1,000,000 records (150 MB) against
// reading the same file once with plain read() calls (what `cat > /dev/null`
// does), both page-cached, in one run.
#include "platform/HighscoreFile.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <vector>

namespace {
QString MakeFile(const QString& name, int records) {
    const QString p = QDir::tempPath() + QLatin1Char('/') + name;
    if (QFileInfo(p).size() != qint64(records) * Highscore::RecordSize) {
        QFile f(p);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QByteArray chunk;
        for (int i = 0; i < records; ++i) {
            // totals spread so the table keeps changing
            const int points = 1000 + int((uint32_t(i) * 2654435761u) % 1000000u);
            chunk += Highscore::FormatRecord(points, QStringLiteral("Spieler %1").arg(i % 977));
            if (chunk.size() > (1 << 22)) {
                f.write(chunk);
                chunk.clear();
            }
        }
        f.write(chunk);
    }
    return p;
}

QString BigFile() {
    static const QString path = MakeFile(QStringLiteral("pigmentra-bench-1m.hsc"), 1000000);
    return path;
}

QString SmallFile() {
    static const QString path = MakeFile(QStringLiteral("pigmentra-bench-1k.hsc"), 1000);
    return path;
}
}  // namespace

static void BM_ReadFileOnce(benchmark::State& state) {
    const QByteArray path = QFile::encodeName(BigFile());
    std::vector<char> buffer(1 << 17);  // cat's buffer size
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_RDONLY);
        ssize_t n;
        size_t total = 0;
        while ((n = ::read(fd, buffer.data(), buffer.size())) > 0)
            total += size_t(n);
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadFileOnce)->Unit(benchmark::kMillisecond);

static void BM_LoadTable1M(benchmark::State& state) {
    const QString path = BigFile();
    for (auto _ : state) {
        Highscore::ReadResult r = Highscore::ReadLowest(path);
        benchmark::DoNotOptimize(r.Entries.data());
    }
}
BENCHMARK(BM_LoadTable1M)->Unit(benchmark::kMillisecond);

// The same over 1,000 records. Run each alone to compare peak memory, e.g.
// /usr/bin/time -f %M bench_highscore --benchmark_filter=LoadTable1K: the
// memory a table read takes must not grow with the file.
static void BM_LoadTable1K(benchmark::State& state) {
    const QString path = SmallFile();
    for (auto _ : state) {
        Highscore::ReadResult r = Highscore::ReadLowest(path);
        benchmark::DoNotOptimize(r.Entries.data());
    }
}
BENCHMARK(BM_LoadTable1K)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
