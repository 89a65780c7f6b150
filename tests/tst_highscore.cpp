// The highscore: 150-byte records appended to Pigmentra.hsc, the 30 lowest
// totals listed ascending, and the clear button.
#include "dialogs/Highscore1.h"
#include "platform/Controls.h"
#include "platform/Folders.h"
#include "platform/HighscoreFile.h"
#include "platform/Toolkit.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <memory>

namespace {
// A record laid out by hand: total right-aligned in 10, blank, name padded
// to 100, blank, CR LF, then zero bytes up to 150.
QByteArray Record(int points, const QByteArray& name) {
    QByteArray r = QByteArray::number(points).rightJustified(10, ' ') + ' ' + name.leftJustified(100, ' ') + " \r\n";
    return r + QByteArray(150 - r.size(), '\0');
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

class HighscoreTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<QTemporaryDir> dir;
    THighScore* hs = nullptr;
    QString file() const { return dir->path() + "/Pigmentra.hsc"; }
    QStringList column(int col) const {
        QStringList cells;
        for (int r = 0; r < hs->Liste->RowCount(); ++r)
            cells << hs->Liste->Cell(col, r);
        return cells;
    }

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName("Pigmentra");
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        env = std::make_unique<TestEnvironment>();
        dir = std::make_unique<QTemporaryDir>();
        qputenv("TEMP", dir->path().toLocal8Bit());
        hs = new THighScore;
    }
    void cleanup() {
        delete hs;
        hs = nullptr;
        dir.reset();
        env.reset();
    }

    void noFileListsNothingSilently() {
        // A missing file is an empty table: one blank row, no message.
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(hs->HighscorePath, file());
        QVERIFY(hs->isVisible());
        QCOMPARE(hs->Liste->RowCount(), 1);
        QCOMPARE(hs->Liste->ColCount(), 3);
        QCOMPARE(hs->Liste->Cell(0, 0), " ");
        QCOMPARE(hs->Liste->Cell(1, 0), " ");
        QCOMPARE(hs->Liste->Col(), 2);
        QCOMPARE(QList<int>({hs->Liste->ColWidth(0), hs->Liste->ColWidth(1), hs->Liste->ColWidth(2)}),
                 QList<int>({100, 150, 0}));
        QVERIFY(env->messages.isEmpty());
        hs->OkClick();
        QVERIFY(!hs->isVisible());
    }

    void thirtyLowestOfThirtyFiveAscending() {
        // Totals 10..350 in scrambled order: the table holds 10..300 ascending.
        QByteArray bytes;
        for (int i = 0; i < 35; ++i) {
            const int total = ((i * 17) % 35 + 1) * 10;
            bytes += Record(total, "P" + QByteArray::number(total));
        }
        WriteFile(file(), bytes);
        hs->ShowTable("Pigmentra.hsc");
        QStringList totals, names;
        for (int t = 10; t <= 300; t += 10) {
            totals << QString::number(t);
            names << "P" + QString::number(t);
        }
        QCOMPARE(column(0), totals);
        QCOMPARE(column(1), names);
        QCOMPARE(column(2), QStringList(30, " "));
    }

    void fullTableReplacesFirstHighestOnlyWhenStrictlyLower() {
        // Totals 100..; "A" and "B" share the highest 900 (A read first). A
        // tie with 900 is dropped; 400 replaces A, the first-read of them.
        QByteArray bytes;
        for (int i = 0; i < 30; ++i)
            bytes += Record(i == 3 ? 900 : i == 7 ? 900 : 100 + i, i == 3 ? "A" : i == 7 ? "B" : "x");
        WriteFile(file(), bytes + Record(900, "Tie"));
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(column(1).mid(28), QStringList({"A", "B"}));
        bytes += Record(900, "Tie") + Record(400, "Low");
        WriteFile(file(), bytes);
        hs->ShowTable("Pigmentra.hsc");
        const QStringList names = column(1);
        QCOMPARE(names.size(), 30);
        QCOMPARE(names, QStringList(28, "x") << "Low"
                                             << "B");
        QCOMPARE(column(0).mid(26), QStringList({"128", "129", "400", "900"}));

        // The same through an entry offered directly: a tie stays out.
        Highscore::LowestTable full;
        for (int i = 0; i < 30; ++i)
            full.Offer({i == 0 ? 50 : 10, i == 0 ? "first" : "y"});
        full.Offer({50, "tie"});
        QCOMPARE(full.Sorted().back().Name, QString("first"));

        // Only a total above 0 can be replaced: thirty zeros keep out -5.
        Highscore::LowestTable table;
        for (int i = 0; i < 30; ++i)
            table.Offer({0, "z"});
        QVERIFY(!table.WouldEnter(-5));
        table.Offer({-5, "neg"});
        QCOMPARE(table.Entries().back().Name, QString("z"));
    }

    void longNamesCutToHundredBytesOnCharacterBoundary() {
        // 120 characters keep their first 100; every record stays 150 bytes.
        const QByteArray longName = QByteArray(100, 'a') + QByteArray(20, 'b');
        hs->AddEntry("Pigmentra.hsc", QString::fromLatin1(longName), 4200);
        hs->AddEntry("Pigmentra.hsc", "Zweiter", 5100);
        const QByteArray bytes = ReadFile(file());
        QCOMPARE(bytes.size(), 300);
        QCOMPARE(bytes.left(150), Record(4200, QByteArray(100, 'a')));
        QCOMPARE(bytes.mid(150), Record(5100, "Zweiter"));

        // 99 'a' + "é" (2 bytes) would be 101 bytes: "é" goes, a blank pads.
        QCOMPARE(Highscore::StoredName(QString(99, 'a') + QString::fromUtf8("é")), QByteArray(99, 'a'));
        // "aa" + 40 × "€" (3 bytes each): 32 euros fit in 98 bytes.
        const QString euros = "aa" + QString(40, QChar(0x20AC));
        QCOMPARE(Highscore::StoredName(euros), euros.left(34).toUtf8());
        hs->AddEntry("Pigmentra.hsc", euros, 10);
        QCOMPARE(ReadFile(file()).size(), 450);
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(hs->Liste->Cell(1, 0), euros.left(34));
        QCOMPARE(hs->Liste->Cell(1, 1), QString(100, 'a'));
    }

    void namesDecodedTrimmedAndLatin1Tolerated() {
        // UTF-8 decodes; bytes that are not UTF-8 read as Latin-1; blanks and
        // control bytes at both ends go; a last piece too short to hold a
        // record's text is torn and left out.
        QByteArray bytes = Record(1,
                                  "M\xFC"
                                  "ller") +
                           Record(2, "Jos\xE9 Gr\xC3\xBC\xC3\x9F") + Record(3, "  Anna \t  ") + Record(4, "\xC3");
        bytes += Record(5, "Kurz").left(40);
        WriteFile(file(), bytes);
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(column(1), QStringList({QString::fromUtf8("Müller"), QString::fromUtf8("José Grüß"), "Anna",
                                         QString::fromUtf8("Ã")}));
        QCOMPARE(column(0), QStringList({"1", "2", "3", "4"}));
        WriteFile(file(), Record(9, "x").left(150 - 36) + QByteArray(36, 'Z') + Record(77, "y"));
        hs->LoadTable();
        // No zero byte: the name runs to the end of the record, not beyond.
        QCOMPARE(column(0), QStringList({"9", "77"}));
        QCOMPARE(column(1), QStringList({"x" + QString(100, ' ') + "\r\n" + QString(36, 'Z'), "y"}));
    }

    void pointsParsedLikeDecimalPrefix() {
        // Leading blanks, optional sign, digits until another byte; too big saturates.
        QCOMPARE(Highscore::ParsePoints("  -12abc", 8), -12);
        QCOMPARE(Highscore::ParsePoints("+7", 2), 7);
        QCOMPARE(Highscore::ParsePoints("abc", 3), 0);
        QCOMPARE(Highscore::ParsePoints("123", 2), 12);
        QCOMPARE(Highscore::ParsePoints("99999999999", 11), 2147483647);
        QCOMPARE(Highscore::ParsePoints("-99999999999", 12), int32_t(-2147483647 - 1));
    }

    void randomBytesListSortedWithoutCrash() {
        // Any bytes give at most 30 rows in ascending order.
        QRandomGenerator rng(7);
        for (int round = 0; round < 20; ++round) {
            QByteArray bytes(int(rng.bounded(4000)), '\0');
            for (char& c : bytes)
                c = char(rng.bounded(256));
            WriteFile(file(), bytes);
            hs->LoadTable();
            QVERIFY(hs->Liste->RowCount() >= 1 && hs->Liste->RowCount() <= 30);
            const QStringList totals = column(0);
            for (int i = 1; i < totals.size(); ++i)
                QVERIFY(totals[i - 1].toLongLong() <= totals[i].toLongLong());
        }
        QVERIFY(env->messages.isEmpty());
    }

    void deleteRemovesFileAndNextEntryStartsAfresh() {
        // "Törlés" deletes the file and blanks row 0; the next result creates it.
        hs->AddEntry("Pigmentra.hsc", "Eva", 3000);
        hs->AddEntry("Pigmentra.hsc", "Udo", 2000);
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(hs->Liste->RowCount(), 2);
        QVERIFY(ClickButton(hs, "Loeschen"));
        QVERIFY(!QFile::exists(file()));
        QCOMPARE(hs->Liste->RowCount(), 1);
        QCOMPARE(column(0) + column(1) + column(2), QStringList({" ", " ", " "}));
        QCOMPARE(hs->Liste->Col(), 2);
        hs->AddEntry("Pigmentra.hsc", "Ida", 7000);
        QCOMPARE(ReadFile(file()), Record(7000, "Ida"));
    }

    void tornPiecesSkippedEveryWholeRecordKept() {
        // Three results, then 20 stray bytes (a torn copy): two more results
        // land at the next multiple of 150 and all five are listed.
        WriteFile(file(), Record(300, "Ada") + Record(100, "Bea") + Record(200, "Cem") + QByteArray(20, 'X'));
        hs->AddEntry("Pigmentra.hsc", "NewBest", 50);
        hs->AddEntry("Pigmentra.hsc", "Second", 70);
        const QByteArray bytes = ReadFile(file());
        QCOMPARE(bytes.size(), 6 * 150);
        QCOMPARE(bytes.mid(450),
                 QByteArray(20, 'X') + QByteArray(130, '\0') + Record(50, "NewBest") + Record(70, "Second"));
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(column(0), QStringList({"50", "70", "100", "200", "300"}));
        QCOMPARE(column(1), QStringList({"NewBest", "Second", "Bea", "Cem", "Ada"}));

        // Older files: records appended straight behind the stray bytes,
        // a record cut in its padding with the next one right behind it,
        // half a record in the middle, and a short tail.
        WriteFile(file(), Record(300, "Ada") + QByteArray(20, 'X') + Record(50, "Shifted") +
                              Record(60, "Cut").left(120) + Record(80, "Behind") + Record(5, "Half").left(75) +
                              Record(90, "Last") + Record(1, "Tail").left(100));
        hs->LoadTable();
        QCOMPARE(column(1), QStringList({"Shifted", "Cut", "Behind", "Last", "Ada"}));
        QCOMPARE(column(0), QStringList({"50", "60", "80", "90", "300"}));
        QVERIFY(env->messages.isEmpty());
    }

    void giantFileNeitherReadNorWritten() {
        // A sparse file far beyond the limit of a million records: the entry
        // shows "Error Highscore" and writes nothing, the table lists
        // nothing without a message, the log says why, nothing is cut.
        const auto plant = [this](qint64 size) {
            const int fd = ::open(QFile::encodeName(file()).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            QVERIFY(fd >= 0);
            QVERIFY(::ftruncate(fd, off_t(size)) == 0);
            ::close(fd);
        };
        const QRegularExpression why("larger than 150,000,000 bytes|would grow beyond 150,000,000 bytes");
        for (const qint64 size : {qint64(20) << 30, Highscore::MaxFileSize + 1}) {
            plant(size);
            QTest::ignoreMessage(QtWarningMsg, why);
            hs->AddEntry("Pigmentra.hsc", "Eva", 3000);
            QCOMPARE(env->messages, QStringList({"Error Highscore"}));
            QTest::ignoreMessage(QtWarningMsg, why);
            hs->ShowTable("Pigmentra.hsc");
            QCOMPARE(column(1), QStringList({" "}));
            QCOMPARE(env->messages.size(), 1);
            QCOMPARE(QFileInfo(file()).size(), size);
            env->messages.clear();
        }
        // Room for one record more: it is written, the next one is not.
        plant(Highscore::MaxFileSize - 150);
        hs->AddEntry("Pigmentra.hsc", "Last", 10);
        QVERIFY(env->messages.isEmpty());
        QCOMPARE(QFileInfo(file()).size(), Highscore::MaxFileSize);
        QTest::ignoreMessage(QtWarningMsg, why);
        hs->AddEntry("Pigmentra.hsc", "Over", 10);
        QCOMPARE(env->messages, QStringList({"Error Highscore"}));
        QCOMPARE(QFileInfo(file()).size(), Highscore::MaxFileSize);
    }

    void fileIsThePlayersOwn() {
        // A new file is readable by the player alone; a file of another user
        // (here writable by all) is neither written nor listed.
        const mode_t oldMask = ::umask(022);
        hs->AddEntry("Pigmentra.hsc", "Eva", 3000);
        ::umask(oldMask);
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(file()).constData(), &st) == 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        const QByteArray path = QFile::encodeName(file());
        QVERIFY(::chown(path.constData(), 65534, 65534) == 0 && ::chmod(path.constData(), 0666) == 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("belongs to another user"));
        hs->AddEntry("Pigmentra.hsc", "Ida", 1000);
        QCOMPARE(env->messages, QStringList({"Error Highscore"}));
        QCOMPARE(ReadFile(file()), Record(3000, "Eva"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("belongs to another user"));
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(column(1), QStringList({" "}));
    }

    void enterPlaysOnAndNeverDeletesTheTable() {
        // The table opens with the focus on "Játék", at every showing, and
        // Return presses "Játék" only, even with the focus on "Törlés":
        // that one is pressed by Space (or a click), never by Return.
        hs->AddEntry("Pigmentra.hsc", "Eva", 3000);
        const QByteArray stored = ReadFile(file());
        for (int showing = 0; showing < 2; ++showing) {
            hs->ShowTable("Pigmentra.hsc");
            QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(hs->Ok));
            if (showing == 1) {
                QVERIFY(Player::Key(Qt::Key_Backtab));
                QCOMPARE(Player::FocusWidget(), static_cast<QWidget*>(hs->Loeschen));
            }
            QVERIFY(Player::Key(Qt::Key_Return));
            QVERIFY(!hs->isVisible());
            QCOMPARE(ReadFile(file()), stored);
        }
        hs->ShowTable("Pigmentra.hsc");
        QVERIFY(Player::Key(Qt::Key_Backtab));
        QVERIFY(Player::Key(Qt::Key_Space));
        QVERIFY(!QFile::exists(file()));
        QVERIFY(hs->isVisible());
    }

    void emptyFileBlanksPreviousFirstRow() {
        // A table reloaded from nothing shows no leftover of the last one.
        hs->AddEntry("Pigmentra.hsc", "Eva", 3000);
        hs->ShowTable("Pigmentra.hsc");
        QFile::remove(file());
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(hs->Liste->RowCount(), 1);
        QCOMPARE(hs->Liste->Cell(0, 0), " ");
        QCOMPARE(hs->Liste->Cell(1, 0), " ");
    }

    void withoutTempTheGameDataFolderIsUsed() {
        // TEMP unset or empty: <data>/Pigmentra/Pigmentra.hsc, folder created.
        const QString data = QDir::homePath() + "/.qttest/share/Pigmentra";
        for (bool empty : {false, true}) {
            QDir(data).removeRecursively();
            if (empty)
                qputenv("TEMP", "");
            else
                qunsetenv("TEMP");
            hs->AddEntry("Pigmentra.hsc", "Ohne", 1234);
            QCOMPARE(ReadFile(data + "/Pigmentra.hsc"), Record(1234, "Ohne"));
            hs->ShowTable("Pigmentra.hsc");
            QCOMPARE(hs->HighscorePath, data + "/Pigmentra.hsc");
            QCOMPARE(hs->Liste->Cell(1, 0), "Ohne");
        }
        QDir(data).removeRecursively();
        QVERIFY(env->messages.isEmpty());
    }

    void noUsableTempNorHomeCreatesNothing() {
        // Without TEMP and without a home folder (unset, the root, or missing) there is nowhere to keep results: the
        // entry gives "Error Highscore", the table lists nothing silently, and no folder appears at the filesystem root
        // or in place of the home.
        struct RestoreHome {
            QByteArray home = qgetenv("HOME");
            ~RestoreHome() { qputenv("HOME", home); }
        } restore;
        const QString atRoot = "/.qttest/share/Pigmentra";
        const QString missingHome = dir->path() + "/gone";
        QDir(atRoot).removeRecursively();
        qunsetenv("TEMP");
        for (const QByteArray& noHome : {QByteArray(), QByteArray("/"), QFile::encodeName(missingHome)}) {
            if (noHome.isNull())
                qunsetenv("HOME");
            else
                qputenv("HOME", noHome);
            hs->AddEntry("Pigmentra.hsc", "Ohne", 1234);
            hs->ShowTable("Pigmentra.hsc");
            QCOMPARE(hs->HighscorePath, QString());
            QCOMPARE(hs->Liste->Cell(1, 0), " ");
        }
        QCOMPARE(env->messages, QStringList(3, "Error Highscore"));
        QVERIFY(!QFileInfo::exists(atRoot));
        QVERIFY(!QFileInfo::exists(missingHome));

        // Nor does Qt's shader cache go to /.cache: without a home it is
        // switched off, with one it stays on.
        struct RestoreCache {
            QByteArray cache = qgetenv("XDG_CACHE_HOME");
            ~RestoreCache() {
                qunsetenv("QT_DISABLE_SHADER_DISK_CACHE");
                if (!cache.isNull())
                    qputenv("XDG_CACHE_HOME", cache);
            }
        } restoreCache;
        qunsetenv("XDG_CACHE_HOME");
        for (const QByteArray& noHome : {QByteArray(), QByteArray("/"), QFile::encodeName(missingHome)}) {
            qunsetenv("QT_DISABLE_SHADER_DISK_CACHE");
            if (noHome.isNull())
                qunsetenv("HOME");
            else
                qputenv("HOME", noHome);
            KeepDiskCachesAtHome();
            QCOMPARE(qgetenv("QT_DISABLE_SHADER_DISK_CACHE"), QByteArray("1"));
        }
        qunsetenv("QT_DISABLE_SHADER_DISK_CACHE");
        qputenv("HOME", QFile::encodeName(dir->path()));
        KeepDiskCachesAtHome();
        QVERIFY(!qEnvironmentVariableIsSet("QT_DISABLE_SHADER_DISK_CACHE"));
    }

    void nonUtf8TempIsUsedByteForByte() {
        // A TEMP folder whose name is not UTF-8 (Latin-1 "Ordneré") is used as the bytes it is: the entry is stored
        // there, listed and deleted.
        const QByteArray folder = QFile::encodeName(dir->path()) + "/Ordner\xe9";
        QVERIFY(::mkdir(folder.constData(), 0700) == 0);
        qputenv("TEMP", folder);
        hs->AddEntry("Pigmentra.hsc", "Eva", 3000);
        QVERIFY(env->messages.isEmpty());
        QFile stored;
        const QByteArray bytes = folder + "/Pigmentra.hsc";
        const int fd = ::open(bytes.constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        QVERIFY(stored.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
        QCOMPARE(stored.readAll(), Record(3000, "Eva"));
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(hs->Liste->Cell(1, 0), "Eva");
        hs->LoeschenClick();
        QVERIFY(::access(bytes.constData(), F_OK) != 0);
        QVERIFY(env->messages.isEmpty());
    }

    void failedCreateIsReported() {
        // A folder that cannot hold the file: "Error Highscore"; reading stays silent.
        WriteFile(dir->path() + "/plain", "x");
        qputenv("TEMP", (dir->path() + "/plain/sub").toLocal8Bit());
        hs->AddEntry("Pigmentra.hsc", "Eva", 3000);
        QCOMPARE(env->messages, QStringList({"Error Highscore"}));
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(env->messages.size(), 1);
    }

    void failedWriteIsReportedAndLosesNothing() {
        // A record that does not fit under the size limit is reported and
        // taken back whole; earlier records stay intact.
        hs->AddEntry("Pigmentra.hsc", "Eva", 3000);
        hs->AddEntry("Pigmentra.hsc", "Udo", 2000);
        const QByteArray before = ReadFile(file());
        rlimit old{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        for (rlim_t limit : {rlim_t(300 + 50), rlim_t(300)}) {  // partial write, then none at all
            rlimit small = old;
            small.rlim_cur = limit;
            QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
            hs->AddEntry("Pigmentra.hsc", "Ida", 1000);
            setrlimit(RLIMIT_FSIZE, &old);
        }
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(env->messages, QStringList({"Error Highscore", "Error Highscore"}));
        QCOMPARE(ReadFile(file()), before);
    }

    void readOnlyFileIsListed() {
        // Reading needs no write access.
        hs->AddEntry("Pigmentra.hsc", "Eva", 3000);
        QVERIFY(QFile::setPermissions(file(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        hs->ShowTable("Pigmentra.hsc");
        QCOMPARE(hs->Liste->Cell(1, 0), "Eva");
        QVERIFY(env->messages.isEmpty());
    }

    void readFailureReportedEarlierEntriesKept() {
        // A failing read shows "Error Highscore"; what came before is listed sorted.
        static QByteArray piece;
        piece = Record(30, "c") + Record(10, "a") + Record(20, "b") + Record(5, "cut").left(20);
        WriteFile(file(), "ignored");
        const auto failSecond = [](int, void* buf, size_t) -> ssize_t {
            if (piece.isEmpty()) {
                errno = EIO;
                return -1;
            }
            memcpy(buf, piece.constData(), size_t(piece.size()));
            const ssize_t n = piece.size();
            piece.clear();
            return n;
        };
        const Highscore::ReadResult r = Highscore::ReadLowest(file(), failSecond);
        QVERIFY(r.Failed);
        QCOMPARE(int(r.Entries.size()), 3);
        QCOMPARE(r.Entries[0].Name + r.Entries[1].Name + r.Entries[2].Name, QString("abc"));
    }

    void recordsSplitAcrossReadsAndLargeFiles() {
        // Records cut anywhere by short reads parse whole; 5000 descending
        // totals leave 1..30.
        QByteArray bytes;
        for (int t = 5000; t >= 1; --t)
            bytes += Record(t, "N" + QByteArray::number(t));
        WriteFile(file(), bytes);
        const auto shortReads = [](int fd, void* buf, size_t n) { return ::read(fd, buf, qMin<size_t>(n, 997)); };
        for (auto reader : {Highscore::ReadFunction(nullptr), Highscore::ReadFunction(shortReads)}) {
            const Highscore::ReadResult r = Highscore::ReadLowest(file(), reader);
            QVERIFY(!r.Failed);
            QCOMPARE(int(r.Entries.size()), 30);
            for (int i = 0; i < 30; ++i)
                QCOMPARE(r.Entries[size_t(i)].Name, "N" + QString::number(i + 1));
        }
    }
};

QTEST_MAIN(HighscoreTest)
#include "tst_highscore.moc"
