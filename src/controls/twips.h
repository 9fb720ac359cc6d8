#pragma once
// Window layouts are given in twips; 15 twips make one pixel at 96 dots per inch.
#include <QRect>
#include <QSize>

namespace controls {

inline constexpr int TwipsPerPixel = 15;

[[nodiscard]] constexpr int twips(int value)
{
    return value / TwipsPerPixel;
}

[[nodiscard]] constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

[[nodiscard]] constexpr QSize twipsSize(int width, int height)
{
    return QSize(twips(width), twips(height));
}

} // namespace controls
