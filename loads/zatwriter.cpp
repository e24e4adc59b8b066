#include "loads/zatwriter.h"

#include "common/numbertext.h"
#include "loads/loadtable.h"

namespace tragvel {

QString loadFileCellText(const QString &cell)
{
    const QChar separator = programDecimalSeparator();
    if (!parseReal(cell, separator))
        return cell;
    // Blanks and control characters around the number would only split the line.
    QString text = cell;
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    text = text.mid(begin, end - begin);
    text.replace(separator, QLatin1Char('.'));
    return text;
}

QByteArray loadFileBytes(const CellTable &table)
{
    QByteArray bytes;
    for (int row = 1; row < table.rowCount(); ++row) {
        QString line;
        for (int column = 1; column < loadTableColumns; ++column) {
            if (column > 1)
                line += QLatin1Char(' ');
            const QStringList &cells = table.rows[size_t(row)];
            line += loadFileCellText(column < cells.size() ? cells.at(column) : QString());
        }
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace tragvel
