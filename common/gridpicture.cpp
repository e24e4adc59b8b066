#include "common/gridpicture.h"

#include "common/canvas.h"

namespace tragvel {

QImage blankPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colors::white);
    return image;
}

void drawEmptyGrid(QImage &image, int divisions)
{
    image.fill(colors::white);
    const int w = image.width();
    const int h = image.height();
    Canvas canvas(image);
    canvas.setPen(colors::black, 1);
    canvas.moveTo(0, h / 2);
    canvas.lineTo(w, h / 2);
    const auto tick = [&](int x) {
        canvas.moveTo(x, h / 2 - 5);
        canvas.lineTo(x, h / 2 + 5);
    };
    tick(0);
    for (int k = 1; k < divisions; ++k)
        tick(k * (w / divisions));
    tick(w - 1);
}

QImage emptyGridPicture(int width, int height, int divisions)
{
    // drawEmptyGrid clears the picture itself.
    QImage image(width, height, QImage::Format_RGB32);
    drawEmptyGrid(image, divisions);
    return image;
}

} // namespace tragvel
