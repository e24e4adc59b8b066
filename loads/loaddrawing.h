#pragma once

#include "loads/loadextent.h"
#include "loads/loadpatch.h"

#include <QImage>

#include <vector>

namespace tragvel {

inline constexpr int elevationWidth = 449;
inline constexpr int elevationHeight = 81;
inline constexpr int planWidth = 449;
inline constexpr int planHeight = 217;

// The two pictures of a checked load set.
struct LoadPictures
{
    QImage elevation;  // 449 x 81: the loads over x, with the zero line
    QImage plan;       // 449 x 217: the patches in x (right) and y (up), and the reference point
};

// Draws both pictures over the extent of the patches and the reference point.
LoadPictures drawLoadPictures(const std::vector<LoadPatch> &patches, double referenceX,
                              double referenceY);

// The single pictures, over a given extent, on pictures of any size (cleared to white first).
void drawElevation(QImage &image, const std::vector<LoadPatch> &patches, const LoadExtent &extent);
void drawPlan(QImage &image, const std::vector<LoadPatch> &patches, double referenceX,
              double referenceY, const LoadExtent &extent);

} // namespace tragvel
