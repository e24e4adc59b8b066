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
    return prefixedNumber(u"          ", row);
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
        const int rowNumber = int(result.rows.size()) + 1;
        int cells = 0;
        const auto raise = [&](const QString &message) {
            result.messages.append(message);
            result.places.push_back({rowNumber, cells});
        };
        for (std::optional<QString> *cell : {&row.station, &row.ordinate}) {
            if (reader.atLineEnd())
                break;
            const TextFileReader::Number number = reader.readNumber();
            if (!number.valid)
                raise(lineTexts::invalidFileNumber());
            *cell = numberCellText(number.value, decimalSeparator);
            ++cells;
        }
        if (!reader.restOfLineIsBlank())
            raise(lineTexts::tooManyColumns());
        reader.skipLine();
        result.rows.push_back(std::move(row));
    }
    if (!reader.atEnd()) {
        result.messages.append(kind.tooManyLines);
        result.places.push_back(afterTheLastRow);
    }
    return result;
}

void applyPrc(CellTable &table, const PrcReadResult &result, const ReadMessageSink &sink)
{
    if (result.rows.empty())
        return;
    const int columns = std::max(table.rows.empty() ? lineColumns : int(table.rows.front().size()), lineColumns);
    table.rows.reserve(result.rows.size() + 1);
    PlacedMessages messages(result.messages, result.places, table, sink);
    for (size_t i = 0; i < result.rows.size(); ++i) {
        const int row = int(i) + 1;
        // The table ends with the row being read: a longer table is cut at once, and every row
        // the load writes starts empty, so a cell the file does not supply stays empty.
        table.rows.resize(size_t(row) + 1);
        QStringList &cells = table.rows[size_t(row)];
        cells = QStringList(columns, QString());
        cells[0] = paddedRowNumber(row);
        int written = 0;
        for (const std::optional<QString> &text : {result.rows[i].station, result.rows[i].ordinate}) {
            messages.showUpTo(row, written);
            if (!text)
                break;
            table.rows[size_t(row)][written + 1] = *text;
            ++written;
        }
        messages.showUpTo(row, lineColumns);
    }
    messages.showRest();
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
