#include "app/fontsizebox.h"

#include "common/numbertext.h"

#include <algorithm>

FontSizeBox::FontSizeBox(QWidget *parent) : QSpinBox(parent)
{
    setRange(smallest, largest);
    setValue(smallest);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int FontSizeBox::sizeOf(const QString &text)
{
    const std::optional<int> typed = tragvel::parseWhole(text);
    return typed ? std::clamp(*typed, smallest, largest) : smallest;
}

void FontSizeBox::fixup(QString &input) const
{
    input = QString::number(sizeOf(input));
}

QValidator::State FontSizeBox::validate(QString &input, int &position) const
{
    // Anything may be typed; what is not a size in range is corrected when the box loses focus.
    const QValidator::State state = QSpinBox::validate(input, position);
    return state == QValidator::Invalid ? QValidator::Intermediate : state;
}
