// fuzz-qt: Core Gui
//
// The quick artwork reader on arbitrary bytes: it must never read outside the
// file, whatever it accepts is a whole picture within its size limit, and
// the size it reads from the headers alone is the decoded picture's.
#include "platform/Bmp.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QImage image = ReadPlainBmp(data, qint64(size));
    // The size read from the headers alone is that of the decoded picture.
    if (PlainBmpSize(data, qint64(size), qint64(size)) != (image.isNull() ? QSize() : image.size()))
        std::abort();
    if (image.isNull())
        return 0;
    const qint64 pixels = qint64(image.width()) * image.height();
    // Three bytes a pixel and two headers must have been there to read.
    if (image.format() != QImage::Format_RGB32 || image.width() > 16384 || image.height() > 16384 ||
        qint64(size) < 54 + pixels * 3)
        std::abort();
    return 0;
}
