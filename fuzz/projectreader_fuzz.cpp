// libFuzzer entry point: any bytes go through the project-file reader. A file it accepts must keep
// every limit and read back the same from the bytes it is saved as; anything else must be refused
// with a message, never with a crash.

#include "fuzz/fuzzinput.h"
#include "report/projectfile.h"

#include "common/errors.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzInputBytes(data, size);
    namespace project = tragvel::project;
    project::ProjectData read;
    try {
        read = project::parseProject(bytes, QStringLiteral("fuzz.tragvel"));
    } catch (const tragvel::FileError &e) {
        if (!e.text().contains(QStringLiteral("fuzz.tragvel")))
            std::abort();
        return 0;
    }
    for (size_t i = 0; i < read.grids.size(); ++i) {
        const project::GridShape shape = project::gridShapes()[i];
        if (read.grids[i].rowCount() < 2 || read.grids[i].rowCount() > shape.maxRows)
            std::abort();
        for (const QStringList &row : read.grids[i].rows) {
            if (row.size() != shape.columns)
                std::abort();
        }
    }
    if (read.fontSize < 8 || read.fontSize > 20)
        std::abort();
    if (project::parseProject(project::projectBytes(read), QStringLiteral("again.tragvel")) != read)
        std::abort();
    return 0;
}
