// The 816 x 255 notice pictures (as wide as the panels that show them): the recipe decision (accepted, not accepted)
// and the new base colours, each on a light chemistry-formula background. The
// lower left (points labels at row 214) and the button corner stay plain.
#include "Assets.h"

#include <QPainter>
#include <QtMath>

#include <cmath>

namespace gen {
namespace {

void text(QPainter& p, int x, int baseline, int size, bool bold, const QColor& colour, const QString& line) {
    p.setFont(arial(size, bold));
    p.setPen(colour);
    p.drawText(QPoint(x, baseline), line);
}

// Where the dialogs' buttons stand (720, 200; 75 x 25 in a panel that may
// start 8 pixels left of the form).
const QRectF kButtonCorner(696, 186, 120, 69);

// A round seal with a check mark or a cross.
void drawSeal(QPainter& p, const QPointF& centre, bool accepted) {
    const QColor colour = accepted ? colours::green() : colours::redOrange();
    p.setPen(Qt::NoPen);
    p.setBrush(colour.lighter(170));
    p.drawEllipse(centre, 74, 74);
    p.setBrush(colour);
    p.drawEllipse(centre, 62, 62);
    p.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (accepted) {
        p.drawPolyline(QPolygonF({centre + QPointF(-30, 2), centre + QPointF(-8, 24), centre + QPointF(32, -22)}));
    } else {
        p.drawLine(centre + QPointF(-24, -24), centre + QPointF(24, 24));
        p.drawLine(centre + QPointF(24, -24), centre + QPointF(-24, 24));
    }
}

QImage drawDecision(bool accepted) {
    QImage image = canvas(816, 255, colours::paper());
    QPainter p(&image);
    // The formulas keep away from the lettering, the seal, the points labels
    // at row 214 and the button.
    drawFormulaBackground(p, image.rect(), accepted ? 0xC0FFEE : 0xBADC0DE,
                          {QRectF(14, 8, 566, 168), QRectF(574, 18, 162, 164), QRectF(0, 200, 380, 55), kButtonCorner});
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(QRect(24, 16, 4, 160), accepted ? colours::green() : colours::redOrange());
    text(p, 40, 44, 24, false, colours::navy(), QString::fromUtf8("Produktionsbeschluß:"));
    if (accepted) {
        text(p, 40, 86, 32, true, colours::navy(), QStringLiteral("Das Rezept wird akzeptiert."));
        text(p, 40, 128, 20, false, colours::navy(), QStringLiteral("Nun beginnt das Erstellen und Tönen"));
        text(p, 40, 154, 20, false, colours::navy(), QStringLiteral("eines Produktionsbatches."));
    } else {
        text(p, 40, 86, 32, true, colours::navy(), QStringLiteral("Das Rezept wird nicht akzeptiert."));
        text(p, 40, 128, 20, false, colours::navy(),
             QString::fromUtf8("Der Farbton liegt außerhalb der Rezepttoleranz."));
        text(p, 40, 154, 20, false, colours::navy(), QString::fromUtf8("Tönen Sie im Labor weiter."));
    }
    drawSeal(p, QPointF(655, 100), accepted);
    return image;
}

// A paint drum in a colour, as on the new base colours notice.
void drawDrum(QPainter& p, const QRectF& box, const QColor& colour) {
    const qreal w = box.width();
    const qreal lid = w * 0.26;
    QLinearGradient shade(box.left(), 0, box.right(), 0);
    shade.setColorAt(0, colour.darker(135));
    shade.setColorAt(0.35, colour.lighter(125));
    shade.setColorAt(1, colour.darker(150));
    p.setPen(QPen(colours::outline(), 1.2));
    p.setBrush(shade);
    QPainterPath body;
    body.moveTo(box.left(), box.top() + lid / 2);
    body.lineTo(box.left(), box.bottom() - lid / 2);
    body.arcTo(QRectF(box.left(), box.bottom() - lid, w, lid), 180, 180);
    body.lineTo(box.right(), box.top() + lid / 2);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(colours::steelDark());
    for (qreal f : {0.33, 0.7}) {
        const qreal y = box.top() + box.height() * f;
        p.drawArc(QRectF(box.left(), y - lid / 2, w, lid), 180 * 16, 180 * 16);
    }
    p.setBrush(colour.lighter(110));
    p.drawEllipse(QRectF(box.left(), box.top(), w, lid));
    p.setBrush(colours::steel());
    p.drawEllipse(QRectF(box.left() + w * 0.62, box.top() + lid * 0.3, w * 0.16, lid * 0.35));
}

QImage drawNewBaseColours() {
    QImage image = canvas(816, 255, colours::paper());
    QPainter p(&image);
    // The panel shows the picture from its second column on: the lettering
    // and the drums keep clear of the formulas, and so does the button.
    drawFormulaBackground(p, image.rect(), 0xF1A5C0,
                          {QRectF(14, 6, 506, 132), QRectF(50, 140, 580, 112), kButtonCorner});
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(QRect(24, 12, 4, 120), colours::brand());
    text(p, 40, 36, 22, false, colours::navy(), QString::fromUtf8("Die Produktionsbedingungen haben"));
    text(p, 40, 62, 22, false, colours::navy(), QString::fromUtf8("sich geändert:"));
    text(p, 40, 96, 24, true, colours::navy(), QString::fromUtf8("Aufgrund der Änderung der Basisfarben"));
    text(p, 40, 124, 24, true, colours::navy(), QString::fromUtf8("müssen Sie neu tönen."));
    const QColor drums[] = {colours::orange(), colours::redOrange(), colours::violet(), colours::blue(),
                            colours::green()};
    for (int i = 0; i < 5; ++i)
        drawDrum(p, QRectF(60 + i * 110, 148, 72, 96), drums[i]);
    return image;
}

}  // namespace

void writeNotices(const QString& dir) {
    saveBmp(drawDecision(true), dir, DataFiles::Rezeptok);
    saveBmp(drawDecision(false), dir, DataFiles::Rezeptnio);
    saveBmp(drawNewBaseColours(), dir, DataFiles::NeueBasisfarbenPicture);
}

}  // namespace gen
