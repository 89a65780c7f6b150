#pragma once
// The highscore file without any window: where it lives, what one record
// looks like, appending a record, and reading the 30 lowest totals back.
//
// The file is a plain sequence of 150-byte records, appended one per
// accepted batch and never rewritten:
//   "%10d %-100s \r\n"  (114 bytes: total, blank, name padded to 100 bytes,
//                        blank, CR LF), a zero byte, 35 zero bytes.
// Names are stored as UTF-8, cut to at most 100 bytes on a character
// boundary; older files may hold 8-bit (Latin-1) names, which still read.
//
// A record is appended only at a multiple of 150 bytes: stray bytes at the
// end (a torn copy, a write cut short) are padded with zero bytes first and
// never rewritten. A reader knows a record by its text (the total field, the
// blanks at 10 and 111, CR LF at 112) and skips a torn piece up to the next
// record, wherever that starts, so files whose records were shifted by stray
// bytes read as well.
#include <QString>

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Highscore {

constexpr int RecordSize = 150;
constexpr int NameBytes = 100;
constexpr int NameOffset = 11;
constexpr int TableSize = 30;
// The formatted text of a record, up to and with its CR LF.
constexpr int TextSize = 114;
// The most records a file may hold. A real table gains one record a game;
// a file beyond this is not read nor written (nothing is deleted either).
constexpr qint64 MaxRecords = 1000000;
constexpr qint64 MaxFileSize = MaxRecords * RecordSize;  // 150,000,000 bytes

struct Entry {
    int32_t Points = 0;
    QString Name;
};

// Full path of the highscore file: $TEMP + "/" + fileName. Without TEMP (or
// with it empty) the game's own data folder (below the player's home, or
// below XDG_DATA_HOME) is used instead; with no usable home either (unset,
// not a folder, or the filesystem root) there is no path: the result is empty, and nothing is
// created anywhere. This is the path as shown (HighscorePath).
QString BuildPath(const QString& fileName);
// The same path as the system's file-name bytes: TEMP and HOME are taken
// byte for byte, so a folder whose name is not UTF-8 works as well. With
// createFolder the game's data folder is made when missing.
QByteArray PathBytes(const QString& fileName, bool createFolder = false);
// The bytes of a path BuildPath showed: those from the environment when it
// still gives this path, else the shown path encoded.
QByteArray PathBytesOf(const QString& shownPath);

// The name as stored: UTF-8, at most 100 bytes, never ending in the middle
// of a character (no padding).
QByteArray StoredName(const QString& name);

// One complete 150-byte record.
QByteArray FormatRecord(int32_t points, const QString& name);

// The total at the start of a record: leading white space skipped, an
// optional sign, then digits up to the first other byte; no digits give 0.
// Values beyond 32 bits saturate.
int32_t ParsePoints(const char* data, size_t size);

// The name of a record: the bytes from offset 11 up to the zero byte (or the
// end of the bytes present), blanks and control bytes stripped at both ends,
// decoded as UTF-8 with Latin-1 for bytes that are not valid UTF-8.
QString ParseName(const char* data, size_t size);
QString DecodeName(const char* data, size_t size);

// The lowest totals seen so far, at most 30 of them. A new entry joins while
// there is room; after that it replaces the entry with the highest total (the
// first of several equal ones, and only a total above 0 counts) when that
// total is strictly greater than the new one; otherwise it is dropped.
class LowestTable {
public:
    // Whether a record with this total would enter the table; lets the reader
    // skip decoding names that would be dropped anyway.
    bool WouldEnter(int32_t points) const;
    void Offer(int32_t points, const char* record, size_t size);
    void Offer(const Entry& entry);
    const std::vector<Entry>& Entries() const { return entries_; }
    // The entries ascending by total (equal totals in no fixed order).
    std::vector<Entry> Sorted() const;

private:
    void findHighest();
    std::vector<Entry> entries_;
    int highest_ = -1;  // index of the entry a newcomer would replace, or -1
};

// Whether the TextSize bytes at `data` hold a record's text: the total
// right-aligned in 10 bytes (blanks, an optional sign, digits), a blank, a
// name without zero bytes, a blank, CR LF.
bool HoldsRecordText(const char* data);

// Cuts a stream of bytes into records as it arrives in pieces of any size
// and offers each whole record to a table. A piece that holds no record
// text is torn and skipped up to the next record text, which may start
// anywhere (also in the padding of the record before). A final record whose
// text is whole counts even without all of its padding; anything shorter at
// the end is torn.
class RecordReader {
public:
    explicit RecordReader(LowestTable& table) : table_(table) {}
    void Feed(const char* data, size_t size);
    void Finish();
    // Torn pieces skipped so far.
    long TornPieces() const { return tornPieces_; }

private:
    void process(bool final);
    LowestTable& table_;
    std::vector<char> pending_;  // bytes not yet taken or skipped
    size_t pos_ = 0;             // in pending_: where the next record should start
    size_t earliest_ = 0;        // in pending_: the first place a record may start
    bool inTorn_ = false;
    long tornPieces_ = 0;
};

struct ReadResult {
    std::vector<Entry> Entries;  // ascending by total
    bool Failed = false;         // a read failed part-way; Entries hold what came before
    long TornPieces = 0;         // torn pieces skipped
};

using ReadFunction = ssize_t (*)(int fd, void* buffer, size_t count);

// Reads the file read-only in large chunks, keeping only the 30 lowest
// totals. The file is opened without following a symbolic link and without
// waiting, and read only when it is a plain file with no other name: a
// link (symbolic or hard), FIFO, device or folder in its place, a file of
// another user, a file larger than MaxFileSize (checked before reading), a
// file that does not exist or cannot be opened all read as empty (no
// failure; the reason, but for a missing file, goes to the log category
// "pigmentra.highscore"). readFunction is a seam for tests.
ReadResult ReadLowest(const QByteArray& path, ReadFunction readFunction = nullptr);
ReadResult ReadLowest(const QString& path, ReadFunction readFunction = nullptr);

// Appends one record, after zero bytes up to the next multiple of 150, with
// a single write on a file opened for appending and locked while its size is
// read, so two running games never overwrite each other's records. A new
// file is made 0600. The file is opened as for reading (no link followed, no
// waiting, a plain file of the player's own with no other name only), so
// nothing planted in a shared folder is written through; a file that would
// grow beyond MaxFileSize is left as it is; a write beyond the file-size limit fails
// instead of ending the game. Returns false, with the path and the reason in
// the log, when there is no path, the file cannot be created or used, or the
// record was not written whole (a partly written record is taken back when
// nothing was appended behind it).
bool AppendRecord(const QByteArray& path, int32_t points, const QString& name);
bool AppendRecord(const QString& path, int32_t points, const QString& name);

// Deletes the file at a path BuildPath showed (a link in its place goes, not
// what it points to). Returns whether a file was deleted.
bool RemoveFile(const QString& shownPath);

}  // namespace Highscore
