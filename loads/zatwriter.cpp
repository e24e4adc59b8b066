#include "loads/zatwriter.h"

#include "common/codepage1250.h"
#include "common/numbertext.h"
#include "loads/loadtable.h"

namespace tragvel {

QString loadFileCellText(const QString &cell)
{
    return pointNotationText(cell, programDecimalSeparator());
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
        bytes += toCodePage1250(line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace tragvel
