#include "influence/generatedtable.h"

#include "common/numbertext.h"
#include "influence/prcfile.h"

namespace tragvel::influence {

CellTable generatedLineTable(const CellTable &current, const std::vector<LinePoint> &points,
                             QChar decimalSeparator)
{
    CellTable table;
    table.rows.push_back(current.rows.at(0));
    for (size_t i = 0; i < points.size(); ++i) {
        const int row = int(i) + 1;
        table.rows.push_back({paddedRowNumber(row), generalText(points[i].station, decimalSeparator),
                              generalText(points[i].ordinate, decimalSeparator)});
    }
    return table;
}

} // namespace tragvel::influence
