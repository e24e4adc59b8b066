#include "report/textattributes.h"

#include <cmath>

namespace tragvel::report {

int pointsFromPixels(int pixels, double verticalDpi)
{
    return int(std::lround(double(pixels) * 72.0 / verticalDpi));
}

} // namespace tragvel::report
