// Arbitrary bytes as a highscore file: reading never crashes, keeps at most
// 30 entries in ascending order, gives the same table however the bytes are
// split into reads, and a record appended as the game appends one (at the
// next multiple of 150 bytes) is read back whatever stands before it.
#include "platform/HighscoreFile.h"

#include <fcntl.h>
#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
// Reads in pieces of a size drawn from the input's first byte.
size_t pieceSize = 1;
ssize_t pieceRead(int fd, void* buffer, size_t count) {
    return ::read(fd, buffer, count < pieceSize ? count : pieceSize);
}

void check(bool condition) {
    if (!condition)
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    pieceSize = size_t(data[0]) * 7 + 1;
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const size_t length = size - 1;

    // All at once, through the reader the dialog uses.
    Highscore::LowestTable whole;
    Highscore::RecordReader wholeReader(whole);
    wholeReader.Feed(bytes, length);
    wholeReader.Finish();
    const std::vector<Highscore::Entry> expected = whole.Sorted();
    check(expected.size() <= size_t(Highscore::TableSize));
    for (size_t i = 1; i < expected.size(); ++i)
        check(expected[i - 1].Points <= expected[i].Points);

    // A record appended behind the bytes, after zero bytes up to the next
    // multiple of 150, enters whenever its total would.
    {
        const int32_t lowest = -999999999;
        Highscore::LowestTable before;
        for (const Highscore::Entry& e : expected)
            before.Offer(e);
        QByteArray appended(bytes, qsizetype(length));
        appended +=
            QByteArray((Highscore::RecordSize - appended.size() % Highscore::RecordSize) % Highscore::RecordSize, '\0');
        appended += Highscore::FormatRecord(lowest, QStringLiteral("appended"));
        Highscore::LowestTable after;
        Highscore::RecordReader afterReader(after);
        afterReader.Feed(appended.constData(), size_t(appended.size()));
        afterReader.Finish();
        bool found = false;
        for (const Highscore::Entry& e : after.Entries())
            found = found || (e.Points == lowest && e.Name == QLatin1String("appended"));
        check(found || !before.WouldEnter(lowest));
    }

    // The same bytes as a file read in small pieces. The reader takes only a
    // plain file reached without a link, so not /proc/self/fd/N of a memfd:
    // one scratch file, rewritten for every input.
    static const QByteArray path = [] {
        char name[] = "/tmp/fuzz_highscore.XXXXXX";
        const int fd = ::mkstemp(name);
        if (fd >= 0)
            ::close(fd);
        return QByteArray(name);
    }();
    const int fd = ::open(path.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const bool written = ::write(fd, bytes, length) == ssize_t(length);
    ::close(fd);
    if (written) {
        const Highscore::ReadResult result = Highscore::ReadLowest(path, pieceRead);
        check(!result.Failed);
        check(result.Entries.size() == expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            check(result.Entries[i].Points == expected[i].Points && result.Entries[i].Name == expected[i].Name);
    }
    return 0;
}
