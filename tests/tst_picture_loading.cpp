// Pictures read from files: each file is decoded once and shared by the
// controls that show it, and decorative artwork is decoded when first needed.
#include "platform/Picture.h"
#include "platform/Toolkit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {
QString WriteBmp(const QTemporaryDir& dir, const QString& name, QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    image.save(path, "BMP");
    return path;
}
}  // namespace

class PictureLoadingTest : public QObject {
    Q_OBJECT

private slots:
    void paintingOnOnePictureLeavesTheOthersOfTheFile();
    void aFileChangedOnDiskIsReadAgain();
    void decorationIsReadWhenFirstNeeded();
    void brokenDecorationLeavesThePictureAsItWas();
};

void PictureLoadingTest::paintingOnOnePictureLeavesTheOthersOfTheFile() {
    // Controls loading the same file share its pixels only until one paints.
    QTemporaryDir dir;
    const QString path = WriteBmp(dir, QStringLiteral("car.bmp"), QSize(20, 10), qRgb(255, 255, 255));
    QWidget parent;
    TPicture first(&parent, QStringLiteral("first"), 0, 0);
    TPicture second(&parent, QStringLiteral("second"), 0, 0);
    first.LoadFromFile(path);
    second.LoadFromFile(path);
    first.FloodFill(5, 5, QColor(10, 20, 30));
    QCOMPARE(first.Pixel(5, 5), qRgb(10, 20, 30) & 0xFFFFFF);
    QCOMPARE(second.Pixel(5, 5), 0xFFFFFFu);
    // A picture loaded afterwards gets the file as it is, not the painted copy.
    TPicture third(&parent, QStringLiteral("third"), 0, 0);
    third.LoadFromFile(path);
    QCOMPARE(third.Pixel(19, 9), 0xFFFFFFu);
    QCOMPARE(third.size(), QSize(20, 10));
}

void PictureLoadingTest::aFileChangedOnDiskIsReadAgain() {
    // A file written anew (same name, same size) is decoded again, as is one
    // that vanished: missing raises the toolkit failure as ever.
    QTemporaryDir dir;
    const QString path = WriteBmp(dir, QStringLiteral("swatch.bmp"), QSize(8, 8), qRgb(255, 0, 0));
    QWidget parent;
    TPicture picture(&parent, QStringLiteral("picture"), 0, 0);
    picture.LoadFromFile(path);
    QCOMPARE(picture.Pixel(1, 1), 0xFF0000u);

    WriteBmp(dir, QStringLiteral("swatch.bmp"), QSize(8, 8), qRgb(0, 0, 255));
    // Give the rewritten file a time stamp that surely differs.
    struct stat st {};
    QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
    timespec times[2] = {st.st_atim, st.st_mtim};
    times[1].tv_sec += 5;
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
    picture.LoadFromFile(path);
    QCOMPARE(picture.Pixel(1, 1), 0x0000FFu);

    QVERIFY(QFile::remove(path));
    QVERIFY_THROWS_EXCEPTION(ToolkitError, picture.LoadFromFile(path));
}

void PictureLoadingTest::decorationIsReadWhenFirstNeeded() {
    // A decoration takes its size from the file at once and shows the file's
    // pixels whenever they are read; a missing file is refused and changes
    // nothing.
    QTemporaryDir dir;
    const QString path = WriteBmp(dir, QStringLiteral("bar.bmp"), QSize(30, 12), qRgb(0, 128, 255));
    QWidget parent;
    TPicture picture(&parent, QStringLiteral("bar"), 0, 0);
    QVERIFY(picture.LoadDecoration(path));
    QCOMPARE(picture.size(), QSize(30, 12));
    QCOMPARE(picture.Pixel(29, 11), 0x0080FFu);
    QCOMPARE(picture.PictureWidth(), 30);

    QVERIFY(!picture.LoadDecoration(dir.filePath(QStringLiteral("missing.png"))));
    QCOMPARE(picture.Pixel(0, 0), 0x0080FFu);

    // Painting on a decoration paints on the file's pixels.
    TPicture painted(&parent, QStringLiteral("painted"), 0, 0);
    QVERIFY(painted.LoadDecoration(path));
    painted.FloodFill(3, 3, QColor(1, 2, 3));
    QCOMPARE(painted.Pixel(29, 0), 0x010203u);
    QCOMPARE(picture.Pixel(29, 0), 0x0080FFu);
}

void PictureLoadingTest::brokenDecorationLeavesThePictureAsItWas() {
    // A file that is no picture is refused at once; one whose pixels turn out
    // unreadable only when they are first needed leaves the earlier picture.
    QTemporaryDir dir;
    const QString good = WriteBmp(dir, QStringLiteral("good.bmp"), QSize(16, 16), qRgb(0, 255, 0));
    QWidget parent;
    TPicture picture(&parent, QStringLiteral("picture"), 0, 0, 16, 16);
    QVERIFY(picture.LoadDecoration(good));
    QCOMPARE(picture.Pixel(2, 2), 0x00FF00u);

    const QString garbage = dir.filePath(QStringLiteral("garbage.png"));
    QFile g(garbage);
    QVERIFY(g.open(QIODevice::WriteOnly));
    g.write("this is no picture at all");
    g.close();
    QVERIFY(!picture.LoadDecoration(garbage));
    QCOMPARE(picture.Pixel(2, 2), 0x00FF00u);

    // Readable when named, garbage by the time its pixels are first needed.
    const QString spoilt = WriteBmp(dir, QStringLiteral("spoilt.bmp"), QSize(16, 16), qRgb(255, 0, 0));
    QVERIFY(picture.LoadDecoration(spoilt));
    QVERIFY(QFile::remove(spoilt));
    QVERIFY(QFile::copy(garbage, spoilt));
    picture.grab();  // painting it must not fail either
    QCOMPARE(picture.Pixel(2, 2), 0x00FF00u);
}

QTEST_MAIN(PictureLoadingTest)
#include "tst_picture_loading.moc"
