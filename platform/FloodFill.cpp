#include "platform/FloodFill.h"

#include <vector>

namespace {
struct Span {
    int y;   // the row the span was found in
    int x1;  // its extent
    int x2;
    int dy;  // the direction in which to look next
};
}  // namespace

long FloodFill(QImage& image, int x, int y, QRgb newColour) {
    const int w = image.width();
    const int h = image.height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return 0;
    const QRgb target = image.pixel(x, y);
    if (target == newColour)
        return 0;
    // Shared pixels are copied here; when that copy cannot be had the
    // image is left null and nothing is filled.
    QRgb* const bits = reinterpret_cast<QRgb*>(image.bits());
    if (!bits)
        return -1;
    // Span fill with an explicit stack: each entry is a run already filled in
    // one row, and the direction of the row still to be searched beneath it.
    // Runs leaking back past either end of their parent are searched in the
    // other direction too. Every pixel is read about twice and written once.
    const qsizetype stride = image.bytesPerLine() / 4;
    long changed = 0;
    std::vector<Span> stack;
    stack.reserve(64);
    auto push = [&](int row, int x1, int x2, int dy) {
        if (row + dy >= 0 && row + dy < h)
            stack.push_back({row, x1, x2, dy});
    };
    push(y, x, x, 1);
    push(y + 1, x, x, -1);
    while (!stack.empty()) {
        const Span s = stack.back();
        stack.pop_back();
        const int row = s.y + s.dy;
        const int dy = s.dy;
        const int x1 = s.x1;
        const int x2 = s.x2;
        QRgb* const line = bits + row * stride;
        int cx = x1;
        while (cx >= 0 && line[cx] == target) {
            line[cx] = newColour;
            --cx;
        }
        changed += x1 - cx;
        int left;
        if (cx >= x1)
            goto skip;
        left = cx + 1;
        if (left < x1)
            push(row, left, x1 - 1, -dy);  // leaks out on the left
        cx = x1 + 1;
        do {
            {
                const int start = cx;
                while (cx < w && line[cx] == target) {
                    line[cx] = newColour;
                    ++cx;
                }
                changed += cx - start;
            }
            push(row, left, cx - 1, dy);
            if (cx > x2 + 1)
                push(row, x2 + 1, cx - 1, -dy);  // leaks out on the right
        skip:
            for (++cx; cx <= x2 && line[cx] != target; ++cx) {
            }
            left = cx;
        } while (cx <= x2);
    }
    return changed;
}
