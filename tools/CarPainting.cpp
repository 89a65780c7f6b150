// The car-painting picture of the production verdict, 460 x 416: a car body
// in primer under two painting robots, spray cones, a pale floor stripe on a
// platform; the hall around them is left out when the verdict shows it.
// The verdict paints the body from (230, 170) and (200, 300), the floor
// stripe from (100, 330), and every pixel of the spray colour inside the
// square (100..399, 100..399).
#include "Assets.h"

#include <QPainter>
#include <QPolygon>

namespace gen {
namespace {

const QColor kBody(178, 186, 196);
const QColor kSpray(212, 226, 243);
const QColor kStripe(244, 238, 196);

// The verdict shows the picture over its banner and panel with every pixel
// of the bottom-left corner's colour left out: the hall around the car is
// drawn in that colour, a light grey close to both, so edges drawn smooth
// against it fit either.
const QColor kClear(241, 243, 246);

void drawHall(QPainter& p) {
    p.fillRect(QRect(0, 0, 460, 416), kClear);
    // A platform under the car, its shadow and the floor stripe.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(206, 210, 216));
    p.drawRoundedRect(QRectF(8, 296, 444, 86), 18, 18);
    p.setBrush(QColor(150, 156, 164));
    p.drawEllipse(QRectF(24, 310, 380, 14));
    // Floor stripe, hard-edged across the platform.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(20, 326, 420, 31), kStripe);
    p.fillRect(QRect(20, 325, 420, 1), QColor(160, 150, 90));
    p.fillRect(QRect(20, 357, 420, 1), QColor(160, 150, 90));
}

void drawRobots(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPen edge(colours::outline(), 1.2);
    // Gantry rail with a hanging arm over the bonnet.
    p.setPen(edge);
    p.setBrush(colours::steel());
    p.drawRoundedRect(QRectF(96, 14, 370, 14), 3, 3);
    p.setBrush(colours::steelDark());
    for (int x = 110; x < 460; x += 40)
        p.drawEllipse(QRectF(x, 18, 5, 5));
    p.setBrush(colours::orange());
    p.drawRoundedRect(QRectF(118, 24, 58, 20), 4, 4);
    p.drawRoundedRect(QRectF(140, 42, 14, 40), 3, 3);
    p.setBrush(colours::outline());
    p.drawEllipse(QRectF(139, 76, 16, 16));
    p.setBrush(colours::orange());
    QPolygonF wrist({QPointF(144, 86), QPointF(152, 84), QPointF(162, 100), QPointF(154, 104)});
    p.drawPolygon(wrist);
    p.setBrush(colours::outline());
    p.drawRect(QRectF(153, 99, 8, 6));
    // Floor robot behind the rear of the car.
    p.setBrush(colours::steelDark());
    p.drawRoundedRect(QRectF(408, 294, 46, 28), 3, 3);
    p.setBrush(colours::orange());
    p.drawRoundedRect(QRectF(420, 196, 22, 100), 4, 4);
    p.setBrush(colours::outline());
    p.drawEllipse(QRectF(421, 186, 20, 20));
    p.setBrush(colours::orange());
    QPolygonF upper({QPointF(424, 192), QPointF(438, 196), QPointF(424, 156), QPointF(412, 160)});
    p.drawPolygon(upper);
    p.setBrush(colours::outline());
    p.drawEllipse(QRectF(408, 150, 16, 16));
    p.setBrush(colours::orange());
    QPolygonF fore({QPointF(411, 160), QPointF(421, 160), QPointF(413, 228), QPointF(403, 228)});
    p.drawPolygon(fore);
    p.setBrush(colours::outline());
    p.drawRect(QRectF(400, 226, 12, 16));
}

void drawCar(QPainter& p) {
    QPainterPath body;
    body.moveTo(30, 228);
    body.lineTo(40, 216);
    body.lineTo(130, 212);
    body.lineTo(178, 152);
    body.lineTo(325, 150);
    body.lineTo(372, 206);
    body.lineTo(392, 210);
    body.lineTo(396, 226);
    body.lineTo(396, 304);
    body.lineTo(390, 318);
    body.lineTo(371, 318);
    body.arcTo(QRectF(299, 282, 72, 72), 0, 180);  // rear wheel arch
    body.lineTo(171, 318);
    body.arcTo(QRectF(99, 282, 72, 72), 0, 180);  // front wheel arch
    body.lineTo(36, 318);
    body.lineTo(30, 306);
    body.closeSubpath();
    fillHard(p, body, kBody, colours::outline());

    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor glass(150, 176, 204);
    p.setPen(colours::outline());
    p.setBrush(glass);
    p.drawPolygon(QPolygon({QPoint(148, 204), QPoint(184, 160), QPoint(222, 160), QPoint(222, 204)}));
    p.drawPolygon(QPolygon({QPoint(238, 160), QPoint(318, 160), QPoint(354, 204), QPoint(238, 204)}));
    // Door seam, handles, crease and lights: all closed inside the body.
    p.drawLine(231, 214, 231, 304);
    p.fillRect(QRect(206, 226, 14, 4), colours::outline());
    p.fillRect(QRect(276, 226, 14, 4), colours::outline());
    p.drawLine(48, 244, 120, 244);
    p.setBrush(colours::yellow());
    p.drawRect(QRect(32, 230, 12, 9));
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRect(386, 228, 7, 16));
    // Wheels.
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int cx : {135, 335}) {
        p.setPen(QPen(colours::outline(), 1));
        p.setBrush(QColor(36, 36, 40));
        p.drawEllipse(QPointF(cx, 316), 29, 29);
        p.setBrush(QColor(176, 180, 188));
        p.drawEllipse(QPointF(cx, 316), 14, 14);
        p.setBrush(colours::steelDark());
        p.drawEllipse(QPointF(cx, 316), 4, 4);
    }
}

void drawSpray(QImage& image) {
    // Nothing else may carry the spray colour: nudge any stray pixel first.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (kSpray.rgb() & 0xFFFFFF))
                image.setPixel(x, y, QColor(kSpray.red() + 1, kSpray.green(), kSpray.blue()).rgb());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(kSpray);
    p.drawPolygon(QPolygon({QPoint(157, 106), QPoint(118, 196), QPoint(186, 176)}));
    p.drawPolygon(QPolygon({QPoint(399, 238), QPoint(292, 254), QPoint(300, 302)}));
    // Loose droplets around the cones, still inside the square.
    Noise noise(0x5eed);
    for (int i = 0; i < 90; ++i) {
        const bool second = i % 2 == 1;
        const int x = second ? 280 + int(noise.unit() * 100) : 112 + int(noise.unit() * 80);
        const int y = second ? 240 + int(noise.unit() * 70) : 120 + int(noise.unit() * 86);
        p.drawRect(QRect(x, y, 2, 2));
    }
}

}  // namespace

void writeCarPainting(const QString& dir) {
    QImage image = canvas(460, 416, Qt::white);
    {
        QPainter p(&image);
        drawHall(p);
        drawRobots(p);
        drawCar(p);
    }
    drawSpray(image);
    saveBmp(image, dir, DataFiles::Autoproduktion);
}

}  // namespace gen
