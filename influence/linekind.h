#pragma once

#include "common/tabletexts.h"

#include <QString>

namespace tragvel {

// What tells the two influence-line tabs apart: the longitudinal line (tab 1) and the transverse
// distribution line (tab 2) share every command and differ only in these limits and texts.
struct LineKind
{
    int maxPoints;           // most points the table may hold
    int gridDivisions;       // ticks of the empty grid picture
    bool checksArea;         // the transverse line warns when the area under it is not 1
    QString rowHeader;       // header of column 0
    QString stationHeader;   // header of column 1 (station or distance from the edge)
    QString newTablePrompt;  // prompt of the new-table input box
    QString tooManyRows;     // Chyba#08: new table or add row beyond maxPoints
    QString tooManyLines;    // Chyba#13: the file holds more lines than maxPoints
    QString negativeStation; // Chyba#04
    QString notAscending;    // Chyba#09
    QString allOrdinatesZero; // Chyba#02
    QString zeroWidth;       // Chyba#05
};

const LineKind &longitudinalLine();
const LineKind &transverseLine();

// Texts shared by both tabs.
namespace lineTexts {
using tableTexts::newTableCaption;
using tableTexts::newTableDefault;
using tableTexts::notWholeNumber;
using tableTexts::rowCountNotPositive;
using tableTexts::invalidFileNumber;
QString tooManyColumns();   // Chyba#12
QString notNumber();        // Chyba#16 of the checks
using tableTexts::noFileChosen;
QString areaWarning(const QString &areaText, QChar decimalSeparator);
} // namespace lineTexts

} // namespace tragvel
