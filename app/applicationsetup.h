#pragma once

// Names the application and sets the Czech locale whose decimal comma every number text uses,
// whatever the host's language. Called once, right after the QApplication is created.
void setUpApplication();

#include <QPoint>
#include <QRect>
#include <QSize>

// The window's place: `wanted` when a window of `size` fits there inside the screen's available
// area, otherwise moved just far enough to lie inside it (to its top left when it is larger).
QPoint fittedWindowPosition(const QRect &available, const QSize &size, const QPoint &wanted);
