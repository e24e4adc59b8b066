// libFuzzer entry point: any bytes go through the load-file reader into a table and through the
// check (the drawing has a target of its own).

#include "fuzz/fuzzinput.h"
#include "loads/loadcheck.h"
#include "loads/loadtable.h"
#include "loads/zatreader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzInputBytes(data, size);
    const tragvel::LoadSet &set = (size % 2 == 0) ? tragvel::designLoadSet() : tragvel::assessmentLoadSet();
    const tragvel::LoadFileContents contents = tragvel::readLoadFile(bytes, set);
    if (contents.rows.size() > size_t(tragvel::maxLoadRows))
        std::abort();

    tragvel::CellTable table = tragvel::startupLoadTable(set);
    tragvel::applyLoadFile(table, contents);
    if (!contents.rows.empty() && table.rowCount() != int(contents.rows.size()) + 1)
        std::abort();

    const tragvel::LoadCheckResult check = tragvel::checkLoads(table, QStringLiteral("0"), QStringLiteral("0"));
    if (check.passed() && check.patches.size() != size_t(table.rowCount() - 1))
        std::abort();
    return 0;
}
