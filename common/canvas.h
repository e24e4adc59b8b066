#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

namespace tragvel {

enum class PenStyle { Solid, Dash };
enum class BrushStyle { Solid, Clear, Vertical, DiagCross };

namespace colors {
inline const QColor black{0, 0, 0};
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor white{255, 255, 255};
} // namespace colors

// Drawing on a picture with the classic semantics the drawings of the program rely on:
// - lineTo() draws from the pen position to the point and moves the pen there; with a 1-pixel pen
//   the end point itself is not painted (a tick from (x, 191) to (x, 201) covers y = 191..200);
//   wider pens have round ends; a dashed pen draws 18 pixels on, 6 off (scaled by the width);
// - rectangle() and ellipse() take (left, top, right, bottom), exclude the right and bottom edge,
//   fill the inside with the brush and outline it with the pen; rectangle() takes its corners in
//   either order;
// - fillRect() fills (left, top, right, bottom) with the brush, right and bottom edge excluded;
// - hatched brushes draw their lines in the brush colour only; the gaps between them are
//   transparent, so what was drawn before shows through.
// No antialiasing. Coordinates are clamped to +-16384 so that far-off points cannot hang or crash
// the painter.
class Canvas
{
public:
    explicit Canvas(QImage &image);

    void setPen(const QColor &color, int width = 1, PenStyle style = PenStyle::Solid);
    void setBrush(const QColor &color, BrushStyle style = BrushStyle::Solid);

    void fillRect(int left, int top, int right, int bottom);
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void rectangle(int left, int top, int right, int bottom);
    void ellipse(int left, int top, int right, int bottom);

    QPoint penPosition() const { return m_position; }

    static constexpr int coordinateLimit = 16384;

private:
    void thinLine(QPoint from, QPoint to);

    QImage &m_image;
    QColor m_penColor = colors::black;
    int m_penWidth = 1;
    PenStyle m_penStyle = PenStyle::Solid;
    QColor m_brushColor = colors::white;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    QPoint m_position;
};

} // namespace tragvel
