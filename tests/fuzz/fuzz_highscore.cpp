// Arbitrary bytes as a highscore file: reading never crashes, keeps at most
// 30 entries in ascending order, and gives the same table however the bytes
// are split into reads.
#include "dialogs/HighscoreFile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

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

    // The same bytes as a file read in small pieces.
    const int fd = memfd_create("highscore", MFD_CLOEXEC);
    if (fd < 0)
        return 0;
    if (::write(fd, bytes, length) == ssize_t(length)) {
        const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
        const Highscore::ReadResult result = Highscore::ReadLowest(path, pieceRead);
        check(!result.Failed);
        check(result.Entries.size() == expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            check(result.Entries[i].Points == expected[i].Points && result.Entries[i].Name == expected[i].Name);
    }
    ::close(fd);
    return 0;
}
