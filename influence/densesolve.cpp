#include "influence/densesolve.h"

#include <cmath>
#include <utility>

namespace tragvel::influence {

std::vector<double> solveDense(std::vector<double> a, std::vector<double> b)
{
    const size_t n = b.size();
    const auto at = [&](size_t row, size_t column) -> double & { return a[row * n + column]; };
    for (size_t k = 0; k < n; ++k) {
        size_t pivot = k;
        for (size_t row = k + 1; row < n; ++row)
            if (std::abs(at(row, k)) > std::abs(at(pivot, k)))
                pivot = row;
        if (at(pivot, k) == 0.0)
            return {};
        if (pivot != k) {
            for (size_t column = 0; column < n; ++column)
                std::swap(at(k, column), at(pivot, column));
            std::swap(b[k], b[pivot]);
        }
        for (size_t row = k + 1; row < n; ++row) {
            const double factor = at(row, k) / at(k, k);
            for (size_t column = k; column < n; ++column)
                at(row, column) -= factor * at(k, column);
            b[row] -= factor * b[k];
        }
    }
    std::vector<double> x(n, 0.0);
    for (size_t k = n; k-- > 0;) {
        double sum = b[k];
        for (size_t column = k + 1; column < n; ++column)
            sum -= at(k, column) * x[column];
        x[k] = sum / at(k, k);
    }
    return x;
}

} // namespace tragvel::influence
