#include "platform/Bmp.h"

#include <QtEndian>

namespace {
quint32 le32(const uchar* p) { return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24; }
quint16 le16(const uchar* p) { return quint16(p[0] | p[1] << 8); }

constexpr qint64 FileHeaderSize = 14;
constexpr qint64 InfoHeaderSize = 40;
static_assert(FileHeaderSize + InfoHeaderSize == PlainBmpHeaderSize);

// One row of `width` pixels stored blue, green, red becomes 0xffRRGGBB each.
// Four bytes read little-endian from a pixel are 0x..RRGGBB already; the
// row's last pixel is read bytewise, as it may end the file.
void convertRowPlain(const uchar* source, QRgb* target, qint64 from, qint64 width) {
    source += 3 * from;
    for (qint64 x = from; x + 1 < width; ++x, source += 3)
        target[x] = 0xFF000000u | qFromLittleEndian<quint32>(source);
    target[width - 1] = 0xFF000000u | quint32(source[2]) << 16 | quint32(source[1]) << 8 | source[0];
}

// Where a plain BMP keeps its pixels, read from its headers (the first
// PlainBmpHeaderSize bytes) and checked against the file's size.
struct PlainLayout {
    qint64 width = 0;
    qint64 height = 0;
    qint64 stride = 0;
    qint64 pixelOffset = 0;
    bool bottomUp = true;
    bool valid = false;
};

PlainLayout ReadLayout(const uchar* header, qint64 headerSize, qint64 fileSize) {
    PlainLayout layout;
    if (!header || headerSize < PlainBmpHeaderSize || header[0] != 'B' || header[1] != 'M')
        return layout;
    const uchar* info = header + FileHeaderSize;
    const qint64 infoSize = le32(info);
    const qint64 signedHeight = qint32(le32(info + 8));
    const quint16 planes = le16(info + 12);
    const quint16 bitsPerPixel = le16(info + 14);
    const quint32 compression = le32(info + 16);
    if (infoSize < InfoHeaderSize || planes != 1 || bitsPerPixel != 24 || compression != 0)
        return layout;
    layout.width = qint32(le32(info + 4));
    layout.height = signedHeight < 0 ? -signedHeight : signedHeight;
    layout.bottomUp = signedHeight > 0;
    if (layout.width <= 0 || layout.height <= 0 || layout.width * layout.height > MaxPicturePixels)
        return layout;
    layout.stride = (layout.width * 3 + 3) & ~qint64(3);
    layout.pixelOffset = le32(header + 10);
    layout.valid = layout.pixelOffset >= FileHeaderSize + infoSize && layout.pixelOffset <= fileSize &&
                   fileSize - layout.pixelOffset >= layout.stride * layout.height;
    return layout;
}
}  // namespace

QSize PlainBmpSize(const uchar* header, qint64 headerSize, qint64 fileSize) {
    const PlainLayout layout = ReadLayout(header, headerSize, fileSize);
    return layout.valid ? QSize(int(layout.width), int(layout.height)) : QSize();
}

QImage ReadPlainBmp(const uchar* data, qint64 size) {
    const PlainLayout layout = ReadLayout(data, size, size);
    if (!layout.valid)
        return {};
    QImage image(int(layout.width), int(layout.height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (qint64 y = 0; y < layout.height; ++y) {
        const qint64 row = layout.bottomUp ? layout.height - 1 - y : y;
        convertRowPlain(data + layout.pixelOffset + layout.stride * row,
                        reinterpret_cast<QRgb*>(image.scanLine(int(y))), 0, layout.width);
    }
    return image;
}
