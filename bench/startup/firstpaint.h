#pragma once

class QWidget;

// Ends the process as soon as the widget has been painted for the first time.
void quitAfterFirstPaint(QWidget &widget);
