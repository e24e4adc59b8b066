#pragma once

namespace tragvel {

// One row of a checked load table.
struct LoadPatch
{
    double x1 = 0.0;
    double x2 = 0.0;
    double y1 = 0.0;
    double y2 = 0.0;
    double load = 0.0;
    int type = 0;
};

enum class PatchKind { Point, LongitudinalLine, TransverseLine, Area };

// The kind follows from which bounds are equal.
inline PatchKind patchKind(const LoadPatch &patch)
{
    const bool pointInX = patch.x1 == patch.x2;
    const bool pointInY = patch.y1 == patch.y2;
    if (pointInX)
        return pointInY ? PatchKind::Point : PatchKind::TransverseLine;
    return pointInY ? PatchKind::LongitudinalLine : PatchKind::Area;
}

} // namespace tragvel
