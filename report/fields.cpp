#include "report/fields.h"

#include "common/numbertext.h"

namespace tragvel::report {

namespace {

constexpr int kFieldCut = 15;

int characterCount(const QString &text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()))
            ++count;
    }
    return count;
}

} // namespace

// A character outside the basic plane is one letter in the report's code page, so its surrogate
// pair is never split.
QString leadingCharacters(const QString &text, int count)
{
    qsizetype end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size()
                          && text.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

QString paddedField(const QString &text, int width)
{
    QString field = leadingCharacters(text, kFieldCut);
    const int length = characterCount(field);
    if (length < width)
        field.append(QString(width - length, u' '));
    return field;
}

QString rowNumberField(int row)
{
    return paddedField(QString::number(row), 5);
}

QString numberField(const QString &cell, int decimals)
{
    const QChar separator = programDecimalSeparator();
    return paddedField(fixedText(toReal(cell, separator), 5, decimals, separator), 10);
}

} // namespace tragvel::report
