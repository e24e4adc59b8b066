#include "common/canvas.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>

namespace tragvel {

namespace {

int clampCoordinate(int v)
{
    return std::clamp(v, -Canvas::coordinateLimit, Canvas::coordinateLimit);
}

QPoint clamped(int x, int y)
{
    return {clampCoordinate(x), clampCoordinate(y)};
}

Qt::BrushStyle qtBrushStyle(BrushStyle style)
{
    switch (style) {
    case BrushStyle::Solid:
        return Qt::SolidPattern;
    case BrushStyle::Clear:
        return Qt::NoBrush;
    case BrushStyle::Vertical:
        return Qt::VerPattern;
    case BrushStyle::DiagCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

constexpr int dashOn = 18;
constexpr int dashOff = 6;

} // namespace

Canvas::Canvas(QImage &image) : m_image(image) {}

void Canvas::setPen(const QColor &color, int width, PenStyle style)
{
    m_penColor = color;
    m_penWidth = std::max(1, width);
    m_penStyle = style;
}

void Canvas::setBrush(const QColor &color, BrushStyle style)
{
    m_brushColor = color;
    m_brushStyle = style;
}

void Canvas::fillRect(int left, int top, int right, int bottom)
{
    const QPoint topLeft = clamped(left, top);
    const QPoint bottomRight = clamped(right, bottom);
    if (bottomRight.x() <= topLeft.x() || bottomRight.y() <= topLeft.y() || m_brushStyle == BrushStyle::Clear)
        return;
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect area(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
    // A hatch paints its lines only: what was drawn before shows between them.
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrushOrigin(0, 0);
    painter.fillRect(area, QBrush(m_brushColor, qtBrushStyle(m_brushStyle)));
}

void Canvas::moveTo(int x, int y)
{
    m_position = clamped(x, y);
}

void Canvas::lineTo(int x, int y)
{
    const QPoint to = clamped(x, y);
    if (m_penWidth == 1) {
        thinLine(m_position, to);
    } else {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(m_penColor, m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        if (m_penStyle == PenStyle::Dash) {
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern({qreal(dashOn) / m_penWidth, qreal(dashOff) / m_penWidth});
        }
        painter.setPen(pen);
        if (m_position == to)
            painter.drawPoint(to);
        else
            painter.drawLine(m_position, to);
    }
    m_position = to;
}

// Bresenham from `from` up to, not including, `to`.
void Canvas::thinLine(QPoint from, QPoint to)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    int x = from.x();
    int y = from.y();
    const QRgb rgb = m_penColor.rgb();
    int step = 0;
    while (x != to.x() || y != to.y()) {
        const bool on = m_penStyle == PenStyle::Solid || step % (dashOn + dashOff) < dashOn;
        if (on && x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height())
            m_image.setPixel(x, y, rgb);
        ++step;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    // Corners given in either order describe the same rectangle.
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    fillRect(left + 1, top + 1, right - 1, bottom - 1);
    const QPoint topLeft = clamped(left, top);
    const QPoint bottomRight = clamped(right - 1, bottom - 1);
    const QPoint saved = m_position;
    moveTo(topLeft.x(), topLeft.y());
    lineTo(bottomRight.x(), topLeft.y());
    lineTo(bottomRight.x(), bottomRight.y());
    lineTo(topLeft.x(), bottomRight.y());
    lineTo(topLeft.x(), topLeft.y());
    m_position = saved;
}

void Canvas::ellipse(int left, int top, int right, int bottom)
{
    const QPoint topLeft = clamped(left, top);
    const QPoint bottomRight = clamped(right, bottom);
    if (bottomRight.x() <= topLeft.x() || bottomRight.y() <= topLeft.y())
        return;
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrushOrigin(0, 0);
    painter.setBrush(QBrush(m_brushColor, qtBrushStyle(m_brushStyle)));
    QPen pen(m_penColor, m_penWidth == 1 ? 0 : m_penWidth,
             m_penStyle == PenStyle::Dash ? Qt::DashLine : Qt::SolidLine);
    painter.setPen(pen);
    painter.drawEllipse(QRect(topLeft, QSize(bottomRight.x() - topLeft.x() - 1, bottomRight.y() - topLeft.y() - 1)));
}

} // namespace tragvel
