#include "platform/Bmp.h"

#include <QtEndian>

namespace {
quint32 le32(const uchar* p) { return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24; }
quint16 le16(const uchar* p) { return quint16(p[0] | p[1] << 8); }

constexpr qint64 FileHeaderSize = 14;
constexpr qint64 InfoHeaderSize = 40;
}  // namespace

QImage ReadPlainBmp(const uchar* data, qint64 size) {
    if (!data || size < FileHeaderSize + InfoHeaderSize || data[0] != 'B' || data[1] != 'M')
        return {};
    const qint64 pixelOffset = le32(data + 10);
    const uchar* info = data + FileHeaderSize;
    const qint64 infoSize = le32(info);
    const qint64 width = qint32(le32(info + 4));
    const qint64 signedHeight = qint32(le32(info + 8));
    const quint16 planes = le16(info + 12);
    const quint16 bitsPerPixel = le16(info + 14);
    const quint32 compression = le32(info + 16);
    if (infoSize < InfoHeaderSize || planes != 1 || bitsPerPixel != 24 || compression != 0)
        return {};
    const qint64 height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || width * height > MaxPicturePixels)
        return {};
    const qint64 rowBytes = width * 3;
    const qint64 stride = (rowBytes + 3) & ~qint64(3);
    if (pixelOffset < FileHeaderSize + infoSize || pixelOffset > size || size - pixelOffset < stride * height)
        return {};

    // Rows are stored blue, green, red, bottom-up unless the height is
    // negative; each becomes one row of 0xffRRGGBB.
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const bool bottomUp = signedHeight > 0;
    for (qint64 y = 0; y < height; ++y) {
        const uchar* source = data + pixelOffset + stride * (bottomUp ? height - 1 - y : y);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        // Four bytes read little-endian from a pixel are 0x..RRGGBB already;
        // the row's last pixel is read bytewise, as it may end the file.
        for (qint64 x = 0; x + 1 < width; ++x, source += 3)
            target[x] = 0xFF000000u | qFromLittleEndian<quint32>(source);
        target[width - 1] = 0xFF000000u | quint32(source[2]) << 16 | quint32(source[1]) << 8 | source[0];
    }
    return image;
}
