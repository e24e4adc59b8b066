#pragma once

#include <QChar>
#include <QString>

#include <vector>

namespace tragvel::influence {

// Numbers typed into one box, separated by semicolons or blanks ("16; 16" or "16 16"): the values,
// or the Czech message naming the first text that is no number.
struct NumberList
{
    std::vector<double> values;
    QString error;
};

NumberList parseNumberList(const QString &text, QChar decimalSeparator);

} // namespace tragvel::influence
