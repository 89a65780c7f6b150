#include "platform/Picture.h"

#include "platform/FloodFill.h"
#include "platform/Toolkit.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

TPicture::TPicture(QWidget* parent, const QString& name, int x, int y, int w, int h) : QWidget(parent) {
    setObjectName(name);
    if (w > 0 && h > 0) {
        setGeometry(x, y, w, h);
        fixedSize_ = true;
    } else {
        move(x, y);
    }
}

void TPicture::LoadFromFile(const QString& fileName) {
    QImage loaded;
    if (!QFileInfo::exists(fileName))
        throw ToolkitError(QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(fileName));
    if (!loaded.load(fileName) || loaded.isNull())
        throw ToolkitError(QStringLiteral("Die Datei \"%1\" ist kein gültiges Bild.").arg(fileName));
    SetImage(loaded);
}

void TPicture::SetImage(const QImage& image) {
    image_ = image.convertToFormat(QImage::Format_RGB32);
    if (!fixedSize_)
        resize(image_.size());
    update();
}

void TPicture::ensureCanvas() {
    if (image_.isNull()) {
        image_ = QImage(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
        image_.fill(Qt::white);
    }
}

QRgb TPicture::Pixel(int x, int y) const {
    if (!image_.valid(x, y))
        return 0;
    return image_.pixel(x, y) & 0xFFFFFF;
}

void TPicture::SetPixel(int x, int y, QColor colour) {
    ensureCanvas();
    if (image_.valid(x, y)) {
        image_.setPixel(x, y, colour.rgb());
        update();
    }
}

void TPicture::FillClip(QColor colour) {
    ensureCanvas();
    image_.fill(colour.rgb());
    update();
}

void TPicture::FillRect(const QRect& rect, QColor colour) {
    ensureCanvas();
    QPainter p(&image_);
    p.fillRect(rect, colour);
    update();
}

void TPicture::Line(int x1, int y1, int x2, int y2, QColor colour) {
    ensureCanvas();
    QPainter p(&image_);
    p.setPen(QPen(colour, 1));
    p.drawLine(x1, y1, x2, y2);
    update();
}

void TPicture::Text(int x, int y, const QString& text, const QFont& font, QColor brush, QColor pen) {
    ensureCanvas();
    QPainter p(&image_);
    p.setFont(font);
    QFontMetrics fm(font);
    QRect box(x, y, fm.horizontalAdvance(text), fm.height());
    p.fillRect(box, brush);
    p.setPen(pen);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    update();
}

void TPicture::FloodFill(int x, int y, QColor colour) {
    ensureCanvas();
    if (::FloodFill(image_, x, y, colour.rgb()) > 0)
        update();
}

void TPicture::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void TPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    if (OnMouseDown)
        Guard(OnMouseDown);
}

void TPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && OnClick)
        Guard(OnClick);
}

void TPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    if (OnDoubleClick)
        Guard(OnDoubleClick);
    else if (OnMouseDown)
        Guard(OnMouseDown);
}

bool TPicture::LoadDecoration(const QString& fileName) {
    try {
        LoadFromFile(fileName);
        return true;
    } catch (const ToolkitError&) {
        return false;
    }
}
