#pragma once

#include <QString>

namespace tragvel::report {

// A padded field: at most the first 15 characters of the text, filled with blanks to `width`.
// The cut is 15 whatever the width, so a longer text overflows a narrow field.
QString paddedField(const QString &text, int width);

// At most the first `count` characters (a letter outside the basic plane counts as one).
QString leadingCharacters(const QString &text, int count);

// The decimal row index in a padded field of width 5.
QString rowNumberField(int row);

// A numeric cell in fixed notation with 5 significant digits and `decimals` decimals, in a padded
// field of width 10. Throws ConversionError when the cell is not a number.
QString numberField(const QString &cell, int decimals);

} // namespace tragvel::report
