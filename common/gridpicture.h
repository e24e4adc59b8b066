#pragma once

#include <QImage>

namespace tragvel {

// Width and height of the influence-line pictures.
inline constexpr int lineImageWidth = 993;
inline constexpr int lineImageHeight = 393;

// A white picture of the given size in the format every picture of the program uses.
QImage blankPicture(int width, int height);

// The empty grid picture: white, a horizontal axis at H div 2 and ticks 5 pixels up and down from it
// at x = 0, at k * (W div divisions) for k = 1 .. divisions - 1, and at x = W - 1.
void drawEmptyGrid(QImage &image, int divisions);
QImage emptyGridPicture(int width, int height, int divisions);

} // namespace tragvel
