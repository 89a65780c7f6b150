#include "platform/FloodFill.h"

#include <vector>

long FloodFill(QImage& image, int x, int y, QRgb newColour) {
    const int w = image.width();
    const int h = image.height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return 0;
    const QRgb target = image.pixel(x, y);
    if (target == newColour)
        return 0;
    // Scanline fill with an explicit stack of seeds: each seed is a pixel of
    // the target colour; its whole horizontal run is filled, and the rows
    // above and below are scanned for new runs.
    const qsizetype stride = image.bytesPerLine() / 4;
    QRgb* bits = reinterpret_cast<QRgb*>(image.bits());
    long changed = 0;
    std::vector<std::pair<int, int>> seeds;
    seeds.emplace_back(x, y);
    while (!seeds.empty()) {
        auto [sx, sy] = seeds.back();
        seeds.pop_back();
        QRgb* row = bits + sy * stride;
        if (row[sx] != target)
            continue;
        int left = sx;
        while (left > 0 && row[left - 1] == target)
            --left;
        int right = sx;
        while (right + 1 < w && row[right + 1] == target)
            ++right;
        for (int i = left; i <= right; ++i)
            row[i] = newColour;
        changed += right - left + 1;
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const QRgb* other = bits + ny * stride;
            int i = left;
            while (i <= right) {
                if (other[i] == target) {
                    seeds.emplace_back(i, ny);
                    while (i <= right && other[i] == target)
                        ++i;
                } else {
                    ++i;
                }
            }
        }
    }
    return changed;
}
