#pragma once

#include "loads/loadpatch.h"

#include <vector>

namespace tragvel {

// The bounds the two pictures of a load set are scaled to.
struct LoadExtent
{
    double xmin = 0.0;
    double xmax = 0.0;
    double ymin = 0.0;
    double ymax = 0.0;
    double qmin = -1.0;
    double qmax = 1.0;
};

// The bounds of the patches and the reference point, moved off an exact zero, widened when a
// direction has no width (a single point), then given their margins (3 % in x and y, 10 % in
// the load).
LoadExtent loadExtent(const std::vector<LoadPatch> &patches, double referenceX, double referenceY);

// The extent as the patches and the reference point give it, before the zero rule and margins.
LoadExtent rawLoadExtent(const std::vector<LoadPatch> &patches, double referenceX, double referenceY);

// The whole pixel nearest to a value, halves to even. Values beyond the drawable range (and a
// value that is no number at all) are held to +-limit so that far-off points stay drawable.
int nearestPixel(double value, int limit);

// Pixel mapping of a picture of width W and height H.
class LoadMapping
{
public:
    LoadMapping(const LoadExtent &extent, int width, int height);

    int x(double x) const;     // both pictures
    int y(double y) const;     // plan picture
    int q(double q) const;     // elevation picture
    int zeroLine() const;      // elevation picture

private:
    LoadExtent m_extent;
    int m_width;
    int m_height;
};

} // namespace tragvel
