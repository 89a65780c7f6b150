#pragma once
// A quick reader for the uncompressed 24-bit BMPs the game's artwork is
// stored in. Qt's own reader converts such files pixel by pixel through its
// general bit-field path, which made decoding the start screen's artwork a
// fifth of start-up; here each row is converted in one tight pass.
#include <QImage>

// The most pixels a picture of the game may have (4096 x 4096; the largest
// artwork has less than 300,000). A header asking for more is refused before
// anything is allocated, as a damaged picture is.
constexpr qint64 MaxPicturePixels = qint64(4096) * 4096;

// Decodes `size` bytes of a BMP file into a Format_RGB32 image. Returns a
// null image for anything but a well-formed uncompressed 24-bit BMP
// (other depths, compression, palettes, a truncated file, more pixels
// than MaxPicturePixels):
// the caller then hands the file to Qt's general reader.
QImage ReadPlainBmp(const uchar* data, qint64 size);

// The headers a plain BMP starts with (file header and information header).
constexpr qint64 PlainBmpHeaderSize = 54;

// The size of the picture ReadPlainBmp would decode from a file of
// `fileSize` bytes that starts with `header`, found without reading the
// pixels; an invalid size when it would refuse the file.
QSize PlainBmpSize(const uchar* header, qint64 headerSize, qint64 fileSize);
