#include "dialogs/Dialoghilfen1.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>

void SetGrowingText(QLabel* label, const QString& text, int layoutWidth) {
    label->setText(text);
    label->resize(qMax(layoutWidth, label->sizeHint().width()), label->height());
}

void TTransparentPicture::paintEvent(QPaintEvent*) {
    const QImage& image = Image();
    if (image.isNull())
        return;
    const QRgb key = image.pixel(0, image.height() - 1) & 0xFFFFFF;
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    QPainter p(this);
    if (Stretch)
        p.drawImage(rect(), masked);
    else
        p.drawImage(0, 0, masked);
}
