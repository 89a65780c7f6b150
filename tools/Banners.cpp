// Screen artwork: the banners with logo and heading, the start screen's title
// and lower artwork, and the top and bottom bars. Drawn anti-aliased; none of
// these pictures is flood-filled by the game.
#include "Assets.h"

#include <QPainter>
#include <QtMath>

namespace gen {
namespace {

const QColor kRibbons[] = {colours::orange(), colours::redOrange(), colours::violet(), colours::blue(),
                           colours::green()};

// Flowing paint ribbons across a band of the picture.
void drawRibbons(QPainter& p, const QRectF& band, qreal phase) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    const int n = 5;
    const qreal thick = band.height() / (n + 1.5);
    for (int i = 0; i < n; ++i) {
        QPainterPath ribbon;
        const qreal y0 = band.top() + i * thick;
        auto wave = [&](qreal x, qreal offset) {
            const qreal t = (x - band.left()) / band.width();
            return y0 + offset + qSin(t * 2.6 * M_PI + phase + i * 0.35) * thick * 0.9;
        };
        ribbon.moveTo(band.left(), wave(band.left(), 0));
        for (qreal x = band.left(); x <= band.right() + 1; x += 4)
            ribbon.lineTo(x, wave(x, 0));
        for (qreal x = band.right() + 1; x >= band.left(); x -= 4)
            ribbon.lineTo(x, wave(x, thick * 1.15));
        ribbon.closeSubpath();
        QColor c = kRibbons[i];
        c.setAlpha(220);
        p.setBrush(c);
        p.drawPath(ribbon);
    }
    p.restore();
}

void drawColourStripe(QPainter& p, const QRect& stripe) {
    const int n = 5;
    for (int i = 0; i < n; ++i) {
        const int x0 = stripe.left() + stripe.width() * i / n;
        const int x1 = stripe.left() + stripe.width() * (i + 1) / n;
        p.fillRect(QRect(x0, stripe.top(), x1 - x0, stripe.height()), kRibbons[i]);
    }
}

// The banners are as wide as the widest form (816) so that none shows its
// background beside them. The ribbons stay in a band between the tagline and
// row 232: below it the banner is calm, because some screens set their
// headings there (the highscore's "HighScore" and its question).
QImage drawBanner(const QString& heading) {
    QImage image = canvas(816, 300, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, Qt::white);
    sky.setColorAt(1, QColor(236, 242, 250));
    p.fillRect(image.rect(), sky);
    drawRibbons(p, QRectF(-10, 166, 836, 62), 0.4);
    drawLogo(p, QPointF(36, 34), 64);
    p.setFont(arial(18));
    p.setPen(colours::navy());
    p.drawText(QPointF(40, 138), QString::fromUtf8("Autolacke mischen · tönen · produzieren"));
    if (!heading.isEmpty()) {
        QFont big = arial(46, true);
        p.setFont(big);
        const int w = QFontMetrics(big).horizontalAdvance(heading);
        p.setPen(colours::navy());
        p.drawText(QPointF(760 - w, 96), heading);
        p.fillRect(QRectF(760 - w, 108, w, 5), colours::brand());
    }
    return image;
}

// A sports car silhouette for the start title.
void drawCarSilhouette(QPainter& p, const QPointF& at, qreal scale) {
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    QPainterPath body;
    body.moveTo(0, 60);
    body.cubicTo(4, 42, 30, 38, 70, 34);
    body.cubicTo(100, 10, 150, 4, 190, 8);
    body.cubicTo(220, 12, 240, 28, 262, 34);
    body.cubicTo(290, 38, 310, 44, 312, 60);
    body.lineTo(312, 68);
    body.lineTo(0, 68);
    body.closeSubpath();
    QLinearGradient lacquer(0, 0, 0, 68);
    lacquer.setColorAt(0, colours::redOrange().lighter(130));
    lacquer.setColorAt(0.5, colours::redOrange());
    lacquer.setColorAt(1, colours::redOrange().darker(160));
    p.setPen(QPen(colours::outline(), 1.5));
    p.setBrush(lacquer);
    p.drawPath(body);
    QPainterPath glass;
    glass.moveTo(88, 33);
    glass.cubicTo(110, 16, 150, 12, 184, 14);
    glass.cubicTo(205, 17, 222, 26, 236, 33);
    glass.closeSubpath();
    p.setBrush(QColor(60, 80, 110));
    p.drawPath(glass);
    p.setBrush(QColor(30, 30, 34));
    for (qreal cx : {66.0, 250.0}) {
        p.setBrush(QColor(30, 30, 34));
        p.drawEllipse(QPointF(cx, 68), 22, 22);
        p.setBrush(QColor(190, 194, 200));
        p.drawEllipse(QPointF(cx, 68), 10, 10);
    }
    p.restore();
}

QImage drawStartTitle() {
    QImage image = canvas(808, 306, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QLinearGradient sky(0, 0, 0, 306);
    sky.setColorAt(0, colours::navy());
    sky.setColorAt(1, colours::brandDark());
    p.fillRect(image.rect(), sky);
    drawRibbons(p, QRectF(-10, 170, 828, 150), 1.1);
    drawLogo(p, QPointF(60, 34), 84, true);
    p.setFont(arial(22));
    p.setPen(QColor(220, 234, 255));
    p.drawText(QPointF(66, 176), QString::fromUtf8("Das Farbtonspiel für Lacktechniker"));
    drawCarSilhouette(p, QPointF(440, 196), 1.05);
    return image;
}

QImage drawStartLower() {
    QImage image = canvas(816, 300, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QLinearGradient floor(0, 0, 0, 300);
    floor.setColorAt(0, QColor(246, 249, 253));
    floor.setColorAt(1, QColor(226, 234, 244));
    p.fillRect(image.rect(), floor);
    // A fan of colour chips with their codes. The start screen shows the
    // picture's top 253 rows above its bottom bar: the pivot stays well
    // inside them. Every card is drawn smooth, with a soft shadow, so the
    // overlapping edges read cleanly.
    const QColor chips[] = {colours::yellow(), colours::orange(), colours::redOrange(), QColor(190, 30, 70),
                            colours::violet(), colours::blue(),   QColor(20, 150, 170), colours::green()};
    const QPointF pivot(250, 224);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(pivot);
        p.rotate(-56 + i * 16);
        QRectF chip(-22, -200, 44, 186);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(18, 38, 86, 40));
        p.drawRoundedRect(chip.translated(2, 2), 5, 5);
        p.setPen(QPen(colours::outline(), 1.2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(chip, 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(chips[i]);
        p.drawRoundedRect(QRectF(chip.left() + 4, chip.top() + 4, chip.width() - 8, 116), 3, 3);
        p.setPen(Qt::white);
        p.setFont(arial(13, true));
        p.drawText(QRectF(chip.left(), chip.top() + 8, chip.width(), 18), Qt::AlignCenter,
                   QString::number(700 + i * 13));
        p.restore();
    }
    p.setPen(QPen(colours::outline(), 1.2));
    p.setBrush(colours::steel());
    p.drawEllipse(pivot, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(colours::steelDark());
    p.drawEllipse(pivot, 3.5, 3.5);
    p.setPen(colours::navy());
    p.setFont(arial(26, true));
    p.drawText(QPointF(470, 70), QStringLiteral("Mischen. Tönen."));
    p.drawText(QPointF(470, 104), QStringLiteral("Produzieren."));
    p.setFont(arial(16));
    p.drawText(QPointF(472, 138), QString::fromUtf8("Treffen Sie den Farbton mit"));
    p.drawText(QPointF(472, 160), QString::fromUtf8("möglichst wenig Punkten."));
    return image;
}

QImage drawTopBar() {
    QImage image = canvas(808, 49, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QLinearGradient bar(0, 0, 808, 0);
    bar.setColorAt(0, colours::navy());
    bar.setColorAt(1, colours::brandDark());
    p.fillRect(QRect(0, 0, 808, 44), bar);
    drawColourStripe(p, QRect(0, 44, 808, 5));
    drawLogo(p, QPointF(12, 7), 24, true);
    return image;
}

// The bottom bar lies at offsets from -8 to 0 on forms up to 813 wide, on
// controls from 798 wide: it reaches 824, and its text ends where every one
// of them shows it whole.
QImage drawBottomBar() {
    QImage image = canvas(824, 48, QColor(236, 240, 246));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    drawColourStripe(p, QRect(0, 0, 824, 4));
    p.setFont(arial(12));
    p.setPen(QColor(90, 100, 120));
    p.drawText(QRect(0, 4, 780, 40), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromUtf8("Pigmentra · Farbtonlabor und Lackproduktion"));
    return image;
}

}  // namespace

void writeBanners(const QString& dir) {
    saveBmp(drawBanner(QString()), dir, DataFiles::Banner);
    saveBmp(drawBanner(QStringLiteral("Labor")), dir, DataFiles::BannerLabor);
    saveBmp(drawBanner(QStringLiteral("Produktion")), dir, DataFiles::BannerProduktion);
    saveBmp(drawStartTitle(), dir, DataFiles::StartTitel);
    saveBmp(drawStartLower(), dir, DataFiles::StartUnten);
    saveBmp(drawTopBar(), dir, DataFiles::TopBar);
    saveBmp(drawBottomBar(), dir, DataFiles::BottomBar);
}

}  // namespace gen
