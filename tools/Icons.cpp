// The application icon: a hand-written SVG and PNG renderings of the same
// drawing (the paint-drop mark on a rounded navy tile) for packaging.
#include "Assets.h"

#include <QPainter>

namespace gen {
namespace {

const char kSvg[] = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>Pigmentra</title>
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#122656"/>
      <stop offset="1" stop-color="#0054aa"/>
    </linearGradient>
    <linearGradient id="bands" x1="68" y1="28" x2="188" y2="228" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#f5841c"/>
      <stop offset="0.33" stop-color="#f5841c"/>
      <stop offset="0.34" stop-color="#e24826"/>
      <stop offset="0.52" stop-color="#803aaa"/>
      <stop offset="0.70" stop-color="#206cd4"/>
      <stop offset="1" stop-color="#0054aa"/>
    </linearGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="44" fill="url(#tile)"/>
  <path d="M128 28 C142.4 72 188 118 188 160 C188 200 161.6 228 128 228 C94.4 228 68 200 68 160 C68 118 113.6 72 128 28 Z"
        fill="url(#bands)" stroke="#ffffff" stroke-width="6"/>
  <path d="M92 168 A36 36 0 0 0 112 204" fill="none" stroke="#ffffff" stroke-opacity="0.75"
        stroke-width="9" stroke-linecap="round"/>
</svg>
)svg";

QImage renderIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 256.0, size / 256.0);
    QLinearGradient tile(0, 8, 0, 248);
    tile.setColorAt(0, colours::navy());
    tile.setColorAt(1, colours::brandDark());
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    QPainterPath drop;
    drop.moveTo(128, 28);
    drop.cubicTo(142.4, 72, 188, 118, 188, 160);
    drop.cubicTo(188, 200, 161.6, 228, 128, 228);
    drop.cubicTo(94.4, 228, 68, 200, 68, 160);
    drop.cubicTo(68, 118, 113.6, 72, 128, 28);
    QLinearGradient bands(68, 28, 188, 228);
    bands.setColorAt(0.0, colours::orange());
    bands.setColorAt(0.33, colours::orange());
    bands.setColorAt(0.34, colours::redOrange());
    bands.setColorAt(0.52, colours::violet());
    bands.setColorAt(0.70, colours::blue());
    bands.setColorAt(1.0, colours::brandDark());
    p.setPen(QPen(Qt::white, 6));
    p.setBrush(bands);
    p.drawPath(drop);
    p.setPen(QPen(QColor(255, 255, 255, 191), 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath gloss;
    gloss.moveTo(92, 168);
    gloss.arcTo(QRectF(92, 132, 72, 72), 180, 60);
    p.drawPath(gloss);
    return image;
}

}  // namespace

void writeIcons(const QString& dir) {
    saveBytes(QByteArray(kSvg), dir, QStringLiteral("icons/pigmentra.svg"));
    for (int size : {16, 32, 48, 64, 128, 256})
        savePng(renderIcon(size), dir, QStringLiteral("icons/pigmentra-%1.png").arg(size));
}

}  // namespace gen
