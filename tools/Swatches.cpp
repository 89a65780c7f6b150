// The small pictures of the pickers and the shelf: the catalogue car, the three
// level badges and the laboratory and production swatches. Every region the
// game flood-fills is drawn hard-edged and closed by an outline.
#include "Assets.h"

#include <QPainter>
#include <QPolygon>

namespace gen {
namespace {

// Catalogue car, 70 x 35: body region around FillPoints::CarBody,
// background around FillPoints::PickerMark. Every pixel is drawn hard-edged: the background is one plain
// region that the picker fills with the mark colour, and any pixel blended
// with it would keep a pale fringe around the car in that mark.
QImage drawCar() {
    QImage image = canvas(70, 35, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath body;
    body.moveTo(2, 18);
    body.lineTo(5, 15);
    body.lineTo(17, 14);
    body.lineTo(23, 6);
    body.lineTo(44, 6);
    body.lineTo(52, 14);
    body.lineTo(64, 16);
    body.lineTo(67, 19);
    body.lineTo(67, 27);
    body.lineTo(61, 27);
    body.arcTo(QRectF(48, 22, 12, 12), 0, 180);  // front wheel arch
    body.lineTo(23, 27);
    body.arcTo(QRectF(10, 22, 12, 12), 0, 180);  // rear wheel arch
    body.lineTo(2, 27);
    body.closeSubpath();
    fillHard(p, body, colours::steel(), colours::outline());

    // Windows, closed inside the body so the body stays one region.
    const QColor glass(196, 222, 240);
    p.setPen(colours::outline());
    p.setBrush(glass);
    p.drawPolygon(QPolygon({QPoint(24, 9), QPoint(32, 9), QPoint(32, 13), QPoint(21, 13)}));
    p.drawPolygon(QPolygon({QPoint(35, 9), QPoint(43, 9), QPoint(47, 13), QPoint(35, 13)}));
    // Lights and door handle.
    p.fillRect(QRect(64, 18, 2, 2), colours::yellow());
    p.fillRect(QRect(3, 18, 2, 2), QColor(200, 30, 30));
    p.fillRect(QRect(37, 16, 3, 1), colours::outline());
    // Wheels in their arches, clear of the bottom row so that the
    // background runs on under the car as one region.
    for (int cx : {16, 54}) {
        p.setPen(colours::outline());
        p.setBrush(QColor(30, 30, 34));
        p.drawEllipse(QRect(cx - 6, 22, 12, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(180, 184, 190));
        p.drawEllipse(QRect(cx - 2, 26, 5, 5));
    }
    return image;
}

// Level badge, 80 x 80: a coloured card with one to three drops and the word.
QImage drawLevel(int level) {
    static const char* const words[] = {"KÖNNYŰ", "KÖZEPES", "NEHÉZ"};
    const QColor cardColours[] = {colours::green(), colours::orange(), colours::redOrange()};
    const QColor card = cardColours[level];
    QImage image = canvas(80, 80, Qt::white);
    QPainter p(&image);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(8, 8, 64, 64), 9, 9);
    fillHard(p, shape, card, card.darker(140));

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 17 + i * 16;
        QPainterPath drop;
        drop.moveTo(x + 7, 17);
        drop.cubicTo(x + 9, 23, x + 14, 26, x + 14, 32);
        drop.cubicTo(x + 14, 37, x + 11, 40, x + 7, 40);
        drop.cubicTo(x + 3, 40, x, 37, x, 32);
        drop.cubicTo(x, 26, x + 5, 23, x + 7, 17);
        if (i <= level) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
        } else {
            p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
            p.setBrush(Qt::NoBrush);
        }
        p.drawPath(drop);
    }
    p.setPen(Qt::white);
    p.setFont(arial(11, true));
    p.drawText(QRect(8, 46, 64, 14), Qt::AlignCenter, QString::fromUtf8(words[level]));
    p.setFont(arial(9, true));
    p.setPen(QColor(255, 255, 255, 210));
    p.drawText(QRect(8, 58, 64, 11), Qt::AlignCenter, QStringLiteral("%1. szint").arg(level + 1));
    return image;
}

// Laboratory swatch, 102 x 96. The visible cell is 92 x 56 (later swatches
// cover the rest; the last row and column show the rest too, so it is drawn
// in the group box's own button face and disappears): a frame region around
// LabFrameTop and SwatchFrame in button face with a paint drop, and the
// base-colour chip around LabChip with room for the code at (60, 35).
QImage drawLaborSwatch() {
    QImage image = canvas(102, 96, colours::buttonFace());
    QPainter p(&image);
    QPainterPath cell;
    cell.addRect(0, 0, 92, 56);
    fillHard(p, cell, colours::buttonFace(), QColor(160, 164, 172));
    QPainterPath chip;
    chip.addRect(34, 4, 54, 48);
    fillHard(p, chip, QColor(128, 128, 128), colours::outline());
    // The drop, closed inside the frame so the frame stays one region.
    QPainterPath drop;
    drop.moveTo(18, 14);
    drop.cubicTo(20, 20, 26, 25, 26, 32);
    drop.cubicTo(26, 38, 22, 42, 18, 42);
    drop.cubicTo(14, 42, 10, 38, 10, 32);
    drop.cubicTo(10, 25, 16, 20, 18, 14);
    drop.closeSubpath();
    fillHard(p, drop, colours::steel(), colours::steelDark());
    p.end();
    requireFillPoint(image, FillPoints::LabFrameTop, colours::buttonFace(), "laboratory swatch");
    requireFillPoint(image, FillPoints::SwatchFrame, colours::buttonFace(), "laboratory swatch");
    return image;
}

// Production swatch, 94 x 106. The visible cell is 64 x 106 (the last column
// shows the rest, drawn in the group box's button face): a paint can whose
// body around ProductionCan takes the base colour, a white label for the code at
// (15, 15), and the frame region around SwatchFrame in button face.
QImage drawProduktionSwatch() {
    QImage image = canvas(94, 106, colours::buttonFace());
    QPainter p(&image);
    QPainterPath cell;
    cell.addRect(0, 0, 63, 105);
    fillHard(p, cell, colours::buttonFace(), QColor(160, 164, 172));
    QPainterPath label;
    label.addRect(7, 8, 49, 25);
    fillHard(p, label, Qt::white, QColor(120, 124, 132));
    QPainterPath lid;
    lid.addRect(9, 46, 45, 8);
    fillHard(p, lid, colours::steel(), colours::outline());
    QPainterPath can;
    can.addRect(9, 54, 45, 44);
    fillHard(p, can, QColor(128, 128, 128), colours::outline());
    QPainterPath foot;
    foot.addRect(9, 98, 45, 3);
    fillHard(p, foot, colours::steelDark(), colours::outline());
    p.setRenderHint(QPainter::Antialiasing, false);
    // Lid knob and a gloss stripe on the can (a hole, the body stays one region).
    p.fillRect(QRect(27, 43, 9, 3), colours::steelDark());
    p.fillRect(QRect(14, 60, 2, 30), QColor(255, 255, 255));
    p.end();
    requireFillPoint(image, FillPoints::ProductionCan, QColor(128, 128, 128), "production swatch");
    requireFillPoint(image, FillPoints::SwatchFrame, colours::buttonFace(), "production swatch");
    return image;
}

}  // namespace

void writeSwatches(const QString& dir) {
    saveBmp(drawCar(), dir, DataFiles::Auto);
    for (int level = 0; level < 3; ++level)
        saveBmp(drawLevel(level), dir, DataFiles::LevelPicture(level));
    saveBmp(drawLaborSwatch(), dir, DataFiles::Labor);
    saveBmp(drawProduktionSwatch(), dir, DataFiles::Produktion);
}

}  // namespace gen
