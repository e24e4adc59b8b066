// libFuzzer entry point: any bytes go through the influence-line file reader into a table, back
// out through the writer, and through the check (the drawing has a target of its own).

#include "fuzz/fuzzinput.h"
#include "common/numbertext.h"
#include "influence/linecheck.h"
#include "influence/linetable.h"
#include "influence/prcfile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzInputBytes(data, size);
    const tragvel::LineKind &kind = (size % 2 == 0) ? tragvel::longitudinalLine() : tragvel::transverseLine();
    const QChar separator = tragvel::programDecimalSeparator();

    const tragvel::PrcReadResult result = tragvel::readPrc(bytes, kind, separator);
    if (result.rows.size() > size_t(kind.maxPoints))
        std::abort();
    for (const tragvel::PrcRow &row : result.rows) {
        for (const std::optional<QString> &cell : {row.station, row.ordinate}) {
            if (cell && !tragvel::parseReal(*cell, separator))
                std::abort();
        }
    }

    tragvel::CellTable table = tragvel::initialLineTable(kind);
    tragvel::applyPrc(table, result);
    if (!result.rows.empty() && table.rowCount() != int(result.rows.size()) + 1)
        std::abort();

    // A table without empty cells saves to a file that reads back to as many rows (an empty cell
    // lets the reader take the next line's number, as it does for any file).
    bool noEmptyCell = true;
    for (int row = 1; row < table.rowCount(); ++row)
        noEmptyCell = noEmptyCell && !table.cell(1, row).isEmpty() && !table.cell(2, row).isEmpty();
    const tragvel::PrcReadResult reread = tragvel::readPrc(tragvel::writePrc(table, separator), kind, separator);
    if (noEmptyCell && reread.rows.size() != size_t(table.rowCount() - 1))
        std::abort();

    const tragvel::LineCheckOutcome outcome = tragvel::checkLine(table, kind, separator);
    if (outcome.valid && outcome.points.size() != size_t(table.rowCount() - 1))
        std::abort();
    return 0;
}
