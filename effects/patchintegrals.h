#pragma once

#include <vector>

namespace tragvel::effects {

// One point of an influence line: abscissa (station or distance from the edge) and ordinate.
struct LinePoint
{
    double abscissa = 0.0;
    double ordinate = 0.0;
};

// The points of an influence line in table order; the line check guarantees that the abscissae
// never decrease (equal neighbours form a step).
using InfluenceLine = std::vector<LinePoint>;

// The integrals of both influence lines over one load patch, positive and negative parts apart.
// For a point interval a pair holds the ordinate at that position instead of an area.
struct TPatchIntegrals
{
    double NyXPlus = 0.0;
    double NyXMinus = 0.0;
    double NyYPlus = 0.0;
    double NyYMinus = 0.0;
};

// Integrates the longitudinal line over [x1, x2] and the transverse line over [y1, y2]. A patch
// that misses either line yields four zeros; x1 > x2 (or y1 > y2) leaves that pair at zero.
TPatchIntegrals integratePatch(const InfluenceLine &longitudinal, const InfluenceLine &transverse,
                               double x1, double x2, double y1, double y2);

} // namespace tragvel::effects
