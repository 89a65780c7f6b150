#pragma once
#include <QImage>

// Replaces the 4-connected region of exactly the colour of the pixel at
// (x, y) with newColour. Iterative; a start pixel already of the new colour,
// or a point outside the image, changes nothing. The image must be
// Format_RGB32 or Format_ARGB32. Returns the number of pixels changed, or
// -1 when the image shared its pixels and the copy could not be allocated
// (the image is then null).
long FloodFill(QImage& image, int x, int y, QRgb newColour);
