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
        row.label = set.loadedRowLabelPrefix + QString::number(int(contents.rows.size()) + 1);
        // A line that ends in blanks is not at its end yet: the next value comes from the next line.
        while (!reader.atLineEnd() && !reader.atEnd() && row.cells.size() < valuesPerLine) {
            const TextFileReader::Number number = reader.readNumber();
            if (!number.valid)
                contents.messages << loadtexts::invalidFileNumber();
            row.cells << generalText(number.value, separator);
        }
        if (row.cells.size() == valuesPerLine && !reader.restOfLineIsBlank())
            contents.messages << loadtexts::tooManyColumns();
        reader.skipLine();
        contents.rows.push_back(std::move(row));
    }
    if (!reader.atEnd())
        contents.messages << loadtexts::tooManyLines();
    return contents;
}

void applyLoadFile(CellTable &table, const LoadFileContents &contents)
{
    if (contents.rows.empty())
        return;
    if (table.rows.empty())
        table.rows.push_back(loadTableHeaders());
    // Every row the load writes starts empty: the table is cut at once and grows by empty rows.
    setLoadRowCount(table, 0);
    setLoadRowCount(table, int(contents.rows.size()));
    for (size_t i = 0; i < contents.rows.size(); ++i) {
        const LoadFileRow &row = contents.rows[i];
        const int r = int(i) + 1;
        table.setCell(0, r, row.label);
        for (int k = 0; k < row.cells.size(); ++k)
            table.setCell(k + 1, r, row.cells[k]);
    }
}

} // namespace tragvel
