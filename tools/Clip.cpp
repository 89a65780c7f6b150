// The customer manager clip: an impatient manager banging his fist on the
// desk, 108 x 117 at 10 frames per second, written as an uncompressed AVI
// (BGR24, bottom-up rows) with an idx1 index.
#include "Assets.h"

#include <QByteArray>
#include <QPainter>
#include <QtEndian>
#include <QtMath>
#include <vector>

namespace gen {
namespace {

constexpr int kWidth = 108;
constexpr int kHeight = 117;
constexpr int kFps = 10;
constexpr int kFrames = 30;
constexpr int kCycle = 10;  // frames per bang

// Fist height above the desk for a frame of one bang cycle (0 = on the desk).
double fistLift(int f) {
    static const double lift[kCycle] = {0.15, 0.45, 0.75, 0.95, 1.0, 1.0, 0.55, 0.0, 0.0, 0.08};
    return lift[f % kCycle];
}

QImage drawFrame(int frame) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(226, 232, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const int f = frame % kCycle;
    const bool impact = f == 7 || f == 8;
    const int shake = impact ? (f == 7 ? 2 : -1) : 0;
    // Wall and window.
    p.fillRect(QRect(70, 8, 30, 34), QColor(190, 214, 236));
    p.setPen(QPen(QColor(150, 160, 175), 2));
    p.drawRect(QRect(70, 8, 30, 34));
    p.drawLine(85, 8, 85, 42);
    // Body: suit, shirt, tie.
    p.setPen(QPen(colours::outline(), 1));
    p.setBrush(colours::navy());
    p.drawRoundedRect(QRectF(24, 50 + shake, 58, 50), 10, 10);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(46, 50 + shake), QPointF(60, 50 + shake), QPointF(53, 70 + shake)}));
    p.setBrush(QColor(200, 30, 40));
    p.drawPolygon(QPolygonF({QPointF(51, 53 + shake), QPointF(55, 53 + shake), QPointF(56, 70 + shake),
                             QPointF(53, 74 + shake), QPointF(50, 70 + shake)}));
    // Head, red with anger at the impact.
    const QColor skin = impact ? QColor(236, 150, 130) : QColor(240, 196, 164);
    p.setBrush(skin);
    p.drawEllipse(QPointF(53, 34 + shake), 14, 16);
    p.setBrush(QColor(70, 56, 48));
    p.drawChord(QRectF(39, 17 + shake, 28, 18), 0, 180 * 16);
    // Angry brows, eyes, mouth.
    p.setPen(QPen(colours::outline(), 2));
    p.drawLine(QPointF(44, 29 + shake), QPointF(51, 32 + shake));
    p.drawLine(QPointF(62, 29 + shake), QPointF(55, 32 + shake));
    p.setPen(Qt::NoPen);
    p.setBrush(colours::outline());
    p.drawEllipse(QPointF(48, 35 + shake), 1.6, 1.6);
    p.drawEllipse(QPointF(58, 35 + shake), 1.6, 1.6);
    if (impact)
        p.drawEllipse(QPointF(53, 43 + shake), 4, 3);
    else
        p.drawRect(QRectF(48, 42 + shake, 10, 2));
    // Resting left arm.
    p.setPen(QPen(colours::outline(), 1));
    p.setBrush(colours::navy());
    p.drawRoundedRect(QRectF(14, 74, 22, 12), 5, 5);
    p.setBrush(skin);
    p.drawEllipse(QPointF(16, 82), 6, 5);
    // Desk with a coffee cup that jumps at the impact.
    p.setBrush(QColor(150, 96, 56));
    p.drawRect(QRectF(-2, 86, kWidth + 4, 8));
    p.setBrush(QColor(118, 74, 42));
    p.drawRect(QRectF(-2, 94, kWidth + 4, 24));
    const double cupJump = impact ? 6 : 0;
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 76 - cupJump, 9, 10));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 78 - cupJump, 6, 5), -90 * 16, 180 * 16);
    // Striking right arm: shoulder to fist.
    const QPointF shoulder(76, 58 + shake);
    const double lift = fistLift(frame);
    const QPointF fist(88, 80 - lift * 58);
    p.setPen(QPen(colours::navy(), 9, Qt::SolidLine, Qt::RoundCap));
    const QPointF elbow(92, (shoulder.y() + fist.y()) / 2 + 8);
    p.drawLine(shoulder, elbow);
    p.drawLine(elbow, fist);
    p.setPen(QPen(colours::outline(), 1));
    p.setBrush(skin);
    p.drawEllipse(fist, 7.5, 6.5);
    p.drawLine(fist + QPointF(-4, -2), fist + QPointF(4, -2));
    if (impact) {
        p.setPen(QPen(colours::redOrange(), 2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 5; ++i) {
            const double a = qDegreesToRadians(200.0 + i * 35.0);
            p.drawLine(fist + QPointF(11 * qCos(a), 11 * qSin(a)), fist + QPointF(19 * qCos(a), 19 * qSin(a)));
        }
        p.setFont(arial(16, true));
        p.setPen(colours::redOrange());
        p.drawText(QPointF(8, 22), QStringLiteral("!!"));
    }
    return image;
}

void u32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
void u16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray out(id, 4);
    u32(out, quint32(body.size()));
    out.append(body);
    if (body.size() % 2)
        out.append('\0');
    return out;
}
QByteArray list(const char* type, const QByteArray& body) {
    QByteArray inner(type, 4);
    inner.append(body);
    return chunk("LIST", inner);
}

// One frame as a bottom-up BGR24 DIB; rows are already 4-byte aligned.
QByteArray dib(const QImage& frame) {
    static_assert((kWidth * 3) % 4 == 0, "rows must need no padding");
    QByteArray out;
    out.reserve(kWidth * kHeight * 3);
    for (int y = kHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kWidth; ++x) {
            const QRgb px = frame.pixel(x, y);
            out.append(char(qBlue(px)));
            out.append(char(qGreen(px)));
            out.append(char(qRed(px)));
        }
    }
    return out;
}

}  // namespace

void writeClip(const QString& dir) {
    const quint32 frameBytes = kWidth * kHeight * 3;
    QByteArray avih;
    u32(avih, 1000000 / kFps);     // microseconds per frame
    u32(avih, frameBytes * kFps);  // max bytes per second
    u32(avih, 0);                  // padding granularity
    u32(avih, 0x10);               // AVIF_HASINDEX
    u32(avih, kFrames);
    u32(avih, 0);           // initial frames
    u32(avih, 1);           // streams
    u32(avih, frameBytes);  // suggested buffer size
    u32(avih, kWidth);
    u32(avih, kHeight);
    for (int i = 0; i < 4; ++i)
        u32(avih, 0);

    QByteArray strh("vids", 4);
    strh.append("DIB ", 4);
    u32(strh, 0);            // flags
    u16(strh, 0);            // priority
    u16(strh, 0);            // language
    u32(strh, 0);            // initial frames
    u32(strh, 1);            // scale
    u32(strh, kFps);         // rate
    u32(strh, 0);            // start
    u32(strh, kFrames);      // length
    u32(strh, frameBytes);   // suggested buffer size
    u32(strh, 0xFFFFFFFFu);  // quality
    u32(strh, 0);            // sample size
    u16(strh, 0);
    u16(strh, 0);
    u16(strh, kWidth);
    u16(strh, kHeight);

    QByteArray strf;
    u32(strf, 40);
    u32(strf, kWidth);
    u32(strf, kHeight);  // positive: bottom-up rows
    u16(strf, 1);
    u16(strf, 24);
    u32(strf, 0);  // BI_RGB
    u32(strf, frameBytes);
    u32(strf, 0);
    u32(strf, 0);
    u32(strf, 0);
    u32(strf, 0);

    const QByteArray hdrl = list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));

    QByteArray movi;
    QByteArray idx1;
    for (int i = 0; i < kFrames; ++i) {
        const quint32 offset = quint32(4 + movi.size());  // from the 'movi' type tag
        movi.append(chunk("00db", dib(drawFrame(i))));
        idx1.append("00db", 4);
        u32(idx1, 0x10);  // AVIIF_KEYFRAME
        u32(idx1, offset);
        u32(idx1, frameBytes);
    }
    QByteArray riff("AVI ", 4);
    riff.append(hdrl);
    riff.append(list("movi", movi));
    riff.append(chunk("idx1", idx1));
    saveBytes(chunk("RIFF", riff), dir, DataFiles::FaustClip);
}

}  // namespace gen
