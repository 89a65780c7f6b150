#include "Assets.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QSaveFile>
#include <QtMath>
#include <stdexcept>

namespace gen {

QFont arial(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void requireFillPoint(const QImage& image, QPoint at, const QColor& colour, const char* what) {
    if (!image.rect().contains(at) || image.pixelColor(at).rgb() != colour.rgb())
        qFatal("%s: the fill point (%d, %d) lost its colour", what, at.x(), at.y());
}

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill.rgb());
    return image;
}

static QString target(const QString& dir, const QString& name) {
    const QString path = QDir(dir).filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

void saveBytes(const QByteArray& bytes, const QString& dir, const QString& name) {
    QSaveFile file(target(dir, name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(("cannot write " + name).toStdString());
}

static void saveImage(const QImage& image, const QString& dir, const QString& name, const char* format) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // RGB888 keeps the BMP writer at 24 bits per pixel without alpha.
        if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, format))
            throw std::runtime_error(("cannot encode " + name).toStdString());
    }
    saveBytes(bytes, dir, name);
}

void saveBmp(const QImage& image, const QString& dir, const QString& name) { saveImage(image, dir, name, "BMP"); }

void savePng(const QImage& image, const QString& dir, const QString& name) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error(("cannot encode " + name).toStdString());
    saveBytes(bytes, dir, name);
}

void fillHard(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& edge) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void drawMark(QPainter& p, const QRectF& box) {
    // A paint drop: round at the bottom, pointed at the top, in three bands.
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath drop;
    drop.moveTo(box.left() + w / 2, box.top());
    drop.cubicTo(box.left() + w * 0.62, box.top() + h * 0.22, box.right(), box.top() + h * 0.45, box.right(),
                 box.top() + h * 0.66);
    drop.cubicTo(box.right(), box.top() + h * 0.86, box.left() + w * 0.78, box.bottom(), box.left() + w / 2,
                 box.bottom());
    drop.cubicTo(box.left() + w * 0.22, box.bottom(), box.left(), box.top() + h * 0.86, box.left(),
                 box.top() + h * 0.66);
    drop.cubicTo(box.left(), box.top() + h * 0.45, box.left() + w * 0.38, box.top() + h * 0.22, box.left() + w / 2,
                 box.top());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient bands(box.topLeft(), box.bottomRight());
    bands.setColorAt(0.0, colours::orange());
    bands.setColorAt(0.33, colours::orange());
    bands.setColorAt(0.34, colours::redOrange());
    bands.setColorAt(0.52, colours::violet());
    bands.setColorAt(0.70, colours::blue());
    bands.setColorAt(1.0, colours::brandDark());
    p.setPen(Qt::NoPen);
    p.setBrush(bands);
    p.drawPath(drop);
    // Gloss.
    p.setPen(QPen(QColor(255, 255, 255, 190), qMax<qreal>(1.0, w * 0.07), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QRectF gloss(box.left() + w * 0.2, box.top() + h * 0.5, w * 0.45, h * 0.36);
    p.drawArc(gloss, 150 * 16, 70 * 16);
    p.restore();
}

void drawLogo(QPainter& p, const QPointF& topLeft, int letterHeight, bool onDark) {
    const qreal markH = letterHeight * 1.25;
    const qreal markW = markH * 0.72;
    drawMark(p, QRectF(topLeft.x(), topLeft.y(), markW, markH));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QFont font = arial(letterHeight, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 97);
    p.setFont(font);
    const QFontMetrics fm(font);
    const qreal baseline = topLeft.y() + markH * 0.86;
    const qreal x = topLeft.x() + markW + letterHeight * 0.28;
    p.setPen(onDark ? QColor(Qt::white) : colours::navy());
    p.drawText(QPointF(x, baseline), QStringLiteral("Pig"));
    p.setPen(onDark ? QColor(150, 205, 255) : colours::brand());
    p.drawText(QPointF(x + fm.horizontalAdvance(QStringLiteral("Pig")), baseline), QStringLiteral("mentra"));
    p.restore();
}

static void drawRing(QPainter& p, const QPointF& centre, qreal radius, qreal angle) {
    QPolygonF ring;
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(angle + 60.0 * i);
        ring << QPointF(centre.x() + radius * qCos(a), centre.y() + radius * qSin(a));
    }
    p.drawPolygon(ring);
    // Alternating double bonds on the inside.
    for (int i = 0; i < 6; i += 2) {
        const QPointF a = ring[i] + (centre - ring[i]) * 0.2;
        const QPointF b = ring[(i + 1) % 6] + (centre - ring[(i + 1) % 6]) * 0.2;
        p.drawLine(a, b);
    }
    // A side chain on one corner.
    const QPointF tip = ring[1] + (ring[1] - centre) * 0.9;
    p.drawLine(ring[1], tip);
}

void drawFormulaBackground(QPainter& p, const QRect& area, std::uint32_t seed, const QList<QRectF>& keepOut) {
    static const char* const formulas[] = {"TiO\u2082",
                                           "Fe\u2082O\u2083",
                                           "C\u2086H\u2085\u2013CH\u2083",
                                           "Cr\u2082O\u2083",
                                           "ZnO",
                                           "CH\u2082=CH\u2013COOR",
                                           "R\u2013N=N\u2013R\u2032",
                                           "\u0394E = \u221A(\u0394L\u00B2+\u0394a\u00B2+\u0394b\u00B2)",
                                           "C\u2083\u2082H\u2081\u2086CuN\u2088",
                                           "\u03BB = 550 nm",
                                           "BaSO\u2084",
                                           "(C\u2083H\u2086O)\u2099",
                                           "CaCO\u2083",
                                           "Al(OH)\u2083",
                                           "SiO\u2082",
                                           "C\u2081\u2084H\u2088O\u2082"};
    p.save();
    p.fillRect(area, colours::paper());
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    Noise noise(seed);
    const QColor ink(208, 219, 234);
    p.setPen(QPen(ink, 1.3));
    p.setBrush(Qt::NoBrush);
    // Rings on a loose grid, jittered.
    // An item is drawn whole or not at all; the draws happen either way, so
    // the layout of the others does not depend on it.
    const auto fits = [&](const QRectF& box) {
        if (!QRectF(area).adjusted(2, 2, -2, -2).contains(box))
            return false;
        for (const QRectF& out : keepOut)
            if (out.intersects(box.adjusted(-4, -4, 4, 4)))
                return false;
        return true;
    };
    for (int gy = area.top() + 30; gy < area.bottom() + 30; gy += 85) {
        for (int gx = area.left() + 40; gx < area.right() + 40; gx += 150) {
            const QPointF c(gx + noise.signedUnit() * 30, gy + noise.signedUnit() * 18);
            const qreal radius = 14 + noise.unit() * 8;
            const qreal angle = noise.unit() * 60;
            const qreal reach = radius * 1.95;
            if (fits(QRectF(c.x() - reach, c.y() - reach, 2 * reach, 2 * reach)))
                drawRing(p, c, radius, angle);
        }
    }
    const int count = int(sizeof formulas / sizeof formulas[0]);
    for (int gy = area.top() + 18; gy < area.bottom() + 10; gy += 42) {
        for (int gx = area.left() + 10; gx < area.right(); gx += 190) {
            const QFont font = arial(12 + int(noise.unit() * 6));
            const QPointF at(gx + 70 + noise.signedUnit() * 50, gy + noise.signedUnit() * 8);
            const QString formula = QString::fromUtf8(formulas[noise.next() % count]);
            const QRectF box = QFontMetricsF(font).boundingRect(formula).translated(at);
            if (!fits(box))
                continue;
            p.setFont(font);
            p.drawText(at, formula);
        }
    }
    p.restore();
}

}  // namespace gen
