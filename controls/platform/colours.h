#pragma once

// Colours as the controls keep them: a 32-bit value, either an RGB colour
// &H00BBGGRR (red in the low byte) or a reference to a system colour &H800000nn.
// The system colours are a table of the control host, so that a change of them
// can repaint every control, as a change of the desktop's colours does.

#include <QColor>

#include <array>
#include <cmath>
#include <cstdint>

namespace tavolora::controls {

using Colour = std::uint32_t;

// A translation that fails gives this value, which the painters use unchanged.
inline constexpr Colour kBadColour = 0xFFFFFFFFu;

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}
constexpr int red_of(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int green_of(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blue_of(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// The three low bytes as a Qt colour; the top byte is ignored.
inline QColor to_qcolor(Colour c) { return QColor(red_of(c), green_of(c), blue_of(c)); }
inline Colour from_qrgb(QRgb c) { return rgb(qRed(c), qGreen(c), qBlue(c)); }

// A fractional value to an integer: to the nearest, halves to the even neighbour.
inline int round_even(double value) { return static_cast<int>(std::nearbyint(value)); }

// The system colour indexes the controls read.
enum SystemColour : int {
    kColorWindow = 5,
    kColorHighlight = 13,
    kColorBtnFace = 15,
    kColorBtnShadow = 16,
    kColorGrayText = 17,
    kColorBtnText = 18,
    kColorBtnHighlight = 20,
    kColor3dDkShadow = 21,
    kColor3dLight = 22,
    kColorInfoText = 23,
    kColorInfoBk = 24,
};

class SystemColours {
public:
    static constexpr int kCount = 31;

    // The classic desktop scheme: a grey-beige button face, a navy selection.
    SystemColours();

    // GetSysColor: the RGB colour of an index; black for an index out of range.
    Colour get(int index) const;
    void set(int index, Colour rgb_colour);

    // OleTranslateColor without a palette: an RGB value (top byte 0) passes
    // through, a system colour reference &H800000nn gives its current colour, and
    // anything else fails with kBadColour.
    Colour translate(Colour value) const;

private:
    std::array<Colour, kCount> table_{};
};

}  // namespace tavolora::controls
