#include "loads/zatreader.h"

#include "common/numbertext.h"
#include "common/textfilereader.h"
#include "loads/loadtable.h"
#include "loads/loadtexts.h"

namespace tragvel {

namespace {
constexpr int valuesPerLine = 6;
}

LoadFileContents readLoadFile(const QByteArray &bytes, const LoadSet &set)
{
    TextFileReader reader(bytes);
    return readLoadFile(reader, set);
}

LoadFileContents readLoadFile(TextFileReader &reader, const LoadSet &set)
{
    LoadFileContents contents;
    const QChar separator = programDecimalSeparator();

    while (!reader.atEnd() && int(contents.rows.size()) < maxLoadRows) {
        LoadFileRow row;
        row.cells.reserve(valuesPerLine);
        const int rowNumber = int(contents.rows.size()) + 1;
        row.label = prefixedNumber(set.loadedRowLabelPrefix, rowNumber);
        const auto raise = [&](const QString &message) {
            contents.messages << message;
            contents.places.push_back({rowNumber, int(row.cells.size())});
        };
        // A line that ends in blanks is not at its end yet: the next value comes from the next line.
        while (!reader.atLineEnd() && !reader.atEnd() && row.cells.size() < valuesPerLine) {
            const TextFileReader::Number number = reader.readNumber();
            if (!number.valid)
                raise(loadtexts::invalidFileNumber());
            row.cells << generalText(number.value, separator);
        }
        if (row.cells.size() == valuesPerLine && !reader.restOfLineIsBlank())
            raise(loadtexts::tooManyColumns());
        reader.skipLine();
        contents.rows.push_back(std::move(row));
    }
    if (!reader.atEnd()) {
        contents.messages << loadtexts::tooManyLines();
        contents.places.push_back(afterTheLastRow);
    }
    return contents;
}

void applyLoadFile(CellTable &table, const LoadFileContents &contents, const ReadMessageSink &sink)
{
    if (contents.rows.empty())
        return;
    if (table.rows.empty())
        table.rows.push_back(loadTableHeaders());
    table.rows.reserve(contents.rows.size() + 1);
    PlacedMessages messages(contents.messages, contents.places, table, sink);
    for (size_t i = 0; i < contents.rows.size(); ++i) {
        const LoadFileRow &row = contents.rows[i];
        const int r = int(i) + 1;
        // The table ends with the row being read: a longer table is cut at once, and every row
        // the load writes starts empty.
        setLoadRowCount(table, r - 1);
        setLoadRowCount(table, r);
        table.setCell(0, r, row.label);
        for (int k = 0; k < row.cells.size(); ++k) {
            messages.showUpTo(r, k);
            table.setCell(k + 1, r, row.cells[k]);
        }
        messages.showUpTo(r, int(row.cells.size()));
    }
    messages.showRest();
}

} // namespace tragvel
