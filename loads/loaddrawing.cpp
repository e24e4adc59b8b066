#include "loads/loaddrawing.h"

#include "common/canvas.h"
#include "common/gridpicture.h"

#include <algorithm>

namespace tragvel {

namespace {

void clearToWhite(QImage &image)
{
    Canvas canvas(image);
    canvas.setBrush(colors::white, BrushStyle::Solid);
    canvas.fillRect(0, 0, image.width(), image.height());
}

void line(Canvas &canvas, int x1, int y1, int x2, int y2)
{
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

// The small circles of the plan are filled white so that nothing shows through them.
void circle(Canvas &canvas, int x, int y, int radius)
{
    canvas.ellipse(x - radius, y - radius, x + radius, y + radius);
}

// A rectangle given by any two opposite corners.
void rectangleBetween(Canvas &canvas, int xa, int ya, int xb, int yb)
{
    canvas.rectangle(std::min(xa, xb), std::min(ya, yb), std::max(xa, xb), std::max(ya, yb));
}

void resetTools(Canvas &canvas)
{
    canvas.setPen(colors::black, 1, PenStyle::Solid);
    canvas.setBrush(colors::white, BrushStyle::Solid);
}

void drawElevationPatch(Canvas &canvas, const LoadPatch &p, const LoadMapping &map)
{
    const int x1 = map.x(p.x1);
    const int z = map.zeroLine();
    switch (patchKind(p)) {
    case PatchKind::Point:
    case PatchKind::TransverseLine: {
        line(canvas, x1, map.q(p.load), x1, z);
        // The arrow points onto the zero line from the side the load stands on.
        const int base = p.load > 0.0 ? z - 15 : z + 15;
        canvas.moveTo(x1, z);
        canvas.lineTo(x1 - 5, base);
        canvas.lineTo(x1 + 5, base);
        canvas.lineTo(x1, z);
        break;
    }
    case PatchKind::LongitudinalLine:
        canvas.setPen(colors::black);
        canvas.setBrush(colors::black, BrushStyle::Vertical);
        rectangleBetween(canvas, x1, z, map.x(p.x2), map.q(p.load));
        break;
    case PatchKind::Area:
        canvas.setPen(colors::blue);
        canvas.setBrush(colors::blue, BrushStyle::Vertical);
        rectangleBetween(canvas, x1, z, map.x(p.x2), map.q(p.load));
        break;
    }
    resetTools(canvas);
}

void drawPlanPatch(Canvas &canvas, const LoadPatch &p, const LoadMapping &map)
{
    const int x1 = map.x(p.x1);
    const int x2 = map.x(p.x2);
    const int y1 = map.y(p.y1);
    const int y2 = map.y(p.y2);
    const bool positive = p.load > 0.0;
    switch (patchKind(p)) {
    case PatchKind::Point:
        if (positive) {
            line(canvas, x1, y1 + 5, x1, y1 - 5);
            line(canvas, x1 - 5, y1, x1 + 5, y1);
        } else {
            circle(canvas, x1, y1, 5);
            circle(canvas, x1, y1, 2);
        }
        break;
    case PatchKind::LongitudinalLine:
        canvas.setPen(colors::black, 2);
        if (positive) {
            line(canvas, x1, y1, x2, y2);
            line(canvas, x1, y1 - 5, x1, y1 + 5);
            line(canvas, x2, y2 - 5, x2, y2 + 5);
        } else {
            circle(canvas, x1, y1, 5);
            circle(canvas, x2, y2, 5);
            line(canvas, x1, y1, x2, y2);
        }
        break;
    case PatchKind::TransverseLine:
        canvas.setPen(colors::black, 2);
        if (positive) {
            line(canvas, x1, y1, x2, y2);
            line(canvas, x1 - 5, y1, x1 + 5, y1);
            line(canvas, x2 - 5, y2, x2 + 5, y2);
        } else {
            circle(canvas, x1, y1, 5);
            circle(canvas, x2, y2, 5);
            line(canvas, x1, y1, x2, y2);
        }
        break;
    case PatchKind::Area:
        canvas.setPen(colors::blue, 2);
        if (positive) {
            line(canvas, x1 - 5, y1, x2 + 5, y1);
            line(canvas, x2, y1 + 5, x2, y2 - 5);
            line(canvas, x2 + 5, y2, x1 - 5, y2);
            line(canvas, x1, y2 - 5, x1, y1 + 5);
        } else {
            circle(canvas, x1, y1, 5);
            circle(canvas, x2, y1, 5);
            circle(canvas, x2, y2, 5);
            circle(canvas, x1, y2, 5);
        }
        canvas.setBrush(colors::blue, BrushStyle::DiagCross);
        rectangleBetween(canvas, x1, y1, x2, y2);
        break;
    }
    resetTools(canvas);
}

} // namespace

void drawElevation(QImage &image, const std::vector<LoadPatch> &patches, const LoadExtent &extent)
{
    clearToWhite(image);
    const LoadMapping map(extent, image.width(), image.height());
    Canvas canvas(image);
    resetTools(canvas);
    canvas.setPen(colors::red);
    line(canvas, 0, map.zeroLine(), image.width(), map.zeroLine());
    canvas.setPen(colors::black);
    for (const LoadPatch &patch : patches)
        drawElevationPatch(canvas, patch, map);
}

void drawPlan(QImage &image, const std::vector<LoadPatch> &patches, double referenceX,
              double referenceY, const LoadExtent &extent)
{
    clearToWhite(image);
    const LoadMapping map(extent, image.width(), image.height());
    Canvas canvas(image);
    resetTools(canvas);
    for (const LoadPatch &patch : patches)
        drawPlanPatch(canvas, patch, map);

    const int xr = map.x(referenceX);
    const int yr = map.y(referenceY);
    canvas.setPen(colors::red, 3, PenStyle::Dash);
    line(canvas, xr - 10, yr, xr + 10, yr);
    line(canvas, xr, yr - 10, xr, yr + 10);
    canvas.setPen(colors::black, 1, PenStyle::Solid);
}

LoadPictures drawLoadPictures(const std::vector<LoadPatch> &patches, double referenceX,
                              double referenceY)
{
    const LoadExtent extent = loadExtent(patches, referenceX, referenceY);
    LoadPictures pictures{blankPicture(elevationWidth, elevationHeight),
                          blankPicture(planWidth, planHeight)};
    drawElevation(pictures.elevation, patches, extent);
    drawPlan(pictures.plan, patches, referenceX, referenceY, extent);
    return pictures;
}

} // namespace tragvel
