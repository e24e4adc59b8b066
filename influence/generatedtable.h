#pragma once

#include "common/celltable.h"
#include "influence/linesampling.h"

#include <QChar>

#include <vector>

namespace tragvel::influence {

// The influence-line table holding the points as the file loader writes them: the header row kept,
// row numbers of ten blanks and the number, values as general number text.
CellTable generatedLineTable(const CellTable &current, const std::vector<LinePoint> &points,
                             QChar decimalSeparator);

} // namespace tragvel::influence
