#pragma once

class QWidget;

// Shows the whole text as a tooltip wherever a cell, list item or combo box under `root` is too
// narrow for it; texts that fit show no tooltip. Widths stay as they are.
void showClippedTextsAsTips(QWidget &root);
