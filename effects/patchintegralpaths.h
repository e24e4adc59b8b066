#pragma once

#include "effects/patchintegrals.h"

// integratePatch() walks two proper intervals side by side in one of two ways: two steps of each
// line at a time where the processor has 256-bit instructions (AVX2), otherwise one step at a
// time. Both give the same results to the last bit.

namespace tragvel::effects {

// Whether integratePatch() takes two steps at a time on this processor.
bool pairedStepsAvailable();

// integratePatch() one step at a time, whatever the processor.
TPatchIntegrals integratePatchInSteps(const InfluenceLine &longitudinal, const InfluenceLine &transverse,
                                      double x1, double x2, double y1, double y2);

} // namespace tragvel::effects
