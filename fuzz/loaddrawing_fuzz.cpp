// libFuzzer entry point: the bytes are read as load patches (five doubles and a type byte each)
// after a reference point (two doubles), held to what the load check lets through, and drawn in
// both pictures. Fuzzing the drawing apart from the file reader reaches values and layouts the
// text of a file rarely gives.

#include "common/gridpicture.h"
#include "loads/loaddrawing.h"
#include "loads/loadextent.h"
#include "loads/loadtable.h"

#include <QImage>
#include <QSize>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The next double of the input; the check lets only finite numbers through.
double takeNumber(const uint8_t *&data)
{
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr size_t referenceBytes = 2 * sizeof(double);
    constexpr size_t patchBytes = 5 * sizeof(double) + 1;
    if (size < referenceBytes)
        return 0;
    const uint8_t *const end = data + size;
    const double referenceX = takeNumber(data);
    const double referenceY = takeNumber(data);

    std::vector<tragvel::LoadPatch> patches;
    while (size_t(end - data) >= patchBytes && int(patches.size()) < tragvel::maxLoadRows) {
        tragvel::LoadPatch patch;
        patch.x1 = takeNumber(data);
        patch.x2 = takeNumber(data);
        patch.y1 = takeNumber(data);
        patch.y2 = takeNumber(data);
        patch.load = takeNumber(data);
        patch.type = *data++ % 4;
        // The check refuses reversed bounds.
        if (patch.x1 > patch.x2)
            std::swap(patch.x1, patch.x2);
        if (patch.y1 > patch.y2)
            std::swap(patch.y1, patch.y2);
        patches.push_back(patch);
    }

    // The two pictures of drawLoadPictures, kept for the whole run: each drawing clears its
    // picture first.
    static QImage elevation = tragvel::blankPicture(tragvel::elevationWidth, tragvel::elevationHeight);
    static QImage plan = tragvel::blankPicture(tragvel::planWidth, tragvel::planHeight);
    const tragvel::LoadExtent extent = tragvel::loadExtent(patches, referenceX, referenceY);
    tragvel::drawElevation(elevation, patches, extent);
    tragvel::drawPlan(plan, patches, referenceX, referenceY, extent);
    if (elevation.size() != QSize(tragvel::elevationWidth, tragvel::elevationHeight)
        || plan.size() != QSize(tragvel::planWidth, tragvel::planHeight))
        std::abort();
    return 0;
}
