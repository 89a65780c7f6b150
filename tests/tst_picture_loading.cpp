// Pictures read from files: each file is decoded once and shared by the
// controls that show it, and decorative artwork is decoded when first needed.
#include "platform/Bmp.h"
#include "platform/Picture.h"
#include "platform/Toolkit.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {
QString WriteBmp(const QTemporaryDir& dir, const QString& name, QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    image.save(path, "BMP");
    return path;
}

// A picture of random pixels written by Qt's BMP writer (24 bits per pixel,
// bottom-up rows padded to four bytes).
QByteArray RandomBmp(QSize size, quint32 seed, QImage* written) {
    QRandomGenerator random(seed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, 0xFF000000u | random.bounded(0x1000000u));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    *written = image;
    return bytes;
}

QImage Quick(const QByteArray& bytes) {
    return ReadPlainBmp(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
}

void PutLittleEndian32(QByteArray& bytes, int at, qint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(quint32(value) >> (8 * i) & 0xFF);
}
}  // namespace

class PictureLoadingTest : public QObject {
    Q_OBJECT

private slots:
    void paintingOnOnePictureLeavesTheOthersOfTheFile();
    void aFileChangedOnDiskIsReadAgain();
    void decorationIsReadWhenFirstNeeded();
    void brokenDecorationLeavesThePictureAsItWas();
    void quickReaderGivesThePixelsQtReads();
    void quickReaderLeavesOtherFilesToQt();
    void fifoOrPictureBeyondTheBudgetIsRefusedAtOnce();
    void allPicturesTogetherStayWithinOneBudget();
    void pictureWithMissingRowsIsBroken();
    void fileCutWhileReadIsAFailureNeverASignal();
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

    // A picture in another format takes its size from Qt's readers.
    QImage png(7, 9, QImage::Format_RGB32);
    png.fill(qRgb(10, 20, 30));
    QVERIFY(png.save(dir.filePath(QStringLiteral("other.png")), "PNG"));
    TPicture other(&parent, QStringLiteral("other"), 0, 0);
    QVERIFY(other.LoadDecoration(dir.filePath(QStringLiteral("other.png"))));
    QCOMPARE(other.size(), QSize(7, 9));
    QCOMPARE(other.Pixel(6, 8), 0x0A141Eu);

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

void PictureLoadingTest::quickReaderGivesThePixelsQtReads() {
    // Every row padding (widths 1 to 8) and a screen-sized picture: the quick
    // reader's pixels are those Qt's general reader decodes from the same
    // bytes, and those that were written.
    for (const QSize size : {QSize(1, 1), QSize(2, 3), QSize(3, 2), QSize(4, 5), QSize(5, 4), QSize(6, 1), QSize(7, 7),
                             QSize(8, 2), QSize(795, 306)}) {
        QImage written;
        const QByteArray bytes = RandomBmp(size, quint32(size.width() * 1000 + size.height()), &written);
        const QImage quick = Quick(bytes);
        QVERIFY2(!quick.isNull(), qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        QCOMPARE(quick.format(), QImage::Format_RGB32);
        QCOMPARE(quick, QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32));
        QCOMPARE(quick, written);
    }

    // A negative height stores the rows top-down.
    QImage written;
    QByteArray bytes = RandomBmp(QSize(5, 3), 7, &written);
    const int offset = int(quint8(bytes[10]));
    const int stride = 16;  // 5 pixels of 3 bytes, padded to 16
    QByteArray flipped = bytes.left(offset);
    for (int row = 2; row >= 0; --row)
        flipped += bytes.mid(offset + row * stride, stride);
    PutLittleEndian32(flipped, 22, -3);
    QCOMPARE(Quick(flipped), written);
}

void PictureLoadingTest::quickReaderLeavesOtherFilesToQt() {
    // Anything but a whole uncompressed 24-bit BMP is refused (a null image),
    // so that Qt's reader decides; the game still loads such files.
    QImage written;
    const QByteArray good = RandomBmp(QSize(6, 4), 11, &written);
    QVERIFY(!Quick(good).isNull());

    QVERIFY(Quick(QByteArray()).isNull());
    QVERIFY(Quick(good.left(good.size() - 1)).isNull());  // last row cut short
    QVERIFY(Quick(good.left(30)).isNull());               // header cut short
    QByteArray notBmp = good;
    notBmp[0] = 'P';
    QVERIFY(Quick(notBmp).isNull());
    QByteArray huge = good;
    PutLittleEndian32(huge, 18, 0x7FFFFFFF);  // width
    QVERIFY(Quick(huge).isNull());
    QByteArray flat = good;
    PutLittleEndian32(flat, 22, 0);  // height
    QVERIFY(Quick(flat).isNull());
    QByteArray compressed = good;
    PutLittleEndian32(compressed, 30, 1);  // run-length encoded
    QVERIFY(Quick(compressed).isNull());
    QByteArray farOffset = good;
    PutLittleEndian32(farOffset, 10, good.size());  // pixels beyond the end
    QVERIFY(Quick(farOffset).isNull());

    // An indexed 8-bit BMP goes to Qt's reader and loads as ever.
    QImage indexed(9, 5, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(200, 100, 50)});
    indexed.fill(1);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("indexed.bmp"));
    QVERIFY(indexed.save(path, "BMP"));
    QVERIFY(Quick([&] {
                QFile f(path);
                f.open(QIODevice::ReadOnly);
                return f.readAll();
            }())
                .isNull());
    QWidget parent;
    TPicture picture(&parent, QStringLiteral("picture"), 0, 0);
    picture.LoadFromFile(path);
    QCOMPARE(picture.Pixel(8, 4), 0xC86432u);
}

void PictureLoadingTest::fifoOrPictureBeyondTheBudgetIsRefusedAtOnce() {
    // A FIFO in a picture's place is "cannot be read" without waiting for a writer; a header of more than 4096 x 4096
    // pixels is "no valid picture" before any pixel is allocated, in the quick reader and in Qt's; a decoration of
    // either is left out. 4096 x 4096 itself still loads.
    alarm(60);  // a load waiting on the FIFO fails instead of hanging
    QTemporaryDir dir;
    const auto message = [](const QString& file) {
        try {
            QWidget parent;
            TPicture picture(&parent, QStringLiteral("picture"), 0, 0);
            picture.LoadFromFile(file);
        } catch (const ToolkitError& e) {
            return e.Message();
        }
        return QString();
    };
    const QString fifo = dir.filePath(QStringLiteral("fifo.bmp"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0);
    QCOMPARE(message(fifo), QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(fifo));

    // Headers of width x height over pixels of zero bytes, sparse on disk.
    const auto sparseBmp = [&dir](const QString& name, qint32 width, qint32 height, int bits) {
        QImage written;
        QByteArray header = RandomBmp(QSize(1, 1), 1, &written).left(54);
        PutLittleEndian32(header, 18, width);
        PutLittleEndian32(header, 22, height);
        header[28] = char(bits);
        const qint64 stride = (qint64(width) * bits / 8 + 3) & ~qint64(3);
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(header);
        f.resize(54 + stride * height);
        return path;
    };
    const QString wide = sparseBmp(QStringLiteral("wide.bmp"), 4097, 4096, 24);
    const QString tall = sparseBmp(QStringLiteral("tall.bmp"), 1, 4096 * 4096 + 1, 24);
    const QString huge32 = sparseBmp(QStringLiteral("huge32.bmp"), 16384, 16384, 32);  // Qt's reader
    for (const QString& file : {wide, tall, huge32})
        QCOMPARE(message(file), QStringLiteral("Die Datei \"%1\" ist kein gültiges Bild.").arg(file));
    QWidget parent;
    TPicture decoration(&parent, QStringLiteral("decoration"), 0, 0, 16, 16);
    for (const QString& file : {fifo, wide, huge32})
        QVERIFY2(!decoration.LoadDecoration(file), qPrintable(file));

    TPicture largest(&parent, QStringLiteral("largest"), 0, 0);
    largest.LoadFromFile(sparseBmp(QStringLiteral("largest.bmp"), 4096, 4096, 24));
    QCOMPARE(largest.Image().size(), QSize(4096, 4096));
    QCOMPARE(largest.Pixel(4095, 4095), 0u);
    alarm(0);
}

void PictureLoadingTest::allPicturesTogetherStayWithinOneBudget() {
    // One PNG of 4096 x 4096 pixels under a BMP name is within the size of
    // one picture, but the cars that each paint their own copy of it run out
    // of the budget of all pictures together within a few: "not enough
    // memory" naming the file, nothing counted for the failed one. A control
    // that goes gives its pixels back.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PigmentraAuto.bmp"));
    QImage big(4096, 4096, QImage::Format_RGB32);
    big.fill(Qt::white);
    QVERIFY(big.save(path, "PNG"));
    big = QImage();
    const qint64 one = 4096 * 4096;
    QWidget parent;
    std::vector<std::unique_ptr<TPicture>> cars;
    QString refused;
    for (int i = 0; i < 50 && refused.isEmpty(); ++i) {
        auto car = std::make_unique<TPicture>(&parent, QStringLiteral("car"), 0, 0, 10, 10);
        const qint64 counted = PicturePixelsInUse();
        try {
            car->LoadFromFile(path);
            car->FloodFill(1, 1, Qt::red);  // a copy of its own
            cars.push_back(std::move(car));
        } catch (const ToolkitError& e) {
            refused = e.Message();
            QCOMPARE(PicturePixelsInUse(), counted);
        }
        QVERIFY(PicturePixelsInUse() <= MaxAllPicturePixels);
    }
    QCOMPARE(refused, QStringLiteral("Für \"%1\" ist nicht genug Speicher frei.").arg(path));
    QVERIFY(!cars.empty() && qint64(cars.size()) * one <= MaxAllPicturePixels);
    cars.pop_back();
    TPicture again(&parent, QStringLiteral("again"), 0, 0, 10, 10);
    again.LoadFromFile(path);
    QCOMPARE(again.Pixel(4095, 4095), 0xFFFFFFu);
}

void PictureLoadingTest::pictureWithMissingRowsIsBroken() {
    // A BMP cut after its headers or in its rows is "no valid picture",
    // whether the quick reader or Qt's (a palette picture, which Qt writes
    // at 4 bits a pixel) meets it; whole, the same files load.
    QTemporaryDir dir;
    QImage written;
    const QByteArray plain = RandomBmp(QSize(40, 30), 3, &written);
    QImage indexed(40, 30, QImage::Format_Indexed8);
    indexed.setColorCount(2);
    indexed.setColor(0, qRgb(0, 0, 0));
    indexed.setColor(1, qRgb(255, 255, 255));
    indexed.fill(1);
    QByteArray paletteBmp;
    {
        QBuffer buffer(&paletteBmp);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(indexed.save(&buffer, "BMP"));
    }
    const int paletteHeader = int(qFromLittleEndian<quint32>(paletteBmp.constData() + 10));
    struct Case {
        const char* name;
        QByteArray bytes;
        bool whole;
    };
    const Case cases[] = {
        {"whole.bmp", plain, true},
        {"header.bmp", plain.left(54), false},
        {"half.bmp", plain.left(54 + 15 * 120), false},
        {"lastbyte.bmp", plain.left(plain.size() - 1), false},
        {"wholepal.bmp", paletteBmp, true},
        {"headerpal.bmp", paletteBmp.left(paletteHeader), false},
        {"halfpal.bmp", paletteBmp.left(paletteHeader + (paletteBmp.size() - paletteHeader) / 2), false},
    };
    QWidget parent;
    for (const Case& c : cases) {
        const QString path = dir.filePath(QLatin1String(c.name));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        TPicture picture(&parent, QStringLiteral("picture"), 0, 0);
        QString message;
        try {
            picture.LoadFromFile(path);
        } catch (const ToolkitError& e) {
            message = e.Message();
        }
        QCOMPARE(message, c.whole ? QString() : QStringLiteral("Die Datei \"%1\" ist kein gültiges Bild.").arg(path));
        if (c.whole)
            QCOMPARE(picture.Image().size(), QSize(40, 30));
    }
}

void PictureLoadingTest::fileCutWhileReadIsAFailureNeverASignal() {
    // A picture cut and rewritten again and again while it is loaded (a file
    // rewritten in place, removable media): every load either gives the
    // whole picture or fails as a toolkit error, and the program lives on.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cut.bmp"));
    QImage written;
    const QByteArray bytes = RandomBmp(QSize(1500, 1500), 5, &written);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.flush();
    std::atomic<bool> stop{false};
    std::thread cutter([&] {
        const int fd = f.handle();
        while (!stop) {
            (void)::ftruncate(fd, 54 + 4500 * 10);
            (void)::ftruncate(fd, bytes.size());
            (void)::pwrite(fd, bytes.constData(), size_t(bytes.size()), 0);
        }
    });
    int loaded = 0, failed = 0;
    QWidget parent;
    for (int i = 0; i < 60; ++i) {
        TPicture picture(&parent, QStringLiteral("picture"), 0, 0);
        try {
            picture.LoadFromFile(path);
            ++loaded;
            QCOMPARE(picture.Image().size(), QSize(1500, 1500));
        } catch (const ToolkitError&) {
            ++failed;
        }
    }
    stop = true;
    cutter.join();
    QCOMPARE(loaded + failed, 60);
    qInfo("%d loads whole, %d failed", loaded, failed);
}

QTEST_MAIN(PictureLoadingTest)
#include "tst_picture_loading.moc"
