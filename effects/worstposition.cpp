#include "effects/worstposition.h"

#include "effects/loadeffects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace tragvel::effects {

namespace {

using Quadratic = std::array<double, 3>; // c0 + c1 t + c2 t^2
using Poly = std::vector<double>;        // coefficients, lowest power first

// A stretch of a line between two knots (points or zero crossings) with one sign of the ordinate.
struct LinePiece
{
    double t0;
    double eta0;
    double slope;
    bool negative;
};

struct LineShape
{
    std::vector<LinePiece> pieces;
    double end = 0.0; // last abscissa
};

LineShape lineShape(const InfluenceLine &line)
{
    LineShape shape;
    for (size_t k = 1; k < line.size(); ++k) {
        const LinePoint &p = line[k - 1];
        const LinePoint &q = line[k];
        if (!(q.abscissa > p.abscissa))
            continue; // a step adds no width
        const double slope = (q.ordinate - p.ordinate) / (q.abscissa - p.abscissa);
        if (p.ordinate * q.ordinate < 0.0) {
            const double x0 = p.abscissa + std::abs(p.ordinate) * (q.abscissa - p.abscissa) /
                                               (std::abs(p.ordinate) + std::abs(q.ordinate));
            shape.pieces.push_back({p.abscissa, p.ordinate, slope, p.ordinate < 0.0});
            shape.pieces.push_back({x0, 0.0, slope, q.ordinate < 0.0});
        } else {
            shape.pieces.push_back({p.abscissa, p.ordinate, slope, p.ordinate + q.ordinate < 0.0});
        }
        shape.end = q.abscissa;
    }
    return shape;
}

// The share with which a part of the line counts for a load of the given sign.
double partFactor(bool negativePart, bool negativeLoad, double relief)
{
    return negativePart == negativeLoad ? 1.0 : relief / 100.0;
}

// A quadratic in the local variable v = s - origin rewritten in s.
Quadratic unshift(double a0, double a1, double a2, double origin)
{
    return {a0 - a1 * origin + a2 * origin * origin, a1 - 2.0 * a2 * origin, a2};
}

// A change of one patch's factor (Xr or Yr) as a function of the shift, valid from `at` on.
struct Event
{
    double at;
    size_t row;
    Quadratic delta;
};

// The events of one patch edge at position e of the line: `cumulative` edges carry the relieved
// area from the line's start up to e + shift, point edges the relieved ordinate at e + shift.
void addEdgeEvents(std::vector<Event> &events, const LineShape &shape, double e, bool cumulative,
                   double sign, size_t row, bool negativeLoad, double relief)
{
    Quadratic previous{0.0, 0.0, 0.0};
    double area = 0.0;
    for (size_t p = 0; p < shape.pieces.size(); ++p) {
        const LinePiece &piece = shape.pieces[p];
        const double f = partFactor(piece.negative, negativeLoad, relief);
        const double origin = piece.t0 - e;
        const Quadratic now = cumulative ? unshift(area, f * piece.eta0, f * piece.slope / 2.0, origin)
                                         : unshift(f * piece.eta0, f * piece.slope, 0.0, origin);
        events.push_back({origin, row,
                          {sign * (now[0] - previous[0]), sign * (now[1] - previous[1]),
                           sign * (now[2] - previous[2])}});
        previous = now;
        const double t1 = p + 1 < shape.pieces.size() ? shape.pieces[p + 1].t0 : shape.end;
        const double w = t1 - piece.t0;
        area += f * (piece.eta0 * w + piece.slope / 2.0 * w * w);
    }
    if (shape.pieces.empty())
        return;
    const Quadratic after = cumulative ? Quadratic{area, 0.0, 0.0} : Quadratic{0.0, 0.0, 0.0};
    events.push_back({shape.end - e, row,
                      {sign * (after[0] - previous[0]), sign * (after[1] - previous[1]),
                       sign * (after[2] - previous[2])}});
}

std::vector<Event> axisEvents(const LineShape &shape, const std::vector<VehiclePatch> &vehicle,
                              bool longitudinal, double relief)
{
    std::vector<Event> events;
    for (size_t row = 0; row < vehicle.size(); ++row) {
        const VehiclePatch &v = vehicle[row];
        const double a = longitudinal ? v.x1 : v.y1;
        const double b = longitudinal ? v.x2 : v.y2;
        const bool negativeLoad = v.load < 0.0;
        if (a == b) {
            addEdgeEvents(events, shape, a, false, 1.0, row, negativeLoad, relief);
        } else {
            addEdgeEvents(events, shape, b, true, 1.0, row, negativeLoad, relief);
            addEdgeEvents(events, shape, a, true, -1.0, row, negativeLoad, relief);
        }
    }
    std::sort(events.begin(), events.end(), [](const Event &l, const Event &r) { return l.at < r.at; });
    return events;
}

// The cell borders of one axis: the range ends and every event inside the range.
std::vector<double> borders(const std::vector<Event> &events, const ShiftRange &range)
{
    std::vector<double> result{range.from};
    for (const Event &event : events)
        if (event.at > range.from && event.at < range.to && event.at > result.back())
            result.push_back(event.at);
    if (range.to > range.from)
        result.push_back(range.to);
    return result;
}

double evaluate(const Poly &p, double x)
{
    double value = 0.0;
    for (size_t i = p.size(); i-- > 0;)
        value = value * x + p[i];
    return value;
}

Poly multiply(const Poly &a, const Poly &b)
{
    Poly r(a.size() + b.size() - 1, 0.0);
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j)
            r[i + j] += a[i] * b[j];
    return r;
}

Poly derivative(const Poly &p)
{
    Poly r;
    for (size_t i = 1; i < p.size(); ++i)
        r.push_back(double(i) * p[i]);
    return r.empty() ? Poly{0.0} : r;
}

Poly combine(const Poly &a, double fa, const Poly &b, double fb)
{
    Poly r(std::max(a.size(), b.size()), 0.0);
    for (size_t i = 0; i < a.size(); ++i)
        r[i] += fa * a[i];
    for (size_t i = 0; i < b.size(); ++i)
        r[i] += fb * b[i];
    return r;
}

// The real roots of p in [lo, hi]; the roots of p' split the interval into monotone stretches,
// each bisected where p changes sign.
std::vector<double> roots(Poly p, double lo, double hi)
{
    while (!p.empty() && p.back() == 0.0)
        p.pop_back();
    if (p.size() <= 1)
        return {};
    if (p.size() == 2) {
        const double x = -p[0] / p[1];
        return x >= lo && x <= hi ? std::vector<double>{x} : std::vector<double>{};
    }
    std::vector<double> stops{lo};
    for (double c : roots(derivative(p), lo, hi))
        stops.push_back(c);
    stops.push_back(hi);
    std::vector<double> result;
    for (size_t i = 0; i + 1 < stops.size(); ++i) {
        double l = stops[i], r = stops[i + 1];
        double fl = evaluate(p, l);
        const double fr = evaluate(p, r);
        if (fl == 0.0) {
            result.push_back(l);
            continue;
        }
        if (fl * fr >= 0.0)
            continue;
        for (int step = 0; step < 200 && r - l > 0.0; ++step) {
            const double m = l + (r - l) / 2.0;
            if (m <= l || m >= r)
                break;
            const double fm = evaluate(p, m);
            if ((fm < 0.0) == (fl < 0.0)) {
                l = m;
                fl = fm;
            } else {
                r = m;
            }
        }
        result.push_back(l + (r - l) / 2.0);
    }
    return result;
}

struct Candidate
{
    double value; // from the piecewise polynomial, sign of the sense applied
    double dx, dy;
    double cellX0, cellX1, cellY0, cellY1;
};

// A biquadratic b[j][k] u^j v^k of one cell in local coordinates u, v in [0, 1].
using Biquadratic = std::array<std::array<double, 3>, 3>;

double evaluate(const Biquadratic &b, double u, double v)
{
    double value = 0.0;
    for (int j = 2; j >= 0; --j)
        value = value * u + (b[j][0] + v * (b[j][1] + v * b[j][2]));
    return value;
}

// The largest Bernstein coefficient: no value of the cell exceeds it.
double upperBound(const Biquadratic &b)
{
    std::array<std::array<double, 3>, 3> inU{};
    for (int k = 0; k < 3; ++k) {
        inU[0][k] = b[0][k];
        inU[1][k] = b[0][k] + b[1][k] / 2.0;
        inU[2][k] = b[0][k] + b[1][k] + b[2][k];
    }
    double bound = -std::numeric_limits<double>::infinity();
    for (int j = 0; j < 3; ++j) {
        bound = std::max({bound, inU[j][0], inU[j][0] + inU[j][1] / 2.0, inU[j][0] + inU[j][1] + inU[j][2]});
    }
    return bound;
}

// Local stationary maxima of a cell: corners, stationary points on the edges and in the inside.
std::vector<std::array<double, 2>> cellPoints(const Biquadratic &b)
{
    std::vector<std::array<double, 2>> points{{0.0, 0.0}, {1.0, 0.0}, {0.0, 1.0}, {1.0, 1.0}};
    for (const double v : {0.0, 1.0}) {
        const double c1 = b[1][0] + v * (b[1][1] + v * b[1][2]);
        const double c2 = b[2][0] + v * (b[2][1] + v * b[2][2]);
        if (c2 < 0.0) {
            const double u = -c1 / (2.0 * c2);
            if (u > 0.0 && u < 1.0)
                points.push_back({u, v});
        }
    }
    for (const double u : {0.0, 1.0}) {
        const double c1 = b[0][1] + u * (b[1][1] + u * b[2][1]);
        const double c2 = b[0][2] + u * (b[1][2] + u * b[2][2]);
        if (c2 < 0.0) {
            const double v = -c1 / (2.0 * c2);
            if (v > 0.0 && v < 1.0)
                points.push_back({u, v});
        }
    }
    // Inside: F = A(v) u^2 + B(v) u + C(v). A maximum needs A < 0 and u = -B / 2A; along that
    // ridge F = C - B^2 / 4A, whose derivative vanishes where 4 A^2 C' - 2 A B B' + B^2 A' = 0.
    const Poly A{b[2][0], b[2][1], b[2][2]};
    const Poly B{b[1][0], b[1][1], b[1][2]};
    const Poly C{b[0][0], b[0][1], b[0][2]};
    const Poly ridge = combine(combine(multiply(multiply(A, A), derivative(C)), 4.0,
                                       multiply(multiply(A, B), derivative(B)), -2.0),
                               1.0, multiply(multiply(B, B), derivative(A)), 1.0);
    for (const double v : roots(ridge, 0.0, 1.0)) {
        const double a = evaluate(A, v);
        if (!(a < 0.0))
            continue;
        const double u = -evaluate(B, v) / (2.0 * a);
        if (u > 0.0 && u < 1.0)
            points.push_back({u, v});
    }
    return points;
}

// Rewrites a quadratic in s as one in the local w with s = origin + h w.
Quadratic localize(const Quadratic &q, double origin, double h)
{
    return {q[0] + origin * (q[1] + origin * q[2]), (q[1] + 2.0 * q[2] * origin) * h, q[2] * h * h};
}

// The best position for the sense sign (+1 maximum, -1 minimum), effect with its own sign.
WorstPosition searchSense(const WorstPositionTask &task, double sense)
{
    const std::vector<VehiclePatch> &vehicle = task.vehicle;
    const size_t n = vehicle.size();
    const ShiftRange dxRange{std::min(task.dx.from, task.dx.to), std::max(task.dx.from, task.dx.to)};
    const ShiftRange dyRange{std::min(task.dy.from, task.dy.to), std::max(task.dy.from, task.dy.to)};
    const std::vector<Event> xEvents = axisEvents(lineShape(task.longitudinal), vehicle, true, task.relief);
    const std::vector<Event> yEvents = axisEvents(lineShape(task.transverse), vehicle, false, task.relief);
    const std::vector<double> xs = borders(xEvents, dxRange);
    const std::vector<double> ys = borders(yEvents, dyRange);

    std::vector<Candidate> candidates;
    double best = -std::numeric_limits<double>::infinity();
    const auto tolerance = [](double value) { return 1e-7 * std::abs(value) + 1e-300; };

    // Per-row transverse factor Yr as a quadratic in dy on the current cell.
    std::vector<Quadratic> yFactor(n, Quadratic{0.0, 0.0, 0.0});
    size_t yNext = 0;
    const size_t yCells = ys.size() == 1 ? 1 : ys.size() - 1;
    for (size_t yc = 0; yc < yCells; ++yc) {
        const double y0 = ys[yc];
        const double y1 = ys.size() == 1 ? y0 : ys[yc + 1];
        while (yNext < yEvents.size() && yEvents[yNext].at <= y0) {
            for (int c = 0; c < 3; ++c)
                yFactor[yEvents[yNext].row][c] += yEvents[yNext].delta[c];
            ++yNext;
        }
        // The row weights: sense * delta * P * Yr(dy), dy local in the cell.
        std::vector<Quadratic> weight(n);
        for (size_t i = 0; i < n; ++i) {
            const Quadratic local = localize(yFactor[i], y0, y1 - y0);
            for (int c = 0; c < 3; ++c)
                weight[i][c] = sense * (task.delta * vehicle[i].load) * local[c];
        }
        Biquadratic acc{}; // in absolute dx, local v
        size_t xNext = 0;
        const size_t xCells = xs.size() == 1 ? 1 : xs.size() - 1;
        for (size_t xc = 0; xc < xCells; ++xc) {
            const double x0 = xs[xc];
            const double x1 = xs.size() == 1 ? x0 : xs[xc + 1];
            while (xNext < xEvents.size() && xEvents[xNext].at <= x0) {
                const Event &e = xEvents[xNext++];
                for (int j = 0; j < 3; ++j)
                    for (int k = 0; k < 3; ++k)
                        acc[j][k] += e.delta[j] * weight[e.row][k];
            }
            Biquadratic cell{};
            for (int k = 0; k < 3; ++k) {
                const Quadratic local = localize({acc[0][k], acc[1][k], acc[2][k]}, x0, x1 - x0);
                for (int j = 0; j < 3; ++j)
                    cell[j][k] = local[j];
            }
            if (upperBound(cell) < best - tolerance(best))
                continue;
            for (const auto &uv : cellPoints(cell)) {
                const double value = evaluate(cell, uv[0], uv[1]);
                if (value < best - tolerance(best))
                    continue;
                best = std::max(best, value);
                candidates.push_back({value, x0 + (x1 - x0) * uv[0], y0 + (y1 - y0) * uv[1], x0, x1, y0, y1});
            }
        }
    }

    // The polynomial only ranks the positions; the exact integral decides among the best ones,
    // at the position itself and just inside its cell (a point load at a step of a line takes
    // one side's ordinate, the other side is only approached).
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate &l, const Candidate &r) { return l.value > r.value; });
    WorstPosition result{dxRange.from, dyRange.from, vehicleEffect(task, dxRange.from, dyRange.from)};
    double resultValue = sense * result.effect;
    const auto inward = [](double s, double lo, double hi) {
        const double nudge = std::min((hi - lo) / 2.0, 1e-11 * std::max(1.0, std::abs(s)));
        return s <= lo ? lo + nudge : s >= hi ? hi - nudge : s;
    };
    size_t checked = 0;
    for (const Candidate &c : candidates) {
        if (c.value < best - tolerance(best) || checked++ >= 200)
            break;
        const double points[2][2] = {{c.dx, c.dy},
                                     {inward(c.dx, c.cellX0, c.cellX1), inward(c.dy, c.cellY0, c.cellY1)}};
        for (const auto &p : points) {
            const double effect = vehicleEffect(task, p[0], p[1]);
            if (sense * effect > resultValue) {
                resultValue = sense * effect;
                result = {p[0], p[1], effect};
            }
        }
    }
    return result;
}

} // namespace

double vehicleEffect(const WorstPositionTask &task, double dx, double dy)
{
    double sum = 0.0;
    for (const VehiclePatch &v : task.vehicle) {
        const TPatchIntegrals integrals =
            integratePatch(task.longitudinal, task.transverse, v.x1 + dx, v.x2 + dx, v.y1 + dy, v.y2 + dy);
        sum += patchEffect(VehicleLoad, v.load, integrals, task.delta, task.relief);
    }
    return sum;
}

WorstPosition findWorstPosition(const WorstPositionTask &task)
{
    if (task.sense == EffectSense::Positive)
        return searchSense(task, 1.0);
    if (task.sense == EffectSense::Negative)
        return searchSense(task, -1.0);
    const WorstPosition largest = searchSense(task, 1.0);
    const WorstPosition smallest = searchSense(task, -1.0);
    return std::abs(smallest.effect) > std::abs(largest.effect) ? smallest : largest;
}

ShiftRange passingRange(const InfluenceLine &longitudinal, const std::vector<VehiclePatch> &vehicle)
{
    if (longitudinal.empty() || vehicle.empty())
        return {};
    double lowest = vehicle.front().x1;
    double highest = vehicle.front().x2;
    for (const VehiclePatch &v : vehicle) {
        lowest = std::min(lowest, v.x1);
        highest = std::max(highest, v.x2);
    }
    return {longitudinal.front().abscissa - highest, longitudinal.back().abscissa - lowest};
}

} // namespace tragvel::effects
