#include "influence/linecheck.h"

#include "common/numbertext.h"

#include <cmath>

namespace tragvel {

namespace {

std::optional<double> cellNumber(const CellTable &table, int column, int row, QChar separator)
{
    const QStringList &cells = table.rows[size_t(row)];
    if (column >= cells.size() || cells[column].isEmpty())
        return std::nullopt;
    return parseReal(cells[column], separator);
}

double areaUnderLine(const std::vector<TablePoint> &points)
{
    double area = 0.0;
    for (size_t r = 0; r + 1 < points.size(); ++r) {
        const double term = (points[r + 1].station - points[r].station)
            * ((points[r].ordinate + points[r + 1].ordinate) * 0.5);
        area += term;
    }
    return area;
}

} // namespace

LineCheckOutcome checkLine(const CellTable &table, const LineKind &kind, QChar decimalSeparator)
{
    LineCheckOutcome outcome;

    // Every row is examined; one failing row is enough for the single message.
    bool allNumbers = true;
    for (int row = 1; row < table.rowCount(); ++row) {
        const std::optional<double> station = cellNumber(table, 1, row, decimalSeparator);
        const std::optional<double> ordinate = cellNumber(table, 2, row, decimalSeparator);
        if (!station || !ordinate) {
            allNumbers = false;
            continue;
        }
        outcome.points.push_back({*station, *ordinate});
    }
    if (!allNumbers) {
        outcome.points.clear();
        outcome.messages.append(lineTexts::notNumber());
        outcome.messagesBeforeRedraw = 1;
        return outcome;
    }
    outcome.numbersPresent = true;

    for (const TablePoint &point : outcome.points) {
        if (point.station < outcome.smallestStation)
            outcome.smallestStation = point.station;
        if (point.station > outcome.stationRange)
            outcome.stationRange = point.station;
        if (std::abs(point.ordinate) > outcome.ordinateScale)
            outcome.ordinateScale = std::abs(point.ordinate);
    }

    if (kind.checksArea) {
        outcome.area = areaUnderLine(outcome.points);
        // The area is compared as the user would read it: a sum a few units in the last place
        // away from 1 prints as 1 and is no reason for a warning.
        const QString areaText = generalText(*outcome.area, decimalSeparator);
        if (areaText != QStringLiteral("1"))
            outcome.messages.append(lineTexts::areaWarning(areaText, decimalSeparator));
    }
    outcome.messagesBeforeRedraw = int(outcome.messages.size());

    for (size_t r = 0; r + 1 < outcome.points.size(); ++r) {
        if (outcome.points[r].station > outcome.points[r + 1].station)
            outcome.ascending = false;
    }

    outcome.valid = !(outcome.smallestStation < 0.0) && outcome.ascending
        && outcome.stationRange > 0.0 && outcome.ordinateScale > 0.0;
    if (outcome.valid)
        return outcome;

    if (outcome.smallestStation < 0.0)
        outcome.messages.append(kind.negativeStation);
    if (!outcome.ascending)
        outcome.messages.append(kind.notAscending);
    // Either factor 0 makes the line undrawable; testing them apart keeps a product of two tiny
    // values that underflows to 0 from reporting a zero width.
    if (outcome.ordinateScale == 0.0 || outcome.stationRange == 0.0) {
        if (outcome.ordinateScale == 0.0)
            outcome.messages.append(kind.allOrdinatesZero);
        else
            outcome.messages.append(kind.zeroWidth);
    }
    return outcome;
}

} // namespace tragvel
