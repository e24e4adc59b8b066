#include "loads/loadcheck.h"

#include "common/numbertext.h"
#include "loads/loadtable.h"
#include "loads/loadtexts.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tragvel {

bool isValidLoadType(const QString &cell)
{
    const std::optional<int> code = parseWhole(cell);
    return code && *code >= 0 && *code <= 3;
}

LoadCheckResult checkLoads(const CellTable &table, const QString &referenceX,
                           const QString &referenceY)
{
    LoadCheckResult result;
    const QChar separator = programDecimalSeparator();

    struct RowValues
    {
        std::array<std::optional<double>, loadTableColumns - 1> cells;
        QString typeText;
    };
    std::vector<RowValues> rows;
    rows.reserve(size_t(std::max(table.rowCount() - 1, 0)));
    for (int r = 1; r < table.rowCount(); ++r) {
        const QStringList &cells = table.rows[size_t(r)];
        RowValues values;
        for (int column = 1; column < loadTableColumns; ++column) {
            const QStringView text = column < cells.size() ? QStringView(cells.at(column)) : QStringView();
            values.cells[size_t(column - 1)] = parseReal(text, separator);
            if (!values.cells[size_t(column - 1)])
                result.cellNotNumber = true;
        }
        values.typeText = loadTableColumns - 1 < cells.size() ? cells.at(loadTableColumns - 1) : QString();
        // A type cell that is no number at all is reported as such, not as a bad type.
        if (values.cells[5] && !isValidLoadType(values.typeText))
            result.typeOutOfRange = true;
        rows.push_back(std::move(values));
    }

    const std::optional<double> xr = parseReal(referenceX, separator);
    const std::optional<double> yr = parseReal(referenceY, separator);
    if (!xr || !yr)
        result.referencePointNotNumber = true;

    // The order of the bounds means something only when all of them are numbers.
    if (!result.cellNotNumber) {
        for (const RowValues &row : rows) {
            if (*row.cells[0] > *row.cells[1])
                result.xBoundsReversed = true;
            if (*row.cells[2] > *row.cells[3])
                result.yBoundsReversed = true;
        }
    }

    if (result.referencePointNotNumber)
        result.messages << loadtexts::referencePointNotNumber();
    if (result.cellNotNumber)
        result.messages << loadtexts::cellNotNumber();
    if (result.xBoundsReversed)
        result.messages << loadtexts::xBoundsReversed();
    if (result.yBoundsReversed)
        result.messages << loadtexts::yBoundsReversed();
    if (result.typeOutOfRange)
        result.messages << loadtexts::typeOutOfRange();
    if (!result.passed())
        return result;

    result.patches.reserve(rows.size());
    for (const RowValues &row : rows) {
        LoadPatch patch;
        patch.x1 = *row.cells[0];
        patch.x2 = *row.cells[1];
        patch.y1 = *row.cells[2];
        patch.y2 = *row.cells[3];
        patch.load = *row.cells[4];
        patch.type = *parseWhole(row.typeText);
        result.patches.push_back(patch);
    }
    result.referenceX = *xr;
    result.referenceY = *yr;
    return result;
}

} // namespace tragvel
