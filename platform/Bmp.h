#pragma once
// A quick reader for the uncompressed 24-bit BMPs the game's artwork is
// stored in. Qt's own reader converts such files pixel by pixel through its
// general bit-field path, which made decoding the start screen's artwork a
// fifth of start-up; here each row is converted in one tight pass.
#include <QImage>

// Decodes `size` bytes of a BMP file into a Format_RGB32 image. Returns a
// null image for anything but a well-formed uncompressed 24-bit BMP
// (other depths, compression, palettes, a truncated file, absurd sizes):
// the caller then hands the file to Qt's general reader.
QImage ReadPlainBmp(const uchar* data, qint64 size);
