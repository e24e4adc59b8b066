// libFuzzer entry point: any bytes go through the load-file reader into a table, through the check
// and, when the table passes, through the drawing of both pictures.

#include "common/gridpicture.h"
#include "loads/loadcheck.h"
#include "loads/loaddrawing.h"
#include "loads/loadextent.h"
#include "loads/loadtable.h"
#include "loads/zatreader.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const tragvel::LoadSet &set = (size % 2 == 0) ? tragvel::designLoadSet() : tragvel::assessmentLoadSet();
    const tragvel::LoadFileContents contents = tragvel::readLoadFile(bytes, set);
    if (contents.rows.size() > size_t(tragvel::maxLoadRows))
        std::abort();

    tragvel::CellTable table = tragvel::startupLoadTable(set);
    tragvel::applyLoadFile(table, contents);
    if (!contents.rows.empty() && table.rowCount() != int(contents.rows.size()) + 1)
        std::abort();

    const tragvel::LoadCheckResult check = tragvel::checkLoads(table, QStringLiteral("0"), QStringLiteral("0"));
    if (check.passed()) {
        // The two pictures of drawLoadPictures, kept for the whole run: each drawing clears its
        // picture first, and new pictures per input would cost more than the rest of the input.
        static QImage elevation = tragvel::blankPicture(tragvel::elevationWidth, tragvel::elevationHeight);
        static QImage plan = tragvel::blankPicture(tragvel::planWidth, tragvel::planHeight);
        const tragvel::LoadExtent extent = tragvel::loadExtent(check.patches, check.referenceX, check.referenceY);
        tragvel::drawElevation(elevation, check.patches, extent);
        tragvel::drawPlan(plan, check.patches, check.referenceX, check.referenceY, extent);
        if (elevation.size() != QSize(tragvel::elevationWidth, tragvel::elevationHeight)
            || plan.size() != QSize(tragvel::planWidth, tragvel::planHeight))
            std::abort();
    }
    return 0;
}
