// Containers and paint: the production vessel, the laboratory pot, the dosing
// tube, the paint jet, the grey drum and the spilled puddle of the overflow
// notice. Paint regions are hard-edged and closed so a flood fill takes them
// whole; shading is drawn only outside them.
#include "Assets.h"

#include <QPainter>
#include <QPolygonF>
#include <QtMath>

namespace gen {
namespace {

// Level row of the vessel for a batch amount, as the production screen draws it.
int levelRow(int units) { return 130 - units * 130 / 12000; }

// Production vessel, 115 x 145: an open drum in section. The inside (x 5..111,
// rows 0..134) and the surroundings are both button face, split by unbroken
// walls; FillPoints::VesselEmptyColour lies outside the left wall in the same
// colour, as the screen reads the inside colour there. A level line from x 5 to 111 cuts the
// inside in two at any row.
QImage drawTonne() {
    QImage image = canvas(115, 145, colours::buttonFace());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor light(196, 200, 206), mid(150, 156, 164), dark(96, 102, 110);
    // The walls' outer side is dark: the screen shows the vessel on its
    // group box's colour, the batch colour at an overflow.
    p.fillRect(QRect(2, 0, 1, 135), colours::outline());
    p.fillRect(QRect(3, 0, 1, 135), light);
    p.fillRect(QRect(4, 0, 1, 135), mid);
    p.fillRect(QRect(112, 0, 1, 135), mid);
    p.fillRect(QRect(113, 0, 1, 135), light);
    p.fillRect(QRect(114, 0, 1, 135), colours::outline());
    // Floor and stand.
    p.fillRect(QRect(2, 135, 113, 2), mid);
    p.fillRect(QRect(2, 137, 113, 2), dark);
    p.fillRect(QRect(8, 139, 12, 6), dark);
    p.fillRect(QRect(95, 139, 12, 6), dark);
    // Hoops bulge outwards on the left wall (the right wall meets the edge).
    for (int y : {40, 96}) {
        p.fillRect(QRect(0, y, 2, 6), dark);
        p.fillRect(QRect(0, y + 1, 2, 1), light);
    }
    // Rim flange at the top left.
    p.fillRect(QRect(0, 0, 2, 3), dark);
    // Scale on the inner side of the right wall: every 2000 units, the
    // nominal 10000 in red.
    for (int units = 2000; units <= 10000; units += 2000) {
        const int row = levelRow(units);
        const QColor tick = units == 10000 ? QColor(200, 40, 30) : dark;
        p.fillRect(QRect(units == 10000 ? 102 : 106, row, units == 10000 ? 10 : 6, 1), tick);
    }
    p.end();
    requireFillPoint(image, FillPoints::VesselInside, colours::buttonFace(), "vessel");
    requireFillPoint(image, FillPoints::VesselEmptyColour, colours::buttonFace(), "vessel");
    return image;
}

// Laboratory mixing pot, 106 x 101: the paint surface is one hard-edged
// ellipse containing FillPoints::PotPaint.
QImage drawTopf() {
    QImage image = canvas(106, 101, colours::buttonFace());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Handles.
    p.setPen(QPen(colours::steelDark(), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-2, 30, 16, 22), 90 * 16, 180 * 16);
    p.drawArc(QRectF(92, 30, 16, 22), -90 * 16, 180 * 16);
    // Body, a slightly tapered metal bucket.
    QPainterPath body;
    body.moveTo(9, 22);
    body.lineTo(97, 22);
    body.lineTo(90, 90);
    body.quadTo(53, 100, 16, 90);
    body.closeSubpath();
    QLinearGradient metal(9, 0, 97, 0);
    metal.setColorAt(0.0, QColor(120, 126, 134));
    metal.setColorAt(0.3, QColor(214, 218, 224));
    metal.setColorAt(0.55, QColor(170, 176, 184));
    metal.setColorAt(1.0, QColor(104, 110, 118));
    p.setPen(QPen(colours::outline(), 1));
    p.setBrush(metal);
    p.drawPath(body);
    drawMark(p, QRectF(45, 52, 16, 22));
    // Rim.
    p.setBrush(QColor(186, 190, 198));
    p.drawEllipse(QRectF(8, 8, 90, 28));
    // Paint surface (hard-edged), empty pot grey.
    QPainterPath paint;
    paint.addEllipse(QRectF(13, 11, 80, 22));
    fillHard(p, paint, QColor(214, 216, 220), colours::outline());
    return image;
}

// Dosing tube, 97 x 221: a cartridge with a valve block and a nozzle that
// points down into the jet. Its outline is hard-edged against the button
// face around it: the screens leave that colour out, so the tube stands on
// whatever colour its group box has (the batch colour at an overflow)
// without a pale fringe.
QImage drawTube() {
    QImage image = canvas(97, 221, colours::buttonFace());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QLinearGradient metal(6, 0, 48, 0);
    metal.setColorAt(0.0, QColor(126, 132, 140));
    metal.setColorAt(0.35, QColor(232, 235, 240));
    metal.setColorAt(0.7, QColor(178, 184, 192));
    metal.setColorAt(1.0, QColor(110, 116, 124));
    p.setPen(QPen(colours::outline(), 1));
    // Crimped end.
    p.setBrush(colours::steelDark());
    p.drawRect(QRectF(8, 3, 38, 8));
    // Body.
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(6, 10, 42, 158), 5, 5);
    // Vertical label.
    p.save();
    p.translate(33, 150);
    p.rotate(-90);
    p.setPen(colours::navy());
    p.setFont(arial(15, true));
    p.drawText(QPointF(0, 0), QStringLiteral("Pigmentra"));
    p.restore();
    drawMark(p, QRectF(17, 22, 20, 27));
    // Valve block and nozzle.
    QLinearGradient block(14, 0, 54, 0);
    block.setColorAt(0.0, QColor(70, 76, 84));
    block.setColorAt(0.5, QColor(150, 156, 164));
    block.setColorAt(1.0, QColor(70, 76, 84));
    p.setBrush(block);
    p.drawRoundedRect(QRectF(14, 166, 40, 22), 3, 3);
    p.drawRect(QRectF(41, 187, 9, 28));
    p.setBrush(colours::outline());
    p.drawRect(QRectF(39, 214, 13, 5));
    // Valve knob, smooth: it lies inside the block.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(colours::redOrange());
    p.drawEllipse(QRectF(20, 171, 12, 12));
    return image;
}

// Paint jet, 96 x 93: one hard-edged stream with its splash, around FillPoints::Jet.
// The splash lies on the bottom rows, where production's 93 rows end on the
// vessel's rim; in the laboratory the pot covers the rows below 82.
QImage drawStrahl() {
    QImage image = canvas(96, 93, colours::buttonFace());
    QPainter p(&image);
    QPainterPath stream;
    stream.moveTo(44, -1);
    stream.lineTo(56, -1);
    stream.cubicTo(55, 24, 53, 48, 54, 70);
    stream.cubicTo(62, 74, 72, 76, 76, 81);
    stream.cubicTo(80, 87, 70, 91, 50, 91);
    stream.cubicTo(30, 91, 20, 87, 24, 81);
    stream.cubicTo(28, 76, 38, 74, 46, 70);
    stream.cubicTo(47, 48, 45, 24, 44, -1);
    stream.closeSubpath();
    fillHard(p, stream, QColor(128, 128, 128), QColor(90, 90, 96));
    return image;
}

// Grey paint drum, 115 x 145, with two hoops inset from the outline so the
// body around FillPoints::Drum stays one region; around it the grey of the panel it
// stands on.
QImage drawFass() {
    QImage image = canvas(115, 145, colours::buttonFace());
    QPainter p(&image);
    QPainterPath body;
    body.moveTo(12, 19);
    body.lineTo(102, 19);
    body.lineTo(102, 128);
    body.arcTo(QRectF(12, 118, 90, 20), 0, -180);
    body.closeSubpath();
    fillHard(p, body, QColor(152, 158, 166), colours::outline());
    const QColor hoop(108, 114, 122), shine(204, 208, 214);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y0 : {48, 94}) {
        QPolygonF band;
        for (int x = 15; x <= 99; ++x)
            band << QPointF(x, y0 + 7.0 * qSqrt(qMax(0.0, 1.0 - qPow((x - 57) / 45.0, 2))));
        for (int x = 99; x >= 15; --x)
            band << QPointF(x, y0 + 5 + 7.0 * qSqrt(qMax(0.0, 1.0 - qPow((x - 57) / 45.0, 2))));
        p.setPen(QPen(colours::outline(), 1));
        p.setBrush(hoop);
        p.drawPolygon(band);
        p.setPen(QPen(shine, 1));
        for (int x = 17; x <= 97; ++x)
            p.drawPoint(x, int(y0 + 2 + 7.0 * qSqrt(qMax(0.0, 1.0 - qPow((x - 57) / 45.0, 2)))));
    }
    // Lid.
    p.setPen(QPen(colours::outline(), 1));
    p.setBrush(QColor(184, 188, 196));
    p.drawEllipse(QRect(12, 9, 90, 20));
    p.setBrush(QColor(160, 166, 174));
    p.drawEllipse(QRect(20, 13, 74, 12));
    p.setBrush(colours::steelDark());
    p.drawEllipse(QRect(70, 15, 10, 5));
    return image;
}

// Spilled puddle, 685 x 226: white inside a thin black closed outline. The
// overflow notice shows it scaled to 569 x 185 under its texts: the spill
// runs along the bottom and up toward the drum and leaves the upper left,
// where the notice's text stands (up to x 352 and y 103 here), dry; it ends
// left of the drum (from x 643 here), which would cut it with its corner.
QImage drawPfuetze() {
    QImage image = canvas(685, 226, Qt::white);
    QPainter p(&image);
    const auto blob = [](QPointF centre, double rx, double ry, double phase) {
        QPolygonF outline;
        const int steps = 360;
        for (int i = 0; i < steps; ++i) {
            const double t = 2 * M_PI * i / steps;
            const double wobble = 1 + 0.06 * qSin(3 * t + phase) + 0.04 * qSin(5 * t + 1.3 + phase);
            outline << QPointF(centre.x() + rx * wobble * qCos(t), centre.y() + ry * wobble * qSin(t));
        }
        QPainterPath path;
        path.addPolygon(outline);
        path.closeSubpath();
        return path;
    };
    const QPainterPath puddle =
        blob(QPointF(500, 122), 120, 86, 0.5).united(blob(QPointF(318, 176), 262, 40, 2.1)).simplified();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawPath(puddle);
    return image;
}

}  // namespace

void writeVessels(const QString& dir) {
    saveBmp(drawTonne(), dir, DataFiles::Tonne);
    saveBmp(drawTopf(), dir, DataFiles::Topf);
    saveBmp(drawTube(), dir, DataFiles::Tube);
    saveBmp(drawStrahl(), dir, DataFiles::Strahl);
    saveBmp(drawFass(), dir, DataFiles::Fass);
    saveBmp(drawPfuetze(), dir, DataFiles::Pfuetze);
}

}  // namespace gen
