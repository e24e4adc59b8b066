#pragma once

class QWidget;

// Quits the application as soon as the widget has been painted for the first time.
void quitAfterFirstPaint(QWidget &widget);
