#include "platform/HighscoreFile.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

Q_LOGGING_CATEGORY(lcHighscore, "pigmentra.highscore")

namespace Highscore {

namespace {

bool isSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
// Blanks and control bytes, stripped from both ends of a name. Bytes of
// multi-byte UTF-8 characters are all >= 0x80 and never stripped.
bool isBlankOrControl(unsigned char c) { return c <= 0x20 || c == 0x7F; }

// Length of the well-formed UTF-8 sequence at p (at most n bytes available),
// or 0 when the bytes there are not one; *codePoint receives its value.
int utf8Sequence(const unsigned char* p, size_t n, char32_t* codePoint) {
    const unsigned char b = p[0];
    int length;
    char32_t value;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
        value = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        value = b & 0x0F;
        if (b == 0xE0)
            lo = 0xA0;  // no overlong forms
        else if (b == 0xED)
            hi = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        value = b & 0x07;
        if (b == 0xF0)
            lo = 0x90;
        else if (b == 0xF4)
            hi = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (size_t(length) > n)
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned char c = p[i];
        if (i == 1 ? (c < lo || c > hi) : (c < 0x80 || c > 0xBF))
            return 0;
        value = (value << 6) | (c & 0x3F);
    }
    *codePoint = value;
    return length;
}

}  // namespace

namespace {
bool IsFolder(const QByteArray& path) {
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The game's data folder, as bytes, or empty: below the home, or below
// XDG_DATA_HOME where that names an existing folder. *base is the folder
// it lies in that must exist already.
QByteArray DataFolder(QByteArray* base) {
    const QByteArray home = UsableFolder(qgetenv("HOME"));
    if (home.isEmpty())
        return {};
    const QString location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    while (dataHome.size() > 1 && dataHome.endsWith('/'))
        dataHome.chop(1);
    for (const QByteArray& folder : {home, dataHome}) {
        // The folder's own bytes stand in for its (possibly not UTF-8) name.
        const QString shown = QFile::decodeName(folder);
        if (folder.startsWith('/') && folder != "/" && location.startsWith(shown + QLatin1Char('/')) &&
            IsFolder(folder)) {
            *base = folder;
            return folder + QFile::encodeName(location.mid(shown.size()));
        }
    }
    return {};
}

// Makes the folders of `folder` that are missing below `base`.
bool MakeFolders(const QByteArray& folder, const QByteArray& base) {
    for (qsizetype slash = base.size() + 1; slash <= folder.size(); ++slash) {
        if (slash < folder.size() && folder[slash] != '/')
            continue;
        if (::mkdir(folder.left(slash).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return IsFolder(folder);
}

void Complain(const QByteArray& path, const char* reason) {
    qCWarning(lcHighscore, "highscore file \"%s\": %s", path.constData(), reason);
}

void ComplainErrno(const QByteArray& path, int error) {
    Complain(path, error == ELOOP ? "is a symbolic link, not used" : std::strerror(error));
}

// A write beyond the file-size limit raises SIGXFSZ, which ends a process by
// default: ignored, the write fails with EFBIG instead. A handler someone
// installed stays.
void IgnoreFileSizeSignal() {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
        std::signal(SIGXFSZ, SIG_IGN);
}

// Opens the highscore file without following a link at its place and
// without waiting on a FIFO, and keeps it only when it is a plain file.
// Returns the descriptor, or -1 with the reason on standard error (none for
// a missing file that is only read).
int OpenPlain(const QByteArray& path, int flags, bool append, struct stat* info) {
    if (path.isEmpty()) {
        Complain(path, "no folder for it: TEMP is not set and there is no home folder");
        return -1;
    }
    // The results are the player's own: nobody else may read them.
    const int fd = ::open(path.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (append || errno != ENOENT)
            ComplainErrno(path, errno);
        return -1;
    }
    struct stat st {};
    const char* refused = nullptr;
    if (::fstat(fd, &st) != 0)
        refused = std::strerror(errno);
    else if (!S_ISREG(st.st_mode))
        refused = "not a plain file, not used";
    else if (st.st_nlink != 1)
        refused = "has another name (a hard link), not used";
    else if (st.st_uid != ::geteuid())
        refused = "belongs to another user, not used";
    else if (st.st_size > MaxFileSize)
        refused = "larger than 150,000,000 bytes (1,000,000 records), not used";
    if (refused) {
        Complain(path, refused);
        ::close(fd);
        return -1;
    }
    *info = st;
    return fd;
}

// Holds the lock other games take to append, waiting at most a second: a
// lock someone else keeps longer is not waited for (O_APPEND still keeps
// records from overwriting each other).
void LockForAppend(int fd) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return;
        QThread::msleep(10);
    }
}
}  // namespace

QByteArray PathBytes(const QString& fileName, bool createFolder) {
    QByteArray folder = qgetenv("TEMP");
    if (folder.isEmpty()) {
        // No TEMP: the game's own data folder rather than the filesystem
        // root, where a player cannot write.
        QByteArray base;
        folder = DataFolder(&base);
        if (folder.isEmpty() || (createFolder && !MakeFolders(folder, base)))
            return {};
    }
    return folder + '/' + QFile::encodeName(fileName);
}

QString BuildPath(const QString& fileName) { return QFile::decodeName(PathBytes(fileName)); }

QByteArray PathBytesOf(const QString& shownPath) {
    const QByteArray fromEnvironment = PathBytes(shownPath.section(QLatin1Char('/'), -1));
    if (!fromEnvironment.isEmpty() && QFile::decodeName(fromEnvironment) == shownPath)
        return fromEnvironment;
    return QFile::encodeName(shownPath);
}

QByteArray StoredName(const QString& name) {
    QByteArray utf8 = name.toUtf8();
    if (utf8.size() <= NameBytes)
        return utf8;
    // Step back to the first byte of the character that would be split.
    qsizetype cut = NameBytes;
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    utf8.truncate(cut);
    return utf8;
}

QByteArray FormatRecord(int32_t points, const QString& name) {
    const QByteArray stored = StoredName(name);
    char record[RecordSize] = {};  // the zero byte and the padding stay zero
    // At most 115 characters (a total below -999,999,999 takes 11) and the
    // zero byte: always within the record.
    std::snprintf(record, sizeof record, "%10d %-100s \r\n", int(points), stored.constData());
    return QByteArray(record, RecordSize);
}

int32_t ParsePoints(const char* data, size_t size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    size_t i = 0;
    while (i < size && isSpace(p[i]))
        ++i;
    bool negative = false;
    if (i < size && (p[i] == '+' || p[i] == '-')) {
        negative = p[i] == '-';
        ++i;
    }
    int64_t value = 0;
    const int64_t limit = negative ? -int64_t(INT32_MIN) : int64_t(INT32_MAX);
    for (; i < size && p[i] >= '0' && p[i] <= '9'; ++i) {
        value = value * 10 + (p[i] - '0');
        if (value > limit)
            value = limit;  // saturate, keep consuming digits
    }
    return int32_t(negative ? -value : value);
}

QString DecodeName(const char* data, size_t size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    bool ascii = true;
    for (size_t i = 0; i < size && ascii; ++i)
        ascii = p[i] < 0x80;
    if (ascii)
        return QString::fromLatin1(data, qsizetype(size));
    QString name;
    name.reserve(qsizetype(size));
    for (size_t i = 0; i < size;) {
        char32_t cp;
        if (p[i] < 0x80) {
            name.append(QChar(p[i]));
            ++i;
        } else if (const int n = utf8Sequence(p + i, size - i, &cp)) {
            if (cp > 0xFFFF) {
                name.append(QChar(QChar::highSurrogate(cp)));
                name.append(QChar(QChar::lowSurrogate(cp)));
            } else {
                name.append(QChar(char16_t(cp)));
            }
            i += size_t(n);
        } else {
            // Not UTF-8 here: an 8-bit name from an older file.
            name.append(QChar(p[i]));
            ++i;
        }
    }
    return name;
}

QString ParseName(const char* data, size_t size) {
    if (size <= size_t(NameOffset))
        return {};
    const char* begin = data + NameOffset;
    const char* end = data + size;
    if (const void* zero = std::memchr(begin, 0, size_t(end - begin)))
        end = static_cast<const char*>(zero);
    while (begin < end && isBlankOrControl(static_cast<unsigned char>(*begin)))
        ++begin;
    while (end > begin && isBlankOrControl(static_cast<unsigned char>(end[-1])))
        --end;
    return DecodeName(begin, size_t(end - begin));
}

bool HoldsRecordText(const char* data) {
    if (data[10] != ' ' || data[111] != ' ' || data[112] != '\r' || data[113] != '\n')
        return false;
    int i = 0;
    while (i < 10 && data[i] == ' ')
        ++i;
    if (i < 10 && (data[i] == '-' || data[i] == '+'))
        ++i;
    if (i == 10)
        return false;
    for (; i < 10; ++i)
        if (data[i] < '0' || data[i] > '9')
            return false;
    return std::memchr(data + NameOffset, 0, size_t(NameBytes)) == nullptr;
}

bool LowestTable::WouldEnter(int32_t points) const {
    if (entries_.size() < size_t(TableSize))
        return true;
    return highest_ >= 0 && entries_[size_t(highest_)].Points > points;
}

void LowestTable::Offer(int32_t points, const char* record, size_t size) {
    if (!WouldEnter(points))
        return;  // dropped without decoding its name
    Offer(Entry{points, ParseName(record, size)});
}

void LowestTable::Offer(const Entry& entry) {
    if (!WouldEnter(entry.Points))
        return;
    if (entries_.size() < size_t(TableSize)) {
        entries_.push_back(entry);
        if (entries_.size() == size_t(TableSize))
            findHighest();
        return;
    }
    entries_[size_t(highest_)] = entry;
    findHighest();
}

void LowestTable::findHighest() {
    // From the first entry, starting from 0, strictly greater only: the first
    // of equal highest totals, and none at all when no total is above 0.
    highest_ = -1;
    int32_t max = 0;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].Points > max) {
            max = entries_[i].Points;
            highest_ = int(i);
        }
    }
}

std::vector<Entry> LowestTable::Sorted() const {
    std::vector<Entry> sorted = entries_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) { return a.Points < b.Points; });
    return sorted;
}

void RecordReader::Feed(const char* data, size_t size) {
    pending_.insert(pending_.end(), data, data + size);
    process(false);
}

void RecordReader::Finish() {
    process(true);
    if (pos_ < pending_.size() && !inTorn_)
        ++tornPieces_;  // a tail too short to hold a record's text
    pending_.clear();
    pos_ = earliest_ = 0;
    inTorn_ = false;
}

void RecordReader::process(bool final) {
    const char* const bytes = pending_.data();
    const size_t size = pending_.size();
    while (pos_ + TextSize <= size) {
        if (HoldsRecordText(bytes + pos_)) {
            const size_t length = std::min(size_t(RecordSize), size - pos_);
            if (length < size_t(RecordSize) && !final)
                break;  // its padding is still to come
            table_.Offer(ParsePoints(bytes + pos_, 10), bytes + pos_, length);
            inTorn_ = false;
            earliest_ = pos_ + TextSize;
            pos_ += RecordSize;
            continue;
        }
        // A torn piece: the next record starts where the next record text
        // does, found by its CR LF. It may begin inside the padding of the
        // record before, never inside that record's text.
        if (!inTorn_)
            ++tornPieces_;
        inTorn_ = true;
        size_t from = earliest_;
        size_t found = size;
        while (from + TextSize <= size) {
            const void* cr = std::memchr(bytes + from + 112, '\r', size - (from + 112) - 1);
            if (!cr)
                break;
            const size_t at = size_t(static_cast<const char*>(cr) - bytes) - 112;
            if (HoldsRecordText(bytes + at)) {
                found = at;
                break;
            }
            from = at + 1;
        }
        if (found == size) {
            // No record text yet: only the last bytes may still begin one.
            pos_ = earliest_ = std::max(pos_, size + 1 - std::min(size + 1, size_t(TextSize)));
            break;
        }
        pos_ = found;
    }
    if (final)
        return;
    const size_t done = std::min({pos_, earliest_, size});
    pending_.erase(pending_.begin(), pending_.begin() + std::ptrdiff_t(done));
    pos_ -= done;
    earliest_ -= done;
}

ReadResult ReadLowest(const QByteArray& path, ReadFunction readFunction) {
    ReadResult result;
    struct stat st {};
    const int fd = OpenPlain(path, O_RDONLY, false, &st);
    if (fd < 0)
        return result;  // no file yet, or none we may use: an empty table
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    if (!readFunction)
        readFunction = ::read;

    // A fixed buffer of whole records: memory stays the same for any size
    // of file, and records are parsed where they lie.
    constexpr size_t ChunkSize = size_t(RecordSize) * 4096;  // 600 KiB
    const std::unique_ptr<char[]> buffer(new char[ChunkSize]);
    LowestTable table;
    RecordReader reader(table);
    for (;;) {
        const ssize_t n = readFunction(fd, buffer.get(), ChunkSize);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            // The piece of a record read before the failure is left out.
            ComplainErrno(path, errno);
            result.Failed = true;
            break;
        }
        if (n == 0) {
            reader.Finish();
            break;
        }
        reader.Feed(buffer.get(), size_t(n));
    }
    ::close(fd);
    result.Entries = table.Sorted();
    result.TornPieces = reader.TornPieces();
    if (result.TornPieces > 0)
        qCInfo(lcHighscore, "highscore file \"%s\": %ld torn piece(s) skipped", path.constData(), result.TornPieces);
    return result;
}

ReadResult ReadLowest(const QString& path, ReadFunction readFunction) {
    return ReadLowest(QFile::encodeName(path), readFunction);
}

bool AppendRecord(const QByteArray& path, int32_t points, const QString& name) {
    IgnoreFileSizeSignal();
    struct stat st {};
    const int fd = OpenPlain(path, O_WRONLY | O_APPEND | O_CREAT, true, &st);
    if (fd < 0)
        return false;
    // The size is read under the lock, so the padding matches the end the
    // record lands on (another game appends only while holding it).
    LockForAppend(fd);
    const off_t size = ::fstat(fd, &st) == 0 ? st.st_size : -1;
    const off_t padding = size < 0 ? 0 : (RecordSize - size % RecordSize) % RecordSize;
    if (size < 0) {
        ComplainErrno(path, errno);
    } else if (size + padding + RecordSize > MaxFileSize) {
        Complain(path, "would grow beyond 150,000,000 bytes (1,000,000 records), nothing written");
    }
    if (size < 0 || size + padding + RecordSize > MaxFileSize) {
        ::close(fd);
        return false;
    }
    const QByteArray bytes = QByteArray(qsizetype(padding), '\0') + FormatRecord(points, name);
    ssize_t written;
    do {
        written = ::write(fd, bytes.constData(), size_t(bytes.size()));
    } while (written < 0 && errno == EINTR);
    bool ok = written == bytes.size();
    if (written < 0)
        ComplainErrno(path, errno);
    else if (!ok)
        Complain(path, "the record was written only in part and is taken back");
    if (written > 0 && !ok) {
        // Only our own bytes go, and only while nothing stands behind them
        // (an older game appends without the lock). Left there, they are a
        // torn piece the next record is padded past.
        struct stat now {};
        if (::fstat(fd, &now) == 0 && now.st_size == size + written)
            (void)::ftruncate(fd, size);
    }
    if (::close(fd) != 0 && ok) {
        ComplainErrno(path, errno);
        ok = false;
    }
    return ok;
}

bool AppendRecord(const QString& path, int32_t points, const QString& name) {
    return AppendRecord(QFile::encodeName(path), points, name);
}

bool RemoveFile(const QString& shownPath) {
    return !shownPath.isEmpty() && ::unlink(PathBytesOf(shownPath).constData()) == 0;
}

}  // namespace Highscore
