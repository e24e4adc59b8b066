#include "influence/prcfile.h"

#include "common/codepage1250.h"
#include "common/numbertext.h"
#include "common/textfilereader.h"

#include <algorithm>
#include <cmath>

namespace tragvel {

namespace {

constexpr int lineColumns = 3;

QString numberCellText(double value, QChar decimalSeparator)
{
    // The reader yields finite values only; a non-finite one must still not reach the table as
    // something the checks would accept as a number.
    if (!std::isfinite(value))
        return generalText(0.0, decimalSeparator);
    return generalText(value, decimalSeparator);
}

} // namespace

QString paddedRowNumber(int row)
{
    return QString(10, QLatin1Char(' ')) + QString::number(row);
}

PrcReadResult readPrc(const QByteArray &bytes, const LineKind &kind, QChar decimalSeparator)
{
    TextFileReader reader(bytes);
    return readPrc(reader, kind, decimalSeparator);
}

PrcReadResult readPrc(TextFileReader &reader, const LineKind &kind, QChar decimalSeparator)
{
    PrcReadResult result;
    while (!reader.atEnd() && int(result.rows.size()) < kind.maxPoints) {
        PrcRow row;
        for (std::optional<QString> *cell : {&row.station, &row.ordinate}) {
            if (reader.atLineEnd())
                break;
            const TextFileReader::Number number = reader.readNumber();
            if (!number.valid)
                result.messages.append(lineTexts::invalidFileNumber());
            *cell = numberCellText(number.value, decimalSeparator);
        }
        if (!reader.restOfLineIsBlank())
            result.messages.append(lineTexts::tooManyColumns());
        reader.skipLine();
        result.rows.push_back(std::move(row));
    }
    if (!reader.atEnd())
        result.messages.append(kind.tooManyLines);
    return result;
}

void applyPrc(CellTable &table, const PrcReadResult &result)
{
    if (result.rows.empty())
        return;
    const size_t rowCount = result.rows.size() + 1;
    const int columns = table.rows.empty() ? lineColumns : int(table.rows.front().size());
    // Every row the load writes starts empty: the table is cut at once and grows by empty rows,
    // so a cell the file does not supply is empty and not a value of the table before.
    table.rows.resize(rowCount);
    for (size_t i = 0; i < result.rows.size(); ++i) {
        const int row = int(i) + 1;
        QStringList &cells = table.rows[size_t(row)];
        cells = QStringList(std::max(columns, lineColumns), QString());
        cells[0] = paddedRowNumber(row);
        if (result.rows[i].station)
            cells[1] = *result.rows[i].station;
        if (result.rows[i].ordinate)
            cells[2] = *result.rows[i].ordinate;
    }
}

QByteArray writePrc(const CellTable &table, QChar decimalSeparator)
{
    QByteArray bytes;
    for (int row = 1; row < table.rowCount(); ++row) {
        const QStringList &cells = table.rows[size_t(row)];
        const QString station = cells.size() > 1 ? cells[1] : QString();
        const QString ordinate = cells.size() > 2 ? cells[2] : QString();
        bytes += toCodePage1250(pointNotationText(station, decimalSeparator));
        bytes += ' ';
        bytes += toCodePage1250(pointNotationText(ordinate, decimalSeparator));
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace tragvel
