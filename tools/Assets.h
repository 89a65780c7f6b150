#pragma once
// Shared helpers of the asset generator: the game's palette, fonts, file
// writers, the deterministic noise source, the logo and the chemistry-formula
// background. Every writer throws std::runtime_error when a file cannot be
// written; main() reports it and fails the build.
#include "platform/DataFiles.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <cstdint>

class QPainter;

namespace gen {

// One palette for all artwork.
namespace colours {
inline QColor navy() { return QColor(18, 38, 86); }
inline QColor brand() { return QColor(0, 128, 255); }  // the title strips' blue
inline QColor brandDark() { return QColor(0, 84, 170); }
inline QColor orange() { return QColor(245, 132, 28); }
inline QColor redOrange() { return QColor(226, 72, 38); }
inline QColor violet() { return QColor(128, 58, 170); }
inline QColor blue() { return QColor(32, 108, 212); }
inline QColor green() { return QColor(42, 158, 82); }
inline QColor yellow() { return QColor(250, 204, 40); }
inline QColor steel() { return QColor(150, 156, 164); }
inline QColor steelDark() { return QColor(96, 102, 110); }
inline QColor outline() { return QColor(40, 40, 46); }
inline QColor paper() { return QColor(248, 250, 253); }
// The widgets' button face: the vessel's inside and the swatch frames start
// in it, because the screens paint them back to it.
inline QColor buttonFace() { return QColor(239, 239, 239); }
}  // namespace colours

// Stops the generator when a picture lost a fill point of the game's
// (FillPoints, platform/DataFiles.h): the pixel at `at` must be `colour`.
void requireFillPoint(const QImage& image, QPoint at, const QColor& colour, const char* what);

// Arial (Liberation Sans) at a pixel size.
QFont arial(int pixelSize, bool bold = false);

// A blank canvas in a format whose pixels compare exactly.
QImage canvas(int width, int height, const QColor& fill);

// 24-bit uncompressed BMP and PNG writers.
void saveBmp(const QImage& image, const QString& dir, const QString& name);
void savePng(const QImage& image, const QString& dir, const QString& name);
// Writes raw bytes.
void saveBytes(const QByteArray& bytes, const QString& dir, const QString& name);

// Deterministic noise: a 32-bit linear congruential generator.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_;
    }
    // Uniform in [0, 1).
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }
    // Uniform in [-1, 1).
    double signedUnit() { return unit() * 2.0 - 1.0; }

private:
    std::uint32_t state_;
};

// Fills a path hard-edged (no anti-aliasing) with a 1-pixel outline, so a
// 4-neighbour flood fill replaces the inside whole.
void fillHard(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& edge);

// The logo: the paint-drop mark and the word "Pigmentra".
void drawMark(QPainter& p, const QRectF& box);
void drawLogo(QPainter& p, const QPointF& topLeft, int letterHeight, bool onDark = false);

// Light background of chemical formulas and ring structures. Only whole
// formulas and rings are drawn: none that would be cut by the area's edge or
// run into one of the keep-out rectangles (lettering, artwork, labels).
void drawFormulaBackground(QPainter& p, const QRect& area, std::uint32_t seed, const QList<QRectF>& keepOut = {});

// The writers, one per kind of file.
void writeSwatches(const QString& dir);  // car, levels, laboratory and production swatches
void writeVessels(const QString& dir);   // vessel, pot, tube, jet, drum, puddle
void writeCarPainting(const QString& dir);
void writeNotices(const QString& dir);  // recipe decision pictures, new base colours
void writeBanners(const QString& dir);  // banners, start artwork, bars
void writeSounds(const QString& dir);
void writeClip(const QString& dir);
void writeRules(const QString& dir);
void writeIcons(const QString& dir);

}  // namespace gen
