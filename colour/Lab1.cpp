#include "colour/Lab1.h"

#include <QApplication>
#include <QPalette>
#include <cmath>

DisplayColour ToDisplayColour(const RgbTriple& rgb) {
    return DisplayColour(rgb.Red & 0xFF) | (DisplayColour(rgb.Green & 0xFF) << 8) |
           (DisplayColour(rgb.Blue & 0xFF) << 16);
}

QColor ToQColor(DisplayColour colour) {
    if (colour == clHighlight)
        return QApplication::palette().color(QPalette::Highlight);
    if (colour == clBtnFace)
        return QApplication::palette().color(QPalette::Button);
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

DisplayColour FromQRgb(QRgb rgb) {
    return DisplayColour(qRed(rgb)) | (DisplayColour(qGreen(rgb)) << 8) | (DisplayColour(qBlue(rgb)) << 16);
}

void TLab::SetFromRGB(const RgbTriple& rgb) {
    // Scale into 0..1 and back. The intermediates are doubles: in float some
    // channels would come out a hair above the integer, and a difference
    // exactly at a tolerance would then be refused.
    for (int i = 0; i < 3; ++i) {
        const double unit = rgb[i] * (1.0 / 255.0);
        Coords[i] = static_cast<float>(unit * 255.0);
    }
}

void TLab::CompareWith(const TLab& reference) {
    double sum = 0.0;
    for (int i = 0; i < 3; ++i) {
        Delta[i] = Coords[i] - reference.Coords[i];
        sum += double(Delta[i]) * double(Delta[i]);
    }
    DeltaE = static_cast<float>(std::sqrt(sum));
}
