// The highscore file under stress: two games appending at the same time, a
// file or folder the player may not write, a full disk, and something other
// than a plain file planted where the file belongs.
//
// The tests run as root, which ignores permission bits. The writers therefore
// run in helper processes (this test program started again with "--helper"),
// which give up root for the nobody user before they write where the bits
// forbid it, and set a file-size limit (RLIMIT_FSIZE, SIGXFSZ ignored) for
// the full disk.
#include "support/TestSupport.h"

#include "dialogs/Highscore1.h"
#include "platform/Controls.h"
#include "platform/HighscoreFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>

class HighscoreStressTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void twoGamesAppendingAtOnceLeaveEveryRecordWhole();
    void unwritableFileOrFolderReportsTheErrorAndKeepsTheRecords_data();
    void unwritableFileOrFolderReportsTheErrorAndKeepsTheRecords();
    void aFileThePlayerMayOnlyReadIsListed();
    void fullDiskReportsTheErrorAndKeepsWholeRecords_data();
    void fullDiskReportsTheErrorAndKeepsWholeRecords();
    void plantedLinkOrSpecialFileIsNeverWrittenNorWaitedOn_data();
    void plantedLinkOrSpecialFileIsNeverWrittenNorWaitedOn();

private:
    QString path() const { return dir_->filePath(QStringLiteral("Pigmentra.hsc")); }
    // Runs this program as a helper; returns what it printed. A helper that
    // has not ended within `timeout` ms is killed (exit code -1).
    QByteArray helper(const QStringList& args, int* exitCode = nullptr, int timeout = 120000);
    QByteArray storeRecords(int count);
    std::unique_ptr<QTemporaryDir> dir_;
    QByteArray stderr_;  // what the last helper wrote to standard error
};

namespace {
constexpr uid_t Nobody = 65534;
constexpr int RecordsPerWriter = 1000;

QByteArray ReadAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Helper: appends `count` records named "<tag> <n>" with the total n, once
// the file `go` exists, so both writers start together.
int AppendMany(const QString& file, const QString& tag, int count, const QString& go) {
    while (!QFile::exists(go))
        QThread::usleep(200);
    for (int n = 0; n < count; ++n)
        if (!Highscore::AppendRecord(file, n, tag + QLatin1Char(' ') + QString::number(n)))
            return 2;
    return 0;
}

// Helper: one accepted game's entry through the highscore dialog, as the
// verdict adds it, after giving up root and/or under a file-size limit.
// Prints the game's own message boxes, one a line.
int AddEntryAs(int argc, char** argv, bool dropRoot, long long sizeLimit) {
    QApplication app(argc, argv);
    TestEnvironment env;
    THighScore table;
    // SIGXFSZ keeps its default action, which ends the process: the game
    // itself must keep a write beyond the limit from killing it.
    if (sizeLimit >= 0) {
        rlimit limit{rlim_t(sizeLimit), rlim_t(sizeLimit)};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
    }
    if (dropRoot && (setgid(Nobody) != 0 || setuid(Nobody) != 0))
        return 4;
    table.AddEntry(QStringLiteral("Pigmentra.hsc"), QStringLiteral("Nachzügler"), 4711);
    for (const QString& m : env.messages)
        std::printf("%s\n", qPrintable(m));
    return 0;
}
// Helper: the table as the main menu's highscore button shows it, after giving
// up root. Prints the first row's name, then the game's message boxes.
int ListAsNobody(int argc, char** argv) {
    QApplication app(argc, argv);
    TestEnvironment env;
    THighScore table;
    if (setgid(Nobody) != 0 || setuid(Nobody) != 0)
        return 4;
    table.ShowTable(QStringLiteral("Pigmentra.hsc"));
    std::printf("%s\n", qPrintable(table.Liste->Cell(1, 0)));
    for (const QString& m : env.messages)
        std::printf("%s\n", qPrintable(m));
    return 0;
}
// Helper: an accepted game's entry, then the table as the main menu shows
// it. Prints the game's message boxes, then the first row's total. An alarm
// ends a helper that waits on the file.
int EntryThenTable(int argc, char** argv) {
    alarm(30);
    QApplication app(argc, argv);
    TestEnvironment env;
    THighScore table;
    table.AddEntry(QStringLiteral("Pigmentra.hsc"), QStringLiteral("Nachzügler"), 4711);
    table.ShowTable(QStringLiteral("Pigmentra.hsc"));
    for (const QString& m : env.messages)
        std::printf("%s\n", qPrintable(m));
    std::printf("[%s]\n", qPrintable(table.Liste->Cell(0, 0)));
    return 0;
}
}  // namespace

void HighscoreStressTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    // The nobody user must reach the folder.
    QVERIFY(::chmod(QFile::encodeName(dir_->path()).constData(), 0755) == 0);
}

void HighscoreStressTest::cleanup() {
    ::chmod(QFile::encodeName(dir_->path()).constData(), 0755);
    dir_.reset();
}

QByteArray HighscoreStressTest::helper(const QStringList& args, int* exitCode, int timeout) {
    QProcess p;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TEMP"), dir_->path());
    p.setProcessEnvironment(environment);
    p.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--helper")} + args);
    if (!p.waitForFinished(timeout)) {
        qWarning("helper did not finish");
        p.kill();
        p.waitForFinished();
    }
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    stderr_ = p.readAllStandardError();
    return p.readAllStandardOutput();
}

QByteArray HighscoreStressTest::storeRecords(int count) {
    for (int n = 0; n < count; ++n)
        Highscore::AppendRecord(path(), 1000 + n, QStringLiteral("Spieler %1").arg(n));
    return ReadAll(path());
}

void HighscoreStressTest::twoGamesAppendingAtOnceLeaveEveryRecordWhole() {
    // Two processes appending 1000 records each at the same time leave exactly 2000 whole records, each writer's in its
    // own order.
    const QString go = dir_->filePath(QStringLiteral("go"));
    QList<QProcess*> writers;
    for (const QString& tag : {QStringLiteral("Anna"), QStringLiteral("Bela")}) {
        auto* p = new QProcess(this);
        p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--helper"), QStringLiteral("append"), path(),
                                                           tag, QString::number(RecordsPerWriter), go});
        QVERIFY(p->waitForStarted());
        writers << p;
    }
    QFile(go).open(QIODevice::WriteOnly);
    for (QProcess* p : writers) {
        QVERIFY(p->waitForFinished(120000));
        QCOMPARE(p->exitCode(), 0);
        delete p;
    }

    const QByteArray bytes = ReadAll(path());
    QCOMPARE(bytes.size(), 2 * RecordsPerWriter * Highscore::RecordSize);
    int next[2] = {0, 0};
    int switches = 0;
    int last = -1;
    for (int offset = 0; offset < bytes.size(); offset += Highscore::RecordSize) {
        const QByteArray record = bytes.mid(offset, Highscore::RecordSize);
        const int who = record.mid(Highscore::NameOffset).startsWith("Anna ") ? 0 : 1;
        switches += last >= 0 && who != last;
        last = who;
        const QString name = QStringLiteral("%1 %2").arg(who == 0 ? "Anna" : "Bela").arg(next[who]);
        QCOMPARE(record, Highscore::FormatRecord(next[who], name));
        ++next[who];
    }
    QCOMPARE(next[0], RecordsPerWriter);
    QCOMPARE(next[1], RecordsPerWriter);
    qInfo("the writers took turns %d times", switches);
}

void HighscoreStressTest::unwritableFileOrFolderReportsTheErrorAndKeepsTheRecords_data() {
    QTest::addColumn<int>("fileMode");  // -1: no file yet
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("players");  // the file belongs to the player
    QTest::addColumn<bool>("fails");
    QTest::newRow("read-only file") << 0444 << 0755 << true << true;
    QTest::newRow("read-only folder, no file yet") << -1 << 0555 << true << true;
    QTest::newRow("read-only folder and file") << 0444 << 0555 << true << true;
    // A file the player may write appends also in a folder the player may not.
    QTest::newRow("read-only folder, writable file") << 0666 << 0555 << true << false;
    // Another user's file is refused however open it is.
    QTest::newRow("another user's writable file, sticky folder") << 0666 << 01777 << false << true;
}

void HighscoreStressTest::unwritableFileOrFolderReportsTheErrorAndKeepsTheRecords() {
    // A player who may not write the file (or create it) gets "Error Highscore", and every stored record stays as it
    // was.
    QFETCH(int, fileMode);
    QFETCH(int, folderMode);
    QFETCH(bool, players);
    QFETCH(bool, fails);
    QByteArray stored;
    if (fileMode >= 0) {
        stored = storeRecords(3);
        if (players)
            QVERIFY(::chown(QFile::encodeName(path()).constData(), Nobody, Nobody) == 0);
        QVERIFY(::chmod(QFile::encodeName(path()).constData(), mode_t(fileMode)) == 0);
    }
    QVERIFY(::chmod(QFile::encodeName(dir_->path()).constData(), mode_t(folderMode)) == 0);

    int exitCode = -1;
    const QByteArray shown = helper({QStringLiteral("entry-as-nobody")}, &exitCode);
    QCOMPARE(exitCode, 0);
    if (fails) {
        QCOMPARE(shown, QByteArray("Error Highscore\n"));
        QCOMPARE(ReadAll(path()), stored);
        QCOMPARE(QFile::exists(path()), fileMode >= 0);
    } else {
        QCOMPARE(shown, QByteArray());
        QCOMPARE(ReadAll(path()), stored + Highscore::FormatRecord(4711, QStringLiteral("Nachzügler")));
    }
}

void HighscoreStressTest::aFileThePlayerMayOnlyReadIsListed() {
    // Listing needs no write access: a file the player may only read shows its results without an error.
    storeRecords(2);
    QVERIFY(::chown(QFile::encodeName(path()).constData(), Nobody, Nobody) == 0);
    QVERIFY(::chmod(QFile::encodeName(path()).constData(), 0444) == 0);
    int exitCode = -1;
    const QByteArray shown = helper({QStringLiteral("list-as-nobody")}, &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(shown, QByteArray("Spieler 0\n"));
}

void HighscoreStressTest::fullDiskReportsTheErrorAndKeepsWholeRecords_data() {
    QTest::addColumn<int>("room");  // bytes the disk still takes
    QTest::newRow("no room") << 0;
    QTest::newRow("room for part of a record") << 100;
    QTest::newRow("room for all but one byte") << Highscore::RecordSize - 1;
}

void HighscoreStressTest::fullDiskReportsTheErrorAndKeepsWholeRecords() {
    // A write that does not fit gives "Error Highscore" and leaves only whole records: the part written is taken back;
    // with room again the next entry is stored.
    QFETCH(int, room);
    const QByteArray stored = storeRecords(5);
    int exitCode = -1;
    const QByteArray shown =
        helper({QStringLiteral("entry-with-limit"), QString::number(stored.size() + room)}, &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(shown, QByteArray("Error Highscore\n"));
    QCOMPARE(ReadAll(path()), stored);

    QCOMPARE(helper({QStringLiteral("entry-with-limit"), QString::number(stored.size() + Highscore::RecordSize)}),
             QByteArray());
    QCOMPARE(ReadAll(path()), stored + Highscore::FormatRecord(4711, QStringLiteral("Nachzügler")));
}

void HighscoreStressTest::plantedLinkOrSpecialFileIsNeverWrittenNorWaitedOn_data() {
    QTest::addColumn<QString>("planted");
    QTest::newRow("link to a file of the player's") << "link";
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("hard link to a file of the player's") << "hard link";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("device") << "device";
    QTest::newRow("folder") << "folder";
}

void HighscoreStressTest::plantedLinkOrSpecialFileIsNeverWrittenNorWaitedOn() {
    // Whatever is planted at the highscore path that is not a plain file of its own, the entry gives "Error Highscore"
    // with the reason on standard error, the table lists nothing, nothing is written anywhere, and nothing waits.
    QFETCH(QString, planted);
    const QString victim = dir_->filePath(QStringLiteral("private.txt"));
    const QByteArray kept("the player's own notes\n");
    {
        QFile f(victim);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kept);
    }
    const QByteArray at = QFile::encodeName(path());
    const QString nowhere = dir_->filePath(QStringLiteral("created-by-a-link"));
    if (planted == QLatin1String("link"))
        QVERIFY(::symlink(QFile::encodeName(victim).constData(), at.constData()) == 0);
    else if (planted == QLatin1String("dangling"))
        QVERIFY(::symlink(QFile::encodeName(nowhere).constData(), at.constData()) == 0);
    else if (planted == QLatin1String("hard link"))
        QVERIFY(::link(QFile::encodeName(victim).constData(), at.constData()) == 0);
    else if (planted == QLatin1String("fifo"))
        QVERIFY(::mkfifo(at.constData(), 0666) == 0);
    else if (planted == QLatin1String("device") && ::mknod(at.constData(), S_IFCHR | 0666, makedev(1, 5)) != 0)
        QSKIP("no right to make a device node here (/dev/zero's numbers)");
    else if (planted == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path()));

    int exitCode = -1;
    const QByteArray shown = helper({QStringLiteral("entry-then-table")}, &exitCode, 15000);
    QCOMPARE(exitCode, 0);  // neither waited on the file nor was killed
    QCOMPARE(shown, QByteArray("Error Highscore\n[ ]\n"));
    QVERIFY2(stderr_.contains(at), stderr_.constData());
    QCOMPARE(ReadAll(victim), kept);
    QVERIFY(!QFileInfo::exists(nowhere));
}

int main(int argc, char** argv) {
    if (argc >= 3 && qstrcmp(argv[1], "--helper") == 0) {
        const QByteArray mode = argv[2];
        if (mode == "append" && argc == 7)
            return AppendMany(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]), atoi(argv[5]),
                              QString::fromLocal8Bit(argv[6]));
        if (mode == "entry-as-nobody")
            return AddEntryAs(1, argv, true, -1);
        if (mode == "list-as-nobody")
            return ListAsNobody(1, argv);
        if (mode == "entry-then-table")
            return EntryThenTable(1, argv);
        if (mode == "entry-with-limit" && argc == 4)
            return AddEntryAs(1, argv, false, atoll(argv[3]));
        return 1;
    }
    QApplication app(argc, argv);
    HighscoreStressTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highscore_stress.moc"
