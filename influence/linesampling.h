#pragma once

#include "influence/continuousbeam.h"

#include <vector>

namespace tragvel::influence {

struct LinePoint
{
    double station;
    double ordinate;
};

// An influence line as a table of points and the largest distance, over all stations, between the
// straight segments through the points and the exact line.
struct SampledLine
{
    std::vector<LinePoint> points;
    double deviation = 0.0;
};

// Samples the exact influence line of the beam into at most maxPoints points: the supports, the
// section (the two sides of a jump as two points at one station) and, between them, points placed
// so that the largest deviation is as small as the number of points allows. The input must be
// usable (beamInputError empty) and maxPoints large enough for the supports and the section.
SampledLine sampleBeamLine(const ContinuousBeam &beam, const BeamSection &section, int maxPoints);

} // namespace tragvel::influence
