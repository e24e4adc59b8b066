// libFuzzer entry point: the bytes are read as pairs of doubles (station, ordinate) of an
// influence-line table, which goes through the check and the drawing of the line. Fuzzing the
// drawing apart from the file reader reaches values and shapes the text of a file rarely gives.

#include "common/gridpicture.h"
#include "common/numbertext.h"
#include "influence/linecheck.h"
#include "influence/linedrawing.h"
#include "influence/linetable.h"
#include "influence/prcfile.h"

#include <QImage>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const tragvel::LineKind &kind = (size % 2 == 0) ? tragvel::longitudinalLine() : tragvel::transverseLine();
    const QChar separator = tragvel::programDecimalSeparator();

    tragvel::CellTable table = tragvel::initialLineTable(kind);
    table.rows.resize(1);
    constexpr size_t pointBytes = 2 * sizeof(double);
    for (size_t offset = 0; offset + pointBytes <= size && table.rowCount() <= kind.maxPoints; offset += pointBytes) {
        double point[2];
        std::memcpy(point, data + offset, sizeof point);
        // Seventeen digits: the cell reads back as exactly this double.
        table.rows.push_back({tragvel::paddedRowNumber(table.rowCount()), tragvel::generalText(point[0], 17, separator),
                              tragvel::generalText(point[1], 17, separator)});
    }

    const tragvel::LineCheckOutcome outcome = tragvel::checkLine(table, kind, separator);
    // One picture for the whole run: the drawing clears it to the empty grid first.
    static QImage picture = tragvel::blankPicture(tragvel::lineImageWidth, tragvel::lineImageHeight);
    tragvel::drawCheckedLine(picture, outcome, kind);
    if (picture.size() != QSize(tragvel::lineImageWidth, tragvel::lineImageHeight))
        std::abort();
    return 0;
}
