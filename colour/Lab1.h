#pragma once
// Colour values: integer triples, packed display colours, and the colour
// coordinates with the colour difference every judgement rests on.
#include <QColor>
#include <cstdint>

struct RgbTriple {
    int32_t Red = 0;
    int32_t Green = 0;
    int32_t Blue = 0;
    int32_t& operator[](int i) { return i == 0 ? Red : (i == 1 ? Green : Blue); }
    int32_t operator[](int i) const { return i == 0 ? Red : (i == 1 ? Green : Blue); }
    bool operator==(const RgbTriple& o) const { return Red == o.Red && Green == o.Green && Blue == o.Blue; }
};

// Red in bits 0-7, green in 8-15, blue in 16-23. Two system colours stand
// for the palette's highlight and button face.
using DisplayColour = uint32_t;
constexpr DisplayColour clHighlight = 0x8000000D;
constexpr DisplayColour clBtnFace = 0x8000000F;
constexpr DisplayColour clWhite = 0x00FFFFFF;
constexpr DisplayColour clBlack = 0x00000000;

// red + 256 × green + 65536 × blue, each channel by its low 8 bits.
DisplayColour ToDisplayColour(const RgbTriple& rgb);
// The colour to paint; the system colours resolve through the palette.
QColor ToQColor(DisplayColour colour);
// The display colour of a painted pixel.
DisplayColour FromQRgb(QRgb rgb);

class TLab {
public:
    float Coords[3] = {0.0f, 0.0f, 0.0f};
    float Delta[3] = {0.0f, 0.0f, 0.0f};
    float DeltaE = 0.0f;

    void SetFromRGB(const RgbTriple& rgb);
    void CompareWith(const TLab& reference);
};
