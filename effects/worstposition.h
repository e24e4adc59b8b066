#pragma once

#include "effects/patchintegrals.h"

#include <vector>

namespace tragvel::effects {

// One vehicle patch (load type 1) in the coordinates of the lines, the reference point already
// subtracted.
struct VehiclePatch
{
    double x1 = 0.0;
    double x2 = 0.0;
    double y1 = 0.0;
    double y2 = 0.0;
    double load = 0.0;
};

// Which extreme of the vehicle effect is sought; Larger takes the sense of the larger magnitude.
enum class EffectSense { Larger, Positive, Negative };

struct ShiftRange
{
    double from = 0.0;
    double to = 0.0;
};

struct WorstPositionTask
{
    InfluenceLine longitudinal;
    InfluenceLine transverse;
    std::vector<VehiclePatch> vehicle;
    double delta = 1.0;  // dynamic coefficient
    double relief = 0.0; // relieving share, percent
    ShiftRange dx;
    ShiftRange dy;
    EffectSense sense = EffectSense::Larger;
};

struct WorstPosition
{
    double dx = 0.0;
    double dy = 0.0;
    double effect = 0.0;
};

// The vehicle effect with the vehicle moved by (dx, dy): the sum of the patches' effects E of
// load type 1, integrated exactly as the effect command integrates them.
double vehicleEffect(const WorstPositionTask &task, double dx, double dy);

// The shift of the vehicle that gives the extreme vehicle effect over the ranges. The effect is
// piecewise quadratic in dx and in dy with breakpoints where a patch edge meets a point or a zero
// crossing of a line; the optimum is taken from that structure, not by stepping.
WorstPosition findWorstPosition(const WorstPositionTask &task);

// The dx range over which the vehicle passes the whole longitudinal line: from fully before its
// first point to fully after its last. An empty line or vehicle gives 0..0.
ShiftRange passingRange(const InfluenceLine &longitudinal, const std::vector<VehiclePatch> &vehicle);

} // namespace tragvel::effects
