// The generated data files: every picture keeps the points the game fills,
// sounds and the clip are well formed, the rules document is real RTF, and
// the generator writes the same bytes on every run. Runs in the run folder.
#include "platform/DataFiles.h"

#include <QApplication>
#include <QAudioFormat>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMediaPlayer>
#include <QPalette>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QtEndian>
#include <QtTest>

#include <vector>

namespace {

// The 4-connected region of exactly the colour at a start point, found by a
// plain breadth-first search.
struct Region {
    QRgb colour = 0;
    std::vector<bool> inside;
    int width = 0;
    int size = 0;
    QRect bounds;
    bool contains(QPoint p) const { return p.x() >= 0 && p.x() < width && inside[size_t(p.y() * width + p.x())]; }
};

QRgb rgb(const QImage& image, QPoint p) { return image.pixel(p) & 0xFFFFFF; }

Region regionAt(const QImage& image, QPoint start) {
    Region r;
    r.width = image.width();
    r.inside.assign(size_t(image.width() * image.height()), false);
    r.colour = rgb(image, start);
    std::vector<QPoint> queue{start};
    r.inside[size_t(start.y() * r.width + start.x())] = true;
    for (size_t i = 0; i < queue.size(); ++i) {
        const QPoint p = queue[i];
        r.bounds |= QRect(p, QSize(1, 1));
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (!image.valid(q) || r.inside[size_t(q.y() * r.width + q.x())] || rgb(image, q) != r.colour)
                continue;
            r.inside[size_t(q.y() * r.width + q.x())] = true;
            queue.push_back(q);
        }
    }
    r.size = int(queue.size());
    return r;
}

// Replaces a region with a colour, as the game's fill does.
void fill(QImage& image, QPoint start, QRgb colour) {
    const Region r = regionAt(image, start);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (r.contains(QPoint(x, y)))
                image.setPixel(x, y, colour | 0xFF000000);
}

QImage load(const QString& name) {
    QImage image(name);
    if (!image.isNull())
        image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

quint32 le32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 le16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }

QByteArray readAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The game's table of data files, and its sounds.
QStringList TableFiles(bool soundsOnly) {
    QStringList names;
    for (const DataFiles::Entry& file : DataFiles::Table)
        if (!soundsOnly || file.FileKind == DataFiles::Kind::Sound)
            names << QString::fromLatin1(file.Name);
    return names;
}
const QStringList kGameFiles = TableFiles(false);
const QStringList kSounds = TableFiles(true);

}  // namespace

class TstAssets : public QObject {
    Q_OBJECT

private slots:
    void everyFileTheGameLoadsByNameExists();
    void picturesHaveTheirScreenSizes();
    void catalogueCarKeepsBodyApartFromMark();
    void levelPicturesKeepMarkRegionAndDiffer();
    void laborSwatchKeepsChipFrameAndCodeRoom();
    void produktionSwatchKeepsCanFrameAndCodeRoom();
    void swatchGridsFitTheirGroupBoxes();
    void vesselLevelLineSplitsInsideAtEveryRedraw();
    void potJetDrumAndPuddleKeepOneFillRegion();
    void carPaintingKeepsBodyFloorAndSprayRoles();
    void decisionPicturesLeaveRoomForPointsLabels();
    void soundsAreWellFormedPcm();
    void clipIsWellFormedAvi();
    void clipFramesDecode();
    void rulesDocumentIsGermanRtf();
    void iconsExistInEverySize();
    void generatorWritesSameBytesEveryRun();
};

void TstAssets::everyFileTheGameLoadsByNameExists() {
    // Every file of the game's table is in the run folder and not empty, and
    // every data file the generator drew there is in the table (which the
    // install rule takes its list from).
    QCOMPARE(kSounds.size(), 9);
    for (const QString& name : kGameFiles)
        QVERIFY2(QFileInfo(name).size() > 0, qPrintable(name));
    const QStringList drawn = QDir().entryList(
        {"Pigmentra*.bmp", "Pigmentra*.png", "Pigmentra*.wav", "Pigmentra*.avi", "Pigmentra*.rtf"}, QDir::Files);
    for (const QString& name : drawn)
        QVERIFY2(kGameFiles.contains(name), qPrintable(name + " is drawn but in no table"));
}

void TstAssets::picturesHaveTheirScreenSizes() {
    // Pictures shown unscaled have the size of the controls that show them,
    // or of the forms they run across.
    const struct {
        const char* name;
        QSize size;
    } expected[] = {{"PigmentraRezeptok.bmp", {816, 255}},
                    {"PigmentraRezeptnio.bmp", {816, 255}},
                    {"PigmentraNeueBasisfarben.bmp", {816, 255}},
                    {"PigmentraAutoproduktion.bmp", {460, 416}},
                    {"PigmentraPfuetze.bmp", {685, 226}},
                    {"PigmentraFass.bmp", {115, 145}},
                    {"PigmentraTonne.bmp", {115, 145}},
                    {"PigmentraTopf.bmp", {106, 101}},
                    {"PigmentraTube.bmp", {97, 221}},
                    {"PigmentraStrahl.bmp", {96, 93}},
                    {"PigmentraBanner.bmp", {816, 300}},
                    {"PigmentraBannerLabor.bmp", {816, 300}},
                    {"PigmentraBannerProduktion.bmp", {816, 300}},
                    {"PigmentraStartTitel.bmp", {808, 306}},
                    {"PigmentraStartUnten.bmp", {816, 300}},
                    {"PigmentraTopBar.bmp", {808, 49}},
                    {"PigmentraBottomBar.bmp", {824, 48}}};
    for (const auto& e : expected)
        QCOMPARE(QImage(e.name).size(), e.size);
    // The game's BMP files are 24-bit uncompressed.
    for (const QString& name : QDir().entryList({"*.bmp"})) {
        const QByteArray b = readAll(name);
        QVERIFY2(b.startsWith("BM") && le16(b, 28) == 24 && le32(b, 30) == 0, qPrintable(name));
    }
}

void TstAssets::catalogueCarKeepsBodyApartFromMark() {
    // The car body around (15, 20) and the mark around (5, 5) are separate
    // regions, even when the body is painted in the mark's own colour. Every
    // pixel of the mark's or the body's colour belongs to its region, so a
    // marked or painted car keeps no stray pale pixels, and the car's edge
    // against the mark is dark, never a pale blend with the background.
    QImage car = load("PigmentraAuto.bmp");
    QVERIFY(car.width() <= 70 && car.height() <= 35);
    const Region body = regionAt(car, FillPoints::CarBody);
    const Region mark = regionAt(car, FillPoints::PickerMark);
    QVERIFY(body.colour != mark.colour);
    QVERIFY2(body.size >= 500, qPrintable(QString::number(body.size)));
    QVERIFY(mark.size >= 500);
    for (int y = 0; y < car.height(); ++y)
        for (int x = 0; x < car.width(); ++x) {
            const QPoint p(x, y);
            const QString at = QStringLiteral("%1,%2").arg(x).arg(y);
            QVERIFY2(rgb(car, p) != mark.colour || mark.contains(p), qPrintable(at));
            QVERIFY2(rgb(car, p) != body.colour || body.contains(p), qPrintable(at));
            if (mark.contains(p))
                continue;
            bool touchesMark = false;
            for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                touchesMark = touchesMark || (car.valid(p + d) && mark.contains(p + d));
            if (touchesMark)
                QVERIFY2(qGray(car.pixel(p)) < 96, qPrintable(at));
        }
    fill(car, FillPoints::CarBody, mark.colour);
    fill(car, FillPoints::PickerMark, 0x308CC6);
    QCOMPARE(rgb(car, FillPoints::CarBody), mark.colour);
}

void TstAssets::levelPicturesKeepMarkRegionAndDiffer() {
    // Each level picture is 80 x 80 with a mark region around (5, 5) framing
    // the badge, and the three badges look different.
    QList<QImage> levels;
    for (int i = 1; i <= 3; ++i) {
        const QImage level = load(QStringLiteral("PigmentraLevel%1.bmp").arg(i));
        QCOMPARE(level.size(), QSize(80, 80));
        const Region mark = regionAt(level, FillPoints::PickerMark);
        QVERIFY(mark.size >= 4 * 80 * 5);
        QCOMPARE(mark.bounds, QRect(0, 0, 80, 80));
        QVERIFY(!mark.contains({40, 40}));
        levels << level;
    }
    QVERIFY(levels[0] != levels[1] && levels[1] != levels[2] && levels[0] != levels[2]);
}

void TstAssets::laborSwatchKeepsChipFrameAndCodeRoom() {
    // The laboratory swatch: chip at (60, 30), frame at (30, 10) and (30, 40)
    // in one colour apart from the chip, the code box at (60, 35) on the chip,
    // all inside the part a neighbouring swatch leaves visible.
    const QImage swatch = load("PigmentraLabor.bmp");
    const int cellW = swatch.width() - 10, cellH = swatch.height() - 40;
    const Region chip = regionAt(swatch, FillPoints::LabChip);
    const Region frameTop = regionAt(swatch, FillPoints::LabFrameTop);
    const Region frameLow = regionAt(swatch, FillPoints::SwatchFrame);
    QCOMPARE(frameTop.colour, frameLow.colour);
    QVERIFY(chip.colour != frameLow.colour);
    QVERIFY(!chip.contains(FillPoints::LabFrameTop) && !chip.contains(FillPoints::SwatchFrame));
    QVERIFY(chip.size >= 1200);
    // Three digits in 13-pixel Arial: about 24 x 16 pixels.
    for (int y = 35; y < 51; ++y)
        for (int x = 60; x < 84; ++x)
            QVERIFY2(chip.contains({x, y}), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    QVERIFY(chip.bounds.right() < cellW && chip.bounds.bottom() < cellH);
    QVERIFY(frameLow.bounds.right() < cellW && frameLow.bounds.bottom() < cellH);
}

void TstAssets::produktionSwatchKeepsCanFrameAndCodeRoom() {
    // The production swatch: can at (20, 80), frame at (30, 40), a separate
    // plain box for the code at (15, 15), inside the visible cell.
    const QImage swatch = load("PigmentraProduktion.bmp");
    const int cellW = swatch.width() - 30;
    const Region can = regionAt(swatch, FillPoints::ProductionCan);
    const Region frame = regionAt(swatch, FillPoints::SwatchFrame);
    const Region label = regionAt(swatch, {15, 15});
    QVERIFY(can.colour != frame.colour);
    QVERIFY(!frame.contains(FillPoints::ProductionCan) && !frame.contains({15, 15}) && !can.contains({15, 15}));
    QVERIFY(can.size >= 1000);
    for (int y = 15; y < 31; ++y)
        for (int x = 15; x < 39; ++x)
            QVERIFY(label.contains({x, y}));
    QVERIFY(can.bounds.right() < cellW && frame.bounds.right() < cellW && label.bounds.right() < cellW);
}

void TstAssets::swatchGridsFitTheirGroupBoxes() {
    // 4 x 4 swatches laid out by the shelf's cell rule stay inside the group
    // boxes: 398 x 287 in the laboratory, 306 x 457 in production.
    const QSize lab = QImage("PigmentraLabor.bmp").size();
    const int labRight = 3 * (lab.width() - 10) + 10 + lab.width();
    const int labBottom = 3 * (lab.height() - 40) + 20 + lab.height();
    QVERIFY2(labRight <= 398 && labBottom <= 287, qPrintable(QStringLiteral("%1 x %2").arg(labRight).arg(labBottom)));
    const QSize prod = QImage("PigmentraProduktion.bmp").size();
    const int prodRight = 3 * (prod.width() - 30) + 10 + prod.width();
    const int prodBottom = 3 * prod.height() + 20 + prod.height();
    QVERIFY2(prodRight <= 306 && prodBottom <= 457,
             qPrintable(QStringLiteral("%1 x %2").arg(prodRight).arg(prodBottom)));
}

void TstAssets::vesselLevelLineSplitsInsideAtEveryRedraw() {
    // Drawing the level as the production screen does (overdraw the old line
    // and paint in button face, draw the new line, fill from (10, 120) what
    // has the colour at (1, 28)) paints exactly the inside below the line,
    // for a rising level too.
    QImage vessel = load("PigmentraTonne.bmp");
    const QRgb face = QApplication::palette().color(QPalette::Button).rgb() & 0xFFFFFF;
    QCOMPARE(rgb(vessel, FillPoints::VesselInside), face);
    QCOMPARE(rgb(vessel, FillPoints::VesselEmptyColour), face);
    const Region inside = regionAt(vessel, FillPoints::VesselInside);
    for (int y = 0; y <= 130; ++y)
        QVERIFY(inside.contains({10, y}) && inside.contains({60, y}));
    QVERIFY(!inside.contains(FillPoints::VesselEmptyColour));
    const int right = vessel.width() - 4;
    const QRgb paints[] = {0xC03020, 0x2050D0, 0x30A050, 0x804090};
    int previous = -1;
    int step = 0;
    // 6000, 7600 (row 47), 9000 and 11000 units.
    for (int row : {65, 47, 32, 11}) {
        if (previous >= 0) {
            for (int x = 5; x <= right; ++x)
                vessel.setPixel(x, previous, face | 0xFF000000);
            fill(vessel, FillPoints::VesselInside, face);
        }
        previous = row;
        for (int x = 5; x <= right; ++x)
            vessel.setPixel(x, row, 0xFF000000);
        const QRgb paint = paints[step++];
        if (rgb(vessel, FillPoints::VesselEmptyColour) == rgb(vessel, FillPoints::VesselInside))
            fill(vessel, FillPoints::VesselInside, paint);
        for (int y = 0; y <= 130; ++y) {
            const bool below = y > row;
            QCOMPARE(rgb(vessel, {10, y}) == paint, below);
            QCOMPARE(rgb(vessel, {60, y}) == paint, below);
        }
        QCOMPARE(rgb(vessel, FillPoints::VesselEmptyColour), face);
    }
}

void TstAssets::potJetDrumAndPuddleKeepOneFillRegion() {
    // Pot (60, 20), jet (50, 40), drum (60, 75) and puddle (400, 130) each
    // have a sizeable paint region that stays off the picture's border area
    // it must not flood.
    const QImage pot = load("PigmentraTopf.bmp");
    const Region paint = regionAt(pot, FillPoints::PotPaint);
    QVERIFY(paint.size >= 1000);
    QVERIFY(!paint.contains({0, 0}) && !paint.contains({53, 60}));
    const QImage jet = load("PigmentraStrahl.bmp");
    const Region stream = regionAt(jet, FillPoints::Jet);
    QVERIFY(stream.size >= 300 && !stream.contains({5, 5}) && stream.bounds.bottom() >= 70);
    const QImage drum = load("PigmentraFass.bmp");
    const Region body = regionAt(drum, FillPoints::Drum);
    QVERIFY(body.size >= 4000 && !body.contains({0, 0}));
    // The hoops do not cut the drum: the body reaches above and below both.
    QVERIFY(body.contains({60, 30}) && body.contains({60, 120}));
    const QImage puddle = load("PigmentraPfuetze.bmp");
    const Region wet = regionAt(puddle, FillPoints::Puddle);
    QCOMPARE(wet.colour, QRgb(0xFFFFFF));
    QVERIFY(wet.size >= 50000 && !wet.contains({0, 0}) && !wet.contains({684, 225}));
}

void TstAssets::carPaintingKeepsBodyFloorAndSprayRoles() {
    // Body points (230, 170) and (200, 300) share one region, the floor stripe
    // at (100, 330) is another, and the spray colour at (300, 275) occurs only
    // inside the square (100..399, 100..399).
    QImage scene = load("PigmentraAutoproduktion.bmp");
    const Region body = regionAt(scene, FillPoints::VerdictBodyUpper);
    QVERIFY(body.contains(FillPoints::VerdictBodyLower));
    const Region floor = regionAt(scene, FillPoints::VerdictFloor);
    QVERIFY(floor.colour != body.colour && !body.contains(FillPoints::VerdictFloor));
    QVERIFY(floor.bounds.width() >= 300);
    const QRgb spray = rgb(scene, FillPoints::VerdictSpray);
    QVERIFY(spray != body.colour && spray != floor.colour);
    int sprayPixels = 0;
    for (int y = 0; y < scene.height(); ++y)
        for (int x = 0; x < scene.width(); ++x)
            if (rgb(scene, {x, y}) == spray) {
                QVERIFY2(x >= 100 && x <= 399 && y >= 100 && y <= 399,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                ++sprayPixels;
            }
    QVERIFY(sprayPixels >= 1000);
    // The body is the whole car: no pixel of its colour lies outside the one
    // region (a cone cutting the body would leave a part of it grey), and it
    // reaches from the bonnet to the boot, above and below the row where the
    // verdict's two copies meet (184).
    int bodyPixels = 0;
    for (int y = 0; y < scene.height(); ++y)
        for (int x = 0; x < scene.width(); ++x)
            bodyPixels += rgb(scene, {x, y}) == body.colour ? 1 : 0;
    QCOMPARE(bodyPixels, body.size);
    QVERIFY(body.bounds.width() >= 200 && body.bounds.top() < 184 && body.bounds.bottom() > 184);
    // The cones stop a few pixels short of the body: painted alike, spray
    // and car still read apart.
    for (int y = 0; y < scene.height(); ++y)
        for (int x = 0; x < scene.width(); ++x) {
            if (rgb(scene, {x, y}) != spray)
                continue;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    QVERIFY2(!body.contains({x + dx, y + dy}), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    // A verdict in the target colour on the floor leaves the body alone.
    fill(scene, FillPoints::VerdictFloor, body.colour ^ 0x404040);
    QCOMPARE(rgb(scene, FillPoints::VerdictBodyUpper), body.colour);
}

void TstAssets::decisionPicturesLeaveRoomForPointsLabels() {
    // The points labels lie over the decision pictures at row 214, x 33..300:
    // that strip stays light; accepted and rejected pictures differ.
    const QImage ok = load("PigmentraRezeptok.bmp");
    const QImage nio = load("PigmentraRezeptnio.bmp");
    QVERIFY(ok != nio);
    for (const QImage& picture : {ok, nio})
        for (int y = 214; y < 236; ++y)
            for (int x = 33; x <= 300; ++x)
                QVERIFY(qGray(picture.pixel(x, y)) >= 200);
}

void TstAssets::soundsAreWellFormedPcm() {
    // Each sound is RIFF/WAVE, 16-bit PCM, with a data size matching the file,
    // short, and not silent; no two sounds are the same.
    QSet<QByteArray> seen;
    for (const QString& name : kSounds) {
        const QByteArray b = readAll(name);
        QVERIFY2(b.size() > 44 && b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt ", qPrintable(name));
        QCOMPARE(le32(b, 4), quint32(b.size() - 8));
        QCOMPARE(le16(b, 20), quint16(1));
        QCOMPARE(le16(b, 34), quint16(16));
        const quint32 rate = le32(b, 24);
        const quint16 channels = le16(b, 22);
        QCOMPARE(le32(b, 28), rate * channels * 2);
        QCOMPARE(b.mid(36, 4), QByteArray("data"));
        const quint32 data = le32(b, 40);
        QCOMPARE(qsizetype(data), b.size() - 44);
        const double seconds = double(data) / (rate * channels * 2);
        QVERIFY2(seconds >= 0.2 && seconds <= 3.0, qPrintable(name));
        int peak = 0;
        for (qsizetype i = 44; i + 1 < b.size(); i += 2)
            peak = qMax(peak, qAbs(int(qFromLittleEndian<qint16>(b.constData() + i))));
        QVERIFY(peak > 8000);
        seen.insert(QCryptographicHash::hash(b, QCryptographicHash::Sha1));
    }
    QCOMPARE(seen.size(), kSounds.size());
}

void TstAssets::clipIsWellFormedAvi() {
    // The clip is a RIFF AVI with hdrl, one video stream, a movi list with as
    // many frames as the header says (2 to 4 seconds), and an idx1 index
    // pointing at each frame.
    const QByteArray b = readAll("PigmentraFaust.avi");
    QVERIFY(b.startsWith("RIFF") && b.mid(8, 4) == "AVI ");
    QCOMPARE(le32(b, 4), quint32(b.size() - 8));
    QCOMPARE(b.mid(12, 4), QByteArray("LIST"));
    QCOMPARE(b.mid(20, 8), QByteArray("hdrlavih"));
    const qsizetype avih = 32;
    const quint32 usPerFrame = le32(b, avih);
    const quint32 frames = le32(b, avih + 16);
    const quint32 width = le32(b, avih + 32), height = le32(b, avih + 36);
    QVERIFY(le32(b, avih + 12) & 0x10);  // has an index
    const double seconds = frames * usPerFrame / 1e6;
    QVERIFY(seconds >= 2.0 && seconds <= 4.0);
    const qsizetype strh = b.indexOf("strh");
    QVERIFY(strh > 0 && b.mid(strh + 8, 4) == "vids");
    const qsizetype strf = b.indexOf("strf");
    QCOMPARE(le32(b, strf + 12), width);
    QCOMPARE(le32(b, strf + 16), height);
    const quint16 bits = le16(b, strf + 22);
    const quint32 compression = le32(b, strf + 24);
    QVERIFY((bits == 24 && compression == 0) || compression == 0x47504A4D /* MJPG */);
    const qsizetype movi = b.indexOf("movi");
    QVERIFY(movi > 0 && b.mid(movi - 8, 4) == "LIST");
    const qsizetype moviEnd = movi + le32(b, movi - 4);
    QList<qsizetype> chunks;
    for (qsizetype at = movi + 4; at < moviEnd;) {
        const quint32 size = le32(b, at + 4);
        QVERIFY(b.mid(at, 2) == "00" && (b.mid(at + 2, 2) == "db" || b.mid(at + 2, 2) == "dc"));
        if (compression == 0)
            QCOMPARE(size, width * 3 * height);
        chunks << at;
        at += 8 + size + (size & 1);
    }
    QCOMPARE(quint32(chunks.size()), frames);
    QCOMPARE(b.mid(moviEnd, 4), QByteArray("idx1"));
    const quint32 entries = le32(b, moviEnd + 4) / 16;
    QCOMPARE(entries, frames);
    for (quint32 i = 0; i < entries; ++i) {
        const qsizetype e = moviEnd + 8 + 16 * i;
        QCOMPARE(qsizetype(movi + le32(b, e + 8)), chunks[int(i)]);
        QCOMPARE(le32(b, e + 12), le32(b, chunks[int(i)] + 4));
    }
}

void TstAssets::clipFramesDecode() {
    // Where GStreamer's AVI plugins are present, the clip's frames decode.
    QMediaPlayer player;
    QVideoSink sink;
    player.setVideoSink(&sink);
    int frames = 0;
    QSize frameSize;
    QEventLoop loop;
    connect(&sink, &QVideoSink::videoFrameChanged, &loop, [&](const QVideoFrame& frame) {
        if (frame.isValid()) {
            ++frames;
            frameSize = frame.size();
        }
        if (frames >= 5)
            loop.quit();
    });
    connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, [&](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
            loop.quit();
    });
    connect(&player, &QMediaPlayer::errorOccurred, &loop, [&] { loop.quit(); });
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    player.setSource(QUrl::fromLocalFile(QFileInfo("PigmentraFaust.avi").absoluteFilePath()));
    player.play();
    loop.exec();
    player.stop();
    if (frames == 0)
        QSKIP(qPrintable("no frames decoded: " + player.errorString()));
    QCOMPARE(frameSize, QSize(108, 117));
}

void TstAssets::rulesDocumentIsGermanRtf() {
    // The rules are RTF in code page 1252 with a font table, bold, paragraphs,
    // umlauts as \'xx escapes, and every cost of the game.
    const QByteArray rtf = readAll("Pigmentra.rtf");
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    QVERIFY(rtf.contains("{\\fonttbl") && rtf.contains("\\b ") && rtf.contains("\\par"));
    QVERIFY(rtf.contains("\\'fc") && rtf.contains("\\'e4") && rtf.contains("\\'f6"));  // ü ä ö
    for (char c : rtf)
        QVERIFY(uchar(c) < 0x80);
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        QVERIFY(depth >= 0);
    }
    QCOMPARE(depth, 0);
    for (const char* cost : {"100 Punkte", "700 Punkte", "200 Punkte", "500 Punkte", "1000 Punkte", "2000 Punkte",
                             "5000 Punkte", "60 %", "2 Minuten"})
        QVERIFY2(rtf.contains(cost), cost);
}

void TstAssets::iconsExistInEverySize() {
    // The icon set: an SVG and square PNGs of 16 to 256 pixels.
    const QByteArray svg = readAll("icons/pigmentra.svg");
    QVERIFY(svg.startsWith("<?xml") && svg.contains("<svg") && svg.contains("</svg>"));
    for (int size : {16, 32, 48, 64, 128, 256})
        QCOMPARE(QImage(QStringLiteral("icons/pigmentra-%1.png").arg(size)).size(), QSize(size, size));
}

void TstAssets::generatorWritesSameBytesEveryRun() {
    // Two runs of the generator write identical files, the same as the run
    // folder's.
    const QString generator = QCoreApplication::applicationDirPath() + "/../tools/pigmentra_gen";
    if (!QFileInfo(generator).isExecutable())
        QSKIP("generator not built beside the tests");
    QTemporaryDir first, second;
    QVERIFY(first.isValid() && second.isValid());
    for (const QString& dir : {first.path(), second.path()}) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        run.setProcessEnvironment(env);
        run.start(generator, {dir});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
    }
    QStringList names;
    QDirIterator it(first.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(first.path()).relativeFilePath(it.next());
    QVERIFY(names.size() >= kGameFiles.size());
    for (const QString& name : names) {
        const QByteArray a = readAll(first.filePath(name));
        QVERIFY2(a == readAll(second.filePath(name)), qPrintable(name));
        QVERIFY2(a == readAll(name), qPrintable(name));
    }
}

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
