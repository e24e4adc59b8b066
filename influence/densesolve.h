#pragma once

#include <vector>

namespace tragvel::influence {

// Solves the square system a · x = b by Gaussian elimination with partial pivoting; a is stored by
// rows. The systems here are small (at most a dozen unknowns), so a dense solve is simplest.
// A singular matrix gives an empty result.
std::vector<double> solveDense(std::vector<double> a, std::vector<double> b);

} // namespace tragvel::influence
