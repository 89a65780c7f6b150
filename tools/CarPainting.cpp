// The car-painting picture of the production verdict, 460 x 416: a car body
// in primer on a floor stripe over a conveyor, with a gantry robot spraying
// its roof and a floor robot spraying its rear; the hall around them is left
// out when the verdict shows it. The verdict paints the body from
// FillPoints::VerdictBodyUpper and VerdictBodyLower, the floor stripe from
// VerdictFloor, and every pixel of VerdictSpray's colour inside the square
// (100..399, 100..399). The body is one region from bonnet to boot, so the
// upper copy and the lower one each paint the whole car; the cones
// stop short of it, so a painted car never grows a fin of spray.
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
    p.setRenderHint(QPainter::Antialiasing, false);
    // The conveyor: a dark belt on its rollers and legs, below the stripe.
    p.setPen(colours::outline());
    p.setBrush(colours::steelDark());
    p.drawRect(QRect(8, 358, 443, 24));
    p.fillRect(QRect(9, 359, 442, 2), colours::steel());
    p.setBrush(colours::steel());
    for (int x = 24; x < 440; x += 32)
        p.drawEllipse(QRect(x, 365, 12, 12));
    p.setBrush(colours::steelDark());
    for (int x : {22, 226, 424})
        p.drawRect(QRect(x, 383, 12, 26));
    // The floor stripe the car stands on, framed so that it reads apart from
    // the belt under it in any colour; below the wheels it runs on unbroken.
    p.setPen(QColor(120, 110, 60));
    p.setBrush(kStripe);
    p.drawRect(QRect(20, 320, 376, 34));
}

void drawRobots(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPen edge(colours::outline(), 1.2);
    // Gantry rail with a hanging arm over the roof; its nozzle ends above
    // row 100, where the top cone starts.
    p.setPen(edge);
    p.setBrush(colours::steel());
    p.drawRoundedRect(QRectF(96, 14, 362, 14), 3, 3);
    p.setBrush(colours::steelDark());
    for (int x = 110; x < 450; x += 40)
        p.drawEllipse(QRectF(x, 18, 5, 5));
    p.setBrush(colours::orange());
    p.drawRoundedRect(QRectF(167, 24, 58, 20), 4, 4);
    p.drawRoundedRect(QRectF(189, 42, 14, 36), 3, 3);
    p.setBrush(colours::outline());
    p.drawEllipse(QRectF(188, 72, 16, 16));
    p.setBrush(colours::orange());
    p.drawRoundedRect(QRectF(190, 84, 12, 9), 2, 2);
    p.setBrush(colours::outline());
    p.drawRect(QRectF(191.5, 92, 9, 7));
    // Floor robot right of the car, standing on the conveyor, its nozzle
    // pointing at the rear.
    p.setBrush(colours::steelDark());
    p.drawRoundedRect(QRectF(404, 326, 46, 32), 3, 3);
    p.setBrush(colours::orange());
    p.drawRoundedRect(QRectF(420, 198, 22, 130), 4, 4);
    p.setBrush(colours::outline());
    p.drawEllipse(QRectF(421, 186, 20, 20));
    p.setBrush(colours::orange());
    QPolygonF upper({QPointF(424, 192), QPointF(438, 196), QPointF(424, 154), QPointF(412, 158)});
    p.drawPolygon(upper);
    p.setBrush(colours::outline());
    p.drawEllipse(QRectF(408, 146, 16, 16));
    p.setBrush(colours::orange());
    QPolygonF fore({QPointF(411, 156), QPointF(421, 156), QPointF(414, 252), QPointF(404, 252)});
    p.drawPolygon(fore);
    p.setBrush(colours::outline());
    p.drawRect(QRectF(400, 250, 15, 10));
    p.drawRect(QRectF(397.5, 257, 8, 10));
}

void drawCar(QPainter& p) {
    // A hatchback, nose to the left: bonnet, windscreen, roof, rear slope,
    // both wheel arches. Everything drawn on it later stays closed inside
    // it, so the body stays one region.
    QPainterPath body;
    body.moveTo(40, 232);
    body.lineTo(48, 218);
    body.lineTo(112, 212);
    body.lineTo(150, 154);
    body.lineTo(236, 150);
    body.lineTo(272, 204);
    body.lineTo(286, 208);
    body.lineTo(292, 224);
    body.lineTo(292, 304);
    body.lineTo(286, 318);
    body.lineTo(278, 318);
    body.arcTo(QRectF(214, 286, 64, 64), 0, 180);  // rear wheel arch
    body.lineTo(164, 318);
    body.arcTo(QRectF(100, 286, 64, 64), 0, 180);  // front wheel arch
    body.lineTo(46, 318);
    body.lineTo(40, 306);
    body.closeSubpath();
    fillHard(p, body, kBody, colours::outline());

    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor glass(150, 176, 204);
    p.setPen(colours::outline());
    p.setBrush(glass);
    p.drawPolygon(QPolygon({QPoint(124, 204), QPoint(154, 162), QPoint(186, 162), QPoint(186, 204)}));
    p.drawPolygon(QPolygon({QPoint(194, 162), QPoint(222, 162), QPoint(222, 204), QPoint(194, 204)}));
    // Door seam, handles, crease and lights.
    p.drawLine(190, 212, 190, 304);
    p.fillRect(QRect(168, 226, 12, 4), colours::outline());
    p.fillRect(QRect(234, 226, 12, 4), colours::outline());
    p.drawLine(58, 244, 118, 244);
    p.setBrush(colours::yellow());
    p.drawRect(QRect(43, 229, 10, 8));
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRect(283, 228, 5, 16));
    // Wheels, hard-edged: they stand on the stripe, whose colour changes
    // with every verdict.
    for (int cx : {132, 246}) {
        p.setBrush(QColor(36, 36, 40));
        p.drawEllipse(QPoint(cx, 316), 26, 26);
        p.setBrush(QColor(176, 180, 188));
        p.drawEllipse(QPoint(cx, 316), 12, 12);
        p.setBrush(colours::steelDark());
        p.drawEllipse(QPoint(cx, 316), 4, 4);
    }
}

void drawSpray(QImage& image) {
    // Nothing else may carry the spray colour: nudge any stray pixel first.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (kSpray.rgb() & 0xFFFFFF))
                image.setPixel(x, y, QColor(kSpray.red() + 1, kSpray.green(), kSpray.blue()).rgb());
    // The cones and their droplets lie on the hall only, a few pixels clear
    // of the car: painted in the batch colour they still read as spray.
    const QRgb hall = kClear.rgb() & 0xFFFFFF;
    const auto clear = [&](const QRect& r) {
        for (int y = r.top() - 3; y <= r.bottom() + 3; ++y)
            for (int x = r.left() - 3; x <= r.right() + 3; ++x)
                if (!image.valid(x, y) || (image.pixel(x, y) & 0xFFFFFF) != hall)
                    return false;
        return true;
    };
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(kSpray);
    p.drawPolygon(QPolygon({QPoint(193, 101), QPoint(199, 101), QPoint(236, 141), QPoint(156, 141)}));
    p.drawPolygon(QPolygon({QPoint(396, 258), QPoint(396, 265), QPoint(299, 300), QPoint(299, 238)}));
    Noise noise(0x5eed);
    for (int i = 0; i < 120; ++i) {
        const bool rear = i % 2 == 1;
        const int x = rear ? 288 + int(noise.unit() * 100) : 140 + int(noise.unit() * 110);
        const int y = rear ? 228 + int(noise.unit() * 84) : 104 + int(noise.unit() * 44);
        const QRect drop(x, y, 2, 2);
        if (clear(drop))
            p.drawRect(drop);
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
